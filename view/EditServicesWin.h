#pragma once
#include <memory>
#include <vector>

#include "framework/WaitCursor.h"
#include "view/EditServices.h"
#include "view/ShellFileOp.h"

// The system behind the editing commands on Windows: GetFileAttributes, the
// Recycle Bin through CShellFileOp, ShellExecute and the wait cursor.
class CEditServicesWin : public IEditServices {
public:
    bool PathExists(const std::string& path) override;
    int RecycleFile(const std::string& path) override;
    void OpenFolder(const std::string& folder) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;

private:
    CShellFileOp m_fileOp;
    std::vector<std::unique_ptr<CWaitCursor>> m_waits;
};
