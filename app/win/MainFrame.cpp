#include "app/win/MainFrame.h"

#include "app/InstanceChecker.h"
#include "app/WindowPlacement.h"
#include "framework/DpiScale.h"
#include "framework/Profile.h"
#include "framework/win/Application.h"
#include "framework/win/WindowDpi.h"
#include "framework/win/WindowSnapWin.h"
#include "list/VarnelloDoc.h"
#include "res/resource.h"
#include "view/ProgramSettings.h"
#include "view/win/VarnelloView.h"

namespace {
// The main window's class; other programs and tests find the window by it.
const char kFrameClass[] = "VarnelloFrame";
const COLORREF kToolbarMask = RGB(192, 192, 192);
const UINT kIndicators[] = {0, ID_INDICATOR_COUNT};
// The smallest size the window can be dragged to, at 96 dpi.
constexpr int kMinWidth = 300;
constexpr int kMinHeight = 204;
// The toolbar's strips, normal and hot, drawn for each of kImageScales.
constexpr UINT kToolbarBitmaps[kImageScaleCount] = {IDB_TOOLBAR, IDB_TOOLBAR_150, IDB_TOOLBAR_200};
constexpr UINT kToolbarHotBitmaps[kImageScaleCount] = {IDB_TOOLBAR_HOT, IDB_TOOLBAR_HOT_150,
                                                       IDB_TOOLBAR_HOT_200};
constexpr int kButtonImageSize = 16;  // at 100 %
// Posted to itself to open the lists that later starts handed over, once
// the sender has its answer.
constexpr UINT kOpenHandedOverMessage = WM_APP + 1;
// Posted to itself for a random change that "/random" asked for.
constexpr UINT kRandomChangeMessage = WM_APP + 2;
// What the system shows while the user keeps the session from ending.
const char kUnsavedListReason[] = "The wallpaper list has unsaved changes.";

// An image list of the toolbar's buttons from the bitmap strip drawn for
// the scale nearest to the dpi: 16 by 16 pixels at 100 %.
HIMAGELIST LoadButtonImages(const UINT (&bitmapIds)[kImageScaleCount], int dpi) {
    int scale = NearestImageScale(dpi);
    int size = ScaleLength(kButtonImageSize, kImageScales[scale], 100);
    return ImageListFromBitmaps(&bitmapIds[scale], 1, size, kToolbarMask, 8, 4);
}

IProfile* AppProfile() {
    CApplication* app = CApplication::Get();
    return app ? &app->Profile() : nullptr;
}

WindowPlacementValues FromWindows(const WINDOWPLACEMENT& wp) {
    WindowPlacementValues p;
    p.flags = wp.flags;
    p.showCmd = wp.showCmd;
    p.minX = wp.ptMinPosition.x;
    p.minY = wp.ptMinPosition.y;
    p.maxX = wp.ptMaxPosition.x;
    p.maxY = wp.ptMaxPosition.y;
    p.left = wp.rcNormalPosition.left;
    p.top = wp.rcNormalPosition.top;
    p.right = wp.rcNormalPosition.right;
    p.bottom = wp.rcNormalPosition.bottom;
    return p;
}

WINDOWPLACEMENT ToWindows(const WindowPlacementValues& p) {
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof wp;
    wp.flags = p.flags;
    wp.showCmd = p.showCmd;
    wp.ptMinPosition = {p.minX, p.minY};
    wp.ptMaxPosition = {p.maxX, p.maxY};
    wp.rcNormalPosition = {p.left, p.top, p.right, p.bottom};
    return wp;
}
}  // namespace

CMainFrame::CMainFrame() : CFrameWindow(kFrameClass) {}

CMainFrame::~CMainFrame() {
    if (IsWindow())
        DestroyWindow(GetHwnd());
    if (m_imlToolbar)
        ImageList_Destroy(m_imlToolbar);
    if (m_imlToolbarHot)
        ImageList_Destroy(m_imlToolbarHot);
    if (m_hTrayIcon)
        DestroyIcon(m_hTrayIcon);
}

