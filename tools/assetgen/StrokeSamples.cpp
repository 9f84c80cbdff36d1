// Beginning and ending strokes: one printed word, with only the lead-in of the
// first letter or the final stroke of the last letter changing.

#include "Samples.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace assetgen {
namespace {

// Size of the print hand (units of its 10-unit x-height) for the word.
const qreal kUnit = 2.0;

qreal printStroke()
{
    return printPen(kUnit);
}

struct PlacedWord
{
    QPainterPath path;
    QPointF entry; // top of the first stem of the m
    QPointF exit;  // foot of the last stem of the n
    qreal top = 0; // top of the small letters
    qreal baseline = 0;
};

PlacedWord placeWord(const QString &word, QPointF origin)
{
    // Each picture's own copy of the word, as from another writer.
    const PrintedText printed = printText(word, origin, kUnit, 0, 0, sitting());
    PlacedWord placed;
    placed.baseline = origin.y();
    placed.path = printed.strokes;
    placed.entry = printed.entry;
    placed.exit = printed.exit;
    placed.top = origin.y() - printed.xHeight;
    return placed;
}

enum class LeadIn { LongCurved, Unbending, BelowBaseline, RightToLeft, Absent };

void drawBeginning(Hand &hand, LeadIn kind)
{
    const PlacedWord w = placeWord(u"man"_s, QPointF(46, 80));
    hand.setWidth(printStroke());
    hand.stroke(w.path);
    // The top of the first stem of the m, where the lead-in joins it.
    const QPointF p = w.entry;
    const qreal base = w.baseline;
    switch (kind) {
    case LeadIn::LongCurved: {
        // A long, easy sweep that leaves the line almost flat and bends up
        // ever more steeply into the first stem, never dropping under the
        // line. It is an up-stroke, which the angled nib draws fine, so it
        // is pushed hard to keep nearly the weight of the letters.
        QList<QPointF> pts;
        const qreal rise = base - p.y();
        for (int i = 0; i <= 7; ++i) {
            const qreal u = i / 7.0;
            pts.append({p.x() - 39 * (1 - u) + 0.4 * std::sin(u * 9), base - rise * (0.08 * u + 0.92 * std::pow(u, 2.4))});
        }
        hand.pressureStroke(smoothPath(pts), [](qreal t) { return 0.85 + 0.95 * std::min<qreal>(1, t / 0.75) + 0.05 * std::sin(t * 7.1); });
        break;
    }
    case LeadIn::Unbending: {
        // Short, stiff and dead straight but for a tremor of the hand far
        // under its width, lands with a small blunt dab and is pressed
        // harder than a hairline, so the nib's fine up-stroke comes out in
        // about the weight of the letters.
        const QPointF from(p.x() - 21, base + 0.5);
        const QPointF along = p - from;
        const QPointF across = QPointF(along.y(), -along.x()) / std::hypot(along.x(), along.y());
        QList<QPointF> pts;
        const qreal waver[] = {0, 0.14, -0.06, 0.12, -0.04, 0};
        for (int i = 0; i < 6; ++i)
            pts.append(from + along * (i / 5.0) + across * waver[i]);
        hand.pressureStroke(smoothPath(pts), [](qreal t) { return 1.75 + 0.06 * std::sin(t * 6.1 + 0.4) - 0.2 * std::max<qreal>(0, t - 0.85) / 0.15; },
                            PenEnd::Blunt, PenEnd::Tapered);
        break;
    }
    case LeadIn::BelowBaseline: {
        // One sweep from well under the line up into the m: the pen lands
        // lightly, is pushed up with some force, so the fine up-stroke keeps
        // about the letters' weight, and turns over at the top without a
        // lift, straight on down the first stem.
        const QPainterPath sweep = smoothPath({{p.x() - 35, base + 29}, {p.x() - 27, base + 20}, {p.x() - 19, base + 8},
                                               {p.x() - 11, p.y() + 12}, {p.x() - 4.5, p.y() + 3}, {p.x() - 1, p.y() + 0.2},
                                               {p.x() + 0.1, p.y() + 3.5}, {p.x() + 0.1, p.y() + 9}});
        hand.pressureStroke(sweep, [](qreal t) { return 1.25 + 0.55 * std::min<qreal>(1, t / 0.25) - 0.35 * std::max<qreal>(0, t - 0.85) / 0.15; });
        break;
    }
    case LeadIn::RightToLeft: {
        // The pen lands under the word, below its last letters, and sweeps
        // back to the left close under the line, past the foot of the m,
        // turns round in front of it and rises into the top of its first
        // stem, going on down it without a lift: the way in runs backwards,
        // right to left, before the writing goes forward. Begun that far
        // back, it reads as one stroke carried under the word, not as a c
        // set before it; the turn and the join at the top are rounded, as
        // from a quick hand, not angled.
        const QPainterPath sweep = smoothPath({{p.x() + 34, base + 5.2}, {p.x() + 22, base + 8}, {p.x() + 8, base + 9.2},
                                               {p.x() - 5, base + 8.4}, {p.x() - 13.5, base + 5.4}, {p.x() - 17.2, base + 0.6},
                                               {p.x() - 16.6, base - 5}, {p.x() - 13.4, base - 10.4}, {p.x() - 9, base - 15},
                                               {p.x() - 4.4, p.y() + 0.8}, {p.x() - 1.4, p.y() - 0.5}, {p.x() + 0.1, p.y() + 1.5},
                                               {p.x() + 0.1, p.y() + 4}, {p.x() + 0.1, p.y() + 9}});
        // A hairline where the pen lands while moving, firming as it goes,
        // yet lighter under the word than the letters, as a quick lead-in
        // is; the rise runs along the nib's edge and is pushed a little
        // harder, to about the weight of the m's own up-strokes.
        hand.pressureStroke(sweep, [](qreal t) {
            const qreal land = std::min<qreal>(1, t / 0.3);
            const qreal rise = std::clamp<qreal>((t - 0.58) / 0.1, 0, 1) * std::clamp<qreal>((0.93 - t) / 0.06, 0, 1);
            return 0.3 + 0.6 * land * land * (3 - 2 * land) + 0.45 * rise * rise * (3 - 2 * rise);
        });
        break;
    }
    case LeadIn::Absent:
        break;
    }
}

enum class Ending { BluntUp, TaperedUp, HighReaching, BelowBaseline, RightToLeft, Extended, Missing };

void drawEnding(Hand &hand, Ending kind)
{
    const PlacedWord w = placeWord(u"man"_s, QPointF(8, 80));
    const qreal s = printStroke();
    hand.setWidth(s);
    hand.stroke(w.path);
    // The foot of the last stem of the n, where the final stroke leaves it.
    const QPointF e = w.exit;
    const qreal top = w.top;
    switch (kind) {
    case Ending::BluntUp:
        // A long rise pressed as hard as the down-strokes of the letters and
        // kept so to the end, where the pen stops and is lifted straight
        // off: a heavy, rounded end instead of a fading point.
        hand.pressureStroke(smoothPath({{e.x(), e.y() - 2}, {e.x() + 2, e.y()}, {e.x() + 14, e.y() - 6},
                                        {e.x() + 26, e.y() - 17}, {e.x() + 34, e.y() - 26}}),
                            [](qreal t) {
                                // Light through the turn at the foot of the n, where the nib already
                                // gives a down-stroke's weight, pressed once it rises.
                                const qreal rise = std::min<qreal>(1, t / 0.3);
                                return 1.0 + 0.55 * rise * rise * (3 - 2 * rise) + 0.12 * t;
                            },
                            PenEnd::Tapered, PenEnd::Blunt);
        break;
    case Ending::TaperedUp:
        // Leaves the n in the letters' weight and thins steadily to a needle
        // point as the pen flicks off the paper: a quick flick, shorter than
        // the long, blunt rise.
        hand.taperedStroke(smoothPath({e, {e.x() + 11, e.y() - 4}, {e.x() + 20, e.y() - 12.5}, {e.x() + 27, e.y() - 21.5}}),
                           1.15 * s, 0.05);
        break;
    case Ending::HighReaching: {
        // Leaves the foot of the n on a curve and climbs at about 55 degrees
        // far over the tops of the letters, thinning as the pen lifts.
        const QPainterPath rise = smoothPath({{e.x(), e.y() - 4}, {e.x() + 0.8, e.y() - 0.2}, {e.x() + 6, e.y() - 3.5},
                                              {e.x() + 12, top + 4}, {e.x() + 19, top - 8}, {e.x() + 26, top - 19},
                                              {e.x() + 31.5, top - 28}});
        hand.pressureStroke(rise, [](qreal t) { return 1.3 - 0.5 * std::max<qreal>(0, t - 0.5) / 0.5; });
        break;
    }
    case Ending::BelowBaseline:
        // The final stroke goes on from the n's last leg and drops away under
        // the line, bending off down and to the right on a long, even curve
        // as it passes the line, so there is no corner at the foot, and it
        // runs out flatter and flatter as the pen lifts: a tail under the
        // word, not a stiff diagonal hanging off it. (The leg carried straight down would read
        // as a j or an eng.)
        // The leg starts to give a little above the line, and the pen eases
        // off as it turns: drawn across the nib's edge, the slant down to the
        // right would otherwise come out heavier than the leg it leaves.
        hand.pressureStroke(smoothPath({{e.x(), e.y() - 12}, {e.x() + 0.05, e.y() - 6.5}, {e.x() + 0.7, e.y() - 1.2},
                                        {e.x() + 2.4, e.y() + 4.5}, {e.x() + 5.6, e.y() + 10.8}, {e.x() + 10.6, e.y() + 17},
                                        {e.x() + 17, e.y() + 21}, {e.x() + 24, e.y() + 22.6}}),
                            [](qreal t) { return 1.0 - 0.2 * std::min<qreal>(1, std::max<qreal>(0, t - 0.15) / 0.3); });
        break;
    case Ending::RightToLeft: {
        // The pen turns at the foot of the n's last leg without lifting,
        // climbs close beside it and, bending back the same way all along,
        // arches over to the left above the n and into the a, a roof over
        // the end of the word that never comes down onto the letters. It
        // runs right to left at its end, thinning as the pen lifts off.
        const qreal phase = e.x() * 0.37;
        hand.pressureStroke(smoothPath({{e.x(), e.y() - 5}, {e.x() + 0.7, e.y() - 0.4}, {e.x() + 4, e.y() - 2.4},
                                        {e.x() + 8.6, e.y() - 8.5}, {e.x() + 12.4, top + 3}, {e.x() + 14, top - 7},
                                        {e.x() + 12.4, top - 15.5}, {e.x() + 7, top - 20.6}, {e.x() - 1, top - 22.6},
                                        {e.x() - 10, top - 22.4}, {e.x() - 19, top - 20.8}, {e.x() - 27, top - 17.9},
                                        {e.x() - 33.5, top - 14.8}}),
                            [phase](qreal t) {
                                const qreal ease = std::min<qreal>(1, std::max<qreal>(0, t - 0.45) / 0.55);
                                return (1.08 - 0.5 * std::pow(ease, 1.3)) * (1 + 0.05 * std::sin(t * 13 + phase));
                            });
        break;
    }
    case Ending::Extended:
        // Along the line, but as a hand draws it: a shallow sag and a
        // slight rise at the end, not a ruled line.
        // It leaves the foot of the n on a curve, as one movement with it.
        hand.stroke(smoothPath({{e.x(), e.y() - 5}, {e.x() + 0.6, e.y() - 0.8}, {e.x() + 3.5, e.y() + 1.2},
                                {e.x() + 10, e.y() + 1.6}, {e.x() + 21, e.y() + 1.5}, {e.x() + 31, e.y() + 0.6},
                                {std::min<qreal>(e.x() + 40, 114), e.y() - 1.2}}));
        break;
    case Ending::Missing:
        break;
    }
}

} // namespace

