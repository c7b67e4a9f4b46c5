// Aggregation over a full results file, against its physical floor: reading the same file into
// memory and clearing the same tables. Prints the ratio of the two medians.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

#include "bench_support.h"
#include "evaluation/aggregation.h"
#include "store/results_file.h"

namespace {

using namespace tsubura;

constexpr int kStudents = 2000;
constexpr int kLevels = 7;
const QDateTime kNow(QDate(2024, 6, 10), QTime(14, 0));

struct Fixture {
    QTemporaryDir dir;
    std::unique_ptr<SharedState> state = std::make_unique<SharedState>();
    QString path;

    Fixture() {
        state->folders.programDataDir = dir.path() + QLatin1Char('/');
        path = resultsFilePath(state->folders);
        for (int level = 1; level <= kLevels; ++level) {
            LevelCriteria &c = state->criteria[std::size_t(level)];
            c.targetTime = 10 + 5 * level;
            c.minTime = 2 * c.targetTime;
            c.pointMultiplier = 1.0f + 0.25f * float(level % 3);
            c.recentDays = Value(7.0);
            c.overuseDays = Value(2.0);
        }
        // Runs of 2000 students on 7 levels in no order, spread over the last 90 days, as a
        // classroom writes them.
        std::mt19937 random(20240610);
        const double today = serialDayNumber(kNow.date());
        QByteArray bytes;
        bytes.reserve(kResultCapacity * kRecordSize);
        for (int k = 0; k < kResultCapacity; ++k) {
            const int level = 1 + int(random() % kLevels);
            const int student = 1 + int(random() % kStudents);
            const std::int32_t seconds = random() % 50 == 0 ? kNoTime : std::int32_t(5 + random() % 200);
            ResultRecord r = makeResultRecord(kNow, student, level, seconds, QStringLiteral("B0001"));
            r.recordDate = today - double(random() % 90);
            const PackedRecord packed = packRecord(r);
            bytes.append(packed.data(), kRecordSize);
        }
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) std::abort();
    }
};

Fixture &fixture() {
    static Fixture f;
    return f;
}

void BM_Aggregate(benchmark::State &bench) {
    Fixture &f = fixture();
    const ResultsAccess access{OpenMode::MustExist, sleepingPause()};
    for (auto _ : bench) {
        if (aggregateResults(*f.state, kNow, access)) bench.SkipWithError("aggregation failed");
        benchmark::DoNotOptimize(f.state->totalPoints(1, 1));
    }
    bench.counters["records"] = double(f.state->loadedResults.size());
}

// The floor: the file's bytes into memory, the eight tallies and the best times cleared.
void BM_ReadAndClearBaseline(benchmark::State &bench) {
    Fixture &f = fixture();
    SharedState &s = *f.state;
    const QByteArray name = QFile::encodeName(f.path);
    std::vector<char> buffer;
    for (auto _ : bench) {
        const int fd = ::open(name.constData(), O_RDONLY);
        if (fd < 0) bench.SkipWithError("open failed");
        buffer.resize(std::size_t(kResultCapacity) * kRecordSize);
        if (::pread(fd, buffer.data(), buffer.size(), 0) != ssize_t(buffer.size())) bench.SkipWithError("short read");
        ::close(fd);
        clearTallies(s);
        s.bestTime.fill(kNoTime);
        benchmark::DoNotOptimize(buffer.data());
        benchmark::DoNotOptimize(s.totalPoints(1, 1));
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_Aggregate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAndClearBaseline)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv) {
    return tsubura::bench::runWithRatio(argc, argv, "BM_Aggregate", "BM_ReadAndClearBaseline",
                                        "ratio aggregate/baseline");
}
