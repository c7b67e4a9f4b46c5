#include "hub/run_lines.h"

#include <algorithm>

#include "evaluation/points.h"
#include "hub/list_marks.h"
#include "hub/periods.h"
#include "hub/ranking_lines.h"
#include "roster/grades.h"
#include "shell/shared_state.h"
#include "shell/spaces.h"
#include "store/results_file.h"

namespace tsubura {

namespace {

constexpr std::int32_t kTimedOutFrom = 90000;
constexpr int kPersonalDays = 3650;

const QString kTimedOutLead = QStringLiteral("　　× ");

QString nameField(const QString &name) { return (trimSpaces(name) + QStringLiteral("　　　　")).left(5); }

QString secondsField(std::int32_t seconds) {
    return rightAligned(QString::number(seconds) + QStringLiteral("秒"), 5);
}

class RunFilter {
public:
    RunFilter(const SharedState &state, int currentStudent, const QString &gradeFilter)
        : state_(state), current_(currentStudent), gradeFilter_(gradeFilter),
          levels_(std::clamp<int>(state.levelCount, 0, kLevelSlots - 1)) {}

    int levels() const { return levels_; }

    // The name between its marks, or nothing when the run is not for these lists.
    std::optional<QString> markedName(const ResultRecord &run) const {
        if (run.level < 1 || run.level > levels_) return std::nullopt;
        const int s = run.studentNo;
        if (!knownStudent(s)) return std::nullopt;
        const int grade = gradeIndexOf(state_, state_.rosterBirthYears[std::size_t(s)]);
        if (!matchesGradeFilter(gradeFilter_, grade)) return std::nullopt;
        const QString mark = s == current_ ? kCurrentMark : gradeMark(grade);
        return mark + nameField(state_.rosterNames[std::size_t(s)]) + mark;
    }

    // The run's base points: the lists show them without the level's multiplier.
    QString points(const ResultRecord &run) const {
        return QString::number(basePoints(state_.criteriaOf(run.level).targetTime, run.seconds).value_or(0));
    }

private:
    // A number no roster line ever named has neither a name nor a grade to show or filter by.
    bool knownStudent(int s) const {
        if (s < 1 || s >= kStudentSlots) return false;
        return !state_.rosterNames[std::size_t(s)].trimmed().isEmpty() || state_.rosterBirthYears[std::size_t(s)] != 0;
    }

    const SharedState &state_;
    int current_;
    const QString &gradeFilter_;
    int levels_;
};

QString dateText(const ResultRecord &run) { return dateFromSerialDay(run.recordDate).toString(QStringLiteral("yyyy/MM/dd")); }
QTime timeOfDay(const ResultRecord &run) { return timeFromDayFraction(run.recordClock); }

// "  25秒 <when><name>11", or "　　× <when><name>" for a timed-out run.
QString timeFormLine(const RunFilter &filter, const ResultRecord &run, const QString &when, const QString &name) {
    if (run.seconds >= kTimedOutFrom) return kTimedOutLead + when + name;
    return secondsField(run.seconds) + QLatin1Char(' ') + when + name + filter.points(run);
}

}  // namespace

std::optional<CoreError> readNewestRuns(const QString &path, int count, const Pause &pause,
                                        std::vector<ResultRecord> *runs) {
    ResultsSnapshot snapshot;
    if (std::optional<SystemError> error = readResults(path, count, OpenMode::CreateIfMissing, pause, &snapshot))
        return CoreError{QStringLiteral("成績ランダムファイル表示") + error->description +
                         QString::number(error->number)};
    *runs = std::move(snapshot.records);
    return std::nullopt;
}

LevelLines todayRunLines(const SharedState &state, const std::vector<ResultRecord> &runs, int currentStudent,
                         const QString &gradeFilter, const QDate &today) {
    const RunFilter filter(state, currentStudent, gradeFilter);
    LevelLines lines(std::size_t(filter.levels() + 1));
    for (const ResultRecord &run : runs) {
        if (dateFromSerialDay(run.recordDate) != today) continue;
        const std::optional<QString> name = filter.markedName(run);
        if (!name) continue;
        const QString when = timeOfDay(run).toString(QStringLiteral("hh:mm"));
        lines[std::size_t(run.level)] << timeFormLine(filter, run, when, *name);
    }
    return lines;
}

LevelLines periodRunLines(const SharedState &state, const std::vector<ResultRecord> &runs, int currentStudent,
                          const QString &gradeFilter, const QDateTime &now, int days, PeriodLineForm form) {
    const RunFilter filter(state, currentStudent, gradeFilter);
    LevelLines lines(std::size_t(filter.levels() + 1));
    for (const ResultRecord &run : runs) {
        if (!inPeriod(run.recordDate, now, days)) continue;
        const std::optional<QString> name = filter.markedName(run);
        if (!name) continue;
        const QString when = dateText(run).right(5);
        if (form == PeriodLineForm::Points && run.seconds < kTimedOutFrom)
            lines[std::size_t(run.level)] << rightAligned(filter.points(run), 5) + QLatin1Char(' ') + when + *name +
                                                 QString::number(run.seconds) + QStringLiteral("秒");
        else
            lines[std::size_t(run.level)] << timeFormLine(filter, run, when, *name);
    }
    return lines;
}

LevelLines personalRunLines(const SharedState &state, const std::vector<ResultRecord> &runs, int currentStudent,
                            const QString &gradeFilter, const QDateTime &now) {
    const RunFilter filter(state, currentStudent, gradeFilter);
    LevelLines lines(std::size_t(filter.levels() + 1));
    for (const ResultRecord &run : runs) {
        if (run.studentNo != currentStudent || !inPeriod(run.recordDate, now, kPersonalDays)) continue;
        if (!filter.markedName(run)) continue;
        const QString when = dateText(run) + QLatin1Char(' ') + timeOfDay(run).toString(QStringLiteral("h:mm:ss"));
        lines[std::size_t(run.level)] << (run.seconds >= kTimedOutFrom ? when : when + secondsField(run.seconds));
    }
    return lines;
}

}  // namespace tsubura
