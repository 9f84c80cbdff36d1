// Traits about how writing sits on the page: margins, slant, size and spacing.

#include "Samples.h"

#include <QFontMetricsF>
#include <QPainterPathStroker>
#include <QTransform>
#include <QtMath>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace assetgen {
namespace {

const QRectF kPage(13, 5, 92, 121);

// Margins in picture units; `grow*` widen a margin from top to bottom.
struct PageMargins
{
    qreal left = 7, right = 7, top = 8, bottom = 7;
    qreal growLeft = 0, growRight = 0;
    qreal ragged = 4; // how much shorter than the margin allows a line may stop
    // Whether the writer spaces a line's last words out towards the margin.
    bool spread = true;
    // Written edge to edge: every line starts at the sheet's left edge and
    // is fitted to end at its right one, its last words squeezed in or
    // spaced out a little, as a writer does who uses every bit of paper.
    bool edgeToEdge = false;
    // A writer who keeps even margins all round and finishes a line or so
    // early sets the text down the page so the room left at the foot is
    // shared with the head.
    bool balanced = false;
};

// A line of the page as planned: where it stands, its words, how much
// narrower its letters are drawn and the room added to each space.
struct PageLine
{
    qreal y = 0, left = 0;
    QStringList words;
    qreal squeeze = 1, extra = 0;
};

// Ends the text where a sentence ends, in the last line or the one before,
// as a writer stops at the end of a thought rather than where the paper
// gives out. The line the text ends in keeps its plain spacing. False if
// no sentence ends there.
bool endAtSentence(QList<PageLine> &lines)
{
    for (qsizetype li = lines.size() - 1; li >= std::max<qsizetype>(0, lines.size() - 2); --li) {
        QStringList &ws = lines[li].words;
        for (qsizetype wi = ws.size() - 1; wi >= 0; --wi) {
            if (!ws[wi].endsWith(u'.'))
                continue;
            if (wi + 1 < ws.size()) {
                ws = ws.mid(0, wi + 1);
                lines[li].extra = 0;
                lines[li].squeeze = 1;
            }
            lines.resize(li + 1);
            return true;
        }
    }
    return false;
}

void drawPage(Hand &hand, Rng &rng, const PageMargins &m)
{
    // The sheet shows as paper does in a photograph, not as a ruled box: by
    // the soft shadow it throws down and to the right, its edge only a faint
    // line where the cut catches the light.
    QPainter &p = hand.painter();
    for (int k = 3; k >= 1; --k) {
        const int tone = 228 - 8 * (3 - k);
        p.fillRect(kPage.translated(0.6 * k, 0.8 * k), QColor(tone, tone, tone + 1));
    }
    p.fillRect(kPage, Qt::white);
    Hand edge(p, 0.5);
    edge.setInk(QColor(140, 140, 142));
    QPainterPath sheet;
    sheet.addRect(kPage);
    edge.plainStroke(sheet, Qt::SquareCap);

    // A letter in a small, running hand: short everyday words, each line
    // filled with whole words up to the margin and no further. Its short
    // sentences let every page end at the end of one.
    static const QStringList words =
        u"Dear Ann, we had a fine time at the lake. The sun was out all week. We went for long walks "
        "by the water and came home late for tea. The boys fell in the mud twice. The dog ran off "
        "after a duck. He came back wet and glad. We will be home on the first. Do write "
        "and tell us all your news. The roses by the gate are out at last. The plums are nearly "
        "ripe. Come and help us pick them. Tom sends his best. The old boat is mended at last. "
        "With love from us all, Meg."_s.split(u' ');
    const QFont font = handFont(Face::Script, 7.6);
    const qreal space = 2.3;
    const qreal first = kPage.top() + m.top + 5.5;
    // A page written to its foot keeps room under its last line for tails
    // that the hand lets sink a little.
    const qreal last = kPage.bottom() - m.bottom - (m.edgeToEdge ? 2.2 : 1.5);
    auto inkRight = [&](const QString &w) { return textPath(QPointF(0, 0), w, font).boundingRect().right(); };
    // The page as written with lines `lineStep` apart and each line's end
    // `shorter` before where the hand would otherwise stop.
    auto plan = [&](Rng rng, qreal lineStep, qreal shorter) {
        // Written to the bottom edge as well: the lines share out the height.
        const qreal step = m.edgeToEdge ? (last - first) / std::floor((last - first) / lineStep) : lineStep;
        int next = 0;
        QList<PageLine> planned;
        for (qreal y = first; y <= last + 0.01 && next < words.size(); y += step) {
            const qreal f = (y - first) / std::max<qreal>(1, kPage.height() - 12);
            // Each line starts where the hand comes back to, never quite the
            // same place twice, but never further out than the margin.
            qreal left = kPage.left() + m.left + rng.uniform(0, 1.3);
            // A hand drifting in does so unevenly: slowly at first, then
            // more, a line now and then starting no further in than the one
            // above, or a little further out.
            if (m.growLeft > 0)
                left = kPage.left() + m.left
                    + std::max<qreal>(0, m.growLeft * std::pow(f, 1.15) + rng.uniform(-1, 1) * 2.4);
            // Nor does a line end on a ruled edge: where the hand gives up on
            // a line varies by a letter or so.
            qreal right = kPage.right() - m.right - m.growRight * f - rng.uniform(0, m.ragged) - shorter;
            if (m.edgeToEdge) {
                // Just clear of the edges: the pen stops at the paper's end,
                // or a letter or so before it where the next word would not go.
                // The hand leans a tall last letter a little further out.
                left = kPage.left() + 2.2 + rng.uniform(0, 0.5);
                right = kPage.right() - 3.4 - rng.uniform(0, 0.5) - shorter;
            }
            QStringList line;
            qreal width = 0;
            while (next < words.size()) {
                const QString &w = words[next];
                const qreal add = textAdvance(w, font) + (line.isEmpty() ? 0 : space);
                // Fitted by the ink, whose last stroke may run past the advance.
                const qreal reach = std::max(add, add - textAdvance(w, font) + inkRight(w));
                if (width + reach > right - left)
                    break;
                line.append(w);
                width += add;
                ++next;
            }
            // From the first word's start to the last one's end, at the usual spacing.
            auto inkWidth = [&](const QStringList &ws) {
                qreal w = -space;
                for (const QString &word : ws)
                    w += textAdvance(word, font) + space;
                return w;
            };
            qreal squeeze = 1; // the line's letters drawn this much wider
            if (m.edgeToEdge && next < words.size()) {
                // Squeezing one more short word in beats a line that stops well
                // short, if the letters need close up by only a few in a hundred;
                // otherwise the line stops where its words do.
                QStringList more = line;
                more.append(words[next]);
                const qreal letters = inkWidth(more) - space * (more.size() - 1)
                    + std::max<qreal>(0, inkRight(more.last()) - textAdvance(more.last(), font));
                const qreal fits = (right - left - 1.6 * (more.size() - 1)) / letters;
                if (right - left - width > 7 && fits >= 0.93) {
                    line = more;
                    ++next;
                    squeeze = std::min<qreal>(1, fits);
                    width = letters * squeeze + 1.6 * (more.size() - 1);
                }
            }
            // A writer nearing the margin spaces the last words out a little, so
            // the lines end close to it without reaching past it; but never by
            // more than a little, so the spaces stay the hand's own.
            const qreal slack = right - left - width;
            qreal extra = 0;
            if (line.size() > 1 && (m.spread || m.edgeToEdge)) {
                extra = std::min<qreal>(slack * 0.7, 1.6 * (line.size() - 1)) / (line.size() - 1);
                if (m.edgeToEdge)
                    extra = std::min<qreal>(extra, rng.uniform(0.2, 0.9));
                extra = std::max<qreal>(extra, 1.1 - space);
            }
            if (squeeze < 1)
                extra = 1.6 - space; // the squeezed-in word's line closes up its spaces too
            planned.append({y, left, line, squeeze, extra});
        }
        return planned;
    };
    // A writer ends the letter at a sentence's end near the foot of the
    // page: of a few ways of spacing the lines a shade closer or wider, or
    // ending them a shade earlier, the one whose last sentence ends lowest.
    QList<PageLine> planned;
    qreal best = -1;
    // A page meant to look even may open its lines up a little more, so
    // that a full last line still comes down near the foot.
    const QList<qreal> steps = m.balanced ? QList<qreal>{8.6, 8.4, 8.8, 8.2, 9.0, 9.3, 9.7, 10.1, 10.5}
                                          : QList<qreal>{8.6, 8.4, 8.8, 8.2, 9.0, 9.3};
    for (qreal lineStep : steps) {
        for (qreal shorter : {0.0, 0.8, 1.6}) {
            QList<PageLine> tried = plan(rng, lineStep, shorter);
            const bool closes = endAtSentence(tried);
            if (tried.isEmpty())
                continue;
            // Lower is better, and a fuller last line a little better still.
            const PageLine &end = tried.last();
            // A page with even margins shows its foot only through its last
            // line: one that stops half way reads as a deeper margin.
            const qreal fullness = m.balanced ? 5.0 : 0.02;
            const qreal score = (closes ? 1000 : 0) + end.y + fullness * end.words.join(u' ').size();
            if (score > best + 0.5) {
                best = score;
                planned = tried;
            }
        }
    }
    if (m.balanced && !planned.isEmpty()) {
        const qreal spare = last - planned.last().y;
        for (PageLine &pl : planned)
            pl.y += spare / 2;
    }
    Rng sitting = sittingRng(rng);
    Writing writing(sitting, font.pixelSize());
    for (const PageLine &pl : planned) {
        writing.nextLine();
        qreal x = pl.left;
        QPainterPath ink;
        for (const QString &w : pl.words) {
            const QPainterPath outline =
                QTransform::fromScale(pl.squeeze, 1).map(textPath(QPointF(0, 0), w, font)).translated(x, pl.y);
            ink.addPath(writing.word(outline, QPointF(x, pl.y)));
            x += textAdvance(w, font) * pl.squeeze + space + pl.extra;
        }
        // The hand's own unsteadiness may carry a last tall letter further
        // than planned; written up to the edge, the line closes up instead
        // of running into it.
        const qreal limit = kPage.right() - 2.2;
        const qreal reached = ink.boundingRect().right();
        if (m.edgeToEdge && reached > limit)
            ink = QTransform::fromTranslate(pl.left, 0).scale((limit - pl.left) / (reached - pl.left), 1)
                      .translate(-pl.left, 0).map(ink);
        // The font's hairlines are finer than a pen makes at this size; a
        // thin outline gives the strokes a pen's weight.
        writing.ink(hand, ink, 0.3);
    }
}

// Lays out words line by line. `slantOf(line, word)` gives each word's slant
// and `gapOf(line, word)` the space after it, in units of the font size.
struct WordLayout
{
    QFont font;
    QList<QStringList> lines;
    qreal firstBaseline = 30;
    qreal lineGap = 30;
    std::function<qreal(int, int)> slantOf = [](int, int) { return 0.0; };
    std::function<qreal(int, int)> gapOf = [](int, int) { return 0.3; };
    bool centre = true;
    qreal left = 6;
    qreal weight = 0; // extra outline width, keeps thin or squeezed letters dark
    // Ascenders and descenders drawn this many times their length, the
    // small letters as they are.
    qreal loops = 1;
    // How far a line may stray from its place, down and to the right: a
    // hand keeps wide line gaps only roughly.
    qreal stray = 0;
    qreal liveliness = 1; // the hand's unsteadiness (see Writing)
};

// Lengthens the parts of a word (baseline y = 0) that reach above the small
// letters' height `xHeight` or below the baseline by `factor`. A hand that
// writes long loops writes them open too: the two sides of each loop move
// apart as they leave the small letters, each keeping its weight, so the
// loop does not close up into a slit that reads as a stroke drawn hollow.
QPainterPath longerLoops(const QPainterPath &outline, qreal xHeight, qreal factor)
{
    QPainterPath out;
    out.setFillRule(Qt::WindingFill);
    // Flattened finely, so the curves stay smooth in the 2x pictures.
    const qreal fine = 6;
    QList<QPolygonF> polys = outline.toSubpathPolygons(QTransform::fromScale(fine, fine));
    for (QPolygonF &poly : polys)
        for (QPointF &p : poly)
            p /= fine;
    // Where each outline reaches above the small letters and below the
    // line: the middle of that part, or NaN where it has none.
    auto middleOf = [xHeight](const QPolygonF &poly, bool above) {
        qreal left = 1e9, right = -1e9;
        for (const QPointF &p : poly)
            if (above ? p.y() < -xHeight : p.y() > 0) {
                left = std::min(left, p.x());
                right = std::max(right, p.x());
            }
        return right >= left ? (left + right) / 2 : qQNaN();
    };
    // A loop is a letter's outline with the inside of the loop as another
    // outline within it: both open about the inside's middle.
    QList<qreal> upMiddle(polys.size(), qQNaN()), downMiddle(polys.size(), qQNaN());
    for (qsizetype i = 0; i < polys.size(); ++i) {
        const QRectF inside = polys[i].boundingRect();
        const qreal up = middleOf(polys[i], true), down = middleOf(polys[i], false);
        for (qsizetype j = 0; j < polys.size(); ++j) {
            if (j == i || !polys[j].boundingRect().contains(inside))
                continue;
            if (!qIsNaN(up))
                upMiddle[i] = upMiddle[j] = up;
            if (!qIsNaN(down))
                downMiddle[i] = downMiddle[j] = down;
        }
    }
    const qreal open = 0.25 * xHeight * (factor - 1);
    for (qsizetype i = 0; i < polys.size(); ++i) {
        QPolygonF poly;
        for (const QPointF &p : polys[i]) {
            const qreal y = p.y();
            const bool above = y < -xHeight, below = y > 0;
            const qreal up = above ? -xHeight + (y + xHeight) * factor : below ? y * factor : y;
            const qreal beyond = above ? -xHeight - y : below ? y : 0;
            const qreal middle = above ? upMiddle[i] : downMiddle[i];
            qreal x = p.x();
            if (beyond > 0 && !qIsNaN(middle))
                x += open * smoothStep(0, 0.5 * xHeight, beyond) * std::tanh((x - middle) / (0.2 * xHeight));
            poly << QPointF(x, up);
        }
        out.addPolygon(poly);
        out.closeSubpath();
    }
    return out;
}


void drawWords(Hand &hand, Rng &rng, const WordLayout &layout)
{
    qreal baseline = layout.firstBaseline;
    Rng sitting = sittingRng(rng);
    Writing writing(sitting, layout.font.pixelSize(), layout.liveliness);
    for (int li = 0; li < layout.lines.size(); ++li) {
        writing.nextLine();
        const QStringList &words = layout.lines[li];
        QPainterPath line;
        qreal x = 0;
        for (int wi = 0; wi < words.size(); ++wi) {
            QPainterPath word = textPath(QPointF(0, 0), words[wi], layout.font);
            if (layout.loops != 1)
                word = longerLoops(word, QFontMetricsF(layout.font).xHeight(), layout.loops);
            const qreal slant = layout.slantOf(li, wi);
            if (slant == 0) {
                line.addPath(writing.word(word.translated(x, 0), QPointF(x, 0)));
                x += textAdvance(words[wi], layout.font);
            } else {
                // Slanted words are set by their outlines so neighbours never collide.
                word = slanted(word, 0, slant);
                const QRectF box = word.boundingRect();
                line.addPath(writing.word(word.translated(x - box.left(), 0), QPointF(x, 0)));
                x += box.width();
            }
            x += layout.gapOf(li, wi) * layout.font.pixelSize();
        }
        const QRectF box = line.boundingRect();
        qreal dx = layout.centre ? (118 - box.width()) / 2 - box.left() : layout.left;
        qreal dy = 0;
        if (layout.stray > 0 && li > 0) {
            dx += rng.uniform(0, 0.4 * layout.stray);
            dy = rng.uniform(-1, 1) * layout.stray;
        }
        const QPainterPath placed = line.translated(dx, baseline + dy);
        writing.ink(hand, placed, layout.weight);
        // No hand steps down the page by a ruler: each line comes a little
        // nearer the last or further from it, however even the spacing.
        baseline += layout.lineGap * (1 + rng.uniform(-0.035, 0.035));
    }
}

QList<QStringList> splitLines(const QStringList &lines)
{
    QList<QStringList> out;
    for (const QString &l : lines)
        out.append(l.split(u' '));
    return out;
}

void addMargins(QList<SampleDef> &out)
{
    const QString t = u"Margins"_s;
    auto page = [](PageMargins m) { return [m](Hand &h, Rng &r) { drawPage(h, r, m); }; };
    PageMargins m;
    m = {};
    m.left = 32;
    addSample(out, t, 0, u"Wide Left Margin"_s, page(m));
    // A right margin shows only where the lines stop, never along a ruled
    // edge, so it is drawn wider than the left one above and the lines keep
    // close to where they stop: it must read as wide at a glance.
    m = {};
    m.right = 40;
    m.ragged = 2.5;
    addSample(out, t, 1, u"Wide Right Margin"_s, page(m));
    m = {};
    m.right = 3;
    m.growRight = 42;
    m.ragged = 1.5; // the widening margin itself makes the right edge
    addSample(out, t, 2, u"Narrow to Wider Right Margin"_s, page(m));
    m = {};
    m.left = 3;
    m.growLeft = 42;
    // The right edge ends where the words do, unevenly, so the page does not
    // look set flush right.
    m.ragged = 9;
    m.spread = false;
    addSample(out, t, 3, u"Narrow to Wider Left Margin"_s, page(m));
    m = {16, 16, 16, 15};
    m.balanced = true;
    addSample(out, t, 4, u"Even Margins All Around"_s, page(m));
    m = {};
    m.top = 46;
    addSample(out, t, 5, u"Wide Upper Margin"_s, page(m));
    m = {};
    m.bottom = 46;
    addSample(out, t, 6, u"Wide Lower Margin"_s, page(m));
    m = {};
    m.top = 1.5;
    // The last line's tails stop just short of the sheet's foot, not cut by it.
    m.bottom = 2.4;
    m.edgeToEdge = true;
    addSample(out, t, 7, u"No Margins"_s, page(m));
}

// Horizontal room between two letters' centre lines across the small
// letters (rows from just above the baseline to just under the x-height):
// its mean and its least over the rows both letters cross.
struct Gaps
{
    qreal mean = 0;
    qreal least = 0;
};

Gaps gapsBetween(const QPainterPath &left, const QPainterPath &right, qreal xHeight)
{
    // The outermost crossing of a path with the row at `y`, to one side.
    auto edge = [](const QPainterPath &path, qreal y, bool rightmost, bool *found) {
        qreal out = rightmost ? -1e9 : 1e9;
        *found = false;
        for (const QPolygonF &poly : path.toSubpathPolygons()) {
            for (qsizetype k = 1; k < poly.size(); ++k) {
                const QPointF a = poly[k - 1], b = poly[k];
                if ((a.y() - y) * (b.y() - y) > 0 || a.y() == b.y())
                    continue;
                const qreal x = a.x() + (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y());
                out = rightmost ? std::max(out, x) : std::min(out, x);
                *found = true;
            }
        }
        return out;
    };
    Gaps g;
    g.least = 1e9;
    int rows = 0;
    for (int r = 0; r <= 8; ++r) {
        const qreal y = -xHeight * (0.12 + 0.76 * r / 8);
        bool a = false, b = false;
        const qreal gap = edge(right, y, false, &b) - edge(left, y, true, &a);
        if (!a || !b)
            continue;
        g.mean += gap;
        g.least = std::min(g.least, gap);
        ++rows;
    }
    if (rows > 0)
        g.mean /= rows;
    else
        g = {};
    return g;
}

// The least distance between two sets of polylines.
qreal centreDistance(const QList<QPolygonF> &a, const QList<QPolygonF> &b)
{
    auto toSegment = [](QPointF p, QPointF s, QPointF e) {
        const QPointF d = e - s;
        const qreal len2 = QPointF::dotProduct(d, d);
        const qreal t = len2 < 1e-12 ? 0 : std::clamp<qreal>(QPointF::dotProduct(p - s, d) / len2, 0, 1);
        return QLineF(p, s + d * t).length();
    };
    auto oneWay = [&](const QList<QPolygonF> &from, const QList<QPolygonF> &to) {
        qreal least = 1e9;
        for (const QPolygonF &poly : from)
            for (const QPointF &p : poly)
                for (const QPolygonF &other : to) {
                    if (other.size() == 1)
                        least = std::min(least, QLineF(p, other.first()).length());
                    for (qsizetype k = 1; k < other.size(); ++k)
                        least = std::min(least, toSegment(p, other[k - 1], other[k]));
                }
        return least;
    };
    return std::min(oneWay(a, b), oneWay(b, a));
}

// Room between two far-leaning words across their small letters, and the
// least room between their centre lines at any height (a word's first
// ascender may lean back towards the last word).
const qreal kFarWordGap = 9;
const qreal kFarWordRoom = 9.5;
// How high a far-leaning hand's ascenders reach above the small letters,
// against upright ones.
const qreal kFarAscent = 0.9;

// A word of the print hand as written by a hand that leans far (`slant`,
// positive leans the tops right), letter by letter, rather than upright
// letters pushed or turned over. Each letter is redrawn in its own leaning
// frame: heights stay as written, so feet stay on the line and bars and
// joins stay level, while every point moves over by a lean that grows with
// its height. The lean is the hand's, not a ruler's: it wanders a few
// degrees from letter to letter (each letter close to the last, never two
// alike), the ascenders lean a little further than the small letters, as a
// hand that leans reaches further over on the long strokes, and each letter
// bows a shade, so no stem is ruled straight. A long stroke runs about as
// long as upright, so the ascenders reach a little less high. The letters
// come out narrower than upright ones, as in most far-leaning hands, a
// backhand's the narrowest.
// Bowls (of a, b, d, o, e) are written as ovals of their own along the
// letter's lean, each leaning its own shade, all but the e's narrower at
// the top than at the foot, and those hung on a stem set against it so they
// touch it; the e's bar stays
// nearly level and rises a little, as it is written, and a t is crossed
// short, its bar rising a little too. Each letter is set as
// close after the last as leaves paper showing between them, then a shade
// further. The word's small letters start at x = 0 on the baseline y = 0;
// `advance` receives where they end.
QPainterPath leaningWord(const QString &text, qreal unit, qreal slant, qreal *advance, Rng &rng)
{
    const qreal xHeight = 10 * unit;
    const qreal side = slant < 0 ? -1 : 1;
    const qreal narrow = slant < 0 ? 0.8 : 0.85;
    // Room for the ink either side of two centre lines and paper between
    // them that stays white even in the small picture. A backhand crowds
    // its letters a little more.
    const qreal room = printPen(unit) + (slant < 0 ? 2.0 : 2.2) * unit;
    // The letters' extent across the small letters' band.
    auto band = [&](const QPainterPath &path, qreal *left, qreal *right) {
        *left = 1e9;
        *right = -1e9;
        for (const QPolygonF &poly : path.toSubpathPolygons())
            for (qsizetype k = 1; k < poly.size(); ++k) {
                // Each piece of the line, clipped to the band.
                const QPointF a = poly[k - 1], b = poly[k];
                const qreal low = 0.1 * xHeight, high = 0.9 * xHeight;
                const qreal ua = -a.y(), ub = -b.y();
                const qreal t0 = ua == ub ? 0 : std::clamp<qreal>(((ua < ub ? low : high) - ua) / (ub - ua), 0, 1);
                const qreal t1 = ua == ub ? 1 : std::clamp<qreal>(((ua < ub ? high : low) - ua) / (ub - ua), 0, 1);
                if (t1 < t0 || (ua == ub && (ua < low || ua > high)) || std::max(ua, ub) < low || std::min(ua, ub) > high)
                    continue;
                for (const qreal t : {t0, t1}) {
                    const qreal x = a.x() + (b.x() - a.x()) * t;
                    *left = std::min(*left, x);
                    *right = std::max(*right, x);
                }
            }
    };
    QPainterPath word, previous;
    qreal wander = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // The letter as written after the ones before it, so it takes its own
        // small irregularities from the print hand. Picture units, y down.
        const int strokes = int(printText(text.mid(i, 1), {0, 0}, unit).strokes.toSubpathPolygons().size());
        const QList<QPolygonF> all =
            printText(text.left(i + 1), {0, 0}, unit).strokes.toSubpathPolygons(QTransform::fromScale(8, 8));
        QList<QPolygonF> letter = all.mid(all.size() - strokes);
        qreal left = 1e9, right = -1e9, top = 0;
        for (QPolygonF &poly : letter)
            for (QPointF &p : poly) {
                p /= 8;
                // A long stroke written leaning runs about as long as it
                // would upright, so it reaches less high.
                if (-p.y() > xHeight)
                    p.setY(-xHeight + (p.y() + xHeight) * kFarAscent);
                left = std::min(left, p.x());
                right = std::max(right, p.x());
                top = std::max(top, -p.y());
            }
        const qreal middle = (left + right) / 2;
        // The lean wanders: each letter near the last, drifting back to the
        // hand's own.
        wander = 0.5 * wander + qDegreesToRadians(rng.uniform(-3.0, 3.0));
        const qreal angle = std::atan(slant) + wander;
        const qreal lean = std::tan(angle);
        const qreal further = std::tan(angle + side * qDegreesToRadians(6.0)) - lean;
        const qreal height = std::max(top, xHeight);
        const qreal bow = rng.uniform(0.3, 0.6) * unit * (rng.uniform(0, 1) < 0.5 ? -1 : 1);
        // How far a point at height `up` moves over: the lean, more above
        // the small letters (eased in), and the letter's bow.
        auto over = [&](qreal up) {
            const qreal soft = 1.8 * unit;
            const qreal above = soft * std::log1p(std::exp((up - 0.85 * xHeight) / soft));
            return up * lean + further * above + bow * std::sin(M_PI * std::clamp<qreal>(up / height, 0, 1));
        };
        auto leaned = [&](QPointF p) {
            return QPointF(middle + (p.x() - middle) * narrow + over(-p.y()), p.y());
        };
        // The letter's stem as leaned, for the bowls hung on it: its x at
        // height `up`.
        const int stemIndex = (c == u'a' || c == u'd') ? 1 : c == u'b' ? 0 : -1;
        QPolygonF stem;
        if (stemIndex >= 0)
            for (const QPointF &p : letter[stemIndex])
                stem << leaned(p);
        auto stemX = [&](qreal up) {
            for (qsizetype k = 1; k < stem.size(); ++k) {
                const qreal a = -stem[k - 1].y(), b = -stem[k].y();
                if ((a - up) * (b - up) <= 0 && a != b)
                    return stem[k - 1].x() + (stem[k].x() - stem[k - 1].x()) * (up - a) / (b - a);
            }
            return stem.isEmpty() ? 0.0 : stem.first().x() + (up + stem.first().y()) * lean;
        };
        QPainterPath written;
        for (qsizetype si = 0; si < letter.size(); ++si) {
            const QPolygonF &poly = letter[si];
            const bool bowl = (u"ado"_s.contains(c) && si == 0) || (c == u'b' && si == 1) || c == u'e';
            QPolygonF out;
            if (bowl) {
                const QRectF box = poly.boundingRect();
                const qreal rx = box.width() / 2, ry = box.height() / 2;
                const qreal cx = box.center().x(), cu = -box.center().y();
                // Its own lean, a shade off the letter's.
                const qreal phi = angle + qDegreesToRadians(rng.uniform(-2.5, 2.5));
                const qreal sn = std::sin(phi), cs = std::cos(phi);
                const qreal b = rx * (c == u'e' ? 1.1 : 1.0);
                // Long enough along the lean to keep the small letters' height.
                const qreal a = std::sqrt(std::max(ry * ry - b * b * sn * sn, 0.25 * ry * ry)) / cs;
                // (An e's eye is at its top, and stays open.)
                const qreal egg = c == u'e' ? rng.uniform(-0.04, 0.02) : rng.uniform(0.04, 0.1);
                // Across the oval, or for the e nearly level, rising a little
                // to the right as its bar is written; a backhand's e rises
                // further, as its loop leans back.
                const qreal rise = qDegreesToRadians(rng.uniform(3.0, 7.0)) - std::min<qreal>(0, 0.3 * phi);
                const QPointF across = c == u'e' ? QPointF(std::cos(rise), std::sin(rise)) : QPointF(cs, -sn);
                const QPointF along(sn, cs);
                auto oval = [&](QPointF p) {
                    const qreal X = (p.x() - cx) / rx, Y = (-p.y() - cu) / ry;
                    const QPointF q = across * (b * X * (1 - egg * Y)) + along * (a * Y);
                    return QPointF(q.x(), -(cu + q.y()));
                };
                for (const QPointF &p : poly)
                    out << oval(p);
                qreal shift = middle + (cx - middle) * narrow + over(cu);
                if (stemIndex >= 0) {
                    // Against the stem: an a's or d's bowl on its left, a b's on its right.
                    const qreal towards = c == u'b' ? -1 : 1;
                    qreal reach = -1e9;
                    for (const QPointF &p : out)
                        reach = std::max(reach, towards * (p.x() - stemX(-p.y())));
                    shift = -towards * (reach + 0.1 * unit);
                }
                out.translate(shift, 0);
            } else {
                for (const QPointF &p : poly)
                    out << leaned(p);
                // A t's bar is crossed short and quick, rising a little to
                // the right as it is drawn.
                if (c == u't' && si == 1) {
                    const qreal rise = std::tan(qDegreesToRadians(rng.uniform(2.0, 5.0)));
                    const qreal mid = (out.first().x() + out.last().x()) / 2;
                    for (QPointF &p : out) {
                        p.rx() = mid + (p.x() - mid) * 0.85;
                        p.ry() -= (p.x() - mid) * rise;
                    }
                }
            }
            // A dot is pressed in with a little turn of the pen, so it
            // shows as plainly as the strokes beside it, not as a speck.
            if (poly.size() <= 2 && QLineF(poly.first(), poly.last()).length() < 0.2 * unit) {
                const QPointF centre = out.first();
                out = {centre};
                for (int k = 1; k <= 8; ++k) {
                    const qreal a = M_PI / 4 * k + 0.3;
                    out << centre + QPointF(1.1 * unit * std::cos(a), 0.95 * unit * std::sin(a));
                }
            }
            QPainterPath stroke;
            stroke.addPolygon(out);
            written.addPath(stroke);
        }
        qreal from = 0, to = 0;
        band(written, &from, &to);
        if (previous.isEmpty()) {
            written.translate(-from, 0);
        } else {
            // Started well into the last letter's room, then moved on until
            // paper shows between them, and a shade further, by a different
            // amount each time.
            qreal end = 0, unused = 0;
            band(previous, &unused, &end);
            written.translate(end - from - 2 * unit, 0);
            const QList<QPolygonF> taken = previous.toSubpathPolygons();
            QList<QPolygonF> mine = written.toSubpathPolygons();
            qreal moved = 0;
            while (centreDistance(mine, taken) < room && moved < 12 * unit) {
                for (QPolygonF &poly : mine)
                    poly.translate(0.2 * unit, 0);
                moved += 0.2 * unit;
            }
            written.translate(moved + rng.uniform(0.05, 0.25) * unit, 0);
        }
        previous = written;
        word.addPath(written);
    }
    qreal from = 0, to = 0;
    band(word, &from, &to);
    *advance = to;
    return word;
}

