#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>

// The orientation tag (0x0112) of a photo: how its stored pixels must be
// turned to be seen upright. It is read from the EXIF block (the APP1
// segment "Exif\0\0") of a JPEG file, or from the first image directory of
// a TIFF file. Values, as the EXIF standard numbers them:
//   1 as stored              5 mirrored across the main diagonal
//   2 mirrored left-right    6 turned 90 degrees clockwise to be upright
//   3 turned 180 degrees     7 mirrored across the other diagonal
//   4 mirrored top-bottom    8 turned 90 degrees anticlockwise to be upright
//
// The files are untrusted: the reader never reads outside what the source
// gives, looks at a bounded number of JPEG segments and directory entries,
// and reads only the segment headers before the EXIF block, the block
// itself (at most 64 KiB) and, in a TIFF file, its header and first
// directory; never the image data.

// Reads up to size bytes at offset into buffer and returns how many it read
// (fewer only where the source ends).
using ReadBytesAt =
    std::function<std::size_t(std::uint64_t offset, void* buffer, std::size_t size)>;

// The orientation, 1 to 8; 0 when the file is no JPEG or TIFF, has no tag,
// or its structure or the value is damaged.
int ReadExifOrientation(const ReadBytesAt& read);
// The same for a file's bytes in memory.
int ReadExifOrientation(const void* data, std::size_t size);
