#include <gtest/gtest.h>

#include "base/ByteStream.h"
#include "list/MemoryRowStore.h"
#include "list/WallpaperItem.h"

namespace {

// The column 0 texts of all rows, joined by spaces.
std::string Names(const CMemoryRowStore& store) {
    std::string names;
    for (int row = 0; row < store.RowCount(); ++row)
        names += (row ? " " : "") + store.GetText(row, 0);
    return names;
}

}  // namespace

TEST(MemoryRowStore, InsertMovesLaterRowsDown) {
    CMemoryRowStore store;
    EXPECT_EQ(store.InsertRow(0, "b"), 0);
    EXPECT_EQ(store.InsertRow(0, "a"), 0);
    EXPECT_EQ(store.InsertRow(2, "d"), 2);
    EXPECT_EQ(store.InsertRow(2, "c"), 2);
    EXPECT_EQ(store.InsertRow(99, "e"), 4);  // past the end: appended
    EXPECT_EQ(store.InsertRow(-1, "x"), -1);
    EXPECT_EQ(Names(store), "a b c d e");
    store.DeleteRow(1);
    EXPECT_EQ(Names(store), "a c d e");
    store.DeleteAllRows();
    EXPECT_EQ(store.RowCount(), 0);
}

TEST(MemoryRowStore, TextsAndItems) {
    CMemoryRowStore store;
    CWallpaperItem item("C:\\a.jpg", "Tile", 0, 1);
    store.InsertRow(0, "a.jpg");
    store.SetText(0, 3, "7");
    store.SetItem(0, &item);
    EXPECT_EQ(store.GetText(0, 0), "a.jpg");
    EXPECT_EQ(store.GetText(0, 1), "");
    EXPECT_EQ(store.GetText(0, 3), "7");
    EXPECT_EQ(store.GetItem(0), &item);
    // Rows and columns that do not exist are ignored.
    store.SetText(1, 0, "x");
    store.SetText(0, 4, "x");
    store.SetItem(-1, &item);
    store.DeleteRow(5);
    EXPECT_EQ(store.GetText(0, 4), "");
    EXPECT_EQ(store.GetText(1, 0), "");
    EXPECT_EQ(store.GetItem(1), nullptr);
    EXPECT_EQ(store.RowCount(), 1);
}

TEST(MemoryRowStore, SelectionStates) {
    CMemoryRowStore store;
    for (int i = 0; i < 5; ++i)
        store.InsertRow(i, "r");
    EXPECT_EQ(store.NextSelected(-1), -1);
    store.SetRowState(1, kRowSelected | kRowFocused, kRowSelected | kRowFocused);
    store.SetRowState(3, kRowSelected, kRowSelected);
    EXPECT_EQ(store.SelectedCount(), 2);
    EXPECT_EQ(store.NextSelected(-1), 1);
    EXPECT_EQ(store.NextSelected(1), 3);
    EXPECT_EQ(store.NextSelected(3), -1);
    // The mask limits the change to its bits.
    store.SetRowState(1, 0, kRowSelected);
    EXPECT_EQ(store.GetRowState(1), unsigned(kRowFocused));
    store.SetRowState(-1, kRowSelected, kRowSelected);
    EXPECT_EQ(store.SelectedCount(), 5);
    EXPECT_EQ(store.GetRowState(1), unsigned(kRowSelected | kRowFocused));
    store.SetRowState(-1, 0, kRowSelected | kRowFocused);
    EXPECT_EQ(store.SelectedCount(), 0);
    EXPECT_EQ(store.GetRowState(9), 0u);
    store.EnsureVisible(9);
    EXPECT_EQ(store.LastVisibleRow(), -1);
    store.EnsureVisible(4);
    EXPECT_EQ(store.LastVisibleRow(), 4);
}

// A new order moves each row with its state; an order that does not name
// every row exactly once changes nothing.
TEST(MemoryRowStore, ReorderMovesRowsWithTheirStates) {
    CMemoryRowStore store;
    for (const char* name : {"a", "b", "c"})
        store.InsertRow(store.RowCount(), name);
    store.SetRowState(0, kRowSelected, kRowSelected);
    store.ReorderRows({2, 0, 1});
    EXPECT_EQ(Names(store), "c a b");
    EXPECT_EQ(store.NextSelected(-1), 1);
    for (const std::vector<int>& bad : {std::vector<int>{0, 1}, std::vector<int>{0, 0, 1},
                                        std::vector<int>{0, 1, 3}, std::vector<int>{-1, 0, 1}})
        store.ReorderRows(bad);
    EXPECT_EQ(Names(store), "c a b");
}

TEST(MemoryRowStore, SortIsStable) {
    CMemoryRowStore store;
    CWallpaperItem items[] = {{"p", "", 2, 1}, {"q", "", 1, 1}, {"r", "", 2, 1}, {"s", "", 1, 1}};
    const char* names[] = {"p", "q", "r", "s"};
    for (int i = 0; i < 4; ++i) {
        store.InsertRow(i, names[i]);
        store.SetItem(i, &items[i]);
    }
    store.SortRows(
        [](const CWallpaperItem* a, const CWallpaperItem* b, std::intptr_t param) {
            EXPECT_EQ(param, 42);
            return a->GetCount() - b->GetCount();
        },
        42);
    EXPECT_EQ(Names(store), "q s p r");
    EXPECT_EQ(store.GetItem(0), &items[1]);
    EXPECT_EQ(store.GetItem(3), &items[2]);
}

TEST(MemoryStreams, SourceReadsUpToTheEnd) {
    const std::string bytes = "abcde";
    CMemorySource source(bytes);
    char buffer[8] = {};
    EXPECT_EQ(source.Read(buffer, 2), 2u);
    EXPECT_EQ(std::string(buffer, 2), "ab");
    EXPECT_EQ(source.Position(), 2u);
    EXPECT_EQ(source.Read(buffer, 8), 3u);
    EXPECT_EQ(std::string(buffer, 3), "cde");
    EXPECT_EQ(source.Read(buffer, 1), 0u);
    EXPECT_EQ(source.Position(), 5u);
    CMemorySource empty(nullptr, 0);
    EXPECT_EQ(empty.Read(buffer, 4), 0u);
}

TEST(MemoryStreams, SinkCollectsBytes) {
    CMemorySink sink;
    EXPECT_TRUE(sink.Write("ab\0c", 4));
    EXPECT_TRUE(sink.Write(nullptr, 0));
    EXPECT_TRUE(sink.Write("\xFF", 1));
    EXPECT_EQ(sink.Bytes(), std::string("ab\0c\xFF", 5));
}
