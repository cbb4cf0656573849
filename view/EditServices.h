#pragma once
#include <string>

#include "framework/SystemServices.h"

// What a path names, as far as the system tells: Unknown when the test
// fails for another reason than "not found" (access denied, an unreachable
// share, an invalid name).
enum class PathKind { Missing, File, Folder, Unknown };

// What the editing commands need of the system: on Windows the file system,
// the Recycle Bin, the shell and the wait cursor (EditServicesWin.h); in
// tests a fake.
class IEditServices : public ISystemServices {
public:
    // What the path names; one look at the file system.
    virtual PathKind KindOf(const std::string& path) = 0;
    // Whether the drive or network share whose root is given ("X:\",
    // "\\server\share\") is there: false for a drive letter that is not
    // assigned or not ready and for a share that does not answer.
    virtual bool RootAvailable(const std::string& root) = 0;
    // Sends exactly the one existing file named to the Recycle Bin; 0 on
    // success. No dialog shows, except the shell's question before a file
    // is deleted for good where there is no Recycle Bin. A path with "*" or
    // "?", a folder or a path that is not an existing file is refused (not
    // 0) and never handed to the shell.
    virtual int RecycleFile(const std::string& path) = 0;
    // Opens the folder in the shell; the result is not looked at.
    virtual void OpenFolder(const std::string& folder) = 0;
};
