#include "view/win/EditServicesWin.h"

#include <windows.h>
#include <shellapi.h>

namespace {

// What RecycleFile answers for a path it refuses: the shell's own code for
// an invalid source (DE_INVALIDFILES).
constexpr int kRefused = 0x7C;

}  // namespace

// GetFileAttributes; only "not found" makes a path missing.
PathKind CEditServicesWin::KindOf(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES)
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? PathKind::Folder : PathKind::File;
    DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
        return PathKind::Missing;
    return PathKind::Unknown;
}

// The root is asked for its attributes. GetDriveType alone cannot tell:
// it reports a card reader without a card or a mapped drive whose server is
// off as a removable or remote drive all the same, while the attributes of
// the root need the medium or the share to answer. An unassigned letter
// fails as well (path not found). Access denied means that something
// answered, so the root is there. The system's "insert a disk" box is kept
// away for the call: a drive without a medium simply fails.
bool CEditServicesWin::RootAvailable(const std::string& root) {
    DWORD oldMode = 0;
    BOOL modeSet = SetThreadErrorMode(SEM_FAILCRITICALERRORS, &oldMode);
    DWORD attributes = GetFileAttributesA(root.c_str());
    DWORD error = attributes == INVALID_FILE_ATTRIBUTES ? GetLastError() : ERROR_SUCCESS;
    if (modeSet)
        SetThreadErrorMode(oldMode, nullptr);
    return error == ERROR_SUCCESS || error == ERROR_ACCESS_DENIED;
}

// The shell's file operation expands "*" and "?" and deletes folders
// whole, so only a path that names one existing file, exactly, goes to it.
int CEditServicesWin::RecycleFile(const std::string& path) {
    if (path.find_first_of("*?") != std::string::npos || KindOf(path) != PathKind::File)
        return kRefused;
    return m_fileOp.DeletePath(path, false);
}

// Opens the folder in the shell's own window.
void CEditServicesWin::OpenFolder(const std::string& folder) {
    ShellExecuteA(nullptr, "open", folder.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
