#pragma once

#include <QImage>
#include <QList>

namespace assetgen {

// Window icon sizes; the 32 x 32 one is also stored with a 256-colour palette.
QList<int> iconSizes();
QImage drawIcon(int size);
// Reduces an image to at most 256 colours (median cut) as an indexed image.
QImage toIndexed256(const QImage &image);

// The 32 x 32 pointing-hand pointers, index finger up.
QImage drawPointerShaded();
QImage drawPointerBlackWhite();

} // namespace assetgen
