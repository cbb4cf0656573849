#include "view/win/FileFinderWin.h"

#include <windows.h>

#include <cstdio>
#include <vector>

#include "base/CodePage.h"
#include "base/win/FullPathName.h"
#include "base/win/WideText.h"

// Lists folder + "\*.*". Entries carry the full path: the folder as a full
// path (from the search pattern), then the name. The names are read in
// UTF-16: in UTF-8 a name can be longer than the 8-bit record's MAX_PATH
// bytes.
bool CFileFinderWin::ListFolder(const std::string& folder,
                                const std::function<bool(const FolderEntry&)>& visit) {
    std::string pattern = folder + "\\*.*";
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(Widen(pattern).c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return false;
    std::string root = FullPathName(pattern);
    std::size_t slash = FindLastChar(root, '\\');
    root = slash == std::string::npos ? folder + "\\" : root.substr(0, slash + 1);
    FolderEntry entry;
    entry.path = root;
    // A name of MAX_PATH UTF-16 characters takes at most three bytes for
    // each in UTF-8 (a surrogate pair, two characters, takes four).
    char name[3 * MAX_PATH + 1];
    try {
        do {
            int length = WideCharToMultiByte(CP_ACP, 0, data.cFileName, -1, name, sizeof name,
                                             nullptr, nullptr);
            entry.name.assign(name, length > 0 ? static_cast<std::size_t>(length - 1) : 0);
            entry.path.replace(root.size(), std::string::npos, entry.name);
            entry.isDirectory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
            if (!visit(entry))
                break;
        } while (FindNextFileW(find, &data));
    } catch (...) {
        FindClose(find);
        throw;
    }
    FindClose(find);
    return true;
}

// Volume serial number and file index of the folder the path leads to;
// when the folder cannot be opened, its full path in capitals.
std::string CFileFinderWin::FolderIdentity(const std::string& folder) {
    HANDLE handle =
        CreateFileA(folder.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        BY_HANDLE_FILE_INFORMATION info;
        BOOL ok = GetFileInformationByHandle(handle, &info);
        CloseHandle(handle);
        if (ok && (info.nFileIndexHigh != 0 || info.nFileIndexLow != 0)) {
            char key[64];
            std::snprintf(key, sizeof key, "file:%08lx:%08lx%08lx",
                          static_cast<unsigned long>(info.dwVolumeSerialNumber),
                          static_cast<unsigned long>(info.nFileIndexHigh),
                          static_cast<unsigned long>(info.nFileIndexLow));
            return key;
        }
    }
    std::wstring path = Widen(FullPathName(folder));
    while (path.size() > 1 && path.back() == L'\\')
        path.pop_back();
    if (!path.empty())
        CharUpperBuffW(path.data(), static_cast<DWORD>(path.size()));
    return "path:" + Narrow(path.c_str(), static_cast<int>(path.size()));
}
