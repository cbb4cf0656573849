#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "RegistryValues.h"
#include "TestImageFiles.h"
#include "base/PathParts.h"
#include "base/win/AnsiCodePage.h"
#include "framework/Prompter.h"
#include "list/MemoryRowStore.h"
#include "list/WallpaperItem.h"
#include "list/WallpaperRows.h"
#include "wallpaper/RandomChoice.h"
#include "wallpaper/WallpaperApplier.h"
#include "wallpaper/win/WallpaperServicesWin.h"

using namespace test_images;

namespace {

using test_registry::SystemText;

// A value under HKEY_CURRENT_USER\Control Panel\Desktop.
std::string DesktopValue(const char* name) {
    return test_registry::StringValue(test_registry::kDesktopKey, name);
}
void SetDesktopValue(const char* name, const std::string& value) {
    test_registry::WriteString(test_registry::kDesktopKey, name, value);
}

// Records each box together with the cursor in force while it is shown.
class CCursorPrompter : public CRecordingPrompter {
public:
    int Show(WindowHandle owner, const std::string& text, const std::string& caption,
             unsigned style) override {
        waitCursorShown.push_back(GetCursor() == LoadCursor(nullptr, IDC_WAIT));
        return CRecordingPrompter::Show(owner, text, caption, style);
    }
    std::vector<bool> waitCursorShown;
};

// Applies wallpapers with the real services, with the program's folder
// moved to a temporary folder so that CurrentPaper.bmp is written there.
class WallpaperApplyTest : public ::testing::Test {
protected:
    void SetUp() override {
        InstallWindowsTextServices();
        UseProgramFolder(folder.Path());
        SetCursor(LoadCursor(nullptr, IDC_ARROW));
        SetDesktopValue("TileWallpaper", "0");
        SetDesktopValue("WallpaperStyle", "2");
        SetDesktopValue("Wallpaper", "");
    }
    void TearDown() override { InstallWindowsTextServices(); }

    void UseProgramFolder(const std::string& programFolder) {
        std::string exe = programFolder + "\\varnello.exe";
        SetModuleFileNameSource([exe] { return exe; });
    }
    bool Apply(const std::string& path, const std::string& position) {
        return CWallpaperApplier(services).ApplyWallpaper(kView, path, position);
    }
    std::string BitmapPath() const { return folder.File("CurrentPaper.bmp"); }

    WindowHandle const kView = reinterpret_cast<WindowHandle>(0x4242);
    CTempFolder folder;
    CGdiplusSession gdiplus;
    CWallpaperServicesWin services;
    CCursorPrompter prompter;
    CScopedPrompter scope{prompter};
};

}  // namespace

// The three positions write their style values, and the system records the
// program's bitmap as the wallpaper.
TEST_F(WallpaperApplyTest, PositionsWriteTheDesktopValues) {
    std::string jpg = folder.File("photo.jpg");
    ASSERT_TRUE(WritePattern(jpg, 24, 16, false, L"image/jpeg"));

    ASSERT_TRUE(Apply(jpg, "Tile"));
    EXPECT_EQ(DesktopValue("TileWallpaper"), "1");
    EXPECT_EQ(DesktopValue("WallpaperStyle"), "0");
    EXPECT_EQ(DesktopValue("Wallpaper"), BitmapPath());

    ASSERT_TRUE(Apply(jpg, "Stretch"));
    EXPECT_EQ(DesktopValue("TileWallpaper"), "0");
    EXPECT_EQ(DesktopValue("WallpaperStyle"), "2");

    ASSERT_TRUE(Apply(jpg, "Center"));
    EXPECT_EQ(DesktopValue("TileWallpaper"), "0");
    EXPECT_EQ(DesktopValue("WallpaperStyle"), "0");
    EXPECT_TRUE(prompter.Boxes().empty());
}

