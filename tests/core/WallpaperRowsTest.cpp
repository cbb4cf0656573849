#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <vector>

#include "base/PathParts.h"
#include "list/ListSettings.h"
#include "list/MemoryRowStore.h"
#include "list/WallpaperItem.h"
#include "list/WallpaperRows.h"

namespace {

// A row store that counts the requests to delete all rows and can refuse
// to insert rows.
class CountingStore : public CMemoryRowStore {
public:
    int InsertRow(int index, const std::string& text0) override {
        return refuseInsert ? -1 : CMemoryRowStore::InsertRow(index, text0);
    }
    void DeleteAllRows() override {
        ++deleteAllCalls;
        CMemoryRowStore::DeleteAllRows();
    }
    bool refuseInsert = false;
    int deleteAllCalls = 0;
};

std::unique_ptr<CWallpaperItem> Item(const std::string& path,
                                     const std::string& position = "Stretch",
                                     std::int32_t count = 0, std::int32_t pending = 1) {
    return std::make_unique<CWallpaperItem>(path, position, count, pending);
}

// The four texts of a row, joined by "|".
std::string RowTexts(const IRowStore& store, int row) {
    return store.GetText(row, 0) + "|" + store.GetText(row, 1) + "|" + store.GetText(row, 2) + "|" +
           store.GetText(row, 3);
}

// Frees the items left in the rows when a test ends.
struct RowsFixture : ::testing::Test {
    ~RowsFixture() override { rows.DeleteAllRows(); }
    CountingStore store;
    CWallpaperRows rows{store};
};

using WallpaperRows = RowsFixture;

}  // namespace

TEST_F(WallpaperRows, InsertRowSetsFourTextsAndAttachesTheItem) {
    auto item = Item("C:\\Pics\\a.jpg", "Tile", 12, 0);
    CWallpaperItem* raw = item.get();
    EXPECT_EQ(rows.InsertRow(0, "a.jpg", "C:\\Pics", std::move(item)), 0);
    EXPECT_EQ(RowTexts(store, 0), "a.jpg|C:\\Pics|Tile|12");
    EXPECT_EQ(rows.Item(0), raw);
    EXPECT_EQ(rows.Count(), 1);
}

TEST_F(WallpaperRows, InsertRowAtAnIndexMovesLaterRows) {
    rows.AppendNew("C:\\a.jpg", "Center");
    rows.AppendNew("C:\\c.jpg", "Center");
    EXPECT_EQ(rows.InsertRow(1, "b.jpg", "C:", Item("C:\\b.jpg")), 1);
    EXPECT_EQ(RowTexts(store, 0), "a.jpg|C:|Center|0");
    EXPECT_EQ(RowTexts(store, 1), "b.jpg|C:|Stretch|0");
    EXPECT_EQ(RowTexts(store, 2), "c.jpg|C:|Center|0");
}

TEST_F(WallpaperRows, TextsFromFileStayAsRead) {
    // An unknown position and a negative count, as a list file may hold them.
    rows.InsertRow(0, "x.jpg", "D:\\W", Item("D:\\W\\x.jpg", "Centre", -5, 1));
    rows.InsertRow(1, "y.jpg", "D:\\W", Item("D:\\W\\y.jpg", "Tile", INT32_MIN, 1));
    EXPECT_EQ(RowTexts(store, 0), "x.jpg|D:\\W|Centre|-5");
    EXPECT_EQ(RowTexts(store, 1), "y.jpg|D:\\W|Tile|-2147483648");
}

TEST_F(WallpaperRows, AppendNewAsTheUserAddsIt) {
    EXPECT_EQ(rows.AppendNew("C:\\x.jpg", "Stretch"), 0);
    EXPECT_EQ(rows.AppendNew("nofolder.png", "Tile"), 1);
    EXPECT_EQ(RowTexts(store, 0), "x.jpg|C:|Stretch|0");
    EXPECT_EQ(RowTexts(store, 1), "nofolder.png||Tile|0");
    CWallpaperItem* item = rows.Item(0);
    EXPECT_EQ(item->GetPath(), "C:\\x.jpg");
    EXPECT_EQ(item->GetCount(), 0);
    EXPECT_EQ(item->GetRandomPending(), 1);
}

