// The smallest Qt Widgets program that shows text: one window with one line of text, ending at
// its first paint. quillon-bench measures it as the floor for the program's start-up time and
// memory; any program that draws text pays for fontconfig and Qt's font database, so the floor
// does too. It prints the moment of its first paint, and with --peak its peak resident memory.
#include "FirstPaint.h"
#include "ProcessStatus.h"

#include <QApplication>
#include <QLabel>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const bool reportPeak = app.arguments().contains(QStringLiteral("--peak"));

    QLabel window(QStringLiteral("Hello from Qt"));
    window.setAlignment(Qt::AlignCenter);
    window.resize(320, 320);
    window.show();
    quillon::bench::FirstPaint exitAtFirstPaint(&window, [reportPeak] {
        quillon::bench::reportFirstPaint();
        if (reportPeak)
            std::printf("peak_kib=%lld\n", static_cast<long long>(quillon::bench::peakResidentKiB()));
        QCoreApplication::quit();
    });
    return app.exec();
}
