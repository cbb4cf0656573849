#pragma once
#include <string>

class IEditServices;
class IListEditHost;

// Small commands on the selected rows: the position names, Reset Count and
// Open Containing Folder.
//
// Use: CItemCommands(host, services).SetPosition("Tile");
class CItemCommands {
public:
    CItemCommands(IListEditHost& host, IEditServices& services)
        : m_host(host), m_services(services) {}

    // Gives every selected row the position; marks the list when a row was
    // selected.
    void SetPosition(const std::string& name);
    // Count 0 and pending again for every selected row; marks the list when
    // a row was selected.
    void ResetCount();
    // Opens the folder of the first selected row's file in the shell, or
    // says that it is gone (also when a file stands in its place).
    void OpenContainingFolder();

private:
    IListEditHost& m_host;
    IEditServices& m_services;
};
