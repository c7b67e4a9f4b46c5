#pragma once

#include <vector>

namespace tsubura {

struct SharedState;

// What the hub shows on one level's start button.
struct LevelAvailability {
    bool enabled = true;        // the start button can be pressed
    bool overuseNotice = false; // "やりすぎ禁止" lies over the button
};

// Decides for levels 1..levelCount (index = level, 0 unused) whether the current student may
// start each one, and sets state.finalLevelCleared. A level the student has overdone in its
// over-use period is stopped, except the last level and except once the goal level is cleared.
std::vector<LevelAvailability> refreshAvailability(SharedState &state);

}  // namespace tsubura
