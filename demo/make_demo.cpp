// Lays out the demo installation from the files kept in demo/files:
//   make_demo <files folder> <demo folder>
// Text files become windows-31j with CR LF; the roster's birth years follow today's school year;
// wave files and a few weeks of results ending today are generated when they are missing.
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "roster/grades.h"
#include "shell/shared_state.h"
#include "shell/text_file.h"
#include "store/result_record.h"

using namespace tsubura;

namespace {

[[noreturn]] void fail(const QString &message) {
    std::fprintf(stderr, "make_demo: %s\n", qPrintable(message));
    std::exit(1);
}

QStringList readUtf8Lines(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) fail(QStringLiteral("cannot read ") + path);
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty()) lines.removeLast();
    return lines;
}

void writeLines(const QString &path, const QStringList &lines) {
    FileError error;
    if (!writeTextFile(path, lines, &error)) fail(error.path + QStringLiteral(": ") + error.message);
}

struct DemoStudent {
    int number = 0;
    int grade = 0;
    QString name;
    int status = 0;
};

std::vector<DemoStudent> readRoster(const QString &path) {
    std::vector<DemoStudent> students;
    for (const QString &line : readUtf8Lines(path)) {
        if (line.startsWith(QLatin1Char('#')) || line.trimmed().isEmpty()) continue;
        const QStringList cells = line.split(QLatin1Char(','));
        if (cells.size() != 4) fail(path + QStringLiteral(": bad line: ") + line);
        students.push_back({cells[0].toInt(), cells[1].toInt(), cells[2], cells[3].toInt()});
    }
    return students;
}

void writeRoster(const QString &path, const std::vector<DemoStudent> &students, int schoolYear) {
    QStringList lines;
    for (const DemoStudent &s : students)
        lines << QStringLiteral("%1,%2,0,0,\"%3\",%4,\"\",\"\"")
                     .arg(s.number)
                     .arg(schoolYear - s.grade - 6)
                     .arg(s.name)
                     .arg(s.status);
    writeLines(path, lines);
}

// A short sine tone as a 16-bit mono wave file.
void writeTone(const QString &path, const std::vector<double> &frequencies, double noteSeconds) {
    if (QFile::exists(path)) return;
    constexpr int rate = 22050;
    QByteArray samples;
    for (double frequency : frequencies) {
        const int count = int(noteSeconds * rate);
        for (int i = 0; i < count; ++i) {
            const double fade = std::min(1.0, std::min(i, count - i) / 200.0);
            const auto sample = qint16(std::lround(9000 * fade * std::sin(2 * M_PI * frequency * i / rate)));
            samples.append(char(sample & 0xff)).append(char((sample >> 8) & 0xff));
        }
    }
    auto le32 = [](quint32 v) {
        const char bytes[] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
        return QByteArray(bytes, 4);
    };
    auto le16 = [](quint16 v) {
        const char bytes[] = {char(v), char(v >> 8)};
        return QByteArray(bytes, 2);
    };
    QByteArray wave = "RIFF" + le32(quint32(36 + samples.size())) + "WAVEfmt " + le32(16) + le16(1) + le16(1) +
                      le32(rate) + le32(rate * 2) + le16(2) + le16(16) + "data" + le32(quint32(samples.size())) + samples;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(wave) != wave.size()) fail(QStringLiteral("cannot write ") + path);
}

void writeSounds(const QString &soundDir) {
    const struct {
        const char *name;
        std::vector<double> notes;
        double seconds;
    } tones[] = {
        {"maru1.wav", {880, 1175}, 0.08},   {"maru2.wav", {988, 1319}, 0.08},
        {"maru3.wav", {1047, 1397}, 0.08},  {"batu1.wav", {220, 196}, 0.12},
        {"batu2.wav", {247, 185}, 0.12},    {"jiko1.wav", {784, 988, 1175}, 0.1},
        {"fugoukaku1.wav", {330, 262}, 0.15}, {"警告1.wav", {1500}, 0.1},
        {"最高1.wav", {523, 659, 784, 1047}, 0.12}, {"合格.wav", {523, 659, 784, 659, 784, 1047}, 0.14},
    };
    for (const auto &tone : tones) writeTone(soundDir + QString::fromUtf8(tone.name), tone.notes, tone.seconds);
}

// Target times of the demo criteria, levels 1 to 7.
const int kTargets[] = {0, 30, 30, 40, 50, 35, 45, 55};

