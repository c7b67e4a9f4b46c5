#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <cstdint>

namespace tsubura {

// Window background of the month, red in the low byte: orange in winter, pale green in spring
// and December, teal in summer, rust in autumn.
std::uint32_t seasonColourFor(int month);

// "ggge年 m月 dd日（aaa）": 平成16年 5月 07日（金）.
QString dateLabelText(const QDate &date);

// Whole minutes from the login to `now`, counted from the login's date and time so a session
// that runs past midnight keeps counting up. Without a login moment, the login's seconds since
// midnight are taken as today's.
int minutesSinceLogin(const QDateTime &loginMoment, std::int32_t loginSeconds, const QDateTime &now);

}  // namespace tsubura
