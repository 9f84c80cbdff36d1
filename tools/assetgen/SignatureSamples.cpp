// Signatures, alone or under a few lines of writing. The name is invented.

#include "Samples.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace assetgen {
namespace {

const QString kName = u"J. Marlowe"_s;
// The note signed in both pictures that compare the name's size with the writing's.
const QString kNote = u"Thank you all for the lovely flowers. We will visit soon."_s;

// `kNote` broken into lines of the given numbers of words.
QStringList noteLines(std::initializer_list<int> wordsPerLine)
{
    const QStringList words = kNote.split(u' ');
    QStringList lines;
    qsizetype at = 0;
    for (const int count : wordsPerLine) {
        lines.append(words.mid(at, count).join(u' '));
        at += count;
    }
    Q_ASSERT(at == words.size());
    return lines;
}

// Writes the name with its left end at x and scaled to `width`; returns its outline box.
QRectF writeName(Hand &hand, qreal x, qreal baseline, qreal width)
{
    // Signing, a hand makes its capitals bigger than the rest of the name.
    const qreal capital = 1.18;
    const QString initial = kName.left(3), surname = kName.mid(3);
    auto advanceAt = [&](qreal size) {
        return textAdvance(initial, handFont(Face::Script, size * capital))
            + textAdvance(surname.left(1), handFont(Face::Script, size * capital))
            + textAdvance(surname.mid(1), handFont(Face::Script, size));
    };
    const qreal px = 40 * width / advanceAt(40);
    const QFont font = handFont(Face::Script, px);
    const QFont big = handFont(Face::Script, px * capital);
    // A name is signed fast, in one sweep: it leans further forward than
    // the writer's letters do, and its letters come out less even than in
    // careful writing, yet its proportions are the writer's own and fixed.
    // Still, no two signings come out stroke for stroke alike.
    Rng name(seedFor(kName) + qRound(width));
    Rng rng = sittingRng(name);
    Writing writing(rng, px, 1.3);
    QPainterPath outline = textPath(QPointF(x, baseline), initial, big);
    qreal at = x + textAdvance(initial, big);
    outline.addPath(textPath(QPointF(at, baseline), surname.left(1), big));
    at += textAdvance(surname.left(1), big);
    outline.addPath(textPath(QPointF(at, baseline), surname.mid(1), font));
    QPainterPath path = writing.word(outline, QPointF(x, baseline));
    path = slanted(path, baseline, 0.2);
    writing.ink(hand, path, 0.25);
    // The initial gets a flourish: the pen comes in from the line left of
    // the J in a wide, quick curve that runs up into the left end of the
    // letter's top stroke, where the J's own stroke begins.
    const QPainterPath jay = slanted(textPath(QPointF(x, baseline), u"J"_s, big), baseline, 0.2);
    const QRectF jBox = jay.boundingRect();
    // The left end of the J's top stroke: the leftmost point of its outline
    // near the top.
    QPointF barStart(jBox.right(), jBox.top());
    for (int k = 0; k <= 200; ++k) {
        const QPointF q = jay.pointAtPercent(k / 200.0);
        if (q.y() < jBox.top() + jBox.height() * 0.18 && q.x() < barStart.x())
            barStart = q;
    }
    barStart += QPointF(px * 0.03, 0);
    QPainterPath swash(QPointF(barStart.x() - px * 0.3, baseline + px * 0.02));
    smoothTo(swash, {QPointF(barStart.x() - px * 0.3, baseline + px * 0.02), QPointF(barStart.x() - px * 0.36, baseline - px * 0.28),
                     QPointF(barStart.x() - px * 0.22, jBox.top() + px * 0.2), barStart + QPointF(-px * 0.08, px * 0.02), barStart});
    hand.taperedStroke(swash, std::max<qreal>(0.5, px * 0.02), std::max<qreal>(0.7, px * 0.035));
    // The pen leaves the last letter in a long, quick rising stroke, as a
    // hand signing its name does; it thins as it lifts off.
    const QRectF box = path.boundingRect();
    const QPointF end(box.right() - px * 0.06, baseline - px * 0.16);
    QPainterPath flick(end);
    smoothTo(flick, {end, end + QPointF(px * 0.2, -px * 0.04), end + QPointF(px * 0.42, -px * 0.2),
                     end + QPointF(px * 0.56, -px * 0.42)});
    hand.taperedStroke(flick, std::max<qreal>(0.8, px * 0.045), 0.3);
    return box.united(flick.boundingRect()).united(swash.boundingRect());
}

// The usual place of the signature in the pictures that show one alone.
QRectF standardName(Hand &hand)
{
    return writeName(hand, 12, 72, 82);
}

void writeLines(Hand &hand, const QStringList &lines, qreal px, qreal x, qreal firstBaseline, qreal gap)
{
    const QFont font = handFont(Face::Script, px);
    Rng rng(seedFor(lines.join(u' ')));
    Writing writing(rng, px);
    qreal y = firstBaseline;
    for (const QString &line : lines) {
        writing.nextLine();
        qreal wx = x;
        QPainterPath ink;
        for (const QString &w : line.split(u' ')) {
            ink.addPath(writing.word(textPath(QPointF(wx, y), w, font), QPointF(wx, y)));
            wx += textAdvance(w + u' ', font);
        }
        writing.ink(hand, ink, 0.25);
        y += gap;
    }
}

void drawScrawl(Hand &hand, Rng &rng)
{
    // A big initial, then a run of loops and peaks of uneven height that no
    // one could read, ending in an upward flick. Nothing runs under the name,
    // so it cannot pass for an underline.
    hand.setWidth(2.2);
    hand.stroke(smoothPath({{22, 40}, {30, 34}, {26, 52}, {22, 80}, {14, 90}, {8, 82}, {16, 72}, {34, 66}}));
    QList<QPointF> pts;
    qreal x = 30;
    const qreal base = 76;
    while (x < 100) {
        const qreal h = rng.uniform(6, 30);
        pts.append({x, base - rng.uniform(0, 4)});
        pts.append({x + rng.uniform(2, 5), base - h});
        pts.append({x + rng.uniform(0, 3), base - h * rng.uniform(0.2, 0.6)});
        x += rng.uniform(6, 11);
    }
    pts.append({104, base - 2});
    pts.append({112, base - 12});
    hand.stroke(smoothPath(pts));
}

void addSignatureVariants(QList<SampleDef> &out)
{
    const QString t = u"Signature"_s;
    addSample(out, t, 0, u"Clear Signature"_s, [](Hand &h, Rng &) { standardName(h); });
    addSample(out, t, 1, u"Illegible Signature"_s, [](Hand &h, Rng &rng) { drawScrawl(h, rng); });
    addSample(
        out, t, 2, u"Signature Size is Smaller than Script"_s,
        [](Hand &h, Rng &) {
            // Shown clipped to its top-left 118 x 131 corner: the note is
            // kept to short lines of whole words that end inside that
            // corner, with the small signature under them.
            writeLines(h, noteLines({3, 3, 2, 3}), 19, 8, 26, 25);
            writeName(h, 10, 120, 44);
        },
        QSizeF(336, 172));
    addSample(out, t, 3, u"Signature Size is Larger than Script"_s, [](Hand &h, Rng &) {
        // The note the small signature signs, written small.
        writeLines(h, noteLines({4, 3, 4}), 12, 8, 19, 13);
        writeName(h, 10, 96, 90);
    });
    addSample(out, t, 4, u"Underlined Signature"_s, [](Hand &h, Rng &) {
        const QRectF box = standardName(h);
        h.setWidth(2.2);
        h.stroke(smoothPath({{box.left() - 2, box.bottom() + 8}, {box.center().x(), box.bottom() + 4},
                             {box.right() + 3, box.bottom() + 1}}));
    });
    addSample(out, t, 5, u"Encircled Signature"_s, [](Hand &h, Rng &) {
        const QRectF box = standardName(h);
        const QPointF c = box.center();
        const qreal rx = box.width() / 2 + 4.5;
        const qreal ry = box.height() / 2 + 14;
        // Swung round the name in one quick movement, not laid out with a
        // template: the loop tilts a little with the writing, bulges on one
        // side and flattens on another, and runs on past its start a shade
        // wider, pressed harder on its way round than where it sets off
        // and lifts.
        const qreal tilt = qDegreesToRadians(-4.0);
        QList<QPointF> pts;
        for (int a = 30; a <= 394; a += 14) {
            const qreal rad = qDegreesToRadians(qreal(a));
            const qreal grow = 1.0 + (a - 30) / 364.0 * 0.05;
            const qreal wobble = 1 + 0.04 * std::sin(2 * rad + 0.8) + 0.02 * std::sin(3 * rad + 2.1);
            const QPointF local(rx * grow * wobble * std::cos(rad), -ry * grow * wobble * std::sin(rad));
            pts.append(c + QPointF(local.x() * std::cos(tilt) - local.y() * std::sin(tilt),
                                   local.x() * std::sin(tilt) + local.y() * std::cos(tilt)));
        }
        h.setWidth(2.0);
        h.pressureStroke(smoothPath(pts), [](qreal t) { return 0.8 + 0.3 * std::sin(t * M_PI) + 0.05 * std::sin(t * 11); });
    });
    addSample(out, t, 6, u"Crossed-Out Signature"_s, [](Hand &h, Rng &) {
        const QRectF box = standardName(h);
        // Struck through in a hurry: one quick rising stroke that bows a
        // little, pressed hard where it lands and easing off, then the pen
        // swings back over it, lighter and a shade lower, without a stop.
        const qreal cy = box.center().y();
        const qreal l = box.left(), r = box.right();
        h.setWidth(2.4);
        h.pressureStroke(smoothPath({{l - 5, cy + 6}, {l + 0.25 * (r - l), cy + 1.5}, {l + 0.55 * (r - l), cy - 1.5},
                                     {l + 0.8 * (r - l), cy - 3}, {r + 4, cy - 6.5}}),
                         [](qreal t) { return 1.3 - 0.45 * t + 0.08 * std::sin(t * 9); });
        h.pressureStroke(smoothPath({{r + 4, cy - 6.5}, {r - 2, cy - 3.5}, {l + 0.6 * (r - l), cy + 1},
                                     {l + 0.25 * (r - l), cy + 4}, {l + 4, cy + 7.5}}),
                         [](qreal t) { return 0.8 - 0.2 * t; }, PenEnd::Blunt, PenEnd::Tapered);
    });
}

} // namespace

void addSignatureSamples(QList<SampleDef> &out)
{
    addSignatureVariants(out);
}

} // namespace assetgen
