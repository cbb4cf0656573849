#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "TestImageFiles.h"
#include "base/PathParts.h"
#include "wallpaper/win/FileReplacing.h"
#include "wallpaper/win/WallpaperImage.h"

using namespace test_images;

namespace {

constexpr int kPixelFormat24bppRGB = 0x21808;

// The pixel (x, y) of a decoded image as 0xAARRGGBB; indexed pixels are
// looked up in the palette, pixels without alpha get 0xFF.
std::uint32_t PixelOf(const CWallpaperImage& image, int x, int y) {
    const std::uint8_t* row = image.Bits() + static_cast<std::ptrdiff_t>(y) * image.Stride();
    switch (image.BitsPerPixel()) {
    case 8:
        return image.Palette().at(row[x]);
    case 24: {
        const std::uint8_t* p = row + x * 3;
        return 0xFF000000u | (p[2] << 16) | (p[1] << 8) | p[0];
    }
    case 32: {
        const std::uint8_t* p = row + x * 4;
        std::uint32_t alpha = image.HasAlpha() ? p[3] : 0xFF;
        return (alpha << 24) | (p[2] << 16) | (p[1] << 8) | p[0];
    }
    default:
        ADD_FAILURE() << "unexpected depth " << image.BitsPerPixel();
        return 0;
    }
}

class WallpaperImageTest : public ::testing::Test {
protected:
    CTempFolder folder;
    CGdiplusSession gdiplus;
};

}  // namespace

// A PNG with alpha becomes a 32-bit bitmap with alpha, pixel for pixel.
TEST_F(WallpaperImageTest, PngWithAlphaKeepsAlpha) {
    std::string png = folder.File("alpha.png");
    ASSERT_TRUE(WritePattern(png, 13, 9, true, L"image/png"));
    CWallpaperImage image;
    ASSERT_EQ(image.Load(png), S_OK);
    EXPECT_EQ(image.Width(), 13);
    EXPECT_EQ(image.Height(), 9);
    EXPECT_EQ(image.BitsPerPixel(), 32);
    EXPECT_TRUE(image.HasAlpha());
    EXPECT_EQ(image.Stride(), 13 * 4);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 13; ++x)
            ASSERT_EQ(PixelOf(image, x, y), PatternPixel(x, y, true)) << x << "," << y;
}

// An 8-bit indexed BMP stays 8-bit with its own palette and indices.
TEST_F(WallpaperImageTest, IndexedBmpKeepsDepthAndPalette) {
    std::string bmp = folder.File("indexed.bmp");
    ASSERT_TRUE(WriteIndexedBmp(bmp, 10, 6));
    CWallpaperImage image;
    ASSERT_EQ(image.Load(bmp), S_OK);
    EXPECT_EQ(image.BitsPerPixel(), 8);
    EXPECT_FALSE(image.HasAlpha());
    ASSERT_EQ(image.Palette().size(), 256u);
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(image.Palette()[i] | 0xFF000000u, PaletteColour(i)) << i;
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(image.Bits()[y * image.Stride() + x], IndexedPixel(x, y)) << x << "," << y;

    // The DIB section carries the same colour table.
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, image.Bitmap());
    RGBQUAD table[256] = {};
    EXPECT_EQ(GetDIBColorTable(dc, 0, 256, table), 256u);
    EXPECT_EQ(table[3].rgbRed, (PaletteColour(3) >> 16) & 0xFF);
    EXPECT_EQ(table[3].rgbGreen, (PaletteColour(3) >> 8) & 0xFF);
    EXPECT_EQ(table[3].rgbBlue, PaletteColour(3) & 0xFF);
    SelectObject(dc, old);
    DeleteDC(dc);
}

// A JPEG (24-bit, no alpha) keeps its depth; its pixels equal what GDI+
// itself decodes.
TEST_F(WallpaperImageTest, JpegIs24Bit) {
    std::string jpg = folder.File("photo.jpg");
    ASSERT_TRUE(WritePattern(jpg, 16, 8, false, L"image/jpeg"));
    int width = 0, height = 0, format = 0;
    std::vector<Argb> expected = DecodePixels(jpg, width, height, format);
    ASSERT_EQ(format, kPixelFormat24bppRGB);
    CWallpaperImage image;
    ASSERT_EQ(image.Load(jpg), S_OK);
    EXPECT_EQ(image.BitsPerPixel(), 24);
    EXPECT_FALSE(image.HasAlpha());
    EXPECT_EQ(image.Stride(), 48);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(PixelOf(image, x, y), expected[y * 16 + x]) << x << "," << y;
}

