// Benchmark of the list core: write, read and sort a 100,000-item list in
// the in-memory row store, and add 20,000 paths with the duplicate test.
// Prints the times; the floor is a plain copy of the file's bytes.
//
// usage: list_bench [items] [adds]

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "base/ByteStream.h"
#include "list/ListFile.h"
#include "list/ListTarget.h"
#include "list/MemoryRowStore.h"
#include "list/WallpaperItem.h"
#include "list/WallpaperRows.h"
#include "view/SortOrder.h"

namespace {

using Clock = std::chrono::steady_clock;

// Milliseconds since start.
double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A list in memory that frees its items when it goes.
struct BenchList {
    CMemoryRowStore store;
    CWallpaperRows rows{store};
    CListTarget target{rows};
    ~BenchList() { rows.DeleteAllRows(); }
};

const char* const kPositions[] = {"Center", "Stretch", "Tile"};

// A made-up image path: one of 500 folders, a file name with mixed case.
std::string RandomPath(std::mt19937& random) {
    char path[128];
    const unsigned folder = random() % 500;
    const unsigned number = random() % 10000000;
    std::snprintf(path, sizeof path, "C:\\Users\\Me\\Pictures\\Trip %03u\\%s_%07u.%s", folder,
                  (number & 1) ? "IMG" : "img", number, (number & 2) ? "jpg" : "PNG");
    return path;
}

// Prints one measurement.
void Report(const char* what, double ms) {
    std::printf("%-44s %10.1f ms\n", what, ms);
}

}  // namespace

// Builds the list, then times each step and prints the figures.
int main(int argc, char** argv) {
    const int items = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int adds = argc > 2 ? std::atoi(argv[2]) : 20000;
    std::mt19937 random(20240611);  // fixed seed: the same list every run

    std::printf("list_bench: %d items, %d added paths\n", items, adds);

    BenchList list;
    auto start = Clock::now();
    for (int i = 0; i < items; ++i) {
        list.rows.AppendItem(std::make_unique<CWallpaperItem>(
            RandomPath(random), kPositions[random() % 3],
            static_cast<std::int32_t>(random() % 1000), static_cast<std::int32_t>(random() % 2)));
    }
    Report("build list (AppendItem)", MillisecondsSince(start));

    // Write, best of three.
    std::string bytes;
    double best = 1e300;
    for (int run = 0; run < 3; ++run) {
        CMemorySink sink;
        start = Clock::now();
        if (!WriteList(sink, list.target.GetSettings(), list.store))
            return 1;
        const double ms = MillisecondsSince(start);
        if (ms < best)
            best = ms;
        bytes = sink.Bytes();
    }
    std::printf("file size: %zu bytes\n", bytes.size());
    Report("write (WriteList, best of 3)", best);
    const double writeMs = best;

    // Floor: copying the file's bytes once.
    best = 1e300;
    unsigned long long checksum = 0;
    for (int run = 0; run < 3; ++run) {
        start = Clock::now();
        std::string copy(bytes.begin(), bytes.end());
        checksum += static_cast<unsigned char>(copy[copy.size() / 2]);
        const double ms = MillisecondsSince(start);
        if (ms < best)
            best = ms;
    }
    const double floorMs = best;
    Report("floor: copy the file's bytes (best of 3)", floorMs);

    // Read, best of three, each into a fresh list.
    best = 1e300;
    for (int run = 0; run < 3; ++run) {
        BenchList loaded;
        CMemorySource source(bytes);
        start = Clock::now();
        const ListReadResult result = ReadList(source, loaded.target);
        const double ms = MillisecondsSince(start);
        if (result.status != ListReadStatus::Ok || loaded.rows.Count() != items)
            return 1;
        if (ms < best)
            best = ms;
    }
    Report("read (ReadList, best of 3)", best);
    const double readMs = best;
    std::printf("ratios to the floor: write %.0fx, read %.0fx\n", writeMs / floorMs,
                readMs / floorMs);

    // Sort by every column in both directions.
    const char* const columns[] = {"file name", "folder", "position", "count"};
    double sortTotal = 0;
    for (int column = 0; column < 4; ++column) {
        for (int ascending = 1; ascending >= 0; --ascending) {
            g_bSortAscending = ascending;
            start = Clock::now();
            SortByColumn(list.store, column);
            const double ms = MillisecondsSince(start);
            sortTotal += ms;
            char what[64];
            std::snprintf(what, sizeof what, "sort by %s, %s", columns[column],
                          ascending ? "ascending" : "descending");
            Report(what, ms);
        }
    }
    g_bSortAscending = 1;
    Report("sort, all eight", sortTotal);

    // Adding a folder's files: the duplicate test, then the new row. One
    // path in ten is already in the list.
    std::vector<std::string> paths;
    paths.reserve(static_cast<std::size_t>(adds));
    for (int i = 0; i < adds; ++i) {
        if (i % 10 == 9 && list.rows.Count() > 0)
            paths.push_back(
                list.rows.Item(static_cast<int>(random() % list.rows.Count()))->GetPath());
        else
            paths.push_back(RandomPath(random));
    }
    for (int intoLoaded = 0; intoLoaded <= 1; ++intoLoaded) {
        BenchList empty;
        CWallpaperRows& rows = intoLoaded ? list.rows : empty.rows;
        const int before = rows.Count();
        start = Clock::now();
        for (const std::string& path : paths)
            if (!rows.IsInList(path))
                rows.AppendNew(path, "Stretch");
        const double ms = MillisecondsSince(start);
        char what[96];
        std::snprintf(what, sizeof what, "add %d paths to a list of %d (%d new)", adds, before,
                      rows.Count() - before);
        Report(what, ms);
    }
    std::printf("(checksum %llu)\n", checksum);
    return 0;
}
