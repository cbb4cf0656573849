#pragma once
#include <string>

#include "framework/SystemServices.h"

// What the editing commands need of the system: on Windows the file system,
// the Recycle Bin, the shell and the wait cursor (EditServicesWin.h); in
// tests a fake.
class IEditServices : public ISystemServices {
public:
    // Sends the file to the Recycle Bin without any dialog; 0 on success.
    virtual int RecycleFile(const std::string& path) = 0;
    // Opens the folder in the shell; the result is not looked at.
    virtual void OpenFolder(const std::string& folder) = 0;
};
