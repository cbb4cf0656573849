// Start-up options and the close of the real application: reopening the
// last list with the random change and the interval timer, "Minimize On
// Start", saving with "Auto Save" at close, and the program settings as the
// registry holds them before the start and after the close.

#include "AppFixture.h"
#include "RegistryValues.h"
#include "TestImageFiles.h"

#include <algorithm>

#include "base/PathParts.h"
#include "base/win/AnsiCodePage.h"
#include "list/WallpaperItem.h"
#include "view/SortOrder.h"

using namespace apptest;

namespace {

using test_registry::kProgramKey;
constexpr UINT kApplySelected = 32788;
constexpr UINT_PTR kChangeTimer = 1246;

// Values of the program's key (or of another key under HKEY_CURRENT_USER).
void WriteDword(const char* name, DWORD value) {
    test_registry::WriteDword(kProgramKey, name, value);
}
void WriteString(const char* name, const std::string& value, const char* keyPath = kProgramKey) {
    test_registry::WriteString(keyPath, name, value);
}
std::string StoredValue(const char* name, const char* keyPath = kProgramKey) {
    return test_registry::TypedValue(keyPath, name);
}

// The folder of the test program, where the application writes CurrentPaper.bmp.
std::string TestProgramFolder() {
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, sizeof module);
    std::string path = module;
    return path.substr(0, path.rfind('\\'));
}

// Holds the Shift key down while alive: in the X server through xdotool
// (Wine takes the key state from the X server whenever one of its windows
// gains the focus), and in Wine's own key state.
class CShiftHeld {
public:
    CShiftHeld() {
        m_xdotool = Run("keydown shift");
        keybd_event(VK_SHIFT, 0, 0, 0);
    }
    ~CShiftHeld() {
        if (m_xdotool)
            Run("keyup shift");
        keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
    }
    CShiftHeld(const CShiftHeld&) = delete;
    CShiftHeld& operator=(const CShiftHeld&) = delete;
    // Whether the X server holds the key as well.
    bool InXServer() const { return m_xdotool; }

private:
    // Runs xdotool through the Unix shell, which Wine starts directly, and
    // waits until it has done its work (a Unix process's handle cannot be
    // waited for, so the shell leaves a marker file). False when xdotool is
    // missing or failed.
    static bool Run(const std::string& arguments) {
        const std::string marker = "/tmp/varnello-xdotool-" + std::to_string(GetCurrentProcessId());
        std::string markerPath = "Z:" + marker;  // the same file as Windows sees it
        std::replace(markerPath.begin(), markerPath.end(), '/', '\\');
        DeleteFileA(markerPath.c_str());
        std::string command = "sh -c \"xdotool " + arguments + " && touch " + marker + "\"";
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        if (!CreateProcessA("Z:\\bin\\sh", &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &startup, &process))
            return false;
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        DWORD start = GetTickCount();
        bool done = false;
        while (!(done = GetFileAttributesA(markerPath.c_str()) != INVALID_FILE_ATTRIBUTES) &&
               GetTickCount() - start < 5000)
            Sleep(10);
        DeleteFileA(markerPath.c_str());
        return done;
    }
    bool m_xdotool = false;
};