CVarnelloView* CMainFrame::GetListView() const {
    return static_cast<CVarnelloView*>(GetActiveView());
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        if (wParam == SIZE_MINIMIZED)
            OnMinimized();
        break;
    case WM_ENTERSIZEMOVE:
        OnEnterSizeMove();
        break;
    case WM_MOVING:
        OnMoving(reinterpret_cast<RECT*>(lParam));
        break;
    case WM_GETMINMAXINFO: {
        LRESULT result = CFrameWindow::WindowProc(message, wParam, lParam);
        OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
        return result;
    }
    case WM_WINDOWPOSCHANGED: {
        LRESULT result = CFrameWindow::WindowProc(message, wParam, lParam);
        if (m_bInTray)
            UpdateFrameTitle();
        return result;
    }
    case WM_TRAY_NOTIFY:
        return OnTrayNotify(wParam, lParam);
    case WM_RESTORE_REQUEST:
        OnRestoreRequest();
        return 0;
    case WM_COPYDATA:
        return OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_QUERYENDSESSION:
        return OnQueryEndSession() ? TRUE : FALSE;
    case WM_ENDSESSION:
        OnEndSession(wParam != FALSE);
        return 0;
    case kOpenHandedOverMessage:
        OpenHandedOverLists();
        return 0;
    case kRandomChangeMessage:
        OnRandomChangeRequest();
        return 0;
    case WM_ENABLE:
        // A box or dialog closed: lists that waited for it open now.
        if (wParam && !m_handedOver.empty())
            PostMessageA(GetHwnd(), kOpenHandedOverMessage, 0, 0);
        break;
    default:
        break;
    }
    return CFrameWindow::WindowProc(message, wParam, lParam);
}

int CMainFrame::OnCreate(CREATESTRUCTA* create) {
    // 1. The frame itself, with the list window.
    if (CFrameWindow::OnCreate(create) == -1)
        return -1;

    GetListView()->SetFrame(this);

    // 2. The toolbar, flat, with tooltips and a gripper, docked at the top
    // to begin with; the frame places it.
    if (!m_wndToolBar.Create(GetHwnd(),
                             WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP |
                                 CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN,
                             IDW_TOOLBAR, IDR_MAINFRAME))
        return -1;

    // 3. Its normal and hot images.
    if (!LoadToolbarImages(Dpi()))
        return -1;

    // 4. The status bar: the message pane and the row count.
    if (!m_wndStatusBar.Create(GetHwnd(), WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(kIndicators, 2))
        return -1;
    m_wndStatusBar.SetPaneInfo(0, 0, kPaneNoBorders | kPaneStretch, 0);

    // 5. The icon in the notification area, its mouse messages to this
    // window; at the small-icon size of the taskbar's display.
    HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
    int traySize = SystemMetricForDpi(SM_CXSMICON, taskbar ? WindowDpi(taskbar) : SystemDpi());
    m_hTrayIcon = static_cast<HICON>(LoadImageA(
        GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_TRAY), IMAGE_ICON, traySize, traySize, 0));
    CApplication* app = CApplication::Get();
    std::string tooltip = app ? app->AppTitle() : std::string("Varnello");
    // A shell that is not ready to take the icon yet (a start at log-on,
    // before the taskbar exists) does not stop the program: the icon is
    // added when the taskbar announces itself. Only a system without a
    // notification area fails the creation.
    if (!m_TrayIcon.CreateTrayIcon(GetHwnd(), WM_TRAY_NOTIFY, tooltip.c_str(), m_hTrayIcon,
                                   IDR_TRAY_MENU) &&
        !m_TrayIcon.IsReaddPending())
        return -1;

    // 6. The toolbar docks on any side; it starts at the top.
    SetToolBar(&m_wndToolBar);
    m_wndToolBar.DockOn(DockSide::Top);
    SetStatusBar(&m_wndStatusBar);
    SetIdleMessage();
    RecalcLayout();
    return 0;
}

// The toolbar's image lists for the dpi, in place of the ones it had;
// false when they cannot be made.
bool CMainFrame::LoadToolbarImages(int dpi) {
    HIMAGELIST normal = LoadButtonImages(kToolbarBitmaps, dpi);
    HIMAGELIST hot = LoadButtonImages(kToolbarHotBitmaps, dpi);
    if (!normal || !hot) {
        if (normal)
            ImageList_Destroy(normal);
        if (hot)
            ImageList_Destroy(hot);
        return false;
    }
    m_wndToolBar.SetImageList(normal);
    m_wndToolBar.SetHotImageList(hot);
    if (m_imlToolbar)
        ImageList_Destroy(m_imlToolbar);
    if (m_imlToolbarHot)
        ImageList_Destroy(m_imlToolbarHot);
    m_imlToolbar = normal;
    m_imlToolbarHot = hot;
    return true;
}

// The window moved to a display of another scale: the bars and the list
// take fonts and lengths for it, the toolbar the images drawn for it.
void CMainFrame::OnDpiChanged(int oldDpi, int newDpi, const RECT& suggested) {
    if (newDpi > 0)
        LoadToolbarImages(newDpi);
    CFrameWindow::OnDpiChanged(oldDpi, newDpi, suggested);
}

void CMainFrame::OnDestroy() {
    m_TrayIcon.DeleteTrayIcon();
    CFrameWindow::OnDestroy();
}

