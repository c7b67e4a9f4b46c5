#include <algorithm>
#include <cerrno>

#include "evaluation/aggregation.h"
#include "evaluation/messages.h"
#include "store/results_file.h"

namespace tsubura {

namespace {

// Loader steps as the failure messages number them.
enum LoaderStep { kStepOpen = 1, kStepRecords = 4 };

constexpr int kMissingAttempts = 4;
constexpr int kMissingWaitMs = 5000;
constexpr int kLastCountedStudent = 1000;  // levelBestTime looks at students 1..1000 only
constexpr int kBadIndexError = 9;

QString loaderFailure(int step, int errorNumber, const QString &description, const EntryFields &entry) {
    const QString n = QString::number(errorNumber);
    return QStringLiteral("成績ランダムファイル表示") + QString::number(step) + n + description + n +
           entryFieldsText(entry) + QStringLiteral("line") + QString::number(step);
}

CoreError badRecordFailure(const ResultNumbers &record, int index) {
    const EntryFields entry{record.recordDate, index, record.recordClock, record.studentNo, record.level, record.seconds};
    return CoreError{
        loaderFailure(kStepRecords, kBadIndexError, QStringLiteral("インデックスが有効範囲にありません。"), entry)};
}

}  // namespace

std::optional<CoreError> loadResults(SharedState &state, const ResultsAccess &access) {
    const QString path = resultsFilePath(state.folders);
    state.loadedResults.clear();
    state.bestTime.fill(kNoTime);
    // One capacity for the start and the stop, so the newest runs are the ones kept.
    state.loadedResults.reserve(kResultCapacity);

    std::optional<CoreError> badRecord;
    std::int32_t *const bestTime = &state.bestTime(0, 0);
    const RecordBlockVisitor takeRecords = [&](const char *records, int count, std::int64_t) {
        std::vector<LoadedResult> &table = state.loadedResults;
        for (int k = 0; k < count && int(table.size()) < kResultCapacity; ++k) {
            const ResultNumbers n = unpackNumbers(records + k * kRecordSize);
            if (n.studentNo < 0 || n.studentNo >= kStudentSlots || n.level < 0 || n.level >= kLevelSlots) {
                badRecord = badRecordFailure(n, int(table.size()) + 1);
                return false;
            }
            // The best time is taken before the validity test, from every record in range.
            std::int32_t &best = bestTime[std::size_t(n.level) * kStudentSlots + std::size_t(n.studentNo)];
            if (n.seconds < best) best = n.seconds;
            if (n.recordDate < 0 || n.studentNo == 0 || n.level < 1) continue;
            table.push_back({n.recordDate, n.recordClock, n.studentNo, n.level, n.seconds});
        }
        return true;
    };

    for (int attempt = 1;; ++attempt) {
        const std::optional<SystemError> error = scanResults(path, kResultCapacity, access.mode, access.pause, takeRecords);
        if (!error) break;
        if (error->number != ENOENT) return CoreError{loaderFailure(kStepOpen, error->number, error->description, {})};
        // A data folder on a share that is not there yet: give it a few chances to appear.
        if (access.mode == OpenMode::MustExist || attempt >= kMissingAttempts) {
            return CoreError{QStringLiteral("ファイルがありません") + QString::number(kStepOpen) + error->description +
                             QString::number(error->number)};
        }
        access.pause(kMissingWaitMs);
    }
    if (badRecord) return badRecord;

    state.levelBestTime.fill(kNoTime);
    for (int level = 1; level < kLevelSlots; ++level) {
        std::int32_t best = kNoTime;
        for (int student = 1; student <= kLastCountedStudent; ++student) best = std::min(best, state.bestTime(level, student));
        state.levelBestTime[std::size_t(level)] = best;
    }
    return std::nullopt;
}

}  // namespace tsubura
