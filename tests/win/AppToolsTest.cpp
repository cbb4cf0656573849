// The preview window, Clear Wallpaper, the Options and List Settings
// dialogs and the About box in the real application: keys through the
// accelerators, the window's own pixels, Wine's registry and shell. Dialogs
// are driven while their loops run (CUiScript).

#include "AppFixture.h"
#include "EditTestSupport.h"
#include "RegistryValues.h"
#include "TestImageFiles.h"

#include <functional>

#include "base/PathParts.h"
#include "dialogs/win/AboutDlg.h"
#include "list/WallpaperItem.h"
#include "wallpaper/win/PreviewDlg.h"

using namespace apptest;
using edittest::CUiScript;
using edittest::FindThreadWindow;
using test_registry::TypedValue;

namespace {

// Command and timer ids as the menus and the program's users know them.
constexpr UINT kOptions = 32793, kListSettings = 32783, kRecycle = 32775, kAbout = 57664,
               kSelectAll = 32812;
constexpr UINT_PTR kChangeTimer = 1246;
const char* const kKey = test_registry::kProgramKey;

class AppTools : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        std::string exe = m_program.File("varnello.exe");  // CurrentPaper.bmp goes there
        SetModuleFileNameSource([exe] { return exe; });
    }
    // Starts with LIST.vld of these items, the interval flag as given.
    void Start(const std::vector<FileItem>& items, std::int32_t flag = 0) {
        ASSERT_TRUE(WriteBytes(m_temp.File("LIST.vld"), ListWithInterval(flag, 0, 5, items)));
        ASSERT_TRUE(StartApp({m_temp.File("LIST.vld")}));
    }
    // Closes the program as the user does, with nothing to save.
    void Close() {
        Doc()->SetModifiedFlag(false);
        SendMessageA(Frame(), WM_CLOSE, 0, 0);
        for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);)
            if (msg.message != WM_QUIT)
                DispatchMessageA(&msg);
        m_app.reset();
    }
    void Key(UINT key) {
        PostMessageA(List(), WM_KEYDOWN, key, 0);
        Idle();
    }
    // Runs a command whose dialog the step answers once it is shown.
    void WithDialog(UINT command, const char* caption, std::function<bool(HWND)> step) {
        CUiScript script({[&] {
            HWND dialog = FindThreadWindow(caption);
            return dialog && step(dialog) && PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        }});
        Command(command);
        EXPECT_TRUE(script.Finished() && script.Failure().empty()) << script.Failure();
    }
    CPreviewDlg* Preview() { return View()->ToolCommands().Preview(); }
    // Where a window's top-left corner is: "x,y".
    static std::string At(HWND hwnd) {
        RECT r = {};
        GetWindowRect(hwnd, &r);
        return std::to_string(r.left) + "," + std::to_string(r.top);
    }
    bool TimerRunning() { return KillTimer(List(), kChangeTimer) != FALSE; }
    // A click with the left button on a row (-1: below the last row), with
    // the keys held (MK_SHIFT, MK_CONTROL).
    void ClickRow(int row, WPARAM keys = 0) {
        RECT rect = {};
        rect.left = LVIR_LABEL;
        int at = row < 0 ? RowCount() - 1 : row;
        ASSERT_TRUE(SendMessageA(List(), LVM_GETITEMRECT, static_cast<WPARAM>(at),
                                 reinterpret_cast<LPARAM>(&rect)));
        int y = row < 0 ? rect.bottom + 3 * (rect.bottom - rect.top) : (rect.top + rect.bottom) / 2;
        LPARAM point = MAKELPARAM(rect.left + 4, y);
        SendMessageA(List(), WM_LBUTTONDOWN, MK_LBUTTON | keys, point);
        SendMessageA(List(), WM_LBUTTONUP, keys, point);
        Idle();
    }

    test_images::CGdiplusSession m_gdiplus;
    CTempFolder m_program;
};

}  // namespace

