#include "exercise/card_parameters.h"

#include <array>

namespace tsubura {

namespace {

constexpr std::array<CardParameters, 7> kLevelParameters{{
    {1, 8, 250, CardLayout::Mixed},
    {1, 8, 250, CardLayout::Random},
    {5, 10, 400, CardLayout::Random},
    {8, 12, 600, CardLayout::Random},
    {5, 10, 300, CardLayout::Arranged},
    {5, 20, 300, CardLayout::Arranged},
    {5, 30, 300, CardLayout::Arranged},
}};

}  // namespace

std::optional<CardParameters> cardParametersFor(int level) {
    if (level < 1 || level > static_cast<int>(kLevelParameters.size()))
        return std::nullopt;
    return kLevelParameters[static_cast<std::size_t>(level - 1)];
}

}  // namespace tsubura
