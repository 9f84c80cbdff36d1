#include "Hand.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QTransform>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace assetgen {

Rng::Rng(std::uint64_t seed)
    : m_state(seed * 0x9E3779B97F4A7C15ULL + 0x632BE59BD9B4E019ULL)
{
    if (m_state == 0)
        m_state = 0x2545F4914F6CDD1DULL;
    for (int i = 0; i < 4; ++i)
        next();
}

std::uint32_t Rng::next()
{
    m_state ^= m_state >> 12;
    m_state ^= m_state << 25;
    m_state ^= m_state >> 27;
    return static_cast<std::uint32_t>((m_state * 0x2545F4914F6CDD1DULL) >> 32);
}

double Rng::uniform(double lo, double hi)
{
    return lo + (hi - lo) * (next() / 4294967296.0);
}

int Rng::range(int lo, int hi)
{
    return lo + static_cast<int>(next() % static_cast<std::uint32_t>(hi - lo + 1));
}

std::uint64_t seedFor(const QString &name)
{
    std::uint64_t h = 0xCBF29CE484222325ULL; // FNV-1a
    for (QChar c : name) {
        h ^= c.unicode();
        h *= 0x100000001B3ULL;
    }
    return h;
}

namespace {

// How often each printed text has been written at the same place on the
// current page (see printText()).
QHash<std::uint64_t, int> &printedCalls()
{
    static QHash<std::uint64_t, int> calls;
    return calls;
}

void forgetPrintedLetters()
{
    printedCalls().clear();
}

// Which sitting the hand is writing in (see startPage()).
std::uint64_t &pageSalt()
{
    static std::uint64_t salt = 0;
    return salt;
}

struct FaceInfo
{
    Face face;
    QString file;
    QString family; // filled by loadFonts()
};

QList<FaceInfo> &faces()
{
    static QList<FaceInfo> list = {
        {Face::Script, u"/usr/share/fonts/opentype/dancingscript/DancingScript-Regular.otf"_s, {}},
        {Face::SerifBold, u"/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf"_s, {}},
        {Face::Sans, u"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"_s, {}},
    };
    return list;
}

// The nib's edge is held rising to the right, as a right hand holds a pen:
// a stroke along the edge (the up-and-right joins) comes out fine, a stroke
// across it (down and to the right) full.
const qreal kNibAngle = 0.70; // radians above the horizontal
// Finest line the nib leaves, in picture units: a hairline still shows at 1x.
const qreal kFinest = 0.8;

// Width of the nib's mark for a pen moving along unit tangent `t`, relative
// to the pen's width: the edge's angle to the movement plus pressure, which
// is heavier pulling down towards the writer and lighter pushing up.
qreal nibWidth(QPointF t, qreal nibAngle = kNibAngle)
{
    const QPointF edge(std::cos(nibAngle), -std::sin(nibAngle));
    const qreal across = std::abs(t.x() * edge.y() - t.y() * edge.x());
    const qreal shape = 0.72 + 0.28 * across;
    const qreal down = 1 + 0.26 * t.y();
    return 1.06 * shape * down;
}

// Fills the union of `shapes`, each also outlined with a round pen of
// `outline` width, with `brush`. Filled together as one path, edges lying on
// one another would add up their antialiasing and come out bolder than one
// edge; kept as masks of which each pixel takes the most covered, the
// union's edges stay as soft as a single outline's.
void fillUnion(QPainter &p, const QList<QPainterPath> &shapes, qreal outline, const QBrush &brush)
{
    QRectF bounds;
    for (const QPainterPath &s : shapes)
        bounds |= s.boundingRect();
    if (bounds.isEmpty())
        return;
    bounds.adjust(-outline - 1, -outline - 1, outline + 1, outline + 1);
    const QTransform device = p.deviceTransform();
    const QRect area = device.mapRect(bounds).toAlignedRect().intersected(QRect(0, 0, p.device()->width(), p.device()->height()));
    if (area.isEmpty())
        return;
    const QTransform toMask = device * QTransform::fromTranslate(-area.left(), -area.top());
    QImage most(area.size(), QImage::Format_Grayscale8);
    most.fill(0);
    QImage one(area.size(), QImage::Format_Grayscale8);
    for (const QPainterPath &s : shapes) {
        one.fill(0);
        {
            QPainter m(&one);
            m.setRenderHint(QPainter::Antialiasing);
            m.setTransform(toMask);
            QPainterPath solid = s;
            solid.setFillRule(Qt::WindingFill);
            m.fillPath(solid, Qt::white);
            if (outline > 0)
                m.strokePath(solid, QPen(Qt::white, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        }
        for (int y = 0; y < area.height(); ++y) {
            const uchar *from = one.constScanLine(y);
            uchar *to = most.scanLine(y);
            for (int x = 0; x < area.width(); ++x)
                to[x] = std::max(to[x], from[x]);
        }
    }
    QImage ink(area.size(), QImage::Format_ARGB32_Premultiplied);
    ink.fill(Qt::transparent);
    {
        QPainter m(&ink);
        m.setTransform(toMask);
        m.fillRect(bounds, brush);
    }
    for (int y = 0; y < area.height(); ++y) {
        const uchar *cover = most.constScanLine(y);
        QRgb *px = reinterpret_cast<QRgb *>(ink.scanLine(y));
        for (int x = 0; x < area.width(); ++x) {
            const int c = cover[x];
            px[x] = qRgba(qRed(px[x]) * c / 255, qGreen(px[x]) * c / 255, qBlue(px[x]) * c / 255, qAlpha(px[x]) * c / 255);
        }
    }
    p.save();
    p.resetTransform();
    // Ink laid over ink darkens it, as a pen crossing a dry line does; drawn
    // over it, a paler stroke would leave a light gap through the darker one.
    p.setCompositionMode(QPainter::CompositionMode_Multiply);
    p.drawImage(area.topLeft(), ink);
    p.restore();
}

} // namespace

bool loadFonts(QString *error)
{
    for (FaceInfo &info : faces()) {
        const int id = QFontDatabase::addApplicationFont(info.file);
        const QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
        if (families.isEmpty()) {
            if (error)
                *error = u"cannot load font %1"_s.arg(info.file);
            return false;
        }
        info.family = families.first();
    }
    return true;
}

QString fontFile(Face face)
{
    for (const FaceInfo &info : faces())
        if (info.face == face)
            return info.file;
    return {};
}

QFont handFont(Face face, qreal pixelSize)
{
    QFont font;
    for (const FaceInfo &info : faces())
        if (info.face == face)
            font.setFamilies({info.family});
    font.setPixelSize(std::max(1, qRound(pixelSize)));
    if (face == Face::SerifBold)
        font.setBold(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoFontMerging));
    font.setKerning(true);
    return font;
}

QPainterPath smoothPath(const QList<QPointF> &points)
{
    QPainterPath path;
    if (points.isEmpty())
        return path;
    path.moveTo(points.first());
    smoothTo(path, points);
    return path;
}

void smoothTo(QPainterPath &path, const QList<QPointF> &points)
{
    // The first point is the path's current position when it matches it.
    QList<QPointF> p = points;
    if (p.isEmpty())
        return;
    if (path.elementCount() > 0 && path.currentPosition() != p.first())
        p.prepend(path.currentPosition());
    const qsizetype n = p.size();
    for (qsizetype i = 0; i + 1 < n; ++i) {
        const QPointF p0 = p[std::max<qsizetype>(i - 1, 0)];
        const QPointF p1 = p[i];
        const QPointF p2 = p[i + 1];
        const QPointF p3 = p[std::min<qsizetype>(i + 2, n - 1)];
        path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
}

QPainterPath textPath(QPointF origin, const QString &text, const QFont &font)
{
    QPainterPath path;
    path.addText(origin, font, text);
    return path;
}

qreal textAdvance(const QString &text, const QFont &font)
{
    return QFontMetricsF(font).horizontalAdvance(text);
}

QPainterPath slanted(const QPainterPath &path, qreal baseline, qreal slant)
{
    // x' = x + slant * (baseline - y): points above the baseline move right.
    const QTransform t = QTransform::fromTranslate(0, -baseline)
        * QTransform(1, 0, -slant, 1, 0, 0) * QTransform::fromTranslate(0, baseline);
    return t.map(path);
}

namespace {

// A smooth, irregular field in [-1, 1] along `x`: random values at whole
// numbers, joined by Catmull-Rom curves. Repeatable for the same `salt`.
qreal fieldNoise(qreal x, std::uint64_t salt)
{
    auto knot = [salt](qint64 i) {
        std::uint64_t h = salt ^ (std::uint64_t(i) * 0x9E3779B97F4A7C15ULL);
        h ^= h >> 33;
        h *= 0xFF51AFD7ED558CCDULL;
        h ^= h >> 33;
        h *= 0xC4CEB9FE1A85EC53ULL;
        h ^= h >> 33;
        return (h % 20001) / 10000.0 - 1.0;
    };
    const qreal f = std::floor(x);
    const qint64 i = qint64(f);
    const qreal t = x - f;
    const qreal a = knot(i - 1), b = knot(i), c = knot(i + 1), d = knot(i + 2);
    const qreal v = b + 0.5 * t * (c - a + t * (2 * a - 5 * b + 4 * c - d + t * (3 * (b - c) + d - a)));
    return std::clamp<qreal>(v, -1, 1);
}

} // namespace

void varyCopy(QPainter &painter, QPointF foot, Rng &rng)
{
    painter.save();
    painter.translate(foot);
    painter.rotate(rng.uniform(-1.6, 1.6));
    painter.scale(rng.uniform(0.975, 1.025), rng.uniform(0.975, 1.025));
    painter.translate(-foot);
}

Writing::Writing(Rng &rng, qreal size, qreal liveliness)
    : m_rng(rng)
    , m_size(size)
    , m_live(liveliness)
{
    for (qreal &phase : m_wobble)
        phase = m_rng.uniform(0, 2 * M_PI);
    nextLine();
}

void Writing::nextLine()
{
    for (qreal &phase : m_drift)
        phase = m_rng.uniform(0, 2 * M_PI);
    m_slope = m_rng.uniform(-0.012, 0.012) * m_live;
}

QPainterPath Writing::word(const QPainterPath &outline, QPointF origin)
{
    const QRectF box = outline.boundingRect();
    const qreal cx = box.center().x();
    const qreal s = m_size;
    const qreal live = m_live;
    // The word as a whole: a little taller or shorter, leaning a shade more
    // or less, sitting a touch above or below the line, never wider, so the
    // room between words stays as it was set.
    const qreal sx = 1 - m_rng.uniform(0, 0.02) * live;
    const qreal sy = 1 + m_rng.uniform(-0.06, 0.06) * live;
    const qreal lean = m_rng.uniform(-0.06, 0.06) * live;
    const qreal rise = m_rng.uniform(-0.035, 0.035) * s * live * m_lineWander;
    const qreal tilt = m_rng.uniform(-0.015, 0.015) * live;
    // Wavelengths that are no multiple of a letter's width, so each letter
    // falls on another part of the wobble.
    const qreal k1 = 2 * M_PI / (0.61 * s), k2 = 2 * M_PI / (0.97 * s), k3 = 2 * M_PI / (0.43 * s);
    const qreal wob = 0.028 * s * live;
    const qreal d1 = 2 * M_PI / (6.3 * s), d2 = 2 * M_PI / (2.7 * s);
    const qreal drift = 0.075 * s * live * m_lineWander;
    // Letter heights swell and shrink a little along the word.
    const qreal kh = 2 * M_PI / (1.9 * s);
    const qreal swell = 0.06 * live;
    // Letter by letter: each leans its own way a little and stands a little
    // taller or shorter than its neighbours, so two copies of a letter in a
    // line never match. The changes follow irregular fields whose features
    // are about a letter wide and which change smoothly over the joins, so
    // joined letters stay joined; the baseline stays where it is.
    std::uint64_t salt = seedFor(u"letters"_s);
    for (qreal v : {origin.x(), origin.y(), m_wobble[5], m_drift[0]})
        salt = (salt ^ std::uint64_t(std::llround(v * 4096))) * 0x100000001B3ULL;
    const qreal letterLive = std::clamp<qreal>((live - 0.8) / 0.2, 0, 1.25);
    const qreal letterLean = 0.08 * letterLive, letterSize = 0.08 * letterLive, letterWidth = 0.025 * s * letterLive;
    const qreal span1 = 0.37 * s, span2 = 0.23 * s;
    auto place = [&](QPointF p) {
        const qreal own = letterSize * (0.75 * fieldNoise(p.x() / span1, salt) + 0.25 * fieldNoise(p.x() / span2, salt + 1));
        const qreal ownLean = letterLean * (0.8 * fieldNoise(p.x() / span1, salt + 2) + 0.2 * fieldNoise(p.x() / span2, salt + 3));
        const qreal up = (origin.y() - p.y()) * (1 + swell * std::sin(kh * p.x() + m_wobble[4]) + own);
        // Letters grow a little wider or narrower and lean their own ways
        // inside the word; its ends stay put, so the room between words is
        // as it was set.
        qreal inside = std::clamp<qreal>(std::min(p.x() - box.left(), box.right() - p.x()) / (0.3 * s), 0, 1);
        inside = inside * inside * (3 - 2 * inside);
        const qreal widen = letterWidth * inside * fieldNoise(p.x() / span1 + 0.5, salt + 4);
        qreal x = cx + (p.x() - cx) * sx + (lean + ownLean * inside) * up + widen;
        qreal y = origin.y() - up * sy - rise + tilt * (p.x() - cx);
        x += wob * (0.8 * std::sin(k1 * p.x() + k2 * 0.5 * p.y() + m_wobble[0])
                    + 0.4 * std::sin(k3 * p.y() + k2 * 0.3 * p.x() + m_wobble[1]));
        y += wob * (std::sin(k2 * p.x() - k1 * 0.4 * p.y() + m_wobble[2])
                    + 0.5 * std::sin(k3 * p.x() + m_wobble[3]));
        y += drift * (std::sin(d1 * p.x() + m_drift[0]) + 0.45 * std::sin(d2 * p.x() + m_drift[1]));
        y += m_slope * (p.x() - origin.x());
        return QPointF(x, y);
    };
    QPainterPath written = outline;
    for (int e = 0; e < written.elementCount(); ++e) {
        const QPainterPath::Element el = written.elementAt(e);
        const QPointF p = place(QPointF(el.x, el.y));
        written.setElementPositionAt(e, p.x(), p.y());
    }
    written.setFillRule(Qt::WindingFill);
    return written;
}

void Writing::ink(Hand &hand, const QPainterPath &written, qreal weight)
{
    const QRectF box = written.boundingRect();
    if (box.isEmpty())
        return;
    // Pressure rises and falls every letter or two: the ink goes from full
    // black to a slightly lighter grey and back.
    QLinearGradient along(box.left(), 0, box.right(), 0);
    const int stops = std::max(2, int(box.width() / (0.9 * m_size)) + 2);
    const QColor base = hand.ink();
    // Small writing has few pixels of full ink; it keeps its blackness.
    const qreal fine = std::min<qreal>(1, (m_size / 15) * (m_size / 15));
    for (int i = 0; i < stops; ++i) {
        const int lift = int(m_rng.uniform(0, 48) * std::min<qreal>(m_live, 1) * fine);
        along.setColorAt(qreal(i) / (stops - 1),
                         QColor(std::min(255, base.red() + lift), std::min(255, base.green() + lift),
                                std::min(255, base.blue() + lift)));
    }
    // The font's strokes are those of a pen without an angle. The nib held at
    // its angle adds to them: dragged across its edge it leaves its full
    // breadth, along its edge (the rising joins) nothing. Copies of the
    // outline shifted along the edge, taken together, are that nib's mark.
    const qreal nib = 0.006 * m_size + 0.6 * weight;
    const QPointF edge(std::cos(kNibAngle), -std::sin(kNibAngle));
    QPainter &p = hand.painter();
    const qreal scale = std::sqrt(std::abs(p.deviceTransform().determinant()));
    const int copies = std::max(2, int(std::ceil(nib * scale / 0.25)) + 1);
    QList<QPainterPath> shifted;
    for (int k = 0; k < copies; ++k)
        shifted.append(written.translated(edge * (nib * (qreal(k) / (copies - 1) - 0.5))));
    fillUnion(p, shifted, 0.85 * weight, QBrush(along));
}

Hand::Hand(QPainter &painter, qreal width)
    : m_painter(painter)
    , m_width(width)
    , m_ink(QColor(12, 12, 16))
{
    // A new hand starts a new page: its printed letters are counted afresh,
    // so a picture comes out the same however often it is drawn.
    forgetPrintedLetters();
}

void startPage(std::uint64_t salt)
{
    pageSalt() = salt;
}

std::uint64_t sitting()
{
    return pageSalt() | 1; // never 0, which means no occasion of its own
}

Rng sittingRng(Rng &rng)
{
    return Rng(std::uint64_t(rng.next()) ^ pageSalt());
}

qreal smoothStep(qreal from, qreal to, qreal x)
{
    const qreal t = std::clamp((x - from) / (to - from), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

namespace {

// The ink a nib leaves along one pen movement, as a closed outline: its width
// follows the pressure (the pen lands thin, swells on down-strokes, thins on
// up-strokes and lifts off tapering) and both ends are rounded.
QPolygonF penOutline(const QPolygonF &line, qreal width, const std::function<qreal(qreal)> &pressure = {},
                     bool lift = true, bool land = true, qreal nibAngle = kNibAngle)
{
    // Even steps along the line, so the width changes smoothly.
    QList<QPointF> pts;
    QList<qreal> at;
    qreal length = 0;
    if (!line.isEmpty()) {
        pts.append(line.first());
        at.append(0);
    }
    const qreal step = 0.2;
    for (qsizetype i = 1; i < line.size(); ++i) {
        const QPointF a = line[i - 1];
        const QPointF b = line[i];
        const qreal d = std::hypot(b.x() - a.x(), b.y() - a.y());
        if (d < 1e-6)
            continue;
        const int n = std::max(1, int(std::ceil(d / step)));
        for (int k = 1; k <= n; ++k) {
            pts.append(a + (b - a) * (qreal(k) / n));
            at.append(length + d * k / n);
        }
        length += d;
    }
    QPolygonF outline;
    if (pts.isEmpty())
        return outline;
    const qsizetype n = pts.size();
    // Direction at each point, looked up over a short stretch so the
    // flattened curve's corners do not show in the width.
    auto tangent = [&](qsizetype i) {
        const qsizetype reach = 4;
        QPointF d = pts[std::min(n - 1, i + reach)] - pts[std::max<qsizetype>(0, i - reach)];
        const qreal len = std::hypot(d.x(), d.y());
        return len < 1e-6 ? QPointF(1, 0) : d / len;
    };
    const qreal phase = std::fmod(std::abs(pts.first().x() * 0.37 + pts.first().y() * 0.61), 6.283);
    // No hand rules a line: a long stroke bows a little one way or the
    // other, and every stroke wanders by a fraction of a pixel. The ends stay
    // where they were put, so strokes still meet where they should.
    {
        // The bow is across the line from the stroke's start to its end, the
        // same way all along, so a stroke that doubles back on itself (a
        // retrace, a loop) keeps its passes together and does not bow.
        const QPointF chord = pts.last() - pts.first();
        const qreal span = std::hypot(chord.x(), chord.y());
        const QPointF across = span > 0.5 * length && span > 1e-6 ? QPointF(-chord.y(), chord.x()) / span : QPointF();
        const qreal bow = std::min<qreal>(0.7, length * 0.008) * (phase < M_PI ? 1 : -1);
        QList<QPointF> moved(pts.size());
        for (qsizetype i = 0; i < pts.size(); ++i) {
            const qsizetype a = std::max<qsizetype>(0, i - 4), b = std::min(pts.size() - 1, i + 4);
            QPointF d = pts[b] - pts[a];
            const qreal len = std::hypot(d.x(), d.y());
            const QPointF normal = len < 1e-6 ? QPointF() : QPointF(-d.y(), d.x()) / len;
            const qreal u = length > 0 ? at[i] / length : 0;
            const qreal ends = std::sin(M_PI * u);
            const qreal wander = 0.11 * std::sin(at[i] * 0.23 + phase) + 0.06 * std::sin(at[i] * 0.61 + 2 * phase);
            moved[i] = pts[i] + across * (bow * ends) + normal * (wander * std::min<qreal>(1, 4 * ends));
        }
        pts = moved;
    }
    const qreal landing = std::min<qreal>(4.0, length * 0.3);
    const qreal lifting = std::min<qreal>(7.0, length * 0.35);
    // A dot or a tick is all landing and lifting; it keeps its size.
    const qreal taper = smoothStep(0, 1, length / (2.5 * width));
    // The nib's width by direction, smoothed along the line so that a turn
    // from a down-stroke into an up-stroke thins over a short stretch, as the
    // pressure eases, rather than at a step.
    QList<qreal> shape(n);
    for (qsizetype i = 0; i < n; ++i)
        shape[i] = nibWidth(tangent(i), nibAngle);
    {
        const qsizetype reach = 6;
        QList<qreal> sums(n + 1, 0);
        for (qsizetype i = 0; i < n; ++i)
            sums[i + 1] = sums[i] + shape[i];
        for (qsizetype i = 0; i < n; ++i) {
            const qsizetype a = std::max<qsizetype>(0, i - reach), b = std::min(n, i + reach + 1);
            shape[i] = (sums[b] - sums[a]) / (b - a);
        }
    }
    QList<QPointF> left, right;
    QList<qreal> radius;
    for (qsizetype i = 0; i < n; ++i) {
        const qreal s = at[i];
        const QPointF t = tangent(i);
        // A stroke begun with the pen already pressed down starts at full weight.
        const qreal start = land && landing > 0 ? 1 - 0.25 * taper * (1 - smoothStep(0, 1, s / landing)) : 1.0;
        // A blunt end keeps its weight to the last: the pen stops and is
        // raised straight off the paper.
        const qreal end = lift && lifting > 0 ? 1 - 0.36 * taper * (1 - smoothStep(0, 1, (length - s) / lifting)) : 1.0;
        const qreal press = pressure ? pressure(length > 0 ? s / length : 0) : 1.0;
        // The hand's pressure builds through a stroke and eases towards its
        // end, with a slow, slight waver on the way.
        const qreal u = length > 0 ? s / length : 0;
        const qreal swell = 1 + 0.05 * taper * std::sin(M_PI * std::pow(u, 0.8)) + 0.03 * std::sin(s * 0.17 + phase)
            + 0.012 * std::sin(s * 0.53 + 2 * phase);
        const qreal r = std::max(std::min(width, kFinest), width * start * end * shape[i] * swell * press) / 2;
        const QPointF normal(-t.y(), t.x());
        left.append(pts[i] + normal * r);
        right.append(pts[i] - normal * r);
        radius.append(r);
    }
    const int capSteps = 10;
    for (const QPointF &p : left)
        outline << p;
    {
        const QPointF t = tangent(n - 1);
        const QPointF normal(-t.y(), t.x());
        for (int k = 1; k < capSteps; ++k) {
            const qreal phi = M_PI * k / capSteps;
            outline << pts[n - 1] + (normal * std::cos(phi) + t * std::sin(phi)) * radius[n - 1];
        }
    }
    for (qsizetype i = n - 1; i >= 0; --i)
        outline << right[i];
    {
        const QPointF t = tangent(0);
        const QPointF normal(-t.y(), t.x());
        for (int k = 1; k < capSteps; ++k) {
            const qreal phi = M_PI * k / capSteps;
            outline << pts[0] - (normal * std::cos(phi) + t * std::sin(phi)) * radius[0];
        }
    }
    return outline;
}

// A repeatable value in [0, 1] for a place on the paper.
qreal hashAt(qreal x, qreal y, std::uint64_t salt)
{
    std::uint64_t h = (std::uint64_t(std::llround(x * 4)) * 0x9E3779B97F4A7C15ULL)
        ^ (std::uint64_t(std::llround(y * 4)) * 0xC2B2AE3D27D4EB4FULL) ^ salt;
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDULL;
    h ^= h >> 33;
    return (h % 10007) / 10006.0;
}

// The ink does not flow quite evenly: across a stroke's extent it goes a
// shade lighter and back every letter or so. The shade is a small part of
// the way to white, so pale ink stays pale and dark ink dark.
QBrush inkFlow(const QRectF &box, const QColor &ink)
{
    const qreal span = std::max(box.width(), box.height());
    if (span < 6)
        return QBrush(ink);
    const bool wide = box.width() >= box.height();
    QLinearGradient flow(box.topLeft(), wide ? box.topRight() : box.bottomLeft());
    const int stops = std::max(2, int(span / 15) + 2);
    for (int i = 0; i < stops; ++i) {
        const qreal f = qreal(i) / (stops - 1);
        const QPointF at = wide ? QPointF(box.left() + f * box.width(), box.top())
                                : QPointF(box.left(), box.top() + f * box.height());
        const qreal lift = 0.09 * hashAt(at.x(), at.y(), ink.rgb());
        auto towardsWhite = [lift](int c) { return qRound(c + (255 - c) * lift); };
        flow.setColorAt(f, QColor(towardsWhite(ink.red()), towardsWhite(ink.green()), towardsWhite(ink.blue())));
    }
    return QBrush(flow);
}

} // namespace

void Hand::stroke(const QPainterPath &path, Qt::PenCapStyle cap) const
{
    if (cap != Qt::RoundCap)
        plainStroke(path, cap);
    else
        pressureStroke(path, {}); // the nib's own pressure only
}

void Hand::pressureStroke(const QPainterPath &path, const std::function<qreal(qreal)> &pressure, PenEnd start,
                          PenEnd end) const
{
    // Flattened at eight times the size so curves stay smooth in the 2x pictures.
    const qreal fine = 8;
    QPainterPath ink;
    ink.setFillRule(Qt::WindingFill);
    for (QPolygonF line : path.toSubpathPolygons(QTransform::fromScale(fine, fine))) {
        for (QPointF &p : line)
            p /= fine;
        ink.addPolygon(penOutline(line, m_width, pressure, end == PenEnd::Tapered, start == PenEnd::Tapered,
                                  kNibAngle - m_nibTurn));
        ink.closeSubpath();
    }
    m_painter.fillPath(ink, inkFlow(ink.boundingRect(), m_ink));
}

void Hand::plainStroke(const QPainterPath &path, Qt::PenCapStyle cap) const
{
    QPen pen(m_ink, m_width, Qt::SolidLine, cap, Qt::RoundJoin);
    m_painter.strokePath(path, pen);
}

void Hand::line(QPointF from, QPointF to, Qt::PenCapStyle cap) const
{
    QPainterPath path(from);
    path.lineTo(to);
    stroke(path, cap);
}

void Hand::taperedStroke(const QPainterPath &path, qreal startWidth, qreal endWidth) const
{
    const int steps = 80;
    QList<QPointF> left;
    QList<QPointF> right;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = qreal(i) / steps;
        const qreal pct = path.percentAtLength(path.length() * t);
        const QPointF p = path.pointAtPercent(pct);
        const qreal angle = qDegreesToRadians(path.angleAtPercent(pct));
        // angleAtPercent() measures counter-clockwise with y pointing up.
        const QPointF normal(-std::sin(angle), -std::cos(angle));
        const qreal w = (startWidth + (endWidth - startWidth) * t) / 2.0;
        left.append(p + normal * w);
        right.append(p - normal * w);
    }
    QPolygonF outline;
    for (const QPointF &p : left)
        outline << p;
    std::reverse(right.begin(), right.end());
    for (const QPointF &p : right)
        outline << p;
    QPainterPath shape;
    shape.addPolygon(outline);
    shape.closeSubpath();
    shape.addEllipse(path.pointAtPercent(0), startWidth / 2.0, startWidth / 2.0);
    shape.setFillRule(Qt::WindingFill);
    m_painter.fillPath(shape, m_ink);
}

void Hand::dot(QPointF centre, qreal radius) const
{
    // A pen's dot is never a true circle: the nib leaves it a little longer
    // along its edge and a little lopsided, each dot in its own way.
    const qreal turn = 2 * M_PI * hashAt(centre.x(), centre.y(), 0x5EED);
    QPolygonF blob;
    const int steps = 48;
    for (int k = 0; k < steps; ++k) {
        const qreal a = 2 * M_PI * k / steps;
        const qreal r = radius * (1 + 0.07 * std::cos(2 * (a - kNibAngle)) + 0.035 * std::cos(3 * a + turn));
        blob << centre + QPointF(std::cos(a), -std::sin(a)) * r;
    }
    QPainterPath path;
    path.addPolygon(blob);
    path.closeSubpath();
    m_painter.fillPath(path, m_ink);
}

void Hand::fill(const QPainterPath &path) const
{
    // Joined letters overlap where one runs into the next; with the even-odd
    // rule those overlaps would show as white slivers inside the strokes.
    QPainterPath solid = path;
    solid.setFillRule(Qt::WindingFill);
    m_painter.fillPath(solid, m_ink);
}

qreal Hand::write(QPointF origin, const QString &text, const QFont &font) const
{
    fill(textPath(origin, text, font));
    return textAdvance(text, font);
}

namespace {

// One letter of the print hand. Points are in units with y measured up from
// the baseline; each stroke is a smooth pen movement through its points, and
// a stroke of a single point is a dot.
struct PrintGlyph
{
    qreal width;
    QList<QList<QPointF>> strokes;
    QPointF entry; // where a lead-in would join the letter
    QPointF exit;  // where a final stroke would leave it
};

// The bowl shared by a and d, written anticlockwise from its top right.
QList<QPointF> printBowl()
{
    return {{7.0, 8.2}, {5.2, 9.9}, {2.5, 9.6}, {0.6, 7.0}, {0.2, 3.8}, {1.5, 0.8}, {3.8, -0.1}, {6.0, 1.1}, {7.0, 3.4}};
}

const QHash<QChar, PrintGlyph> &printGlyphs()
{
    static const QHash<QChar, PrintGlyph> glyphs = {
        {u'a', {7.4, {printBowl(), {{7.1, 10.0}, {7.1, 0.1}}}, {7.0, 8.2}, {7.1, 0.1}}},
        {u'b', {7.5, {{{0.3, 17.0}, {0.2, 0.1}},
                      {{0.3, 6.5}, {2.5, 9.3}, {5.2, 9.8}, {7.1, 7.5}, {7.4, 4.0}, {6.0, 1.0}, {3.5, -0.1}, {1.2, 0.4}, {0.3, 1.5}}},
                {0.3, 17.0}, {3.5, -0.1}}},
        {u'd', {7.4, {printBowl(), {{7.1, 17.0}, {7.1, 0.1}}}, {7.0, 8.2}, {7.1, 0.1}}},
        {u'e', {7.3, {{{0.6, 5.2}, {4.0, 5.3}, {7.1, 5.7}, {6.8, 8.4}, {4.3, 9.9}, {1.6, 9.0}, {0.2, 5.5}, {0.8, 2.0}, {3.5, -0.1}, {5.8, 0.3}, {7.2, 1.6}}},
                {0.6, 5.2}, {7.2, 1.6}}},
        {u'h', {7.1, {{{0.2, 17.0}, {0.2, 0.1}}, {{0.2, 6.2}, {1.7, 8.9}, {4.0, 9.9}, {6.2, 9.0}, {6.9, 6.5}, {6.9, 0.1}}},
                {0.2, 17.0}, {6.9, 0.1}}},
        {u'i', {1.0, {{{0.5, 10.0}, {0.5, 0.1}}, {{0.6, 14.6}}}, {0.5, 10.0}, {0.5, 0.1}}},
        {u'k', {6.8, {{{0.2, 17.0}, {0.2, 0.1}}, {{6.4, 10.2}, {0.6, 4.6}}, {{2.3, 6.1}, {6.8, 0.1}}}, {0.2, 17.0}, {6.8, 0.1}}},
        {u'l', {1.2, {{{0.4, 17.0}, {0.3, 0.1}}}, {0.4, 17.0}, {0.3, 0.1}}},
        {u'm', {11.8, {{{0.2, 10.0}, {0.2, 0.1}},
                       {{0.2, 6.5}, {1.5, 9.2}, {3.3, 9.9}, {5.2, 9.0}, {5.9, 6.5}, {5.9, 0.1}},
                       {{5.9, 6.5}, {7.2, 9.2}, {9.1, 9.9}, {11.0, 9.0}, {11.7, 6.5}, {11.7, 0.1}}},
                {0.2, 10.0}, {11.7, 0.1}}},
        {u'n', {7.0, {{{0.2, 10.0}, {0.2, 0.1}}, {{0.2, 6.5}, {1.7, 9.2}, {3.8, 9.9}, {6.0, 9.0}, {6.8, 6.5}, {6.8, 0.1}}},
                {0.2, 10.0}, {6.8, 0.1}}},
        {u'o', {8.0, {{{4.8, 9.9}, {2.2, 9.3}, {0.4, 6.6}, {0.3, 3.0}, {2.0, 0.5}, {4.2, 0.0}, {6.5, 1.1}, {7.8, 4.0}, {7.4, 7.6}, {5.7, 9.7}, {3.9, 9.9}}},
                {4.8, 9.9}, {5.7, 9.7}}},
        {u's', {6.5, {{{6.2, 8.7}, {4.2, 9.9}, {1.6, 9.5}, {0.6, 7.6}, {1.9, 5.8}, {4.8, 4.6}, {6.4, 2.6}, {5.5, 0.6}, {3.0, -0.1}, {0.1, 1.2}}},
                {6.2, 8.7}, {0.1, 1.2}}},
        {u't', {6.2, {{{2.8, 14.5}, {2.8, 2.2}, {3.5, 0.2}, {5.1, 0.0}, {6.2, 0.8}}, {{0.0, 9.9}, {6.2, 10.1}}},
                {2.8, 14.5}, {6.2, 0.8}}},
    };
    return glyphs;
}

// Room between two letters of the print hand, in units.
const qreal kPrintGap = 2.6;

} // namespace

namespace {

// A repeatable value in [-1, 1] for one letter of a text, so the same text
// is always written with the same small irregularities.
qreal letterJitter(const QString &text, int position, int channel)
{
    std::uint64_t h = seedFor(text) ^ (std::uint64_t(position) * 0x9E3779B97F4A7C15ULL) ^ (std::uint64_t(channel) << 40);
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDULL;
    h ^= h >> 33;
    return (h % 20001) / 10000.0 - 1.0;
}

// The same for one copy of a letter: `seed` tells the copies apart.
qreal copyJitter(std::uint64_t seed, int channel)
{
    std::uint64_t h = seed ^ (std::uint64_t(channel + 1) * 0xC2B2AE3D27D4EB4FULL);
    h ^= h >> 31;
    h *= 0xBF58476D1CE4E5B9ULL;
    h ^= h >> 29;
    h *= 0x94D049BB133111EBULL;
    h ^= h >> 32;
    return (h % 20001) / 10000.0 - 1.0;
}

std::uint64_t mixSeed(std::uint64_t h, std::uint64_t v)
{
    h ^= v + 0x9E3779B97F4A7C15ULL + (h << 6) + (h >> 2);
    return h;
}

// One copy of a letter as this hand writes it this time: no two come out
// alike. The letter's own shape is kept; a gentle field over the letter
// makes one copy's bowl a shade fuller or its arch a little flatter than
// another's, its ascender a little taller or shorter, and every stroke's
// ends run on a little or stop a little short, so a closed bowl overlaps
// or is left a touch open. The changes are fractions of a unit, so the
// letter keeps its place and size. Points are in the glyph's units, y up.
// Its entry and exit stay as designed (see below).
using LetterCopy = QList<QList<QPointF>>;

LetterCopy varyLetter(const PrintGlyph &g, std::uint64_t seed)
{
    auto r = [seed](int channel) { return copyJitter(seed, channel); };
    // A smooth field about a letter in size, so strokes that meet stay met.
    const qreal ax = 0.45 + 0.15 * r(0), ay = 0.08 + 0.04 * r(1);
    const qreal p1 = M_PI * (1 + r(2)), p2 = M_PI * (1 + r(3));
    const qreal kx = 2 * M_PI / (11 + 2 * r(4)), ky = 2 * M_PI / (13 + 2 * r(5));
    // A taller or shorter ascender, a fuller or flatter top.
    const qreal tall = 1 + 0.045 * r(7);
    const qreal crown = 0.15 * r(8);
    auto field = [&](QPointF p) {
        qreal x = p.x();
        qreal y = p.y() > 10 ? 10 + (p.y() - 10) * tall : p.y();
        x += ax * std::sin(kx * p.x() + 0.12 * ky * p.y() + p1);
        y += ay * std::sin(ky * p.y() - 0.5 * kx * p.x() + p2);
        // The small letters' tops: a round top (y near 10) rises or sinks a little.
        y += crown * std::exp(-std::pow((p.y() - 9.8) / 1.6, 2)) * std::sin(M_PI * std::clamp<qreal>(p.x() / std::max<qreal>(g.width, 1), 0, 1));
        return QPointF(x, y);
    };
    LetterCopy out;
    QList<std::pair<QPointF, QPointF>> moved; // each control point, and where it went
    int channel = 16;
    for (const QList<QPointF> &stroke : g.strokes) {
        QList<QPointF> pts;
        for (qsizetype i = 0; i < stroke.size(); ++i) {
            QPointF q = field(stroke[i]);
            // Inner points of a curve wander a little on their own.
            if (i > 0 && i + 1 < stroke.size())
                q += QPointF(0.2 * r(channel), 0.14 * r(channel + 1));
            channel += 2;
            pts.append(q);
        }
        if (pts.size() == 1) {
            // A dot lands a little to either side and higher or lower.
            pts[0] += QPointF(0.35 * r(channel), 0.3 * r(channel + 1));
            channel += 2;
        } else {
            // Ends run on or stop short along the stroke. A stroke that
            // closes on itself (a bowl) may overlap its start further or
            // leave the bowl a touch open.
            const QPointF a = stroke.first(), b = stroke.last();
            const bool closing = stroke.size() > 3 && QLineF(a, b).length() < 1.5;
            auto along = [](QPointF from, QPointF to) {
                const QPointF d = from - to;
                const qreal len = std::hypot(d.x(), d.y());
                return len < 1e-6 ? QPointF() : d / len;
            };
            const qreal lead = 0.08 + 0.22 * r(channel);
            const qreal tail = closing ? 0.25 + 0.65 * r(channel + 1) : 0.06 + 0.24 * r(channel + 1);
            channel += 2;
            pts.first() += along(pts[0], pts[1]) * lead;
            pts.last() += along(pts[pts.size() - 1], pts[pts.size() - 2]) * tail;
        }
        for (qsizetype i = 0; i < stroke.size(); ++i)
            moved.append({stroke[i], pts[i]});
        out.append(pts);
    }
    // The letter keeps the width it was designed with and its place: the
    // room between letters stays as the pictures set it, only the letter's
    // inside differs from copy to copy.
    qreal left = 1e9, right = -1e9, newLeft = 1e9, newRight = -1e9;
    for (const auto &m : moved) {
        left = std::min(left, m.first.x());
        right = std::max(right, m.first.x());
        newLeft = std::min(newLeft, m.second.x());
        newRight = std::max(newRight, m.second.x());
    }
    if (newRight - newLeft > 0.5) {
        auto keep = [&](QPointF p) {
            return QPointF(left + (p.x() - newLeft) * (right - left) / (newRight - newLeft), p.y());
        };
        for (QList<QPointF> &stroke : out)
            for (QPointF &p : stroke)
                p = keep(p);
    } else if (!moved.isEmpty()) {
        // A lone stem or dot keeps its middle.
        const qreal shift = (left + right - newLeft - newRight) / 2;
        for (QList<QPointF> &stroke : out)
            for (QPointF &p : stroke)
                p.rx() += shift;
    }
    // Where other strokes join the letter (its entry and exit) it is as
    // designed, so a join drawn to it meets it exactly.
    for (qsizetype k = 0; k < g.strokes.size(); ++k)
        for (qsizetype i = 0; i < g.strokes[k].size(); ++i)
            if (g.strokes[k][i] == g.entry || g.strokes[k][i] == g.exit)
                out[k][i] = g.strokes[k][i];
    return out;
}

} // namespace

PrintedText printText(const QString &text, QPointF origin, qreal unit, qreal spacing, qreal slant,
                      std::uint64_t occasion)
{
    PrintedText out;
    out.xHeight = 10 * unit;
    // The same text written again at the same place on the same page (a
    // letter written on its own and then placed, say) is another copy
    // of it, not the same one.
    std::uint64_t call = seedFor(text);
    for (qreal v : {origin.x(), origin.y(), unit, spacing, slant})
        call = mixSeed(call, std::uint64_t(std::llround(v * 64)));
    call = mixSeed(call, std::uint64_t(printedCalls()[call]++));
    if (occasion != 0)
        call = mixSeed(call, occasion);
    qreal x = 0; // in units from the origin
    bool first = true;
    int position = 0;
    for (QChar c : text) {
        ++position;
        if (c == u' ') {
            x += 5.0;
            continue;
        }
        const auto it = printGlyphs().constFind(c);
        if (it == printGlyphs().constEnd())
            continue;
        const PrintGlyph &g = *it;
        const LetterCopy copy = varyLetter(g, mixSeed(call, std::uint64_t(position) * 131 + c.unicode()));
        // No hand writes two letters alike: each sits a little higher or
        // lower, is a little larger or smaller and leans a little more or less.
        const qreal size = 1 + 0.06 * letterJitter(text, position, 0);
        const qreal rise = 0.45 * letterJitter(text, position, 1);
        const qreal lean = slant + 0.05 * letterJitter(text, position, 2);
        // A hand that slants turns its letters as well as leaning them: part
        // of the slant is a turn about the letter's foot, the rest a shear,
        // so round parts stay round instead of being pulled into slivers.
        const qreal angle = std::atan(lean);
        const qreal turn = angle * 0.35;
        const qreal shear = std::tan(angle - turn);
        const qreal footX = g.width * size / 2;
        auto map = [&](QPointF p) {
            const QPointF q(p.x() * size + shear * (p.y() * size + rise), p.y() * size + rise);
            const qreal dx = q.x() - footX;
            const QPointF r(footX + dx * std::cos(turn) + q.y() * std::sin(turn),
                            -dx * std::sin(turn) + q.y() * std::cos(turn));
            return QPointF(origin.x() + (x + r.x()) * unit, origin.y() - r.y() * unit);
        };
        for (const QList<QPointF> &stroke : copy) {
            QList<QPointF> pts;
            for (const QPointF &p : stroke)
                pts.append(map(p));
            if (pts.size() == 1) {
                // A dot: a very short stroke that the round cap turns into a spot.
                out.strokes.moveTo(pts.first());
                out.strokes.lineTo(pts.first() + QPointF(0.05 * unit, -0.05 * unit));
            } else {
                out.strokes.addPath(smoothPath(pts));
            }
        }
        if (first)
            out.entry = map(g.entry);
        out.exit = map(g.exit);
        first = false;
        x += g.width * size + kPrintGap + spacing + 0.25 * letterJitter(text, position, 3);
    }
    out.advance = (x - kPrintGap - spacing) * unit;
    return out;
}

qreal printPen(qreal unit)
{
    return unit * 1.55;
}

} // namespace assetgen
