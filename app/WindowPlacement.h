#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "framework/DpiScale.h"

// The main window's placement as it is kept in the registry value
// "WindowPos": ten numbers, the fields of a WINDOWPLACEMENT without its
// length, in the format "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d".
struct WindowPlacementValues {
    std::uint32_t flags = 0;
    std::uint32_t showCmd = 0;
    std::int32_t minX = 0;
    std::int32_t minY = 0;
    std::int32_t maxX = 0;
    std::int32_t maxY = 0;
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

bool operator==(const WindowPlacementValues& a, const WindowPlacementValues& b);

// The show commands of ShowWindow that the placement rules name, and the
// flag of a window that goes back to maximised when it is restored.
namespace show_cmd {
constexpr int kDefault = -1;  // "whatever fits": the frame decides
constexpr int kHide = 0;
constexpr int kShowNormal = 1;
constexpr int kShowMinimized = 2;
constexpr int kShowMaximized = 3;
constexpr int kShowNoActivate = 4;
constexpr int kShow = 5;
constexpr int kMinimize = 6;
constexpr int kShowMinNoActive = 7;
constexpr int kShowNA = 8;
constexpr int kRestore = 9;
}  // namespace show_cmd
constexpr std::uint32_t kRestoreToMaximized = 2;  // WPF_RESTORETOMAXIMIZED

// The stored text of a placement.
std::string FormatWindowPlacement(const WindowPlacementValues& placement);
// The placement of a stored text; none when the text is empty or any of
// the ten numbers is missing or is no number.
std::optional<WindowPlacementValues> ParseWindowPlacement(const std::string& text);

// The placement of a first start: shown at (20,20), 500 by 300 pixels at
// 96 dpi, every length scaled to the window's dpi.
WindowPlacementValues DefaultWindowPlacement(int dpi = kDefaultDpi);

// What is stored at close: a minimised (or parked) window is stored as
// shown, or as maximised when it goes back to maximised.
WindowPlacementValues PlacementToStore(WindowPlacementValues current, bool minimised);

// The frame's activation: the show command n, where -1 asks for the
// default, becomes SW_SHOWNORMAL for a hidden window and SW_RESTORE for a
// minimised one; it stays -1 for a window that is shown and not minimised.
int ResolveActivationCommand(int n, bool visible, bool minimised);
// Whether the activation brings the window's last active pop-up to the top
// (not for the commands that hide or do not activate).
bool ActivationBringsToTop(int n);
// Whether a stored placement's show command may be used: SW_SHOWNORMAL,
// SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED, and SW_SHOW, which is stored for a
// window closed while minimised or parked. Any other command (SW_HIDE
// above all) could leave a window that nothing brings back.
bool IsStoredShowCommandUsable(std::uint32_t showCmd);
// The placement the activation sets: the stored one with its show command
// replaced by n (unless n is SW_SHOWNORMAL), or the default placement at
// the window's dpi as it is when none is stored or the stored show command
// is not usable. A stored placement is used as it was stored, whatever the
// dpi.
WindowPlacementValues PlacementToRestore(const std::optional<WindowPlacementValues>& stored, int n,
                                         int dpi = kDefaultDpi);
