// The main window's placement in "WindowPos": its text both ways, the forms
// that are refused, what is stored at close, and what the frame's
// activation does with the show command it is given.

#include <gtest/gtest.h>

#include "app/WindowPlacement.h"

namespace {

// Show commands of ShowWindow, as Windows numbers them.
constexpr int kDefault = -1, kHide = 0, kNormal = 1, kShowMin = 2, kShowMax = 3, kNoActivate = 4,
              kShow = 5, kMinimize = 6, kMinNoActive = 7, kShowNA = 8, kRestore = 9;

std::string RoundTrip(const std::string& text) {
    std::optional<WindowPlacementValues> p = ParseWindowPlacement(text);
    return p ? FormatWindowPlacement(*p) : "<refused>";
}

TEST(WindowPlacement, TextRoundTripAndMalformedForms) {
    WindowPlacementValues p;
    p.flags = 4294967295u;
    p.showCmd = 3;
    p.minX = p.minY = -32000;
    p.right = 2147483647;
    p.bottom = -2147483647 - 1;
    EXPECT_EQ(FormatWindowPlacement(p),
              "4294967295,3,-32000,-32000,0,0,0,0,2147483647,-2147483648");
    EXPECT_TRUE(*ParseWindowPlacement(FormatWindowPlacement(p)) == p);
    // Blanks before a number and text after the tenth are let through.
    EXPECT_EQ(RoundTrip(" 2, 1,-1,-1,-1,-1,20,20,520,320 and more"),
              "2,1,-1,-1,-1,-1,20,20,520,320");

    for (const char* bad : {
             "",
             " ",
             "0,1,-1,-1,-1,-1,20,20,520",             // nine numbers
             "0,1,-1,-1,-1,-1,20,20,520,",            // the tenth missing after its comma
             "0,1,-1,-1,-1,-1,20,20,520,x",           // letters
             "a,1,-1,-1,-1,-1,20,20,520,320",         //
             "0;1;-1;-1;-1;-1;20;20;520;320",         // other separators
             "0,1,-1,-1,-1,-1,20,,520,320",           // an empty field
             "-1,1,-1,-1,-1,-1,20,20,520,320",        // a negative unsigned field
             "0,1,-1,-1,-1,-1,20,20,520,2147483648",  // beyond 32 bits
             "0,4294967296,-1,-1,-1,-1,20,20,520,320",
         })
        EXPECT_EQ(RoundTrip(bad), "<refused>") << "\"" << bad << "\"";
}

// The default placement; at close a minimised (or parked) window is stored
// as shown, or as maximised when it goes back to maximised.
TEST(WindowPlacement, DefaultAndStoredAtClose) {
    EXPECT_EQ(FormatWindowPlacement(DefaultWindowPlacement()), "0,5,-1,-1,-1,-1,20,20,520,320");
    WindowPlacementValues p = *ParseWindowPlacement("0,2,-32000,-32000,-1,-1,10,10,410,310");
    EXPECT_EQ(FormatWindowPlacement(PlacementToStore(p, true)),
              "0,5,-32000,-32000,-1,-1,10,10,410,310");
    p.flags = 2;
    EXPECT_EQ(PlacementToStore(p, true).showCmd, 3u);
    p = *ParseWindowPlacement("0,3,-1,-1,-8,-8,10,10,410,310");
    EXPECT_EQ(PlacementToStore(p, false).showCmd, 3u);
}

// -1 becomes SW_SHOWNORMAL for a hidden window, SW_RESTORE for a minimised
// one, and stays -1 (nothing to do) for a shown one.
TEST(WindowPlacement, ActivationShowCommand) {
    EXPECT_EQ(ResolveActivationCommand(kDefault, false, true), kNormal);
    EXPECT_EQ(ResolveActivationCommand(kDefault, true, true), kRestore);
    EXPECT_EQ(ResolveActivationCommand(kDefault, true, false), kDefault);
    EXPECT_EQ(ResolveActivationCommand(kShowMin, true, false), kShowMin);
    for (int n : {kHide, kNoActivate, kMinimize, kMinNoActive, kShowNA})
        EXPECT_FALSE(ActivationBringsToTop(n)) << n;
    for (int n : {kDefault, kNormal, kShowMin, kShowMax, kShow, kRestore})
        EXPECT_TRUE(ActivationBringsToTop(n)) << n;

    // A stored placement takes the command, except SW_SHOWNORMAL; the
    // default placement never does.
    const auto stored = ParseWindowPlacement("0,3,-1,-1,-1,-1,1,2,3,4");
    EXPECT_EQ(PlacementToRestore(stored, kShowMin).showCmd, 2u);
    EXPECT_EQ(PlacementToRestore(stored, kNormal).showCmd, 3u);
    EXPECT_EQ(FormatWindowPlacement(PlacementToRestore(std::nullopt, kShowMin)),
              "0,5,-1,-1,-1,-1,20,20,520,320");
}

}  // namespace
