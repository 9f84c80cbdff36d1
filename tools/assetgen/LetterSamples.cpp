// Small letters drawn stroke by stroke: i-dots, e, m, a with o, and d.

#include "Samples.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

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

// A repeatable value in [0, 1] for one cell of the paper's grain.
qreal grainAt(int x, int y, quint64 salt)
{
    quint64 h = (quint64(quint32(x)) * 0x9E3779B97F4A7C15ULL) ^ (quint64(quint32(y)) * 0xC2B2AE3D27D4EB4FULL) ^ salt;
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDULL;
    h ^= h >> 33;
    return (h % 10007) / 10006.0;
}

// ---- i ----------------------------------------------------------------

enum class Dot { Direct, Close, High, Light, Left, Right, Circle, Smudge, None };

// Where the i's stand in the word "mini", and how tall the word is.
const qreal kIBase = 102;
const qreal kIUnit = 2.5;
// A little more room than usual either side of the i's, so a dot set off to
// one side still sits clear of the neighbouring letter.
const qreal kIGap = 4.4 * kIUnit;
const qreal kIWordLeft = 12;
// How far a dot set to one side of its i stands off the stem.
const qreal kIDotAside = 8;
// How far over the top of its stem an ordinary dot is set: most of the
// letter's height, so a dot just over the tip looks plainly low beside it.
const qreal kIDotLift = 22;
// How far over the top of its stem a dot set to one side is: about half the
// usual, so it is seen at an angle from the stem rather than above it.
const qreal kISideDotLift = 13;
const qreal kIStems[2] = {kIWordLeft + 11.8 * kIUnit + kIGap + 0.5 * kIUnit,
                          kIWordLeft + 19.8 * kIUnit + 3 * kIGap + 0.5 * kIUnit};

// The i's stem, written like the rest of the word: a down-stroke that leans
// and bows a shade differently each time. Returns the top of the stem.
QPointF drawIStem(Hand &hand, qreal x, Rng &rng)
{
    auto j = [&rng](qreal a) { return rng.uniform(-a, a); };
    const QPointF top(x + j(0.5), kIBase - 10 * kIUnit + j(0.6));
    const QPointF foot(x + j(0.6), kIBase - 0.2);
    const QPointF mid = (top + foot) / 2 + QPointF(j(0.6), 0);
    hand.stroke(smoothPath({top, mid, foot}));
    return top;
}

// A smooth random field over the paper, about 0 to 1, its features some
// `size` picture units across: how much ink the paper's grain takes up
// differs from place to place in patches of about that size.
class PaperGrain
{
public:
    PaperGrain(Rng &rng, qreal size)
        : m_size(size)
    {
        for (qreal &v : m_lattice)
            v = rng.uniform(0, 1);
    }
    qreal at(qreal x, qreal y) const
    {
        // Two octaves of smoothly interpolated lattice values.
        return 0.7 * layer(x / m_size, y / m_size) + 0.3 * layer(x * 2.3 / m_size + 7.1, y * 2.3 / m_size + 3.7);
    }

private:
    qreal layer(qreal x, qreal y) const
    {
        const qreal fx = std::floor(x), fy = std::floor(y);
        auto v = [this](int i, int k) { return m_lattice[(i & 31) * 32 + (k & 31)]; };
        auto ease = [](qreal t) { return t * t * (3 - 2 * t); };
        const qreal tx = ease(x - fx), ty = ease(y - fy);
        const int i = int(fx), k = int(fy);
        const qreal top = v(i, k) + (v(i + 1, k) - v(i, k)) * tx;
        const qreal bottom = v(i, k + 1) + (v(i + 1, k + 1) - v(i, k + 1)) * tx;
        return top + (bottom - top) * ty;
    }
    qreal m_size;
    qreal m_lattice[32 * 32];
};

// Clears from `film` every speck of ink within `box` that is not joined to
// its largest piece: ink rubbed over paper thins out but stays one spread;
// loose flecks round it would read as spray. Pieces are told apart by the
// ink that shows plainly, at least `showing` of alpha; fainter ink is kept
// where it runs on from the piece that stays, as the thinning end of a rub
// does, and cleared round the flecks.
void keepLargestPiece(QImage &film, const QRect &box, int showing)
{
    const int w = box.width(), h = box.height();
    auto alphaAt = [&](int x, int y) {
        return qAlpha(reinterpret_cast<const QRgb *>(film.constScanLine(box.top() + y))[box.left() + x]);
    };
    // Floods from (x0, y0) over the pixels `joins` accepts, marking them
    // `mark`; returns how many it marked.
    QList<int> piece(w * h, -1);
    auto flood = [&](int x0, int y0, int mark, const auto &joins) {
        int size = 0;
        QList<QPoint> todo{{x0, y0}};
        piece[y0 * w + x0] = mark;
        while (!todo.isEmpty()) {
            const QPoint q = todo.takeLast();
            ++size;
            for (int y = std::max(0, q.y() - 1); y <= std::min(h - 1, q.y() + 1); ++y)
                for (int x = std::max(0, q.x() - 1); x <= std::min(w - 1, q.x() + 1); ++x)
                    if (piece[y * w + x] < 0 && joins(x, y)) {
                        piece[y * w + x] = mark;
                        todo.append({x, y});
                    }
        }
        return size;
    };
    auto plain = [&](int x, int y) { return alphaAt(x, y) >= showing; };
    int largest = -1, largestSize = 0, count = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (piece[y * w + x] < 0 && plain(x, y)) {
                const int size = flood(x, y, count, plain);
                if (size > largestSize) {
                    largestSize = size;
                    largest = count;
                }
                ++count;
            }
    // The faint ink that runs on from the kept piece joins it.
    auto faint = [&](int x, int y) { return alphaAt(x, y) > 0 && !plain(x, y); };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (piece[y * w + x] == largest)
                for (int ny = std::max(0, y - 1); ny <= std::min(h - 1, y + 1); ++ny)
                    for (int nx = std::max(0, x - 1); nx <= std::min(w - 1, x + 1); ++nx)
                        if (piece[ny * w + nx] < 0 && faint(nx, ny))
                            flood(nx, ny, largest, faint);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (alphaAt(x, y) > 0 && piece[y * w + x] != largest)
                reinterpret_cast<QRgb *>(film.scanLine(box.top() + y))[box.left() + x] = 0;
}

