#include "hub/availability.h"

#include <algorithm>

#include "evaluation/level_status.h"
#include "shell/shared_state.h"

namespace tsubura {

namespace {

bool finalLevelCleared(const SharedState &state, int student) {
    const double finalLevel = state.finalLevel.toNumber();
    // A goal outside the catalogue can never be reached.
    if (!(finalLevel >= 1 && finalLevel < kLevelSlots)) return false;
    return levelCleared(state, int(finalLevel), student);
}

}  // namespace

std::vector<LevelAvailability> refreshAvailability(SharedState &state) {
    const int levels = std::clamp<int>(state.levelCount, 0, kLevelSlots - 1);
    const int student = state.currentStudentNo;
    const bool known = student >= 0 && student < kStudentSlots;

    const bool cleared = known && finalLevelCleared(state, student);
    state.finalLevelCleared = cleared ? 1 : 0;

    std::vector<LevelAvailability> availability(std::size_t(levels + 1));
    if (cleared || !known) return availability;
    // The last level always stays open, whatever its counts.
    for (int level = 1; level < levels; ++level) {
        if (!overuseReached(state, level, student)) continue;
        availability[std::size_t(level)] = {false, true};
    }
    return availability;
}

}  // namespace tsubura
