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
};
