#pragma once

#include <QDate>
#include <QString>
#include <cstdint>

namespace tsubura {

// Window background of the month, red in the low byte: orange in winter, pale green in spring
// and December, teal in summer, rust in autumn.
std::uint32_t seasonColourFor(int month);

// "ggge年 m月 dd日（aaa）": 平成16年 5月 07日（金）.
QString dateLabelText(const QDate &date);

}  // namespace tsubura
