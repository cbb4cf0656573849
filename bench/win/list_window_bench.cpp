// Benchmark of the list window's rows: read, sort and write a 100,000-item
// list through a real list control (the path the program takes), against
// the same work on the in-memory row store in the same run.
//
// usage: list_window_bench [items]

#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/ByteStream.h"
#include "base/win/AnsiCodePage.h"
#include "list/ListFile.h"
#include "list/ListSettings.h"
#include "list/ListTarget.h"
#include "list/MemoryRowStore.h"
#include "list/WallpaperItem.h"
#include "list/WallpaperRows.h"
#include "view/SortOrder.h"
#include "view/win/ListControlRows.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The bytes of a version 3 list of n items in 500 folders.
std::string MakeListFile(int items) {
    CMemoryRowStore store;
    CWallpaperRows rows(store);
    const char* positions[] = {"Center", "Stretch", "Tile"};
    for (int i = 0; i < items; ++i) {
        char path[128];
        unsigned number = static_cast<unsigned>(i) * 2654435761u % 10000000u;
        std::snprintf(path, sizeof path, "C:\\Users\\Me\\Pictures\\Trip %03d\\IMG_%07u.jpg",
                      i % 500, number);
        rows.AppendNew(path, positions[i % 3]);
    }
    CMemorySink sink;
    WriteList(sink, CListSettings(), store);
    rows.DeleteAllRows();
    return sink.Bytes();
}

// Reads, sorts by every column and writes the list through the store; prints the times.
void Measure(const char* name, IRowStore& store, const std::string& file, bool redrawOff,
             HWND list) {
    CWallpaperRows rows(store);
    CListTarget target(rows);
    auto start = Clock::now();
    if (redrawOff)
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    CMemorySource source(file);
    ReadList(source, target);
    if (redrawOff)
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    double read = MillisecondsSince(start);

    start = Clock::now();
    for (int column = 0; column < 4; ++column)
        SortByColumn(store, column);
    double sort = MillisecondsSince(start) / 4;

    start = Clock::now();
    CMemorySink sink;
    WriteList(sink, target.Settings(), store);
    double write = MillisecondsSince(start);

    start = Clock::now();
    if (redrawOff)
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    rows.DeleteAllRows();
    if (redrawOff)
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    double clear = MillisecondsSince(start);
    std::printf("%-22s read %9.1f ms  sort (per column) %8.1f ms  write %8.1f ms  clear %8.1f ms\n",
                name, read, sort, write, clear);
}

}  // namespace

int main(int argc, char** argv) {
    int items = argc > 1 ? std::atoi(argv[1]) : 100000;
    InstallWindowsTextServices();
    InitCommonControls();
    std::string file = MakeListFile(items);
    std::printf("%d items, %zu bytes\n", items, file.size());

    CMemoryRowStore memory;
    Measure("in-memory rows", memory, file, false, nullptr);

    HWND list =
        CreateWindowExA(0, WC_LISTVIEWA, "", WS_POPUP | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS,
                        0, 0, 600, 400, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!list) {
        std::printf("no list control (no display?)\n");
        return 1;
    }
    const char* titles[] = {"Filename", "Path", "Position", "Count"};
    for (int i = 0; i < 4; ++i) {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.cx = 120;
        column.pszText = const_cast<char*>(titles[i]);
        column.iSubItem = i;
        SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&column));
    }
    CListControlRows control(list);
    Measure("list control", control, file, true, list);
    DestroyWindow(list);
    return 0;
}
