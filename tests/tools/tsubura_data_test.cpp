#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>

#include "store/result_record.h"
#include "test_support.h"

namespace tsubura {
namespace {

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ToolRun runTool(const QString &programDir, const QStringList &arguments) {
    QProcess process;
    process.start(QStringLiteral(TSUBURA_DATA_TOOL), QStringList{QStringLiteral("--program-dir"), programDir} + arguments);
    process.waitForFinished(30000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

QByteArray records(const QList<ResultRecord> &list) {
    QByteArray bytes;
    for (const ResultRecord &r : list) bytes.append(packRecord(r).data(), kRecordSize);
    return bytes;
}

QDateTime at(int day, int hour, int minute) { return QDateTime(QDate(2026, 12, day), QTime(hour, minute)); }

const QString kNow = QStringLiteral("2026-12-10T16:00:00");  // a Thursday

// Seven levels, three students (小３, 小５, a teacher) and five runs.
class DataToolTest : public ::testing::Test {
protected:
    void SetUp() override {
        programDir = test::writeInstallation(dir);
        QStringList criteria{QStringLiteral("目標Time,最低Time,ｸﾘｱﾎﾟｲﾝﾄ,ｸﾘｱ回数,ﾎﾟｲﾝﾄ倍率,禁回,禁点,判期間,禁期間,,,"),
                             QStringLiteral("20,30,100,10,1,20,0,7,1,,,"), QStringLiteral("30,45,200,10,1.5,0,300,14,1,,,")};
        for (int level = 3; level <= 7; ++level) criteria << QStringLiteral("40,60,300,10,2,0,0,30,7,,,");
        dir.writeText(QStringLiteral("data/ツブラ/タイム回数データ.txt"), criteria);
        dir.writeText(QStringLiteral("data/新名簿.txt"),
                      {QStringLiteral("1,2017,0,0,\"青木 太郎\",0,\"\",\"\""),
                       QStringLiteral("2,2015,0,0,\"井上 花子\",0,\"\",\"\""),
                       QStringLiteral("3,1980,0,0,\"岡田先生\",0,\"\",\"\"")});
        for (const char *wave : {"maru1", "maru2", "batu1", "jiko1", "fugo1", "警告1", "最高1", "合格"})
            dir.writeBytes(QStringLiteral("data/音フォルダ/%1.wav").arg(QString::fromUtf8(wave)), "RIFF");
        dir.writeText(QStringLiteral("data/音フォルダ/新音ファイル.txt"),
                      {QStringLiteral("正解音2,maru1,maru2,*"), QStringLiteral("間違い音2,batu1,*"),
                       QStringLiteral("自己最高音2,jiko1,*"), QStringLiteral("不合格音1,fugo1,*")});
        writeResults({makeResultRecord(at(3, 17, 0), 2, 2, 15, QStringLiteral("12345")),
                      makeResultRecord(at(4, 10, 0), 1, 1, 30, QStringLiteral("12345")),
                      makeResultRecord(at(10, 15, 0), 1, 1, 10, QStringLiteral("12345")),
                      makeResultRecord(at(10, 15, 10), 2, 1, 20, QStringLiteral("12345")),
                      makeResultRecord(at(10, 15, 20), 1, 2, 99999, QString())});
    }
    void writeResults(const QList<ResultRecord> &list, const QByteArray &tail = {}) {
        dir.writeBytes(QStringLiteral("data/ツブラ/成績累積データ.dat"), records(list) + tail);
    }

    test::TempDir dir;
    QString programDir;
};

TEST_F(DataToolTest, SummaryPrintsEveryPairWithARun) {
    const ToolRun run = runTool(programDir, {QStringLiteral("summary"), QStringLiteral("--now"), kNow});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], QStringLiteral("level\tstudent\ttodayCount\ttodayPoints\ttotalCount\ttotalPoints\trecentCount\t"
                                       "recentPoints\toverusePeriodCount\toverusePeriodPoints\tbestTime"));
    EXPECT_EQ(lines[1], QStringLiteral("1\t1\t1\t11\t2\t15\t2\t15\t1\t11\t10"));
    EXPECT_EQ(lines[2], QStringLiteral("1\t2\t1\t5\t1\t5\t1\t5\t1\t5\t20"));
    EXPECT_EQ(lines[3], QStringLiteral("2\t1\t0\t0\t0\t0\t0\t0\t0\t0\t99999"));  // a time-out only
    EXPECT_EQ(lines[4], QStringLiteral("2\t2\t0\t0\t1\t16\t1\t16\t0\t0\t15"));
    EXPECT_TRUE(lines[5].startsWith(QStringLiteral("levelBestTime\t10\t15\t99999\t")));
    EXPECT_EQ(lines[5].split(QLatin1Char('\t')).size(), 36);
}

TEST_F(DataToolTest, ExportWritesEveryRecordAsCsv) {
    const ToolRun run = runTool(programDir, {QStringLiteral("export")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], QStringLiteral("record,date,time,student,name,level,seconds,points,schoolCode"));
    EXPECT_EQ(lines[1], QStringLiteral("1,2026-12-03,17:00:00,2,井上 花子,2,15,16,12345"));
    EXPECT_EQ(lines[3], QStringLiteral("3,2026-12-10,15:00:00,1,青木 太郎,1,10,11,12345"));
    EXPECT_EQ(lines[5], QStringLiteral("5,2026-12-10,15:20:00,1,青木 太郎,2,99999,0,"));
}

TEST_F(DataToolTest, RankingListsTheLevelAsTheHubDoes) {
    const ToolRun run = runTool(programDir, {QStringLiteral("ranking"), QStringLiteral("--level"), QStringLiteral("1"),
                                         QStringLiteral("--view"), QStringLiteral("time"), QStringLiteral("--student"),
                                         QStringLiteral("2"), QStringLiteral("--now"), kNow});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral(" 1③青木 太郎")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral(" 2●井上 花子")));
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral("●")));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("--　岡田先生")));

    const ToolRun filtered = runTool(programDir, {QStringLiteral("ranking"), QStringLiteral("--level"), QStringLiteral("1"),
                                              QStringLiteral("--view"), QStringLiteral("today"), QStringLiteral("--student"),
                                              QStringLiteral("2"), QStringLiteral("--grade-filter"), QStringLiteral("小５"),
                                              QStringLiteral("--now"), kNow});
    ASSERT_EQ(filtered.exitCode, 0) << filtered.err.toStdString();
    EXPECT_EQ(filtered.out.count(QLatin1Char('\n')), 1);
    EXPECT_TRUE(filtered.out.startsWith(QStringLiteral(" 2●井上 花子")));  // rank 2 after 青木's 11 points
}

