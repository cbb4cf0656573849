// Window objects and their windows: each window's messages reach its own
// object, and a window that is gone no longer leads to one.

#include <gtest/gtest.h>

#include <windows.h>

#include "framework/win/Window.h"

namespace {

constexpr UINT kPing = WM_USER + 7;

// A subclassed control that counts the pings it receives.
class CPingedControl : public CWindow {
public:
    bool Take(HWND hwnd) { return Subclass(hwnd); }
    int pings = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kPing) {
            ++pings;
            return 42;
        }
        return CWindow::WindowProc(message, wParam, lParam);
    }
};

HWND MakeControl() {
    return CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

TEST(WindowObject, EachWindowFindsItsOwnObjectUntilEitherIsGone) {
    CPingedControl first, second;
    HWND a = MakeControl();
    HWND b = MakeControl();
    ASSERT_TRUE(first.Take(a));
    ASSERT_TRUE(second.Take(b));
    EXPECT_EQ(CWindow::FromHandle(a), &first);
    EXPECT_EQ(CWindow::FromHandle(b), &second);
    EXPECT_EQ(SendMessageA(a, kPing, 0, 0), 42);
    EXPECT_EQ(first.pings, 1);
    EXPECT_EQ(second.pings, 0);

    // The window goes first: its object is let go.
    DestroyWindow(a);
    EXPECT_EQ(CWindow::FromHandle(a), nullptr);
    EXPECT_EQ(first.GetHwnd(), nullptr);
    EXPECT_EQ(CWindow::FromHandle(b), &second);

    // The object goes first: the window goes with it and leads nowhere.
    HWND c = MakeControl();
    {
        CPingedControl temporary;
        ASSERT_TRUE(temporary.Take(c));
        EXPECT_EQ(CWindow::FromHandle(c), &temporary);
    }
    EXPECT_FALSE(IsWindow(c));
    EXPECT_EQ(CWindow::FromHandle(c), nullptr);
    EXPECT_EQ(SendMessageA(b, kPing, 0, 0), 42);
    EXPECT_EQ(second.pings, 1);
}
