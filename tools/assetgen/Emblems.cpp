#include "Emblems.h"

#include "Hand.h"
#include "shell/AppAssets.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstdint>

using namespace Qt::StringLiterals;

namespace assetgen {
namespace {

// Lattice value in [0, 1) for integer coordinates, fixed by the seed.
double latticeValue(int x, int y, int octave)
{
    std::uint64_t h = 0x51ED270B2A3B9F4DULL;
    for (std::uint64_t v : {std::uint64_t(std::uint32_t(x)), std::uint64_t(std::uint32_t(y)), std::uint64_t(octave)}) {
        h ^= v + 0x9E3779B97F4A7C15ULL + (h << 6) + (h >> 2);
        h *= 0xBF58476D1CE4E5B9ULL;
        h ^= h >> 31;
    }
    return (h >> 11) * (1.0 / 9007199254740992.0);
}

double valueNoise(double x, double y, int octave)
{
    const int ix = int(std::floor(x));
    const int iy = int(std::floor(y));
    const double fx = x - ix;
    const double fy = y - iy;
    const double sx = fx * fx * (3 - 2 * fx);
    const double sy = fy * fy * (3 - 2 * fy);
    const double a = latticeValue(ix, iy, octave);
    const double b = latticeValue(ix + 1, iy, octave);
    const double c = latticeValue(ix, iy + 1, octave);
    const double d = latticeValue(ix + 1, iy + 1, octave);
    return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}

double turbulence(double u, double v)
{
    double sum = 0;
    double amp = 0.5;
    double freq = 4;
    for (int o = 0; o < 5; ++o) {
        sum += amp * valueNoise(u * freq, v * freq, o);
        amp *= 0.5;
        freq *= 2;
    }
    return sum;
}

QRgb marble(double u, double v)
{
    // Veins follow a sine wave bent by turbulence.
    const double t = turbulence(u, v);
    const double s = std::sin((u * 3.0 + v * 5.0 + t * 6.0) * M_PI);
    const double vein = std::pow(1.0 - std::abs(s), 6.0);
    const double shade = 0.75 + 0.5 * turbulence(v + 3.1, u + 7.7);
    const double r = (14 + 30 * vein) * shade + 40 * vein;
    const double g = (62 + 60 * vein) * shade + 50 * vein;
    const double b = (36 + 34 * vein) * shade + 40 * vein;
    auto clamp = [](double x) { return std::clamp(int(std::lround(x)), 0, 255); };
    return qRgb(clamp(r), clamp(g), clamp(b));
}

} // namespace

QList<int> iconSizes()
{
    return {16, 32, 48, 64, 128, 256};
}

QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    // Sample the texture at pixel centres in the unit square, so every size
    // shows the same marble.
    for (int y = 0; y < size; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size; ++x) {
            double r = 0, g = 0, b = 0;
            const int sub = size <= 64 ? 3 : 1;
            for (int sy = 0; sy < sub; ++sy)
                for (int sx = 0; sx < sub; ++sx) {
                    const QRgb c = marble((x + (sx + 0.5) / sub) / size, (y + (sy + 0.5) / sub) / size);
                    r += qRed(c);
                    g += qGreen(c);
                    b += qBlue(c);
                }
            const int n = sub * sub;
            line[x] = qRgb(int(r / n), int(g / n), int(b / n));
        }
    }
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Light grey edge.
    const qreal edge = std::max(1.0, size / 32.0);
    QPen pen(QColor(200, 200, 200), edge);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(edge / 2, edge / 2, size - edge, size - edge));

    // White serif G, centred on its outline.
    QFont font = handFont(Face::SerifBold, size * 0.8);
    QPainterPath g;
    g.addText(0, 0, font, u"G"_s);
    const QRectF box = g.boundingRect();
    const QPointF offset = QPointF(size / 2.0, size / 2.0) - box.center();
    p.fillPath(g.translated(offset), Qt::white);
    p.end();
    return image;
}