TEST_F(WallpaperRows, FailedInsertFreesTheItemAndKeepsTheIndex) {
    store.refuseInsert = true;
    EXPECT_EQ(rows.InsertRow(0, "a.jpg", "C:", Item("C:\\a.jpg")), -1);
    EXPECT_EQ(rows.AppendNew("C:\\a.jpg", "Tile"), -1);
    EXPECT_EQ(rows.InsertRow(0, "a.jpg", "C:", nullptr), -1);
    EXPECT_EQ(rows.Count(), 0);
    EXPECT_FALSE(rows.IsInList("C:\\a.jpg"));
}

TEST_F(WallpaperRows, IsInListIsExactAndCaseSensitive) {
    rows.AppendNew("C:\\Pics\\a.jpg", "Stretch");
    EXPECT_TRUE(rows.IsInList("C:\\Pics\\a.jpg"));
    EXPECT_FALSE(rows.IsInList("c:\\pics\\A.JPG"));
    EXPECT_FALSE(rows.IsInList("C:\\Pics\\a.jpg "));
    EXPECT_FALSE(rows.IsInList("C:\\Pics\\Sub\\a.jpg"));
    EXPECT_FALSE(rows.IsInList("a.jpg"));
    rows.AppendNew("c:\\pics\\A.JPG", "Stretch");
    EXPECT_TRUE(rows.IsInList("c:\\pics\\A.JPG"));
    EXPECT_EQ(rows.Count(), 2);
}

TEST_F(WallpaperRows, IsInListComparesTheRowTextsNotThePaths) {
    // A row whose texts do not come from its item's path.
    rows.InsertRow(0, "shown.jpg", "E:\\Shown", Item("F:\\other\\hidden.jpg"));
    EXPECT_TRUE(rows.IsInList("E:\\Shown\\shown.jpg"));
    EXPECT_FALSE(rows.IsInList("F:\\other\\hidden.jpg"));
    // Pairs that join to the same bytes are still told apart.
    rows.InsertRow(1, "ab", "c", Item("c\\ab"));
    EXPECT_TRUE(rows.IsInList("c\\ab"));
    EXPECT_FALSE(rows.IsInList("bc\\a"));
    EXPECT_FALSE(rows.IsInList("abc"));
}

TEST_F(WallpaperRows, DuplicateRowsAreCountedOneByOne) {
    rows.InsertRow(0, "a.jpg", "C:", Item("C:\\a.jpg"));
    rows.InsertRow(1, "a.jpg", "C:", Item("C:\\a.jpg"));
    rows.RemoveRow(0);
    EXPECT_TRUE(rows.IsInList("C:\\a.jpg"));
    rows.RemoveRow(0);
    EXPECT_FALSE(rows.IsInList("C:\\a.jpg"));
    EXPECT_EQ(rows.Count(), 0);
}

TEST_F(WallpaperRows, RemoveRowDeletesThatRowOnly) {
    rows.AppendNew("C:\\a.jpg", "Tile");
    rows.AppendNew("C:\\b.jpg", "Tile");
    rows.AppendNew("C:\\c.jpg", "Tile");
    rows.RemoveRow(1);
    rows.RemoveRow(7);
    rows.RemoveRow(-1);
    EXPECT_EQ(rows.Count(), 2);
    EXPECT_EQ(rows.Item(1)->GetPath(), "C:\\c.jpg");
    EXPECT_FALSE(rows.IsInList("C:\\b.jpg"));
    EXPECT_TRUE(rows.IsInList("C:\\c.jpg"));
}

TEST_F(WallpaperRows, DeleteAllRowsAsksTheStoreOnce) {
    rows.DeleteAllRows();
    EXPECT_EQ(store.deleteAllCalls, 0);
    rows.AppendNew("C:\\a.jpg", "Tile");
    rows.AppendNew("C:\\b.jpg", "Tile");
    rows.DeleteAllRows();
    EXPECT_EQ(store.deleteAllCalls, 1);
    EXPECT_EQ(rows.Count(), 0);
    EXPECT_FALSE(rows.IsInList("C:\\a.jpg"));
}

