#include "dialogs/win/LinkLabel.h"

#include <commctrl.h>
#include <shellapi.h>

#include "framework/DpiScale.h"
#include "framework/Prompter.h"
#include "framework/win/Application.h"
#include "framework/win/ClassesRoot.h"
#include "framework/win/WindowDpi.h"

namespace {

// The system help program, whose hand cursor the link borrows.
constexpr char kHelpProgram[] = "\\winhlp32.exe";
constexpr int kHelpHandCursor = 106;
constexpr UINT_PTR kToolId = 1;
// Registry values read for the browser's command are this long at most.
constexpr DWORD kMaxRegistryValue = 260;
// How far below the text a leaving mouse repaints (for the underline), at 96 dpi.
constexpr int kUnderlineRepaint = 10;

// Opening links on Windows: ShellExecute, the classes registry, WinExec.
class CLinkShellWin : public link_rules::IShell {
public:
    int ShellOpen(const std::string& target, int showCommand) override {
        HINSTANCE result =
            ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, showCommand);
        return static_cast<int>(reinterpret_cast<INT_PTR>(result));
    }
    std::optional<std::string> ClassesRootValue(const std::string& key) override {
        return ReadClassesRootText(key, std::string(), kMaxRegistryValue, true);
    }
    int RunCommand(const std::string& commandLine, int showCommand) override {
        return static_cast<int>(WinExec(commandLine.c_str(), static_cast<UINT>(showCommand)));
    }
};

link_rules::Rect ToRect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

CLinkLabel::CLinkLabel() = default;

// Frees both fonts, the borrowed cursor and the tooltip.
CLinkLabel::~CLinkLabel() {
    if (m_hTooltip && ::IsWindow(m_hTooltip))
        DestroyWindow(m_hTooltip);
    if (m_hUnderlineFont)
        DeleteObject(m_hUnderlineFont);
    if (m_hPlainFont)
        DeleteObject(m_hPlainFont);
    if (m_hLinkCursor && m_bOwnCursor)
        DestroyCursor(m_hLinkCursor);
}

bool CLinkLabel::Attach(HWND control) {
    if (!control || !Subclass(control))
        return false;
    HWND hwnd = GetHwnd();
    // Clicks are reported only with SS_NOTIFY.
    SetWindowLongA(hwnd, GWL_STYLE, GetWindowLongA(hwnd, GWL_STYLE) | SS_NOTIFY);

    std::string text = WindowText(hwnd);
    if (m_strUrl.empty())
        m_strUrl = text;
    if (text.empty())
        SetWindowTextA(hwnd, m_strUrl.c_str());

    HFONT font = reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0));
    if (!font)
        font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    if (!font)
        font = static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
    LOGFONTA logFont = {};
    GetObjectA(font, sizeof logFont, &logFont);
    m_hPlainFont = CreateFontIndirectA(&logFont);
    logFont.lfUnderline = TRUE;
    m_hUnderlineFont = CreateFontIndirectA(&logFont);

    FitToText();
    LoadLinkCursor();
    if (m_nUnderlineMode != kUnderlineHover) {
        SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(m_hPlainFont), TRUE);
        m_nUnderlineMode = kUnderlineHover;
    }
    CreateTooltip();
    return true;
}

