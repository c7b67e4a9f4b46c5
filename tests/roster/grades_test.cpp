#include "roster/grades.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "roster/student_entry.h"
#include "shell/shared_state.h"

namespace tsubura {
namespace {

struct GradeCase {
    int index;
    const char *full;  // nullptr: no full-width label
    const char *list;
    const char *mark;
};

TEST(Grades, LabelsAndMarksOverEveryBand) {
    const GradeCase cases[] = {
        {-7, nullptr, "幼-", "　"}, {-3, nullptr, "幼-", "　"}, {-2, nullptr, "幼1", "　"},
        {-1, nullptr, "幼2", "　"}, {0, "幼３", "幼3", "　"},    {1, "小１", "小1", "①"},
        {4, "小４", "小4", "④"},    {6, "小６", "小6", "⑥"},    {7, "中１", "中1", "Ⅰ"},
        {9, "中３", "中3", "Ⅲ"},    {10, "高１", "高1", "　"},   {11, nullptr, "高2", "　"},
        {12, nullptr, "高3", "　"}, {13, nullptr, "大+", "　"}, {40, nullptr, "大+", "　"},
    };
    for (const GradeCase &c : cases) {
        SCOPED_TRACE(c.index);
        const std::optional<QString> full = fullGradeLabel(c.index);
        if (c.full)
            EXPECT_EQ(full, QString::fromUtf8(c.full));
        else
            EXPECT_FALSE(full.has_value());
        EXPECT_EQ(listGradeLabel(c.index), QString::fromUtf8(c.list));
        EXPECT_EQ(gradeMark(c.index), QString::fromUtf8(c.mark));
    }
}

TEST(Grades, FilterLetsThroughExactlyItsIndices) {
    struct FilterCase {
        const char *filter;
        std::vector<int> passes;  // out of -1..13
    };
    const FilterCase cases[] = {
        {"全学年", {-1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
        {"小学生全体", {1, 2, 3, 4, 5, 6}},
        {"中学生全体", {7, 8, 9}},
        {"小１", {1}},
        {"小６", {6}},
        {"中２", {8}},
        {"高１", {}},
        {"幼３", {}},
        {"小1", {}},  // half-width digit: not a filter text
        {"", {}},
        {"全学年 ", {}},
    };
    for (const FilterCase &c : cases) {
        for (int index = -1; index <= 13; ++index) {
            const bool expected = std::find(c.passes.begin(), c.passes.end(), index) != c.passes.end();
            EXPECT_EQ(matchesGradeFilter(QString::fromUtf8(c.filter), index), expected)
                << "filter " << c.filter << " index " << index;
        }
    }
}

TEST(Grades, SchoolYearTurnsAtTheStartMonth) {
    struct YearCase {
        QDate today;
        Value startMonth;
        int schoolYear;
    };
    const YearCase cases[] = {
        {QDate(2005, 3, 31), Value(4), 2004},
        {QDate(2005, 4, 1), Value(4), 2005},
        {QDate(2005, 1, 1), Value(4), 2004},
        {QDate(2005, 12, 31), Value(4), 2005},
        {QDate(2005, 1, 1), Value(), 2005},
        {QDate(2005, 1, 1), Value(0), 2005},
        {QDate(2005, 8, 31), Value::fromItem(QStringLiteral("9")), 2004},
        {QDate(2005, 9, 1), Value::text(QStringLiteral("9")), 2005},
    };
    for (const YearCase &c : cases)
        EXPECT_EQ(schoolYearOf(c.today, c.startMonth), c.schoolYear) << c.today.toString(Qt::ISODate).toStdString();
}

TEST(Grades, GradeIndexFollowsTheSchoolYear) {
    SharedState state;
    state.schoolYear = schoolYearOf(QDate(2005, 3, 10), Value(4));
    EXPECT_EQ(gradeIndexOf(state, 1997), 1);
    state.schoolYear = schoolYearOf(QDate(2005, 4, 10), Value(4));
    EXPECT_EQ(gradeIndexOf(state, 1997), 2);
}

TEST(StudentEntry, FixedFieldCutsOrPads) {
    EXPECT_EQ(fixedField(QStringLiteral("山田")), QStringLiteral("山田") + QString(18, QLatin1Char(' ')));
    EXPECT_EQ(fixedField(QStringLiteral("あいうえおかきくけこさしすせそたちつてとなにぬねの")),
              QStringLiteral("あいうえおかきくけこさしすせそたちつてと"));
    EXPECT_EQ(fixedField(QString()), QString(20, QLatin1Char(' ')));
    EXPECT_EQ(fixedField(QStringLiteral("abc"), 5), QStringLiteral("abc  "));
}

}  // namespace
}  // namespace tsubura
