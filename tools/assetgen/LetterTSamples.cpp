// The letter t: its stem, the height of the stem and the cross-bar.

#include "Samples.h"

#include <algorithm>
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
    QPointF from;    // where the lead-in starts (the letter before), if any
    qreal lean = 0;    // a plain or retraced stem's small lean, + to the right at the top
    qreal reach = 1;   // how far the exit hook runs out
    bool runOn = false; // a retraced stem joins from the a as a spread one does
};

// The a's last stroke comes down to the line at `a` and, without lifting,
// turns a little way along it, so the a keeps its own stem rather than
// making a V with the stroke that climbs on into the t. Starts `path` there
// and returns where the climb sets off.
QPointF turnAlongTheLine(QPainterPath &path, QPointF a)
{
    const QPointF start = a + QPointF(4.6, -1.4);
    path = smoothPath({a + QPointF(0, -6), a + QPointF(0.3, -1.2), a + QPointF(1.8, 0.1), start});
    return start;
}

// The climb out of the a's foot to `to`, ever steeper as it rises: one bow
// with no kink.
void climbFrom(QPainterPath &path, QPointF start, QPointF to)
{
    QList<QPointF> climb{start};
    for (qreal v : {0.1, 0.22, 0.36, 0.5, 0.64, 0.78, 0.9, 0.98}) {
        const qreal across = 1 - std::pow(1 - v, 1.8);
        climb.append({start.x() + (to.x() - start.x()) * across, start.y() + (to.y() - start.y()) * v});
    }
    smoothTo(path, climb);
}

// The foot of the stem and its exit hook, continuing `path` from (x, b - 8).
// `reach` scales how far the hook runs out to the right.
void footHook(QPainterPath &path, qreal x, qreal b, qreal reach = 1)
{
    smoothTo(path, {{x, b - 8}, {x + 2.6 * reach, b - 1.2}, {x + 8.5 * reach, b - 1}, {x + 13.5 * reach, b - 5.5 * reach}});
}

