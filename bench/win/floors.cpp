// The floors that bench/large_list.sh measures the real program against,
// each the least a program must do for the same result:
//
//   floors window                  an empty window with a report list view
//                                  (class "ListWindowFloor", list id 0xE900)
//                                  that runs until it is closed
//   floors gdiplus IMAGE OUT ROUNDS  decode with GdipCreateBitmapFromFile and
//                                  encode to BMP, nothing else; best of ROUNDS
//   floors enumerate FOLDER        FindFirstFile/FindNextFile over the folder
//   floors exists PATHS            GetFileAttributesA on every line of PATHS
//   floors wallpaper BMP ROUNDS    the system taking a bitmap as the desktop
//                                  wallpaper (SPI_SETDESKWALLPAPER), which
//                                  applying adds to the decode and encode;
//                                  best of ROUNDS
//
// Each timing mode prints "NAME N ms", measured inside the process.
#include <windows.h>
#include <objidl.h>
#include <commctrl.h>
#include <gdiplus.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

double NowMs() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::wstring Widen(const char* text) {
    int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length);
    wide.resize(wide.size() - 1);
    return wide;
}

LRESULT CALLBACK FloorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        MoveWindow(GetDlgItem(hwnd, 0xE900), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

int RunWindow() {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = FloorProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "ListWindowFloor";
    RegisterClassA(&wc);
    HWND frame = CreateWindowExA(0, "ListWindowFloor", "Floor", WS_OVERLAPPEDWINDOW, 20, 20, 500,
                                 300, nullptr, nullptr, wc.hInstance, nullptr);
    HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 0, 0,
                                frame, reinterpret_cast<HMENU>(0xE900), wc.hInstance, nullptr);
    const char* titles[] = {"Filename", "Path", "Position", "Count"};
    for (int i = 0; i < 4; ++i) {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.cx = 100;
        column.pszText = const_cast<char*>(titles[i]);
        column.iSubItem = i;
        SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&column));
    }
    ShowWindow(frame, SW_SHOWNORMAL);
    UpdateWindow(frame);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

int RunGdiplus(const char* image, const char* output, int rounds) {
    using namespace Gdiplus;
    GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (GdiplusStartup(&token, &input, nullptr) != Ok)
        return 1;
    CLSID bmp = {};
    UINT count = 0, size = 0;
    GetImageEncodersSize(&count, &size);
    std::vector<BYTE> buffer(size);
    auto* encoders = reinterpret_cast<ImageCodecInfo*>(buffer.data());
    GetImageEncoders(count, size, encoders);
    for (UINT i = 0; i < count; ++i)
        if (std::wcscmp(encoders[i].MimeType, L"image/bmp") == 0)
            bmp = encoders[i].Clsid;
    std::wstring in = Widen(image), out = Widen(output);
    double best = 0;
    for (int round = 0; round < rounds; ++round) {
        double start = NowMs();
        GpBitmap* bitmap = nullptr;
        if (DllExports::GdipCreateBitmapFromFile(in.c_str(), &bitmap) != Ok)
            return 1;
        Status saved = DllExports::GdipSaveImageToFile(bitmap, out.c_str(), &bmp, nullptr);
        DllExports::GdipDisposeImage(bitmap);
        if (saved != Ok)
            return 1;
        double ms = NowMs() - start;
        if (round == 0 || ms < best)
            best = ms;
    }
    GdiplusShutdown(token);
    std::printf("gdiplus %.1f ms\n", best);
    return 0;
}

int RunEnumerate(const char* folder) {
    double start = NowMs();
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((std::string(folder) + "\\*.*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do
            names.emplace_back(data.cFileName);
        while (FindNextFileA(find, &data));
        FindClose(find);
    }
    std::printf("enumerate %.1f ms (%zu entries)\n", NowMs() - start, names.size());
    return 0;
}

int RunExists(const char* listing) {
    std::ifstream in(listing);
    std::vector<std::string> paths;
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            paths.push_back(line);
    double start = NowMs();
    std::size_t present = 0;
    for (const std::string& path : paths)
        if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES)
            ++present;
    std::printf("exists %.1f ms (%zu of %zu present)\n", NowMs() - start, present, paths.size());
    return 0;
}

int RunWallpaper(const char* bitmap, int rounds) {
    std::string path = bitmap;
    double best = 0;
    for (int round = 0; round < rounds; ++round) {
        double start = NowMs();
        if (!SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, &path[0], SPIF_UPDATEINIFILE))
            return 1;
        double ms = NowMs() - start;
        if (round == 0 || ms < best)
            best = ms;
    }
    std::printf("wallpaper %.1f ms\n", best);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "window")
        return RunWindow();
    if (mode == "gdiplus" && argc > 3)
        return RunGdiplus(argv[2], argv[3], argc > 4 ? std::atoi(argv[4]) : 3);
    if (mode == "enumerate" && argc > 2)
        return RunEnumerate(argv[2]);
    if (mode == "exists" && argc > 2)
        return RunExists(argv[2]);
    if (mode == "wallpaper" && argc > 2)
        return RunWallpaper(argv[2], argc > 3 ? std::atoi(argv[3]) : 3);
    std::fprintf(stderr,
                 "usage: floors window | gdiplus IMAGE OUT [ROUNDS] | enumerate FOLDER | "
                 "exists PATHS | wallpaper BMP [ROUNDS]\n");
    return 2;
}
