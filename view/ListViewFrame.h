#pragma once

// What the list view asks of the main window around it: the window's
// snapping values and its band in the z-order. The main frame implements
// it and hands itself to the view when it is created.
class IListViewFrame {
public:
    virtual ~IListViewFrame() = default;
    // The snapping distance in pixels, and whether snapping is on.
    virtual void SetSnapLimit(int limit) = 0;
    virtual void SetSnapWindow(int snap) = 0;
    // Puts the window in the topmost band or the normal one without moving
    // or sizing it; with show, it is also shown.
    virtual void SetTopmost(bool topmost, bool show) = 0;
};
