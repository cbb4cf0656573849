#include "app/NotifyAreaRect.h"

bool operator==(const AreaRect& a, const AreaRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

AreaRect NotifyAreaRect(INotifyAreaSource& source) {
    AreaRect r;
    if (source.TaskbarWindow(r)) {
        source.ForEachTaskbarChild([&r](const std::string& className, const AreaRect& child) {
            if (className == "TrayNotifyWnd") {
                r = child;
                return true;
            }
            if (className == "TrayClockWClass") {
                // A clock above free space means a vertical taskbar.
                if (child.bottom < r.bottom - 5)
                    r.top = child.bottom;
                else
                    r.right = child.left;
                return false;
            }
            return true;
        });
        return r;
    }
    unsigned edge = 0;
    AreaRect bar;
    if (source.TaskbarPosition(edge, bar)) {
        switch (edge) {
        case taskbar_edge::kLeft:
        case taskbar_edge::kRight:
            r = {bar.left, bar.bottom - 100, bar.right, bar.bottom - 16};
            break;
        case taskbar_edge::kTop:
        case taskbar_edge::kBottom:
            r = {bar.right - 100, bar.top, bar.right - 16, bar.bottom};
            break;
        default:
            break;
        }
        return r;
    }
    r = source.WorkArea();
    r.left = r.right - 150;
    r.top = r.bottom - 30;
    return r;
}
