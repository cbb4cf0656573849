// The main window inside the test process: its icons, the close that is
// refused, the notification-area icon, the desktop commands while the
// window is parked, the status pane during menus, snapping and the minimum
// size.

#include "AppFixture.h"
#include "RegistryValues.h"

using namespace apptest;

namespace {

constexpr UINT kTrayNotify = 0x800A;
constexpr UINT kIconId = 142;
constexpr UINT kMinimizeAll = 32785, kRestoreAll = 32786;

class MainFrameTest : public AppFixture {
protected:
    CMainFrame* Main() const { return static_cast<CMainFrame*>(m_app->MainFrame()); }
};

// Asks the shell about the program's icon: a change of nothing succeeds
// only for an icon it holds; a delete takes it away behind the program's back.
bool ShellIcon(HWND owner, DWORD message) {
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V2_SIZE;
    data.hWnd = owner;
    data.uID = kIconId;
    return Shell_NotifyIconA(message, &data) != FALSE;
}

TEST_F(MainFrameTest, CaptionAndTaskbarTakeTheIconsOwn16By16Image) {
    ASSERT_TRUE(StartApp());
    ICONINFO info = {};
    ASSERT_TRUE(
        GetIconInfo(reinterpret_cast<HICON>(GetClassLongPtrA(Frame(), GCLP_HICONSM)), &info));
    BITMAP bitmap = {};
    GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(bitmap.bmWidth, 16);
    EXPECT_EQ(bitmap.bmHeight, 16);
}

// "Auto Save" on and an untitled list: the close asks where to save it; when
// that is cancelled the program stays, and a later New asks its question
// instead of saving without one.
TEST_F(MainFrameTest, RefusedCloseLeavesNewAskingItsQuestion) {
    test_registry::WriteDword(test_registry::kProgramKey, "Auto Save", 1);
    ASSERT_TRUE(StartApp());
    Doc()->SetModifiedFlag(true);
    AnswerDialog("");
    SendMessageA(Frame(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(IsWindow(Frame()));
    EXPECT_EQ(m_dialogs.size(), 1u);
    EXPECT_TRUE(m_prompter.Boxes().empty());

    m_prompter.Answer(mb::kIdNo);
    Command(ID_FILE_NEW);
    ASSERT_EQ(m_prompter.Boxes().size(), 1u);
    EXPECT_EQ(m_prompter.Boxes()[0].text, "Save changes to Untitled?");
    EXPECT_EQ(m_dialogs.size(), 1u);
}

// The icon as the shell gets it; it comes back when the shell restarts or
// the work area changes, and goes with the window.
TEST_F(MainFrameTest, TrayIconIsAddedAgainWhenTheShellAsks) {
    ASSERT_TRUE(StartApp());
    HWND frame = Frame();
    CSystemTray& tray = Main()->TrayIcon();
    const NOTIFYICONDATAA& icon = tray.IconData();
    EXPECT_EQ(icon.cbSize, static_cast<DWORD>(NOTIFYICONDATAA_V2_SIZE));
    EXPECT_EQ(icon.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(icon.uCallbackMessage, kTrayNotify);
    EXPECT_STREQ(icon.szTip, "Varnello");
    EXPECT_TRUE(ShellIcon(frame, NIM_MODIFY));

    ShellIcon(frame, NIM_DELETE);
    SendMessageA(tray.GetHwnd(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(ShellIcon(frame, NIM_MODIFY));
    ShellIcon(frame, NIM_DELETE);
    SendMessageA(tray.GetHwnd(), WM_SETTINGCHANGE, SPI_SETDESKWALLPAPER, 0);
    EXPECT_FALSE(ShellIcon(frame, NIM_MODIFY));
    SendMessageA(tray.GetHwnd(), WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
    EXPECT_TRUE(ShellIcon(frame, NIM_MODIFY));

    SendMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_FALSE(ShellIcon(frame, NIM_MODIFY));
}

// A shell that refuses the icon at start (the taskbar not there yet) does
// not stop the program; the icon comes once the taskbar announces itself.
// The refusing taskbar is a window of the taskbar's class made here, which
// the shell's icon call finds before the real one.
LRESULT CALLBACK RefusingTaskbarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return message == WM_COPYDATA ? FALSE : DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(MainFrameTest, StartsWhenTheShellRefusesTheIconAndAddsItLater) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = RefusingTaskbarProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "Shell_TrayWnd";
    RegisterClassA(&wc);
    HWND refusing = CreateWindowExA(0, "Shell_TrayWnd", nullptr, WS_POPUP, 0, 0, 0, 0, nullptr,
                                    nullptr, wc.hInstance, nullptr);
    ASSERT_TRUE(refusing);
    ASSERT_TRUE(StartApp());
    CSystemTray& tray = Main()->TrayIcon();
    EXPECT_TRUE(tray.IsReaddPending());
    EXPECT_FALSE(tray.IsIconShown());

    DestroyWindow(refusing);
    UnregisterClassA("Shell_TrayWnd", wc.hInstance);
    SendMessageA(tray.GetHwnd(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(tray.IsIconShown());
    EXPECT_TRUE(ShellIcon(Frame(), NIM_MODIFY));
}

// Restore All is disabled at start; the desktop commands take turns, also
// from the tray menu's enabling (the same rules), while the window is parked.
TEST_F(MainFrameTest, DesktopCommandsTakeTurnsWhileTheWindowIsParked) {
    ASSERT_TRUE(StartApp());
    ShowWindow(Frame(), SW_MINIMIZE);
    Idle();
    ASSERT_TRUE(Main()->IsInTray());
    EXPECT_TRUE(MenuItemEnabled(kMinimizeAll));
    EXPECT_FALSE(MenuItemEnabled(kRestoreAll));
    Command(kMinimizeAll);
    EXPECT_FALSE(MenuItemEnabled(kMinimizeAll));
    EXPECT_TRUE(MenuItemEnabled(kRestoreAll));
    Command(kRestoreAll);
    EXPECT_TRUE(MenuItemEnabled(kMinimizeAll));
    EXPECT_FALSE(IsWindowVisible(Frame()));
}

// While a menu is open its prompts get the whole status bar; afterwards the
// panes are as before.
TEST_F(MainFrameTest, MessagePaneTakesTheWholeBarWhileAMenuIsOpen) {
    ASSERT_TRUE(StartApp());
    auto parts = [this] {
        int rights[4] = {};
        int count = static_cast<int>(
            SendMessageA(StatusBar(), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(rights)));
        return std::vector<int>(rights, rights + count);
    };
    const std::vector<int> before = parts();
    ASSERT_EQ(before.size(), 2u);
    RECT bar = {};
    GetWindowRect(StatusBar(), &bar);
    ASSERT_LT(before[0], bar.right - bar.left);

    HMENU menuBar = GetMenu(Frame());
    SendMessageA(Frame(), WM_MENUSELECT, MAKEWPARAM(0, MF_POPUP),
                 reinterpret_cast<LPARAM>(menuBar));
    SendMessageA(Frame(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(GetSubMenu(menuBar, 0)), 0);
    EXPECT_GE(parts()[0], bar.right - bar.left);
    SendMessageA(Frame(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(parts(), before);
}

// A dragged window snaps to the work area's left edge within 9 pixels (the
// default limit is 10), not at 10; the window is at least 300 by 204.
TEST_F(MainFrameTest, SnapsWhileDraggedAndKeepsItsMinimumSize) {
    ASSERT_TRUE(StartApp());
    MINMAXINFO limits = {};
    SendMessageA(Frame(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    EXPECT_EQ(limits.ptMinTrackSize.x, 300);
    EXPECT_EQ(limits.ptMinTrackSize.y, 204);

    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    MoveWindow(Frame(), work.left + 100, work.top + 100, 500, 300, TRUE);
    SetCursorPos(work.left + 150, work.top + 110);  // on the caption
    SendMessageA(Frame(), WM_ENTERSIZEMOVE, 0, 0);
    auto dragTo = [&](int left) {
        SetCursorPos(work.left + left + 50, work.top + 210);
        RECT proposed = {0, 0, 500, 300};
        SendMessageA(Frame(), WM_MOVING, WMSZ_TOP, reinterpret_cast<LPARAM>(&proposed));
        return std::to_string(proposed.left - work.left) + "," +
               std::to_string(proposed.top - work.top);
    };
    EXPECT_EQ(dragTo(9), "0,200");
    EXPECT_EQ(dragTo(10), "10,200");
}

}  // namespace
