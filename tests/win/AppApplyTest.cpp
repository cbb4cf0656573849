// Applying wallpapers in the real application: Apply Selected through the
// command, the double-click on the list, Apply Random and the interval
// timer driven by WM_TIMER messages. Real list control, real GDI+, Wine's
// registry and SystemParametersInfo; a failing system call comes from a
// stand-in for the services.

#include "AppFixture.h"
#include "RegistryValues.h"
#include "TestImageFiles.h"

#include <algorithm>
#include <ctime>
#include <functional>
#include <new>
#include <set>
#include <stdexcept>

#include "base/PathParts.h"
#include "base/win/AnsiCodePage.h"
#include "list/WallpaperItem.h"
#include "wallpaper/RandomGenerator.h"
#include "wallpaper/win/WallpaperServicesWin.h"

using namespace apptest;

namespace {

// Command ids, the timer id and box styles as the program's users see them.
constexpr UINT kApplySelected = 32788;
constexpr UINT kApplyRandom = 32813;
constexpr UINT kFileOpen = 57601;
constexpr UINT_PTR kChangeTimer = 1246;
constexpr unsigned kErrorBox = 0x10;  // MB_OK | MB_ICONERROR

using test_registry::SystemText;

// A value under HKEY_CURRENT_USER\Control Panel\Desktop.
std::string DesktopValue(const char* name) {
    return test_registry::StringValue(test_registry::kDesktopKey, name);
}
void SetDesktopValue(const char* name, const std::string& value) {
    test_registry::WriteString(test_registry::kDesktopKey, name, value);
}

// The real services, except that the system refuses every new wallpaper
// with ERROR_INVALID_PARAMETER.
class CRefusingServices : public CWallpaperServicesWin {
public:
    explicit CRefusingServices(int* calls) : m_calls(calls) {}
    bool SetDesktopWallpaper(const std::string&, std::uint32_t& lastError) override {
        ++*m_calls;
        lastError = ERROR_INVALID_PARAMETER;
        return false;
    }

private:
    int* m_calls;
};

// The real services, except that decoding throws: memory runs out, or
// something else goes wrong.
class CThrowingServices : public CWallpaperServicesWin {
public:
    explicit CThrowingServices(bool outOfMemory) : m_bOutOfMemory(outOfMemory) {}
    std::uint32_t DecodeImage(const std::string&, std::unique_ptr<IDecodedImage>&) override {
        if (m_bOutOfMemory)
            throw std::bad_alloc();
        throw std::runtime_error("decoder failed");
    }

private:
    bool m_bOutOfMemory;
};

class ApplyInApp : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        SetDesktopValue("TileWallpaper", "0");
        SetDesktopValue("WallpaperStyle", "2");
        SetDesktopValue("Wallpaper", "");
        // The images: their names sort in this order in the Filename column.
        ASSERT_TRUE(test_images::WritePattern(m_temp.File("a.png"), 19, 13, false, L"image/png"));
        ASSERT_TRUE(test_images::WritePattern(m_temp.File("b.jpg"), 16, 12, false, L"image/jpeg"));
        ASSERT_TRUE(test_images::WriteIndexedBmp(m_temp.File("c.bmp"), 9, 7));
        ASSERT_TRUE(test_images::WriteIndexedBmp(m_temp.File("d.bmp"), 5, 3));
        ASSERT_TRUE(WriteBytes(m_temp.File("notes.jpg"), "This is not a picture.\r\n"));
    }
    void TearDown() override {
        AppFixture::TearDown();
        InstallWindowsTextServices();
    }

    // Starts with LIST.vld from the command line; CurrentPaper.bmp is then
    // written to a folder of the test's own.
    void StartWithList(const std::string& bytes) {
        ASSERT_TRUE(WriteBytes(m_temp.File("LIST.vld"), bytes));
        ASSERT_TRUE(StartApp({m_temp.File("LIST.vld")}));
        ASSERT_EQ(FrameTitle(), "LIST.vld - Varnello");
        std::string exe = m_program.Path() + "\\varnello.exe";
        SetModuleFileNameSource([exe] { return exe; });
    }
    // Four rows in this order: a.png Tile, b.jpg Center, c.bmp Stretch, d.bmp Tile.
    void StartWithFourImages(std::int32_t flag = 0, std::int32_t hours = 0,
                             std::int32_t minutes = 0) {
        StartWithList(ListWithInterval(flag, hours, minutes,
                                       {{m_temp.File("a.png"), "Tile", 2, 1},
                                        {m_temp.File("b.jpg"), "Center", 0, 1},
                                        {m_temp.File("c.bmp"), "Stretch", 0, 1},
                                        {m_temp.File("d.bmp"), "Tile", 0, 1}}));
        ASSERT_EQ(FileNameColumn(), "a.png,b.jpg,c.bmp,d.bmp");
    }

    std::string BitmapPath() const { return m_program.File("CurrentPaper.bmp"); }

    CWallpaperItem* Item(int row) const { return View()->Rows().Item(row); }
    // Every row's count and pending flag, "count/pending" joined by ",".
    std::string Counts() const {
        std::string out;
        for (int row = 0; row < RowCount(); ++row)
            out += (row ? "," : "") + std::to_string(Item(row)->GetCount()) + "/" +
                   std::to_string(Item(row)->GetRandomPending());
        return out;
    }
    std::string CountColumn() const {
        std::string out;
        for (int row = 0; row < RowCount(); ++row)
            out += (row ? "," : "") + RowText(row, 3);
        return out;
    }
    std::vector<int> SelectedRows() const {
        std::vector<int> rows;
        for (int row = -1;;) {
            row = static_cast<int>(SendMessageA(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(row),
                                                MAKELPARAM(LVNI_SELECTED, 0)));
            if (row < 0)
                return rows;
            rows.push_back(row);
        }
    }
    int FocusedRow() const {
        return static_cast<int>(SendMessageA(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                             MAKELPARAM(LVNI_FOCUSED, 0)));
    }

    // The notification the list sends its parent on a double-click on row.
    LRESULT DoubleClickNotify(int row) {
        NMITEMACTIVATE notify = {};
        notify.hdr.hwndFrom = List();
        notify.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(List()));
        notify.hdr.code = NM_DBLCLK;
        notify.iItem = row;
        LRESULT result =
            SendMessageA(Frame(), WM_NOTIFY, notify.hdr.idFrom, reinterpret_cast<LPARAM>(&notify));
        Idle();
        return result;
    }

    // Whether the interval timer was running; it is not any more.
    bool KillChangeTimer() { return KillTimer(List(), kChangeTimer) != FALSE; }

    // Handles messages for a while, so that due timers deliver their ticks.
    void PumpFor(DWORD milliseconds, const std::function<bool()>& done = nullptr) {
        DWORD start = GetTickCount();
        while (GetTickCount() - start < milliseconds) {
            Idle();
            if (done && done())
                return;
            Sleep(5);
        }
    }

    void ExpectOnlyBox(const std::string& caption, const std::string& text) {
        ASSERT_EQ(m_prompter.Boxes().size(), 1u);
        const CRecordingPrompter::Box& box = m_prompter.Boxes()[0];
        EXPECT_EQ(box.caption, caption);
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.style, kErrorBox);
        EXPECT_EQ(box.owner, List());
    }

    // The row a choice picks at this time among the pending rows (all rows
    // when none is pending).
    static int ExpectedChoice(std::time_t now, const std::vector<int>& pending, int rowCount) {
        int r = CRandomGenerator(static_cast<std::uint32_t>(now)).Next();
        if (pending.empty())
            return r % rowCount;
        return pending[static_cast<std::size_t>(r) % pending.size()];
    }
    std::vector<int> PendingRows() const {
        std::vector<int> rows;
        for (int row = 0; row < RowCount(); ++row)
            if (Item(row)->GetRandomPending())
                rows.push_back(row);
        return rows;
    }

    test_images::CGdiplusSession m_gdiplus;
    CTempFolder m_program;
};

}  // namespace