TEST_F(WallpaperRows, IndexesRowsTheStoreAlreadyHolds) {
    CMemoryRowStore filled;
    filled.InsertRow(0, "a.jpg");
    filled.SetText(0, 1, "C:");
    CWallpaperRows other(filled);
    EXPECT_TRUE(other.IsInList("C:\\a.jpg"));
    filled.SetText(0, 1, "D:");
    other.RebuildIndex();
    EXPECT_FALSE(other.IsInList("C:\\a.jpg"));
    EXPECT_TRUE(other.IsInList("D:\\a.jpg"));
}

TEST_F(WallpaperRows, SetSelectedPosition) {
    for (const char* path : {"C:\\a.jpg", "C:\\b.jpg", "C:\\c.jpg"})
        rows.AppendNew(path, "Stretch");
    EXPECT_EQ(rows.SetSelectedPosition("Tile"), 0);
    EXPECT_EQ(RowTexts(store, 0), "a.jpg|C:|Stretch|0");
    store.SetRowState(0, kRowSelected, kRowSelected);
    store.SetRowState(2, kRowSelected, kRowSelected);
    EXPECT_EQ(rows.SetSelectedPosition("Center"), 2);
    EXPECT_EQ(RowTexts(store, 0), "a.jpg|C:|Center|0");
    EXPECT_EQ(RowTexts(store, 1), "b.jpg|C:|Stretch|0");
    EXPECT_EQ(RowTexts(store, 2), "c.jpg|C:|Center|0");
    EXPECT_EQ(rows.Item(0)->GetPosition(), "Center");
    EXPECT_EQ(rows.Item(1)->GetPosition(), "Stretch");
    EXPECT_EQ(rows.Item(2)->GetPosition(), "Center");
}

TEST_F(WallpaperRows, MarkAppliedCountsAndEndsTheWait) {
    rows.InsertRow(0, "a.jpg", "C:", Item("C:\\a.jpg", "Tile", 9, 1));
    rows.MarkApplied(0);
    EXPECT_EQ(RowTexts(store, 0), "a.jpg|C:|Tile|10");
    EXPECT_EQ(rows.Item(0)->GetCount(), 10);
    EXPECT_EQ(rows.Item(0)->GetRandomPending(), 0);
    rows.MarkApplied(3);  // no such row
    EXPECT_EQ(rows.Item(0)->GetCount(), 10);
}

TEST_F(WallpaperRows, MarkAppliedStopsAtTheLargestCount) {
    rows.InsertRow(0, "a.jpg", "C:", Item("C:\\a.jpg", "Tile", INT32_MAX, 1));
    rows.InsertRow(1, "b.jpg", "C:", Item("C:\\b.jpg", "Tile", -1, 1));
    rows.MarkApplied(0);
    rows.MarkApplied(1);
    EXPECT_EQ(RowTexts(store, 0), "a.jpg|C:|Tile|2147483647");
    EXPECT_EQ(rows.Item(0)->GetCount(), INT32_MAX);
    EXPECT_EQ(RowTexts(store, 1), "b.jpg|C:|Tile|0");
}

TEST_F(WallpaperRows, ResetSelectedCounts) {
    rows.InsertRow(0, "a.jpg", "C:", Item("C:\\a.jpg", "Tile", 5, 0));
    rows.InsertRow(1, "b.jpg", "C:", Item("C:\\b.jpg", "Tile", 7, 0));
    EXPECT_EQ(rows.ResetSelectedCounts(), 0);
    store.SetRowState(1, kRowSelected, kRowSelected);
    EXPECT_EQ(rows.ResetSelectedCounts(), 1);
    EXPECT_EQ(RowTexts(store, 0), "a.jpg|C:|Tile|5");
    EXPECT_EQ(RowTexts(store, 1), "b.jpg|C:|Tile|0");
    EXPECT_EQ(rows.Item(0)->GetRandomPending(), 0);
    EXPECT_EQ(rows.Item(1)->GetCount(), 0);
    EXPECT_EQ(rows.Item(1)->GetRandomPending(), 1);
}

