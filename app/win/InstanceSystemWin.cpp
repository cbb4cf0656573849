#include "app/win/InstanceSystemWin.h"

#include "framework/win/Application.h"
#include "framework/win/FrameWindow.h"
#include "res/resource.h"

namespace {

HWND ToHwnd(InstanceWindow window) {
    return static_cast<HWND>(ULongToHandle(window));
}

InstanceWindow FromHwnd(HWND window) {
    return HandleToULong(window);
}

CInstanceSystemWin g_instanceSystem;

// Closes the published mapping when the process ends (made after the
// system object, so it goes first).
struct CMappingCloser {
    ~CMappingCloser() { CloseInstanceMapping(g_instanceSystem); }
} g_mappingCloser;

}  // namespace

IInstanceSystem& InstanceSystem() {
    return g_instanceSystem;
}

KernelHandle CInstanceSystemWin::CreateNamedMutex(const std::string& name) {
    return CreateMutexA(nullptr, FALSE, name.c_str());
}

bool CInstanceSystemWin::WaitForMutex(KernelHandle mutex, std::uint32_t timeoutMs) {
    // A mutex left behind by an instance that ended without letting it go
    // is ours now all the same.
    DWORD result = WaitForSingleObject(mutex, timeoutMs);
    return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
}

void CInstanceSystemWin::ReleaseMutex(KernelHandle mutex) {
    ::ReleaseMutex(mutex);
}

void CInstanceSystemWin::CloseHandle(KernelHandle handle) {
    ::CloseHandle(handle);
}

KernelHandle CInstanceSystemWin::OpenMapping(const std::string& name) {
    return OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, name.c_str());
}

KernelHandle CInstanceSystemWin::CreateMapping(const std::string& name, std::uint32_t size) {
    return CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, size, name.c_str());
}

void* CInstanceSystemWin::MapView(KernelHandle mapping, std::uint32_t size) {
    return MapViewOfFile(mapping, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, size);
}

void CInstanceSystemWin::UnmapView(void* view) {
    UnmapViewOfFile(view);
}

InstanceWindow CInstanceSystemWin::MainWindow() {
    CApplication* app = CApplication::Get();
    return app && app->MainWindow() ? FromHwnd(app->MainWindow()) : 0;
}

InstanceWindow CInstanceSystemWin::LastActivePopup(InstanceWindow window) {
    return FromHwnd(GetLastActivePopup(ToHwnd(window)));
}

bool CInstanceSystemWin::HasVisibleStyle(InstanceWindow window) {
    return (GetWindowLongA(ToHwnd(window), GWL_STYLE) & WS_VISIBLE) != 0;
}

bool CInstanceSystemWin::IsMinimized(InstanceWindow window) {
    return IsIconic(ToHwnd(window)) != FALSE;
}

void CInstanceSystemWin::Restore(InstanceWindow window) {
    ShowWindow(ToHwnd(window), SW_RESTORE);
}

void CInstanceSystemWin::SetForeground(InstanceWindow window) {
    SetForegroundWindow(ToHwnd(window));
}

void CInstanceSystemWin::SendRestoreRequest(InstanceWindow window, std::uint32_t timeoutMs) {
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(ToHwnd(window), WM_RESTORE_REQUEST, 0, 0, SMTO_ABORTIFHUNG, timeoutMs,
                        &answer);
}

bool CInstanceSystemWin::SendCopyData(InstanceWindow window, InstanceWindow sender,
                                      std::uintptr_t dataValue, const std::vector<char>& bytes,
                                      std::uint32_t timeoutMs) {
    std::vector<char> copy = bytes;
    COPYDATASTRUCT data = {};
    data.dwData = dataValue;
    data.cbData = static_cast<DWORD>(copy.size());
    data.lpData = copy.data();
    DWORD_PTR answer = 0;
    return SendMessageTimeoutA(
               ToHwnd(window), WM_COPYDATA, reinterpret_cast<WPARAM>(ToHwnd(sender)),
               reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, timeoutMs, &answer) != 0;
}
