// The recent-file list: order, size 4, duplicates in other letter case, the
// menu texts (at most 30 characters, "&" shown) and the profile values
// "File1" to "File4" in the section "Recent File List".

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/MemoryProfile.h"
#include "framework/RecentFileList.h"

namespace {

// The list as the application makes it.
CRecentFileList MakeList() {
    return CRecentFileList("Recent File List", "File%d", 4, 30);
}

std::vector<std::string> Entries(const CRecentFileList& list) {
    std::vector<std::string> entries;
    for (int i = 0; i < list.Count(); ++i)
        entries.push_back(list.Entry(i));
    return entries;
}

// The path part of a menu text, after "&N ".
std::string ShownPath(const CRecentFileList& list, int index) {
    std::string text = list.MenuText(index);
    return text.substr(text.find(' ') + 1);
}

using Paths = std::vector<std::string>;

}  // namespace

TEST(RecentFileList, NewestFirstAndAtMostFour) {
    CRecentFileList list = MakeList();
    list.Add("C:\\a.vld");
    list.Add("C:\\b.vld");
    list.Add("C:\\c.vld");
    EXPECT_EQ(Entries(list), (Paths{"C:\\c.vld", "C:\\b.vld", "C:\\a.vld"}));
    list.Add("C:\\d.vld");
    list.Add("C:\\e.vld");
    EXPECT_EQ(Entries(list), (Paths{"C:\\e.vld", "C:\\d.vld", "C:\\c.vld", "C:\\b.vld"}));
    list.Add("");
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Entry(0), "C:\\e.vld");
}

TEST(RecentFileList, OpeningAgainMovesToTheFrontWhateverTheLetterCase) {
    CRecentFileList list = MakeList();
    list.Add("C:\\Lists\\Home.vld");
    list.Add("C:\\Lists\\Work.vld");
    list.Add("C:\\Lists\\Art.vld");
    list.Add("c:\\LISTS\\home.VLD");
    EXPECT_EQ(Entries(list),
              (Paths{"c:\\LISTS\\home.VLD", "C:\\Lists\\Art.vld", "C:\\Lists\\Work.vld"}));
    // The last of four, opened again, does not push anything out.
    list.Add("C:\\Lists\\Fourth.vld");
    list.Add("C:\\Lists\\work.vld");
    EXPECT_EQ(Entries(list), (Paths{"C:\\Lists\\work.vld", "C:\\Lists\\Fourth.vld",
                                    "c:\\LISTS\\home.VLD", "C:\\Lists\\Art.vld"}));
}

TEST(RecentFileList, MenuTextsAreNumberedFromOne) {
    CRecentFileList list = MakeList();
    list.Add("C:\\b.vld");
    list.Add("C:\\Lists\\a.vld");
    EXPECT_EQ(list.MenuText(0), "&1 C:\\Lists\\a.vld");
    EXPECT_EQ(list.MenuText(1), "&2 C:\\b.vld");
}

TEST(RecentFileList, MenuTextsAreShortenedToThirtyCharacters) {
    CRecentFileList list = MakeList();
    list.Add("C:\\Pictures\\Summer\\holiday.vld");  // exactly 30
    EXPECT_EQ(list.MenuText(0), "&1 C:\\Pictures\\Summer\\holiday.vld");
    list.Add("C:\\Pictures\\Summers\\holiday.vld");  // 31
    EXPECT_EQ(list.MenuText(0), "&1 C:\\...\\Summers\\holiday.vld");
    list.Add("C:\\Users\\Someone\\Pictures\\Wallpapers\\Summer\\beach.vld");
    EXPECT_EQ(list.MenuText(0), "&1 C:\\...\\Summer\\beach.vld");

    // Whatever the path, what is shown fits.
    const std::string longPaths[] = {
        "\\\\fileserver\\pictures\\wallpapers\\2024\\summer\\beach.vld",
        "C:\\Folder\\a wallpaper list with a very long file name.vld",
        "C:\\A\\B\\C\\D\\E\\F\\G\\H\\I\\J\\K\\L\\M\\N\\O\\P\\list.vld",
        "C:\\Verylongfoldername\\Anotherlongfolder\\x.vld",
        "NoFolderAtAllButAVeryLongFileName.vld",
    };
    for (const std::string& path : longPaths) {
        SCOPED_TRACE(path);
        list.Add(path);
        EXPECT_LE(ShownPath(list, 0).size(), 30u);
        EXPECT_EQ(list.MenuText(0).compare(0, 3, "&1 "), 0);
    }
    list.Add("C:\\A\\B\\C\\D\\E\\F\\G\\H\\I\\J\\K\\L\\M\\N\\O\\P\\list.vld");
    EXPECT_EQ(ShownPath(list, 0), "C:\\...\\J\\K\\L\\M\\N\\O\\P\\list.vld");
}

