#pragma once

#include <QString>

namespace tsubura {

// The text without its leading and trailing ASCII spaces. Only those pad a roster name; a
// full-width space inside or around a name is part of it.
QString trimSpaces(const QString &text);

}  // namespace tsubura
