// quillon-bench: times the real windows headless and checks each figure against a floor
// measured in the same run. Prints a table and writes the same figures as JSON.
// Start-up is timed offscreen, and again under a private Xvfb server when Xvfb is installed.
//
//   quillon-bench [results.json]      (default: bench-results.json in the working folder)
//
// quillon-minimal and quillon-startup-probe must sit next to this program.
#include "BenchPlatform.h"
#include "FirstPaint.h"

#include "questionnaire/TraitCatalogue.h"
#include "questionnaire/frmGraphology.h"
#include "report/ReportComposer.h"
#include "report/RichTextBox.h"
#include "shell/AppAssets.h"
#include "shell/Look.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPixmapCache>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <sys/prctl.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;
using namespace quillon;

namespace {

constexpr int startUpRuns = 20;
constexpr int memoryRuns = 3;
constexpr int creationRuns = 15;
constexpr int walkRuns = 10;
constexpr int reportRuns = 30;

struct Series {
    QString label;
    QString unit;
    QList<double> values;

    double quantile(double q) const
    {
        if (values.isEmpty())
            return std::nan("");
        QList<double> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        if (q == 0.5) {
            const qsizetype n = sorted.size();
            return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2.0;
        }
        // Nearest rank.
        const auto rank = qsizetype(std::ceil(q * double(sorted.size())));
        return sorted[std::clamp<qsizetype>(rank - 1, 0, sorted.size() - 1)];
    }
    double median() const { return quantile(0.5); }
    double p95() const { return quantile(0.95); }
};

struct Target {
    QString label;
    double value;
    double limit;
    QString unit;
    bool counts = true; // false: shown beside the others, but no verdict on the run
    bool pass() const { return value <= limit; }
    const char *verdict() const
    {
        if (counts)
            return pass() ? "PASS" : "FAIL";
        return pass() ? "(pass)" : "(fail)";
    }
};

[[noreturn]] void fail(const QString &message)
{
    std::fprintf(stderr, "quillon-bench: %s\n", qPrintable(message));
    std::exit(2);
}

double millisecondsOf(const std::function<void()> &work)
{
    QElapsedTimer clock;
    clock.start();
    work();
    return double(clock.nsecsElapsed()) / 1e6;
}

// Runs `action`, then processes events until `widget` has been painted; the run is void
// if it never is.
void paintAfter(QWidget *widget, const std::function<void()> &action)
{
    bool painted = false;
    bench::FirstPaint watcher(widget, [&painted] { painted = true; });
    action();
    QElapsedTimer clock;
    clock.start();
    while (!painted) {
        if (clock.elapsed() > 5000)
            fail(u"%1 was never painted"_s.arg(widget->objectName()));
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

void click(QWidget *window, const QString &name)
{
    auto *button = window->findChild<QAbstractButton *>(name);
    if (!button || !button->isVisible())
        fail(u"no visible button %1"_s.arg(name));
    button->click();
}

// ---- whole processes ----

class ProcessRunner
{
public:
    // Offscreen without an X display; on the X server `display` (":N") with one.
    explicit ProcessRunner(const QString &display = {})
    {
        if (!m_config.isValid() || !m_runtime.isValid())
            fail(u"no temporary folder"_s);
        QFile::setPermissions(m_runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_environment = QProcessEnvironment::systemEnvironment();
        if (display.isEmpty()) {
            m_environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        } else {
            m_environment.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
            m_environment.insert(u"DISPLAY"_s, display);
            m_environment.remove(u"WAYLAND_DISPLAY"_s);
            m_environment.remove(u"XAUTHORITY"_s);
        }
        m_environment.insert(u"XDG_CONFIG_HOME"_s, m_config.path());
        m_environment.insert(u"XDG_RUNTIME_DIR"_s, m_runtime.path());
    }

    // Runs a program to its end; returns what it printed.
    QByteArray run(const QString &program, const QStringList &arguments, long long *launchedAt = nullptr)
    {
        const QString path = QCoreApplication::applicationDirPath() + u'/' + program;
        QProcess process;
        process.setProcessEnvironment(m_environment);
        process.setProcessChannelMode(QProcess::SeparateChannels);
        if (launchedAt)
            *launchedAt = bench::monotonicNanoseconds();
        process.start(path, arguments);
        if (!process.waitForStarted(10000))
            fail(u"cannot start %1"_s.arg(path));
        if (!process.waitForFinished(60000))
            fail(u"%1 did not end"_s.arg(program));
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
            fail(u"%1 %2 failed: %3"_s.arg(program, arguments.join(u' '),
                                           QString::fromLocal8Bit(process.readAllStandardError())));
        return process.readAllStandardOutput();
    }

    // From the launch to the program's first paint, in milliseconds. Ending the
    // process is not part of starting it.
    double startUp(const QString &program)
    {
        long long launchedAt = 0;
        const QByteArray output = run(program, {}, &launchedAt);
        const double paintedAt = reported(program, output, "first_paint_ns=");
        return (paintedAt - double(launchedAt)) / 1e6;
    }

    // The peak resident memory a process printed, in MB (10^6 bytes).
    double peakMegabytes(const QString &program, const QStringList &arguments)
    {
        return reported(program, run(program, arguments), "peak_kib=") * 1024.0 / 1e6;
    }

private:
    static double reported(const QString &program, const QByteArray &output, const QByteArray &name)
    {
        for (const QByteArray &line : output.split('\n')) {
            if (line.startsWith(name)) {
                bool ok = false;
                const double value = line.mid(name.size()).trimmed().toDouble(&ok);
                if (ok && value > 0)
                    return value;
            }
        }
        fail(u"%1 did not report %2"_s.arg(program, QString::fromLatin1(name)));
    }

    // In a desktop session the runtime folder is a memory file system (/run/user/<uid>);
    // on a disk, syncing the instance lock alone would take longer than the minimal program.
    static QString runtimeTemplate()
    {
        const QString memory = u"/dev/shm"_s;
        const QString base = QFileInfo(memory).isDir() && QFileInfo(memory).isWritable() ? memory : QDir::tempPath();
        return base + u"/quillon-bench-runtime-XXXXXX"_s;
    }

    QTemporaryDir m_config;
    QTemporaryDir m_runtime{runtimeTemplate()};
    QProcessEnvironment m_environment;
};

// A private X server on a display nobody uses, for as long as the object lives.
// `display()` is empty, with the reason in `note()`, when there is none.
class XServer
{
public:
    XServer()
    {
        const QString program = QStandardPaths::findExecutable(u"Xvfb"_s);
        if (program.isEmpty()) {
            m_note = u"Xvfb is not installed"_s;
            return;
        }
        // -displayfd: the server picks a free display itself and prints its number once it
        // accepts clients. -noreset: no server reset each time the last client leaves.
        m_server.setStandardErrorFile(QProcess::nullDevice());
        // A run that ends early (fail() exits without unwinding) takes the server with it.
        m_server.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        m_server.start(program, {u"-displayfd"_s, u"1"_s, u"-noreset"_s, u"-nolisten"_s, u"tcp"_s,
                                 u"-screen"_s, u"0"_s, u"1280x1024x24"_s});
        QElapsedTimer clock;
        clock.start();
        QByteArray printed;
        while (!printed.contains('\n') && clock.elapsed() < 10000) {
            if (m_server.state() == QProcess::NotRunning)
                break;
            m_server.waitForReadyRead(200);
            printed += m_server.readAllStandardOutput();
        }
        bool ok = false;
        const int number = printed.trimmed().toInt(&ok);
        if (!ok) {
            m_note = u"Xvfb did not start"_s;
            return;
        }
        m_display = u":%1"_s.arg(number);
    }

    ~XServer()
    {
        if (m_server.state() == QProcess::NotRunning)
            return;
        m_server.terminate();
        if (!m_server.waitForFinished(5000)) {
            m_server.kill();
            m_server.waitForFinished(5000);
        }
    }

    QString display() const { return m_display; }
    QString note() const { return m_note; }

private:
    QProcess m_server;
    QString m_display;
    QString m_note;
};

// Alternates launches of the program and the floor, after one warm-up launch of each.
void timeStartUp(ProcessRunner &runner, Series &program, Series &minimal)
{
    runner.startUp(u"quillon-startup-probe"_s);
    runner.startUp(u"quillon-minimal"_s);
    for (int i = 0; i < startUpRuns; ++i) {
        program.values.append(runner.startUp(u"quillon-startup-probe"_s));
        minimal.values.append(runner.startUp(u"quillon-minimal"_s));
    }
}

// ---- in this process ----

QStringList onceSizedSamples()
{
    QStringList paths;
    const QDir samples(u":/samples"_s);
    for (const QString &name : samples.entryList({u"*.jpg"_s}, QDir::Files, QDir::Name)) {
        if (!name.contains(u"@2x"_s))
            paths.append(samples.filePath(name));
    }
    if (paths.isEmpty())
        fail(u"no sample pictures in the resources"_s);
    return paths;
}

void decodeAll(const QStringList &paths)
{
    for (const QString &path : paths) {
        const QImage image(path);
        if (image.isNull())
            fail(u"cannot decode %1"_s.arg(path));
    }
}

std::unique_ptr<frmGraphology> createQuestionnaire()
{
    // Every creation decodes afresh, as the first one in a session does.
    QPixmapCache::clear();
    auto window = std::make_unique<frmGraphology>();
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    return window;
}

QWidget *pageFrame(QWidget *window, const QString &name)
{
    auto *frame = window->findChild<QWidget *>(name);
    if (!frame)
        fail(u"no page %1"_s.arg(name));
    return frame;
}

// One walk: every page gets its first variant and Next, the last "View Result".
// Adds each Next (to the following page's paint) to `pageChanges`; returns the whole walk.
double walkOnce(Series &pageChanges)
{
    auto window = createQuestionnaire();
    const auto &catalogue = traitCatalogue();
    paintAfter(pageFrame(window.get(), catalogue.constFirst().frameName()), [&] { window->show(); });

    QElapsedTimer walk;
    walk.start();
    for (int i = 0; i < catalogue.size(); ++i) {
        const TraitPage &trait = catalogue[i];
        click(window.get(), trait.controlName(0));
        QCoreApplication::processEvents();
        const bool last = i == catalogue.size() - 1;
        QWidget *following = pageFrame(window.get(), last ? u"fraResult"_s : catalogue[i + 1].frameName());
        QElapsedTimer step;
        step.start();
        paintAfter(following, [&] { click(window.get(), trait.nextName()); });
        if (!last)
            pageChanges.values.append(double(step.nsecsElapsed()) / 1e6);
    }
    const double total = double(walk.nsecsElapsed()) / 1e6;
    if (window->currentPage() != frmGraphology::resultPageIndex)
        fail(u"the walk did not reach the result page"_s);
    return total;
}

QString format(double value, const QString &unit)
{
    return u"%1 %2"_s.arg(value, 0, 'f', value < 10 ? 2 : 1).arg(unit);
}

} // namespace

int main(int argc, char *argv[])
{
    // Headless always, so figures from any machine compare.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QStringList arguments = app.arguments().mid(1);
    const QString resultsPath = arguments.isEmpty() ? u"bench-results.json"_s : arguments.constFirst();

    initAssets();
    installTypeface();
    bench::BenchPlatform platform;
    setPlatform(&platform);

    Series startProgram{u"start-up to first paint, program (process)"_s, u"ms"_s, {}};
    Series startMinimal{u"start-up to first paint, minimal Qt program"_s, u"ms"_s, {}};
    Series startProgramX{u"start-up, program, under Xvfb"_s, u"ms"_s, {}};
    Series startMinimalX{u"start-up, minimal Qt program, under Xvfb"_s, u"ms"_s, {}};
    Series peakProgram{u"peak memory after a full walk (process)"_s, u"MB"_s, {}};
    Series peakMinimal{u"peak memory, minimal Qt program"_s, u"MB"_s, {}};
    Series creation{u"questionnaire window creation"_s, u"ms"_s, {}};
    Series decoding{u"decoding the sample pictures alone"_s, u"ms"_s, {}};
    Series pageChange{u"page change (Next with a choice)"_s, u"ms"_s, {}};
    Series walk{u"whole walk, 21 pages and View Result"_s, u"ms"_s, {}};
    Series walkStep{u"walk step (walk / 22)"_s, u"ms"_s, {}};
    Series composition{u"ComposeReport alone"_s, u"ms"_s, {}};
    Series saving{u"saving the report (RTF)"_s, u"ms"_s, {}};

    std::fprintf(stderr, "start-up...\n");
    {
        ProcessRunner runner;
        // The warm-up launches also fill the disk caches and write the first launch's settings file.
        timeStartUp(runner, startProgram, startMinimal);
        std::fprintf(stderr, "peak memory...\n");
        for (int i = 0; i < memoryRuns; ++i) {
            peakProgram.values.append(runner.peakMegabytes(u"quillon-startup-probe"_s, {u"--walk"_s}));
            peakMinimal.values.append(runner.peakMegabytes(u"quillon-minimal"_s, {u"--peak"_s}));
        }
    }

    QString xNote;
    {
        std::fprintf(stderr, "start-up under Xvfb...\n");
        const XServer server;
        xNote = server.note();
        if (server.display().isEmpty()) {
            std::fprintf(stderr, "  skipped: %s\n", qPrintable(xNote));
        } else {
            ProcessRunner runner(server.display());
            timeStartUp(runner, startProgramX, startMinimalX);
            xNote = u"Xvfb on %1, no window manager"_s.arg(server.display());
        }
    }

    std::fprintf(stderr, "questionnaire creation...\n");
    const QStringList samples = onceSizedSamples();
    decodeAll(samples);
    createQuestionnaire().reset(); // first-use costs (style, fonts) stay out of the figures
    for (int i = 0; i < creationRuns; ++i) {
        decoding.values.append(millisecondsOf([&] { decodeAll(samples); }));
        std::unique_ptr<frmGraphology> window;
        creation.values.append(millisecondsOf([&] { window = createQuestionnaire(); }));
        window.reset();
    }

    std::fprintf(stderr, "walks...\n");
    {
        Series warmUp;
        walkOnce(warmUp);
    }
    for (int i = 0; i < walkRuns; ++i) {
        const double total = walkOnce(pageChange);
        walk.values.append(total);
        walkStep.values.append(total / 22.0);
    }
    if (!platform.unexpectedBoxes.isEmpty())
        fail(u"a box appeared during the walk: %1"_s.arg(platform.unexpectedBoxes.join(u"; "_s)));

    std::fprintf(stderr, "report...\n");
    // The answer lists hold the last walk's answers.
    QTemporaryDir saveFolder;
    if (!saveFolder.isValid())
        fail(u"no temporary folder"_s);
    for (int i = 0; i < reportRuns; ++i) {
        RichTextBox box;
        composition.values.append(millisecondsOf([&] { ComposeReport(box); }));
        if (box.toPlainText().size() < 1000)
            fail(u"the composed report is too short"_s);
        const QString path = saveFolder.filePath(u"report-%1.rtf"_s.arg(i));
        bool saved = false;
        QString error;
        saving.values.append(millisecondsOf([&] { saved = box.saveFile(path, &error); }));
        if (!saved)
            fail(u"saving failed: %1"_s.arg(error));
    }

    QList<const Series *> table{&startProgram, &startMinimal, &creation,   &decoding,
                                &pageChange,   &walk,         &walkStep,   &composition,
                                &saving,       &peakProgram,  &peakMinimal};
    const bool onX = !startProgramX.values.isEmpty();
    if (onX) {
        table.insert(2, &startMinimalX);
        table.insert(2, &startProgramX);
    }
    const double startUpRatio = startProgram.median() / startMinimal.median();
    const double creationRatio = creation.median() / decoding.median();
    const double extraMemory = peakProgram.median() - peakMinimal.median();
    QList<Target> targets{
        {u"start-up vs minimal program (<= 1.25x)"_s, startUpRatio, 1.25, u"x"_s},
        {u"questionnaire creation vs decoding (<= 3x)"_s, creationRatio, 3.0, u"x"_s},
        {u"peak memory over minimal (<= 25 MB)"_s, extraMemory, 25.0, u"MB"_s},
        {u"page change, median (< 16 ms)"_s, pageChange.median(), 16.0, u"ms"_s},
        {u"walk step, median (< 16 ms)"_s, walkStep.median(), 16.0, u"ms"_s},
        {u"composition, median (< 16 ms)"_s, composition.median(), 16.0, u"ms"_s},
        {u"saving, median (< 16 ms)"_s, saving.median(), 16.0, u"ms"_s},
    };
    // Beside the offscreen figure, for information: a real X server adds the connection,
    // the window's mapping and the exposure, which the run's verdict leaves out.
    if (onX) {
        targets.insert(1, Target{u"start-up vs minimal, under Xvfb (info)"_s,
                                 startProgramX.median() / startMinimalX.median(), 1.25, u"x"_s, false});
    }

    const QString when = QDateTime::currentDateTime().toString(Qt::ISODate);
    const int cores = QThread::idealThreadCount();
    std::printf("Quillon benchmark, %s, %d cores, Qt %s, %s\n\n", qPrintable(when), cores, qVersion(),
                qPrintable(QGuiApplication::platformName()));
    std::printf("%-46s %12s %12s %6s\n", "measurement", "median", "p95", "runs");
    QJsonArray measurements;
    for (const Series *series : table) {
        std::printf("%-46s %12s %12s %6d\n", qPrintable(series->label),
                    qPrintable(format(series->median(), series->unit)),
                    qPrintable(format(series->p95(), series->unit)), int(series->values.size()));
        measurements.append(QJsonObject{{u"name"_s, series->label},
                                        {u"unit"_s, series->unit},
                                        {u"median"_s, series->median()},
                                        {u"p95"_s, series->p95()},
                                        {u"runs"_s, int(series->values.size())}});
    }
    std::printf("\n%-46s %12s %12s %6s\n", "target", "measured", "limit", "");
    QJsonArray targetList;
    bool allPass = true;
    for (const Target &target : targets) {
        if (target.counts)
            allPass = allPass && target.pass();
        std::printf("%-46s %12s %12s %6s\n", qPrintable(target.label), qPrintable(format(target.value, target.unit)),
                    qPrintable(format(target.limit, target.unit)), target.verdict());
        targetList.append(QJsonObject{{u"name"_s, target.label},
                                      {u"value"_s, target.value},
                                      {u"limit"_s, target.limit},
                                      {u"unit"_s, target.unit},
                                      {u"pass"_s, target.pass()},
                                      {u"counts"_s, target.counts}});
    }
    std::printf("\nX server: %s\n", qPrintable(onX ? xNote : u"skipped, "_s + xNote));

    const QJsonObject results{{u"date"_s, when},
                              {u"cores"_s, cores},
                              {u"qt"_s, QString::fromLatin1(qVersion())},
                              {u"measurements"_s, measurements},
                              {u"targets"_s, targetList},
                              {u"xServer"_s, onX ? xNote : u"skipped, "_s + xNote},
                              {u"allPass"_s, allPass}};
    QFile out(resultsPath);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fail(u"cannot write %1"_s.arg(resultsPath));
    out.write(QJsonDocument(results).toJson());
    std::printf("\nresults written to %s\n", qPrintable(QFileInfo(out).absoluteFilePath()));
    return allPass ? 0 : 1;
}