// ---- Apply Selected ----

// The row's Count text changes at once, its pending flag clears and the
// title gets its mark; the system gets the program's own bitmap with the
// style values of the row's position, and the bitmap holds the source's pixels.
TEST_F(ApplyInApp, ApplySelectedCountsTheRowAndSetsTheWallpaper) {
    StartWithFourImages();
    Select({0});
    SendMessageA(Frame(), WM_COMMAND, MAKEWPARAM(kApplySelected, 0), 0);
    EXPECT_EQ(CountColumn(), "3,0,0,0");
    EXPECT_EQ(Counts(), "3/0,0/1,0/1,0/1");
    EXPECT_TRUE(Doc()->IsModified());
    Idle();
    EXPECT_EQ(FrameTitle(), "LIST.vld * - Varnello");
    EXPECT_TRUE(m_prompter.Boxes().empty());
    EXPECT_EQ(DesktopValue("Wallpaper"), BitmapPath());
    EXPECT_EQ(DesktopValue("TileWallpaper"), "1");
    EXPECT_EQ(DesktopValue("WallpaperStyle"), "0");

    int w = 0, h = 0, format = 0;
    std::vector<test_images::Argb> written = test_images::DecodePixels(BitmapPath(), w, h, format);
    ASSERT_EQ(w, 19);
    ASSERT_EQ(h, 13);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            ASSERT_EQ(written[static_cast<std::size_t>(y * w + x)] & 0xFFFFFFu,
                      test_images::PatternPixel(x, y, false) & 0xFFFFFFu)
                << x << "," << y;

    // Another row, another position; the first row keeps its count.
    Select({1});
    Command(kApplySelected);
    EXPECT_EQ(CountColumn(), "3,1,0,0");
    EXPECT_EQ(DesktopValue("TileWallpaper"), "0");
    EXPECT_EQ(DesktopValue("WallpaperStyle"), "0");
    EXPECT_EQ(FrameTitle(), "LIST.vld * - Varnello");
    EXPECT_TRUE(m_prompter.Boxes().empty());
}