// A name no table entry has sets the wallpaper and leaves the style values.
TEST_F(WallpaperApplyTest, UnknownPositionLeavesTheStyleValues) {
    std::string png = folder.File("a.png");
    ASSERT_TRUE(WritePattern(png, 5, 5, true, L"image/png"));
    SetDesktopValue("TileWallpaper", "1");
    SetDesktopValue("WallpaperStyle", "0");
    ASSERT_TRUE(Apply(png, "Tiled"));
    EXPECT_EQ(DesktopValue("TileWallpaper"), "1");
    EXPECT_EQ(DesktopValue("WallpaperStyle"), "0");
    EXPECT_EQ(DesktopValue("Wallpaper"), BitmapPath());
}

// Every format goes through CurrentPaper.bmp, whose pixels are the source's.
TEST_F(WallpaperApplyTest, CurrentPaperHoldsTheSourcePixels) {
    std::string png = folder.File("alpha.png");
    std::string jpg = folder.File("photo.jpg");
    std::string bmp = folder.File("indexed.bmp");
    ASSERT_TRUE(WritePattern(png, 17, 11, true, L"image/png"));
    ASSERT_TRUE(WritePattern(jpg, 17, 11, false, L"image/jpeg"));
    ASSERT_TRUE(WriteIndexedBmp(bmp, 17, 11));
    for (const std::string& source : {png, jpg, bmp}) {
        SCOPED_TRACE(source);
        ASSERT_TRUE(Apply(source, "Stretch"));
        EXPECT_EQ(DesktopValue("Wallpaper"), BitmapPath());
        EXPECT_EQ(ReadBytes(BitmapPath()).substr(0, 2), "BM");
        int w = 0, h = 0, format = 0;
        std::vector<Argb> expected = DecodePixels(source, w, h, format);
        std::vector<Argb> written = DecodePixels(BitmapPath(), w, h, format);
        ASSERT_EQ(w, 17);
        ASSERT_EQ(h, 11);
        ASSERT_EQ(written.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i)
            ASSERT_EQ(written[i] & 0xFFFFFFu, expected[i] & 0xFFFFFFu) << i;
    }
}

// A text file named .jpg: the load error box under the wait cursor; the
// earlier bitmap, the style values and the item stay as they were.
TEST_F(WallpaperApplyTest, NonImageLeavesEverythingAlone) {
    std::string good = folder.File("good.png");
    std::string text = folder.File("notes.jpg");
    ASSERT_TRUE(WritePattern(good, 6, 4, false, L"image/png"));
    ASSERT_TRUE(WriteBytes(text, "This is not a picture.\r\n"));
    ASSERT_TRUE(Apply(good, "Tile"));
    std::string bitmapBefore = ReadBytes(BitmapPath());
    ASSERT_FALSE(bitmapBefore.empty());

    CMemoryRowStore store;
    CWallpaperRows rows(store);
    rows.AppendItem(std::make_unique<CWallpaperItem>(text, "Stretch", 4, 1));
    int chosen = ApplyRandomWallpaper(rows, 7, [this](const CWallpaperItem& item) {
        return Apply(item.GetPath(), item.GetPosition());
    });

    EXPECT_EQ(chosen, -1);
    EXPECT_EQ(rows.Item(0)->GetCount(), 4);
    EXPECT_EQ(rows.Item(0)->GetRandomPending(), 1);
    EXPECT_EQ(store.GetText(0, 3), "4");
    ASSERT_EQ(prompter.Boxes().size(), 1u);
    const auto& box = prompter.Boxes()[0];
    EXPECT_EQ(box.owner, kView);
    EXPECT_EQ(box.caption, "Error Loading Image");
    EXPECT_EQ(box.text, "The selected image failed to load:\n80004005 - " + SystemText(0x80004005));
    EXPECT_EQ(box.style, 0x10u);
    EXPECT_TRUE(prompter.waitCursorShown[0]);
    EXPECT_EQ(ReadBytes(BitmapPath()), bitmapBefore);
    EXPECT_EQ(DesktopValue("TileWallpaper"), "1");
    EXPECT_EQ(DesktopValue("WallpaperStyle"), "0");
    rows.DeleteAllRows();
}

