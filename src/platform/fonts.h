#pragma once

#include <QFont>
#include <QString>

namespace tsubura {

// The windows name the Windows fonts; on other systems the IPA fonts stand in for them
// (IPAGothic is fixed-pitch, which the name list's columns need).
void installFontSubstitutions();

inline const QString kGothic = QStringLiteral("ＭＳ ゴシック");
inline const QString kPGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString kMincho = QStringLiteral("ＭＳ 明朝");

QFont designFont(const QString &family, bool bold = false, bool italic = false);

}  // namespace tsubura
