#include "framework/win/DocumentFilesWin.h"

#include <windows.h>

#include "base/ByteStream.h"
#include "base/FormatText.h"
#include "base/PathParts.h"
#include "base/win/SystemText.h"
#include "base/win/WideText.h"
#include "framework/FrameworkTexts.h"

namespace {

// Reads a file through a buffer.
class CFileSource : public IByteSource {
public:
    explicit CFileSource(HANDLE file) : m_file(file) {}
    ~CFileSource() override { CloseHandle(m_file); }
    std::size_t Read(void* buffer, std::size_t size) override {
        std::size_t total = 0;
        auto* out = static_cast<char*>(buffer);
        while (total < size) {
            if (m_pos == m_end) {
                DWORD read = 0;
                if (!ReadFile(m_file, m_buffer, sizeof m_buffer, &read, nullptr) || read == 0)
                    break;
                m_pos = 0;
                m_end = read;
            }
            std::size_t chunk = m_end - m_pos;
            if (chunk > size - total)
                chunk = size - total;
            memcpy(out + total, m_buffer + m_pos, chunk);
            m_pos += chunk;
            total += chunk;
        }
        return total;
    }

private:
    HANDLE m_file;
    char m_buffer[64 * 1024];
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
};

// Writes a file through a buffer; remembers the first failure.
class CFileSink : public IByteSink {
public:
    explicit CFileSink(HANDLE file) : m_file(file) {}
    bool Write(const void* data, std::size_t size) override {
        const char* in = static_cast<const char*>(data);
        while (size > 0 && m_ok) {
            std::size_t chunk = sizeof m_buffer - m_used;
            if (chunk > size)
                chunk = size;
            memcpy(m_buffer + m_used, in, chunk);
            m_used += chunk;
            in += chunk;
            size -= chunk;
            if (m_used == sizeof m_buffer)
                Flush();
        }
        return m_ok;
    }
    bool Flush() {
        if (m_ok && m_used > 0) {
            DWORD written = 0;
            m_ok = WriteFile(m_file, m_buffer, static_cast<DWORD>(m_used), &written, nullptr) &&
                   written == m_used;
        }
        m_used = 0;
        return m_ok;
    }

private:
    HANDLE m_file;
    char m_buffer[64 * 1024];
    std::size_t m_used = 0;
    bool m_ok = true;
};

}  // namespace

std::unique_ptr<IByteSource> CDocumentFilesWin::OpenForReading(const std::string& path,
                                                               std::uint64_t& size,
                                                               std::string& errorText) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
            error == ERROR_INVALID_NAME || error == ERROR_BAD_NETPATH)
            errorText = FormatText(texts::kFileNotFound, {path});
        else
            errorText = path + "\nThe file could not be opened.\n" + SystemErrorText(error);
        return nullptr;
    }
    LARGE_INTEGER length = {};
    GetFileSizeEx(file, &length);
    size = static_cast<std::uint64_t>(length.QuadPart);
    return std::make_unique<CFileSource>(file);
}

namespace {

// The file that the path leads to through links (a symbolic link, a
// junction among its folders), as a plain path; the path itself when the
// file does not exist or the system cannot say.
std::string TargetPath(const std::string& path) {
    HANDLE file =
        CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return path;
    std::string target(MAX_PATH, '\0');
    DWORD length = GetFinalPathNameByHandleA(file, target.data(), static_cast<DWORD>(target.size()),
                                             FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length >= target.size()) {
        target.assign(length, '\0');
        length = GetFinalPathNameByHandleA(file, target.data(), length,
                                           FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (length >= target.size())
            length = 0;
    }
    CloseHandle(file);
    if (length == 0)
        return path;
    target.resize(length);
    // "\\?\C:\..." and "\\?\UNC\server\share\..." as the A functions take them.
    if (target.compare(0, 8, "\\\\?\\UNC\\") == 0)
        return "\\\\" + target.substr(8);
    if (target.compare(0, 4, "\\\\?\\") == 0)
        return target.substr(4);
    return target;
}

}  // namespace

bool CDocumentFilesWin::WriteReplacing(const std::string& path,
                                       const std::function<bool(IByteSink&)>& writer,
                                       std::string& keptFile) {
    keptFile.clear();
    const bool exists = GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    const std::string target = exists ? TargetPath(path) : path;
    std::string folder = FolderPart(target);
    if (folder.empty())
        folder = ".";
    else if (folder.back() == ':')
        folder += '\\';  // the drive's root, not its current folder
    // The name is made in UTF-16: the system's buffer holds MAX_PATH
    // characters, which in UTF-8 can be many more bytes.
    wchar_t wideTemporary[MAX_PATH + 16] = {};
    if (!GetTempFileNameW(Widen(folder).c_str(), L"vld", 0, wideTemporary))
        return false;
    const std::string temporaryName = Narrow(wideTemporary);
    const char* temporary = temporaryName.c_str();
    HANDLE file = CreateFileW(wideTemporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        DeleteFileW(wideTemporary);
        return false;
    }
    bool ok;
    try {
        auto sink = std::make_unique<CFileSink>(file);
        ok = writer(*sink) && sink->Flush();
    } catch (...) {
        CloseHandle(file);
        DeleteFileA(temporary);
        throw;
    }
    ok = ok && FlushFileBuffers(file);
    CloseHandle(file);
    if (!ok) {
        DeleteFileA(temporary);
        return false;
    }
    // The new contents are complete: from here on the temporary file goes
    // only by taking the target's place. ReplaceFile keeps the old file's
    // attributes and security; when it fails, also half way (the old file
    // already gone), the temporary file is moved into place instead.
    bool replaced = exists && ReplaceFileA(target.c_str(), temporary, nullptr,
                                           REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
    if (!replaced)
        replaced = MoveFileExA(temporary, target.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
    if (!replaced)
        keptFile = temporary;
    return replaced;
}

bool CDocumentFilesWin::IsWritableFile(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_READONLY) &&
           !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