// Strokes print-hand writing in `h`'s pen, its i's dots as dabs of `radius`:
// plainly wider than the stroke, or a dot reads as a speck or the stem's
// end. A dot keeps at least `clearance` of paper above its stem's top,
// however small the i.
void strokeDotted(Hand &h, const QPainterPath &writing, qreal radius, qreal clearance = 0)
{
    QPainterPath strokes;
    qreal stemTop = 0;
    for (const QPolygonF &poly : writing.toSubpathPolygons()) {
        const QRectF part = poly.boundingRect();
        if (part.width() + part.height() < 0.5) {
            QPointF centre = part.center();
            centre.setY(std::min(centre.y(), stemTop - clearance - radius));
            h.dot(centre, radius);
            continue;
        }
        stemTop = part.top();
        QPainterPath stroke;
        stroke.addPolygon(poly);
        strokes.addPath(stroke);
    }
    h.stroke(strokes);
}

void addSlant(QList<SampleDef> &out)
{
    const QString t = u"Slant"_s;
    // Upright print from the pen-stroke hand, so "vertical" really is vertical
    // and each variant only leans the letters: a moderate slant shears them,
    // a strong one is written leaning (see leaningWord()).
    // `letterLean(line, word, letter)`, when given, adds a lean of its own to
    // each letter on top of the word's slant.
    using LetterLean = std::function<qreal(int, int, int)>;
    auto slant = [](std::function<qreal(int, int)> slantOf, LetterLean letterLean = {}) {
        return [slantOf, letterLean](Hand &h, Rng &rng) {
            const QList<QStringList> lines = splitLines({u"tall kite"_s, u"held the"_s, u"bell"_s});
            const qreal unit = 1.2;
            h.setWidth(printPen(unit));
            qreal baseline = 38;
            // A light touch of the hand's unsteadiness; the slant itself
            // stays as set. A strong slant already varies letter by letter,
            // and its line must stay level to read as leaning letters, not
            // a tilted line: less of the word's wandering there.
            Writing writing(rng, 24, !letterLean && std::abs(slantOf(0, 0)) > 0.5 ? 0.25 : 0.6);
            QList<QPainterPath> written;
            for (int li = 0; li < lines.size(); ++li) {
                writing.nextLine();
                QPainterPath line;
                qreal x = 0;
                qreal previousSlant = 0;
                qreal previousRight = 0;
                QPainterPath previousLetter, previousWord;
                for (int wi = 0; wi < lines[li].size(); ++wi) {
                    const qreal s = slantOf(li, wi);
                    // Shearing keeps the room between letters across the
                    // line but narrows it across the strokes; widen it so the
                    // slanted words look as loosely spaced as the upright ones.
                    const qreal widen = std::sqrt(1 + s * s);
                    const qreal letterGap = 2.6 * (widen - 1);
                    // A shear alone squeezes round letters into slivers; a hand
                    // that slants writes its bowls a little wider to match.
                    const qreal open = 1 + 0.22 * std::abs(s);
                    auto write = [&](qreal at, qreal *advance) {
                        const QString &text = lines[li][wi];
                        const PrintedText upright = printText(text, {0, 0}, unit, letterGap);
                        if (letterLean) {
                            // Letter by letter, each at its own lean, turned
                            // about its own middle so that its foot and top
                            // move apart evenly. Each letter keeps the room a
                            // steady hand leaves after the last one: across
                            // the small letters it stands, on average, as far
                            // from it as it would upright, and nowhere nearer
                            // than a pen's width.
                            const qreal xHeight = 10 * unit;
                            const QPainterPathStroker clearance(QPen(Qt::black, h.width() + 0.8 * unit));
                            QPainterPath word;
                            QPainterPath previous, previousUpright;
                            qreal end = 0;
                            for (qsizetype i = 0; i < text.size(); ++i) {
                                const qreal lean = s + letterLean(li, wi, int(i));
                                QPainterPath upright = printText(text.mid(i, 1), {0, 0}, unit).strokes;
                                QPainterPath letter = slanted(upright, upright.boundingRect().center().y(), lean);
                                if (previous.isEmpty()) {
                                    letter.translate(at - letter.boundingRect().left(), 0);
                                } else {
                                    upright.translate(previousUpright.boundingRect().right() + 2.6 * unit
                                                          - upright.boundingRect().left(), 0);
                                    const Gaps even = gapsBetween(previousUpright, upright, xHeight);
                                    letter.translate(previous.boundingRect().right() - letter.boundingRect().left(), 0);
                                    const Gaps here = gapsBetween(previous, letter, xHeight);
                                    // A t's bar and foot fill the room after its stem when upright;
                                    // leaning, they no longer do, so it counts as an ordinary gap.
                                    const qreal target = std::min(even.mean, 3.2 * unit);
                                    letter.translate(std::max(target - here.mean, h.width() + unit - here.least), 0);
                                    const QPainterPath taken = clearance.createStroke(previous);
                                    while (clearance.createStroke(letter).intersects(taken))
                                        letter.translate(0.25, 0);
                                }
                                previous = letter;
                                previousUpright = upright;
                                end = std::max(end, letter.boundingRect().right() - at);
                                word.addPath(letter);
                            }
                            *advance = end;
                            return word;
                        }
                        if (std::abs(s) > 0.5) {
                            // Written letter by letter, each in its own leaning frame.
                            QPainterPath word = leaningWord(text, unit, s, advance, rng);
                            return word.translated(at, 0);
                        }
                        *advance = upright.advance * open;
                        const QPainterPath wide = QTransform::fromScale(open, 1).map(upright.strokes);
                        return slanted(wide, 0, s).translated(at, 0);
                    };
                    qreal advance = 0;
                    QPainterPath word = write(x, &advance);
                    // Words of the same slant keep their places on the baseline;
                    // a word leaning the other way than its neighbour moves on
                    // until the two no longer touch.
                    if (wi > 0 && s != previousSlant) {
                        const qreal overlap = previousRight + 6 - word.boundingRect().left();
                        if (overlap > 0) {
                            x += overlap;
                            word = write(x, &advance);
                        }
                    }
                    // Leaning far, a word's first ascender may lean back into
                    // the room after the last word: it moves on until the two
                    // stand clearly apart at every height.
                    if (wi > 0 && std::abs(s) > 0.5 && !letterLean) {
                        const QList<QPolygonF> before = previousWord.toSubpathPolygons();
                        QList<QPolygonF> mine = word.toSubpathPolygons();
                        qreal moved = 0;
                        while (centreDistance(mine, before) < kFarWordRoom && moved < 13) {
                            for (QPolygonF &poly : mine)
                                poly.translate(0.5, 0);
                            moved += 0.5;
                        }
                        word.translate(moved, 0);
                        x += moved;
                    }
                    line.addPath(writing.word(word, {x, 0}));
                    previousSlant = s;
                    previousRight = word.boundingRect().right();
                    previousWord = word;
                    // A far-leaning word's end is measured across its small
                    // letters, where the next word's start is; the room
                    // between is a little less than the upright words',
                    // as such a hand runs its words on.
                    // A backhand's first ascender leans back over the room,
                    // which looks the narrower for it: it gets a little more.
                    x += advance + (std::abs(s) > 0.5 && !letterLean ? kFarWordGap + (s < 0 ? 1.5 : 0) : 13 * widen);
                }
                // Every line starts from the same left margin, as a hand
                // comes back to it, give or take a little; lines are not
                // centred one by one, which would shift leaning lines about.
                written.append(line.translated(li == 0 ? 0 : rng.uniform(-1.5, 2.0), baseline));
                baseline += 38;
            }
            QRectF all;
            for (const QPainterPath &line : written)
                all |= line.boundingRect();
            // Writing far over, the hand turns with its letters; left as it
            // is, the pen would draw one extreme's stems as hairlines and
            // the other's bold, like a sloped typeface.
            const qreal pageSlant = slantOf(0, 0);
            if (!letterLean && std::abs(pageSlant) > 0.5)
                h.setNibTurn(std::atan(pageSlant));
            for (const QPainterPath &line : written)
                strokeDotted(h, line.translated((118 - all.width()) / 2 - all.left(), 0), h.width());
        };
    };
    auto fixed = [](qreal s) { return [s](int, int) { return s; }; };
    // About 17 degrees for the moderate slants and 33 degrees for the extreme
    // ones: far enough apart to tell, and not so far that bowls turn into
    // slivers. The moderate backhand leans a few degrees further, as a
    // backward lean looks slighter than a forward one of the same angle.
    addSample(out, t, 0, u"Vertical Slant"_s, slant(fixed(0.0)));
    addSample(out, t, 1, u"Moderate Left Slant"_s, slant(fixed(-0.36)));
    addSample(out, t, 2, u"Extreme Left Slant"_s, slant(fixed(-0.65)));
    addSample(out, t, 3, u"Moderate Right Slant"_s, slant(fixed(0.3)));
    addSample(out, t, 4, u"Extreme Right Slant"_s, slant(fixed(0.65)));
    // Irregular: one hand whose letters will not keep to one slant. Within
    // every word some stand upright, some lean forwards and some back.
    addSample(out, t, 5, u"Irregular Slant"_s, slant(fixed(0.0), [](int line, int word, int letter) {
                  // Plainly different ways, or the mix takes a second look to
                  // see: a word holds letters leaning well forwards, upright and
                  // well back. The hooked letters (k, t, h, b) lean furthest;
                  // an l leaning as hard reads as a stroke mark, and two l's
                  // far apart in lean as a v.
                  static const qreal leans[3][2][5] = {{{0.05, 0.32, -0.2, 0.05, 0}, {-0.36, 0.05, 0.38, -0.12, 0}},
                                                       {{0.4, -0.05, -0.28, -0.04, 0}, {-0.34, 0.36, 0.02, 0, 0}},
                                                       {{0.42, -0.05, 0.0, 0.25, 0}, {0, 0, 0, 0, 0}}};
                  return leans[line][word][std::min(letter, 4)];
              }));
}

