// The preview window, Clear Wallpaper, the Options and List Settings
// dialogs and the About box in the real application: real windows, keys
// through the accelerators, the window's own pixels, Wine's registry and
// shell. Dialogs are driven while their loops run (CUiScript).

#include "AppFixture.h"
#include "EditTestSupport.h"
#include "RegistryValues.h"
#include "TestImageFiles.h"

#include <algorithm>
#include <functional>
#include <optional>

#include "base/PathParts.h"
#include "dialogs/win/AboutDlg.h"
#include "list/WallpaperItem.h"
#include "wallpaper/win/PreviewDlg.h"

using namespace apptest;
using edittest::CUiScript;
using edittest::FindThreadWindow;
using edittest::ItemText;

namespace {

// Command and timer ids as the menus and the program's users know them.
constexpr UINT kOptions = 32793, kListSettings = 32783, kRecycle = 32775;
constexpr UINT_PTR kChangeTimer = 1246;
const char* const kKey = test_registry::kProgramKey;

class AppTools : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        std::string exe = m_program.File("varnello.exe");  // CurrentPaper.bmp goes there
        SetModuleFileNameSource([exe] { return exe; });
    }
    void TearDown() override {
        AppFixture::TearDown();
        SetModuleFileNameSource(nullptr);
    }

    // Starts with LIST.vld of these items from the command line.
    void StartWithList(const std::vector<FileItem>& items, std::int32_t flag = 0) {
        ASSERT_TRUE(WriteBytes(m_temp.File("LIST.vld"), ListWithInterval(flag, 0, 5, items)));
        ASSERT_TRUE(StartApp({m_temp.File("LIST.vld")}));
    }
    // Closes the program as the user does, with nothing to save.
    void CloseApp() {
        Doc()->SetModifiedFlag(false);
        SendMessageA(Frame(), WM_CLOSE, 0, 0);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            if (msg.message != WM_QUIT)
                DispatchMessageA(&msg);
        m_app.reset();
    }
    // A key as the user presses it, through the accelerators.
    void Key(UINT key) {
        PostMessageA(List(), WM_KEYDOWN, key, 0);
        Idle();
    }
    CPreviewDlg* Preview() { return View()->ToolCommands().Preview(); }
    RECT WindowRect(HWND hwnd) {
        RECT r = {};
        GetWindowRect(hwnd, &r);
        return r;
    }
    bool TimerRunning() { return KillTimer(List(), kChangeTimer) != FALSE; }

    test_images::CGdiplusSession m_gdiplus;
    CTempFolder m_program;
};

// A top-down 32-bit bitmap of the size.
BITMAPINFO Info32(int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    return info;
}

// The pixels of a rectangle of a window (or of a memory bitmap) as 0xRRGGBB.
std::vector<std::uint32_t> Pixels(HDC source, int x, int y, int width, int height) {
    BITMAPINFO info = Info32(width, height);
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(source);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
    GdiFlush();
    auto* p = static_cast<std::uint32_t*>(bits);
    std::vector<std::uint32_t> out(p, p + static_cast<std::size_t>(width) * height);
    for (std::uint32_t& pixel : out)
        pixel &= 0xFFFFFF;
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return out;
}

// The source image stretched as COLORONCOLOR stretching drops rows and columns.
std::vector<std::uint32_t> Scaled(const std::string& path, int width, int height) {
    int w = 0, h = 0, format = 0;
    std::vector<test_images::Argb> source = test_images::DecodePixels(path, w, h, format);
    BITMAPINFO info = Info32(w, h);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP target = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, target);
    SetStretchBltMode(memory, COLORONCOLOR);
    StretchDIBits(memory, 0, 0, width, height, 0, 0, w, h, source.data(), &info, DIB_RGB_COLORS,
                  SRCCOPY);
    std::vector<std::uint32_t> out = Pixels(memory, 0, 0, width, height);
    SelectObject(memory, previous);
    DeleteObject(target);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return out;
}

}  // namespace

