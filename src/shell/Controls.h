#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <functional>

class QLabel;
class QFrame;
class QPushButton;
class QWidget;

namespace quillon {

class LinkLabel;

// Builders for the few kinds of control the windows are made of, so every window
// places, names and colours them the same way.
QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry,
                  const QFont &font, const QColor &colour, bool wraps = false);
LinkLabel *makeLinkLabel(QWidget *parent, const QString &name, const QString &text,
                         const QRect &geometry, const QFont &font, const QColor &colour,
                         std::function<void()> onClick);
QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption,
                        const QRect &geometry, const QFont &font);
// A caption-less frame drawn in Button Face with a sunken edge.
QFrame *makeButtonFaceFrame(QWidget *parent, const QString &name, const QRect &geometry);

// The promotional pair of link labels over one rectangle; the co-branding one in front.
void addPromotionalLabels(QWidget *frame, const QRect &geometry);

} // namespace quillon
