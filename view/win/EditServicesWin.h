#pragma once
#include "framework/win/SystemServicesWin.h"
#include "view/EditServices.h"
#include "view/win/ShellFileOp.h"

// The system behind the editing commands on Windows: GetFileAttributes, the
// Recycle Bin through CShellFileOp, ShellExecute and the wait cursor.
class CEditServicesWin : public CSystemServicesWin<IEditServices> {
public:
    PathKind KindOf(const std::string& path) override;
    bool RootAvailable(const std::string& root) override;
    int RecycleFile(const std::string& path) override;
    void OpenFolder(const std::string& folder) override;

private:
    CShellFileOp m_fileOp;
};
