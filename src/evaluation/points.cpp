#include "evaluation/points.h"

#include <cmath>
#include <limits>

#include "shell/shared_state.h"

namespace tsubura {

namespace {

constexpr int kDivisionByZero = 11;
constexpr int kOverflow = 6;

bool fitsInt32(double value) {
    return value >= double(std::numeric_limits<std::int32_t>::min()) &&
           value < double(std::numeric_limits<std::int32_t>::max()) + 1.0;
}

// Base points, or the error number when the rule cannot give one.
int computeBase(std::int32_t targetTime, std::int32_t seconds, int *base) {
    if (seconds >= kNoTimeFrom) {
        *base = 0;
        return 0;
    }
    const std::int64_t target = targetTime;
    const std::int64_t v = seconds;
    if (v <= target) {
        if (target == 0) return kDivisionByZero;
        const double ratio = double(target - v) / double(target);
        const double points = std::floor(50.0 * ratio * ratio * ratio + 5.0);
        if (!fitsInt32(points)) return kOverflow;
        *base = int(points);
    } else if (v < 2 * target) {
        *base = 4;
    } else if (v < 10 * target) {
        *base = 1;
    } else {
        *base = 0;
    }
    return 0;
}

// Base points times the multiplier, cut to a whole number; false when it does not fit.
bool scale(int base, float multiplier, std::int32_t *points) {
    // The product is taken in single precision: 10 × 0.7f is 7 there, 6.99… in double.
    const float product = float(base) * multiplier;
    const double whole = std::floor(double(product));
    if (!fitsInt32(whole)) return false;  // NaN fails too
    *points = std::int32_t(whole);
    return true;
}

}  // namespace

std::optional<int> basePoints(std::int32_t targetTime, std::int32_t seconds) {
    int base = 0;
    if (computeBase(targetTime, seconds, &base) != 0) return std::nullopt;
    return base;
}

std::optional<std::int32_t> scaledPoints(int basePoints, float multiplier) {
    std::int32_t points = 0;
    if (!scale(basePoints, multiplier, &points)) return std::nullopt;
    return points;
}

RunPoints runPoints(const LevelCriteria &criteria, std::int32_t seconds) {
    int base = 0;
    if (const int error = computeBase(criteria.targetTime, seconds, &base)) return {0, false, error};
    std::int32_t points = 0;
    if (!scale(base, criteria.pointMultiplier, &points)) return {0, false, kOverflow};
    return {points, true, 0};
}

JudgementPoints judgementPoints(const LevelCriteria &criteria, std::int32_t recordedTime) {
    int base = 0;
    if (computeBase(criteria.targetTime, recordedTime, &base) != 0) return {0, 0};
    std::int32_t earned = 0;
    if (!scale(base, criteria.pointMultiplier, &earned)) earned = 0;
    return {base, earned};
}

}  // namespace tsubura
