#pragma once
#include <windows.h>

#include <string>

// Mouse clicks sent as system input at a point of the screen.
class CMouseInput {
public:
    // Moves the pointer to (x, y) and clicks button ("left", "right" or
    // "double" for a left double click); false for an unknown button.
    static bool Click(int x, int y, const std::string& button);
};
