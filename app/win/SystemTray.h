#pragma once
#include <windows.h>
#include <shellapi.h>

#include "app/NotifyAreaRect.h"
#include "framework/win/Window.h"

// The shell's "TaskbarCreated" message, broadcast when the taskbar comes
// back after the shell restarted; registered when the program starts.
extern UINT g_uTaskbarCreatedMessage;

// The one hidden window that parked windows are moved under, so that they
// leave the taskbar; made on first use, destroyed with the tray icon and at
// exit. It holds only a handle, so it outlives every object that uses it.
// A parked window is no top-level window, and the system asks only those
// whether the session may end: the parking window passes the question and
// the end of the session on to the windows parked under it.
class CParkingWindow {
public:
    HWND GetHwnd() const { return m_hWnd; }
    bool Exists() const { return m_hWnd && ::IsWindow(m_hWnd); }
    // Makes the window unless it exists; false when it cannot be made.
    bool Create();
    void Destroy();

private:
    HWND m_hWnd = nullptr;
};
extern CParkingWindow g_wndParking;

// The program's icon in the taskbar's notification area for the life of
// the main window: added when the frame is created, added again when the
// shell restarts or the work area changes, its menu on a right click. Also
// moves a window into the notification area and back, with the system's
// caption animation. The icon's mouse messages go to the owner window,
// which hands those it does not handle to HandleTrayNotification; the
// object's own hidden window hears the shell's broadcasts.
class CSystemTray : public CWindow {
public:
    CSystemTray();
    ~CSystemTray() override;

    // Adds the icon; false when there is no notification area or the shell
    // did not take the icon.
    bool CreateTrayIcon(HWND owner, UINT callbackMessage, const char* tooltip, HICON icon, UINT id);
    bool DeleteTrayIcon();
    // The right button's release shows the tray menu (the menu resource with
    // the icon's id); every mouse message of the icon returns 1, others 0.
    LRESULT HandleTrayNotification(WPARAM wParam, LPARAM lParam);

    // Parks the window in the notification area (animated when forced or
    // when the system animates minimising) and brings it back.
    void HideToTray(HWND window, bool forceAnimation);
    void ShowFromTray(HWND window, bool forceAnimation);
    // The notification area's screen rectangle, for the animation.
    RECT GetNotifyAreaRect();

    // Whether the icon is in the notification area as far as this object knows.
    bool IsIconShown() const { return !m_bIconDeleted && !m_bIconHidden; }
    bool IsReaddPending() const { return m_bReaddPending != 0; }
    const NOTIFYICONDATAA& IconData() const { return m_nid; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Adjusts the tray menu before it is shown; nothing here.
    virtual void CustomizeMenu(HMENU menu) {}

private:
    LRESULT OnTaskbarCreated();
    void OnWorkAreaChanged();
    // Adds the icon again with the flags it was created with.
    void ReaddIcon();

    NOTIFYICONDATAA m_nid;
    int m_bAvailable = 0;
    int m_bIconHidden = 1;
    int m_bIconDeleted = 1;
    int m_bReaddPending = 0;
    int m_bShell5 = 0;
    HWND m_pMenuOwner = nullptr;
    UINT m_nDefaultItem = 0;
    int m_bDefaultByPos = 1;
    UINT m_uAddFlags = 0;
};
