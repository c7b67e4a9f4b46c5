#pragma once

#include <QDateTime>
#include <optional>

#include "shell/core_error.h"
#include "shell/shared_state.h"
#include "store/results_file.h"

namespace tsubura {

struct ResultsAccess {
    OpenMode mode = OpenMode::CreateIfMissing;
    Pause pause = sleepingPause();
};

// Loads the newest 20000 runs into state.loadedResults and derives bestTime and levelBestTime.
std::optional<CoreError> loadResults(SharedState &state, const ResultsAccess &access = {});

// Sets the eight tallies of every level and student to 0.
void clearTallies(SharedState &state);

// Clears the eight tallies, loads the results and recomputes the tallies as of `now`.
std::optional<CoreError> aggregateResults(SharedState &state, const QDateTime &now,
                                          const ResultsAccess &access = {});

}  // namespace tsubura
