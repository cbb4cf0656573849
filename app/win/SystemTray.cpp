#include "app/win/SystemTray.h"

#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "framework/win/Application.h"
#include "framework/win/FrameWindow.h"

UINT g_uTaskbarCreatedMessage = RegisterWindowMessageA("TaskbarCreated");
CParkingWindow g_wndParking;

namespace {

constexpr char kTrayClass[] = "VarnelloTrayWnd";
constexpr char kParkingClass[] = "VarnelloParkingWnd";
constexpr std::size_t kTooltipSize = 128;  // with its zero byte

// Destroys the parking window when the process ends.
struct CParkingCleanup {
    ~CParkingCleanup() { g_wndParking.Destroy(); }
} g_parkingCleanup;

// Registers a plain window class for the hidden windows.
bool RegisterHiddenClass(const char* name) {
    return CWindow::RegisterClass(name, 0, nullptr, nullptr, nullptr);
}

// Whether the system animates minimising and restoring windows.
bool MinimizeAnimationOn() {
    ANIMATIONINFO info = {};
    info.cbSize = sizeof info;
    if (!SystemParametersInfoA(SPI_GETANIMATION, sizeof info, &info, 0))
        return false;
    return info.iMinAnimate != 0;
}

// The system's version tests of the notification area (the version
// functions are deprecated in newer SDKs but answer as before).
#if defined(_MSC_VER)
#pragma warning(push)
#pragma warning(disable : 4996)
#endif
// An NT system of version 5 or later: a failed add is tried again.
bool IsShell5() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version))
        return false;
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion > 4;
}

// A system of major version 4 or later has a notification area.
bool HasNotificationArea() {
    return LOBYTE(LOWORD(GetVersion())) >= 4;
}
#if defined(_MSC_VER)
#pragma warning(pop)
#endif

AreaRect ToArea(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

// The notification area as the taskbar, its child windows, the shell and
// the work area tell it.
class CNotifyAreaSourceWin : public INotifyAreaSource {
public:
    bool TaskbarWindow(AreaRect& rect) override {
        m_taskbar = FindWindowA("Shell_TrayWnd", nullptr);
        if (!m_taskbar)
            return false;
        RECT r = {};
        GetWindowRect(m_taskbar, &r);
        rect = ToArea(r);
        return true;
    }
    void ForEachTaskbarChild(
        const std::function<bool(const std::string&, const AreaRect&)>& visit) override {
        if (!m_taskbar)
            return;
        Visit context{visit, nullptr};
        EnumChildWindows(m_taskbar, VisitChild, reinterpret_cast<LPARAM>(&context));
        if (context.failure)
            std::rethrow_exception(context.failure);
    }
    bool TaskbarPosition(unsigned& edge, AreaRect& rect) override {
        APPBARDATA data = {};
        data.cbSize = sizeof data;
        if (!SHAppBarMessage(ABM_GETTASKBARPOS, &data))
            return false;
        edge = data.uEdge;
        rect = ToArea(data.rc);
        return true;
    }
    AreaRect WorkArea() override {
        RECT r = {};
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
        return ToArea(r);
    }

private:
    struct Visit {
        const std::function<bool(const std::string&, const AreaRect&)>& visit;
        std::exception_ptr failure;  // carried past the system's enumeration
    };
    static BOOL CALLBACK VisitChild(HWND child, LPARAM lParam) {
        auto& context = *reinterpret_cast<Visit*>(lParam);
        char name[256] = {};
        GetClassNameA(child, name, sizeof name);
        RECT r = {};
        GetWindowRect(child, &r);
        try {
            return context.visit(name, ToArea(r)) ? TRUE : FALSE;
        } catch (...) {
            context.failure = std::current_exception();
            return FALSE;
        }
    }
    HWND m_taskbar = nullptr;
};

// The main window of the program, which receives the tray menu's commands.
HWND ThreadMainWindow() {
    CApplication* app = CApplication::Get();
    return app ? app->MainWindow() : nullptr;
}

void SetVisibleStyle(HWND window, bool visible) {
    LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    style = visible ? (style | WS_VISIBLE) : (style & ~static_cast<LONG_PTR>(WS_VISIBLE));
    SetWindowLongPtrA(window, GWL_STYLE, style);
}

// The parking window's messages: the end of the session goes on to the
// windows parked under it; one that refuses refuses for all.
LRESULT CALLBACK ParkingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_QUERYENDSESSION && message != WM_ENDSESSION)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    std::vector<HWND> parked;
    for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        parked.push_back(child);
    LRESULT mayEnd = TRUE;
    for (HWND window : parked)
        if (IsWindow(window) && !SendMessageA(window, message, wParam, lParam))
            mayEnd = FALSE;
    return message == WM_QUERYENDSESSION ? mayEnd : 0;
}

}  // namespace

bool CParkingWindow::Create() {
    if (Exists())
        return true;
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!GetClassInfoExA(instance, kParkingClass, &wc)) {
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = ParkingProc;
        wc.hInstance = instance;
        wc.lpszClassName = kParkingClass;
        if (!RegisterClassExA(&wc))
            return false;
    }
    m_hWnd = CreateWindowExA(0, kParkingClass, "", WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    return m_hWnd != nullptr;
}

void CParkingWindow::Destroy() {
    if (Exists())
        DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
}

CSystemTray::CSystemTray() : m_bShell5(IsShell5() ? 1 : 0) {
    std::memset(&m_nid, 0, sizeof m_nid);
}

