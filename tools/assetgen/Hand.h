#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QString>

#include <cstdint>
#include <functional>

namespace assetgen {

// Small deterministic generator (xorshift64*): the same seed gives the same
// pictures on every machine, unlike the distributions of <random>.
class Rng
{
public:
    explicit Rng(std::uint64_t seed);
    std::uint32_t next();
    double uniform(double lo, double hi);
    int range(int lo, int hi); // both ends included

private:
    std::uint64_t m_state;
};

// Stable 64-bit hash of a name, used to derive per-trait seeds.
std::uint64_t seedFor(const QString &name);

// The handwriting faces the generator draws with.
enum class Face {
    Script, // joined, looping script (Dancing Script)
    SerifBold,
    Sans,
};

// Registers the font files with the font database; returns false and fills
// `error` if one is missing.
bool loadFonts(QString *error);
QString fontFile(Face face);
QFont handFont(Face face, qreal pixelSize);

// Catmull-Rom curve through the points, as cubic segments.
QPainterPath smoothPath(const QList<QPointF> &points);
// Continues `path` from its current position through `points`.
void smoothTo(QPainterPath &path, const QList<QPointF> &points);

// Starts a picture as a sitting of its own (see sittingRng()).
void startPage(std::uint64_t salt);
// The current picture's sitting, as an `occasion` for printText().
std::uint64_t sitting();
// A draw of the current picture's own, taken from `rng` and the page: a
// script written with it comes out differently on every picture, even
// where two pictures write the same words in the same place, as one
// writer's samples written on different occasions never match letter for
// letter. The print hand varies its letters itself and does without.
Rng sittingRng(Rng &rng);

// 0 up to `from`, 1 from `to` on, and an eased S-curve between (either end
// may be the larger).
qreal smoothStep(qreal from, qreal to, qreal x);

// Outline of text laid out on a baseline starting at `origin`.
QPainterPath textPath(QPointF origin, const QString &text, const QFont &font);
qreal textAdvance(const QString &text, const QFont &font);

// Shears `path` about the horizontal line y = `baseline`; positive `slant`
// leans the tops to the right.
QPainterPath slanted(const QPainterPath &path, qreal baseline, qreal slant);

class Hand;

// Turns text set in a typeface into writing: no line is ruler-straight, no
// two words sit, lean or size exactly alike, and a gentle, smooth wobble
// over every letter keeps repeated letters from being identical copies; a
// hand of liveliness 1 or so also leans, sizes and widens each letter a
// little differently from its neighbours (a calmer one, from 0.8 down, keeps
// the letters' own shapes, as the print hand varies its letters itself). The
// changes are smooth fields over the page, so joined letters stay joined;
// they are small next to the font size, so spacing and size read as set.
class Writing
{
public:
    // `size` is the font's pixel size; `liveliness` scales every change.
    Writing(Rng &rng, qreal size, qreal liveliness = 1);

    // Starts a new line: its baseline drifts differently from the last.
    void nextLine();
    // How far the words rise and sink about the line, as a share of the
    // hand's own wander (1). Words set far apart are each aimed at the line
    // afresh, so a hand spacing them widely keeps them nearer to it; left
    // at the full wander, they seem to hop up and down from word to word.
    void setLineWander(qreal share) { m_lineWander = share; }
    // A word's outline, whose baseline starts at `origin`, as written.
    QPainterPath word(const QPainterPath &outline, QPointF origin);
    // Inks written outlines with the hand's angled nib, which broadens the
    // strokes that run across its edge; the ink is heavier and lighter along
    // the line as the pen's pressure changes. `weight` thickens thin hairlines.
    void ink(Hand &hand, const QPainterPath &written, qreal weight = 0);

private:
    Rng &m_rng;
    qreal m_size;
    qreal m_live;
    qreal m_drift[4] = {};
    qreal m_slope = 0;
    qreal m_lineWander = 1;
    qreal m_wobble[6] = {};
};

// No two copies of a letter come out alike: the painter is turned a degree
// or so about the letter's `foot` and draws a shade taller or wider, so the
// whole letter moves together and its parts keep their places on it. Saves
// the painter's state; the caller restores it after drawing the letter.
void varyCopy(QPainter &painter, QPointF foot, Rng &rng);

// How a stroke starts or stops: tapered as the pen lands or lifts while
// moving, or blunt, at full weight, as from a pen pressed down before it
// moves or stopped and raised straight off the paper.
enum class PenEnd { Tapered, Blunt };

// A pen in a hand: draws strokes and text in ink on the sample pictures.
class Hand
{
public:
    explicit Hand(QPainter &painter, qreal width = 1.7);