// A missing file and a file that is no image: each shows its one box, owned
// by the list window; the row, the title and the wallpaper stay as they were.
TEST_F(ApplyInApp, FailedApplySelectedChangesNothing) {
    StartWithList(ListWithInterval(
        0, 0, 0,
        {{m_temp.File("gone.jpg"), "Tile", 5, 1}, {m_temp.File("notes.jpg"), "Center", 7, 0}}));
    ASSERT_EQ(FileNameColumn(), "gone.jpg,notes.jpg");

    Select({0});
    Command(kApplySelected);
    ExpectOnlyBox(
        "File Not Found",
        "The selected wallpaper file does not exist. Expected file:\n\n" + m_temp.File("gone.jpg"));

    m_prompter.Clear();
    Select({1});
    Command(kApplySelected);
    ExpectOnlyBox("Error Loading Image",
                  "The selected image failed to load:\n80004005 - " + SystemText(0x80004005));

    EXPECT_EQ(CountColumn(), "5,7");
    EXPECT_EQ(Counts(), "5/1,7/0");
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_EQ(FrameTitle(), "LIST.vld - Varnello");
    EXPECT_EQ(ReadBytes(BitmapPath()), "<missing>");
    EXPECT_EQ(DesktopValue("Wallpaper"), "");
    EXPECT_EQ(DesktopValue("TileWallpaper"), "0");
    EXPECT_EQ(DesktopValue("WallpaperStyle"), "2");
}

