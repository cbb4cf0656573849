#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// An image decoded with GDI+ into a GDI device-independent bitmap, and
// written back to a file with a GDI+ encoder. The bitmap keeps the source's
// pixel depth when that depth is a GDI format (indexed images keep their
// palette), is 32-bit with alpha when the source has an alpha channel, and
// 32-bit RGB otherwise. Rows are stored top-down.
//
// An image loaded only to be written again (ImageUse::Writing) keeps the
// decoded GDI+ bitmap itself when it already has the depth described above,
// and has no DIB section then: writing a wallpaper needs no copy of its
// pixels.
//
// GDI+ is started when an image first needs it and shut down when the last
// image object is destroyed. Paths are in the ANSI code page.
class CWallpaperImage {
public:
    enum class ImageUse { Drawing, Writing };

    CWallpaperImage();
    ~CWallpaperImage();
    CWallpaperImage(const CWallpaperImage&) = delete;
    CWallpaperImage& operator=(const CWallpaperImage&) = delete;

    // Decodes the image file, replacing the image held; a photo whose file
    // carries an EXIF orientation tag (ExifOrientation.h) is turned upright.
    // Returns S_OK, or E_FAIL when GDI+ cannot start or the file cannot be
    // decoded, or E_OUTOFMEMORY when memory runs out; the image is empty
    // after a failure.
    HRESULT Load(const std::string& path, ImageUse use = ImageUse::Drawing);
    // Writes the image to path with the encoder whose extension list holds
    // the path's extension (".bmp": the BMP encoder), replacing the file
    // only once the new one is complete: after a failure the previous file
    // is as it was. Returns S_OK or the failure (a Win32 HRESULT when the
    // file cannot be created or replaced, E_FAIL when no encoder fits or
    // encoding fails). An image that kept its decoded bitmap and is written
    // over its own source file takes its pixels into a DIB section first.
    HRESULT Save(const std::string& path);
    // Drops the image.
    void Destroy();

    bool IsNull() const { return m_bitmap == nullptr && m_decoded == nullptr; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int BitsPerPixel() const { return m_bitsPerPixel; }
    bool HasAlpha() const { return m_hasAlpha; }
    // The DIB section holding the pixels; owned by the image. None for an
    // image loaded for writing that kept the decoded bitmap.
    HBITMAP Bitmap() const { return m_bitmap; }
    // The first (top) row of pixels and the distance between rows in bytes.
    const std::uint8_t* Bits() const { return m_bits; }
    int Stride() const { return m_stride; }
    // The colour table of an indexed image as 0xAARRGGBB values.
    const std::vector<std::uint32_t>& Palette() const { return m_palette; }

    // Stretch-copies the whole image to the rectangle (x, y, width, height)
    // of the device context, in the COLORONCOLOR stretch mode.
    void StretchDraw(HDC dc, int x, int y, int width, int height) const;

private:
    HRESULT CopyToDib(void* decoded);
    // Encodes the pixels into the file with the encoder.
    HRESULT Encode(const std::string& path, const CLSID& encoder);

    HBITMAP m_bitmap = nullptr;
    void* m_decoded = nullptr;  // the decoded GDI+ bitmap, kept for writing only
    std::uint8_t* m_bits = nullptr;
    int m_width = 0;
    int m_height = 0;
    int m_stride = 0;
    int m_bitsPerPixel = 0;
    bool m_hasAlpha = false;
    int m_gdiplusFormat = 0;  // the GDI+ pixel format of the bits
    std::vector<std::uint32_t> m_palette;
};
