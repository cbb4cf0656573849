#include "wallpaper/win/WallpaperImage.h"

#include <objidl.h>
#include <gdiplus.h>
#include <shlwapi.h>

#include "base/PathParts.h"
#include "base/win/WideText.h"
#include "wallpaper/ErrorText.h"
#include "wallpaper/ExifOrientation.h"
#include "wallpaper/win/FileReplacing.h"

using namespace Gdiplus;

namespace {

// GDI+ is shared by all image objects: started on first use, shut down
// when the last object goes.
int g_liveImages = 0;
bool g_gdiplusStarted = false;
ULONG_PTR g_gdiplusToken = 0;

// Starts GDI+ unless it runs already; false when it cannot start.
bool StartGdiplus() {
    if (g_gdiplusStarted)
        return true;
    GdiplusStartupInput input;
    if (GdiplusStartup(&g_gdiplusToken, &input, nullptr) != Ok)
        return false;
    g_gdiplusStarted = true;
    return true;
}

// Turns a GDI+ status into the HRESULT reported for it: E_OUTOFMEMORY or
// E_FAIL. A Win32Error status says nothing reliable about the thread's last
// error, so it is E_FAIL like any other failure.
static_assert(OutOfMemory == 3 && Win32Error == 7, "GDI+ status numbers");
HRESULT StatusToHResult(GpStatus status) {
    if (status == Ok)
        return S_OK;
    return static_cast<HRESULT>(DecodeFailureCode(static_cast<int>(status)));
}

// Bits per pixel of a GDI+ pixel format.
int FormatBits(PixelFormat format) {
    return static_cast<int>((format >> 8) & 0xFF);
}

// Finds the encoder whose extension list ("*.BMP;*.DIB;*.RLE") holds the
// extension of the path.
bool FindEncoder(const std::string& path, CLSID& clsid) {
    std::wstring extension = Widen(ExtensionPart(FileNamePart(path)));
    if (extension.empty())
        return false;
    UINT count = 0, size = 0;
    if (DllExports::GdipGetImageEncodersSize(&count, &size) != Ok || size == 0)
        return false;
    std::vector<BYTE> buffer(size);
    ImageCodecInfo* codecs = reinterpret_cast<ImageCodecInfo*>(buffer.data());
    if (DllExports::GdipGetImageEncoders(count, size, codecs) != Ok)
        return false;
    for (UINT i = 0; i < count; ++i) {
        const WCHAR* list = codecs[i].FilenameExtension;
        while (list && *list) {
            const WCHAR* end = list;
            while (*end && *end != L';')
                ++end;
            const WCHAR* name = list;
            if (end - name >= 2 && name[0] == L'*' && name[1] == L'.')
                name += 2;
            if (CompareStringOrdinal(name, static_cast<int>(end - name), extension.c_str(),
                                     static_cast<int>(extension.size()), TRUE) == CSTR_EQUAL) {
                clsid = codecs[i].Clsid;
                return true;
            }
            list = *end ? end + 1 : end;
        }
    }
    return false;
}

// Frees a GDI+ bitmap when it goes out of scope.
class CGpBitmapHolder {
public:
    ~CGpBitmapHolder() {
        if (m_bitmap)
            DllExports::GdipDisposeImage(m_bitmap);
    }
    GpBitmap* m_bitmap = nullptr;
};

// The colour table of an indexed GDI+ bitmap.
bool ReadPalette(GpBitmap* bitmap, std::vector<std::uint32_t>& palette) {
    INT size = 0;
    if (DllExports::GdipGetImagePaletteSize(bitmap, &size) != Ok || size < 0 ||
        static_cast<std::size_t>(size) < sizeof(ColorPalette))
        return false;
    std::vector<BYTE> buffer(static_cast<std::size_t>(size));
    ColorPalette* colours = reinterpret_cast<ColorPalette*>(buffer.data());
    if (DllExports::GdipGetImagePalette(bitmap, colours, size) != Ok)
        return false;
    palette.assign(colours->Entries, colours->Entries + std::min<UINT>(colours->Count, 256));
    return true;
}

// The orientation tag of the file, 0 when it has none or cannot be read.
// Only the few bytes the tag needs are read, before GDI+ opens the file.
int ReadOrientation(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    int orientation =
        ReadExifOrientation([file](std::uint64_t offset, void* buffer, std::size_t size) {
            LARGE_INTEGER at;
            at.QuadPart = static_cast<LONGLONG>(offset);
            DWORD got = 0;
            if (offset > 0x7FFFFFFFFFFFFFFFull || size > 0xFFFFFFFFu ||
                !SetFilePointerEx(file, at, nullptr, FILE_BEGIN) ||
                !ReadFile(file, buffer, static_cast<DWORD>(size), &got, nullptr))
                return std::size_t{0};
            return static_cast<std::size_t>(got);
        });
    CloseHandle(file);
    return orientation;
}

// The turns that show a photo of the orientation (1 to 8) upright, done one
// after the other. The two diagonal mirrors (5 and 7) are a quarter turn and
// a left-right mirror in two steps: GDI+ implementations differ in the
// order in which the combined types Rotate90FlipX and Rotate270FlipX apply
// theirs (Wine's mirrors first, against the documentation).
struct UprightTurns {
    RotateFlipType first;
    RotateFlipType second;
};
UprightTurns UprightTurnsFor(int orientation) {
    static const UprightTurns kTurns[9] = {
        {RotateNoneFlipNone, RotateNoneFlipNone}, {RotateNoneFlipNone, RotateNoneFlipNone},
        {RotateNoneFlipX, RotateNoneFlipNone},    {Rotate180FlipNone, RotateNoneFlipNone},
        {RotateNoneFlipY, RotateNoneFlipNone},    {Rotate90FlipNone, RotateNoneFlipX},
        {Rotate90FlipNone, RotateNoneFlipNone},   {Rotate270FlipNone, RotateNoneFlipX},
        {Rotate270FlipNone, RotateNoneFlipNone}};
    return orientation >= 1 && orientation <= 8 ? kTurns[orientation] : kTurns[1];
}

}  // namespace

