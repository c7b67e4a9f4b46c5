#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <stdexcept>

namespace tsubura::data_tool {

// A usage mistake: the message goes to standard error with exit status 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A missing file or unreadable data: one line on standard error, exit status 3.
struct DataError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// "--name value" options after the command word.
class Options {
public:
    Options(const QStringList &arguments, const QStringList &known);
    std::optional<QString> value(const QString &name) const;
    QString valueOr(const QString &name, const QString &fallback) const;
    int integer(const QString &name, int low, int high) const;  // required
    // --now YYYY-MM-DDTHH:MM:SS, or the clock.
    QDateTime now() const;

private:
    std::map<QString, QString> values_;
};

// Writes UTF-8 text to standard output.
void print(const QString &text);

}  // namespace tsubura::data_tool