class StartAndClose : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        HKEY key = nullptr;
        RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_WRITE,
                        nullptr, &key, nullptr);
        RegSetValueExA(key, "Wallpaper", 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);
        RegCloseKey(key);
        ASSERT_TRUE(test_images::WritePattern(m_temp.File("a.png"), 8, 6, false, L"image/png"));
        ASSERT_TRUE(test_images::WritePattern(m_temp.File("b.png"), 6, 8, false, L"image/png"));
        ASSERT_TRUE(test_images::WriteIndexedBmp(m_temp.File("c.bmp"), 7, 7));
    }
    void TearDown() override {
        AppFixture::TearDown();
        InstallWindowsTextServices();
    }

    // LIST.vld with three images, none applied yet, and these interval settings.
    std::string WriteList(std::int32_t flag, std::int32_t hours, std::int32_t minutes) {
        std::string path = m_temp.File("LIST.vld");
        EXPECT_TRUE(WriteBytes(path, ListWithInterval(flag, hours, minutes,
                                                      {{m_temp.File("a.png"), "Tile", 0, 1},
                                                       {m_temp.File("b.png"), "Center", 0, 1},
                                                       {m_temp.File("c.bmp"), "Stretch", 0, 1}})));
        return path;
    }
    // Asks the next start to reopen this list, and whether to change the wallpaper.
    void RememberList(const std::string& path, DWORD changeOnStart) {
        WriteDword("Reload Last List", 1);
        WriteDword("Change On Start", changeOnStart);
        WriteString("Last Document", path);
    }

    // Rows counted once since the start: "row:count" joined by ",".
    std::string AppliedRows() const {
        std::string out;
        for (int row = 0; row < RowCount(); ++row) {
            const CWallpaperItem* item = View()->Rows().Item(row);
            if (item->GetCount() != 0 || item->GetRandomPending() == 0)
                out += (out.empty() ? "" : ",") + std::to_string(row) + ":" +
                       std::to_string(item->GetCount()) + "/" +
                       std::to_string(item->GetRandomPending());
        }
        return out;
    }
    bool KillChangeTimer() { return KillTimer(List(), kChangeTimer) != FALSE; }
    // Closes the main window as the close box does; true when it went.
    bool Close() {
        HWND frame = Frame();
        SendMessageA(frame, WM_CLOSE, 0, 0);
        return !IsWindow(frame);
    }

    test_images::CGdiplusSession m_gdiplus;
};

}  // namespace

// ---- Start-up ----

// "Reload Last List" with "Change On Start": the last list replaces the one
// of the command line, one of its rows becomes the wallpaper and the only
// selected row, and the list's interval starts the timer.
TEST_F(StartAndClose, ReloadedListChangesTheWallpaperAndStartsTheTimer) {
    std::string list = WriteList(1, 0, 1);
    ASSERT_TRUE(WriteBytes(m_temp.File("other.vld"), ListWithInterval(0, 0, 0, {})));
    RememberList(list, 1);
    ASSERT_TRUE(StartApp({m_temp.File("other.vld")}));

    EXPECT_EQ(FrameTitle(), "LIST.vld * - Varnello");
    std::string applied = AppliedRows();
    ASSERT_EQ(applied.size(), 5u) << applied;  // "r:1/0"
    int row = applied[0] - '0';
    EXPECT_EQ(applied.substr(1), ":1/0");
    EXPECT_EQ(RowText(row, 3), "1");
    EXPECT_EQ(SelectedCount(), 1);
    EXPECT_EQ(
        SendMessageA(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_FOCUSED, 0)),
        row);
    char wallpaper[MAX_PATH] = {};
    DWORD size = sizeof wallpaper;
    RegGetValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "Wallpaper", RRF_RT_REG_SZ, nullptr,
                 wallpaper, &size);
    EXPECT_EQ(std::string(wallpaper), TestProgramFolder() + "\\CurrentPaper.bmp");
    EXPECT_TRUE(KillChangeTimer()) << "the timer was not started";
    EXPECT_TRUE(m_prompter.Boxes().empty());
}

// Without "Change On Start" the reopened list only starts its timer; a list
// whose flag is off starts none.
TEST_F(StartAndClose, ReloadedListWithoutChangeOnlyStartsTheTimer) {
    RememberList(WriteList(1, 2, 0), 0);
    ASSERT_TRUE(StartApp());
    EXPECT_EQ(FrameTitle(), "LIST.vld - Varnello");
    EXPECT_EQ(AppliedRows(), "");
    EXPECT_TRUE(KillChangeTimer()) << "the timer was not started";
    EXPECT_TRUE(m_prompter.Boxes().empty());
}

TEST_F(StartAndClose, ReloadedListWithItsFlagOffStartsNoTimer) {
    RememberList(WriteList(0, 2, 0), 1);
    ASSERT_TRUE(StartApp());
    EXPECT_EQ(FrameTitle(), "LIST.vld * - Varnello");
    EXPECT_EQ(AppliedRows().size(), 5u);
    EXPECT_FALSE(KillChangeTimer());
}

