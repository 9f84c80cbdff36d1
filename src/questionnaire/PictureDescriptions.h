#pragma once

#include <QString>

namespace quillon {

// What the sample picture of a trait variant shows and how its feature looks,
// for screen readers and the picture's tooltip. Empty when the variant has no
// picture or does not exist.
QString pictureDescription(const QString &traitId, int variantIndex);

// Rich text for a picture box's tooltip: the description above the picture at
// twice its size, so the detail that tells the variants apart can be seen.
// Empty when the variant has no picture.
QString pictureToolTip(const QString &traitId, int variantIndex);

} // namespace quillon