// The system refuses the wallpaper: the "Internal Error" box with its code;
// the bitmap and the style values are written, the row is not counted.
TEST_F(ApplyInApp, RefusedWallpaperShowsInternalErrorAndCountsNothing) {
    StartWithFourImages();
    int calls = 0;
    View()->SetWallpaperServices(std::make_unique<CRefusingServices>(&calls));
    Select({3});
    Command(kApplySelected);
    EXPECT_EQ(calls, 1);
    ExpectOnlyBox("Internal Error",
                  "An error was encountered in trying to change the wallpaper.\n"
                  "As a result, the wallpaper has not been properly set.\n\n"
                  "The SystemParametersInfo() return code was: 57");
    EXPECT_EQ(CountColumn(), "2,0,0,0");
    EXPECT_EQ(Counts(), "2/1,0/1,0/1,0/1");
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_EQ(FrameTitle(), "LIST.vld - Varnello");
    EXPECT_EQ(ReadBytes(BitmapPath()).substr(0, 2), "BM");
    EXPECT_EQ(DesktopValue("TileWallpaper"), "1");
    EXPECT_EQ(DesktopValue("WallpaperStyle"), "0");
    EXPECT_EQ(DesktopValue("Wallpaper"), "");

    // Apply Random goes through the same refusal: no row is counted and the
    // list stays unmodified.
    m_prompter.Clear();
    Command(kApplyRandom);
    EXPECT_EQ(calls, 2);
    ASSERT_EQ(m_prompter.Boxes().size(), 1u);
    EXPECT_EQ(m_prompter.Boxes()[0].caption, "Internal Error");
    EXPECT_EQ(Counts(), "2/1,0/1,0/1,0/1");
    EXPECT_FALSE(Doc()->IsModified());
}

// An exception in a command stops where the system called the program: a
// box owned by the main window says what happened, the list stays as it
// was, and the program goes on.
TEST_F(ApplyInApp, ExceptionInACommandIsReportedAndTheListStays) {
    StartWithFourImages();
    const std::pair<bool, const char*> failures[] = {
        {true, "Not enough memory to complete this operation."},
        {false, "An unexpected error stopped this operation."}};
    for (const auto& failure : failures) {
        View()->SetWallpaperServices(std::make_unique<CThrowingServices>(failure.first));
        m_prompter.Clear();
        Select({1});
        Command(kApplySelected);
        ASSERT_EQ(m_prompter.Boxes().size(), 1u);
        const CRecordingPrompter::Box& box = m_prompter.Boxes()[0];
        EXPECT_EQ(box.owner, Frame());
        EXPECT_EQ(box.caption, "Varnello");
        EXPECT_EQ(box.text, failure.second);
        EXPECT_EQ(box.style, kErrorBox);
        EXPECT_EQ(Counts(), "2/1,0/1,0/1,0/1");
        EXPECT_EQ(FrameTitle(), "LIST.vld - Varnello");
    }
    View()->SetWallpaperServices(std::make_unique<CWallpaperServicesWin>());
    m_prompter.Clear();
    Command(kApplySelected);
    EXPECT_TRUE(m_prompter.Boxes().empty());
    EXPECT_EQ(Counts(), "2/1,1/0,0/1,0/1");
}

// ---- Double-click ----

// The double-click applies the lowest selected row, wherever it was made;
// with no row selected it does nothing.
TEST_F(ApplyInApp, DoubleClickAppliesTheFirstSelectedRow) {
    StartWithFourImages();
    Select({3, 1, 2});
    EXPECT_EQ(DoubleClickNotify(3), 0);
    EXPECT_EQ(CountColumn(), "2,1,0,0");
    EXPECT_EQ(Counts(), "2/1,1/0,0/1,0/1");
    EXPECT_EQ(FrameTitle(), "LIST.vld * - Varnello");
    EXPECT_EQ(DesktopValue("WallpaperStyle"), "0");  // b.jpg: Center
    EXPECT_EQ(DesktopValue("TileWallpaper"), "0");

    Select({});
    EXPECT_EQ(DoubleClickNotify(2), 0);
    EXPECT_EQ(DoubleClickNotify(-1), 0);
    EXPECT_EQ(Counts(), "2/1,1/0,0/1,0/1");
    EXPECT_TRUE(m_prompter.Boxes().empty());
}

