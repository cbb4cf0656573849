// vldtool: inspects and upgrades wallpaper list files from the command line.
//
//   vldtool dump FILE        prints the list's signature, settings and items
//   vldtool upgrade IN OUT   reads IN (any version) and writes OUT as version 3
//
// Exit status: 0 success, 2 wrong usage, 3 a file cannot be opened or
// written, 4 unknown signature, 5 unexpected file format, 6 failed to open
// document.
//
// File names on the command line and every text it prints are UTF-8 (on
// Windows the command line is read in UTF-16). In the list file, 8-bit
// text is in the system's ANSI code page (Windows-1252 on other systems);
// names that code page cannot hold are written in the 16-bit form.

#include <cstdio>
#include <string>

#include "base/ByteStream.h"
#include "base/PathParts.h"
#include "base/Utf8CodePage.h"
#include "framework/FrameworkTexts.h"
#include "list/ListFile.h"
#include "list/ListSettings.h"
#include "list/ListTarget.h"
#include "list/MemoryRowStore.h"
#include "list/WallpaperItem.h"
#include "list/WallpaperRows.h"

#ifdef _WIN32
#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include "base/win/AnsiCodePage.h"
#endif
#include <vector>

namespace {

enum ExitCode {
    kExitOk = 0,
    kExitUsage = 2,
    kExitFile = 3,
    kExitSignature = 4,
    kExitFormat = 5,
    kExitOpenFailed = 6,
};

const char kUsage[] =
    "usage: vldtool dump FILE\n"
    "       vldtool upgrade IN OUT\n";

const char kBadSignature[] =
    "The VLD file signature is either incorrect or has been\n"
    "corrupted. File loading will not continue.";

// A list held in memory: the rows with their items, and the settings.
struct LoadedList {
    CMemoryRowStore store;
    CWallpaperRows rows{store};
    CListTarget target{rows};
    ~LoadedList() { rows.DeleteAllRows(); }
};

// Writes text to the stream as its bytes.
void Print(std::FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

#ifdef _WIN32
// The UTF-16 form of a UTF-8 file name, for the system's wide functions.
std::wstring WideName(const std::string& path) {
    const std::u16string wide = Utf8ToUtf16(path);
    return std::wstring(wide.begin(), wide.end());
}
#endif

// Opens the file named in UTF-8.
std::FILE* OpenFile(const std::string& path, const char* mode) {
#ifdef _WIN32
    return _wfopen(WideName(path).c_str(), WideName(mode).c_str());
#else
    return std::fopen(path.c_str(), mode);
#endif
}

// Deletes the file named in UTF-8.
void RemoveFile(const std::string& path) {
#ifdef _WIN32
    _wremove(WideName(path).c_str());
#else
    std::remove(path.c_str());
#endif
}

// Reads the whole file into bytes; false when it cannot be opened or read.
bool ReadFileBytes(const std::string& path, std::string& bytes) {
    std::FILE* file = OpenFile(path, "rb");
    if (!file)
        return false;
    bytes.clear();
    char buffer[64 * 1024];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, got);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

// True when a file of that name exists (can be opened for reading).
bool FileExists(const std::string& path) {
    std::FILE* file = OpenFile(path, "rb");
    if (!file)
        return false;
    std::fclose(file);
    return true;
}

// Moves the file from over the file to, replacing it when it exists.
bool ReplaceFileWith(const std::string& from, const std::string& to) {
#ifdef _WIN32
    return MoveFileExW(WideName(from).c_str(), WideName(to).c_str(), MOVEFILE_REPLACE_EXISTING) !=
           0;
#else
    return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

// Writes bytes as the file path: first to a new file next to it, which is
// then renamed into place, so that path is never left half written.
bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::string temp;
    for (int n = 0;; ++n) {
        temp = path + ".vldtool" + std::to_string(n) + ".tmp";
        if (!FileExists(temp))
            break;
        if (n == 1000)
            return false;
    }
    std::FILE* file = OpenFile(temp, "wb");
    if (!file)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fflush(file) == 0 && ok;
    ok = std::fclose(file) == 0 && ok;
    if (ok)
        ok = ReplaceFileWith(temp, path);
    if (!ok)
        RemoveFile(temp);
    return ok;
}

// Reads the list file into the target; on failure prints the reason and
// returns the exit status, kExitOk otherwise.
int LoadList(const std::string& path, CListTarget& target, ListReadResult& result) {
    std::string bytes;
    if (!ReadFileBytes(path, bytes)) {
        Print(stderr, "vldtool: cannot open " + path + "\n");
        return kExitFile;
    }
    CMemorySource source(bytes);
    result = ReadList(source, target);
    switch (result.status) {
    case ListReadStatus::Ok:
        return kExitOk;
    case ListReadStatus::UnknownSignature:
        Print(stderr, std::string(kBadSignature) + "\n");
        return kExitSignature;
    case ListReadStatus::EndOfFile:
        Print(stderr, std::string(texts::kUnexpectedFileFormat) + "\n");
        return kExitFormat;
    case ListReadStatus::BadLength:
        break;
    }
    Print(stderr, std::string(texts::kFailedToOpenDocument) + "\n");
    return kExitOpenFailed;
}

// vldtool dump FILE: the signature, the settings and one line per item.
int Dump(const std::string& path) {
    LoadedList list;
    ListReadResult result;
    const int status = LoadList(path, list.target, result);
    if (status != kExitOk)
        return status;

    const CListSettings& s = list.target.GetSettings();
    const CWallpaperRows& rows = list.rows;
    std::string out;
    out += "signature: " + result.signature + "\n";
    out += "interval-change: " + DecimalText(s.GetIntervalChange()) + "\n";
    out += "hours: " + DecimalText(s.GetHours()) + "\n";
    out += "minutes: " + DecimalText(s.GetMinutes()) + "\n";
    out += "default-position: " + s.GetDefaultPosition() + "\n";
    out += "last-folder: " + s.GetLastFolder() + "\n";
    out += "include-subfolders: " + DecimalText(s.GetIncludeSubfolders()) + "\n";
    out += "items: " + DecimalText(rows.Count()) + "\n";
    for (int row = 0; row < rows.Count(); ++row) {
        const CWallpaperItem* item = rows.Item(row);
        if (!item)
            continue;
        out += item->GetPath() + "\t" + item->GetPosition() + "\t" + DecimalText(item->GetCount()) +
               "\t" + DecimalText(item->GetRandomPending()) + "\n";
    }
    Print(stdout, out);
    return std::fflush(stdout) == 0 ? kExitOk : kExitFile;
}

// vldtool upgrade IN OUT: reads IN and writes its list to OUT as version 3.
int Upgrade(const std::string& in, const std::string& out) {
    LoadedList list;
    ListReadResult result;
    const int status = LoadList(in, list.target, result);
    if (status != kExitOk)
        return status;

    CMemorySink sink;
    if (!WriteList(sink, list.target.GetSettings(), list.store) ||
        !WriteFileBytes(out, sink.Bytes())) {
        Print(stderr, "vldtool: cannot write " + out + "\n");
        return kExitFile;
    }
    return kExitOk;
}

// The command-line arguments after the program's name, in UTF-8.
std::vector<std::string> Arguments(int argc, char** argv) {
    std::vector<std::string> args;
#ifdef _WIN32
    int count = 0;
    if (LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 1; i < count; ++i) {
            const std::wstring arg = wide[i];
            args.push_back(Utf16ToUtf8(std::u16string(arg.begin(), arg.end())));
        }
        LocalFree(wide);
        return args;
    }
#endif
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    return args;
}

}  // namespace

// Parses the command and runs it.
int main(int argc, char** argv) {
    // The list's texts are held in UTF-8; the file's 8-bit texts are in the
    // system's ANSI code page.
    static const CUtf8CodePage utf8;
#ifdef _WIN32
    static const CAnsiCodePage system(SystemAnsiCodePage());
    // Texts are printed as their bytes: no newline translation.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#else
    static const CWindows1252CodePage system;
#endif
    SetCurrentCodePage(&utf8);
    SetSystemCodePage(&system);
    const std::vector<std::string> args = Arguments(argc, argv);
    const std::string command = !args.empty() ? args[0] : "";
    if (command == "dump" && args.size() == 2)
        return Dump(args[1]);
    if (command == "upgrade" && args.size() == 3)
        return Upgrade(args[1], args[2]);
    Print(stderr, kUsage);
    return kExitUsage;
}
