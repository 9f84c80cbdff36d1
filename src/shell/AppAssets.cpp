#include "AppAssets.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QIconEngine>
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

// The window icon's pictures, decoded the first time anything asks the icon for them. A desktop
// takes the icon when a window is made; where nothing shows it (a headless run), the pictures
// are never decoded. Answers as the icon made of the decoded pictures does.
class IconDecodedOnUse : public QIconEngine
{
public:
    IconDecodedOnUse() = default;
    IconDecodedOnUse(const IconDecodedOnUse &other) = default;

    QIconEngine *clone() const override { return new IconDecodedOnUse(*this); }
    QString key() const override { return u"IconDecodedOnUse"_s; }
    bool isNull() override { return false; } // the pictures are compiled in
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        decoded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return decoded().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return decoded().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return decoded().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return decoded().availableSizes(mode, state);
    }
    void addPixmap(const QPixmap &pixmap, QIcon::Mode mode, QIcon::State state) override
    {
        decoded().addPixmap(pixmap, mode, state);
    }
    void addFile(const QString &fileName, const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        decoded().addFile(fileName, size, mode, state);
    }

private:
    QIcon &decoded()
    {
        if (m_decoded.isNull()) {
            // A window's title bar and task switcher need no more than 64 pixels; the larger
            // sizes are for the desktop's menus, which take them from the installed icon theme.
            initAssets();
            for (int size : {16, 32, 48, 64})
                m_decoded.addPixmap(decodePng(u":/icons/quillon-%1.png"_s.arg(size)));
        }
        return m_decoded;
    }

    QIcon m_decoded;
};

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
    // One icon for every window: its pictures never change, and are decoded once, when first
    // asked for.
    static const QIcon icon(new IconDecodedOnUse);
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
