// The smallest Qt Widgets program: one empty window that ends at its first paint.
// quillon-bench measures it as the floor for the program's start-up time and memory.
// It prints the moment of its first paint, and with --peak its peak resident memory.
#include "FirstPaint.h"
#include "ProcessStatus.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const bool reportPeak = app.arguments().contains(QStringLiteral("--peak"));

    QWidget window;
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
