#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "TestCodePages.h"
#include "list/MemoryRowStore.h"
#include "list/WallpaperItem.h"
#include "view/SortOrder.h"

namespace {

// Rows over items the test keeps; restores the ascending direction at the end.
struct SortOrder : ::testing::Test {
    ~SortOrder() override { g_bSortAscending = 1; }

    void Add(const std::string& path, const std::string& position = "Tile",
             std::int32_t count = 0) {
        items.push_back(std::make_unique<CWallpaperItem>(path, position, count, 1));
        int row = store.InsertRow(store.RowCount(), path);
        store.SetItem(row, items.back().get());
    }
    // The paths of the rows in row order, joined by spaces.
    std::string Order() const {
        std::string order;
        for (int row = 0; row < store.RowCount(); ++row)
            order += (row ? " " : "") + store.GetItem(row)->GetPath();
        return order;
    }
    int Compare(const CWallpaperItem& a, const CWallpaperItem& b, std::intptr_t column) {
        return CompareItems(&a, &b, column);
    }

    std::vector<std::unique_ptr<CWallpaperItem>> items;
    CMemoryRowStore store;
};

// A store that records whether it was asked to sort.
class WatchedStore : public CMemoryRowStore {
public:
    void ReorderRows(const std::vector<int>& order) override {
        ++sorts;
        CMemoryRowStore::ReorderRows(order);
    }
    int sorts = 0;
};

}  // namespace

TEST(SortDirection, StartsAscending) {
    EXPECT_EQ(g_bSortAscending, 1);
}

TEST_F(SortOrder, FileNameIgnoresCase) {
    Add("X:\\c.jpg");
    Add("Y:\\B.jpg");
    Add("Z:\\a.jpg");
    SortByColumn(store, 0);
    EXPECT_EQ(Order(), "Z:\\a.jpg Y:\\B.jpg X:\\c.jpg");
    g_bSortAscending = 0;
    SortByColumn(store, 0);
    EXPECT_EQ(Order(), "X:\\c.jpg Y:\\B.jpg Z:\\a.jpg");
}

TEST_F(SortOrder, FileNameComparesLowerCasedBytesUnsigned) {
    CWallpaperItem upperE("C:\\\xC9t\xE9.jpg", "Tile", 0, 1);  // Ete with accents
    CWallpaperItem lowerE("D:\\\xE9T\xC9.JPG", "Tile", 0, 1);
    CWallpaperItem z("C:\\z.jpg", "Tile", 0, 1);
    EXPECT_EQ(Compare(upperE, lowerE, 0), 0);
    EXPECT_EQ(Compare(z, upperE, 0), -1);  // 'z' (0x7A) before 0xE9
    EXPECT_EQ(Compare(upperE, z, 0), 1);
    CWallpaperItem shortName("C:\\ab", "Tile", 0, 1);
    CWallpaperItem longName("C:\\AB.jpg", "Tile", 0, 1);
    EXPECT_EQ(Compare(shortName, longName, 0), -1);
    EXPECT_EQ(Compare(longName, shortName, 0), 1);
}

TEST_F(SortOrder, FileNameLowerCasingThrough932) {
    ScopedCodePage scope(CodePage932());
    // 0x83 0x41 and 0x83 0x61 are different characters: the trail byte stays.
    CWallpaperItem a(
        "C:\\\x83"
        "A.jpg",
        "Tile", 0, 1);
    CWallpaperItem b(
        "C:\\\x83"
        "a.jpg",
        "Tile", 0, 1);
    EXPECT_EQ(Compare(a, b, 0), -1);
    CWallpaperItem c(
        "C:\\Q\x83"
        "A.jpg",
        "Tile", 0, 1);
    CWallpaperItem d(
        "C:\\q\x83"
        "A.JPG",
        "Tile", 0, 1);
    EXPECT_EQ(Compare(c, d, 0), 0);
    // The file name after a trail byte backslash is the whole name.
    CWallpaperItem e("C:\\\x95\\b.jpg", "Tile", 0, 1);
    CWallpaperItem f("C:\\c.jpg", "Tile", 0, 1);
    EXPECT_EQ(Compare(e, f, 0), 1);
}

TEST_F(SortOrder, FolderIsCaseSensitive) {
    Add("C:\\b\\1.jpg");
    Add("C:\\B\\2.jpg");
    Add("C:\\a\\3.jpg");
    Add("C:\\A\\4.jpg");
    SortByColumn(store, 1);
    EXPECT_EQ(Order(), "C:\\A\\4.jpg C:\\B\\2.jpg C:\\a\\3.jpg C:\\b\\1.jpg");
}

TEST_F(SortOrder, PositionIsCaseSensitive) {
    Add("1", "Tile");
    Add("2", "center");
    Add("3", "Stretch");
    Add("4", "Center");
    SortByColumn(store, 2);
    EXPECT_EQ(Order(), "4 3 1 2");
    EXPECT_EQ(Compare(*items[0], *items[0], 2), 0);
}

