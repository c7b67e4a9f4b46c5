#pragma once

namespace tsubura {

struct SharedState;

// The student has met the level's clear requirement in its pass-judgement period.
bool levelCleared(const SharedState &state, int level, int student);

// The student has reached one of the level's over-use limits (0 = no limit) in its over-use period.
bool overuseReached(const SharedState &state, int level, int student);

}  // namespace tsubura
