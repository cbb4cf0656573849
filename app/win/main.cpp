#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/win/VarnelloApp.h"

// The one application object, made before WinMain runs.
static CVarnelloApp theApp;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    std::vector<std::string> arguments;
    for (int i = 1; i < __argc; ++i)
        arguments.emplace_back(__argv[i]);
    theApp.SetArguments(std::move(arguments));
    return theApp.Run(instance, showCommand);
}
