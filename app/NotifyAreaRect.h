#pragma once
#include <functional>
#include <string>

// A rectangle in screen coordinates, right and bottom exclusive.
struct AreaRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

bool operator==(const AreaRect& a, const AreaRect& b);

// Edges of the screen that the shell reports for the taskbar.
namespace taskbar_edge {
constexpr unsigned kLeft = 0;
constexpr unsigned kTop = 1;
constexpr unsigned kRight = 2;
constexpr unsigned kBottom = 3;
}  // namespace taskbar_edge

// Where the notification area's rectangle is looked up: the taskbar window
// and its child windows, the shell's report of the taskbar, the work area.
class INotifyAreaSource {
public:
    virtual ~INotifyAreaSource() = default;
    // The taskbar window's rectangle; false when there is no taskbar window.
    virtual bool TaskbarWindow(AreaRect& rect) = 0;
    // Calls visit with the class name and rectangle of each window inside
    // the taskbar window, in the system's order, until visit returns false.
    virtual void ForEachTaskbarChild(
        const std::function<bool(const std::string& className, const AreaRect& rect)>& visit) = 0;
    // The taskbar's edge and rectangle as the shell reports them; false when
    // the shell does not answer.
    virtual bool TaskbarPosition(unsigned& edge, AreaRect& rect) = 0;
    virtual AreaRect WorkArea() = 0;
};

// The screen rectangle of the notification area, the end of the caption
// animation of a window that goes there: the taskbar's notification
// window without its clock; else a strip at the end of the taskbar that
// the shell reports; else the bottom right corner of the work area.
AreaRect NotifyAreaRect(INotifyAreaSource& source);
