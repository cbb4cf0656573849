#pragma once
#include <string>

// What the editing commands need of the system: on Windows the file system,
// the Recycle Bin, the shell and the wait cursor (EditServicesWin.h); in
// tests a fake.
class IEditServices {
public:
    virtual ~IEditServices() = default;
    // The shared existence test: false only when the file or a folder on
    // its path is reported not found.
    virtual bool PathExists(const std::string& path) = 0;
    // Sends the file to the Recycle Bin without any dialog; 0 on success.
    virtual int RecycleFile(const std::string& path) = 0;
    // Opens the folder in the shell; the result is not looked at.
    virtual void OpenFolder(const std::string& folder) = 0;
    // Shows and removes the wait cursor; calls come in pairs and may nest.
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
};

// Shows the wait cursor of the services while it lives.
class CEditWaitCursor {
public:
    explicit CEditWaitCursor(IEditServices& services) : m_services(services) {
        m_services.BeginWaitCursor();
    }
    ~CEditWaitCursor() { m_services.EndWaitCursor(); }
    CEditWaitCursor(const CEditWaitCursor&) = delete;
    CEditWaitCursor& operator=(const CEditWaitCursor&) = delete;

private:
    IEditServices& m_services;
};
