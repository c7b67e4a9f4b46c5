#pragma once

#include <QString>

namespace tsubura {

// The marks around a name in the hub's lists: the current student stands between two of these.
inline const QString kCurrentMark = QStringLiteral("●");
inline const QString kBlankMark = QStringLiteral("　");

}  // namespace tsubura
