#include "wallpaper/ExifOrientation.h"

#include <cstring>
#include <vector>

namespace {

// Markers looked at before the EXIF block; real files have a handful.
constexpr int kMaxSegments = 64;
// Directory entries looked at; the tag is among the first dozen in real files.
constexpr std::uint32_t kMaxEntries = 1024;
constexpr std::size_t kEntrySize = 12;
constexpr std::uint16_t kOrientationTag = 0x0112;
constexpr std::uint16_t kTypeShort = 3;

// Reads bytes held in memory.
ReadBytesAt MemoryReader(const unsigned char* bytes, std::size_t size) {
    return [bytes, size](std::uint64_t offset, void* buffer, std::size_t wanted) {
        if (offset >= size)
            return std::size_t{0};
        const std::size_t left = size - static_cast<std::size_t>(offset);
        const std::size_t n = wanted < left ? wanted : left;
        if (n > 0)
            std::memcpy(buffer, bytes + offset, n);
        return n;
    };
}

// Reads exactly size bytes at offset; false where the source ends first.
bool ReadExactly(const ReadBytesAt& read, std::uint64_t offset, void* buffer, std::size_t size) {
    return read(offset, buffer, size) == size;
}

std::uint16_t Get16(const unsigned char* p, bool little) {
    return static_cast<std::uint16_t>(little ? p[0] | (p[1] << 8) : (p[0] << 8) | p[1]);
}

std::uint32_t Get32(const unsigned char* p, bool little) {
    std::uint32_t high = Get16(little ? p + 2 : p, little);
    std::uint32_t low = Get16(little ? p : p + 2, little);
    return (high << 16) | low;
}

// The orientation in TIFF data that starts at base: the byte order and the
// first directory's offset from the header, then that directory's entries.
int ReadTiffOrientation(const ReadBytesAt& read, std::uint64_t base) {
    unsigned char header[8];
    if (!ReadExactly(read, base, header, sizeof header))
        return 0;
    bool little;
    if (std::memcmp(header, "II*\0", 4) == 0)
        little = true;
    else if (std::memcmp(header, "MM\0*", 4) == 0)
        little = false;
    else
        return 0;
    const std::uint32_t directory = Get32(header + 4, little);
    if (directory < sizeof header)
        return 0;  // the directory would overlap the header
    unsigned char countBytes[2];
    if (!ReadExactly(read, base + directory, countBytes, sizeof countBytes))
        return 0;
    std::uint32_t count = Get16(countBytes, little);
    if (count > kMaxEntries)
        count = kMaxEntries;
    std::vector<unsigned char> entries(count * kEntrySize);
    // A directory cut short by the end of the data keeps its whole entries.
    const std::size_t got =
        entries.empty() ? 0 : read(base + directory + 2, entries.data(), entries.size());
    for (std::size_t at = 0; at + kEntrySize <= got; at += kEntrySize) {
        const unsigned char* entry = entries.data() + at;
        if (Get16(entry, little) != kOrientationTag)
            continue;
        // One SHORT, kept in the first two bytes of the value field.
        if (Get16(entry + 2, little) != kTypeShort || Get32(entry + 4, little) < 1)
            return 0;
        const std::uint16_t value = Get16(entry + 8, little);
        return value >= 1 && value <= 8 ? value : 0;
    }
    return 0;
}

// The orientation in a JPEG file's EXIF block: the segments are walked from
// the start of the file up to the start of the image data (SOS), reading
// their markers, lengths and the first bytes of APP1 segments only, until
// an APP1 segment begins with "Exif\0".
int ReadJpegOrientation(const ReadBytesAt& read) {
    std::uint64_t pos = 2;  // after SOI
    for (int seen = 0; seen < kMaxSegments; ++seen) {
        unsigned char head[4];
        const std::size_t got = read(pos, head, sizeof head);
        if (got < 2 || head[0] != 0xFF)
            return 0;
        const unsigned char code = head[1];
        if (code == 0xFF || code == 0x01 || code == 0xD8 || (code >= 0xD0 && code <= 0xD7)) {
            // Fill bytes and markers without a length.
            pos += code == 0xFF ? 1 : 2;
            continue;
        }
        if (code == 0xDA || code == 0xD9 || got < 4)
            return 0;  // the image data or the end: no EXIF block before them
        const std::size_t length = Get16(head + 2, false);
        if (length < 2)
            return 0;
        unsigned char id[6];
        if (code == 0xE1 && length >= 2 + sizeof id && ReadExactly(read, pos + 4, id, sizeof id) &&
            std::memcmp(id, "Exif\0", 5) == 0) {
            // The EXIF block; its TIFF data follows the six bytes of its name.
            std::vector<unsigned char> block(length - 2 - sizeof id);
            const std::size_t size =
                block.empty() ? 0 : read(pos + 4 + sizeof id, block.data(), block.size());
            return ReadTiffOrientation(MemoryReader(block.data(), size), 0);
        }
        pos += 2 + length;
    }
    return 0;
}

}  // namespace

int ReadExifOrientation(const ReadBytesAt& read) {
    unsigned char start[4];
    if (!ReadExactly(read, 0, start, sizeof start))
        return 0;
    if (start[0] == 0xFF && start[1] == 0xD8)
        return ReadJpegOrientation(read);
    return ReadTiffOrientation(read, 0);
}

int ReadExifOrientation(const void* data, std::size_t size) {
    return ReadExifOrientation(MemoryReader(static_cast<const unsigned char*>(data), size));
}
