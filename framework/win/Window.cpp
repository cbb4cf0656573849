#include "framework/win/Window.h"

#include <mutex>
#include <unordered_map>

#include "framework/win/ExceptionBarrier.h"

namespace {

// The window objects by handle. Every message a window object receives
// looks its object up here: a window property would cost a trip to the
// window server per message under Wine, and a control sends its parent a
// notification for every row it changes. Kept for the life of the process,
// so that window objects destroyed during static clean-up still find it.
struct ObjectTable {
    std::mutex lock;
    std::unordered_map<HWND, CWindow*> objects;
};

ObjectTable& Objects() {
    static ObjectTable* table = new ObjectTable;
    return *table;
}

}  // namespace

CWindow::~CWindow() {
    if (m_hWnd) {
        HWND hwnd = m_hWnd;
        Detach();
        if (::IsWindow(hwnd))
            ::DestroyWindow(hwnd);
    }
}

bool CWindow::RegisterClass(const char* className, UINT style, HICON icon, HCURSOR cursor,
                            HBRUSH background, HICON smallIcon) {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (GetClassInfoExA(instance, className, &wc))
        return true;
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = ClassProc;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hIconSm = smallIcon;
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    return RegisterClassExA(&wc) != 0;
}

bool CWindow::Create(DWORD exStyle, const char* className, const char* title, DWORD style, int x,
                     int y, int width, int height, HWND parent, HMENU menuOrId) {
    HWND hwnd = CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent,
                                menuOrId, GetModuleHandleA(nullptr), this);
    return hwnd != nullptr && hwnd == m_hWnd;
}

bool CWindow::Subclass(HWND hwnd) {
    if (!hwnd || m_hWnd)
        return false;
    Attach(hwnd);
    m_pPrevProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
    return m_pPrevProc != nullptr;
}

void CWindow::Destroy() {
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
}

CWindow* CWindow::FromHandle(HWND hwnd) {
    if (!hwnd)
        return nullptr;
    ObjectTable& table = Objects();
    std::lock_guard<std::mutex> guard(table.lock);
    auto found = table.objects.find(hwnd);
    return found != table.objects.end() ? found->second : nullptr;
}

LRESULT CWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultProc(message, wParam, lParam);
}

LRESULT CWindow::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pPrevProc)
        return CallWindowProcA(m_pPrevProc, m_hWnd, message, wParam, lParam);
    return DefWindowProcA(m_hWnd, message, wParam, lParam);
}

void CWindow::Attach(HWND hwnd) {
    m_hWnd = hwnd;
    ObjectTable& table = Objects();
    std::lock_guard<std::mutex> guard(table.lock);
    table.objects[hwnd] = this;
}

void CWindow::Detach() {
    if (!m_hWnd)
        return;
    if (m_pPrevProc) {
        SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pPrevProc));
        m_pPrevProc = nullptr;
    }
    {
        ObjectTable& table = Objects();
        std::lock_guard<std::mutex> guard(table.lock);
        auto found = table.objects.find(m_hWnd);
        if (found != table.objects.end() && found->second == this)
            table.objects.erase(found);
    }
    m_hWnd = nullptr;
}

// The system calls this: an exception stops here (ExceptionBarrier.h). A
// window whose creation message failed is not created.
LRESULT CWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND hwnd = m_hWnd;
    LRESULT result = 0;
    try {
        result = WindowProc(message, wParam, lParam);
    } catch (...) {
        result = message == WM_CREATE ? -1 : 0;
        ReportException(hwnd);
    }
    if (message != WM_NCDESTROY)
        return result;
    Detach();
    try {
        OnFinalMessage();
    } catch (...) {
        ReportException(nullptr);
    }
    return result;
}

LRESULT CALLBACK CWindow::ClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWindow* window = FromHandle(hwnd);
    if (!window && message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        window = static_cast<CWindow*>(create->lpCreateParams);
        if (window)
            window->Attach(hwnd);
    }
    if (!window)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    return window->Dispatch(message, wParam, lParam);
}

LRESULT CALLBACK CWindow::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWindow* window = FromHandle(hwnd);
    if (!window)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    return window->Dispatch(message, wParam, lParam);
}

std::string WindowText(HWND hwnd) {
    int length = GetWindowTextLengthA(hwnd);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    int got = GetWindowTextA(hwnd, text.data(), length + 1);
    text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return text;
}
