#pragma once
#include <windows.h>

// Reads the main window's bars from outside, as they are drawn.
class CBarProbe {
public:
    // The toolbar's button size and the largest extent of the images drawn
    // on its enabled buttons (measured on the screen); false when the
    // toolbar cannot be read.
    static bool ToolbarSizes(HWND toolbar, SIZE& button, SIZE& image);
    // The width of the status bar's last pane.
    static int LastPaneWidth(HWND statusBar);
};
