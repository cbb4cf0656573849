#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "list/MemoryRowStore.h"
#include "list/WallpaperItem.h"
#include "list/WallpaperRows.h"
#include "wallpaper/RandomChoice.h"
#include "wallpaper/RandomGenerator.h"

namespace {

// Seeds whose first draw is known: 0 gives 38 (even), 1 gives 41 (odd),
// 42 gives 175.
constexpr std::uint32_t kSeedEven = 0;
constexpr std::uint32_t kSeedOdd = 1;

class RandomChoiceTest : public ::testing::Test {
protected:
    ~RandomChoiceTest() override { rows.DeleteAllRows(); }

    // Appends rows C:\w\0.jpg, C:\w\1.jpg, ... with the given pending flags.
    void AddRows(const std::vector<int>& pending) {
        for (int flag : pending) {
            std::string path = "C:\\w\\" + std::to_string(rows.Count()) + ".jpg";
            rows.AppendItem(std::make_unique<CWallpaperItem>(path, "Stretch", 0, flag));
        }
    }
    std::vector<int> PendingFlags() const {
        std::vector<int> flags;
        for (int row = 0; row < rows.Count(); ++row)
            flags.push_back(rows.Item(row)->GetRandomPending());
        return flags;
    }
    // An application that records the paths it was given and answers with result.
    std::function<bool(const CWallpaperItem&)> Apply(bool result) {
        return [this, result](const CWallpaperItem& item) {
            applied.push_back(item.GetPath());
            return result;
        };
    }

    CMemoryRowStore store;
    CWallpaperRows rows{store};
    std::vector<std::string> applied;
};

}  // namespace

// The runtime's generator, checked against values worked out independently.
TEST(RandomGenerator, KnownSequences) {
    CRandomGenerator zero(0);
    for (int expected : {38, 7719, 21238, 2437, 8855})
        EXPECT_EQ(zero.Next(), expected);
    CRandomGenerator one(1);
    for (int expected : {41, 18467, 6334, 26500, 19169})
        EXPECT_EQ(one.Next(), expected);
    CRandomGenerator big(0xFFFFFFFFu);
    for (int expected : {35, 29739, 3374, 11141, 31308})
        EXPECT_EQ(big.Next(), expected);
    CRandomGenerator time(1700000000u);
    for (int expected : {28462, 1027, 22663, 25444, 9533})
        EXPECT_EQ(time.Next(), expected);
}

TEST_F(RandomChoiceTest, EmptyListDoesNothing) {
    EXPECT_EQ(ChooseRandomRow(rows, kSeedEven), -1);
    EXPECT_EQ(ApplyRandomWallpaper(rows, kSeedEven, Apply(true)), -1);
    EXPECT_TRUE(applied.empty());
}

// One row: every choice picks it; each success completes a cycle and the
// next choice starts a new one.
TEST_F(RandomChoiceTest, OneRowIsAlwaysChosen) {
    AddRows({1});
    for (std::uint32_t seed : {0u, 1u, 42u}) {
        EXPECT_EQ(ApplyRandomWallpaper(rows, seed, Apply(true)), 0);
        EXPECT_EQ(PendingFlags(), std::vector<int>({0}));
    }
    EXPECT_EQ(rows.Item(0)->GetCount(), 3);
    EXPECT_EQ(store.GetText(0, 3), "3");
}

// Three rows, none pending: all become pending, row r mod 3 is picked and,
// after success, exactly the other two stay pending.
TEST_F(RandomChoiceTest, NewCycleOverAllRows) {
    AddRows({0, 0, 0});
    EXPECT_EQ(ApplyRandomWallpaper(rows, 42, Apply(true)), 1);  // 175 mod 3
    EXPECT_EQ(PendingFlags(), std::vector<int>({1, 0, 1}));
    EXPECT_EQ(applied, std::vector<std::string>({"C:\\w\\1.jpg"}));

    rows.Item(0)->SetRandomPending(0);
    rows.Item(2)->SetRandomPending(0);
    EXPECT_EQ(ApplyRandomWallpaper(rows, kSeedOdd, Apply(true)), 2);  // 41 mod 3
}