// An item keeps its path in a block of its own and shares the three
// position names the program gives; copies stand on their own, whatever
// names they are given afterwards.
TEST(WallpaperItem, CopiesKeepTheirOwnPathAndPosition) {
    CWallpaperItem a("C:\\Pics\\a.jpg", "Centre", 3, 1);  // a name read from a file
    CWallpaperItem b = a;
    b.SetPosition("Tile");
    b.SetPath("D:\\b.png");
    EXPECT_EQ(a.GetPosition(), "Centre");
    EXPECT_EQ(a.GetPath(), "C:\\Pics\\a.jpg");
    EXPECT_EQ(a.GetFileName(), "a.jpg");
    EXPECT_EQ(b.GetFolder(), "D:");
    a = b;
    b.SetPosition("Sideways");
    EXPECT_EQ(a.GetPosition(), "Tile");
    EXPECT_EQ(a.GetPath(), "D:\\b.png");
    const CWallpaperItem& same = a;
    a = same;
    EXPECT_EQ(a.GetPosition(), "Tile");
    CWallpaperItem c(std::string("x\0y", 3), "", -1, 0);
    EXPECT_EQ(c.GetPath(), std::string("x\0y", 3));
    EXPECT_EQ(c.GetPosition(), "");
    c.SetPath("");
    EXPECT_EQ(c.GetPath(), "");
    EXPECT_EQ(c.GetCount(), -1);
}

TEST(ListSettings, FreshValues) {
    CListSettings settings;
    EXPECT_EQ(settings.GetDefaultPosition(), "Stretch");
    EXPECT_EQ(settings.GetIntervalChange(), 0);
    EXPECT_EQ(settings.GetHours(), 0);
    EXPECT_EQ(settings.GetMinutes(), 0);
    EXPECT_EQ(settings.GetLastFolder(), "");
    EXPECT_EQ(settings.GetIncludeSubfolders(), 0);
}

namespace {

// The duplicate test the slow way: every row's column 0 and 1 texts.
bool LinearIsInList(const IRowStore& store, const std::string& path) {
    for (int row = 0; row < store.RowCount(); ++row) {
        if (store.GetText(row, 0) == FileNamePart(path) &&
            store.GetText(row, 1) == FolderPart(path))
            return true;
    }
    return false;
}

// Sorts by the item's path, to move rows around between other operations.
int ComparePaths(const CWallpaperItem* a, const CWallpaperItem* b, std::intptr_t) {
    return a->GetPath().compare(b->GetPath());
}

}  // namespace

// The index must answer exactly like the scan over the row texts, whatever
// mix of inserts (with duplicates and odd texts), removals, sorts and
// clearing led to the rows.
TEST_F(WallpaperRows, IndexAgreesWithALinearScan) {
    const std::vector<std::string> parts = {"",   "a",   "A",  "ab", "b",
                                            "1:", "1:a", "C:", "c:", "a\\b"};
    std::mt19937 random(20240611u);
    auto pick = [&]() -> const std::string& { return parts[random() % parts.size()]; };
    auto probe = [&]() {
        std::string path = pick();
        if (random() % 4 != 0)
            path += "\\" + pick();
        return path;
    };
    int checks = 0;
    for (int step = 0; step < 4000; ++step) {
        unsigned op = random() % 100;
        if (op < 45) {
            std::string text0 = pick(), text1 = pick();
            int index = static_cast<int>(random() % (rows.Count() + 1));
            rows.InsertRow(index, text0, text1, Item(text1 + "\\" + text0));
        } else if (op < 60) {
            rows.AppendNew(probe(), "Tile");
        } else if (op < 90) {
            if (rows.Count() > 0)
                rows.RemoveRow(static_cast<int>(random() % rows.Count()));
        } else if (op < 97) {
            store.SortRows(ComparePaths, 0);
        } else {
            rows.DeleteAllRows();
        }
        for (int i = 0; i < 8; ++i, ++checks) {
            std::string path = probe();
            ASSERT_EQ(rows.IsInList(path), LinearIsInList(store, path))
                << "step " << step << ", path \"" << path << "\", " << rows.Count() << " rows";
        }
    }
    EXPECT_EQ(checks, 32000);
}
