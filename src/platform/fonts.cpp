#include "platform/fonts.h"

namespace tsubura {

void installFontSubstitutions() {
    QFont::insertSubstitution(kGothic, QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(kPGothic, QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(kMincho, QStringLiteral("IPAMincho"));
}

QFont designFont(const QString &family, bool bold, bool italic) {
    QFont font(family);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

}  // namespace tsubura
