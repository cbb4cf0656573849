#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "dialogs/LinkRules.h"

using namespace link_rules;

namespace {

// The shell refuses or opens; the registry holds what the map holds.
class FakeShell : public IShell {
public:
    int ShellOpen(const std::string& target, int showCommand) override {
        calls.push_back("open " + target + " " + std::to_string(showCommand));
        return shellResult;
    }
    std::optional<std::string> ClassesRootValue(const std::string& key) override {
        calls.push_back("read " + key);
        auto found = registry.find(key);
        if (found == registry.end())
            return std::nullopt;
        return found->second;
    }
    int RunCommand(const std::string& commandLine, int showCommand) override {
        calls.push_back("run " + commandLine + " " + std::to_string(showCommand));
        return 33;
    }
    int shellResult = 42;
    std::map<std::string, std::string> registry;
    std::vector<std::string> calls;
};

}  // namespace

TEST(LinkRules, TextColour) {
    Colours defaults;
    EXPECT_EQ(TextColour(defaults, false, false), 0x00EE0000u);
    EXPECT_EQ(TextColour(defaults, false, true), 0x008B1A55u);
    EXPECT_EQ(TextColour(defaults, true, true), 0x000000FFu);
    // The About box's links: blue whether visited or not, red under the mouse.
    Colours about{0x00FF0000, 0x00FF0000, 0x000000FF};
    EXPECT_EQ(TextColour(about, false, true), 0x00FF0000u);
    EXPECT_EQ(TextColour(about, true, false), 0x000000FFu);
}

TEST(LinkRules, BrowserCommandCutsAtThePlaceholder) {
    const std::string url = "https://example.org/";
    EXPECT_EQ(BrowserCommand("\"C:\\Web\\browser.exe\" -nohome \"%1\" -x", url),
              "\"C:\\Web\\browser.exe\" -nohome  https://example.org/");
    EXPECT_EQ(BrowserCommand("C:\\Web\\browser.exe %1", url),
              "C:\\Web\\browser.exe  https://example.org/");
    EXPECT_EQ(BrowserCommand("C:\\Web\\browser.exe", url),
              "C:\\Web\\browser.exe https://example.org/");
    // Longer than any fixed buffer: built whole.
    std::string longCommand(600, 'x');
    EXPECT_EQ(BrowserCommand(longCommand + " \"%1\"", url), longCommand + "  " + url);
}

TEST(LinkRules, TheShellFirstThenTheHtmCommand) {
    FakeShell shell;
    EXPECT_EQ(OpenLink(shell, "mailto:a@b.example", 5), 42);
    EXPECT_EQ(shell.calls, std::vector<std::string>{"open mailto:a@b.example 5"});

    shell.calls.clear();
    shell.shellResult = 31;
    EXPECT_EQ(OpenLink(shell, "https://x.example/", 5), 31);  // no ".htm" type
    shell.registry[".htm"] = "htmfile";
    EXPECT_EQ(OpenLink(shell, "https://x.example/", 5), 31);  // no open command
    shell.registry["htmfile\\shell\\open\\command"] = "\"C:\\b.exe\" \"%1\"";
    shell.calls.clear();
    EXPECT_EQ(OpenLink(shell, "https://x.example/", 5), 33);
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"open https://x.example/ 5", "read .htm",
                                                     "read htmfile\\shell\\open\\command",
                                                     "run \"C:\\b.exe\"  https://x.example/ 5"}));
}

TEST(LinkRules, OpenErrorTexts) {
    const std::string head = "Unable to open hyperlink:\n\n";
    EXPECT_EQ(OpenErrorText(0), head + "The operating system is out\nof memory or resources.");
    EXPECT_EQ(OpenErrorText(26), head + "A sharing violation occurred. ");
    EXPECT_EQ(OpenErrorText(30), head +
                                     "The DDE transaction could not\nbe completed because other "
                                     "DDE transactions\nwere being processed.");
    EXPECT_EQ(OpenErrorText(31), head +
                                     "There is no application associated\nwith the given "
                                     "filename extension.");
    EXPECT_EQ(OpenErrorText(32), head + "The specified dynamic-link library was not found.");
    EXPECT_EQ(OpenErrorText(4), head + "Unknown Error (4) occurred.");
    EXPECT_EQ(OpenErrorText(-1), head + "Unknown Error (-1) occurred.");
}

// A 100 x 10 control with a 1-pixel border around a 50 x 13 text; centring
// halves the difference rounding towards zero (-5 / 2 is -2 at each side).
TEST(LinkRules, FitToText) {
    Rect window{10, 20, 110, 30}, client{11, 21, 109, 29};
    auto text = [](const Rect& r) {
        return std::to_string(r.left) + "," + std::to_string(r.top) + "-" +
               std::to_string(r.right) + "," + std::to_string(r.bottom);
    };
    EXPECT_EQ(text(FitToText(window, client, 50, 13, 0)), "10,20-62,35");
    EXPECT_EQ(text(FitToText(window, client, 50, 13, kStyleRight)), "58,20-110,35");
    EXPECT_EQ(text(FitToText(window, client, 50, 13, kStyleCenter)), "34,20-86,35");
    EXPECT_EQ(text(FitToText(window, client, 50, 13, kStyleCenter | kStyleCenterImage)),
              "34,18-86,32");
}
