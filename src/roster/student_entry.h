#pragma once

#include <QString>
#include <cstdint>

namespace tsubura {

constexpr int kStudentSlots = 5001;  // student number 0..5000
constexpr int kNameFieldLength = 20;

// One roster line in memory. The three texts are fixed 20-character fields.
struct StudentEntry {
    std::int16_t number = 0;
    std::int16_t birthYear = 0;
    std::int16_t reserved1 = 0;
    std::int16_t reserved2 = 0;
    QString name;
    QString reservedText1;
    QString reservedText2;
};

// Left-aligned in exactly `width` characters: cut, or filled with spaces on the right.
QString fixedField(const QString &text, int width = kNameFieldLength);

}  // namespace tsubura
