#include "hub/ranking_lines.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include "roster/student_entry.h"
#include "shell/shared_state.h"

namespace tsubura {
namespace {

constexpr int kLevel = 3;

struct Student {
    int number;
    const char *name;
    int birthYear;  // school year 2005: 1997 → ②, 1998 → ①, 1992 → Ⅰ, 1990 → Ⅲ, 1985 → none
    std::int32_t best;
    std::int32_t today;
    std::int32_t total;
};

// A roster as the loader leaves it: names in 20-character fields, in roster order.
std::unique_ptr<SharedState> stateWith(const std::vector<Student> &students) {
    auto state = std::make_unique<SharedState>();
    state->schoolYear = 2005;
    state->bestTime.fill(kNoTime);
    int position = 0;
    for (const Student &s : students) {
        state->rosterNumbers[std::size_t(++position)] = s.number;
        state->rosterNames[std::size_t(s.number)] = fixedField(QString::fromUtf8(s.name));
        state->rosterBirthYears[std::size_t(s.number)] = std::int16_t(s.birthYear);
        state->bestTime(kLevel, s.number) = s.best;
        state->todayPoints(kLevel, s.number) = s.today;
        state->totalPoints(kLevel, s.number) = s.total;
    }
    state->rosterCount = position;
    return state;
}

const std::vector<Student> kClass = {
    {10, "山田", 1997, 45, 5, 100},
    {20, "佐藤花子", 1998, 30, 0, 120},
    {30, "高橋", 1992, 45, 8, 100},
    {40, "長い名前の生徒", 1990, kNoTime, 0, 0},
    {50, "鈴木", 1985, 99998, 5, 100},
};

QStringList expected(std::initializer_list<const char *> lines) {
    QStringList out;
    for (const char *line : lines) out << QString::fromUtf8(line);
    return out;
}

TEST(RankingLines, TimeViewSharesRanksForEqualTimesAndPutsStudentsWithoutARunLast) {
    const auto state = stateWith(kClass);
    EXPECT_EQ(rankingLines(*state, kLevel, RankingView::Time, 30, QStringLiteral("全学年")),
              expected({
                  " 1①佐藤花子　    30 　",
                  " 2②山田　　　    45 　",
                  " 2●高橋　　　    45 ●",
                  " 4　鈴木　　　*失敗* 　",
                  "--Ⅲ長い名前の------ 　",
              }));
}

TEST(RankingLines, GradeFilterSkipsStudentsWhoKeepTheirRankPositions) {
    const auto state = stateWith(kClass);
    EXPECT_EQ(rankingLines(*state, kLevel, RankingView::Time, 0, QStringLiteral("中学生全体")),
              expected({" 2Ⅰ高橋　　　    45 　", "--Ⅲ長い名前の------ 　"}));
    EXPECT_EQ(rankingLines(*state, kLevel, RankingView::PointsTotal, 0, QStringLiteral("小１")),
              expected({" 1①佐藤花子　  0/  120"}));
    EXPECT_TRUE(rankingLines(*state, kLevel, RankingView::Time, 0, QStringLiteral("高１")).isEmpty());
}

TEST(RankingLines, PointsViewsOrderByPrimaryThenSecondaryAndRankByPrimary) {
    auto students = kClass;
    students.push_back({60, "伊藤", 1997, kNoTime, -1, 90});  // a negative day, ranked after the zeros
    const auto state = stateWith(students);

    EXPECT_EQ(rankingLines(*state, kLevel, RankingView::PointsTotal, 30, QStringLiteral("全学年")),
              expected({
                  " 1①佐藤花子　  0/  120",
                  " 2●高橋　　　  8/  100",
                  " 2②山田　　　  5/  100",
                  " 2　鈴木　　　  5/  100",
                  " 5②伊藤　　　 -1/   90",
                  " 6Ⅲ長い名前の  0/    0",
              }));
    // Today's order lists only students with points today; the others still take rank 4 and 5.
    EXPECT_EQ(rankingLines(*state, kLevel, RankingView::PointsToday, 30, QStringLiteral("全学年")),
              expected({
                  " 1●高橋　　　  8/  100",
                  " 2②山田　　　  5/  100",
                  " 2　鈴木　　　  5/  100",
                  " 6②伊藤　　　 -1/   90",
              }));
}

TEST(RankingLines, PointsOrderHoldsAtTheEndsOfTheInt32Range) {
    constexpr auto lo = std::numeric_limits<std::int32_t>::min();
    constexpr auto hi = std::numeric_limits<std::int32_t>::max();
    const auto state = stateWith({
        {1, "A", 1985, kNoTime, hi, lo},
        {2, "B", 1985, kNoTime, lo, hi},
        {3, "C", 1985, kNoTime, hi, hi},
        {4, "D", 1985, kNoTime, lo, lo},
    });
    QStringList names;
    for (const QString &line : rankingLines(*state, kLevel, RankingView::PointsTotal, 0, QStringLiteral("全学年")))
        names << line.mid(3, 1);
    EXPECT_EQ(names, (QStringList{"C", "B", "A", "D"}));
    names.clear();
    for (const QString &line : rankingLines(*state, kLevel, RankingView::PointsToday, 0, QStringLiteral("全学年")))
        names << line.mid(3, 1);
    EXPECT_EQ(names, (QStringList{"C", "A", "B", "D"}));
}

TEST(RankingLines, RanksBeyond99ShowTheirLastTwoDigitsAndTheRosterIsNotCappedAt2000) {
    std::vector<Student> students;
    for (int i = 1; i <= 2500; ++i) students.push_back({i, "生徒", 1997, i, 0, 0});
    const auto state = stateWith(students);
    const QStringList lines = rankingLines(*state, kLevel, RankingView::Time, 0, QStringLiteral("全学年"));
    ASSERT_EQ(lines.size(), 2500);
    EXPECT_EQ(lines[8], QString::fromUtf8(" 9②生徒　　　     9 　"));
    EXPECT_EQ(lines[99], QString::fromUtf8("00②生徒　　　   100 　"));
    EXPECT_EQ(lines[2499], QString::fromUtf8("00②生徒　　　  2500 　"));
}

TEST(RankingLines, NumberFieldsPadOnTheLeftAndKeepTheLastCharacters) {
    struct Case {
        const char *text;
        int width;
        const char *field;
    };
    const Case cases[] = {
        {"1", 2, " 1"}, {"100", 2, "00"}, {"", 3, "   "}, {"-5", 3, " -5"}, {"123456", 5, "23456"}, {"12秒", 5, "  12秒"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(rightAligned(QString::fromUtf8(c.text), c.width), QString::fromUtf8(c.field)) << c.text;
}

}  // namespace
}  // namespace tsubura
