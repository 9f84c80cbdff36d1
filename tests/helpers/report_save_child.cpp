// Runs the Save command in a process of its own, so that a test can give the process a
// file-size limit or another user. Arguments: the path the dialog answers with, and the size
// of the report in bytes. Prints whether the report was saved, who saved it, and every box shown.
#include "report/ReportSaving.h"
#include "report/RichTextBox.h"
#include "shell/StartUp.h"
#include "support/FakePlatform.h"

#include <QApplication>
#include <QTextStream>

#include <unistd.h>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    quillon::prepareApplication(); // as the program starts, with its signal handling
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return 2;

    quillon::test::FakePlatform fake;
    fake.install();
    fake.saveAnswers.enqueue(args.at(1));
    quillon::RichTextBox box;
    const qsizetype wanted = args.at(2).toLongLong();
    QString text;
    for (int line = 1; text.size() < wanted; ++line)
        text += u"Line %1 of a long report.\r\n"_s.arg(line);
    box.insertAtCaret(text);

    const bool saved = quillon::saveReport(nullptr, box);
    QTextStream out(stdout);
    out << "uid=" << ::geteuid() << "\nsaved=" << int(saved) << '\n';
    for (const auto &shown : fake.shownBoxes)
        out << "box=" << QString(shown.text).replace(u'\n', u' ') << '\n';
    return 0;
}
