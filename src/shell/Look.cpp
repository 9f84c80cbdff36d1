#include "shell/Look.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <QPalette>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace quillon {

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
        const int id = QFontDatabase::addApplicationFont(file);
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