void CMainFrame::SetTopmost(bool topmost, bool show) {
    SetWindowPos(GetHwnd(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | (show ? SWP_SHOWWINDOW : 0));
}

// The activation hook: the first time (with the start's show command) the
// stored placement, or the default one on a first run; after an open (-1)
// only a hidden or minimised window is shown again. A parked window stays
// in the notification area.
void CMainFrame::ActivateFrame(int n) {
    SetActivated();
    HWND hwnd = GetHwnd();
    if (n == show_cmd::kDefault && m_bInTray)
        return;
    n = ResolveActivationCommand(n, IsWindowVisible(hwnd) != FALSE, IsIconic(hwnd) != FALSE);
    if (ActivationBringsToTop(n))
        BringWindowToTop(GetLastActivePopup(hwnd));
    if (n == show_cmd::kDefault)
        return;
    std::optional<WindowPlacementValues> stored;
    if (IProfile* profile = AppProfile())
        stored = ParseWindowPlacement(
            profile->GetString(CProgramSettings::kSection, CProgramSettings::kWindowPos, ""));
    WINDOWPLACEMENT wp = ToWindows(PlacementToRestore(stored, n, Dpi()));
    SetWindowPlacement(hwnd, &wp);
    if (ActivationBringsToTop(n))
        BringWindowToTop(GetLastActivePopup(hwnd));
}

void CMainFrame::SaveWindowPlacement() {
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof wp;
    IProfile* profile = AppProfile();
    if (!profile || !GetWindowPlacement(GetHwnd(), &wp))
        return;
    WindowPlacementValues p = PlacementToStore(FromWindows(wp), IsIconic(GetHwnd()) != FALSE);
    profile->WriteString(CProgramSettings::kSection, CProgramSettings::kWindowPos,
                         FormatWindowPlacement(p));
}

// The close request: the placement is saved, then the list (without a
// question when "Auto Save" is on) and remembered as the last list. A
// refused close leaves everything running as before.
void CMainFrame::OnClose() {
    SaveWindowPlacement();
    if (CheckListBeforeClosing())
        FinishClose();
}

// The list's check before closing: saved without a question when "Auto
// Save" is on, else the user is asked. False when the user cancelled or
// the save failed.
bool CMainFrame::CheckListBeforeClosing() {
    CDocument* document = GetActiveDocument();
    if (!document)
        return true;
    g_bClosing = 1;
    if (document->SaveModified())
        return true;
    // Not closing after all: New and Open ask their question again.
    g_bClosing = 0;
    return false;
}

// The rest of a close: the list is remembered as the last list, and the
// windows go (the list window writes the options, column widths and the
// preview's position on its way).
void CMainFrame::FinishClose() {
    std::string lastDocument;
    if (CDocument* document = GetActiveDocument()) {
        document->SetModifiedFlag(false);
        lastDocument = document->GetPathName();
    }
    if (IProfile* profile = AppProfile())
        profile->WriteString(CProgramSettings::kSection, CProgramSettings::kLastDocument,
                             lastDocument);
    DestroyWindow(GetHwnd());
}

// The session is to end (log-off, shut-down): the list is checked as at a
// close. Cancel keeps the session going, with a reason the system shows.
// Nothing else is written yet: the session may go on after all.
bool CMainFrame::OnQueryEndSession() {
    m_shutdownReason.Clear();
    bool mayEnd = CheckListBeforeClosing();
    g_bClosing = 0;
    if (!mayEnd)
        m_shutdownReason.Set(GetHwnd(), kUnsavedListReason);
    return mayEnd;
}

// The session ends (or goes on, when ending is false). The system may end
// the process as soon as this returns, so everything a close writes is
// written here: the placement, the list when "Auto Save" is on and it
// changed since the question (a timer tick), the last list, the options
// and column widths, the preview's position and the recent files.
void CMainFrame::OnEndSession(bool ending) {
    m_shutdownReason.Clear();
    if (!ending)
        return;
    SaveWindowPlacement();
    CVarnelloView* view = GetListView();
    CVarnelloDoc* document = view ? view->GetDocument() : nullptr;
    if (document && document->IsModified() && document->GetAutoSave() &&
        !document->GetPathName().empty())
        document->DoSave(document->GetPathName());
    FinishClose();
    if (CApplication* app = CApplication::Get())
        app->SaveRecentFileList();
}

// Every minimise parks the window in the notification area.
void CMainFrame::OnMinimized() {
    m_TrayIcon.HideToTray(GetHwnd(), false);
    m_bInTray = 1;
    if (CVarnelloView* view = GetListView())
        view->ShowPreviewWindow(SW_HIDE);
}

void CMainFrame::RestoreFromTray() {
    m_TrayIcon.ShowFromTray(GetHwnd(), true);
    m_bInTray = 0;
    // The window was parked by minimising it: it comes back as it was before.
    if (IsIconic(GetHwnd()))
        ShowWindow(GetHwnd(), SW_RESTORE);
    if (CVarnelloView* view = GetListView())
        view->ShowPreviewWindow(SW_SHOW);
}

// The icon's mouse messages: a left click brings the window back (with
// Shift it changes the wallpaper instead); the rest go to the icon.
LRESULT CMainFrame::OnTrayNotify(WPARAM wParam, LPARAM lParam) {
    if (lParam != WM_LBUTTONDOWN && lParam != WM_LBUTTONDBLCLK)
        return m_TrayIcon.HandleTrayNotification(wParam, lParam);
    if (GetAsyncKeyState(VK_SHIFT) & 0x8000) {
        if (CVarnelloView* view = GetListView())
            view->ApplyRandomWallpaper();
    } else if (m_bInTray) {
        RestoreFromTray();
    } else {
        SetActiveWindow(GetHwnd());
        SetForegroundWindow(GetHwnd());
    }
    return 1;
}

// A later start of the program asks the parked window to come back.
void CMainFrame::OnRestoreRequest() {
    if (m_bInTray)
        RestoreFromTray();
}

// A later start hands over the list named on its command line, or asks for
// a random change ("/random"). Either runs once the sender has its answer:
// the list through the same path as File > Open.
LRESULT CMainFrame::OnCopyData(const COPYDATASTRUCT* data) {
    if (!data)
        return FALSE;
    if (data->dwData == kRandomChangeRequest) {
        RequestRandomChange();
        return TRUE;
    }
    std::optional<std::string> path =
        FileNameFromCopyData(data->dwData, data->lpData, data->cbData);
    if (!path)
        return FALSE;
    if (!path->empty()) {
        m_handedOver.push_back(*path);
        PostMessageA(GetHwnd(), kOpenHandedOverMessage, 0, 0);
    }
    return TRUE;
}

void CMainFrame::OpenHandedOverLists() {
    CApplication* app = CApplication::Get();
    // While a box or dialog of ours is open, the lists wait for it to close.
    while (app && !m_handedOver.empty() && IsWindowEnabled(GetHwnd())) {
        std::string path = m_handedOver.front();
        m_handedOver.pop_front();
        app->OpenDocumentFile(path);
    }
}

void CMainFrame::RequestRandomChange() {
    PostMessageA(GetHwnd(), kRandomChangeMessage, 0, 0);
}

// "/random", from this start or a later one: the same random change as
// Apply Random, from the open list.
void CMainFrame::OnRandomChangeRequest() {
    if (CVarnelloView* view = GetListView())
        view->ApplyRandomWallpaper();
}

void CMainFrame::OnEnterSizeMove() {
    if (m_bSnapWindow)
        TakeDragOffset(GetHwnd(), m_ptDragOffset);
}

// While dragged, the window snaps to the work area's edges.
void CMainFrame::OnMoving(RECT* rect) {
    if (m_bSnapWindow)
        SnapWhileMoving(rect, m_ptDragOffset, m_nSnapLimit);
}

void CMainFrame::OnGetMinMaxInfo(MINMAXINFO* info) {
    if (info)
        info->ptMinTrackSize = {ScaleForDpi(kMinWidth, Dpi()), ScaleForDpi(kMinHeight, Dpi())};
}

// A menu's prompts get the whole status bar while it is open.
void CMainFrame::OnMenuSelect(UINT item, UINT flags, HMENU menu) {
    CFrameWindow::OnMenuSelect(item, flags, menu);
    if (flags == 0xFFFF && !menu && m_nSavedPaneWidth != -1) {
        m_bMenuActive = 0;
        m_wndStatusBar.SetPaneInfo(0, m_nSavedPaneId, m_nSavedPaneStyle, m_nSavedPaneWidth);
        m_nSavedPaneWidth = -1;
    } else {
        m_bMenuActive = 1;
    }
}

void CMainFrame::OnInitMenuPopup(HMENU menu, UINT index, bool systemMenu) {
    CFrameWindow::OnInitMenuPopup(menu, index, systemMenu);
    if (m_nSavedPaneWidth != -1 || !m_bMenuActive || !m_wndStatusBar.IsWindow())
        return;
    m_wndStatusBar.GetPaneInfo(0, m_nSavedPaneId, m_nSavedPaneStyle, m_nSavedPaneWidth);
    RECT bar = {};
    GetWindowRect(m_wndStatusBar.GetHwnd(), &bar);
    m_wndStatusBar.SetPaneInfo(0, m_nSavedPaneId, kPaneNoBorders | kPaneStretch,
                               bar.right - bar.left);
}
