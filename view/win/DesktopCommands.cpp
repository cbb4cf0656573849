#include "view/win/DesktopCommands.h"

#include "framework/Prompter.h"
#include "framework/win/HtmlHelp.h"

namespace {

// The taskbar's own commands.
constexpr WPARAM kTaskbarMinimizeAll = 415;
constexpr WPARAM kTaskbarUndoMinimizeAll = 416;
// The viewer's system-menu item that the program takes away.
constexpr UINT kViewerMenuItem = 0xEFFF;
constexpr char kHelpFileName[] = "\\Varnello.chm";
constexpr char kHelpErrorCaption[] = "Error Opening Help File";

// Posts a command to the taskbar; without a taskbar nothing happens.
void PostToTaskbar(WPARAM command) {
    if (HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr))
        PostMessageA(taskbar, WM_COMMAND, command, 0);
}

}  // namespace

void MinimizeAllWindows(int& desktopShown) {
    PostToTaskbar(kTaskbarMinimizeAll);
    desktopShown = 1;
}

void RestoreAllWindows(int& desktopShown, bool keepOnTop, HWND mainWindow) {
    PostToTaskbar(kTaskbarUndoMinimizeAll);
    desktopShown = 0;
    if (keepOnTop)
        return;
    // Let the taskbar bring the others back first.
    Sleep(25);
    if (mainWindow)
        BringWindowToTop(mainWindow);
}

std::string HelpFileErrorText(const std::string& path) {
    return "The program help file was either not found, or\ncannot be opened. The expected file "
           "path is:\n\n" +
           path;
}

void ShowHelpContents(HWND listWindow, const std::string& programFolder) {
    const std::string path = programFolder + kHelpFileName;
    HWND viewer = CallHtmlHelp(nullptr, path, kHelpDisplayToc, 0);
    if (viewer) {
        if (HMENU menu = GetSystemMenu(viewer, FALSE))
            DeleteMenu(menu, kViewerMenuItem, MF_BYCOMMAND);
        return;
    }
    ShowMessage(listWindow, HelpFileErrorText(path), kHelpErrorCaption, mb::kOk | mb::kIconError);
}
