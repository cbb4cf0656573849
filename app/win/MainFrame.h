#pragma once
#include <windows.h>
#include <commctrl.h>

#include "framework/win/FrameWindow.h"
#include "framework/win/StatusBar.h"
#include "framework/win/ToolBar.h"
#include "view/ListViewFrame.h"

class CVarnelloView;

// The program's main window: menu, toolbar and status bar around the list
// window; the close sequence that saves automatically and remembers the
// last list.
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

protected:
    int OnCreate(CREATESTRUCTA* create) override;
    void OnClose() override;

private:
    int m_nSnapLimit = 10;
    int m_bSnapWindow = 1;
    int m_bInTray = 0;
    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;
    HIMAGELIST m_imlToolbar = nullptr;
    HIMAGELIST m_imlToolbarHot = nullptr;
};
