#include "framework/win/FrameWindow.h"

#include <shellapi.h>

#include "base/win/WideText.h"
#include "framework/DockLayout.h"
#include "framework/Document.h"
#include "framework/StandardIds.h"
#include "framework/win/Application.h"
#include "framework/win/CommandUIWin.h"
#include "framework/win/ResourceText.h"
#include "framework/win/SingleDocTemplate.h"
#include "framework/win/StatusBar.h"
#include "framework/win/SystemServicesWin.h"
#include "framework/win/ToolBar.h"
#include "framework/win/View.h"
#include "framework/win/WindowDpi.h"

// Sent to a top-level window that the system moved to a display of another
// scale (the constant is missing from older headers).
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

const CommandEntry<CFrameWindow> CFrameWindow::kCommands[] = {
    {ID_VIEW_TOOLBAR, &CFrameWindow::OnViewToolBar, &CFrameWindow::OnUpdateViewToolBar},
    {ID_VIEW_STATUS_BAR, &CFrameWindow::OnViewStatusBar, &CFrameWindow::OnUpdateViewStatusBar},
};

CFrameWindow::CFrameWindow(std::string className) : m_strClassName(std::move(className)) {}

CFrameWindow::~CFrameWindow() {
    if (IsWindow())
        DestroyWindow(GetHwnd());
}

bool CFrameWindow::LoadFrame(UINT resourceId, DWORD style, CSingleDocTemplate* docTemplate) {
    m_pTemplate = docTemplate;
    m_nResourceId = resourceId;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(resourceId));
    // The caption and the taskbar button take the icon's own image of the
    // system's small-icon size (16 by 16 at 100 %).
    const int smallSize = GetSystemMetrics(SM_CXSMICON);
    HICON smallIcon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(resourceId),
                                                    IMAGE_ICON, smallSize, smallSize, LR_SHARED));
    if (!RegisterClass(m_strClassName.c_str(), CS_DBLCLKS, icon,
                       LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)),
                       reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), smallIcon))
        return false;
    m_hAccel = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(resourceId));
    HMENU menu = LoadMenuA(instance, MAKEINTRESOURCEA(resourceId));
    CApplication* app = CApplication::Get();
    std::string title = app ? app->AppTitle() : std::string();
    if (!Create(0, m_strClassName.c_str(), title.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menu)) {
        if (menu)
            DestroyMenu(menu);
        return false;
    }
    UpdateFrameTitle();
    return true;
}

CDocument* CFrameWindow::GetActiveDocument() const {
    return m_pTemplate ? m_pTemplate->Document() : nullptr;
}

void CFrameWindow::ActivateFrame(int showCommand) {
    m_bActivated = true;
    if (showCommand == -1) {
        if (!IsWindowVisible(GetHwnd()))
            showCommand = SW_SHOWNORMAL;
        else if (IsIconic(GetHwnd()))
            showCommand = SW_RESTORE;
    }
    if (showCommand != -1)
        ShowWindow(GetHwnd(), showCommand);
    BringWindowToTop(GetLastActivePopup(GetHwnd()));
}

void CFrameWindow::UpdateFrameTitle() {
    CApplication* app = CApplication::Get();
    std::string title = app ? app->AppTitle() : std::string();
    CDocument* document = GetActiveDocument();
    if (document && !document->GetTitle().empty())
        title = document->GetTitle() + " - " + title;
    char current[512] = {};
    GetWindowTextA(GetHwnd(), current, sizeof current);
    if (title != current)
        SetWindowTextA(GetHwnd(), title.c_str());
}

