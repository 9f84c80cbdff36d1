#include "AppAssets.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QImageReader>

#include <utility>

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

// An icon whose pictures are made the first time anything asks the icon for them, and that
// then answers exactly as the icon made at once would.
class IconMadeOnUse : public QIconEngine
{
public:
    explicit IconMadeOnUse(std::function<QIcon()> make)
        : m_make(std::move(make))
    {
    }

    QIconEngine *clone() const override { return new IconMadeOnUse(*this); }
    QString key() const override { return u"IconMadeOnUse"_s; }
    bool isNull() override { return m_made ? m_icon.isNull() : false; }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        made().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    // An engine is asked in device pixels, the icon in logical ones: the icon's functions are
    // called so that they pass the same sizes on to the made icon's engine.
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        if (!(qApp->devicePixelRatio() > 1.0))
            return made().actualSize(size, mode, state);
        return pixmap(size, mode, state).size(); // never larger than asked, as an engine answers
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return made().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        if (!(scale > 1.0))
            return pixmap(size, mode, state);
        return made().pixmap(size / scale, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return made().availableSizes(mode, state);
    }
    void addPixmap(const QPixmap &pixmap, QIcon::Mode mode, QIcon::State state) override
    {
        made().addPixmap(pixmap, mode, state);
    }
    void addFile(const QString &fileName, const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        made().addFile(fileName, size, mode, state);
    }

private:
    QIcon &made()
    {
        if (!m_made) {
            m_made = true;
            m_icon = m_make();
        }
        return m_icon;
    }

    std::function<QIcon()> m_make;
    QIcon m_icon;
    bool m_made = false;
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

QIcon iconMadeOnUse(std::function<QIcon()> make)
{
    return QIcon(new IconMadeOnUse(std::move(make)));
}

QIcon applicationIcon()
{
    // One icon for every window: its pictures never change. A desktop takes them when a window
    // is made; where nothing shows the icon (a headless run), they are never decoded.
    static const QIcon icon = iconMadeOnUse([] {
        // A window's title bar and task switcher need no more than 64 pixels; the larger sizes
        // are for the desktop's menus, which take them from the installed icon theme.
        initAssets();
        QIcon decoded;
        for (int size : {16, 32, 48, 64})
            decoded.addPixmap(decodePng(u":/icons/quillon-%1.png"_s.arg(size)));
        return decoded;
    });
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
