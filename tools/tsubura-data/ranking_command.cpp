#include "command_line.h"
#include "commands.h"
#include "hub/ranking_lines.h"
#include "installation.h"

namespace tsubura::data_tool {

int runRanking(const QString &programDir, const QStringList &arguments) {
    const Options options(arguments, {QStringLiteral("--level"), QStringLiteral("--view"), QStringLiteral("--student"),
                                      QStringLiteral("--grade-filter"), QStringLiteral("--now")});
    const int level = options.integer(QStringLiteral("--level"), 1, kLevelSlots - 1);
    const int student = options.integer(QStringLiteral("--student"), 0, kStudentSlots - 1);
    const QString viewName = options.value(QStringLiteral("--view")).value_or(QString());
    RankingView view = RankingView::Time;
    if (viewName == QStringLiteral("total"))
        view = RankingView::PointsTotal;
    else if (viewName == QStringLiteral("today"))
        view = RankingView::PointsToday;
    else if (viewName != QStringLiteral("time"))
        throw UsageError("--view must be time, total or today");
    const QString gradeFilter = options.valueOr(QStringLiteral("--grade-filter"), QStringLiteral("全学年"));
    const QDateTime now = options.now();

    SharedState state;
    loadInstallation(state, programDir);
    loadRosterOrFail(state, now);
    aggregateOrFail(state, now);
    const QStringList lines = rankingLines(state, level, view, student, gradeFilter);
    print(lines.isEmpty() ? QString() : lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    return 0;
}

}  // namespace tsubura::data_tool
