#include "view/win/EditServicesWin.h"

#include <windows.h>
#include <shellapi.h>

// Sends the file to the Recycle Bin, silently.
int CEditServicesWin::RecycleFile(const std::string& path) {
    return m_fileOp.DeletePath(path, false);
}

// Opens the folder in the shell's own window.
void CEditServicesWin::OpenFolder(const std::string& folder) {
    ShellExecuteA(nullptr, "open", folder.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
