#pragma once
#include <functional>

// Lets one wallpaper change run at a time. A change that fails shows a box,
// and while the box is open the thread's message loop goes on: ticks of the
// interval timer, Shift-clicks on the notification-area icon and requests
// of other programs arrive and would start further changes, each with a box
// of its own over the first. Every change goes through the gate; one that
// arrives while another is running is skipped, not kept for later.
class CChangeGate {
public:
    // Whether a change is running (its box may be open).
    bool IsChanging() const { return m_bChanging; }
    // Runs the change unless one is running already; false when skipped.
    bool Run(const std::function<void()>& change);

private:
    bool m_bChanging = false;
};
