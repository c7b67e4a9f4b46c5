#include "shell/value.h"

#include <charconv>
#include <cmath>

namespace tsubura {

Value::Value(double number) : kind_(Kind::Number), number_(number) {}

Value Value::text(const QString &text) {
    Value v;
    v.kind_ = Kind::Text;
    v.text_ = text;
    return v;
}

Value Value::fromItem(const QString &item, bool quoted) {
    if (item.isEmpty() && !quoted) return Value();
    double n = 0;
    if (!quoted && parseNumber(item, &n)) {
        Value v(n);
        v.text_ = item;
        return v;
    }
    return text(item);
}

double Value::toNumber() const {
    switch (kind_) {
    case Kind::Nothing: return 0;
    case Kind::Number: return number_;
    case Kind::Text: {
        double n = 0;
        return parseNumber(text_.trimmed(), &n) ? n : 0;
    }
    }
    return 0;
}

QString Value::toText() const {
    switch (kind_) {
    case Kind::Nothing: return QString();
    case Kind::Number: return text_.isEmpty() ? numberText(number_) : text_;
    case Kind::Text: return text_;
    }
    return QString();
}

bool Value::operator==(const Value &other) const {
    if (kind_ == Kind::Text || other.kind_ == Kind::Text) return toText() == other.toText();
    return toNumber() == other.toNumber();
}

namespace {
template <typename F>
QString shortest(F number) {
    if (number == 0) return QStringLiteral("0");  // also turns -0 into "0"
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, number);
    if (ec != std::errc()) return QString::number(static_cast<double>(number));
    QString s = QString::fromLatin1(buffer, end - buffer);
    // to_chars may choose exponent form for large or tiny values; files want plain decimals.
    if (s.contains(QLatin1Char('e')))
        s = QString::number(static_cast<double>(number), 'f', std::is_same_v<F, float> ? 7 : 15);
    if (s.contains(QLatin1Char('.')) && !s.contains(QLatin1Char('e'))) {
        while (s.endsWith(QLatin1Char('0'))) s.chop(1);
        if (s.endsWith(QLatin1Char('.'))) s.chop(1);
    }
    return s;
}
}  // namespace

QString numberText(double number) { return shortest(number); }
QString numberText(float number) { return shortest(number); }

bool parseNumber(const QString &text, double *out) {
    if (text.isEmpty()) return false;
    int i = 0;
    const int n = int(text.size());
    if (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')) ++i;
    int digits = 0;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) { ++i; ++digits; }
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) { ++i; ++digits; }
    }
    if (digits == 0 || i != n) return false;
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || !std::isfinite(v)) return false;
    *out = v;
    return true;
}

}  // namespace tsubura
