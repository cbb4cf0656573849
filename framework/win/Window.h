#pragma once
#include <windows.h>

#include <string>

// A window object: the window's messages come to WindowProc. Windows of our
// own classes find their object at WM_NCCREATE; controls are subclassed.
class CWindow {
public:
    CWindow() = default;
    virtual ~CWindow();
    CWindow(const CWindow&) = delete;
    CWindow& operator=(const CWindow&) = delete;

    HWND GetHwnd() const { return m_hWnd; }
    bool IsWindow() const { return m_hWnd != nullptr && ::IsWindow(m_hWnd); }

    // Registers a window class whose messages go to the window objects.
    // Without a small icon the system shrinks the icon where it needs one.
    static bool RegisterClass(const char* className, UINT style, HICON icon, HCURSOR cursor,
                              HBRUSH background, HICON smallIcon = nullptr);
    // Creates a window of a class registered with RegisterClass.
    bool Create(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y,
                int width, int height, HWND parent, HMENU menuOrId);
    // Takes over an existing window (a control of the system's classes).
    bool Subclass(HWND hwnd);
    // Destroys the window.
    void Destroy();

    // The object of a window, or null.
    static CWindow* FromHandle(HWND hwnd);

    // A message this control sent its parent (a control's WM_COMMAND
    // notification, WM_CTLCOLORSTATIC), handed back to it by a parent that
    // reflects them (CDialog). True, with the parent's result, when handled.
    virtual bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        return false;
    }

protected:
    // Handles a message; the default passes it on.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The window class's own processing (or the subclassed control's).
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Runs after the window is gone (WM_NCDESTROY).
    virtual void OnFinalMessage() {}

private:
    void Attach(HWND hwnd);
    void Detach();
    static LRESULT CALLBACK ClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd = nullptr;
    WNDPROC m_pPrevProc = nullptr;  // the control's own procedure when subclassed
};

// The whole text of a window (a control's text, a caption).
std::string WindowText(HWND hwnd);
