// Small letters drawn stroke by stroke: i-dots, e, m, a with o, and d.

#include "Samples.h"


#include <cmath>

using namespace Qt::StringLiterals;

namespace assetgen {
namespace {

// Point on an ellipse; angle in degrees counter-clockwise from three o'clock.
QPointF onOval(QPointF c, qreal rx, qreal ry, qreal degrees)
{
    const qreal a = qDegreesToRadians(degrees);
    return {c.x() + rx * std::cos(a), c.y() - ry * std::sin(a)};
}

QList<QPointF> ovalArc(QPointF c, qreal rx, qreal ry, qreal from, qreal to, qreal step = 20)
{
    QList<QPointF> pts;
    const int n = std::max(2, int(std::abs(to - from) / step));
    for (int i = 0; i <= n; ++i)
        pts.append(onOval(c, rx, ry, from + (to - from) * i / n));
    return pts;
}

// ---- i ----------------------------------------------------------------

enum class Dot { Direct, Close, High, Light, Left, Right, Circle, Smudge, None };

void drawI(Hand &hand, qreal x, qreal xTop, qreal base, Dot dot, Rng &rng)
{
    // No two i's come out quite alike: the lead-in, the top and the tail
    // each wander a little.
    auto j = [&rng](qreal a) { return rng.uniform(-a, a); };
    const qreal top = xTop + j(1.2);
    hand.setWidth(3.0 + j(0.15));
    hand.stroke(smoothPath({{x - 16 + j(1.2), base - 2 + j(0.8)}, {x - 9 + j(0.8), base - 5 + j(0.8)},
                            {x - 3 + j(0.5), base - 14 + j(1)}, {x - 0.5, top + 6}, {x, top}}));
    QPainterPath stem(QPointF(x, top));
    const qreal foot = x + j(0.4);
    stem.lineTo(foot, base - 7);
    smoothTo(stem, {{foot, base - 7}, {foot + 3 + j(0.5), base - 0.5}, {foot + 9 + j(0.8), base - 1 + j(0.6)},
                    {foot + 15 + j(1.2), base - 6 + j(1.2)}});
    hand.stroke(stem);

    const qreal r = 3.6;
    switch (dot) {
    case Dot::Direct:
        // Plumb over the stem at the usual height of a written dot: a gap
        // several times the just-above one, a few times under the high one.
        hand.dot({x, xTop - r - 17}, r);
        break;
    case Dot::Close:
        // Set down just over the top of the stem: a tiny but clear gap,
        // never touching.
        hand.dot({x, xTop - r - 3.6}, r);
        break;
    case Dot::High:
        hand.dot({x, xTop - 62}, r);
        break;
    case Dot::Light: {
        Hand faint(hand.painter());
        faint.setInk(QColor(175, 175, 175));
        faint.dot({x + 0.5, xTop - 16}, 2.0);
        break;
    }
    case Dot::Left:
        hand.dot({x - 15, xTop - 15}, r);
        break;
    case Dot::Right:
        hand.dot({x + 16, xTop - 15}, r);
        break;
    case Dot::Circle: {
        Hand ring(hand.painter(), 1.7);
        QPainterPath circle;
        circle.addEllipse(QPointF(x + 0.5, xTop - 17), 5, 5);
        ring.stroke(circle);
        break;
    }
    case Dot::Smudge: {
        // A wet dot rubbed sideways: a dark, lumpy blot of full ink, and a
        // short smear of the same ink dragged from it to the lower right,
        // ragged at its edges and thinning to a ragged tip.
        const QPointF c(x + 0.5, xTop - 17);
        const qreal angle = qDegreesToRadians(24.0);
        const QPointF along(std::cos(angle), std::sin(angle));
        const QPointF across(-along.y(), along.x());
        QPainterPath smear;
        const int n = 6;
        const qreal length = 11.0;
        QList<QPointF> upper, lower;
        for (int k = 0; k <= n; ++k) {
            const qreal t = qreal(k) / n;
            const qreal half = 3.6 * (1 - t * t) + 0.8 * t * t;
            upper.append(c + along * (length * t) + across * (half + rng.uniform(-0.35, 0.35)));
            lower.append(c + along * (length * t) - across * (half + rng.uniform(-0.35, 0.35)));
        }
        QList<QPointF> outline = upper;
        for (int k = n; k >= 0; --k)
            outline.append(lower.at(k));
        smear = smoothPath(outline);
        smear.closeSubpath();
        hand.fill(smear);
        for (int k = 0; k < 5; ++k)
            hand.dot(c + QPointF(rng.uniform(-1.4, 1.6), rng.uniform(-1.1, 1.1)), rng.uniform(3.0, 3.8));
        break;
    }
    case Dot::None:
        break;
    }
}

void addIDots(QList<SampleDef> &out)
{
    const QString t = u"IDotAnalysis"_s;
    auto dotted = [](Dot d) {
        return [d](Hand &h, Rng &rng) {
            for (qreal x : {40.0, 84.0})
                drawI(h, x, 74, 108, d, rng);
        };
    };
    addSample(out, t, 0, u"Round and Directly Above the Stem"_s, dotted(Dot::Direct));
    addSample(out, t, 1, u"Round and Just Above the Stem"_s, dotted(Dot::Close));
    addSample(out, t, 2, u"Round and High Above the Stem"_s, dotted(Dot::High));
    addSample(out, t, 3, u"Very Light"_s, dotted(Dot::Light));
    addSample(out, t, 4, u"Left-placed Dot"_s, dotted(Dot::Left));
    addSample(out, t, 5, u"Right-placed Dot"_s, dotted(Dot::Right));
    addSample(out, t, 6, u"Circular Dot"_s, dotted(Dot::Circle));
    addSample(out, t, 7, u"Smudged Dot"_s, dotted(Dot::Smudge));
    addSample(out, t, 8, u"Absent Dot"_s, dotted(Dot::None));
}

// ---- e ----------------------------------------------------------------

enum class ELoop { Narrow, Normal, Broad, Retraced, Greek };

void drawE(Hand &hand, qreal x0, qreal base, ELoop kind, qreal pen = 3.0)
{
    const qreal H = 40;
    const qreal W = 34;
    hand.setWidth(pen);
    if (kind == ELoop::Greek) {
        hand.stroke(smoothPath({{x0 + W * 0.9, base - H * 0.86}, {x0 + W * 0.55, base - H}, {x0 + W * 0.12, base - H * 0.85},
                                {x0 + W * 0.2, base - H * 0.58}, {x0 + W * 0.55, base - H * 0.52},
                                {x0 + W * 0.18, base - H * 0.46}, {x0, base - H * 0.22}, {x0 + W * 0.3, base},
                                {x0 + W * 0.75, base - 1}, {x0 + W * 1.05, base - H * 0.16}}));
        return;
    }
    // Lead-in, a rise to the right, over the top of the loop, down the left
    // side and round the bottom to the exit. How far the rise stays below the
    // descent sets the size of the loop.
    auto at = [x0, base](qreal dx, qreal dy) { return QPointF(x0 + dx, base + dy); };
    QList<QPointF> pts;
    switch (kind) {
    case ELoop::Narrow:
        pts = {at(-10, -2), at(2, -8), at(13, -18), at(24, -28), at(27, -34), at(22, -38), at(14, -34),
               at(6, -24), at(2, -13), at(5, -3), at(14, 0), at(25, -1), at(35, -7)};
        break;
    case ELoop::Normal:
        pts = {at(-10, -2), at(2, -8), at(14, -15), at(26, -22), at(29, -31), at(23, -38), at(12, -36),
               at(4, -26), at(1, -13), at(5, -3), at(14, 0), at(25, -1), at(35, -7)};
        break;
    case ELoop::Broad:
        pts = {at(-10, -2), at(2, -8), at(17, -13), at(31, -19), at(34, -30), at(26, -39), at(12, -39),
               at(3, -29), at(0, -14), at(5, -3), at(16, 0), at(28, -1), at(38, -7)};
        break;
    case ELoop::Retraced: {
        // A round e of ordinary size whose eye the pen has closed up: the
        // eye is filled in solid with ink, leaving the round top of the letter
        // a blot above the open curve of its bottom.
        hand.stroke(smoothPath({at(-10, -2), at(2, -9), at(14, -17), at(26, -23), at(29, -31), at(23, -38),
                                at(12, -37), at(4, -27), at(1, -14), at(5, -3), at(14, 0), at(25, -1),
                                at(35, -7)}));
        QPainterPath eye = smoothPath({at(3, -12), at(14, -17), at(26, -23), at(28.5, -31), at(23, -37.5),
                                       at(12, -36.5), at(4, -27), at(2, -18), at(3, -12)});
        eye.closeSubpath();
        hand.fill(eye);
        return;
    }
    case ELoop::Greek:
        break;
    }
    hand.stroke(smoothPath(pts));
}

void addLowerCaseE(QList<SampleDef> &out)
{
    const QString t = u"TheLowerCaseE"_s;
    auto pair = [](ELoop first, ELoop second) {
        return [first, second](Hand &h, Rng &rng) {
            // Written in the word "see", so the letters read as e whatever
            // their loop is like.
            const qreal base = 92;
            const qreal k = 0.75;
            const qreal unit = 3.0;
            h.setWidth(3.0);
            h.stroke(printText(u"s"_s, QPointF(15, base), unit).strokes);
            QPainter &p = h.painter();
            p.save();
            p.translate(47, base);
            p.scale(k, k);
            p.translate(-47, -base);
            varyCopy(p, {59, base}, rng);
            drawE(h, 47, base, first, 3.0 / k);
            p.restore();
            varyCopy(p, {99, base}, rng);
            drawE(h, 47 + 40, base, second, 3.0 / k);
            p.restore();
            p.restore();
        };
    };
    addSample(out, t, 0, u"Narrow Loop"_s, pair(ELoop::Narrow, ELoop::Narrow));
    addSample(out, t, 1, u"Broad Loop"_s, pair(ELoop::Broad, ELoop::Broad));
    addSample(out, t, 2, u"No Loop"_s, pair(ELoop::Retraced, ELoop::Retraced));
    addSample(out, t, 3, u"Greek \"E\""_s, pair(ELoop::Greek, ELoop::Greek));
}

// ---- m ----------------------------------------------------------------

enum class Hump { Arched, Even, Rounded, Sharp };

void drawM(Hand &hand, const qreal (&heights)[2], Hump shape, qreal humpWidth)
{
    const qreal base = 96;
    // A first leg, two humps and their legs; entry tick (6) and exit (12)
    // included, the letter is centred.
    const qreal left = (118 - 2 * humpWidth - 18) / 2 + 6;
    const qreal p[3] = {left, left + humpWidth, left + 2 * humpWidth};
    hand.setWidth(3.1);
    // The pen lands with a small tick at the top of the first leg and comes
    // straight down it, so the m starts with a down-stroke like any m.
    // The leg reaches up to where the first arch leaves it, so the arch
    // grows out of its top instead of the leg standing up beside it.
    const qreal h0 = heights[0] * (shape == Hump::Sharp ? 0.8 : shape == Hump::Rounded ? 0.5 : 0.62);
    QPainterPath first = smoothPath({{p[0] - 6, base - h0 + 4}, {p[0] - 3, base - h0 + 0.5}, {p[0] - 0.5, base - h0 + 0.5},
                                     {p[0], base - h0 + 3}});
    first.lineTo(p[0], base);
    auto exitFrom = [&](QPainterPath &path) { smoothTo(path, {{p[2], base}, {p[2] + 5, base - 2}, {p[2] + 12, base - 9}}); };
    if (shape == Hump::Sharp) {
        // Up each leg again to a point and straight down the next leg.
        QPainterPath path = first;
        for (int j = 0; j < 2; ++j) {
            path.lineTo(p[j] + humpWidth * 0.45, base - heights[j]);
            path.lineTo(p[j + 1], base);
        }
        exitFrom(path);
        hand.stroke(path);
        return;
    }
    hand.pressureStroke(first, [](qreal) { return 1.0; }, false);
    // Each hump is its own pen movement: the pen runs back up inside the leg
    // it came down, branches off into the hump and comes down the next leg
    // to the line, so every leg ends on the line the way a down-stroke does.
    for (int j = 0; j < 2; ++j) {
        const qreal h = heights[j];
        const qreal top = base - h;
        const qreal w = p[j + 1] - p[j];
        const qreal x = p[j];
        QPainterPath path;
        path.moveTo(x, base - std::min(j == 0 ? h0 : heights[j - 1], h) * 0.3);
        // Every arch is a leg up, a rounded crown and a leg down; the shapes
        // differ in how far down the crown's curve reaches (ry) and how much
        // of the width it takes on each side (rx), so a taller hump is the
        // same round arch on longer legs, never a pointed one.
        qreal rx = w * 0.5;
        qreal ry = w * 0.5;
        if (shape == Hump::Even) {
            // Square shoulders on upright legs, a short flat crown between.
            rx = w * 0.36;
            ry = w * 0.4;
        } else if (shape == Hump::Arched) {
            ry = w * 0.55;
        } else {
            // Wide half-rounds that roll over from low on their legs.
            ry = std::min(h * 0.8, w * 0.55);
        }
        ry = std::min(ry, h * 0.9);
        const qreal k = 0.5523; // control distance of a quarter ellipse
        path.lineTo(x, top + ry);
        path.cubicTo(x, top + ry * (1 - k), x + rx * (1 - k), top, x + rx, top);
        path.lineTo(x + w - rx, top);
        path.cubicTo(x + w - rx * (1 - k), top, x + w, top + ry * (1 - k), x + w, top + ry);
        path.lineTo(x + w, base);
        if (j == 1) {
            exitFrom(path);
            hand.stroke(path);
        } else {
            // The pen stops on the line and goes back up: the leg keeps its
            // weight to a rounded foot rather than thinning to a point.
            hand.pressureStroke(path, [](qreal) { return 1.0; }, false);
        }
    }
}

void addLowerCaseM(QList<SampleDef> &out)
{
    const QString t = u"TheLowerCaseM"_s;
    auto m = [](qreal h0, qreal h1, Hump shape, qreal humpWidth = 30) {
        return [=](Hand &h, Rng &) {
            const qreal heights[2] = {h0, h1};
            drawM(h, heights, shape, humpWidth);
        };
    };
    addSample(out, t, 0, u"Uphill Humps"_s, m(30, 60, Hump::Arched));
    addSample(out, t, 1, u"Down Humps"_s, m(60, 30, Hump::Arched));
    // Even: two upright, square-shouldered arches alike in height and width;
    // rounded: two wide, low half-round arches.
    addSample(out, t, 2, u"Even Humps"_s, m(46, 46, Hump::Even, 24));
    addSample(out, t, 3, u"Rounded Humps"_s, m(34, 34, Hump::Rounded, 42));
    addSample(out, t, 4, u"Sharp Humps"_s, m(46, 46, Hump::Sharp, 30));
}

// ---- a and o ----------------------------------------------------------

enum class Oval { Closed, Open, InnerLoop };

// A small loop just inside the top of an oval, entered and left at `top`.
QList<QPointF> innerLoop(QPointF c, qreal rx, qreal ry)
{
    return {{c.x() + rx * 0.2, c.y() - ry}, {c.x() + rx * 0.55, c.y() - ry * 0.6}, {c.x() + rx * 0.2, c.y() - ry * 0.25},
            {c.x() - rx * 0.1, c.y() - ry * 0.55}, {c.x() + rx * 0.25, c.y() - ry * 0.98}};
}

void drawA(Hand &hand, QPointF c, qreal rx, qreal ry, Oval kind)
{
    const qreal base = c.y() + ry;
    const qreal stemX = c.x() + rx + 1;
    switch (kind) {
    case Oval::Closed:
        hand.stroke(smoothPath(ovalArc(c, rx, ry, 40, 400)));
        break;
    case Oval::Open:
        // The bowl runs up against the stem as usual, but its start at the
        // top stops short of the stem: a small gap at the top only.
        hand.stroke(smoothPath(ovalArc(c, rx, ry, 50, 360 + 14)));
        break;
    case Oval::InnerLoop: {
        QPainterPath p = smoothPath(ovalArc(c, rx, ry, 90, 450));
        smoothTo(p, innerLoop(c, rx, ry));
        hand.stroke(p);
        break;
    }
    }
    const qreal stemTop = c.y() - ry - 1;
    QPainterPath stem(QPointF(stemX, stemTop));
    stem.lineTo(stemX, base - 6);
    smoothTo(stem, {{stemX, base - 6}, {stemX + 3, base}, {stemX + 9, base - 1}, {stemX + 14, base - 6}});
    hand.stroke(stem);
}

void drawO(Hand &hand, QPointF c, qreal rx, qreal ry, Oval kind)
{
    const QPointF exitEnd(c.x() + rx + 5, c.y() - ry + 7);
    QPainterPath p;
    switch (kind) {
    case Oval::Closed:
        p = smoothPath(ovalArc(c, rx, ry, 95, 95 + 360));
        smoothTo(p, {onOval(c, rx, ry, 95 + 360), {c.x() + rx * 0.6, c.y() - ry - 1}, exitEnd});
        break;
    case Oval::Open:
        // Round all the way but for a small gap at the top right, where the
        // pen left the bowl before closing it.
        p = smoothPath(ovalArc(c, rx, ry, 96, 360 + 58));
        break;
    case Oval::InnerLoop:
        p = smoothPath(ovalArc(c, rx, ry, 90, 450));
        smoothTo(p, innerLoop(c, rx, ry));
        smoothTo(p, {{c.x() + rx * 0.25, c.y() - ry * 0.98}, {c.x() + rx * 0.8, c.y() - ry - 1}, exitEnd});
        break;
    }
    hand.stroke(p);
}

void addLowerCaseO(QList<SampleDef> &out)
{
    const QString t = u"TheLowerCaseo"_s;
    auto ao = [](Oval kind) {
        return [kind](Hand &h, Rng &) {
            h.setWidth(3.0);
            drawA(h, {30, 72}, 17, 22, kind);
            drawO(h, {82, 72}, 17, 22, kind);
        };
    };
    addSample(out, t, 0, u"Closed at the Top with No Loops"_s, ao(Oval::Closed));
    addSample(out, t, 1, u"Open at the Top"_s, ao(Oval::Open));
    addSample(out, t, 2, u"One Inner Loop"_s, ao(Oval::InnerLoop));
}

// ---- d ----------------------------------------------------------------

enum class DStem { High, Pointed, Looped, Split };

void drawD(Hand &hand, DStem kind)
{
    const qreal base = 114;
    const qreal ry = 16;
    const qreal rx = 14;
    hand.setWidth(3.0);
    drawA(hand, {26, base - ry}, rx, ry, Oval::Closed);

    const QPointF c(74, base - ry);
    hand.stroke(smoothPath(ovalArc(c, rx, ry, 40, 400)));
    const qreal sx = c.x() + rx + 1;
    const qreal xTop = base - 2 * ry;
    const qreal stemTop = kind == DStem::High ? 4 : 42;
    QPainterPath foot(QPointF(sx, base - 6));
    smoothTo(foot, {{sx, base - 6}, {sx + 3, base}, {sx + 9, base - 1}, {sx + 14, base - 6}});
    hand.stroke(foot);
    switch (kind) {
    case DStem::High:
        hand.line({sx, stemTop}, {sx, base - 6});
        break;
    case DStem::Pointed: {
        // A hairline up-stroke leaves the side of the bowl and rises in a
        // slight curve to a sharp point, where the pen turns and comes back
        // down, pressing harder, to the foot.
        const QPointF apex(sx + 0.5, stemTop - 4);
        const QPointF from = onOval(c, rx, ry, 12);
        hand.taperedStroke(smoothPath({from, {sx - 1.8, xTop - 4}, {sx - 0.7, stemTop + 22}, apex}), 2.3, 1.2);
        hand.pressureStroke(smoothPath({apex, {sx + 1.8, stemTop + 18}, {sx + 1.6, xTop + 6}, {sx + 1, base - 6}}),
                            [](qreal t) { return 0.55 + 0.5 * std::min<qreal>(1, t * 2.5); }, false);
        break;
    }
    case DStem::Looped:
        hand.stroke(smoothPath({{sx - 3, xTop + 8}, {sx + 6, xTop - 16}, {sx + 7, stemTop + 10}, {sx, stemTop},
                                {sx - 6, stemTop + 10}, {sx - 3, xTop - 14}, {sx, xTop + 10}, {sx, base - 6}}));
        break;
    case DStem::Split:
        hand.line({sx - 1, xTop + 6}, {sx - 10, stemTop + 2});
        hand.line({sx + 2, stemTop}, {sx, base - 6});
        break;
    }
}

void addLowerCaseD(QList<SampleDef> &out)
{
    const QString t = u"StemsofLowerCased"_s;
    auto d = [](DStem kind) { return [kind](Hand &h, Rng &) { drawD(h, kind); }; };
    addSample(out, t, 0, u"Higher than Normal"_s, d(DStem::High));
    addSample(out, t, 1, u"Pointed"_s, d(DStem::Pointed));
    addSample(out, t, 2, u"Looped"_s, d(DStem::Looped));
    addSample(out, t, 3, u"Split Stem"_s, d(DStem::Split));
}

} // namespace

void addLetterSamples(QList<SampleDef> &out)
{
    addIDots(out);
    addLowerCaseE(out);
    addLowerCaseM(out);
    addLowerCaseO(out);
    addLowerCaseD(out);
}

} // namespace assetgen