void CFrameWindow::UpdateControlBars() {
    if (m_pToolBar && m_pToolBar->IsWindow() && IsWindowVisible(m_pToolBar->GetHwnd())) {
        for (UINT id : m_pToolBar->Commands()) {
            CToolButtonUI ui(*m_pToolBar, id);
            RouteUpdate(ui);
        }
    }
    if (m_pStatusBar && m_pStatusBar->IsWindow()) {
        for (int i = 0; i < m_pStatusBar->PaneCount(); ++i) {
            UINT id, style;
            int width;
            m_pStatusBar->GetPaneInfo(i, id, style, width);
            if (id == 0)
                continue;
            CStatusPaneUI ui(*m_pStatusBar, i, id);
            RouteUpdate(ui, false);
        }
    }
    // Keep the menu bar's states current, so that a key of a disabled
    // command finds its item greyed.
    if (HMENU menu = GetMenu(GetHwnd()))
        UpdateMenu(menu, true);
}

void CFrameWindow::UpdateMenu(HMENU menu, bool submenus) {
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        if (HMENU sub = GetSubMenu(menu, i)) {
            if (submenus)
                UpdateMenu(sub, true);
            continue;
        }
        UINT id = GetMenuItemID(menu, i);
        if (id == 0 || id == static_cast<UINT>(-1))
            continue;
        CMenuItemUI ui(menu, static_cast<UINT>(i), id);
        RouteUpdate(ui);
    }
}

void CFrameWindow::RecalcLayout() {
    RECT client;
    GetClientRect(GetHwnd(), &client);
    int statusHeight = 0;
    if (m_pStatusBar && m_pStatusBar->IsWindow() && IsWindowVisible(m_pStatusBar->GetHwnd())) {
        m_pStatusBar->Resize();
        statusHeight = m_pStatusBar->Height();
    }
    bool toolBarShown =
        m_pToolBar && m_pToolBar->IsWindow() && IsWindowVisible(m_pToolBar->GetHwnd());
    DockLayout layout = LayOutDockedBar({client.left, client.top, client.right, client.bottom},
                                        toolBarShown ? m_pToolBar->GetDockSide() : DockSide::Top,
                                        toolBarShown ? m_pToolBar->Thickness() : 0, statusHeight);
    if (toolBarShown)
        MoveWindow(m_pToolBar->GetHwnd(), layout.bar.left, layout.bar.top,
                   layout.bar.right - layout.bar.left, layout.bar.bottom - layout.bar.top, TRUE);
    if (m_pView && m_pView->IsWindow())
        MoveWindow(m_pView->GetHwnd(), layout.view.left, layout.view.top,
                   layout.view.right - layout.view.left, layout.view.bottom - layout.view.top,
                   TRUE);
}

