#pragma once
#include <windows.h>
#include <commctrl.h>

#include "view/PreviewFollow.h"
#include "wallpaper/PreviewOwner.h"

class CPreviewDlg;
class CVarnelloView;

// The list view's commands that look at, clear or set things rather than
// edit the rows: the preview window and how it follows the selection,
// Clear Wallpaper, Options and List Settings. It holds the view's preview
// window, at most one.
//
// Use: a member of the view, made with the view; its handlers call one
// method each (m_tools.ClearWallpaper()).
class CToolCommands : public IPreviewOwner {
public:
    explicit CToolCommands(CVarnelloView& view);
    ~CToolCommands() override;
    CToolCommands(const CToolCommands&) = delete;
    CToolCommands& operator=(const CToolCommands&) = delete;

    // Preview Window (32784): opens the preview (or brings it forward) and
    // shows the selected row's image.
    void PreviewWindow();
    // The state of a row, of a range of rows or of every row changed from
    // oldState to newState (LVN_ITEMCHANGED, LVN_ODSTATECHANGED): the
    // preview follows.
    void OnStatesChanged(unsigned oldState, unsigned newState);
    // Shows or hides an open preview window (SW_SHOW, SW_HIDE).
    void ShowPreviewWindow(int showCommand);
    // Destroys an open preview window (the list window is going).
    void ClosePreviewWindow();
    // The open preview window, or null.
    CPreviewDlg* Preview() const { return m_pPreview; }

    // Clear Wallpaper (32791).
    void ClearWallpaper();
    // Options... (32793): edits the program options and applies them at once.
    void Options();
    // List Settings... (32783): edits the open list's settings, then brings
    // the interval timer in line and marks the list when something changed.
    void ListSettings();

    // IPreviewOwner
    void OnPreviewDestroyed() override { m_pPreview = nullptr; }

private:
    // Shows or clears the preview as the selection rules say.
    void FollowSelection(preview_follow::Action action);
    // Shows the image of the first selected row in the preview.
    void ShowFirstSelected();

    CVarnelloView& m_view;
    CPreviewDlg* m_pPreview = nullptr;
};
