#include "hub/periods.h"

#include <gtest/gtest.h>

#include "store/result_record.h"

namespace tsubura {
namespace {

const QDate kSunday(2024, 5, 12);
const QDate kMonday(2024, 5, 13);
const QDate kWednesday(2024, 5, 15);

TEST(Periods, DaysOfEachCodeCountTheWeekFromMonday) {
    const struct {
        int code;
        QDate today;
        int days;
    } cases[] = {
        {1, kSunday, 7},     {2, kSunday, 14},   {1, kMonday, 1}, {2, kMonday, 8},
        {1, kWednesday, 3},  {2, kWednesday, 10}, {3, kMonday, 30}, {4, kSunday, 365},
        {5, kWednesday, 3650}, {0, kMonday, 0},   {6, kMonday, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(periodDays(c.code, c.today), c.days) << c.code << " on " << c.today.toString().toStdString();
}

TEST(Periods, ARunBelongsWhenItsDateIsAfterNowLessTheDays) {
    const struct {
        QDateTime now;
        int days;
        QDate runDate;
        bool in;
    } cases[] = {
        // This week on a Monday is Monday alone, even late on Sunday.
        {QDateTime(kMonday, QTime(10, 0)), 1, kMonday, true},
        {QDateTime(kMonday, QTime(10, 0)), 1, kSunday, false},
        // On a Sunday it reaches back to Monday.
        {QDateTime(kSunday, QTime(10, 0)), 7, QDate(2024, 5, 6), true},
        {QDateTime(kSunday, QTime(10, 0)), 7, QDate(2024, 5, 5), false},
        // At midnight the first day of the window equals now − days: not after it.
        {QDateTime(kMonday, QTime(0, 0)), 1, kSunday, false},
        {QDateTime(kMonday, QTime(0, 0)), 1, kMonday, true},
        {QDateTime(kMonday, QTime(0, 0)), 0, kMonday, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(inPeriod(serialDayNumber(c.runDate), c.now, c.days), c.in)
            << c.now.toString().toStdString() << " / " << c.days << " / " << c.runDate.toString().toStdString();
}

}  // namespace
}  // namespace tsubura
