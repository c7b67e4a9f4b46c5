// The whole `tsubura-data summary` process on an installation of 20000 results and 2000
// students, against the same process doing nothing but start and print its usage.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "bench_support.h"
#include "shell/text_file.h"
#include "store/result_record.h"

namespace {

QString writeText(const QString &path, const QStringList &lines) {
    QDir().mkpath(QFileInfo(path).path());
    tsubura::FileError error;
    tsubura::writeTextFile(path, lines, &error);
    return path;
}

// An installation with 2000 students and 20000 runs over a year; returns its program folder.
QString makeInstallation(const QString &root) {
    const QString data = root + QStringLiteral("/data/");
    QDir().mkpath(root + QStringLiteral("/ツブラ"));
    writeText(root + QStringLiteral("/パスデータ.txt"), {data, QStringLiteral("0,0,0,0,0,0,0,0,0")});
    writeText(data + QStringLiteral("共通データ.txt"), {QStringLiteral("4,12345教室,0,0,0,1234,0,0,0,0")});
    QStringList criteria{QStringLiteral("目標Time,最低Time,ｸﾘｱﾎﾟｲﾝﾄ,ｸﾘｱ回数,ﾎﾟｲﾝﾄ倍率,禁回,禁点,判期間,禁期間,,,")};
    for (int level = 1; level <= 7; ++level) criteria << QStringLiteral("40,60,150,10,1.5,15,0,14,1,,,");
    writeText(data + QStringLiteral("ツブラ/タイム回数データ.txt"), criteria);
    QStringList roster;
    for (int s = 1; s <= 2000; ++s) roster << QStringLiteral("%1,2015,0,0,\"生徒%1\",0,\"\",\"\"").arg(s);
    writeText(data + QStringLiteral("新名簿.txt"), roster);

    QRandomGenerator random(7);
    const QDateTime now = QDateTime::currentDateTime();
    QByteArray bytes;
    for (int i = 0; i < 20000; ++i) {
        const QDateTime at = now.addSecs(-qint64(20000 - i) * 1500);
        const auto record = tsubura::makeResultRecord(at, 1 + int(random.bounded(2000)), 1 + int(random.bounded(7)),
                                                      20 + int(random.bounded(60)), QStringLiteral("12345"));
        bytes.append(tsubura::packRecord(record).data(), tsubura::kRecordSize);
    }
    QFile file(data + QStringLiteral("ツブラ/成績累積データ.dat"));
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    return root + QStringLiteral("/ツブラ/");
}

QTemporaryDir &installationDir() {
    static QTemporaryDir dir;
    static const QString program = makeInstallation(dir.path());
    (void)program;
    return dir;
}

void runTool(benchmark::State &state, const QStringList &arguments) {
    const QString programDir = installationDir().path() + QStringLiteral("/ツブラ/");
    for (auto _ : state) {
        QProcess process;
        process.start(QStringLiteral(TSUBURA_DATA_TOOL), QStringList{QStringLiteral("--program-dir"), programDir} + arguments);
        process.waitForFinished(60000);
        if (process.exitCode() != 0) state.SkipWithError("tsubura-data failed");
        benchmark::DoNotOptimize(process.readAllStandardOutput());
    }
}

void BM_ProcessStartBaseline(benchmark::State &state) { runTool(state, {QStringLiteral("--help")}); }
void BM_Summary20000(benchmark::State &state) { runTool(state, {QStringLiteral("summary")}); }

BENCHMARK(BM_ProcessStartBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Summary20000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char **argv) {
    return tsubura::bench::runWithRatio(argc, argv, "BM_Summary20000", "BM_ProcessStartBaseline",
                                        "ratio summary/process start");
}