// Stem and the small exit hook at its foot, with the lead-in the stem kind asks for.
void drawStem(Hand &hand, const TLetter &t)
{
    const qreal x = t.x;
    const qreal b = t.base;
    const qreal h = b - t.top;
    QPainterPath path;
    switch (t.stem) {
    case Stem::Plain: {
        // A hand never draws a ruler line: the stem leans a touch and bows a
        // little, the bow lower on one stem than the next, and the pen
        // presses a little unevenly on the way down.
        const qreal l = t.lean;
        path = smoothPath({{x + 0.4 + l, t.top}, {x - 0.25 + l * 0.62, t.top + h * (0.38 + 0.05 * l)},
                           {x + 0.05 + l * 0.2, t.top + h * 0.72}, {x, b - 8}});
        footHook(path, x, b, t.reach);
        const qreal phase = x * 0.21 + t.top * 0.37;
        hand.pressureStroke(path, [phase](qreal u) { return 1.0 + 0.05 * std::sin(u * 7 + phase) + 0.03 * std::sin(u * 19 + 2 * phase); });
        return;
    }
    case Stem::Retraced: {
        // One pen movement: from the foot of the a the pen climbs on a clear
        // slant, with no run along the line, and meets the stem about a third
        // of the way up; it goes on up along the stem's right side, turns
        // bluntly at the top and comes back down firmly over the way up to
        // the foot. The two passes do not quite coincide: the way up lies a
        // hair out from the down-stroke's right edge, nearer in some places
        // than others, so the upper stem shows a doubled edge with short
        // slits of paper where the passes part. Each slit closes again
        // within a few pixels, so no long narrow eye opens to read as a
        // loop. Below the join the stem is written once.
        //
        // Run on from the a as the spread stem is, the a's stem turns along
        // the line first and the climb meets the stem low down, at the same
        // height whatever the stem's: the join is the same movement on a
        // short t as on a tall one.
        const qreal join = t.runOn ? b - 17 : b - h * 0.33;
        // The stem's small lean, + to the right at the top.
        auto at = [&](qreal dx, qreal y) { return QPointF(x + dx + t.lean * (b - 8 - y) / (b - 8 - t.top), y); };
        // Run on, the way up hugs the stem closer, so the down-stroke all
        // but covers it: the stem reads as a t's, a little heavier.
        const qreal apart = t.runOn ? 0.55 : 1;
        QList<QPointF> up{at(0.8 * apart, join - 0.5), at(2.8 * apart, join - 6), at(3.55 * apart, join - 13), at(3.35 * apart, join - 22),
                          at(3.45 * apart, t.top + h * 0.4), at(3.75 * apart, t.top + h * 0.3), at(2.6 * apart, t.top + h * 0.1),
                          at(1.8 * apart, t.top + 1.2), at(0.8 * apart, t.top - 0.2)};
        QList<QPointF> down{at(-0.3, t.top + 0.8), at(-0.5, t.top + 4), at(-0.3, t.top + h * 0.4), at(0.1, b - 30), at(0.2, b - 18), {x, b - 8}};
        // A short stem has no room for all of the way up's waver: only the
        // points that go on up (or on down) short of the pass's end are kept.
        auto inOrder = [](QList<QPointF> &points, qreal sign) {
            const qreal end = points.last().y();
            for (qsizetype i = 1; i + 1 < points.size();)
                if ((points[i].y() - points[i - 1].y()) * sign < 1 || (end - points[i].y()) * sign < 1)
                    points.removeAt(i);
                else
                    ++i;
        };
        inOrder(up, -1);
        inOrder(down, 1);
        if (t.runOn) {
            climbFrom(path, turnAlongTheLine(path, t.from), up.first());
            const qreal joined = path.length();
            up.removeFirst();
            smoothTo(path, up);
            const qreal turn = path.length();
            smoothTo(path, down);
            footHook(path, x, b, t.reach);
            // The climb is pressed a little, as the spread stem's up-leg is,
            // so the join shows at the letters' weight; along the stem the
            // way up eases, lying under the down-stroke.
            const qreal u0 = joined / path.length(), u1 = turn / path.length();
            const qreal phase = x * 0.21 + t.top * 0.37;
            hand.pressureStroke(path, [u0, u1, phase](qreal u) {
                const qreal push = std::clamp<qreal>(u / 0.1, 0, 1) * std::clamp<qreal>((u1 - u) / (u1 - u0), 0, 1);
                return 0.85 + 0.35 * push + 0.04 * std::sin(u * 8 + phase);
            }, PenEnd::Tapered, PenEnd::Tapered);
            return;
        }
        path = smoothPath(QList<QPointF>{t.from + QPointF(0, -6), t.from + QPointF(0.8, -0.8), t.from + QPointF(4.5, -3.4),
                                         {x - 14, b - 15}, {x - 5, join + 6.5}} + up + down);
        footHook(path, x, b);
        // The way up is pushed firmly, so the nib's fine up-stroke keeps
        // enough weight to show as a line of its own beside the stem.
        hand.pressureStroke(path, [](qreal u) {
            const qreal up = std::clamp<qreal>((u - 0.25) / 0.1, 0, 1) * std::clamp<qreal>((0.5 - u) / 0.06, 0, 1);
            return 0.9 + 0.15 * std::clamp<qreal>(u / 0.1, 0, 1) + 0.35 * up;
        }, PenEnd::Tapered, PenEnd::Tapered);
        return;
    }
    case Stem::Looped:
        // The stroke from the letter before rises on a slant straight to the
        // stem, meets it low down and goes on up on its left in a narrow bow,
        // turning over at the top into the down-stroke: a loop that opens in
        // the stem.
        path = smoothPath({t.from + QPointF(0, -6), t.from + QPointF(0.9, -0.6), t.from + QPointF(6, -2.2), {x - 8, b - 14},
                           {x - 1.5, b - 24}, {x - 4.8, b - 40}, {x - 7.4, t.top + h * 0.4}, {x - 7.6, t.top + 16},
                           {x - 4.6, t.top + 3.5}, {x - 0.9, t.top + 0.5}, {x + 0.4, t.top + 4}, {x + 0.3, t.top + 12}});
        break;
    case Stem::Inflexible: {
        // A rigid straight up-stroke from the line, pushed firmly so it
        // comes out near the stem's weight, that runs straight on into the
        // stem under the bar: there the pen turns sharply up along the stem
        // without lifting, and the down-stroke covers that stretch and the
        // corner, so no bend shows where the two meet. Straight only as a
        // hand draws straight: a hair off true midway. It comes in long and
        // low, well out from the stem, so it reads as the way in, not as a
        // second leg under a lambda.
        const QPointF join(x + 0.2, b - 21.8);
        const QPointF from(x - 24, b - 0.4);
        QPainterPath lead(from);
        lead.lineTo((from + join) / 2 + QPointF(0.25, 0.15));
        lead.lineTo(join);
        hand.pressureStroke(lead, [](qreal t) { return 1.75 + 0.08 * std::sin(t * 7); }, PenEnd::Tapered, PenEnd::Blunt);
        path.moveTo(x + 0.4, t.top);
        break;
    }
    case Stem::Spread: {
        // One movement on from the a, never going back over itself: the a's
        // last stroke comes down to the line and the pen, without lifting,
        // swings out of its foot and climbs, steeper as it rises, to the
        // top of the t; there it turns sharply and comes down braced out to
        // the right. The two legs part just under the point and stand ever
        // further apart down to the line, a narrow tent, each leaning its
        // own way and both at much the same weight, as a ballpoint leaves
        // them.
        const QPointF tip(x - 1.2, t.top);
        const QPointF foot(tip.x() + 5.4, b - 8);
        // The up-leg is the climb out of the a's foot, all the way up.
        climbFrom(path, turnAlongTheLine(path, t.from), {tip.x() - 0.2, t.top + 0.8});
        path.lineTo(tip);
        const qreal turn = path.length();
        smoothTo(path, {tip, {tip.x() + 1.1, t.top + 6}, {tip.x() + 2.4, t.top + h * 0.32}, {tip.x() + 3.9, t.top + h * 0.6},
                        {foot.x() - 0.3, b - 11}, foot});
        footHook(path, foot.x(), b, t.reach);
        // The nib leaves a push up finer than a pull down; pressed harder on
        // the way up, the up-leg comes out near the down-leg's weight.
        const qreal up = turn / path.length();
        const qreal phase = x * 0.21 + t.top * 0.37;
        hand.pressureStroke(path, [up, phase](qreal u) {
            const qreal push = std::clamp<qreal>(u / 0.12, 0, 1) * std::clamp<qreal>((up - u) / 0.05, 0, 1);
            return 0.95 + 0.7 * push + 0.04 * std::sin(u * 8 + phase);
        }, PenEnd::Tapered, PenEnd::Tapered);
        return;
    }
    }
    path.lineTo(x, b - 8);
    footHook(path, x, b);
    hand.stroke(path);
}