// A word of the print hand as a hand writes it bigger, smaller, wider or
// narrower: the pen's centre lines are drawn to the new size letter by
// letter, and only then inked, so the pen keeps its own width however the
// letters are drawn. Each letter is `wide` times as wide as the print's
// and, if `sizes` is given, `sizes[i]` times as big all round about its
// foot, which stays on the baseline; the room between letters grows with
// their size and, `roomy` times as much, with their width, but never shrinks
// below the print's. Above
// the small letters the ascenders reach `loops` times as far, and each
// letter's `reaches[i]` times that again if given. A hand that will not keep
// to one size changes its letters' height more than their width: with
// `widthFollows` below 1 a letter `sizes[i]` as tall is only
// `sizes[i]^widthFollows` as wide. All the room between letters is `space`
// times as wide again. The unit is that of the print hand; the baseline is
// y = 0 and the word starts at x = 0.
QPainterPath resizedPrint(const QString &text, qreal unit, qreal wide, qreal loops = 1, const QList<qreal> &sizes = {},
                          qreal lean = 0, qreal roomy = 1.6, const QList<qreal> &reaches = {}, qreal widthFollows = 1,
                          qreal space = 1)
{
    const qreal fine = 8;
    const QList<QPolygonF> all = printText(text, {0, 0}, unit, 0, lean).strokes.toSubpathPolygons(QTransform::fromScale(fine, fine));
    const qreal xHeight = 10 * unit;
    QPainterPath word;
    qsizetype next = 0;
    qreal x = 0;
    qreal previousRight = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype strokes = printText(text.mid(i, 1), {0, 0}, unit).strokes.toSubpathPolygons().size();
        QList<QPolygonF> letter = all.mid(next, strokes);
        next += strokes;
        qreal left = 1e9, right = -1e9;
        for (QPolygonF &poly : letter)
            for (QPointF &p : poly) {
                p /= fine;
                left = std::min(left, p.x());
                right = std::max(right, p.x());
            }
        const qreal size = sizes.isEmpty() ? 1 : sizes[std::min(i, sizes.size() - 1)];
        const qreal across = std::pow(size, widthFollows);
        const qreal reach = loops * (reaches.isEmpty() ? 1 : reaches[std::min(i, reaches.size() - 1)]);
        // The gap before a letter follows the width of the two letters it
        // parts, but never shrinks below the print's own: the pen's stroke
        // does not shrink with the letters.
        const qreal before = sizes.isEmpty() || i == 0 ? size : sizes[std::min(i - 1, sizes.size() - 1)];
        if (i > 0)
            x += (left - previousRight) * std::max<qreal>(1, (across + std::pow(before, widthFollows)) / 2)
                * std::max<qreal>(1, 1 + (wide - 1) * roomy) * space;
        previousRight = right;
        for (const QPolygonF &poly : letter) {
            QPolygonF placed;
            for (const QPointF &p : poly) {
                qreal up = -p.y() > xHeight ? xHeight + (-p.y() - xHeight) * reach : -p.y();
                // A wide hand opens its e's: the bar comes down, so the eye
                // stays round rather than a slit as the letter widens; the
                // e's foot stays round too, not pressed flat on the line.
                if (text[i] == u'e' && wide > 1 && up > 0 && up < xHeight) {
                    const qreal u = up / xHeight;
                    up = xHeight * (u - std::min<qreal>(0.4, 0.7 * (wide - 1)) * u * (1 - u));
                }
                placed << QPointF(x + (p.x() - left) * wide * across, -up * size);
            }
            QPainterPath stroke;
            stroke.addPolygon(placed);
            word.addPath(stroke);
        }
        x += (right - left) * wide * across;
    }
    return word;
}

