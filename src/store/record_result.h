#pragma once

#include <QDateTime>
#include <optional>

#include "shell/core_error.h"
#include "shell/shared_state.h"

namespace tsubura {

// Judges state.recordedTime against the stored bests and appends it, in this order: the cleared
// test on the state before the run (alreadyCleared), the personal best (flag and bestTime), the
// append, then the level best (flag and levelBestTime). `now` stamps the record.
std::optional<CoreError> recordResult(SharedState &state, int level, const QDateTime &now, const Pause &pause);

}  // namespace tsubura