// `weight` scales the pen's pressure over the whole bar.
void bar(Hand &hand, QPointF from, QPointF to, qreal weight = 1)
{
    // A quick stroke across, never ruled: it arches a little, highest before
    // its middle, as the wrist swings the pen, by more the longer it runs,
    // and the pen lands firm and eases as it goes. Where the pen lands
    // sets how each bar comes out, so no two are alike.
    const QPointF d = to - from;
    const qreal length = std::hypot(d.x(), d.y());
    const QPointF up = length > 0 ? QPointF(d.y(), -d.x()) / length : QPointF(0, -1);
    const qreal phase = from.x() * 0.53 + from.y() * 0.29;
    const qreal arch = 0.9 + 0.011 * length + 0.2 * std::sin(phase);
    auto at = [&](qreal u, qreal lift) { return from + d * u + up * lift; };
    const QPainterPath path = smoothPath({from, at(0.22, arch * 0.75), at(0.45, arch), at(0.72, arch * 0.72 + 0.2 * std::sin(phase * 3)), to});
    hand.pressureStroke(path, [phase, weight](qreal u) {
        return weight * (1.08 - 0.16 * u + 0.07 * std::sin(u * 6.5 + phase) + 0.04 * std::sin(u * 17 + 2 * phase));
    }, PenEnd::Blunt, PenEnd::Tapered);
}

