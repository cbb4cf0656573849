// Times applying a large image the way the program does it: decode the file
// with GDI+ into a bitmap and write it as a BMP file. Prints the best of
// several rounds in milliseconds.
//
// usage: apply_bench IMAGE OUTPUT.bmp [ROUNDS]
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "wallpaper/win/WallpaperImage.h"

namespace {

// Milliseconds since an arbitrary start.
double NowMs() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: apply_bench IMAGE OUTPUT.bmp [ROUNDS]\n");
        return 2;
    }
    int rounds = argc > 3 ? std::atoi(argv[3]) : 3;
    if (rounds < 1)
        rounds = 1;
    double bestDecode = 0, bestEncode = 0, bestTotal = 0;
    for (int round = 0; round < rounds; ++round) {
        CWallpaperImage image;
        double start = NowMs();
        HRESULT loaded = image.Load(argv[1]);
        double decoded = NowMs();
        if (FAILED(loaded)) {
            std::fprintf(stderr, "decode failed: %08lx\n", static_cast<unsigned long>(loaded));
            return 1;
        }
        HRESULT saved = image.Save(argv[2]);
        double encoded = NowMs();
        if (FAILED(saved)) {
            std::fprintf(stderr, "encode failed: %08lx\n", static_cast<unsigned long>(saved));
            return 1;
        }
        double total = encoded - start;
        if (round == 0 || total < bestTotal) {
            bestTotal = total;
            bestDecode = decoded - start;
            bestEncode = encoded - decoded;
        }
        if (round == 0)
            std::printf("image %dx%d, %d bits per pixel\n", image.Width(), image.Height(),
                        image.BitsPerPixel());
    }
    std::printf("decode_ms %.0f\nencode_ms %.0f\ntotal_ms %.0f\n", bestDecode, bestEncode,
                bestTotal);
    return 0;
}
