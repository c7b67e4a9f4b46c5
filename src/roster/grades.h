#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

#include "shell/value.h"

namespace tsubura {

struct SharedState;

// The school year of `today`: the calendar year, or the year before while the month is below
// the start month (an unset or 0 start month never moves it).
int schoolYearOf(const QDate &today, const Value &schoolYearStartMonth);

// schoolYear - birthYear - 6: 0 is the last kindergarten year, 1..6 elementary, 7..9 junior high.
int gradeIndexOf(const SharedState &state, int birthYear);

std::optional<QString> fullGradeLabel(int gradeIndex);  // "幼３", "小１".."中３", "高１"
QString listGradeLabel(int gradeIndex);                 // "幼-", "幼1".."高3", "大+"
QString gradeMark(int gradeIndex);                      // "①".."⑥", "Ⅰ".."Ⅲ", else "　"
bool matchesGradeFilter(const QString &filterText, int gradeIndex);

// The grade filter's choices, in the order the windows list them.
const QStringList &gradeFilterChoices();

}  // namespace tsubura
