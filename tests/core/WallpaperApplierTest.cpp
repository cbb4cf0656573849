#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/Prompter.h"
#include "wallpaper/DesktopStyle.h"
#include "wallpaper/WallpaperApplier.h"
#include "wallpaper/WallpaperClearer.h"
#include "wallpaper/WallpaperServices.h"

namespace {

WindowHandle const kView = reinterpret_cast<WindowHandle>(0x1234);
constexpr unsigned kErrorBox = 0x0010;  // MB_OK | MB_ICONERROR

// Services that record every call, in order, as one line of text.
class CFakeServices : public IWallpaperServices {
public:
    class CFakeImage : public IDecodedImage {
    public:
        explicit CFakeImage(CFakeServices& owner) : m_owner(owner) {}
        std::uint32_t WriteBitmap(const std::string& path) override {
            m_owner.calls.push_back("write " + path);
            return m_owner.writeResult;
        }

    private:
        CFakeServices& m_owner;
    };

    bool PathExists(const std::string& path) override {
        calls.push_back("exists " + path);
        return exists;
    }
    void BeginWaitCursor() override { calls.push_back("wait on"); }
    void EndWaitCursor() override { calls.push_back("wait off"); }
    std::string ProgramFolder() override { return "C:\\Program Files\\Varnello"; }
    std::uint32_t DecodeImage(const std::string& path,
                              std::unique_ptr<IDecodedImage>& image) override {
        calls.push_back("decode " + path);
        if (decodeResult == 0)
            image = std::make_unique<CFakeImage>(*this);
        return decodeResult;
    }
    void SetDesktopValue(const std::string& name, const std::string& value) override {
        calls.push_back("reg " + name + "=" + value);
    }
    bool SetDesktopWallpaper(const std::string& bitmapPath, std::uint32_t& lastError) override {
        calls.push_back("spi " + bitmapPath);
        lastError = spiError;
        return spiOk;
    }
    std::optional<std::string> SystemMessageText(std::uint32_t code) override {
        calls.push_back("message");
        return messageText;
    }

    std::vector<std::string> calls;
    bool exists = true;
    std::uint32_t decodeResult = 0;
    std::uint32_t writeResult = 0;
    bool spiOk = true;
    std::uint32_t spiError = 0;
    std::optional<std::string> messageText;
};

// Records boxes and also notes them among the service calls, so that the
// tests see when a box appears relative to the wait cursor.
class CCallPrompter : public CRecordingPrompter {
public:
    explicit CCallPrompter(std::vector<std::string>& calls) : m_calls(calls) {}
    int Show(WindowHandle owner, const std::string& text, const std::string& caption,
             unsigned style) override {
        m_calls.push_back("box " + caption);
        return CRecordingPrompter::Show(owner, text, caption, style);
    }

private:
    std::vector<std::string>& m_calls;
};

class WallpaperApplierTest : public ::testing::Test {
protected:
    using Calls = std::vector<std::string>;

    bool Apply(const std::string& position) {
        return CWallpaperApplier(services).ApplyWallpaper(kView, "D:\\pics\\a.jpg", position);
    }

    CFakeServices services;
    CCallPrompter prompter{services.calls};
    CScopedPrompter scope{prompter};
};

}  // namespace

TEST(DesktopStyle, ThreePositions) {
    auto center = DesktopStyleFor("Center");
    ASSERT_TRUE(center);
    EXPECT_EQ(center->tileWallpaper, "0");
    EXPECT_EQ(center->wallpaperStyle, "0");
    auto stretch = DesktopStyleFor("Stretch");
    ASSERT_TRUE(stretch);
    EXPECT_EQ(stretch->tileWallpaper, "0");
    EXPECT_EQ(stretch->wallpaperStyle, "2");
    auto tile = DesktopStyleFor("Tile");
    ASSERT_TRUE(tile);
    EXPECT_EQ(tile->tileWallpaper, "1");
    EXPECT_EQ(tile->wallpaperStyle, "0");
}

// Only the exact names match; the old names and other cases do not.
TEST(DesktopStyle, OtherNamesHaveNoStyle) {
    for (const char* name :
         {"center", "TILE", "Stretched", "Centered", "Tiled", "", "Tile ", "fill", "FIT"})
        EXPECT_FALSE(DesktopStyleFor(name)) << name;
}

TEST_F(WallpaperApplierTest, SuccessRunsEveryStepInOrder) {
    EXPECT_TRUE(Apply("Tile"));
    EXPECT_EQ(services.calls,
              (Calls{"exists D:\\pics\\a.jpg", "wait on", "decode D:\\pics\\a.jpg",
                     "write C:\\Program Files\\Varnello\\CurrentPaper.bmp", "reg TileWallpaper=1",
                     "reg WallpaperStyle=0", "spi C:\\Program Files\\Varnello\\CurrentPaper.bmp",
                     "wait off"}));
    EXPECT_TRUE(prompter.Boxes().empty());
}

// A name only a list file can carry sets the wallpaper without style values.
TEST_F(WallpaperApplierTest, UnknownPositionLeavesTheStyleValues) {
    EXPECT_TRUE(Apply("Stretched"));
    EXPECT_EQ(services.calls,
              (Calls{"exists D:\\pics\\a.jpg", "wait on", "decode D:\\pics\\a.jpg",
                     "write C:\\Program Files\\Varnello\\CurrentPaper.bmp",
                     "spi C:\\Program Files\\Varnello\\CurrentPaper.bmp", "wait off"}));
}

