#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QPalette;
class QWidget;

namespace quillon {

// Layouts are measured in twips; at 96 dots per inch fifteen make one pixel.
constexpr int twips(int value)
{
    return value >= 0 ? (value + 7) / 15 : -((-value + 7) / 15);
}
inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

namespace colours {
inline QColor blue() { return QColor(0x00, 0x00, 0xFF); }
inline QColor red() { return QColor(0xFF, 0x00, 0x00); }
inline QColor green() { return QColor(0x00, 0x80, 0x00); }
inline QColor captionBrown() { return QColor(0x7B, 0x21, 0x1C); }
inline QColor purple() { return QColor(0x80, 0x00, 0x80); }
inline QColor black() { return QColor(0x00, 0x00, 0x00); }
} // namespace colours

// Makes Verdana available: the installed one, or else the embedded stand-in with its
// proportions, so the windows look the same on every machine. Needs the application object.
void installTypeface();

// The program's typeface at the given size; Verdana, or its embedded stand-in where it is missing.
// Where Verdana is missing the stand-in is named first, so the font database goes straight to
// it instead of searching the system for a fallback first.
QFont uiFont(qreal pointSize = 8.25, bool bold = false, bool underline = false);
QString uiFontFamily();
// The family a font was asked for: Verdana for the program's typeface, whichever face draws it.
QString designedFamily(const QFont &font);

// The light colours the layout was drawn for: white windows and text boxes, black text,
// light grey buttons. The program's windows use them whatever the desktop's scheme.
QPalette programPalette();

// Gives the whole application the fixed widget style, the light colours and the program's
// typeface, so that every window's fixed colours read as designed under any desktop scheme.
// Call it after installTypeface() and before the first window is built.
void useProgramLook();

// True when the application has the program's widget style (Fusion, see useProgramLook()).
bool usesProgramStyle();

// Paints a window's client area in the system's window background (white in the usual
// scheme) rather than the dialog grey; the menu bar keeps the platform's look.
void useWindowBackground(QWidget *clientArea);

// Places a window in the middle of the screen it will appear on.
void centreOnScreen(QWidget *window);

// Gives a widget a fixed text colour that survives palette changes of its parent.
void setTextColour(QWidget *widget, const QColor &colour);

} // namespace quillon
