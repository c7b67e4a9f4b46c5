#include "installation.h"

#include "command_line.h"
#include "evaluation/aggregation.h"
#include "roster/roster.h"
#include "shell/program_definition.h"
#include "shell/start_up.h"
#include "store/level_criteria.h"

namespace tsubura::data_tool {

namespace {
[[noreturn]] void fail(const QString &message) { throw DataError(message.toStdString()); }
}  // namespace

void loadInstallation(SharedState &state, const QString &programDir) {
    if (auto error = resolveFolders(state, programDir)) fail(error->text());
    defineProgram(state);
    defineLevelCatalogue(state);
    const QString criteriaPath = state.folders.programDataDir + kCriteriaFileName;
    if (auto error = loadCriteria(criteriaPath, state.criteria)) fail(error->path + QStringLiteral(": ") + error->message);
}

void loadRosterOrFail(SharedState &state, const QDateTime &now) {
    if (auto error = loadRoster(state, now.date())) {
        QString where = error->path;
        if (error->line > 0) where += QStringLiteral(":%1").arg(error->line);
        fail(where + QStringLiteral(": ") + error->message);
    }
}

void aggregateOrFail(SharedState &state, const QDateTime &now) {
    const ResultsAccess access{OpenMode::MustExist, sleepingPause()};
    if (auto error = aggregateResults(state, now, access))
        fail(resultsFilePath(state.folders) + QStringLiteral(": ") + error->message);
}

}  // namespace tsubura::data_tool
