#include <QDir>
#include <QFile>
#include <limits>

#include "command_line.h"
#include "commands.h"
#include "roster/roster.h"
#include "shell/settings_files.h"
#include "shell/shared_state.h"
#include "shell/start_up.h"
#include "sound/sound_configuration.h"
#include "store/level_criteria.h"
#include "store/results_file.h"

namespace tsubura::data_tool {

namespace {

// Collects one line per finding: the file, where in it, and what is wrong.
class Findings {
public:
    void add(const QString &path, const QString &message) { lines_ << path + QStringLiteral(": ") + message; }
    void add(const StartUpError &error) { add(error.path, error.message); }
    bool empty() const { return lines_.isEmpty(); }
    QString text() const { return lines_.join(QLatin1Char('\n')) + QLatin1Char('\n'); }

private:
    QStringList lines_;
};

// Returns false when the installation cannot even be located.
bool checkSettings(SharedState &state, const QString &programDir, Findings &findings) {
    state.folders.programDir = programDir;
    if (auto error = readPathFile(state)) {
        findings.add(*error);
        return false;
    }
    setDataFolders(state.folders);
    const QString pathFile = QDir::cleanPath(programDir + QStringLiteral("../") + kPathFileName);
    if (!state.folders.dataRoot.endsWith(QLatin1Char('/')))
        findings.add(pathFile, QStringLiteral("データフォルダ「%1」が / で終わっていません").arg(state.folders.dataRoot));
    if (!QDir(state.folders.dataRoot).exists())
        findings.add(pathFile, QStringLiteral("データフォルダ「%1」がありません").arg(state.folders.dataRoot));

    if (auto error = readCommonDataFile(state)) {
        findings.add(*error);
        return true;
    }
    const double month = state.schoolYearStartMonth.toNumber();
    if (month < 0 || month > 12 || month != int(month))
        findings.add(state.folders.dataRoot + kCommonDataFileName,
                     QStringLiteral("項目1: 学年の始まる月「%1」が 1〜12 ではありません").arg(state.schoolYearStartMonth.toText()));
    return true;
}

void checkRoster(SharedState &state, const QDate &today, Findings &findings) {
    if (auto error = loadRoster(state, today)) {
        QString where = error->path;
        if (error->line > 0) where += QStringLiteral(":%1").arg(error->line);
        findings.add(where, error->message);
    }
}

// Returns the last level row of the criteria table, or -1 when it cannot be read.
int checkCriteria(SharedState &state, Findings &findings) {
    const QString path = state.folders.programDataDir + kCriteriaFileName;
    int lastRow = -1;
    if (auto error = loadCriteria(path, state.criteria, &lastRow)) {
        findings.add(error->path, error->message);
        return -1;
    }
    for (int level = 1; level <= state.levelCount; ++level) {
        if (level > lastRow) {
            findings.add(path, QStringLiteral("レベル%1の行がありません（基準がすべて 0 になります）").arg(level));
            continue;
        }
        const LevelCriteria &row = state.criteriaOf(level);
        if (row.targetTime <= 0 || row.minTime <= 0)
            findings.add(path, QStringLiteral("%1行目: 目標Time と最低Time は正の秒数でなければなりません").arg(level + 1));
        const Value *periods[] = {&row.recentDays, &row.overuseDays};
        for (const Value *days : periods)
            if (days->kind() == Value::Kind::Text)
                findings.add(path, QStringLiteral("%1行目: 日数「%2」が数ではありません").arg(level + 1).arg(days->toText()));
    }
    return lastRow;
}

void checkSounds(SharedState &state, Findings &findings) {
    if (auto error = loadSoundConfiguration(state)) {
        findings.add(*error);
        return;
    }
    const QString path = state.folders.soundDir + kSoundConfigurationFileName;
    for (int event : {int(kCorrectSound), int(kWrongSound), int(kPersonalBestSound), int(kNoRecordSound)}) {
        const std::optional<int> count = soundFileCount(state, event);
        if (!count) {
            findings.add(path, QStringLiteral("「%1」の一覧が「*」で閉じられていません（音が鳴りません）").arg(soundEventName(event)));
            continue;
        }
        for (int slot = 1; slot <= *count; ++slot) {
            const QString wave = state.folders.soundDir + state.soundTable[std::size_t(event)][std::size_t(slot)] +
                                 QStringLiteral(".wav");
            if (!QFile::exists(wave)) findings.add(wave, QStringLiteral("音ファイルがありません"));
        }
    }
    for (const char *fixed : {"警告1.wav", "最高1.wav", "合格.wav"}) {
        const QString wave = state.folders.soundDir + QString::fromUtf8(fixed);
        if (!QFile::exists(wave)) findings.add(wave, QStringLiteral("音ファイルがありません"));
    }
}

void checkResults(const SharedState &state, int lastCriteriaRow, const QDate &today, Findings &findings) {
    const QString path = resultsFilePath(state.folders);
    if (!QDir(state.folders.programDataDir).exists()) {
        findings.add(state.folders.programDataDir, QStringLiteral("プログラムのデータフォルダがありません"));
        return;
    }
    if (!QFile::exists(path)) return;  // the program creates it with the first result
    ResultsSnapshot snapshot;
    if (auto error = readResults(path, std::numeric_limits<std::int64_t>::max(), OpenMode::MustExist, sleepingPause(),
                                 &snapshot)) {
        findings.add(path, error->description);
        return;
    }
    const double todaySerial = serialDayNumber(today);
    std::int64_t number = snapshot.firstRecordNumber;
    for (const ResultRecord &r : snapshot.records) {
        const QString where = QStringLiteral("レコード%1: ").arg(number++);
        if (r.studentNo < 0 || r.studentNo > 5000 || r.level < 0 || r.level > 35)
            findings.add(path, where + QStringLiteral("生徒番号%1・レベル%2は範囲外です（成績を読むとプログラムが止まります）")
                                           .arg(r.studentNo)
                                           .arg(r.level));
        else if (r.recordDate < 0 || r.studentNo == 0 || r.level < 1)
            findings.add(path, where + QStringLiteral("日付・生徒番号・レベルが無効なため読み飛ばされます"));
        else if (r.level > lastCriteriaRow && lastCriteriaRow >= 0)
            findings.add(path, where + QStringLiteral("レベル%1は基準表にありません").arg(r.level));
        if (r.recordDate > todaySerial)
            findings.add(path, where + QStringLiteral("日付 %1 が未来です").arg(dateFromSerialDay(r.recordDate).toString(Qt::ISODate)));
        if (r.seconds < 0) findings.add(path, where + QStringLiteral("タイム %1 秒が負です").arg(r.seconds));
    }
    if (snapshot.trailingBytes > 0)
        findings.add(path, QStringLiteral("末尾に不完全なレコードがあります（%1バイト、次の記録で上書きされます）").arg(snapshot.trailingBytes));
}

}  // namespace

int runCheck(const QString &programDir, const QStringList &arguments) {
    const Options options(arguments, {QStringLiteral("--now")});
    const QDateTime now = options.now();
    SharedState state;
    state.levelCount = 7;
    Findings findings;
    if (checkSettings(state, programDir, findings)) {
        checkRoster(state, now.date(), findings);
        const int lastRow = checkCriteria(state, findings);
        checkSounds(state, findings);
        checkResults(state, lastRow, now.date(), findings);
    }
    if (findings.empty()) {
        print(QStringLiteral("問題は見つかりませんでした。\n"));
        return 0;
    }
    print(findings.text());
    return 1;
}

}  // namespace tsubura::data_tool
