#include "roster/student_entry.h"

namespace tsubura {

QString fixedField(const QString &text, int width) {
    return text.leftJustified(width, QLatin1Char(' '), true);
}

}  // namespace tsubura
