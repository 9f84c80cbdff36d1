#include "report/ResultPage.h"

#include "questionnaire/PageBuilder.h"
#include "report/ReportClipboard.h"
#include "report/ReportSaving.h"
#include "report/RichTextBox.h"
#include "shell/Controls.h"
#include "shell/Look.h"

#include <QGroupBox>
#include <QPushButton>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace quillon {

ResultPageControls buildResultPage(QWidget *parent)
{
    ResultPageControls page;
    page.frame = makePageFrame(parent, u"fraResult"_s, u"Quillon Result"_s);

    page.report = new RichTextBox(page.frame);
    page.report->setGeometry(twipsRect(225, 360, 9255, 5520));
    page.report->setFont(uiFont());
    setTextColour(page.report, colours::black());

    page.save = makeButton(page.frame, u"cmdSave"_s, u"&Save"_s, twipsRect(225, 6000, 1000, 400), uiFont());
    page.backToMain = makeButton(page.frame, u"cmdBackToMain"_s, u"Analyze My Hand Writing Once Again"_s,
                                 twipsRect(4980, 6000, 4500, 400), uiFont(9, true));

    RichTextBox *box = page.report;
    // A saved report is no longer at risk when the window closes.
    QObject::connect(page.save, &QPushButton::clicked, box, [box] {
        if (saveReport(box->window(), *box))
            box->document()->setModified(false);
    });
    // Whatever the user does over the report takes report text back from the clipboard.
    const auto clear = [] { clearReportTextFromClipboard(); };
    QObject::connect(box, &RichTextBox::contentChanged, box, clear);
    QObject::connect(box, &RichTextBox::clicked, box, clear);
    QObject::connect(box, &RichTextBox::mouseDown, box, clear);
    QObject::connect(box, &RichTextBox::mouseMoved, box, clear);
    QObject::connect(box, &RichTextBox::mouseUp, box, clear);
    return page;
}

void presentResultPage(const ResultPageControls &page)
{
    page.report->showFromStart();
    page.save->setFocus(Qt::OtherFocusReason);
}

} // namespace quillon
