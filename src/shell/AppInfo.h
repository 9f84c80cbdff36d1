#pragma once

#include <QString>

namespace quillon {

// The caption of every message box.
inline QString applicationTitle() { return QStringLiteral("Quillon"); }
// The caption of every window.
inline QString windowCaption() { return QStringLiteral("Quillon v1.40"); }

} // namespace quillon
