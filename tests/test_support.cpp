#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

#include "shell/shared_state.h"
#include "shell/text_file.h"
#include "store/results_file.h"

#include <gtest/gtest.h>

namespace tsubura::test {

TempDir::TempDir() {
    if (!dir_.isValid()) throw std::runtime_error("cannot create a temporary folder");
}

QString TempDir::path() const { return dir_.path() + QLatin1Char('/'); }

void TempDir::writeText(const QString &name, const QStringList &lines) const {
    QString text;
    for (const QString &line : lines) text += line + QStringLiteral("\r\n");
    const auto bytes = encodeWindows31j(text);
    if (!bytes) throw std::runtime_error("text not representable in windows-31j");
    writeBytes(name, *bytes);
}

void TempDir::writeBytes(const QString &name, const QByteArray &bytes) const {
    const QString full = file(name);
    QDir().mkpath(QFileInfo(full).path());
    QFile f(full);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file");
}

QByteArray TempDir::readBytes(const QString &name) const {
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

QString writeInstallation(const TempDir &dir) {
    QDir().mkpath(dir.file(QStringLiteral("ツブラ")));
    dir.writeText(QStringLiteral("パスデータ.txt"),
                  {dir.file(QStringLiteral("data/")), QStringLiteral("2,3,4,5,6,7,8,9,10")});
    dir.writeText(QStringLiteral("data/共通データ.txt"),
                  {QStringLiteral("4"), QStringLiteral("12345さくら教室"), QStringLiteral("0"), QStringLiteral("0"),
                   QStringLiteral("0"), QStringLiteral("0123"), QStringLiteral("0,0,0,0")});
    dir.writeText(QStringLiteral("data/新名簿.txt"), {});
    dir.writeText(QStringLiteral("data/ツブラ/タイム回数データ.txt"),
                  {QStringLiteral("目標Time,最低Time,ｸﾘｱﾎﾟｲﾝﾄ,ｸﾘｱ回数,ﾎﾟｲﾝﾄ倍率,禁回,禁点,判期間,禁期間,,,"),
                   QStringLiteral("20,30,100,10,1,20,0,7,1,,,"), QStringLiteral("30,45,200,10,1.5,0,300,14,1,,,"),
                   QStringLiteral("40,60,300,10,2,0,0,30,7,,,")});
    dir.writeText(QStringLiteral("data/音フォルダ/新音ファイル.txt"),
                  {QStringLiteral("正解音2,maru1,maru2,*"), QStringLiteral("間違い音2,batu1,*")});
    return dir.file(QStringLiteral("ツブラ/"));
}

void setPlainCriteria(SharedState &state) {
    for (int level = 1; level <= 7; ++level) {
        LevelCriteria &c = state.criteria[std::size_t(level)];
        c.targetTime = 20;
        c.pointMultiplier = 1.0f;
        c.recentDays = Value(7.0);
        c.overuseDays = Value(3.0);
    }
}

std::vector<ResultRecord> storedRecords(const SharedState &state) {
    ResultsSnapshot snapshot;
    EXPECT_FALSE(readResults(resultsFilePath(state.folders), 100, OpenMode::MustExist, sleepingPause(), &snapshot));
    return snapshot.records;
}

}  // namespace tsubura::test
