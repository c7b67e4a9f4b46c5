#include "roster/grades.h"

#include <array>

#include "shell/shared_state.h"

namespace tsubura {

int schoolYearOf(const QDate &today, const Value &schoolYearStartMonth) {
    return today.month() < schoolYearStartMonth.toNumber() ? today.year() - 1 : today.year();
}

int gradeIndexOf(const SharedState &state, int birthYear) { return state.schoolYear - birthYear - 6; }

std::optional<QString> fullGradeLabel(int gradeIndex) {
    static const std::array<QString, 11> labels = {
        QStringLiteral("幼３"), QStringLiteral("小１"), QStringLiteral("小２"), QStringLiteral("小３"),
        QStringLiteral("小４"), QStringLiteral("小５"), QStringLiteral("小６"), QStringLiteral("中１"),
        QStringLiteral("中２"), QStringLiteral("中３"), QStringLiteral("高１")};
    if (gradeIndex < 0 || gradeIndex > 10) return std::nullopt;
    return labels[std::size_t(gradeIndex)];
}

QString listGradeLabel(int gradeIndex) {
    static const std::array<QString, 16> labels = {
        QStringLiteral("幼1"), QStringLiteral("幼2"), QStringLiteral("幼3"), QStringLiteral("小1"),
        QStringLiteral("小2"), QStringLiteral("小3"), QStringLiteral("小4"), QStringLiteral("小5"),
        QStringLiteral("小6"), QStringLiteral("中1"), QStringLiteral("中2"), QStringLiteral("中3"),
        QStringLiteral("高1"), QStringLiteral("高2"), QStringLiteral("高3"), QStringLiteral("大+")};
    if (gradeIndex <= -3) return QStringLiteral("幼-");
    if (gradeIndex >= 13) return labels.back();
    return labels[std::size_t(gradeIndex + 2)];
}

QString gradeMark(int gradeIndex) {
    static const std::array<QString, 9> marks = {
        QStringLiteral("①"), QStringLiteral("②"), QStringLiteral("③"), QStringLiteral("④"), QStringLiteral("⑤"),
        QStringLiteral("⑥"), QStringLiteral("Ⅰ"),  QStringLiteral("Ⅱ"),  QStringLiteral("Ⅲ")};
    if (gradeIndex < 1 || gradeIndex > 9) return QStringLiteral("　");
    return marks[std::size_t(gradeIndex - 1)];
}

bool matchesGradeFilter(const QString &filterText, int gradeIndex) {
    if (filterText == QStringLiteral("全学年")) return true;
    if (filterText == QStringLiteral("小学生全体")) return gradeIndex >= 1 && gradeIndex <= 6;
    if (filterText == QStringLiteral("中学生全体")) return gradeIndex >= 7 && gradeIndex <= 9;
    // A single year: "小１".."小６" and "中１".."中３" are exactly the full-width labels of 1..9.
    for (int index = 1; index <= 9; ++index)
        if (filterText == *fullGradeLabel(index)) return gradeIndex == index;
    return false;
}

const QStringList &gradeFilterChoices() {
    static const QStringList choices = {
        QStringLiteral("全学年"), QStringLiteral("中学生全体"), QStringLiteral("小学生全体"), QStringLiteral("中３"),
        QStringLiteral("中２"),   QStringLiteral("中１"),       QStringLiteral("小６"),       QStringLiteral("小５"),
        QStringLiteral("小４"),   QStringLiteral("小３"),       QStringLiteral("小２"),       QStringLiteral("小１"),
    };
    return choices;
}

}  // namespace tsubura
