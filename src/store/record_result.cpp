#include "store/record_result.h"

#include "store/results_file.h"

namespace tsubura {

std::optional<CoreError> recordResult(SharedState &state, int level, const QDateTime &now, const Pause &pause) {
    const int student = state.currentStudentNo;
    // Student 0 (a roster may number an entry 0) is stored like any other; the loader leaves it
    // out of the tables.
    if (level < 1 || level >= kLevelSlots || student < 0 || student >= kStudentSlots) {
        // The tables have no cell for this run; 9 is the number the messages give a bad index.
        return CoreError{QStringLiteral("Seisekikiroku") + QStringLiteral("インデックスが有効範囲にありません。") +
                         QStringLiteral("9")};
    }
    const LevelCriteria &criteria = state.criteriaOf(level);
    const std::int32_t time = state.recordedTime;

    // Judged on the tallies from before this run.
    state.alreadyCleared = (state.totalCount(level, student) >= criteria.clearCount &&
                            state.totalPoints(level, student) >= criteria.clearPoints)
                               ? 1
                               : 0;

    if (time < state.bestTime(level, student)) {
        state.personalBestFlag = 1;
        state.bestTime(level, student) = time;
    }

    const ResultRecord record = makeResultRecord(now, student, level, time, state.schoolCode);
    if (std::optional<CoreError> error = appendResult(resultsFilePath(state.folders), record, pause)) return error;

    if (time < state.levelBestTime[std::size_t(level)]) {
        state.levelBestTime[std::size_t(level)] = time;
        state.overallBestFlag = 1;
    }
    return std::nullopt;
}

}  // namespace tsubura
