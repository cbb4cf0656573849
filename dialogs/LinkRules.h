#pragma once
#include <cstdint>
#include <optional>
#include <string>

// What the link control of the About box decides without a window: its
// text colour, its size around its text, how a link is opened (the shell
// first, the registered web browser's command second) and what a failed
// open says.
namespace link_rules {

// Colours as COLORREF values (0x00BBGGRR).
struct Colours {
    std::uint32_t link = 0x00EE0000;     // not visited: RGB(0, 0, 238)
    std::uint32_t visited = 0x008B1A55;  // visited: RGB(85, 26, 139)
    std::uint32_t hover = 0x000000FF;    // under the mouse: RGB(255, 0, 0)
};

// The text colour: hover while the mouse is over the link, else visited
// after a successful open, else link.
std::uint32_t TextColour(const Colours& colours, bool hovering, bool visited);

// A rectangle in the parent's client coordinates; right and bottom exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
// Static styles that place the text.
constexpr std::uint32_t kStyleCenter = 0x0001;       // SS_CENTER
constexpr std::uint32_t kStyleRight = 0x0002;        // SS_RIGHT
constexpr std::uint32_t kStyleCenterImage = 0x0200;  // SS_CENTERIMAGE

// The control's rectangle fitted to its text: window is the control's
// window rectangle, client its client rectangle (same coordinates), text
// the size of its text. The width and height become the text's plus the
// borders; vertically centred controls grow or shrink equally at top and
// bottom, others keep their top; centred ones equally at both sides,
// right-aligned ones keep their right edge, the rest their left edge.
Rect FitToText(const Rect& window, const Rect& client, int textWidth, int textHeight,
               std::uint32_t style);

// What opening a link needs of the system.
class IShell {
public:
    virtual ~IShell() = default;
    // Opens the target with the shell's "open" verb; above 32 is success.
    virtual int ShellOpen(const std::string& target, int showCommand) = 0;
    // The default value of a key under HKEY_CLASSES_ROOT, when it can be
    // read (260 bytes at most).
    virtual std::optional<std::string> ClassesRootValue(const std::string& key) = 0;
    // Runs a command line; above 31 is success.
    virtual int RunCommand(const std::string& commandLine, int showCommand) = 0;
};

// The browser's command for a URL: the open command of the ".htm" file type
// cut before its "%1" placeholder (before the opening quote when the
// placeholder is quoted; the whole text when there is none), then a blank
// and the URL.
std::string BrowserCommand(const std::string& openCommand, const std::string& url);

// Opens the URL with the shell; when the shell refuses, runs the command
// that opens ".htm" files with the URL. Returns the shell's result, or the
// command's when it was run.
int OpenLink(IShell& shell, const std::string& url, int showCommand);

// The message of a failed open: "Unable to open hyperlink:\n\n" and the
// text for the code.
std::string OpenErrorText(int code);

}  // namespace link_rules
