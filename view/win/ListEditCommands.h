#pragma once
#include <windows.h>
#include <ole2.h>

#include <cstddef>
#include <string>

#include "view/ListEditHost.h"
#include "view/win/EditServicesWin.h"

class CListDropTarget;
class CVarnelloView;

// The list view's editing commands on Windows: Add Files (the open-file
// dialog), Add From Folder (the Add Folder dialog and the folder scan),
// drops on the list, the Remove commands and the item commands. It stands
// for the view and its document towards the portable command classes.
//
// Use: a member of the view, made with the view; its handlers call one
// method each (m_edit.AddFiles()).
class CListEditCommands : public IListEditHost {
public:
    // Characters the Add Files dialog can hand back at once: room for
    // several thousand long paths.
    static constexpr std::size_t kAddFilesBufferSize = 1048576;

    // Drops that carry the private clipboard format are refused.
    CListEditCommands(CVarnelloView& view, UINT privateClipboardFormat);
    ~CListEditCommands() override;
    CListEditCommands(const CListEditCommands&) = delete;
    CListEditCommands& operator=(const CListEditCommands&) = delete;

    // Add, Files to List... (32771).
    void AddFiles();
    // Add, From Folder... (32772).
    void AddFromFolder();
    // Files dropped on the list.
    void AddDroppedFiles(const std::vector<std::string>& paths);

    // Remove, Selected Items (32774).
    void RemoveSelected();
    // Remove, All Items (32777).
    void RemoveAll();
    // Remove, Selected Items and Recycle Files (32775).
    void RemoveAndRecycle();
    // Remove, All Dead Items (32810); also the scan at start-up.
    void RemoveDeadItems();

    // Position, Center / Stretch / Tile / Fill / Fit / Span (32798, 32800,
    // 32801, 32814 to 32816).
    void SetPosition(const std::string& name);
    // Reset Count (32782).
    void ResetCount();
    // Open Containing Folder (32792).
    void OpenContainingFolder();

    // Makes the list window a drop target (needs OLE); once, at the view's
    // first initial update. RevokeDropTarget undoes it when the window goes.
    void RegisterDropTarget();
    void RevokeDropTarget();
    // The registered drop target; null before RegisterDropTarget.
    IDropTarget* DropTarget() const;

    // IListEditHost
    CWallpaperRows& Rows() override;
    WindowHandle Owner() override;
    CListSettings* Settings() override;
    bool AutoSort() override;
    bool WarnOnRecycle() override;
    void SortNow() override;
    void MarkModified() override;
    void BeginBulkUpdate() override;
    void EndBulkUpdate() override;

private:
    CVarnelloView& m_view;
    UINT m_cfPrivate;
    CEditServicesWin m_services;
    CListDropTarget* m_pDropTarget = nullptr;
    HWND m_hDropWindow = nullptr;
};
