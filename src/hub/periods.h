#pragma once

#include <QDate>
#include <QDateTime>

namespace tsubura {

// How many days back the period selector reaches from `today`: 1 this week (Monday to today),
// 2 since last week's Monday, 3 a month, 4 a year, 5 everything; 0 for any other code.
int periodDays(int periodCode, const QDate &today);

// A run dated `recordDate` (serial day) belongs to a period of `days` days when its date is
// after now − days. Only the date counts, so on a Monday this week holds Monday's runs alone.
bool inPeriod(double recordDate, const QDateTime &now, int days);

}  // namespace tsubura
