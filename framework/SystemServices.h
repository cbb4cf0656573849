#pragma once
#include <string>

// What the program's commands need of the system in common: the existence
// test and the wait cursor. The services of each part of the program build
// on it; on Windows CSystemServicesWin (win/SystemServicesWin.h) provides
// both, and tests use fakes.
class ISystemServices {
public:
    virtual ~ISystemServices() = default;
    // The existence test for files and folders: false only when the file or
    // a folder on its path is reported not found; any other failure counts
    // as present.
    virtual bool PathExists(const std::string& path) = 0;
    // Shows and removes the wait cursor; calls come in pairs and may nest.
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
};
