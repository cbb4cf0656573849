#include "framework/CommandLine.h"

namespace {

// Lower-cases ASCII letters, for comparing flags.
std::string LowerAscii(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

}  // namespace

CommandLineInfo ParseCommandLine(const std::vector<std::string>& args) {
    CommandLineInfo info;
    bool fileSeen = false;
    for (const std::string& arg : args) {
        if (arg.size() >= 2 && (arg[0] == '/' || arg[0] == '-')) {
            std::string flag = LowerAscii(arg.substr(1));
            if (flag == "p")
                info.action = CommandLineInfo::Action::Print;
            else if (flag == "pt")
                info.action = CommandLineInfo::Action::PrintTo;
            else if (flag == "register" || flag == "regserver")
                info.action = CommandLineInfo::Action::Register;
            else if (flag == "unregister" || flag == "unregserver")
                info.action = CommandLineInfo::Action::Unregister;
            else if (flag == "random")
                info.randomChange = true;
            // Other flags ("/dde", "/Embedding", "/Automation") mean nothing here.
            continue;
        }
        if (!fileSeen && !arg.empty()) {
            info.fileName = arg;
            fileSeen = true;
        }
        // Further parameters are the printer, driver and port of "/pt".
    }
    if (fileSeen && info.action == CommandLineInfo::Action::FileNew)
        info.action = CommandLineInfo::Action::FileOpen;
    return info;
}