void CFrameWindow::SetToolBar(CToolBar* toolBar) {
    m_pToolBar = toolBar;
    if (m_pToolBar)
        m_pToolBar->SetOnDocked([this] {
            RecalcLayout();
            RedrawWindow(GetHwnd(), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
        });
}

void CFrameWindow::SetMessageText(const std::string& text) {
    if (m_pStatusBar && m_pStatusBar->IsWindow()) {
        int index = m_pStatusBar->CommandToIndex(0);
        m_pStatusBar->SetPaneText(index < 0 ? 0 : index, text);
    }
}

void CFrameWindow::SetIdleMessage() {
    SetMessageText(LoadResourceString(IDS_IDLE_MESSAGE));
}

bool CFrameWindow::PreTranslateMessage(MSG& msg) {
    if (!m_hAccel || msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST)
        return false;
    if (msg.hwnd != GetHwnd() && !IsChild(GetHwnd(), msg.hwnd))
        return false;
    return TranslateAcceleratorA(GetHwnd(), m_hAccel, &msg) != 0;
}

bool CFrameWindow::RouteCommand(UINT id) {
    CCommandTarget* document = dynamic_cast<CCommandTarget*>(GetActiveDocument());
    CCommandTarget* targets[] = {m_pView.get(), document, CApplication::Get(), this};
    for (CCommandTarget* target : targets)
        if (target && target->OnCommand(id))
            return true;
    return false;
}

void CFrameWindow::RouteUpdate(CCommandUI& ui, bool disableWithoutHandler) {
    CCommandTarget* document = dynamic_cast<CCommandTarget*>(GetActiveDocument());
    CCommandTarget* targets[] = {m_pView.get(), document, CApplication::Get(), this};
    for (CCommandTarget* target : targets)
        if (target && target->OnUpdateCommand(ui))
            return;
    for (CCommandTarget* target : targets) {
        if (target && target->HasCommand(ui.Id())) {
            ui.Enable(true);
            return;
        }
    }
    if (disableWithoutHandler)
        ui.Enable(false);
}

bool CFrameWindow::OnCommand(unsigned id) {
    return RunCommand(this, kCommands, id);
}

bool CFrameWindow::HasCommand(unsigned id) const {
    return TableHasCommand(kCommands, id);
}

bool CFrameWindow::OnUpdateCommand(CCommandUI& ui) {
    return UpdateCommand(this, kCommands, ui);
}

LRESULT CFrameWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate(reinterpret_cast<CREATESTRUCTA*>(lParam));
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_SIZE:
        OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_COMMAND: {
        HWND control = reinterpret_cast<HWND>(lParam);
        bool fromToolBar = m_pToolBar && control == m_pToolBar->GetHwnd();
        if (control && !fromToolBar)
            break;
        // A disabled command does not run, whether from a menu, key or button.
        UINT id = LOWORD(wParam);
        CCommandUI probe(id);
        RouteUpdate(probe);
        if (probe.IsEnabled())
            RouteCommand(id);
        return 0;
    }
    case WM_NOTIFY: {
        bool handled = false;
        LRESULT result = OnNotify(reinterpret_cast<NMHDR*>(lParam), handled);
        if (handled)
            return result;
        break;
    }
    case WM_INITMENUPOPUP:
        OnInitMenuPopup(reinterpret_cast<HMENU>(wParam), LOWORD(lParam), HIWORD(lParam) != 0);
        return 0;
    case WM_MENUSELECT:
        OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
        return 0;
    case WM_SETCURSOR:
        if (wait_cursor::IsShown()) {
            SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
            return TRUE;
        }
        break;
    case WM_SETFOCUS:
        if (m_pView && m_pView->IsWindow())
            SetFocus(m_pView->GetHwnd());
        return 0;
    case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_DPICHANGED:
        if (const RECT* suggested = reinterpret_cast<const RECT*>(lParam))
            OnDpiChanged(m_nDpi, LOWORD(wParam), *suggested);
        return 0;
    default:
        break;
    }
    return DefaultProc(message, wParam, lParam);
}

int CFrameWindow::OnCreate(CREATESTRUCTA* create) {
    m_nDpi = WindowDpi(GetHwnd());
    if (!m_pTemplate)
        return -1;
    m_pView = m_pTemplate->CreateView();
    if (!m_pView)
        return -1;
    m_pView->SetDocument(m_pTemplate->Document());
    m_pView->PreCreateWindow();
    if (!m_pView->CreateView(GetHwnd(), kViewWindowId))
        return -1;
    return 0;
}

void CFrameWindow::OnClose() {
    CDocument* document = GetActiveDocument();
    if (document && !document->SaveModified())
        return;
    DestroyWindow(GetHwnd());
}

void CFrameWindow::OnDestroy() {
    CApplication* app = CApplication::Get();
    if (app && app->MainFrame() == this)
        PostQuitMessage(0);
}