// Orientations 4, 5 and 7 of a tagged JPEG, as the preview loads it: every
// pixel where the turn puts it (2, 3, 6 and 8 are applied end to end).
TEST_F(WallpaperImageTest, TaggedJpegIsTurnedUpright) {
    const int w = 16, h = 8;
    std::string jpg = folder.File("photo.jpg");
    ASSERT_TRUE(WritePattern(jpg, w, h, false, L"image/jpeg"));
    int width = 0, height = 0, format = 0;
    std::vector<Argb> stored = DecodePixels(jpg, width, height, format);
    const std::string bytes = ReadBytes(jpg);
    for (int orientation : {4, 5, 7}) {
        // An EXIF block after SOI: one entry, the orientation, little-endian.
        std::string exif(
            "\xFF\xE1\x00\x22"
            "Exif\0\0II*\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0",
            28);
        exif += std::string(1, static_cast<char>(orientation)) + std::string(7, '\0');
        ASSERT_TRUE(WriteBytes(jpg, bytes.substr(0, 2) + exif + bytes.substr(2)));
        CWallpaperImage image;
        ASSERT_EQ(image.Load(jpg), S_OK);
        const bool turned = orientation != 4;
        ASSERT_EQ(image.Width(), turned ? h : w) << orientation;
        for (int y = 0; y < image.Height(); ++y) {
            for (int x = 0; x < image.Width(); ++x) {
                int sx = orientation == 4 ? x : orientation == 5 ? y : w - 1 - y;
                int sy = orientation == 4 ? h - 1 - y : orientation == 5 ? x : h - 1 - x;
                ASSERT_EQ(PixelOf(image, x, y), stored[sy * w + sx])
                    << orientation << ": " << x << "," << y;
            }
        }
    }
}

// A file that is no image, or no file at all, fails with E_FAIL.
TEST_F(WallpaperImageTest, NonImageFails) {
    std::string text = folder.File("notes.jpg");
    ASSERT_TRUE(WriteBytes(text, "This is not a picture.\r\n"));
    CWallpaperImage image;
    EXPECT_EQ(image.Load(text), static_cast<HRESULT>(0x80004005));
    EXPECT_TRUE(image.IsNull());
    EXPECT_EQ(image.Load(folder.File("absent.png")), static_cast<HRESULT>(0x80004005));
    EXPECT_TRUE(image.IsNull());
}

// A failed load drops the image held before.
TEST_F(WallpaperImageTest, FailedLoadDropsThePreviousImage) {
    std::string png = folder.File("a.png");
    std::string text = folder.File("b.png");
    ASSERT_TRUE(WritePattern(png, 4, 4, true, L"image/png"));
    ASSERT_TRUE(WriteBytes(text, "text"));
    CWallpaperImage image;
    ASSERT_EQ(image.Load(png), S_OK);
    EXPECT_NE(image.Load(text), S_OK);
    EXPECT_TRUE(image.IsNull());
    EXPECT_EQ(image.Width(), 0);
}

// The encoder is chosen by the target's extension: none fits ".xyz".
TEST_F(WallpaperImageTest, SaveNeedsAnEncoderForTheExtension) {
    std::string png = folder.File("a.png");
    ASSERT_TRUE(WritePattern(png, 3, 3, false, L"image/png"));
    CWallpaperImage image;
    ASSERT_EQ(image.Load(png), S_OK);
    EXPECT_EQ(image.Save(folder.File("out.xyz")), E_FAIL);
    EXPECT_EQ(image.Save(folder.File("noextension")), E_FAIL);
    EXPECT_EQ(GetFileAttributesA(folder.File("out.xyz").c_str()), INVALID_FILE_ATTRIBUTES);
    // ".png" selects the PNG encoder.
    ASSERT_EQ(image.Save(folder.File("again.png")), S_OK);
    EXPECT_EQ(ReadBytes(folder.File("again.png")).substr(1, 3), "PNG");
}

// A target that cannot be created is reported with the system's code.
TEST_F(WallpaperImageTest, SaveIntoMissingFolderReportsWhy) {
    std::string png = folder.File("a.png");
    ASSERT_TRUE(WritePattern(png, 3, 3, false, L"image/png"));
    CWallpaperImage image;
    ASSERT_EQ(image.Load(png), S_OK);
    HRESULT result = image.Save(folder.File("no such folder\\CurrentPaper.bmp"));
    EXPECT_EQ(result, HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND));
    CWallpaperImage empty;
    EXPECT_EQ(empty.Save(folder.File("empty.bmp")), E_FAIL);
}

