#pragma once
#include <windows.h>

#include <string>

#include "framework/win/Dialog.h"
#include "framework/win/SystemServicesWin.h"
#include "wallpaper/win/WallpaperImage.h"

class IPreviewOwner;
class IProfile;

// The preview window "Wallpaper Preview" (template 143): a modeless,
// top-level window that shows one image file scaled down to fit, so that
// the user can look at wallpapers without applying them. It remembers its
// screen position in the profile and snaps to the work area's edges while
// it is dragged.
//
// It owns itself: make it with new and Create; when its window is gone
// (OK, Cancel, the close box, or DestroyWindow by its owner) it tells its
// owner and deletes itself.
class CPreviewDlg : public CDialog {
public:
    // Where the window's position is kept: two integer values of a section.
    struct PositionStore {
        IProfile* profile = nullptr;
        std::string section;
        std::string xName;
        std::string yName;
    };

    CPreviewDlg(IPreviewOwner* owner, int snapLimit, int snapWindow, PositionStore store);

    // Creates the window, hidden, with the desktop as parent (a top-level
    // window that the main window does not own), at the stored position.
    bool Create();

    // Loads the image file and shows it. A missing file clears the preview
    // and says so in a box owned by the preview; an image that cannot be
    // decoded shows as an empty area without a word.
    void ShowImage(const std::string& path);
    // Drops the image shown and shows the empty area.
    void ClearImage();
    // The snapping values of the program's options.
    void SetSnapLimit(int limit) { m_nSnapLimit = limit; }
    void SetSnapWindow(int snap) { m_bSnapWindow = snap; }

    bool IsShowing() const { return m_bShowing != 0; }
    const CWallpaperImage& Image() const { return m_image; }
    int GetSnapLimit() const { return m_nSnapLimit; }
    int GetSnapWindow() const { return m_bSnapWindow; }
    // The drawing area in the window's client coordinates.
    RECT DrawingArea() const;

protected:
    bool OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void OnFinalMessage() override;

private:
    void OnPaint();
    void OnDestroy();
    void OnEnterSizeMove();
    void OnMoving(RECT* proposed);
    void RememberPlace();
    // Repaints the drawing area at once, without erasing it first.
    void RedrawArea();

    int m_bShowing = 0;
    CWallpaperImage m_image;
    int m_bSnapWindow;
    IPreviewOwner* m_pOwner;
    POINT m_ptDragOffset = {0, 0};
    POINT m_ptPlace = {0, 0};  // the last top-left corner while not minimised
    bool m_bPlaceKnown = false;
    int m_nSnapLimit;
    HWND m_hPlaceholder = nullptr;  // control 1019, never shown: its rectangle is the area
    PositionStore m_store;
    CSystemServicesWin<ISystemServices> m_services;
};
