#include "shell/Look.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <QPalette>
#include <QResource>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace quillon {

namespace {

// A resource's bytes where the program keeps them, not a copy: the font database holds on
// to its fonts' data for as long as the program runs, and embedded resources never move.
QByteArray resourceBytes(const QString &path)
{
    const QResource resource(path);
    if (!resource.isValid())
        return {};
    if (resource.compressionAlgorithm() != QResource::NoCompression)
        return resource.uncompressedData();
    return QByteArray::fromRawData(reinterpret_cast<const char *>(resource.data()), qsizetype(resource.size()));
}

} // namespace

void installTypeface()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    if (QFontDatabase::families().contains(uiFontFamily(), Qt::CaseInsensitive))
        return;
    QString family;
    for (const QString &file : {u":/fonts/DejaVuSans.ttf"_s, u":/fonts/DejaVuSans-Bold.ttf"_s}) {
        const int id = QFontDatabase::addApplicationFontFromData(resourceBytes(file));
        if (id >= 0 && family.isEmpty())
            family = QFontDatabase::applicationFontFamilies(id).value(0);
    }
    if (!family.isEmpty())
        QFont::insertSubstitution(uiFontFamily(), family);
}

QString uiFontFamily()
{
    return u"Verdana"_s;
}

QFont uiFont(qreal pointSize, bool bold, bool underline)
{
    QFont font(uiFontFamily());
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void useWindowBackground(QWidget *clientArea)
{
    QPalette palette = clientArea->palette();
    palette.setColor(QPalette::Window, QGuiApplication::palette().color(QPalette::Base));
    palette.setColor(QPalette::WindowText, QGuiApplication::palette().color(QPalette::Text));
    clientArea->setPalette(palette);
    clientArea->setAutoFillBackground(true);
}

void centreOnScreen(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame(QPoint(0, 0), window->frameSize().expandedTo(window->size()));
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, colour);
    widget->setPalette(palette);
}

} // namespace quillon
