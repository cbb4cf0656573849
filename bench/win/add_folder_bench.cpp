// Benchmark of Add From Folder: the folder scan (ScanFolder with the
// program's file finder, duplicate test and new rows) over a folder of
// 20,000 empty files with image names, into the in-memory rows and into a
// real list control as the program does, against a plain
// FindFirstFile/FindNextFile enumeration of the same folder in the same
// run (the floor). Then the time to save the resulting list to a file and
// to open it again. Best of the rounds for each figure.
//
// usage: add_folder_bench [files] [rounds]

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/ByteStream.h"
#include "base/win/AnsiCodePage.h"
#include "framework/win/DocumentFilesWin.h"
#include "list/ListFile.h"
#include "list/ListSettings.h"
#include "list/ListTarget.h"
#include "list/MemoryRowStore.h"
#include "list/WallpaperRows.h"
#include "view/FolderScan.h"
#include "view/win/FileFinderWin.h"
#include "view/win/ListControlRows.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

const char* const kExtensions[] = {"jpg", "png", "bmp", "jpeg", "JPG"};

// Makes the folder with n empty files named like camera pictures.
std::string MakeFolder(int files) {
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    std::string folder =
        std::string(temp) + "varnello-add-bench-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    for (int i = 0; i < files; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "\\IMG_%05d.%s", i, kExtensions[i % 5]);
        HANDLE file = CreateFileA((folder + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
    }
    return folder;
}

void RemoveFolder(const std::string& folder) {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileA((folder + "\\" + data.cFileName).c_str());
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    RemoveDirectoryA(folder.c_str());
}

// The floor: lists the folder and counts its files, nothing else.
int PlainEnumeration(const std::string& folder) {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*.*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    int files = 0;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            ++files;
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return files;
}

// Scans the folder into the rows; returns the time, checks the count. A
// list control does not redraw meanwhile, as in the program.
double TimeScan(IRowStore& store, const std::string& folder, int expected, HWND list = nullptr) {
    CWallpaperRows rows(store);
    CFileFinderWin finder;
    CFolderScan scan(rows, finder, "Stretch");
    auto start = Clock::now();
    if (list)
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    int added = scan.ScanFolder(folder, true);
    if (list) {
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
        UpdateWindow(list);
    }
    double ms = MillisecondsSince(start);
    if (added != expected)
        std::printf("!! the scan added %d rows, not %d\n", added, expected);
    rows.DeleteAllRows();
    return ms;
}

HWND MakeListControl() {
    HWND list =
        CreateWindowExA(0, WC_LISTVIEWA, "", WS_POPUP | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS,
                        0, 0, 600, 400, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    const char* titles[] = {"Filename", "Path", "Position", "Count"};
    for (int i = 0; list && i < 4; ++i) {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.cx = 120;
        column.pszText = const_cast<char*>(titles[i]);
        column.iSubItem = i;
        SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&column));
    }
    return list;
}

void Report(const char* what, double ms, double floor) {
    if (floor > 0)
        std::printf("%-46s %9.1f ms  (%.1f x the floor)\n", what, ms, ms / floor);
    else
        std::printf("%-46s %9.1f ms\n", what, ms);
}

}  // namespace

int main(int argc, char** argv) {
    int files = argc > 1 ? std::atoi(argv[1]) : 20000;
    int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    InstallWindowsTextServices();
    InitCommonControls();

    auto start = Clock::now();
    std::string folder = MakeFolder(files);
    std::printf("%d empty image files made in %.0f ms in %s\n", files, MillisecondsSince(start),
                folder.c_str());
    std::fflush(stdout);

    double floor = 1e300, memory = 1e300, control = 1e300;
    for (int round = 0; round < rounds; ++round) {
        start = Clock::now();
        int listed = PlainEnumeration(folder);
        floor = std::min(floor, MillisecondsSince(start));
        if (listed != files)
            std::printf("!! the enumeration found %d files\n", listed);
        CMemoryRowStore store;
        memory = std::min(memory, TimeScan(store, folder, files));
    }
    Report("plain FindFirstFile/FindNextFile (floor)", floor, 0);
    Report("ScanFolder into in-memory rows", memory, floor);

    HWND list = MakeListControl();
    if (!list) {
        std::printf("no list control (no display?)\n");
        RemoveFolder(folder);
        return 1;
    }
    CListControlRows rows(list);
    for (int round = 0; round < rounds; ++round)
        control = std::min(control, TimeScan(rows, folder, files, list));
    Report("ScanFolder into the list control (the program)", control, floor);

    // Save the list the scan made, then open it again, as the program does.
    CWallpaperRows listRows(rows);
    CFileFinderWin finder;
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    CFolderScan(listRows, finder, "Stretch").ScanFolder(folder, false);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    std::string listFile = folder + ".vld";
    CDocumentFilesWin fileSystem;
    CListSettings settings;
    double save = 1e300, open = 1e300;
    for (int round = 0; round < rounds; ++round) {
        start = Clock::now();
        std::string keptFile;
        bool saved = fileSystem.WriteReplacing(
            listFile, [&](IByteSink& sink) { return WriteList(sink, settings, rows); }, keptFile);
        save = std::min(save, MillisecondsSince(start));
        if (!saved)
            std::printf("!! saving failed\n");

        HWND other = MakeListControl();
        CListControlRows reopened(other);
        CWallpaperRows reopenedRows(reopened);
        CListTarget target(reopenedRows);
        start = Clock::now();
        std::uint64_t size = 0;
        std::string error;
        auto source = fileSystem.OpenForReading(listFile, size, error);
        SendMessageA(other, WM_SETREDRAW, FALSE, 0);
        ListReadResult result;
        result.status = ListReadStatus::EndOfFile;
        if (source)
            result = ReadList(*source, target);
        SendMessageA(other, WM_SETREDRAW, TRUE, 0);
        open = std::min(open, MillisecondsSince(start));
        if (result.status != ListReadStatus::Ok || reopened.RowCount() != files)
            std::printf("!! reopening gave %d rows\n", reopened.RowCount());
        reopenedRows.DeleteAllRows();
        DestroyWindow(other);
    }
    Report("save the list of the scan (.vld)", save, 0);
    Report("open it again into a list control", open, 0);

    listRows.DeleteAllRows();
    DestroyWindow(list);
    DeleteFileA(listFile.c_str());
    RemoveFolder(folder);
    return 0;
}