// How one size picture is written. `unit` sets the height, `wide` the width
// of the letters, `loops` how far the ascenders reach; `sizes`, per line, how
// big each letter is and `reaches` how far its ascender reaches, with the
// letters' width following their size to the power `widthFollows`.
struct SizedHand
{
    qreal unit = 1.45, wide = 1, loops = 1;
    qreal first = 56, gap = 46; // first baseline and the distance between lines
    qreal pen = 2.3;
    qreal lean = 0.07; // leaning a little forwards, as most hands do
    qreal roomy = 1.6;
    QList<QList<qreal>> sizes, reaches;
    qreal widthFollows = 1;
    qreal space = 1; // the room between letters, against the print's
};

void addSizeOfTheWriting(QList<SampleDef> &out)
{
    const QString t = u"SizeOfTheWriting"_s;
    const QStringList text = {u"little"_s, u"bells"_s};
    // One hand and one pen on the whole page: the writing is drawn bigger,
    // smaller, wider or narrower and the pen's stroke stays as it is, as
    // when a person writes large or small, not as a picture scaled up.
    const qreal pen = 2.3;
    auto sized = [text](const SizedHand &s) {
        return [=](Hand &h, Rng &rng) {
            h.setWidth(s.pen);
            // Unsteady enough to be a hand, not so much that the size blurs.
            Writing writing(rng, 24 * s.unit, 0.6);
            qreal baseline = s.first;
            for (qsizetype li = 0; li < text.size(); ++li) {
                writing.nextLine();
                const QPainterPath word = resizedPrint(text[li], s.unit, s.wide * rng.uniform(0.97, 1.03), s.loops,
                                                       s.sizes.value(li), s.lean, s.roomy, s.reaches.value(li),
                                                       s.widthFollows, s.space);
                const QPainterPath written = writing.word(word, {0, 0});
                const QRectF box = written.boundingRect();
                const QPointF shift((118 - box.width()) / 2 - box.left() + rng.uniform(-2, 2), baseline);
                // The i's dot is a dab of the pen, not a stroke drawn to size.
                strokeDotted(h, written.translated(shift), 0.95 * s.pen, 1.7 * s.pen);
                baseline += s.gap;
            }
        };
    };
    // Tall: the letters are drawn out upwards: upright, their ascenders
    // reaching far above small letters that are themselves tall. The bodies
    // keep their usual width, so the hand does not read as a narrow one.
    SizedHand tall;
    tall.unit = 1.8;
    tall.wide = 1.0;
    tall.loops = 2.15;
    tall.lean = 0;
    tall.first = 56;
    tall.gap = 55;
    addSample(out, t, 0, u"Tall"_s, sized(tall));
    // Small: a small hand in a finer pen, or its letters would fill in.
    SizedHand small;
    small.unit = 0.6;
    small.first = 60;
    small.gap = 22;
    small.pen = 1.1;
    addSample(out, t, 1, u"Small"_s, sized(small));
    // Narrow and broad: letters of ordinary height written close-formed or
    // wide open. A broad hand's width is in its letters: wide round bowls and
    // long bars, the room between letters about as usual, so it does not read
    // as wide letter spacing. A narrow hand's pen runs a shade finer, or its
    // close stems would clot, and a broad one's a shade heavier for the
    // bigger letters.
    SizedHand narrow;
    narrow.wide = 0.6;
    narrow.pen = pen - 0.15;
    addSample(out, t, 2, u"Narrow"_s, sized(narrow));
    SizedHand broad;
    broad.wide = 1.5;
    broad.first = 58;
    broad.pen = pen + 0.15;
    broad.roomy = 0.3;
    addSample(out, t, 3, u"Broad"_s, sized(broad));
    // Irregular: the hand will not keep to one size, and not by a little.
    // Letter by letter the bodies of the small letters jump, an e more than
    // twice the height of the i before it, a big s after a tiny e, and the
    // ascenders reach higher or stop short of their own; "little" comes out
    // bigger as a whole than "bells". The letters grow far less in width
    // than in height, as a hand's do, so none looks like a copy of its
    // neighbour blown up. All stand on the one baseline.
    SizedHand irregular;
    irregular.gap = 50;
    irregular.sizes = {{0.9, 0.6, 1.5, 0.75, 1.15, 1.75}, {0.8, 0.6, 0.95, 0.75, 1.3}};
    irregular.reaches = {{1.3, 1, 0.7, 1.1, 0.85, 1}, {1.1, 1, 1.1, 0.95, 1}};
    irregular.widthFollows = 0.5;
    // A little more room between the letters: a tall letter's top must not
    // crowd a short neighbour's bar.
    irregular.space = 1.45;
    addSample(out, t, 4, u"Irregular"_s, sized(irregular));
}