void CFrameWindow::OnSize(UINT type, int width, int height) {
    if (type != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWindow::OnInitMenuPopup(HMENU menu, UINT index, bool systemMenu) {
    if (systemMenu)
        return;
    if (CApplication* app = CApplication::Get())
        app->UpdateRecentFileMenu(menu);
    UpdateMenu(menu, false);
}

void CFrameWindow::OnMenuSelect(UINT item, UINT flags, HMENU menu) {
    if (flags == 0xFFFF && !menu) {
        SetIdleMessage();
        return;
    }
    if (flags & (MF_POPUP | MF_SEPARATOR | MF_SYSMENU))
        SetMessageText(std::string());
    else
        SetMessageText(CommandPrompt(item));
}

LRESULT CFrameWindow::OnNotify(NMHDR* header, bool& handled) {
    if (m_pView && m_pView->IsWindow() && header->hwndFrom == m_pView->GetHwnd()) {
        LRESULT result = 0;
        if (m_pView->OnReflectedNotify(header, &result)) {
            handled = true;
            return result;
        }
        return 0;
    }
    switch (header->code) {
    case TTN_GETDISPINFOA: {
        auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
        if (info->uFlags & TTF_IDISHWND)
            return 0;
        m_strTooltip = CommandTooltip(static_cast<UINT>(header->idFrom));
        info->lpszText = &m_strTooltip[0];
        info->hinst = nullptr;
        handled = true;
        return 0;
    }
    case TTN_GETDISPINFOW: {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
        if (info->uFlags & TTF_IDISHWND)
            return 0;
        std::string text = CommandTooltip(static_cast<UINT>(header->idFrom));
        m_strTooltipWide = Widen(text);
        info->lpszText = &m_strTooltipWide[0];
        info->hinst = nullptr;
        handled = true;
        return 0;
    }
    case TBN_HOTITEMCHANGE: {
        if (!m_pToolBar || header->hwndFrom != m_pToolBar->GetHwnd())
            return 0;
        auto* hot = reinterpret_cast<NMTBHOTITEM*>(header);
        if (hot->dwFlags & HICF_LEAVING)
            SetIdleMessage();
        else
            SetMessageText(CommandPrompt(static_cast<UINT>(hot->idNew)));
        handled = true;
        return 0;
    }
    default:
        return 0;
    }
}

void CFrameWindow::OnDropFiles(HDROP drop) {
    SetForegroundWindow(GetHwnd());
    UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    CApplication* app = CApplication::Get();
    for (UINT i = 0; i < count && app; ++i) {
        UINT length = DragQueryFileA(drop, i, nullptr, 0);
        std::string path(length + 1, '\0');
        DragQueryFileA(drop, i, &path[0], length + 1);
        path.resize(length);
        if (!path.empty())
            app->OpenDocumentFile(path);
    }
    DragFinish(drop);
}

void CFrameWindow::OnDpiChanged(int oldDpi, int newDpi, const RECT& suggested) {
    if (newDpi <= 0)
        return;
    m_nDpi = newDpi;
    if (m_pStatusBar && m_pStatusBar->IsWindow())
        m_pStatusBar->SetDpi(newDpi);
    if (m_pToolBar && m_pToolBar->IsWindow())
        m_pToolBar->SetDpi(newDpi);
    if (m_pView && m_pView->IsWindow())
        m_pView->OnDpiChanged(oldDpi, newDpi);
    SetWindowPos(GetHwnd(), nullptr, suggested.left, suggested.top,
                 suggested.right - suggested.left, suggested.bottom - suggested.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    RecalcLayout();
}

void CFrameWindow::OnViewToolBar() {
    if (!m_pToolBar || !m_pToolBar->IsWindow())
        return;
    ShowWindow(m_pToolBar->GetHwnd(), IsWindowVisible(m_pToolBar->GetHwnd()) ? SW_HIDE : SW_SHOW);
    RecalcLayout();
}

void CFrameWindow::OnUpdateViewToolBar(CCommandUI& ui) {
    ui.Enable(m_pToolBar != nullptr);
    ui.SetCheck(m_pToolBar && m_pToolBar->IsWindow() && IsWindowVisible(m_pToolBar->GetHwnd()));
}

void CFrameWindow::OnViewStatusBar() {
    if (!m_pStatusBar || !m_pStatusBar->IsWindow())
        return;
    ShowWindow(m_pStatusBar->GetHwnd(),
               IsWindowVisible(m_pStatusBar->GetHwnd()) ? SW_HIDE : SW_SHOW);
    RecalcLayout();
}

void CFrameWindow::OnUpdateViewStatusBar(CCommandUI& ui) {
    ui.Enable(m_pStatusBar != nullptr);
    ui.SetCheck(m_pStatusBar && m_pStatusBar->IsWindow() &&
                IsWindowVisible(m_pStatusBar->GetHwnd()));
}
