// The process's code page under the program's manifest, and the system's
// ANSI code page beside it, through the system's own conversions.

#include <gtest/gtest.h>

#include <windows.h>

#include "base/win/AnsiCodePage.h"

TEST(CodePageWin, TheProcessRunsInUtf8BesideTheSystemsCodePage) {
    InstallWindowsTextServices();
    EXPECT_EQ(GetACP(), 65001u);
    const ICodePage& process = CurrentCodePage();
    EXPECT_TRUE(process.IsUtf8());
    EXPECT_NE(&SystemCodePage(), &process);
    // Lower case, for the sort and the extensions, in every script.
    EXPECT_EQ(process.ToLower("\xC3\x84.JPG \xCE\x95\xCE\xBB \xE6\x97\xA5"),
              "\xC3\xA4.jpg \xCE\xB5\xCE\xBB \xE6\x97\xA5");  // Ä.JPG Ελ 日
    EXPECT_EQ(process.ToUtf16("\xF0\x9F\x8C\x84"), u"\U0001F304");

    // Code page 932: lead bytes, and no look-alike for what it lacks.
    const CAnsiCodePage cp932(932);
    EXPECT_TRUE(cp932.IsLeadByte(0x95));
    EXPECT_EQ(cp932.ToUtf16("\x95\x5C\x93\xFA"), u"\u8868\u65E5");  // 表日
    EXPECT_EQ(cp932.FromUtf16(u"\u8868\u00E9"), "\x95\x5C?");       // 表é
    EXPECT_EQ(cp932.ToLower("\x95\x5C"
                            "A"),
              "\x95\x5C"
              "a");
}
