#pragma once

#include <QDateTime>
#include <QString>

#include "shell/shared_state.h"

namespace tsubura::data_tool {

// Reads what the commands need from an installation as the program's start-up does: folders,
// common settings, program definition and level catalogue, criteria table. Throws DataError.
void loadInstallation(SharedState &state, const QString &programDir);

// The roster as of `now` (school year and grades). Throws DataError.
void loadRosterOrFail(SharedState &state, const QDateTime &now);

// Aggregates the results file as of `now`. Throws DataError; never creates the file.
void aggregateOrFail(SharedState &state, const QDateTime &now);

}  // namespace tsubura::data_tool
