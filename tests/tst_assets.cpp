// The pictures compiled into the program: sample pictures, window icon and
// link pointers.

#include "questionnaire/PictureDescriptions.h"
#include "questionnaire/TraitCatalogue.h"
#include "questionnaire/frmGraphology.h"
#include "shell/AppAssets.h"
#include "support/FakePlatform.h"
#include "support/WindowDriver.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QMap>
#include <QAbstractButton>
#include <QTextDocument>
#include <QVector3D>
#include <QPixmap>
#include <QSet>
#include <QtTest>

#include <algorithm>
#include <limits>
#include <numeric>
#include <tuple>

using namespace Qt::StringLiterals;

namespace {

struct TraitPictures
{
    const char16_t *id;
    int variants;      // number of variants on the page
    int withoutPicture; // variant index that has no picture, or -1
};

// The pages in order, with how many variants each offers.
const TraitPictures kTraits[] = {
    {u"Margins", 8, -1},
    {u"Slant", 6, -1},
    {u"SizeOfTheWriting", 5, -1},
    {u"LineSpacing", 5, -1},
    {u"WordSpacing", 5, -1},
    {u"LetterSpacing", 3, -1},
    {u"BeginningStroke", 5, -1},
    {u"EndingStroke", 7, -1},
    {u"Stems", 3, -1},
    {u"StemHeight", 4, -1},
    {u"BarPressure", 4, -1},
    {u"BarHeight", 5, 4},
    {u"LengthOfCrossing", 7, 6},
    {u"IDotAnalysis", 9, -1},
    {u"TheLowerCaseE", 4, -1},
    {u"TheLowerCaseM", 5, -1},
    {u"TheLowerCaseo", 3, -1},
    {u"StemsofLowerCased", 4, -1},
    {u"TheLowerCasegandy", 9, -1},
    {u"TheCapitalLetterI", 9, -1},
    {u"Signature", 7, -1},
};

struct Expected
{
    QString trait;
    int index;
    bool doubleSize;
    QSize size;
};

// A sample picture as 8-bit grey.
QImage greyPicture(const QString &trait, int index, bool doubleSize)
{
    return QImage(quillon::samplePicturePath(trait, index, doubleSize)).convertToFormat(QImage::Format_Grayscale8);
}

// The smallest rectangle holding every pixel darker than `below` (by
// default mid-grey).
QRect inkBox(const QImage &grey, int below = 128)
{
    QRect box;
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x)
            if (grey.constScanLine(y)[x] < below)
                box |= QRect(x, y, 1, 1);
    return box;
}

// Runs of ink (darker than mid-grey) along row `y` between columns `from`
// and `to` (pixels, `to` excluded), each as [start, end) in pixels.
QList<std::pair<int, int>> inkRuns(const QImage &grey, int y, int from, int to)
{
    QList<std::pair<int, int>> runs;
    const uchar *line = grey.constScanLine(y);
    for (int x = std::max(0, from); x < std::min<int>(to, grey.width()); ++x) {
        if (line[x] >= 128)
            continue;
        if (!runs.isEmpty() && runs.last().second == x)
            runs.last().second = x + 1;
        else
            runs.append({x, x + 1});
    }
    return runs;
}

// The lead-in curved from right to left beside the same word written
// without a lead-in, and from the bare word its ink box and first stem
// (columns, at row 70 of the 1x picture).
struct SwingBesideWord
{
    QImage plain, swing;
    QRect word;
    int stemLeft = 0, stemRight = 0;
};

SwingBesideWord swingBesideWord(bool doubleSize)
{
    SwingBesideWord pictures;
    pictures.plain = greyPicture(u"BeginningStroke"_s, 4, doubleSize);
    pictures.swing = greyPicture(u"BeginningStroke"_s, 3, doubleSize);
    if (pictures.plain.isNull() || pictures.swing.isNull())
        return {};
    pictures.word = inkBox(pictures.plain);
    const int s = doubleSize ? 2 : 1;
    const QList<std::pair<int, int>> middle = inkRuns(pictures.plain, 70 * s, 0, pictures.plain.width());
    if (!middle.isEmpty()) {
        pictures.stemLeft = middle.first().first;
        pictures.stemRight = middle.first().second;
    }
    return pictures;
}

// Widths of the clear paper between the inked columns of the band of rows
// from `fromRow` to `toRow` (pixels, `toRow` excluded), left to right: the
// gaps between the letters or words on a line. A column is inked where any
// pixel of the band is darker than `inkBelow`; widths are divided by `scale`.
QList<qreal> clearColumnGaps(const QImage &grey, int fromRow, int toRow, int scale, int inkBelow = 128)
{
    QList<qreal> gaps;
    int lastInk = -1;
    for (int x = 0; x < grey.width(); ++x) {
        bool ink = false;
        for (int y = std::max(0, fromRow); y < std::min(toRow, grey.height()) && !ink; ++y)
            ink = grey.constScanLine(y)[x] < inkBelow;
        if (!ink)
            continue;
        if (lastInk >= 0 && x - lastInk > 1)
            gaps.append(qreal(x - lastInk - 1) / scale);
        lastInk = x;
    }
    return gaps;
}

// The separate pieces of ink (pixels darker than mid-grey, joined across
// edges and corners) in the band of rows from `fromRow` to `toRow` (pixels,
// `toRow` excluded), each as its pixels, ordered by their leftmost column.
// Specks of fewer than four pixels are left out.
QList<QList<QPoint>> inkPieces(const QImage &grey, int fromRow, int toRow)
{
    const int w = grey.width();
    const int top = std::max(0, fromRow), bottom = std::min(toRow, grey.height());
    if (bottom <= top)
        return {};
    const int h = bottom - top;
    QList<bool> seen(w * h, false);
    auto ink = [&](int x, int y) { return grey.constScanLine(top + y)[x] < 128; };
    QList<std::pair<int, QList<QPoint>>> found;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (seen[y * w + x] || !ink(x, y))
                continue;
            QList<QPoint> piece;
            QList<QPoint> todo{{x, y}};
            seen[y * w + x] = true;
            int left = x;
            while (!todo.isEmpty()) {
                const QPoint p = todo.takeLast();
                piece.append(QPoint(p.x(), p.y() + top));
                left = std::min(left, p.x());
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = p.x() + dx, ny = p.y() + dy;
                        if (nx < 0 || ny < 0 || nx >= w || ny >= h || seen[ny * w + nx] || !ink(nx, ny))
                            continue;
                        seen[ny * w + nx] = true;
                        todo.append({nx, ny});
                    }
            }
            if (piece.size() >= 4)
                found.append({left, piece});
        }
    std::sort(found.begin(), found.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    QList<QList<QPoint>> out;
    for (const auto &f : found)
        out.append(f.second);
    return out;
}

// The same down column `x` between rows `from` and `to`.
QList<std::pair<int, int>> inkRunsDown(const QImage &grey, int x, int from, int to)
{
    QList<std::pair<int, int>> runs;
    for (int y = std::max(0, from); y < std::min<int>(to, grey.height()); ++y) {
        if (grey.constScanLine(y)[x] >= 128)
            continue;
        if (!runs.isEmpty() && runs.last().second == y)
            runs.last().second = y + 1;
        else
            runs.append({y, y + 1});
    }
    return runs;
}

// Typical weights of the strokes in `area`: the median width across of the
// ink in strokes that run up and down, and the median height of the ink in
// strokes that run sideways (pixels darker than mid-grey).
std::pair<int, int> uprightAndSidewaysWeights(const QImage &grey, const QRect &area)
{
    const QRect r = area & grey.rect();
    auto dark = [&](int x, int y) { return grey.constScanLine(y)[x] < 128; };
    QList<int> upright, sideways;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            if (!dark(x, y))
                continue;
            int l = x, rr = x, t = y, b = y;
            while (l > r.left() && dark(l - 1, y))
                --l;
            while (rr < r.right() && dark(rr + 1, y))
                ++rr;
            while (t > r.top() && dark(x, t - 1))
                --t;
            while (b < r.bottom() && dark(x, b + 1))
                ++b;
            const int across = rr - l + 1, down = b - t + 1;
            if (down > 2 * across)
                upright.append(across);
            else if (across > 2 * down)
                sideways.append(down);
        }
    auto median = [](QList<int> v) {
        std::sort(v.begin(), v.end());
        return v.isEmpty() ? 0 : v[v.size() / 2];
    };
    return {median(upright), median(sideways)};
}

// The rows of a test that runs once on the 1x and once on the 2x pictures.
void addSizeRows()
{
    QTest::addColumn<bool>("doubleSize");
    QTest::newRow("1x") << false;
    QTest::newRow("2x") << true;
}

// Rows for the first `count` variants of a trait, each at 1x and 2x.
void addVariantRows(const QString &trait, int count)
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("doubleSize");
    for (int i = 0; i < count; ++i)
        for (bool twice : {false, true})
            QTest::newRow(qPrintable(u"%1_%2%3"_s.arg(trait).arg(i).arg(twice ? u"@2x"_s : QString()))) << i << twice;
}

QList<Expected> expectedPictures()
{
    QList<Expected> list;
    for (const TraitPictures &t : kTraits) {
        const QString trait = QString::fromUtf16(t.id);
        for (int i = 0; i < t.variants; ++i) {
            if (i == t.withoutPicture)
                continue;
            const QSize base = (trait == u"Signature"_s && i == 2) ? QSize(336, 172) : QSize(118, 131);
            list.append({trait, i, false, base});
            list.append({trait, i, true, base * 2});
        }
    }
    return list;
}

// Start-of-frame markers found in the header segments of a JPEG file, up to
// the start of the scan. Walking the segments (rather than searching the
// whole file) cannot be fooled by the same bytes inside compressed data.
QList<quint8> frameMarkers(const QByteArray &data, QString *problem)
{
    QList<quint8> markers;
    auto byte = [&data](qsizetype i) { return quint8(data.at(i)); };
    if (data.size() < 4 || byte(0) != 0xFF || byte(1) != 0xD8) {
        *problem = u"no JPEG start-of-image marker"_s;
        return markers;
    }
    qsizetype pos = 2;
    while (pos + 4 <= data.size()) {
        if (byte(pos) != 0xFF) {
            *problem = u"bad segment at byte %1"_s.arg(pos);
            return markers;
        }
        const quint8 marker = byte(pos + 1);
        if (marker == 0xFF) { // fill byte
            ++pos;
            continue;
        }
        if (marker == 0xDA) // start of scan: the header is over
            return markers;
        const int length = (byte(pos + 2) << 8) | byte(pos + 3);
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            markers.append(marker);
        pos += 2 + length;
    }
    *problem = u"no start-of-scan marker"_s;
    return markers;
}

QByteArray readResource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray pixelHash(const QImage &image)
{
    const QImage grey = image.convertToFormat(QImage::Format_ARGB32);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (int y = 0; y < grey.height(); ++y)
        hash.addData(QByteArrayView(reinterpret_cast<const char *>(grey.constScanLine(y)), grey.width() * 4));
    return hash.result();
}

// The part of a picture its box shows: the top-left 118 x 131 pixels (twice that at 2x).
QImage shownPart(const Expected &e)
{
    QImage image(quillon::samplePicturePath(e.trait, e.index, e.doubleSize));
    const int scale = e.doubleSize ? 2 : 1;
    return image.copy(0, 0, 118 * scale, 131 * scale).convertToFormat(QImage::Format_Grayscale8);
}

// The darkest pixel within `band` pixels of the image's edge.
int darkestNearEdge(const QImage &grey, int band)
{
    int darkest = 255;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar *line = grey.constScanLine(y);
        const bool edgeRow = y < band || y >= grey.height() - band;
        for (int x = 0; x < grey.width(); ++x)
            if (edgeRow || x < band || x >= grey.width() - band)
                darkest = std::min<int>(darkest, line[x]);
    }
    return darkest;
}

QString rowName(const Expected &e)
{
    return u"%1_%2%3"_s.arg(e.trait, QString::number(e.index), e.doubleSize ? u"@2x"_s : QString());
}

// The lightest grey found on paper at least `reach` pixels from any mark
// (a mark being anything darker than a faint grey). Grey there is haze or
// speckle left round the strokes, not drawing.
int darkestLoosePaper(const QImage &grey, int reach)
{
    const int w = grey.width();
    const int h = grey.height();
    // Summed-area table of the marks, to count them in any square quickly.
    QList<int> sum((w + 1) * (h + 1), 0);
    for (int y = 0; y < h; ++y) {
        const uchar *line = grey.constScanLine(y);
        for (int x = 0; x < w; ++x)
            sum[(y + 1) * (w + 1) + x + 1] = (line[x] < 230 ? 1 : 0) + sum[y * (w + 1) + x + 1]
                + sum[(y + 1) * (w + 1) + x] - sum[y * (w + 1) + x];
    }
    int darkest = 255;
    for (int y = 0; y < h; ++y) {
        const uchar *line = grey.constScanLine(y);
        const int y0 = std::max(0, y - reach), y1 = std::min(h, y + reach + 1);
        for (int x = 0; x < w; ++x) {
            const int x0 = std::max(0, x - reach), x1 = std::min(w, x + reach + 1);
            const int marks = sum[y1 * (w + 1) + x1] - sum[y0 * (w + 1) + x1] - sum[y1 * (w + 1) + x0]
                + sum[y0 * (w + 1) + x0];
            if (marks == 0)
                darkest = std::min<int>(darkest, line[x]);
        }
    }
    return darkest;
}

// The darkest pixel of the picture outside its top-left `shown` corner,
// which the box hides; 255 when the picture is no larger than that.
int darkestHidden(const QImage &grey, QSize shown)
{
    int darkest = 255;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar *line = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x)
            if (x >= shown.width() || y >= shown.height())
                darkest = std::min<int>(darkest, line[x]);
    }
    return darkest;
}

// The closed eyes of the letters in a picture: the patches of paper ink
// surrounds, leaving out the specks where strokes cross.
QList<QRect> letterEyes(const QImage &grey)
{
    const int w = grey.width(), h = grey.height();
    QList<uchar> state(w * h, 0); // 0 paper, 1 ink, 2 seen
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            state[y * w + x] = grey.constScanLine(y)[x] < 128 ? 1 : 0;
    QList<QRect> eyes;
    for (int start = 0; start < w * h; ++start) {
        if (state[start] != 0)
            continue;
        QList<int> todo{start};
        state[start] = 2;
        QRect box;
        int size = 0;
        bool open = false;
        while (!todo.isEmpty()) {
            const int i = todo.takeLast();
            const int x = i % w, y = i / w;
            box |= QRect(x, y, 1, 1);
            ++size;
            open = open || x == 0 || y == 0 || x == w - 1 || y == h - 1;
            for (int n : {i - 1, i + 1, i - w, i + w}) {
                if (n < 0 || n >= w * h || std::abs(n % w - x) > 1 || state[n] != 0)
                    continue;
                state[n] = 2;
                todo.append(n);
            }
        }
        if (!open && size >= 12)
            eyes.append(box);
    }
    return eyes;
}

QString describeEyes(const QList<QRect> &eyes)
{
    QStringList out;
    for (const QRect &e : eyes)
        out.append(u"%1x%2"_s.arg(e.width()).arg(e.height()));
    return out.join(u' ');
}

// Where the writing on a page picture lies, in 1x pixels from the inside of
// the page's frame: the empty paper left on each side, over all the lines
// and over the top and bottom quarter of the writing.
struct PageBorders
{
    int left = -1, right = -1, top = -1, bottom = -1;
    int topLeft = -1, topRight = -1, bottomLeft = -1, bottomRight = -1;
};

PageBorders pageBorders(const QImage &grey, int scale)
{
    // The frame is a thin grey rectangle; its inside starts two pixels in.
    const QRect inside(15 * scale, 7 * scale, 88 * scale, 117 * scale);
    int x0 = inside.right() + 1, x1 = inside.left() - 1, y0 = inside.bottom() + 1, y1 = inside.top() - 1;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        const uchar *line = grey.constScanLine(y);
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (line[x] < 100) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
        }
    }
    PageBorders b;
    if (x1 < x0)
        return b;
    b.left = (x0 - inside.left()) / scale;
    b.right = (inside.right() - x1) / scale;
    b.top = (y0 - inside.top()) / scale;
    b.bottom = (inside.bottom() - y1) / scale;
    const int quarter = (y1 - y0) / 4;
    auto sides = [&](int from, int to, int *left, int *right) {
        int l = inside.right() + 1, r = inside.left() - 1;
        for (int y = from; y <= to; ++y) {
            const uchar *line = grey.constScanLine(y);
            for (int x = inside.left(); x <= inside.right(); ++x)
                if (line[x] < 100) {
                    l = std::min(l, x);
                    r = std::max(r, x);
                }
        }
        *left = (l - inside.left()) / scale;
        *right = (inside.right() - r) / scale;
    };
    sides(y0, y0 + quarter, &b.topLeft, &b.topRight);
    sides(y1 - quarter, y1, &b.bottomLeft, &b.bottomRight);
    return b;
}

// The patches of paper closed in all round by ink (the eyes of letters) of
// at least `minSize` pixels, each as its pixels.
QList<QList<QPoint>> enclosedPatchPixels(const QImage &grey, int minSize)
{
    const int w = grey.width(), h = grey.height();
    // 0 unvisited paper, 1 ink, 2 visited paper.
    QList<uchar> state(w * h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            state[y * w + x] = grey.constScanLine(y)[x] < 128 ? 1 : 0;
    QList<QList<QPoint>> patches;
    for (int start = 0; start < w * h; ++start) {
        if (state[start] != 0)
            continue;
        QList<int> todo{start};
        state[start] = 2;
        QList<QPoint> patch;
        bool open = false;
        while (!todo.isEmpty()) {
            const int i = todo.takeLast();
            const int x = i % w, y = i / w;
            patch.append(QPoint(x, y));
            open = open || x == 0 || y == 0 || x == w - 1 || y == h - 1;
            for (int n : {i - 1, i + 1, i - w, i + w}) {
                if (n < 0 || n >= w * h || std::abs(n % w - x) > 1 || state[n] != 0)
                    continue;
                state[n] = 2;
                todo.append(n);
            }
        }
        if (!open && patch.size() >= minSize)
            patches.append(patch);
    }
    return patches;
}

// Sizes in pixels of the patches of paper closed in all round by ink (the
// eyes of letters) of at least `minSize` pixels.
QList<int> enclosedPatchSizes(const QImage &grey, int minSize)
{
    QList<int> sizes;
    for (const QList<QPoint> &patch : enclosedPatchPixels(grey, minSize))
        sizes.append(int(patch.size()));
    return sizes;
}

// How far, on average, tones (x, y, tone) stray from the smooth run that
// fits them best (a plane tone = a + b x + c y, by least squares): a
// tone that runs evenly across a mark strays hardly at all, a speckled
// one by many tones.
qreal strayFromPlane(const QList<QVector3D> &tones)
{
    if (tones.size() < 3)
        return 0;
    // The normal equations, solved by Cramer's rule.
    double s[3][3] = {}, t[3] = {};
    for (const QVector3D &p : tones) {
        const double row[3] = {1, p.x(), p.y()};
        for (int i = 0; i < 3; ++i) {
            t[i] += row[i] * p.z();
            for (int j = 0; j < 3; ++j)
                s[i][j] += row[i] * row[j];
        }
    }
    auto det = [](const double m[3][3]) {
        return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0])
            + m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
    };
    const double d = det(s);
    double fit[3] = {};
    if (std::abs(d) > 1e-9) {
        for (int k = 0; k < 3; ++k) {
            double m[3][3];
            for (int i = 0; i < 3; ++i)
                for (int j = 0; j < 3; ++j)
                    m[i][j] = j == k ? t[i] : s[i][j];
            fit[k] = det(m) / d;
        }
    } else {
        fit[0] = t[0] / tones.size();
    }
    double stray = 0;
    for (const QVector3D &p : tones)
        stray += std::abs(p.z() - (fit[0] + fit[1] * p.x() + fit[2] * p.y()));
    return stray / tones.size();
}

// How far points lean: how far right they move for each unit up (the slope
// of a straight line fitted by least squares to their x against their y,
// with y counted downwards as on the picture); 0 when they do not rise.
qreal pointsLean(const QList<QPointF> &points)
{
    if (points.size() < 2)
        return 0;
    qreal mx = 0, my = 0;
    for (const QPointF &p : points) {
        mx += p.x();
        my += p.y();
    }
    mx /= points.size();
    my /= points.size();
    qreal xy = 0, yy = 0;
    for (const QPointF &p : points) {
        xy += (p.x() - mx) * (p.y() - my);
        yy += (p.y() - my) * (p.y() - my);
    }
    return yy > 0 ? -xy / yy : 0;
}

// The shape of a patch of pixels as the ellipse of the same spread: how far
// its long axis leans (columns right per row up) and how wide it is across
// that axis (the spread of its pixels across it, in pixels: about a quarter
// of a filled oval's full width).
struct PatchAxes
{
    qreal lean = 0, across = 0;
};

PatchAxes patchAxes(const QList<QPoint> &patch)
{
    if (patch.size() < 2)
        return {};
    qreal mx = 0, my = 0;
    for (const QPoint &p : patch) {
        mx += p.x();
        my += p.y();
    }
    mx /= patch.size();
    my /= patch.size();
    // Spreads with y counted upwards.
    qreal xx = 0, xy = 0, yy = 0;
    for (const QPoint &p : patch) {
        const qreal dx = p.x() - mx, dy = my - p.y();
        xx += dx * dx;
        xy += dx * dy;
        yy += dy * dy;
    }
    xx /= patch.size();
    xy /= patch.size();
    yy /= patch.size();
    const qreal half = (xx + yy) / 2, root = std::sqrt(std::max<qreal>(0, (xx - yy) * (xx - yy) / 4 + xy * xy));
    const qreal major = half + root, minor = std::max<qreal>(0, half - root);
    // The long axis's direction (x, y) with y up: (xy, major - xx), or
    // (major - yy, xy), whichever is better defined.
    qreal ax = xy, ay = major - xx;
    if (std::abs(ay) < 1e-9 && std::abs(ax) < 1e-9) {
        ax = major - yy;
        ay = xy;
    }
    PatchAxes out;
    out.lean = std::abs(ay) < 1e-9 ? 0 : ax / ay;
    out.across = std::sqrt(minor);
    return out;
}

// The lean of the straight strokes of a page of lines standing on
// `baselines` (pixels) with small letters `xHeight` pixels high: the shear
// (columns right per row up) which, undone, stands the most ink in the
// fewest columns. Stems and ascenders carry most of the ink in any column,
// so it is their lean that counts, not the bowls'.
qreal strokeLean(const QImage &grey, const QList<int> &baselines, int xHeight)
{
    qreal best = 0, bestScore = -1;
    for (int step = -60; step <= 60; ++step) {
        const qreal shear = step / 50.0;
        qreal score = 0;
        for (int baseline : baselines) {
            QList<qreal> columns(grey.width() * 3, 0);
            for (int y = std::max(0, baseline - 2 * xHeight); y <= std::min(grey.height() - 1, baseline); ++y)
                for (int x = 0; x < grey.width(); ++x)
                    if (grey.constScanLine(y)[x] < 128) {
                        const int c = int(std::lround(x - shear * (baseline - y))) + grey.width();
                        if (c >= 0 && c < columns.size())
                            columns[c] += 1;
                    }
            for (qreal c : columns)
                score += c * c;
        }
        if (score > bestScore) {
            bestScore = score;
            best = shear;
        }
    }
    return best;
}

// How many separate pieces of ink (as inkPieces() finds them over the whole
// picture) have at least `minSize` pixels: strokes that meet make one piece.
int inkPieces(const QImage &grey, int minSize)
{
    const QList<QList<QPoint>> pieces = inkPieces(grey, 0, grey.height());
    return int(std::count_if(pieces.cbegin(), pieces.cend(),
                             [minSize](const QList<QPoint> &piece) { return piece.size() >= minSize; }));
}

// Patches of paper closed in all round by ink of `minSize` to `maxSize` pixels.
int enclosedPatches(const QImage &grey, int minSize, int maxSize = std::numeric_limits<int>::max())
{
    const QList<int> sizes = enclosedPatchSizes(grey, minSize);
    return int(std::count_if(sizes.begin(), sizes.end(), [maxSize](int size) { return size <= maxSize; }));
}

} // namespace

Q_DECLARE_METATYPE(Expected)

class TestAssets : public QObject
{
    Q_OBJECT

private:
    quillon::test::FakePlatform m_fake;

private slots:
    void initTestCase()
    {
        quillon::initAssets();
        quillon::initAssets(); // a second call must do no harm
        quillon::test::initProgramForTests();
        m_fake.install();
    }

    void picture_data()
    {
        QTest::addColumn<QString>("trait");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("doubleSize");
        QTest::addColumn<QSize>("size");
        for (const Expected &e : expectedPictures()) {
            const QString name = u"%1_%2%3"_s.arg(e.trait, QString::number(e.index), e.doubleSize ? u"@2x"_s : QString());
            QTest::newRow(qPrintable(name)) << e.trait << e.index << e.doubleSize << e.size;
        }
    }

