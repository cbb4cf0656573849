#include "view/win/ShellFileOp.h"

#include <cstring>

CShellFileOp::CShellFileOp() {
    std::memset(&m_op, 0, sizeof m_op);
    std::memset(m_szPath, 0, sizeof m_szPath);
    m_op.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI;
}

// Hands the path to the shell as a list of one name (path, NUL, NUL).
int CShellFileOp::DeletePath(const std::string& path, bool permanently) {
    char* buffer = m_szPath;
    if (path.size() + 2 > sizeof m_szPath) {
        m_longPath.assign(path.size() + 2, '\0');
        buffer = m_longPath.data();
    }
    std::memcpy(buffer, path.data(), path.size());
    buffer[path.size()] = '\0';
    buffer[path.size() + 1] = '\0';

    m_op.wFunc = FO_DELETE;
    m_op.pFrom = buffer;
    m_op.pTo = nullptr;
    // A recycle where the drive has no Recycle Bin would delete for good:
    // the shell asks first (FOF_WANTNUKEWARNING overrides
    // FOF_NOCONFIRMATION for that case alone).
    const FILEOP_FLAGS recycle = FOF_ALLOWUNDO | FOF_WANTNUKEWARNING;
    if (permanently)
        m_op.fFlags &= static_cast<FILEOP_FLAGS>(~recycle);
    else
        m_op.fFlags |= recycle;
    return SHFileOperationA(&m_op);
}