// The print hand in the t's own pen, for the letters round the t's.
PrintedText print(Hand &hand, const QString &text, QPointF origin, qreal unit)
{
    // Each picture's own copy of the letters, as from another writer.
    const PrintedText printed = printText(text, origin, unit, 0, 0, sitting());
    hand.stroke(printed.strokes);
    return printed;
}

void addStems(QList<SampleDef> &out)
{
    const QString name = u"Stems"_s;
    // "at", the a's exit running into the t; the inflexible stroke starts
    // the word itself, so that one is "to".
    auto stems = [](Stem kind) {
        return [kind](Hand &h, Rng &rng) {
            h.setWidth(kPen);
            const qreal base = 110;
            const qreal unit = 3.3;
            if (kind == Stem::Inflexible) {
                varyCopy(h.painter(), {40, base}, rng);
                drawStem(h, TLetter{40, 18, base, kind, QPointF()});
                bar(h, {26, 47}, {55, 46});
                h.painter().restore();
                print(h, u"o"_s, {68, base}, unit);
                return;
            }
            const PrintedText a = print(h, u"a"_s, {11, base}, unit);
            varyCopy(h.painter(), {68, base}, rng);
            drawStem(h, TLetter{68, 18, base, kind, a.exit});
            bar(h, {53, 47}, {84, 46});
            h.painter().restore();
        };
    };
    addSample(out, name, 0, u"Retraced"_s, stems(Stem::Retraced));
    addSample(out, name, 1, u"Looped"_s, stems(Stem::Looped));
    addSample(out, name, 2, u"Inflexible Beginning Stroke"_s, stems(Stem::Inflexible));
}

void addStemHeight(QList<SampleDef> &out)
{
    const QString name = u"StemHeight"_s;
    // The word "hat": the h's ascender and the a's x-height are the
    // yardsticks for the t's stem.
    auto word = [](qreal top, qreal barY, Stem kind) {
        return [top, barY, kind](Hand &h, Rng &rng) {
            h.setWidth(2.8);
            const qreal base = 108;
            const qreal unit = 3.2;
            const PrintedText a = print(h, u"ha"_s, {10, base}, unit);
            const qreal x = 86;
            varyCopy(h.painter(), {x, base}, rng);
            // The a runs on into the t.
            if (kind == Stem::Spread) {
                // The bar reaches a little further out past the down-leg,
                // braced out to the right.
                drawStem(h, TLetter{x, top, base, kind, a.exit, 0, 0.8});
                bar(h, {x - 7.5, barY + 0.5}, {x + 14, barY - 0.5});
            } else {
                // Each t leans its own small way.
                drawStem(h, TLetter{x, top, base, kind, a.exit, 0.9 + (top - 58) * 0.045, 1, true});
                bar(h, {x - 10, barY + 0.5}, {x + 11, barY - 0.5});
            }
            h.painter().restore();
        };
    };
    // The a stands from 76 to the line at 108, the h from 54.
    // A normal stem rises well clear of its bar but stays below the h; the
    // short one barely clears the bar and stands no taller than the a.
    addSample(out, name, 0, u"Normal Stem"_s, word(58, 77, Stem::Retraced));
    addSample(out, name, 1, u"Long Stem"_s, word(30, 77, Stem::Retraced));
    addSample(out, name, 2, u"Short Stem"_s, word(75.5, 80.5, Stem::Retraced));
    addSample(out, name, 3, u"Spread-out Stem"_s, word(58, 71.5, Stem::Spread));
}

// A bar written with the pen barely touching the paper: the same ink as the
// stem, but a fine hairline, unbroken across the stem, whose weight wavers
// only a little as the light touch varies.
void lightBar(Hand &hand, QPointF from, QPointF to, Rng &rng)
{
    const QPainterPath path = smoothPath({from, (from + to) / 2 + QPointF(0, -0.6), to});
    const qreal width = hand.width();
    const QColor ink = hand.ink();
    const qreal phase = rng.uniform(0, 6.28);
    // Little pressure leaves a thinner film of the same ink: a shade paler.
    hand.setInk(QColor(74, 74, 82));
    hand.setWidth(kPen * 0.42);
    hand.pressureStroke(path, [phase](qreal t) { return 0.9 + 0.12 * std::sin(t * 9 + phase); }, PenEnd::Blunt, PenEnd::Blunt);
    hand.setWidth(width);
    hand.setInk(ink);
}

