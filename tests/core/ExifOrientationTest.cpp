// The orientation tag of JPEG and TIFF files, from bytes written here.
#include <gtest/gtest.h>

#include <string>

#include "wallpaper/ExifOrientation.h"

namespace {

std::string Be16(unsigned v) {
    return {static_cast<char>(v >> 8), static_cast<char>(v)};
}

// TIFF data with a first directory of two entries (width, then the
// orientation as one SHORT of the given type), after filler bytes.
std::string Tiff(bool little, unsigned orientation, unsigned type = 3, std::size_t filler = 0) {
    auto n16 = [little](unsigned v) {
        std::string b = Be16(v);
        return little ? std::string{b[1], b[0]} : b;
    };
    auto n32 = [&](unsigned v) { return little ? n16(v) + n16(v >> 16) : n16(v >> 16) + n16(v); };
    return (little ? std::string("II*\0", 4) : std::string("MM\0*", 4)) +
           n32(static_cast<unsigned>(8 + filler)) + std::string(filler, '\x55') + n16(2) +
           n16(0x0100) + n16(3) + n32(1) + n16(640) + n16(0) + n16(0x0112) + n16(type) + n32(1) +
           n16(orientation) + n16(0) + n32(0);
}

std::string Segment(unsigned marker, const std::string& content) {
    return Be16(marker) + Be16(static_cast<unsigned>(content.size() + 2)) + content;
}

// A JPEG: SOI, a JFIF APP0, the segments, then image data.
std::string Jpeg(const std::string& segments) {
    return "\xFF\xD8" + Segment(0xFFE0, std::string("JFIF\0\1\1\0\0\1\0\1\0\0", 14)) + segments +
           Segment(0xFFDA, std::string(10, '\0')) + std::string(4096, '\x33') + "\xFF\xD9";
}

std::string Exif(const std::string& tiff) {
    return Segment(0xFFE1, std::string("Exif\0\0", 6) + tiff);
}
int Read(const std::string& bytes) {
    return ReadExifOrientation(bytes.data(), bytes.size());
}

}  // namespace

TEST(ExifOrientation, JpegAndTiffInBothByteOrders) {
    for (unsigned value = 1; value <= 8; ++value) {
        for (bool little : {true, false}) {
            EXPECT_EQ(Read(Jpeg(Exif(Tiff(little, value)))), static_cast<int>(value));
            // A TIFF file whose directory lies after its image data.
            EXPECT_EQ(Read(Tiff(little, value, 3, 100000)), static_cast<int>(value));
        }
    }
    // An XMP block, fill bytes and a segment without length before the EXIF block.
    const std::string xmp = Segment(0xFFE1, "http://ns.adobe.com/xap/1.0/\0<x/>");
    EXPECT_EQ(Read(Jpeg(xmp + "\xFF\xFF\xFF\xD0" + Exif(Tiff(false, 6)))), 6);
}

TEST(ExifOrientation, NoTagOrDamagedGivesNone) {
    EXPECT_EQ(Read(Jpeg("")), 0);
    EXPECT_EQ(Read(Jpeg(Exif(Tiff(true, 9)))), 0);
    EXPECT_EQ(Read(Jpeg(Exif(Tiff(true, 6, 4)))), 0);  // a LONG, not a SHORT
    EXPECT_EQ(Read(Jpeg(Segment(0xFFE1, std::string("Exif\0\0MM\0*\0\0\0\0", 14)))), 0);
    EXPECT_EQ(Read(Jpeg("") + Exif(Tiff(true, 6))), 0);  // after the image data
    std::string loop = Tiff(true, 6);
    loop[4] = 0;  // the directory at offset 0, over the header
    EXPECT_EQ(Read(loop), 0);
    // Cut anywhere: the tag or nothing (the sanitizers watch every read).
    const std::string whole = Jpeg(Exif(Tiff(false, 8)));
    for (std::size_t size = 0; size < whole.size(); ++size) {
        int value = ReadExifOrientation(whole.data(), size);
        EXPECT_TRUE(value == 0 || value == 8) << size;
    }
}

// Only the segment headers and the EXIF block are read, never the image.
TEST(ExifOrientation, ReadsTheHeadersAndTheBlockOnly) {
    const std::string big = Segment(0xFFE2, std::string(60000, '\x11'));
    const std::string file = Jpeg(big + Exif(Tiff(true, 3))) + std::string(1 << 20, '\0');
    std::size_t total = 0;
    int value = ReadExifOrientation([&](std::uint64_t offset, void* buffer, std::size_t size) {
        total += size;
        return offset < file.size() ? file.copy(static_cast<char*>(buffer), size, offset)
                                    : std::size_t{0};
    });
    EXPECT_EQ(value, 3);
    EXPECT_LT(total, 200u);
}
