#include "command_line.h"

#include <cstdio>

namespace tsubura::data_tool {

Options::Options(const QStringList &arguments, const QStringList &known) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &name = arguments[i];
        if (!known.contains(name)) throw UsageError("unknown option: " + name.toStdString());
        if (i + 1 >= arguments.size()) throw UsageError("option " + name.toStdString() + " needs a value");
        values_[name] = arguments[++i];
    }
}

std::optional<QString> Options::value(const QString &name) const {
    const auto it = values_.find(name);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

QString Options::valueOr(const QString &name, const QString &fallback) const { return value(name).value_or(fallback); }

int Options::integer(const QString &name, int low, int high) const {
    const std::optional<QString> text = value(name);
    if (!text) throw UsageError(name.toStdString() + " is required");
    bool ok = false;
    const int number = text->toInt(&ok);
    if (!ok || number < low || number > high)
        throw UsageError(name.toStdString() + " must be a whole number from " + std::to_string(low) + " to " +
                         std::to_string(high));
    return number;
}

QDateTime Options::now() const {
    const std::optional<QString> text = value(QStringLiteral("--now"));
    if (!text) return QDateTime::currentDateTime();
    const QDateTime moment = QDateTime::fromString(*text, QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
    if (!moment.isValid()) throw UsageError("--now must be YYYY-MM-DDTHH:MM:SS, not " + text->toStdString());
    return moment;
}

void print(const QString &text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
}

}  // namespace tsubura::data_tool
