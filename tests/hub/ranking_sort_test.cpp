#include "hub/ranking_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <numeric>
#include <random>

namespace tsubura {
namespace {

TEST(RankingSort, MatchesAStableSortOnKeysWithManyTies) {
    std::mt19937 generator(7);
    for (int n : {0, 1, 2, 3, 5, 8, 17, 64, 1001}) {
        SCOPED_TRACE(n);
        std::vector<std::int64_t> keys(static_cast<std::size_t>(n));
        for (auto &key : keys) key = std::int64_t(generator() % 6) - 2;
        std::vector<int> items(static_cast<std::size_t>(n));
        std::iota(items.begin(), items.end(), 0);

        std::vector<std::pair<std::int64_t, int>> expected;
        for (int i = 0; i < n; ++i) expected.push_back({keys[std::size_t(i)], i});
        std::stable_sort(expected.begin(), expected.end(),
                         [](const auto &a, const auto &b) { return a.first < b.first; });

        rankingSort(keys, items);
        for (int i = 0; i < n; ++i) {
            EXPECT_EQ(keys[std::size_t(i)], expected[std::size_t(i)].first);
            EXPECT_EQ(items[std::size_t(i)], expected[std::size_t(i)].second);
        }
    }
}

TEST(RankingSort, HandlesTheWholeKeyRangeAndReversedInput) {
    constexpr auto lo = std::numeric_limits<std::int64_t>::min();
    constexpr auto hi = std::numeric_limits<std::int64_t>::max();
    std::vector<std::int64_t> keys = {hi, 5, lo, hi, 0, lo, -1};
    std::vector<int> items = {0, 1, 2, 3, 4, 5, 6};
    rankingSort(keys, items);
    EXPECT_EQ(keys, (std::vector<std::int64_t>{lo, lo, -1, 0, 5, hi, hi}));
    EXPECT_EQ(items, (std::vector<int>{2, 5, 6, 4, 1, 0, 3}));
}

}  // namespace
}  // namespace tsubura
