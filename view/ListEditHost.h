#pragma once
#include <string>

#include "framework/Prompter.h"

class CListSettings;
class CWallpaperRows;

// What the list's editing commands (adding, removing, item commands) need
// of the list window and its document. The list view provides it on
// Windows (ListEditCommands.h); tests use a fake over in-memory rows.
class IListEditHost {
public:
    virtual ~IListEditHost() = default;
    virtual CWallpaperRows& Rows() = 0;
    // The window that owns the commands' message boxes.
    virtual WindowHandle Owner() = 0;
    // The open list's settings; null while there is no document.
    virtual CListSettings* Settings() = 0;
    // The options "Auto Sort" and "Warn On Recycle".
    virtual bool AutoSort() = 0;
    virtual bool WarnOnRecycle() = 0;
    // Sorts the rows by the sort column in the current direction.
    virtual void SortNow() = 0;
    // Marks the list as changed (the title gets its " *").
    virtual void MarkModified() = 0;
    // Stops and restarts the list's redrawing around a batch of row
    // changes; calls come in pairs and may nest.
    virtual void BeginBulkUpdate() = 0;
    virtual void EndBulkUpdate() = 0;
};

// Keeps the list from redrawing while it lives.
class CBulkUpdate {
public:
    explicit CBulkUpdate(IListEditHost& host) : m_host(host) { m_host.BeginBulkUpdate(); }
    ~CBulkUpdate() { m_host.EndBulkUpdate(); }
    CBulkUpdate(const CBulkUpdate&) = delete;
    CBulkUpdate& operator=(const CBulkUpdate&) = delete;

private:
    IListEditHost& m_host;
};
