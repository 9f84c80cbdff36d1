#include "Hand.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
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
        {Face::Print, u"/usr/share/fonts/truetype/fifthhorseman/dkg.ttf"_s, {}},
        {Face::Rough, u"/usr/share/fonts/truetype/rufscript/Rufscript010.ttf"_s, {}},
        {Face::SerifBold, u"/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf"_s, {}},
        {Face::Sans, u"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"_s, {}},
    };
    return list;
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

Hand::Hand(QPainter &painter, qreal width)
    : m_painter(painter)
    , m_width(width)
    , m_ink(QColor(12, 12, 16))
{
}

void Hand::stroke(const QPainterPath &path, Qt::PenCapStyle cap) const
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
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    m_painter.fillPath(path, m_ink);
}

void Hand::fill(const QPainterPath &path) const
{
    m_painter.fillPath(path, m_ink);
}

qreal Hand::write(QPointF origin, const QString &text, const QFont &font) const
{
    fill(textPath(origin, text, font));
    return textAdvance(text, font);
}

void scribbleLine(const Hand &hand, qreal left, qreal right, qreal baseline, qreal height, Rng &rng)
{
    // Each word is a prolate cycloid: a chain of small joined loops, which at
    // thumbnail size reads as running handwriting.
    qreal x = left;
    while (x < right - 3) {
        qreal wordLength = std::min(right - x, rng.uniform(9.0, 22.0));
        if (wordLength < 3)
            break;
        // A last word that would leave a sliver runs on to the line's end, so
        // the margin shows as an edge rather than a ragged gap.
        if (right - x - wordLength < 9)
            wordLength = right - x;
        QPainterPath word;
        const qreal loopStep = height * 0.9;
        const qreal r = height * 0.5;
        const int steps = std::max(4, int(wordLength / loopStep * 12));
        const qreal span = wordLength / loopStep * 2 * M_PI;
        for (int i = 0; i <= steps; ++i) {
            const qreal t = span * i / steps;
            const qreal px = x + r * 0.25 + (t / (2 * M_PI)) * loopStep - r * 0.5 * std::sin(t);
            const qreal py = baseline - r + r * std::cos(t) * 0.95;
            if (i == 0)
                word.moveTo(px, py);
            else
                word.lineTo(px, py);
        }
        hand.stroke(word);
        x += wordLength + rng.uniform(3.5, 6.0);
    }
}

} // namespace assetgen
