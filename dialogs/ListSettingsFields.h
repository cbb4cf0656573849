#pragma once
#include <cstdint>
#include <string>

class CDataExchange;

// The fields of the List Settings dialog and how they go to and from its
// controls. The default position is not exchanged: it follows the combo
// box's selection.
class CListSettingsFields {
public:
    static constexpr std::int32_t kMaxHours = 24;
    static constexpr std::int32_t kMaxMinutes = 59;

    std::int32_t m_bIntervalChange = 0;  // check box 1002
    std::string m_strDefaultPosition;    // combo box 1011
    std::int32_t m_nHours = 0;           // edit 1012, 0 to 24
    std::int32_t m_nMinutes = 0;         // edit 1014, 0 to 59

    // Fills the controls, or takes them back with validation (hours and
    // minutes also while their controls are disabled). Taking them back is
    // all or nothing: after a refused value every field keeps its value.
    void Exchange(CDataExchange& dx);

    // Hours, minutes and their up-down controls can be changed only while
    // the interval change is on.
    bool IntervalEnabled() const { return m_bIntervalChange != 0; }
};
