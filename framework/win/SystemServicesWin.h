#pragma once
#include <string>

#include "base/win/PathExists.h"
#include "framework/SystemServices.h"

// The program's wait cursor on Windows: shown while any request for it is
// open (requests nest); windows of the program keep showing it meanwhile.
namespace wait_cursor {
void Show();
void Hide();
// True while the wait cursor is shown.
bool IsShown();
// How many times the wait cursor was put up (for tests).
int TimesShown();
}  // namespace wait_cursor

// The existence test and the wait cursor on Windows, for any services
// interface built on ISystemServices.
//
// Use: class CEditServicesWin : public CSystemServicesWin<IEditServices> { ... };
template <class Services>
class CSystemServicesWin : public Services {
public:
    bool PathExists(const std::string& path) override { return ::PathExists(path); }
    void BeginWaitCursor() override { wait_cursor::Show(); }
    void EndWaitCursor() override { wait_cursor::Hide(); }
};
