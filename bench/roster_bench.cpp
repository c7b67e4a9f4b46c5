// Roster load against its physical floor: reading the same file's bytes and decoding them.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <random>
#include <string>

#include "bench_support.h"
#include "roster/roster.h"
#include "shell/shared_state.h"
#include "shell/text_file.h"

namespace {

using namespace tsubura;

constexpr int kStudents = 5000;

// A 5000-student roster as a school keeps it: windows-31j, CR LF, quoted names.
class RosterFile {
public:
    RosterFile() {
        const char *family[] = {"佐藤", "鈴木", "高橋", "田中", "伊藤", "渡辺", "山本", "中村", "小林", "加藤",
                                "吉田", "山田", "佐々木", "山口", "松本", "井上", "木村", "林", "斎藤", "清水",
                                "山崎", "森", "池田", "橋本", "阿部", "石川", "長谷川", "小野寺", "髙橋", "五十嵐"};
        const char *given[] = {"太郎", "花子", "翔太", "陽菜", "蓮", "結衣", "大翔", "さくら", "悠真", "美咲",
                               "湊", "葵", "陽向", "凛", "樹", "芽依", "颯太", "ひなた", "悠人", "莉子",
                               "大和", "心春", "朝陽", "結菜", "蒼", "杏", "健太郎", "ゆい", "隼", "楓"};
        std::mt19937 random(2005);
        QString text;
        for (int i = 1; i <= kStudents; ++i) {
            const QString name = QString::fromUtf8(family[random() % std::size(family)]) + QStringLiteral("　") +
                                 QString::fromUtf8(given[random() % std::size(given)]);
            const int birthYear = 1992 + int(random() % 18);
            const int status = random() % 20 == 0 ? 2 : 0;
            text += QStringLiteral("%1,%2,0,0,\"%3\",%4,\"%5\",\"\"\r\n")
                        .arg(i)
                        .arg(birthYear)
                        .arg(name)
                        .arg(status)
                        .arg(i % 3 == 0 ? QStringLiteral("駅前校") : QString());
        }
        const std::optional<QByteArray> bytes = encodeWindows31j(text);
        QFile file(path());
        if (!bytes || !file.open(QIODevice::WriteOnly) || file.write(*bytes) != bytes->size()) std::abort();
    }
    QString folder() const { return dir_.path() + QLatin1Char('/'); }
    QString path() const { return folder() + kRosterFileName; }

private:
    QTemporaryDir dir_;
};

const RosterFile &rosterFile() {
    static const RosterFile file;
    return file;
}

void BM_ReadAndDecode(benchmark::State &bench) {
    const QString path = rosterFile().path();
    for (auto _ : bench) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) std::abort();
        QString text = decodeWindows31j(file.readAll());
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_ReadAndDecode)->Unit(benchmark::kMicrosecond);

void BM_LoadRoster(benchmark::State &bench) {
    auto state = std::make_unique<SharedState>();
    state->folders.dataRoot = rosterFile().folder();
    state->schoolYearStartMonth = Value(4);
    state->nameListSwitch = Value(1);
    int listed = 0;
    for (auto _ : bench) {
        if (loadRoster(*state, QDate(2005, 5, 10), [&](const StudentEntry &, int) { ++listed; })) std::abort();
        benchmark::DoNotOptimize(listed);
    }
    if (state->rosterCount != kStudents) std::abort();
}
BENCHMARK(BM_LoadRoster)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char **argv) {
    return tsubura::bench::runWithRatio(argc, argv, "BM_LoadRoster", "BM_ReadAndDecode",
                                        "ratio loadRoster/read+decode (5000 students)");
}