// F5 opens the preview, a top-level window of its own at (0, 0) the first
// time, showing the selected image scaled to the drawing area's width with
// the free strip below in the button face. It follows the selection, says
// when a file is missing, and its position outlives the program.
TEST_F(AppTools, PreviewShowsFollowsAndRemembers) {
    ASSERT_TRUE(test_images::WritePattern(m_temp.File("b.png"), 8, 6, false, L"image/png"));
    StartWithList({{m_temp.File("a.png"), "Tile", 0, 1},
                   {m_temp.File("b.png"), "Tile", 0, 1},
                   {m_temp.File("gone.png"), "Tile", 0, 1}});
    Select({1});
    Key(VK_F5);
    ASSERT_NE(Preview(), nullptr);
    HWND preview = Preview()->GetHwnd();
    EXPECT_EQ(FindThreadWindow("Wallpaper Preview"), preview);
    EXPECT_EQ(GetWindow(preview, GW_OWNER), nullptr);
    EXPECT_EQ(WindowRect(preview).left, 0);
    EXPECT_EQ(WindowRect(preview).top, 0);
    EXPECT_EQ(Preview()->Image().Width(), 8);

    // A wide image, twice as wide as the drawing area and as high: drawn at
    // the area's width and half its height, the button face below.
    RECT area = WindowRect(GetDlgItem(preview, 1019));
    MapWindowPoints(nullptr, preview, reinterpret_cast<POINT*>(&area), 2);
    const int width = area.right - area.left, height = area.bottom - area.top;
    ASSERT_TRUE(
        test_images::WritePattern(m_temp.File("a.png"), width * 2, height, false, L"image/png"));
    Select({0});
    HDC dc = GetDC(preview);
    std::vector<std::uint32_t> shown = Pixels(dc, area.left, area.top, width, height);
    ReleaseDC(preview, dc);
    std::vector<std::uint32_t> expected = Scaled(m_temp.File("a.png"), width, height / 2);
    std::uint32_t face = GetSysColor(COLOR_BTNFACE);
    expected.resize(shown.size(), (face & 0xFF) << 16 | (face & 0xFF00) | (face >> 16 & 0xFF));
    EXPECT_TRUE(shown == expected) << "the preview's pixels differ from the scaled image";

    auto setSelected = [this](int row, bool on) {
        ListView_SetItemState(List(), row, on ? LVIS_SELECTED : 0, LVIS_SELECTED);
        Idle();
    };
    setSelected(1, true);  // two rows: empty
    EXPECT_FALSE(Preview()->IsShowing());
    setSelected(0, false);  // back to one row, selected before: still empty
    EXPECT_FALSE(Preview()->IsShowing());
    Select({2});
    ASSERT_EQ(m_prompter.Boxes().size(), 1u);
    EXPECT_EQ(
        m_prompter.Boxes()[0].text,
        "The selected wallpaper file does not exist! Expected file:\n\n" + m_temp.File("gone.png"));
    EXPECT_EQ(m_prompter.Boxes()[0].owner, preview);
    Select({1});
    Select({});  // no row: the image stays
    EXPECT_EQ(Preview()->Image().Width(), 8);

    // Hidden by the main window's parking; F5 shows it again.
    View()->ShowPreviewWindow(SW_HIDE);
    EXPECT_FALSE(IsWindowVisible(preview));
    Key(VK_F5);
    EXPECT_TRUE(IsWindowVisible(preview));

    SetWindowPos(preview, nullptr, 123, 77, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    CloseApp();  // the list window closes the preview, which stores its place
    EXPECT_EQ(test_registry::TypedValue(kKey, "Preview X"), "dword:123");
    EXPECT_EQ(test_registry::TypedValue(kKey, "Preview Y"), "dword:77");
    StartWithList({});
    Key(VK_F5);
    EXPECT_EQ(WindowRect(Preview()->GetHwnd()).left, 123);
    EXPECT_EQ(WindowRect(Preview()->GetHwnd()).top, 77);
    CloseApp();

    // A place on no monitor opens at the work area's corner; the stored
    // values change when the window closes.
    test_registry::WriteDword(kKey, "Preview X", static_cast<DWORD>(-20000));
    StartWithList({});
    Key(VK_F5);
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(WindowRect(Preview()->GetHwnd()).left, work.left);
    EXPECT_EQ(WindowRect(Preview()->GetHwnd()).top, work.top);
    EXPECT_EQ(test_registry::TypedValue(kKey, "Preview X"), "dword:-20000");
    PostMessageA(Preview()->GetHwnd(), WM_COMMAND, IDCANCEL, 0);  // Esc
    Idle();
    EXPECT_EQ(Preview(), nullptr);
    EXPECT_EQ(test_registry::TypedValue(kKey, "Preview X"), "dword:" + std::to_string(work.left));
}

// F12 asks; No changes nothing, Yes empties the desktop's wallpaper and the
// interval timer keeps running.
TEST_F(AppTools, ClearWallpaperWithF12) {
    StartWithList({{m_temp.File("a.png"), "Tile", 0, 1}}, 1);
    View()->ArmChangeTimer();
    test_registry::WriteString(test_registry::kDesktopKey, "Wallpaper", "C:\\before.bmp");
    m_prompter.Answer(mb::kIdNo);
    Key(VK_F12);
    EXPECT_EQ(test_registry::StringValue(test_registry::kDesktopKey, "Wallpaper"),
              "C:\\before.bmp");
    m_prompter.Answer(mb::kIdYes);
    Key(VK_F12);
    EXPECT_EQ(test_registry::StringValue(test_registry::kDesktopKey, "Wallpaper"), "");
    ASSERT_EQ(m_prompter.Boxes().size(), 2u);
    EXPECT_EQ(m_prompter.Boxes()[1].caption, "Clear Wallpaper?");
    EXPECT_EQ(m_prompter.Boxes()[1].owner, List());
    EXPECT_TRUE(TimerRunning());
    EXPECT_FALSE(Doc()->IsModified());
}

// The dialog shows the stored options; OK applies them at once: the main
// window leaves the topmost band, the frame and the preview snap with the
// new values. The registry gets them when the program closes.
TEST_F(AppTools, OptionsApplyAtOnce) {
    for (auto [name, value] : {std::pair{"Keep On Top", 1},
                               {"Reload Last List", 1},
                               {"Change On Start", 1},
                               {"Warn On Recycle", 0},
                               {"Snap Window", 0},
                               {"Snap Limit", 33}})
        test_registry::WriteDword(kKey, name, static_cast<DWORD>(value));
    StartWithList({});
    EXPECT_TRUE(GetWindowLongA(Frame(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    Key(VK_F5);
    std::string shown, greyed;
    auto checks = [](HWND d) {
        std::string out;
        for (int id : {1002, 1003, 1004, 1005, 1006, 1007, 1009, 1010, 1020})
            out += std::to_string(IsDlgButtonChecked(d, id));
        return out + " " + ItemText(d, 1008);
    };
    HWND dialog = nullptr;
    CUiScript script({
        [&] {
            dialog = FindThreadWindow("Options");
            if (!dialog)
                return false;
            shown = checks(dialog);
            CheckDlgButton(dialog, 1005, BST_UNCHECKED);
            CheckDlgButton(dialog, 1007, BST_CHECKED);
            PostMessageA(GetDlgItem(dialog, 1003), BM_CLICK, 0, 0);  // reload off
            return true;
        },
        [&] {
            if (IsWindowEnabled(GetDlgItem(dialog, 1004)))
                return false;  // greyed at the next idle time
            greyed = checks(dialog) + (IsWindowEnabled(GetDlgItem(dialog, 1020)) ? " on" : " off");
            SetDlgItemTextA(dialog, 1008, "201");
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
            return true;
        },
        [&] {
            if (m_prompter.Boxes().empty())
                return false;
            SetDlgItemTextA(dialog, 1008, "200");
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
            return true;
        },
    });
    Command(kOptions);
    EXPECT_TRUE(script.Finished() && script.Failure().empty()) << script.Failure();
    EXPECT_EQ(shown, "011100010 33");  // 1002..1007, 1009, 1010, 1020, then 1008
    EXPECT_EQ(greyed, "001001010 33 off");
    EXPECT_EQ(m_prompter.Boxes()[0].text, "Please enter an integer between 5 and 200.");
    EXPECT_FALSE(GetWindowLongA(Frame(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    auto* frame = static_cast<CMainFrame*>(m_app->MainFrame());
    EXPECT_EQ(frame->GetSnapLimit(), 200);
    EXPECT_EQ(frame->GetSnapWindow(), 1);
    EXPECT_EQ(Preview()->GetSnapLimit(), 200);
    EXPECT_EQ(test_registry::TypedValue(kKey, "Keep On Top"), "dword:1");
    CloseApp();
    EXPECT_EQ(test_registry::TypedValue(kKey, "Keep On Top"), "dword:0");
    EXPECT_EQ(test_registry::TypedValue(kKey, "Change On Start"), "dword:1");
    EXPECT_EQ(test_registry::TypedValue(kKey, "Snap Limit"), "dword:200");
}

// The dialog shows the list's settings; turning the interval on arms timer
// 1246 and marks the list, turning it off stops the timer.
TEST_F(AppTools, ListSettingsDriveTheTimerAndTheMark) {
    StartWithList({});
    auto answer = [&](std::function<void(HWND)> change) {
        CUiScript script({[&] {
            HWND dialog = FindThreadWindow("List Settings");
            if (!dialog || (IsWindowEnabled(GetDlgItem(dialog, 1012)) != FALSE) !=
                               (IsDlgButtonChecked(dialog, 1002) == BST_CHECKED))
                return false;  // the enabling runs at idle time
            change(dialog);
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
            return true;
        }});
        Command(kListSettings);
        EXPECT_TRUE(script.Finished() && script.Failure().empty()) << script.Failure();
    };
    std::string position;
    answer([&](HWND dialog) {
        position = ItemText(dialog, 1011);
        CheckDlgButton(dialog, 1002, BST_CHECKED);
        SetDlgItemTextA(dialog, 1012, "24");
        SetDlgItemTextA(dialog, 1014, "59");
        SendDlgItemMessageA(dialog, 1011, CB_SETCURSEL, 2, 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(1011, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, 1011)));
    });
    EXPECT_EQ(position, "Stretch");
    CListSettings* settings = Doc()->GetSettings();
    EXPECT_EQ(settings->GetIntervalChange(), 1);
    EXPECT_EQ(settings->GetHours() * 100 + settings->GetMinutes(), 2459);
    EXPECT_EQ(settings->GetDefaultPosition(), "Tile");
    EXPECT_EQ(FrameTitle(), "LIST.vld * - Varnello");
    EXPECT_TRUE(TimerRunning());

    Doc()->SetModifiedFlag(false);
    answer([](HWND) {});  // nothing changed: no mark
    EXPECT_FALSE(Doc()->IsModified());
    answer([](HWND dialog) { CheckDlgButton(dialog, 1002, BST_UNCHECKED); });
    EXPECT_FALSE(TimerRunning());
    EXPECT_TRUE(Doc()->IsModified());
}

// A timer tick while the recycle question is open applies another row and
// selects it; Yes still recycles the file that was selected.
TEST_F(AppTools, RecycleAfterATimerTickRecyclesTheChosenFile) {
    for (const char* name : {"a.png", "b.png", "c.png"})
        ASSERT_TRUE(test_images::WritePattern(m_temp.File(name), 4, 3, false, L"image/png"));
    StartWithList({{m_temp.File("a.png"), "Tile", 0, 0},
                   {m_temp.File("b.png"), "Tile", 0, 1},
                   {m_temp.File("c.png"), "Tile", 0, 1}},
                  1);
    Select({0});
    struct TickingPrompter : CRecordingPrompter {
        std::function<void()> beforeAnswer;
        int Show(WindowHandle owner, const std::string& text, const std::string& caption,
                 unsigned style) override {
            if (beforeAnswer)
                beforeAnswer();
            return CRecordingPrompter::Show(owner, text, caption, style);
        }
    } prompter;
    prompter.beforeAnswer = [&] {
        SetTimer(List(), kChangeTimer, 10, nullptr);
        auto waiting = [this] {
            return View()->Rows().Item(1)->GetCount() + View()->Rows().Item(2)->GetCount() == 0;
        };
        for (DWORD start = GetTickCount(); waiting() && GetTickCount() - start < 5000;)
            if (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&msg);
        KillTimer(List(), kChangeTimer);
    };
    prompter.Answer(mb::kIdYes);
    SetPrompter(&prompter);
    Command(kRecycle);
    SetPrompter(&m_prompter);
    EXPECT_EQ(prompter.Boxes().size(), 1u);
    EXPECT_EQ(GetFileAttributesA(m_temp.File("a.png").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(GetFileAttributesA(m_temp.File("b.png").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(GetFileAttributesA(m_temp.File("c.png").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(FileNameColumn(), "b.png,c.png");
}

namespace {

// Default values of keys under HKEY_CLASSES_ROOT that a test sets; the old
// values come back (or the keys go) when it ends.
class CClassesGuard {
public:
    void Set(const std::string& key, const std::string& value) {
        HKEY handle = nullptr;
        DWORD created = 0;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0,
                                  KEY_READ | KEY_WRITE, nullptr, &handle, &created),
                  ERROR_SUCCESS);
        char old[1024] = {};
        DWORD size = sizeof old - 1;
        bool had = RegQueryValueExA(handle, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(old),
                                    &size) == ERROR_SUCCESS;
        if (created == REG_CREATED_NEW_KEY)
            m_saved.push_back({key, std::nullopt, true});
        else if (std::none_of(m_saved.begin(), m_saved.end(),
                              [&](const Saved& s) { return s.key == key; }))
            m_saved.push_back({key, had ? std::optional<std::string>(old) : std::nullopt, false});
        RegSetValueExA(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
        RegCloseKey(handle);
    }
    ~CClassesGuard() {
        for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
            if (it->created) {
                RegDeleteTreeA(HKEY_CLASSES_ROOT, it->key.c_str());
                continue;
            }
            HKEY handle = nullptr;
            if (RegOpenKeyExA(HKEY_CLASSES_ROOT, it->key.c_str(), 0, KEY_WRITE, &handle) != 0)
                continue;
            if (it->value)
                RegSetValueExA(handle, nullptr, 0, REG_SZ,
                               reinterpret_cast<const BYTE*>(it->value->c_str()),
                               static_cast<DWORD>(it->value->size() + 1));
            else
                RegDeleteValueA(handle, nullptr);
            RegCloseKey(handle);
        }
    }

private:
    struct Saved {
        std::string key;
        std::optional<std::string> value;
        bool created;
    };
    std::vector<Saved> m_saved;
};

// The first line a command wrote to a file, without blanks around it.
std::string FirstLine(const std::string& path) {
    std::string text = ReadBytes(path);
    if (text == "<missing>")
        return std::string();
    text = text.substr(0, text.find_first_of("\r\n"));
    std::size_t start = text.find_first_not_of(' ');
    return start == std::string::npos ? std::string() : text.substr(start);
}

void Click(HWND control) {
    PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

}  // namespace

// The mail link opens through the shell (a fake mailto: handler); the home
// page link, which the shell cannot open, through the command of the ".htm"
// type; when that is missing too, the click says why in a box. Open commands
// of the test write their command line's argument to a file.
TEST_F(AppTools, AboutLinksOpenThroughTheShellOrTheBrowserCommand) {
    ASSERT_TRUE(StartApp());
    CUiScript close({[] {
        HWND about = FindThreadWindow("About Varnello");
        if (about)
            PostMessageA(about, WM_COMMAND, IDOK, 0);
        return about != nullptr;
    }});
    Command(ID_APP_ABOUT);
    EXPECT_TRUE(close.Finished() && close.Failure().empty()) << close.Failure();

    CClassesGuard classes;
    const std::string echo = "C:\\windows\\system32\\cmd.exe /c echo>";
    const std::string viaShell = m_temp.File("shell.txt"), viaHtm = m_temp.File("htm.txt");
    classes.Set("mailto\\shell\\open\\command", echo + viaShell + " %1");
    classes.Set("https\\shell\\open\\command", "C:\\no such folder\\browser.exe \"%1\"");
    classes.Set(".htm", "VarnelloTest.htm");
    classes.Set("VarnelloTest.htm\\shell\\open\\command", echo + viaHtm + " \"%1\"");
    CAboutDlg about;
    HWND dialog = nullptr;
    LOGFONTA font = {};
    CUiScript script({
        [&] {
            dialog = FindThreadWindow("About Varnello");
            if (dialog)
                Click(GetDlgItem(dialog, 1022));
            return dialog != nullptr;
        },
        [&] {
            if (FirstLine(viaShell).empty())
                return false;
            Click(GetDlgItem(dialog, 1021));
            return true;
        },
        [&] {
            if (FirstLine(viaHtm).empty())
                return false;
            classes.Set(".htm", "NoSuchType");
            Click(GetDlgItem(dialog, 1021));
            return true;
        },
        [&] {
            if (m_prompter.Boxes().empty())
                return false;
            HFONT used =
                reinterpret_cast<HFONT>(SendDlgItemMessageA(dialog, 1022, WM_GETFONT, 0, 0));
            GetObjectA(used, sizeof font, &font);
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
            return true;
        },
    });
    EXPECT_EQ(about.DoModal(Frame()), IDOK);
    EXPECT_TRUE(script.Finished() && script.Failure().empty()) << script.Failure();
    EXPECT_EQ(FirstLine(viaShell), "mailto:support@varnello.example.org");
    EXPECT_EQ(FirstLine(viaHtm), "https://varnello.example.org/");
    EXPECT_TRUE(about.m_linkMail.IsVisited());
    EXPECT_EQ(about.m_linkMail.TextColour(), RGB(0, 0, 255));  // blue when visited too
    EXPECT_TRUE(font.lfUnderline);
    EXPECT_FALSE(about.m_linkHome.IsVisited());  // the last open failed
    ASSERT_EQ(m_prompter.Boxes().size(), 1u);
    const CRecordingPrompter::Box& box = m_prompter.Boxes()[0];
    EXPECT_EQ(box.text, "Unable to open hyperlink:\n\nThe specified file was not found.");
    EXPECT_EQ(box.caption, "Varnello");
    EXPECT_EQ(box.style, 0x30u);
}
