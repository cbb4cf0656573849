// The main window inside the test process: its icons, the close that is
// refused, the notification-area icon and its menu while the window is
// parked, the status pane during menus, snapping and the minimum size.

#include "AppFixture.h"
#include "RegistryValues.h"

using namespace apptest;

namespace {

constexpr UINT kTrayNotify = 0x800A;
constexpr UINT kIconId = 142;
constexpr UINT kMinimizeAll = 32785, kRestoreAll = 32786, kApplyRandom = 32813;

class MainFrameTest : public AppFixture {
protected:
    CMainFrame* Main() const { return static_cast<CMainFrame*>(m_app->MainFrame()); }
};

// Whether the shell holds the icon: it answers a change of nothing only then.
bool ShellHoldsIcon(HWND owner) {
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V2_SIZE;
    data.hWnd = owner;
    data.uID = kIconId;
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

void RemoveIconBehindItsBack(HWND owner) {
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V2_SIZE;
    data.hWnd = owner;
    data.uID = kIconId;
    Shell_NotifyIconA(NIM_DELETE, &data);
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
    EXPECT_EQ(icon.hWnd, frame);
    EXPECT_EQ(icon.uID, kIconId);
    EXPECT_EQ(icon.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(icon.uCallbackMessage, kTrayNotify);
    EXPECT_STREQ(icon.szTip, "Varnello");
    EXPECT_TRUE(ShellHoldsIcon(frame));

    RemoveIconBehindItsBack(frame);
    SendMessageA(tray.GetHwnd(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(ShellHoldsIcon(frame));
    RemoveIconBehindItsBack(frame);
    SendMessageA(tray.GetHwnd(), WM_SETTINGCHANGE, SPI_SETDESKWALLPAPER, 0);
    EXPECT_FALSE(ShellHoldsIcon(frame));
    SendMessageA(tray.GetHwnd(), WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
    EXPECT_TRUE(ShellHoldsIcon(frame));

    SendMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_FALSE(ShellHoldsIcon(frame));
}

// The tray menu while it is open: the enabling of some items, its default
// item; then the item with the access key is chosen.
struct TrayMenuVisit {
    std::string states;  // "id:+" or "id:-" for the ids asked, then "default N"
    char choose = 0;
} g_visit;

// This thread's open pop-up menu window, if any.
BOOL CALLBACK FindOpenMenu(HWND hwnd, LPARAM found) {
    char name[16] = {};
    GetClassNameA(hwnd, name, sizeof name);
    if (std::string(name) != "#32768" || !IsWindowVisible(hwnd))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
}

void CALLBACK ReadTrayMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND popup = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindOpenMenu, reinterpret_cast<LPARAM>(&popup));
    if (!popup)
        return;
    KillTimer(nullptr, timer);
    HMENU menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
    for (UINT id : {kApplyRandom, kMinimizeAll, kRestoreAll})
        g_visit.states += std::to_string(id) +
                          ((GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) ? ":- " : ":+ ");
    g_visit.states += "default " + std::to_string(GetMenuDefaultItem(menu, TRUE, GMDI_USEDISABLED));
    PostMessageA(popup, WM_CHAR, static_cast<WPARAM>(g_visit.choose), 0);
}

std::string ChooseFromTrayMenu(HWND frame, char key) {
    g_visit = {std::string(), key};
    SetTimer(nullptr, 0, 50, ReadTrayMenu);
    // Returns once the menu has closed.
    SendMessageA(frame, kTrayNotify, kIconId, WM_RBUTTONUP);
    return g_visit.states;
}

// Restore All is disabled at start; the tray menu's commands act while the
// window stays parked, and the two desktop commands take turns.
TEST_F(MainFrameTest, TrayMenuWorksWhileTheWindowIsParked) {
    ASSERT_TRUE(StartApp());
    EXPECT_TRUE(MenuItemEnabled(kMinimizeAll));
    EXPECT_FALSE(MenuItemEnabled(kRestoreAll));
    ShowWindow(Frame(), SW_MINIMIZE);
    Idle();
    ASSERT_TRUE(Main()->IsInTray());
    EXPECT_FALSE(IsWindowVisible(Frame()));

    EXPECT_EQ(ChooseFromTrayMenu(Frame(), 'm'), "32813:- 32785:+ 32786:- default 0");
    Idle();
    EXPECT_EQ(ChooseFromTrayMenu(Frame(), 'e'), "32813:- 32785:- 32786:+ default 0");
    Idle();
    EXPECT_TRUE(MenuItemEnabled(kMinimizeAll));
    EXPECT_FALSE(MenuItemEnabled(kRestoreAll));
    EXPECT_TRUE(Main()->IsInTray());
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
               std::to_string(proposed.top - work.top) + "," +
               std::to_string(proposed.right - proposed.left);
    };
    EXPECT_EQ(dragTo(9), "0,200,500");
    EXPECT_EQ(dragTo(10), "10,200,500");
    EXPECT_EQ(dragTo(-5), "0,200,500");
}

}  // namespace
