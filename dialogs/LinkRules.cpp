#include "dialogs/LinkRules.h"

namespace link_rules {

std::uint32_t TextColour(const Colours& colours, bool hovering, bool visited) {
    if (hovering)
        return colours.hover;
    return visited ? colours.visited : colours.link;
}

Rect FitToText(const Rect& window, const Rect& client, int textWidth, int textHeight,
               std::uint32_t style) {
    const int width = textWidth + (window.right - window.left) - (client.right - client.left);
    const int height = textHeight + (window.bottom - window.top) - (client.bottom - client.top);
    Rect r = window;
    if (style & kStyleCenterImage) {
        int shrink = ((window.bottom - window.top) - height) / 2;
        r.top += shrink;
        r.bottom -= shrink;
    } else {
        r.bottom = r.top + height;
    }
    if (style & kStyleCenter) {
        int shrink = ((window.right - window.left) - width) / 2;
        r.left += shrink;
        r.right -= shrink;
    } else if (style & kStyleRight) {
        r.left = r.right - width;
    } else {
        r.right = r.left + width;
    }
    return r;
}

std::string BrowserCommand(const std::string& openCommand, const std::string& url) {
    std::string command = openCommand;
    std::size_t cut = command.find("\"%1\"");
    if (cut == std::string::npos)
        cut = command.find("%1");
    if (cut != std::string::npos)
        command.erase(cut);
    return command + " " + url;
}

int OpenLink(IShell& shell, const std::string& url, int showCommand) {
    int result = shell.ShellOpen(url, showCommand);
    if (result > 32)
        return result;
    std::optional<std::string> fileType = shell.ClassesRootValue(".htm");
    if (!fileType)
        return result;
    std::optional<std::string> command =
        shell.ClassesRootValue(*fileType + "\\shell\\open\\command");
    if (!command)
        return result;
    return shell.RunCommand(BrowserCommand(*command, url), showCommand);
}

std::string OpenErrorText(int code) {
    const char* text = nullptr;
    switch (code) {
    case 0:
        text = "The operating system is out\nof memory or resources.";
        break;
    case 2:
        text = "The specified file was not found.";
        break;
    case 3:
        text = "The specified path was not found.";
        break;
    case 5:
        text = "The operating system denied\naccess to the specified file.";
        break;
    case 8:
        text = "There was not enough memory to complete the operation.";
        break;
    case 11:
        text = "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
        break;
    case 26:
        text = "A sharing violation occurred. ";
        break;
    case 27:
        text = "The filename association is\nincomplete or invalid.";
        break;
    case 28:
        text = "The DDE transaction could not\nbe completed because the request timed out.";
        break;
    case 29:
        text = "The DDE transaction failed.";
        break;
    case 30:
        text =
            "The DDE transaction could not\nbe completed because other DDE transactions\nwere "
            "being processed.";
        break;
    case 31:
        text = "There is no application associated\nwith the given filename extension.";
        break;
    case 32:
        text = "The specified dynamic-link library was not found.";
        break;
    default:
        break;
    }
    std::string message = "Unable to open hyperlink:\n\n";
    if (text)
        return message + text;
    return message + "Unknown Error (" + std::to_string(code) + ") occurred.";
}

}  // namespace link_rules