// An image loaded for writing only writes the same bitmap file as one
// decoded into a DIB section (an indexed BMP, a JPEG, a PNG with alpha),
// byte for byte but for the resolution, which it takes from its source; and
// it may be written over its own source file.
TEST_F(WallpaperImageTest, LoadedForWritingWritesTheSameFile) {
    std::string sources[] = {folder.File("i.bmp"), folder.File("p.jpg"), folder.File("a.png")};
    ASSERT_TRUE(WriteIndexedBmp(sources[0], 10, 6));
    ASSERT_TRUE(WritePattern(sources[1], 16, 8, false, L"image/jpeg"));
    ASSERT_TRUE(WritePattern(sources[2], 13, 9, true, L"image/png"));
    for (const std::string& source : sources) {
        CWallpaperImage drawn, written;
        ASSERT_EQ(drawn.Load(source), S_OK) << source;
        ASSERT_EQ(written.Load(source, CWallpaperImage::ImageUse::Writing), S_OK) << source;
        EXPECT_EQ(written.BitsPerPixel(), drawn.BitsPerPixel()) << source;
        ASSERT_EQ(drawn.Save(folder.File("drawn.bmp")), S_OK) << source;
        ASSERT_EQ(written.Save(folder.File("written.bmp")), S_OK) << source;
        std::string fast = ReadBytes(folder.File("written.bmp"));
        std::string copied = ReadBytes(folder.File("drawn.bmp"));
        ASSERT_EQ(fast.size(), copied.size()) << source;
        fast.replace(38, 8, 8, '\0');  // pixels per metre, across and down
        copied.replace(38, 8, 8, '\0');
        EXPECT_EQ(fast, copied) << source;
    }
    CWallpaperImage own;
    std::string paper = folder.File("CurrentPaper.bmp");
    ASSERT_TRUE(CopyFileA(folder.File("drawn.bmp").c_str(), paper.c_str(), FALSE));
    ASSERT_EQ(own.Load(paper, CWallpaperImage::ImageUse::Writing), S_OK);
    ASSERT_EQ(own.Save(paper), S_OK);
    EXPECT_EQ(ReadBytes(paper), ReadBytes(folder.File("drawn.bmp")));
}

// The bitmap is written beside the file and takes its place only when
// complete: an encoder that fails part way leaves the previous file and no
// temporary file; a file held open by another program stays as it was.
TEST_F(WallpaperImageTest, FailedWriteLeavesThePreviousFile) {
    std::string paper = folder.File("CurrentPaper.bmp");
    ASSERT_TRUE(WriteBytes(paper, "previous bitmap"));
    std::string written;
    HRESULT result = WriteFileReplacing(paper, [&](const std::string& temporary) {
        written = temporary;
        EXPECT_TRUE(WriteBytes(temporary, "half a bit"));
        return E_FAIL;
    });
    EXPECT_EQ(result, E_FAIL);
    EXPECT_EQ(FolderPart(written), folder.Path());
    EXPECT_EQ(ReadBytes(paper), "previous bitmap");
    EXPECT_EQ(folder.FileNames(), std::vector<std::string>({"CurrentPaper.bmp"}));

    HANDLE busy = CreateFileA(paper.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(busy, INVALID_HANDLE_VALUE);
    int letGo = 0;
    result = WriteFileReplacing(
        paper,
        [&](const std::string& temporary) { return WriteBytes(temporary, "new") ? S_OK : E_FAIL; },
        [&] {
            ++letGo;
            return false;
        });
    CloseHandle(busy);
    EXPECT_TRUE(FAILED(result));
    EXPECT_EQ(letGo, 1);
    EXPECT_EQ(ReadBytes(paper), "previous bitmap");
    EXPECT_EQ(folder.FileNames(), std::vector<std::string>({"CurrentPaper.bmp"}));

    result = WriteFileReplacing(paper, [&](const std::string& temporary) {
        return WriteBytes(temporary, "new") ? S_OK : E_FAIL;
    });
    EXPECT_EQ(result, S_OK);
    EXPECT_EQ(ReadBytes(paper), "new");
    EXPECT_EQ(folder.FileNames(), std::vector<std::string>({"CurrentPaper.bmp"}));
}

// GDI+ comes back after the last image object is gone.
TEST_F(WallpaperImageTest, GdiplusRestartsAfterTheLastImage) {
    std::string png = folder.File("a.png");
    ASSERT_TRUE(WritePattern(png, 3, 3, true, L"image/png"));
    for (int round = 0; round < 3; ++round) {
        CWallpaperImage image;
        ASSERT_EQ(image.Load(png), S_OK) << round;
        ASSERT_EQ(image.Save(folder.File("r.bmp")), S_OK) << round;
    }
}

// Drawing stretches the whole image with COLORONCOLOR: doubling a 2 x 2
// image gives 2 x 2 blocks of each pixel.
TEST_F(WallpaperImageTest, StretchDraw) {
    std::string png = folder.File("small.png");
    ASSERT_TRUE(WritePattern(png, 2, 2, false, L"image/png"));
    CWallpaperImage image;
    ASSERT_EQ(image.Load(png), S_OK);

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 6;
    info.bmiHeader.biHeight = -6;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP target = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(target, nullptr);
    std::memset(bits, 0, 6 * 6 * 4);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, target);
    image.StretchDraw(dc, 1, 1, 4, 4);
    GdiFlush();
    const std::uint32_t* pixels = static_cast<const std::uint32_t*>(bits);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            std::uint32_t expected = 0;
            if (x >= 1 && x < 5 && y >= 1 && y < 5)
                expected = PatternPixel((x - 1) / 2, (y - 1) / 2, false) & 0xFFFFFFu;
            EXPECT_EQ(pixels[y * 6 + x] & 0xFFFFFFu, expected) << x << "," << y;
        }
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(target);
}
