#include "evaluation/level_status.h"

#include "shell/shared_state.h"

namespace tsubura {

bool levelCleared(const SharedState &state, int level, int student) {
    const LevelCriteria &criteria = state.criteriaOf(level);
    return state.recentPoints(level, student) >= criteria.clearPoints &&
           state.recentCount(level, student) >= criteria.clearCount;
}

bool overuseReached(const SharedState &state, int level, int student) {
    const LevelCriteria &criteria = state.criteriaOf(level);
    const double countLimit = criteria.overuseCount.toNumber();
    const double pointsLimit = criteria.overusePoints.toNumber();
    return (countLimit != 0 && state.overusePeriodCount(level, student) >= countLimit) ||
           (pointsLimit != 0 && state.overusePeriodPoints(level, student) >= pointsLimit);
}

}  // namespace tsubura
