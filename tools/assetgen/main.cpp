// quillon-assetgen: draws the program's pictures into the assets folder.
//
//   quillon-assetgen [assets-folder] [--sheets folder | --no-sheets]
//                    [--review-sheets folder [--seed N]]
//
// Everything is drawn from fixed seeds, so running it twice writes identical
// files. The fonts are read from the system at generation time only.

#include "ContactSheets.h"
#include "Emblems.h"
#include "Hand.h"
#include "Samples.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;
using namespace assetgen;

namespace {

const int kJpegQuality = 96;
const int kPaperThreshold = 238;

void fail(const QString &message)
{
    std::fprintf(stderr, "quillon-assetgen: %s\n", qPrintable(message));
    std::exit(1);
}

// Paper is pure white: the faint grey that antialiasing leaves far from a
// stroke would otherwise turn into visible speckle once compressed.
QImage cleanPaper(QImage image)
{
    image = image.convertToFormat(QImage::Format_Grayscale8);
    for (int y = 0; y < image.height(); ++y) {
        uchar *line = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x)
            if (line[x] >= kPaperThreshold)
                line[x] = 255;
    }
    return image;
}

void writeJpeg(const QImage &image, const QString &path)
{
    QImageWriter writer(path, QByteArrayLiteral("jpeg"));
    // High enough that the ringing round the strokes stays below what the eye sees.
    writer.setQuality(kJpegQuality);
    writer.setProgressiveScanWrite(false); // baseline JPEG
    writer.setOptimizedWrite(true);
    if (!writer.write(cleanPaper(image)))
        fail(u"cannot write %1: %2"_s.arg(path, writer.errorString()));
}

void writePng(const QImage &image, const QString &path)
{
    QImageWriter writer(path, QByteArrayLiteral("png"));
    writer.setCompression(9);
    if (!writer.write(image))
        fail(u"cannot write %1: %2"_s.arg(path, writer.errorString()));
}

void prepareFolder(const QDir &root, const QString &name, const QString &pattern)
{
    if (!root.mkpath(name))
        fail(u"cannot create %1"_s.arg(root.filePath(name)));
    // Remove pictures left over from earlier runs so the qrc matches the folder.
    QDir dir(root.filePath(name));
    for (const QString &old : dir.entryList({pattern}, QDir::Files))
        dir.remove(old);
}

void writeQrc(const QDir &root, const QStringList &samples, const QStringList &icons, const QStringList &cursors)
{
    QFile file(root.filePath(u"assets.qrc"_s));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        fail(u"cannot write %1"_s.arg(file.fileName()));
    QTextStream out(&file);
    out << "<!DOCTYPE RCC>\n<!-- Written by quillon-assetgen. -->\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const QString &s : samples)
        out << "  <file>samples/" << s << "</file>\n";
    for (const QString &i : icons)
        out << "  <file alias=\"icons/" << i << "\">icon/" << i << "</file>\n";
    for (const QString &c : cursors)
        out << "  <file alias=\"cursors/" << c << "\">cursors/" << c << "</file>\n";
    out << "</qresource>\n</RCC>\n";
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QString assetsPath = QStringLiteral(QUILLON_ASSETS_DIR);
    QString sheetsPath = QStringLiteral(QUILLON_SHEETS_DIR);
    QString reviewPath;
    std::uint64_t reviewSeed = 1;
    const QString usage = u"usage: quillon-assetgen [assets-folder] [--sheets folder | --no-sheets] "
                          "[--review-sheets folder [--seed N]]"_s;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == u"--no-sheets"_s) {
            sheetsPath.clear();
        } else if (args[i] == u"--sheets"_s && i + 1 < args.size()) {
            sheetsPath = args[++i];
        } else if (args[i] == u"--review-sheets"_s && i + 1 < args.size()) {
            reviewPath = args[++i];
        } else if (args[i] == u"--seed"_s && i + 1 < args.size()) {
            bool ok = false;
            reviewSeed = args[++i].toULongLong(&ok);
            if (!ok)
                fail(usage);
        } else if (args[i].startsWith(u'-')) {
            fail(usage);
        } else {
            assetsPath = args[i];
        }
    }

    QString error;
    if (!loadFonts(&error))
        fail(error);

    QDir root(assetsPath);
    if (!root.mkpath(u"."_s))
        fail(u"cannot create %1"_s.arg(assetsPath));
    prepareFolder(root, u"samples"_s, u"*.jpg"_s);
    prepareFolder(root, u"icon"_s, u"*.png"_s);
    prepareFolder(root, u"cursors"_s, u"*.png"_s);

    const QList<SampleDef> samples = allSamples();
    QStringList sampleFiles;
    qint64 bytes1 = 0, bytes2 = 0;
    for (const SampleDef &s : samples) {
        for (int scale : {1, 2}) {
            const QString name = s.baseName() + (scale == 2 ? u"@2x.jpg"_s : u".jpg"_s);
            const QString path = root.filePath(u"samples/"_s + name);
            writeJpeg(renderSample(s, scale), path);
            (scale == 1 ? bytes1 : bytes2) += QFileInfo(path).size();
            sampleFiles.append(name);
        }
    }

    QStringList iconFiles;
    for (int size : iconSizes()) {
        const QString name = u"quillon-%1.png"_s.arg(size);
        QImage icon = drawIcon(size);
        if (size == 32)
            icon = toIndexed256(icon);
        writePng(icon, root.filePath(u"icon/"_s + name));
        iconFiles.append(name);
    }
    const QStringList cursorFiles = {u"hand-shaded.png"_s, u"hand-bw.png"_s};
    writePng(drawPointerShaded(), root.filePath(u"cursors/hand-shaded.png"_s));
    writePng(drawPointerBlackWhite(), root.filePath(u"cursors/hand-bw.png"_s));

    writeQrc(root, sampleFiles, iconFiles, cursorFiles);

    std::printf("%d pictures: 1x %lld bytes, 2x %lld bytes\n", int(samples.size()), bytes1, bytes2);

    if (!sheetsPath.isEmpty()) {
        if (!writeContactSheets(samples, QDir(root.filePath(u"samples"_s)), sheetsPath, &error))
            fail(error);
        std::printf("contact sheets in %s\n", qPrintable(sheetsPath));
    }
    if (!reviewPath.isEmpty()) {
        if (!writeReviewSheets(samples, QDir(root.filePath(u"samples"_s)), reviewPath, reviewSeed, &error))
            fail(error);
        std::printf("blind review sheets in %s (key.txt is for the lead, not the reviewer)\n", qPrintable(reviewPath));
    }
    return 0;
}