// Pending rows 2 and 5: an even draw picks row 2, an odd one row 5.
TEST_F(RandomChoiceTest, PicksAmongPendingRowsInRowOrder) {
    AddRows({0, 0, 1, 0, 0, 1, 0});
    EXPECT_EQ(ChooseRandomRow(rows, kSeedEven), 2);
    EXPECT_EQ(ChooseRandomRow(rows, kSeedOdd), 5);
    // Choosing alone changes no flag while some row is pending.
    EXPECT_EQ(PendingFlags(), std::vector<int>({0, 0, 1, 0, 0, 1, 0}));

    EXPECT_EQ(ApplyRandomWallpaper(rows, kSeedOdd, Apply(true)), 5);
    EXPECT_EQ(PendingFlags(), std::vector<int>({0, 0, 1, 0, 0, 0, 0}));
    EXPECT_EQ(rows.Item(5)->GetCount(), 1);
}

// The same seed with the same number of candidates picks the same position.
TEST_F(RandomChoiceTest, SameSecondSameChoice) {
    AddRows({1, 1, 1, 1, 1});
    int first = ChooseRandomRow(rows, 1700000000u);
    EXPECT_EQ(first, 28462 % 5);
    EXPECT_EQ(ChooseRandomRow(rows, 1700000000u), first);
}

// A failed application counts nothing, and the flags set for the new cycle
// stay set.
TEST_F(RandomChoiceTest, FailureLeavesFlagsAndCounts) {
    AddRows({0, 0, 0});
    rows.Store().SetRowState(0, kRowSelected | kRowFocused, kRowSelected | kRowFocused);
    EXPECT_EQ(ApplyRandomWallpaper(rows, 42, Apply(false)), -1);
    EXPECT_EQ(applied.size(), 1u);
    EXPECT_EQ(PendingFlags(), std::vector<int>({1, 1, 1}));
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(rows.Item(row)->GetCount(), 0);
        EXPECT_EQ(store.GetText(row, 3), "0");
    }
    // The selection is not touched either.
    EXPECT_EQ(store.GetRowState(0), unsigned(kRowSelected | kRowFocused));
    EXPECT_EQ(store.GetRowState(1), 0u);
    EXPECT_EQ(store.LastVisibleRow(), -1);
}

// After success the chosen row is the only selected and focused row and
// has been scrolled into view.
TEST_F(RandomChoiceTest, SuccessSelectsOnlyTheChosenRow) {
    AddRows({1, 1, 1, 1});
    const unsigned both = kRowSelected | kRowFocused;
    store.SetRowState(0, both, both);
    store.SetRowState(3, kRowSelected, kRowSelected);
    int row = ApplyRandomWallpaper(rows, kSeedOdd, Apply(true));  // 41 mod 4
    ASSERT_EQ(row, 1);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(store.GetRowState(i), i == row ? both : 0u) << "row " << i;
    EXPECT_EQ(store.LastVisibleRow(), row);
    EXPECT_EQ(store.GetText(row, 3), "1");
}

// A whole cycle applies every row exactly once before any comes again.
TEST_F(RandomChoiceTest, CycleVisitsEveryRowOnce) {
    AddRows({1, 1, 1, 1, 1, 1});
    std::uint32_t seed = 1700000000u;
    for (int i = 0; i < 6; ++i)
        ASSERT_GE(ApplyRandomWallpaper(rows, seed++, Apply(true)), 0);
    for (int row = 0; row < 6; ++row)
        EXPECT_EQ(rows.Item(row)->GetCount(), 1) << "row " << row;
    EXPECT_EQ(PendingFlags(), std::vector<int>(6, 0));
    ASSERT_GE(ApplyRandomWallpaper(rows, seed, Apply(true)), 0);
    std::vector<int> flags = PendingFlags();
    EXPECT_EQ(std::count(flags.begin(), flags.end(), 1), 5);
}
