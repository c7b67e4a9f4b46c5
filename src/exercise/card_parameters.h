#pragma once

#include <optional>

namespace tsubura {

enum class CardLayout {
    Mixed,     // each card random or arranged with equal chance
    Random,
    Arranged,
};

struct CardParameters {
    int fewest = 0;
    int most = 0;
    int flashMs = 0;
    CardLayout layout = CardLayout::Random;
};

// Levels 1..7 only; any other level has none and must not start an exercise.
std::optional<CardParameters> cardParametersFor(int level);

}  // namespace tsubura