    QPainter &painter() const { return m_painter; }
    qreal width() const { return m_width; }
    void setWidth(qreal width) { m_width = width; }
    QColor ink() const { return m_ink; }
    void setInk(const QColor &ink) { m_ink = ink; }
    // A hand that slants its writing turns the pen with it: `radians`
    // clockwise keeps its strokes as heavy as its upright writing's.
    void setNibTurn(qreal radians) { m_nibTurn = radians; }

    // With round caps the stroke is drawn as ink from a nib held at an angle:
    // thinner where the pen lands and lifts, heavier on down-strokes and
    // across the nib's edge, finer on up-strokes and rising joins, in ink of
    // a slightly uneven tone. Other caps give a stroke of even width and tone
    // (outlines, cut-off ends).
    void stroke(const QPainterPath &path, Qt::PenCapStyle cap = Qt::RoundCap) const;
    // A nib stroke whose weight is also scaled by `pressure`, a function of
    // the distance along the path (0 at its start, 1 at its end).
    void pressureStroke(const QPainterPath &path, const std::function<qreal(qreal)> &pressure,
                        PenEnd start = PenEnd::Tapered, PenEnd end = PenEnd::Tapered) const;
    void plainStroke(const QPainterPath &path, Qt::PenCapStyle cap = Qt::RoundCap) const;
    void line(QPointF from, QPointF to, Qt::PenCapStyle cap = Qt::RoundCap) const;
    // A stroke whose width changes evenly from `startWidth` to `endWidth`.
    void taperedStroke(const QPainterPath &path, qreal startWidth, qreal endWidth) const;
    // A pen's dot: about `radius` round, slightly oval and lopsided.
    void dot(QPointF centre, qreal radius) const;
    void fill(const QPainterPath &path) const;
    // Writes text on a baseline; returns the advance.
    qreal write(QPointF origin, const QString &text, const QFont &font) const;

private:
    QPainter &m_painter;
    qreal m_width;
    QColor m_ink;
    qreal m_nibTurn = 0;
};

// Unjoined, upright print drawn by the generator itself as pen strokes (no
// font involved). Letters are designed on a grid whose x-height is 10 units;
// `unit` is the size of one unit in picture units. Only the small letters the
// pictures need exist: a b d e h i k l m n o s t (others are skipped).
struct PrintedText
{
    QPainterPath strokes; // centre lines, to be drawn with Hand::stroke()
    qreal advance = 0;    // pen position after the last letter
    QPointF entry;        // top of the first letter's first stroke
    QPointF exit;         // foot of the last letter's last down-stroke
    qreal xHeight = 0;
};

// Lays out `text` on the baseline from `origin`. `spacing` is the extra
// room between letters in units (negative pushes them together) and `slant`
// shears the letters about the baseline (positive leans the tops right).
// Every letter is its own copy, a little different in shape from the other
// copies of it in the picture while keeping its width, place, entry and exit;
// the same text printed again at the same place on a page (since its Hand was
// made) is another copy, too. Pictures that write the same word in the same
// place give each its own `occasion`, so theirs are copies, not one stamp.
PrintedText printText(const QString &text, QPointF origin, qreal unit, qreal spacing = 0, qreal slant = 0,
                      std::uint64_t occasion = 0);
// Pen width that suits the print at `unit`.
qreal printPen(qreal unit);

} // namespace assetgen
