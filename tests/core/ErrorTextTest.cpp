#include <gtest/gtest.h>

#include "wallpaper/ErrorText.h"

// The system's own text wins, with one "\n" and then one "\r" cut off.
TEST(ErrorText, SystemTextIsTrimmedOnce) {
    EXPECT_EQ(ErrorDescription(0x80004005u, std::string("Unspecified error\r\n")),
              "Unspecified error");
    EXPECT_EQ(ErrorDescription(0x80004005u, std::string("Two\r\n\r\n")), "Two\r\n");
    EXPECT_EQ(ErrorDescription(0x80004005u, std::string("Only CR\r")), "Only CR");
    EXPECT_EQ(ErrorDescription(0x80004005u, std::string("LF first\n\r")), "LF first\n");
    EXPECT_EQ(ErrorDescription(0x80004005u, std::string("None")), "None");
    EXPECT_EQ(ErrorDescription(0x80004005u, std::string("")), "");
}

// Without system text: dispatch errors by number, everything else by code.
TEST(ErrorText, FallbackWithoutSystemText) {
    EXPECT_EQ(ErrorDescription(0x80040201u, std::nullopt), "IDispatch error #1");
    EXPECT_EQ(ErrorDescription(0x80040300u, std::nullopt), "IDispatch error #256");
    EXPECT_EQ(ErrorDescription(0x8004FFFFu, std::nullopt), "IDispatch error #65023");
    // The base itself gives number 0, which is no dispatch error.
    EXPECT_EQ(ErrorDescription(0x80040200u, std::nullopt), "Unknown error 0x80040200");
    EXPECT_EQ(ErrorDescription(0x800401FFu, std::nullopt), "Unknown error 0x800401FF");
    EXPECT_EQ(ErrorDescription(0x80050000u, std::nullopt), "Unknown error 0x80050000");
    EXPECT_EQ(ErrorDescription(0x8007000Eu, std::nullopt), "Unknown error 0x8007000E");
    EXPECT_EQ(ErrorDescription(0x5u, std::nullopt), "Unknown error 0x5");
    EXPECT_EQ(ErrorDescription(0xABCDEFu, std::nullopt), "Unknown error 0xABCDEF");
}

// The box text: code in lower case without prefix or leading zeros.
TEST(ErrorText, LoadErrorText) {
    EXPECT_EQ(LoadErrorText(0x80004005u, std::string("Unspecified error\r\n")),
              "The selected image failed to load:\n80004005 - Unspecified error");
    EXPECT_EQ(LoadErrorText(0x8007000Eu, std::nullopt),
              "The selected image failed to load:\n8007000e - Unknown error 0x8007000E");
    EXPECT_EQ(LoadErrorText(0x80040205u, std::nullopt),
              "The selected image failed to load:\n80040205 - IDispatch error #5");
    EXPECT_EQ(LowerHex(0), "0");
    EXPECT_EQ(LowerHex(0x00ABCDEFu), "abcdef");
    EXPECT_EQ(LowerHex(0xFFFFFFFFu), "ffffffff");
}

// Decoding failures: out of memory (3) keeps its own code; every other
// status, a system error (Win32Error, 7) included, is E_FAIL.
TEST(ErrorText, DecodeFailureCodes) {
    EXPECT_EQ(DecodeFailureCode(3), 0x8007000Eu);
    for (int status : {1, 2, 4, 7, 10, 21})
        EXPECT_EQ(DecodeFailureCode(status), 0x80004005u) << status;
}
