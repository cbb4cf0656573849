#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

// One shell file operation, set up to run silently: no progress dialog, no
// confirmation, no error box (FOF_SILENT | FOF_NOCONFIRMATION |
// FOF_NOERRORUI). Deleting sends a file to the Recycle Bin unless it is
// deleted permanently; the one question left is the shell's warning before
// a file that should go to the Recycle Bin is destroyed for good because
// its drive has none (FOF_WANTNUKEWARNING, set with FOF_ALLOWUNDO). The
// shell expands "*" and "?" in the path and deletes a folder with its
// contents: callers check the path first.
//
// Use: CShellFileOp op; int result = op.DeletePath(path, false);
class CShellFileOp {
public:
    // The usual room for one name and the two NULs that end the list.
    static constexpr std::size_t kPathBufferSize = 264;

    CShellFileOp();

    // Deletes the file or folder; returns SHFileOperation's result (0 on
    // success). A path too long for the usual buffer gets a buffer of its
    // own size, so it is never cut short.
    int DeletePath(const std::string& path, bool permanently);

    // The operation as last run (tests).
    const SHFILEOPSTRUCTA& Operation() const { return m_op; }

private:
    SHFILEOPSTRUCTA m_op;
    char m_szPath[kPathBufferSize];
    std::vector<char> m_longPath;
};
