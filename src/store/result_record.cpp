#include "store/result_record.h"

#include <bit>
#include <cmath>
#include <cstring>

#include "shell/text_file.h"

namespace tsubura {

namespace {

constexpr qint64 kMsecsPerDay = 86400LL * 1000;

QDate serialEpoch() { return QDate(1899, 12, 30); }

void putUnsigned(char *out, std::uint64_t value, int size) {
    for (int i = 0; i < size; ++i) out[i] = char((value >> (8 * i)) & 0xff);
}

// Exactly five bytes: longer fields are cut, shorter ones filled with `fill`.
void putField(char *out, const QByteArray &field, char fill) {
    const int n = int(std::min<qsizetype>(field.size(), 5));
    std::memcpy(out, field.constData(), std::size_t(n));
    std::memset(out + n, fill, std::size_t(5 - n));
}

}  // namespace

void packNumbers(char *bytes, const ResultNumbers &numbers) {
    putUnsigned(bytes + 0, std::bit_cast<std::uint64_t>(numbers.recordDate), 8);
    putUnsigned(bytes + 8, std::bit_cast<std::uint64_t>(numbers.recordClock), 8);
    putUnsigned(bytes + 16, std::uint16_t(numbers.studentNo), 2);
    putUnsigned(bytes + 18, std::uint16_t(numbers.level), 2);
    putUnsigned(bytes + 20, std::uint32_t(numbers.seconds), 4);
}

PackedRecord packRecord(const ResultRecord &record) {
    PackedRecord out{};
    packNumbers(out.data(), {record.recordDate, record.recordClock, record.studentNo, record.level, record.seconds});
    putField(out.data() + 24, record.schoolCode, ' ');
    putField(out.data() + 29, record.spareText, ' ');
    putField(out.data() + 34, record.pointsText, ' ');
    putField(out.data() + 39, record.spareBytes, '\0');
    return out;
}

ResultRecord unpackRecord(const char *bytes) {
    const ResultNumbers n = unpackNumbers(bytes);
    ResultRecord r;
    r.recordDate = n.recordDate;
    r.recordClock = n.recordClock;
    r.studentNo = n.studentNo;
    r.level = n.level;
    r.seconds = n.seconds;
    r.schoolCode = QByteArray(bytes + 24, 5);
    r.spareText = QByteArray(bytes + 29, 5);
    r.pointsText = QByteArray(bytes + 34, 5);
    r.spareBytes = QByteArray(bytes + 39, 5);
    return r;
}

ResultRecord makeResultRecord(const QDateTime &now, int studentNo, int level, std::int32_t seconds,
                              const QString &schoolCode) {
    ResultRecord r;
    r.recordDate = serialDayNumber(now.date());
    // Whole seconds, like the clock readings the stored times have always had.
    const QTime t = now.time();
    r.recordClock = dayFraction(QTime(t.hour(), t.minute(), t.second()));
    r.studentNo = std::int16_t(studentNo);
    r.level = std::int16_t(level);
    r.seconds = seconds;
    r.schoolCode = fiveByteField(schoolCode);
    return r;
}

QByteArray fiveByteField(const QString &text) {
    QByteArray out;
    out.reserve(5);
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype len = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) len = 2;
        // A character the code page lacks becomes "?", as the system's own conversion does.
        const QByteArray bytes = encodeWindows31j(text.mid(i, len)).value_or(QByteArray("?"));
        i += len - 1;
        if (out.size() + bytes.size() > 5) break;
        out += bytes;
    }
    while (out.size() < 5) out += ' ';
    return out;
}

double serialDayNumber(const QDate &date) { return double(serialEpoch().daysTo(date)); }

QDate dateFromSerialDay(double serial) { return serialEpoch().addDays(qint64(std::floor(serial))); }

double dayFraction(const QTime &time) { return double(time.msecsSinceStartOfDay()) / double(kMsecsPerDay); }

double serialMoment(const QDateTime &moment) {
    return serialDayNumber(moment.date()) + dayFraction(moment.time());
}

QTime timeFromDayFraction(double fraction) {
    if (!(fraction > 0)) return QTime(0, 0);
    // Nearest whole second; a value that rounds up to midnight stays at the day's last second.
    const double seconds = std::round(std::min(fraction, 1.0) * 86400.0);
    const int whole = std::min(int(seconds), 86399);
    return QTime::fromMSecsSinceStartOfDay(whole * 1000);
}

}  // namespace tsubura
