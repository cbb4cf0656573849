#include "wallpaper/ChangeTimer.h"

#include <algorithm>

namespace change_timer {

// Clamps the interval to the dialog's ranges and converts it to milliseconds.
std::uint32_t Period(std::int32_t hours, std::int32_t minutes) {
    std::int32_t h = std::clamp<std::int32_t>(hours, 0, kMaxHours);
    std::int32_t m = std::clamp<std::int32_t>(minutes, 0, kMaxMinutes);
    return static_cast<std::uint32_t>((h * 60 + m) * 60000);
}

// Changes the wallpaper while the open list asks for it, else stops.
TickAction OnTick(std::int32_t intervalChange) {
    return intervalChange != 0 ? TickAction::kChangeWallpaper : TickAction::kKillTimer;
}

// Compares the dialog's values with the list's previous ones.
SettingsAction OnSettingsConfirmed(std::int32_t oldFlag, std::int32_t oldHours,
                                   std::int32_t oldMinutes, std::int32_t newFlag,
                                   std::int32_t newHours, std::int32_t newMinutes) {
    if (newFlag == 0)
        return oldFlag != 0 ? SettingsAction::kKill : SettingsAction::kNone;
    if (newHours == 0 && newMinutes == 0)
        return SettingsAction::kKillAndClear;
    if (oldFlag == 0)
        return SettingsAction::kArm;
    if (newHours != oldHours || newMinutes != oldMinutes)
        return SettingsAction::kRestart;
    return SettingsAction::kNone;
}

}  // namespace change_timer
