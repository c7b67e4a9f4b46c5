#include "shell/calendar.h"

namespace tsubura {

std::uint32_t seasonColourFor(int month) {
    constexpr std::uint32_t orange = 33023, paleGreen = 12648384, teal = 12632064, rust = 16576;
    switch (month) {
    case 1: case 2: return orange;
    case 3: case 4: case 5: return paleGreen;
    case 6: case 7: case 8: return teal;
    case 9: case 10: case 11: return rust;
    default: return paleGreen;
    }
}

namespace {

struct Era {
    QDate start;
    const char *name;
};

// Newest first; a date before 明治 is written with the Western year.
const Era kEras[] = {
    {QDate(2019, 5, 1), "令和"},
    {QDate(1989, 1, 8), "平成"},
    {QDate(1926, 12, 25), "昭和"},
    {QDate(1912, 7, 30), "大正"},
    {QDate(1868, 9, 8), "明治"},
};

}  // namespace

QString dateLabelText(const QDate &date) {
    static const QString weekdays = QStringLiteral("月火水木金土日");
    QString era;
    int year = date.year();
    for (const Era &e : kEras) {
        if (date >= e.start) {
            era = QString::fromUtf8(e.name);
            year = date.year() - e.start.year() + 1;
            break;
        }
    }
    return QStringLiteral("%1%2年 %3月 %4日（%5）")
        .arg(era)
        .arg(year)
        .arg(date.month())
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(weekdays[date.dayOfWeek() - 1]);
}

int minutesSinceLogin(const QDateTime &loginMoment, std::int32_t loginSeconds, const QDateTime &now) {
    QDateTime login = loginMoment;
    if (!login.isValid()) login = QDateTime(now.date(), QTime(0, 0)).addSecs(loginSeconds);
    return int(login.secsTo(now) / 60);
}

}  // namespace tsubura