const QStringList kLineText = {u"we went down to"_s, u"the big blue sea"_s, u"and played all"_s,
                               u"day by the sand"_s, u"looking for shells"_s, u"then hurried back"_s,
                               u"home for a lovely"_s, u"big tea of fish"_s, u"and jelly with a"_s,
                               u"dollop of cream"_s, u"by the fire"_s};

void addLineSpacing(QList<SampleDef> &out)
{
    const QString t = u"LineSpacing"_s;
    auto spaced = [](qreal gap, qreal loops = 1, qreal px = 15, qreal stray = 0) {
        return [gap, loops, px, stray](Hand &h, Rng &rng) {
            WordLayout l;
            l.loops = loops;
            l.stray = stray;
            // Few lines with much paper round them show every letter: a
            // livelier hand keeps the repeated ones from looking alike.
            l.liveliness = stray > 0 ? 1.5 : 1;
            l.font = handFont(Face::Script, px);
            l.centre = false;
            l.left = 7;
            l.firstBaseline = 19;
            l.lineGap = gap;
            // Long loops crossing one another darken where they meet; a
            // lighter touch keeps the crossings from running into blots.
            l.weight = loops > 1 ? 0.12 : 0.3;
            l.gapOf = [](int, int) { return 0.3; };
            // Only whole lines: the last one's descenders stay inside the picture.
            const qreal descent = QFontMetricsF(l.font).descent() * 1.3 * loops + 2;
            for (const QString &line : kLineText) {
                if (l.firstBaseline + l.lineGap * l.lines.size() + descent > 128)
                    break;
                l.lines.append(line.split(u' '));
            }
            drawWords(h, rng, l);
        };
    };
    // Narrow lines leave the loops of one line just clear of the next; even
    // ones leave about a line's height of paper between them.
    addSample(out, t, 0, u"Even Line Spacing"_s, spaced(23));
    addSample(out, t, 1, u"Wide Line Spacing"_s, spaced(32));
    addSample(out, t, 2, u"Very Wide Spacing"_s, spaced(50, 1, 15, 3.5));
    addSample(out, t, 3, u"Narrow Line Spacing"_s, spaced(13.5));
    // Overlapping lines: a hand with long loops, its lines so close that the
    // tails of one reach down among the loops of the next and these up past
    // the tails, while the small letters of each line still stand clear.
    // The lines themselves are no closer than the narrow ones: it is the
    // loops that tangle, not the words that are crammed together.
    addSample(out, t, 4, u"Overlapping"_s, spaced(14, 1.75, 14.5));
}

