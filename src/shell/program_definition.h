#pragma once

namespace tsubura {

struct SharedState;

// What is particular to this drill: its title and that the hub opens every level.
void defineProgram(SharedState &state);

// The levels offered (1 to 7), their names and the goal level. The window layer opens the hub
// after it.
void defineLevelCatalogue(SharedState &state);

}  // namespace tsubura
