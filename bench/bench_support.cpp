#include "bench_support.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <vector>

namespace tsubura::bench {

namespace {

// Keeps the medians so the ratio comes from the same run.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override {
        for (const Run &run : runs)
            if (run.aggregate_name == "median") medians[run.run_name.function_name] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> medians;
};

}  // namespace

int runWithRatio(int argc, char **argv, const std::string &work, const std::string &baseline, const std::string &label) {
    std::vector<char *> args(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=21";
    std::string aggregatesOnly = "--benchmark_report_aggregates_only=true";
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, {repetitions.data(), aggregatesOnly.data(), interleave.data()});
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;

    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto w = reporter.medians.find(work);
    const auto b = reporter.medians.find(baseline);
    if (w != reporter.medians.end() && b != reporter.medians.end() && b->second > 0)
        std::printf("%s = %.2f\n", label.c_str(), w->second / b->second);
    return 0;
}

}  // namespace tsubura::bench
