#include "hub/periods.h"

#include "store/result_record.h"

namespace tsubura {

int periodDays(int periodCode, const QDate &today) {
    // Monday is 1 and Sunday 7: the days of this week so far, today included.
    const int weekSoFar = today.dayOfWeek();
    switch (periodCode) {
    case 1: return weekSoFar;
    case 2: return weekSoFar + 7;
    case 3: return 30;
    case 4: return 365;
    case 5: return 3650;
    default: return 0;
    }
}

bool inPeriod(double recordDate, const QDateTime &now, int days) {
    return recordDate > serialMoment(now) - days;
}

}  // namespace tsubura
