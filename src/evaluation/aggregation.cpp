#include "evaluation/aggregation.h"

#include <array>
#include <limits>
#include <vector>

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

// Points depend only on level and time, and nearly every run is either quicker than this many
// seconds or has no time at all, so each (level, time) is worked out once per aggregation.
constexpr int kCachedSeconds = 511;
constexpr int kNoTimeSlot = kCachedSeconds;  // every time from 99998 up earns the same
constexpr int kSlotsPerLevel = kCachedSeconds + 1;
constexpr std::int32_t kNotWorkedOut = std::numeric_limits<std::int32_t>::min();

class PointsCache {
public:
    PointsCache() : points_(std::size_t(kLevelSlots) * kSlotsPerLevel, kNotWorkedOut) {}

    // The points of a run, or the error number when they cannot be worked out.
    int lookUp(const SharedState &state, int level, std::int32_t seconds, std::int32_t *points) {
        std::int32_t *cell = nullptr;
        if (seconds >= 0 && seconds < kCachedSeconds)
            cell = &points_[std::size_t(level) * kSlotsPerLevel + std::size_t(seconds)];
        else if (seconds >= kNoTimeFrom)
            cell = &points_[std::size_t(level) * kSlotsPerLevel + kNoTimeSlot];
        if (cell && *cell != kNotWorkedOut) {
            *points = *cell;
            return 0;
        }
        const RunPoints p = runPoints(state.criteriaOf(level), seconds);
        if (!p.ok) return p.errorNumber;
        if (cell) *cell = p.points;
        *points = p.points;
        return 0;
    }

private:
    std::vector<std::int32_t> points_;
};

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

struct Moment {
    double today = 0;
    std::array<double, kLevelSlots> recentAfter{};
    std::array<double, kLevelSlots> overuseAfter{};
};

// The tally tables as plain arrays, taken once, so the pass keeps them in registers.
struct TallyCells {
    explicit TallyCells(SharedState &s)
        : todayCount(&s.todayCount(0, 0)), todayPoints(&s.todayPoints(0, 0)), totalCount(&s.totalCount(0, 0)),
          totalPoints(&s.totalPoints(0, 0)), recentCount(&s.recentCount(0, 0)), recentPoints(&s.recentPoints(0, 0)),
          overuseCount(&s.overusePeriodCount(0, 0)), overusePoints(&s.overusePeriodPoints(0, 0)) {}
    float *todayCount;
    std::int32_t *todayPoints;
    std::int16_t *totalCount;
    std::int32_t *totalPoints;
    std::int16_t *recentCount;
    std::int32_t *recentPoints;
    std::int16_t *overuseCount;
    std::int32_t *overusePoints;
};

// Adds one run to the tallies. Returns 0, or the step that failed with *errorNumber set.
int tallyRun(const SharedState &state, const TallyCells &cells, PointsCache &pointsCache, const Moment &when,
             const LoadedResult &r, int *errorNumber) {
    const int level = r.level;
    if (level < 1 || level >= kLevelSlots) return 0;
    const std::size_t cell = std::size_t(level) * kStudentSlots + std::size_t(r.student);
    const std::int32_t t = r.seconds;
    const double d = r.date;
    const bool counted = t < kCountedBelow;
    *errorNumber = kOverflowError;

    if (counted && !addCount(cells.totalCount[cell])) return kStepCount;

    std::int32_t points = 0;
    if ((*errorNumber = pointsCache.lookUp(state, level, t, &points)) != 0) return kStepPoints;
    *errorNumber = kOverflowError;

    if (d > when.recentAfter[std::size_t(level)]) {
        if (counted && !addCount(cells.recentCount[cell])) return kStepRecent;
        if (!addPoints(cells.recentPoints[cell], points)) return kStepRecent;
    }
    if (d > when.overuseAfter[std::size_t(level)]) {
        if (counted && !addCount(cells.overuseCount[cell])) return kStepOveruse;
        if (!addPoints(cells.overusePoints[cell], points)) return kStepOveruse;
    }
    if (!addPoints(cells.totalPoints[cell], points)) return kStepTotalPoints;
    if (d >= when.today && d < when.today + 1) {
        if (counted) cells.todayCount[cell] += 1.0f;
        if (!addPoints(cells.todayPoints[cell], points)) return kStepToday;
    }
    return 0;
}

CoreError countFailure(int step, int errorNumber, const LoadedResult &r, int index) {
    const EntryFields entry{r.date, index, r.clock, r.student, r.level, r.seconds};
    return CoreError{QStringLiteral("回数求") + QString::number(step) + errorDescription(errorNumber) +
                     QString::number(errorNumber) + entryFieldsText(entry) + QStringLiteral("errline") +
                     QString::number(step)};
}


}  // namespace

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

std::optional<CoreError> aggregateResults(SharedState &state, const QDateTime &now, const ResultsAccess &access) {
    clearTallies(state);

    // One reading of the clock for the whole pass, so every record is judged against the same moment.
    Moment when;
    const double moment = serialMoment(now);
    when.today = serialDayNumber(now.date());
    // A record counts in a period of n days when its date is after now − n: today and the n − 1
    // days before it; an empty or zero period holds nothing.
    for (int level = 1; level < kLevelSlots; ++level) {
        when.recentAfter[std::size_t(level)] = moment - state.criteriaOf(level).recentDays.toNumber();
        when.overuseAfter[std::size_t(level)] = moment - state.criteriaOf(level).overuseDays.toNumber();
    }

    if (std::optional<CoreError> error = loadResults(state, access)) return error;

    PointsCache pointsCache;
    const TallyCells cells(state);
    const LoadedResult *runs = state.loadedResults.data();
    const int loaded = int(state.loadedResults.size());
    for (int i = 0; i < loaded; ++i) {
        const LoadedResult &run = runs[i];
        int errorNumber = 0;
        if (const int step = tallyRun(state, cells, pointsCache, when, run, &errorNumber))
            return countFailure(step, errorNumber, run, i + 1);
    }
    return std::nullopt;
}

}  // namespace tsubura
