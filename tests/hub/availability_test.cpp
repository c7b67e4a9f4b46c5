#include "hub/availability.h"

#include <gtest/gtest.h>

#include <memory>

#include "shell/shared_state.h"
#include "test_support.h"

namespace tsubura {
namespace {

constexpr int kStudent = 5;
constexpr int kGoal = 7;

// Seven levels; the goal needs 100 points in 10 runs, which the student has not made.
std::unique_ptr<SharedState> hubState() {
    auto state = std::make_unique<SharedState>();
    test::setPlainCriteria(*state);
    state->levelCount = 7;
    state->finalLevel = Value(double(kGoal));
    state->currentStudentNo = kStudent;
    state->criteria[std::size_t(kGoal)].clearPoints = 100;
    state->criteria[std::size_t(kGoal)].clearCount = 10;
    return state;
}

void overuse(SharedState &state, int level, double countLimit, double pointsLimit, int count, int points) {
    state.criteria[std::size_t(level)].overuseCount = Value(countLimit);
    state.criteria[std::size_t(level)].overusePoints = Value(pointsLimit);
    state.overusePeriodCount(level, kStudent) = std::int16_t(count);
    state.overusePeriodPoints(level, kStudent) = points;
}

TEST(Availability, ALevelStopsOnceItsPeriodReachesALimit) {
    const struct {
        int level;
        double countLimit, pointsLimit;
        int count, points;
        bool stopped;
    } cases[] = {
        {3, 5, 0, 5, 0, true},
        {3, 5, 0, 4, 0, false},
        {1, 0, 50, 100, 49, false},  // only the points limit set: the count never stops it
        {1, 0, 50, 0, 50, true},
        {2, 5, 50, 0, 60, true},
        {4, 0, 0, 1000, 9999, false},
        {7, 5, 50, 9, 90, false},    // the last level stays open
    };
    for (const auto &c : cases) {
        const auto state = hubState();
        overuse(*state, c.level, c.countLimit, c.pointsLimit, c.count, c.points);
        const std::vector<LevelAvailability> levels = refreshAvailability(*state);
        ASSERT_EQ(levels.size(), 8u);
        for (int level = 1; level <= 7; ++level) {
            const bool stopped = level == c.level && c.stopped;
            EXPECT_EQ(levels[std::size_t(level)].enabled, !stopped) << c.level << " / " << level;
            EXPECT_EQ(levels[std::size_t(level)].overuseNotice, stopped) << c.level << " / " << level;
        }
        EXPECT_EQ(state->finalLevelCleared, 0);
    }
}

TEST(Availability, ClearingTheGoalLevelLiftsEveryStop) {
    const struct {
        int points, count;
        int cleared;
    } cases[] = {{100, 10, 1}, {500, 12, 1}, {99, 10, 0}, {100, 9, 0}};
    for (const auto &c : cases) {
        const auto state = hubState();
        state->finalLevelCleared = 1 - c.cleared;
        for (int level = 1; level <= 7; ++level) overuse(*state, level, 5, 50, 5, 50);
        state->recentPoints(kGoal, kStudent) = c.points;
        state->recentCount(kGoal, kStudent) = std::int16_t(c.count);

        const std::vector<LevelAvailability> levels = refreshAvailability(*state);
        EXPECT_EQ(state->finalLevelCleared, c.cleared) << c.points << " / " << c.count;
        for (int level = 1; level <= 7; ++level) {
            const bool stopped = !c.cleared && level < 7;
            EXPECT_EQ(levels[std::size_t(level)].enabled, !stopped) << level;
            EXPECT_EQ(levels[std::size_t(level)].overuseNotice, stopped) << level;
        }
    }
}

}  // namespace
}  // namespace tsubura
