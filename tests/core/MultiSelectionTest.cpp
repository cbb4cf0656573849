#include <gtest/gtest.h>

#include "TestCodePages.h"
#include "framework/MultiSelection.h"

namespace {

// Splits a literal that holds the dialog's buffer, its NULs included.
template <std::size_t N>
std::vector<std::string> Split(const char (&buffer)[N]) {
    return SplitMultiSelection(buffer, N - 1);
}

}  // namespace

TEST(MultiSelection, OnePathOrAFolderWithNames) {
    EXPECT_EQ(Split("C:\\Pics\\a.jpg\0"), (std::vector<std::string>{"C:\\Pics\\a.jpg"}));
    EXPECT_EQ(Split("C:\\Pics\0a.jpg\0b.png\0"),
              (std::vector<std::string>{"C:\\Pics\\a.jpg", "C:\\Pics\\b.png"}));
    // A drive's root comes with its backslash.
    EXPECT_EQ(Split("C:\\\0a.jpg\0b.png\0"), (std::vector<std::string>{"C:\\a.jpg", "C:\\b.png"}));
}

// In code page 932 the folder name \x95\x5C (one character) ends in the
// byte of the backslash, which is no separator there.
TEST(MultiSelection, FolderEndingInADoubleByteCharacter) {
    ScopedCodePage scope(CodePage932());
    EXPECT_EQ(Split("C:\\\x95\\\0a.jpg\0b.png\0"),
              (std::vector<std::string>{"C:\\\x95\\\\a.jpg", "C:\\\x95\\\\b.png"}));
    EXPECT_EQ(Split("C:\\\x95\\\\\0a.jpg\0"), (std::vector<std::string>{"C:\\\x95\\\\a.jpg"}));
}
