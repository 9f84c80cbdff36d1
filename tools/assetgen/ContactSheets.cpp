#include "ContactSheets.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTextStream>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace assetgen {
namespace {

// What the program shows: the stored picture clipped to the 118 x 131 box.
QImage shownPicture(const QDir &samplesDir, const SampleDef &s, int scale)
{
    const QString name = s.baseName() + (scale == 2 ? u"@2x.jpg"_s : u".jpg"_s);
    QImage full(samplesDir.filePath(name));
    full.setDevicePixelRatio(1); // QImage reads "@2x" in the name as a pixel ratio
    return full.copy(0, 0, 118 * scale, 131 * scale);
}

QImage composeSheet(const QList<QImage> &pictures, const QStringList &labels, int scale, bool big)
{
    const int cellW = 118 * scale + 24;
    const int picH = 131 * scale;
    const int labelH = big ? 48 : 22;
    const int cols = std::min<int>(5, int(pictures.size()));
    const int rows = int((pictures.size() + cols - 1) / cols);
    QImage sheet(cols * cellW + 12, rows * (picH + labelH + 20) + 12, QImage::Format_RGB32);
    sheet.fill(QColor(205, 205, 210));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font = handFont(Face::Sans, big ? 14 : 11);
    p.setFont(font);
    for (int i = 0; i < pictures.size(); ++i) {
        const int x = 12 + (i % cols) * cellW;
        const int y = 12 + (i / cols) * (picH + labelH + 20);
        p.drawImage(x, y, pictures[i]);
        p.setPen(QColor(20, 20, 20));
        p.drawText(QRect(x - 6, y + picH + 4, cellW - 12, labelH), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                   labels[i]);
    }
    p.end();
    return sheet;
}

} // namespace

bool writeContactSheets(const QList<SampleDef> &samples, const QDir &samplesDir, const QString &folder,
                        QString *error)
{
    QDir dir(folder);
    if (!dir.mkpath(u"."_s) || !dir.mkpath(u"1x"_s)) {
        *error = u"cannot create %1"_s.arg(folder);
        return false;
    }
    for (const QString &trait : traitOrder()) {
        QList<QImage> big, small;
        QStringList captions;
        for (const SampleDef &s : samples) {
            if (s.trait != trait)
                continue;
            big.append(shownPicture(samplesDir, s, 2));
            small.append(shownPicture(samplesDir, s, 1));
            captions.append(u"%1  %2"_s.arg(s.index).arg(s.caption));
        }
        if (!composeSheet(big, captions, 2, true).save(dir.filePath(trait + u".png"_s))
            || !composeSheet(small, captions, 1, false).save(dir.filePath(u"1x/"_s + trait + u".png"_s))) {
            *error = u"cannot write the sheets of %1"_s.arg(trait);
            return false;
        }
    }
    return true;
}

bool writeReviewSheets(const QList<SampleDef> &samples, const QDir &samplesDir, const QString &folder,
                       std::uint64_t seed, QString *error)
{
    QDir dir(folder);
    if (!dir.mkpath(u"."_s)) {
        *error = u"cannot create %1"_s.arg(folder);
        return false;
    }
    QFile keyFile(dir.filePath(u"key.txt"_s));
    if (!keyFile.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        *error = u"cannot write %1"_s.arg(keyFile.fileName());
        return false;
    }
    QTextStream key(&keyFile);
    key << "Review sheets, seed " << QString::number(seed) << ": letter = variant index and name.\n";

    Rng shuffle(seed);
    for (const QString &trait : traitOrder()) {
        QList<SampleDef> group;
        for (const SampleDef &s : samples)
            if (s.trait == trait)
                group.append(s);

        // What the reviewer may see besides the sheet: the names in page order.
        QFile namesFile(dir.filePath(trait + u"-names.txt"_s));
        if (!namesFile.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
            *error = u"cannot write %1"_s.arg(namesFile.fileName());
            return false;
        }
        QTextStream names(&namesFile);
        for (const SampleDef &s : group)
            names << s.caption << "\n";

        // Fisher-Yates with the seeded generator.
        QList<int> order;
        for (int i = 0; i < group.size(); ++i)
            order.append(i);
        for (int i = int(order.size()) - 1; i > 0; --i)
            std::swap(order[i], order[shuffle.range(0, i)]);

        QList<QImage> pictures;
        QStringList letters;
        key << "\n" << trait << "\n";
        for (int i = 0; i < order.size(); ++i) {
            const SampleDef &s = group[order[i]];
            const QString letter(QChar(u'A' + i));
            pictures.append(shownPicture(samplesDir, s, 2));
            letters.append(letter);
            key << "  " << letter << " = " << s.index << "  " << s.caption << "\n";
        }
        if (!composeSheet(pictures, letters, 2, true).save(dir.filePath(trait + u".png"_s))) {
            *error = u"cannot write the review sheet of %1"_s.arg(trait);
            return false;
        }
    }
    return true;
}

} // namespace assetgen