// A flag on with 0 hours and 0 minutes in the file: no timer at start.
TEST_F(StartAndClose, ReloadedListWithPeriodZeroStartsNoTimer) {
    RememberList(WriteList(1, 0, 0), 0);
    ASSERT_TRUE(StartApp());
    EXPECT_EQ(FrameTitle(), "LIST.vld - Varnello");
    EXPECT_FALSE(KillChangeTimer());
}

// With "Reload Last List" off, or an empty "Last Document", nothing of the
// reopening runs: no change and no timer, whatever the other options say.
TEST_F(StartAndClose, NoReloadMeansNoStartActions) {
    std::string list = WriteList(1, 0, 5);
    WriteDword("Reload Last List", 0);
    WriteDword("Change On Start", 1);
    WriteString("Last Document", list);
    ASSERT_TRUE(StartApp({list}));
    EXPECT_EQ(FrameTitle(), "LIST.vld - Varnello");
    EXPECT_EQ(AppliedRows(), "");
    EXPECT_FALSE(KillChangeTimer());
}

TEST_F(StartAndClose, EmptyLastDocumentMeansNoStartActions) {
    std::string list = WriteList(1, 0, 5);
    RememberList("", 1);
    ASSERT_TRUE(StartApp({list}));
    EXPECT_EQ(FrameTitle(), "LIST.vld - Varnello");
    EXPECT_EQ(AppliedRows(), "");
    EXPECT_FALSE(KillChangeTimer());
    EXPECT_TRUE(m_prompter.Boxes().empty());
}

