#include "evaluation/messages.h"

#include "shell/value.h"

namespace tsubura {

QString entryFieldsText(const EntryFields &entry) {
    return QStringLiteral("/date") + numberText(entry.date) + QStringLiteral("/i=") + QString::number(entry.index) +
           QStringLiteral("/time=") + numberText(entry.clock) + QStringLiteral("/name=") +
           QStringLiteral("/Bangou=") + QString::number(entry.student) + QStringLiteral("/level=") +
           QString::number(entry.level) + QStringLiteral("/time=") + QString::number(entry.seconds);
}

}  // namespace tsubura
