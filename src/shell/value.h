#pragma once

#include <QString>

namespace tsubura {

// Whatever a settings or criteria file delivered for an untyped column: a number,
// a text, or nothing. Nothing compares equal to 0 and to empty text and reads as 0.
class Value {
public:
    enum class Kind { Nothing, Number, Text };

    Value() = default;
    Value(double number);  // NOLINT: numbers assign naturally
    static Value text(const QString &text);
    // An item as a file gave it: numeric unquoted items become numbers, the rest text.
    // A number keeps its original spelling so that "0123" still reads back as "0123".
    static Value fromItem(const QString &item, bool quoted = false);

    Kind kind() const { return kind_; }
    bool isNothing() const { return kind_ == Kind::Nothing; }
    // Text that is not a number reads as 0.
    double toNumber() const;
    // The original spelling for file items, the shortest decimal for computed numbers.
    QString toText() const;

    bool operator==(const Value &other) const;

private:
    Kind kind_ = Kind::Nothing;
    double number_ = 0;
    QString text_;
};

// Shortest decimal text without leading space or thousands separators ("1.5", "16", "-3").
QString numberText(double number);
QString numberText(float number);

// Parses a decimal number as the files write it (optional sign, digits, optional fraction).
bool parseNumber(const QString &text, double *out);

}  // namespace tsubura
