#include "TestImageFiles.h"

#include <objidl.h>
#include <gdiplus.h>

#include <cstdio>
#include <cstring>

using namespace Gdiplus;

namespace test_images {

Argb PatternPixel(int x, int y, bool alpha) {
    Argb red = static_cast<Argb>((x * 37 + y * 11) & 0xFF);
    Argb green = static_cast<Argb>((x * 5 + y * 53) & 0xFF);
    Argb blue = static_cast<Argb>((x * 101 + y * 3 + 17) & 0xFF);
    Argb a = alpha ? static_cast<Argb>((x * 29 + y * 71 + 1) & 0xFF) : 0xFF;
    return (a << 24) | (red << 16) | (green << 8) | blue;
}

namespace {

std::wstring Widen(const std::string& text) {
    int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], length);
    wide.resize(wcslen(wide.c_str()));
    return wide;
}

bool EncoderFor(const wchar_t* mime, CLSID& clsid) {
    UINT count = 0, size = 0;
    DllExports::GdipGetImageEncodersSize(&count, &size);
    std::vector<BYTE> buffer(size);
    ImageCodecInfo* codecs = reinterpret_cast<ImageCodecInfo*>(buffer.data());
    if (size == 0 || DllExports::GdipGetImageEncoders(count, size, codecs) != Ok)
        return false;
    for (UINT i = 0; i < count; ++i) {
        if (wcscmp(codecs[i].MimeType, mime) == 0) {
            clsid = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}

}  // namespace

bool WritePattern(const std::string& path, int width, int height, bool alpha, const wchar_t* mime,
                  int block) {
    std::vector<Argb> pixels(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[static_cast<std::size_t>(y) * width + x] =
                PatternPixel(x / block, y / block, alpha);
    GpBitmap* bitmap = nullptr;
    PixelFormat format = alpha ? PixelFormat32bppARGB : PixelFormat32bppRGB;
    if (DllExports::GdipCreateBitmapFromScan0(width, height, width * 4, format,
                                              reinterpret_cast<BYTE*>(pixels.data()),
                                              &bitmap) != Ok)
        return false;
    CLSID encoder;
    bool written =
        EncoderFor(mime, encoder) &&
        DllExports::GdipSaveImageToFile(bitmap, Widen(path).c_str(), &encoder, nullptr) == Ok;
    DllExports::GdipDisposeImage(bitmap);
    return written;
}

Argb PaletteColour(int index) {
    Argb i = static_cast<Argb>(index);
    return 0xFF000000u | ((255 - i) << 16) | (((i * 3) & 0xFF) << 8) | ((i * 7 + 5) & 0xFF);
}

int IndexedPixel(int x, int y) {
    return (x * 7 + y * 13) % 256;
}

bool WriteIndexedBmp(const std::string& path, int width, int height) {
    auto put16 = [](std::string& out, unsigned v) {
        out += static_cast<char>(v & 0xFF);
        out += static_cast<char>((v >> 8) & 0xFF);
    };
    auto put32 = [](std::string& out, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    unsigned stride = (static_cast<unsigned>(width) + 3) & ~3u;
    unsigned offset = 14 + 40 + 256 * 4;
    std::string file;
    file += "BM";
    put32(file, offset + stride * static_cast<unsigned>(height));
    put32(file, 0);
    put32(file, offset);
    put32(file, 40);  // BITMAPINFOHEADER
    put32(file, static_cast<std::uint32_t>(width));
    put32(file, static_cast<std::uint32_t>(height));  // bottom-up
    put16(file, 1);
    put16(file, 8);
    put32(file, 0);  // BI_RGB
    put32(file, stride * static_cast<unsigned>(height));
    put32(file, 2835);
    put32(file, 2835);
    put32(file, 256);
    put32(file, 0);
    for (int i = 0; i < 256; ++i)
        put32(file, PaletteColour(i) & 0x00FFFFFFu);  // blue, green, red, 0
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x)
            file += static_cast<char>(IndexedPixel(x, y));
        for (unsigned pad = static_cast<unsigned>(width); pad < stride; ++pad)
            file += '\0';
    }
    return WriteBytes(path, file);
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

std::string ReadBytes(const std::string& path) {
    std::string bytes;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return bytes;
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, n);
    std::fclose(file);
    return bytes;
}

std::vector<Argb> DecodePixels(const std::string& path, int& width, int& height, int& pixelFormat) {
    std::vector<Argb> pixels;
    GpBitmap* bitmap = nullptr;
    if (DllExports::GdipCreateBitmapFromFile(Widen(path).c_str(), &bitmap) != Ok)
        return pixels;
    UINT w = 0, h = 0;
    PixelFormat format = 0;
    DllExports::GdipGetImageWidth(bitmap, &w);
    DllExports::GdipGetImageHeight(bitmap, &h);
    DllExports::GdipGetImagePixelFormat(bitmap, &format);
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    pixelFormat = static_cast<int>(format);
    pixels.resize(static_cast<std::size_t>(w) * h);
    for (UINT y = 0; y < h; ++y)
        for (UINT x = 0; x < w; ++x) {
            ARGB pixel = 0;
            DllExports::GdipBitmapGetPixel(bitmap, static_cast<INT>(x), static_cast<INT>(y),
                                           &pixel);
            pixels[static_cast<std::size_t>(y) * w + x] = static_cast<Argb>(pixel);
        }
    DllExports::GdipDisposeImage(bitmap);
    return pixels;
}

CGdiplusSession::CGdiplusSession() {
    GdiplusStartupInput input;
    GdiplusStartup(&m_token, &input, nullptr);
}

CGdiplusSession::~CGdiplusSession() {
    GdiplusShutdown(m_token);
}

}  // namespace test_images