CSystemTray::~CSystemTray() {
    g_wndParking.Destroy();
    DeleteTrayIcon();
    if (IsWindow())
        DestroyWindow(GetHwnd());
}

bool CSystemTray::CreateTrayIcon(HWND owner, UINT callbackMessage, const char* tooltip, HICON icon,
                                 UINT id) {
    m_bAvailable = HasNotificationArea() ? 1 : 0;
    if (!m_bAvailable)
        return false;
    if (!IsWindow() && RegisterHiddenClass(kTrayClass))
        Create(0, kTrayClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr);

    std::memset(&m_nid, 0, sizeof m_nid);
    m_nid.cbSize = NOTIFYICONDATAA_V2_SIZE;
    m_nid.hWnd = owner;
    m_nid.uID = id;
    m_nid.hIcon = icon;
    m_nid.uCallbackMessage = callbackMessage;
    m_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    std::strncpy(m_nid.szTip, tooltip ? tooltip : "", kTooltipSize - 1);
    m_nid.szTip[kTooltipSize - 1] = '\0';

    m_bIconHidden = 0;
    m_uAddFlags = m_nid.uFlags;
    const bool added = Shell_NotifyIconA(NIM_ADD, &m_nid) != FALSE;
    m_bIconDeleted = m_bReaddPending = added ? 0 : 1;
    // On newer shells a failed add is tried again at the next chance.
    if (!m_bShell5)
        m_bIconHidden = added ? 0 : 1;
    return added;
}

bool CSystemTray::DeleteTrayIcon() {
    m_bReaddPending = 0;
    if (!m_bAvailable || m_bIconDeleted)
        return true;
    m_nid.uFlags = 0;
    if (Shell_NotifyIconA(NIM_DELETE, &m_nid)) {
        m_bIconDeleted = 1;
        m_bIconHidden = 1;
    }
    return m_bIconDeleted == 1;
}

void CSystemTray::ReaddIcon() {
    m_nid.uFlags = m_uAddFlags;
    const bool failed = Shell_NotifyIconA(NIM_ADD, &m_nid) == FALSE;
    m_bIconHidden = m_bReaddPending = failed ? 1 : 0;
    if (!failed)
        m_bIconDeleted = 0;
}

LRESULT CSystemTray::OnTaskbarCreated() {
    m_bReaddPending = 1;
    if (!m_bIconHidden)
        ReaddIcon();
    return 0;
}

void CSystemTray::OnWorkAreaChanged() {
    m_bReaddPending = m_bIconHidden ? 0 : 1;
    if (m_bReaddPending)
        ReaddIcon();
}

LRESULT CSystemTray::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == g_uTaskbarCreatedMessage && message != 0)
        return OnTaskbarCreated();
    if (message == WM_SETTINGCHANGE) {
        LRESULT result = DefaultProc(message, wParam, lParam);
        if (wParam == SPI_SETWORKAREA)
            OnWorkAreaChanged();
        return result;
    }
    return DefaultProc(message, wParam, lParam);
}

LRESULT CSystemTray::HandleTrayNotification(WPARAM wParam, LPARAM lParam) {
    if (wParam != m_nid.uID)
        return 0;
    HWND target = m_pMenuOwner ? m_pMenuOwner : ThreadMainWindow();
    if (!target)
        return 0;
    if (LOWORD(lParam) != WM_RBUTTONUP)
        return 1;
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nid.uID));
    if (!menu)
        return 0;
    HMENU popup = GetSubMenu(menu, 0);
    if (!popup) {
        DestroyMenu(menu);
        return 0;
    }
    SetMenuDefaultItem(popup, m_nDefaultItem, m_bDefaultByPos);
    CustomizeMenu(popup);
    POINT cursor = {};
    GetCursorPos(&cursor);
    // The menu closes when the user clicks elsewhere only if its owner is
    // in front; the null message afterwards lets the next click through.
    SetForegroundWindow(target);
    TrackPopupMenu(popup, 0, cursor.x, cursor.y, 0, target, nullptr);
    PostMessageA(target, WM_NULL, 0, 0);
    DestroyMenu(menu);
    return 1;
}

void CSystemTray::HideToTray(HWND window, bool forceAnimation) {
    if (forceAnimation || MinimizeAnimationOn()) {
        RECT from = {};
        GetWindowRect(window, &from);
        RECT to = GetNotifyAreaRect();
        DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
    }
    if (g_wndParking.Create())
        SetParent(window, g_wndParking.GetHwnd());
    SetVisibleStyle(window, false);
}

void CSystemTray::ShowFromTray(HWND window, bool forceAnimation) {
    if (forceAnimation || MinimizeAnimationOn()) {
        RECT to = {};
        GetWindowRect(window, &to);
        RECT from = GetNotifyAreaRect();
        SetParent(window, nullptr);
        DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
    } else {
        SetParent(window, nullptr);
    }
    SetVisibleStyle(window, true);
    RedrawWindow(window, nullptr, nullptr,
                 RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
    // Activating another window first puts the taskbar button back.
    if (g_wndParking.Exists())
        SetActiveWindow(g_wndParking.GetHwnd());
    SetActiveWindow(window);
    SetForegroundWindow(window);
}

RECT CSystemTray::GetNotifyAreaRect() {
    CNotifyAreaSourceWin source;
    AreaRect area = NotifyAreaRect(source);
    return RECT{area.left, area.top, area.right, area.bottom};
}