void addWordSpacing(QList<SampleDef> &out)
{
    const QString t = u"WordSpacing"_s;
    const QStringList words = u"we all went to the fair and had a go on the big wheel it was fun and so we went again"_s.split(u' ');
    // Lines filled word by word up to the right edge, each gap drawn from `gap`
    // (in units of the writing's size).
    auto spaced = [words](std::function<qreal(Rng &)> gap) {
        return [words, gap](Hand &h, Rng &rng) {
            const QFont font = handFont(Face::Script, 15);
            qreal x = 6;
            qreal baseline = 22;
            bool lineStarted = false;
            Rng sitting = sittingRng(rng);
            Writing writing(sitting, font.pixelSize());
            writing.setLineWander(0.35);
            for (const QString &w : words) {
                const qreal adv = textAdvance(w, font);
                if (x + adv > 114 && lineStarted) {
                    x = 6;
                    baseline += 21;
                    if (baseline > 126)
                        break;
                    writing.nextLine();
                }
                const QPainterPath word = writing.word(textPath(QPointF(x, baseline), w, font), QPointF(x, baseline));
                writing.ink(h, word, 0.3);
                lineStarted = true;
                x += adv + gap(rng) * font.pixelSize();
            }
        };
    };
    addSample(out, t, 0, u"Even Spaces"_s, spaced([](Rng &) { return 0.46; }));
    addSample(out, t, 1, u"Uneven Spaces"_s, spaced([](Rng &r) {
                  return r.next() % 2 ? r.uniform(0.16, 0.26) : r.uniform(0.9, 1.7);
              }));
    addSample(out, t, 2, u"Small Spaces"_s, spaced([](Rng &) { return 0.22; }));
    addSample(out, t, 3, u"Large Spaces"_s, spaced([](Rng &) { return 1.0; }));
    // Very large spaces in the same hand, size and words as the other
    // spacings, so a line holds only two or three words, short and long
    // ones mixed, and still reads as running text rather than a list. The
    // hand keeps its wide gaps roughly alike, as it keeps any habit, but
    // never to the pixel, and comes back to the margin only roughly. Its
    // lines break where a writer's would, leaving ragged ends, and start
    // and part their words at different places, so no word stands under one
    // a line or two above, in columns like a table's.
    struct Row
    {
        QString text;
        QList<qreal> gaps; // in pixels, after each word but the last
        qreal left;
    };
    static const QList<Row> rows = {
        {u"we all"_s, {26}, 6},
        {u"went to the"_s, {27, 26}, 7},
        {u"fair and"_s, {25}, 6},
        {u"had a go"_s, {31, 28}, 14},
        {u"on the big"_s, {25, 30}, 6},
    };
    addSample(out, t, 4, u"Very Large Spaces"_s, [](Hand &h, Rng &rng) {
        const QFont font = handFont(Face::Script, 15);
        Rng sitting = sittingRng(rng);
        Writing writing(sitting, font.pixelSize());
        writing.setLineWander(0.35);
        qreal baseline = 22;
        for (const Row &row : rows) {
            writing.nextLine();
            qreal x = row.left + rng.uniform(-0.4, 0.4);
            const QStringList words = row.text.split(u' ');
            for (qsizetype i = 0; i < words.size(); ++i) {
                const QPainterPath word =
                    writing.word(textPath(QPointF(x, baseline), words[i], font), QPointF(x, baseline));
                writing.ink(h, word, 0.3);
                if (i < row.gaps.size())
                    x += textAdvance(words[i], font) + row.gaps[i] + rng.uniform(-0.6, 0.6);
            }
            baseline += 21;
        }
    });
}

