#pragma once
#include <cstdint>

class CDataExchange;

// The fields of the Options dialog, in their order, and how they go to and
// from its controls. Check boxes are 0 or 1; every field starts at 0.
class COptionsFields {
public:
    // The range of the snapping distance in pixels.
    static constexpr std::int32_t kMinSnapLimit = 5;
    static constexpr std::int32_t kMaxSnapLimit = 200;

    std::int32_t m_bMinimizeOnStart = 0;  // check box 1002
    std::int32_t m_bReloadLastList = 0;   // check box 1003
    std::int32_t m_bChangeOnStart = 0;    // check box 1004
    std::int32_t m_bKeepOnTop = 0;        // check box 1005
    std::int32_t m_bWarnOnRecycle = 0;    // check box 1006
    std::int32_t m_bAutoSave = 0;         // check box 1009
    std::int32_t m_bAutoSort = 0;         // check box 1010
    std::int32_t m_bSnapWindow = 0;       // check box 1007
    std::int32_t m_nSnapLimit = 0;        // edit 1008, 5 to 200
    std::int32_t m_bScanDeadOnStart = 0;  // check box 1020

    // Fills the controls, or takes them back with validation. Taking them
    // back is all or nothing: after a refused value every field keeps the
    // value it had.
    void Exchange(CDataExchange& dx);

    // The two start-up actions that need a reopened list (1004, 1020) can be
    // changed only while "Reload last wallpaper list" is on.
    bool StartupActionsEnabled() const { return m_bReloadLastList != 0; }
};
