#pragma once
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <memory>
#include <string>

#include "framework/CommandTarget.h"
#include "framework/DpiScale.h"
#include "framework/StandardIds.h"
#include "framework/win/Window.h"

class CDocument;
class CSingleDocTemplate;
class CStatusBar;
class CToolBar;
class CView;

// The id of the view window inside its frame.
constexpr UINT kViewWindowId = IDW_VIEW;

// The main window of a single-document program: menu, accelerators, an
// optional toolbar docked on any side and a status bar at the bottom around
// one view.
// Commands go to the view, the document, the application and the frame,
// in that order; their enabling rules run when a menu opens and, for the
// toolbar and the status bar, when the program is idle.
class CFrameWindow : public CWindow, public CCommandTarget {
public:
    // The frame's window class is registered under the program's own name.
    explicit CFrameWindow(std::string className);
    ~CFrameWindow() override;

    // Creates the (hidden) frame from the resources with this id: menu,
    // accelerators and icon. The view is made during creation.
    bool LoadFrame(UINT resourceId, DWORD style, CSingleDocTemplate* docTemplate);

    CView* GetActiveView() const { return m_pView.get(); }
    CDocument* GetActiveDocument() const;
    CToolBar* GetToolBar() const { return m_pToolBar; }
    CStatusBar* GetStatusBar() const { return m_pStatusBar; }

    // Shows the frame; -1 asks for the default (after a document was opened).
    virtual void ActivateFrame(int showCommand);
    // True once the frame was first shown.
    bool HasBeenActivated() const { return m_bActivated; }
    // Sets the caption from the document's title and the application's.
    void UpdateFrameTitle();
    // Runs the enabling rules of the toolbar buttons, status panes and the
    // items of the menu bar.
    void UpdateControlBars();
    // Runs the enabling rules of a menu's items (and of its submenus).
    void UpdateMenu(HMENU menu, bool submenus);
    // Lays out the status bar at the bottom, the toolbar along its side and
    // the view in the rest.
    void RecalcLayout();
    // The dpi the frame is drawn at: its display's, taken at creation and
    // from every WM_DPICHANGED.
    int Dpi() const { return m_nDpi; }

    // The text of the message pane (pane 0 of the status bar).
    void SetMessageText(const std::string& text);
    void SetIdleMessage();

    // Accelerators; true when the message became a command.
    bool PreTranslateMessage(MSG& msg);
    // Runs a command through the view, the document, the application and the frame.
    bool RouteCommand(UINT id);
    // Runs the enabling rule of a command; a command nobody handles is disabled
    // (unless it is a status pane).
    void RouteUpdate(CCommandUI& ui, bool disableWithoutHandler = true);

    bool OnCommand(unsigned id) override;
    bool HasCommand(unsigned id) const override;
    bool OnUpdateCommand(CCommandUI& ui) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Message handlers; derived frames extend them.
    virtual int OnCreate(CREATESTRUCTA* create);
    virtual void OnClose();
    virtual void OnDestroy();
    virtual void OnSize(UINT type, int width, int height);
    virtual void OnInitMenuPopup(HMENU menu, UINT index, bool systemMenu);
    virtual void OnMenuSelect(UINT item, UINT flags, HMENU menu);
    virtual LRESULT OnNotify(NMHDR* header, bool& handled);
    virtual void OnDropFiles(HDROP drop);
    // WM_DPICHANGED: the frame was moved to a display of another scale. The
    // bars and the view take fonts, images and lengths for the new dpi, then
    // the frame takes the rectangle the system suggests and lays itself out.
    virtual void OnDpiChanged(int oldDpi, int newDpi, const RECT& suggested);

    // The frame lays out around the toolbar on the side it is docked on.
    void SetToolBar(CToolBar* toolBar);
    void SetStatusBar(CStatusBar* statusBar) { m_pStatusBar = statusBar; }
    CSingleDocTemplate* GetDocTemplate() const { return m_pTemplate; }
    UINT GetResourceId() const { return m_nResourceId; }
    // For activation hooks that show the frame their own way.
    void SetActivated() { m_bActivated = true; }

private:
    void OnViewToolBar();
    void OnUpdateViewToolBar(CCommandUI& ui);
    void OnViewStatusBar();
    void OnUpdateViewStatusBar(CCommandUI& ui);
    static const CommandEntry<CFrameWindow> kCommands[];

    std::string m_strClassName;
    CSingleDocTemplate* m_pTemplate = nullptr;
    UINT m_nResourceId = 0;
    HACCEL m_hAccel = nullptr;
    std::unique_ptr<CView> m_pView;
    bool m_bActivated = false;
    int m_nDpi = kDefaultDpi;
    CToolBar* m_pToolBar = nullptr;
    CStatusBar* m_pStatusBar = nullptr;
    std::string m_strTooltip;  // text handed to a tooltip
    std::wstring m_strTooltipWide;
};