void addLetterSpacing(QList<SampleDef> &out)
{
    const QString t = u"LetterSpacing"_s;
    // Words chosen so that no two letters pushed together make another letter.
    const QStringList text = {u"best"_s, u"notes"_s};
    // `extra` is the change of the room between letters, in units of the print hand.
    auto spaced = [text](qreal extra) {
        return [text, extra](Hand &h, Rng &rng) {
            const qreal unit = 1.7;
            h.setWidth(printPen(unit));
            // The hand's unsteadiness: a drifting line, letters not quite
            // alike, and gaps that are kept only roughly, as a hand keeps them.
            Writing writing(rng, 10 * unit / 0.42, 0.8);
            qreal baseline = 54;
            for (qsizetype lineIndex = 0; lineIndex < text.size(); ++lineIndex) {
                const QString &word = text[lineIndex];
                writing.nextLine();
                QPainterPath strokes;
                QPainterPath previous;
                qreal x = 0;
                for (qsizetype i = 0; i < word.size(); ++i) {
                    // Leaning slightly forwards, as most hands do, some letters more than others.
                    const qreal lean = 0.08 + rng.uniform(-0.05, 0.05);
                    const PrintedText letter = printText(word.mid(i, 1), {x, 0}, unit * rng.uniform(0.95, 1.06), 0, lean);
                    QPainterPath placed = letter.strokes;
                    if (extra < 0 && !previous.isEmpty()) {
                        // Crowded letters are written up against the last one by
                        // its shape, not its box: the s tucks under the t's bar,
                        // the e comes up to the b's bowl, yet a sliver of paper
                        // stays between the inks. A pen's mark spreads up to
                        // about 0.7 of its width either side of its line;
                        // the sliver varies a little, as a hand keeps it.
                        const qreal keep = 1.25 * h.width() + rng.uniform(0.3, 0.8);
                        const QPainterPathStroker room(QPen(Qt::black, keep, Qt::SolidLine, Qt::RoundCap));
                        const QPainterPath taken = room.createStroke(previous);
                        auto clashes = [&](qreal dx) { return room.createStroke(placed.translated(dx, 0)).intersects(taken); };
                        qreal dx = 0;
                        while (!clashes(dx) && dx > -6 * unit)
                            dx -= 0.2;
                        while (clashes(dx))
                            dx += 0.2;
                        placed.translate(dx, 0);
                        x += dx;
                    }
                    previous = placed;
                    strokes.addPath(placed);
                    // The wider the hand spaces its letters, the less evenly:
                    // a wide gap is kept only to a third or so either way,
                    // wider and narrower gaps taking turns at no fixed beat.
                    static const qreal uneven[] = {0.32, -0.3, 0.12, -0.2, 0.36, -0.1, 0.22};
                    const qreal loose = extra > 3 ? uneven[(i + 3 * lineIndex) % 7] * extra : 0;
                    const qreal gap = 2.6 + extra + loose + rng.uniform(-0.3, 0.3) * (0.4 + std::abs(extra) * 0.25);
                    x += letter.advance + std::max<qreal>(0.75, gap) * unit;
                }
                const QPainterPath written = writing.word(strokes, {0, 0});
                const QRectF box = written.boundingRect();
                h.stroke(written.translated((118 - box.width()) / 2 - box.left(), baseline));
                baseline += 42;
            }
        };
    };
    // Crowded letters come as near as they can without touching; normal ones
    // leave about half a letter's room, wide ones a whole letter's.
    addSample(out, t, 0, u"Close Spaced"_s, spaced(-1.55));
    addSample(out, t, 1, u"Wide Spaced"_s, spaced(3.6));
    addSample(out, t, 2, u"Normal"_s, spaced(1.6));
}

} // namespace

void addLayoutSamples(QList<SampleDef> &out)
{
    addMargins(out);
    addSlant(out);
    addSizeOfTheWriting(out);
    addLineSpacing(out);
    addWordSpacing(out);
    addLetterSpacing(out);
}

} // namespace assetgen
