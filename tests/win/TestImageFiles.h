#pragma once
#include <windows.h>

#include "TempFolder.h"

#include <cstdint>
#include <string>
#include <vector>

// Image files made for the wallpaper tests, and ways to look into them that
// do not go through the program's own image class.
namespace test_images {

using ::CTempFolder;

// A pixel as GDI+ reports it: 0xAARRGGBB.
using Argb = std::uint32_t;

// The test pattern: a different colour for every pixel; with alpha, every
// pixel has its own alpha as well.
Argb PatternPixel(int x, int y, bool alpha);

// Writes a 32-bit ARGB image of the pattern as PNG, or, without alpha, as
// JPEG (quality 90) or 24-bit BMP. mime: "image/png", "image/jpeg", "image/bmp".
// With a block size above 1, each pattern pixel fills a block x block square.
bool WritePattern(const std::string& path, int width, int height, bool alpha, const wchar_t* mime,
                  int block = 1);

// Writes an 8-bit indexed BMP byte by byte: a palette of 256 colours
// (entry i = PaletteColour(i)) and pixel (x, y) = (x * 7 + y * 13) % 256.
bool WriteIndexedBmp(const std::string& path, int width, int height);
Argb PaletteColour(int index);
int IndexedPixel(int x, int y);

// Writes the bytes to a file.
bool WriteBytes(const std::string& path, const std::string& bytes);
// The whole file; empty when it cannot be read.
std::string ReadBytes(const std::string& path);

// Decodes a file with GDI+ directly and returns its pixels row by row, or an
// empty vector; width, height and the GDI+ pixel format are set on success.
std::vector<Argb> DecodePixels(const std::string& path, int& width, int& height, int& pixelFormat);

// Starts GDI+ for the test's own use while alive.
class CGdiplusSession {
public:
    CGdiplusSession();
    ~CGdiplusSession();

private:
    ULONG_PTR m_token = 0;
};

}  // namespace test_images
