#include "AppAssets.h"

#include <QFile>

using namespace Qt::StringLiterals;

// Q_INIT_RESOURCE declares a function at the point of use, so it has to be
// expanded outside any namespace.
static void registerAssetResources()
{
    Q_INIT_RESOURCE(assets);
    Q_INIT_RESOURCE(fonts);
}

namespace quillon {

void initAssets()
{
    static const bool registered = [] {
        registerAssetResources();
        return true;
    }();
    Q_UNUSED(registered);
}

QIcon applicationIcon()
{
    // Decoded once: every window gets the icon, and the pictures never change. A window's
    // title bar and task switcher need no more than 64 pixels; the larger sizes are for the
    // desktop's menus, which take them from the installed icon theme, and decoding them
    // would only delay the first window.
    static const QIcon icon = [] {
        initAssets();
        QIcon decoded;
        for (int size : {16, 32, 48, 64})
            decoded.addFile(u":/icons/quillon-%1.png"_s.arg(size), QSize(size, size));
        return decoded;
    }();
    return icon;
}

QPixmap applicationIconPixmap(qreal devicePixelRatio)
{
    initAssets();
    constexpr int logicalSize = 32;
    const int wanted = qRound(logicalSize * qMax(devicePixelRatio, 1.0));
    // The smallest drawing at least as large as needed; scaled down only between drawn sizes.
    int source = 256;
    for (int size : {32, 48, 64, 128, 256}) {
        if (size >= wanted) {
            source = size;
            break;
        }
    }
    QPixmap picture(u":/icons/quillon-%1.png"_s.arg(source));
    if (picture.width() != wanted)
        picture = picture.scaled(wanted, wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(qreal(wanted) / logicalSize);
    return picture;
}

QPoint linkPointerHotSpot()
{
    return QPoint(kLinkPointerHotSpotX, kLinkPointerHotSpotY);
}

QCursor linkPointer()
{
    initAssets();
    return QCursor(QPixmap(u":/cursors/hand-shaded.png"_s), kLinkPointerHotSpotX, kLinkPointerHotSpotY);
}

QCursor linkPointerBlackWhite()
{
    initAssets();
    return QCursor(QPixmap(u":/cursors/hand-bw.png"_s), kLinkPointerHotSpotX, kLinkPointerHotSpotY);
}

QString samplePicturePath(const QString &traitId, int variantIndex, bool doubleSize)
{
    initAssets();
    if (traitId.isEmpty() || variantIndex < 0 || traitId.contains(u'/'))
        return {};
    const QString path = u":/samples/%1_%2%3.jpg"_s.arg(traitId, QString::number(variantIndex),
                                                                 doubleSize ? u"@2x"_s : QString());
    return QFile::exists(path) ? path : QString();
}

} // namespace quillon
