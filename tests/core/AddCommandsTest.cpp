#include <gtest/gtest.h>

#include <map>

#include "FakeListEdit.h"
#include "framework/Prompter.h"
#include "view/FolderScan.h"
#include "view/ItemCommands.h"
#include "view/ScanProgress.h"
#include "view/WallpaperAdder.h"

using namespace edittest;

namespace {

// A file system in memory. Folders are listed in the order their entries
// were made; a link is a folder entry that leads to another folder.
class FakeFinder : public IFileFinder {
public:
    void File(const std::string& folder, const std::string& name) { Entry(folder, name, false); }
    void Folder(const std::string& folder, const std::string& name) {
        Entry(folder, name, true);
        m_folders[folder + "\\" + name];
    }
    // A link named `name` in folder that leads to target.
    void Link(const std::string& folder, const std::string& name, const std::string& target) {
        Entry(folder, name, true);
        m_links[folder + "\\" + name] = target;
    }

    bool ListFolder(const std::string& folder,
                    const std::function<bool(const FolderEntry&)>& visit) override {
        listed.push_back(folder);
        auto found = m_folders.find(Resolve(folder));
        if (found == m_folders.end())
            return false;
        if (!visit({".", folder + "\\.", true}) || !visit({"..", folder + "\\..", true}))
            return true;
        for (const auto& entry : found->second)
            if (!visit({entry.first, folder + "\\" + entry.first, entry.second}))
                break;
        return true;
    }
    std::string FolderIdentity(const std::string& folder) override {
        return identities ? "id:" + Resolve(folder) : std::string();
    }

    std::vector<std::string> listed;
    bool identities = true;

private:
    void Entry(const std::string& folder, const std::string& name, bool directory) {
        m_folders[folder].push_back({name, directory});
    }
    // Follows the links on the path, one part after the other.
    std::string Resolve(const std::string& path) const {
        std::string current;
        std::size_t start = 0;
        while (start <= path.size()) {
            std::size_t end = path.find('\\', start);
            if (end == std::string::npos)
                end = path.size();
            std::string part = path.substr(start, end - start);
            current = current.empty() ? part : current + "\\" + part;
            auto link = m_links.find(current);
            if (link != m_links.end())
                current = link->second;
            start = end + 1;
        }
        return current;
    }

    std::map<std::string, std::vector<std::pair<std::string, bool>>> m_folders;
    std::map<std::string, std::string> m_links;
};

class AddCommandsTest : public ::testing::Test {
protected:
    AddCommandsTest() : scoped(prompter), adder(host, services) {}
    void TearDown() override { EXPECT_EQ(host.bulkDepth, 0); }

