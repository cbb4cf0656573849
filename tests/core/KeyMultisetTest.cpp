#include <gtest/gtest.h>

#include <map>
#include <random>

#include "list/KeyMultiset.h"

// Keys that all want the same few slots, with repeats, removed in random
// order: the set must answer like a counting map after every step, also
// when runs of keys wrap round the end of the array and close up again.
TEST(KeyMultiset, AnswersLikeACountingMapThroughCrowdedRuns) {
    CKeyMultiset keys;
    std::map<std::uint64_t, int> reference;
    std::mt19937_64 random(7u);
    for (int step = 0; step < 20000; ++step) {
        // Low bits from a few values near the end of any array length,
        // high bits from a small range: long runs, repeats, wrap-around.
        std::uint64_t key = (random() % 40) << 40 | (0xFFFFFFFFull - random() % 3);
        if (step % 7 == 0)
            key = random() % 3;  // 0 and 1 are kept alike
        if (random() % 5 < 3) {
            keys.Add(key);
            ++reference[key == 0 ? 1 : key];
        } else {
            auto found = reference.find(key == 0 ? 1 : key);
            bool present = found != reference.end();
            ASSERT_EQ(keys.Remove(key), present) << "step " << step;
            if (present && --found->second == 0)
                reference.erase(found);
        }
        std::uint64_t probe = (random() % 40) << 40 | (0xFFFFFFFFull - random() % 3);
        ASSERT_EQ(keys.Contains(probe), reference.count(probe) != 0) << "step " << step;
    }
    std::size_t total = 0;
    for (const auto& entry : reference) {
        ASSERT_TRUE(keys.Contains(entry.first));
        total += static_cast<std::size_t>(entry.second);
    }
    EXPECT_EQ(keys.Size(), total);
    keys.Clear();
    EXPECT_EQ(keys.Size(), 0u);
    EXPECT_FALSE(keys.Contains(reference.empty() ? 5 : reference.begin()->first));
    EXPECT_FALSE(keys.Remove(5));
}

// The key of a pair of texts tells apart pairs that join to the same bytes.
TEST(KeyMultiset, TextPairKeysKeepTheTwoTextsApart) {
    EXPECT_EQ(TextPairKey("a.jpg", "C:\\Pics"), TextPairKey("a.jpg", "C:\\Pics"));
    EXPECT_NE(TextPairKey("ab", "c"), TextPairKey("a", "bc"));
    EXPECT_NE(TextPairKey("", "abc"), TextPairKey("abc", ""));
    EXPECT_NE(TextPairKey("a.jpg", "C:\\Pics"), TextPairKey("A.jpg", "C:\\Pics"));
    std::string eightBytes = "12345678";
    EXPECT_NE(TextPairKey(eightBytes, ""), TextPairKey(eightBytes, std::string(1, '\0')));
}