CWallpaperImage::CWallpaperImage() {
    ++g_liveImages;
}

// Frees the bitmap; the last image object shuts GDI+ down.
CWallpaperImage::~CWallpaperImage() {
    Destroy();
    if (--g_liveImages == 0 && g_gdiplusStarted) {
        GdiplusShutdown(g_gdiplusToken);
        g_gdiplusStarted = false;
    }
}

// Drops the pixels and the palette.
void CWallpaperImage::Destroy() {
    if (m_bitmap)
        DeleteObject(m_bitmap);
    if (m_decoded)
        DllExports::GdipDisposeImage(static_cast<GpBitmap*>(m_decoded));
    m_bitmap = nullptr;
    m_decoded = nullptr;
    m_bits = nullptr;
    m_width = m_height = m_stride = m_bitsPerPixel = 0;
    m_hasAlpha = false;
    m_gdiplusFormat = 0;
    m_palette.clear();
}

// Decodes the file with GDI+ (embedded colour management off) and keeps its
// pixels in the chosen depth: copied into a DIB section, or, for writing
// only and when the decoded depth is already the chosen one, in the decoded
// bitmap itself.
HRESULT CWallpaperImage::Load(const std::string& path, ImageUse use) {
    Destroy();
    if (!StartGdiplus())
        return E_FAIL;

    const std::wstring widePath = Widen(path);
    const UprightTurns turns = UprightTurnsFor(ReadOrientation(widePath));
    CGpBitmapHolder source;
    GpStatus status = DllExports::GdipCreateBitmapFromFile(widePath.c_str(), &source.m_bitmap);
    if (status != Ok)
        return StatusToHResult(status);
    // A photo with an orientation tag is turned upright; one that cannot be
    // turned is shown as stored.
    if (turns.first != RotateNoneFlipNone &&
        DllExports::GdipImageRotateFlip(source.m_bitmap, turns.first) == Ok &&
        turns.second != RotateNoneFlipNone)
        DllExports::GdipImageRotateFlip(source.m_bitmap, turns.second);

    UINT width = 0, height = 0;
    PixelFormat sourceFormat = 0;
    if (DllExports::GdipGetImageWidth(source.m_bitmap, &width) != Ok ||
        DllExports::GdipGetImageHeight(source.m_bitmap, &height) != Ok ||
        DllExports::GdipGetImagePixelFormat(source.m_bitmap, &sourceFormat) != Ok || width == 0 ||
        height == 0 || width > 0x7FFFFFFF || height > 0x7FFFFFFF)
        return E_FAIL;

    // The depth kept.
    PixelFormat format = PixelFormat32bppRGB;
    bool alpha = false;
    if (sourceFormat & PixelFormatAlpha) {
        format = PixelFormat32bppARGB;
        alpha = true;
    } else if (sourceFormat & PixelFormatGDI) {
        format = sourceFormat;
    }

    std::vector<std::uint32_t> palette;
    if ((format & PixelFormatIndexed) && !ReadPalette(source.m_bitmap, palette))
        return E_FAIL;

    m_width = static_cast<int>(width);
    m_height = static_cast<int>(height);
    m_bitsPerPixel = FormatBits(format);
    m_hasAlpha = alpha;
    m_gdiplusFormat = static_cast<int>(format);
    m_palette = std::move(palette);
    if (use == ImageUse::Writing && format == sourceFormat) {
        m_decoded = source.m_bitmap;
        source.m_bitmap = nullptr;
        return S_OK;
    }
    HRESULT result = CopyToDib(source.m_bitmap);
    if (FAILED(result))
        Destroy();
    return result;
}

