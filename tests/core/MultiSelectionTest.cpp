#include <gtest/gtest.h>

#include "TestCodePages.h"
#include "framework/MultiSelection.h"

namespace {
using Paths = std::vector<std::string>;
// Splits a literal that holds the dialog's buffer, its NULs included.
template <std::size_t N>
Paths Split(const char (&buffer)[N]) {
    return SplitMultiSelection(buffer, N - 1);
}
}  // namespace

// One path, or a folder and names; a root comes with its backslash. In code
// page 932 the folder name \x95\x5C is one character, ending in no separator.
TEST(MultiSelection, FolderAndNames) {
    EXPECT_EQ(Split("C:\\Pics\\a.jpg\0"), Paths{"C:\\Pics\\a.jpg"});
    EXPECT_EQ(Split("C:\\Pics\0a.jpg\0b.png\0"), (Paths{"C:\\Pics\\a.jpg", "C:\\Pics\\b.png"}));
    EXPECT_EQ(Split("C:\\\0a.jpg\0"), Paths{"C:\\a.jpg"});
    ScopedCodePage scope(CodePage932());
    EXPECT_EQ(Split("C:\\\x95\\\0a.jpg\0b.png\0"),
              (Paths{"C:\\\x95\\\\a.jpg", "C:\\\x95\\\\b.png"}));
    EXPECT_EQ(Split("C:\\\x95\\\\\0a.jpg\0"), Paths{"C:\\\x95\\\\a.jpg"});
}
