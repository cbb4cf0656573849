#include "framework/win/FileDialog.h"

#include "framework/MultiSelection.h"

#include <cderr.h>
#include <commdlg.h>

namespace {

FileDialogOverride g_override;

// The common dialog library, loaded when a file dialog is first shown. Linked
// to the program it would be loaded at every start, and with it the
// system's printing support it links to: megabytes of the process's memory
// under Wine for dialogs most runs never open.
struct CommonDialogs {
    using ShowDialog = BOOL(WINAPI*)(OPENFILENAMEA*);
    using LastError = DWORD(WINAPI*)();
    ShowDialog open = nullptr;
    ShowDialog save = nullptr;
    LastError error = nullptr;
};

const CommonDialogs& Dialogs() {
    static const CommonDialogs dialogs = [] {
        CommonDialogs loaded;
        HMODULE module = LoadLibraryA("comdlg32.dll");
        if (!module)
            return loaded;
        auto function = [module](const char* name) {
            return reinterpret_cast<void (*)()>(GetProcAddress(module, name));
        };
        loaded.open = reinterpret_cast<CommonDialogs::ShowDialog>(function("GetOpenFileNameA"));
        loaded.save = reinterpret_cast<CommonDialogs::ShowDialog>(function("GetSaveFileNameA"));
        loaded.error = reinterpret_cast<CommonDialogs::LastError>(function("CommDlgExtendedError"));
        return loaded;
    }();
    return dialogs;
}

// "a|b|c|d||" -> "a\0b\0c\0d\0\0"
std::string FilterForDialog(const std::string& filter) {
    std::string result = filter;
    for (char& c : result)
        if (c == '|')
            c = '\0';
    if (result.empty() || result.back() != '\0')
        result.push_back('\0');
    result.push_back('\0');
    return result;
}

FileDialogResult Run(const FileDialogOptions& options, bool open, std::vector<char>& buffer) {
    std::string filter = FilterForDialog(options.filter);
    buffer.assign(options.bufferSize + 2, '\0');
    options.fileName.copy(buffer.data(), options.bufferSize - 1);

    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = options.owner;
    ofn.lpstrFilter = options.filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = static_cast<DWORD>(options.bufferSize);
    ofn.lpstrInitialDir = options.initialFolder.empty() ? nullptr : options.initialFolder.c_str();
    ofn.lpstrTitle = options.title.empty() ? nullptr : options.title.c_str();
    ofn.lpstrDefExt = options.defaultExtension.empty() ? nullptr : options.defaultExtension.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_ENABLESIZING | options.flags;

    const CommonDialogs& dialogs = Dialogs();
    CommonDialogs::ShowDialog show = open ? dialogs.open : dialogs.save;
    if (!show || !dialogs.error)
        return FileDialogResult::Failed;
    if (show(&ofn))
        return FileDialogResult::Ok;
    DWORD error = dialogs.error();
    if (error == 0)
        return FileDialogResult::Cancelled;
    if (error == FNERR_BUFFERTOOSMALL)
        return FileDialogResult::BufferTooSmall;
    return FileDialogResult::Failed;
}

}  // namespace

void SetFileDialogOverride(FileDialogOverride handler) {
    g_override = std::move(handler);
}

FileDialogResult AskOpenFiles(const FileDialogOptions& options, std::vector<std::string>& paths) {
    if (g_override)
        return g_override(options, false, paths);
    std::vector<char> buffer;
    FileDialogResult result = Run(options, true, buffer);
    paths.clear();
    if (result == FileDialogResult::Ok)
        paths = SplitMultiSelection(buffer.data(), buffer.size());
    return result;
}

FileDialogResult AskSaveFile(const FileDialogOptions& options, std::string& path) {
    if (g_override) {
        std::vector<std::string> paths;
        FileDialogResult result = g_override(options, true, paths);
        if (result == FileDialogResult::Ok)
            path = paths.empty() ? std::string() : paths.front();
        return result;
    }
    std::vector<char> buffer;
    FileDialogResult result = Run(options, false, buffer);
    if (result == FileDialogResult::Ok)
        path = buffer.data();
    return result;
}
