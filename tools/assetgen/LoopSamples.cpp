// Letters told apart by their loops: the descenders of g and y, and the capital I.

#include "Samples.h"

#include <QTransform>

#include <algorithm>
#include <cmath>
#include <functional>

using namespace Qt::StringLiterals;

namespace assetgen {
namespace {

enum class Tail { Triangular, Round, LongClosed, Blunt, LongStraight, Open, LeftArc, Cramped, Broad };

// Continues `path` below the baseline from the foot of a stem at (sx, base).
void appendTail(QPainterPath &path, qreal sx, qreal base, Tail tail)
{
    const QPointF foot(sx, base);
    switch (tail) {
    case Tail::Triangular: {
        // Three nearly straight strokes, but the pen turns each corner on a
        // small curve instead of a ruled point, and no side is ruled either:
        // the down-stroke bows a little, the foot sags a shade as it runs
        // back, and the up-stroke swells out on its way to the stem.
        const QList<QPointF> corners = {foot, {sx + 0.5, base + 50}, {sx - 21, base + 48.5}, {sx + 7, base - 3}};
        const qreal bows[] = {1.1, -0.9, 2.6};
        const qreal r = 4;
        // A side from the pen's place to `to`, bowed `bow` to its left.
        auto side = [&path](QPointF to, qreal bow) {
            const QPointF from = path.currentPosition();
            const QPointF along = to - from;
            const qreal length = std::hypot(along.x(), along.y());
            const QPointF left(along.y() / length, -along.x() / length);
            path.quadTo((from + to) / 2 + left * bow * 2, to);
        };
        for (qsizetype i = 1; i + 1 < corners.size(); ++i) {
            const QPointF in = corners[i] - corners[i - 1];
            const QPointF out = corners[i + 1] - corners[i];
            const qreal lin = std::hypot(in.x(), in.y());
            const qreal lout = std::hypot(out.x(), out.y());
            side(corners[i] - in * (r / lin), bows[i - 1]);
            path.quadTo(corners[i], corners[i] + out * (r / lout));
        }
        side(corners.last(), bows[2]);
        break;
    }
    case Tail::Round:
        // A full loop as round as it is deep, not drawn out into a long oval:
        // about two thirds as wide as the broad one.
        smoothTo(path, {foot, {sx, base + 17}, {sx - 4, base + 33}, {sx - 13, base + 41}, {sx - 23, base + 35},
                        {sx - 24.5, base + 21}, {sx - 15, base + 7}, {sx + 8, base - 3}});
        break;
    case Tail::LongClosed:
        smoothTo(path, {foot, {sx, base + 56}, {sx - 3, base + 68}, {sx - 8, base + 64}, {sx - 7, base + 38},
                        {sx - 2, base + 8}, {sx + 7, base - 3}});
        break;
    case Tail::Blunt:
    case Tail::LongStraight:
        break; // drawn by the caller with its own cap
    case Tail::Open:
        // A full loop begun like the rounded one, but the up-stroke rises
        // straight and stops well short of the stem, not yet turning towards
        // it: a wide gap where the loop would close.
        smoothTo(path, {foot, {sx, base + 26}, {sx - 3, base + 44}, {sx - 12, base + 51}, {sx - 20, base + 44},
                        {sx - 21.5, base + 34}, {sx - 21, base + 26}});
        break;
    case Tail::LeftArc:
        // No loop at all: the descender bends steadily to the left and ends
        // in a low sweep pointing left, without any stroke back up.
        smoothTo(path, {foot, {sx - 0.5, base + 14}, {sx - 5, base + 28}, {sx - 15, base + 38}, {sx - 27, base + 42},
                        {sx - 36, base + 42}});
        break;
    case Tail::Cramped:
        // A loop, but a small, pinched one that closes just under the line.
        smoothTo(path, {foot, {sx, base + 18}, {sx - 2.5, base + 26.5}, {sx - 7.5, base + 25}, {sx - 8.5, base + 15},
                        {sx - 2, base + 3}, {sx + 6, base - 2}});
        break;
    case Tail::Broad:
        // About twice as wide as the rounded loop and as full.
        smoothTo(path, {foot, {sx, base + 20}, {sx - 7, base + 44}, {sx - 25, base + 54}, {sx - 40, base + 46},
                        {sx - 39, base + 26}, {sx - 22, base + 8}, {sx + 7, base - 3}});
        break;
    }
}

// No two descenders come out quite alike: below the line the stroke
// wanders a little, more the further it goes, while the stem above the line
// stays where the body of the letter joins it.
QPainterPath varied(const QPainterPath &path, qreal base, qreal stem, Rng &rng)
{
    // The loop as a whole comes out a little wider or narrower and deeper
    // or shallower each time, not only wobbling.
    const qreal wider = rng.uniform(-0.12, 0.05), deeper = rng.uniform(-0.07, 0.07);
    const qreal a = rng.uniform(0.8, 1.6), b = rng.uniform(0.6, 1.2);
    const qreal p1 = rng.uniform(0, 2 * M_PI), p2 = rng.uniform(0, 2 * M_PI);
    const qreal k1 = 2 * M_PI / rng.uniform(60, 90), k2 = 2 * M_PI / rng.uniform(30, 45);
    const qreal stretch = rng.uniform(-0.04, 0.04);
    QPainterPath out = path;
    for (int e = 0; e < out.elementCount(); ++e) {
        const QPainterPath::Element el = out.elementAt(e);
        const qreal depth = std::clamp<qreal>((el.y - base) / 40, 0, 1.2);
        const qreal below = std::clamp<qreal>((el.y - base) / 15, 0, 1);
        const qreal x = stem + (el.x - stem) * (1 + wider * below);
        const qreal y = base + (el.y - base) * (1 + deeper * below);
        out.setElementPositionAt(e, x + depth * a * std::sin(k1 * el.y + p1),
                                 y + depth * (b * std::sin(k2 * el.x + p2) + stretch * (el.y - base)));
    }
    return out;
}

void drawTail(Hand &hand, qreal sx, qreal top, qreal base, Tail tail, Rng &rng)
{
    QPainterPath stem(QPointF(sx, top));
    stem.lineTo(sx, base);
    if (tail == Tail::Blunt) {
        // A down-stroke that stops short, as far below the line as a loop
        // would reach, straight on from the stem with no turn at the end:
        // the pen slows and bears down before it is lifted, so the end swells
        // heavier than the stroke above it and is raised straight off. No
        // hand rules it, though: each leans a shade to the left and bows a
        // little its own way.
        const qreal lean = rng.uniform(0.9, 2.2), bow = rng.uniform(-0.7, 0.7);
        QPainterPath down(QPointF(sx, top));
        smoothTo(down, {{sx, top}, {sx, base}, {sx - lean * 0.3 + bow, base + 12}, {sx - lean * 0.65 + bow, base + 24},
                        {sx - lean, base + 34}});
        hand.pressureStroke(varied(down, base, sx, rng),
                            [](qreal t) { return 1.0 + 0.45 * std::pow(std::max<qreal>(0, t - 0.82) / 0.18, 1.5); },
                            PenEnd::Tapered, PenEnd::Blunt);
        return;
    }
    if (tail == Tail::LongStraight) {
        // Straight for all its length; only at the bottom does the pen
        // turn off to the left in a little hook, as in a j, so the g does
        // not turn into a q. It never comes back up, so it is no loop.
        stem.lineTo(sx - 1, base + 66);
        stem.cubicTo(sx - 1.1, base + 73, sx - 3.5, base + 76, sx - 7, base + 75.5);
        stem.quadTo(sx - 10, base + 75, sx - 11.5, base + 71.5);
    }
    else
        appendTail(stem, sx, base, tail);
    hand.stroke(varied(stem, base, sx, rng));
}

void drawGY(Hand &hand, Tail tail, Rng &rng)
{
    const qreal base = 46;
    const qreal xTop = 18;
    hand.setWidth(3.0);
    // g: a round body with the stem on its right.
    const QPointF c(35, (base + xTop) / 2);
    // Points round the bowl, every `step` degrees from `from` to `to`.
    auto bowl = [&c](int from, int to, int step) {
        QList<QPointF> points;
        for (int a = from; a <= to; a += step)
            points.append({c.x() + 13 * std::cos(qDegreesToRadians(qreal(a))), c.y() - 14 * std::sin(qDegreesToRadians(qreal(a)))});
        return points;
    };
    QPainterPath g;
    if (tail == Tail::Blunt) {
        // With no loop below to tell it from a q, the g is written as a g is:
        // the pen comes round the bowl, climbs on up the stem's side to its
        // top and turns straight down it, so bowl and stem meet in a pointed
        // turn at the top rather than the stem standing beside a closed ring.
        const QList<QPointF> round = bowl(20, 350, 22);
        g = smoothPath(round);
        smoothTo(g, {round.last(), {c.x() + 13.6, c.y() + 1}, {c.x() + 14.3, c.y() - 9}, {c.x() + 14.4, xTop - 0.5}});
    } else {
        g = smoothPath(bowl(40, 400, 20));
    }
    hand.stroke(g);
    drawTail(hand, c.x() + 14, xTop, base, tail, rng);

    // y: a cup, then the right stroke runs on into the descender.
    const qreal yx = 85;
    if (tail == Tail::Blunt) {
        // With no loop to tell it by, the y must read from its top: a round
        // u whose left arm starts with a small turn over from the left, not
        // the straight lead-in tick, which over a plain stem makes a 4.
        hand.stroke(smoothPath({{yx - 13.5, xTop + 3.5}, {yx - 10.5, xTop + 0.5}, {yx - 9.5, xTop + 9}, {yx - 9.5, base - 11},
                                {yx - 5.5, base - 1.5}, {yx + 2, base}, {yx + 9, base - 4}, {yx + 13.5, base - 14},
                                {yx + 15, xTop}}));
    } else
        hand.stroke(smoothPath({{yx - 14, xTop + 6}, {yx - 9, xTop}, {yx - 8, xTop + 10}, {yx - 8, base - 9},
                                {yx - 2, base}, {yx + 7, base - 3}, {yx + 13, base - 13}, {yx + 15, xTop}}));
    drawTail(hand, yx + 15, xTop, base, tail, rng);
}

void addGAndY(QList<SampleDef> &out)
{
    const QString t = u"TheLowerCasegandy"_s;
    auto gy = [](Tail tail) { return [tail](Hand &h, Rng &rng) { drawGY(h, tail, rng); }; };
    addSample(out, t, 0, u"Triangular Loop"_s, gy(Tail::Triangular));
    addSample(out, t, 1, u"Rounded Full Loop"_s, gy(Tail::Round));
    addSample(out, t, 2, u"Long & Closed Loop"_s, gy(Tail::LongClosed));
    addSample(out, t, 3, u"Blunt Down Stroke"_s, gy(Tail::Blunt));
    addSample(out, t, 4, u"Long Down Stroke"_s, gy(Tail::LongStraight));
    addSample(out, t, 5, u"Open Loop"_s, gy(Tail::Open));
    addSample(out, t, 6, u"Left Arc"_s, gy(Tail::LeftArc));
    addSample(out, t, 7, u"Small & Cramped Loop"_s, gy(Tail::Cramped));
    addSample(out, t, 8, u"Broad & Full Loop"_s, gy(Tail::Broad));
}

// ---- capital I ---------------------------------------------------------

const qreal kITop = 22;
const qreal kIBase = 108;
const qreal kIX = 42;

// The capital stands about three and a half times as tall as the small
// letters after it, as a written capital does, not five or six times: the
// I is drawn at this share of its full size about its foot.
const qreal kIScale = 0.8;

// Every I is followed by "am", so that it reads as the word "I".
void writeAm(Hand &hand)
{
    // In the same pen as the I, so the two read as one hand, and a little
    // way after it, clear of the longest stroke across its foot.
    const qreal unit = 1.9;
    const PrintedText am = printText(u"am"_s, QPointF(68, kIBase), unit, 0, 0, sitting()); // each picture's own copy
    hand.setWidth(3.2);
    hand.stroke(am.strokes);
}

// Draws the I at its share of full size, standing on the line at its foot,
// with the pen's breadth kept as at full size.
void drawScaledI(Hand &hand, const std::function<void(qreal penScale)> &draw)
{
    QPainter &p = hand.painter();
    p.save();
    p.translate(kIX, kIBase);
    p.scale(kIScale, kIScale);
    p.translate(-kIX, -kIBase);
    draw(1 / kIScale);
    p.restore();
}

// Printed I: a stem with cross strokes of the given widths (0 for none).
void drawPrintedI(Hand &hand, qreal topBar, qreal bottomBar, qreal penScale = 1)
{
    const qreal x = kIX;
    hand.setWidth(3.4 * penScale);
    // Drawn freehand, not ruled: the stem bows a little on its way down and
    // the strokes across climb a shade to the right, each curving slightly.
    const qreal mid = (kITop + kIBase) / 2;
    hand.stroke(smoothPath({{x + 0.3, kITop}, {x + 0.9, mid - 12}, {x + 0.7, mid + 14}, {x - 0.2, kIBase}}));
    auto across = [&](qreal y, qreal width) {
        hand.stroke(smoothPath({{x - width / 2, y + 0.5 + width * 0.01}, {x - width / 6, y - 0.3},
                                {x + width / 6, y - 0.6}, {x + width / 2, y - 0.6 - width * 0.012}}));
    };
    if (topBar > 0)
        across(kITop, topBar);
    if (bottomBar > 0)
        across(kIBase, bottomBar);
}

// Cursive I: a short up-stroke from the left rises into a loop at the top
// and comes down the middle as the stem, which stands on a short stroke
// across its foot, so the letter reads as I and not as a figure, an l or a
// J. The letter is slanted by `tilt` degrees (positive leans the top to the
// right) over its foot and then moved to stay centred left of "am".
void drawCursiveI(Hand &hand, qreal loopWidth, qreal loopHeight, qreal tilt, qreal penScale = 1)
{
    const qreal x = kIX + 2;
    const qreal top = kITop;
    const qreal base = kIBase;
    const qreal w = loopWidth;
    const qreal h = loopHeight;
    // Upright or leaning forwards, the I is written plumb and even and then
    // slanted: a short lead-in from the left crosses the stem's line, the
    // loop rises as an oval standing on that line, as wide left as right,
    // and the stem drops straight down from the crossing. The further the
    // hand leans, the longer its lead-in swings up from the left.
    const qreal lead = 5 + std::max<qreal>(tilt, 0) * 0.2;
    // A slanted stem bows a shade on its way down; the upright one is plumb.
    const qreal bow = tilt == 0 ? 0 : 0.5;
    QList<QPointF> stroke = {{x - lead, top + h + lead}, {x, top + h}, {x + w * 0.42, top + h * 0.62},
                             {x + w * 0.38, top + h * 0.2}, {x, top}, {x - w * 0.38, top + h * 0.2},
                             {x - w * 0.42, top + h * 0.62}, {x, top + h}, {x + bow, top + h + 14}, {x + bow, base - 14}};
    if (tilt < 0) {
        // Leaning back, the I is written as a backhand writes it, not
        // turned over: the pen comes up from the left of the stem, crosses
        // its line on the way, swings up the right side into the loop,
        // turns over the top, comes down the left side and, crossing the
        // up-stroke, runs straight on down as the stem to the line, where
        // a short foot stroke crosses it as on the other looped I's. The
        // slant is given by shearing the letter over its foot (below), so
        // the loop leans with the stem instead of standing on it tipped
        // over.
        stroke = {{x - 12.5, top + h + 8}, {x - 7, top + h + 4.5}, {x - 2.5, top + h + 1.5}, {x + w * 0.36, top + h * 0.62},
                  {x + w * 0.36, top + h * 0.18}, {x + w * 0.02, top}, {x - w * 0.34, top + h * 0.16},
                  {x - w * 0.36, top + h * 0.6}, {x - 0.3, top + h + 1}, {x + 0.3, top + h + 13},
                  {x + 0.9, (top + h + base) / 2 + 6}, {x + 0.5, base - 12}};
    }
    // The stem runs straight into the foot: a curl there reads as a stray
    // flourish, or turns the letter into a J.
    stroke.append({x - 0.2, base});
    QPainterPath path = smoothPath(stroke);
    // Leaning either way, the letter is written slanted, not turned over:
    // each point moves sideways by its height over the line, so the foot
    // stays on the line and the loop leans with the stem.
    QPointF foot(x, base);
    if (tilt != 0) {
        QTransform lean;
        lean.translate(x, base);
        lean.shear(std::tan(-tilt * M_PI / 180), 0);
        lean.scale(0.94, 0.94); // leaning over, it needs a little more room
        lean.translate(-x, -base);
        path = lean.map(path);
        foot = lean.map(foot);
    }
    // The foot stroke follows once the pen is lifted off the stem: landing
    // a little left of it, running along the line to the right, where the
    // writing goes on, a shade heavier where it first bears down.
    // A hand that does not write backwards runs it on a little further.
    const qreal runOn = tilt < 0 ? 0 : 1.5;
    QPainterPath bar(foot + QPointF(-11.5, 1.3));
    smoothTo(bar, {foot + QPointF(-11.5, 1.3), foot + QPointF(-3, 0.5), foot + QPointF(5 + runOn / 3, 0.1),
                   foot + QPointF(15.5 + runOn, -1.5)});
    if (tilt != 0) {
        // Centred in the room left of "am", and clear of it, with its foot
        // on the same line as "am", as the upright one's is.
        const QRectF box = path.boundingRect() | bar.boundingRect();
        const qreal dx = std::min(37.5 - box.center().x(), 61 - box.right());
        const qreal dy = base + 1 - box.bottom();
        path.translate(dx, dy);
        bar.translate(dx, dy);
    }
    hand.setWidth(3.2 * penScale);
    hand.stroke(path);
    hand.pressureStroke(bar, [](qreal t) { return 1.1 - 0.25 * t; });
}

void addCapitalI(QList<SampleDef> &out)
{
    const QString t = u"TheCapitalLetterI"_s;
    auto printed = [](qreal topBar, qreal bottomBar) {
        return [=](Hand &h, Rng &) {
            drawScaledI(h, [&](qreal pen) { drawPrintedI(h, topBar, bottomBar, pen); });
            writeAm(h);
        };
    };
    auto cursive = [](qreal w, qreal hgt, qreal slant) {
        return [=](Hand &h, Rng &) {
            drawScaledI(h, [&](qreal pen) { drawCursiveI(h, w, hgt, slant, pen); });
            writeAm(h);
        };
    };
    addSample(out, t, 0, u"Single Stroke"_s, printed(0, 0));
    addSample(out, t, 1, u"Longer Bottom Stroke"_s, printed(24, 50));
    addSample(out, t, 2, u"Longer Top Stroke"_s, printed(50, 24));
    addSample(out, t, 3, u"Equal Top & Bottom Stroke"_s, printed(36, 36));
    // Tilted to the left leans backwards (top to the left, like a backslash);
    // tilted to the right leans forwards like "/". The backhand one leans
    // less, about 17 degrees, as a backhand is seldom written further over.
    // The vertical one has the tilted ones' plain oval loop on a long stem
    // (a round ring there reads as a lollipop) and is the one looped I that
    // stands plumb; the inflated and deflated ones lean only a little
    // forwards, as most hands do, far less than the one tilted to the right,
    // so each is told by its loop and not by its slant.
    addSample(out, t, 4, u"Tilted to the Left"_s, cursive(18, 28, -17));
    addSample(out, t, 5, u"Tilted to the Right"_s, cursive(23, 30, 24));
    addSample(out, t, 6, u"Vertical"_s, cursive(19, 31, 0));
    addSample(out, t, 7, u"Inflated Loop"_s, cursive(38, 52, 9));
    // Deflated: the loop has lost its air and hangs limp against the stem,
    // long and thin, yet still open down its length so it reads as a loop.
    addSample(out, t, 8, u"Deflated Loop"_s, cursive(10.5, 54, 9));
}

} // namespace

void addLoopSamples(QList<SampleDef> &out)
{
    addGAndY(out);
    addCapitalI(out);
}

} // namespace assetgen
