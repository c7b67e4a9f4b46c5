#include "hub/ranking_lines.h"

#include <vector>

#include "hub/list_marks.h"
#include "hub/ranking_sort.h"
#include "roster/grades.h"
#include "shell/shared_state.h"

namespace tsubura {

namespace {

constexpr std::int32_t kFailedTime = 99998;

// Ascending keys give descending (primary, secondary): both fit side by side in 64 bits, and
// bitwise not turns the order round without overflow.
std::int64_t descendingKey(std::int32_t primary, std::int32_t secondary) {
    const std::int64_t combined =
        std::int64_t(primary) * (std::int64_t(1) << 32) + (std::int64_t(secondary) + (std::int64_t(1) << 31));
    return ~combined;
}

QString nameField(const QString &name) {
    qsizetype end = name.size();
    while (end > 0 && name[end - 1] == QLatin1Char(' ')) --end;
    return (name.left(end) + QStringLiteral("　　　　　　")).left(5);
}

}  // namespace

QString rightAligned(const QString &text, int width) {
    return text.rightJustified(width, QLatin1Char(' ')).right(width);
}

QStringList rankingLines(const SharedState &state, int level, RankingView view, int currentStudent,
                         const QString &gradeFilter) {
    QStringList lines;
    if (level < 0 || level >= kLevelSlots) return lines;

    const int n = state.rosterCount;
    std::vector<std::int64_t> keys(std::size_t(n > 0 ? n : 0));
    std::vector<int> students(keys.size());
    for (int i = 0; i < n; ++i) {
        const int s = state.rosterNumbers[std::size_t(i + 1)];
        students[std::size_t(i)] = s;
        switch (view) {
        case RankingView::Time: keys[std::size_t(i)] = state.bestTime(level, s); break;
        case RankingView::PointsTotal:
            keys[std::size_t(i)] = descendingKey(state.totalPoints(level, s), state.todayPoints(level, s));
            break;
        case RankingView::PointsToday:
            keys[std::size_t(i)] = descendingKey(state.todayPoints(level, s), state.totalPoints(level, s));
            break;
        }
    }
    rankingSort(keys, students);

    int rank = 0;
    std::int32_t previousPrimary = 0;
    for (int i = 1; i <= n; ++i) {
        const int s = students[std::size_t(i - 1)];
        const std::int32_t today = state.todayPoints(level, s);
        const std::int32_t total = state.totalPoints(level, s);

        // Ranks count every student, listed or filtered out: equal values share the rank above.
        if (view == RankingView::Time) {
            if (i == 1 || keys[std::size_t(i - 1)] != keys[std::size_t(i - 2)]) rank = i;
        } else {
            const std::int32_t primary = view == RankingView::PointsTotal ? total : today;
            if (i == 1 || primary != previousPrimary) rank = i;
            previousPrimary = primary;
        }

        const int grade = gradeIndexOf(state, state.rosterBirthYears[std::size_t(s)]);
        if (!matchesGradeFilter(gradeFilter, grade)) continue;
        if (view == RankingView::PointsToday && today == 0) continue;

        const bool current = s == currentStudent;
        const QString mark = current ? kCurrentMark : gradeMark(grade);
        const QString rightMark = current ? kCurrentMark : kBlankMark;
        const QString name = nameField(state.rosterNames[std::size_t(s)]);
        const QString rankText = rightAligned(QString::number(rank), 2);

        if (view == RankingView::Time) {
            const std::int32_t time = state.bestTime(level, s);
            if (time == kFailedTime)
                lines << rankText + mark + name + QStringLiteral("*失敗*") + QLatin1Char(' ') + rightMark;
            else if (time == kNoTime)
                lines << QStringLiteral("--") + mark + name + QStringLiteral("------") + QLatin1Char(' ') + rightMark;
            else
                lines << rankText + mark + name + rightAligned(QString::number(time), 6) + QLatin1Char(' ') + rightMark;
        } else {
            // The two figures close the line: points lines carry no right mark.
            lines << rankText + mark + name + rightAligned(QString::number(today), 3) + QLatin1Char('/') +
                         rightAligned(QString::number(total), 5);
        }
    }
    return lines;
}

}  // namespace tsubura
