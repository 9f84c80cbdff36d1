#include "Samples.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace assetgen {

QStringList traitOrder()
{
    return {u"Margins"_s, u"Slant"_s, u"SizeOfTheWriting"_s, u"LineSpacing"_s, u"WordSpacing"_s,
            u"LetterSpacing"_s, u"BeginningStroke"_s, u"EndingStroke"_s, u"Stems"_s, u"StemHeight"_s,
            u"BarPressure"_s, u"BarHeight"_s, u"LengthOfCrossing"_s, u"IDotAnalysis"_s,
            u"TheLowerCaseE"_s, u"TheLowerCaseM"_s, u"TheLowerCaseo"_s, u"StemsofLowerCased"_s,
            u"TheLowerCasegandy"_s, u"TheCapitalLetterI"_s, u"Signature"_s};
}

QList<SampleDef> allSamples()
{
    QList<SampleDef> all;
    addLayoutSamples(all);
    addStrokeSamples(all);
    addLetterTSamples(all);
    addLetterSamples(all);
    addLoopSamples(all);
    addSignatureSamples(all);
    const QStringList order = traitOrder();
    std::stable_sort(all.begin(), all.end(), [&order](const SampleDef &a, const SampleDef &b) {
        const qsizetype ia = order.indexOf(a.trait);
        const qsizetype ib = order.indexOf(b.trait);
        return ia != ib ? ia < ib : a.index < b.index;
    });
    return all;
}

QImage renderSample(const SampleDef &sample, int scale)
{
    const QSize pixels(qRound(sample.size.width() * scale), qRound(sample.size.height() * scale));
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.scale(scale, scale);
        painter.setClipRect(QRectF(QPointF(0, 0), sample.size));
        Hand hand(painter);
        startPage(seedFor(sample.baseName()));
        Rng rng(seedFor(sample.trait));
        sample.draw(hand, rng);
    }
    return image.convertToFormat(QImage::Format_Grayscale8);
}

} // namespace assetgen
