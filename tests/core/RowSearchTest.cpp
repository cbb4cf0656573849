#include <gtest/gtest.h>

#include "list/MemoryRowStore.h"
#include "view/RowSearch.h"

namespace {

CMemoryRowStore Rows(std::initializer_list<const char*> names) {
    CMemoryRowStore rows;
    for (const char* name : names)
        rows.InsertRow(rows.RowCount(), name);
    return rows;
}

}  // namespace

// The search by typed text looks at the file names from the start row on,
// without regard to case, and goes round to the top only when asked to.
TEST(RowSearch, FindsTheNextFileNameThatStartsWithTheText) {
    CMemoryRowStore rows = Rows({"apple.jpg", "Banana.jpg", "cherry.jpg", "blue.jpg"});
    EXPECT_EQ(FindRowByText(rows, 0, "b", true, true), 1);
    EXPECT_EQ(FindRowByText(rows, 1, "B", true, true), 1);  // the start row counts
    EXPECT_EQ(FindRowByText(rows, 2, "b", true, true), 3);
    EXPECT_EQ(FindRowByText(rows, 0, "BL", true, true), 3);
    EXPECT_EQ(FindRowByText(rows, 2, "ap", true, true), 0);  // round to the top
    EXPECT_EQ(FindRowByText(rows, 2, "ap", true, false), -1);
    EXPECT_EQ(FindRowByText(rows, 4, "a", true, true), 0);  // past the end: from the top
    EXPECT_EQ(FindRowByText(rows, -1, "c", true, false), 2);
    EXPECT_EQ(FindRowByText(rows, 0, "z", true, true), -1);
    EXPECT_EQ(FindRowByText(rows, 0, "apple.jpgx", true, true), -1);
    // A whole name must match whole.
    EXPECT_EQ(FindRowByText(rows, 0, "blue", false, true), -1);
    EXPECT_EQ(FindRowByText(rows, 0, "BLUE.JPG", false, true), 3);
    EXPECT_EQ(FindRowByText(CMemoryRowStore(), 0, "a", true, true), -1);
}