// A double-click made with the mouse on a row selects it and applies it.
TEST_F(ApplyInApp, MouseDoubleClickOnARowAppliesIt) {
    StartWithFourImages();
    Select({0});
    RECT rect = {};
    rect.left = LVIR_LABEL;
    ASSERT_TRUE(SendMessageA(List(), LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&rect)));
    LPARAM point = MAKELPARAM(rect.left + 4, (rect.top + rect.bottom) / 2);
    SendMessageA(List(), WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(List(), WM_LBUTTONUP, 0, point);
    SendMessageA(List(), WM_LBUTTONDBLCLK, MK_LBUTTON, point);
    SendMessageA(List(), WM_LBUTTONUP, 0, point);
    Idle();
    EXPECT_EQ(SelectedRows(), std::vector<int>{2});
    EXPECT_EQ(CountColumn(), "2,0,1,0");
    EXPECT_EQ(DesktopValue("Wallpaper"), BitmapPath());
    EXPECT_EQ(DesktopValue("WallpaperStyle"), "2");  // c.bmp: Stretch
    EXPECT_TRUE(m_prompter.Boxes().empty());
}

// ---- Apply Random ----

// Each Apply Random applies exactly one pending row, picked by the
// generator seeded with the time, and leaves it the only selected and
// focused row; four choices apply every row once, the fifth starts a new cycle.
TEST_F(ApplyInApp, ApplyRandomWalksThroughACycle) {
    StartWithFourImages();
    // a.png starts the cycle as already applied.
    Item(0)->SetRandomPending(0);
    Select({0, 2});
    std::set<int> applied;
    for (int choice = 0; choice < 4; ++choice) {
        SCOPED_TRACE("choice " + std::to_string(choice));
        std::vector<int> pending = PendingRows();
        std::vector<std::int32_t> before;
        for (int row = 0; row < RowCount(); ++row)
            before.push_back(Item(row)->GetCount());
        std::time_t t0 = std::time(nullptr);
        Command(kApplyRandom);
        std::time_t t1 = std::time(nullptr);

        std::vector<int> changed;
        for (int row = 0; row < RowCount(); ++row)
            if (Item(row)->GetCount() != before[static_cast<std::size_t>(row)])
                changed.push_back(row);
        ASSERT_EQ(changed.size(), 1u) << Counts();
        int row = changed[0];
        EXPECT_EQ(Item(row)->GetCount(), before[static_cast<std::size_t>(row)] + 1);
        EXPECT_EQ(Item(row)->GetRandomPending(), 0);
        EXPECT_EQ(RowText(row, 3), std::to_string(Item(row)->GetCount()));
        EXPECT_TRUE(row == ExpectedChoice(t0, pending, RowCount()) ||
                    row == ExpectedChoice(t1, pending, RowCount()))
            << "row " << row;
        if (!pending.empty()) {
            EXPECT_NE(std::find(pending.begin(), pending.end(), row), pending.end());
        }
        EXPECT_EQ(SelectedRows(), std::vector<int>{row});
        EXPECT_EQ(FocusedRow(), row);
        applied.insert(row);
    }
    // Rows 1 to 3 in the first cycle; the fourth choice found none pending
    // and started a new one.
    EXPECT_EQ(std::count_if(applied.begin(), applied.end(), [](int row) { return row >= 1; }), 3);
    EXPECT_EQ(PendingRows().size(), 3u);
    EXPECT_EQ(FrameTitle(), "LIST.vld * - Varnello");
    EXPECT_TRUE(m_prompter.Boxes().empty());
}

// A choice that fails leaves the flags of the new cycle set, counts nothing
// and keeps the selection.
TEST_F(ApplyInApp, FailedRandomChoiceLeavesTheNewCycleUnmarked) {
    StartWithList(ListWithInterval(0, 0, 0, {{m_temp.File("notes.jpg"), "Tile", 1, 0}}));
    Select({0});
    Command(kApplyRandom);
    ASSERT_EQ(m_prompter.Boxes().size(), 1u);
    EXPECT_EQ(m_prompter.Boxes()[0].caption, "Error Loading Image");
    EXPECT_EQ(m_prompter.Boxes()[0].owner, List());
    EXPECT_EQ(Counts(), "1/1");
    EXPECT_EQ(CountColumn(), "1");
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_EQ(FrameTitle(), "LIST.vld - Varnello");
}

