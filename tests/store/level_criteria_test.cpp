#include <gtest/gtest.h>

#include "store/level_criteria.h"
#include "test_support.h"

namespace tsubura {
namespace {

const QString kHeading = QStringLiteral("目標Time,最低Time,ｸﾘｱﾎﾟｲﾝﾄ,ｸﾘｱ回数,ﾎﾟｲﾝﾄ倍率,禁回,禁点,判期間,禁期間,,,");

TEST(Criteria, HeadingIsRowZeroAndLevelsFollow) {
    test::TempDir dir;
    dir.writeText(QStringLiteral("c.txt"), {kHeading, QStringLiteral("20,30,100,10,1.5,20,0,7,1,x,,"),
                                            QStringLiteral("25.5,30.5,100,10,1,,,,,,,")});
    CriteriaTable table;
    ASSERT_FALSE(loadCriteria(dir.file(QStringLiteral("c.txt")), table).has_value());
    EXPECT_EQ(table[0].targetTime, 0);
    EXPECT_EQ(table[0].overuseCount.toText(), QStringLiteral("禁回"));
    EXPECT_EQ(table[0].overuseDays.toText(), QStringLiteral("禁期間"));
    EXPECT_EQ(table[1].targetTime, 20);
    EXPECT_EQ(table[1].pointMultiplier, 1.5f);
    EXPECT_EQ(table[1].recentDays.toNumber(), 7);
    EXPECT_EQ(table[1].spareColumn10.toText(), QStringLiteral("x"));
    EXPECT_EQ(table[2].targetTime, 26);  // decimals are rounded into whole columns, halves to even
    EXPECT_EQ(table[2].minTime, 30);
    EXPECT_TRUE(table[2].overuseCount.isNothing());
    EXPECT_EQ(table[3].targetTime, 0);   // no row: stays as it was
}

TEST(Criteria, OnlyHeadingLeavesLevelsAtZero) {
    test::TempDir dir;
    dir.writeText(QStringLiteral("c.txt"), {kHeading});
    CriteriaTable table;
    ASSERT_FALSE(loadCriteria(dir.file(QStringLiteral("c.txt")), table).has_value());
    EXPECT_EQ(table[1].targetTime, 0);
    EXPECT_EQ(table[1].pointMultiplier, 0.0f);
}

TEST(Criteria, BadFilesAreRefusedAndLeaveTheTable) {
    QStringList tooLong{kHeading};
    for (int level = 1; level <= 36; ++level) tooLong << QStringLiteral("20,30,100,10,1,0,0,7,1,,,");
    struct Case {
        QStringList lines;
        const char *fragment;
    } cases[] = {
        {{kHeading, QStringLiteral("20,30,100,10,1,0")}, "2行目: 項目が足りません"},
        {tooLong, "37行目: 行が多すぎます"},
        {{kHeading, QStringLiteral("20,30,100,40000,1,0,0,7,1,,,")}, "ｸﾘｱ回数"},
    };
    for (const Case &c : cases) {
        test::TempDir dir;
        dir.writeText(QStringLiteral("c.txt"), c.lines);
        CriteriaTable table;
        table[1].targetTime = 77;
        const auto error = loadCriteria(dir.file(QStringLiteral("c.txt")), table);
        ASSERT_TRUE(error.has_value());
        EXPECT_TRUE(error->message.contains(QString::fromUtf8(c.fragment))) << error->message.toStdString();
        EXPECT_EQ(table[1].targetTime, 77);
    }
}

TEST(Criteria, SaveAndLoadKeepEveryCell) {
    test::TempDir dir;
    dir.writeText(QStringLiteral("c.txt"), {kHeading, QStringLiteral("20,30,100,10,1.1,20,,7,1,a,,z"),
                                            QStringLiteral("30,45,9999,9999,0.7,0,300,14,0.5,,,")});
    CriteriaTable table;
    ASSERT_FALSE(loadCriteria(dir.file(QStringLiteral("c.txt")), table).has_value());
    ASSERT_FALSE(saveCriteria(dir.file(QStringLiteral("d.txt")), table, 2).has_value());
    EXPECT_EQ(dir.readBytes(QStringLiteral("d.txt")), dir.readBytes(QStringLiteral("c.txt")));

    table[1].spareColumn11 = Value::text(QStringLiteral("a,b"));
    const auto error = saveCriteria(dir.file(QStringLiteral("d.txt")), table, 2);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(dir.readBytes(QStringLiteral("d.txt")), dir.readBytes(QStringLiteral("c.txt")));  // untouched
}

}  // namespace
}  // namespace tsubura