TEST_F(SortOrder, CountIsNumericAndSigned) {
    Add("ten", "Tile", 10);
    Add("nine", "Tile", 9);
    Add("min", "Tile", INT32_MIN);
    Add("max", "Tile", INT32_MAX);
    Add("minus", "Tile", -1);
    SortByColumn(store, 3);
    EXPECT_EQ(Order(), "min minus nine ten max");
    EXPECT_EQ(Compare(*items[2], *items[3], 3), -1);
    EXPECT_EQ(Compare(*items[3], *items[2], 3), 1);
    g_bSortAscending = 0;
    EXPECT_EQ(Compare(*items[2], *items[3], 3), 1);
    SortByColumn(store, 3);
    EXPECT_EQ(Order(), "max ten nine minus min");
}

TEST_F(SortOrder, ResultsAreMinusOneZeroOrOne) {
    CWallpaperItem a("C:\\a", "Center", 0, 1);
    CWallpaperItem z("D:\\zzz", "Tile", 1000, 1);
    for (std::intptr_t column = 0; column < 4; ++column) {
        EXPECT_EQ(Compare(a, z, column), -1) << column;
        EXPECT_EQ(Compare(z, a, column), 1) << column;
        EXPECT_EQ(Compare(a, a, column), 0) << column;
    }
}

TEST_F(SortOrder, TiesKeepTheirOrder) {
    Add("C:\\x\\same.jpg", "Tile", 3);
    Add("D:\\y\\SAME.jpg", "Tile", 1);
    Add("E:\\z\\Same.jpg", "Tile", 2);
    SortByColumn(store, 0);
    EXPECT_EQ(Order(), "C:\\x\\same.jpg D:\\y\\SAME.jpg E:\\z\\Same.jpg");
}

TEST_F(SortOrder, OtherColumnsCompareMinusOneForEveryPair) {
    CWallpaperItem a("C:\\a", "Tile", 0, 1);
    CWallpaperItem b("C:\\b", "Tile", 1, 1);
    for (std::intptr_t column : {std::intptr_t(-1), std::intptr_t(4), std::intptr_t(100)}) {
        EXPECT_EQ(Compare(a, b, column), -1);
        EXPECT_EQ(Compare(b, a, column), -1);
        EXPECT_EQ(Compare(a, a, column), -1);
        g_bSortAscending = 0;
        EXPECT_EQ(Compare(b, a, column), -1);
        g_bSortAscending = 1;
    }
    EXPECT_FALSE(IsSortColumn(-1));
    EXPECT_TRUE(IsSortColumn(0));
    EXPECT_TRUE(IsSortColumn(3));
    EXPECT_FALSE(IsSortColumn(4));
}

TEST_F(SortOrder, OtherColumnsLeaveTheRowsAlone) {
    WatchedStore watched;
    CWallpaperItem a("C:\\b", "Tile", 0, 1);
    CWallpaperItem b("C:\\a", "Tile", 0, 1);
    watched.InsertRow(0, "b");
    watched.SetItem(0, &a);
    watched.InsertRow(1, "a");
    watched.SetItem(1, &b);
    SortByColumn(watched, 4);
    SortByColumn(watched, -1);
    EXPECT_EQ(watched.sorts, 0);
    EXPECT_EQ(watched.GetItem(0), &a);
    SortByColumn(watched, 0);
    EXPECT_EQ(watched.sorts, 1);
    EXPECT_EQ(watched.GetItem(0), &b);
}

// Sorting by a column gives exactly the order a stable sort with CompareItems
// gives, in both directions, with many ties, mixed case and rows without items.
TEST_F(SortOrder, SortByColumnMatchesCompareItems) {
    const char* names[] = {"a.jpg", "B.jpg", "b.JPG", "c.png", "A.jpg", "z.bmp", "\xE9t\xE9.jpg"};
    const char* folders[] = {"C:\\Pics", "c:\\pics", "D:\\", "C:\\Pics\\Sub"};
    const char* positions[] = {"Center", "Stretch", "Tile", "tile", "Tiled"};
    unsigned seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7FFF; };
    for (int i = 0; i < 300; ++i) {
        std::string path = std::string(folders[next() % 4]) + "\\" + names[next() % 7];
        Add(path, positions[next() % 5], static_cast<std::int32_t>(next() % 7) - 3);
    }
    store.InsertRow(17, "no item");  // a row without an item
    store.InsertRow(150, "no item");

    for (int ascending = 0; ascending <= 1; ++ascending) {
        g_bSortAscending = ascending;
        for (int column = 0; column < 4; ++column) {
            // Scramble the rows, then sort both ways and compare the item order.
            CMemoryRowStore reference;
            for (int row = 0; row < store.RowCount(); ++row) {
                int at = reference.InsertRow(reference.RowCount(), store.GetText(row, 0));
                reference.SetItem(at, store.GetItem(row));
            }
            reference.SortRows(CompareItems, column);
            SortByColumn(store, column);
            ASSERT_EQ(reference.RowCount(), store.RowCount());
            for (int row = 0; row < store.RowCount(); ++row)
                ASSERT_EQ(reference.GetItem(row), store.GetItem(row))
                    << "column " << column << " ascending " << ascending << " row " << row;
        }
    }
}
