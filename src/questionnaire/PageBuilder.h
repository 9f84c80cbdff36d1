#pragma once

#include <QList>

class QAbstractButton;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace quillon {

class SamplePictures;
struct TraitPage;
struct TraitGroup;

struct TraitPageControls {
    QGroupBox *frame = nullptr;
    QList<QAbstractButton *> variants; // index = variant index
    QList<QLabel *> pictures;
    QPushButton *back = nullptr;
    QPushButton *next = nullptr;
};

// Builds one trait page from its catalogue record: caption, sentences, one cell per
// variant (picture over its option button or check box) and the Back/Next buttons.
TraitPageControls buildTraitPage(QWidget *parent, const TraitPage &trait, const SamplePictures &pictures);

// The T-Bar Analysis page: its caption and significance sentence; the sub-pages go inside it.
QGroupBox *buildGroupPage(QWidget *parent, const TraitGroup &group);

// A top-level page frame in the page style (caption brown, Verdana 9 bold, white).
QGroupBox *makePageFrame(QWidget *parent, const QString &name, const QString &caption);

} // namespace quillon
