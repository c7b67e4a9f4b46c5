#include <vector>

#include "command_line.h"
#include "commands.h"
#include "installation.h"

namespace tsubura::data_tool {

int runSummary(const QString &programDir, const QStringList &arguments) {
    const Options options(arguments, {QStringLiteral("--now")});
    const QDateTime now = options.now();
    SharedState state;
    loadInstallation(state, programDir);
    aggregateOrFail(state, now);

    // Only the pairs that have a loaded run get a row.
    std::vector<bool> present(std::size_t(kLevelSlots) * kStudentSlots);
    for (const LoadedResult &run : state.loadedResults)
        present[std::size_t(run.level) * kStudentSlots + std::size_t(run.student)] = true;

    QString out;
    out.reserve(64 * qsizetype(state.loadedResults.size()) + 1024);
    out += QStringLiteral("level\tstudent\ttodayCount\ttodayPoints\ttotalCount\ttotalPoints\trecentCount\trecentPoints\t"
                          "overusePeriodCount\toverusePeriodPoints\tbestTime\n");
    const QChar tab = QLatin1Char('\t');
    for (int level = 1; level < kLevelSlots; ++level) {
        for (int student = 1; student < kStudentSlots; ++student) {
            if (!present[std::size_t(level) * kStudentSlots + std::size_t(student)]) continue;
            out += QString::number(level) + tab + QString::number(student) + tab +
                   numberText(state.todayCount(level, student)) + tab + QString::number(state.todayPoints(level, student)) +
                   tab + QString::number(state.totalCount(level, student)) + tab +
                   QString::number(state.totalPoints(level, student)) + tab +
                   QString::number(state.recentCount(level, student)) + tab +
                   QString::number(state.recentPoints(level, student)) + tab +
                   QString::number(state.overusePeriodCount(level, student)) + tab +
                   QString::number(state.overusePeriodPoints(level, student)) + tab +
                   QString::number(state.bestTime(level, student)) + QLatin1Char('\n');
        }
    }
    out += QStringLiteral("levelBestTime");
    for (int level = 1; level < kLevelSlots; ++level) out += tab + QString::number(state.levelBestTime[std::size_t(level)]);
    out += QLatin1Char('\n');
    print(out);
    return 0;
}

}  // namespace tsubura::data_tool
