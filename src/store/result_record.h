#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <array>
#include <bit>
#include <cstring>
#include <cstdint>

namespace tsubura {

constexpr int kRecordSize = 44;
using PackedRecord = std::array<char, kRecordSize>;

// One run of the results file: 44 bytes, little-endian, no padding.
struct ResultRecord {
    double recordDate = 0;   // serial day number: whole days since 30 December 1899
    double recordClock = 0;  // time of day as a fraction of a day, 0 <= value < 1
    std::int16_t studentNo = 0;
    std::int16_t level = 0;
    std::int32_t seconds = 0;
    QByteArray schoolCode = QByteArray(5, ' ');   // Shift-JIS bytes, exactly five
    QByteArray spareText = QByteArray(5, ' ');
    QByteArray pointsText = QByteArray("0    ");
    QByteArray spareBytes = QByteArray(5, '\0');
};

// Field by field, never by copying a struct.
PackedRecord packRecord(const ResultRecord &record);
ResultRecord unpackRecord(const char *bytes);

// The numeric fields alone (offsets 0 to 23), for readers that scan many records.
struct ResultNumbers {
    double recordDate = 0;
    double recordClock = 0;
    std::int16_t studentNo = 0;
    std::int16_t level = 0;
    std::int32_t seconds = 0;
};
inline ResultNumbers unpackNumbers(const char *bytes);
void packNumbers(char *bytes, const ResultNumbers &numbers);

// The record the program appends for a finished run, stamped with `now` (one clock reading).
ResultRecord makeResultRecord(const QDateTime &now, int studentNo, int level, std::int32_t seconds,
                              const QString &schoolCode);

// A text cut or padded with spaces to exactly five Shift-JIS bytes, never splitting a character.
QByteArray fiveByteField(const QString &text);

double serialDayNumber(const QDate &date);
QDate dateFromSerialDay(double serial);
double dayFraction(const QTime &time);
// A moment as a serial day number with its fraction, as the period tests compare it.
double serialMoment(const QDateTime &moment);
QTime timeFromDayFraction(double fraction);

namespace detail {
// One little-endian field; a single load on a little-endian machine.
template <typename U>
U loadLittleEndian(const char *in) {
    if constexpr (std::endian::native == std::endian::little) {
        U value;
        std::memcpy(&value, in, sizeof value);
        return value;
    } else {
        U value = 0;
        for (std::size_t i = 0; i < sizeof(U); ++i) value |= U(U(static_cast<unsigned char>(in[i])) << (8 * i));
        return value;
    }
}
}  // namespace detail

// Inline: the loader calls it for every record of the file.
inline ResultNumbers unpackNumbers(const char *bytes) {
    ResultNumbers n;
    n.recordDate = std::bit_cast<double>(detail::loadLittleEndian<std::uint64_t>(bytes + 0));
    n.recordClock = std::bit_cast<double>(detail::loadLittleEndian<std::uint64_t>(bytes + 8));
    n.studentNo = std::bit_cast<std::int16_t>(detail::loadLittleEndian<std::uint16_t>(bytes + 16));
    n.level = std::bit_cast<std::int16_t>(detail::loadLittleEndian<std::uint16_t>(bytes + 18));
    n.seconds = std::bit_cast<std::int32_t>(detail::loadLittleEndian<std::uint32_t>(bytes + 20));
    return n;
}

}  // namespace tsubura
