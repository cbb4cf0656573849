#pragma once
#include <windows.h>

// No exception leaves code that the system calls (window and dialog
// procedures, shell and COM callbacks) nor the message loop: each such
// place catches everything and calls ReportException, which tells the user
// in an error box ("Not enough memory to complete this operation." when an
// allocation failed) and lets the program go on. The operation that failed
// has been given up; whatever it guards with scope objects is undone.
//
// Use: try { ... } catch (...) { ReportException(hwnd); }
//
// The box is owned by the top-level window of `window`, or by the main
// window when none is given. While one such box is open, a further failure
// is not reported again.
void ReportException(HWND window) noexcept;
