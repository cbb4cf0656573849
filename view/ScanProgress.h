#pragma once
#include <string>

// What a folder scan reports as it goes, and how the user stops it: on
// Windows the status bar and the Esc key (ScanProgressWin.h); in tests a
// fake.
class IScanProgress {
public:
    virtual ~IScanProgress() = default;
    // Called before each folder is listed and after each of its entries:
    // folder is the folder being listed, added the rows added so far. False
    // stops the scan; the rows added so far stay.
    virtual bool Continue(const std::string& folder, int added) = 0;
};
