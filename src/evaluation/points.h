#pragma once

#include <cstdint>
#include <optional>

#include "store/level_criteria.h"

namespace tsubura {

// Base points of a run of `seconds` against the target time: 55 at 0 s, 5 at the target, 4 up to
// twice it, 1 up to ten times it, then 0; nothing at 99998 s and above ("no time").
// Empty optional when the rule is undefined (a zero target met by a zero-second run).
std::optional<int> basePoints(std::int32_t targetTime, std::int32_t seconds);

// Base points scaled by the single-precision multiplier and cut to a whole number.
// Empty optional when the result does not fit a 32-bit integer.
std::optional<std::int32_t> scaledPoints(int basePoints, float multiplier);

// The points a stored run adds to the tallies (multiplier included).
struct RunPoints {
    std::int32_t points = 0;
    bool ok = true;
    int errorNumber = 0;      // 11 division by zero, 6 overflow
};
RunPoints runPoints(const LevelCriteria &criteria, std::int32_t seconds);

// The judgement screen's rule for the run just finished: points before and after the multiplier.
struct JudgementPoints {
    int points = 0;
    std::int32_t earned = 0;
};
JudgementPoints judgementPoints(const LevelCriteria &criteria, std::int32_t recordedTime);

}  // namespace tsubura
