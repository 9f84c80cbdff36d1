#include "shell/Look.h"

#include "shell/AppAssets.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <QPalette>
#include <QPointer>
#include <QProxyStyle>
#include <QResource>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <utility>

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

// Fusion, with the menu bar's overflow arrow made only when it is first shown. Every menu bar
// asks for that arrow when it is made, and reading its pictures has the image reader load and
// ask every image format plugin; the arrow appears only when the menus do not fit.
class ProgramStyle : public QProxyStyle
{
public:
    ProgramStyle()
        : QProxyStyle(QStyleFactory::create(u"Fusion"_s))
    {
    }

    QIcon standardIcon(StandardPixmap which, const QStyleOption *option,
                       const QWidget *widget) const override
    {
        if (which != SP_ToolBarHorizontalExtensionButton || option)
            return QProxyStyle::standardIcon(which, option, widget);
        const QPointer<const QStyle> fusion(baseStyle());
        const QPointer<const QWidget> asking(widget);
        return iconMadeOnUse([fusion, asking] {
            const QStyle *style = fusion ? fusion.data() : QApplication::style();
            return style->standardIcon(SP_ToolBarHorizontalExtensionButton, nullptr, asking);
        });
    }
};

// The embedded face that takes Verdana's place; empty where Verdana is installed.
QString &standInFamily()
{
    static QString family;
    return family;
}

} // namespace

bool usesProgramStyle()
{
    return dynamic_cast<const ProgramStyle *>(QApplication::style()) != nullptr;
}

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
    if (!family.isEmpty()) {
        QFont::insertSubstitution(uiFontFamily(), family);
        standInFamily() = family;
    }
}

QString uiFontFamily()
{
    return u"Verdana"_s;
}

QString designedFamily(const QFont &font)
{
    return font.families().contains(uiFontFamily()) ? uiFontFamily() : font.family();
}

QFont uiFont(qreal pointSize, bool bold, bool underline)
{
    QFont font(uiFontFamily());
    if (!standInFamily().isEmpty())
        font.setFamilies({standInFamily(), uiFontFamily()});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QPalette programPalette()
{
    const QColor white(0xFF, 0xFF, 0xFF), black(0x00, 0x00, 0x00), buttonFace(0xF0, 0xF0, 0xF0),
        greyText(0x6D, 0x6D, 0x6D);
    QPalette palette;
    const std::pair<QPalette::ColorRole, QColor> roles[] = {
        {QPalette::Window, white}, {QPalette::WindowText, black},
        {QPalette::Base, white}, {QPalette::AlternateBase, QColor(0xF7, 0xF7, 0xF7)}, {QPalette::Text, black},
        {QPalette::Button, buttonFace}, {QPalette::ButtonText, black}, {QPalette::BrightText, white},
        {QPalette::Light, white}, {QPalette::Midlight, QColor(0xE3, 0xE3, 0xE3)},
        {QPalette::Mid, QColor(0xA0, 0xA0, 0xA0)}, {QPalette::Dark, QColor(0x80, 0x80, 0x80)},
        {QPalette::Shadow, QColor(0x69, 0x69, 0x69)},
        {QPalette::Highlight, QColor(0x00, 0x78, 0xD7)}, {QPalette::HighlightedText, white},
        {QPalette::Link, colours::blue()}, {QPalette::LinkVisited, colours::purple()},
        {QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE1)}, {QPalette::ToolTipText, black},
        {QPalette::PlaceholderText, greyText},
    };
    for (const auto &[role, colour] : roles)
        palette.setColor(role, colour); // all groups
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, greyText);
    palette.setColor(QPalette::Disabled, QPalette::Base, buttonFace);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0xA0, 0xA0, 0xA0));
    palette.setColor(QPalette::Inactive, QPalette::Highlight, QColor(0xCC, 0xE8, 0xFF));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, black);
    return palette;
}

void useProgramLook()
{
    // The layout's fixed sizes were made for classic widget metrics, which Fusion keeps;
    // a desktop style may draw wider indicators and clip short captions.
    if (!usesProgramStyle())
        QApplication::setStyle(new ProgramStyle);
    QApplication::setPalette(programPalette());
    // Text boxes lay out their empty text in the application's font before they take their
    // window's; with the program's typeface as that font, no engine is built for another one.
    // Message boxes, menus and the save dialog show the program's typeface too.
    QApplication::setFont(uiFont());
}

void useWindowBackground(QWidget *clientArea)
{
    const QPalette light = programPalette();
    QPalette palette = clientArea->palette();
    palette.setColor(QPalette::Window, light.color(QPalette::Base));
    palette.setColor(QPalette::WindowText, light.color(QPalette::Text));
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