// A missing file: one box, no wait cursor, nothing else.
TEST_F(WallpaperApplierTest, MissingFile) {
    services.exists = false;
    EXPECT_FALSE(Apply("Tile"));
    EXPECT_EQ(services.calls, (Calls{"exists D:\\pics\\a.jpg", "box File Not Found"}));
    ASSERT_EQ(prompter.Boxes().size(), 1u);
    const auto& box = prompter.Boxes()[0];
    EXPECT_EQ(box.owner, kView);
    EXPECT_EQ(box.text,
              "The selected wallpaper file does not exist. Expected file:\n\nD:\\pics\\a.jpg");
    EXPECT_EQ(box.caption, "File Not Found");
    EXPECT_EQ(box.style, kErrorBox);
}

// A decoding failure: the box shows under the wait cursor; nothing is written.
TEST_F(WallpaperApplierTest, DecodingFails) {
    services.decodeResult = 0x80004005u;
    services.messageText = "Unspecified error\r\n";
    EXPECT_FALSE(Apply("Tile"));
    EXPECT_EQ(services.calls, (Calls{"exists D:\\pics\\a.jpg", "wait on", "decode D:\\pics\\a.jpg",
                                     "message", "box Error Loading Image", "wait off"}));
    ASSERT_EQ(prompter.Boxes().size(), 1u);
    const auto& box = prompter.Boxes()[0];
    EXPECT_EQ(box.owner, kView);
    EXPECT_EQ(box.text, "The selected image failed to load:\n80004005 - Unspecified error");
    EXPECT_EQ(box.caption, "Error Loading Image");
    EXPECT_EQ(box.style, kErrorBox);
}

TEST_F(WallpaperApplierTest, OutOfMemoryWithoutSystemText) {
    services.decodeResult = 0x8007000Eu;
    EXPECT_FALSE(Apply("Center"));
    ASSERT_EQ(prompter.Boxes().size(), 1u);
    EXPECT_EQ(prompter.Boxes()[0].text,
              "The selected image failed to load:\n8007000e - Unknown error 0x8007000E");
}

// The bitmap cannot be written: the system is not handed the old file, no
// style value is written and the caller is told it failed.
TEST_F(WallpaperApplierTest, BitmapCannotBeWritten) {
    services.writeResult = 0x80070005u;
    services.messageText = "Access is denied.\r\n";
    EXPECT_FALSE(Apply("Tile"));
    EXPECT_EQ(services.calls, (Calls{"exists D:\\pics\\a.jpg", "wait on", "decode D:\\pics\\a.jpg",
                                     "write C:\\Program Files\\Varnello\\CurrentPaper.bmp",
                                     "message", "box Error Saving Image", "wait off"}));
    ASSERT_EQ(prompter.Boxes().size(), 1u);
    const auto& box = prompter.Boxes()[0];
    EXPECT_EQ(box.owner, kView);
    EXPECT_EQ(box.text,
              "The wallpaper image could not be written to:\n\n"
              "C:\\Program Files\\Varnello\\CurrentPaper.bmp\n\nAccess is denied.");
    EXPECT_EQ(box.caption, "Error Saving Image");
    EXPECT_EQ(box.style, kErrorBox);
}

// The system refuses: the style values stay written, the code is shown.
TEST_F(WallpaperApplierTest, SystemRefuses) {
    services.spiOk = false;
    services.spiError = 0x57;
    EXPECT_FALSE(Apply("Stretch"));
    EXPECT_EQ(services.calls,
              (Calls{"exists D:\\pics\\a.jpg", "wait on", "decode D:\\pics\\a.jpg",
                     "write C:\\Program Files\\Varnello\\CurrentPaper.bmp", "reg TileWallpaper=0",
                     "reg WallpaperStyle=2", "spi C:\\Program Files\\Varnello\\CurrentPaper.bmp",
                     "box Internal Error", "wait off"}));
    ASSERT_EQ(prompter.Boxes().size(), 1u);
    const auto& box = prompter.Boxes()[0];
    EXPECT_EQ(box.owner, kView);
    EXPECT_EQ(box.text,
              "An error was encountered in trying to change the wallpaper.\n"
              "As a result, the wallpaper has not been properly set.\n\n"
              "The SystemParametersInfo() return code was: 57");
    EXPECT_EQ(box.caption, "Internal Error");
    EXPECT_EQ(box.style, kErrorBox);
}

// A failure without an error code still counts as a failure.
TEST_F(WallpaperApplierTest, SystemRefusesWithoutErrorCode) {
    services.spiOk = false;
    services.spiError = 0;
    EXPECT_FALSE(Apply("Stretch"));
    ASSERT_EQ(prompter.Boxes().size(), 1u);
    EXPECT_NE(prompter.Boxes()[0].text.find("return code was: 0"), std::string::npos);
}

// Clear Wallpaper: No does nothing; Yes hands the system an empty path; a
// refusal shows its box without an error code.
TEST_F(WallpaperApplierTest, ClearWallpaperAsksFirst) {
    prompter.Answer(mb::kIdNo);
    EXPECT_FALSE(ClearWallpaper(services, kView));
    services.spiOk = false;
    prompter.Answer(mb::kIdYes);
    EXPECT_FALSE(ClearWallpaper(services, kView));
    EXPECT_EQ(services.calls,
              (Calls{"box Clear Wallpaper?", "box Clear Wallpaper?", "spi ", "box Program Error"}));
    EXPECT_EQ(prompter.Boxes()[0].text, "Are you sure you want to clear the desktop wallpaper?");
    EXPECT_EQ(prompter.Boxes()[0].style, 0x24u);
    EXPECT_EQ(prompter.Boxes()[2].text, "An error occured when trying to clear the wallpaper.");
    EXPECT_EQ(prompter.Boxes()[2].style, kErrorBox);
    EXPECT_EQ(prompter.Boxes()[2].owner, kView);
}
