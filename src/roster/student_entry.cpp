#include "roster/student_entry.h"

namespace tsubura {

QString fixedField(const QString &text, int width) {
    // Most reserved texts are empty: share one blank field instead of allocating each.
    if (text.isEmpty() && width == kNameFieldLength) {
        static const QString blank(kNameFieldLength, QLatin1Char(' '));
        return blank;
    }
    if (text.size() == width) return text;
    return text.leftJustified(width, QLatin1Char(' '), true);
}

}  // namespace tsubura