// F5 opens the preview, a top-level window of its own at (0, 0) the first
// time, with the selected image scaled into the drawing area and the button
// face in the strip left free. It follows the selection, says when a file
// is missing, is shown again by F5, and its position outlives the program;
// a position on no monitor opens at the work area's corner.
TEST_F(AppTools, PreviewShowsFollowsAndRemembers) {
    ASSERT_TRUE(test_images::WritePattern(m_temp.File("b.png"), 8, 6, false, L"image/png"));
    Start({{m_temp.File("a.png"), "Tile", 0, 1},
           {m_temp.File("b.png"), "Tile", 0, 1},
           {m_temp.File("gone.png"), "Tile", 0, 1}});
    Select({1});
    Key(VK_F5);
    ASSERT_NE(Preview(), nullptr);
    HWND preview = Preview()->GetHwnd();
    EXPECT_EQ(GetWindow(preview, GW_OWNER), nullptr);
    EXPECT_EQ(At(preview), "0,0");
    EXPECT_EQ(Preview()->Image().Width(), 8);

    // Twice as wide as the area and as high, in squares of 2 x 2 pixels: the
    // area's width and half its height, one pattern pixel per square.
    RECT area = {};
    GetWindowRect(GetDlgItem(preview, 1019), &area);
    MapWindowPoints(nullptr, preview, reinterpret_cast<POINT*>(&area), 2);
    const int width = area.right - area.left, height = area.bottom - area.top;
    ASSERT_TRUE(
        test_images::WritePattern(m_temp.File("a.png"), width * 2, height, false, L"image/png", 2));
    Select({0});
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    HDC dc = GetDC(preview);
    int wrong = 0;
    for (int y = 0; y < height; y += 3)
        for (int x = 0; x < width; x += 3) {
            test_images::Argb p = test_images::PatternPixel(x, y, false);
            COLORREF want = y < height / 2 ? RGB(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF) : face;
            wrong += GetPixel(dc, area.left + x, area.top + y) != want;
        }
    ReleaseDC(preview, dc);
    EXPECT_EQ(wrong, 0) << "pixels that differ from the scaled image";

    ListView_SetItemState(List(), 1, LVIS_SELECTED, LVIS_SELECTED);  // two rows: empty
    EXPECT_FALSE(Preview()->IsShowing());
    ListView_SetItemState(List(), 0, 0, LVIS_SELECTED);  // back to one: still empty
    EXPECT_FALSE(Preview()->IsShowing());
    Select({2});
    ASSERT_EQ(m_prompter.Boxes().size(), 1u);
    EXPECT_EQ(
        m_prompter.Boxes()[0].text,
        "The selected wallpaper file does not exist! Expected file:\n\n" + m_temp.File("gone.png"));
    EXPECT_EQ(m_prompter.Boxes()[0].owner, preview);
    View()->ShowPreviewWindow(SW_HIDE);  // the main window's parking
    Key(VK_F5);
    EXPECT_TRUE(IsWindowVisible(preview));

    SetWindowPos(preview, nullptr, 123, 77, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(preview, SW_MINIMIZE);
    Close();  // the list window closes the preview, which stores where it was before minimised
    EXPECT_EQ(TypedValue(kKey, "Preview X") + TypedValue(kKey, "Preview Y"), "dword:123dword:77");
    Start({});
    Key(VK_F5);
    EXPECT_EQ(At(Preview()->GetHwnd()), "123,77");
    Close();
    test_registry::WriteDword(kKey, "Preview X", static_cast<DWORD>(-20000));
    Start({});
    Key(VK_F5);
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(At(Preview()->GetHwnd()), std::to_string(work.left) + "," + std::to_string(work.top));
    EXPECT_EQ(TypedValue(kKey, "Preview X"), "dword:-20000");     // until it closes
    PostMessageA(Preview()->GetHwnd(), WM_COMMAND, IDCANCEL, 0);  // Esc
    Idle();
    EXPECT_EQ(Preview(), nullptr);
    EXPECT_EQ(TypedValue(kKey, "Preview X"), "dword:" + std::to_string(work.left));
    // The close box and Enter destroy it too, and each close stores the place.
    for (int x : {40, 41}) {
        Key(VK_F5);
        ASSERT_NE(Preview(), nullptr);
        HWND window = Preview()->GetHwnd();
        SetWindowPos(window, nullptr, x, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        if (x == 40)
            PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        else
            PostMessageA(window, WM_KEYDOWN, VK_RETURN, 0);
        Idle();
        EXPECT_EQ(Preview(), nullptr) << x;
        EXPECT_EQ(TypedValue(kKey, "Preview X"), "dword:" + std::to_string(x));
    }
}

// The list reports a range chosen with Shift (LVN_ODSTATECHANGED) and a
// change of every row at once (Select All, a click that leaves no row
// selected: item -1) in one notification each; the preview follows them as
// it follows the change of a single row.
TEST_F(AppTools, PreviewFollowsRangesAndWholeListChanges) {
    const int widths[] = {4, 8, 10, 12};
    std::vector<FileItem> items;
    for (int i = 0; i < 4; ++i) {
        std::string file = m_temp.File(std::string(1, static_cast<char>('a' + i)) + ".png");
        ASSERT_TRUE(test_images::WritePattern(file, widths[i], 3, false, L"image/png"));
        items.push_back({file, "Tile", 0, 1});
    }
    Start(items);
    ClickRow(0);
    Key(VK_F5);
    ASSERT_NE(Preview(), nullptr);
    EXPECT_EQ(Preview()->Image().Width(), 4);

    // The focus goes ahead to row 2 alone, so that the range is the only
    // change the Shift+click reports.
    ListView_SetItemState(List(), 2, LVIS_FOCUSED, LVIS_FOCUSED);
    EXPECT_TRUE(Preview()->IsShowing());
    ClickRow(2, MK_SHIFT);  // rows 0 to 2
    EXPECT_EQ(SelectedCount(), 3);
    EXPECT_FALSE(Preview()->IsShowing());
    ClickRow(3);
    EXPECT_TRUE(Preview()->IsShowing());
    EXPECT_EQ(Preview()->Image().Width(), 12);

    Command(kSelectAll);
    EXPECT_EQ(SelectedCount(), 4);
    EXPECT_FALSE(Preview()->IsShowing());
    ClickRow(1);
    EXPECT_TRUE(Preview()->IsShowing());
    EXPECT_EQ(Preview()->Image().Width(), 8);

    ClickRow(-1);  // no row selected: the last image stays
    EXPECT_EQ(SelectedCount(), 0);
    EXPECT_TRUE(Preview()->IsShowing());
    EXPECT_EQ(Preview()->Image().Width(), 8);
    EXPECT_TRUE(m_prompter.Boxes().empty());
}

// F12 asks; No changes nothing, Yes empties the desktop's wallpaper, and the
// interval timer keeps running.
TEST_F(AppTools, ClearWallpaperWithF12) {
    Start({{m_temp.File("a.png"), "Tile", 0, 1}}, 1);
    View()->ArmChangeTimer();
    test_registry::WriteString(test_registry::kDesktopKey, "Wallpaper", "C:\\before.bmp");
    m_prompter.Answer(mb::kIdNo);
    Key(VK_F12);
    EXPECT_EQ(TypedValue(test_registry::kDesktopKey, "Wallpaper"), "sz:C:\\before.bmp");
    m_prompter.Answer(mb::kIdYes);
    Key(VK_F12);
    EXPECT_EQ(TypedValue(test_registry::kDesktopKey, "Wallpaper"), "sz:");
    ASSERT_EQ(m_prompter.Boxes().size(), 2u);
    EXPECT_EQ(m_prompter.Boxes()[1].caption, "Clear Wallpaper?");
    EXPECT_TRUE(TimerRunning());
}

// The dialog shows the stored options, greys the two start-up actions while
// the reload box is clear, and OK applies at once: the main window leaves
// the topmost band, frame and preview snap with the new values. The registry
// gets them when the program closes.
TEST_F(AppTools, OptionsApplyAtOnce) {
    for (auto [name, value] : {std::pair{"Keep On Top", 1},
                               {"Reload Last List", 1},
                               {"Change On Start", 1},
                               {"Warn On Recycle", 0},
                               {"Snap Limit", 33}})
        test_registry::WriteDword(kKey, name, static_cast<DWORD>(value));
    Start({});
    EXPECT_TRUE(GetWindowLongA(Frame(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    Key(VK_F5);
    std::string shown;
    bool clicked = false;
    WithDialog(kOptions, "Options", [&](HWND dialog) {
        if (!clicked) {  // as opened: checks of 1002-1007, 1009, 1010, 1020, and 1008
            for (int id : {1002, 1003, 1004, 1005, 1006, 1007, 1009, 1010, 1020})
                shown += std::to_string(IsDlgButtonChecked(dialog, id));
            shown += " " + edittest::ItemText(dialog, 1008);
            CheckDlgButton(dialog, 1005, BST_UNCHECKED);
            SetDlgItemTextA(dialog, 1008, "200");
            PostMessageA(GetDlgItem(dialog, 1003), BM_CLICK, 0, 0);
            clicked = true;
        }
        return !IsWindowEnabled(GetDlgItem(dialog, 1004)) &&
               !IsWindowEnabled(GetDlgItem(dialog, 1020));  // greyed at idle time
    });
    EXPECT_EQ(shown, "011101010 33");
    EXPECT_FALSE(GetWindowLongA(Frame(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(static_cast<CMainFrame*>(m_app->MainFrame())->GetSnapLimit(), 200);
    EXPECT_EQ(Preview()->GetSnapLimit(), 200);
    EXPECT_EQ(TypedValue(kKey, "Keep On Top"), "dword:1");
    Close();
    EXPECT_EQ(TypedValue(kKey, "Keep On Top") + TypedValue(kKey, "Reload Last List") +
                  TypedValue(kKey, "Change On Start"),
              "dword:0dword:0dword:1");
}

// Turning the interval on arms timer 1246 and marks the list (also after a
// refused value); OK without a change marks nothing; turning it off stops
// the timer.
TEST_F(AppTools, ListSettingsDriveTheTimerAndTheMark) {
    Start({});
    // The step waits until the idle-time enabling has run.
    auto settled = [](HWND d) {
        return (IsWindowEnabled(GetDlgItem(d, 1012)) != FALSE) ==
               (IsDlgButtonChecked(d, 1002) != 0);
    };
    std::string position;
    WithDialog(kListSettings, "List Settings", [&](HWND dialog) {
        position = edittest::ItemText(dialog, 1011);
        CheckDlgButton(dialog, 1002, BST_CHECKED);
        SetDlgItemTextA(dialog, 1012, "25");  // refused first: the dialog stays
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        SetDlgItemTextA(dialog, 1012, "24");
        SetDlgItemTextA(dialog, 1014, "59");
        SendDlgItemMessageA(dialog, 1011, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                            reinterpret_cast<LPARAM>("Tile"));
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(1011, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, 1011)));
        return true;
    });
    CListSettings* settings = Doc()->GetSettings();
    EXPECT_EQ(position + " -> " + settings->GetDefaultPosition(), "Stretch -> Tile");
    EXPECT_EQ(
        settings->GetIntervalChange() * 10000 + settings->GetHours() * 100 + settings->GetMinutes(),
        12459);
    ASSERT_EQ(m_prompter.Boxes().size(), 1u);
    EXPECT_EQ(m_prompter.Boxes()[0].text, "Please enter an integer between 0 and 24.");
    EXPECT_EQ(FrameTitle(), "LIST.vld * - Varnello");
    EXPECT_TRUE(TimerRunning());
    Doc()->SetModifiedFlag(false);
    WithDialog(kListSettings, "List Settings", settled);
    EXPECT_FALSE(Doc()->IsModified());
    View()->ArmChangeTimer();
    WithDialog(kListSettings, "List Settings", [&](HWND dialog) {
        return settled(dialog) && CheckDlgButton(dialog, 1002, BST_UNCHECKED);
    });
    EXPECT_FALSE(TimerRunning());
    EXPECT_TRUE(Doc()->IsModified());
}

// A timer tick while the recycle question is open applies another row and
// selects it; Yes still recycles the file that was selected.
TEST_F(AppTools, RecycleAfterATimerTickRecyclesTheChosenFile) {
    for (const char* name : {"a.png", "b.png", "c.png"})
        ASSERT_TRUE(test_images::WritePattern(m_temp.File(name), 4, 3, false, L"image/png"));
    Start({{m_temp.File("a.png"), "Tile", 0, 0},  // not pending: the tick picks b or c
           {m_temp.File("b.png"), "Tile", 0, 1},
           {m_temp.File("c.png"), "Tile", 0, 1}},
          1);
    Select({0});
    struct TickingPrompter : CRecordingPrompter {
        std::function<void()> tick;
        int Show(WindowHandle o, const std::string& t, const std::string& c, unsigned s) override {
            tick();
            return CRecordingPrompter::Show(o, t, c, s);
        }
    } prompter;
    prompter.tick = [&] {
        SetTimer(List(), kChangeTimer, 10, nullptr);
        for (DWORD start = GetTickCount();
             ListView_GetItemState(List(), 0, LVIS_SELECTED) && GetTickCount() - start < 5000;)
            if (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&msg);
        KillTimer(List(), kChangeTimer);
    };
    prompter.Answer(mb::kIdYes);
    SetPrompter(&prompter);
    Command(kRecycle);
    SetPrompter(&m_prompter);
    EXPECT_EQ(GetFileAttributesA(m_temp.File("a.png").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(FileNameColumn(), "b.png,c.png");
    EXPECT_NE(GetFileAttributesA(m_temp.File("b.png").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(GetFileAttributesA(m_temp.File("c.png").c_str()), INVALID_FILE_ATTRIBUTES);
}

namespace {

// The default value of a key under HKEY_CLASSES_ROOT ("" when none); Set
// gives the old value back.
std::string SetClassValue(const std::string& key, const std::string& value) {
    HKEY handle = nullptr;
    RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle,
                    nullptr);
    char old[1024] = {};
    DWORD size = sizeof old - 1;
    RegQueryValueExA(handle, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(old), &size);
    RegSetValueExA(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(handle);
    return old;
}

// The line a command wrote to a file, without blanks around it.
std::string Written(const std::string& path) {
    std::string text = ReadBytes(path);
    text = text == "<missing>" ? "" : text.substr(0, text.find_first_of("\r\n"));
    return text.substr(std::min(text.size(), text.find_first_not_of(' ')));
}

}  // namespace

// About opens the box. The mail link opens through the shell (a mailto:
// handler that writes its argument to a file); the home page link, which
// the shell cannot open, through the command of the ".htm" type; with no
// such command the click says why.
TEST_F(AppTools, AboutLinksOpenThroughTheShellOrTheBrowserCommand) {
    ASSERT_TRUE(StartApp());
    WithDialog(kAbout, "About Varnello", [](HWND) { return true; });
    const std::string echo = "C:\\windows\\system32\\cmd.exe /c echo>";
    const std::string viaShell = m_temp.File("shell.txt"), viaHtm = m_temp.File("htm.txt");
    std::string mailto = SetClassValue("mailto\\shell\\open\\command", echo + viaShell + " %1");
    std::string https = SetClassValue("https\\shell\\open\\command", "C:\\none\\web.exe \"%1\"");
    std::string htm = SetClassValue(".htm", "VarnelloTest.htm");
    SetClassValue("VarnelloTest.htm\\shell\\open\\command", echo + viaHtm + " \"%1\"");
    auto click = [](HWND dialog, int id) {
        PostMessageA(GetDlgItem(dialog, id), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        return PostMessageA(GetDlgItem(dialog, id), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    };
    CAboutDlg about;
    LOGFONTA font = {};
    HWND dialog = nullptr;
    CUiScript script({
        [&] { return (dialog = FindThreadWindow("About Varnello")) && click(dialog, 1022); },
        [&] { return !Written(viaShell).empty() && click(dialog, 1021); },
        [&] {
            return !Written(viaHtm).empty() && !SetClassValue(".htm", "NoSuchType").empty() &&
                   click(dialog, 1021);
        },
        [&] {
            GetObjectA(reinterpret_cast<HFONT>(SendDlgItemMessageA(dialog, 1022, WM_GETFONT, 0, 0)),
                       sizeof font, &font);
            return !m_prompter.Boxes().empty() && PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        },
    });
    EXPECT_EQ(about.DoModal(Frame()), IDOK);
    EXPECT_TRUE(script.Finished() && script.Failure().empty()) << script.Failure();
    SetClassValue("mailto\\shell\\open\\command", mailto);
    SetClassValue("https\\shell\\open\\command", https);
    SetClassValue(".htm", htm);
    RegDeleteTreeA(HKEY_CLASSES_ROOT, "VarnelloTest.htm");

    EXPECT_EQ(Written(viaShell), "mailto:support@varnello.example.org");
    EXPECT_EQ(Written(viaHtm), "https://varnello.example.org/");
    EXPECT_TRUE(about.m_linkMail.IsVisited());
    EXPECT_EQ(about.m_linkMail.TextColour(), RGB(0, 0, 255));  // blue when visited too
    EXPECT_TRUE(font.lfUnderline);
    EXPECT_FALSE(about.m_linkHome.IsVisited());  // its last open failed
    ASSERT_EQ(m_prompter.Boxes().size(), 1u);
    EXPECT_EQ(m_prompter.Boxes()[0].text,
              "Unable to open hyperlink:\n\nThe specified file was not found.");
    EXPECT_EQ(m_prompter.Boxes()[0].caption + " " + std::to_string(m_prompter.Boxes()[0].style),
              "Varnello 48");
}