TEST_F(DataToolTest, CheckIsQuietOnACleanInstallation) {
    const ToolRun run = runTool(programDir, {QStringLiteral("check"), QStringLiteral("--now"), kNow});
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString();
}

TEST_F(DataToolTest, CheckNamesEveryProblem) {
    ResultRecord stopper = makeResultRecord(at(9, 10, 0), 6000, 1, 20, QString());
    ResultRecord dropped = makeResultRecord(at(9, 10, 0), 0, 1, 20, QString());
    ResultRecord future = makeResultRecord(at(11, 10, 0), 1, 1, 20, QString());
    ResultRecord noCriteria = makeResultRecord(at(9, 10, 0), 1, 12, 20, QString());
    writeResults({stopper, dropped, future, noCriteria}, QByteArray(10, 'x'));
    dir.writeText(QStringLiteral("data/新名簿.txt"), {QStringLiteral("1,2017,0,0,\"青木\",0,\"\",\"\""),
                                                      QStringLiteral("x,2015,0,0,\"井上\",0,\"\",\"\"")});
    QFile::remove(dir.file(QStringLiteral("data/音フォルダ/合格.wav")));

    const ToolRun run = runTool(programDir, {QStringLiteral("check"), QStringLiteral("--now"), kNow});
    EXPECT_EQ(run.exitCode, 1);
    const QStringList findings = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    auto has = [&](const QString &fragment) {
        return std::any_of(findings.begin(), findings.end(), [&](const QString &f) { return f.contains(fragment); });
    };
    EXPECT_TRUE(has(QStringLiteral("新名簿.txt:2: ")));
    EXPECT_TRUE(has(QStringLiteral("合格.wav")));
    EXPECT_TRUE(has(QStringLiteral("レコード1: 生徒番号6000")));
    EXPECT_TRUE(has(QStringLiteral("レコード2: ")));
    EXPECT_TRUE(has(QStringLiteral("レコード3: 日付 2026-12-11 が未来です")));
    EXPECT_TRUE(has(QStringLiteral("レコード4: レベル12は基準表にありません")));
    EXPECT_TRUE(has(QStringLiteral("不完全なレコードがあります（10バイト"))) << run.out.toStdString();
    EXPECT_EQ(findings.size(), 7) << run.out.toStdString();
}

TEST_F(DataToolTest, MissingFilesGiveOneLineAndNoTable) {
    QFile::remove(dir.file(QStringLiteral("data/ツブラ/成績累積データ.dat")));
    const ToolRun summary = runTool(programDir, {QStringLiteral("summary")});
    EXPECT_EQ(summary.exitCode, 3);
    EXPECT_TRUE(summary.out.isEmpty());
    EXPECT_EQ(summary.err.count(QLatin1Char('\n')), 1);
    EXPECT_TRUE(summary.err.contains(QStringLiteral("成績累積データ.dat"))) << summary.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("data/ツブラ/成績累積データ.dat"))));  // not created

    QFile::remove(dir.file(QStringLiteral("data/共通データ.txt")));
    const ToolRun ranking = runTool(programDir, {QStringLiteral("ranking"), QStringLiteral("--level"), QStringLiteral("1"),
                                             QStringLiteral("--view"), QStringLiteral("time"), QStringLiteral("--student"),
                                             QStringLiteral("1")});
    EXPECT_EQ(ranking.exitCode, 3);
    EXPECT_TRUE(ranking.err.contains(QStringLiteral("共通データ.txt")));

    EXPECT_EQ(runTool(programDir, {QStringLiteral("ranking"), QStringLiteral("--level"), QStringLiteral("x")}).exitCode, 2);
    EXPECT_EQ(runTool(programDir, {QStringLiteral("frobnicate")}).exitCode, 2);
}

}  // namespace
}  // namespace tsubura
