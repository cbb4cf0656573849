#include "view/EditServicesWin.h"

#include <windows.h>
#include <shellapi.h>

#include "framework/PathExists.h"

bool CEditServicesWin::PathExists(const std::string& path) {
    return ::PathExists(path);
}

// Sends the file to the Recycle Bin, silently.
int CEditServicesWin::RecycleFile(const std::string& path) {
    return m_fileOp.DeletePath(path, false);
}

// Opens the folder in the shell's own window.
void CEditServicesWin::OpenFolder(const std::string& folder) {
    ShellExecuteA(nullptr, "open", folder.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void CEditServicesWin::BeginWaitCursor() {
    m_waits.push_back(std::make_unique<CWaitCursor>());
}

void CEditServicesWin::EndWaitCursor() {
    if (!m_waits.empty())
        m_waits.pop_back();
}