// A missing file: only the "File Not Found" box, shown without the wait
// cursor; nothing is written.
TEST_F(WallpaperApplyTest, MissingFileShowsOnlyFileNotFound) {
    std::string missing = folder.File("gone.jpg");
    EXPECT_FALSE(Apply(missing, "Tile"));
    ASSERT_EQ(prompter.Boxes().size(), 1u);
    const auto& box = prompter.Boxes()[0];
    EXPECT_EQ(box.owner, kView);
    EXPECT_EQ(box.caption, "File Not Found");
    EXPECT_EQ(box.text, "The selected wallpaper file does not exist. Expected file:\n\n" + missing);
    EXPECT_EQ(box.style, 0x10u);
    EXPECT_FALSE(prompter.waitCursorShown[0]);
    EXPECT_EQ(GetFileAttributesA(BitmapPath().c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(DesktopValue("TileWallpaper"), "0");
    EXPECT_EQ(DesktopValue("Wallpaper"), "");
    // A missing folder counts as missing too.
    EXPECT_FALSE(Apply(folder.File("no folder\\gone.jpg"), "Tile"));
    EXPECT_EQ(prompter.Boxes().back().caption, "File Not Found");
}

// The existence test: only "not found" errors count as missing.
TEST_F(WallpaperApplyTest, PathExists) {
    std::string png = folder.File("a.png");
    ASSERT_TRUE(WritePattern(png, 2, 2, false, L"image/png"));
    EXPECT_TRUE(services.PathExists(png));
    EXPECT_TRUE(services.PathExists(folder.Path()));
    EXPECT_FALSE(services.PathExists(folder.File("nothing.png")));
    EXPECT_FALSE(services.PathExists(folder.File("no folder\\nothing.png")));
    // An invalid name fails with another error and counts as present.
    EXPECT_TRUE(services.PathExists(folder.File("bad<name>.png")));
}

// A program folder that cannot take the bitmap: the "Error Saving Image"
// box names the path and the reason, and the system is not called.
TEST_F(WallpaperApplyTest, BitmapThatCannotBeWritten) {
    std::string png = folder.File("a.png");
    ASSERT_TRUE(WritePattern(png, 4, 4, false, L"image/png"));
    std::string programFolder = folder.File("not there");
    UseProgramFolder(programFolder);
    SetDesktopValue("Wallpaper", "C:\\before.bmp");

    EXPECT_FALSE(Apply(png, "Tile"));
    ASSERT_EQ(prompter.Boxes().size(), 1u);
    const auto& box = prompter.Boxes()[0];
    EXPECT_EQ(box.owner, kView);
    EXPECT_EQ(box.caption, "Error Saving Image");
    EXPECT_EQ(box.text, "The wallpaper image could not be written to:\n\n" + programFolder +
                            "\\CurrentPaper.bmp\n\n" + SystemText(0x80070003));
    EXPECT_EQ(box.style, 0x10u);
    EXPECT_TRUE(prompter.waitCursorShown[0]);
    EXPECT_EQ(DesktopValue("TileWallpaper"), "0");
    EXPECT_EQ(DesktopValue("WallpaperStyle"), "2");
    EXPECT_EQ(DesktopValue("Wallpaper"), "C:\\before.bmp");
}

// The wait cursor is back to the earlier one after the application.
TEST_F(WallpaperApplyTest, WaitCursorIsRestored) {
    std::string png = folder.File("a.png");
    ASSERT_TRUE(WritePattern(png, 4, 4, false, L"image/png"));
    HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
    SetCursor(arrow);
    ASSERT_TRUE(Apply(png, "Center"));
    EXPECT_EQ(GetCursor(), arrow);
}
