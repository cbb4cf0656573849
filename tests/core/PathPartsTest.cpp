#include <gtest/gtest.h>

#include <climits>

#include "TestCodePages.h"
#include "base/PathParts.h"
#include "list/WallpaperItem.h"

TEST(PathParts, FileNameAndFolder) {
    EXPECT_EQ(FileNamePart("C:\\Pics\\Summer\\a.jpg"), "a.jpg");
    EXPECT_EQ(FolderPart("C:\\Pics\\Summer\\a.jpg"), "C:\\Pics\\Summer");
    EXPECT_EQ(FileNamePart("\\\\server\\share\\b.png"), "b.png");
    EXPECT_EQ(FolderPart("\\\\server\\share\\b.png"), "\\\\server\\share");
}

TEST(PathParts, PathWithoutBackslash) {
    EXPECT_EQ(FileNamePart("a.jpg"), "a.jpg");
    EXPECT_EQ(FolderPart("a.jpg"), "");
    EXPECT_EQ(FileNamePart(""), "");
    EXPECT_EQ(FolderPart(""), "");
    // Forward slashes are no separators.
    EXPECT_EQ(FileNamePart("C:/x/y.jpg"), "C:/x/y.jpg");
}

TEST(PathParts, FileInTheRootOfADrive) {
    EXPECT_EQ(FileNamePart("C:\\x.jpg"), "x.jpg");
    EXPECT_EQ(FolderPart("C:\\x.jpg"), "C:");
}

TEST(PathParts, RootOfADriveOrShare) {
    EXPECT_EQ(RootPart("E:\\Pics\\a.jpg"), "E:\\");
    EXPECT_EQ(RootPart("e:a.jpg"), "e:\\");
    EXPECT_EQ(RootPart("\\\\nas\\photos\\2020\\a.jpg"), "\\\\nas\\photos\\");
    EXPECT_EQ(RootPart("\\\\nas\\photos"), "\\\\nas\\photos\\");
    for (const char* path : {"a.jpg", "\\Pics\\a.jpg", "1:\\a.jpg", "\\\\nas", "\\\\nas\\",
                             "\\\\\\share\\a.jpg", "\\\\?\\C:\\a.jpg", "\\\\.\\C:\\a.jpg", ""})
        EXPECT_EQ(RootPart(path), "") << path;
    ScopedCodePage scope(CodePage932());  // 0x95 0x5C is one character
    EXPECT_EQ(RootPart("\\\\n\x95\\s\\h\x95\\\\a.jpg"), "\\\\n\x95\\s\\h\x95\\\\");
}

TEST(PathParts, TrailingBackslash) {
    EXPECT_EQ(FileNamePart("C:\\Pics\\"), "");
    EXPECT_EQ(FolderPart("C:\\Pics\\"), "C:\\Pics");
}

TEST(PathParts, ExtensionIsLowerCased) {
    EXPECT_EQ(ExtensionPart("C:\\Pics\\A.JPG"), "jpg");
    EXPECT_EQ(ExtensionPart("C:\\Pics\\a.tar.Gz"), "gz");
    EXPECT_EQ(ExtensionPart("photo."), "");
    EXPECT_EQ(ExtensionPart("README"), "readme");
    // The last dot of the whole text counts, also in a folder name.
    EXPECT_EQ(ExtensionPart("C:\\My.Pics\\Readme"), "pics\\readme");
    EXPECT_EQ(ExtensionPart("x.\xC9T\xC9"), "\xE9t\xE9");
}

TEST(PathParts, WallpaperItemParts) {
    CWallpaperItem item("C:\\Pics\\Sea.bmp", "Tile", 4, 0);
    EXPECT_EQ(item.GetFileName(), "Sea.bmp");
    EXPECT_EQ(item.GetFolder(), "C:\\Pics");
    CWallpaperItem bare("Sea.bmp", "Center", 0, 1);
    EXPECT_EQ(bare.GetFileName(), "Sea.bmp");
    EXPECT_EQ(bare.GetFolder(), "");
}

