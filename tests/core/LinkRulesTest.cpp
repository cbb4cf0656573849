#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "dialogs/LinkRules.h"

using namespace link_rules;

namespace {

// The shell gives its result; the registry holds what the map holds.
class FakeShell : public IShell {
public:
    int ShellOpen(const std::string& target, int show) override {
        calls.push_back("open " + target + " " + std::to_string(show));
        return shellResult;
    }
    std::optional<std::string> ClassesRootValue(const std::string& key) override {
        auto found = registry.find(key);
        return found == registry.end() ? std::nullopt : std::optional(found->second);
    }
    int RunCommand(const std::string& line, int show) override {
        calls.push_back("run " + line + " " + std::to_string(show));
        return 33;
    }
    int shellResult = 42;
    std::map<std::string, std::string> registry;
    std::vector<std::string> calls;
};

}  // namespace

// The defaults, and the About box's colours (blue visited or not).
TEST(LinkRules, TextColour) {
    Colours defaults;
    EXPECT_EQ(TextColour(defaults, false, false), 0x00EE0000u);
    EXPECT_EQ(TextColour(defaults, false, true), 0x008B1A55u);
    EXPECT_EQ(TextColour(defaults, true, true), 0x000000FFu);
    Colours about{0x00FF0000, 0x00FF0000, 0x000000FF};
    EXPECT_EQ(TextColour(about, false, true), 0x00FF0000u);
}

// The shell first; when it refuses, the ".htm" type's open command cut at
// its placeholder (quoted, bare, none), built whole at any length.
TEST(LinkRules, TheShellThenTheHtmCommand) {
    FakeShell shell;
    EXPECT_EQ(OpenLink(shell, "mailto:a@b.example", 5), 42);
    EXPECT_EQ(shell.calls, std::vector<std::string>{"open mailto:a@b.example 5"});
    shell.shellResult = 31;
    EXPECT_EQ(OpenLink(shell, "https://x/", 5), 31);  // no ".htm" type
    shell.registry[".htm"] = "htmfile";
    EXPECT_EQ(OpenLink(shell, "https://x/", 5), 31);  // no open command
    shell.registry["htmfile\\shell\\open\\command"] = "\"C:\\b.exe\" -new \"%1\" -x";
    EXPECT_EQ(OpenLink(shell, "https://x/", 5), 33);
    EXPECT_EQ(shell.calls.back(), "run \"C:\\b.exe\" -new  https://x/ 5");
    EXPECT_EQ(BrowserCommand("C:\\b.exe %1", "u"), "C:\\b.exe  u");
    EXPECT_EQ(BrowserCommand("C:\\b.exe", "u"), "C:\\b.exe u");
    std::string longCommand(600, 'x');
    EXPECT_EQ(BrowserCommand(longCommand + " \"%1\"", "u"), longCommand + "  u");
}

TEST(LinkRules, OpenErrorTexts) {
    const std::string head = "Unable to open hyperlink:\n\n";
    EXPECT_EQ(OpenErrorText(0), head + "The operating system is out\nof memory or resources.");
    EXPECT_EQ(OpenErrorText(26), head + "A sharing violation occurred. ");
    EXPECT_EQ(OpenErrorText(31), head +
                                     "There is no application associated\nwith the given "
                                     "filename extension.");
    EXPECT_EQ(OpenErrorText(32), head + "The specified dynamic-link library was not found.");
    EXPECT_EQ(OpenErrorText(4), head + "Unknown Error (4) occurred.");
}