void CLinkLabel::CreateTooltip() {
    HWND hwnd = GetHwnd();
    m_hTooltip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!m_hTooltip)
        return;
    TOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    tool.hwnd = hwnd;
    tool.uId = kToolId;
    tool.lpszText = const_cast<char*>(m_strUrl.c_str());
    GetClientRect(hwnd, &tool.rect);
    SendMessageA(m_hTooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void CLinkLabel::SetLink(const std::string& url) {
    m_strUrl = url;
    if (!GetHwnd())
        return;
    FitToText();
    if (m_hTooltip) {
        TOOLINFOA tool = {};
        tool.cbSize = sizeof tool;
        tool.hwnd = GetHwnd();
        tool.uId = kToolId;
        tool.lpszText = const_cast<char*>(m_strUrl.c_str());
        SendMessageA(m_hTooltip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void CLinkLabel::SetLinkColors(COLORREF link, COLORREF visited, COLORREF hover) {
    m_colours.link = link;
    m_colours.visited = visited;
    m_colours.hover = hover == static_cast<COLORREF>(-1) ? GetSysColor(COLOR_HIGHLIGHT) : hover;
    if (GetHwnd())
        InvalidateRect(GetHwnd(), nullptr, TRUE);
}

void CLinkLabel::SetUnderlineMode(int mode) {
    if (mode == m_nUnderlineMode)
        return;
    if (GetHwnd()) {
        HFONT font = mode == kUnderlineAlways ? m_hUnderlineFont : m_hPlainFont;
        SendMessageA(GetHwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        InvalidateRect(GetHwnd(), nullptr, TRUE);
    }
    m_nUnderlineMode = mode;
}

COLORREF CLinkLabel::TextColour() const {
    return link_rules::TextColour(m_colours, m_bHovering != 0, m_bVisited != 0);
}

void CLinkLabel::FitToText() {
    HWND hwnd = GetHwnd();
    if (!hwnd || !m_bAutoSize)
        return;
    HWND parent = GetParent(hwnd);
    RECT window, client;
    GetWindowRect(hwnd, &window);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&window), 2);
    GetClientRect(hwnd, &client);
    MapWindowPoints(hwnd, parent, reinterpret_cast<POINT*>(&client), 2);

    std::string text = WindowText(hwnd);
    SIZE size = {0, 0};
    HDC dc = GetDC(hwnd);
    HGDIOBJ previous = SelectObject(dc, m_hUnderlineFont);
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(hwnd, dc);

    link_rules::Rect fitted =
        link_rules::FitToText(ToRect(window), ToRect(client), size.cx, size.cy,
                              static_cast<std::uint32_t>(GetWindowLongA(hwnd, GWL_STYLE)));
    SetWindowPos(hwnd, nullptr, fitted.left, fitted.top, fitted.right - fitted.left,
                 fitted.bottom - fitted.top, SWP_NOZORDER);
}

// The system help program's hand cursor; where that program or its cursor
// is missing (current systems ship a stub), the system's own hand.
void CLinkLabel::LoadLinkCursor() {
    if (m_hLinkCursor)
        return;
    char folder[MAX_PATH] = {};
    UINT length = GetWindowsDirectoryA(folder, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        std::string path = std::string(folder) + kHelpProgram;
        if (HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {
            if (HCURSOR cursor = LoadCursorA(module, MAKEINTRESOURCEA(kHelpHandCursor))) {
                m_hLinkCursor = CopyCursor(cursor);
                m_bOwnCursor = m_hLinkCursor != nullptr;
            }
            FreeLibrary(module);
        }
    }
    if (!m_hLinkCursor)
        m_hLinkCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND));
}

int CLinkLabel::OpenLink(const std::string& url, int showCommand) {
    CLinkShellWin shell;
    return link_rules::OpenLink(shell, url, showCommand);
}

void CLinkLabel::ShowOpenError(int code) {
    std::string caption;
    if (CApplication* app = CApplication::Get())
        caption = app->AppTitle();
    ShowMessage(GetHwnd() ? GetParent(GetHwnd()) : nullptr, link_rules::OpenErrorText(code),
                caption, mb::kOk | mb::kIconExclamation);
}

// The colour request and the click come back from the dialog.
bool CLinkLabel::OnReflectedMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message == WM_CTLCOLORSTATIC) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, TextColour());
        SetBkMode(dc, TRANSPARENT);
        result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        return true;
    }
    if (message == WM_COMMAND && HIWORD(wParam) == STN_CLICKED) {
        OnClicked();
        result = 0;
        return true;
    }
    return false;
}

LRESULT CLinkLabel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST)
        RelayToTooltip(message, wParam, lParam);
    switch (message) {
    case WM_MOUSEMOVE:
        OnMouseMove();
        break;
    case WM_TIMER:
        OnHoverTimer();
        break;
    case WM_SETCURSOR:
        if (m_hLinkCursor) {
            SetCursor(m_hLinkCursor);
            return TRUE;
        }
        break;
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(GetHwnd(), &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
        return TRUE;
    }
    case WM_DESTROY:
        KillTimer(GetHwnd(), m_nTimerId);
        break;
    default:
        break;
    }
    return DefaultProc(message, wParam, lParam);
}

void CLinkLabel::RelayToTooltip(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!m_hTooltip)
        return;
    MSG msg = {};
    msg.hwnd = GetHwnd();
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = static_cast<DWORD>(GetMessageTime());
    DWORD pos = GetMessagePos();
    msg.pt = {static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))};
    SendMessageA(m_hTooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

// The mouse came over the link: hover colour, the underline in Hover mode,
// and a timer that notices when it leaves.
void CLinkLabel::OnMouseMove() {
    if (m_bHovering)
        return;
    m_bHovering = 1;
    if (m_nUnderlineMode == kUnderlineHover)
        SendMessageA(GetHwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(m_hUnderlineFont), TRUE);
    InvalidateRect(GetHwnd(), nullptr, TRUE);
    SetTimer(GetHwnd(), m_nTimerId, kHoverPeriod, nullptr);
}

// The mouse left the link: the link colour and font come back.
void CLinkLabel::OnHoverTimer() {
    DWORD pos = GetMessagePos();
    POINT point = {static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))};
    ScreenToClient(GetHwnd(), &point);
    RECT client;
    GetClientRect(GetHwnd(), &client);
    if (PtInRect(&client, point))
        return;
    m_bHovering = 0;
    KillTimer(GetHwnd(), m_nTimerId);
    if (m_nUnderlineMode != kUnderlineAlways)
        SendMessageA(GetHwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(m_hPlainFont), TRUE);
    client.bottom += ScaleForDpi(kUnderlineRepaint, WindowDpi(GetHwnd()));
    InvalidateRect(GetHwnd(), &client, TRUE);
}

// A click opens the link; a failure beeps and says why.
void CLinkLabel::OnClicked() {
    m_bHovering = 0;
    int result = OpenLink(m_strUrl, SW_SHOW);
    m_bVisited = result > 32 ? 1 : 0;
    if (result > 32) {
        InvalidateRect(GetHwnd(), nullptr, TRUE);
        return;
    }
    MessageBeep(MB_ICONEXCLAMATION);
    ShowOpenError(result);
}
