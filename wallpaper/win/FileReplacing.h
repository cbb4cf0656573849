#pragma once
#include <windows.h>

#include <functional>
#include <string>

// Writes a file through a temporary file beside it, which takes the file's
// place only once it is complete (MoveFileEx, replacing): a failed write
// leaves the file as it was and no temporary file behind.
//
// write writes the new contents to the path it is given and returns S_OK or
// the failure. When the file cannot be replaced because it is in use,
// letGo (when given) may free it, returning true, and the replacing is
// tried once more. Returns S_OK, the failure of write, or the system's
// reason as a Win32 HRESULT.
//
// Use: WriteFileReplacing(path, [&](const std::string& temporary) {
//          return EncodeInto(temporary); });
HRESULT WriteFileReplacing(const std::string& path,
                           const std::function<HRESULT(const std::string& temporary)>& write,
                           const std::function<bool()>& letGo = nullptr);
