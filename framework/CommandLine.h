#pragma once
#include <string>
#include <vector>

// What the command line asks the program to do. The first parameter that
// is not a flag ("/" or "-" in front) names a document file.
struct CommandLineInfo {
    enum class Action {
        FileNew,     // no file named: start with a new document
        FileOpen,    // open the named file
        Print,       // "/p FILE": we have no printing; the file is opened
        PrintTo,     // "/pt FILE PRINTER DRIVER PORT": likewise
        Register,    // "/Register" or "/Regserver": register the file type, then end
        Unregister,  // "/Unregister" or "/Unregserver": remove the registration, then end
    };
    Action action = Action::FileNew;
    std::string fileName;
    // "/random": change the wallpaper at random, in the running program if
    // there is one, else once this one has started.
    bool randomChange = false;
};

// Parses the parameters (without the program's own name).
CommandLineInfo ParseCommandLine(const std::vector<std::string>& args);
