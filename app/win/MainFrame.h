#pragma once
#include <windows.h>
#include <commctrl.h>

#include <deque>
#include <string>

#include "app/win/SystemTray.h"
#include "framework/win/FrameWindow.h"
#include "framework/win/ShutdownBlockReason.h"
#include "framework/win/StatusBar.h"
#include "framework/win/ToolBar.h"
#include "view/ListViewFrame.h"

class CVarnelloView;

// The program's main window: menu, a dockable toolbar and the status bar
// around the list window; the icon in the notification area and parking
// there on every minimise; the window placement kept in "WindowPos";
// snapping to the work area's edges while dragged; the close sequence that
// saves automatically and remembers the last list, also when the session
// ends; lists and random-change requests handed over by a later start of
// the program.
class CMainFrame : public CFrameWindow, public IListViewFrame {
public:
    CMainFrame();
    ~CMainFrame() override;

    // IListViewFrame
    void SetSnapLimit(int limit) override { m_nSnapLimit = limit; }
    void SetSnapWindow(int snap) override { m_bSnapWindow = snap; }
    void SetTopmost(bool topmost, bool show) override;
    int GetSnapLimit() const { return m_nSnapLimit; }
    int GetSnapWindow() const { return m_bSnapWindow; }

    CVarnelloView* GetListView() const;
    CToolBar& ToolBar() { return m_wndToolBar; }
    CStatusBar& StatusBar() { return m_wndStatusBar; }
    CSystemTray& TrayIcon() { return m_TrayIcon; }
    // Whether the window is parked in the notification area.
    bool IsInTray() const { return m_bInTray != 0; }

    // Shows the frame: the first time with the stored placement, after an
    // open only when it is hidden or minimised.
    void ActivateFrame(int showCommand) override;

    // Asks for a random change of the wallpaper ("/random"); it is made
    // from the message loop, once the message that asked has its answer.
    void RequestRandomChange();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    int OnCreate(CREATESTRUCTA* create) override;
    void OnClose() override;
    void OnDestroy() override;
    void OnInitMenuPopup(HMENU menu, UINT index, bool systemMenu) override;
    void OnMenuSelect(UINT item, UINT flags, HMENU menu) override;
    void OnDpiChanged(int oldDpi, int newDpi, const RECT& suggested) override;

private:
    LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);
    void OnRestoreRequest();
    void OnMinimized();
    void RestoreFromTray();
    void OnEnterSizeMove();
    void OnMoving(RECT* rect);
    void OnGetMinMaxInfo(MINMAXINFO* info);
    LRESULT OnCopyData(const COPYDATASTRUCT* data);
    void OpenHandedOverLists();
    void OnRandomChangeRequest();
    void SaveWindowPlacement();
    bool CheckListBeforeClosing();
    void FinishClose();
    bool OnQueryEndSession();
    void OnEndSession(bool ending);
    bool LoadToolbarImages(int dpi);

    int m_nSnapLimit = 10;
    int m_bSnapWindow = 1;
    int m_bInTray = 0;
    CSystemTray m_TrayIcon;
    UINT m_nSavedPaneId = 0;
    UINT m_nSavedPaneStyle = 0;
    int m_nSavedPaneWidth = -1;
    int m_bMenuActive = 0;
    POINT m_ptDragOffset = {0, 0};
    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;
    HIMAGELIST m_imlToolbar = nullptr;
    HIMAGELIST m_imlToolbarHot = nullptr;
    HICON m_hTrayIcon = nullptr;
    // Lists that later starts of the program asked to open, oldest first.
    std::deque<std::string> m_handedOver;
    // Given while the user keeps the session from ending over the list.
    CShutdownBlockReason m_shutdownReason;
};
