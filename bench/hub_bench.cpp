// The hub's activation over a full results file and a 2000-student roster (aggregation, the seven
// cumulative points rankings, every list filled), against the aggregation alone in the same run;
// and every change of result view.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>

#include "bench_support.h"
#include "idle_navigator.h"
#include "evaluation/aggregation.h"
#include "hub/windows/seisekitime1.h"
#include "platform/fonts.h"
#include "platform/qt_services.h"
#include "platform/random_source.h"
#include "platform/sound_player.h"
#include "shell/program_definition.h"
#include "store/results_file.h"

namespace {

using namespace tsubura;

constexpr int kStudents = 2000;
constexpr int kLevels = 7;
const QDateTime kNow(QDate(2024, 6, 10), QTime(14, 0));

class FixedClock : public Clock {
public:
    QDateTime now() const override { return kNow; }
    std::int64_t monotonicMs() const override { return 0; }
};
// A failure in a benchmark is a broken fixture: say what it was and stop.
class PrintedMessages : public MessageSink {
public:
    void show(const QString &text, const QString &) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
};
class FailedEnd : public ProgramEnd {
protected:
    [[noreturn]] void leave(int status) override { std::exit(status); }
};
class NoStarter : public ProgramStarter {
public:
    bool startDetached(const QString &, const QStringList &, QString *) override { return false; }
};
class NoWait : public Waiter {
public:
    void wait(int) override {}
};
struct Fixture {
    QTemporaryDir dir;
    std::unique_ptr<SharedState> state = std::make_unique<SharedState>();
    FixedClock clock;
    RandomSource random;
    PrintedMessages messages;
    FailedEnd programEnd;
    NoStarter starter;
    RecordingSoundPlayer sound;
    NoWait waiter;
    Platform platform{clock, random, messages, programEnd, starter, sound, waiter};
    bench::IdleNavigator navigator;
    std::unique_ptr<seisekitime1> hub;

    Fixture() {
        SharedState &s = *state;
        s.folders.programDataDir = dir.path() + QLatin1Char('/');
        s.schoolYear = 2024;
        s.gradeFilterText = QStringLiteral("全学年");
        defineProgram(s);
        defineLevelCatalogue(s);
        for (int level = 1; level <= kLevels; ++level) {
            LevelCriteria &c = s.criteria[std::size_t(level)];
            c.targetTime = 10 + 5 * level;
            c.minTime = 2 * c.targetTime;
            c.clearPoints = 100;
            c.clearCount = 10;
            c.pointMultiplier = 1.0f + 0.25f * float(level % 3);
            c.recentDays = Value(7.0);
            c.overuseDays = Value(2.0);
            c.overuseCount = Value(50.0);
        }
        s.rosterCount = kStudents;
        for (int i = 1; i <= kStudents; ++i) {
            s.rosterNumbers[std::size_t(i)] = i;
            s.rosterNames[std::size_t(i)] = QStringLiteral("生徒%1").arg(i);
            s.rosterBirthYears[std::size_t(i)] = std::int16_t(2009 + i % 10);
        }
        s.currentStudentNo = 17;
        s.currentStudentName = s.rosterNames[17];

        // Runs of 2000 students on 7 levels in no order over the last 90 days.
        std::mt19937 generator(20240610);
        const double today = serialDayNumber(kNow.date());
        QByteArray bytes;
        for (int k = 0; k < kResultCapacity; ++k) {
            const int level = 1 + int(generator() % kLevels);
            const int student = 1 + int(generator() % kStudents);
            const std::int32_t seconds = generator() % 50 == 0 ? kNoTime : std::int32_t(5 + generator() % 200);
            ResultRecord r = makeResultRecord(kNow, student, level, seconds, QStringLiteral("B0001"));
            r.recordDate = today - double(generator() % 90);
            const PackedRecord packed = packRecord(r);
            bytes.append(packed.data(), kRecordSize);
        }
        QFile file(resultsFilePath(s.folders));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) std::abort();

        hub = std::make_unique<seisekitime1>(s, platform, navigator);
        hub->resize(1024, 768);
        hub->show();
    }
};

Fixture &fixture() {
    static Fixture f;
    return f;
}

void BM_HubActivate(benchmark::State &bench) {
    Fixture &f = fixture();
    for (auto _ : bench) {
        f.hub->activate();
    }
    bench.counters["lines"] = double(f.hub->column(1).list->count());
}

void BM_AggregateBaseline(benchmark::State &bench) {
    Fixture &f = fixture();
    for (auto _ : bench) {
        if (aggregateResults(*f.state, kNow)) bench.SkipWithError("aggregation failed");
        benchmark::DoNotOptimize(f.state->totalPoints(1, 1));
    }
}

// One change of result view: display kind (0 time, 1 points, 2 personal) and sub-view 1..3.
void BM_HubViewChange(benchmark::State &bench) {
    Fixture &f = fixture();
    const int kind = int(bench.range(0));
    const int subView = int(bench.range(1));
    f.hub->activate();
    if (kind != 2) f.hub->chooseDisplayKind(kind);
    for (auto _ : bench) {
        if (kind == 2)
            f.hub->chooseDisplayKind(2);
        else
            f.hub->chooseSubView(subView);
    }
    bench.counters["lines"] = double(f.hub->column(1).list->count());
}

BENCHMARK(BM_HubActivate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HubViewChange)
    ->ArgNames({"kind", "subView"})
    ->Args({0, 1})
    ->Args({0, 2})
    ->Args({0, 3})
    ->Args({1, 1})
    ->Args({1, 2})
    ->Args({1, 3})
    ->Args({2, 0})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AggregateBaseline)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutions();
    const int status = tsubura::bench::runWithRatio(argc, argv, "BM_HubActivate", "BM_AggregateBaseline",
                                                    "ratio hub activation/aggregation");
    fixture().hub.reset();
    return status;
}
