#include <gtest/gtest.h>

#include "TestCodePages.h"
#include "base/CodePage.h"

TEST(Windows1252, ToLowerLettersOfBothHalves) {
    CWindows1252CodePage cp;
    EXPECT_EQ(cp.ToLower("AZaz09@[`{"), "azaz09@[`{");
    EXPECT_EQ(cp.ToLower("\xC0\xC9\xD6\xD8\xDE"), "\xE0\xE9\xF6\xF8\xFE");
    EXPECT_EQ(cp.ToLower("\x8A\x8C\x8E\x9F"), "\x9A\x9C\x9E\xFF");
    // Multiplication sign, sharp s, y diaeresis and the lower-case letters stay.
    EXPECT_EQ(cp.ToLower("\xD7\xDF\xFF\x9A\xE0\xBF\xDF"), "\xD7\xDF\xFF\x9A\xE0\xBF\xDF");
}

TEST(Windows1252, ToLowerChangesExactlyTheUpperCaseBytes) {
    CWindows1252CodePage cp;
    for (int c = 1; c < 256; ++c) {
        bool upper = (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || c == 0x8A ||
                     c == 0x8C || c == 0x8E || c == 0x9F;
        std::string in(1, static_cast<char>(c));
        EXPECT_EQ(cp.ToLower(in) != in, upper) << "byte " << c;
    }
}

TEST(Windows1252, FromUtf16) {
    CWindows1252CodePage cp;
    EXPECT_EQ(cp.FromUtf16(u"C:\\Bilder\\a.jpg"), "C:\\Bilder\\a.jpg");
    EXPECT_EQ(cp.FromUtf16(u"\u00E9t\u00E9 \u00A0\u00FF"), "\xE9t\xE9 \xA0\xFF");
    EXPECT_EQ(cp.FromUtf16(u"\u20AC\u201A\u0192\u2122\u0178\u017E"), "\x80\x82\x83\x99\x9F\x9E");
    // C1 controls, other scripts, lone surrogates: one "?" each.
    const char16_t others[] = {0x0081, 0x0100, 0x65E5, 0xD800, u'x', 0xDC00};
    EXPECT_EQ(cp.FromUtf16(std::u16string(others, 6)), "????x?");
    // A surrogate pair is one character.
    EXPECT_EQ(cp.FromUtf16(u"a\U0001F600b"), "a?b");
    EXPECT_EQ(cp.FromUtf16(std::u16string(u"a\0b", 3)), std::string("a\0b", 3));
    EXPECT_EQ(cp.FromUtf16(u""), "");
}

TEST(Windows1252, MapsAllTwentySevenCharactersOf80To9F) {
    const char16_t chars[] = {0x20AC, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                              0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x017D, 0x2018,
                              0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC,
                              0x2122, 0x0161, 0x203A, 0x0153, 0x017E, 0x0178};
    EXPECT_EQ(CWindows1252CodePage().FromUtf16(std::u16string(chars, 27)),
              "\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E\x91"
              "\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9E\x9F");
}

TEST(LeadByteTable, LeadBytesOf932) {
    const ICodePage& cp = CodePage932();
    EXPECT_FALSE(cp.IsLeadByte(0x80));
    EXPECT_TRUE(cp.IsLeadByte(0x81));
    EXPECT_TRUE(cp.IsLeadByte(0x9F));
    EXPECT_FALSE(cp.IsLeadByte(0xA0));
    EXPECT_FALSE(cp.IsLeadByte(0xDF));
    EXPECT_TRUE(cp.IsLeadByte(0xE0));
    EXPECT_TRUE(cp.IsLeadByte(0xFC));
    EXPECT_FALSE(cp.IsLeadByte(0xFD));
    EXPECT_FALSE(cp.IsLeadByte('\\'));
}

TEST(LeadByteTable, ToLowerLeavesTrailBytes) {
    const ICodePage& cp = CodePage932();
    // 0x82 0x60 is a full-width A; 0x83 0x41 has the trail byte "A".
    EXPECT_EQ(cp.ToLower("AB\x83"
                         "AC\x82\x60"
                         "D"),
              "ab\x83"
              "Ac\x82\x60"
              "d");
    EXPECT_EQ(cp.ToLower("\x95\\X"), "\x95\\x");
    // Single bytes above 0x7F stay; a lead byte at the end stands alone.
    EXPECT_EQ(cp.ToLower("\xC0\xDE"
                         "Q\x81"),
              "\xC0\xDE"
              "q\x81");
}

TEST(LeadByteTable, FromUtf16KeepsOnlyAscii) {
    EXPECT_EQ(CodePage932().FromUtf16(u"ab\u00E9\u65E5\U0001F600c"), "ab???c");
}

TEST(CurrentCodePage, DefaultsToWindows1252AndCanBeReplaced) {
    EXPECT_EQ(CurrentCodePage().ToLower("\xC0"), "\xE0");
    {
        ScopedCodePage scope(CodePage932());
        EXPECT_TRUE(CurrentCodePage().IsLeadByte(0x81));
        EXPECT_EQ(CurrentCodePage().ToLower("\xC0"), "\xC0");
    }
    EXPECT_FALSE(CurrentCodePage().IsLeadByte(0x81));
}

TEST(FindLastChar, SingleByteText) {
    EXPECT_EQ(FindLastChar("C:\\a\\b.jpg", '\\'), 4u);
    EXPECT_EQ(FindLastChar("\\", '\\'), 0u);
    EXPECT_EQ(FindLastChar("abc", '\\'), std::string::npos);
    EXPECT_EQ(FindLastChar("", '\\'), std::string::npos);
    // Without lead bytes, 0x95 0x5C is two characters.
    EXPECT_EQ(FindLastChar("a\x95\\", '\\'), 2u);
}

TEST(FindLastChar, StepsOverDoubleByteCharacters) {
    ScopedCodePage scope(CodePage932());
    EXPECT_EQ(FindLastChar("a\x95\\", '\\'), std::string::npos);
    EXPECT_EQ(FindLastChar("C:\\\x95\\\x95\\", '\\'), 2u);
    EXPECT_EQ(FindLastChar("\\\x95\\\\", '\\'), 3u);
    // A lead byte at the very end is a character of its own.
    EXPECT_EQ(FindLastChar("\\a\x95", '\x95'), 2u);
    EXPECT_EQ(FindLastChar("\\a\x95", '\\'), 0u);
    // 0x81 0x95 is one character: the second byte is no match.
    EXPECT_EQ(FindLastChar("\x81\x95", '\x95'), std::string::npos);
}

TEST(Utf8, ConvertsEveryScriptBothWaysAndMarksBrokenBytes) {
    const std::string utf8 =
        "\xE6\x97\xA5\xE6\x9C\xAC \xCE\x95\xCE\xBB caf\xC3\xA9 \xF0\x9F\x8C\x84";
    const std::u16string wide = u"日本 Ελ café 🌄";
    EXPECT_EQ(Utf8ToUtf16(utf8), wide);
    EXPECT_EQ(Utf16ToUtf8(wide), utf8);
    CUtf8CodePage cp;
    EXPECT_EQ(cp.ToLower("AB\xC3\x89z"), "ab\xC3\x89z");  // only ASCII here
    // Overlong, surrogate, lone continuation, cut sequence: U+FFFD a byte.
    EXPECT_EQ(Utf8ToUtf16("\xC0\x80"
                          "a\xED\xA0\x80\x80\xE6\x97"),
              u"\uFFFD\uFFFDa\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800)) + u"x"), "\xEF\xBF\xBDx");
    EXPECT_EQ(cp.CharSize(utf8, 0), 3u);
    EXPECT_EQ(cp.CharSize(utf8, 1), 1u);
    EXPECT_EQ(cp.CharSize(utf8, utf8.size() - 4), 4u);
}

// Menu texts and control buffers are cut between characters: in UTF-8 a
// length counts characters, in the ANSI code pages bytes.
TEST(TextLength, CountsCharactersInUtf8AndBytesElsewhere) {
    const std::string name = "\xE5\xA3\x81\xE7\xB4\x99\xF0\x9F\x8C\x84.vld";  // 壁紙🌄.vld
    {
        const CUtf8CodePage utf8;
        ScopedCodePage scope(utf8);
        EXPECT_EQ(TextLength(name), 7u);
        EXPECT_EQ(TextPrefix(name, 2), "\xE5\xA3\x81\xE7\xB4\x99");
        EXPECT_EQ(WholeCharBytes(name, 9), 6u);
        EXPECT_EQ(WholeCharBytes(name, 10), 10u);
    }
    EXPECT_EQ(TextLength(name), name.size());
    ScopedCodePage scope(CodePage932());  // 95 5C is one character
    EXPECT_EQ(TextPrefix("a\x95\\", 2), "a");
    EXPECT_EQ(WholeCharBytes("a\x95\\", 2), 1u);
}

// What the system's code page holds converts exactly (the list file and
// the hand-over test the rest); a look-alike is no conversion; one code
// page for both keeps every byte.
TEST(SystemText, ConvertsOnlyWhatTheSystemCodePageHoldsExactly) {
    const CUtf8CodePage utf8;
    const CWindows1252CodePage cp1252;
    std::string bytes;
    {
        ScopedCodePage scope(utf8, &cp1252);
        EXPECT_TRUE(ToSystemText("a? \xE2\x82\xAC", bytes));  // €
        EXPECT_EQ(bytes, "a? \x80");
        EXPECT_FALSE(ToSystemText("\xC4\x81.png", bytes));  // ā, not "a"
    }
    EXPECT_EQ(FromSystemText("\xE9\x81"), "\xE9\x81");
    EXPECT_TRUE(ToSystemText("\x81\x8D", bytes));
    EXPECT_EQ(bytes, "\x81\x8D");
    EXPECT_EQ(FromUtf8("caf\xC3\xA9 \xE6\x97\xA5"), "caf\xE9 ?");
}