int levelFor(int grade, QRandomGenerator &random) {
    const int lowest = grade <= 1 ? 1 : grade <= 3 ? 1 : grade <= 6 ? 2 : 3;
    const int highest = grade <= 1 ? 2 : grade <= 3 ? 4 : grade <= 6 ? 6 : 7;
    return lowest + int(random.bounded(highest - lowest + 1));
}

// Four weeks of lessons ending now: most students come on most weekdays and do a few runs,
// getting faster over the weeks; now and then a run times out.
void writeResults(const QString &path, const std::vector<DemoStudent> &students, const QString &schoolCode) {
    const QDateTime now = QDateTime::currentDateTime();
    QRandomGenerator random(20261210u);
    std::vector<ResultRecord> records;
    for (int daysAgo = 27; daysAgo >= 0; --daysAgo) {
        const QDate day = now.date().addDays(-daysAgo);
        if (day.dayOfWeek() == Qt::Sunday && daysAgo != 0) continue;
        // Today's lesson ends now, so every run of today lies in the past.
        const QDateTime lessonEnd = daysAgo == 0 ? now : QDateTime(day, QTime(19, 30));
        const QDateTime lessonStart = std::max(lessonEnd.addSecs(-3 * 3600), QDateTime(day, QTime(0, 0)));
        const double progress = (27 - daysAgo) / 27.0;
        for (const DemoStudent &s : students) {
            if (s.status != 0 || s.grade > 12 || random.generateDouble() < 0.35) continue;
            const int runs = 2 + int(random.bounded(4));
            for (int r = 0; r < runs; ++r) {
                const int level = levelFor(s.grade, random);
                const double pace = 1.6 - 0.7 * progress + 0.35 * (random.generateDouble() - 0.5);
                int seconds = std::max(8, int(std::lround(kTargets[level] * pace)));
                if (random.generateDouble() < 0.03) seconds = kNoTime;
                const qint64 span = std::max<qint64>(1, lessonStart.secsTo(lessonEnd));
                const QDateTime at = lessonStart.addSecs(qint64(random.bounded(quint32(span))));
                records.push_back(makeResultRecord(at, s.number, level, seconds, schoolCode));
            }
        }
    }
    std::stable_sort(records.begin(), records.end(), [](const ResultRecord &a, const ResultRecord &b) {
        return a.recordDate + a.recordClock < b.recordDate + b.recordClock;
    });
    QByteArray bytes;
    for (const ResultRecord &record : records) {
        const PackedRecord packed = packRecord(record);
        bytes.append(packed.data(), kRecordSize);
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) fail(QStringLiteral("cannot write ") + path);
}

}  // namespace

int main(int argc, char **argv) {
    if (argc != 3) fail(QStringLiteral("usage: make_demo <files folder> <demo folder>"));
    const QString files = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    const QString demo = QDir(QString::fromLocal8Bit(argv[2])).absolutePath() + QLatin1Char('/');
    const QString data = demo + QStringLiteral("data/");
    const QString programData = data + QStringLiteral("ツブラ/");
    const QString sounds = data + QStringLiteral("音フォルダ/");
    for (const QString &dir : {demo + QStringLiteral("ツブラ"), programData, sounds})
        if (!QDir().mkpath(dir)) fail(QStringLiteral("cannot create ") + dir);

    writeLines(demo + QStringLiteral("パスデータ.txt"), {data, QStringLiteral("0,0,0,0,0,0,0,0,0")});
    writeLines(data + QStringLiteral("共通データ.txt"), readUtf8Lines(files + QStringLiteral("共通データ.txt")));
    writeLines(programData + QStringLiteral("タイム回数データ.txt"),
               readUtf8Lines(files + QStringLiteral("タイム回数データ.txt")));
    writeLines(sounds + QStringLiteral("新音ファイル.txt"), readUtf8Lines(files + QStringLiteral("新音ファイル.txt")));
    writeSounds(sounds);

    const std::vector<DemoStudent> students = readRoster(files + QStringLiteral("roster.csv"));
    writeRoster(data + QStringLiteral("新名簿.txt"), students, schoolYearOf(QDate::currentDate(), Value(4)));

    const QString results = programData + QStringLiteral("成績累積データ.dat");
    if (!QFile::exists(results)) writeResults(results, students, QStringLiteral("12345"));
    return 0;
}
