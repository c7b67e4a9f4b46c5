#pragma once

#include <QString>
#include <vector>

#include "exercise/card_parameters.h"
#include "platform/random_source.h"

namespace tsubura {

struct Card {
    bool arranged = false;
    std::vector<int> cells;  // entries shown, 1-based, in the order they were chosen
    int dotCount = 0;
    QString answerText;      // e.g. "7でした"
};

// One card: count first, then (mixed levels only) the layout, then the cells.
Card makeCard(const CardParameters &parameters, RandomSource &random);

}  // namespace tsubura
