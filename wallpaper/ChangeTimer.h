#pragma once
#include <cstdint>

// The interval timer of the list window that repeats the random change.
namespace change_timer {

// The window timer's identifier.
constexpr unsigned kTimerId = 1246;

// The limits the List Settings dialog allows.
constexpr std::int32_t kMaxHours = 24;
constexpr std::int32_t kMaxMinutes = 59;

// The timer's period in milliseconds, (hours * 60 + minutes) * 60000, with
// hours clamped to 0..24 and minutes to 0..59 first (a list file may carry
// any values). 0 means: do not arm the timer.
std::uint32_t Period(std::int32_t hours, std::int32_t minutes);

// What a tick of the timer does.
enum class TickAction {
    kChangeWallpaper,  // the open list's interval flag is on: a random change
    kKillTimer,        // the flag is off: stop the timer and do nothing else
};
// The action for a tick, from the open list's interval-change flag.
TickAction OnTick(std::int32_t intervalChange);

// What confirming the List Settings dialog does to the timer.
enum class SettingsAction {
    kNone,          // leave the timer as it is
    kArm,           // start it with the new period
    kRestart,       // kill it, then start it with the new period
    kKill,          // stop it
    kKillAndClear,  // stop it and set the list's interval flag back to 0
};
// The action for the dialog's new flag, hours and minutes against the
// values the list had before the dialog. Flags count as on when non-zero.
SettingsAction OnSettingsConfirmed(std::int32_t oldFlag, std::int32_t oldHours,
                                   std::int32_t oldMinutes, std::int32_t newFlag,
                                   std::int32_t newHours, std::int32_t newMinutes);

}  // namespace change_timer