// 0x95 0x5C is one character of code page 932 whose trail byte is a backslash.
TEST(PathParts932, TrailByteBackslashIsNoSeparator) {
    ScopedCodePage scope(CodePage932());
    EXPECT_EQ(FileNamePart("C:\\\x95\\\\a\x95\\.jpg"), "a\x95\\.jpg");
    EXPECT_EQ(FolderPart("C:\\\x95\\\\a\x95\\.jpg"), "C:\\\x95\\");
    EXPECT_EQ(FileNamePart("\x95\\"), "\x95\\");
    EXPECT_EQ(FolderPart("\x95\\"), "");
    EXPECT_EQ(FolderPart("C:\\\x95\\"), "C:");
    CWallpaperItem item("D:\\\x95\\\\\x95\\.png", "Stretch", 0, 1);
    EXPECT_EQ(item.GetFileName(), "\x95\\.png");
    EXPECT_EQ(item.GetFolder(), "D:\\\x95\\");
}

TEST(PathParts932, ExtensionStepsOverDoubleByteCharacters) {
    ScopedCodePage scope(CodePage932());
    // 0x81 0x2E: the trail byte is a dot, no extension separator.
    EXPECT_EQ(ExtensionPart("A.JPG\x81."), "jpg\x81.");
    EXPECT_EQ(ExtensionPart("Z\x83"
                            "A.BMP"),
              "bmp");
    // Lower-casing leaves the trail byte "A" of 0x83 0x41 alone.
    EXPECT_EQ(ExtensionPart("X.P\x83"
                            "AG"),
              "p\x83"
              "Ag");
}

TEST(PathParts, DecimalText) {
    EXPECT_EQ(DecimalText(0), "0");
    EXPECT_EQ(DecimalText(9), "9");
    EXPECT_EQ(DecimalText(10), "10");
    EXPECT_EQ(DecimalText(-5), "-5");
    EXPECT_EQ(DecimalText(INT32_MAX), "2147483647");
    EXPECT_EQ(DecimalText(INT32_MIN), "-2147483648");
}

TEST(PathParts, TrimTrailingBackslashes) {
    EXPECT_EQ(TrimTrailingBackslashes("C:\\Pics\\\\"), "C:\\Pics");
    EXPECT_EQ(TrimTrailingBackslashes("C:\\Pics"), "C:\\Pics");
    EXPECT_EQ(TrimTrailingBackslashes("C:\\"), "C:");
    EXPECT_EQ(TrimTrailingBackslashes("\\\\"), "");
    EXPECT_EQ(TrimTrailingBackslashes(""), "");
    EXPECT_EQ(TrimTrailingBackslashes("a\x95\\"), "a\x95");
}

TEST(PathParts932, TrimKeepsTrailByteBackslash) {
    ScopedCodePage scope(CodePage932());
    EXPECT_EQ(TrimTrailingBackslashes("C:\\\x95\\"), "C:\\\x95\\");
    EXPECT_EQ(TrimTrailingBackslashes("C:\\\x95\\\\\\"), "C:\\\x95\\");
    EXPECT_EQ(TrimTrailingBackslashes("\x95\\\x95\\\\"), "\x95\\\x95\\");
    // A lead byte at the end is a character of its own.
    EXPECT_EQ(TrimTrailingBackslashes("a\\\x95"), "a\\\x95");
    EXPECT_EQ(TrimTrailingBackslashes("a\\\\"), "a");
}

// The folder browser starts at a folder cut of blanks and of a backslash
// that is a character; in code page 932 \x95\x5C is one character.
TEST(PathParts932, FolderForBrowserCutsOnlyARealBackslash) {
    EXPECT_EQ(FolderForBrowser("C:\\Pics\\ \t\r\n"), "C:\\Pics");
    ScopedCodePage scope(CodePage932());
    EXPECT_EQ(FolderForBrowser("C:\\\x95\\"), "C:\\\x95\\");
    EXPECT_EQ(FolderForBrowser("C:\\\x95\\\\  "), "C:\\\x95\\");
}

TEST(PathParts, ProgramFolderOf) {
    EXPECT_EQ(ProgramFolderOf("C:\\Program Files\\Varnello\\Varnello.exe"),
              "C:\\Program Files\\Varnello");
    EXPECT_EQ(ProgramFolderOf("C:\\Varnello.exe"), "C:");
    EXPECT_EQ(ProgramFolderOf("Varnello.exe"), "");
    EXPECT_EQ(ProgramFolderOf(""), "");
}

TEST(PathParts, ProgramFolderComesFromTheModuleFileName) {
    EXPECT_EQ(ProgramFolder(), "");
    SetModuleFileNameSource([] { return std::string("Z:\\opt\\varnello\\varnello.exe"); });
    EXPECT_EQ(ProgramFolder(), "Z:\\opt\\varnello");
    SetModuleFileNameSource(nullptr);
    EXPECT_EQ(ProgramFolder(), "");
}
