#include <gtest/gtest.h>

#include "shell/calendar.h"

namespace tsubura {
namespace {

TEST(Calendar, DateLabelAcrossEras) {
    struct Case {
        QDate date;
        const char *label;
    } cases[] = {
        {QDate(2004, 5, 7), "平成16年 5月 07日（金）"},
        {QDate(2019, 4, 30), "平成31年 4月 30日（火）"},
        {QDate(2019, 5, 1), "令和1年 5月 01日（水）"},
        {QDate(2026, 12, 10), "令和8年 12月 10日（木）"},
        {QDate(1989, 1, 7), "昭和64年 1月 07日（土）"},
        {QDate(1989, 1, 8), "平成1年 1月 08日（日）"},
    };
    for (const Case &c : cases) EXPECT_EQ(dateLabelText(c.date), QString::fromUtf8(c.label));
}

TEST(Calendar, SeasonColours) {
    const std::uint32_t expected[] = {33023, 33023, 12648384, 12648384, 12648384, 12632064,
                                      12632064, 12632064, 16576, 16576, 16576, 12648384};
    for (int month = 1; month <= 12; ++month) EXPECT_EQ(seasonColourFor(month), expected[month - 1]) << month;
}

}  // namespace
}  // namespace tsubura