QImage toIndexed256(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    QList<QRgb> pixels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            pixels.append(image.pixel(x, y));

    // Median cut: split the box with the widest channel range until there
    // are 256 boxes; each box's mean becomes a palette entry.
    QList<QList<QRgb>> boxes = {pixels};
    auto channel = [](QRgb c, int ch) { return ch == 0 ? qRed(c) : ch == 1 ? qGreen(c) : qBlue(c); };
    auto widest = [&channel](const QList<QRgb> &box, int *which) {
        int best = -1;
        for (int ch = 0; ch < 3; ++ch) {
            int lo = 255, hi = 0;
            for (QRgb c : box) {
                lo = std::min(lo, channel(c, ch));
                hi = std::max(hi, channel(c, ch));
            }
            if (hi - lo > best) {
                best = hi - lo;
                *which = ch;
            }
        }
        return best;
    };
    while (boxes.size() < 256) {
        int pick = -1, pickChannel = 0, pickRange = 0;
        for (int i = 0; i < boxes.size(); ++i) {
            int ch = 0;
            const int range = boxes[i].size() > 1 ? widest(boxes[i], &ch) : 0;
            if (range > pickRange) {
                pick = i;
                pickRange = range;
                pickChannel = ch;
            }
        }
        if (pick < 0)
            break;
        QList<QRgb> box = boxes.takeAt(pick);
        std::stable_sort(box.begin(), box.end(),
                         [&](QRgb a, QRgb b) { return channel(a, pickChannel) < channel(b, pickChannel); });
        const qsizetype half = box.size() / 2;
        boxes.append(box.mid(0, half));
        boxes.append(box.mid(half));
    }
    QList<QRgb> palette;
    for (const QList<QRgb> &box : boxes) {
        qint64 r = 0, g = 0, b = 0;
        for (QRgb c : box) {
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
        }
        const qint64 n = std::max<qint64>(1, box.size());
        const QRgb mean = qRgb(int(r / n), int(g / n), int(b / n));
        if (!palette.contains(mean))
            palette.append(mean);
    }
    return image.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither | Qt::AvoidDither);
}

namespace {

// Outline of the hand in pointer pixels, the index finger tip at the hot spot.
QPainterPath handOutline()
{
    const qreal tipX = quillon::kLinkPointerHotSpotX + 0.5;
    const qreal tipY = quillon::kLinkPointerHotSpotY - 0.5;
    QPainterPath path;
    auto add = [&path](const QPainterPath &part) { path = path.united(part); };
    QPainterPath finger;
    finger.addRoundedRect(QRectF(tipX - 3, tipY, 6, 20), 3, 3);
    add(finger);
    // Three folded fingers as knuckles along the top of the fist.
    for (int i = 0; i < 3; ++i) {
        QPainterPath knuckle;
        knuckle.addRoundedRect(QRectF(tipX + 3 + i * 4.2, tipY + 11 + i * 1.2, 5, 12), 2.5, 2.5);
        add(knuckle);
    }
    QPainterPath palm;
    palm.addRoundedRect(QRectF(tipX - 3, tipY + 15, 19.5, 15), 4, 4);
    add(palm);
    QPainterPath thumb;
    thumb.moveTo(tipX - 2, tipY + 17);
    thumb.lineTo(tipX - 7.5, tipY + 13);
    thumb.cubicTo(tipX - 10, tipY + 11.5, tipX - 11.5, tipY + 15, tipX - 9.5, tipY + 17);
    thumb.lineTo(tipX - 2, tipY + 25);
    thumb.closeSubpath();
    add(thumb);
    return path.simplified();
}

QList<QLineF> fingerCreases()
{
    const qreal tipX = quillon::kLinkPointerHotSpotX + 0.5;
    const qreal tipY = quillon::kLinkPointerHotSpotY - 0.5;
    return {QLineF(tipX + 3, tipY + 12.5, tipX + 3, tipY + 19), QLineF(tipX + 7.2, tipY + 13.5, tipX + 7.2, tipY + 20),
            QLineF(tipX + 11.4, tipY + 14.7, tipX + 11.4, tipY + 21)};
}

} // namespace

QImage drawPointerShaded()
{
    QImage image(quillon::kLinkPointerSize, quillon::kLinkPointerSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath hand = handOutline();
    QLinearGradient shade(QPointF(4, 0), QPointF(30, 0));
    shade.setColorAt(0, Qt::white);
    shade.setColorAt(0.55, QColor(240, 240, 240));
    shade.setColorAt(1, QColor(170, 170, 170));
    p.fillPath(hand, shade);
    p.setPen(QPen(QColor(140, 140, 140), 1));
    for (const QLineF &l : fingerCreases())
        p.drawLine(l);
    p.setPen(QPen(Qt::black, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hand);
    p.end();
    return image;
}

QImage drawPointerBlackWhite()
{
    // Drawn without smoothing so that every pixel is black, white or clear.
    QImage image(quillon::kLinkPointerSize, quillon::kLinkPointerSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QPainterPath hand = handOutline();
    p.fillPath(hand, Qt::white);
    p.setPen(QPen(Qt::black, 1));
    for (const QLineF &l : fingerCreases())
        p.drawLine(l);
    p.setBrush(Qt::NoBrush);
    p.drawPath(hand);
    p.end();
    return image;
}

} // namespace assetgen