    void picture()
    {
        QFETCH(QString, trait);
        QFETCH(int, index);
        QFETCH(bool, doubleSize);
        QFETCH(QSize, size);

        const QString path = quillon::samplePicturePath(trait, index, doubleSize);
        const QString expectedPath =
            u":/samples/%1_%2%3.jpg"_s.arg(trait, QString::number(index), doubleSize ? u"@2x"_s : QString());
        QCOMPARE(path, expectedPath);

        const QByteArray data = readResource(path);
        QVERIFY2(!data.isEmpty(), qPrintable(path));

        QString problem;
        const QList<quint8> markers = frameMarkers(data, &problem);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QVERIFY2(markers.contains(0xC0) || markers.contains(0xC1), "not a baseline JPEG (no SOF0/SOF1)");
        QVERIFY2(!markers.contains(0xC2), "progressive JPEG (SOF2)");

        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), size);

        // Dark ink on a white ground: the corner is white, most of the
        // picture is background and some of it is nearly black.
        QCOMPARE(image.format(), QImage::Format_Grayscale8); // stored as one grey channel
        const QImage grey = image;
        QCOMPARE(qGray(image.pixel(0, 0)), 255);
        int white = 0, ink = 0;
        for (int y = 0; y < grey.height(); ++y) {
            const uchar *line = grey.constScanLine(y);
            for (int x = 0; x < grey.width(); ++x) {
                white += line[x] > 230;
                ink += line[x] < 60;
            }
        }
        const int total = grey.width() * grey.height();
        QVERIFY2(white > total / 2, "background is not mostly white");
        QVERIFY2(ink > total / 500, "hardly any ink");
    }

    void picturesWithoutVariantPicture()
    {
        for (const TraitPictures &t : kTraits) {
            if (t.withoutPicture < 0)
                continue;
            const QString trait = QString::fromUtf16(t.id);
            QVERIFY(quillon::samplePicturePath(trait, t.withoutPicture, false).isEmpty());
            QVERIFY(quillon::samplePicturePath(trait, t.withoutPicture, true).isEmpty());
            QVERIFY(!QFile::exists(u":/samples/%1_%2.jpg"_s.arg(trait).arg(t.withoutPicture)));
            QVERIFY(!QFile::exists(u":/samples/%1_%2@2x.jpg"_s.arg(trait).arg(t.withoutPicture)));
        }
        QCOMPARE(quillon::samplePicturePath(u"BarHeight"_s, 4, false), QString());
        QCOMPARE(quillon::samplePicturePath(u"LengthOfCrossing"_s, 6, true), QString());
    }

    void unknownVariantsHaveNoPath()
    {
        QVERIFY(quillon::samplePicturePath(u"Margins"_s, 8, false).isEmpty());
        QVERIFY(quillon::samplePicturePath(u"Margins"_s, -1, false).isEmpty());
        QVERIFY(quillon::samplePicturePath(u"NoSuchTrait"_s, 0, false).isEmpty());
        QVERIFY(quillon::samplePicturePath(QString(), 0, true).isEmpty());
        QVERIFY(quillon::samplePicturePath(u"../icons/quillon"_s, 32, false).isEmpty());
    }

    void onlyExpectedPicturesAreEmbedded()
    {
        QSet<QString> expected;
        for (const Expected &e : expectedPictures())
            expected.insert(u"%1_%2%3.jpg"_s.arg(e.trait, QString::number(e.index), e.doubleSize ? u"@2x"_s : QString()));
        QCOMPARE(expected.size(), 230);
        const QStringList embedded = QDir(u":/samples"_s).entryList(QDir::Files);
        QCOMPARE(QSet<QString>(embedded.cbegin(), embedded.cend()), expected);
    }

    void pagesAreSheetsOfPaper_data() { addVariantRows(u"Margins"_s, 8); }

    // The page shows as a sheet of paper, not a box ruled round the
    // writing: its edge is a faint line, and it throws a soft shadow to the
    // right and below, none to the left or above.
    void pagesAreSheetsOfPaper()
    {
        QFETCH(int, index);
        QFETCH(bool, doubleSize);
        const int s = doubleSize ? 2 : 1;
        const QImage grey = greyPicture(u"Margins"_s, index, doubleSize);
        QVERIFY(!grey.isNull());
        // The darkest and the mean grey over a band of the picture (1x units).
        auto band = [&](int x0, int x1, int y0, int y1, double *mean) {
            int darkest = 255;
            qint64 sum = 0, count = 0;
            for (int y = y0 * s; y < y1 * s; ++y)
                for (int x = x0 * s; x < x1 * s; ++x) {
                    const int v = grey.constScanLine(y)[x];
                    darkest = std::min(darkest, v);
                    sum += v;
                    ++count;
                }
            *mean = double(sum) / count;
            return darkest;
        };
        double mean = 0;
        // The left edge, which no page writes over.
        const int edge = band(12, 14, 20, 110, &mean);
        QVERIFY2(edge >= 150, qPrintable(u"the page's edge is a ruled line (grey %1)"_s.arg(edge)));
        QVERIFY2(edge <= 235, qPrintable(u"the page's edge does not show (grey %1)"_s.arg(edge)));
        double right = 0, left = 0, below = 0, above = 0;
        band(106, 107, 20, 110, &right);
        band(8, 11, 20, 110, &left);
        band(20, 100, 127, 128, &below);
        band(20, 100, 1, 3, &above);
        const QString got = u"right %1, left %2, below %3, above %4"_s.arg(right).arg(left).arg(below).arg(above);
        QVERIFY2(right <= 244 && below <= 244, qPrintable(u"no shadow: "_s + got));
        QVERIFY2(right >= 190 && below >= 190, qPrintable(u"a hard line, not a shadow: "_s + got));
        QVERIFY2(left >= 252 && above >= 252, qPrintable(u"shadow on the lit side: "_s + got));
    }

    void pageMargins_data() { addVariantRows(u"Margins"_s, 8); }

    // Each page picture leaves its empty paper where its variant says, and
    // apart from the page without margins no line runs into the frame.
    void pageMargins()
    {
        QFETCH(int, index);
        QFETCH(bool, doubleSize);
        const QImage grey = greyPicture(u"Margins"_s, index, doubleSize);
        QVERIFY(!grey.isNull());
        const PageBorders b = pageBorders(grey, doubleSize ? 2 : 1);
        QVERIFY2(b.left >= 0, "no writing on the page");
        const QString got = u"left %1 right %2 top %3 bottom %4; top lines %5..%6, bottom lines %7..%8"_s.arg(b.left)
                                .arg(b.right).arg(b.top).arg(b.bottom).arg(b.topLeft).arg(b.topRight)
                                .arg(b.bottomLeft).arg(b.bottomRight);
        if (index != 7) {
            QVERIFY2(std::min({b.left, b.right, b.top, b.bottom}) >= 1, qPrintable(u"writing touches the frame: "_s + got));
        }
        bool shows = false;
        switch (index) {
        case 0: shows = b.left > 3 * b.right && b.left >= 20; break;
        // A right margin has no ruled edge to show it, only where the lines
        // stop: it must be wider still than the wide left one to read at a
        // glance, even at its narrowest line.
        case 1: shows = b.right > 3 * b.left && b.right >= 36; break;
        case 2: shows = b.bottomRight - b.topRight >= 20 && std::abs(b.bottomLeft - b.topLeft) <= 3; break;
        case 3: shows = b.bottomLeft - b.topLeft >= 20 && std::abs(b.bottomRight - b.topRight) <= 3; break;
        case 4:
            // Even all round, and the foot no deeper than the head: a page
            // that stops short shares what is left between the two.
            shows = std::min({b.left, b.right, b.top, b.bottom}) >= 8
                && std::max({b.left, b.right, b.top, b.bottom}) <= 2 * std::min({b.left, b.right, b.top, b.bottom})
                && std::max(b.top, b.bottom) <= 1.3 * std::min(b.top, b.bottom);
            break;
        case 5: shows = b.top >= 35 && b.top > 4 * b.bottom; break;
        case 6: shows = b.bottom >= 35 && b.bottom > 4 * b.top; break;
        case 7: shows = std::max({b.left, b.right, b.top, b.bottom}) <= 3; break;
        }
        QVERIFY2(shows, qPrintable(got));
        if (index == 4) {
            // Nor does a short last line leave a deep foot: the last line of
            // small letters (a run of rows with ink across the middle of the
            // sheet) reaches at least four fifths as far as the longest
            // line. One ending half way read as a deeper margin at the foot.
            const int scale = doubleSize ? 2 : 1;
            auto ink = [&](int x, int y) { return grey.constScanLine(y)[x] < 128; };
            QList<std::pair<int, int>> spans; // each line's leftmost and rightmost ink
            int start = -1;
            for (int y = 7 * scale; y <= 124 * scale; ++y) {
                int count = 0;
                for (int x = 45 * scale; x < 75 * scale; ++x)
                    count += ink(x, y);
                const bool dense = y < 124 * scale && count >= 5 * scale;
                if (dense && start < 0)
                    start = y;
                if (!dense && start >= 0) {
                    if (y - start >= 3 * scale) {
                        std::pair<int, int> span{grey.width(), -1};
                        for (int row = start; row < y; ++row)
                            for (int x = 15 * scale; x < 104 * scale; ++x)
                                if (ink(x, row)) {
                                    span.first = std::min(span.first, x);
                                    span.second = std::max(span.second, x);
                                }
                        spans.append(span);
                    }
                    start = -1;
                }
            }
            QStringList widths;
            int longest = 0;
            for (const auto &[from, to] : spans) {
                widths.append(QString::number((to - from) / scale));
                longest = std::max(longest, to - from);
            }
            QVERIFY2(spans.size() >= 8 && (spans.last().second - spans.last().first) * 5 >= longest * 4,
                     qPrintable(u"line widths %1"_s.arg(widths.join(u' '))));
        }
    }

    // A left margin that widens down the page is a hand drifting in, not a
    // page set flush right: the lines' right ends stand where their last
    // words stop, several of them plainly short of the longest. Nor does it
    // drift in by a ruler: the lines step in by plainly different amounts,
    // one line hardly further in than the one above, another well in,
    // where even steps read as a staircase.
    void wideningLeftMarginLeavesARaggedRightEdge_data() { addSizeRows(); }

    void wideningLeftMarginLeavesARaggedRightEdge()
    {
        QFETCH(bool, doubleSize);
        const int scale = doubleSize ? 2 : 1;
        const QImage grey = greyPicture(u"Margins"_s, 3, doubleSize);
        QVERIFY(!grey.isNull());
        auto ink = [&](int x, int y) { return grey.constScanLine(y)[x] < 128; };
        QList<qreal> ends, starts;
        int start = -1;
        for (int y = 6; y <= 125; ++y) {
            int count = 0;
            for (int x = 70 * scale; x < 100 * scale; ++x)
                count += ink(x, y * scale);
            const bool dense = count >= 3 * scale;
            if (dense && start < 0)
                start = y;
            if (!dense && start >= 0) {
                if (y - start >= 3) {
                    int right = -1, left = grey.width();
                    for (int row = start * scale; row < y * scale; ++row)
                        for (int x = 15 * scale; x < 104 * scale; ++x)
                            if (ink(x, row)) {
                                right = std::max(right, x);
                                left = std::min(left, x);
                            }
                    ends.append(qreal(right) / scale);
                    starts.append(qreal(left) / scale);
                }
                start = -1;
            }
        }
        QStringList got;
        for (qreal e : ends)
            got.append(QString::number(e));
        QVERIFY2(ends.size() >= 10, qPrintable(u"line ends %1"_s.arg(got.join(u' '))));
        const qreal longest = *std::max_element(ends.begin(), ends.end());
        const int shorter = int(std::count_if(ends.begin(), ends.end(), [&](qreal e) { return e <= longest - 4; }));
        QVERIFY2(shorter >= 3, qPrintable(u"line ends %1"_s.arg(got.join(u' '))));
        QStringList from;
        QList<qreal> steps;
        for (qsizetype i = 0; i < starts.size(); ++i) {
            from.append(QString::number(starts[i]));
            if (i > 0)
                steps.append(starts[i] - starts[i - 1]);
        }
        const auto [least, most] = std::minmax_element(steps.begin(), steps.end());
        QVERIFY2(*least <= 1.5 && *most - *least >= 5, qPrintable(u"line starts %1"_s.arg(from.join(u' '))));
    }

    // The page without margins is a page written edge to edge: every line
    // starts at the sheet's left edge and runs on to about its right one,
    // yet no word is cut in half by either edge: down the columns next to
    // the frame's inside, ink touches them only now and then, where a
    // letter's stroke comes up to the edge, never through a line of words.
    // Nothing is drawn outside the sheet.
    void noMarginsLinesReachBothEdges_data() { addSizeRows(); }

    void noMarginsLinesReachBothEdges()
    {
        QFETCH(bool, doubleSize);
        const int scale = doubleSize ? 2 : 1;
        const QImage grey = greyPicture(u"Margins"_s, 7, doubleSize);
        QVERIFY(!grey.isNull());
        auto ink = [&](int x, int y) { return grey.constScanLine(y)[x] < 128; };
        // Lines: runs of rows (1x) with ink across the middle of the sheet.
        QList<std::pair<int, int>> lines;
        int start = -1;
        for (int y = 6; y <= 125; ++y) {
            int count = 0;
            for (int x = 40 * scale; x < 80 * scale; ++x)
                count += ink(x, y * scale);
            const bool dense = count >= 4 * scale;
            if (dense && start < 0)
                start = y;
            if (!dense && start >= 0) {
                // A lone row is a loop or tail, not a line of small letters.
                if (y - start >= 3)
                    lines.append({start, y - 1});
                start = -1;
            }
        }
        QVERIFY2(lines.size() >= 11, qPrintable(u"%1 lines"_s.arg(lines.size())));
        // Each line's ink between the frame's insides (the frame line itself
        // starts at 104).
        QList<qreal> ends;
        QStringList got;
        for (auto [from, to] : lines) {
            int left = grey.width(), right = -1;
            for (int y = from * scale; y <= to * scale; ++y)
                for (int x = 14 * scale; x < 104 * scale; ++x)
                    if (ink(x, y)) {
                        left = std::min(left, x);
                        right = std::max(right, x);
                    }
            got.append(u"rows %1..%2 inked %3..%4"_s.arg(from).arg(to).arg(qreal(left) / scale).arg(qreal(right) / scale));
            QVERIFY2(left <= 17 * scale, qPrintable(got.last()));
            ends.append(qreal(right) / scale);
        }
        // Written up to the edge, not set to it: every line but the last
        // ends within a short word of the edge, most of them right at it,
        // yet some stop a letter or so short, where the next word would
        // not go.
        const QString all = got.join(u"; "_s);
        const QList<qreal> full = ends.mid(0, ends.size() - 1);
        QVERIFY2(std::all_of(full.begin(), full.end(), [](qreal e) { return e >= 93; }), qPrintable(all));
        const auto atEdge = std::count_if(full.begin(), full.end(), [](qreal e) { return e >= 100; });
        const auto short_ = std::count_if(full.begin(), full.end(), [](qreal e) { return e <= 99.5; });
        QVERIFY2(atEdge * 2 >= full.size(), qPrintable(all));
        QVERIFY2(short_ >= 2, qPrintable(all));
        // The text ends where a sentence does, part way along the last
        // line, and that line is whole: its tails stop above the frame.
        QVERIFY2(ends.last() <= 92, qPrintable(all));
        for (int x = 16 * scale; x < 100 * scale; ++x)
            QVERIFY2(!ink(x, 124 * scale + scale - 1), qPrintable(u"ink against the foot of the sheet at %1"_s.arg(x)));
        // A word cut by an edge leaves its strokes running into the frame
        // line by line; a page written up to the edge touches it rarely.
        auto touching = [&](int x) {
            int rows = 0;
            for (int y = 7 * scale; y < 124 * scale; ++y)
                rows += ink(x * scale, y) || ink(x * scale + scale - 1, y);
            return rows / scale;
        };
        const int left = touching(14), right = touching(103);
        QVERIFY2(left <= 12 && right <= 12, qPrintable(u"ink against the edge over %1 rows on the left, %2 on the right"_s
                                                            .arg(left).arg(right)));
        // Nothing of the writing is drawn over or beyond the frame line.
        for (int y = 0; y < grey.height(); ++y)
            for (int x = 0; x < grey.width(); ++x) {
                const bool outside = x < 12 * scale || x > 106 * scale || y < 4 * scale || y > 127 * scale;
                QVERIFY2(!outside || grey.constScanLine(y)[x] >= 200,
                         qPrintable(u"ink outside the sheet at %1,%2"_s.arg(x).arg(y)));
            }
    }

    // The arched, even and rounded m's; the pointed one is a zigzag.
    void lowerCaseMHasTwoHumps_data() { addVariantRows(u"TheLowerCaseM"_s, 4); }

    // An m stands on three legs: just above the line, a row across the letter
    // meets exactly three down-strokes, not the four of "mn" or two of "n".
    void lowerCaseMHasTwoHumps()
    {
        QFETCH(int, index);
        QFETCH(bool, doubleSize);
        const QImage grey = greyPicture(u"TheLowerCaseM"_s, index, doubleSize);
        QVERIFY(!grey.isNull());
        const int scale = doubleSize ? 2 : 1;
        const uchar *line = grey.constScanLine(84 * scale); // 12 above the baseline
        int legs = 0;
        bool inInk = false;
        for (int x = 0; x < grey.width(); ++x) {
            const bool ink = line[x] < 128;
            legs += ink && !inInk;
            inInk = ink;
        }
        QCOMPARE(legs, 3);
    }

    // Even humps are upright arches; rounded ones wide, low half-rounds. The
    // two m's differ plainly in the shape of their ink, at either size.
    void evenAndRoundedHumpsDiffer_data() { addSizeRows(); }

    void evenAndRoundedHumpsDiffer()
    {
        QFETCH(bool, doubleSize);
        const QRect even = inkBox(greyPicture(u"TheLowerCaseM"_s, 2, doubleSize));
        const QRect rounded = inkBox(greyPicture(u"TheLowerCaseM"_s, 3, doubleSize));
        QVERIFY(!even.isEmpty() && !rounded.isEmpty());
        const qreal evenShape = qreal(even.height()) / even.width();
        const qreal roundedShape = qreal(rounded.height()) / rounded.width();
        QVERIFY2(evenShape > 1.8 * roundedShape,
                 qPrintable(u"even %1x%2, rounded %3x%4"_s.arg(even.width()).arg(even.height()).arg(rounded.width()).arg(rounded.height())));
        QVERIFY2(rounded.width() > 1.3 * even.width(), qPrintable(u"widths %1 and %2"_s.arg(rounded.width()).arg(even.width())));
        // The even m's two arches are alike in width: its three legs stand
        // equally far apart just above the line.
        const int scale = doubleSize ? 2 : 1;
        const QImage grey = greyPicture(u"TheLowerCaseM"_s, 2, doubleSize);
        const uchar *line = grey.constScanLine(84 * scale);
        QList<qreal> legs;
        for (int x = 0; x < grey.width(); ++x) {
            if (line[x] >= 128)
                continue;
            int end = x;
            while (end + 1 < grey.width() && line[end + 1] < 128)
                ++end;
            legs.append((x + end) / 2.0 / scale);
            x = end;
        }
        QCOMPARE(legs.size(), 3);
        const qreal first = legs[1] - legs[0], second = legs[2] - legs[1];
        QVERIFY2(std::abs(first - second) <= 1.5 && first >= 15,
                 qPrintable(u"even m's legs %1 and %2 apart"_s.arg(first).arg(second)));
    }

    // The humps of the m climb, fall or stand level as their names say:
    // the crown of the second hump is well above the first in the uphill m,
    // well below it in the down m, and level with it in the even one.
    void humpsClimbFallOrStayLevel()
    {
        QFETCH(bool, doubleSize);
        const int scale = doubleSize ? 2 : 1;
        // Crown heights (1x units above the picture's top) of the left and right humps.
        auto crowns = [&](int index) {
            const QImage grey = greyPicture(u"TheLowerCaseM"_s, index, doubleSize);
            const QRect box = inkBox(grey);
            const int middle = box.center().x();
            int left = grey.height(), right = grey.height();
            for (int y = 0; y < grey.height(); ++y)
                for (int x = box.left(); x <= box.right(); ++x)
                    if (grey.constScanLine(y)[x] < 128)
                        (x < middle ? left : right) = std::min(x < middle ? left : right, y);
            return std::pair<qreal, qreal>(left / qreal(scale), right / qreal(scale));
        };
        const auto [upFirst, upSecond] = crowns(0);
        const auto [downFirst, downSecond] = crowns(1);
        const auto [evenFirst, evenSecond] = crowns(2);
        const auto [roundFirst, roundSecond] = crowns(3);
        const auto [sharpFirst, sharpSecond] = crowns(4);
        const QString got = u"crowns at %1/%2, %3/%4, %5/%6, %7/%8, %9/%10"_s.arg(upFirst).arg(upSecond).arg(downFirst)
                                .arg(downSecond).arg(evenFirst).arg(evenSecond).arg(roundFirst).arg(roundSecond)
                                .arg(sharpFirst).arg(sharpSecond);
        QVERIFY2(upFirst - upSecond >= 10, qPrintable(got));
        QVERIFY2(downSecond - downFirst >= 10, qPrintable(got));
        QVERIFY2(std::abs(evenFirst - evenSecond) <= 2, qPrintable(got));
        // The even m alone is level: the rounded and sharp m's humps stand a
        // shade apart, as most hands leave them, yet nowhere near the
        // uphill or down m's step.
        for (qreal step : {roundSecond - roundFirst, sharpSecond - sharpFirst})
            QVERIFY2(step >= 2.5 && step <= 6, qPrintable(got));
    }

    void humpsClimbFallOrStayLevel_data() { addSizeRows(); }
    // A written capital stands some two to four times as tall as the small
    // letters after it; an I five or six times the height of its "am"
    // looks like a diagram rather than the word "I am".
    void capitalIStandsInProportionToAm_data() { addSizeRows(); }

    void capitalIStandsInProportionToAm()
    {
        QFETCH(bool, doubleSize);
        const int s = doubleSize ? 2 : 1;
        for (int index = 0; index < 9; ++index) {
            const QImage grey = greyPicture(u"TheCapitalLetterI"_s, index, doubleSize);
            QVERIFY(!grey.isNull());
            // The I stands left of x = 64, "am" right of x = 66.
            const QRect letter = inkBox(grey.copy(0, 0, 64 * s, grey.height()));
            const QRect am = inkBox(grey.copy(66 * s, 0, grey.width() - 66 * s, grey.height()));
            QVERIFY2(!letter.isEmpty() && !am.isEmpty(), qPrintable(u"I %1: no ink"_s.arg(index)));
            const qreal ratio = qreal(letter.height()) / am.height();
            QVERIFY2(ratio >= 2 && ratio <= 4,
                     qPrintable(u"I %1 is %2 times as tall as its am"_s.arg(index).arg(ratio)));
        }
    }


    // Among the looped capital I's the vertical one alone stands plumb, the
    // one tilted to the right leans well over, the one tilted to the left
    // clearly back but less far, and the inflated and deflated ones lean
    // only a little, far less than the tilted one, so both are told by
    // their loops. Every looped I stands on the line of "am".
    void capitalILeansAndStandsOnTheLine_data() { addSizeRows(); }

    void capitalILeansAndStandsOnTheLine()
    {
        QFETCH(bool, doubleSize);
        const int scale = doubleSize ? 2 : 1;
        auto load = [&](int index) {
            return greyPicture(u"TheCapitalLetterI"_s, index, doubleSize);
        };
        // How far right the stem moves from `low` up 15 rows (in 1x units),
        // taken as the middle of the ink left of "am" on each row: low on
        // the stem, under the stroke that leads into the loop.
        auto lean = [&](int index, int low = 104) {
            const QImage grey = load(index);
            auto middle = [&](int y) {
                qreal sum = 0;
                int count = 0;
                for (int x = 0; x < 64 * scale; ++x)
                    if (grey.constScanLine(y * scale)[x] < 128) {
                        sum += x;
                        ++count;
                    }
                return count ? sum / count / scale : -100.0;
            };
            return middle(low - 15) - middle(low);
        };
        const qreal vertical = lean(6);
        const qreal tilted = lean(5);
        const qreal back = lean(4);
        QVERIFY2(std::abs(vertical) < 1.5, qPrintable(u"vertical I leans %1"_s.arg(vertical)));
        QVERIFY2(tilted > 6, qPrintable(u"I tilted to the right leans only %1"_s.arg(tilted)));
        // ...but at a slant a hand writes, under about 28 degrees, not tipped over.
        QVERIFY2(tilted < 8, qPrintable(u"I tilted to the right leans %1, too far over"_s.arg(tilted)));
        QVERIFY2(back < -3.5 && -back < tilted,
                 qPrintable(u"I tilted to the left leans %1, the one to the right %2"_s.arg(back).arg(tilted)));
        const qreal inflated = lean(7);
        QVERIFY2(inflated > 1 && inflated < tilted / 2,
                 qPrintable(u"inflated I leans %1, the tilted one %2"_s.arg(inflated).arg(tilted)));
        // The deflated I leans as little as the inflated one: upright stance
        // belongs to the vertical I alone among the looped ones.
        const qreal deflated = lean(8);
        QVERIFY2(deflated > 1 && deflated < tilted / 2,
                 qPrintable(u"deflated I leans %1, the tilted one %2"_s.arg(deflated).arg(tilted)));
        // Lowest inked row left of "am" (the I) and under it.
        for (int index = 4; index <= 8; ++index) {
            const QImage grey = load(index);
            auto lowest = [&](int from, int to) {
                for (int y = grey.height() - 1; y >= 0; --y)
                    for (int x = from * scale; x < to * scale; ++x)
                        if (grey.constScanLine(y)[x] < 128)
                            return qreal(y) / scale;
                return -100.0;
            };
            const qreal foot = lowest(0, 64);
            const qreal am = lowest(72, 118);
            QVERIFY2(std::abs(foot - am) <= 2.5,
                     qPrintable(u"I %1: foot at %2, am at %3"_s.arg(index).arg(foot).arg(am)));
        }
    }

    // The backhand I stands on a plain foot stroke across its stem, reaching
    // well to both sides of where the stem comes down, with no curl there:
    // the open loop at its top is the only eye the letter closes in.
    void backhandIStandsOnAPlainFoot_data() { addSizeRows(); }

    void backhandIStandsOnAPlainFoot()
    {
        QFETCH(bool, doubleSize);
        const int s = doubleSize ? 2 : 1;
        const QImage grey = greyPicture(u"TheCapitalLetterI"_s, 4, doubleSize);
        QVERIFY(!grey.isNull());
        // Where the stem comes down, a little above the foot.
        const QList<std::pair<int, int>> stem = inkRuns(grey, 96 * s, 0, 64 * s);
        QVERIFY2(stem.size() == 1, qPrintable(u"%1 strokes on row 96"_s.arg(stem.size())));
        const qreal stemX = (stem[0].first + stem[0].second) / 2.0 / s;
        qreal left = stemX, right = stemX;
        for (int y = 103 * s; y <= 110 * s; ++y)
            for (const auto &[l, r] : inkRuns(grey, y, 0, 64 * s)) {
                left = std::min(left, qreal(l) / s);
                right = std::max(right, qreal(r) / s);
            }
        const QString got = u"stem at %1, foot from %2 to %3"_s.arg(stemX).arg(left).arg(right);
        QVERIFY2(stemX - left >= 7 && right - stemX >= 7, qPrintable(got));
        // The top of the letter: an open loop, and nothing else closed in
        // above the foot left of "am".
        QImage top = grey.copy(0, 0, 64 * s, 80 * s);
        QVERIFY2(enclosedPatches(top, 10 * s * s) == 1, "the backhand I's top loop is not one open eye");
        QVERIFY2(enclosedPatches(grey.copy(0, 0, 64 * s, grey.height()), 10 * s * s) == 1,
                 "the backhand I closes in more than its top loop, as a curl at its foot would");
    }

    // Every looped I is one written letter standing on its foot stroke: the
    // stem runs straight down into that stroke, which touches it, so the
    // letter is a single piece of ink; the loop is the only eye it closes in,
    // with no curl at the foot; and the foot stroke, written on towards
    // "am", reaches further right of the stem than left of it.
    void loopedIStandsOnAWrittenFoot_data() { addSizeRows(); }

    void loopedIStandsOnAWrittenFoot()
    {
        QFETCH(bool, doubleSize);
        const int s = doubleSize ? 2 : 1;
        for (int index = 4; index <= 8; ++index) {
            const QImage grey = greyPicture(u"TheCapitalLetterI"_s, index, doubleSize);
            QVERIFY(!grey.isNull());
            const QImage letter = grey.copy(0, 0, 64 * s, grey.height());
            const QString which = u"I %1: "_s.arg(index);
            const int pieces = inkPieces(letter, 4 * s * s);
            QVERIFY2(pieces == 1, qPrintable(which + u"%1 separate pieces of ink"_s.arg(pieces)));
            const int eyes = enclosedPatches(letter, 6 * s * s);
            QVERIFY2(eyes == 1, qPrintable(which + u"closes in %1 eyes"_s.arg(eyes)));
            // The foot stroke: the lowest rows of the letter.
            const int bottom = inkBox(letter).bottom();
            qreal left = 1000, right = -1000;
            for (int y = bottom - 3 * s; y <= bottom; ++y)
                for (const auto &[l, r] : inkRuns(letter, y, 0, letter.width())) {
                    left = std::min(left, qreal(l) / s);
                    right = std::max(right, qreal(r) / s);
                }
            // Where the stem comes down onto it, carried on along the stem's
            // slant from two rows above it.
            auto stemAt = [&](int y) {
                const QList<std::pair<int, int>> runs = inkRuns(letter, y * s, 0, letter.width());
                return runs.size() == 1 ? (runs[0].first + runs[0].second) / 2.0 / s : qQNaN();
            };
            const qreal line = qreal(bottom) / s - 2;
            const qreal upper = stemAt(int(line) - 14), lower = stemAt(int(line) - 7);
            QVERIFY2(!qIsNaN(upper) && !qIsNaN(lower), qPrintable(which + u"no single stem above the foot"_s));
            const qreal foot = lower + (lower - upper) / 7 * (line - (int(line) - 7));
            const QString got = which + u"stem comes down at %1, foot stroke from %2 to %3"_s.arg(foot).arg(left).arg(right);
            QVERIFY2(foot - left >= 6, qPrintable(got));
            QVERIFY2(right - foot >= foot - left + 2, qPrintable(got));
            QVERIFY2(right - foot <= 20, qPrintable(got));
        }
    }

    // The deflated I's loop has collapsed but is still a loop: across it some
    // row meets two strokes with paper between, a narrower opening than the
    // vertical I's round loop, and never a single plain stroke.
    void deflatedILoopIsThinButOpen_data() { addSizeRows(); }

    void deflatedILoopIsThinButOpen()
    {
        QFETCH(bool, doubleSize);
        const int scale = doubleSize ? 2 : 1;
        // Widest paper between exactly two strokes on a row of the loop (in
        // 1x units), and on how many rows the loop shows open.
        auto opening = [&](int index, int *openRows) {
            const QImage grey = greyPicture(u"TheCapitalLetterI"_s, index, doubleSize);
            // Only the top 20 rows of the letter: below them the up-stroke
            // coming in from the left crosses the stem.
            int first = 0;
            while (first < grey.height()) {
                const uchar *row = grey.constScanLine(first);
                if (std::any_of(row, row + 64 * scale, [](uchar v) { return v < 128; }))
                    break;
                ++first;
            }
            int widest = 0;
            *openRows = 0;
            for (int y = first; y < std::min(grey.height(), first + 20 * scale); ++y) {
                int runs = 0, gap = 0, last = -1;
                bool inInk = false;
                for (int x = 0; x < 64 * scale; ++x) {
                    const bool ink = grey.constScanLine(y)[x] < 128;
                    if (ink && !inInk) {
                        ++runs;
                        if (last >= 0)
                            gap = x - last - 1;
                    }
                    if (ink)
                        last = x;
                    inInk = ink;
                }
                if (runs == 2 && gap >= scale) {
                    ++*openRows;
                    widest = std::max(widest, gap);
                }
            }
            *openRows /= scale;
            return qreal(widest) / scale;
        };
        int deflatedRows = 0, verticalRows = 0;
        const qreal deflated = opening(8, &deflatedRows);
        const qreal vertical = opening(6, &verticalRows);
        QVERIFY2(deflatedRows >= 10, qPrintable(u"deflated loop open on %1 rows"_s.arg(deflatedRows)));
        // Open by a few pixels of paper at its widest, and under three
        // fifths of the vertical I's round loop.
        QVERIFY2(deflated >= 3.5 && deflated < 0.6 * vertical,
                 qPrintable(u"deflated opening %1, vertical %2"_s.arg(deflated).arg(vertical)));
    }

    // The upright looped I stands even about its stem: its loop reaches as
    // far to the left of the stem as to the right, so it reads as plumb on
    // its own and not only beside the leaning ones.
    void verticalILoopIsEven_data() { addSizeRows(); }

    void verticalILoopIsEven()
    {
        QFETCH(bool, doubleSize);
        const int scale = doubleSize ? 2 : 1;
        const QImage grey = greyPicture(u"TheCapitalLetterI"_s, 6, doubleSize);
        QVERIFY(!grey.isNull());
        auto inked = [&](int x, int y) { return grey.constScanLine(y)[x] < 128; };
        // The stem: the middle of the ink left of "am" on a row well below the loop.
        qreal sum = 0;
        int count = 0;
        for (int x = 0; x < 64 * scale; ++x)
            if (inked(x, 90 * scale)) {
                sum += x;
                ++count;
            }
        QVERIFY2(count > 0, "no stem on row 90");
        const qreal stem = sum / count / scale;
        int top = 0;
        while (top < grey.height() && !std::any_of(grey.constScanLine(top), grey.constScanLine(top) + 64 * scale,
                                                   [](uchar v) { return v < 128; }))
            ++top;
        // Widest reach of the loop either side of the stem over its top 20 rows.
        qreal left = 0, right = 0;
        for (int y = top; y < std::min(grey.height(), top + 20 * scale); ++y)
            for (int x = 0; x < 64 * scale; ++x)
                if (inked(x, y)) {
                    left = std::max(left, stem - qreal(x) / scale);
                    right = std::max(right, qreal(x) / scale - stem);
                }
        const QString got = u"loop reaches %1 left and %2 right of the stem at %3"_s.arg(left).arg(right).arg(stem);
        QVERIFY2(left >= 6 && right >= 6, qPrintable(got));
        QVERIFY2(std::abs(left - right) <= 2, qPrintable(got));
        // Its eye is an upright oval like the tilted I's, not a round ring
        // on a stick, which reads as a lollipop or as the inflated loop.
        const QList<QRect> eyes = letterEyes(grey.copy(0, 0, 64 * scale, grey.height()));
        QCOMPARE(eyes.size(), 1);
        const QRect eye = eyes.first();
        QVERIFY2(eye.height() >= 1.4 * eye.width(),
                 qPrintable(u"eye %1 wide and %2 high"_s.arg(eye.width()).arg(eye.height())));
    }

    // The blunt ending keeps the pen's weight to its very end, the tapered
    // one thins out to a point: a little way back from each tip the blunt
    // stroke is at least as broad as the stems of the letters, the tapered
    // one a fraction of that. The blunt one is the long rise, the tapered
    // one a quicker flick: its tip stops plainly short of the blunt one's.
    void endingStrokeTipsBluntOrFine_data() { addSizeRows(); }

    void endingStrokeTipsBluntOrFine()
    {
        QFETCH(bool, doubleSize);
        const int scale = doubleSize ? 2 : 1;
        qreal stem[2] = {}, tip[2] = {}, reach[2] = {};
        for (int index : {0, 1}) {
            const QImage grey = greyPicture(u"EndingStroke"_s, index, doubleSize);
            QVERIFY(!grey.isNull());
            auto inked = [&](int x, int y) { return grey.constScanLine(y)[x] < 128; };
            // The first stem of the m, across the middle of the letters.
            const int row = 70 * scale;
            int x = 0;
            while (x < grey.width() && !inked(x, row))
                ++x;
            int run = 0;
            while (x + run < grey.width() && inked(x + run, row))
                ++run;
            stem[index] = qreal(run) / scale;
            // The rightmost inked column is the tip of the final stroke.
            int last = grey.width() - 1;
            auto columnInk = [&](int cx) {
                int n = 0;
                for (int y = 0; y < grey.height(); ++y)
                    n += inked(cx, y);
                return n;
            };
            while (last > 0 && columnInk(last) == 0)
                --last;
            // Its thickness 3 to 4 units back from the tip, taken down the
            // columns: a stroke rising at about 45 degrees shows there a
            // little more than its width.
            int most = 0;
            for (int cx = last - 4 * scale; cx <= last - 3 * scale; ++cx)
                most = std::max(most, columnInk(cx));
            tip[index] = qreal(most) / scale;
            reach[index] = qreal(last) / scale;
        }
        const QString got = u"stems %1 and %2, blunt end %3, tapered end %4, reaching %5 and %6"_s.arg(stem[0]).arg(stem[1])
                                .arg(tip[0]).arg(tip[1]).arg(reach[0]).arg(reach[1]);
        QVERIFY2(reach[0] - reach[1] >= 6, qPrintable(got));
        QVERIFY2(stem[0] > 2 && stem[1] > 2, qPrintable(got));
        QVERIFY2(tip[0] >= stem[0], qPrintable(got));
        QVERIFY2(tip[1] > 0 && tip[1] <= 0.5 * stem[1], qPrintable(got));
    }

    // The long curved lead-in sweeps up from the line into the m without
    // dipping under it, bending on the way; the unbending one is straight
    // and plainly shorter.
    void leadInsCurveOrStandStiff_data() { addSizeRows(); }

    void leadInsCurveOrStandStiff()
    {
        QFETCH(bool, doubleSize);
        const int s = doubleSize ? 2 : 1;
        // The m stands in the same place in every picture of the page.
        const QRect word = inkBox(greyPicture(u"BeginningStroke"_s, 4, doubleSize));
        QVERIFY(word.isValid());
        const int mLeft = word.left();
        struct LeadIn
        {
            int left = -1, lowest = -1;
            qreal bow = 0; // how far its middle sags below the line joining its ends
        };
        auto look = [&](int index) {
            const QImage grey = greyPicture(u"BeginningStroke"_s, index, doubleSize);
            LeadIn found;
            // Middle of the ink down column x, left of the m.
            auto centre = [&](int x) {
                const QList<std::pair<int, int>> runs = inkRunsDown(grey, x, 0, grey.height());
                return runs.isEmpty() ? qreal(-1) : (runs.first().first + runs.last().second) / 2.0;
            };
            for (int x = 0; x < mLeft - s; ++x)
                if (!inkRunsDown(grey, x, 0, grey.height()).isEmpty()) {
                    if (found.left < 0)
                        found.left = x;
                    found.lowest = std::max(found.lowest, inkRunsDown(grey, x, 0, grey.height()).last().second - 1);
                }
            if (found.left < 0)
                return found;
            const int a = found.left + 3 * s, b = mLeft - 3 * s;
            const qreal ya = centre(a), yb = centre(b), ym = centre((a + b) / 2);
            found.bow = (ym - (ya + yb) / 2) / s;
            return found;
        };
        const LeadIn curved = look(0);
        const LeadIn stiff = look(1);
        const QString got = u"curved from %1, lowest %2, bow %3; stiff from %4, bow %5; m at %6"_s.arg(qreal(curved.left) / s)
                                .arg(qreal(curved.lowest) / s).arg(curved.bow).arg(qreal(stiff.left) / s).arg(stiff.bow)
                                .arg(qreal(mLeft) / s);
        QVERIFY2(curved.left >= 0 && stiff.left >= 0, qPrintable(got));
        const qreal curvedLength = qreal(mLeft - curved.left) / s, stiffLength = qreal(mLeft - stiff.left) / s;
        QVERIFY2(curvedLength >= 34, qPrintable(got));
        // On the line at 80, a pen's width under it at most: no dip like a tick.
        QVERIFY2(curved.lowest <= 82 * s, qPrintable(got));
        QVERIFY2(curved.bow >= 2.5, qPrintable(got));
        QVERIFY2(std::abs(stiff.bow) <= 0.6, qPrintable(got));
        QVERIFY2(stiffLength <= 0.65 * curvedLength, qPrintable(got));
    }

    // The high-reaching final stroke climbs far over the tops of the letters
    // at a slant, not straight up, and far higher than the other rising ones.
    void highEndingSlantsUp_data() { addSizeRows(); }

    void highEndingSlantsUp()
    {
        QFETCH(bool, doubleSize);
        const int s = doubleSize ? 2 : 1;
        const QRect word = inkBox(greyPicture(u"EndingStroke"_s, 6, doubleSize));
        QVERIFY(word.isValid());
        // The tip: the highest ink right of the word, and where it is.
        auto tip = [&](int index) {
            const QImage grey = greyPicture(u"EndingStroke"_s, index, doubleSize);
            for (int y = 0; y < grey.height(); ++y) {
                const QList<std::pair<int, int>> runs = inkRuns(grey, y, word.right() + 2 * s, grey.width());
                if (!runs.isEmpty())
                    return QPointF(qreal(runs.last().second) / s, qreal(y) / s);
            }
            return QPointF(-1, -1);
        };
        const QPointF high = tip(2);
        const qreal rise = word.bottom() / qreal(s) - high.y();
        const qreal run = high.x() - word.right() / qreal(s);
        const QString got = u"tip at %1,%2 over a word %3 to %4 tall, right end %5"_s.arg(high.x()).arg(high.y())
                                .arg(word.top() / qreal(s)).arg(word.bottom() / qreal(s)).arg(word.right() / qreal(s));
        QVERIFY2(high.y() >= 0 && high.y() <= word.top() / qreal(s) - 15, qPrintable(got));
        // Steep, between about 40 and 65 degrees, not upright.
        QVERIFY2(run >= 0.45 * rise && run <= 1.2 * rise, qPrintable(got));
        for (int index : {0, 1}) {
            const QPointF other = tip(index);
            QVERIFY2(other.y() >= high.y() + 10, qPrintable(got + u", ending %1 tip at %2"_s.arg(index).arg(other.y())));
        }
    }

    // The lead-in curved from right to left swings in backwards from under
    // the word: the pen lands under its last letters, runs back to the left
    // under the line, passing under the first stem's foot with paper
    // between, turns round in front of the m and rises into the top of the
    // first stem without a lift. It is a stroke, not a bowl: it closes no
    // paper in, and it stays close under the line, unlike the long lead-in
    // from far below.
    void beginningSwingsBackFromUnderTheM_data() { addSizeRows(); }

    void beginningSwingsBackFromUnderTheM()
    {
        QFETCH(bool, doubleSize);
        const int s = doubleSize ? 2 : 1;
        const SwingBesideWord pictures = swingBesideWord(doubleSize);
        QVERIFY(!pictures.swing.isNull() && pictures.stemRight > pictures.stemLeft);
        const QImage &plain = pictures.plain, &swing = pictures.swing;
        const QRect word = pictures.word;
        const int stemLeft = pictures.stemLeft, stemRight = pictures.stemRight;
        const QRect box = inkBox(swing);
        const QString got = u"word %1..%2 high, first stem at %3..%4; lead-in picture inked %5..%6 from %7"_s
                                .arg(qreal(word.top()) / s).arg(qreal(word.bottom()) / s).arg(qreal(stemLeft) / s)
                                .arg(qreal(stemRight) / s).arg(qreal(box.top()) / s).arg(qreal(box.bottom()) / s)
                                .arg(qreal(box.left()) / s);
        // Nothing rises over the word: the way in comes from below.
        QVERIFY2(box.top() >= word.top() - s, qPrintable(got));
        // Close under the line, not a long run up from far below it.
        QVERIFY2(box.bottom() >= word.bottom() + 5 * s && box.bottom() <= word.bottom() + 12 * s, qPrintable(got));
        // It turns well out in front of the m, but not as far as a long lead-in.
        QVERIFY2(stemLeft - box.left() >= 16 * s && stemLeft - box.left() <= 30 * s, qPrintable(got));
        // Where the pen landed: the right end of the ink under the line lies
        // well on under the word, short of its end, so the stroke cannot be
        // taken for a letter set before the m.
        int landing = -1;
        for (int y = word.bottom() + 2 * s; y <= box.bottom(); ++y)
            for (const auto &[from, to] : inkRuns(swing, y, 0, swing.width()))
                landing = std::max(landing, to);
        QVERIFY2(landing >= stemRight + 24 * s && landing <= word.right() - 4 * s,
                 qPrintable(got + u", the stroke under the line ends at %1"_s.arg(qreal(landing) / s)));
        // Under the first stem's foot the stroke passes with paper between.
        const QList<std::pair<int, int>> underStem = inkRunsDown(swing, (stemLeft + stemRight) / 2, word.bottom() - 4 * s, swing.height());
        QVERIFY2(underStem.size() == 2, qPrintable(got + u", %1 runs down through the stem's foot"_s.arg(underStem.size())));
        QVERIFY2(underStem[1].first - underStem[0].second >= 3 * s,
                 qPrintable(got + u", only %1 of paper under the stem's foot"_s.arg(qreal(underStem[1].first - underStem[0].second) / s)));
        // Left of the stem a column crosses the rise over the line and the
        // swing back under it.
        const QList<std::pair<int, int>> column = inkRunsDown(swing, stemLeft - 8 * s, 0, swing.height());
        QVERIFY2(column.size() == 2, qPrintable(got + u", column crosses %1 strokes"_s.arg(column.size())));
        QVERIFY2(column[0].second <= word.bottom() - 4 * s && column[1].first > word.bottom(),
                 qPrintable(got + u", branches at %1 and %2"_s.arg(qreal(column[0].second) / s).arg(qreal(column[1].first) / s)));
        // The rise runs on into the first stem: one unbroken run of ink from
        // left of the stem into it, near the stem's top.
        bool joined = false;
        for (int y = word.top(); y < word.top() + 7 * s && !joined; ++y)
            for (const auto &[from, to] : inkRuns(swing, y, 0, stemRight))
                joined = joined || (from <= stemLeft - 4 * s && to > stemLeft + s);
        QVERIFY2(joined, qPrintable(got + u", the lead-in does not run into the stem"_s));
        // No bowl: the lead-in closes in no paper the bare word does not.
        QCOMPARE(enclosedPatchSizes(swing, 3 * s * s).size(), enclosedPatchSizes(plain, 3 * s * s).size());
    }

    // The pen lands while moving: the swing starts as a hairline under the
    // word and firms as it goes round, and its rise into the m keeps about the
    // weight of the m's own strokes, neither a faint thread nor a heavy bar.
    void beginningSwingFirmsFromAHairline_data() { addSizeRows(); }

    void beginningSwingFirmsFromAHairline()
    {
        QFETCH(bool, doubleSize);
        const int s = doubleSize ? 2 : 1;
        const SwingBesideWord pictures = swingBesideWord(doubleSize);
        QVERIFY(!pictures.swing.isNull() && pictures.stemRight > pictures.stemLeft);
        const QImage &swing = pictures.swing;
        const QRect word = pictures.word;
        const int stemLeft = pictures.stemLeft;
        const qreal stem = qreal(pictures.stemRight - stemLeft) / s;
        QVERIFY2(stem >= 2.5, qPrintable(u"first stem %1 broad"_s.arg(stem)));
        // Thickness of the swing under the line down column x.
        auto under = [&](int x) {
            const QList<std::pair<int, int>> runs = inkRunsDown(swing, x, word.bottom() + 2 * s, swing.height());
            return runs.isEmpty() ? qreal(-1) : qreal(runs.last().second - runs.last().first) / s;
        };
        int landing = -1;
        for (int y = word.bottom() + 2 * s; y < swing.height(); ++y)
            for (const auto &[from, to] : inkRuns(swing, y, 0, swing.width()))
                landing = std::max(landing, to);
        QVERIFY(landing > stemLeft);
        const qreal tip = under(landing - 3 * s), round = under(stemLeft - 10 * s);
        const QString got = u"stem %1 broad, swing %2 thick where it lands, %3 on its way round"_s.arg(stem).arg(tip).arg(round);
        QVERIFY2(tip > 0 && round > 0, qPrintable(got));
        QVERIFY2(tip <= 0.6 * round, qPrintable(got));
        // A quick lead-in, lighter on its way round than the letters' own
        // strokes: at their full weight it reads as a bracket set before
        // the word.
        QVERIFY2(round >= 0.6 * stem && round <= 0.8 * stem, qPrintable(got));
        // Across the rise, from its run along a row and its lean.
        auto centre = [&](int y) {
            const QList<std::pair<int, int>> runs = inkRuns(swing, y, 0, stemLeft - 2 * s);
            return runs.isEmpty() ? qreal(-1) : (runs.last().first + runs.last().second) / 2.0;
        };
        for (int y = word.top() + 7 * s; y <= word.bottom() - 7 * s; y += 3 * s) {
            const QList<std::pair<int, int>> runs = inkRuns(swing, y, 0, stemLeft - 2 * s);
            QVERIFY2(runs.size() == 1, qPrintable(got + u", row %1 crosses %2 strokes"_s.arg(y / s).arg(runs.size())));
            const qreal lean = std::atan2(centre(y - 3 * s) - centre(y + 3 * s), 6.0 * s);
            const qreal across = qreal(runs[0].second - runs[0].first) / s * std::cos(lean);
            QVERIFY2(across >= 0.55 * stem && across <= 1.3 * stem,
                     qPrintable(got + u", rise %1 broad at row %2"_s.arg(across).arg(y / s)));
        }
    }

    // The long lead-in from under the line is pushed up as one movement with
    // the m and keeps visible weight: across its course it is nearly as
    // broad as the first stem.
    void belowBaselineLeadInKeepsWeight_data() { addSizeRows(); }

    void belowBaselineLeadInKeepsWeight()
    {
        QFETCH(bool, doubleSize);
        const int s = doubleSize ? 2 : 1;
        const QImage grey = greyPicture(u"BeginningStroke"_s, 2, doubleSize);
        QVERIFY(!grey.isNull());
        const QRect box = inkBox(grey);
        // The word's line is at 80; the lead-in starts some 30 under it.
        QVERIFY2(box.bottom() >= 104 * s, qPrintable(u"lead-in reaches down to %1"_s.arg(box.bottom() / s)));
        const QList<std::pair<int, int>> middle = inkRuns(grey, 70 * s, 0, grey.width());
        QVERIFY(middle.size() >= 2);
        // The first run at row 70 is the lead-in, the next the first stem.
        const qreal stem = qreal(middle[1].second - middle[1].first) / s;
        auto centre = [&](int y) {
            const QList<std::pair<int, int>> runs = inkRuns(grey, y * s, 0, grey.width());
            return runs.isEmpty() ? qreal(-1) : (runs.first().first + runs.first().second) / 2.0 / s;
        };
        for (int y : {86, 92}) {
            const QList<std::pair<int, int>> runs = inkRuns(grey, y * s, 0, grey.width());
            QCOMPARE(runs.size(), 1);
            // Width across the stroke from its run along the row and its lean.
            const qreal lean = std::atan2(centre(y - 3) - centre(y + 3), 6.0);
            const qreal width = qreal(runs[0].second - runs[0].first) / s * std::cos(lean);
            QVERIFY2(width >= 0.75 * stem, qPrintable(u"row %1: lead-in %2 broad, stem %3"_s.arg(y).arg(width).arg(stem)));
        }
    }

    // The ending curving from right to left grows out of the n in one
    // movement: from the foot of its last leg the pen climbs close beside it
    // and arches back to the left over the n and on over the a, a roof
    // clear of the letters, thinning as it lifts. It never drops under the
    // line, and unlike the endings that rise to the right its far end lies
    // back over the word, not out beyond it.
    void endingArchesBackOverTheWord_data() { addSizeRows(); }

    void endingArchesBackOverTheWord()
    {
        QFETCH(bool, doubleSize);
        const int s = doubleSize ? 2 : 1;
        const QImage plain = greyPicture(u"EndingStroke"_s, 6, doubleSize);
        const QImage arch = greyPicture(u"EndingStroke"_s, 4, doubleSize);
        const QImage high = greyPicture(u"EndingStroke"_s, 2, doubleSize);
        QVERIFY(!plain.isNull() && !arch.isNull() && !high.isNull());
        const QRect word = inkBox(plain);
        const QRect box = inkBox(arch);
        // Leftmost ink above the letters: where the arch ends.
        int left = arch.width(), leftRow = -1;
        for (int y = 0; y < word.top() - 2 * s; ++y) {
            const QList<std::pair<int, int>> runs = inkRuns(arch, y, 0, arch.width());
            if (!runs.isEmpty() && runs.first().first < left) {
                left = runs.first().first;
                leftRow = y;
            }
        }
        const QString got = u"word %1..%2 wide, %3..%4 high; with the ending %5..%6 wide, %7..%8 high, back over the word to %9"_s
                                .arg(word.left() / s).arg(word.right() / s).arg(word.top() / s).arg(word.bottom() / s)
                                .arg(box.left() / s).arg(box.right() / s).arg(box.top() / s).arg(box.bottom() / s).arg(left / s);
        // Over the letters, well clear of them, never under the line.
        QVERIFY2(box.top() <= word.top() - 14 * s, qPrintable(got));
        QVERIFY2(box.bottom() <= word.bottom() + s, qPrintable(got));
        // It turns back close to the n instead of running off to the right
        // like the high-reaching ending.
        QVERIFY2(box.right() - word.right() <= 18 * s, qPrintable(got));
        QVERIFY2(inkBox(high).right() - box.right() >= 10 * s, qPrintable(got));
        // Back over the n and on over the a.
        QVERIFY2(word.right() - left >= 28 * s, qPrintable(got));
        // It grows out of the n: no piece of ink of its own.
        QCOMPARE(inkPieces(arch, 4 * s * s), inkPieces(plain, 4 * s * s));
        // A roof clear of the letters: down every column over the word the
        // arch is one stroke with paper under it before the letters begin,
        // and just over the letters there is no ink left of the n's leg.
        // (Each picture writes its own copy of the word, whose tops may
        // stand a pixel higher than the bare word's.)
        const QList<std::pair<int, int>> legRow = inkRuns(plain, word.bottom() - 6 * s, 0, plain.width());
        QVERIFY(!legRow.isEmpty());
        const int leg = legRow.last().second;
        for (int x = left + 3 * s; x < leg - 2 * s; x += s) {
            const QList<std::pair<int, int>> down = inkRunsDown(arch, x, 0, word.top() - s);
            QVERIFY2(down.size() == 1 && word.top() - down[0].second >= 4 * s,
                     qPrintable(got + u", column %1: %2 strokes above the letters, last ending %3"_s.arg(x / s).arg(down.size())
                                          .arg(down.isEmpty() ? -1 : down.last().second / s)));
        }
        for (int y = word.top() - 3 * s; y < word.top() - s; ++y)
            QVERIFY2(inkRuns(arch, y, 0, leg).isEmpty(), qPrintable(got + u", ink over the letters at row %1"_s.arg(y / s)));
        // Beside the n, the climb: a stroke right of the leg halfway up.
        const int midRow = (word.top() + word.bottom()) / 2;
        const QList<std::pair<int, int>> legMid = inkRuns(plain, midRow, 0, plain.width());
        QVERIFY(!legMid.isEmpty());
        const QList<std::pair<int, int>> mid = inkRuns(arch, midRow, legMid.last().second, arch.width());
        QVERIFY2(mid.size() == 1 && mid[0].first - legMid.last().second >= 2 * s && mid[0].first - legMid.last().second <= 16 * s,
                 qPrintable(got + u", %1 strokes right of the leg halfway up, first %2 from it"_s.arg(mid.size())
                                      .arg(mid.isEmpty() ? -1 : qreal(mid[0].first - legMid.last().second) / s)));
        // Highest over the n, and the pen lifts thinning at the far end.
        const int apexX = (word.right() - 12 * s);
        auto thickness = [&](int x) {
            const QList<std::pair<int, int>> down = inkRunsDown(arch, x, 0, word.top());
            return down.size() == 1 ? down[0].second - down[0].first : -1;
        };
        const QList<std::pair<int, int>> apex = inkRunsDown(arch, apexX, 0, word.top());
        QVERIFY2(!apex.isEmpty() && apex[0].first <= box.top() + 2 * s, qPrintable(got));
        QVERIFY2(leftRow > box.top() + 4 * s, qPrintable(got + u", ends at row %1"_s.arg(leftRow / s)));
        const QString weight = u", %1 thick at the top, %2 near the end"_s.arg(thickness(apexX)).arg(thickness(left + 2 * s));
        QVERIFY2(thickness(left + 2 * s) > 0 && thickness(left + 2 * s) < thickness(apexX), qPrintable(got + weight));
    }

    // Dropping below the line, the final stroke leaves straight from under
    // the n's last leg and bends off to the right on an even curve, with no
    // corner at the foot: the further down, the more it leans away, until it
    // runs out more along the page than down it, a tail and not a stiff
    // diagonal hanging off the word.
    void belowBaselineEndingBendsAway_data() { addSizeRows(); }

    void belowBaselineEndingBendsAway()
    {
        QFETCH(bool, doubleSize);
        const int s = doubleSize ? 2 : 1;
        const QImage plain = greyPicture(u"EndingStroke"_s, 6, doubleSize);
        const QImage grey = greyPicture(u"EndingStroke"_s, 3, doubleSize);
        QVERIFY(!plain.isNull() && !grey.isNull());
        const QRect word = inkBox(plain);
        const QList<std::pair<int, int>> legRow = inkRuns(plain, word.bottom() - 6 * s, 0, plain.width());
        QVERIFY(!legRow.isEmpty());
        const qreal leg = (legRow.last().first + legRow.last().second) / 2.0 / s;
        const qreal line = qreal(word.bottom()) / s;
        auto centre = [&](int below) {
            const QList<std::pair<int, int>> runs = inkRuns(grey, int((line + below) * s), 0, grey.width());
            return runs.size() == 1 ? (runs[0].first + runs[0].second) / 2.0 / s : qreal(-100);
        };
        const qreal c3 = centre(3), c10 = centre(10), c20 = centre(20);
        const QString got = u"leg at %1; under the line at 3, 10, 20: %2, %3, %4"_s.arg(leg).arg(c3).arg(c10).arg(c20);
        QVERIFY2(c3 >= leg - 1 && c3 - leg <= 4, qPrintable(got));
        QVERIFY2((c10 - c3) / 7 >= 0.2, qPrintable(got));
        QVERIFY2((c20 - c10) / 10 > (c10 - c3) / 7, qPrintable(got));
        QVERIFY2(inkBox(grey).bottom() >= word.bottom() + 20 * s, qPrintable(got));
        // Over its last ten columns (1x) the tail sinks less than six rows.
        const int end = inkBox(grey).right();
        auto middleDown = [&](int x) {
            const QList<std::pair<int, int>> runs = inkRunsDown(grey, x, 0, grey.height());
            return runs.isEmpty() ? qreal(-100) : (runs.last().first + runs.last().second) / 2.0 / s;
        };
        const qreal sinks = middleDown(end - s) - middleDown(end - 10 * s);
        QVERIFY2(sinks >= 0 && sinks < 6, qPrintable(got + u", sinks %1 over its last ten columns"_s.arg(sinks)));
    }

    // A triangular loop is drawn by hand, not with a ruler: the side that
    // climbs back from its lower corner to the stem bows off the straight
    // line between its ends, on the g and on the y.
    void triangularLoopsAreNotRuled_data() { addSizeRows(); }

    void triangularLoopsAreNotRuled()
    {
        QFETCH(bool, doubleSize);
        const int s = doubleSize ? 2 : 1;
        const QImage grey = greyPicture(u"TheLowerCasegandy"_s, 0, doubleSize);
        QVERIFY(!grey.isNull());
        // The g's stem stands at x = 49, the y's at 100; the rising side is
        // the first ink left of the stem on the rows well under the line.
        for (auto [from, stem] : {std::pair{15, 46}, std::pair{64, 97}}) {
            QList<QPointF> side;
            for (int y = 60 * s; y < 86 * s; ++y) {
                const QList<std::pair<int, int>> runs = inkRuns(grey, y, from * s, stem * s);
                if (!runs.isEmpty())
                    side.append(QPointF((runs.first().first + runs.first().second) / 2.0 / s, qreal(y) / s));
            }
            QVERIFY2(side.size() >= 20 * s, qPrintable(u"%1 rows of the side"_s.arg(side.size())));
            const QPointF a = side.first(), b = side.last();
            qreal most = 0;
            for (const QPointF &p : side) {
                const qreal off = a.x() + (b.x() - a.x()) * (p.y() - a.y()) / (b.y() - a.y()) - p.x();
                if (std::abs(off) > std::abs(most))
                    most = off;
            }
            const QString got = u"%1x, stem %2: side from (%3, %4) to (%5, %6), off the straight by %7 at most"_s.arg(s)
                                    .arg(stem).arg(a.x()).arg(a.y()).arg(b.x()).arg(b.y()).arg(most);
            QVERIFY2(std::abs(most) >= 1.0 && std::abs(most) <= 4, qPrintable(got));
        }
    }

    // The rounded full loop is round: nearly as wide as it is deep, not a
    // long oval, which reads as the long closed loop. The broad loop is far
    // wider still, so the two full loops are not told apart by a guess.
    void roundLoopIsRoundAndBroadLoopBroad_data() { addSizeRows(); }

    void roundLoopIsRoundAndBroadLoopBroad()
    {
        QFETCH(bool, doubleSize);
        const int s = doubleSize ? 2 : 1;
        // The g's loop: its ink left of the stem (x = 49) well under the
        // line (y = 46), how far it reaches to the left and down.
        auto loop = [&](int index, qreal *width, qreal *depth) {
            const QImage grey = greyPicture(u"TheLowerCasegandy"_s, index, doubleSize);
            QVERIFY(!grey.isNull());
            int left = 49 * s, lowest = 0;
            for (int y = 52 * s; y < grey.height(); ++y)
                for (int x = 0; x < 49 * s; ++x)
                    if (grey.constScanLine(y)[x] < 128) {
                        left = std::min(left, x);
                        lowest = std::max(lowest, y);
                    }
            *width = 49 - qreal(left) / s;
            *depth = qreal(lowest) / s - 46;
        };
        qreal roundWidth = 0, roundDepth = 0, broadWidth = 0, broadDepth = 0;
        loop(1, &roundWidth, &roundDepth);
        loop(8, &broadWidth, &broadDepth);
        const QString got = u"%1x: rounded loop %2 wide, %3 deep; broad loop %4 wide, %5 deep"_s.arg(s)
                                .arg(roundWidth).arg(roundDepth).arg(broadWidth).arg(broadDepth);
        QVERIFY2(roundDepth >= 30 && roundWidth >= 0.65 * roundDepth, qPrintable(got));
        QVERIFY2(broadWidth >= 1.5 * roundWidth, qPrintable(got));
    }

    // Over the larger signature stands the note that the smaller one signs,
    // in small writing: three lines of it, each lower than the name, so the
    // two pictures differ only in which of note and name is the larger.
    void largerSignatureSignsTheSameNote_data() { addSizeRows(); }

    void largerSignatureSignsTheSameNote()
    {
        QFETCH(bool, doubleSize);
        const QImage grey = greyPicture(u"Signature"_s, 3, doubleSize);
        QVERIFY(!grey.isNull());
        QList<int> inkInRow;
        for (int y = 0; y < grey.height(); ++y)
            inkInRow.append(int(std::count_if(grey.constScanLine(y), grey.constScanLine(y) + grey.width(),
                                              [](uchar v) { return v < 128; })));
        // Blocks of rows with ink, parted by blank paper: the note, then the name.
        QList<std::pair<int, int>> blocks;
        for (int y = 0; y < grey.height(); ++y)
            if (inkInRow[y] > 0) {
                if (blocks.isEmpty() || blocks.last().second < y - 1)
                    blocks.append({y, y});
                blocks.last().second = y;
            }
        QCOMPARE(blocks.size(), 2);
        const auto [noteTop, noteBottom] = blocks.first();
        const int nameHeight = blocks.last().second - blocks.last().first + 1;
        // The note's lines touch at their ascenders and descenders; between
        // them the ink thins to a few pixels a row.
        const int busiest = *std::max_element(inkInRow.begin() + noteTop, inkInRow.begin() + noteBottom + 1);
        QList<int> lineHeights;
        bool inLine = false;
        for (int y = noteTop; y <= noteBottom; ++y) {
            const bool dense = inkInRow[y] >= busiest / 5;
            if (dense && !inLine)
                lineHeights.append(0);
            if (dense)
                ++lineHeights.last();
            inLine = dense;
        }
        QStringList heights;
        for (int h : lineHeights)
            heights << QString::number(h);
        const QString got = u"note lines %1 rows high over a name %2 rows high"_s.arg(heights.join(u", "_s)).arg(nameHeight);
        QVERIFY2(lineHeights.size() == 3, qPrintable(got));
        for (int h : lineHeights)
            QVERIFY2(h < nameHeight / 2, qPrintable(got));
    }

    // The ring round an encircled signature is swung by hand, not laid out
    // as a level ellipse: it tilts with the writing, so its highest point
    // stands well to one side of its lowest. It still closes round the
    // whole name, clear of the picture's edges.
    void encirclingRingIsSwungByHand_data() { addSizeRows(); }

    void encirclingRingIsSwungByHand()
    {
        QFETCH(bool, doubleSize);
        const int s = doubleSize ? 2 : 1;
        const QImage grey = greyPicture(u"Signature"_s, 5, doubleSize);
        QVERIFY(!grey.isNull());
        const QRect ring = inkBox(grey);
        QVERIFY2(ring.left() >= 2 * s && ring.right() < grey.width() - 2 * s, qPrintable(u"ring from %1 to %2"_s.arg(ring.left()).arg(ring.right())));
        // The middle of the ink on the ring's top and bottom rows.
        auto middle = [&](int y) {
            const QList<std::pair<int, int>> runs = inkRuns(grey, y, 0, grey.width());
            qreal sum = 0;
            int count = 0;
            for (const auto &[from, to] : runs) {
                sum += (from + to - 1) / 2.0 * (to - from);
                count += to - from;
            }
            return count ? sum / count / s : qreal(-1);
        };
        const qreal top = middle(ring.top()), bottom = middle(ring.bottom());
        const QString got = u"%1x: ring's top at %2, its foot at %3"_s.arg(s).arg(top).arg(bottom);
        QVERIFY2(top >= 0 && bottom >= 0 && std::abs(top - bottom) >= 4, qPrintable(got));
        // The name lies inside the ring: the row through the ring's middle
        // meets ink at the ring's two sides and in the name between them.
        const QList<std::pair<int, int>> across = inkRuns(grey, ring.center().y(), 0, grey.width());
        QVERIFY2(across.size() >= 3, qPrintable(got + u", %1 strokes across its middle"_s.arg(across.size())));
    }

    // The long down strokes of g and y run far below the line and only at
    // their very ends turn off to the left in a small hook, which keeps the
    // g from reading as a q.
    void longDownStrokesHookLeft_data() { addSizeRows(); }

    void longDownStrokesHookLeft()
    {
        QFETCH(bool, doubleSize);
        const int scale = doubleSize ? 2 : 1;
        const QImage grey = greyPicture(u"TheLowerCasegandy"_s, 4, doubleSize);
        QVERIFY(!grey.isNull());
        auto inked = [&](int x, int y) { return grey.constScanLine(y)[x] < 128; };
        // The g stands left of x = 64, the y right of it; the baseline is at 46.
        for (auto [from, to] : {std::pair{0, 64}, std::pair{64, 118}}) {
            const QString letter = from == 0 ? u"g"_s : u"y"_s;
            // The descender's middle, 30 units under the line, is a single straight stem.
            qreal sum = 0;
            int count = 0;
            for (int x = from * scale; x < to * scale; ++x)
                if (inked(x, 76 * scale)) {
                    sum += x;
                    ++count;
                }
            QVERIFY2(count > 0 && count <= 6 * scale, qPrintable(letter + u": no single stem under the line"_s));
            const qreal stem = sum / count / scale;
            int lowest = grey.height() - 1;
            auto rowInked = [&](int y) {
                for (int x = from * scale; x < to * scale; ++x)
                    if (inked(x, y))
                        return true;
                return false;
            };
            while (lowest > 0 && !rowInked(lowest))
                --lowest;
            int leftmost = to * scale;
            for (int y = lowest - 6 * scale; y <= lowest; ++y)
                for (int x = from * scale; x < to * scale; ++x)
                    if (inked(x, y))
                        leftmost = std::min(leftmost, x);
            const QString got = u"%1: stem at %2 reaches down to %3, its end turns to %4"_s.arg(letter)
                                    .arg(stem)
                                    .arg(qreal(lowest) / scale)
                                    .arg(qreal(leftmost) / scale);
            QVERIFY2(lowest >= (46 + 60) * scale, qPrintable(got));
            QVERIFY2(stem - qreal(leftmost) / scale >= 8, qPrintable(got));
            QVERIFY2(stem - qreal(leftmost) / scale <= 20, qPrintable(got));
        }
    }

    // The blunt down strokes of g and y stop short, as far below the line
    // as an ordinary loop goes and no further, and swell at their ends, the
    // pen bearing down before it lifts, well heavier than under the line.
    // They run straight on from the stem, leaning at most a shade to the
    // left, and do not turn at the end: the last stretch keeps the course of
    // the stroke above it, so nothing reads as the start of a curl or hook.
    // Every row below the line crosses a single stroke, none further right
    // than the one above.
    void bluntDownStrokesEndHeavy_data() { addSizeRows(); }

    void bluntDownStrokesEndHeavy()
    {
        QFETCH(bool, doubleSize);
        const int scale = doubleSize ? 2 : 1;
        const QImage grey = greyPicture(u"TheLowerCasegandy"_s, 3, doubleSize);
        QVERIFY(!grey.isNull());
        // The g stands left of x = 64, the y right of it; the baseline is at 46.
        for (auto [from, to] : {std::pair{0, 64}, std::pair{64, 118}}) {
            const QString letter = from == 0 ? u"g"_s : u"y"_s;
            // The middle and width of the ink on a row of the letter's half.
            auto across = [&](int y, qreal *width) {
                int first = -1, last = -1, count = 0;
                for (int x = from * scale; x < to * scale; ++x)
                    if (grey.constScanLine(y)[x] < 128) {
                        first = first < 0 ? x : first;
                        last = x;
                        ++count;
                    }
                *width = qreal(count) / scale;
                return first < 0 ? qQNaN() : (first + last) / 2.0 / scale;
            };
            int lowest = grey.height() - 1;
            qreal w = 0;
            while (lowest > 0 && qIsNaN(across(lowest, &w)))
                --lowest;
            const qreal depth = qreal(lowest) / scale - 46;
            qreal under = 0, end = 0;
            const qreal start = across(54 * scale, &under);
            // Straight on from the stem for a good way under the line.
            qreal left = 1000, right = -1000;
            for (int y = 54 * scale; y <= 64 * scale; ++y) {
                const qreal mid = across(y, &w);
                left = std::min(left, mid);
                right = std::max(right, mid);
            }
            const qreal tip = across(lowest - 3 * scale, &w);
            // The heaviest row of the last stretch, where the pen bore down.
            for (int y = lowest - 8 * scale; y <= lowest; ++y) {
                across(y, &w);
                end = std::max(end, w);
            }
            // The course of the stroke from under the line down to a dozen
            // above its end, against its course over that last dozen.
            const int bend = lowest - 12 * scale;
            const qreal upper = (across(bend, &w) - start) / (qreal(bend) / scale - 54);
            const qreal lower = (tip - across(bend, &w)) / 9;
            const QString got = u"%1: %2 below the line, wanders %3 under it, its end %4 left of the stem; %5 wide "
                                 "under the line and %6 at its heaviest near the end; runs %7 across a row down to "
                                 "a dozen above the end, %8 over the last stretch"_s.arg(letter)
                                    .arg(depth).arg(right - left).arg(start - tip).arg(under).arg(end)
                                    .arg(upper).arg(lower);
            QVERIFY2(depth >= 28 && depth <= 44, qPrintable(got));
            QVERIFY2(right - left <= 2, qPrintable(got));
            QVERIFY2(start - tip >= 0 && start - tip <= 4, qPrintable(got));
            QVERIFY2(std::abs(lower - upper) <= 0.15, qPrintable(got));
            QVERIFY2(end >= 1.25 * under, qPrintable(got));
            qreal above = start;
            for (int y = 50 * scale; y <= lowest; ++y) {
                const QList<std::pair<int, int>> runs = inkRuns(grey, y, from * scale, to * scale);
                QVERIFY2(runs.size() == 1, qPrintable(got + u"; %1 strokes on row %2"_s.arg(runs.size()).arg(qreal(y) / scale)));
                if (y < 54 * scale)
                    continue;
                const qreal mid = (runs[0].first + runs[0].second) / 2.0 / scale;
                QVERIFY2(mid <= above + 0.75, qPrintable(got + u"; turns back right at row %1"_s.arg(qreal(y) / scale)));
                above = std::min(above, mid);
            }
        }
    }

    // The e without a loop never closes on itself: its letters enclose no eye
    // at all, where each looped e encloses a clear one. It still reaches the
    // full height of a looped e, so it is not a mere c.
    void loopLessEHasNoEye_data() { addSizeRows(); }

    void loopLessEHasNoEye()
    {
        QFETCH(bool, doubleSize);
        const int scale = doubleSize ? 2 : 1;
        struct Found
        {
            int eyes = 0; // white patches closed in by ink, of a fair size
            QRect ink;
        };
        auto look = [&](int index) {
            const QImage grey = greyPicture(u"TheLowerCaseE"_s, index, doubleSize);
            Found found;
            for (int y = 0; y < grey.height(); ++y)
                for (int x = 0; x < grey.width(); ++x)
                    if (grey.constScanLine(y)[x] < 128)
                        found.ink |= QRect(x, y, 1, 1);
            found.eyes = enclosedPatches(grey, 12 * scale * scale);
            return found;
        };
        const Found loopless = look(2);
        QVERIFY2(loopless.eyes == 0, qPrintable(u"the loopless e's enclose %1 eyes"_s.arg(loopless.eyes)));
        // Each e is written in one movement: a stroke set down inside the
        // letter rises into the shoulder and turns there over the crown.
        // Cut away the back, that stroke and the crown are still one piece
        // of ink, where a line run in from the back would be left on its own
        // below the crown. Its free lower end stands well clear of the back,
        // so the eye is plainly open on the left and nothing crosses: with
        // only a sliver of paper between, the eye looks all but closed, a
        // loop. Yet the stroke is long enough to make an e, not a c.
        const QImage grey = greyPicture(u"TheLowerCaseE"_s, 2, doubleSize);
        // The first e's exit ends left of x = 75, where the second e's back begins.
        for (auto [from, to] : {std::pair{38, 75}, std::pair{75, 117}}) {
            const QRect box = inkBox(grey.copy(from * scale, 0, (to - from) * scale, grey.height())).translated(from * scale, 0);
            auto up = [&](int percent) { return box.bottom() - box.height() * percent / 100; };
            // Low on the letter the back stands alone at the left.
            int backRight = 0;
            for (int y = up(30); y <= up(20); ++y) {
                const QList<std::pair<int, int>> runs = inkRuns(grey, y, from * scale, to * scale);
                if (!runs.isEmpty())
                    backRight = std::max(backRight, runs.first().second);
            }
            const QRect cut(backRight + scale, box.top(), to * scale - backRight - scale, box.height());
            const QList<QList<QPoint>> pieces = inkPieces(grey.copy(cut), 0, cut.height());
            // The stroke across the middle of the letter: the piece with the
            // most ink from 30 to 50 percent of the way up.
            const QList<QPoint> *stroke = nullptr;
            int most = 0;
            for (const QList<QPoint> &piece : pieces) {
                const int inBand = int(std::count_if(piece.begin(), piece.end(), [&](const QPoint &q) {
                    return q.y() + cut.top() >= up(50) && q.y() + cut.top() <= up(30);
                }));
                if (inBand > most) {
                    most = inBand;
                    stroke = &piece;
                }
            }
            const QString where = u"e at %1, %2 tall"_s.arg(from).arg(qreal(box.height()) / scale);
            QVERIFY2(stroke, qPrintable(where + u": no stroke across its middle"_s));
            int strokeTop = cut.height();
            QPoint freeEnd(cut.width(), 0);
            for (const QPoint &q : *stroke) {
                strokeTop = std::min(strokeTop, q.y());
                if (q.y() + cut.top() >= up(50) && q.x() < freeEnd.x())
                    freeEnd = q;
            }
            QVERIFY2(strokeTop <= 2 * scale,
                     qPrintable(where + u"; the middle stroke tops out %1 below the crown"_s.arg(qreal(strokeTop) / scale)));
            // On the row of the stroke's left end, low in the letter, its ink
            // starts apart from the back's.
            freeEnd += cut.topLeft();
            const QList<std::pair<int, int>> runs = inkRuns(grey, freeEnd.y(), from * scale, to * scale);
            qreal gap = -1;
            for (int i = 1; i < runs.size(); ++i)
                if (runs[i].first <= freeEnd.x() && freeEnd.x() < runs[i].second)
                    gap = qreal(runs[i].first - runs[i - 1].second) / scale;
            QVERIFY2(gap >= 6 && gap <= 11, qPrintable(where + (gap < 0 ? u"; the middle stroke runs out of the back"_s
                                                            : u"; %1 of paper between the back and the middle stroke"_s.arg(gap))));
            // It sets off across the letter as the e's bar, near level, not
            // as a tick flicked steeply up to the shoulder, which leaves a c
            // with a mark in it: just above its free end it lies along the
            // row for a good part of the letter's width.
            int bar = 0;
            for (int y = freeEnd.y() - 2 * scale; y <= freeEnd.y(); ++y)
                for (const auto &[a, b] : inkRuns(grey, y, freeEnd.x() - scale, to * scale))
                    if (a <= freeEnd.x() + 2 * scale)
                        bar = std::max(bar, b - a);
            QVERIFY2(bar * 5 >= box.width(), qPrintable(where + u"; its middle stroke lies level for only %1 of %2 across"_s
                                                                    .arg(qreal(bar) / scale).arg(qreal(box.width()) / scale)));
        }
        for (int index : {0, 1}) {
            const Found looped = look(index);
            QVERIFY2(looped.eyes >= 2, qPrintable(u"e %1 encloses %2 eyes"_s.arg(index).arg(looped.eyes)));
            QVERIFY2(loopless.ink.height() * 10 >= looped.ink.height() * 9,
                     qPrintable(u"loopless e's %1 tall, e %2 %3"_s.arg(loopless.ink.height()).arg(index).arg(looped.ink.height())));
        }
    }

    // The looped e's are written with the pen's pressure, not a line of one
    // weight: the down-stroke of the back is pressed half as heavy again as
    // the strokes that run sideways, the light rise into the loop among
    // them. Measured in the 2x pictures, where a pixel is a fine enough step.
    void loopedEsPressIntoTheBack_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("narrow") << 0;
        QTest::newRow("broad") << 1;
    }

    void loopedEsPressIntoTheBack()
    {
        QFETCH(int, index);
        const QImage grey = greyPicture(u"TheLowerCaseE"_s, index, true);
        QVERIFY(!grey.isNull());
        // The e's stand right of x = 38.
        const auto [upright, sideways] = uprightAndSidewaysWeights(grey, QRect(76, 0, grey.width(), grey.height()));
        QVERIFY2(upright > 0 && sideways > 0 && 2 * upright >= 3 * sideways,
                 qPrintable(u"e %1: upright strokes %2 px across, sideways ones %3 px high"_s.arg(index).arg(upright).arg(sideways)));
    }

    // A looped e after the print s starts where its rise crosses its back:
    // no line runs in from the paper on the left and on through the letter.
    // The second e rises straight on from the first one's exit, so below
    // the eyes the two are joined by one line, never two run side by side.
    void loopedEsAreWrittenInOneMovement_data() { addSizeRows(); }

    void loopedEsAreWrittenInOneMovement()
    {
        QFETCH(bool, doubleSize);
        const int s = doubleSize ? 2 : 1;
        const int base = 92;
        for (int index : {0, 1}) {
            const QImage grey = greyPicture(u"TheLowerCaseE"_s, index, doubleSize);
            QVERIFY(!grey.isNull());
            // The first e stands between x = 38 and 75.
            const QRect e = inkBox(grey.copy(38 * s, 0, 37 * s, grey.height())).translated(38 * s, 0);
            const QList<std::pair<int, int>> middle = inkRuns(grey, e.center().y(), 38 * s, 75 * s);
            QVERIFY2(!middle.isEmpty(), qPrintable(u"e %1: no ink across its middle"_s.arg(index)));
            const qreal tail = qreal(middle.first().first - e.left()) / s;
            QVERIFY2(tail <= 3, qPrintable(u"e %1: ink starts %2 left of its back"_s.arg(index).arg(tail)));
            // Where the first e's exit meets the second e's rise, short of
            // the second e's back.
            for (int x = 66 * s; x < 74 * s; ++x) {
                int runs = 0;
                bool inInk = false;
                for (int y = (base - 7) * s; y <= (base + 3) * s; ++y) {
                    const bool ink = grey.constScanLine(y)[x] < 128;
                    runs += ink && !inInk;
                    inInk = ink;
                }
                QVERIFY2(runs <= 1, qPrintable(u"e %1: %2 lines at x = %3 between the e's"_s.arg(index).arg(runs).arg(qreal(x) / s)));
            }
        }
    }

    // The narrow-loop e's stay well within the height of the s, as e's do,
    // where a tall slanted loop would read as an l; each still closes in a
    // slim eye, plainly open yet smaller than the broad-loop e's eyes.
    void narrowLoopEStaysLow_data() { addSizeRows(); }

    void narrowLoopEStaysLow()
    {
        QFETCH(bool, doubleSize);
        const int s = doubleSize ? 2 : 1;
        const QImage narrow = greyPicture(u"TheLowerCaseE"_s, 0, doubleSize);
        const QImage broad = greyPicture(u"TheLowerCaseE"_s, 1, doubleSize);
        QVERIFY(!narrow.isNull() && !broad.isNull());
        // The s stands left of x = 38, the two e's right of it.
        const QRect sBox = inkBox(narrow.copy(0, 0, 38 * s, narrow.height()));
        const int sTop = sBox.top();
        const QRect es = inkBox(narrow.copy(38 * s, 0, narrow.width() - 38 * s, narrow.height()));
        const QRect broadEs = inkBox(broad.copy(38 * s, 0, broad.width() - 38 * s, broad.height()));
        const QString got = u"s from %1, %2 tall; narrow e's from %3, %4 tall; broad e's from %5"_s.arg(sTop / s)
                                .arg(sBox.height() / s).arg(es.top() / s).arg(es.height() / s).arg(broadEs.top() / s);
        QVERIFY2(es.top() >= sTop + 5 * s && es.top() >= broadEs.top() + 5 * s, qPrintable(got));
        QVERIFY2(es.height() * 10 <= sBox.height() * 8, qPrintable(got));
        // Two eyes of a fair size, each well under the smaller broad eye.
        const QList<int> narrowEyes = enclosedPatchSizes(narrow, 12 * s * s);
        const QList<int> broadEyes = enclosedPatchSizes(broad, 12 * s * s);
        QCOMPARE(narrowEyes.size(), 2);
        QCOMPARE(broadEyes.size(), 2);
        const int largestNarrow = *std::max_element(narrowEyes.begin(), narrowEyes.end());
        const int smallestNarrow = *std::min_element(narrowEyes.begin(), narrowEyes.end());
        const int smallestBroad = *std::min_element(broadEyes.begin(), broadEyes.end());
        // Slim, not shut: each eye is a slit of paper several pixels long.
        QVERIFY2(smallestNarrow >= 40 * s * s, qPrintable(got + u"; smallest narrow eye %1 pixels"_s.arg(smallestNarrow)));
        QVERIFY2(largestNarrow * 2 <= smallestBroad,
                 qPrintable(got + u"; largest narrow eye %1, smallest broad eye %2 pixels"_s.arg(largestNarrow).arg(smallestBroad)));
    }

    // The bowls of a and o closed at the top each close in their eye; left
    // open at the top, the o's eye runs out into the paper; with the little
    // loop at the top, the o alone closes in a second, small eye up there.
    void aAndOEyes_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("doubleSize");
        QTest::addColumn<int>("eyes");    // in the whole picture
        QTest::addColumn<int>("smallEyes"); // far smaller than a bowl's own eye
        for (bool twice : {false, true}) {
            const QString size = twice ? u" 2x"_s : u" 1x"_s;
            QTest::newRow(qPrintable(u"closed"_s + size)) << 0 << twice << 2 << 0;
            QTest::newRow(qPrintable(u"inner loop"_s + size)) << 2 << twice << 3 << 1;
        }
    }

    void aAndOEyes()
    {
        QFETCH(int, index);
        QFETCH(bool, doubleSize);
        QFETCH(int, eyes);
        QFETCH(int, smallEyes);
        const int scale = doubleSize ? 2 : 1;
        const QImage grey = greyPicture(u"TheLowerCaseo"_s, index, doubleSize);
        QVERIFY(!grey.isNull());
        // A bowl's eye is some 900 pixels at 1x, a little loop's under 200.
        QCOMPARE(enclosedPatches(grey, 6 * scale * scale), eyes);
        QCOMPARE(enclosedPatches(grey, 6 * scale * scale, 250 * scale * scale), smallEyes);
    }

    // The o closed at the top ends where it began: the pen runs over its
    // own start and lifts inside the round, no tick or tail standing out of
    // it. Across the top of the o the ink lies evenly either side of the
    // middle of the bowl.
    void closedOEndsInItsRound_data() { addSizeRows(); }

    void closedOEndsInItsRound()
    {
        QFETCH(bool, doubleSize);
        const int scale = doubleSize ? 2 : 1;
        const QImage grey = greyPicture(u"TheLowerCaseo"_s, 0, doubleSize);
        QVERIFY(!grey.isNull());
        // The o stands right of x = 60.
        const QImage o = grey.copy(60 * scale, 0, grey.width() - 60 * scale, grey.height());
        QRect bowl = inkBox(o);
        QVERIFY(!bowl.isEmpty());
        // Its upper half, clear of the a's exit stroke down by the line.
        bowl = inkBox(o.copy(0, 0, o.width(), bowl.top() + bowl.height() / 2));
        const qreal middle = bowl.left() + (bowl.width() - 1) / 2.0;
        int left = 0, right = 0;
        for (int y = bowl.top(); y < bowl.top() + 8 * scale; ++y)
            for (int x = bowl.left(); x <= bowl.right(); ++x)
                if (o.constScanLine(y)[x] < 128)
                    (x < middle ? left : right) += 1;
        const QString got = u"o %1..%2 from %3: top ink %4 left of the middle, %5 right"_s.arg(bowl.left()).arg(bowl.right())
                                .arg(bowl.top()).arg(left).arg(right);
        QVERIFY2(left > 0 && right > 0, qPrintable(got));
        QVERIFY2(4 * right <= 5 * left && 4 * left <= 5 * right, qPrintable(got));
    }

    // A bowl is written round with the pen's pressure: the down-stroke of
    // its left side is pressed heavier than a plain down-stroke of the same
    // pen, such as the tall d's stem beside it. Measured over 8 rows of the
    // 2x picture, where the a's left side and the d's stem both run
    // straight down.
    void bowlsPressDownTheirLeftSide()
    {
        const QImage grey = greyPicture(u"StemsofLowerCased"_s, 0, true);
        QVERIFY(!grey.isNull());
        int side = 0, stem = 0;
        // The a's bowl is about 12 to 40 across, its middle at row 98; the
        // d's stem stands alone near x 90 from row 8 to the d's bowl at 82.
        for (int y = 2 * 94; y < 2 * 98; ++y) {
            const QList<std::pair<int, int>> runs = inkRuns(grey, y, 0, 2 * 44);
            QVERIFY2(runs.size() >= 2, qPrintable(u"%1 strokes across the a at row %2"_s.arg(runs.size()).arg(y)));
            side += runs.first().second - runs.first().first;
        }
        for (int y = 2 * 30; y < 2 * 34; ++y) {
            const QList<std::pair<int, int>> runs = inkRuns(grey, y, 2 * 60, grey.width());
            QCOMPARE(runs.size(), 1);
            stem += runs.first().second - runs.first().first;
        }
        QVERIFY2(stem > 0 && side >= stem + 5, qPrintable(u"a's left side %1 px across, the d's stem %2"_s.arg(side).arg(stem)));
    }

    void openOHasAnOpenEye()
    {
        // The a's gap closes against its stem, but the o's eye is open to
        // the paper: at most the a's eye is closed in.
        for (bool twice : {false, true}) {
            const QImage grey = greyPicture(u"TheLowerCaseo"_s, 1, twice);
            QVERIFY(enclosedPatches(grey, twice ? 24 : 6) <= 1);
        }
    }

    // The o's inner loop is where the pen closes the bowl: inside the top of
    // the o, not in the a and not down in the bowl, and nothing trails out
    // of the letter beyond its shoulder.
    void innerLoopSitsAtTheTopOfTheO_data() { addSizeRows(); }

    void innerLoopSitsAtTheTopOfTheO()
    {
        QFETCH(bool, doubleSize);
        const int scale = doubleSize ? 2 : 1;
        const QImage grey = greyPicture(u"TheLowerCaseo"_s, 2, doubleSize);
        QVERIFY(!grey.isNull());
        // The o stands right of x = 60; its bowl runs from about 50 to 94.
        QImage o = grey.copy(60 * scale, 0, grey.width() - 60 * scale, grey.height());
        const QRect bowl = inkBox(o);
        QVERIFY(!bowl.isEmpty());
        // Wiping out all but the top third of the o opens its own eye to
        // the paper; what is still closed in up there is the small loop.
        const int third = bowl.top() + bowl.height() / 3;
        QImage top = o.copy();
        for (int y = third; y < top.height(); ++y)
            std::fill_n(top.scanLine(y), top.width(), uchar(255));
        QCOMPARE(enclosedPatches(top, 6 * scale * scale, 250 * scale * scale), 1);
        QCOMPARE(enclosedPatches(grey.copy(0, 0, 60 * scale, grey.height()), 6 * scale * scale, 250 * scale * scale), 0);
        // Ink reaching above or right of the bowl: the exit stays on the top.
        const QRect plain = inkBox(greyPicture(u"TheLowerCaseo"_s, 0, doubleSize).copy(60 * scale, 0, grey.width() - 60 * scale,
                                                                                      grey.height()));
        QVERIFY2(bowl.right() <= plain.right() + 2 * scale && bowl.top() >= plain.top() - 2 * scale,
                 qPrintable(u"looped o spans %1..%2 from %3, plain o %4..%5 from %6"_s.arg(bowl.left()).arg(bowl.right())
                                .arg(bowl.top()).arg(plain.left()).arg(plain.right()).arg(plain.top())));
    }

    // The d's split stem is a narrow fork in the stem itself: at its top two
    // strokes stand apart with paper between them, closing in a V lower
    // down until they are one line before the bowl begins, so the fork is
    // part of the stem and no stroke from the bowl. An ordinary tall stem is
    // a single stroke all the way; the pointed stem's strokes meet at its tip
    // and only part lower down.
    void splitDStemStandsOpen_data() { addSizeRows(); }

    void splitDStemStandsOpen()
    {
        QFETCH(bool, doubleSize);
        const int scale = doubleSize ? 2 : 1;
        struct Parting
        {
            int top = -1;       // first inked row of the stem, in 1x rows
            int firstOpen = -1; // first and last rows where two strokes stand apart
            int lastOpen = -1;
            int rows = 0;       // rows where they do
            qreal upperGap = 0, lowerGap = 0; // widest gap over the first 10 rows of the stem; gap 4 rows over the last open one
            QHash<int, qreal> gaps;            // gap by 1x row
            qreal leftWidth = 0, rightWidth = 0; // mean widths of the two strokes where they stand apart
        };
        // Over the rows down to 80 (the stem above the bowl), right of the a.
        auto parting = [&](int index) {
            const QImage grey = greyPicture(u"StemsofLowerCased"_s, index, doubleSize);
            Parting p;
            for (int y = 0; y < 80 * scale; ++y) {
                const QList<std::pair<int, int>> runs = inkRuns(grey, y, 70 * scale, 110 * scale);
                if (runs.isEmpty())
                    continue;
                if (p.top < 0)
                    p.top = y / scale;
                if (runs.size() != 2 || runs[1].first - runs[0].second < scale)
                    continue;
                const qreal gap = qreal(runs[1].first - runs[0].second) / scale;
                if (p.firstOpen < 0)
                    p.firstOpen = y / scale;
                p.lastOpen = y / scale;
                ++p.rows;
                if (y / scale - p.top < 10)
                    p.upperGap = std::max(p.upperGap, gap);
                p.gaps[y / scale] = std::max(p.gaps.value(y / scale), gap);
                p.leftWidth += runs[0].second - runs[0].first;
                p.rightWidth += runs[1].second - runs[1].first;
            }
            if (p.rows > 0) {
                p.leftWidth /= p.rows * scale;
                p.rightWidth /= p.rows * scale;
            }
            p.rows /= scale;
            p.lowerGap = p.gaps.value(p.lastOpen - 4, 0);
            return p;
        };
        const Parting split = parting(3), pointed = parting(1), high = parting(0);
        const QString got = u"split from %1, open %2..%3 on %4 rows, gap %5 at the top, %6 low down; "
                            "pointed from %7, open from %8; high open on %9 rows"_s
                                .arg(split.top).arg(split.firstOpen).arg(split.lastOpen).arg(split.rows).arg(split.upperGap)
                                .arg(split.lowerGap).arg(pointed.top).arg(pointed.firstOpen).arg(high.rows);
        QVERIFY2(split.top >= 0 && split.firstOpen >= 0, qPrintable(got));
        // Open right at the top, a narrow fork rather than two letters...
        QVERIFY2(split.firstOpen - split.top <= 4, qPrintable(got));
        QVERIFY2(split.upperGap >= 2 && split.upperGap <= 6, qPrintable(got));
        // ...open a good way down, closing in as it goes...
        QVERIFY2(split.rows >= 10, qPrintable(got));
        QVERIFY2(split.lowerGap > 0 && split.upperGap >= split.lowerGap + 1.5, qPrintable(got));
        // ...and one line again well before the bowl.
        QVERIFY2(split.lastOpen <= 74, qPrintable(got));
        // The tines part in a V, not as two lines side by side: half way
        // down the open stretch they already stand much closer than at the
        // top. Both are strokes of the pen's weight.
        const qreal midGap = split.gaps.value((split.firstOpen + split.lastOpen) / 2, 0);
        QVERIFY2(midGap <= 0.7 * split.upperGap, qPrintable(got + u", gap %1 half way down"_s.arg(midGap)));
        QVERIFY2(split.leftWidth >= 0.7 * split.rightWidth,
                 qPrintable(got + u", tines %1 and %2 wide"_s.arg(split.leftWidth).arg(split.rightWidth)));
        // The pointed stem is closed at its tip.
        QVERIFY2(pointed.firstOpen < 0 || pointed.firstOpen - pointed.top >= 3, qPrintable(got));
        // Its rising stroke is the same pen's, a shade finer than the
        // down-stroke as up-strokes are, no hairline beside it.
        QVERIFY2(pointed.rows > 0 && pointed.leftWidth >= 0.6 * pointed.rightWidth,
                 qPrintable(got + u", pointed strokes %1 and %2 wide"_s.arg(pointed.leftWidth).arg(pointed.rightWidth)));
        QCOMPARE(high.rows, 0);
    }

    // The normal, long and short t's of "hat" are written up and back down
    // over one line: from the top down past the bar to where the climb from
    // the a meets the stem, a single stroke hardly broader than the h's stem
    // written once; the bar runs well out on both sides of it. Under the
    // meeting the climb stands apart left of the stem, rising towards it.
    void normalStemIsOneLine_data()
    {
        QTest::addColumn<bool>("doubleSize");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("from"); // the first row under the t's top, 1x
        QTest::addColumn<int>("barRow");
        const struct
        {
            const char *name;
            int index, from, barRow;
        } stems[] = {{"normal", 0, 61, 76}, {"long", 1, 33, 76}, {"short", 2, 84, 80}};
        for (bool twice : {false, true})
            for (const auto &stem : stems)
                QTest::newRow(qPrintable(u"%1 %2"_s.arg(QLatin1StringView(stem.name), twice ? u"2x"_s : u"1x"_s)))
                    << twice << stem.index << stem.from << stem.barRow;
    }

    void normalStemIsOneLine()
    {
        QFETCH(bool, doubleSize);
        QFETCH(int, index);
        QFETCH(int, from);
        QFETCH(int, barRow);
        const int s = doubleSize ? 2 : 1;
        const QImage grey = greyPicture(u"StemHeight"_s, index, doubleSize);
        QVERIFY(!grey.isNull());
        auto parts = [&](int y) { return inkRuns(grey, y * s, 70 * s, 104 * s); };
        const auto top = parts(from + 2);
        QCOMPARE(top.size(), 1);
        const qreal stem = (top[0].first + top[0].second) / 2.0 / s;
        const auto bar = parts(barRow);
        QCOMPARE(bar.size(), 1);
        const QString across = u"bar from %1 to %2, stem at %3"_s.arg(qreal(bar[0].first) / s).arg(qreal(bar[0].second) / s).arg(stem);
        QVERIFY2(stem - qreal(bar[0].first) / s >= 7 && qreal(bar[0].second) / s - stem >= 7, qPrintable(across));
        // The h's stem, written once, over the a's height: the first ink
        // from the left (its arch may come down beside it, as each picture's
        // h is a copy of its own).
        int once = 0;
        for (int y = 80 * s; y < 100 * s; ++y) {
            const auto h = inkRuns(grey, y, 0, 16 * s);
            QVERIFY(!h.isEmpty());
            once = std::max(once, h[0].second - h[0].first);
        }
        for (int y = from; y <= 88; y += 3) {
            if (std::abs(y - barRow) <= 3)
                continue;
            const auto row = parts(y);
            const QString got = u"%1 strokes at row %2"_s.arg(row.size()).arg(y);
            QVERIFY2(row.size() == 1, qPrintable(got));
            QVERIFY2(row[0].second - row[0].first <= once + 3 * s,
                     qPrintable(got + u", %1 broad, the h's stem %2"_s.arg(qreal(row[0].second - row[0].first) / s).arg(qreal(once) / s)));
        }
        // Under the meeting: the climb left of the stem, nearer it higher
        // up (clear of the foot's hook on the right).
        QList<qreal> climb;
        for (int y : {103, 101, 99}) {
            const auto row = inkRuns(grey, y * s, 70 * s, 92 * s);
            const QString got = u"%1 strokes at row %2"_s.arg(row.size()).arg(y);
            QVERIFY2(row.size() == 2 && row[1].first - row[0].second >= s, qPrintable(got));
            climb.append((row[0].first + row[0].second) / 2.0 / s);
        }
        const QString rising = u"climb at %1, %2 and %3 up the rows"_s.arg(climb[0]).arg(climb[1]).arg(climb[2]);
        QVERIFY2(climb[0] < climb[1] - 1 && climb[1] < climb[2] - 1 && climb[2] < stem - 3, qPrintable(rising));
    }

    // The spread-out stem of the t in "hat" is written up and down without
    // going back over itself. The up-stroke climbs out of the a's foot and
    // meets the down-stroke in a point at the top, no loop; below the top
    // the two stand clearly apart over the lower half at least, the paper
    // between them widening towards the line, yet narrow at mid-height like
    // a tent and not an A. The legs splay both ways from the top, the
    // up-stroke bowing out to the left, the down-stroke braced a little out
    // to the right, and both are the same pen's weight. The bar sits high,
    // crosses both and reaches out further right of the stem than left.
    void spreadStemsStandApartAsATent_data()
    {
        QTest::addColumn<bool>("doubleSize");
        QTest::addColumn<int>("from"); // the t's columns, 1x
        QTest::addColumn<int>("to");
        // Right of the a's stem.
        for (bool twice : {false, true})
            QTest::newRow(twice ? "2x" : "1x") << twice << 68 << 117;
    }

    void spreadStemsStandApartAsATent()
    {
        QFETCH(bool, doubleSize);
        QFETCH(int, from);
        QFETCH(int, to);
        const int s = doubleSize ? 2 : 1;
        const QImage grey = greyPicture(u"StemHeight"_s, 3, doubleSize);
        QVERIFY(!grey.isNull());
        auto parts = [&](int y) { return inkRuns(grey, y, from * s, to * s); };
        // Its top and its foot on the line, in pixels.
        int top = -1, line = -1;
        for (int y = 40 * s; y < 120 * s; ++y)
            if (!parts(y).isEmpty()) {
                if (top < 0)
                    top = y;
                line = y;
            }
        QVERIFY2(top > 0 && line - top >= 35 * s, qPrintable(u"t from row %1 to %2"_s.arg(top).arg(line)));
        const int height = line - top;
        // The bar: the longest stretch of ink across the t.
        int barRow = -1;
        std::pair<int, int> bar{0, 0};
        for (int y = top; y < top + height / 2; ++y)
            for (const auto &run : parts(y))
                if (run.second - run.first > bar.second - bar.first) {
                    bar = run;
                    barRow = y;
                }
        QVERIFY2(bar.second - bar.first >= 15 * s, qPrintable(u"bar %1 long"_s.arg(qreal(bar.second - bar.first) / s)));
        // The point at the top: one stroke no broader than two strokes side
        // by side.
        for (int y = top; y < top + 3 * s; ++y) {
            const auto point = parts(y);
            QVERIFY2(point.size() == 1 && point[0].second - point[0].first <= 6 * s,
                     qPrintable(u"%1 strokes at row %2 under the top"_s.arg(point.size()).arg(qreal(y - top) / s)));
        }
        // Where the bar crosses the two strokes just under the point it may
        // close in a speck of paper, but nothing like a loop.
        QCOMPARE(enclosedPatches(grey.copy(from * s, top, (to - from) * s, height), 20 * s * s), 0);
        // Row by row under the top, away from the bar and clear of the
        // foot's hook: two strokes with paper between them, from the upper
        // half of the stem all the way down. The strokes' middles are kept
        // for where they stand.
        int joined = top;
        qreal upperGap = -1, lowerGap = -1, midGap = -1;
        QList<std::pair<int, qreal>> upMiddles, downMiddles; // row, column
        QList<int> upWidths, downWidths;
        const QString where = u"t from %1 to %2, bar at %3"_s.arg(qreal(top) / s).arg(qreal(line) / s).arg(qreal(barRow) / s);
        for (int y = top + 3 * s; y < line - 6 * s; ++y) {
            if (std::abs(y - barRow) <= 3 * s)
                continue;
            const auto legs = parts(y);
            const bool apart = legs.size() == 2 && legs[1].first - legs[0].second >= s;
            if (!apart) {
                joined = y;
                continue;
            }
            // The gap and the strokes' weights from four tenths of the way
            // down, clear of the point and the bar.
            if (y - top < height * 4 / 10)
                continue;
            const qreal gap = qreal(legs[1].first - legs[0].second) / s;
            if (upperGap < 0)
                upperGap = gap;
            if (midGap < 0 && (y - top) * 2 >= height)
                midGap = gap;
            lowerGap = gap;
            upWidths.append(legs[0].second - legs[0].first);
            downWidths.append(legs[1].second - legs[1].first);
            upMiddles.append({y, (legs[0].first + legs[0].second) / 2.0});
            downMiddles.append({y, (legs[1].first + legs[1].second) / 2.0});
        }
        // Each leg's weight across the stroke: a row cuts a slanting stroke
        // on the skew, so each run is narrowed by the leg's slope there.
        auto across = [](const QList<std::pair<int, qreal>> &middles, const QList<int> &widths) {
            qreal sum = 0;
            for (qsizetype i = 0; i < middles.size(); ++i) {
                const qsizetype before = std::max<qsizetype>(0, i - 2), after = std::min(middles.size() - 1, i + 2);
                const qreal rows = middles[after].first - middles[before].first;
                const qreal slope = rows > 0 ? (middles[after].second - middles[before].second) / rows : 0;
                sum += widths[i] / std::hypot(1.0, slope);
            }
            return sum;
        };
        const qreal up = across(upMiddles, upWidths), down = across(downMiddles, downWidths);
        const QString got = where + u": apart under %1, gap %2 high up, %3 midway and %4 low down, up-stroke %5 and down-stroke %6 in all"_s
                                        .arg(qreal(joined) / s).arg(upperGap).arg(midGap).arg(lowerGap).arg(up / s).arg(down / s);
        // Parted from four tenths of the way down at the latest, so the split
        // shows as a tent and not as a way in that meets the stem low down.
        QVERIFY2((joined - top) * 5 <= height * 2, qPrintable(got));
        // Wide apart at the foot, closer up high: a tent, not two parallel
        // strokes; yet a narrow one, at mid-height plainly open but no more
        // than a fifth of the stem's height across, where an A's legs stand
        // wide apart. Lower down the up-stroke runs off into the join.
        QVERIFY2(lowerGap >= 4.5 && upperGap > 0 && lowerGap >= upperGap + 1.5, qPrintable(got));
        QVERIFY2(midGap >= 3 && midGap * s * 5 <= height, qPrintable(got));
        // Legs splayed both ways: the down-stroke leans out to the right as
        // it comes down, a little, not like an A's leg; the up-stroke curves,
        // leaning out faster over its lower half than its upper, as a stroke
        // swung out of the letter before does; a ruled leg would move out
        // evenly.
        QVERIFY(upMiddles.size() >= 10);
        auto drift = [](const QList<std::pair<int, qreal>> &middles, int from, int to) {
            return middles[from].second - middles[to].second;
        };
        const int last = upMiddles.size() - 1;
        const qreal downDrift = -drift(downMiddles, 0, last) / s;
        const qreal upperDrift = drift(upMiddles, 0, last / 2) / s, lowerDrift = drift(upMiddles, last / 2, last) / s;
        const QString legsGot = got + u", down-stroke drifts %1, up-stroke out by %2 over its upper and %3 over its lower half"_s
                                          .arg(downDrift).arg(upperDrift).arg(lowerDrift);
        QVERIFY2(downDrift >= 2 && downDrift <= 6, qPrintable(legsGot));
        QVERIFY2(upperDrift > 0 && upperDrift + lowerDrift >= 3, qPrintable(legsGot));
        if (doubleSize)
            QVERIFY2(lowerDrift >= upperDrift * 1.15, qPrintable(legsGot));
        // Both legs the same pen's weight, as a ballpoint leaves a push up
        // hardly finer than a pull down: no thin stray line beside a firm
        // stem.
        QVERIFY2(up >= 0.8 * down && up <= 1.25 * down, qPrintable(got));
        // The bar reaches across both strokes where they have parted.
        int parted = barRow + 4 * s;
        while (parted < line && parts(parted).size() != 2)
            ++parted;
        const auto legs = parts(parted);
        QVERIFY2(legs.size() == 2, qPrintable(got));
        const QString barGot = got + u", bar %1..%2, strokes %3..%4 at row %5"_s.arg(qreal(bar.first) / s).arg(qreal(bar.second) / s)
                                         .arg(qreal(legs[0].first) / s).arg(qreal(legs[1].second) / s).arg(qreal(parted) / s);
        QVERIFY2(bar.first <= legs[0].first - s && bar.second >= legs[1].second + 2 * s, qPrintable(barGot));
        // Where a t's bar goes: high on the stem, in its upper three tenths,
        // and reaching out further to the right of the down-stroke than to
        // its left; an A's crossbar sits lower and evenly between its legs.
        QVERIFY2((barRow - top) * 10 <= height * 3, qPrintable(barGot));
        const qreal stem = (legs[1].first + legs[1].second) / 2.0;
        QVERIFY2(bar.second - stem >= 1.25 * (stem - bar.first), qPrintable(barGot));
    }

    // The spread t is written in the same "hat" as the other stem heights,
    // so only its stem differs: in all four the h stands apart and the a
    // runs on into the t in one piece of ink, the h and the a where the
    // normal picture has them. The join is the same movement in each: it
    // leaves the a low down at its foot, the a's stem turning along the line
    // before the pen climbs, so the a keeps its own stem instead of lending
    // it to the t as a V. And the spread t's top stands where the normal
    // stem stands, as tall.
    void spreadStemSharesTheWordHat_data() { addSizeRows(); }

    void spreadStemSharesTheWordHat()
    {
        QFETCH(bool, doubleSize);
        const int s = doubleSize ? 2 : 1;
        auto letters = [&](int index) {
            const QImage grey = greyPicture(u"StemHeight"_s, index, doubleSize);
            QList<QRect> boxes;
            for (const QList<QPoint> &piece : inkPieces(grey, 0, grey.height()))
                if (piece.size() >= 20 * s * s) {
                    QRect box;
                    for (const QPoint &p : piece)
                        box |= QRect(p, QSize(1, 1));
                    boxes.append(box);
                }
            std::sort(boxes.begin(), boxes.end(), [](const QRect &a, const QRect &b) { return a.left() < b.left(); });
            return boxes;
        };
        const QList<QRect> normal = letters(0);
        QVERIFY2(normal.size() == 2, qPrintable(u"%1 pieces in the normal picture"_s.arg(normal.size())));
        // The a's right edge: its stem, on the rows of its upper half,
        // clear of the t's bar above and of the join and the t below.
        int aRight = -1;
        {
            const QImage grey = greyPicture(u"StemHeight"_s, 0, doubleSize);
            for (int y = 81 * s; y <= 89 * s; ++y) {
                const auto runs = inkRuns(grey, y, normal[1].left(), 76 * s);
                if (!runs.isEmpty())
                    aRight = std::max(aRight, runs.last().second - 1);
            }
        }
        // Its top and foot: the ink over its own columns.
        int aTop = -1, aBottom = -1;
        {
            const QImage grey = greyPicture(u"StemHeight"_s, 0, doubleSize);
            for (int y = 0; y < grey.height(); ++y)
                if (!inkRuns(grey, y, normal[1].left(), aRight + 1).isEmpty()) {
                    if (aTop < 0)
                        aTop = y;
                    aBottom = y;
                }
        }
        const QString a = u"the a from %1 to %2, ending at %3"_s.arg(qreal(aTop) / s).arg(qreal(aBottom) / s).arg(qreal(aRight) / s);
        QVERIFY2(aRight >= 58 * s && aRight <= 70 * s && aBottom - aTop >= 25 * s, qPrintable(a));
        QList<int> spreadUnderside;
        for (int index = 3; index >= 0; --index) {
            const QList<QRect> pieces = letters(index);
            QString got = u"picture %1, pieces at"_s.arg(index);
            for (const QRect &box : pieces)
                got += u" %1..%2"_s.arg(qreal(box.left()) / s).arg(qreal(box.right() + 1) / s);
            // The h, then the a and the t as one.
            QVERIFY2(pieces.size() == 2, qPrintable(got));
            QVERIFY2(std::abs(pieces[0].left() - normal[0].left()) <= 2 * s && std::abs(pieces[0].right() - normal[0].right()) <= 2 * s,
                     qPrintable(got));
            QVERIFY2(std::abs(pieces[1].left() - normal[1].left()) <= 2 * s && pieces[1].right() >= 95 * s, qPrintable(got));
            // Just right of where the a ends, the join is the only ink, and
            // it lies in the lowest part of the a; its underside, where the
            // pen turns along the line, at the same height in every picture.
            // (The a is measured in the normal picture; each picture writes
            // its own copy, which may differ from it by a pixel.)
            const QImage grey = greyPicture(u"StemHeight"_s, index, doubleSize);
            for (int x = aRight + 2 * s; x <= aRight + 5 * s; ++x) {
                const auto runs = inkRunsDown(grey, x, 0, grey.height());
                const QString join = got + u"; %1; column %2: ink from row %3"_s.arg(a).arg(qreal(x) / s)
                                               .arg(runs.isEmpty() ? -1.0 : qreal(runs[0].first) / s);
                QVERIFY2(runs.size() == 1 && (runs[0].first + s - aTop) * 4 >= (aBottom - aTop) * 3, qPrintable(join));
                const int underside = runs[0].second;
                if (index == 3)
                    spreadUnderside.append(underside);
                const int spread = spreadUnderside[(x - aRight - 2 * s)];
                QVERIFY2(std::abs(underside - spread) <= s,
                         qPrintable(join + u" to %1, the spread one's to %2"_s.arg(qreal(underside) / s).arg(qreal(spread) / s)));
            }
        }
        // The t's top, its column and height, against the normal stem's.
        const QList<QRect> spread = letters(3);
        auto stem = [&](int index, const QRect &t) {
            const QImage picture = greyPicture(u"StemHeight"_s, index, doubleSize);
            const auto runs = inkRuns(picture, t.top() + 2 * s, t.left(), t.right() + 1);
            return runs.isEmpty() ? -1.0 : (runs.last().first + runs.last().second) / 2.0 / s;
        };
        const qreal spreadStem = stem(3, spread[1]), normalStem = stem(0, normal[1]);
        const QString where = u"stems at %1 and %2, tops at %3 and %4"_s.arg(spreadStem).arg(normalStem)
                                  .arg(qreal(spread[1].top()) / s).arg(qreal(normal[1].top()) / s);
        QVERIFY2(spreadStem > 0 && std::abs(spreadStem - normalStem) <= 4, qPrintable(where));
        QVERIFY2(std::abs(spread[1].top() - normal[1].top()) <= 2 * s, qPrintable(where));
    }

    // Stem heights of the t in "hat" against its a: the normal stem rises
    // well over the a, the short one no higher than the a's top, barely
    // clear of its own bar.
    void shortStemStaysLevelWithTheA_data() { addSizeRows(); }

    void shortStemStaysLevelWithTheA()
    {
        QFETCH(bool, doubleSize);
        const int s = doubleSize ? 2 : 1;
        struct Heights
        {
            qreal a = -1, t = -1, bar = -1;
        };
        auto measure = [&](int index) {
            const QImage grey = greyPicture(u"StemHeight"_s, index, doubleSize);
            Heights h;
            int widest = 0;
            for (int y = 0; y < grey.height(); ++y) {
                if (h.a < 0 && !inkRuns(grey, y, 42 * s, 70 * s).isEmpty())
                    h.a = qreal(y) / s;
                // The stem of the t, at 86, clear of the bar's ends.
                if (h.t < 0 && !inkRuns(grey, y, 82 * s, 91 * s).isEmpty())
                    h.t = qreal(y) / s;
                // The bar: the row with the longest stretch of ink across the t.
                for (const auto &[from, to] : inkRuns(grey, y, 72 * s, 104 * s))
                    if (to - from > widest) {
                        widest = to - from;
                        h.bar = qreal(y) / s;
                    }
            }
            return h;
        };
        const Heights normal = measure(0), shortStem = measure(2);
        const QString got = u"a from %1; normal t from %2, bar at %3; short t from %4, bar at %5"_s.arg(normal.a).arg(normal.t)
                                .arg(normal.bar).arg(shortStem.t).arg(shortStem.bar);
        QVERIFY2(normal.a > 0 && normal.t > 0 && shortStem.t > 0, qPrintable(got));
        QVERIFY2(normal.a - normal.t >= 12, qPrintable(got));
        QVERIFY2(shortStem.t >= shortStem.a - 1.5, qPrintable(got));
        // Still a t: the stem shows over the bar.
        QVERIFY2(shortStem.bar - shortStem.t >= 2.5 && shortStem.bar - shortStem.t <= 7, qPrintable(got));
    }

    // However wide the gaps, the words of a line sit on one line: each is
    // aimed at it afresh, not set hopping up and down from word to word as
    // if pasted in one by one. The foot of a word is where most of its
    // columns of ink end (a tail under the line is only a few of them).
    void widelySpacedWordsKeepToTheLine_data() { addSizeRows(); }

    void widelySpacedWordsKeepToTheLine()
    {
        QFETCH(bool, doubleSize);
        const int s = doubleSize ? 2 : 1;
        for (int index : {1, 4}) {
            const QImage grey = greyPicture(u"WordSpacing"_s, index, doubleSize);
            QVERIFY(!grey.isNull());
            for (int line = 0; line < 5; ++line) {
                const int baseline = 22 + 21 * line;
                const int top = (baseline - 14) * s, bottom = std::min(grey.height(), (baseline + 6) * s);
                auto foot = [&](int x) {
                    int lowest = -1;
                    for (int y = top; y < bottom; ++y)
                        if (grey.constScanLine(y)[x] < 128)
                            lowest = y;
                    return lowest;
                };
                // Words: runs of inked columns parted by four columns (1x) of paper.
                QList<qreal> feet;
                QList<int> bottoms;
                int lastInk = -100;
                auto closeWord = [&]() {
                    if (bottoms.isEmpty())
                        return;
                    std::sort(bottoms.begin(), bottoms.end());
                    feet.append(qreal(bottoms[bottoms.size() / 2]) / s);
                    bottoms.clear();
                };
                for (int x = 0; x < grey.width(); ++x) {
                    const int f = foot(x);
                    if (f < 0)
                        continue;
                    if (x - lastInk >= 4 * s)
                        closeWord();
                    bottoms.append(f);
                    lastInk = x;
                }
                closeWord();
                QVERIFY2(feet.size() >= 2, qPrintable(u"picture %1 line %2: %3 words"_s.arg(index).arg(line).arg(feet.size())));
                const auto [low, high] = std::minmax_element(feet.begin(), feet.end());
                QStringList got;
                for (qreal f : feet)
                    got.append(QString::number(f));
                QVERIFY2(*high - *low <= 2.5, qPrintable(u"picture %1 line %2: words' feet at %3"_s.arg(index).arg(line).arg(got.join(u", "_s))));
            }
        }
    }

    void wordSpacingKeepsWordsApart_data() { addSizeRows(); }

    // Even the closest-spaced words stand apart: on every full line of the
    // small-spacing picture, columns of clear paper part the words, and the
    // gaps of the large-spacing picture are several times wider.
    void wordSpacingKeepsWordsApart()
    {
        QFETCH(bool, doubleSize);
        const int scale = doubleSize ? 2 : 1;
        // The widths of the clear gaps between inked columns across the
        // small letters of the line on `baseline`, in picture units.
        auto gaps = [&](int index, int baseline) {
            const QImage grey = greyPicture(u"WordSpacing"_s, index, doubleSize);
            return clearColumnGaps(grey, (baseline - 5) * scale, baseline * scale + 1, scale, 160);
        };
        auto wide = [](const QList<qreal> &g, qreal least) {
            return int(std::count_if(g.begin(), g.end(), [least](qreal w) { return w >= least; }));
        };
        for (int baseline : {22, 43, 64, 85}) {
            const QList<qreal> small = gaps(2, baseline);
            const QList<qreal> large = gaps(3, baseline);
            QVERIFY2(wide(small, 1.5) >= 3, qPrintable(u"line at %1: small-spacing gaps %2"_s.arg(baseline).arg(wide(small, 1.5))));
            QVERIFY2(wide(large, 9) >= 2, qPrintable(u"line at %1: large-spacing gaps %2"_s.arg(baseline).arg(wide(large, 9))));
            QVERIFY2(wide(small, 7) == 0, qPrintable(u"line at %1: small spacing has a wide gap"_s.arg(baseline)));
        }
    }

    // Widely spaced letters are spaced by hand, not by a typesetter: the
    // gaps between them are all far wider than the normal spacing's, yet
    // differ plainly from one another within each word.
    void wideLetterGapsVary_data() { addSizeRows(); }

    void wideLetterGapsVary()
    {
        QFETCH(bool, doubleSize);
        const int scale = doubleSize ? 2 : 1;
        // Widths (1x) of the clear column runs between the letters of the
        // word whose line lies between rows `from` and `to` (1x).
        auto gaps = [&](int index, int from, int to) {
            return clearColumnGaps(greyPicture(u"LetterSpacing"_s, index, doubleSize), from * scale, to * scale, scale);
        };
        for (auto [from, to, letters] : {std::tuple{20, 62, 4}, std::tuple{64, 110, 5}}) {
            const QList<qreal> wide = gaps(1, from, to);
            const QList<qreal> normal = gaps(2, from, to);
            QStringList got;
            for (qreal g : wide)
                got.append(QString::number(g));
            const QString what = u"wide gaps %1"_s.arg(got.join(u' '));
            QVERIFY2(wide.size() == letters - 1, qPrintable(what));
            QVERIFY2(normal.size() == letters - 1, qPrintable(u"normal spacing parts %1 letters"_s.arg(normal.size() + 1)));
            const qreal least = *std::min_element(wide.begin(), wide.end());
            const qreal most = *std::max_element(wide.begin(), wide.end());
            const qreal normalMost = *std::max_element(normal.begin(), normal.end());
            QVERIFY2(least > normalMost, qPrintable(what + u", normal at most %1"_s.arg(normalMost)));
            QVERIFY2(most >= 1.4 * least, qPrintable(what));
        }
    }

    // Close letters are written close, not squeezed into one another: in the
    // crowded picture each letter of both words is a piece of ink of its own,
    // never run into its neighbour, yet the paper between two neighbours is
    // at its narrowest a sliver, well under the normal spacing's.
    void closeLettersNearlyTouchButDoNotRunTogether_data() { addSizeRows(); }

    void closeLettersNearlyTouchButDoNotRunTogether()
    {
        QFETCH(bool, doubleSize);
        const int scale = doubleSize ? 2 : 1;
        // Nearest distances (1x units) between neighbouring pieces of the
        // word whose line lies between rows `from` and `to` (1x).
        auto nearest = [&](int index, int from, int to, qsizetype *pieceCount) {
            const QList<QList<QPoint>> pieces =
                inkPieces(greyPicture(u"LetterSpacing"_s, index, doubleSize), from * scale, to * scale);
            *pieceCount = pieces.size();
            QList<qreal> out;
            for (qsizetype i = 1; i < pieces.size(); ++i) {
                qreal best = 1e9;
                for (const QPoint &a : pieces[i - 1])
                    for (const QPoint &b : pieces[i])
                        best = std::min(best, std::hypot(qreal(a.x() - b.x()), qreal(a.y() - b.y())));
                out.append(best / scale);
            }
            return out;
        };
        for (auto [from, to, letters] : {std::tuple{20, 62, 4}, std::tuple{64, 110, 5}}) {
            qsizetype closePieces = 0, normalPieces = 0;
            const QList<qreal> close = nearest(0, from, to, &closePieces);
            const QList<qreal> normal = nearest(2, from, to, &normalPieces);
            QStringList got;
            for (qreal d : close)
                got.append(QString::number(d, 'f', 1));
            const QString what = u"close letters %1 apart"_s.arg(got.join(u' '));
            QVERIFY2(closePieces == letters, qPrintable(u"%1 letters in %2 pieces"_s.arg(letters).arg(closePieces)));
            QCOMPARE(normalPieces, qsizetype(letters));
            const qreal closeMean = std::accumulate(close.begin(), close.end(), 0.0) / close.size();
            const qreal normalMean = std::accumulate(normal.begin(), normal.end(), 0.0) / normal.size();
            QVERIFY2(*std::max_element(close.begin(), close.end()) <= 3, qPrintable(what));
            QVERIFY2(closeMean * 2.5 <= normalMean, qPrintable(what + u", normal %1 on average"_s.arg(normalMean)));
        }
    }

    // No letter is stamped: in the widely spaced print, the e, s and t that
    // both words share come out as different copies, differing in shape
    // more than the pen's size and lean alone would make them, yet each
    // pair stays far nearer alike than two different letters.
    void repeatedPrintedLettersAreCopiesNotStamps()
    {
        const QImage grey = greyPicture(u"LetterSpacing"_s, 1, true);
        QVERIFY(!grey.isNull());
        // The letters of the word between rows `from` and `to` (1x): the
        // ink boxes (2x pixels) of the runs of inked columns.
        auto letters = [&](int from, int to) {
            QList<QRect> out;
            int start = -1;
            for (int x = 0; x <= grey.width(); ++x) {
                bool ink = false;
                for (int y = from * 2; y < to * 2 && x < grey.width() && !ink; ++y)
                    ink = grey.constScanLine(y)[x] < 128;
                if (ink && start < 0)
                    start = x;
                if (!ink && start >= 0) {
                    QRect box;
                    for (int y = from * 2; y < to * 2; ++y)
                        for (int c = start; c < x; ++c)
                            if (grey.constScanLine(y)[c] < 128)
                                box |= QRect(c, y, 1, 1);
                    out.append(box);
                    start = -1;
                }
            }
            return out;
        };
        const QList<QRect> best = letters(20, 62), notes = letters(64, 110);
        QCOMPARE(best.size(), 4);
        QCOMPARE(notes.size(), 5);
        // A letter's ink on an 8 x 8 grid laid over its own box, so that
        // copies of different size and place compare by shape alone.
        auto shape = [&](const QRect &box) {
            const int n = 8;
            QList<qreal> sum(n * n, 0), count(n * n, 0);
            for (int y = box.top(); y <= box.bottom(); ++y)
                for (int x = box.left(); x <= box.right(); ++x) {
                    const int i = std::min(n - 1, (x - box.left()) * n / box.width());
                    const int j = std::min(n - 1, (y - box.top()) * n / box.height());
                    sum[j * n + i] += 255 - grey.constScanLine(y)[x];
                    count[j * n + i] += 1;
                }
            for (int k = 0; k < n * n; ++k)
                sum[k] = count[k] > 0 ? sum[k] / count[k] : 0;
            return sum;
        };
        auto apart = [&](const QRect &a, const QRect &b) {
            const QList<qreal> sa = shape(a), sb = shape(b);
            qreal d = 0;
            for (qsizetype k = 0; k < sa.size(); ++k)
                d += std::abs(sa[k] - sb[k]);
            return d / sa.size();
        };
        // b e s t / n o t e s
        const qreal e = apart(best[1], notes[3]), s = apart(best[2], notes[4]), t = apart(best[3], notes[2]);
        const qreal unlike = apart(best[2], notes[3]); // an s against an e
        const QString got = u"copies apart: e %1, s %2, t %3; s against e %4"_s.arg(e).arg(s).arg(t).arg(unlike);
        // Stamped copies, only scaled and leaned a little, measure about 25.
        QVERIFY2((e + s + t) / 3 >= 32, qPrintable(got));
        for (qreal copy : {e, s, t}) {
            QVERIFY2(copy >= 20, qPrintable(got));
            QVERIFY2(copy <= 0.6 * unlike, qPrintable(got));
        }
    }

    // Very large word spaces are a habit of the hand, not a typesetter's or a
    // grid's: the gaps are all far wider than the large spacing's and about
    // alike, the lines end unevenly where their next word would not go
    // rather than fitted to the edge, and the gaps of one line do not stand
    // over those of the next in channels of clear paper.
    // Very large spaces are written in the same hand and size as the other
    // spacings, not a smaller one squeezed in to fit more words: the band of
    // the small letters (rows holding at least half the densest row's ink)
    // on each of the first lines is as tall as the large spacing's, and the
    // very wide gaps, though alike, differ by a few pixels as a hand's do.
    void veryLargeWordSpacesKeepTheHandsSize_data() { addSizeRows(); }

    void veryLargeWordSpacesKeepTheHandsSize()
    {
        QFETCH(bool, doubleSize);
        const int scale = doubleSize ? 2 : 1;
        // The height (1x) of the small letters' band of the line on `baseline`.
        auto band = [&](int index, int baseline) {
            const QImage grey = greyPicture(u"WordSpacing"_s, index, doubleSize);
            QList<int> counts;
            for (int y = (baseline - 12) * scale; y <= (baseline + 1) * scale; ++y) {
                int count = 0;
                for (int x = 0; x < grey.width(); ++x)
                    count += grey.constScanLine(y)[x] < 160;
                counts.append(count);
            }
            const int densest = *std::max_element(counts.begin(), counts.end());
            const auto rows = std::count_if(counts.begin(), counts.end(), [&](int c) { return 2 * c >= densest; });
            return qreal(rows) / scale;
        };
        // A band is only a few rows, so the lines are taken together.
        QStringList got;
        qreal large = 0, veryLarge = 0;
        for (int baseline : {22, 43, 64, 85, 106}) {
            large += band(3, baseline);
            veryLarge += band(4, baseline);
            got.append(u"%1: %2 against %3"_s.arg(baseline).arg(band(4, baseline)).arg(band(3, baseline)));
        }
        QVERIFY2(veryLarge >= 0.85 * large && veryLarge <= 1.15 * large, qPrintable(got.join(u"; ")));
    }

    void veryLargeWordSpacesDoNotStandInColumns_data() { addSizeRows(); }

    void veryLargeWordSpacesDoNotStandInColumns()
    {
        QFETCH(bool, doubleSize);
        const int scale = doubleSize ? 2 : 1;
        // Per line of the picture `index` on each of `baselines`: which
        // columns (1x) its small letters leave clear between its first and
        // last ink, its word gaps (clear runs wider than 6) and where it ends.
        struct Line
        {
            QList<bool> clear;
            QList<qreal> gaps;
            QList<int> starts; // where each word after the first starts
            int end = -1;
        };
        auto lines = [&](int index, const QList<int> &baselines) {
            const QImage grey = greyPicture(u"WordSpacing"_s, index, doubleSize);
            QList<Line> out;
            for (int baseline : baselines) {
                Line line;
                QList<bool> row(118, true);
                for (int x = 0; x < 118 * scale; ++x)
                    for (int y = (baseline - 5) * scale; y <= baseline * scale; ++y)
                        if (grey.constScanLine(y)[x] < 160)
                            row[x / scale] = false;
                int firstInk = -1;
                for (int x = 0; x < 118; ++x) {
                    if (row[x])
                        continue;
                    if (line.end >= 0 && x - line.end > 6) {
                        line.gaps.append(x - line.end - 1);
                        line.starts.append(x);
                    }
                    if (firstInk < 0)
                        firstInk = x;
                    line.end = x;
                }
                // Paper before a line starts or after it ends is no gap.
                for (int x = 0; x < 118; ++x)
                    row[x] = row[x] && x > firstInk && x < line.end;
                line.clear = row;
                out.append(line);
            }
            return out;
        };
        const QList<Line> veryLarge = lines(4, {22, 43, 64, 85, 106});
        QList<qreal> gaps, large;
        for (const Line &l : veryLarge)
            gaps.append(l.gaps);
        for (const Line &l : lines(3, {22, 43, 64, 85, 106}))
            large.append(l.gaps);
        QStringList got;
        for (qreal g : gaps)
            got.append(QString::number(g));
        const QString all = u"word gaps %1"_s.arg(got.join(u' '));
        QVERIFY2(gaps.size() >= 7 && large.size() >= 5, qPrintable(all));
        const qreal least = *std::min_element(gaps.begin(), gaps.end());
        const qreal most = *std::max_element(gaps.begin(), gaps.end());
        const qreal largeMean = std::accumulate(large.begin(), large.end(), 0.0) / large.size();
        QVERIFY2(least >= 1.5 * largeMean, qPrintable(all + u"; large spacing's %1 on average"_s.arg(largeMean)));
        QVERIFY2(most <= 1.35 * least, qPrintable(all));
        // Kept by hand, not by a ruler: the wide gaps differ by a few pixels.
        QVERIFY2(most - least >= 3, qPrintable(all));
        // Ragged, not justified: the full lines (all but the last) end at
        // plainly different places, one of them well short of the others,
        // and no three of them end together against the right edge.
        QList<int> ends;
        for (qsizetype i = 0; i + 1 < veryLarge.size(); ++i)
            ends.append(veryLarge[i].end);
        const QString endsAt = u"lines end at %1"_s.arg([&] {
            QStringList e;
            for (int v : ends)
                e.append(QString::number(v));
            return e.join(u' ');
        }());
        std::sort(ends.begin(), ends.end());
        QVERIFY2(ends.first() <= ends.last() - 18, qPrintable(endsAt));
        for (qsizetype i = 2; i < ends.size(); ++i)
            QVERIFY2(ends[i] - ends[i - 2] > 4, qPrintable(endsAt));
        // Channels (at least 4 columns wide) of paper clear through four
        // lines in a row, within their words. Short words starting several
        // lines may leave one; a grid's columns of words leave two or more.
        for (qsizetype l = 0; l + 3 < veryLarge.size(); ++l) {
            int channels = 0, run = 0;
            for (int x = 0; x < 118; ++x) {
                bool shared = true;
                for (qsizetype k = l; k < l + 4; ++k)
                    shared = shared && veryLarge[k].clear[x];
                run = shared ? run + 1 : 0;
                channels += run == 4;
            }
            QVERIFY2(channels <= 1, qPrintable(u"lines %1 to %2 share %3 channels"_s.arg(l).arg(l + 3).arg(channels)));
        }
        // Running text, not a table: lines hold two words or three, both kinds
        // more than once, and no word of a line starts under one of the line
        // above, where two columns would begin to form.
        QStringList starts;
        int twos = 0, threes = 0;
        for (const Line &l : veryLarge) {
            QStringList s;
            for (int x : l.starts)
                s.append(QString::number(x));
            starts.append(s.join(u','));
            twos += l.starts.size() == 1;
            threes += l.starts.size() == 2;
        }
        const QString where = u"words start at %1"_s.arg(starts.join(u" / "));
        QVERIFY2(twos >= 2 && threes >= 2 && twos + threes == veryLarge.size(), qPrintable(where));
        for (qsizetype l = 1; l < veryLarge.size(); ++l)
            for (int a : veryLarge[l - 1].starts)
                for (int b : veryLarge[l].starts)
                    QVERIFY2(std::abs(a - b) >= 6, qPrintable(u"line %1: "_s.arg(l) + where));
        // Nor under one two lines up: every other line's words lined up
        // read as a grid just as well.
        for (qsizetype l = 2; l < veryLarge.size(); ++l)
            for (int a : veryLarge[l - 2].starts)
                for (int b : veryLarge[l].starts)
                    QVERIFY2(std::abs(a - b) >= 5, qPrintable(u"lines %1 and %2: "_s.arg(l - 2).arg(l) + where));
    }

    // Each picture is written afresh, not the same words stamped again: the
    // first line, which every spacing writes in the same place, differs
    // from picture to picture in more than the edges of its strokes.
    void lineSpacingPicturesAreWrittenAfresh_data() { addSizeRows(); }

    void lineSpacingPicturesAreWrittenAfresh()
    {
        QFETCH(bool, doubleSize);
        const int s = doubleSize ? 2 : 1;
        QList<QImage> pictures;
        for (int index = 0; index < 4; ++index)
            pictures.append(greyPicture(u"LineSpacing"_s, index, doubleSize));
        for (int a = 0; a < pictures.size(); ++a)
            for (int b = a + 1; b < pictures.size(); ++b) {
                qint64 difference = 0;
                int ink = 0;
                for (int y = 6 * s; y < 25 * s; ++y) {
                    const uchar *one = pictures[a].constScanLine(y), *two = pictures[b].constScanLine(y);
                    for (int x = 0; x < pictures[a].width(); ++x) {
                        difference += std::abs(int(one[x]) - int(two[x]));
                        ink += one[x] < 128;
                    }
                }
                // The same strokes drawn again differ only along their edges
                // (well under 60 per inked pixel, as the two sizes of one
                // picture do); moved and reshaped ones by much more.
                QVERIFY(ink > 0);
                const double perInk = double(difference) / ink;
                QVERIFY2(perInk >= 90, qPrintable(u"pictures %1 and %2: first lines differ by %3 per inked pixel"_s
                                                      .arg(a).arg(b).arg(perInk)));
            }
    }

    // A page shows one word in every picture, each with its own stroke or
    // dot: written afresh for each picture, as samples from different
    // writers are, not one word stamped again with another mark added. Away
    // from where the marks join it, the word differs from picture to picture
    // in more than the edges of its lines.
    void pagesWriteTheirWordAfresh_data()
    {
        QTest::addColumn<QString>("trait");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("bare"); // the picture without the mark, or the first
        QTest::addColumn<QRect>("letters"); // 1x; empty: found from the word's stems
        QTest::addColumn<bool>("doubleSize");
        const struct
        {
            QString trait;
            int count, bare;
            QRect letters;
        } pages[] = {{u"BeginningStroke"_s, 5, 4, {}},
                     {u"EndingStroke"_s, 7, 6, {}},
                     {u"IDotAnalysis"_s, 9, 8, {}},
                     {u"StemHeight"_s, 4, 0, QRect(QPoint(5, 78), QPoint(57, 105))}, // "ha" before the t
                     {u"BarHeight"_s, 4, 0, QRect(QPoint(45, 82), QPoint(67, 108))}, // the o between the t's
                     {u"TheCapitalLetterI"_s, 9, 0, QRect(QPoint(70, 91), QPoint(110, 106))}}; // "am" after the I
        for (const auto &page : pages)
            for (bool twice : {false, true})
                QTest::newRow(qPrintable(page.trait + (twice ? u" 2x"_s : u" 1x"_s)))
                    << page.trait << page.count << page.bare << page.letters << twice;
    }

    void pagesWriteTheirWordAfresh()
    {
        QFETCH(QString, trait);
        QFETCH(int, count);
        QFETCH(int, bare);
        QFETCH(QRect, letters);
        QFETCH(bool, doubleSize);
        const int s = doubleSize ? 2 : 1;
        const QImage plain = greyPicture(trait, bare, doubleSize);
        QRect word = inkBox(plain);
        QVERIFY(word.isValid());
        // The word's own band, clear of where the marks join it: right of
        // the m's first stem for a beginning, left of the n's last for an
        // ending, the m alone for the i-dots; and above the line, under
        // which some strokes run.
        const QList<std::pair<int, int>> stems = inkRuns(plain, word.bottom() - 6 * s, 0, plain.width());
        QVERIFY(stems.size() >= 3);
        int from = word.left(), to = word.right() + 1;
        if (!letters.isEmpty()) {
            word = QRect(letters.topLeft() * s, letters.bottomRight() * s + QPoint(s - 1, s - 1));
            from = word.left();
            to = word.right() + 1;
        } else if (trait == u"BeginningStroke"_s) {
            from = stems.first().second + 3 * s;
        } else if (trait == u"EndingStroke"_s) {
            to = stems.last().first - 3 * s;
        } else {
            QVERIFY(stems.size() >= 4);
            to = stems[3].first - 2 * s;
        }
        for (int index = 0; index < count; ++index) {
            if (index == bare)
                continue;
            const QImage other = greyPicture(trait, index, doubleSize);
            qint64 difference = 0;
            int ink = 0;
            for (int y = word.top() + 2 * s; y < word.bottom() - 2 * s; ++y) {
                const uchar *one = plain.constScanLine(y), *two = other.constScanLine(y);
                for (int x = from; x < to; ++x) {
                    difference += std::abs(int(one[x]) - int(two[x]));
                    ink += one[x] < 128;
                }
            }
            // Stamped again, the word would not differ at all; each copy
            // differs by tens of grey levels per inked pixel.
            QVERIFY(ink > 0);
            QVERIFY2(double(difference) / ink >= 20, qPrintable(u"picture %1 differs from the bare word by %2 per inked pixel"_s
                                                                   .arg(index).arg(double(difference) / ink)));
        }
    }

    // Long loops are written open: drawn out long but no wider, a loop
    // closes into a slit, and its two sides read as one stroke drawn
    // hollow. Slits of paper a pixel or two wide between strokes are no
    // commoner, for the ink, in the long-looped hand than in the ordinary one.
    void longLoopsStayOpen_data() { addSizeRows(); }

    void longLoopsStayOpen()
    {
        QFETCH(bool, doubleSize);
        const int widest = doubleSize ? 2 : 1;
        auto slitsPerInk = [&](int index) {
            const QImage grey = greyPicture(u"LineSpacing"_s, index, doubleSize);
            int slits = 0, ink = 0;
            for (int y = 0; y < grey.height(); ++y) {
                const uchar *row = grey.constScanLine(y);
                int lastInk = -1;
                for (int x = 0; x < grey.width(); ++x) {
                    if (row[x] >= 128)
                        continue;
                    ++ink;
                    const int gap = x - lastInk - 1;
                    slits += lastInk >= 0 && gap >= 1 && gap <= widest;
                    lastInk = x;
                }
            }
            return ink ? 1000.0 * slits / ink : 0.0;
        };
        const double ordinary = slitsPerInk(0), longLoops = slitsPerInk(4);
        QVERIFY2(ordinary > 0 && longLoops <= 1.2 * ordinary,
                 qPrintable(u"slits per thousand inked pixels: long loops %1, ordinary %2"_s.arg(longLoops).arg(ordinary)));
    }

    // Narrow line spacing is not a slightly smaller even spacing: the lines
    // crowd until the tails of one reach down among the tall letters of the
    // next, so no row of clear paper parts them, where the evenly spaced
    // lines each have a band of paper of their own between them.
    void narrowLinesLeaveNoPaperBetween_data() { addSizeRows(); }

    void narrowLinesLeaveNoPaperBetween()
    {
        QFETCH(bool, doubleSize);
        const int scale = doubleSize ? 2 : 1;
        // Bands of at least two clear rows (1x) between the first and last
        // inked rows of the writing.
        auto bands = [&](int index) {
            const QImage grey = greyPicture(u"LineSpacing"_s, index, doubleSize);
            QList<bool> clear;
            for (int y = 0; y < grey.height(); ++y) {
                const uchar *row = grey.constScanLine(y);
                clear.append(std::all_of(row, row + grey.width(), [](uchar v) { return v >= 200; }));
            }
            const qsizetype first = clear.indexOf(false), last = clear.lastIndexOf(false);
            int count = 0, run = 0;
            for (qsizetype y = first; y <= last; ++y) {
                run = clear[y] ? run + 1 : 0;
                count += run == 2 * scale;
            }
            return count;
        };
        const int even = bands(0), narrow = bands(3);
        QVERIFY2(even >= 4, qPrintable(u"evenly spaced lines parted by %1 bands of paper"_s.arg(even)));
        QVERIFY2(narrow == 0, qPrintable(u"narrowly spaced lines parted by %1 bands of paper"_s.arg(narrow)));
    }

    // Overlapping lines tangle their loops, not their words: no row of clear
    // paper parts any two lines, yet down the picture the small letters of
    // each line still make a band of dense ink of its own, with only the
    // loops crossing the sparser rows between.
    void overlappingLinesKeepTheirSmallLettersApart_data() { addSizeRows(); }

    void overlappingLinesKeepTheirSmallLettersApart()
    {
        QFETCH(bool, doubleSize);
        const int scale = doubleSize ? 2 : 1;
        const QImage grey = greyPicture(u"LineSpacing"_s, 4, doubleSize);
        QVERIFY(!grey.isNull());
        // Ink per 1x row, smoothed over three rows.
        QList<qreal> ink(131, 0);
        for (int y = 0; y < grey.height(); ++y)
            for (int x = 0; x < grey.width(); ++x)
                ink[y / scale] += grey.constScanLine(y)[x] < 128 ? 1.0 / (scale * scale) : 0;
        QList<qreal> smooth(131, 0);
        for (int y = 1; y + 1 < 131; ++y)
            smooth[y] = (ink[y - 1] + ink[y] + ink[y + 1]) / 3;
        const qsizetype first = std::find_if(ink.begin(), ink.end(), [](qreal v) { return v > 0; }) - ink.begin();
        const qsizetype last = std::find_if(ink.rbegin(), ink.rend(), [](qreal v) { return v > 0; }).base() - ink.begin() - 1;
        for (qsizetype y = first; y <= last; ++y)
            QVERIFY2(ink[y] > 0, qPrintable(u"a clear row at %1 parts two lines"_s.arg(y)));
        // Bands: runs of rows at least half as dense as the densest row,
        // parted by sparser rows that only the loops cross.
        const qreal densest = *std::max_element(smooth.begin(), smooth.end());
        int bands = 0;
        bool inBand = false;
        for (qsizetype y = first; y <= last; ++y) {
            const bool dense = smooth[y] >= 0.5 * densest;
            bands += dense && !inBand;
            inBand = dense;
        }
        // One per line: the picture holds seven lines.
        QVERIFY2(bands >= 6 && bands <= 8, qPrintable(u"%1 bands of small letters"_s.arg(bands)));
    }

    // The extreme slants lean opposite ways: against the upright writing, the
    // ink at the top of the first line sits well left of its foot in one and
    // well right in the other; yet both are written with the same weight,
    // the upright writing's.
    void extremeSlantsLeanApart_data() { addSizeRows(); }

    void extremeSlantsLeanApart()
    {
        QFETCH(bool, doubleSize);
        const int scale = doubleSize ? 2 : 1;
        auto lean = [&](int index) {
            const QImage grey = greyPicture(u"Slant"_s, index, doubleSize);
            auto middle = [&](int from, int to) {
                qreal sum = 0;
                int count = 0;
                for (int y = from * scale; y < to * scale; ++y)
                    for (int x = 0; x < grey.width(); ++x)
                        if (grey.constScanLine(y)[x] < 128) {
                            sum += x;
                            ++count;
                        }
                return count ? sum / count / scale : 0.0;
            };
            // Upper ascenders against the feet of the first line.
            return middle(16, 24) - middle(32, 38);
        };
        const qreal upright = lean(0), left = lean(2), right = lean(4);
        const QString got = u"upright %1, left %2, right %3"_s.arg(upright).arg(left).arg(right);
        QVERIFY2(left < upright - 4 && right > upright + 4, qPrintable(got));
        // The moderate slants lean about as far as each other, the backhand
        // a shade further: a backward lean reads as slighter than a forward
        // one of the same measure, and a backhand that looks nearly upright
        // is taken for the vertical writing.
        // Measured on the down-strokes of each line.
        auto stems = [&](int index) {
            return strokeLean(greyPicture(u"Slant"_s, index, doubleSize), {38 * scale, 76 * scale, 114 * scale}, 12 * scale);
        };
        const qreal modestLeft = -stems(1), modestRight = stems(3);
        const QString modest = u"moderate left leans %1, right %2"_s.arg(modestLeft).arg(modestRight);
        QVERIFY2(modestRight > 0.1, qPrintable(modest));
        QVERIFY2(modestLeft >= 1.05 * modestRight && modestLeft <= 1.4 * modestRight, qPrintable(modest));
        // The hand turns its pen with its slant: leaning either way, the same
        // words carry about the same ink, not hairline stems one way and bold
        // ones the other, as a sloped typeface would.
        auto ink = [&](int index) {
            const QImage grey = greyPicture(u"Slant"_s, index, doubleSize);
            int dark = 0;
            for (int y = 0; y < grey.height(); ++y)
                for (int x = 0; x < grey.width(); ++x)
                    dark += grey.constScanLine(y)[x] < 128;
            return qreal(dark);
        };
        const qreal leftInk = ink(2), rightInk = ink(4), uprightInk = ink(0);
        const QString weights = u"ink leaning left %1, right %2, upright %3 pixels"_s.arg(leftInk).arg(rightInk).arg(uprightInk);
        QVERIFY2(std::max(leftInk, rightInk) <= 1.08 * std::min(leftInk, rightInk), qPrintable(weights));
        // Nor are they thinner than the upright writing's: leaning, the same
        // strokes run longer, so at the same weight they carry more ink.
        QVERIFY2(std::min(leftInk, rightInk) >= uprightInk, qPrintable(weights));
    }

    // A far-leaning hand writes its bowls as leaning ovals of about the
    // upright bowl's size, not upright circles pushed over into slivers: the
    // extreme slants close in as many eyes as the upright writing, the
    // typical eye is at least as roomy as the upright one's, as a round
    // letter tipped over keeps its width (squeezed ones come out smaller),
    // and, where the 2x picture shows it finely enough, all the eyes
    // together keep most of the upright ones' room (sheared bowls pushed
    // over keep under two thirds of it).
    void extremeSlantBowlsKeepTheirSize_data() { addSizeRows(); }

    void extremeSlantBowlsKeepTheirSize()
    {
        QFETCH(bool, doubleSize);
        const int s = doubleSize ? 2 : 1;
        auto eyes = [&](int index) {
            QList<int> sizes = enclosedPatchSizes(greyPicture(u"Slant"_s, index, doubleSize), 3 * s * s);
            std::sort(sizes.begin(), sizes.end());
            return sizes;
        };
        const QList<int> upright = eyes(0);
        auto median = [](const QList<int> &l) { return l.isEmpty() ? 0 : l[l.size() / 2]; };
        for (int index : {2, 4}) {
            const QList<int> leaning = eyes(index);
            const QString got = u"upright eyes %1 (median %2), slant %3 eyes %4 (median %5)"_s.arg(upright.size())
                                    .arg(median(upright)).arg(index).arg(leaning.size()).arg(median(leaning));
            QVERIFY2(upright.size() >= 5, qPrintable(got));
            QVERIFY2(std::abs(leaning.size() - upright.size()) <= 1, qPrintable(got));
            QVERIFY2(median(leaning) >= median(upright), qPrintable(got));
            const int total = std::accumulate(leaning.begin(), leaning.end(), 0);
            const int uprightTotal = std::accumulate(upright.begin(), upright.end(), 0);
            if (doubleSize)
                QVERIFY2(total * 10 >= uprightTotal * 7,
                         qPrintable(got + u"; all eyes %1 against %2 pixels"_s.arg(total).arg(uprightTotal)));
        }
    }

    // A hand leaning far writes its bowls as ovals leaning with its letters
    // rather than pushing upright ones over: the big eyes (of a, b, d) in both
    // extreme slants have their long axes leaning with the stems about as far (a
    // shear pushes the long axis of a bowl narrower than it is tall well past
    // the stems; a bowl left upright does not lean at all), as wide across
    // that axis as the upright eyes are across theirs, give or take a copy's
    // own shape (a shear thins them by a quarter or more at this lean), and
    // no narrower along the line.
    void extremeSlantBowlsAreTurned_data() { addSizeRows(); }

    void extremeSlantBowlsAreTurned()
    {
        QFETCH(bool, doubleSize);
        const int s = doubleSize ? 2 : 1;
        auto median = [](QList<qreal> l) {
            std::sort(l.begin(), l.end());
            return l.isEmpty() ? 0.0 : l[l.size() / 2];
        };
        // The eyes at least half as big as the biggest: the bowls', not the e's.
        auto bigEyes = [&](const QImage &grey) {
            QList<QList<QPoint>> eyes = enclosedPatchPixels(grey, 3 * s * s);
            qsizetype biggest = 0;
            for (const QList<QPoint> &eye : eyes)
                biggest = std::max(biggest, eye.size());
            eyes.removeIf([biggest](const QList<QPoint> &eye) { return eye.size() * 2 < biggest; });
            return eyes;
        };
        // An eye's width along the line, through its middle row.
        auto width = [](const QList<QPoint> &eye) {
            qreal my = 0;
            for (const QPoint &p : eye)
                my += p.y();
            const int row = int(std::lround(my / eye.size()));
            return qreal(std::count_if(eye.begin(), eye.end(), [row](const QPoint &p) { return p.y() == row; }));
        };
        const QImage upright = greyPicture(u"Slant"_s, 0, doubleSize);
        const QList<QList<QPoint>> uprightEyes = bigEyes(upright);
        QList<qreal> uprightWidths, uprightAcross;
        for (const QList<QPoint> &eye : uprightEyes) {
            uprightWidths.append(width(eye));
            uprightAcross.append(patchAxes(eye).across);
        }
        QVERIFY2(uprightEyes.size() >= 3, qPrintable(u"%1 upright bowls"_s.arg(uprightEyes.size())));
        const qreal uprightLean = strokeLean(upright, {38 * s, 76 * s, 114 * s}, 12 * s);
        QVERIFY2(std::abs(uprightLean) <= 0.1, qPrintable(u"upright writing leans %1"_s.arg(uprightLean)));
        for (int index : {2, 4}) {
            const QImage grey = greyPicture(u"Slant"_s, index, doubleSize);
            const qreal stems = strokeLean(grey, {38 * s, 76 * s, 114 * s}, 12 * s);
            QList<qreal> axes, across, widths;
            for (const QList<QPoint> &eye : bigEyes(grey)) {
                const PatchAxes a = patchAxes(eye);
                axes.append(a.lean / stems);
                across.append(a.across);
                widths.append(width(eye));
            }
            const QString got = u"slant %1: stems lean %2; %3 bowls' axes lean %4 of that, %5 across them "
                                u"against upright %6; bowls %7 wide against upright %8"_s
                                    .arg(index).arg(stems).arg(axes.size()).arg(median(axes)).arg(median(across))
                                    .arg(median(uprightAcross)).arg(median(widths)).arg(median(uprightWidths));
            QVERIFY2(std::abs(axes.size() - uprightEyes.size()) <= 1, qPrintable(got));
            // The stems lean far, the right way.
            QVERIFY2(index == 2 ? stems <= -0.45 : stems >= 0.45, qPrintable(got));
            // The bowls turn with them, not past them.
            QVERIFY2(median(axes) >= 0.6 && median(axes) <= 1.2, qPrintable(got));
            QVERIFY2(median(across) >= 0.85 * median(uprightAcross), qPrintable(got));
            QVERIFY2(median(widths) >= 0.85 * median(uprightWidths), qPrintable(got));
        }
    }

    // The i of "kite" keeps a dot that shows: in each extreme slant one
    // piece of ink stands on its own above the small letters of the first
    // line, clear of every stroke, and it is no speck: at least a pen's
    // width across each way and as heavy as the upright dot (which at 1x
    // may be too faint to count at all).
    void extremeSlantDotsShow_data() { addSizeRows(); }

    void extremeSlantDotsShow()
    {
        QFETCH(bool, doubleSize);
        const int s = doubleSize ? 2 : 1;
        // Ink pieces wholly above the small letters of the first line (1x
        // rows 12 to 27) and no bigger than a dot (specks of under four
        // pixels are not pieces); their pixel counts and middles (1x columns).
        auto dots = [&](int index) {
            const QImage grey = greyPicture(u"Slant"_s, index, doubleSize);
            QList<std::pair<int, qreal>> out;
            for (const QList<QPoint> &piece : inkPieces(grey, 12 * s, 28 * s)) {
                int top = grey.height(), bottom = -1;
                qreal x = 0;
                for (const QPoint &p : piece) {
                    top = std::min(top, p.y());
                    bottom = std::max(bottom, p.y());
                    x += p.x();
                }
                if (top > 12 * s && bottom < 27 * s && bottom - top <= 4 * s && piece.size() <= 30 * s * s)
                    out.append({int(piece.size()), x / piece.size() / s});
            }
            return out;
        };
        const QList<std::pair<int, qreal>> upright = dots(0);
        QVERIFY2(upright.size() <= 1, qPrintable(u"%1 upright dots"_s.arg(upright.size())));
        const int uprightSize = upright.isEmpty() ? 0 : upright.first().first;
        for (int index : {2, 4}) {
            const QList<std::pair<int, qreal>> leaning = dots(index);
            QStringList list;
            for (const auto &d : leaning)
                list.append(u"%1 px at %2"_s.arg(d.first).arg(d.second));
            const QString got = u"slant %1 dots: %2; upright dot %3 px"_s.arg(index).arg(list.join(u", ")).arg(uprightSize);
            QVERIFY2(leaning.size() == 1, qPrintable(got));
            QVERIFY2(leaning.first().first >= std::max(4 * s * s, uprightSize), qPrintable(got));
        }
    }

    // Leaning far, every letter keeps its room and stays in one piece: no
    // letter runs into its neighbour (an a into the l after it) and none
    // comes apart (a k's arms off its stem): each line of the extreme
    // slants breaks into exactly one piece of ink per letter, dots aside.
    void extremeSlantLettersStandApart_data() { addSizeRows(); }

    void extremeSlantLettersStandApart()
    {
        QFETCH(bool, doubleSize);
        const int s = doubleSize ? 2 : 1;
        // Pieces of the line on `baseline` (1x rows), from above its
        // ascenders to below its feet, bigger than a dot.
        auto pieces = [&](int index, int baseline) {
            // Any visible grey counts as ink: letters whose soft edges run
            // together read as touching.
            QImage grey = greyPicture(u"Slant"_s, index, doubleSize);
            for (int y = 0; y < grey.height(); ++y) {
                uchar *row = grey.scanLine(y);
                for (int x = 0; x < grey.width(); ++x)
                    row[x] = row[x] < 215 ? 0 : 255;
            }
            int count = 0;
            for (const QList<QPoint> &piece : inkPieces(grey, (baseline - 30) * s, (baseline + 6) * s)) {
                int top = grey.height(), bottom = -1;
                for (const QPoint &p : piece) {
                    top = std::min(top, p.y());
                    bottom = std::max(bottom, p.y());
                }
                count += bottom - top > 4 * s || piece.size() > 30 * s * s;
            }
            return count;
        };
        // "tall kite", "held the", "bell": letters, not counting the dot.
        const QList<std::pair<int, int>> lines = {{38, 8}, {76, 7}, {114, 4}};
        for (const auto &[baseline, letters] : lines)
            for (int index : {2, 4}) {
                const int count = pieces(index, baseline);
                QVERIFY2(count == letters, qPrintable(u"slant %1, line on %2: %3 pieces for %4 letters"_s.arg(index)
                                                          .arg(baseline).arg(count).arg(letters)));
            }
    }

    // However far the letters lean, they stand on a level line: in each line
    // of the extreme slants the feet of the letters (the lowest ink of every
    // piece that reaches down to the line) lie within a few pixels of each
    // other, and the line's second half stands no higher or lower than its
    // first, as it would if whole words were turned rather than leaned.
    void extremeSlantBaselinesStayLevel_data() { addSizeRows(); }

    void extremeSlantBaselinesStayLevel()
    {
        QFETCH(bool, doubleSize);
        const int s = doubleSize ? 2 : 1;
        for (int index : {2, 4}) {
            const QImage grey = greyPicture(u"Slant"_s, index, doubleSize);
            QVERIFY(!grey.isNull());
            for (int baseline : {38, 76, 114}) {
                QList<std::pair<qreal, qreal>> feet; // (column, lowest row), 1x pixels
                for (const QList<QPoint> &piece : inkPieces(grey, (baseline - 26) * s, (baseline + 6) * s)) {
                    int top = grey.height(), bottom = -1;
                    qreal x = 0;
                    for (const QPoint &p : piece) {
                        top = std::min(top, p.y());
                        bottom = std::max(bottom, p.y());
                    }
                    int count = 0;
                    for (const QPoint &p : piece)
                        if (p.y() >= bottom - s) {
                            x += p.x();
                            ++count;
                        }
                    // Dots and bars do not stand on the line.
                    if (bottom - top < 6 * s || bottom < (baseline - 6) * s)
                        continue;
                    feet.append({x / count / s, qreal(bottom) / s});
                }
                QStringList list;
                for (const auto &f : feet)
                    list.append(u"%1@%2"_s.arg(f.second).arg(f.first, 0, 'f', 0));
                const QString got = u"slant %1, line on %2: feet %3"_s.arg(index).arg(baseline).arg(list.join(u' '));
                QVERIFY2(feet.size() >= 2, qPrintable(got));
                qreal low = 1e9, high = -1e9;
                for (const auto &f : feet) {
                    low = std::min(low, f.second);
                    high = std::max(high, f.second);
                }
                QVERIFY2(high - low <= 3.5, qPrintable(got));
                // Left and right halves of the line, by where the feet stand.
                const qreal middle = (feet.first().first + feet.last().first) / 2;
                qreal sum[2] = {0, 0};
                int count[2] = {0, 0};
                for (const auto &f : feet) {
                    const int half = f.first < middle ? 0 : 1;
                    sum[half] += f.second;
                    ++count[half];
                }
                if (count[0] > 0 && count[1] > 0)
                    QVERIFY2(std::abs(sum[0] / count[0] - sum[1] / count[1]) <= 2.0, qPrintable(got));
            }
        }
    }

    // Leaning far, the writing still keeps clear of the picture's sides:
    // no visible ink (any grey that shows) comes within six 1x pixels of
    // the left or right edge, nor within twelve of the top or bottom, though
    // the leaning strokes reach out past the line's feet on one side.
    void extremeSlantsKeepClearOfTheSides_data() { addSizeRows(); }

    void extremeSlantsKeepClearOfTheSides()
    {
        QFETCH(bool, doubleSize);
        const int s = doubleSize ? 2 : 1;
        for (int index : {2, 4}) {
            const QImage grey = greyPicture(u"Slant"_s, index, doubleSize);
            QVERIFY(!grey.isNull());
            const QRect ink = inkBox(grey, 215);
            QVERIFY2(!ink.isNull(), qPrintable(u"slant %1 has no ink"_s.arg(index)));
            // Clear columns and rows at each side, in 1x pixels.
            const qreal clearLeft = qreal(ink.left()) / s, clearRight = qreal(grey.width() - 1 - ink.right()) / s;
            const qreal clearTop = qreal(ink.top()) / s, clearBottom = qreal(grey.height() - 1 - ink.bottom()) / s;
            const QString got = u"slant %1: clear %2 left, %3 right, %4 above, %5 below"_s.arg(index)
                                    .arg(clearLeft).arg(clearRight).arg(clearTop).arg(clearBottom);
            QVERIFY2(clearLeft >= 6 && clearRight >= 6, qPrintable(got));
            QVERIFY2(clearTop >= 12 && clearBottom >= 12, qPrintable(got));
        }
    }

    // Set closer and narrower to keep clear of the sides, the far-leaning
    // words still read as words: in the two-word lines, the least distance
    // between the last letter of the first word and the first of the second
    // is well over any between two letters of a word, and plain paper at
    // 1x, however the ascenders lean into the room between them.
    void extremeSlantWordsStandApart_data() { addSizeRows(); }

    void extremeSlantWordsStandApart()
    {
        QFETCH(bool, doubleSize);
        const int s = doubleSize ? 2 : 1;
        // The least distance between two pieces of ink, in 1x pixels.
        auto distance = [s](const QList<QPoint> &a, const QList<QPoint> &b) {
            qint64 least = std::numeric_limits<qint64>::max();
            for (const QPoint &p : a)
                for (const QPoint &q : b) {
                    const qint64 dx = p.x() - q.x(), dy = p.y() - q.y();
                    least = std::min(least, dx * dx + dy * dy);
                }
            return std::sqrt(qreal(least)) / s;
        };
        // "tall kite" and "held the": letters of the first word.
        const QList<std::pair<int, int>> lines = {{38, 4}, {76, 4}};
        for (int index : {2, 4}) {
            const QImage grey = greyPicture(u"Slant"_s, index, doubleSize);
            QVERIFY(!grey.isNull());
            for (const auto &[baseline, first] : lines) {
                // The letters, dots aside, in order of their feet.
                QList<std::pair<qreal, QList<QPoint>>> letters;
                for (const QList<QPoint> &piece : inkPieces(grey, (baseline - 30) * s, (baseline + 6) * s)) {
                    int top = grey.height(), bottom = -1;
                    for (const QPoint &p : piece) {
                        top = std::min(top, p.y());
                        bottom = std::max(bottom, p.y());
                    }
                    if (bottom - top <= 4 * s && piece.size() <= 30 * s * s)
                        continue;
                    qreal foot = 0;
                    int count = 0;
                    for (const QPoint &p : piece)
                        if (p.y() >= bottom - 2 * s) {
                            foot += p.x();
                            ++count;
                        }
                    letters.append({foot / count, piece});
                }
                std::sort(letters.begin(), letters.end(),
                          [](const auto &a, const auto &b) { return a.first < b.first; });
                const QString where = u"slant %1, line on %2"_s.arg(index).arg(baseline);
                QVERIFY2(letters.size() > first + 1, qPrintable(where + u": %1 letters"_s.arg(letters.size())));
                qreal widestLetterGap = 0;
                for (qsizetype k = 1; k < letters.size(); ++k)
                    if (k != first)
                        widestLetterGap = std::max(widestLetterGap, distance(letters[k - 1].second, letters[k].second));
                const qreal wordGap = distance(letters[first - 1].second, letters[first].second);
                const QString got = where + u": words %1 apart, letters at most %2"_s.arg(wordGap).arg(widestLetterGap);
                QVERIFY2(wordGap >= 5, qPrintable(got));
                QVERIFY2(wordGap >= 1.6 * widestLetterGap, qPrintable(got));
            }
        }
    }

    // Slanted lines are written from one left margin, as a hand comes back
    // to it, not centred one by one: the feet of each line's first letter
    // stand within a few pixels of the other lines', however far the
    // letters lean and however long the line.
    void slantedLinesKeepTheirMargin_data() { addVariantRows(u"Slant"_s, 5); }

    void slantedLinesKeepTheirMargin()
    {
        QFETCH(int, index);
        QFETCH(bool, doubleSize);
        const int scale = doubleSize ? 2 : 1;
        const QImage grey = greyPicture(u"Slant"_s, index, doubleSize);
        QVERIFY(!grey.isNull());
        QList<qreal> feet;
        for (int baseline : {38, 76, 114}) {
            // The leftmost ink in the lowest few rows of the line, where the
            // letters stand on it.
            int left = grey.width();
            for (int y = (baseline - 5) * scale; y <= (baseline + 1) * scale; ++y)
                for (int x = 0; x < grey.width(); ++x)
                    if (grey.constScanLine(y)[x] < 128) {
                        left = std::min(left, x);
                        break;
                    }
            QVERIFY2(left < grey.width(), qPrintable(u"no line on %1"_s.arg(baseline)));
            feet.append(qreal(left) / scale);
        }
        const qreal spread = *std::max_element(feet.begin(), feet.end()) - *std::min_element(feet.begin(), feet.end());
        QVERIFY2(spread <= 6, qPrintable(u"lines start at %1, %2 and %3"_s.arg(feet[0]).arg(feet[1]).arg(feet[2])));
    }

    // Irregular writing stays the hand of its siblings, but its letters
    // change size within the word: its letters stand apart as print's do,
    // and the tops of its tall letters (the b and l's of "bells",
    // the l's and t's of "little") stand at plainly different heights.
    void irregularSizeLettersStandApart_data() { addSizeRows(); }

    void irregularSizeLettersStandApart()
    {
        QFETCH(bool, doubleSize);
        const int scale = doubleSize ? 2 : 1;
        const QImage grey = greyPicture(u"SizeOfTheWriting"_s, 4, doubleSize);
        QVERIFY(!grey.isNull());
        // For the line between the given rows (1x): how many runs of inked
        // columns it makes, and the heights (in 1x rows above the line's
        // lowest ink) of the peaks of its top edge, the tops of tall letters.
        auto line = [&](int from, int to, int *runs) {
            QList<int> top; // per column, highest inked row or -1
            QList<bool> touched; // any ink at all, hairlines included
            int lowest = 0;
            for (int x = 0; x < grey.width(); ++x) {
                int t = -1;
                bool any = false;
                for (int y = from * scale; y < std::min(grey.height(), to * scale); ++y) {
                    any = any || grey.constScanLine(y)[x] < 200;
                    if (grey.constScanLine(y)[x] < 128) {
                        if (t < 0)
                            t = y;
                        lowest = std::max(lowest, y);
                    }
                }
                top.append(t);
                touched.append(any);
            }
            *runs = 0;
            for (int x = 0; x < touched.size(); ++x)
                *runs += touched[x] && (x == 0 || !touched[x - 1]);
            // A peak is the highest point of the top edge over 4 units either side.
            QList<qreal> peaks;
            const int reach = 4 * scale;
            for (int x = 0; x < top.size(); ++x) {
                if (top[x] < 0)
                    continue;
                bool peak = true;
                for (int k = std::max(0, x - reach); k <= std::min<int>(top.size() - 1, x + reach) && peak; ++k)
                    peak = top[k] < 0 || top[k] > top[x] || (top[k] == top[x] && k >= x);
                if (peak)
                    peaks.append(qreal(lowest - top[x]) / scale);
            }
            return peaks;
        };
        // The lines part on a row of clear paper between them.
        int split = -1;
        for (int y = 50 * scale; y < 80 * scale && split < 0; ++y) {
            const uchar *row = grey.constScanLine(y);
            if (std::all_of(row, row + grey.width(), [](uchar v) { return v >= 200; }))
                split = y;
        }
        QVERIFY2(split >= 0, "the two lines run into each other");
        int littleRuns = 0, bellsRuns = 0;
        // In 1x rows, rounded up so that the 2x picture's first line keeps
        // its last inked row.
        const int parting = (split + scale - 1) / scale;
        const QList<qreal> little = line(0, parting, &littleRuns);
        const QList<qreal> bells = line(parting, 131, &bellsRuns);
        // Unjoined like its siblings: most letters stand apart in columns of
        // their own (a t's bar may reach over to its neighbour), none lost.
        QVERIFY2(littleRuns >= 4 && littleRuns <= 6, qPrintable(u"\"little\" in %1 pieces"_s.arg(littleRuns)));
        QVERIFY2(bellsRuns >= 4 && bellsRuns <= 5, qPrintable(u"\"bells\" in %1 pieces"_s.arg(bellsRuns)));
        for (const QList<qreal> &peaks : {little, bells}) {
            QVERIFY2(peaks.size() >= 3, qPrintable(u"%1 tall letters"_s.arg(peaks.size())));
            // The tall letters only: peaks at least 0.4 of the height of the
            // tallest (a small l still stands well above the big letters' bowls).
            const qreal tallest = *std::max_element(peaks.begin(), peaks.end());
            qreal shortest = tallest;
            for (qreal p : peaks)
                if (p >= tallest * 0.4)
                    shortest = std::min(shortest, p);
            // Plainly different heights, not a wobble of the same size.
            QStringList all;
            for (qreal p : peaks)
                all.append(QString::number(p));
            QVERIFY2(tallest >= 1.3 * shortest, qPrintable(u"tall letters %1 and %2 high (%3)"_s.arg(tallest).arg(shortest).arg(all.join(u' '))));
        }
        // Big or small, the letters stand on one baseline: the feet along
        // each line (the lowest points of its bottom edge, each the lowest
        // over 4 units either side) lie within a few units of one another.
        for (auto [from, to] : {std::pair{0, parting}, std::pair{parting, 131}}) {
            QList<int> bottom;
            for (int x = 0; x < grey.width(); ++x) {
                int b = -1;
                for (int y = from * scale; y < std::min(grey.height(), to * scale); ++y)
                    if (grey.constScanLine(y)[x] < 128)
                        b = y;
                bottom.append(b);
            }
            QList<qreal> feet;
            const int reach = 4 * scale;
            for (int x = 0; x < bottom.size(); ++x) {
                if (bottom[x] < 0)
                    continue;
                bool foot = true;
                for (int k = std::max(0, x - reach); k <= std::min<int>(bottom.size() - 1, x + reach) && foot; ++k)
                    foot = bottom[k] < bottom[x] || (bottom[k] == bottom[x] && k >= x);
                if (foot)
                    feet.append(qreal(bottom[x]) / scale);
            }
            QVERIFY2(feet.size() >= 3, qPrintable(u"%1 feet on the line from %2"_s.arg(feet.size()).arg(from)));
            const qreal spread = *std::max_element(feet.begin(), feet.end()) - *std::min_element(feet.begin(), feet.end());
            QVERIFY2(spread <= 6, qPrintable(u"feet of the line from %1 spread over %2"_s.arg(from).arg(spread)));
        }
    }

    // A hand that will not keep to one size grows its letters mostly upwards,
    // not as a letter blown up all round: of the two e's, the one in
    // "little" has an eye far taller than the one in "bells", and taller for
    // its width too.
    void irregularSizeGrowsInHeightMoreThanWidth()
    {
        const QImage grey = greyPicture(u"SizeOfTheWriting"_s, 4, true);
        QVERIFY(!grey.isNull());
        QList<QRect> eyes = letterEyes(grey);
        const QString got = u"eyes %1"_s.arg(describeEyes(eyes));
        // "little" has its e's eye in the upper half; "bells" a b's and then
        // an e's in the lower.
        std::sort(eyes.begin(), eyes.end(), [](const QRect &a, const QRect &b) { return a.left() < b.left(); });
        QList<QRect> upper, lower;
        for (const QRect &e : eyes)
            (e.center().y() < grey.height() / 2 ? upper : lower).append(e);
        QVERIFY2(upper.size() == 1 && lower.size() == 2, qPrintable(got));
        const QRect big = upper.first(), small = lower.last();
        QVERIFY2(big.height() * 10 >= small.height() * 15, qPrintable(got));
        const qreal bigShape = qreal(big.height()) / big.width(), smallShape = qreal(small.height()) / small.width();
        QVERIFY2(bigShape >= 1.2 * smallShape, qPrintable(got));
    }

    // Irregular size shows at a glance, in the small letters' bodies and not
    // only in ascenders: in "little" the e stands more than twice as high as
    // the i's stem, in "bells" the s half as high again as the e, and
    // "little" is written bigger as a whole than "bells".
    void irregularSizeBodiesJump_data() { addSizeRows(); }

    void irregularSizeBodiesJump()
    {
        QFETCH(bool, doubleSize);
        const int scale = doubleSize ? 2 : 1;
        const QImage grey = greyPicture(u"SizeOfTheWriting"_s, 4, doubleSize);
        QVERIFY(!grey.isNull());
        int split = -1;
        for (int y = 50 * scale; y < 80 * scale && split < 0; ++y) {
            const uchar *row = grey.constScanLine(y);
            if (std::all_of(row, row + grey.width(), [](uchar v) { return v >= 200; }))
                split = y;
        }
        QVERIFY2(split >= 0, "the two lines run into each other");
        // Heights (1x) of the letters of a line, left to right; an i's dot
        // or a speck is no letter.
        auto letters = [&](int from, int to) {
            QList<qreal> heights;
            for (const QList<QPoint> &piece : inkPieces(grey, from, to)) {
                int top = grey.height(), bottom = -1;
                for (const QPoint &p : piece) {
                    top = std::min(top, p.y());
                    bottom = std::max(bottom, p.y());
                }
                const qreal h = qreal(bottom - top + 1) / scale;
                if (h >= 5)
                    heights.append(h);
            }
            return heights;
        };
        const QList<qreal> little = letters(0, split), bells = letters(split, grey.height());
        auto list = [](const QList<qreal> &hs) {
            QStringList out;
            for (qreal h : hs)
                out.append(QString::number(h));
            return out.join(u' ');
        };
        const QString got = u"little %1; bells %2"_s.arg(list(little), list(bells));
        // Letters apart, none lost or run together (a t's bar may join the next).
        QVERIFY2(little.size() >= 5 && little.size() <= 6 && bells.size() == 5, qPrintable(got));
        // The shortest letter of each word is a body without ascender: the
        // i of "little", the e of "bells"; each word ends in one too.
        const qreal i = *std::min_element(little.begin(), little.end());
        const qreal e = *std::min_element(bells.begin(), bells.end());
        QVERIFY2(little.last() >= 2.2 * i, qPrintable(got));
        QVERIFY2(bells.last() >= 1.5 * e, qPrintable(got));
        QVERIFY2(bells.last() > bells[1] && bells[1] == e, qPrintable(got));
        const qreal littleMean = std::accumulate(little.begin(), little.end(), 0.0) / little.size();
        const qreal bellsMean = std::accumulate(bells.begin(), bells.end(), 0.0) / bells.size();
        QVERIFY2(littleMean >= 1.15 * bellsMean, qPrintable(got));
    }

    // Tall writing is drawn out upwards, not written big all round: its ink
    // stands half as high again as it is wide, where the broad writing's is
    // about as wide as high.
    void tallWritingStandsTall_data() { addSizeRows(); }

    void tallWritingStandsTall()
    {
        QFETCH(bool, doubleSize);
        const QImage tall = greyPicture(u"SizeOfTheWriting"_s, 0, doubleSize);
        const QImage broad = greyPicture(u"SizeOfTheWriting"_s, 3, doubleSize);
        QVERIFY(!tall.isNull() && !broad.isNull());
        const QRect t = inkBox(tall), b = inkBox(broad);
        const QString boxes = u"tall %1x%2, broad %3x%4"_s.arg(t.width()).arg(t.height()).arg(b.width()).arg(b.height());
        QVERIFY2(t.height() * 10 >= t.width() * 15, qPrintable(boxes));
        QVERIFY2(qreal(t.height()) / t.width() >= 1.4 * b.height() / b.width(), qPrintable(boxes));
    }

    // Irregular slant is not a matter of whole words: inside one word the
    // tall strokes lean different ways. Each ascender is followed from just
    // above the small letters to near its top; several words of the
    // irregular picture have one leaning plainly right and one plainly left,
    // where every word of the evenly slanted pictures keeps to one lean.
    void irregularSlantVariesWithinWords_data() { addSizeRows(); }

    void irregularSlantVariesWithinWords()
    {
        QFETCH(bool, doubleSize);
        const int scale = doubleSize ? 2 : 1;
        // The spread of ascender leans within each word of the picture's
        // lines (baselines 38, 76 and 114), largest first.
        auto spread = [&](int index) {
            const QImage grey = greyPicture(u"Slant"_s, index, doubleSize);
            // Middles of the runs of ink on a pixel row no wider than a
            // stroke or two (in 1x units): not t-bars.
            auto runs = [&](int row) {
                QList<qreal> out;
                int start = -1;
                for (int x = 0; x <= grey.width(); ++x) {
                    const bool ink = x < grey.width() && grey.constScanLine(row)[x] < 128;
                    if (ink && start < 0)
                        start = x;
                    if (!ink && start >= 0) {
                        if (x - start <= 5 * scale)
                            out.append((start + x - 1) / 2.0 / scale);
                        start = -1;
                    }
                }
                return out;
            };
            // The lean of the stroke through `x` on the row `from` above the
            // line, followed up the picture row by row: how far right it
            // moves per unit of height, by least squares; nan when it is
            // not tall enough to tell.
            auto leanFrom = [&](qreal x, int from) {
                QList<QPointF> points = {{x, 0}};
                for (int row = from * scale - 1; row >= std::max(0, (from - 9) * scale); --row) {
                    const QList<qreal> here = runs(row);
                    const qreal *next = nullptr;
                    for (const qreal &r : here)
                        if (std::abs(r - x) <= 1.2 && (!next || std::abs(r - x) < std::abs(*next - x)))
                            next = &r;
                    if (!next)
                        break;
                    x = *next;
                    points.append({x, qreal(from * scale - row) / scale});
                }
                if (points.last().y() < 4)
                    return qQNaN();
                // Heights run up the picture; the fit counts them down it.
                for (QPointF &p : points)
                    p.setY(-p.y());
                return pointsLean(points);
            };
            QList<qreal> spreads;
            for (int baseline : {38, 76, 114}) {
                // Words: inked columns across the small letters, parted by
                // wider paper than lies between two letters.
                QList<QPair<int, int>> words;
                int lastInk = -100;
                for (int x = 0; x < grey.width(); ++x) {
                    bool ink = false;
                    for (int y = (baseline - 10) * scale; y < baseline * scale && !ink; ++y)
                        ink = grey.constScanLine(y)[x] < 128;
                    if (!ink)
                        continue;
                    if (x - lastInk > 8 * scale)
                        words.append({x, x});
                    words.last().second = x;
                    lastInk = x;
                }
                const int from = baseline - 14;
                for (const auto &word : words) {
                    qreal most = -10, least = 10;
                    for (qreal x : runs(from * scale)) {
                        if (x < qreal(word.first) / scale - 3 || x > qreal(word.second) / scale + 3)
                            continue;
                        const qreal lean = leanFrom(x, from);
                        if (qIsNaN(lean))
                            continue;
                        most = std::max(most, lean);
                        least = std::min(least, lean);
                    }
                    spreads.append(most >= least ? most - least : 0.0);
                }
            }
            std::sort(spreads.begin(), spreads.end(), std::greater<>());
            return spreads;
        };
        for (int even : {0, 3, 4}) {
            const QList<qreal> other = spread(even);
            QVERIFY2(!other.isEmpty(), qPrintable(u"slant %1: no words found"_s.arg(even)));
            QVERIFY2(other.first() < 0.3, qPrintable(u"slant %1: leans within a word differ by %2"_s.arg(even).arg(other.first())));
        }
        // A mix that shows at a glance: in three words the leans differ by
        // well over half a unit per unit of height (some thirty degrees).
        const QList<qreal> irregular = spread(5);
        QStringList got;
        for (qreal d : irregular)
            got.append(QString::number(d, 'f', 2));
        QVERIFY2(irregular.size() >= 5, qPrintable(u"irregular slant: words %1"_s.arg(got.join(u' '))));
        QVERIFY2(irregular[2] >= 0.55, qPrintable(u"irregular slant: leans within words differ by %1"_s.arg(got.join(u' '))));
    }

    // Letters leaning different ways still keep an ordinary letter's room
    // between them: halfway up the small letters, the gaps inside the words
    // of the irregular picture are on average no wider than the upright ones.
    void irregularSlantKeepsLetterGaps_data() { addSizeRows(); }

    void irregularSlantKeepsLetterGaps()
    {
        QFETCH(bool, doubleSize);
        const int scale = doubleSize ? 2 : 1;
        // The mean clear gap, in picture units, between runs of ink on the
        // row halfway up the small letters, inside the words.
        auto gaps = [&](int index) {
            const QImage grey = greyPicture(u"Slant"_s, index, doubleSize);
            qreal sum = 0;
            int count = 0;
            for (int baseline : {38, 76, 114}) {
                const int row = (baseline - 6) * scale;
                int lastInk = -1;
                for (int x = 0; x < grey.width(); ++x) {
                    if (grey.constScanLine(row)[x] >= 128)
                        continue;
                    const qreal gap = qreal(x - lastInk - 1) / scale;
                    // Wider than 9 units is the space between two words.
                    if (lastInk >= 0 && gap > 0 && gap < 9) {
                        sum += gap;
                        ++count;
                    }
                    lastInk = x;
                }
            }
            return count ? sum / count : 0.0;
        };
        const qreal upright = gaps(0);
        const qreal irregular = gaps(5);
        const QString got = u"mean gap upright %1, irregular %2"_s.arg(upright).arg(irregular);
        QVERIFY2(upright > 0 && irregular > 0, qPrintable(got));
        QVERIFY2(irregular <= upright * 1.15, qPrintable(got));
    }

    // The tapering t-bar is heaviest where the pen lands and thins on its way
    // across the stem to a fine end, not a blob on an even line.
    void taperingBarThinsAcross_data() { addSizeRows(); }

    void taperingBarThinsAcross()
    {
        QFETCH(bool, doubleSize);
        const int scale = doubleSize ? 2 : 1;
        const QImage grey = greyPicture(u"BarPressure"_s, 3, doubleSize);
        QVERIFY(!grey.isNull());
        // Inked rows in a column through the bar of the first t (1x units).
        auto thickness = [&](int x) {
            int rows = 0;
            for (int y = 62 * scale; y < 84 * scale; ++y)
                rows += grey.constScanLine(y)[x * scale] < 128;
            return qreal(rows) / scale;
        };
        // Three columns each, so a half-pixel step of the anti-aliased edge
        // does not decide.
        auto across = [&](int x) { return (thickness(x - 1) + thickness(x) + thickness(x + 1)) / 3; };
        const qreal start = across(13), before = across(20), after = across(30), end = across(37);
        const QString got = u"%1 %2 %3 %4"_s.arg(start).arg(before).arg(after).arg(end);
        QVERIFY2(start >= before && before > after && after > end, qPrintable(got));
        QVERIFY2(start >= 1.8 * end && end > 0, qPrintable(got));
        // Each bar climbs a little as the pen comes off, not a ruled wedge:
        // the middle of its ink near the end stands higher than near the start.
        for (const int stem : {25, 88}) {
            // Rows over the o, which starts right of the first bar's end.
            auto middle = [&](int x) {
                const QList<std::pair<int, int>> runs = inkRunsDown(grey, x * scale, 62 * scale, 78 * scale);
                return runs.size() == 1 ? (runs[0].first + runs[0].second) / 2.0 / scale : qreal(-100);
            };
            int last = (stem + 18) * scale;
            while (last > stem * scale && inkRunsDown(grey, last, 62 * scale, 78 * scale).isEmpty())
                --last;
            const qreal landing = middle(stem - 10), lifting = middle(last / scale - 2);
            const QString climb = u"bar of the t at %1: middle %2 near its start, %3 near its end at %4"_s.arg(stem)
                                      .arg(landing).arg(lifting).arg(qreal(last) / scale);
            QVERIFY2(landing > 0 && lifting > 0 && landing - lifting >= 1, qPrintable(climb));
        }
    }

    void downStrokesOutweighUpStrokes_data() { addSizeRows(); }

    // The pen is no tube of one width: pulled down the page it presses and
    // spreads, pushed back up it runs light. In the sharp-humped m, whose
    // legs go up and come down at much the same lean, the legs that come
    // down are far broader than those that went up, and the fine up-strokes
    // still show on every row at 1x.
    void downStrokesOutweighUpStrokes()
    {
        QFETCH(bool, doubleSize);
        const int scale = doubleSize ? 2 : 1;
        const QImage grey = greyPicture(u"TheLowerCaseM"_s, 4, doubleSize);
        QVERIFY(!grey.isNull());
        int up = 0, down = 0;
        for (int y = 66 * scale; y <= 82 * scale; ++y) {
            const uchar *line = grey.constScanLine(y);
            QList<int> runs;
            for (int x = 0; x < grey.width();) {
                int end = x;
                while (end < grey.width() && line[end] < 128)
                    ++end;
                if (end > x)
                    runs.append(end - x);
                x = std::max(end, x + 1);
            }
            // The first leg, then up, down, up and down again.
            QVERIFY2(runs.size() == 5, qPrintable(u"row %1 crosses %2 strokes"_s.arg(y).arg(runs.size())));
            up += runs[1] + runs[3];
            down += runs[2] + runs[4];
        }
        QVERIFY2(down * 10 >= up * 16, qPrintable(u"down-strokes %1 px, up-strokes %2 px"_s.arg(down).arg(up)));
    }

    void barPressureReadsAsWeight_data() { addSizeRows(); }

    // However the pen's width swells and eases along a stroke, the bars of
    // the pressure page keep their meaning: the heavy bar is much broader
    // than the normal one, and the light bar finer and paler, yet there
    // across its whole length.
    void barPressureReadsAsWeight()
    {
        QFETCH(bool, doubleSize);
        const int scale = doubleSize ? 2 : 1;
        struct Bar
        {
            qreal thickness = 0; // inked rows, summed over the columns, in 1x pixels
            int darkest = 255;
            int palestColumn = 0; // the darkest pixel of the faintest column
        };
        auto measure = [&](int index) {
            const QImage grey = greyPicture(u"BarPressure"_s, index, doubleSize);
            Bar bar;
            // Columns through the bars of both t's, clear of their stems.
            for (int x : {16, 35, 80, 100}) {
                int rows = 0, darkest = 255;
                for (int y = 62 * scale; y < 77 * scale; ++y) {
                    const int v = grey.constScanLine(y)[x * scale];
                    rows += v < 200;
                    darkest = std::min(darkest, v);
                }
                bar.thickness += qreal(rows) / scale;
                bar.darkest = std::min(bar.darkest, darkest);
                bar.palestColumn = std::max(bar.palestColumn, darkest);
            }
            return bar;
        };
        const Bar normal = measure(0), light = measure(1), heavy = measure(2);
        const QString got = u"thickness %1 / %2 / %3, darkest %4 / %5 / %6, faintest light column %7"_s
                                .arg(light.thickness).arg(normal.thickness).arg(heavy.thickness)
                                .arg(light.darkest).arg(normal.darkest).arg(heavy.darkest).arg(light.palestColumn);
        QVERIFY2(heavy.thickness >= 1.5 * normal.thickness, qPrintable(got));
        QVERIFY2(light.thickness < normal.thickness, qPrintable(got));
        QVERIFY2(light.darkest > normal.darkest + 50 && normal.darkest < 60 && heavy.darkest < 60, qPrintable(got));
        QVERIFY2(light.palestColumn < 215, qPrintable(got));
        // The page is about the bar: a heavy hand bears down on it hardest,
        // so the heavy bars are about as broad as its stems are wide, not
        // thinner strokes between swollen stems.
        const QImage heavyPicture = greyPicture(u"BarPressure"_s, 2, doubleSize);
        qreal stemWidth = 0;
        int stemRows = 0;
        for (int centre : {25, 88})
            for (int y = 90 * scale; y < 100 * scale; ++y, ++stemRows)
                for (int x = (centre - 10) * scale; x < (centre + 10) * scale; ++x)
                    stemWidth += heavyPicture.constScanLine(y)[x] < 128 ? 1.0 / scale : 0;
        stemWidth /= stemRows;
        QVERIFY2(heavy.thickness / 4 >= 0.85 * stemWidth,
                 qPrintable(got + u"; heavy stems %1 wide"_s.arg(stemWidth)));
    }

    // A bar written with light pressure is the same ink as the rest of the
    // letter, only finer and fainter, a little unevenly so along its length,
    // not a line of another, even grey, and no ghost with gaps in it: a
    // hairline that runs on unbroken up to the stem on either side. The hand
    // that barely presses writes the stem beside it a little paler, too, yet
    // still in dark ink, far heavier than the bar.
    void lightBarIsFaintAndUneven_data() { addSizeRows(); }

    void lightBarIsFaintAndUneven()
    {
        QFETCH(bool, doubleSize);
        const int scale = doubleSize ? 2 : 1;
        struct Bar
        {
            QList<int> darkest; // per column across the first t's bar
            int rows = 0;       // inked rows over those columns
            int stem = 255;     // darkest ink on the stem below the bar
        };
        auto measure = [&](int index) {
            const QImage grey = greyPicture(u"BarPressure"_s, index, doubleSize);
            Bar bar;
            for (int x = 14 * scale; x < 37 * scale; ++x) {
                if (x >= 21 * scale && x < 29 * scale)
                    continue; // the stem
                int darkest = 255;
                for (int y = 62 * scale; y < 84 * scale; ++y) {
                    darkest = std::min<int>(darkest, grey.constScanLine(y)[x]);
                    bar.rows += grey.constScanLine(y)[x] < 200;
                }
                bar.darkest.append(darkest);
            }
            for (int x = 21 * scale; x < 29 * scale; ++x)
                bar.stem = std::min<int>(bar.stem, grey.constScanLine(95 * scale)[x]);
            return bar;
        };
        const Bar normal = measure(0), light = measure(1);
        auto mean = [](const QList<int> &values) {
            return std::accumulate(values.begin(), values.end(), 0.0) / values.size();
        };
        const auto [palest, darkest] = std::minmax_element(light.darkest.begin(), light.darkest.end());
        const QString got = u"normal bar %1 over %2 rows, light bar %3 (%4 to %5) over %6 rows, stems %7 and %8"_s
                                .arg(mean(normal.darkest)).arg(normal.rows).arg(mean(light.darkest))
                                .arg(*palest).arg(*darkest).arg(light.rows).arg(normal.stem).arg(light.stem);
        QVERIFY2(mean(normal.darkest) < 70, qPrintable(got));
        QVERIFY2(mean(light.darkest) > mean(normal.darkest) + 40, qPrintable(got));
        QVERIFY2(3 * light.rows < 2 * normal.rows, qPrintable(got));
        // Ink all the same: at its best the light bar is nearly as dark as
        // the stem; its weight wavers a little, yet nowhere fades away.
        QVERIFY2(*palest < 120 && *darkest - *palest >= 5, qPrintable(got));
        QVERIFY2(*darkest < 150, qPrintable(got));
        QVERIFY2(light.stem < 60 && normal.stem < 60, qPrintable(got));
        QVERIFY2(light.stem >= normal.stem + 12, qPrintable(got));
        QVERIFY2(*palest >= light.stem + 30, qPrintable(got));
    }

    // Bars written above the stems are quick strokes of one hand, not two
    // copies of one dash: each lands at full weight and thins to its right
    // end as the pen lifts, and the two climb differently.
    void barsAboveStemsAreFlicks_data() { addSizeRows(); }

    void barsAboveStemsAreFlicks()
    {
        QFETCH(bool, doubleSize);
        const int s = doubleSize ? 2 : 1;
        const QImage grey = greyPicture(u"BarHeight"_s, 0, doubleSize);
        QVERIFY(!grey.isNull());
        // Ink down a column above the stems, which start at 36: its weight in
        // 1x pixels of black and the height of its middle.
        auto column = [&](int x) {
            qreal weight = 0, rows = 0;
            for (int y = 0; y < 33 * s; ++y) {
                const qreal ink = (255 - grey.constScanLine(y)[x]) / 255.0;
                weight += ink;
                rows += ink * y;
            }
            return std::pair<qreal, qreal>(weight / s, weight > 0 ? rows / weight / s : qreal(-1));
        };
        qreal rise[2] = {};
        for (int i = 0; i < 2; ++i) {
            // Each bar's inked columns, within half the picture.
            int from = -1, to = -1;
            for (int x = i * 59 * s; x < (i + 1) * 59 * s; ++x)
                if (column(x).first > 0.5) {
                    if (from < 0)
                        from = x;
                    to = x;
                }
            QVERIFY2(from >= 0 && to - from >= 18 * s, qPrintable(u"bar %1 from %2 to %3"_s.arg(i).arg(from).arg(to)));
            const auto head = column(from + 4 * s), tail = column(to - 2 * s);
            const QString got = u"bar %1: %2 heavy at %3 near its start, %4 at %5 near its end"_s.arg(i).arg(head.first)
                                    .arg(head.second).arg(tail.first).arg(tail.second);
            QVERIFY2(tail.first <= 0.6 * head.first, qPrintable(got));
            rise[i] = head.second - tail.second;
        }
        QVERIFY2(std::abs(rise[0] - rise[1]) >= 1.5, qPrintable(u"bars climb %1 and %2"_s.arg(rise[0]).arg(rise[1])));
    }

    // A bar is a quick stroke of the wrist, not a ruled line: along its
    // length its middle line arches a little off the straight line from
    // end to end, more on a long bar than on a short one, yet far too
    // little to read as a curve.
    void barsAreNotRuled_data()
    {
        QTest::addColumn<QString>("trait");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("stem"); // x of the stem the bar crosses, 1x
        QTest::addColumn<int>("from"); // the bar's rows, 1x
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("reach"); // how far either side of the stem to look
        QTest::addColumn<qreal>("least"); // smallest arch, 1x pixels
        QTest::newRow("long") << u"LengthOfCrossing"_s << 0 << 60 << 38 << 54 << 58 << 1.7;
        QTest::newRow("more to the left") << u"LengthOfCrossing"_s << 4 << 58 << 38 << 54 << 58 << 0.6;
        QTest::newRow("more to the right") << u"LengthOfCrossing"_s << 5 << 60 << 38 << 54 << 58 << 0.8;
        QTest::newRow("high bar") << u"BarHeight"_s << 1 << 25 << 38 << 52 << 28 << 0.45;
    }

    void barsAreNotRuled()
    {
        QFETCH(QString, trait);
        QFETCH(int, index);
        QFETCH(int, stem);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, reach);
        QFETCH(qreal, least);
        for (int s : {1, 2}) {
            const QImage grey = greyPicture(trait, index, s == 2);
            QVERIFY(!grey.isNull());
            // The middle of the ink down each column through the bar, or -1
            // where the column holds no bar.
            auto middle = [&](int x) {
                qreal weight = 0, rows = 0;
                for (int y = from * s; y < to * s; ++y) {
                    const qreal ink = (255 - grey.constScanLine(y)[x]) / 255.0;
                    weight += ink;
                    rows += ink * y;
                }
                return weight >= 0.8 * s ? rows / weight / s : qreal(-1);
            };
            // The bar's columns, leaving out the stem and the ends, where
            // the pen lands and lifts.
            QList<QPointF> line;
            int first = -1, last = -1;
            for (int x = std::max(0, (stem - reach) * s); x < std::min(grey.width(), (stem + reach) * s); ++x)
                if (middle(x) >= 0) {
                    if (first < 0)
                        first = x;
                    last = x;
                }
            QVERIFY2(first >= 0 && last - first >= 12 * s, qPrintable(u"%1x: bar from %2 to %3"_s.arg(s).arg(first).arg(last)));
            const int margin = 3 * s;
            for (int x = first + margin; x <= last - margin; ++x)
                if (std::abs(x - stem * s) > 4 * s)
                    line.append(QPointF(qreal(x) / s, middle(x)));
            QVERIFY(line.size() >= 6);
            // The chord through the ends, from the mean of a few columns at each.
            const int n = std::min<int>(3 * s, int(line.size()) / 4);
            QPointF a, b;
            for (int i = 0; i < n; ++i) {
                a += line[i] / n;
                b += line[line.size() - 1 - i] / n;
            }
            qreal most = 0;
            for (const QPointF &p : line) {
                const qreal off = b.x() == a.x() ? 0 : a.y() + (b.y() - a.y()) * (p.x() - a.x()) / (b.x() - a.x()) - p.y();
                if (std::abs(off) > std::abs(most))
                    most = off;
            }
            const QString got = u"%1x: bar from %2 to %3, off the straight by %4 at most"_s.arg(s).arg(a.x()).arg(b.x()).arg(most);
            QVERIFY2(std::abs(most) >= least, qPrintable(got));
            QVERIFY2(std::abs(most) <= 3.5, qPrintable(got));
        }
    }

    // A long bar is long for a hand, not ruled across the page: far longer
    // than the short one and than a bar run out to one side only, yet
    // ending well inside the paper at both ends.
    void longBarIsAHandsLength()
    {
        for (int s : {1, 2}) {
            // The ink across the rows of the level bars, from end to end.
            auto span = [&](int index) {
                const QImage grey = greyPicture(u"LengthOfCrossing"_s, index, s == 2);
                int left = grey.width(), right = -1;
                for (int y = 38 * s; y <= 54 * s; ++y)
                    for (const auto &[l, r] : inkRuns(grey, y, 0, grey.width())) {
                        left = std::min(left, l);
                        right = std::max(right, r);
                    }
                return std::pair{qreal(left) / s, qreal(right) / s};
            };
            const auto [longLeft, longRight] = span(0);
            const auto [shortLeft, shortRight] = span(1);
            const auto [leftLeft, leftRight] = span(4);
            const QString got = u"%1x: long bar %2..%3, short %4..%5, more to the left %6..%7"_s.arg(s)
                                    .arg(longLeft).arg(longRight).arg(shortLeft).arg(shortRight).arg(leftLeft).arg(leftRight);
            QVERIFY2(longRight - longLeft >= 4 * (shortRight - shortLeft), qPrintable(got));
            QVERIFY2(longRight - longLeft >= 1.4 * (leftRight - leftLeft), qPrintable(got));
            QVERIFY2(longLeft >= 12 && longRight <= 118 - 12, qPrintable(got));
        }
    }

    // A slanted bar keeps the weight of the letter whichever way it slopes:
    // the nib would leave the rising one fine and the falling one heavy, but
    // the hand presses the one and eases the other, so the two come out
    // much alike.
    void slantedBarsKeepTheLettersWeight()
    {
        for (int s : {1, 2}) {
            // Ink down columns through the bar either side of the stem, clear of it.
            auto weight = [&](int index) {
                const QImage grey = greyPicture(u"LengthOfCrossing"_s, index, s == 2);
                qreal ink = 0;
                for (int x : {44, 48, 70, 74})
                    for (int y = 15 * s; y < 75 * s; ++y)
                        ink += (255 - grey.constScanLine(y)[x * s]) / 255.0 / s;
                return ink / 4;
            };
            const qreal rising = weight(2), falling = weight(3);
            const QString got = u"%1x: rising bar %2, falling bar %3 down a column"_s.arg(s).arg(rising).arg(falling);
            QVERIFY2(rising > 1.5 && falling > 1.5, qPrintable(got));
            QVERIFY2(falling <= 1.3 * rising && rising <= 1.3 * falling, qPrintable(got));
        }
    }

    // Lone t's are each written, not one stem drawn again under different
    // bars: each leans a little its own way, none stands like a plumb line
    // next to the others, and all still stand upright.
    void loneStemsLeanEachTheirOwnWay()
    {
        for (int s : {1, 2}) {
            QList<qreal> leans;
            for (int index = 0; index < 6; ++index) {
                const QImage grey = greyPicture(u"LengthOfCrossing"_s, index, s == 2);
                QVERIFY(!grey.isNull());
                // Middle of the stem on a row clear of every bar: the only
                // ink within reach of the stem there.
                auto centre = [&](int y) {
                    const auto runs = inkRuns(grey, y * s, 48 * s, 70 * s);
                    return runs.size() == 1 ? (runs[0].first + runs[0].second) / 2.0 / s : qreal(-100);
                };
                const qreal high = centre(20), low = centre(98);
                QVERIFY2(high > 0 && low > 0, qPrintable(u"%1x picture %2: stem at %3 and %4"_s.arg(s).arg(index).arg(high).arg(low)));
                leans.append(high - low);
            }
            const auto [least, most] = std::minmax_element(leans.begin(), leans.end());
            QString got = u"%1x leans:"_s.arg(s);
            for (qreal lean : leans)
                got += u" %1"_s.arg(lean);
            QVERIFY2(*most - *least >= 1.8, qPrintable(got));
            QVERIFY2(*most <= 4 && *least >= -4, qPrintable(got));
        }
    }

    // The retraced stem is written up and back down nearly over the same
    // line: clearly heavier than a stem written once, its upper part showing
    // the way up as a doubled right edge that parts from the down-stroke by
    // a hair in short slits only, never opening like a loop. The way in
    // climbs from the a on a slant and meets the stem about a third of the
    // way up, not along the line; below the join the stem is written once.
    void retracedStemCarriesTwoPasses_data() { addSizeRows(); }

    void retracedStemCarriesTwoPasses()
    {
        QFETCH(bool, doubleSize);
        const int scale = doubleSize ? 2 : 1;
        auto load = [&](int index) {
            return greyPicture(u"Stems"_s, index, doubleSize);
        };
        const QImage retraced = load(0), single = load(2);
        QVERIFY(!retraced.isNull() && !single.isNull());
        struct Run
        {
            int start = 0, end = 0; // pixels, end exclusive
            int darkest = 255;
        };
        // Runs of ink on one row between two columns (1x units), and the
        // total ink over the row.
        auto runs = [&](const QImage &grey, int y, int from, int to, qreal *ink) {
            QList<Run> found;
            bool inInk = false;
            *ink = 0;
            for (int x = from * scale; x < to * scale; ++x) {
                const int v = grey.constScanLine(y)[x];
                const bool isInk = v < 160;
                if (isInk && !inInk)
                    found.append(Run{x, x, 255});
                if (isInk) {
                    found.last().end = x + 1;
                    found.last().darkest = std::min(found.last().darkest, v);
                }
                *ink += (255 - v) / 255.0 / scale;
                inInk = isInk;
            }
            return found;
        };
        // The stem written once: the inflexible t's, under its bar.
        qreal singleWidth = 0;
        for (int y = 60 * scale; y < 80 * scale; ++y) {
            qreal ink = 0;
            const QList<Run> once = runs(single, y, 28, 54, &ink);
            QCOMPARE(once.size(), 1);
            singleWidth = std::max(singleWidth, qreal(once[0].end - once[0].start) / scale);
        }
        // The upper stem, above and under the bar (at 46) and over the join.
        QList<int> rows;
        for (int y = 24 * scale; y < 41 * scale; ++y)
            rows.append(y);
        for (int y = 52 * scale; y < 77 * scale; ++y)
            rows.append(y);
        qreal heavy = 0, plain = 0, spans = 0;
        int doubled = 0, onTheRight = 0, slit = 0, longestSlit = 0;
        for (int y : rows) {
            const QString where = u"row %1"_s.arg(qreal(y) / scale);
            qreal ink = 0;
            const QList<Run> found = runs(retraced, y, 56, 82, &ink);
            heavy += ink;
            const QList<Run> once = runs(single, y, 28, 54, &ink);
            QCOMPARE(once.size(), 1);
            plain += ink;
            // One stroke, or two a hair apart: never paper wide enough for
            // an eye, nor a third line.
            QVERIFY2(found.size() == 1 || found.size() == 2, qPrintable(where + u": %1 strokes"_s.arg(found.size())));
            QVERIFY2(found[0].darkest < 60, qPrintable(where + u": stem only %1 dark"_s.arg(found[0].darkest)));
            const qreal span = qreal(found.last().end - found[0].start) / scale;
            QVERIFY2(span <= singleWidth + 5, qPrintable(where + u": stem %1 broad, a single one %2"_s.arg(span).arg(singleWidth)));
            spans += span;
            // Where the passes part or a lighter seam runs between two dark
            // cores, and whether that lies right of the stem's middle (at 1x
            // the fine way up is nearly as broad as the way down, so the
            // seam can fall on the middle itself).
            int split = -1;
            const uchar *line = retraced.constScanLine(y);
            if (found.size() == 2) {
                QVERIFY2(found[1].start - found[0].end <= scale, qPrintable(where + u": passes %1 px apart"_s.arg(found[1].start - found[0].end)));
                split = found[0].end;
                longestSlit = std::max(longestSlit, ++slit);
            } else {
                slit = 0;
                for (int x = found[0].start + 1; x < found[0].end - 1 && split < 0; ++x) {
                    const int left = *std::min_element(line + found[0].start, line + x);
                    const int right = *std::min_element(line + x + 1, line + found[0].end);
                    if (left < 60 && right < 60 && line[x] >= std::max(left, right) + 30)
                        split = x;
                }
            }
            if (split >= 0) {
                ++doubled;
                if (2 * split >= found[0].start + found.last().end)
                    ++onTheRight;
            }
        }
        const QString got = u"ink across: retraced %1, single %2; stem %3 broad on average, a single one %4; doubled "
                            "edge on %5 rows, %6 on the right; longest slit %7 rows"_s
                                .arg(heavy).arg(plain).arg(spans / rows.size()).arg(singleWidth).arg(doubled).arg(onTheRight)
                                .arg(longestSlit);
        QVERIFY2(heavy >= 1.3 * plain, qPrintable(got));
        QVERIFY2(spans / rows.size() >= singleWidth + 1.5, qPrintable(got));
        QVERIFY2(doubled >= 8 * scale, qPrintable(got));
        QVERIFY2(3 * onTheRight >= 2 * doubled, qPrintable(got));
        QVERIFY2(longestSlit <= 5 * scale, qPrintable(got));
        // The way in: under the join it stands apart from the stem, left of
        // 65, and climbs on a slant, well left of the stem low down.
        auto wayIn = [&](int y) {
            qreal ink = 0;
            const QList<Run> found = runs(retraced, y * scale, 40, 82, &ink);
            return found.size() == 2 && found[0].end <= 65 * scale ? (found[0].start + found[0].end) / 2.0 / scale : qreal(-100);
        };
        const qreal high = wayIn(88), low = wayIn(100);
        const QString way = u"way in at rows 88 and 100: %1, %2"_s.arg(high).arg(low);
        QVERIFY2(high > 0 && low > 0, qPrintable(way));
        QVERIFY2(high - low >= 10 && high - low <= 24, qPrintable(way));
        // It meets the stem about a third of the way up: above row 80 the
        // two no longer stand apart, under row 86 they do.
        int highestApart = 0;
        for (int y = 106; y >= 70; --y)
            if (wayIn(y) > 0)
                highestApart = y;
        QVERIFY2(highestApart >= 80 && highestApart <= 86, qPrintable(way + u", apart up to row %1"_s.arg(highestApart)));
        // Not along the line: between the a and the stem no ink lies low.
        int lowest = 0;
        for (int y = 0; y < retraced.height(); ++y)
            if (!inkRuns(retraced, y, 44 * scale, 60 * scale).isEmpty())
                lowest = y;
        QVERIFY2(lowest <= 103 * scale, qPrintable(u"ink between the a and the t down to row %1"_s.arg(qreal(lowest) / scale)));
        // Under the join the stem is written once.
        for (int y = 90 * scale; y < 100 * scale; ++y) {
            qreal ink = 0;
            const QList<Run> found = runs(retraced, y, 65, 82, &ink);
            QCOMPARE(found.size(), 1);
            const qreal width = qreal(found[0].end - found[0].start) / scale;
            QVERIFY2(width <= singleWidth + 1,
                     qPrintable(u"row %1: stem %2 broad under the join, a single one %3"_s.arg(qreal(y) / scale).arg(width).arg(singleWidth)));
        }
    }

    // The looped stem opens an eye between the stroke from the a and the
    // stem; the retraced stem's passes lie too close for that.
    void loopedStemOpensAnEye_data() { addSizeRows(); }

    void loopedStemOpensAnEye()
    {
        QFETCH(bool, doubleSize);
        const int s = doubleSize ? 2 : 1;
        // The t alone, right of the a's bowl.
        auto tEyes = [&](int index) {
            const QImage grey = greyPicture(u"Stems"_s, index, doubleSize).copy(52 * s, 0, 66 * s, 131 * s);
            return enclosedPatches(grey, 8 * s * s);
        };
        QCOMPARE(tEyes(0), 0);
        const int eyes = tEyes(1);
        QVERIFY2(eyes >= 1, qPrintable(u"looped t closes %1 eyes"_s.arg(eyes)));
    }

    // The inflexible lead-in is one straight stroke that starts on the line,
    // not under it, has the weight of the letter, and meets the stem low,
    // well under the bar, above which the stem stands alone.
    void inflexibleLeadInIsStraightFromTheLine_data() { addSizeRows(); }

    void inflexibleLeadInIsStraightFromTheLine()
    {
        QFETCH(bool, doubleSize);
        const int s = doubleSize ? 2 : 1;
        const QImage grey = greyPicture(u"Stems"_s, 2, doubleSize);
        QVERIFY(!grey.isNull());
        // The t stands at 40 on the line at 110, the o right of 60.
        const QList<std::pair<int, int>> stemRow = inkRuns(grey, 30 * s, 0, 60 * s);
        QCOMPARE(stemRow.size(), 1);
        const qreal stemWidth = qreal(stemRow[0].second - stemRow[0].first) / s;
        // Lowest ink left of the stem: where the lead-in starts.
        int lowest = -1;
        for (int y = 0; y < grey.height(); ++y)
            if (!inkRuns(grey, y, 0, 34 * s).isEmpty())
                lowest = y;
        QVERIFY2(lowest >= 109 * s && lowest <= 112 * s, qPrintable(u"lead-in starts at %1"_s.arg(qreal(lowest) / s)));
        // Its middle line, row by row, left of the stem (and clear of the
        // o's bowl, which reaches in under 60 near the line).
        auto centre = [&](int y) {
            const QList<std::pair<int, int>> runs = inkRuns(grey, y * s, 0, 50 * s);
            return runs.size() == 2 ? (runs[0].first + runs[0].second) / 2.0 / s : qreal(-100);
        };
        const qreal a = centre(106), m = centre(101), b = centre(96);
        const QString got = u"lead-in at rows 106, 101, 96: %1, %2, %3"_s.arg(a).arg(m).arg(b);
        QVERIFY2(a > 0 && m > 0 && b > 0, qPrintable(got));
        // A long, low slant, not upright and not a short stub under the
        // stem like the second leg of a lambda: it starts far out.
        QVERIFY2(b - a >= 9, qPrintable(got));
        const QRect box = inkBox(grey.copy(0, 0, 34 * s, grey.height()));
        QVERIFY2(box.isValid() && box.left() <= 19 * s, qPrintable(got + u", starts at %1"_s.arg(qreal(box.left()) / s)));
        QVERIFY2(std::abs(m - (a + b) / 2) <= 0.6, qPrintable(got));
        const qreal lean = std::atan2(b - a, 10.0);
        const QList<std::pair<int, int>> runs = inkRuns(grey, 101 * s, 0, 50 * s);
        const qreal width = qreal(runs[0].second - runs[0].first) / s * std::cos(lean);
        QVERIFY2(width >= 0.7 * stemWidth, qPrintable(got + u", %1 broad, stem %2"_s.arg(width).arg(stemWidth)));
        // Joined to the stem low down: from the bar to well under the
        // middle of the stem, the stem stands alone.
        for (int y = 52; y <= 80; y += 2)
            QVERIFY2(inkRuns(grey, y * s, 0, 60 * s).size() == 1, qPrintable(u"row %1 crosses more than the stem"_s.arg(y)));
    }

    void pairedLettersAreNotCopies_data()
    {
        QTest::addColumn<QString>("trait");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("left");  // x of the first letter's stem
        QTest::addColumn<int>("right"); // x of the second's
        QTest::addColumn<int>("half");  // how far either side of the stem the letter reaches
        // The i's of "mini" are narrow and close to their neighbours: only
        // the stem and its dot are compared.
        QTest::newRow("ii") << u"IDotAnalysis"_s << 0 << 54 << 96 << 5;
        QTest::newRow("ii smudged") << u"IDotAnalysis"_s << 7 << 54 << 96 << 6;
        QTest::newRow("tt pressure") << u"BarPressure"_s << 0 << 25 << 88 << 14;
        QTest::newRow("tt light") << u"BarPressure"_s << 1 << 25 << 88 << 14;
        QTest::newRow("tt bar") << u"BarHeight"_s << 2 << 25 << 88 << 14;
    }

    // Two of the same letter side by side are each written, not one stamped
    // twice: laid over each other, they differ in a good few pixels.
    void pairedLettersAreNotCopies()
    {
        QFETCH(QString, trait);
        QFETCH(int, index);
        QFETCH(int, left);
        QFETCH(int, right);
        QFETCH(int, half);
        for (int scale : {1, 2}) {
            const QImage grey = greyPicture(trait, index, scale == 2);
            QVERIFY(!grey.isNull());
            const int shift = (right - left) * scale;
            int differ = 0, inked = 0;
            for (int y = 0; y < grey.height(); ++y) {
                const uchar *line = grey.constScanLine(y);
                for (int x = (left - half) * scale; x < (left + half) * scale; ++x) {
                    const int a = line[x];
                    const int b = line[x + shift];
                    inked += a < 128;
                    differ += std::abs(a - b) > 80;
                }
            }
            QVERIFY2(inked > 0, "no letter where the first one should stand");
            QVERIFY2(differ * 20 > inked,
                     qPrintable(u"%1x: %2 of %3 inked pixels differ"_s.arg(scale).arg(differ).arg(inked)));
        }
    }

    // The i of "little" on the size pictures, and of "kite" on the slant
    // pictures that stand upright or lean moderately, is dotted with a dab
    // of the pen, plainly wider than the stroke of its stem, so it reads as
    // a dot and not as a speck or the stem's end, and it stands clear of the
    // stem even where the i is small.
    void printedIsAreDottedPlainly_data()
    {
        QTest::addColumn<QString>("trait");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("firstLineFoot"); // rows under the first line, 1x
        QTest::addColumn<bool>("doubleSize");
        for (bool doubleSize : {false, true}) {
            const char *size = doubleSize ? "2x" : "1x";
            for (int index : {0, 2, 3, 4})
                QTest::addRow("size %d %s", index, size) << u"SizeOfTheWriting"_s << index << 64 << doubleSize;
            for (int index : {0, 1, 3, 5})
                QTest::addRow("slant %d %s", index, size) << u"Slant"_s << index << 44 << doubleSize;
        }
    }

    void printedIsAreDottedPlainly()
    {
        QFETCH(QString, trait);
        QFETCH(int, index);
        QFETCH(int, firstLineFoot);
        QFETCH(bool, doubleSize);
        const int s = doubleSize ? 2 : 1;
        const QImage grey = greyPicture(trait, index, doubleSize);
        QVERIFY(!grey.isNull());
        // The first line: the dot is its shortest piece of ink.
        auto box = [](const QList<QPoint> &piece) {
            QRect r;
            for (const QPoint &p : piece)
                r |= QRect(p, QSize(1, 1));
            return r;
        };
        const QList<QList<QPoint>> pieces = inkPieces(grey, 0, firstLineFoot * s);
        QVERIFY(!pieces.isEmpty());
        QRect dot = box(pieces.first());
        for (const QList<QPoint> &piece : pieces)
            if (box(piece).height() < dot.height())
                dot = box(piece);
        // The stem is the nearest piece under it.
        QRect stem;
        for (const QList<QPoint> &piece : pieces) {
            const QRect r = box(piece);
            if (r.top() > dot.bottom() && r.left() - 4 * s <= dot.center().x() && dot.center().x() <= r.right() + 4 * s
                && (stem.isNull() || r.top() < stem.top()))
                stem = r;
        }
        QVERIFY2(!stem.isNull(), qPrintable(u"nothing under the dot at (%1, %2)"_s.arg(dot.x()).arg(dot.y())));
        const auto [from, to] = inkRuns(grey, stem.center().y(), stem.left(), stem.right() + 1).value(0);
        const int across = to - from;
        const QString got = u"dot %1 wide, stem %2 wide, %3 clear of it"_s.arg(dot.width()).arg(across)
                                .arg(stem.top() - dot.bottom() - 1);
        // At 1x the pixel grid may round a small dot down to the stroke's width.
        QVERIFY2(across > 0 && dot.width() >= (doubleSize ? 1.25 : 1.0) * across, qPrintable(got));
        QVERIFY2(stem.top() - dot.bottom() - 1 >= 2 * s, qPrintable(got));
    }

    // Broad and narrow writing differ in the width of their letters, not in
    // their height or in the pen: the words stand about as tall, the broad
    // ones far wider, and the strokes are of much the same weight in both.
    void broadAndNarrowKeepThePen()
    {
        struct Ink
        {
            QRect box;
            int pen = 0; // typical stroke width: the thinner way across at each inked pixel
            int sideways = 0; // typical height of the strokes that run sideways
            int upright = 0; // typical width of the strokes that run up and down
        };
        auto measure = [](int index) {
            const QImage grey = greyPicture(u"SizeOfTheWriting"_s, index, true);
            const int w = grey.width(), h = grey.height();
            auto dark = [&](int x, int y) { return grey.constScanLine(y)[x] < 128; };
            // Length of the run of ink through each pixel, across and down.
            QList<int> across(w * h, 0), down(w * h, 0);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w;) {
                    int end = x;
                    while (end < w && dark(end, y))
                        ++end;
                    for (int k = x; k < end; ++k)
                        across[y * w + k] = end - x;
                    x = end == x ? x + 1 : end;
                }
            for (int x = 0; x < w; ++x)
                for (int y = 0; y < h;) {
                    int end = y;
                    while (end < h && dark(x, end))
                        ++end;
                    for (int k = y; k < end; ++k)
                        down[k * w + x] = end - y;
                    y = end == y ? y + 1 : end;
                }
            Ink ink;
            QList<int> widths;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    if (dark(x, y)) {
                        ink.box |= QRect(x, y, 1, 1);
                        widths.append(std::min(across[y * w + x], down[y * w + x]));
                    }
            std::sort(widths.begin(), widths.end());
            ink.pen = widths.isEmpty() ? 0 : widths[widths.size() / 2];
            QList<int> sideways, upright;
            for (int i = 0; i < w * h; ++i) {
                if (across[i] > 2 * down[i] && down[i] > 0)
                    sideways.append(down[i]);
                else if (down[i] > 2 * across[i] && across[i] > 0)
                    upright.append(across[i]);
            }
            std::sort(sideways.begin(), sideways.end());
            std::sort(upright.begin(), upright.end());
            ink.sideways = sideways.isEmpty() ? 0 : sideways[sideways.size() / 2];
            ink.upright = upright.isEmpty() ? 0 : upright[upright.size() / 2];
            return ink;
        };
        const Ink narrow = measure(2);
        const Ink broad = measure(3);
        QVERIFY(narrow.pen > 0 && broad.pen > 0);
        const qreal heightRatio = qreal(broad.box.height()) / narrow.box.height();
        QVERIFY2(heightRatio > 0.75 && heightRatio < 1.3, qPrintable(u"heights %1 and %2"_s.arg(broad.box.height()).arg(narrow.box.height())));
        QVERIFY2(broad.box.width() * 10 > 16 * narrow.box.width(),
                 qPrintable(u"broad %1 wide, narrow %2"_s.arg(broad.box.width()).arg(narrow.box.width())));
        const qreal pen = qreal(broad.pen) / narrow.pen;
        QVERIFY2(pen > 0.6 && pen < 1.6, qPrintable(u"strokes %1 and %2 wide"_s.arg(broad.pen).arg(narrow.pen)));
        // Widened writing is written wide, not a font pulled sideways: its
        // down-strokes are no heavier than the narrow ones, and its sideways
        // strokes are not thickened beyond the narrow writing's either.
        const QString strokes = u"broad sideways %1 upright %2, narrow sideways %3 upright %4"_s.arg(broad.sideways)
                                    .arg(broad.upright).arg(narrow.sideways).arg(narrow.upright);
        QVERIFY2(broad.upright > 0 && broad.sideways > 0, qPrintable(strokes));
        QVERIFY2(broad.upright * 10 <= narrow.upright * 13, qPrintable(strokes));
        QVERIFY2(broad.sideways * 10 <= narrow.sideways * 13 + 10, qPrintable(strokes));
        // The page is written with one pen: the tall writing's letters are
        // half as high again, yet its down-strokes are as heavy as the broad
        // writing's, within a fifth, as a pen's stroke does not grow with
        // the letters; nor does the small writing's outweigh them.
        const Ink tall = measure(0);
        const Ink small = measure(1);
        const QString stems = u"down-strokes: broad %1 wide, tall %2, small %3"_s.arg(broad.upright).arg(tall.upright)
                                  .arg(small.upright);
        QVERIFY2(std::abs(broad.upright - tall.upright) * 5 <= tall.upright, qPrintable(stems));
        QVERIFY2(small.upright > 0 && small.upright <= tall.upright, qPrintable(stems));
        QVERIFY2(tall.box.height() * 10 >= broad.box.height() * 13, qPrintable(u"tall %1 high, broad %2"_s.arg(tall.box.height()).arg(broad.box.height())));
    }

    // Broad letters are written wide, not flattened: the eyes of its e's and
    // b's are open and round, each at most about twice as wide as high,
    // where a font pulled out sideways leaves long flat slits.
    void broadLettersKeepRoundEyes()
    {
        const QImage grey = greyPicture(u"SizeOfTheWriting"_s, 3, true);
        QVERIFY(!grey.isNull());
        const QList<QRect> eyes = letterEyes(grey);
        for (const QRect &box : eyes)
            QVERIFY2(box.width() <= 2.2 * box.height(), qPrintable(u"a flat eye %1x%2"_s.arg(box.width()).arg(box.height())));
        // "little" has one e, "bells" a b and an e.
        QVERIFY2(eyes.size() >= 3, qPrintable(u"eyes %1"_s.arg(describeEyes(eyes))));
    }

    // Narrow writing is formed narrow, not the usual letters squeezed
    // sideways until their eyes close: its e's and b's keep open eyes, each
    // no wider than high, and the broad writing's eyes are far wider.
    void narrowLettersKeepTallOpenEyes()
    {
        const QImage narrow = greyPicture(u"SizeOfTheWriting"_s, 2, true);
        const QImage broad = greyPicture(u"SizeOfTheWriting"_s, 3, true);
        QVERIFY(!narrow.isNull() && !broad.isNull());
        const QList<QRect> slim = letterEyes(narrow), wide = letterEyes(broad);
        const QString got = u"narrow %1, broad %2"_s.arg(describeEyes(slim), describeEyes(wide));
        QVERIFY2(slim.size() >= 3 && wide.size() >= 3, qPrintable(got));
        int slimWidth = 0, wideWidth = 0;
        for (const QRect &e : slim) {
            QVERIFY2(e.width() <= e.height() + 1, qPrintable(got));
            slimWidth += e.width();
        }
        for (const QRect &e : wide)
            wideWidth += e.width();
        QVERIFY2(wideWidth * slim.size() * 10 >= slimWidth * wide.size() * 16, qPrintable(got));
    }

    // Tall writing is tall, not narrow: its height is in the ascenders, and
    // its letters are as wide for their height as ordinary writing's. On
    // "bells" the word's length over the height of its closing s stands well
    // above the narrow writing's; tall letters drawn a shade slimmer once
    // made the two pictures look alike.
    void tallLettersAreNotNarrow()
    {
        // Length of "bells" against its s, from the pieces of ink of the
        // picture's lower half (2x): the s is the last piece.
        auto proportion = [](int index) {
            const QImage grey = greyPicture(u"SizeOfTheWriting"_s, index, true);
            const QList<QList<QPoint>> pieces = inkPieces(grey, 120, grey.height());
            QRect word, s;
            for (const QList<QPoint> &piece : pieces)
                for (const QPoint &p : piece)
                    word |= QRect(p, QSize(1, 1));
            if (!pieces.isEmpty())
                for (const QPoint &p : pieces.last())
                    s |= QRect(p, QSize(1, 1));
            return std::make_tuple(word.width(), s.height(), s.height() ? qreal(word.width()) / s.height() : 0.0);
        };
        const auto [tallLength, tallS, tall] = proportion(0);
        const auto [narrowLength, narrowS, narrow] = proportion(2);
        const QString got = u"tall %1 long, s %2 high; narrow %3 long, s %4 high"_s.arg(tallLength).arg(tallS)
                                .arg(narrowLength).arg(narrowS);
        QVERIFY2(narrow > 0 && tallS > narrowS, qPrintable(got));
        QVERIFY2(tall >= 1.45 * narrow, qPrintable(got));
    }

    // Broad writing is wide in its letters, not in the room between them,
    // or it reads as wide letter spacing: across the small letters' band the
    // clear columns between letters are about as wide as the narrow
    // writing's, though the broad words are far longer.
    void broadWritingKeepsOrdinaryGaps()
    {
        // Mean width (2x pixels) of the runs of columns with no ink across
        // the small letters of each line, inside the word. The broad hand
        // once spread its letters apart and gave nearly twice the narrow gap.
        auto gaps = [](int index, const QList<int> &baselines) {
            const QImage grey = greyPicture(u"SizeOfTheWriting"_s, index, true);
            qreal sum = 0;
            int count = 0;
            for (int baseline : baselines) {
                // Up to the t bars, which fill the room after their stems.
                for (qreal gap : clearColumnGaps(grey, (baseline - 15) * 2, (baseline - 1) * 2, 1)) {
                    sum += gap;
                    ++count;
                }
            }
            return count ? sum / count : 0.0;
        };
        const qreal narrow = gaps(2, {56, 102}), broad = gaps(3, {58, 104});
        const QString got = u"mean gap narrow %1, broad %2"_s.arg(narrow).arg(broad);
        QVERIFY2(narrow > 0 && broad > 0, qPrintable(got));
        QVERIFY2(broad <= narrow * 1.5, qPrintable(got));
    }

    void iDotGaps_data() { addSizeRows(); }

    // The three round dots over the same stem sit at clearly different
    // heights: just above leaves a small but plain gap over the tip (a dot
    // all but sitting on the stem reads to some as "directly" above it),
    // the usual height a gap several times that (most of the letter's
    // height, no more), and high above several times the usual again.
    void iDotGaps()
    {
        QFETCH(bool, doubleSize);
        const int scale = doubleSize ? 2 : 1;
        // White rows between the top of the stem and the dot over it, up the
        // stem's own column; -1 if there is no dot over the stem.
        auto gapOverStem = [&](int index, int stemX) {
            const QImage grey = greyPicture(u"IDotAnalysis"_s, index, doubleSize);
            int y = 90 * scale; // on the stem, below its top
            while (y > 0 && qGray(grey.pixel(stemX * scale, y)) < 128)
                --y;
            int gap = 0;
            while (y > 0 && qGray(grey.pixel(stemX * scale, y)) >= 128) {
                --y;
                ++gap;
            }
            return y > 0 ? gap / scale : -1;
        };
        for (int stemX : {54, 96}) {
            const int close = gapOverStem(1, stemX);
            const int plumb = gapOverStem(0, stemX);
            const int high = gapOverStem(2, stemX);
            QVERIFY2(close >= 3 && close <= 5, qPrintable(u"just-above dot gap %1"_s.arg(close)));
            // The plumb dot stands at an ordinary height: far up from the
            // just-above one, and nowhere near as high as the high one.
            QVERIFY2(plumb >= 18 && plumb <= 25 && plumb >= 4 * close,
                     qPrintable(u"plumb gap %1, just-above gap %2"_s.arg(plumb).arg(close)));
            QVERIFY2(high >= 5 * plumb / 2, qPrintable(u"high gap %1, plumb gap %2"_s.arg(high).arg(plumb)));
        }
    }

    void lightDotsAreFaintButThere_data() { addSizeRows(); }

    // A very light dot is set down with hardly any pressure: over each stem
    // there is a small dot, smaller than a firmly set one, in pale ink, far
    // less than a normal dot carries and nowhere as dark as the pen's full
    // ink. Thin ink still has a firm edge: no soft blur. It lies unevenly,
    // as a barely pressed pen leaves it, yet in patches and not as speckled
    // grain; and heavier where the pen bore as it landed, a touch of the
    // pen rather than a stamped disc.
    void lightDotsAreFaintButThere()
    {
        QFETCH(bool, doubleSize);
        const int scale = doubleSize ? 2 : 1;
        for (int stemX : {54, 96}) {
            auto dot = [&](int index, int *area, int *darkest) {
                const QImage grey = greyPicture(u"IDotAnalysis"_s, index, doubleSize);
                qreal ink = 0;
                *area = 0;
                *darkest = 255;
                for (int y = 0; y < 72 * scale; ++y)
                    for (int x = (stemX - 8) * scale; x < (stemX + 9) * scale; ++x) {
                        const int v = grey.constScanLine(y)[x];
                        ink += (255 - v) / 255.0;
                        *area += v < 200;
                        *darkest = std::min(*darkest, v);
                    }
                return ink / (scale * scale);
            };
            int lightArea = 0, lightDarkest = 255, plainArea = 0, plainDarkest = 255;
            const qreal light = dot(3, &lightArea, &lightDarkest);
            const qreal plain = dot(0, &plainArea, &plainDarkest);
            const QString got = u"stem %1: light dot ink %2 over %3 px, darkest %4; plain %5 over %6 px"_s.arg(stemX).arg(light)
                                    .arg(lightArea).arg(lightDarkest).arg(plain).arg(plainArea);
            QVERIFY2(light >= 1.5 && light <= 0.45 * plain, qPrintable(got));
            QVERIFY2(lightArea > 0 && lightArea < plainArea, qPrintable(got));
            QVERIFY2(lightDarkest >= plainDarkest + 60, qPrintable(got + u", plain darkest %1"_s.arg(plainDarkest)));
            // Plainly a dot, not a dash that reads as a dot set off to one
            // side: weighted by its ink, the mark spreads along its longest
            // way less than three quarters as far again as across.
            const QImage grey = greyPicture(u"IDotAnalysis"_s, 3, doubleSize);
            qreal w = 0, mx = 0, my = 0;
            QList<std::tuple<qreal, qreal, qreal>> marks;
            for (int y = 0; y < 72 * scale; ++y)
                for (int x = (stemX - 8) * scale; x < (stemX + 9) * scale; ++x) {
                    const qreal v = (255 - grey.constScanLine(y)[x]) / 255.0;
                    if (v < 0.04)
                        continue;
                    marks.append({x, y, v});
                    w += v;
                    mx += v * x;
                    my += v * y;
                }
            QVERIFY2(w > 0, qPrintable(got));
            mx /= w;
            my /= w;
            qreal sxx = 0, syy = 0, sxy = 0;
            for (auto [x, y, v] : marks) {
                sxx += v * (x - mx) * (x - mx);
                syy += v * (y - my) * (y - my);
                sxy += v * (x - mx) * (y - my);
            }
            const qreal mean = (sxx + syy) / 2, spread = std::hypot((sxx - syy) / 2, sxy);
            const qreal elongation = std::sqrt((mean + spread) / std::max(mean - spread, 1e-9));
            QVERIFY2(elongation <= 1.75, qPrintable(got + u", the mark %1 times as long as it is wide"_s.arg(elongation)));
            // Where an ordinary dot is set: its middle over the stem and at
            // the plain dot's height, within a couple of pixels (1x).
            {
                const QImage plainGrey = greyPicture(u"IDotAnalysis"_s, 0, doubleSize);
                qreal pw = 0, px = 0, py = 0;
                for (int y = 0; y < 72 * scale; ++y)
                    for (int x = (stemX - 8) * scale; x < (stemX + 9) * scale; ++x) {
                        const qreal v = (255 - plainGrey.constScanLine(y)[x]) / 255.0;
                        if (v < 0.04)
                            continue;
                        pw += v;
                        px += v * x;
                        py += v * y;
                    }
                QVERIFY2(pw > 0, qPrintable(got));
                const QPointF off = QPointF(mx - px / pw, my - py / pw) / scale;
                QVERIFY2(std::abs(off.x()) <= 2 && std::abs(off.y()) <= 2.5,
                         qPrintable(got + u", its middle %1, %2 px off the plain dot's"_s.arg(off.x()).arg(off.y())));
            }
            // A firm edge: nearly all of the mark is its body of pale ink,
            // with only a thin ring of fainter pixels where it meets the
            // paper. A blurred spot is mostly such fringe (two thirds of
            // it); at 1x a pixel is a good part of the dab, so its edge
            // pixels count for more.
            int fringe = 0;
            for (auto [x, y, v] : marks)
                fringe += v < 0.25;
            QVERIFY2(fringe * 100 <= marks.size() * (doubleSize ? 40 : 50),
                     qPrintable(got + u", %1 of its %2 px a faint fringe"_s.arg(fringe).arg(marks.size())));
            // Smaller than a firmly set dot, some three quarters of its width
            // and height, so under two thirds of its ink's spread; yet a dot
            // and not a speck that goes unseen at 1x, at least half as wide
            // and high.
            auto extent = [&](int index) {
                const QImage picture = greyPicture(u"IDotAnalysis"_s, index, doubleSize);
                return inkBox(picture.copy((stemX - 8) * scale, 0, 17 * scale, 72 * scale), 230).size();
            };
            const QSize lightSize = extent(3), plainSize = extent(0);
            const QString sizes = got + u", %1x%2 px against the ordinary dot's %3x%4"_s.arg(lightSize.width()).arg(lightSize.height())
                                            .arg(plainSize.width()).arg(plainSize.height());
            QVERIFY2(lightArea * 10 <= plainArea * 6 && lightArea * 4 >= plainArea, qPrintable(sizes));
            // At 2x a pixel is fine enough to tell its reach each way.
            QVERIFY2(!doubleSize || (lightSize.width() * 20 <= plainSize.width() * 17 && lightSize.height() * 20 <= plainSize.height() * 17),
                     qPrintable(sizes));
            QVERIFY2(lightSize.width() * 2 >= plainSize.width() && lightSize.height() * 2 >= plainSize.height(), qPrintable(sizes));
            // The body of the mark, each of its pixels inked on all four
            // sides: a light grey, plainly ink and plainly paler than the
            // pen's full ink.
            auto toneAt = [&](int x, int y) { return int(grey.constScanLine(y)[x]); };
            auto inkAt = [&](int x, int y) { return (255 - toneAt(x, y)) / 255.0 >= 0.15; };
            QList<int> body;
            QList<QVector3D> tones;
            for (int y = 1; y < 72 * scale - 1; ++y)
                for (int x = (stemX - 8) * scale; x < (stemX + 9) * scale - 1; ++x) {
                    if (!inkAt(x, y) || !inkAt(x - 1, y) || !inkAt(x + 1, y) || !inkAt(x, y - 1) || !inkAt(x, y + 1))
                        continue;
                    body.append(toneAt(x, y));
                    tones.append(QVector3D(x, y, toneAt(x, y)));
                }
            std::sort(body.begin(), body.end());
            QVERIFY2(body.size() >= (doubleSize ? 12 : 2), qPrintable(got + u", a body of %1 px"_s.arg(body.size())));
            const int usual = body[body.size() / 2];
            const QString tone = got + u", body %1 px from %2 to %3, usual %4"_s.arg(body.size()).arg(body.first()).arg(body.last()).arg(usual);
            QVERIFY2(usual >= 90 && usual <= 180, qPrintable(tone));
            if (!doubleSize)
                continue;
            // At 2x the body is a few pixels across, enough to see how the
            // ink lies in it. No speckle: its tone changes from pixel to
            // pixel only as much as a patch or the dark rim where the pen
            // bore makes it, so each pixel stands within some ten tones of
            // the mean of its four neighbours on the whole (a grainy film's
            // pixels stray by some sixteen).
            qreal jitter = 0;
            int jittered = 0;
            for (const QVector3D &t : tones) {
                const int x = int(t.x()), y = int(t.y());
                if (!inkAt(x - 1, y) || !inkAt(x + 1, y) || !inkAt(x, y - 1) || !inkAt(x, y + 1))
                    continue;
                jitter += std::abs(t.z() - (toneAt(x - 1, y) + toneAt(x + 1, y) + toneAt(x, y - 1) + toneAt(x, y + 1)) / 4.0);
                ++jittered;
            }
            jitter /= std::max(jittered, 1);
            QVERIFY2(jitter <= 12.5, qPrintable(tone + u", its pixels stray %1 tones from their neighbours: speckled"_s.arg(jitter)));
            // Yet no stamped disc of one flat grey: its darker tenth stands
            // well off its paler tenth (a flat disc's by some twenty-five).
            const int heavier = body[body.size() / 10], paler = body[body.size() * 9 / 10];
            QVERIFY2(paler - heavier >= 35, qPrintable(tone + u", its darker tenth %1, its paler %2: one flat grey"_s.arg(heavier).arg(paler)));
            // Nor one smooth fade across it, which reads as a shaded disc:
            // a light touch lays its ink unevenly, heavier at the rim where
            // the pen bore and in patches, so the body's tones stray well
            // off the closest even run from one side to the other (a smooth
            // fade's by no more than six).
            const qreal stray = strayFromPlane(tones);
            QVERIFY2(stray >= 7.5, qPrintable(tone + u", its pixels stray only %1 tones from a smooth run: a shaded disc"_s.arg(stray)));
            // And a pen's touch, not a stamp: the ball bore on one side of
            // the mark as it landed and left its ink heavier there, so the
            // middle of its ink lies well off the middle of its shape (a
            // stamped disc's, even a shaded one's, lies nearly on it).
            QList<QPointF> inked;
            QPointF middle;
            for (auto [x, y, v] : marks)
                if (v >= 0.1) {
                    inked.append(QPointF(x, y));
                    middle += QPointF(x, y);
                }
            middle /= std::max<qsizetype>(inked.size(), 1);
            qreal reach = 0;
            for (const QPointF &q : inked)
                reach += QPointF::dotProduct(q - middle, q - middle);
            reach = std::sqrt(reach / std::max<qsizetype>(inked.size(), 1));
            const QPointF heavy = QPointF(mx, my) - middle;
            const qreal lopsided = std::hypot(heavy.x(), heavy.y()) / std::max(reach, 1e-6);
            QVERIFY2(inked.size() >= 12 && lopsided >= 0.1,
                     qPrintable(tone + u", its ink lies %1 of its reach off its middle: a stamp"_s.arg(lopsided)));
        }
    }

    void sideDotsMissTheStem_data() { addSizeRows(); }

    // A dot set to the left or right of its i stands plainly off to that
    // side: nothing of it over the stem itself, its middle well aside, yet
    // still nearer its own stem than the next letter's. It is set lower than
    // the plumb dot, though well clear of the stem's tip, so that from the
    // stem's top it is seen off at a wide angle rather than nearly straight
    // up; and the two i's dots do not land in quite the same place. The
    // plumb dot sits square over the stem, the just-above one a touch to its
    // right.
    void sideDotsMissTheStem()
    {
        QFETCH(bool, doubleSize);
        const int scale = doubleSize ? 2 : 1;
        QPointF sideSpot[2][2]; // [left, right][stem]: the dot's middle from the stem's top
        for (int s = 0; s < 2; ++s) {
            const int stemX = s == 0 ? 54 : 96;
            // Top row of the stem in a picture, in device pixels: up its
            // column from below its top to the first paper.
            auto stemTop = [&](const QImage &grey) {
                int y = 90 * scale;
                while (y > 0 && qGray(grey.pixel(stemX * scale, y)) < 128)
                    --y;
                return y + 1;
            };
            // Middle of the ink above the stem's top near the stem, in 1x
            // pixels from the stem; whether any of it lies over the stem's
            // column; and how far its middle stands above the stem's top,
            // in 1x pixels.
            auto dot = [&](int index, bool *overStem, qreal *rise = nullptr) {
                const QImage grey = greyPicture(u"IDotAnalysis"_s, index, doubleSize);
                const int top = stemTop(grey);
                qreal sum = 0, rows = 0;
                int count = 0;
                *overStem = false;
                for (int y = 0; y < top - 1; ++y)
                    for (int x = (stemX - 13) * scale; x < (stemX + 14) * scale; ++x)
                        if (grey.constScanLine(y)[x] < 128) {
                            sum += x;
                            rows += y;
                            ++count;
                            *overStem |= std::abs(x - stemX * scale) <= scale;
                        }
                if (rise)
                    *rise = count ? (top - rows / count) / scale : qQNaN();
                return count ? (sum / count - stemX * scale) / scale : qQNaN();
            };
            bool over = false;
            qreal plumbRise = 0, closeRise = 0, leftRise = 0, rightRise = 0;
            const qreal plumb = dot(0, &over, &plumbRise);
            QVERIFY2(std::abs(plumb) <= 1 && over, qPrintable(u"plumb dot %1 off the stem"_s.arg(plumb)));
            const qreal close = dot(1, &over, &closeRise);
            // The just-above dot is dabbed in passing, plainly right of
            // plumb, so only the plumb dots stand exactly over their stems
            // (whichever way one reads "directly" and "just" above, the two
            // pictures part); yet it is still over the tip, not set aside.
            QVERIFY2(close - plumb >= 1.5 && close >= 1.5 && close <= 3 && over,
                     qPrintable(u"just-above dot %1 off the stem, plumb dot %2"_s.arg(close).arg(plumb)));
            const qreal left = dot(4, &over, &leftRise);
            QVERIFY2(!over && left <= -7 && left >= -11, qPrintable(u"left dot %1 off the stem at %2"_s.arg(left).arg(stemX)));
            const qreal right = dot(5, &over, &rightRise);
            QVERIFY2(!over && right >= 7 && right <= 11, qPrintable(u"right dot %1 off the stem at %2"_s.arg(right).arg(stemX)));
            // Lower than the plumb dot, by a good part of its height, yet
            // nowhere near sitting on the tip like the just-above dot.
            const QString heights = u"dots' middles %1 (left), %2 (right), %3 (plumb), %4 (just above) over the top of %5"_s
                                        .arg(leftRise).arg(rightRise).arg(plumbRise).arg(closeRise).arg(stemX);
            for (qreal rise : {leftRise, rightRise})
                QVERIFY2(rise <= plumbRise - 5 && rise >= closeRise + 6, qPrintable(heights));
            // Off at a wide angle from the stem's top: aside nearly half as
            // far as up, or more (only a third for a dot set aside at the
            // usual height).
            QVERIFY2(-left >= 0.45 * leftRise && right >= 0.45 * rightRise, qPrintable(heights + u", aside %1 and %2"_s.arg(left).arg(right)));
            sideSpot[0][s] = {left, leftRise};
            sideSpot[1][s] = {right, rightRise};
        }
        // Each i's dot set down by hand: the two land at least a pixel
        // apart in their places against their stems.
        for (int d = 0; d < 2; ++d) {
            const QPointF apart = sideSpot[d][0] - sideSpot[d][1];
            QVERIFY2(std::hypot(apart.x(), apart.y()) >= 1,
                     qPrintable(u"%1 dots at (%2, %3) and (%4, %5) from their stems' tops"_s.arg(d == 0 ? u"left"_s : u"right"_s)
                                    .arg(sideSpot[d][0].x()).arg(sideSpot[d][0].y()).arg(sideSpot[d][1].x()).arg(sideSpot[d][1].y())));
        }
    }

    // A smudged dot is a wet dot wiped by a fingertip: over each i a dense
    // spot of the pen's full ink, bigger than a clean dot but no more than
    // about twice as wide, and running out of it to one side a short smear
    // of thinner ink that fades as it goes, a good deal paler than the spot
    // yet plainly inked. The whole mark stays modest, a few dots long, not a
    // grey cloud. The smear is thin ink wiped into a film, neither a spray of
    // grey nor combed into separate bands along the drag, nor a flat shape of
    // one grey: its tone changes all over and it thins away to its end. Its
    // edges are soft, yet the fringe of faint grey stays narrow. All in one
    // piece, with no specks, and away from the smear the spot's pale edge
    // only a hair wide. One hand went over both i's, so both are wiped to the
    // right and a little down, yet they are no one shape set down twice: they
    // differ in size and in a good part of their ink. The spot's edge is
    // uneven, off the oval of its spread.
    void smudgedDotsBlot_data() { addSizeRows(); }

    void smudgedDotsBlot()
    {
        QFETCH(bool, doubleSize);
        const int scale = doubleSize ? 2 : 1;
        auto key = [](int x, int y) { return (quint64(quint32(x)) << 32) | quint32(y); };
        QList<QPoint> firstShape;
        qsizetype firstDark = 0;
        for (int stemX : {54, 96}) {
            // One hand smeared both i's the same way: to the right.
            const int way = 1;
            // The ink above the word round the stem and out to the right as
            // far as a rub may run: the word's tops are at row 77, so no
            // other letter reaches in.
            const QRect area((stemX - 16) * scale, 0, 37 * scale, 73 * scale);
            const QImage grey = greyPicture(u"IDotAnalysis"_s, 7, doubleSize);
            const QImage plain = greyPicture(u"IDotAnalysis"_s, 0, doubleSize);
            QVERIFY(!grey.isNull() && !plain.isNull());
            QRect cleanBox, box, darkBox;
            int cleanInk = 0, cleanDark = 0, ink = 0;
            QList<QPoint> dark, pale;
            QPointF darkMiddle;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x) {
                    if (plain.constScanLine(y)[x] < 200) {
                        ++cleanInk;
                        cleanDark += plain.constScanLine(y)[x] < 90;
                        cleanBox |= QRect(x, y, 1, 1);
                    }
                    const int v = grey.constScanLine(y)[x];
                    if (v >= 200)
                        continue;
                    ++ink;
                    box |= QRect(x, y, 1, 1);
                    if (v < 90) {
                        dark.append({x, y});
                        darkBox |= QRect(x, y, 1, 1);
                        darkMiddle += QPointF(x, y);
                    } else {
                        pale.append({x, y});
                    }
                }
            QVERIFY2(!dark.isEmpty() && cleanInk > 0, qPrintable(u"over %1: no spot or no clean dot"_s.arg(stemX)));
            darkMiddle /= dark.size();
            const QString got = u"over %1: %2 px of ink (%3 dark) in %4x%5, spot %6x%7; clean dot %8 px in %9x%10"_s.arg(stemX)
                                    .arg(ink).arg(dark.size()).arg(box.width()).arg(box.height()).arg(darkBox.width())
                                    .arg(darkBox.height()).arg(cleanInk).arg(cleanBox.width()).arg(cleanBox.height());
            // More ink than a dot leaves...
            QVERIFY2(ink >= 5 * cleanInk / 2, qPrintable(got));
            // ...round a spot of full ink as big as the dot or a little
            // bigger, but not swollen into a blot. The spot is measured as
            // far as its ink reaches on the side away from the smear, where
            // nothing was dragged out of it, and like the clean dot down to
            // its faintest edge: its full height there, and twice its reach
            // back from the middle of its full ink for its width.
            QRect backBox;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    if (way * (x - darkMiddle.x()) <= 0 && grey.constScanLine(y)[x] < 200)
                        backBox |= QRect(x, y, 1, 1);
            const qreal spotHeight = backBox.height();
            const qreal spotWidth = 2 * std::abs((way > 0 ? backBox.left() : backBox.right()) - darkMiddle.x()) + 1;
            const QString spotGot = got + u", spot %1 high and %2 wide to its faint edge"_s.arg(spotHeight).arg(spotWidth);
            QVERIFY2(spotHeight >= cleanBox.height() && spotHeight <= 1.9 * cleanBox.height(), qPrintable(spotGot));
            QVERIFY2(spotWidth >= 1.2 * cleanBox.width() && spotWidth <= 2.2 * cleanBox.width(), qPrintable(spotGot));
            // Some of the dot's ink was lifted by the finger: round the
            // spot's middle the half towards the smear is plainly paler than
            // the half away from it, which stays dense, where a blot of full
            // ink is as dark through.
            {
                const qreal reachBack = std::abs((way > 0 ? backBox.left() : backBox.right()) - darkMiddle.x());
                qreal backTone = 0, frontTone = 0;
                int backCount = 0, frontCount = 0;
                for (int y = area.top(); y <= area.bottom(); ++y)
                    for (int x = area.left(); x <= area.right(); ++x) {
                        const int v = grey.constScanLine(y)[x];
                        if (v >= 200 || std::hypot(x - darkMiddle.x(), y - darkMiddle.y()) > 0.8 * reachBack)
                            continue;
                        const bool back = way * (x - darkMiddle.x()) < 0;
                        (back ? backTone : frontTone) += v;
                        ++(back ? backCount : frontCount);
                    }
                QVERIFY(backCount > 0 && frontCount > 0);
                backTone /= backCount;
                frontTone /= frontCount;
                QVERIFY2(backTone <= 70 && frontTone >= backTone + 10,
                         qPrintable(spotGot + u", the spot's back %1 and front %2 on average"_s.arg(backTone).arg(frontTone)));
            }
            // Its full ink, running on into the smear's dense start, reaches
            // further along than the clean dot's outline, and across the
            // drag about the dot's height: the finger lifting ink off its
            // edges may pale them by a pixel.
            QVERIFY2(darkBox.width() > cleanBox.width() && darkBox.height() >= cleanBox.height() - scale, qPrintable(got));
            // ...yet no more than about twice as wide: a heavy dot, not a
            // splash.
            QVERIFY2(darkBox.width() <= 2 * cleanBox.width() && darkBox.height() <= 2 * cleanBox.height(), qPrintable(got));
            // The whole mark is what a fingertip makes of a pen's dot: from
            // the spot's back to the smear's end under three clean dots
            // long, and its box no more than four and a half of the clean dot's.
            QVERIFY2(box.width() * 10 <= 27 * cleanBox.width()
                         && box.width() * box.height() * 10 <= 45 * cleanBox.width() * cleanBox.height(),
                     qPrintable(got + u", the mark %1 clean dots long and its box %2 of theirs"_s
                                          .arg(qreal(box.width()) / cleanBox.width())
                                          .arg(qreal(box.width() * box.height()) / (cleanBox.width() * cleanBox.height()))));
            // A blot pressed out, not a dab: well over half as much full ink
            // again as the clean dot.
            QVERIFY2(dark.size() >= 8 * cleanDark / 5, qPrintable(got + u", clean dot %1 px dark"_s.arg(cleanDark)));
            // One piece: no specks or spray round it.
            QSet<quint64> seen;
            int pieces = 0;
            QList<QPoint> inked;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x) {
                    if (grey.constScanLine(y)[x] >= 200 || seen.contains(key(x, y)))
                        continue;
                    ++pieces;
                    QList<QPoint> todo{{x, y}};
                    seen.insert(key(x, y));
                    while (!todo.isEmpty()) {
                        const QPoint p = todo.takeLast();
                        inked.append(p - darkMiddle.toPoint());
                        for (int ny = p.y() - 1; ny <= p.y() + 1; ++ny)
                            for (int nx = p.x() - 1; nx <= p.x() + 1; ++nx)
                                if (area.contains(nx, ny) && grey.constScanLine(ny)[nx] < 200 && !seen.contains(key(nx, ny))) {
                                    seen.insert(key(nx, ny));
                                    todo.append({nx, ny});
                                }
                    }
                }
            QVERIFY2(pieces == 1, qPrintable(got + u", %1 pieces"_s.arg(pieces)));
            // Where the ink crept round the blot the rim is a hair wide, not
            // a spray: away from the rub, paler ink lies no further off than
            // a pixel from full ink.
            int rim = 0;
            for (const QPoint &p : pale) {
                if (way * (p.x() - darkMiddle.x()) > 0)
                    continue;
                bool edge = false;
                for (const QPoint &d : dark)
                    edge |= std::abs(p.x() - d.x()) <= scale && std::abs(p.y() - d.y()) <= scale;
                rim += !edge;
            }
            QVERIFY2(rim <= scale, qPrintable(got + u", %1 px of pale rim away from the rub"_s.arg(rim)));
            // The smear runs on past the full ink on its own side, a few
            // pixels and no more than about a dot's width, as its tone falls
            // off quickly, and fades: its far half carries less ink a column
            // than its near half, and even its darkest there is plainly
            // lighter. (Its dense start right by the dot counts as full ink.)
            const int spotEdge = way > 0 ? darkBox.right() : darkBox.left();
            const int outer = way > 0 ? box.right() : box.left();
            const int reach = way * (outer - spotEdge);
            QVERIFY2(reach >= 3 * scale && reach <= 7 * scale,
                     qPrintable(got + u", the rub reaches %1 px past the spot"_s.arg(qreal(reach) / scale)));
            auto columnInk = [&](int x) {
                qreal sum = 0;
                for (int y = area.top(); y <= area.bottom(); ++y)
                    sum += (255 - grey.constScanLine(y)[x]) / 255.0;
                return sum;
            };
            auto columnDarkest = [&](int x) {
                int darkest = 255;
                for (int y = area.top(); y <= area.bottom(); ++y)
                    darkest = std::min(darkest, int(grey.constScanLine(y)[x]));
                return darkest;
            };
            qreal nearHalf = 0, farHalf = 0;
            int nearDarkest = 255, farDarkest = 255;
            // An odd number of columns leaves the far half one longer, so
            // the halves are compared column for column.
            int nearColumns = 0;
            for (int k = 1; k <= reach; ++k) {
                const int x = spotEdge + way * k;
                const bool near = 2 * k <= reach;
                nearColumns += near;
                (near ? nearHalf : farHalf) += columnInk(x);
                int &darkest = near ? nearDarkest : farDarkest;
                darkest = std::min(darkest, columnDarkest(x));
            }
            nearHalf /= std::max(1, nearColumns);
            farHalf /= std::max(1, reach - nearColumns);
            QVERIFY2(farHalf <= 0.85 * nearHalf && farDarkest >= nearDarkest + 30,
                     qPrintable(got + u", rub ink near %1 (darkest %2), far %3 (darkest %4)"_s.arg(nearHalf).arg(nearDarkest)
                                    .arg(farHalf).arg(farDarkest)));
            // Rubbed ink, not a grey wash: next to the spot it is still
            // well inked.
            QVERIFY2(nearDarkest < 150, qPrintable(got + u", darkest of the rub %1"_s.arg(nearDarkest)));
            // Thin ink all through: the rub's middle tone lies well clear of
            // the blot's full ink and of a faint grey haze.
            QList<int> rubTones;
            QPointF rubMiddle;
            for (int k = 1; k <= reach; ++k) {
                const int x = spotEdge + way * k;
                for (int y = area.top(); y <= area.bottom(); ++y)
                    if (const int v = grey.constScanLine(y)[x]; v < 200) {
                        rubTones.append(v);
                        rubMiddle += QPointF(x, y);
                    }
            }
            QVERIFY2(rubTones.size() >= 6 * scale * scale, qPrintable(got + u", %1 px of rub"_s.arg(rubTones.size())));
            rubMiddle /= rubTones.size();
            std::sort(rubTones.begin(), rubTones.end());
            const int rubTone = rubTones[rubTones.size() / 2];
            QVERIFY2(rubTone >= 100 && rubTone <= 185, qPrintable(got + u", the rub's middle tone %1"_s.arg(rubTone)));
            // Not a flat shape of one grey: its tone changes all over, so no
            // one tone, give or take 8 levels, covers much of it. Thin shapes
            // of even ink laid over each other leave most of the rub in one
            // or two tones. Measured at 2x, where the rub is enough pixels
            // for its tones to count.
            int flattest = 0;
            for (int tone = 90; tone < 200; ++tone)
                flattest = std::max(flattest, int(std::count_if(rubTones.cbegin(), rubTones.cend(),
                                                                 [tone](int v) { return std::abs(v - tone) <= 8; })));
            if (doubleSize)
                QVERIFY2(flattest * 100 <= 42 * rubTones.size(),
                         qPrintable(got + u", %1 of %2 px of the rub in one tone"_s.arg(flattest).arg(rubTones.size())));
            // Ink wiped by skin has soft edges: round the smear a fringe of
            // faint grey, a good part of the smear's own inked pixels, where
            // a shape cut out and filled drops straight to paper. Yet the
            // fringe stays narrow, each faint pixel within two pixels of
            // plain ink and less of it than of the smear, where an airbrushed
            // trail fades out through a broad cloud of faint grey.
            int rubInk = 0, haze = 0, loose = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x) {
                    if (way * (x - spotEdge) <= 0)
                        continue;
                    const int v = grey.constScanLine(y)[x];
                    rubInk += v < 200;
                    if (v < 200 || v >= 240)
                        continue;
                    ++haze;
                    bool nearInk = false;
                    for (int ny = y - 2 * scale; ny <= y + 2 * scale; ++ny)
                        for (int nx = x - 2 * scale; nx <= x + 2 * scale; ++nx)
                            nearInk |= area.contains(nx, ny) && grey.constScanLine(ny)[nx] < 200;
                    loose += !nearInk;
                }
            QVERIFY2(haze * 100 >= 28 * rubInk && haze * 100 <= 65 * rubInk && loose == 0,
                     qPrintable(got + u", %1 px of faint fringe round %2 px of smear, %3 of them off on their own"_s.arg(haze)
                                    .arg(rubInk).arg(loose)));
            // Rubbed to the right and only a little down, on both i's: the
            // rub's middle stands off the blot's along the drag, a little
            // below it.
            const qreal rubDx = (rubMiddle.x() - darkMiddle.x()) / scale, rubDy = (rubMiddle.y() - darkMiddle.y()) / scale;
            QVERIFY2(rubDx >= 4 && rubDy >= 0.25 && rubDy <= 0.6 * rubDx,
                     qPrintable(got + u", the rub's middle %1, %2 px off the blot's"_s.arg(rubDx).arg(rubDy)));
            // A film of ink, not a comb of streaks: down a column through the
            // rub the tone seldom dips into one band, climbs back towards
            // paper and dips into another. Counted as dips of 30 levels or
            // more below the lightest since the last band, each under 200.
            auto bandsAcross = [&](int x) {
                int count = 0, lightest = 255, darkest = 255;
                bool inBand = false;
                for (int y = area.top(); y <= area.bottom(); ++y) {
                    const int v = grey.constScanLine(y)[x];
                    if (inBand) {
                        darkest = std::min(darkest, v);
                        if (v >= darkest + 30) {
                            inBand = false;
                            lightest = v;
                        }
                    } else if (v < 200 && v <= lightest - 30) {
                        inBand = true;
                        darkest = v;
                        ++count;
                    } else {
                        lightest = std::max(lightest, v);
                    }
                }
                return count;
            };
            int inkedColumns = 0, combedColumns = 0;
            for (int k = 1; k <= reach; ++k) {
                const int x = spotEdge + way * k;
                if (columnDarkest(x) >= 200)
                    continue;
                ++inkedColumns;
                combedColumns += bandsAcross(x) >= 2;
            }
            QVERIFY2(inkedColumns >= 3 * scale && combedColumns * 10 <= 2 * inkedColumns,
                     qPrintable(got + u", %1 of %2 columns of the rub show separate bands"_s.arg(combedColumns).arg(inkedColumns)));
            // It thins away rather than stopping on a line: along nearly
            // every row that runs a way through it (not just grazing its
            // faint side), the last ink before the paper is well paler than
            // the row's darkest ink in the rub.
            int rubRows = 0, thinning = 0;
            for (int y = area.top(); y <= area.bottom(); ++y) {
                int last = -1, darkest = 255, inRow = 0;
                for (int k = 1; k <= reach; ++k)
                    if (const int v = grey.constScanLine(y)[spotEdge + way * k]; v < 200) {
                        last = v;
                        darkest = std::min(darkest, v);
                        ++inRow;
                    }
                if (inRow < 3 * scale)
                    continue;
                ++rubRows;
                thinning += last >= darkest + 25;
            }
            QVERIFY2(rubRows >= 3 * scale && thinning * 4 >= rubRows * 3,
                     qPrintable(got + u", %1 of %2 rows of the rub thin out to their end"_s.arg(thinning).arg(rubRows)));
            // The spot's edge wanders off the smooth oval of its own spread;
            // measured at 2x, as at 1x the spot is too few pixels across for
            // its outline to show.
            qreal sxx = 0, syy = 0, sxy = 0;
            QSet<quint64> core;
            for (const QPoint &d : dark) {
                const QPointF r = QPointF(d) - darkMiddle;
                sxx += r.x() * r.x();
                syy += r.y() * r.y();
                sxy += r.x() * r.y();
                core.insert(key(d.x(), d.y()));
            }
            sxx /= dark.size();
            syy /= dark.size();
            sxy /= dark.size();
            const qreal det = sxx * syy - sxy * sxy;
            int offOval = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x) {
                    const qreal rx = x - darkMiddle.x(), ry = y - darkMiddle.y();
                    const bool inOval = det > 0 && (syy * rx * rx - 2 * sxy * rx * ry + sxx * ry * ry) / det <= 4;
                    offOval += inOval != core.contains(key(x, y));
                }
            if (doubleSize)
                QVERIFY2(offOval * 100 >= 8 * dark.size(), qPrintable(got + u", %1 px off its oval"_s.arg(offOval)));
            if (firstShape.isEmpty()) {
                firstShape = inked;
                firstDark = dark.size();
                continue;
            }
            // Each dot was set down its own way, not one shape stamped twice:
            // one holds a tenth less full ink than the other, or more.
            const qsizetype fewer = std::min(firstDark, dark.size()), more = std::max(firstDark, dark.size());
            QVERIFY2(fewer * 100 <= 90 * more,
                     qPrintable(got + u", the blots hold %1 and %2 px of full ink"_s.arg(firstDark).arg(dark.size())));
            // Laid over each other by their spots, the two smudges differ in
            // a good part of their ink: a quarter of it or more.
            const QSet<QPoint> a(firstShape.cbegin(), firstShape.cend()), b(inked.cbegin(), inked.cend());
            const qsizetype both = QSet<QPoint>(a).intersect(b).size();
            const qsizetype either = QSet<QPoint>(a).unite(b).size();
            QVERIFY2((either - both) * 100 >= 25 * either,
                     qPrintable(got + u", the smudges share %1 of %2 pixels"_s.arg(both).arg(either)));
        }
    }

    void picturesAreAllDifferent()
    {
        QHash<QByteArray, QString> byBytes;
        QHash<QByteArray, QString> byPixels;
        for (const Expected &e : expectedPictures()) {
            const QString path = quillon::samplePicturePath(e.trait, e.index, e.doubleSize);
            const QByteArray data = readResource(path);
            QVERIFY2(!data.isEmpty(), qPrintable(path));
            const QByteArray bytesHash = QCryptographicHash::hash(data, QCryptographicHash::Sha256);
            QVERIFY2(!byBytes.contains(bytesHash),
                     qPrintable(u"%1 has the same bytes as %2"_s.arg(path, byBytes.value(bytesHash))));
            byBytes.insert(bytesHash, path);
            const QImage image = QImage::fromData(data);
            QVERIFY(!image.isNull());
            const QByteArray pixels = pixelHash(image);
            QVERIFY2(!byPixels.contains(pixels),
                     qPrintable(u"%1 shows the same picture as %2"_s.arg(path, byPixels.value(pixels))));
            byPixels.insert(pixels, path);
        }
        QCOMPARE(byBytes.size(), 230);
    }

    void picturesFitTheSizeBudget()
    {
        qint64 single = 0, twice = 0;
        for (const Expected &e : expectedPictures()) {
            const qint64 size = QFileInfo(quillon::samplePicturePath(e.trait, e.index, e.doubleSize)).size();
            QVERIFY(size > 0);
            (e.doubleSize ? twice : single) += size;
        }
        QVERIFY2(single < 2 * 1024 * 1024, qPrintable(u"1x pictures take %1 bytes"_s.arg(single)));
        QVERIFY2(twice < 5 * 1024 * 1024, qPrintable(u"2x pictures take %1 bytes"_s.arg(twice)));
        QVERIFY(twice > single); // the 2x pictures really are drawn larger
    }

    void pictureEdges_data()
    {
        QTest::addColumn<Expected>("picture");
        for (const Expected &e : expectedPictures())
            QTest::newRow(qPrintable(rowName(e))) << e;
    }

    // The paper round the writing is clean and no stroke runs into the box's
    // edge or on past it.
    void pictureEdges()
    {
        QFETCH(Expected, picture);
        const QImage shown = shownPart(picture);
        QVERIFY(!shown.isNull());
        const int scale = picture.doubleSize ? 2 : 1;
        const int outermost = darkestNearEdge(shown, 1);
        QVERIFY2(outermost > 200, qPrintable(u"ink on the edge of the box (grey %1)"_s.arg(outermost)));
        const int margin = darkestNearEdge(shown, 2 * scale);
        QVERIFY2(margin >= 250, qPrintable(u"paper near the edge is not white (grey %1)"_s.arg(margin)));
        // A picture larger than its box keeps all its writing in the part
        // the box shows: no line runs on out of sight.
        const QImage whole = greyPicture(picture.trait, picture.index, picture.doubleSize);
        const int hidden = darkestHidden(whole, shown.size());
        QVERIFY2(hidden >= 250, qPrintable(u"writing hidden beyond the box (grey %1)"_s.arg(hidden)));
    }

    void paperIsClean_data() { pictureEdges_data(); }

    // Away from the strokes the paper is white: no haze or speckle round them.
    void paperIsClean()
    {
        QFETCH(Expected, picture);
        const QImage grey = greyPicture(picture.trait, picture.index, picture.doubleSize);
        QVERIFY(!grey.isNull());
        const int loose = darkestLoosePaper(grey, picture.doubleSize ? 6 : 3);
        QVERIFY2(loose >= 248, qPrintable(u"grey %1 on the paper away from the writing"_s.arg(loose)));
    }

    void bothSizesShowOneDrawing_data()
    {
        QTest::addColumn<Expected>("picture");
        for (const Expected &e : expectedPictures())
            if (!e.doubleSize)
                QTest::newRow(qPrintable(rowName(e))) << e;
    }

    // The 2x picture is the same drawing as the 1x one, only finer: halved, it
    // matches the 1x picture closely everywhere.
    void bothSizesShowOneDrawing()
    {
        QFETCH(Expected, picture);
        const QImage single = greyPicture(picture.trait, picture.index, false);
        const QImage halved = QImage(quillon::samplePicturePath(picture.trait, picture.index, true))
                                  .scaled(single.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                  .convertToFormat(QImage::Format_Grayscale8);
        QCOMPARE(halved.size(), single.size());
        qint64 difference = 0;
        int ink = 0;
        for (int y = 0; y < single.height(); ++y) {
            const uchar *a = single.constScanLine(y);
            const uchar *b = halved.constScanLine(y);
            for (int x = 0; x < single.width(); ++x) {
                difference += std::abs(int(a[x]) - int(b[x]));
                ink += a[x] < 128;
            }
        }
        // Compared with the amount of ink: a moved or missing stroke differs
        // by its whole ink twice over (some 400 per ink pixel), a finer
        // rendering of the same strokes only along their edges (under 35).
        QVERIFY(ink > 0);
        const double perInkPixel = double(difference) / ink;
        QVERIFY2(perInkPixel < 60, qPrintable(u"differs by %1 per ink pixel"_s.arg(perInkPixel)));
    }

    void pictureDescriptions()
    {
        for (const quillon::TraitPage &trait : quillon::traitCatalogue()) {
            QSet<QString> seen;
            for (int i = 0; i < trait.variantCount(); ++i) {
                const QString description = quillon::pictureDescription(trait.id, i);
                const QString caption = quillon::displayedCaption(trait.variants[i].caption).trimmed();
                const QString where = u"%1(%2)"_s.arg(trait.id).arg(i);
                if (!trait.variants[i].hasPicture) {
                    QVERIFY2(description.isEmpty(), qPrintable(where));
                    QVERIFY2(quillon::pictureToolTip(trait.id, i).isEmpty(), qPrintable(where));
                    continue;
                }
                // A sentence of its own about how the picture looks, not the caption again.
                QVERIFY2(description.size() > caption.size() + 20, qPrintable(where));
                QVERIFY2(description.compare(caption, Qt::CaseInsensitive) != 0, qPrintable(where));
                QVERIFY2(!description.contains(u": "_s + caption, Qt::CaseInsensitive), qPrintable(where));
                QVERIFY2(description.at(0).isUpper(), qPrintable(where));
                QVERIFY2(!description.endsWith(u'.'), qPrintable(where));
                QVERIFY2(!seen.contains(description), qPrintable(where + u" repeats another description"_s));
                seen.insert(description);
            }
            // Nothing beyond the page's variants.
            QVERIFY(quillon::pictureDescription(trait.id, trait.variantCount()).isEmpty());
            QVERIFY(quillon::pictureDescription(trait.id, -1).isEmpty());
        }
        QVERIFY(quillon::pictureDescription(u"NoSuchTrait"_s, 0).isEmpty());
    }

    // Every picture box tells a screen reader how its variant looks, and its
    // tooltip shows that with the picture at twice the size; a click on the
    // picture chooses nothing.
    void pictureBoxes()
    {
        quillon::frmGraphology window;
        int boxes = 0;
        for (const quillon::TraitPage &trait : quillon::traitCatalogue()) {
            for (int i = 0; i < trait.variantCount(); ++i) {
                auto *box = window.findChild<QLabel *>(trait.pictureName(i));
                QVERIFY2(box, qPrintable(trait.pictureName(i)));
                const QString where = trait.pictureName(i);
                if (!trait.variants[i].hasPicture) {
                    QVERIFY2(box->toolTip().isEmpty(), qPrintable(where));
                    continue;
                }
                ++boxes;
                const QString description = quillon::pictureDescription(trait.id, i);
                QCOMPARE(box->accessibleDescription(), description);
                const QString tip = box->toolTip();
                QVERIFY2(Qt::mightBeRichText(tip), qPrintable(where));
                QTextDocument document;
                document.setHtml(tip);
                QVERIFY2(document.toPlainText().contains(description), qPrintable(where));
                const QString enlarged = quillon::samplePicturePath(trait.id, i, true);
                QVERIFY2(tip.contains(u"<img src=\""_s + enlarged + u'"'), qPrintable(where + u": "_s + tip));
                const QSize size = QImageReader(enlarged).size();
                QCOMPARE(size, QImageReader(quillon::samplePicturePath(trait.id, i, false)).size() * 2);
                QVERIFY2(tip.contains(u"width=\"%1\""_s.arg(size.width())), qPrintable(where));

                QAbstractButton *control = window.findChild<QAbstractButton *>(trait.controlName(i));
                QVERIFY(control);
                QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(30, 30));
                QVERIFY2(!control->isChecked(), qPrintable(where));
            }
        }
        QCOMPARE(boxes, 115);
    }

    void icon()
    {
        const QList<int> sizes = {16, 32, 48, 64, 128, 256};
        for (int size : sizes) {
            const QImage image(u":/icons/quillon-%1.png"_s.arg(size));
            QVERIFY2(!image.isNull(), qPrintable(QString::number(size)));
            QCOMPARE(image.size(), QSize(size, size));
        }
        const QImage small(u":/icons/quillon-32.png"_s);
        QCOMPARE(small.format(), QImage::Format_Indexed8);
        QVERIFY(small.colorCount() > 16);
        QVERIFY(small.colorCount() <= 256);
        // White letter on a dark green ground.
        const QColor corner = QColor(small.pixel(3, 3));
        QVERIFY(corner.green() > corner.red() && corner.green() > corner.blue());
        QVERIFY(corner.lightness() < 128);

        const QPixmap pixmap = quillon::applicationIconPixmap();
        QCOMPARE(pixmap.size(), QSize(32, 32));
        const QIcon appIcon = quillon::applicationIcon();
        QVERIFY(!appIcon.isNull());
        // The window carries the sizes a title bar and task switcher use; the larger ones are
        // installed for the desktop's menus.
        const QList<QSize> available = appIcon.availableSizes();
        for (int size : {16, 32, 48, 64}) {
            QVERIFY2(available.contains(QSize(size, size)), qPrintable(QString::number(size)));
            // Each size is its own picture, not another one scaled.
            const QImage picture(u":/icons/quillon-%1.png"_s.arg(size));
            QCOMPARE(appIcon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32),
                     QPixmap::fromImage(picture).toImage().convertToFormat(QImage::Format_ARGB32));
        }
        QVERIFY(!available.contains(QSize(256, 256)));
    }

    void pointer_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("blackWhite");
        QTest::newRow("shaded") << u":/cursors/hand-shaded.png"_s << false;
        QTest::newRow("black and white") << u":/cursors/hand-bw.png"_s << true;
    }

    void pointer()
    {
        QFETCH(QString, path);
        QFETCH(bool, blackWhite);
        const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), QSize(quillon::kLinkPointerSize, quillon::kLinkPointerSize));
        QVERIFY(image.hasAlphaChannel());
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(31, 0)), 0);

        const QPoint hot = quillon::linkPointerHotSpot();
        QCOMPARE(hot, QPoint(quillon::kLinkPointerHotSpotX, quillon::kLinkPointerHotSpotY));
        QVERIFY(image.rect().contains(hot));
        QVERIFY2(qAlpha(image.pixel(hot)) > 128, "hot spot is on a clear pixel");

        // The finger tip is the topmost part of the hand, right at the hot spot.
        int topRow = -1;
        int left = 32, right = -1;
        for (int y = 0; y < image.height() && topRow < 0; ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)) > 128) {
                    topRow = y;
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        QVERIFY(topRow >= 0);
        QVERIFY2(qAbs(hot.y() - topRow) <= 3, qPrintable(u"top row %1"_s.arg(topRow)));
        QVERIFY2(hot.x() >= left - 1 && hot.x() <= right + 1, "hot spot is not under the finger tip");
        QVERIFY2(right - left <= 8, "top of the picture is wider than a finger");

        int opaque = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                if (qAlpha(p) == 0)
                    continue;
                ++opaque;
                if (blackWhite) {
                    QCOMPARE(qAlpha(p), 255);
                    QVERIFY2(p == qRgb(0, 0, 0) || p == qRgb(255, 255, 255),
                             qPrintable(u"pixel %1,%2 is neither black nor white"_s.arg(x).arg(y)));
                }
            }
        QVERIFY(opaque > 150);

        // Asked for again (the pointers are decoded once and shared), each is still its own picture.
        const QImage expected = QPixmap(path).toImage().convertToFormat(QImage::Format_ARGB32);
        for (int ask = 0; ask < 2; ++ask) {
            const QCursor cursor = blackWhite ? quillon::linkPointerBlackWhite() : quillon::linkPointer();
            QCOMPARE(cursor.hotSpot(), hot);
            QCOMPARE(cursor.pixmap().size(), QSize(32, 32));
            QCOMPARE(cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32), expected);
        }
        const QCursor other = blackWhite ? quillon::linkPointer() : quillon::linkPointerBlackWhite();
        QVERIFY(other.pixmap().toImage().convertToFormat(QImage::Format_ARGB32) != expected);
    }
};

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