TEST(RecentFileList, AmpersandsAreDoubledSoThatTheyShow) {
    CRecentFileList list = MakeList();
    list.Add("C:\\R&D\\Tom & Jerry.vld");
    EXPECT_EQ(list.MenuText(0), "&1 C:\\R&&D\\Tom && Jerry.vld");
    // Shortening counts the characters of the path, before doubling.
    list.Add("C:\\Pictures\\Sun&Sea\\holiday.vld");  // 31 characters
    EXPECT_EQ(list.MenuText(0), "&1 C:\\...\\Sun&&Sea\\holiday.vld");
}

TEST(RecentFileList, WrittenAsFileOneToFourInItsSection) {
    CRecentFileList list = MakeList();
    list.Add("C:\\old.vld");
    list.Add("C:\\new.vld");
    CMemoryProfile profile;
    profile.WriteString("Recent File List", "File3", "C:\\stale.vld");
    profile.WriteString("Recent File List", "File4", "C:\\stale2.vld");
    list.WriteTo(profile);
    EXPECT_EQ(profile.GetString("Recent File List", "File1", "-"), "C:\\new.vld");
    EXPECT_EQ(profile.GetString("Recent File List", "File2", "-"), "C:\\old.vld");
    // Entries beyond the list are removed, not left over from before.
    EXPECT_EQ(profile.GetString("Recent File List", "File3", ""), "");
    EXPECT_EQ(profile.GetString("Recent File List", "File4", ""), "");
    EXPECT_FALSE(profile.Has("", "File1"));

    CRecentFileList again = MakeList();
    again.ReadFrom(profile);
    EXPECT_EQ(Entries(again), (Paths{"C:\\new.vld", "C:\\old.vld"}));
}

TEST(RecentFileList, ReadsFileOneToFourSkippingEmptyValues) {
    CMemoryProfile profile;
    profile.WriteString("Recent File List", "File1", "C:\\one.vld");
    profile.WriteString("Recent File List", "File2", "");
    profile.WriteString("Recent File List", "File3", "C:\\three.vld");
    profile.WriteString("Recent File List", "File4", "C:\\four.vld");
    profile.WriteString("Recent File List", "File5", "C:\\five.vld");
    profile.WriteString("", "File1", "C:\\wrong section.vld");
    CRecentFileList list = MakeList();
    list.Add("C:\\forgotten.vld");
    list.ReadFrom(profile);
    EXPECT_EQ(Entries(list), (Paths{"C:\\one.vld", "C:\\three.vld", "C:\\four.vld"}));
}

TEST(RecentFileList, RemoveTakesOneEntryOut) {
    CRecentFileList list = MakeList();
    list.Add("C:\\a.vld");
    list.Add("C:\\b.vld");
    list.Add("C:\\c.vld");
    list.Remove(1);
    EXPECT_EQ(Entries(list), (Paths{"C:\\c.vld", "C:\\a.vld"}));
    list.Remove(5);
    list.Remove(-1);
    EXPECT_EQ(list.Count(), 2);
}
