#include "Inspector.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "BarProbe.h"
#include "DialogProbe.h"
#include "KeyInput.h"
#include "ListViewProbe.h"
#include "MouseInput.h"
#include "RegistryProbe.h"
#include "RemoteMemory.h"
#include "TextEscape.h"

namespace {
constexpr char kParkingClass[] = "VarnelloParkingWnd";
constexpr UINT kTrayMessage = 0x800A;
constexpr UINT kTrayIconId = 142;
constexpr int kListId = 0xE900;
constexpr int kToolBarId = 0xE800;
constexpr DWORD kDefaultWaitMs = 20000;
constexpr UINT kSendTimeoutMs = 10000;
// How long a message sent with "wait" may take: a handler that opens a box
// of its own does not return in that time.
constexpr UINT kWaitHandledMs = 5000;

// The main window of class frameClass parked under the top-level window
// hwnd of class className, when that is the program's hidden parking
// window; null otherwise.
HWND ParkedFrame(HWND hwnd, const char* className, const char* frameClass) {
    if (std::strcmp(className, kParkingClass) != 0)
        return nullptr;
    return FindWindowExA(hwnd, nullptr, frameClass, nullptr);
}

struct FrameSearch {
    const char* className;
    bool visibleOnly;
    HWND found;
};

// Picks the first top-level window of the main window's class, or the main
// window parked under the program's hidden parking window (which counts as
// shown: it is in the notification area).
BOOL CALLBACK FindFrameProc(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<FrameSearch*>(lParam);
    char className[64] = {};
    GetClassNameA(hwnd, className, sizeof className);
    if (HWND parked = ParkedFrame(hwnd, className, search->className)) {
        search->found = parked;
        return FALSE;
    }
    if (std::strcmp(className, search->className) != 0 ||
        (search->visibleOnly && !IsWindowVisible(hwnd)))
        return TRUE;
    search->found = hwnd;
    return FALSE;
}

struct FrameCount {
    const char* className;
    int count;
};

// Counts the main windows, top-level or parked.
BOOL CALLBACK CountFramesProc(HWND hwnd, LPARAM lParam) {
    auto* frames = reinterpret_cast<FrameCount*>(lParam);
    char className[64] = {};
    GetClassNameA(hwnd, className, sizeof className);
    if (std::strcmp(className, frames->className) == 0)
        ++frames->count;
    if (ParkedFrame(hwnd, className, frames->className))
        ++frames->count;
    return TRUE;
}

struct ProcessWindows {
    DWORD processId;
    std::vector<HWND> windows;
    bool visibleDialogsOnly;
};

// Collects the top-level windows of a process (or only its visible
// dialogs and message boxes).
BOOL CALLBACK CollectProcessWindowsProc(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<ProcessWindows*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (process != search->processId)
        return TRUE;
    char className[64] = {};
    GetClassNameA(hwnd, className, sizeof className);
    if (!search->visibleDialogsOnly ||
        (IsWindowVisible(hwnd) && std::strcmp(className, "#32770") == 0))
        search->windows.push_back(hwnd);
    return TRUE;
}

std::vector<HWND> ProcessTopLevelWindows(DWORD processId, bool visibleDialogsOnly) {
    ProcessWindows search{processId, {}, visibleDialogsOnly};
    EnumWindows(CollectProcessWindowsProc, reinterpret_cast<LPARAM>(&search));
    return search.windows;
}

// "visible normal", "hidden minimized", ... for a window.
std::string WindowState(HWND hwnd) {
    std::string state = IsWindowVisible(hwnd) ? "visible" : "hidden";
    if (IsIconic(hwnd))
        state += " minimized";
    else if (IsZoomed(hwnd))
        state += " maximized";
    else
        state += " normal";
    return state;
}

// The program's open pop-up menu (a window of the menu class), or null.
struct MenuSearch {
    DWORD processId;
    HWND found;
};
BOOL CALLBACK FindMenuProc(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<MenuSearch*>(lParam);
    char className[64] = {};
    GetClassNameA(hwnd, className, sizeof className);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (std::strcmp(className, "#32768") != 0 || process != search->processId ||
        !IsWindowVisible(hwnd))
        return TRUE;
    search->found = hwnd;
    return FALSE;
}

// True when text is a non-empty run of decimal digits.
bool IsNumber(const std::string& text) {
    if (text.empty())
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// Takes an optional time-out in milliseconds from args at pos.
DWORD TakeTimeout(const std::vector<std::string>& args, std::size_t& pos, DWORD fallback) {
    if (pos < args.size() && IsNumber(args[pos]))
        return static_cast<DWORD>(std::strtoul(args[pos++].c_str(), nullptr, 10));
    return fallback;
}

// Parses "none", "all" (with the row count) or "0,2,5".
std::vector<int> ParseRows(const std::string& text, int rowCount) {
    std::vector<int> rows;
    if (text == "all") {
        for (int i = 0; i < rowCount; ++i)
            rows.push_back(i);
    } else if (text != "none") {
        const char* p = text.c_str();
        while (*p) {
            char* end = nullptr;
            rows.push_back(static_cast<int>(std::strtol(p, &end, 10)));
            p = *end == ',' ? end + 1 : end;
            if (end == p && *p)
                break;
        }
    }
    return rows;
}

// Takes an optional "wait" from args at pos.
bool TakeWait(const std::vector<std::string>& args, std::size_t& pos) {
    if (pos < args.size() && args[pos] == "wait") {
        ++pos;
        return true;
    }
    return false;
}

// Prints a failure and returns false.
bool Fail(const std::string& message) {
    std::fflush(stdout);
    std::fprintf(stderr, "vinspect: %s\n", message.c_str());
    std::fflush(stderr);
    return false;
}
}  // namespace

int CInspector::Run(const std::vector<std::string>& args) {
    if (args.empty()) {
        Fail("usage: vinspect COMMAND [ARGS]... (see tests/e2e/README.md)");
        return 2;
    }
    std::size_t pos = 0;
    while (pos < args.size()) {
        std::string name = args[pos++];
        bool ok = RunCommand(name, args, pos);
        std::fflush(stdout);
        if (!ok)
            return 1;
    }
    if (m_process)
        CloseHandle(m_process);
    return 0;
}

bool CInspector::RunCommand(const std::string& name, const std::vector<std::string>& args,
                            std::size_t& pos) {
    // Takes the next argument, or fails the command when there is none.
    auto need = [&](std::string& value) {
        if (pos >= args.size())
            return Fail(name + ": missing argument");
        value = args[pos++];
        return true;
    };
    std::string a, b, c, d;

    if (name == "desktop") {
        // Wine's virtual desktop (explorer /desktop=NAME): windows of another
        // desktop are not listed, so move to it before looking.
        if (!need(a))
            return false;
        DWORD start = GetTickCount();
        HDESK desktop = nullptr;
        while (!(desktop = OpenDesktopA(a.c_str(), 0, FALSE, GENERIC_ALL)) &&
               GetTickCount() - start < kDefaultWaitMs)
            Sleep(m_pollMs);
        if (!desktop)
            return Fail("no desktop " + a + ", error " + std::to_string(GetLastError()));
        return SetThreadDesktop(desktop) ||
               Fail("cannot move to desktop " + a + ", error " + std::to_string(GetLastError()));
    }
    if (name == "frame-class") {
        // Another program's main window, such as a benchmark's floor.
        return need(m_frameClass);
    }
    if (name == "poll") {
        if (!need(a))
            return false;
        m_pollMs = static_cast<DWORD>(std::strtoul(a.c_str(), nullptr, 10));
        return true;
    }
    if (name == "mark") {
        QueryPerformanceCounter(&m_mark);
        return true;
    }
    if (name == "elapsed") {
        if (!need(a))
            return false;
        LARGE_INTEGER now, frequency;
        QueryPerformanceCounter(&now);
        QueryPerformanceFrequency(&frequency);
        std::printf("%s %.1f ms\n", a.c_str(),
                    1000.0 * static_cast<double>(now.QuadPart - m_mark.QuadPart) /
                        static_cast<double>(frequency.QuadPart));
        return true;
    }
    if (name == "wait-window") {
        DWORD timeout = TakeTimeout(args, pos, kDefaultWaitMs);
        return FindFrame(timeout, true) || Fail("no visible Varnello window");
    }
    if (name == "title") {
        if (!NeedFrame())
            return false;
        std::printf("title: %s\n", EscapeText(Title()).c_str());
        return true;
    }
    if (name == "wait-title") {
        if (!need(a) || !NeedFrame())
            return false;
        DWORD timeout = TakeTimeout(args, pos, kDefaultWaitMs);
        DWORD start = GetTickCount();
        while (Title() != a) {
            if (GetTickCount() - start > timeout)
                return Fail("title is \"" + EscapeText(Title()) + "\", expected \"" +
                            EscapeText(a) + "\"");
            Sleep(m_pollMs);
        }
        std::printf("title: %s\n", EscapeText(a).c_str());
        return true;
    }
    if (name == "rect") {
        if (!NeedFrame())
            return false;
        RECT rect = {};
        GetWindowRect(m_frame, &rect);
        std::printf("rect: %ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
        return true;
    }
    if (name == "size") {
        // Asks the main window to take this size, as a program would; the
        // window keeps at least its minimum size.
        if (!need(a) || !need(b) || !NeedFrame())
            return false;
        return SetWindowPos(m_frame, nullptr, 0, 0, std::atoi(a.c_str()), std::atoi(b.c_str()),
                            SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE) ||
               Fail("cannot size the window");
    }
    if (name == "window") {
        if (!FindFrame(kDefaultWaitMs, false))
            return Fail("no Varnello window");
        std::printf("window: %s\n", WindowState(m_frame).c_str());
        return true;
    }
    if (name == "bars") {
        // Where the toolbar and the list lie on the screen.
        if (!NeedFrame())
            return false;
        RECT bar = {}, list = {};
        GetWindowRect(GetDlgItem(m_frame, kToolBarId), &bar);
        GetWindowRect(ListControl(), &list);
        std::printf("toolbar: %ld %ld %ld %ld\nlist: %ld %ld %ld %ld\n", bar.left, bar.top,
                    bar.right, bar.bottom, list.left, list.top, list.right, list.bottom);
        return true;
    }
    if (name == "scale") {
        // What follows the display's scale: the toolbar's button size, the
        // size of its images on the screen, its gripper's width and its
        // height; the list header's height; the width of the last status pane.
        if (!NeedFrame())
            return false;
        HWND toolbar = GetDlgItem(m_frame, kToolBarId);
        SIZE button = {}, image = {};
        if (!CBarProbe::ToolbarSizes(toolbar, button, image))
            return Fail("cannot read the toolbar");
        RECT bar = {}, header = {};
        POINT client = {0, 0};
        GetWindowRect(toolbar, &bar);
        ClientToScreen(toolbar, &client);
        GetWindowRect(FindWindowExA(ListControl(), nullptr, WC_HEADERA, nullptr), &header);
        std::printf("toolbar: button %ld %ld image %ld %ld grip %ld height %ld\n", button.cx,
                    button.cy, image.cx, image.cy, client.x - bar.left, bar.bottom - bar.top);
        std::printf("header: height %ld\nlast pane: width %d\n", header.bottom - header.top,
                    CBarProbe::LastPaneWidth(StatusBar()));
        return true;
    }
    if (name == "dpi-changed") {
        // Tells the main window it went to a display of another scale, with
        // the rectangle the system would suggest (WM_DPICHANGED).
        if (!need(a) || !need(b) || !need(c) || !need(d) || pos >= args.size() || !NeedFrame())
            return Fail("dpi-changed DPI LEFT TOP RIGHT BOTTOM");
        WORD dpi = static_cast<WORD>(std::atoi(a.c_str()));
        RECT rect = {std::atoi(b.c_str()), std::atoi(c.c_str()), std::atoi(d.c_str()),
                     std::atoi(args[pos++].c_str())};
        CRemoteMemory memory(m_frame, sizeof rect);
        DWORD_PTR result = 0;
        return (memory.Write(0, &rect, sizeof rect) &&
                SendMessageTimeoutA(m_frame, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(dpi, dpi),
                                    reinterpret_cast<LPARAM>(memory.Address()), SMTO_NORMAL,
                                    kSendTimeoutMs, &result)) ||
               Fail("cannot send WM_DPICHANGED");
    }
    if (name == "frames") {
        FrameCount frames{m_frameClass.c_str(), 0};
        EnumWindows(CountFramesProc, reinterpret_cast<LPARAM>(&frames));
        std::printf("frames: %d\n", frames.count);
        return true;
    }
    if (name == "minimize" || name == "maximize") {
        if (!FindFrame(kDefaultWaitMs, false))
            return Fail("no Varnello window");
        WPARAM command = name == "minimize" ? SC_MINIMIZE : SC_MAXIMIZE;
        return PostMessageA(m_frame, WM_SYSCOMMAND, command, 0) || Fail("cannot post " + name);
    }
    if (name == "tray") {
        if (!need(a) || !FindFrame(kDefaultWaitMs, false))
            return false;
        LPARAM message = a == "left-down"     ? WM_LBUTTONDOWN
                         : a == "left-double" ? WM_LBUTTONDBLCLK
                         : a == "right-up"    ? WM_RBUTTONUP
                                              : 0;
        if (!message)
            return Fail("tray: left-down, left-double or right-up");
        if (TakeWait(args, pos))
            return SendHandled(m_frame, kTrayMessage, kTrayIconId, message);
        return PostMessageA(m_frame, kTrayMessage, kTrayIconId, message) ||
               Fail("cannot post the tray message");
    }
    if (name == "tray-icon") {
        // The shell answers a change of nothing only for an icon it holds.
        if (!FindFrame(kDefaultWaitMs, false))
            return Fail("no Varnello window");
        NOTIFYICONDATAA data = {};
        data.cbSize = NOTIFYICONDATAA_V2_SIZE;
        data.hWnd = m_frame;
        data.uID = kTrayIconId;
        std::printf("tray icon: %s\n", Shell_NotifyIconA(NIM_MODIFY, &data) ? "present" : "absent");
        return true;
    }
    if (name == "menu-key") {
        // Waits for the program's pop-up menu (the icon's menu) and chooses
        // the item with this access key, through the program's queue.
        if (!need(a) || a.size() != 1 || !FindFrame(kDefaultWaitMs, false))
            return Fail("menu-key: one letter, and the program");
        MenuSearch search{m_processId, nullptr};
        DWORD start = GetTickCount();
        while (EnumWindows(FindMenuProc, reinterpret_cast<LPARAM>(&search)), !search.found) {
            if (GetTickCount() - start > kDefaultWaitMs)
                return Fail("no menu opened");
            Sleep(m_pollMs);
        }
        return PostMessageA(search.found, WM_CHAR, static_cast<unsigned char>(a[0]), 1) ||
               Fail("cannot post key " + a);
    }
    if (name == "rows")
        return NeedFrame() && PrintRows();
    if (name == "count") {
        if (!NeedFrame())
            return false;
        std::printf("count: %d\n", CListViewProbe(ListControl()).RowCount());
        return true;
    }
    if (name == "wait-count") {
        if (!need(a) || !NeedFrame())
            return false;
        DWORD timeout = TakeTimeout(args, pos, kDefaultWaitMs);
        int wanted = std::atoi(a.c_str());
        CListViewProbe list(ListControl());
        DWORD start = GetTickCount();
        while (list.RowCount() != wanted) {
            if (GetTickCount() - start > timeout)
                return Fail("row count is " + std::to_string(list.RowCount()) + ", expected " + a);
            Sleep(m_pollMs);
        }
        std::printf("count: %d\n", wanted);
        return true;
    }
    if (name == "selection")
        return NeedFrame() && PrintSelection();
    if (name == "wait-selected") {
        if (!need(a) || !NeedFrame())
            return false;
        DWORD timeout = TakeTimeout(args, pos, kDefaultWaitMs);
        int wanted = std::atoi(a.c_str());
        CListViewProbe list(ListControl());
        DWORD start = GetTickCount();
        while (list.SelectedCount() != wanted) {
            if (GetTickCount() - start > timeout)
                return Fail(std::to_string(list.SelectedCount()) + " rows selected, expected " + a);
            Sleep(m_pollMs);
        }
        std::printf("selected count: %d\n", wanted);
        return true;
    }
    if (name == "select") {
        if (!need(a) || !NeedFrame())
            return false;
        CListViewProbe list(ListControl());
        return list.Select(ParseRows(a, list.RowCount())) || Fail("cannot select rows " + a);
    }
    if (name == "header")
        return NeedFrame() && PrintHeader();
    if (name == "wait-arrow") {
        // Until the column's header shows the sort arrow (up or down).
        if (!need(a) || !need(b) || !NeedFrame())
            return false;
        DWORD timeout = TakeTimeout(args, pos, kDefaultWaitMs);
        int column = std::atoi(a.c_str());
        int image = b == "up" ? 1 : 0;
        CListViewProbe list(ListControl());
        DWORD start = GetTickCount();
        for (;;) {
            std::vector<CListViewProbe::Column> columns = list.Columns();
            if (column < static_cast<int>(columns.size()) && (columns[column].format & HDF_IMAGE) &&
                columns[column].image == image)
                return true;
            if (GetTickCount() - start > timeout)
                return Fail("column " + a + " shows no " + b + " arrow");
            Sleep(m_pollMs);
        }
    }
    if (name == "column-point" || name == "row-point") {
        if (!need(a) || !NeedFrame())
            return false;
        CListViewProbe list(ListControl());
        POINT point = {};
        int index = std::atoi(a.c_str());
        bool found =
            name == "column-point" ? list.ColumnPoint(index, point) : list.RowPoint(index, point);
        if (!found)
            return Fail(name + ": no item " + a);
        std::printf("point: %ld %ld\n", point.x, point.y);
        return true;
    }
    if (name == "status")
        return NeedFrame() && PrintStatus();
    if (name == "wait-status") {
        if (!need(a) || !NeedFrame())
            return false;
        DWORD timeout = TakeTimeout(args, pos, kDefaultWaitMs);
        HWND bar = StatusBar();
        if (!bar)
            return Fail("no status bar");
        DWORD start = GetTickCount();
        std::string text;
        while ((text = PaneText(bar, 0)).compare(0, a.size(), a) != 0) {
            if (GetTickCount() - start > timeout)
                return Fail("pane 0 is \"" + EscapeText(text) + "\", expected \"" + EscapeText(a) +
                            "...\"");
            Sleep(m_pollMs);
        }
        std::printf("pane 0: %s\n", EscapeText(text).c_str());
        return true;
    }
    if (name == "dialog") {
        if (!FindFrame(kDefaultWaitMs, false))
            return Fail("no Varnello window");
        return PrintDialog(CDialogProbe::FindDialog(m_processId));
    }
    if (name == "wait-dialog") {
        DWORD timeout = TakeTimeout(args, pos, kDefaultWaitMs);
        if (!FindFrame(timeout, false))
            return Fail("no Varnello window");
        HWND dialog = WaitDialog(timeout);
        return dialog ? PrintDialog(dialog) : Fail("no dialog opened");
    }
    if (name == "wait-no-dialog") {
        DWORD timeout = TakeTimeout(args, pos, kDefaultWaitMs);
        if (!FindFrame(kDefaultWaitMs, false))
            return Fail("no Varnello window");
        DWORD start = GetTickCount();
        while (CDialogProbe::FindDialog(m_processId)) {
            if (GetTickCount() - start > timeout)
                return Fail("a dialog is still open");
            Sleep(m_pollMs);
        }
        return true;
    }
    if (name == "dialog-fit") {
        // The size of the open dialog's bitmap, if it has one, and whether
        // its controls fit beside each other.
        if (!FindFrame(kDefaultWaitMs, false))
            return Fail("no Varnello window");
        HWND dialog = WaitDialog(kDefaultWaitMs);
        if (!dialog)
            return Fail("dialog-fit: no dialog open");
        CDialogProbe probe(dialog);
        for (const CDialogProbe::Control& control : probe.Controls()) {
            RECT rect = {};
            if ((GetWindowLongA(control.hwnd, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP &&
                control.kind == "static" && GetWindowRect(control.hwnd, &rect))
                std::printf("bitmap: %ld %ld\n", rect.right - rect.left, rect.bottom - rect.top);
        }
        std::vector<std::string> misfits = probe.Misfits();
        for (const std::string& misfit : misfits)
            std::printf("%s\n", misfit.c_str());
        if (misfits.empty())
            std::printf("fit: ok\n");
        return true;
    }
    if (name == "press" || name == "set-text" || name == "check") {
        if (!need(a) || (name != "press" && !need(b)))
            return false;
        if (!FindFrame(kDefaultWaitMs, false))
            return Fail("no Varnello window");
        HWND dialog = WaitDialog(kDefaultWaitMs);
        if (!dialog)
            return Fail(name + ": no dialog open");
        CDialogProbe probe(dialog);
        if (name == "press")
            return probe.Press(a) || Fail("press: no enabled button " + a);
        if (name == "set-text")
            return probe.SetText(a, b) || Fail("set-text: no control " + a);
        return probe.SetCheck(a, b != "0") || Fail("check: no control " + a);
    }
    if (name == "key") {
        if (!need(a) || !FindFrame(kDefaultWaitMs, false))
            return false;
        return SendKey(a);
    }
    if (name == "click") {
        if (!need(a) || !need(b) || !need(c) || !FindFrame(kDefaultWaitMs, false))
            return false;
        return CMouseInput::Click(std::atoi(a.c_str()), std::atoi(b.c_str()), c) ||
               Fail("cannot click " + c);
    }
    if (name == "command") {
        if (!need(a) || !NeedFrame())
            return false;
        WPARAM id = static_cast<WPARAM>(std::strtoul(a.c_str(), nullptr, 0));
        return PostMessageA(m_frame, WM_COMMAND, id, 0) || Fail("cannot post command " + a);
    }
    if (name == "send-command") {
        // Sends WM_COMMAND and returns once the program has run the command.
        if (!need(a) || !NeedFrame())
            return false;
        WPARAM id = static_cast<WPARAM>(std::strtoul(a.c_str(), nullptr, 0));
        DWORD timeout = TakeTimeout(args, pos, 600000);
        DWORD_PTR result = 0;
        return SendMessageTimeoutA(m_frame, WM_COMMAND, id, 0, SMTO_NORMAL, timeout, &result) ||
               Fail("the program does not answer command " + a);
    }
    if (name == "close") {
        if (!FindFrame(kDefaultWaitMs, false))
            return Fail("no Varnello window");
        return PostMessageA(m_frame, WM_CLOSE, 0, 0) || Fail("cannot post WM_CLOSE");
    }
    if (name == "wait-exit") {
        DWORD timeout = TakeTimeout(args, pos, kDefaultWaitMs);
        return WaitExit(timeout);
    }
    if (name == "sync") {
        if (!FindFrame(kDefaultWaitMs, false))
            return Fail("no Varnello window");
        DWORD_PTR result = 0;
        return SendMessageTimeoutA(m_frame, WM_NULL, 0, 0, SMTO_NORMAL, kSendTimeoutMs, &result) ||
               Fail("the program does not answer");
    }
    if (name == "shift-down" || name == "shift-up") {
        // Wine takes keys from the X server only while one of its windows
        // has the X focus, and a parked program has none: the key goes into
        // Wine's input as well, and is waited for in its key state. (Hold it
        // in the X server too, or Wine's next look at the X keymap drops it.)
        bool down = name == "shift-down";
        keybd_event(VK_SHIFT, 0, down ? 0 : KEYEVENTF_KEYUP, 0);
        DWORD start = GetTickCount();
        while (((GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0) != down) {
            if (GetTickCount() - start >= kDefaultWaitMs)
                return Fail("Wine's key state does not follow the Shift key");
            Sleep(m_pollMs);
        }
        return true;
    }
    if (name == "timer") {
        // A tick of a window timer of the list window, as the system posts it.
        if (!need(a) || !NeedFrame())
            return false;
        WPARAM id = static_cast<WPARAM>(std::strtoul(a.c_str(), nullptr, 0));
        if (TakeWait(args, pos))
            return SendHandled(ListControl(), WM_TIMER, id, 0);
        return PostMessageA(ListControl(), WM_TIMER, id, 0) || Fail("cannot post the tick");
    }
    if (name == "boxes") {
        if (!FindFrame(kDefaultWaitMs, false))
            return Fail("no Varnello window");
        std::printf("boxes: %d\n",
                    static_cast<int>(ProcessTopLevelWindows(m_processId, true).size()));
        return true;
    }
    if (name == "session-query" || name == "session-end") {
        // What the system does at log-off: WM_QUERYENDSESSION to every
        // top-level window of the program (a parked main window is none),
        // then WM_ENDSESSION with the outcome.
        UINT message = WM_QUERYENDSESSION;
        WPARAM ending = 0;
        if (name == "session-end") {
            if (!need(a))
                return false;
            message = WM_ENDSESSION;
            ending = a == "1" ? TRUE : FALSE;
        }
        DWORD timeout = TakeTimeout(args, pos, kDefaultWaitMs);
        if (!FindFrame(kDefaultWaitMs, false))
            return Fail("no Varnello window");
        bool mayEnd = true;
        for (HWND window : ProcessTopLevelWindows(m_processId, false)) {
            DWORD_PTR answer = TRUE;
            if (!IsWindow(window))
                continue;
            // A window may go meanwhile (the program ends with the session).
            if (!SendMessageTimeoutA(window, message, ending, ENDSESSION_LOGOFF, SMTO_NORMAL,
                                     timeout, &answer) &&
                IsWindow(window))
                return Fail(name + ": no answer");
            if (!answer)
                mayEnd = false;
        }
        if (message == WM_QUERYENDSESSION)
            std::printf("session may end: %s\n", mayEnd ? "yes" : "no");
        return true;
    }
    if (name == "kill") {
        // Ends the program at once, as the system does after the session ended.
        if (!m_processId && !FindFrame(0, false))
            return Fail("no Varnello process");
        HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, m_processId);
        bool killed = process && TerminateProcess(process, 0);
        if (process)
            CloseHandle(process);
        // One that ended by itself meanwhile is as good.
        bool ended = m_process && WaitForSingleObject(m_process, 0) == WAIT_OBJECT_0;
        return killed || ended || Fail("cannot end the program");
    }
    if (name == "hold-mutex") {
        // Holds a named mutex for a time (as a start of the program does),
        // then lets it go.
        if (!need(a) || !need(b))
            return false;
        HANDLE mutex = CreateMutexA(nullptr, FALSE, a.c_str());
        if (!mutex || WaitForSingleObject(mutex, kDefaultWaitMs) != WAIT_OBJECT_0)
            return Fail("cannot take the mutex " + a);
        std::printf("held\n");
        std::fflush(stdout);
        Sleep(static_cast<DWORD>(std::strtoul(b.c_str(), nullptr, 10)));
        ReleaseMutex(mutex);
        CloseHandle(mutex);
        return true;
    }
    if (name == "sleep") {
        if (!need(a))
            return false;
        Sleep(static_cast<DWORD>(std::strtoul(a.c_str(), nullptr, 10)));
        return true;
    }
    if (name == "reg-get") {
        if (!need(a) || !need(b))
            return false;
        std::printf("%s\\%s = %s\n", a.c_str(), b.c_str(),
                    EscapeText(CRegistryProbe::Get(a, b)).c_str());
        return true;
    }
    if (name == "reg-set") {
        if (!need(a) || !need(b) || !need(c) || !need(d))
            return false;
        return CRegistryProbe::Set(a, b, c, d) || Fail("cannot write " + a + "\\" + b);
    }
    if (name == "reg-delete") {
        if (!need(a))
            return false;
        return CRegistryProbe::DeleteTree(a) || Fail("cannot delete " + a);
    }
    return Fail("unknown command " + name);
}

// Sends a message and fails when the program has not handled it within
// kWaitHandledMs (a handler that opened a box of its own, for one).
bool CInspector::SendHandled(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kWaitHandledMs,
                               &result) ||
           Fail("the program did not finish the message (a box of its own?)");
}

bool CInspector::FindFrame(DWORD timeoutMs, bool visibleOnly) {
    if (m_frame && IsWindow(m_frame) && (!visibleOnly || IsWindowVisible(m_frame)))
        return true;
    DWORD start = GetTickCount();
    for (;;) {
        FrameSearch search{m_frameClass.c_str(), visibleOnly, nullptr};
        EnumWindows(FindFrameProc, reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            m_frame = search.found;
            GetWindowThreadProcessId(m_frame, &m_processId);
            if (!m_process)
                m_process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE,
                                        m_processId);
            return true;
        }
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(m_pollMs);
    }
}

bool CInspector::NeedFrame() {
    return FindFrame(kDefaultWaitMs, true) || Fail("no visible Varnello window");
}

HWND CInspector::ListControl() const {
    HWND list = GetDlgItem(m_frame, kListId);
    return list ? list : FindWindowExA(m_frame, nullptr, WC_LISTVIEWA, nullptr);
}

HWND CInspector::StatusBar() const {
    return FindWindowExA(m_frame, nullptr, STATUSCLASSNAMEA, nullptr);
}

std::string CInspector::Title() const {
    char title[1024] = {};
    GetWindowTextA(m_frame, title, sizeof title);
    return title;
}

HWND CInspector::WaitDialog(DWORD timeoutMs) const {
    DWORD start = GetTickCount();
    for (;;) {
        HWND dialog = CDialogProbe::FindDialog(m_processId);
        if (dialog || GetTickCount() - start >= timeoutMs)
            return dialog;
        Sleep(m_pollMs);
    }
}

bool CInspector::PrintRows() {
    CListViewProbe list(ListControl());
    int rows = list.RowCount();
    int columns = list.ColumnCount();
    std::printf("count: %d\n", rows);
    for (int row = 0; row < rows; ++row) {
        std::string line;
        for (int column = 0; column < columns; ++column) {
            if (column > 0)
                line += '|';
            line += EscapeText(list.CellText(row, column));
        }
        std::printf("row %d: %s\n", row, line.c_str());
    }
    return true;
}

bool CInspector::PrintSelection() {
    CListViewProbe list(ListControl());
    std::string selected;
    for (int row : list.SelectedRows())
        selected += (selected.empty() ? "" : " ") + std::to_string(row);
    std::printf("selected: %s\n", selected.empty() ? "none" : selected.c_str());
    std::printf("focused: %d\n", list.FocusedRow());
    return true;
}

bool CInspector::PrintHeader() {
    CListViewProbe list(ListControl());
    int index = 0;
    for (const CListViewProbe::Column& column : list.Columns()) {
        const char* align = (column.format & HDF_JUSTIFYMASK) == HDF_RIGHT    ? "right"
                            : (column.format & HDF_JUSTIFYMASK) == HDF_CENTER ? "center"
                                                                              : "left";
        std::string arrow = "none";
        if (column.format & HDF_IMAGE) {
            arrow = "image " + std::to_string(column.image);
            if (column.format & HDF_BITMAP_ON_RIGHT)
                arrow += " right";
        }
        std::printf("column %d: %s|%s|%s|%d\n", index++, EscapeText(column.title).c_str(), align,
                    arrow.c_str(), column.width);
    }
    return true;
}

bool CInspector::PrintStatus() {
    HWND bar = StatusBar();
    if (!bar)
        return Fail("no status bar");
    DWORD_PTR parts = 0;
    SendMessageTimeoutA(bar, SB_GETPARTS, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &parts);
    for (int i = 0; i < static_cast<int>(parts); ++i)
        std::printf("pane %d: %s\n", i, EscapeText(PaneText(bar, i)).c_str());
    return true;
}

std::string CInspector::PaneText(HWND bar, int index) {
    constexpr std::size_t kTextSize = 1024;
    DWORD_PTR length = 0;
    SendMessageTimeoutA(bar, SB_GETTEXTLENGTHA, index, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                        &length);
    if (LOWORD(length) >= kTextSize)
        return std::string();
    CRemoteMemory memory(bar, kTextSize);
    char empty = '\0';
    memory.Write(0, &empty, 1);
    DWORD_PTR result = 0;
    SendMessageTimeoutA(bar, SB_GETTEXTA, index, reinterpret_cast<LPARAM>(memory.Address()),
                        SMTO_ABORTIFHUNG, kSendTimeoutMs, &result);
    return memory.ReadText(0, kTextSize - 1);
}

bool CInspector::PrintDialog(HWND dialog) {
    if (!dialog) {
        std::printf("dialog: none\n");
        return true;
    }
    CDialogProbe probe(dialog);
    std::printf("dialog: %s\n", EscapeText(probe.Caption()).c_str());
    for (const CDialogProbe::Control& control : probe.Controls()) {
        std::string flags;
        for (const std::string& flag : control.flags)
            flags += " [" + flag + "]";
        std::printf("%s %d: %s%s\n", control.kind.c_str(), control.id,
                    EscapeText(control.text).c_str(), flags.c_str());
    }
    return true;
}

bool CInspector::SendKey(const std::string& keys) {
    CKeyInput key;
    if (!key.Parse(keys))
        return Fail("unknown key " + keys);
    // Keys go to the foreground window: the program's open dialog, or its
    // main window.
    HWND target = CDialogProbe::FindDialog(m_processId);
    if (!target)
        target = m_frame;
    HWND foreground = GetForegroundWindow();
    DWORD foregroundProcess = 0;
    GetWindowThreadProcessId(foreground, &foregroundProcess);
    if (foregroundProcess != m_processId) {
        SetForegroundWindow(target);
        DWORD start = GetTickCount();
        while (GetForegroundWindow() != target && GetTickCount() - start < 2000)
            Sleep(m_pollMs);
    }
    return key.Send() || Fail("cannot send key " + keys);
}

bool CInspector::WaitExit(DWORD timeoutMs) {
    if (!m_process && !FindFrame(0, false))
        return true;  // no program running
    if (!m_process)
        return Fail("cannot watch the program's process");
    if (WaitForSingleObject(m_process, timeoutMs) != WAIT_OBJECT_0)
        return Fail("the program did not end");
    std::printf("exited\n");
    return true;
}
