#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "shell/core_error.h"
#include "store/result_record.h"

namespace tsubura {

struct SharedState;

// The lines of every level column, indexed by level: 0 unused, 1..levelCount.
using LevelLines = std::vector<QStringList>;

constexpr int kTodayRunsRead = 1000;    // today's list looks at the newest 1000 runs
constexpr int kPeriodRunsRead = 20000;  // the period and personal lists at the newest 20000

// The newest `count` runs of the results file at `path`, oldest first. A read failure comes back
// as the message "成績ランダムファイル表示" with the system's description and error number.
std::optional<CoreError> readNewestRuns(const QString &path, int count, const Pause &pause,
                                        std::vector<ResultRecord> *runs);

// In each list below a run is left out when its level has no column, when its student number
// has no roster entry, or when the student fails `gradeFilter`; lines keep the order of `runs`.

// Runs dated `today`: "  25秒 09:05①山田　　　①11", or "　　× 09:05①山田　　　①" for a timed-out run.
LevelLines todayRunLines(const SharedState &state, const std::vector<ResultRecord> &runs, int currentStudent,
                         const QString &gradeFilter, const QDate &today);

enum class PeriodLineForm {
    Time,    // "  25秒 05/07①山田　　　①11"
    Points,  // "   11 05/07①山田　　　①25秒"; a timed-out run keeps the time form
};

// Runs inside a period of `days` days ending at `now` (see inPeriod).
LevelLines periodRunLines(const SharedState &state, const std::vector<ResultRecord> &runs, int currentStudent,
                          const QString &gradeFilter, const QDateTime &now, int days, PeriodLineForm form);

// The current student's runs of the last 3650 days: "2004/05/07 9:05:30  25秒", or the date and
// time of day alone for a timed-out run.
LevelLines personalRunLines(const SharedState &state, const std::vector<ResultRecord> &runs, int currentStudent,
                            const QString &gradeFilter, const QDateTime &now);

}  // namespace tsubura