// ---- The interval timer ----

// A list with its flag on: the timer runs, and each tick of id 1246 makes
// one random change; other timer ids do nothing.
TEST_F(ApplyInApp, TimerTickChangesTheWallpaperWhileTheFlagIsOn) {
    StartWithFourImages(1, 0, 1);
    View()->ArmChangeTimer();
    ASSERT_TRUE(KillChangeTimer()) << "not armed";
    View()->ArmChangeTimer();

    PostMessageA(List(), WM_TIMER, kChangeTimer, 0);
    Idle();
    EXPECT_EQ(PendingRows().size(), 3u) << Counts();
    EXPECT_EQ(SelectedRows().size(), 1u);
    EXPECT_EQ(FrameTitle(), "LIST.vld * - Varnello");

    PostMessageA(List(), WM_TIMER, kChangeTimer + 1, 0);
    Idle();
    EXPECT_EQ(PendingRows().size(), 3u) << Counts();

    // The system's own ticks, made frequent by setting the timer again.
    ASSERT_NE(SetTimer(List(), kChangeTimer, 10, nullptr), 0u);
    PumpFor(3000, [this] { return PendingRows().size() < 3u; });
    EXPECT_LT(PendingRows().size(), 3u) << Counts();
    EXPECT_TRUE(KillChangeTimer()) << "the tick stopped the timer";
    EXPECT_TRUE(m_prompter.Boxes().empty());
}

// A tick that finds the open list's flag off stops the timer and changes
// nothing; opening a list does not touch the timer by itself.
TEST_F(ApplyInApp, TimerStopsAtATickWhenTheOpenListHasItsFlagOff) {
    StartWithFourImages(1, 2, 30);
    View()->ArmChangeTimer();
    ASSERT_TRUE(WriteBytes(m_temp.File("other.vld"),
                           ListWithInterval(0, 2, 30, {{m_temp.File("c.bmp"), "Tile", 0, 1}})));
    AnswerDialog(m_temp.File("other.vld"));
    Command(kFileOpen);
    ASSERT_EQ(FrameTitle(), "other.vld - Varnello");
    EXPECT_TRUE(KillChangeTimer()) << "opening a list stopped the timer";

    ASSERT_NE(SetTimer(List(), kChangeTimer, 10, nullptr), 0u);
    PumpFor(1000);
    EXPECT_FALSE(KillChangeTimer()) << "the tick left the timer running";
    EXPECT_EQ(Counts(), "0/1");
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_TRUE(m_prompter.Boxes().empty());

    // A tick that arrives after the timer is gone does the same.
    PostMessageA(List(), WM_TIMER, kChangeTimer, 0);
    Idle();
    EXPECT_EQ(Counts(), "0/1");
}

// A period of 0 never arms the timer, and takes a running one down; values
// outside the dialog's ranges are clamped first.
TEST_F(ApplyInApp, PeriodZeroNeverArms) {
    StartWithFourImages(1, 0, 0);
    View()->ArmChangeTimer();
    EXPECT_FALSE(KillChangeTimer());

    ASSERT_NE(SetTimer(List(), kChangeTimer, 60000, nullptr), 0u);
    View()->ArmChangeTimer();
    EXPECT_FALSE(KillChangeTimer()) << "a period of 0 left the running timer on";

    CListSettings* settings = Doc()->GetSettings();
    settings->SetHours(-3);
    settings->SetMinutes(-20);
    View()->ArmChangeTimer();
    EXPECT_FALSE(KillChangeTimer()) << "negative values armed the timer";

    settings->SetHours(1000);
    settings->SetMinutes(1000);
    View()->ArmChangeTimer();
    EXPECT_TRUE(KillChangeTimer()) << "values above the ranges did not arm the timer";
    EXPECT_EQ(Counts(), "2/1,0/1,0/1,0/1");
}