    FakeHost host;
    FakeServices services;
    FakeFinder finder;
    CRecordingPrompter prompter;
    CScopedPrompter scoped;
    CWallpaperAdder adder;
};

TEST_F(AddCommandsTest, ImageExtensionsAreTheFourExactly) {
    for (const char* name : {"photo.JPG", "b.Jpeg", "c.bmp", "d.PNG", "png", "JPG", "a.b.jpg"})
        EXPECT_TRUE(HasImageExtension(name)) << name;
    for (const char* name : {"photo.gif", "photo.jpe", "photo.jpg.bak", "photo.", "photo.jpg ", ""})
        EXPECT_FALSE(HasImageExtension(name)) << name;
}

TEST_F(AddCommandsTest, ScanAddsImageFilesInTheFileSystemsOrder) {
    for (const char* name :
         {"photo.JPG", "photo.gif", "b.Jpeg", "photo.jpe", "photo.jpg.bak", "png"})
        finder.File("C:\\Pics", name);
    host.settings.SetDefaultPosition("Tile");
    EXPECT_EQ(adder.AddFromFolder(finder, "C:\\Pics", false), 3);
    EXPECT_EQ(host.Names(), "photo.JPG,b.Jpeg,png");
    EXPECT_EQ(host.store.GetText(0, 1), "C:\\Pics");
    EXPECT_EQ(host.store.GetText(0, 2), "Tile");
    EXPECT_EQ(host.store.GetText(0, 3), "0");
    EXPECT_EQ(host.rows.Item(2)->GetPath(), "C:\\Pics\\png");
    EXPECT_EQ(host.rows.Item(2)->GetRandomPending(), 1);
    EXPECT_EQ(host.sorts, 1);
    EXPECT_EQ(host.marks, 1);
    EXPECT_EQ(host.bulkUpdates, 1);  // one batch without redrawing
    EXPECT_EQ(host.settings.GetLastFolder(), "C:\\Pics");
    EXPECT_EQ(host.settings.GetIncludeSubfolders(), 0);
}

TEST_F(AddCommandsTest, SubfoldersAreScannedDepthFirstOnlyWithTheFlag) {
    finder.File("C:\\P", "a.jpg");
    finder.Folder("C:\\P", "sub");
    finder.File("C:\\P", "z.png");
    finder.File("C:\\P\\sub", "b.bmp");
    finder.Folder("C:\\P\\sub", "deep.jpg");  // a folder: not an item itself
    finder.File("C:\\P\\sub\\deep.jpg", "c.jpeg");

    EXPECT_EQ(adder.AddFromFolder(finder, "C:\\P", false), 2);
    EXPECT_EQ(host.Names(), "a.jpg,z.png");
    EXPECT_EQ(finder.listed, std::vector<std::string>({"C:\\P"}));

    EXPECT_EQ(adder.AddFromFolder(finder, "C:\\P", true), 2);  // a.jpg and z.png are duplicates
    EXPECT_EQ(host.Names(), "a.jpg,z.png,b.bmp,c.jpeg");
    EXPECT_EQ(host.settings.GetIncludeSubfolders(), 1);

    host.rows.DeleteAllRows();
    EXPECT_EQ(adder.AddFromFolder(finder, "C:\\P", true), 4);
    EXPECT_EQ(host.Names(), "a.jpg,b.bmp,c.jpeg,z.png");
}

TEST_F(AddCommandsTest, AMissingFolderAddsNothingButIsRemembered) {
    host.autoSort = true;
    EXPECT_EQ(adder.AddFromFolder(finder, "Q:\\gone", true), 0);
    EXPECT_EQ(host.rows.Count(), 0);
    EXPECT_EQ(host.marks, 0);
    EXPECT_EQ(host.sorts, 1);  // sorted all the same
    EXPECT_EQ(host.settings.GetLastFolder(), "Q:\\gone");
    EXPECT_EQ(host.settings.GetIncludeSubfolders(), 1);
    EXPECT_TRUE(prompter.Boxes().empty());

    host.autoSort = false;
    adder.AddFromFolder(finder, "Q:\\gone", false);
    EXPECT_EQ(host.sorts, 1);
}

TEST_F(AddCommandsTest, ALinkLoopIsScannedOnce) {
    finder.File("C:\\A", "a.jpg");
    finder.Folder("C:\\A", "B");
    finder.File("C:\\A\\B", "b.jpg");
    finder.Link("C:\\A\\B", "back", "C:\\A");   // leads to the folder being scanned
    finder.Link("C:\\A", "again", "C:\\A\\B");  // a second way into B
    EXPECT_EQ(adder.AddFromFolder(finder, "C:\\A", true), 2);
    EXPECT_EQ(host.Names(), "a.jpg,b.jpg");
    EXPECT_EQ(finder.listed, std::vector<std::string>({"C:\\A", "C:\\A\\B"}));
}

TEST_F(AddCommandsTest, ALoopWithoutIdentitiesEndsAtTheDepthLimit) {
    finder.identities = false;
    finder.File("C:\\A", "a.jpg");
    finder.Link("C:\\A", "loop", "C:\\A");
    EXPECT_EQ(adder.AddFromFolder(finder, "C:\\A", true), CFolderScan::kMaxDepth + 1);
    EXPECT_EQ(finder.listed.size(), static_cast<std::size_t>(CFolderScan::kMaxDepth + 1));
}

// "b?.png" is what FindFirstFileA gives for a name the code page cannot
// hold: no file has it, and the shell would take it as a pattern.
TEST_F(AddCommandsTest, NamesWithPatternCharactersAreNeverAdded) {
    for (const char* name : {"a.jpg", "b?.png", "*.png", "c.png"})
        finder.File("C:\\P", name);
    finder.Folder("C:\\P", "d?");
    finder.File("C:\\P\\d?", "e.jpg");
    EXPECT_EQ(adder.AddFromFolder(finder, "C:\\P", true), 2);
    EXPECT_EQ(host.Names(), "a.jpg,c.png");
    EXPECT_EQ(finder.listed, std::vector<std::string>({"C:\\P"}));
}

// The progress hears of every folder and entry with the rows added so far;
// once it says stop, nothing more is listed or added, and the rows added
// stay, sorted and marked.
TEST_F(AddCommandsTest, ProgressSeesTheScanAndStopsIt) {
    struct StopAfter : IScanProgress {
        int calls = 0, limit = 0;
        std::vector<std::string> seen;
        bool Continue(const std::string& folder, int added) override {
            seen.push_back(folder + ":" + std::to_string(added));
            return ++calls < limit;
        }
    } progress;
    finder.File("C:\\P", "a.jpg");
    finder.Folder("C:\\P", "sub");
    finder.File("C:\\P\\sub", "b.jpg");
    finder.File("C:\\P\\sub", "c.jpg");
    finder.File("C:\\P", "z.jpg");
    progress.limit = 1000;
    EXPECT_EQ(adder.AddFromFolder(finder, "C:\\P", true, &progress), 4);
    EXPECT_EQ(progress.seen,
              std::vector<std::string>({"C:\\P:0", "C:\\P:0", "C:\\P:0", "C:\\P:1", "C:\\P\\sub:1",
                                        "C:\\P\\sub:1", "C:\\P\\sub:1", "C:\\P\\sub:2",
                                        "C:\\P\\sub:3", "C:\\P:3", "C:\\P:4"}));

    host.rows.DeleteAllRows();
    host.marks = host.sorts = 0;
    progress = StopAfter();
    progress.limit = 8;  // stops after b.jpg
    EXPECT_EQ(adder.AddFromFolder(finder, "C:\\P", true, &progress), 2);
    EXPECT_EQ(host.Names(), "a.jpg,b.jpg");
    EXPECT_EQ(progress.calls, 8);
    EXPECT_EQ(host.marks, 1);
    EXPECT_EQ(host.sorts, 1);

    host.rows.DeleteAllRows();
    host.marks = 0;
    progress = StopAfter();
    progress.limit = 1;  // stops before the first entry
    EXPECT_EQ(adder.AddFromFolder(finder, "C:\\P", true, &progress), 0);
    EXPECT_EQ(host.rows.Count(), 0);
    EXPECT_EQ(host.marks, 0);
}

TEST_F(AddCommandsTest, PickedFilesAreAddedWhateverTheirType) {
    host.Add({"C:\\Pics\\a.jpg"});
    host.settings.SetLastFolder("C:\\Old");
    int added = adder.AddPickedFiles({"C:\\Pics\\a.jpg", "D:\\Docs\\notes.txt", "C:\\Pics\\A.JPG"});
    EXPECT_EQ(added, 2);
    EXPECT_EQ(host.Names(), "a.jpg,notes.txt,A.JPG");      // case-different paths are kept apart
    EXPECT_EQ(host.settings.GetLastFolder(), "D:\\Docs");  // the first one added
    EXPECT_EQ(host.sorts, 1);
    EXPECT_EQ(host.marks, 1);
}

TEST_F(AddCommandsTest, PickingOnlyListedFilesChangesNothing) {
    host.Add({"C:\\Pics\\a.jpg", "C:\\Pics\\b.jpg"});
    host.settings.SetLastFolder("C:\\Old");
    EXPECT_EQ(adder.AddPickedFiles({"C:\\Pics\\b.jpg", "C:\\Pics\\a.jpg"}), 0);
    EXPECT_EQ(host.settings.GetLastFolder(), "C:\\Old");
    EXPECT_EQ(host.sorts, 0);
    EXPECT_EQ(host.marks, 0);
}

TEST_F(AddCommandsTest, DropsAreJudgedByTheExtensionOfTheWholePath) {
    services.folders = {"C:\\In\\folder.jpg"};
    host.settings.SetLastFolder("C:\\Old");
    host.autoSort = false;
    int added = adder.AddDroppedFiles({"C:\\In\\a.PNG", "C:\\In\\b.gif", "", "C:\\In\\folder.jpg",
                                       "C:\\In\\plainfolder", "C:\\x.y\\png", "C:\\In\\a.PNG"});
    EXPECT_EQ(added, 1);
    EXPECT_EQ(host.Names(), "a.PNG");
    EXPECT_EQ(host.settings.GetLastFolder(), "C:\\Old");
    EXPECT_EQ(host.sorts, 0);
    EXPECT_EQ(host.marks, 1);

    EXPECT_EQ(adder.AddDroppedFiles({"C:\\In\\b.gif"}), 0);
    EXPECT_EQ(host.marks, 1);
}

TEST_F(AddCommandsTest, PositionAndResetCountActOnTheSelectedRows) {
    host.Add({"C:\\a.jpg", "C:\\b.jpg", "C:\\c.jpg", "C:\\d.jpg"}, 7);
    CItemCommands items(host, services);
    host.Select({});
    items.SetPosition("Tile");
    items.ResetCount();
    EXPECT_EQ(host.marks, 0);

    host.Select({0, 2, 3});
    items.SetPosition("Tile");
    EXPECT_EQ(host.marks, 1);
    for (int row : {0, 2, 3}) {
        EXPECT_EQ(host.store.GetText(row, 2), "Tile");
        EXPECT_EQ(host.rows.Item(row)->GetPosition(), "Tile");
    }
    EXPECT_EQ(host.store.GetText(1, 2), "Stretch");

    host.Select({1});
    items.ResetCount();
    EXPECT_EQ(host.marks, 2);
    EXPECT_EQ(host.store.GetText(1, 3), "0");
    EXPECT_EQ(host.rows.Item(1)->GetCount(), 0);
    EXPECT_EQ(host.rows.Item(1)->GetRandomPending(), 1);
    EXPECT_EQ(host.store.GetText(0, 3), "7");
}

TEST_F(AddCommandsTest, OpenContainingFolderOpensOrSaysWhatIsMissing) {
    host.Add({"C:\\x.jpg", "C:\\Gone\\y.jpg", "C:\\Pics\\z.jpg"});
    CItemCommands items(host, services);
    services.missing = {"C:\\Gone"};

    host.Select({2});
    items.OpenContainingFolder();
    host.Select({0});
    items.OpenContainingFolder();
    EXPECT_EQ(services.opened, std::vector<std::string>({"C:\\Pics", "C:"}));
    EXPECT_TRUE(prompter.Boxes().empty());

    host.Select({1});
    items.OpenContainingFolder();
    EXPECT_EQ(services.opened.size(), 2u);
    ASSERT_EQ(prompter.Boxes().size(), 1u);
    EXPECT_EQ(prompter.Boxes()[0].text,
              "The containing folder was not found!\n\nExpected Path: C:\\Gone");
    EXPECT_EQ(prompter.Boxes()[0].caption, "Path Not Found");
    EXPECT_EQ(prompter.Boxes()[0].style, 0x10u);
    EXPECT_EQ(host.marks, 0);
}

}  // namespace
