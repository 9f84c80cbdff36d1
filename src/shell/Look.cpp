#include "shell/Look.h"

#include <QPalette>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace quillon {

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

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, colour);
    widget->setPalette(palette);
}

} // namespace quillon
