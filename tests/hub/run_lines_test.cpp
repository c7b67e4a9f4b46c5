#include "hub/run_lines.h"

#include <gtest/gtest.h>

#include <memory>

#include "roster/student_entry.h"
#include "shell/shared_state.h"
#include "store/results_file.h"
#include "test_support.h"

namespace tsubura {
namespace {

constexpr int kYamada = 10;   // ②
constexpr int kSato = 20;     // ①, stored with spaces around the name
constexpr int kTakahashi = 30;  // Ⅰ
constexpr int kLong = 40;     // no grade mark
constexpr int kStranger = 99; // no roster line

const QDate kToday(2024, 5, 13);  // a Monday
const QDateTime kNow(kToday, QTime(15, 0));

// Seven levels of target time 20 and a roster of four, school year 2005.
std::unique_ptr<SharedState> classState() {
    auto state = std::make_unique<SharedState>();
    test::setPlainCriteria(*state);
    state->levelCount = 7;
    state->schoolYear = 2005;
    const struct {
        int number;
        const char *name;
        int birthYear;
    } roster[] = {{kYamada, "山田", 1997}, {kSato, "  佐藤花子", 1998}, {kTakahashi, "高橋", 1992}, {kLong, "長い名前の生徒", 1985}};
    for (const auto &s : roster) {
        state->rosterNumbers[std::size_t(++state->rosterCount)] = s.number;
        state->rosterNames[std::size_t(s.number)] = fixedField(QString::fromUtf8(s.name));
        state->rosterBirthYears[std::size_t(s.number)] = std::int16_t(s.birthYear);
    }
    return state;
}

ResultRecord run(const QDate &date, QTime time, int student, int level, std::int32_t seconds) {
    return makeResultRecord(QDateTime(date, time), student, level, seconds, QString());
}

QStringList lines(std::initializer_list<const char *> texts) {
    QStringList out;
    for (const char *text : texts) out << QString::fromUtf8(text);
    return out;
}

// Levels 1..7 with the given lists, the rest empty.
LevelLines columns(std::initializer_list<std::pair<int, QStringList>> filled) {
    LevelLines out(8);
    for (const auto &[level, list] : filled) out[std::size_t(level)] = list;
    return out;
}

const std::vector<ResultRecord> kTodayRuns = {
    run(kToday.addDays(-1), QTime(9, 0), kYamada, 1, 15),
    run(kToday, QTime(9, 5, 20), kYamada, 1, 25),
    run(kToday, QTime(9, 7, 40), kTakahashi, 1, 10),
    run(kToday, QTime(9, 10), kSato, 2, 99999),
    run(kToday, QTime(9, 11), kYamada, 8, 12),  // no column for level 8
    run(kToday, QTime(9, 12), kStranger, 1, 12),
    run(kToday, QTime(11, 0), kLong, 3, 5),
    run(kToday, QTime(11, 30), kLong, 3, 12345),
};

TEST(RunLines, TodayMarksTheCurrentStudentAndShowsTimedOutRunsWithoutTimeOrPoints) {
    const auto state = classState();
    EXPECT_EQ(todayRunLines(*state, kTodayRuns, kTakahashi, QStringLiteral("全学年"), kToday),
              columns({
                  {1, lines({"  25秒 09:05②山田　　　②4", "  10秒 09:07●高橋　　　●11"})},
                  {2, lines({"　　× 09:10①佐藤花子　①"})},
                  {3, lines({"   5秒 11:00　長い名前の　26", "2345秒 11:30　長い名前の　0"})},
              }));
}

TEST(RunLines, GradeFilterKeepsOnlyItsStudents) {
    const auto state = classState();
    const struct {
        const char *filter;
        LevelLines expected;
    } cases[] = {
        {"中学生全体", columns({{1, lines({"  10秒 09:07Ⅰ高橋　　　Ⅰ11"})}})},
        {"小１", columns({{2, lines({"　　× 09:10①佐藤花子　①"})}})},
        {"高１", columns({})},
    };
    for (const auto &c : cases)
        EXPECT_EQ(todayRunLines(*state, kTodayRuns, 0, QString::fromUtf8(c.filter), kToday), c.expected) << c.filter;
}

const std::vector<ResultRecord> kWeekRuns = {
    run(QDate(2024, 5, 5), QTime(20, 0), kYamada, 1, 15),  // the Sunday before last week
    run(QDate(2024, 5, 6), QTime(8, 0), kYamada, 1, 99999),
    run(QDate(2024, 5, 12), QTime(23, 59), kSato, 4, 30),
    run(kToday, QTime(9, 7), kTakahashi, 1, 10),
    run(kToday, QTime(9, 8), kTakahashi, 9, 10),
    run(kToday, QTime(9, 9), kStranger, 1, 10),
};

TEST(RunLines, PeriodListsInTimeAndPointsForms) {
    const auto state = classState();
    const int sinceLastWeek = 8;
    EXPECT_EQ(periodRunLines(*state, kWeekRuns, kTakahashi, QStringLiteral("全学年"), kNow, sinceLastWeek,
                             PeriodLineForm::Time),
              columns({
                  {1, lines({"　　× 05/06②山田　　　②", "  10秒 05/13●高橋　　　●11"})},
                  {4, lines({"  30秒 05/12①佐藤花子　①4"})},
              }));
    EXPECT_EQ(periodRunLines(*state, kWeekRuns, kTakahashi, QStringLiteral("全学年"), kNow, sinceLastWeek,
                             PeriodLineForm::Points),
              columns({
                  {1, lines({"　　× 05/06②山田　　　②", "   11 05/13●高橋　　　●10秒"})},
                  {4, lines({"    4 05/12①佐藤花子　①30秒"})},
              }));
    const int thisWeek = 1;
    EXPECT_EQ(periodRunLines(*state, kWeekRuns, kTakahashi, QStringLiteral("全学年"), kNow, thisWeek,
                             PeriodLineForm::Points),
              columns({{1, lines({"   11 05/13●高橋　　　●10秒"})}}));
}

TEST(RunLines, PersonalListHoldsOnlyTheCurrentStudentsRunsOfTenYears) {
    const auto state = classState();
    const std::vector<ResultRecord> runs = {
        run(kToday.addDays(-3650), QTime(9, 0), kTakahashi, 1, 10),
        run(kToday.addDays(-3649), QTime(9, 0), kTakahashi, 1, 12),
        run(QDate(2024, 5, 6), QTime(9, 5, 30), kTakahashi, 2, 99999),
        run(kToday, QTime(16, 4, 5), kTakahashi, 1, 125),
        run(kToday, QTime(9, 0), kYamada, 1, 10),
        run(kToday, QTime(9, 0), kTakahashi, 8, 10),
    };
    EXPECT_EQ(personalRunLines(*state, runs, kTakahashi, QStringLiteral("全学年"), kNow),
              columns({
                  {1, lines({"2014/05/17 9:00:00  12秒", "2024/05/13 16:04:05 125秒"})},
                  {2, lines({"2024/05/06 9:05:30"})},
              }));
    EXPECT_EQ(personalRunLines(*state, runs, kTakahashi, QStringLiteral("小学生全体"), kNow), columns({}));
}

TEST(RunLines, ReadsTheNewestRunsOldestFirst) {
    test::TempDir dir;
    const QString path = dir.file(QStringLiteral("runs.dat"));
    for (int seconds : {11, 12, 13})
        ASSERT_FALSE(appendResult(path, run(kToday, QTime(9, 0), kYamada, 1, seconds), sleepingPause()));

    std::vector<ResultRecord> runs;
    ASSERT_FALSE(readNewestRuns(path, 2, sleepingPause(), &runs));
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].seconds, 12);
    EXPECT_EQ(runs[1].seconds, 13);

    const std::optional<CoreError> error = readNewestRuns(dir.path(), 2, sleepingPause(), &runs);
    ASSERT_TRUE(error);
    EXPECT_TRUE(error->message.startsWith(QStringLiteral("成績ランダムファイル表示"))) << error->message.toStdString();
}

}  // namespace
}  // namespace tsubura
