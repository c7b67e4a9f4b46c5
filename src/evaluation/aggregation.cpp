#include "evaluation/aggregation.h"

#include <cmath>
#include <limits>

#include "evaluation/messages.h"
#include "evaluation/points.h"

namespace tsubura {

namespace {

// Aggregation steps as the failure messages number them.
enum AggregationStep {
    kStepCount = 5,
    kStepPoints = 6,
    kStepRecent = 7,
    kStepOveruse = 8,
    kStepTotalPoints = 9,
    kStepToday = 10,
};

constexpr std::int32_t kCountedBelow = 6000;  // slower runs are not completed runs
constexpr int kOverflowError = 6;

QString errorDescription(int errorNumber) {
    switch (errorNumber) {
    case 6: return QStringLiteral("オーバーフローしました。");
    case 11: return QStringLiteral("0 で除算しました。");
    default: return QString();
    }
}

bool addCount(std::int16_t &cell) {
    if (cell == std::numeric_limits<std::int16_t>::max()) return false;
    ++cell;
    return true;
}

bool addPoints(std::int32_t &cell, std::int32_t points) {
    const std::int64_t sum = std::int64_t(cell) + points;
    if (sum > std::numeric_limits<std::int32_t>::max() || sum < std::numeric_limits<std::int32_t>::min()) return false;
    cell = std::int32_t(sum);
    return true;
}

void clearTallies(SharedState &state) {
    state.todayCount.fill(0);
    state.todayPoints.fill(0);
    state.totalCount.fill(0);
    state.totalPoints.fill(0);
    state.recentCount.fill(0);
    state.recentPoints.fill(0);
    state.overusePeriodCount.fill(0);
    state.overusePeriodPoints.fill(0);
}

}  // namespace

std::optional<CoreError> aggregateResults(SharedState &state, const QDateTime &now, const ResultsAccess &access) {
    clearTallies(state);
    if (std::optional<CoreError> error = loadResults(state, access)) return error;

    // One reading of the clock for the whole pass, so every record is judged against the same moment.
    const double moment = serialMoment(now);
    const double today = serialDayNumber(now.date());

    // A record counts in a period of n days when its date is after now − n: today and the n − 1
    // days before it; an empty or zero period holds nothing.
    std::array<double, kLevelSlots> recentAfter{};
    std::array<double, kLevelSlots> overuseAfter{};
    for (int level = 1; level < kLevelSlots; ++level) {
        recentAfter[std::size_t(level)] = moment - state.criteriaOf(level).recentDays.toNumber();
        overuseAfter[std::size_t(level)] = moment - state.criteriaOf(level).overuseDays.toNumber();
    }

    const int loaded = int(state.loadedResults.size());
    for (int i = 0; i < loaded; ++i) {
        const LoadedResult &r = state.loadedResults[std::size_t(i)];
        const int level = r.level;
        const int student = r.student;
        if (level < 1 || level >= kLevelSlots) continue;
        const std::int32_t t = r.seconds;
        const double d = r.date;
        const bool counted = t < kCountedBelow;

        const auto failure = [&](int step, int errorNumber) {
            const QString n = QString::number(errorNumber);
            const EntryFields entry{d, i + 1, r.clock, student, level, t};
            return CoreError{QStringLiteral("回数求") + QString::number(step) + errorDescription(errorNumber) + n +
                             entryFieldsText(entry) + QStringLiteral("errline") + QString::number(step)};
        };

        if (counted && !addCount(state.totalCount(level, student))) return failure(kStepCount, kOverflowError);

        const RunPoints p = runPoints(state.criteriaOf(level), t);
        if (!p.ok) return failure(kStepPoints, p.errorNumber);

        if (d > recentAfter[std::size_t(level)]) {
            if (counted && !addCount(state.recentCount(level, student))) return failure(kStepRecent, kOverflowError);
            if (!addPoints(state.recentPoints(level, student), p.points)) return failure(kStepRecent, kOverflowError);
        }
        if (d > overuseAfter[std::size_t(level)]) {
            if (counted && !addCount(state.overusePeriodCount(level, student)))
                return failure(kStepOveruse, kOverflowError);
            if (!addPoints(state.overusePeriodPoints(level, student), p.points))
                return failure(kStepOveruse, kOverflowError);
        }
        if (!addPoints(state.totalPoints(level, student), p.points)) return failure(kStepTotalPoints, kOverflowError);
        if (std::floor(d) == today) {
            if (counted) state.todayCount(level, student) += 1.0f;
            if (!addPoints(state.todayPoints(level, student), p.points)) return failure(kStepToday, kOverflowError);
        }
    }
    return std::nullopt;
}

}  // namespace tsubura
