#include <gtest/gtest.h>

#include <QRect>
#include <algorithm>
#include <set>

#include "exercise/card_generator.h"
#include "exercise/card_layout.h"
#include "exercise/card_parameters.h"

namespace tsubura {
namespace {

TEST(CardParameters, OnlyLevelsOneToSevenHaveThem) {
    EXPECT_FALSE(cardParametersFor(0).has_value());
    EXPECT_FALSE(cardParametersFor(8).has_value());
    for (int level = 1; level <= 7; ++level)
        EXPECT_TRUE(cardParametersFor(level).has_value()) << level;
    EXPECT_EQ(cardParametersFor(1)->layout, CardLayout::Mixed);
    EXPECT_EQ(cardParametersFor(7)->most, 30);
}

// Over many cards of every level: the counts fill the range exactly, the layout follows the
// level, random cards never repeat a cell and reach every cell, arranged cards fill from entry 1.
TEST(CardGenerator, ManyCardsFollowTheLevel) {
    constexpr int kCards = 4000;
    RandomSource random;
    random.seed(20261210u);
    for (int level = 1; level <= 7; ++level) {
        SCOPED_TRACE(level);
        const CardParameters parameters = *cardParametersFor(level);
        std::set<int> counts;
        std::set<int> randomCellsUsed;
        int arrangedCards = 0;
        for (int i = 0; i < kCards; ++i) {
            const Card card = makeCard(parameters, random);
            counts.insert(card.dotCount);
            ASSERT_EQ(static_cast<int>(card.cells.size()), card.dotCount);
            EXPECT_EQ(card.answerText, QString::number(card.dotCount) + QStringLiteral("でした"));
            if (card.arranged) {
                ++arrangedCards;
                for (int j = 0; j < card.dotCount; ++j)
                    ASSERT_EQ(card.cells[static_cast<std::size_t>(j)], j + 1);
            } else {
                const std::set<int> distinct(card.cells.begin(), card.cells.end());
                ASSERT_EQ(static_cast<int>(distinct.size()), card.dotCount);
                ASSERT_GE(*distinct.begin(), 1);
                ASSERT_LE(*distinct.rbegin(), kRandomCellCount);
                randomCellsUsed.insert(distinct.begin(), distinct.end());
            }
        }
        std::set<int> expectedCounts;
        for (int n = parameters.fewest; n <= parameters.most; ++n)
            expectedCounts.insert(n);
        EXPECT_EQ(counts, expectedCounts);

        switch (parameters.layout) {
        case CardLayout::Mixed:
            EXPECT_GE(arrangedCards, kCards * 45 / 100);
            EXPECT_LE(arrangedCards, kCards * 55 / 100);
            break;
        case CardLayout::Random:
            EXPECT_EQ(arrangedCards, 0);
            EXPECT_EQ(static_cast<int>(randomCellsUsed.size()), kRandomCellCount);
            break;
        case CardLayout::Arranged:
            EXPECT_EQ(arrangedCards, kCards);
            break;
        }
    }
}

// Random dots lie under the cover, arranged dots inside their panel; neighbouring cells overlap
// by at most 45 units and arranged cells not at all.
TEST(CardLayout, CellsFitTheCardArea) {
    const QRect coverOnCardPanel = kCoverRect;
    const QRect arrangedPanel(0, 0, kArrangedPanelRect.width(), kArrangedPanelRect.height());
    auto overlap = [](const QRect &a, const QRect &b) {
        const QRect both = a.intersected(b);
        return both.isEmpty() ? 0 : std::min(both.width(), both.height());
    };

    for (int i = 1; i <= kRandomCellCount; ++i) {
        const QRect cell = randomCellRect(i);
        EXPECT_EQ(cell.size(), QSize(945, 930));
        EXPECT_TRUE(coverOnCardPanel.contains(cell)) << i;
        EXPECT_LE(cell.right(), kCardPanelWidth) << i;
        for (int j = i + 1; j <= kRandomCellCount; ++j)
            EXPECT_LE(overlap(cell, randomCellRect(j)), 45) << i << " " << j;
    }
    for (int i = 1; i <= kArrangedCellCount; ++i) {
        const QRect cell = arrangedCellRect(i);
        EXPECT_EQ(cell.size(), QSize(1035, 930));
        EXPECT_TRUE(arrangedPanel.contains(cell)) << i;
        for (int j = i + 1; j <= kArrangedCellCount; ++j)
            EXPECT_EQ(overlap(cell, arrangedCellRect(j)), 0) << i << " " << j;
    }
    // Entry 1 is the top-left circle of the left group; 30 ends the bottom row.
    EXPECT_EQ(arrangedCellRect(1).topLeft(), QPoint(1980, 945));
    EXPECT_EQ(arrangedCellRect(6).topLeft(), QPoint(8055, 945));
    EXPECT_EQ(arrangedCellRect(30).topLeft(), QPoint(12195, 5490));
}

}  // namespace
}  // namespace tsubura
