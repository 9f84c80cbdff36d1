#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QPoint>
#include <QString>

#include <functional>

namespace quillon {

// Hot spot of the pointing-hand pointers: the tip of the index finger in the
// 32 x 32 pointer images. The asset generator draws the finger tip here.
inline constexpr int kLinkPointerSize = 32;
inline constexpr int kLinkPointerHotSpotX = 12;
inline constexpr int kLinkPointerHotSpotY = 1;

// Makes the pictures compiled into the program available under ":/".
// Safe to call more than once.
void initAssets();

// An icon whose pictures `make` gives the first time anything asks the icon for them; until
// then it costs nothing. It answers as the icon `make` returns.
QIcon iconMadeOnUse(std::function<QIcon()> make);

// The window icon (16 to 64 pixels), and its 32 x 32 picture alone. On a dense screen the
// picture is taken from a larger drawing of the icon, so it stays sharp at 32 x 32 points.
QIcon applicationIcon();
QPixmap applicationIconPixmap(qreal devicePixelRatio = 1.0);

// Pointing hand shown over links: shaded, and a pure black-and-white one for
// displays with few colours.
QCursor linkPointer();
QCursor linkPointerBlackWhite();
QPoint linkPointerHotSpot();

// Resource path of the sample picture of a trait variant (the @2x one when
// `doubleSize`), or an empty string when that variant has no picture.
QString samplePicturePath(const QString &traitId, int variantIndex, bool doubleSize);

} // namespace quillon
