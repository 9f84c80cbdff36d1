#pragma once

#include "Hand.h"

#include <QImage>
#include <QList>
#include <QSizeF>
#include <QString>

#include <functional>

namespace assetgen {

// One sample picture: a variant of a handwriting trait.
struct SampleDef
{
    QString trait;   // trait identifier, e.g. u"Margins"
    int index = 0;   // variant index within the trait
    QString caption; // variant name, used only on the review sheets
    // Drawing in picture units (the 1x pixel grid); the painter is already
    // scaled for the 2x picture and the background is white.
    std::function<void(Hand &hand, Rng &rng)> draw;
    QSizeF size = QSizeF(118, 131);

    QString baseName() const { return trait + u'_' + QString::number(index); }
};

inline void addSample(QList<SampleDef> &out, const QString &trait, int index, const QString &caption,
                      std::function<void(Hand &, Rng &)> draw, QSizeF size = QSizeF(118, 131))
{
    out.append(SampleDef{trait, index, caption, std::move(draw), size});
}

// The pictures, grouped by the files that draw them.
void addLayoutSamples(QList<SampleDef> &out);
void addStrokeSamples(QList<SampleDef> &out);
void addLetterTSamples(QList<SampleDef> &out);
void addLetterSamples(QList<SampleDef> &out);
void addLoopSamples(QList<SampleDef> &out);
void addSignatureSamples(QList<SampleDef> &out);

// Every picture, in page order.
QList<SampleDef> allSamples();

// The trait identifiers in page order.
QStringList traitOrder();

// Draws a picture at `scale` (1 or 2) as greyscale. Every variant of a trait
// starts from the same seed, so the pictures of a page differ only where the
// drawing code makes them differ.
QImage renderSample(const SampleDef &sample, int scale);

} // namespace assetgen
