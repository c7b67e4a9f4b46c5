#include "exercise/card_generator.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "exercise/card_layout.h"

namespace tsubura {

namespace {

// The draws are single precision; a double just below 1 may round up to 1.0f, which would
// give one count or cell past the end.
float singleDraw(RandomSource &random) {
    const float r = static_cast<float>(random.next());
    return std::min(r, std::nextafter(1.0f, 0.0f));
}

}  // namespace

Card makeCard(const CardParameters &parameters, RandomSource &random) {
    Card card;
    const float span = static_cast<float>(parameters.most - parameters.fewest + 1);
    const int n = static_cast<int>(std::floor(span * singleDraw(random))) + parameters.fewest;

    switch (parameters.layout) {
    case CardLayout::Mixed:
        card.arranged = singleDraw(random) > 0.5f;
        break;
    case CardLayout::Random:
        card.arranged = false;
        break;
    case CardLayout::Arranged:
        card.arranged = true;
        break;
    }

    if (card.arranged) {
        for (int entry = 1; entry <= n; ++entry)
            card.cells.push_back(entry);
    } else {
        // Rejection loop: redraw until the cell is not yet on the card.
        std::array<bool, kRandomCellCount + 1> shown{};
        while (static_cast<int>(card.cells.size()) < n) {
            const int k = static_cast<int>(std::floor(singleDraw(random) * 109.0f + 1.0f));
            if (k < 1 || k > kRandomCellCount || shown[static_cast<std::size_t>(k)])
                continue;
            shown[static_cast<std::size_t>(k)] = true;
            card.cells.push_back(k);
        }
    }
    card.dotCount = static_cast<int>(card.cells.size());
    card.answerText = QString::number(card.dotCount) + QStringLiteral("でした");
    return card;
}

}  // namespace tsubura
