// The letter t: its stem, the height of the stem and the cross-bar.

#include "Samples.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace assetgen {
namespace {

const qreal kPen = 3.1;

enum class Stem { Plain, Retraced, Looped, Inflexible, Spread };

struct TLetter
{
    qreal x = 59;    // stem position
    qreal top = 16;  // top of the stem
    qreal base = 112; // baseline
    Stem stem = Stem::Plain;
};

// Stem and the small exit hook at its foot, with the lead-in the stem kind asks for.
void drawStem(Hand &hand, const TLetter &t)
{
    const qreal x = t.x;
    const qreal b = t.base;
    QPainterPath path;
    switch (t.stem) {
    case Stem::Plain:
        path.moveTo(x, t.top);
        break;
    case Stem::Retraced: {
        // The up-stroke runs into the stem and climbs it; the down-stroke
        // comes back over it, so the stem is a doubled line with a small turn
        // at the top. The up-stroke, written lighter and finer, shows beside
        // the down-stroke: a hairline along the stem and two lines parting
        // near the foot, where it swings away to the left.
        const qreal width = hand.width();
        const QColor ink = hand.ink();
        hand.setWidth(width * 0.7);
        hand.setInk(QColor(70, 70, 78));
        QPainterPath up = smoothPath({{x - 23, b - 1}, {x - 12, b - 5}, {x - 5.5, b - 17}, {x - 3.2, b - 32},
                                      {x - 2.2, b - 48}});
        up.lineTo(x - 1.6, t.top + 6);
        smoothTo(up, {{x - 1.6, t.top + 6}, {x - 0.8, t.top + 0.5}, {x + 0.9, t.top + 1}, {x + 1.3, t.top + 5}});
        hand.stroke(up);
        hand.setWidth(width);
        hand.setInk(ink);
        path.moveTo(x + 1.3, t.top + 5);
        path.lineTo(x + 1.1, b - 8);
        smoothTo(path, {{x + 1.1, b - 8}, {x + 3.5, b - 1}, {x + 9, b - 1}, {x + 15, b - 6}});
        hand.stroke(path);
        return;
    }
    case Stem::Looped:
        path = smoothPath({{x - 24, b - 1}, {x - 10, b - 8}, {x - 4, b - 20}, {x - 10, t.top + (b - t.top) * 0.45},
                           {x - 10, t.top + 14}, {x - 5, t.top + 1}, {x, t.top + 4}});
        path.lineTo(x, t.top + 12);
        break;
    case Stem::Inflexible:
        // A rigid straight up-stroke from below the baseline that meets the
        // stem well under its top, so the letter keeps the shape of a t.
        hand.line({x - 26, b + 6}, {x, b - 44});
        path.moveTo(x, t.top);
        break;
    case Stem::Spread: {
        // Two strokes share the top of the stem and part company below the
        // bar, spreading apart towards the line like an upturned V: the left
        // one ends on the line, the right one in the usual exit hook.
        const qreal part = t.top + (b - t.top) * 0.5;
        hand.stroke(smoothPath({{x - 0.3, t.top}, {x - 0.4, part - 6}, {x - 1.5, part + 4}, {x - 5.5, b - 12},
                                {x - 8.5, b - 1}}));
        path = smoothPath({{x, t.top + 1}, {x + 0.1, part - 6}, {x + 1.2, part + 4}, {x + 4, b - 12}, {x + 5, b - 5},
                           {x + 7.5, b - 1}, {x + 10.5, b - 1.5}, {x + 13.5, b - 5}});
        hand.stroke(path);
        return;
    }
    }
    path.lineTo(x, b - 8);
    smoothTo(path, {{x, b - 8}, {x + 3, b - 1}, {x + 8.5, b - 1}, {x + 13.5, b - 5.5}});
    hand.stroke(path);
}

void drawCapitalT(Hand &hand, qreal x, qreal top, qreal base)
{
    hand.stroke(smoothPath({{x - 13, top + 3}, {x - 4, top}, {x + 6, top}, {x + 13, top - 2}}));
    hand.stroke(smoothPath({{x, top}, {x + 0.5, (top + base) / 2}, {x, base - 3}, {x - 4, base}}));
}

void bar(Hand &hand, QPointF from, QPointF to)
{
    hand.line(from, to);
}

void addStems(QList<SampleDef> &out)
{
    const QString name = u"Stems"_s;
    auto stems = [](Stem kind) {
        return [kind](Hand &h, Rng &rng) {
            h.setWidth(kPen);
            for (qreal x : {40.0, 90.0}) {
                varyCopy(h.painter(), {x, 110}, rng);
                TLetter t{x, 18, 110, kind};
                drawStem(h, t);
                bar(h, {x - 15, 47}, {x + 16, 46});
                h.painter().restore();
            }
        };
    };
    addSample(out, name, 0, u"Retraced"_s, stems(Stem::Retraced));
    addSample(out, name, 1, u"Looped"_s, stems(Stem::Looped));
    addSample(out, name, 2, u"Inflexible Beginning Stroke"_s, stems(Stem::Inflexible));
}

void addStemHeight(QList<SampleDef> &out)
{
    const QString name = u"StemHeight"_s;
    // "T t T t": the capitals are the yardstick for the small t's stem.
    auto row = [](qreal smallTop, qreal barY, Stem kind) {
        return [smallTop, barY, kind](Hand &h, Rng &rng) {
            h.setWidth(2.6);
            const qreal base = 104;
            const qreal capTop = 48;
            for (qreal x : {17.0, 73.0}) {
                varyCopy(h.painter(), {x, base}, rng);
                drawCapitalT(h, x, capTop, base);
                h.painter().restore();
            }
            for (qreal x : {44.0, 100.0}) {
                varyCopy(h.painter(), {x, base}, rng);
                drawStem(h, TLetter{x, smallTop, base, kind});
                bar(h, {x - 9, barY}, {x + 10, barY - 1});
                h.painter().restore();
            }
        };
    };
    // Capitals stand from 48 to the baseline at 104.
    // The short stem barely clears its bar, so that t is hardly taller than
    // a small letter; the normal one reaches most of the way to the capitals.
    addSample(out, name, 0, u"Normal Stem"_s, row(54, 76, Stem::Plain));
    addSample(out, name, 1, u"Long Stem"_s, row(8, 76, Stem::Plain));
    addSample(out, name, 2, u"Short Stem"_s, row(80, 84, Stem::Plain));
    addSample(out, name, 3, u"Spread-out Stem"_s, row(50, 76, Stem::Spread));
}

void addBarPressure(QList<SampleDef> &out)
{
    const QString name = u"BarPressure"_s;
    enum class P { Normal, Light, Heavy, Tapering };
    auto pressed = [](P p) {
        return [p](Hand &h, Rng &rng) {
            for (qreal x : {36.0, 86.0}) {
                varyCopy(h.painter(), {x, 112}, rng);
                // A hand that presses hard presses on the whole letter: the
                // stem is as heavy as the bar.
                h.setWidth(p == P::Heavy ? kPen * 1.9 : kPen);
                h.setInk(p == P::Heavy ? QColor(4, 4, 6) : QColor(12, 12, 16));
                drawStem(h, TLetter{x, 16, 112, Stem::Plain});
                const QPointF a(x - 19, 46);
                const QPointF b(x + 20, 45);
                switch (p) {
                case P::Normal:
                    bar(h, a, b);
                    break;
                case P::Light:
                    h.setWidth(0.9);
                    h.setInk(QColor(120, 120, 120));
                    bar(h, a, b);
                    break;
                case P::Heavy: {
                    // The nib spreads under the pressure: a broad stroke that
                    // stays broad to its end, with the slight waver of a pen
                    // dragged hard across the paper.
                    const QPainterPath path = smoothPath({a, a + QPointF(13, -0.6), a + QPointF(26, -0.5), b});
                    h.setWidth(kPen * 1.9);
                    h.pressureStroke(path, [](qreal t) { return 1.0 + 0.06 * std::sin(t * 9); }, false);
                    break;
                }
                case P::Tapering: {
                    // Pressed hard where the pen lands, then eased off as the
                    // hand moves on: the bar thins steadily to a fine end, with
                    // the small waver and slight bow of a quick stroke.
                    const QPainterPath path = smoothPath({a + QPointF(0, 0.6), a + QPointF(10, -0.4), a + QPointF(21, -0.9),
                                                          a + QPointF(32, -0.6), b + QPointF(4, 0.4)});
                    const qreal phase = x * 0.13;
                    h.setWidth(kPen);
                    h.pressureStroke(path, [phase](qreal t) {
                        // Full weight just after the pen lands, then an
                        // even, gradual thinning all the way to the lift.
                        const qreal landing = t < 0.08 ? 0.8 + 0.2 * t / 0.08 : 1.0;
                        const qreal fade = t < 0.08 ? 1.0 : std::pow((1 - t) / 0.92, 0.75);
                        const qreal waver = 1 + 0.05 * std::sin(t * 17 + phase) + 0.03 * std::sin(t * 41 + 2 * phase);
                        return (0.35 + 1.5 * fade) * landing * waver;
                    });
                    break;
                }
                }
                h.painter().restore();
            }
        };
    };
    addSample(out, name, 0, u"Normal Pressure"_s, pressed(P::Normal));
    addSample(out, name, 1, u"Light Pressure"_s, pressed(P::Light));
    addSample(out, name, 2, u"Heavy Pressure"_s, pressed(P::Heavy));
    addSample(out, name, 3, u"Starts with Heavy Pressure but tapers out"_s, pressed(P::Tapering));
}

void addBarHeight(QList<SampleDef> &out)
{
    const QString name = u"BarHeight"_s;
    auto at = [](qreal barY) {
        return [barY](Hand &h, Rng &rng) {
            h.setWidth(kPen);
            for (qreal x : {36.0, 86.0}) {
                varyCopy(h.painter(), {x, 114}, rng);
                drawStem(h, TLetter{x, 32, 114, Stem::Plain});
                bar(h, {x - 17, barY}, {x + 17, barY - 1});
                h.painter().restore();
            }
        };
    };
    addSample(out, name, 0, u"Bar Above Stem"_s, at(16));
    addSample(out, name, 1, u"High Bar"_s, at(37));
    addSample(out, name, 2, u"Balanced Bar"_s, at(70));
    addSample(out, name, 3, u"Low Bar"_s, at(98));
}

void addLengthOfCrossing(QList<SampleDef> &out)
{
    const QString name = u"LengthOfCrossing"_s;
    auto crossed = [](QPointF from, QPointF to) {
        return [from, to](Hand &h, Rng &) {
            h.setWidth(kPen);
            const qreal x = 59;
            drawStem(h, TLetter{x, 14, 114, Stem::Plain});
            bar(h, from + QPointF(x, 0), to + QPointF(x, 0));
        };
    };
    addSample(out, name, 0, u"Long"_s, crossed({-52, 46}, {52, 45}));
    addSample(out, name, 1, u"Short"_s, crossed({-7, 46}, {7, 46}));
    addSample(out, name, 2, u"Ascending"_s, crossed({-28, 62}, {30, 28}));
    addSample(out, name, 3, u"Descending"_s, crossed({-28, 28}, {30, 62}));
    addSample(out, name, 4, u"More to Left"_s, crossed({-44, 46}, {5, 45}));
    addSample(out, name, 5, u"More to Right"_s, crossed({-5, 46}, {44, 45}));
}

} // namespace

void addLetterTSamples(QList<SampleDef> &out)
{
    addStems(out);
    addStemHeight(out);
    addBarPressure(out);
    addBarHeight(out);
    addLengthOfCrossing(out);
}

} // namespace assetgen
