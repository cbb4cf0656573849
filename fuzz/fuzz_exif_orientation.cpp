// Feeds arbitrary bytes to the photo orientation reader. Besides the
// sanitizers' findings, it checks that the value is 0 to 8 and that the
// reader stays bounded whatever the file claims: a few hundred reads and
// less than 70 000 bytes in all (segment headers, one EXIF block of at most
// 64 KiB, or a TIFF header and 1024 directory entries).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "wallpaper/ExifOrientation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::size_t calls = 0, total = 0;
    const int value =
        ReadExifOrientation([&](std::uint64_t offset, void* buffer, std::size_t wanted) {
            ++calls;
            total += wanted;
            if (offset >= size)
                return std::size_t{0};
            std::size_t n = size - static_cast<std::size_t>(offset);
            if (n > wanted)
                n = wanted;
            std::memcpy(buffer, data + offset, n);
            return n;
        });
    if (value < 0 || value > 8 || calls > 300 || total >= 70000)
        std::abort();
    if (ReadExifOrientation(data, size) != value)
        std::abort();
    return 0;
}
