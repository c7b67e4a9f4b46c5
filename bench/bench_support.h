#pragma once

#include <string>

namespace tsubura::bench {

// Runs the registered benchmarks with 21 interleaved repetitions (so a drifting machine affects
// work and baseline alike, unless the command line says otherwise), then prints
// "<label> = <median of work / median of baseline>".
int runWithRatio(int argc, char **argv, const std::string &work, const std::string &baseline, const std::string &label);

}  // namespace tsubura::bench
