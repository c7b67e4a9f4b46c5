#include <gtest/gtest.h>

#include "shell/text_file.h"
#include "store/result_record.h"

namespace tsubura {
namespace {

QByteArray sjis(const QString &text) { return encodeWindows31j(text).value(); }

TEST(ResultRecord, PacksTheFieldsLittleEndianAtTheirOffsets) {
    const ResultRecord record =
        makeResultRecord(QDateTime(QDate(2024, 4, 1), QTime(18, 0, 0)), 1234, 7, 99999, QStringLiteral("ab"));
    const PackedRecord packed = packRecord(record);

    const QByteArray expected = QByteArray::fromHex("00000000e028e640"   // 45383.0: 1 April 2024
                                                    "000000000000e83f"   // 0.75: 18:00
                                                    "d204"               // student 1234
                                                    "0700"               // level 7
                                                    "9f860100")          // 99999 s
                                + QByteArray("ab   ") + QByteArray("     ") + QByteArray("0    ") +
                                QByteArray(5, '\0');
    ASSERT_EQ(expected.size(), kRecordSize);
    EXPECT_EQ(QByteArray(packed.data(), kRecordSize).toHex(), expected.toHex());
}

TEST(ResultRecord, UnpackReversesPackIncludingNegativeAndSignedFields) {
    ResultRecord r;
    r.recordDate = -3;
    r.recordClock = 0.123456789;
    r.studentNo = -2;
    r.level = 35;
    r.seconds = -7;
    r.schoolCode = sjis(QStringLiteral("ｱｲｳｴｵ"));
    r.spareBytes = QByteArray("\x01\x02\x03\x04\x05");
    const PackedRecord packed = packRecord(r);
    const ResultRecord back = unpackRecord(packed.data());
    EXPECT_EQ(back.recordDate, r.recordDate);
    EXPECT_EQ(back.recordClock, r.recordClock);
    EXPECT_EQ(back.studentNo, -2);
    EXPECT_EQ(back.level, 35);
    EXPECT_EQ(back.seconds, -7);
    EXPECT_EQ(back.schoolCode, r.schoolCode);
    EXPECT_EQ(back.spareBytes, r.spareBytes);
}

TEST(ResultRecord, FieldsOfTheWrongLengthAreCutOrPaddedToFiveBytes) {
    ResultRecord r;
    r.spareText = "toolongtext";
    r.spareBytes = QByteArray("\x09", 1);
    const PackedRecord packed = packRecord(r);
    EXPECT_EQ(QByteArray(packed.data() + 29, 5), QByteArray("toolo"));
    EXPECT_EQ(QByteArray(packed.data() + 39, 5), QByteArray("\x09\0\0\0\0", 5));
}

TEST(ResultRecord, FiveByteFieldNeverSplitsADoubleByteCharacter) {
    const struct {
        QString text;
        QByteArray expected;
    } cases[] = {
        {QString(), "     "},
        {QStringLiteral("12345"), "12345"},
        {QStringLiteral("123456"), "12345"},
        {QStringLiteral("あいう"), sjis(QStringLiteral("あい")) + " "},
        {QStringLiteral("aあいう"), sjis(QStringLiteral("aあい"))},
        {QStringLiteral("ｱｲｳｴｵｶ"), sjis(QStringLiteral("ｱｲｳｴｵ"))},
        {QStringLiteral("★①"), sjis(QStringLiteral("★①")) + " "},
        {QStringLiteral("a\U0001F600b"), "a?b  "},  // not in the code page
    };
    for (const auto &c : cases) {
        const QByteArray field = fiveByteField(c.text);
        EXPECT_EQ(field.size(), 5) << c.text.toStdString();
        EXPECT_EQ(field, c.expected) << c.text.toStdString();
    }
}

TEST(ResultRecord, SerialDaysCountFromThe30thOfDecember1899) {
    EXPECT_EQ(serialDayNumber(QDate(1899, 12, 30)), 0);
    EXPECT_EQ(serialDayNumber(QDate(1900, 3, 1)), 61);
    EXPECT_EQ(serialDayNumber(QDate(2024, 4, 1)), 45383);
    EXPECT_EQ(serialDayNumber(QDate(1899, 12, 29)), -1);
    EXPECT_EQ(dateFromSerialDay(45383), QDate(2024, 4, 1));
    EXPECT_EQ(dateFromSerialDay(45383.99), QDate(2024, 4, 1));
    EXPECT_EQ(serialMoment(QDateTime(QDate(2024, 4, 1), QTime(6, 0))), 45383.25);
}

TEST(ResultRecord, ClockIsTheFractionOfTheDayInWholeSeconds) {
    EXPECT_EQ(dayFraction(QTime(12, 0)), 0.5);
    const ResultRecord r = makeResultRecord(QDateTime(QDate(2024, 4, 1), QTime(9, 30, 15, 999)), 1, 1, 20, {});
    EXPECT_EQ(r.recordClock, dayFraction(QTime(9, 30, 15)));
    EXPECT_EQ(timeFromDayFraction(r.recordClock), QTime(9, 30, 15));
    EXPECT_EQ(timeFromDayFraction(0.9999999), QTime(23, 59, 59));
    EXPECT_EQ(timeFromDayFraction(0), QTime(0, 0));
}

}  // namespace
}  // namespace tsubura