// Shift held at start: the list is reopened and its timer started, but the
// wallpaper is not changed.
TEST_F(StartAndClose, ShiftHeldAtStartSuppressesOnlyTheChange) {
    RememberList(WriteList(1, 0, 1), 1);
    bool shiftWasDown = false;
    {
        // Released right after the start, so that nothing later sees it.
        CShiftHeld shift;
        if (!shift.InXServer())
            GTEST_SKIP()
                << "needs xdotool: Wine resets a Shift key sent by keybd_event alone when the "
                   "main window gains the focus";
        ASSERT_TRUE(StartApp());
        shiftWasDown = (GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0;
    }
    ASSERT_TRUE(shiftWasDown) << "Shift was not held through the start";
    EXPECT_EQ(FrameTitle(), "LIST.vld - Varnello");
    EXPECT_EQ(AppliedRows(), "");
    EXPECT_TRUE(KillChangeTimer()) << "the timer was not started";
}

// ---- Close ----

// "Auto Save" on: a list changed by Apply Selected is saved at close
// without a box, with the row counted and no longer pending, and the list
// is remembered as "Last Document".
TEST_F(StartAndClose, AutoSaveAtCloseSavesTheAppliedList) {
    WriteDword("Auto Save", 1);
    std::string list = WriteList(1, 3, 15);
    ASSERT_TRUE(StartApp({list}));
    SetModuleFileNameSource([this] { return m_temp.File("varnello.exe"); });
    Select({1});
    Command(kApplySelected);
    ASSERT_EQ(FrameTitle(), "LIST.vld * - Varnello");

    ASSERT_TRUE(Close());
    EXPECT_TRUE(m_prompter.Boxes().empty());
    EXPECT_EQ(ReadBytes(list), ListWithInterval(1, 3, 15,
                                                {{m_temp.File("a.png"), "Tile", 0, 1},
                                                 {m_temp.File("b.png"), "Center", 1, 0},
                                                 {m_temp.File("c.bmp"), "Stretch", 0, 1}}));
    EXPECT_EQ(StoredValue("Last Document"), "sz:" + list);
    EXPECT_EQ(StoredValue("Auto Save"), "dword:1");
    EXPECT_EQ(ReadBytes(m_temp.File("CurrentPaper.bmp")).substr(0, 2), "BM");
}

// ---- Program settings ----

// A fresh profile: every option has its default; the first close writes
// every value at once.
TEST_F(StartAndClose, FreshProfileGivesTheDefaultsAndTheCloseWritesThemAll) {
    ASSERT_EQ(StoredValue("Auto Save"), "<no key>");
    ASSERT_TRUE(StartApp());
    const CProgramSettings& options = View()->Options();
    EXPECT_EQ(options.m_bAutoSave, 0);
    EXPECT_EQ(options.m_bAutoSort, 1);
    EXPECT_EQ(options.m_bChangeOnStart, 0);
    EXPECT_EQ(options.m_bKeepOnTop, 0);
    EXPECT_EQ(options.m_bMinimizeOnStart, 0);
    EXPECT_EQ(options.m_bReloadLastList, 0);
    EXPECT_EQ(options.m_bScanDeadOnStart, 0);
    EXPECT_EQ(options.m_nSnapLimit, 10);
    EXPECT_EQ(options.m_bSnapWindow, 1);
    EXPECT_EQ(options.m_nSortColumn, 0);
    EXPECT_EQ(options.m_bWarnOnRecycle, 1);
    EXPECT_EQ(g_bSortAscending, 1);
    EXPECT_EQ(options.m_strLastListFolder, TestProgramFolder());
    EXPECT_EQ(SendMessageA(List(), LVM_GETCOLUMNWIDTH, 0, 0), 150);
    EXPECT_EQ(SendMessageA(List(), LVM_GETCOLUMNWIDTH, 3, 0), 42);

    ASSERT_TRUE(Close());
    const std::vector<std::pair<const char*, std::string>> expected = {
        {"Col_Name", "dword:150"},
        {"Col_Path", "dword:200"},
        {"Col_Position", "dword:50"},
        {"Col_Count", "dword:42"},
        {"Auto Save", "dword:0"},
        {"Auto Sort", "dword:1"},
        {"Change On Start", "dword:0"},
        {"Keep On Top", "dword:0"},
        {"Minimize On Start", "dword:0"},
        {"Reload Last List", "dword:0"},
        {"Scan Dead On Start", "dword:0"},
        {"Snap Limit", "dword:10"},
        {"Snap Window", "dword:1"},
        {"Sort Column", "dword:0"},
        {"Warn On Recycle", "dword:1"},
        {"Sort Ascending", "dword:1"},
        {"Last List Folder", "sz:" + TestProgramFolder()},
        {"Last Document", "sz:"},
    };
    for (const auto& value : expected)
        EXPECT_EQ(StoredValue(value.first), value.second) << value.first;
}

// Values a user edited by hand are written back as they were read; a value
// of the wrong type counts as missing and is replaced by the default.
TEST_F(StartAndClose, StoredValuesAreWrittenBackAsRead) {
    const std::string folder = "q:\\Edited  by hand\\Walls\\";
    WriteString("Last List Folder", folder);
    WriteDword("Snap Limit", static_cast<DWORD>(-4));
    WriteDword("Sort Column", 2);
    WriteDword("Sort Ascending", 0);
    WriteDword("Warn On Recycle", 0);
    WriteDword("Col_Path", 333);
    WriteString("Auto Sort", "0");
    ASSERT_TRUE(StartApp());
    EXPECT_EQ(View()->Options().m_strLastListFolder, folder);
    EXPECT_EQ(View()->Options().m_nSnapLimit, -4);
    EXPECT_EQ(View()->Options().m_bAutoSort, 1);
    EXPECT_EQ(g_bSortAscending, 0);

    ASSERT_TRUE(Close());
    EXPECT_EQ(StoredValue("Last List Folder"), "sz:" + folder);
    EXPECT_EQ(StoredValue("Snap Limit"), "dword:-4");
    EXPECT_EQ(StoredValue("Sort Column"), "dword:2");
    EXPECT_EQ(StoredValue("Sort Ascending"), "dword:0");
    EXPECT_EQ(StoredValue("Warn On Recycle"), "dword:0");
    EXPECT_EQ(StoredValue("Col_Path"), "dword:333");
    EXPECT_EQ(StoredValue("Auto Sort"), "dword:1");
}
