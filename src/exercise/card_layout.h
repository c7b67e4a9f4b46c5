#pragma once

#include <QRect>
#include <array>

namespace tsubura {

// Geometry in 1/1440 inch, relative to the panel that holds each shape.
struct CellPosition {
    int left;
    int top;
};

constexpr int kRandomCellCount = 109;
constexpr int kRandomCellWidth = 945;
constexpr int kRandomCellHeight = 930;
constexpr int kArrangedCellCount = 30;
constexpr int kArrangedCellWidth = 1035;
constexpr int kArrangedCellHeight = 930;

constexpr int kPaleGreen = 12648384;  // red in the low byte

// Card panel: fills the window below the status strip; random dots are drawn on it.
constexpr int kCardPanelWidth = 15360;
// Arranged-card panel, laid over the card area.
constexpr QRect kArrangedPanelRect{0, 990, 15360, 7305};
// Cover, above the arranged panel.
constexpr QRect kCoverRect{0, 945, 15435, 8505};

// Random cells, entries 1..109 numbered row by row, left to right. The window's own entry order
// differs, but a card picks cells uniformly, so only the positions matter.
constexpr std::array<CellPosition, kRandomCellCount> kRandomCells{{
    // row 1
    {1275, 990}, {2280, 990}, {3285, 990}, {4290, 990}, {5295, 990}, {6300, 990}, {7305, 990},
    {8310, 990}, {9315, 990}, {10320, 990}, {11325, 990}, {12330, 990}, {13335, 990}, {14340, 1020},
    // row 2
    {75, 1980}, {1021, 1980}, {1967, 1980}, {2913, 1980}, {3859, 1980}, {4805, 1980}, {5751, 1980},
    {6697, 1980}, {7643, 1980}, {8589, 1980}, {9535, 1980}, {10481, 1980}, {11427, 1980},
    {12373, 1980}, {13319, 1980}, {14265, 2070},
    // row 3
    {30, 3075}, {975, 3075}, {1935, 3075}, {2880, 3075}, {3840, 3075}, {4785, 3075}, {5745, 3075},
    {6690, 3075}, {7650, 3075}, {8595, 3075}, {9555, 3075}, {10500, 3075}, {11460, 3075},
    {12405, 3075}, {13365, 3075}, {14310, 3060},
    // row 4
    {135, 4050}, {1155, 4110}, {2100, 4110}, {3030, 4110}, {3975, 4110}, {4905, 4110}, {5835, 4110},
    {6780, 4110}, {7710, 4110}, {8655, 4110}, {9585, 4110}, {10515, 4110}, {11460, 4110},
    {12390, 4110}, {13335, 4110}, {14265, 4110},
    // row 5
    {90, 4995}, {1035, 4995}, {1980, 5085}, {2940, 5085}, {3885, 5085}, {4830, 5085}, {5775, 5085},
    {6720, 5085}, {7680, 5085}, {8625, 5085}, {9570, 5085}, {10515, 5085}, {11460, 5085},
    {12420, 5085}, {13365, 5085}, {14310, 5040},
    // row 6
    {90, 6030}, {1065, 6000}, {2010, 6000}, {2940, 6000}, {3885, 6000}, {4815, 6000}, {5745, 6000},
    {6690, 6000}, {7620, 6000}, {8565, 6000}, {9495, 6000}, {10425, 6000}, {11370, 6000},
    {12300, 6000}, {13305, 6060},
    // row 7
    {120, 7020}, {1065, 7020}, {2010, 7020}, {2955, 7020}, {3885, 7020}, {4830, 7020}, {5775, 7020},
    {6720, 7020}, {7665, 7020}, {8610, 7020}, {9555, 7020}, {10500, 7020}, {11430, 7020},
    {12375, 6975}, {13320, 7065}, {14265, 7020},
}};

// Arranged cells, entries 1..30: three rows of two groups of five, filled from entry 1.
constexpr std::array<CellPosition, kArrangedCellCount> kArrangedCells = [] {
    constexpr int tops[] = {945, 3210, 5490};
    constexpr int groupLefts[] = {1980, 8055};
    std::array<CellPosition, kArrangedCellCount> cells{};
    int i = 0;
    for (int top : tops)
        for (int groupLeft : groupLefts)
            for (int j = 0; j < 5; ++j)
                cells[i++] = {groupLeft + j * kArrangedCellWidth, top};
    return cells;
}();

// The rectangle of one entry (1-based), on the card panel or the arranged panel.
QRect randomCellRect(int entry);
QRect arrangedCellRect(int entry);

}  // namespace tsubura