void addBarPressure(QList<SampleDef> &out)
{
    const QString name = u"BarPressure"_s;
    enum class P { Normal, Light, Heavy, Tapering };
    // The word "tot": each t written anew, the o between them in the same pen.
    auto pressed = [](P p) {
        return [p](Hand &h, Rng &rng) {
            const qreal base = 110;
            // A hand that presses hard presses on the whole word, and one
            // that barely presses writes the whole word a little finer and
            // paler, most of all in the quick bar.
            h.setWidth(p == P::Heavy ? kPen * 1.45 : p == P::Light ? kPen * 0.8 : kPen);
            h.setInk(p == P::Heavy ? QColor(4, 4, 6) : p == P::Light ? QColor(36, 36, 42) : QColor(12, 12, 16));
            const qreal stems[2] = {25, 88};
            const qreal tops[2] = {26, 28};
            // The two t's of one hand lean and end a little differently.
            const TLetter ts[2] = {{stems[0], tops[0], base, Stem::Plain, {}, 1.6, 1}, {stems[1], tops[1], base, Stem::Plain, {}, -0.9, 0.86}};
            for (int i = 0; i < 2; ++i) {
                const qreal x = stems[i];
                varyCopy(h.painter(), {x, base}, rng);
                const QPointF a(x - 12, 73 + i * 0.8);
                const QPointF b(x + 12.5 + i, 72.5);
                switch (p) {
                case P::Normal:
                    drawStem(h, ts[i]);
                    bar(h, a, b);
                    break;
                case P::Light:
                    // The paler bar goes under the stem, which covers it.
                    lightBar(h, a, b, rng);
                    drawStem(h, ts[i]);
                    break;
                case P::Heavy: {
                    drawStem(h, ts[i]);
                    // The nib spreads under the pressure: a broad stroke that
                    // stays broad to its end, with the slight waver of a pen
                    // dragged hard across the paper. The bar is where the
                    // hand bears down hardest: pressed about as broad as the
                    // stems, which a heavy hand presses too, but not so hard
                    // that the o fills in.
                    const QPainterPath path = smoothPath({a, a + QPointF(8, -1.1 + 0.3 * i), a + QPointF(16, -1.0), b});
                    h.pressureStroke(path, [](qreal t) { return 1.2 + 0.07 * std::sin(t * 9); }, PenEnd::Tapered, PenEnd::Blunt);
                    break;
                }
                case P::Tapering: {
                    drawStem(h, ts[i]);
                    // Pressed hard where the pen lands, then eased off as the
                    // hand moves on. The pen sits down heavily and holds its
                    // weight for a moment; the hand lets go of it unevenly,
                    // slowly at first and then quicker, and the bar rises a
                    // little as the pen comes off: no ruled wedge. The two t's
                    // let go at different points.
                    const qreal lift = 1.1 + i * 0.9;
                    const QPainterPath path = smoothPath({a + QPointF(-1, 0.6), a + QPointF(6, -0.2), a + QPointF(13, -0.6),
                                                          a + QPointF(20, -0.6 - 0.3 * lift), b + QPointF(3, 0.4 - lift)});
                    const qreal phase = x * 0.13;
                    const qreal hold = 0.06 + 0.06 * i;
                    // On the second t the hand, letting go, presses once
                    // more for a moment past the stem before it lifts.
                    const qreal again = 0.16 * i;
                    h.pressureStroke(
                        path,
                        [phase, hold, again](qreal t) {
                            const qreal u = std::clamp<qreal>((t - hold) / (1 - hold), 0, 1);
                            const qreal fade = 1 - u * u * (3 - 2 * u) * 0.55 - u * 0.45;
                            // The hand's tremor shows once the pressure is letting go.
                            const qreal waver = 1 + (0.08 * std::sin(t * 17 + phase) + 0.04 * std::sin(t * 41 + 2 * phase)) * u * (1 - u) * 2.5;
                            const qreal push = again * std::exp(-std::pow((t - 0.64) / 0.07, 2));
                            return (0.28 + 1.95 * fade) * waver + push;
                        },
                        PenEnd::Blunt, PenEnd::Tapered);
                    break;
                }
                }
                h.painter().restore();
            }
            print(h, u"o"_s, {43, base}, 3.3);
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
    // "tot" again: the o's top is the line a balanced bar sits near.
    auto at = [](qreal barY, qreal shift) {
        return [barY, shift](Hand &h, Rng &rng) {
            h.setWidth(kPen);
            const qreal base = 112;
            const qreal stems[2] = {25, 88};
            for (int i = 0; i < 2; ++i) {
                const qreal x = stems[i];
                varyCopy(h.painter(), {x, base}, rng);
                drawStem(h, TLetter{x, 36 + i * 1.5, base, Stem::Plain, {}, i == 0 ? 1.4 : -0.8, i == 0 ? 0.9 : 1.02});
                if (barY < 36) {
                    // Written clear above the stem, each bar is its own quick
                    // flick: the pen lands just short of the stem's line and
                    // drives off to the right, lifting as it goes. The two
                    // differ in where they land, how far they run and how
                    // much they climb, as two strokes of one hand do.
                    const QPointF from = i == 0 ? QPointF(x - 10 + shift, barY + 1.2) : QPointF(x - 12.5 + shift, barY - 0.6);
                    const QPointF to = i == 0 ? QPointF(x + 13 + shift, barY - 2.6) : QPointF(x + 10.5 + shift, barY - 1.6);
                    const QPointF mid = (from + to) / 2 + QPointF(0, i == 0 ? -0.5 : -1.1);
                    h.pressureStroke(smoothPath({from, mid, to}),
                                     [i](qreal t) { return 1.12 - 0.62 * std::max<qreal>(0, t - 0.5) / 0.5 + 0.05 * std::sin(t * 8 + i); },
                                     PenEnd::Blunt, PenEnd::Tapered);
                } else {
                    bar(h, {x - 11 + shift, barY + 0.5 - i}, {x + 11.5 + shift + i, barY - 0.5 - i * 0.5});
                }
                h.painter().restore();
            }
            print(h, u"o"_s, {43, base}, 3.3);
        };
    };
    // Stems stand from 36 to the line at 112; the o from 79.
    addSample(out, name, 0, u"Bar Above Stem"_s, at(22, 2.5));
    addSample(out, name, 1, u"High Bar"_s, at(44, 0));
    addSample(out, name, 2, u"Balanced Bar"_s, at(74, 0));
    addSample(out, name, 3, u"Low Bar"_s, at(99, -1));
}

void addLengthOfCrossing(QList<SampleDef> &out)
{
    const QString name = u"LengthOfCrossing"_s;
    // A lone t on each: the stems lean a little, each its own way, so the
    // pictures are not one stem with different bars pasted on.
    auto crossed = [](QPointF from, QPointF to, qreal lean) {
        return [from, to, lean](Hand &h, Rng &) {
            // The nib runs fine along its edge and full across it; a slanted
            // bar is written at the weight of the rest of the letter all the
            // same, so it is pressed a little going up and eased going down.
            const qreal climb = (from.y() - to.y()) / std::max<qreal>(1, to.x() - from.x());
            h.setWidth(kPen);
            const qreal x = 59;
            drawStem(h, TLetter{x, 14, 114, Stem::Plain, {}, lean, 1 - 0.06 * lean});
            // The bar crosses the stem where the stem stands at that height.
            const QPointF shift(x + lean * 0.65, 0);
            bar(h, from + shift, to + shift, 1 + 0.25 * std::clamp<qreal>(climb, -1, 1));
        };
    };
    addSample(out, name, 0, u"Long"_s, crossed({-41, 47}, {43, 44.5}, 1.6));
    addSample(out, name, 1, u"Short"_s, crossed({-7, 46}, {7, 46}, -1.2));
    addSample(out, name, 2, u"Ascending"_s, crossed({-28, 62}, {30, 28}, 2.2));
    addSample(out, name, 3, u"Descending"_s, crossed({-28, 28}, {30, 62}, 0.7));
    addSample(out, name, 4, u"More to Left"_s, crossed({-44, 46}, {5, 45}, -0.8));
    addSample(out, name, 5, u"More to Right"_s, crossed({-5, 46}, {44, 45}, 1.9));
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