// A film the size of the painter's device holding, over the device pixels
// of `box`, ink whose share of the pen's full ink at each point on the paper
// is `density`, averaged over `samples` by `samples` points in each pixel;
// pixels fainter than `faintest` stay bare.
QImage inkFilm(QPainter &p, const QRect &box, int samples, const QColor &ink, const std::function<qreal(QPointF)> &density,
               qreal faintest = 0)
{
    const QTransform toPaper = p.combinedTransform().inverted();
    const qreal pixel = 1 / std::max(p.combinedTransform().m11(), 1e-6);
    QImage film(p.device()->width(), p.device()->height(), QImage::Format_ARGB32_Premultiplied);
    film.fill(Qt::transparent);
    for (int y = box.top(); y <= box.bottom(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(film.scanLine(y));
        for (int x = box.left(); x <= box.right(); ++x) {
            const QPointF at = toPaper.map(QPointF(x + 0.5, y + 0.5));
            qreal sum = 0;
            for (int sy = 0; sy < samples; ++sy)
                for (int sx = 0; sx < samples; ++sx)
                    sum += density(at + QPointF((sx + 0.5) / samples - 0.5, (sy + 0.5) / samples - 0.5) * pixel);
            const qreal alpha = std::clamp(sum / (samples * samples), 0.0, 1.0);
            if (alpha < faintest)
                continue;
            const int a = qRound(alpha * 255);
            line[x] = qRgba(ink.red() * a / 255, ink.green() * a / 255, ink.blue() * a / 255, a);
        }
    }
    return film;
}

// Lays a film from inkFilm() on the picture.
void layFilm(QPainter &p, const QImage &film)
{
    p.save();
    p.resetTransform();
    p.drawImage(0, 0, film);
    p.restore();
}

// How a wet dot was smudged: which way the finger went over it, how much of
// it the finger caught and how far it carried the ink.
struct Smear {
    qreal drag = 0;        // radians, clockwise from three o'clock, as y runs down
    qreal reach = 8;       // how far past the dot's middle the smear runs
    qreal breadth = 1;     // its half-width at the dot, in dot radii
    qreal flare = 0.3;     // how much broader it grows on its way
    qreal strength = 0.75; // how much ink it holds next to the dot
    qreal falloff = 2;     // how quickly it thins away
    qreal streaks = 0.3;   // how plainly fine lines show along it
    qreal ridge = 1.5;     // how far apart the skin's ridges lay
    qreal lifted = 0.3;    // how much of the dot's ink the finger took up
};

// A dot of wet ink, `radius` round, wiped by a fingertip before it dried.
// The dot stays a dense remnant of full ink, paler where the finger took
// some of it up; past it lies a short smear of the ink it carried, thinning
// quickly and unevenly, laid in fine lines along the way it went where the
// skin's ridges and the paper's fibres took more or less of it, its sides
// soft but wavering and each line of it running out at its own place.
void drawSmudgedDot(Hand &hand, QPointF c, qreal radius, const Smear &s, Rng &rng)
{
    QPainter &p = hand.painter();
    const QPointF along(std::cos(s.drag), std::sin(s.drag));
    const QPointF across(-along.y(), along.x());
    // The dot's own outline: a little oval, lopsided in slow swells.
    const qreal tilt = rng.uniform(0, M_PI);
    const QPointF dotAxis(std::cos(tilt), std::sin(tilt));
    const qreal stretch = rng.uniform(1.05, 1.2);
    qreal amp[4], phase[4];
    for (int k = 0; k < 4; ++k) {
        amp[k] = rng.uniform(0.03, 0.08) / (1 + 0.5 * k);
        phase[k] = rng.uniform(0, 2 * M_PI);
    }
    const PaperGrain liftGrain(rng, 1.6);   // where the finger took up more of the dot
    const PaperGrain patchGrain(rng, 1.4);  // where the smear lies heavier or thinner
    const PaperGrain edgeGrain(rng, 1.3);   // how its sides waver
    const PaperGrain reachGrain(rng, 3.0);  // how far each part of its width runs
    const PaperGrain fibreGrain(rng, 0.45); // fine lines along it
    const qreal ridgePhase = rng.uniform(0, 2 * M_PI);
    const qreal bow = rng.uniform(-0.015, 0.015); // the finger's path curves a hair
    const int looseSide = rng.uniform(0, 1) < 0.5 ? -1 : 1;
    const qreal lift = rng.uniform(-0.45, 0.45); // the finger left the paper at a slant
    const qreal stick = rng.uniform(0.3, 0.5);   // where it caught for a moment
    const quint64 salt = rng.next();
    const qreal start = -0.3 * radius; // the finger met the dot before its middle
    const qreal length = s.reach - start;

    auto density = [&](QPointF q) {
        const qreal u = QPointF::dotProduct(q, along), w = QPointF::dotProduct(q, across);
        // The dot.
        const qreal da = QPointF::dotProduct(q, dotAxis) / stretch;
        const qreal db = -q.x() * dotAxis.y() + q.y() * dotAxis.x();
        const qreal theta = std::atan2(db, da);
        qreal edge = 1;
        for (int k = 0; k < 4; ++k)
            edge += amp[k] * std::cos((k + 2) * theta + phase[k]);
        const qreal inDot = std::clamp((radius * edge - std::hypot(da, db)) / 0.4 + 0.5, 0.0, 1.0);
        qreal dotInk = 0;
        if (inDot > 0) {
            const qreal forward = smoothStep(-0.5 * radius, 0.9 * radius, u);
            dotInk = inDot * (0.97 - s.lifted * forward * (0.3 + 0.9 * liftGrain.at(q.x() / 1.5, q.y() / 1.5)));
        }
        // The smear.
        qreal smearInk = 0;
        const qreal d = u - start;
        if (d > 0) {
            const qreal t = d / length;
            const qreal mid = w - bow * d * d;
            const int side = mid > 0 ? 1 : -1;
            // One side ran along the finger's edge and stays straighter and
            // firmer; the other spread out more and softer.
            const bool loose = side == looseSide;
            const qreal spread = loose ? 1.6 * s.flare : 0.4 * s.flare;
            const qreal half = radius * s.breadth * (1 + spread * std::sin(M_PI * std::min(t, 1.0) * 0.8))
                * (0.82 + 0.26 * edgeGrain.at(d * 0.5, side * 6) + 0.14 * edgeGrain.at(d * 1.7, side * 6 + 3));
            const qreal soft = loose ? 0.4 + 1.1 * t : 0.3 + 0.4 * t;
            const qreal cover = smoothStep(0, 1, (half - std::abs(mid)) / soft + 0.5);
            const qreal off = std::min(1.0, std::abs(mid) / (radius * s.breadth * (1 + s.flare)));
            const qreal end = length * (0.8 + 0.3 * reachGrain.at(0.3, mid) + 0.05 * fibreGrain.at(3.1, mid) - 0.15 * off * off)
                + lift * mid;
            // Full of ink until well into the dot's far half, then thinning.
            const qreal full = 0.6 * radius - start;
            const qreal tt = std::max(0.0, d - full) / (end - full);
            if (cover > 0 && tt < 1 && d < end) {
                const qreal fade = std::pow(1 - tt, s.falloff);
                const qreal ridgeWave = 0.5 + 0.5 * std::sin(2 * M_PI * mid / s.ridge + ridgePhase + 1.5 * patchGrain.at(d * 0.3, 11));
                const qreal lines = 0.4 * ridgeWave + 0.6 * fibreGrain.at(d * 0.08, mid);
                const qreal streak = std::max(0.1, 1 - 2 * s.streaks * (0.5 + t) * (lines - 0.5));
                // Heavier and lighter in patches, and where the finger
                // caught for a moment a little more ink lies across it.
                const qreal mottle = (0.7 + 0.6 * patchGrain.at(d / 2.2, mid / 1.8))
                    * (1 + 0.3 * std::exp(-std::pow((tt - stick) / 0.09, 2)));
                smearInk = s.strength * fade * cover * streak * mottle;
            }
        }
        // Over the dot the finger took ink up rather than laid it down.
        smearInk *= 1 - 0.6 * inDot;
        return 1 - (1 - dotInk) * (1 - std::min(smearInk, 1.0));
    };

    const QTransform toDevice = p.combinedTransform();
    const qreal sideways = radius * s.breadth * (1 + 1.6 * s.flare) * 1.25 + 2;
    QPolygonF reachOf;
    for (qreal a : {-radius * 1.4 - 1, s.reach * 1.3 + 1})
        for (qreal b : {-sideways, sideways})
            reachOf << c + along * a + across * b;
    const QRect box = toDevice.map(reachOf).boundingRect().toAlignedRect() & QRect(0, 0, p.device()->width(), p.device()->height());
    const qreal pixel = 1 / std::max(toDevice.m11(), 1e-6);
    const int samples = std::max(2, int(std::lround(pixel / 0.3)));
    const qreal fibreWidth = 0.45, fibreLength = 1.6;
    QImage film = inkFilm(p, box, samples, hand.ink(), [&](QPointF q) {
        const qreal inked = density(q - c);
        if (inked <= 0)
            return 0.0;
        // The paper's fibres, wiped along, take the ink in short dashes the
        // way the finger went.
        const QPointF r = q - c;
        const int gw = int(std::floor(QPointF::dotProduct(r, across) / fibreWidth));
        const int gu = int(std::floor(QPointF::dotProduct(r, along) / fibreLength + grainAt(gw, 7, salt ^ 0x3C3C3C3CULL)));
        const qreal take = grainAt(gu, gw, salt ^ 0x5A5A5A5AULL) < 0.06 ? 0.6 : 0.82 + 0.36 * grainAt(gu, gw, salt);
        return inked * (take + (1 - take) * inked * inked);
    }, 0.05);
    keepLargestPiece(film, box, 56);
    layFilm(p, film);
}

// Lays down ink whose share of the pen's full ink at each place on the
// paper is `density` (0 off the mark) over `reach`, averaged over each pixel
// finely enough that an edge is as crisp as the picture allows.
void paleInk(Hand &hand, const QRectF &reach, const std::function<qreal(QPointF)> &density)
{
    QPainter &p = hand.painter();
    const QTransform toDevice = p.combinedTransform();
    const QRect box = toDevice.mapRect(reach).toAlignedRect() & QRect(0, 0, p.device()->width(), p.device()->height());
    if (box.isEmpty())
        return;
    const qreal pixel = 1 / std::max(toDevice.m11(), 1e-6);
    const int samples = std::max(2, int(std::ceil(pixel / 0.12)));
    layFilm(p, inkFilm(p, box, samples, hand.ink(), density));
}

// The dot over an i whose stem starts at `top`. Every dot is set down by
// hand, so no two are the same size or exactly the same distance off.
void drawIDot(Hand &hand, QPointF top, Dot dot, int which, Rng &rng)
{
    auto j = [&rng](qreal a) { return rng.uniform(-a, a); };
    const qreal r = 2.5 + j(0.2);
    // A dot is a short dab of the pen, not a perfect disc.
    auto dab = [&](Hand &pen, QPointF c, qreal radius) {
        const qreal a = rng.uniform(0, 2 * M_PI);
        const QPointF d(std::cos(a) * radius * 0.2, std::sin(a) * radius * 0.15);
        pen.dot(c - d, radius);
        pen.dot(c + d, radius * 0.92);
    };
    switch (dot) {
    case Dot::Direct:
        // Square over the stem at the height a dot is usually set: a clear
        // gap of most of the letter's height, plainly no low dot and no
        // high one.
        dab(hand, {top.x() + j(0.1), top.y() - r - kIDotLift + j(0.4)}, r);
        break;
    case Dot::Close:
        // Set down low, just over the tip of the stem, with a small gap of
        // paper between: not so close that it seems to sit on the stem,
        // which some take for "directly" above. Dabbed in passing, so it
        // lands plainly right of plumb, by about a third of its width, a
        // shade differently on each i; only the dots set at the usual height
        // stand exactly over their stems, so whoever reads "directly" as
        // "plumb" rather than "close" still tells the two apart.
        dab(hand, {top.x() + (which == 0 ? 2.3 : 2.6) + j(0.1), top.y() - r - 5.4 + j(0.1)}, r);
        break;
    case Dot::High:
        dab(hand, {top.x() + 1 + j(1.2), top.y() - 64 + j(2)}, r);
        break;
    case Dot::Light: {
        // Barely pressed: the ball of the pen just touches and is gone
        // again, still moving on a little as it lifts, so what it leaves is
        // a small pale dot at the usual height, drawn out a shade the way
        // the pen went, not a tadpole with a tail. Little ink comes off a
        // ball so lightly pressed, and not evenly: it lies heavier in a
        // crescent on the back of the dot, where the ball bore as it landed,
        // thinner and patchy inside, and paler still where the ball skipped
        // for a moment. The two touches differ: the first a little broader
        // and drawn down to the right, the second smaller and drawn nearly
        // straight down.
        const bool first = which == 0;
        const qreal heading = qDegreesToRadians(first ? rng.uniform(30, 40) : rng.uniform(72, 80));
        const QPointF along(std::cos(heading), std::sin(heading)), across(-along.y(), along.x());
        const qreal head = (first ? 2.05 : 1.95) + j(0.05);
        const qreal trail = (first ? 1.1 : 0.9) + j(0.1);
        const qreal taper = first ? 0.55 : 0.62;     // the tail's width where it leaves the head, in head radii
        const qreal bend = (first ? 0.4 : 0.45) + j(0.05); // the tail curls a shade
        const qreal bore = (first ? -0.5 : 0.6) + j(0.1);  // which side of the back the ball bore on
        // Its outline is no true circle, swelling and dipping a little.
        qreal amp[2], phase[2];
        for (int k = 0; k < 2; ++k) {
            amp[k] = rng.uniform(0.06, 0.11);
            phase[k] = rng.uniform(0, 2 * M_PI);
        }
        // Set so the mark as a whole sits over the stem.
        const QPointF c(top.x() + 0.5 + j(0.4), top.y() - r - kIDotLift + j(0.6));
        const QPointF landed = c - along * (0.35 * trail);
        const qreal skipAt = (first ? 0.75 : 0.5) * head + j(0.08);
        const PaperGrain blots(rng, 1.3);
        paleInk(hand, QRectF(c - QPointF(6, 6), QSizeF(12, 12)), [&](QPointF at) {
            const QPointF d = at - landed;
            const qreal u = QPointF::dotProduct(d, along), v = QPointF::dotProduct(d, across);
            // Inside the head: how far in from its edge.
            const qreal theta = std::atan2(v, u);
            const qreal rim = head * (1 + amp[0] * std::cos(2 * theta + phase[0]) + amp[1] * std::cos(3 * theta + phase[1]));
            const qreal fromHead = rim - std::hypot(u, v);
            // Inside the tail, which narrows to a fine point and bends as it
            // goes.
            const qreal s = std::clamp(u / trail, 0.0, 1.0);
            const qreal width = head * taper * (1 - 0.8 * s);
            const qreal fromTail = u < 0 ? -1.0 : width - std::hypot(u - s * trail, v - bend * s * s);
            const qreal inside = std::max(fromHead, fromTail);
            const qreal cover = std::clamp(inside / 0.2 + 0.5, 0.0, 1.0);
            if (cover <= 0)
                return 0.0;
            // Thin over most of it, heavier in a crescent round the back
            // of the head, and thinning along the tail to its tip.
            const qreal back = smoothStep(0.1, -0.7, (u + bore * v) / (head * std::hypot(1.0, bore)));
            const qreal crescent = back * std::exp(-std::pow(std::max(fromHead, 0.0) / 0.55, 2));
            const qreal tailThin = smoothStep(0.3 * trail, 1.1 * trail, u);
            // Inside it lies a little heavier and thinner in patches.
            const qreal patch = blots.at(at.x(), at.y()) - 0.5;
            qreal ink = 0.42 + 0.38 * crescent - 0.08 * tailThin + 0.2 * patch;
            // The skip, across the mark where the head runs into the tail.
            ink -= 0.2 * std::exp(-std::pow((u - skipAt) / 0.4, 2));
            return cover * std::max(ink, 0.05);
        });
        break;
    }
    case Dot::Left:
    case Dot::Right: {
        // Well off to the side and lower than a dot over the stem, though
        // still far above its tip: seen from the stem's top the dot stands
        // off at a wide angle, where at the usual height it would look
        // nearly plumb. Each i's dot lands a little differently, and both
        // stay nearer their own i than the letter beside it.
        const qreal side = dot == Dot::Left ? -1 : 1;
        const qreal aside = kIDotAside + (which == 0 ? 0.1 : 0.9) + j(0.3);
        const qreal lift = kISideDotLift + (which == 0 ? -0.4 : 0.9) + j(0.4);
        dab(hand, {top.x() + side * aside, top.y() - r - lift}, r);
        break;
    }
    case Dot::Circle: {
        // A little ring written round from its top, closed with a small overlap.
        Hand ring(hand.painter(), 1.6);
        const QPointF c(top.x() + 0.5 + j(0.6), top.y() - 14 + j(0.8));
        const qreal rx = 4.3 + j(0.5), ry = 3.9 + j(0.5);
        const qreal start = 70 + j(25);
        ring.stroke(smoothPath(ovalArc(c, rx, ry, start, start + 380 + j(15), 24)));
        break;
    }
    case Dot::Smudge: {
        // A dot a shade heavier than usual, at the usual height, wiped to
        // the right by a fingertip before it dried. One finger went over
        // both, but not alike: the first i's dot a little bigger and wiped
        // longer and straighter, the second's a shorter, narrower wipe
        // turned further down.
        const QPointF c(top.x() + j(0.4), top.y() - r - kIDotLift + j(0.4));
        const bool first = which == 0;
        Smear s;
        s.drag = qDegreesToRadians(first ? rng.uniform(6, 10) : rng.uniform(18, 23));
        s.reach = (first ? 13 : 10.5) + j(0.4);
        s.breadth = first ? 1.0 : 0.88;
        s.flare = 0.3;
        s.strength = 0.78;
        s.falloff = first ? 0.6 : 0.7;
        s.streaks = 0.1;
        s.ridge = 1.1;
        s.lifted = 0.3;
        drawSmudgedDot(hand, c, r + (first ? 0.4 : 0.3), s, rng);
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
            // The i's are written in a short word, so where their dots sit
            // is read against ordinary letters of the same hand.
            h.setWidth(2.7);
            // Each picture's own copy of the word, as from another writer.
            h.stroke(printText(u"m"_s, {kIWordLeft, kIBase}, kIUnit, 0, 0, sitting()).strokes);
            h.stroke(printText(u"n"_s, {kIStems[0] + 0.5 * kIUnit + kIGap, kIBase}, kIUnit, 0, 0, sitting()).strokes);
            for (int k = 0; k < 2; ++k) {
                h.setWidth(2.7 + rng.uniform(-0.12, 0.12));
                const QPointF top = drawIStem(h, kIStems[k], rng);
                drawIDot(h, top, d, k, rng);
            }
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

enum class ELoop { Narrow, Normal, Broad, Loopless, Greek };

// How a looped e meets its neighbours: whether its rise runs on from the
// e before (from the end of `joinedFrom`, the last stretch of that e's
// stroke in the painter's device coordinates) or begins at the crossing,
// and whether its exit stops short to run on into the e after it.
struct EJoin
{
    std::optional<QLineF> joinedFrom;
    bool runsOn = false;
};

// Draws an e; returns the last stretch of its stroke, in device
// coordinates, for the next e to run on from.
QLineF drawE(Hand &hand, qreal x0, qreal base, ELoop kind, qreal pen = 3.0, const EJoin &join = {})
{
    const qreal H = 40;
    const qreal W = 34;
    hand.setWidth(pen);
    if (kind == ELoop::Greek) {
        const QPointF end(x0 + W * 1.05, base - H * 0.16);
        hand.stroke(smoothPath({{x0 + W * 0.9, base - H * 0.86}, {x0 + W * 0.55, base - H}, {x0 + W * 0.12, base - H * 0.85},
                                {x0 + W * 0.2, base - H * 0.58}, {x0 + W * 0.55, base - H * 0.52},
                                {x0 + W * 0.18, base - H * 0.46}, {x0, base - H * 0.22}, {x0 + W * 0.3, base},
                                {x0 + W * 0.75, base - 1}, end}));
        return hand.painter().transform().map(QLineF(QPointF(x0 + W * 0.75, base - 1), end));
    }
    // Lead-in, a rise to the right, over the top of the loop, down the left
    // side and round the bottom to the exit. How far the rise stays below the
    // descent sets the size of the loop.
    auto at = [x0, base](qreal dx, qreal dy) { return QPointF(x0 + dx, base + dy); };
    QList<QPointF> pts;
    switch (kind) {
    case ELoop::Narrow:
        // Lower than the other e's and well within the s's height, or a
        // slim loop stands up like an l: the rise climbs close under the
        // crown, leaving a small slit of an eye leaning into a wide, round
        // back and foot.
        pts = {at(-10, -2), at(0, -5.5), at(9, -10.5), at(16, -16), at(21, -22), at(19.5, -27.5), at(12.5, -29),
               at(6.5, -24), at(2.8, -15.5), at(2, -8), at(5, -2), at(12, 0.5), at(21, 0.4), at(29, -2.5), at(35, -7)};
        break;
    case ELoop::Normal:
        pts = {at(-10, -2), at(2, -8), at(14, -15), at(26, -22), at(29, -31), at(23, -38), at(12, -36),
               at(4, -26), at(1, -13), at(5, -3), at(14, 0), at(25, -1), at(35, -7)};
        break;
    case ELoop::Broad:
        pts = {at(-10, -2), at(2, -8), at(17, -13), at(31, -19), at(34, -30), at(26, -39), at(12, -39),
               at(3, -29), at(0, -14), at(5, -3), at(16, 0), at(28, -1), at(38, -7)};
        break;
    case ELoop::Loopless: {
        // Written in one movement with nothing crossed: the pen sets down in
        // the middle of the letter, runs across it as the e's bar, nearly
        // level, turns up at the shoulder and over the crown, runs down the
        // back and round the foot. A bar, not a tick flicked up to the
        // shoulder, which leaves a c with a mark in it. It starts well clear
        // of the back, so the eye stays plainly open on the left and no loop
        // ever forms; with no loop to rise into, the letter is not joined to
        // the one before.
        const QList<QPointF> pts = {at(14.5, -17.5), at(21, -18.4), at(26.5, -20.5), at(28, -28.5), at(21, -37.5), at(10, -37),
                                    at(3, -27), at(2.4, -13), at(7, -3), at(16, 0), at(26, -1), at(35, -7)};
        hand.pressureStroke(smoothPath(pts), [](qreal t) { return 0.8 + 0.35 * std::exp(-std::pow((t - 0.55) / 0.2, 2)); });
        return hand.painter().transform().map(QLineF(pts[pts.size() - 2], pts.last()));
    }
    case ELoop::Greek:
        break;
    }
    // The first point is a lead-in from the baseline well left of the back.
    // An e begun on its own starts where its rise crosses the back, so no
    // line runs in from the paper and through the letter; one joined to the
    // e before rises straight on from that e's exit.
    pts.removeFirst();
    if (join.joinedFrom) {
        // On along the line the last e's exit took, bending smoothly up into
        // the rise, so the join shows neither corner nor wave: one curve
        // from the exit's end to the rise's second point, leaving the one
        // and meeting the other along their own directions.
        const QLineF from = hand.painter().transform().inverted().map(*join.joinedFrom);
        const QPointF start = from.p2(), end = pts[1];
        const qreal reach = QLineF(start, end).length() / 3;
        const QPointF leaving = (from.p2() - from.p1()) / from.length();
        const QLineF rise(pts[0], pts[2]);
        const QPointF meeting = (rise.p2() - rise.p1()) / rise.length();
        const QPointF c1 = start + leaving * reach, c2 = end - meeting * reach;
        pts.removeFirst();
        for (int k = 5; k >= 0; --k) {
            const qreal t = k / 6.0, u = 1 - t;
            pts.prepend(u * u * u * start + 3 * u * u * t * c1 + 3 * u * t * t * c2 + t * t * t * end);
        }
    }
    // Running on into the next e, the exit stops short where that e's rise
    // takes over, so the two never run side by side.
    if (join.runsOn)
        pts.removeLast();
    // The rise into the loop is written lightly; the pen presses into the
    // down-stroke of the back and eases off round the foot to the exit. Where
    // one e runs on into the next, the pen does not lift.
    hand.pressureStroke(smoothPath(pts), [](qreal t) { return 0.82 + 0.33 * std::exp(-std::pow((t - 0.6) / 0.17, 2)); },
                        join.joinedFrom ? PenEnd::Blunt : PenEnd::Tapered, join.runsOn ? PenEnd::Blunt : PenEnd::Tapered);
    return hand.painter().transform().map(QLineF(pts[pts.size() - 2], pts.last()));
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
            h.stroke(printText(u"s"_s, QPointF(15, base), unit, 0, 0, sitting()).strokes);
            QPainter &p = h.painter();
            p.save();
            p.translate(47, base);
            p.scale(k, k);
            p.translate(-47, -base);
            varyCopy(p, {59, base}, rng);
            // Looped e's are written in one movement, the first running on
            // into the second.
            const bool joined = first != ELoop::Loopless && first != ELoop::Greek && second == first;
            const QLineF exit = drawE(h, 47, base, first, 3.0 / k, {std::nullopt, joined});
            p.restore();
            varyCopy(p, {99, base}, rng);
            drawE(h, 47 + 40, base, second, 3.0 / k, {joined ? std::optional(exit) : std::nullopt, false});
            p.restore();
            p.restore();
        };
    };
    addSample(out, t, 0, u"Narrow Loop"_s, pair(ELoop::Narrow, ELoop::Narrow));
    addSample(out, t, 1, u"Broad Loop"_s, pair(ELoop::Broad, ELoop::Broad));
    addSample(out, t, 2, u"No Loop"_s, pair(ELoop::Loopless, ELoop::Loopless));
    addSample(out, t, 3, u"Greek \"E\""_s, pair(ELoop::Greek, ELoop::Greek));
}

// ---- m ----------------------------------------------------------------

enum class Hump { Arched, Even, Rounded, Sharp };

void drawM(Hand &hand, const qreal (&heights)[2], Hump shape, qreal humpWidth, Rng &rng)
{
    const qreal base = 96;
    auto j = [&rng](qreal a) { return rng.uniform(-a, a); };
    // Written, not constructed: the letter leans forward a little and no
    // leg, arch or shoulder comes out exactly like its neighbour.
    QPainter &painter = hand.painter();
    painter.save();
    painter.translate(0, base);
    painter.shear(-0.07, 0);
    painter.translate(0, -base);
    // A first leg, two humps and their legs; entry tick (6) and exit (12)
    // included, the letter is centred.
    const qreal left = (118 - 2 * humpWidth - 18) / 2 + 6;
    // Even humps are kept alike in width too; other hands space their legs
    // a little unevenly.
    const qreal spread = shape == Hump::Even ? 0.25 : 1.2;
    const qreal p[3] = {left, left + humpWidth + j(spread), left + 2 * humpWidth + j(spread)};
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
        painter.restore();
        return;
    }
    hand.pressureStroke(first, [](qreal) { return 1.0; }, PenEnd::Tapered, PenEnd::Blunt);
    // Each hump is its own pen movement: the pen runs back up inside the leg
    // it came down, branches off into the hump and comes down the next leg
    // to the line, so every leg ends on the line the way a down-stroke does.
    for (int n = 0; n < 2; ++n) {
        const qreal h = heights[n] + (heights[0] == heights[1] ? j(0.5) : j(1.5));
        const qreal top = base - h;
        const qreal w = p[n + 1] - p[n];
        const qreal x = p[n];
        QPainterPath path;
        path.moveTo(x, base - std::min(n == 0 ? h0 : heights[n - 1], h) * 0.3);
        // Every arch is a leg up, a crown and a leg down, written through a
        // few points rather than built from circles: the hand leaves the leg
        // a little to the right, its crown falls right of the middle, and
        // the shapes differ in how square the shoulders are and how far
        // down the legs the curve rolls.
        const QPointF from = path.currentPosition();
        QList<QPointF> via;
        if (shape == Hump::Even) {
            // Upright arches kept exactly alike, square in the shoulder: the
            // leg runs on up nearly to the top, turns over short and runs
            // level across the crown, and turns as short down the far leg,
            // so the humps stand like a row of even gateways, nothing like
            // the rounded hand's half-rounds.
            via = {{x + w * 0.02, top + h * 0.25}, {x + w * 0.16, top + h * 0.05}, {x + w * 0.5, top + j(0.15)},
                   {x + w * 0.84, top + h * 0.05}, {x + w * 0.98, top + h * 0.25}};
        } else if (shape == Hump::Arched) {
            via = {{x + w * 0.05, top + h * 0.32}, {x + w * 0.3, top + h * 0.04 + j(0.4)},
                   {x + w * 0.58, top + j(0.4)}, {x + w * 0.86, top + h * 0.12}, {x + w, top + h * 0.4}};
        } else {
            // Wide half-rounds that roll over from low on their legs, round
            // all the way over rather than flat across the top.
            via = {{x + w * 0.03, top + h * 0.5}, {x + w * 0.13, top + h * 0.2}, {x + w * 0.3, top + h * 0.04 + j(0.3)},
                   {x + w * 0.52, top + j(0.3)}, {x + w * 0.73, top + h * 0.05}, {x + w * 0.9, top + h * 0.22},
                   {x + w, top + h * 0.52}};
        }
        // The leg comes down straight under the shoulder, as a down-stroke does.
        path = smoothPath(QList<QPointF>{from} + via
                          + QList<QPointF>{{x + w + j(0.3), (via.last().y() + 2 * base) / 3}, {x + w, base}});
        if (n == 1) {
            exitFrom(path);
            hand.stroke(path);
        } else {
            // The pen stops on the line and goes back up: the leg keeps its
            // weight to a rounded foot rather than thinning to a point.
            hand.pressureStroke(path, [](qreal) { return 1.0; }, PenEnd::Tapered, PenEnd::Blunt);
        }
    }
    painter.restore();
}

void addLowerCaseM(QList<SampleDef> &out)
{
    const QString t = u"TheLowerCaseM"_s;
    auto m = [](qreal h0, qreal h1, Hump shape, qreal humpWidth = 30) {
        return [=](Hand &h, Rng &rng) {
            const qreal heights[2] = {h0, h1};
            drawM(h, heights, shape, humpWidth, rng);
        };
    };
    addSample(out, t, 0, u"Uphill Humps"_s, m(34, 52, Hump::Arched));
    addSample(out, t, 1, u"Down Humps"_s, m(52, 34, Hump::Arched));
    // Even: two upright, regular arches alike in height and width, the one
    // m whose humps stand exactly level; rounded: two wide, low half-round
    // arches, and the sharp m's points, each pair a shade apart in height as
    // most hands leave them, far less than the uphill or down m's.
    addSample(out, t, 2, u"Even Humps"_s, m(45, 45, Hump::Even, 26));
    addSample(out, t, 3, u"Rounded Humps"_s, m(33, 29, Hump::Rounded, 43));
    addSample(out, t, 4, u"Sharp Humps"_s, m(46, 42, Hump::Sharp, 30));
}

// ---- a and o ----------------------------------------------------------

enum class Oval { Closed, Open, InnerLoop };

// A bowl written round from its top is pressed hardest going down its left
// side, lighter over the top and on the way back up; `heavy` is how far
// along the stroke (0 to 1) the left side is.
std::function<qreal(qreal)> bowlPressure(qreal heavy)
{
    return [heavy](qreal t) { return 0.84 + 0.36 * std::exp(-std::pow((t - heavy) / 0.16, 2)); };
}

void drawA(Hand &hand, QPointF c, qreal rx, qreal ry, Oval kind)
{
    const qreal base = c.y() + ry;
    const qreal stemX = c.x() + rx + 1;
    switch (kind) {
    case Oval::Closed:
        hand.pressureStroke(smoothPath(ovalArc(c, rx, ry, 40, 400)), bowlPressure(0.42));
        break;
    case Oval::Open:
        // The bowl runs up against the stem as usual, but its start at the
        // top stops short of the stem: a small gap at the top only.
        hand.pressureStroke(smoothPath(ovalArc(c, rx, ry, 40, 360 + 16)), bowlPressure(0.45));
        break;
    case Oval::InnerLoop:
        // Only the o carries the loop; the a beside it is written plainly.
        hand.pressureStroke(smoothPath(ovalArc(c, rx, ry, 40, 400)), bowlPressure(0.42));
        break;
    }
    const qreal stemTop = c.y() - ry - 1;
    QPainterPath stem(QPointF(stemX, stemTop));
    stem.lineTo(stemX, base - 6);
    smoothTo(stem, {{stemX, base - 6}, {stemX + 3, base}, {stemX + 9, base - 1}, {stemX + 14, base - 6}});
    hand.stroke(stem);
}

void drawO(Hand &hand, QPointF c, qreal rx, qreal ry, Oval kind)
{
    QPainterPath p;
    switch (kind) {
    case Oval::Closed:
        // Closed where it began, at the top: the pen comes round, runs a
        // little way over its own start just inside it and lifts there, so
        // nothing stands out of the round.
        p = smoothPath(ovalArc(c, rx, ry, 95, 95 + 350));
        smoothTo(p, {onOval(c, rx, ry, 95 + 350), onOval(c, rx * 0.98, ry * 0.97, 95 + 368), onOval(c, rx * 0.94, ry * 0.92, 95 + 385)});
        break;
    case Oval::Open:
        // Round all the way but for a small gap at the top right, where the
        // pen left the bowl before closing it.
        p = smoothPath(ovalArc(c, rx, ry, 104, 360 + 72));
        break;
    case Oval::InnerLoop: {
        // One movement: round from the top and, coming up to the top again,
        // on past the start and down into a small loop just inside it; the
        // pen comes up out of the loop across its own path and leaves along
        // the top to the right, no further than the bowl's shoulder.
        const QPointF t(c.x(), c.y() - ry);
        p = smoothPath(ovalArc(c, rx, ry, 70, 70 + 385, 18));
        smoothTo(p, {onOval(c, rx, ry, 455), {t.x() - 6.5, t.y() + 4.5}, {t.x() - 5, t.y() + 11}, {t.x() + 0.5, t.y() + 11.5},
                     {t.x() + 3.5, t.y() + 6.5}, {t.x() + 1.8, t.y() + 1.5}, {t.x() + 5.5, t.y() - 0.2},
                     {t.x() + rx * 0.6, t.y() + 1.6}});
        break;
    }
    }
    hand.pressureStroke(p, bowlPressure(kind == Oval::InnerLoop ? 0.24 : 0.27));
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

void drawD(Hand &hand, DStem kind, Rng &rng)
{
    const qreal base = 114;
    const qreal ry = 16;
    const qreal rx = 14;
    hand.setWidth(3.0);
    // The a and the d lean and size a shade differently, as written letters do.
    varyCopy(hand.painter(), {30, base}, rng);
    drawA(hand, {26, base - ry}, rx, ry, Oval::Closed);
    hand.painter().restore();
    varyCopy(hand.painter(), {80, base}, rng);
    struct Restore { QPainter &p; ~Restore() { p.restore(); } } restore{hand.painter()};

    const QPointF c(74, base - ry);
    hand.pressureStroke(smoothPath(ovalArc(c, rx, ry, 40, 400)), bowlPressure(0.42));
    const qreal sx = c.x() + rx + 1;
    const qreal xTop = base - 2 * ry;
    const qreal stemTop = kind == DStem::High ? 7 : 42;
    QPainterPath foot(QPointF(sx, base - 6));
    smoothTo(foot, {{sx, base - 6}, {sx + 3, base}, {sx + 9, base - 1}, {sx + 14, base - 6}});
    hand.stroke(foot);
    switch (kind) {
    case DStem::High:
        // A long down-stroke, bowed a shade as a hand draws it.
        hand.stroke(smoothPath({{sx + 1.5, stemTop}, {sx + 1.2, (stemTop + base) / 2}, {sx, base - 6}}));
        break;
    case DStem::Pointed: {
        // The up-stroke leaves the side of the bowl and rises to a sharp
        // point, where the pen turns and comes back down, pressing harder,
        // to the foot: a narrow upturned V, the strokes meeting only at the
        // tip. Both are the same pen's ink; the rising one is only a shade
        // finer, as up-strokes are.
        const QPointF apex(sx + 0.3, stemTop - 4);
        const QPointF from = onOval(c, rx, ry, 12);
        hand.pressureStroke(smoothPath({from, {sx - 3.6, xTop - 2}, {sx - 2.4, stemTop + 20}, apex}),
                            [](qreal t) { return 1.4 - 0.3 * t; }, PenEnd::Tapered, PenEnd::Tapered);
        hand.pressureStroke(smoothPath({apex, {sx + 2.6, stemTop + 16}, {sx + 3.0, xTop + 4}, {sx + 1.2, base - 6}}),
                            [](qreal t) { return 0.75 + 0.25 * std::min<qreal>(1, t * 2.5); }, PenEnd::Tapered, PenEnd::Blunt);
        break;
    }
    case DStem::Looped:
        hand.stroke(smoothPath({{sx - 3, xTop + 8}, {sx + 6, xTop - 16}, {sx + 7, stemTop + 10}, {sx, stemTop},
                                {sx - 6, stemTop + 10}, {sx - 3, xTop - 14}, {sx, xTop + 10}, {sx, base - 6}}));
        break;
    case DStem::Split: {
        // The stem is split at its top into a narrow fork: the pen comes
        // down from the top twice, once at full weight to the foot and once
        // from a little to the left, landing lightly and leaning in until it
        // runs into the stem well above the bowl. The tines part in a V, not
        // side by side.
        const QPointF apex(sx + 1.6, stemTop);
        hand.pressureStroke(smoothPath({apex, {sx + 2.1, stemTop + 6}, {sx + 2.0, xTop - 22}, {sx + 1.2, xTop + 6}, {sx, base - 6}}),
                            [](qreal t) { return 0.95 + 0.05 * t; }, PenEnd::Blunt, PenEnd::Blunt);
        hand.pressureStroke(smoothPath({{sx - 5.8, stemTop + 1}, {sx - 3.7, stemTop + 11}, {sx - 1.5, stemTop + 21},
                                        {sx + 0.6, xTop - 10}, {sx + 1.4, xTop - 4}}),
                            [](qreal t) { return 0.9 + 0.1 * t; }, PenEnd::Tapered, PenEnd::Tapered);
        break;
    }
    }
}

void addLowerCaseD(QList<SampleDef> &out)
{
    const QString t = u"StemsofLowerCased"_s;
    auto d = [](DStem kind) { return [kind](Hand &h, Rng &rng) { drawD(h, kind, rng); }; };
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