void addStrokeSamples(QList<SampleDef> &out)
{
    const QString b = u"BeginningStroke"_s;
    auto begin = [](LeadIn k) { return [k](Hand &h, Rng &) { drawBeginning(h, k); }; };
    addSample(out, b, 0, u"Long & Curved"_s, begin(LeadIn::LongCurved));
    addSample(out, b, 1, u"Unbending"_s, begin(LeadIn::Unbending));
    addSample(out, b, 2, u"Long & Below Baseline Stroke"_s, begin(LeadIn::BelowBaseline));
    addSample(out, b, 3, u"Curved Right to Left"_s, begin(LeadIn::RightToLeft));
    addSample(out, b, 4, u"Absent"_s, begin(LeadIn::Absent));

    const QString e = u"EndingStroke"_s;
    auto end = [](Ending k) { return [k](Hand &h, Rng &) { drawEnding(h, k); }; };
    addSample(out, e, 0, u"Long, Blunt & Upward-tending"_s, end(Ending::BluntUp));
    addSample(out, e, 1, u"Upward-tending & Tapered"_s, end(Ending::TaperedUp));
    addSample(out, e, 2, u"High Reaching"_s, end(Ending::HighReaching));
    addSample(out, e, 3, u"Below Baseline"_s, end(Ending::BelowBaseline));
    addSample(out, e, 4, u"Curving from Right to Left"_s, end(Ending::RightToLeft));
    addSample(out, e, 5, u"Extended"_s, end(Ending::Extended));
    addSample(out, e, 6, u"Missing"_s, end(Ending::Missing));
}

} // namespace assetgen
