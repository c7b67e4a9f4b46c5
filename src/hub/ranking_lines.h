#pragma once

#include <QString>
#include <QStringList>

namespace tsubura {

struct SharedState;

enum class RankingView {
    Time,         // best times, ascending
    PointsTotal,  // all-time points, then today's
    PointsToday,  // today's points, then all-time; students without points today left out
};

// The lines of one level's ranking list as the hub shows them, over the listed roster students
// (state.rosterNumbers 1..rosterCount) in roster order, with `currentStudent` marked "●" and
// students outside `gradeFilter` skipped (they keep their rank positions).
QStringList rankingLines(const SharedState &state, int level, RankingView view, int currentStudent,
                         const QString &gradeFilter);

// A number field: the text padded on the left with spaces and cut to its last `width` characters.
QString rightAligned(const QString &text, int width);

}  // namespace tsubura
