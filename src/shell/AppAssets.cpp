#include "AppAssets.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QImageReader>

using namespace Qt::StringLiterals;

// Q_INIT_RESOURCE declares a function at the point of use, so it has to be
// expanded outside any namespace.
static void registerAssetResources()
{
    Q_INIT_RESOURCE(assets);
    Q_INIT_RESOURCE(fonts);
}

namespace quillon {

namespace {

// A PNG picture from the resources, read by Qt's own PNG reader. Left to detect the format,
// a reader first asks every image format plugin whether it can read the picture, loading
// each plugin it has not loaded yet.
QPixmap decodePng(const QString &path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace

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
            decoded.addPixmap(decodePng(u":/icons/quillon-%1.png"_s.arg(size)));
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

namespace {

// Every link label carries one of the two pointers; each is decoded and masked once while the
// application lives, and the labels share it. The cache goes with the application object.
QCursor pointerFrom(const QString &path)
{
    static QHash<QString, QCursor> *made = nullptr;
    if (!made) {
        made = new QHash<QString, QCursor>;
        qAddPostRoutine([] {
            delete made;
            made = nullptr;
        });
    }
    auto found = made->constFind(path);
    if (found == made->constEnd()) {
        initAssets();
        found = made->insert(path, QCursor(decodePng(path), kLinkPointerHotSpotX, kLinkPointerHotSpotY));
    }
    return *found;
}

} // namespace

QCursor linkPointer()
{
    return pointerFrom(u":/cursors/hand-shaded.png"_s);
}

QCursor linkPointerBlackWhite()
{
    return pointerFrom(u":/cursors/hand-bw.png"_s);
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
