#include "exercise/card_layout.h"

#include <QtGlobal>

namespace tsubura {

QRect randomCellRect(int entry) {
    Q_ASSERT(entry >= 1 && entry <= kRandomCellCount);
    const CellPosition &cell = kRandomCells[static_cast<std::size_t>(entry - 1)];
    return {cell.left, cell.top, kRandomCellWidth, kRandomCellHeight};
}

QRect arrangedCellRect(int entry) {
    Q_ASSERT(entry >= 1 && entry <= kArrangedCellCount);
    const CellPosition &cell = kArrangedCells[static_cast<std::size_t>(entry - 1)];
    return {cell.left, cell.top, kArrangedCellWidth, kArrangedCellHeight};
}

}  // namespace tsubura