// Copies the pixels of a decoded bitmap into a new DIB section of the depth
// chosen by Load.
HRESULT CWallpaperImage::CopyToDib(void* decoded) {
    GpBitmap* source = static_cast<GpBitmap*>(decoded);
    PixelFormat format = static_cast<PixelFormat>(m_gdiplusFormat);
    UINT width = static_cast<UINT>(m_width), height = static_cast<UINT>(m_height);
    int bits = m_bitsPerPixel;

    // The header, followed by the colour table or the 16-bit 5-6-5 masks.
    std::vector<BYTE> infoBuffer(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
    BITMAPINFO* info = reinterpret_cast<BITMAPINFO*>(infoBuffer.data());
    BITMAPINFOHEADER& header = info->bmiHeader;
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biWidth = static_cast<LONG>(width);
    header.biHeight = -static_cast<LONG>(height);  // top-down rows
    header.biPlanes = 1;
    header.biBitCount = static_cast<WORD>(bits);
    header.biCompression = BI_RGB;
    if (format == PixelFormat16bppRGB565) {
        header.biCompression = BI_BITFIELDS;
        DWORD* masks = reinterpret_cast<DWORD*>(info->bmiColors);
        masks[0] = 0xF800;
        masks[1] = 0x07E0;
        masks[2] = 0x001F;
    }
    if (!m_palette.empty()) {
        header.biClrUsed = static_cast<DWORD>(m_palette.size());
        for (std::size_t i = 0; i < m_palette.size(); ++i) {
            RGBQUAD& quad = info->bmiColors[i];
            quad.rgbBlue = static_cast<BYTE>(m_palette[i]);
            quad.rgbGreen = static_cast<BYTE>(m_palette[i] >> 8);
            quad.rgbRed = static_cast<BYTE>(m_palette[i] >> 16);
            quad.rgbReserved = 0;
        }
    }

    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (!bitmap || !pixels) {
        if (bitmap)
            DeleteObject(bitmap);
        return E_OUTOFMEMORY;
    }
    int stride = static_cast<int>(((static_cast<std::uint64_t>(width) * bits + 31) / 32) * 4);

    // GDI+ converts straight into the DIB section's rows.
    GpRect rect(0, 0, static_cast<INT>(width), static_cast<INT>(height));
    BitmapData data = {};
    data.Width = width;
    data.Height = height;
    data.Stride = stride;
    data.PixelFormat = format;
    data.Scan0 = pixels;
    GpStatus status = DllExports::GdipBitmapLockBits(
        source, &rect, ImageLockModeRead | ImageLockModeUserInputBuf, format, &data);
    if (status == Ok)
        status = DllExports::GdipBitmapUnlockBits(source, &data);
    if (status != Ok) {
        DeleteObject(bitmap);
        return StatusToHResult(status);
    }

    m_bitmap = bitmap;
    m_bits = static_cast<std::uint8_t*>(pixels);
    m_stride = stride;
    return S_OK;
}

// Encodes the pixels with the encoder the extension selects into a
// temporary file beside the target, which then takes the target's place, so
// that a failed encoding leaves the previous file as it was. The decoded
// bitmap may hold its source file open, and the target may be that file:
// then the pixels are taken into a DIB section and the source let go.
HRESULT CWallpaperImage::Save(const std::string& path) {
    if (IsNull() || !StartGdiplus())
        return E_FAIL;
    CLSID encoder;
    if (!FindEncoder(path, encoder))
        return E_FAIL;
    return WriteFileReplacing(
        path, [&](const std::string& temporary) { return Encode(temporary, encoder); },
        [&] {
            if (!m_decoded || FAILED(CopyToDib(m_decoded)))
                return false;
            DllExports::GdipDisposeImage(static_cast<GpBitmap*>(m_decoded));
            m_decoded = nullptr;
            return true;
        });
}

// Writes the pixels to the file with the encoder, through a stream on the
// file so that a file that cannot be created is reported with the system's
// reason.
HRESULT CWallpaperImage::Encode(const std::string& path, const CLSID& encoder) {
    IStream* stream = nullptr;
    HRESULT result = SHCreateStreamOnFileEx(Widen(path).c_str(),
                                            STGM_WRITE | STGM_CREATE | STGM_SHARE_DENY_WRITE,
                                            FILE_ATTRIBUTE_NORMAL, TRUE, nullptr, &stream);
    if (FAILED(result))
        return result;

    CGpBitmapHolder copy;
    GpBitmap* image = static_cast<GpBitmap*>(m_decoded);
    GpStatus status = Ok;
    if (!image) {
        PixelFormat format = m_hasAlpha ? PixelFormat32bppARGB : m_gdiplusFormat;
        status = DllExports::GdipCreateBitmapFromScan0(m_width, m_height, m_stride, format, m_bits,
                                                       &copy.m_bitmap);
        if (status == Ok && !m_palette.empty()) {
            std::vector<BYTE> buffer(sizeof(ColorPalette) + m_palette.size() * sizeof(ARGB));
            ColorPalette* colours = reinterpret_cast<ColorPalette*>(buffer.data());
            colours->Flags = 0;
            colours->Count = static_cast<UINT>(m_palette.size());
            for (std::size_t i = 0; i < m_palette.size(); ++i)
                colours->Entries[i] = m_palette[i];
            status = DllExports::GdipSetImagePalette(copy.m_bitmap, colours);
        }
        image = copy.m_bitmap;
    }
    if (status == Ok)
        status = DllExports::GdipSaveImageToStream(image, stream, &encoder, nullptr);
    result = StatusToHResult(status);
    stream->Release();
    return result;
}

// Draws the whole image scaled into the rectangle.
void CWallpaperImage::StretchDraw(HDC dc, int x, int y, int width, int height) const {
    if (!m_bitmap)
        return;  // nothing decoded, or kept for writing only
    HDC memory = CreateCompatibleDC(dc);
    if (!memory)
        return;
    HGDIOBJ previous = SelectObject(memory, m_bitmap);
    int previousMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, x, y, width, height, memory, 0, 0, m_width, m_height, SRCCOPY);
    if (previousMode)
        SetStretchBltMode(dc, previousMode);
    SelectObject(memory, previous);
    DeleteDC(memory);
}
