#include "questionnaire/frmGraphology.h"

#include "links/LinkTexts.h"
#include "links/WebLinks.h"
#include "platform/Platform.h"
#include "questionnaire/AnswerLists.h"
#include "questionnaire/MeaningTables.h"
#include "questionnaire/SamplePictures.h"
#include "questionnaire/TraitCatalogue.h"
#include "report/ReportClipboard.h"
#include "report/ReportComposer.h"
#include "report/ReportSaving.h"
#include "report/RichTextBox.h"
#include "shell/AppInfo.h"
#include "shell/Controls.h"
#include "shell/EndProgram.h"
#include "shell/LinkLabel.h"
#include "shell/Look.h"
#include "shell/ProgramWindow.h"
#include "shell/frmMain.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyleHints>
#include <QTextDocument>

#include <utility>

using namespace Qt::StringLiterals;

namespace quillon {

namespace {

// Entering the T-Bar group from outside, either way, always starts at its first sub-page.
int previousPageOf(int index)
{
    const auto &catalogue = traitCatalogue();
    const int previous = index - 1;
    if (catalogue[previous].inTBarGroup && !catalogue[index].inTBarGroup)
        return traitIndex(tBarGroup().members.constFirst());
    return previous;
}

} // namespace

frmGraphology::frmGraphology(QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                              | Qt::CustomizeWindowHint)
{
    QWidget *client = setUpProgramWindow(this, u"frmGraphology"_s, QSize(9780, 7515));

    LinkLabel *forumLink = makeLinkLabel(client, u"Label14"_s, forumTaglineAndVisitText(),
                                         twipsRect(158, 0, 9465, 195), uiFont(8.25, true, true),
                                         colours::blue(), OpenCommunitySite);

    m_pictures = std::make_unique<SamplePictures>(qGuiApp ? qGuiApp->devicePixelRatio() : 1.0);

    m_pageStack = new QStackedWidget(client);
    m_pageStack->setObjectName(u"pageStack"_s);
    m_pageStack->setGeometry(twipsRect(30, 240, 9725, 6600));

    const auto &catalogue = traitCatalogue();
    for (int i = 0; i < catalogue.size(); ++i) {
        const TraitPage &trait = catalogue[i];
        if (trait.inTBarGroup && !m_groupPage) {
            QGroupBox *group = buildGroupPage(m_pageStack, tBarGroup());
            m_pageStack->addWidget(group);
            m_groupPage = group;
            m_groupStack = new QStackedWidget(group);
            m_groupStack->setObjectName(u"tbarStack"_s);
            m_groupStack->setGeometry(twipsRect(80, 700, 9550, 5800));
        }
        QWidget *container = trait.inTBarGroup ? static_cast<QWidget *>(m_groupStack) : m_pageStack;
        TraitPageControls page = buildTraitPage(container, trait, *m_pictures);
        if (trait.inTBarGroup)
            m_groupStack->addWidget(page.frame);
        else
            m_pageStack->addWidget(page.frame);

        connect(page.back, &QPushButton::clicked, this, [this, i] { back(i); });
        if (i == catalogue.size() - 1)
            connect(page.next, &QPushButton::clicked, this, &frmGraphology::viewResult);
        else
            connect(page.next, &QPushButton::clicked, this, [this, i] { next(i); });
        m_pages.append(page);
    }

    m_result = buildResultPage(m_pageStack);
    m_pageStack->addWidget(m_result.frame);
    connect(m_result.backToMain, &QPushButton::clicked, this, &frmGraphology::returnToMainWindow);
    m_pages.constLast().next->installEventFilter(this);
    for (QWidget *control : m_result.frame->findChildren<QWidget *>())
        control->installEventFilter(this);

    QFrame *brand = makeButtonFaceFrame(client, u"fraFullBrand"_s, twipsRect(30, 6960, 9725, 855));
    addPromotionalLabels(brand, twipsRect(120, 100, 9465, 615));
    // Tab meets the links after the controls of the page in front.
    setTabOrder(m_result.backToMain, forumLink);

    setFixedSize(sizeHint());
    centreOnScreen(this);

    // Load: the tables first, then the first page.
    LoadMeaningTables();
    bringPageToFront(0);
}

frmGraphology::~frmGraphology() = default;

int frmGraphology::currentPage() const
{
    if (m_pageStack->currentWidget() == m_result.frame)
        return resultPageIndex;
    QWidget *front = m_pageStack->currentWidget() == m_groupPage ? m_groupStack->currentWidget()
                                                                 : m_pageStack->currentWidget();
    for (int i = 0; i < m_pages.size(); ++i) {
        if (m_pages[i].frame == front)
            return i;
    }
    return -1;
}

void frmGraphology::bringPageToFront(int index)
{
    QGroupBox *frame = m_pages[index].frame;
    if (traitCatalogue()[index].inTBarGroup) {
        m_pageStack->setCurrentWidget(m_groupPage);
        m_groupStack->setCurrentWidget(frame);
    } else {
        m_pageStack->setCurrentWidget(frame);
    }
    // Whichever way the page was reached, the keyboard starts on its first variant.
    m_pages[index].variants.constFirst()->setFocus(Qt::OtherFocusReason);
}

void frmGraphology::refuseEmptyPage()
{
    platform().messageBox(this, u"Please Select Option(s)"_s, applicationTitle(), Platform::Icon::Error,
                          Platform::Buttons::Ok);
}

void frmGraphology::next(int index)
{
    if (captureAnswers(traitCatalogue()[index], m_pages[index].variants))
        bringPageToFront(index + 1);
    else
        refuseEmptyPage();
}

void frmGraphology::back(int index)
{
    if (index == 0)
        returnToMainWindow();
    else
        bringPageToFront(previousPageOf(index));
}

void frmGraphology::viewResult()
{
    clearReportTextFromClipboard();
    const int last = int(m_pages.size()) - 1;
    if (!captureAnswers(traitCatalogue()[last], m_pages[last].variants)) {
        refuseEmptyPage();
        return;
    }
    ComposeReport(*m_result.report);
    m_pageStack->setCurrentWidget(m_result.frame);
    presentResultPage(m_result);
    m_resultInFrontAt = std::exchange(m_viewResultReleasedAt, std::nullopt);
}

bool frmGraphology::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick
        && type != QEvent::MouseButtonRelease)
        return QMainWindow::eventFilter(watched, event);
    const quint64 at = static_cast<QMouseEvent *>(event)->timestamp();
    if (watched == m_pages.constLast().next) {
        if (type == QEvent::MouseButtonRelease)
            m_viewResultReleasedAt = at;
        else
            m_viewResultReleasedAt.reset();
        return false;
    }
    // The second click of a double click on "View Result" lands on the result page, where
    // "Analyze My Hand Writing Once Again" sits under the pointer: it must not count.
    const auto interval = quint64(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    return m_resultInFrontAt && at >= *m_resultInFrontAt && at - *m_resultInFrontAt < interval;
}

bool frmGraphology::mayLetReportGo()
{
    QTextDocument *report = m_result.report->document();
    if (!report->isModified() || report->isEmpty())
        return true; // no report, or saved since it was composed
    switch (platform().messageBox(this, u"Save the report before closing?"_s, applicationTitle(),
                                  Platform::Icon::Information, Platform::Buttons::SaveDiscardCancel)) {
    case Platform::Answer::Discard:
        return true;
    case Platform::Answer::Save:
        if (!saveReport(this, *m_result.report))
            return false; // a cancelled or failed save keeps the window and its report
        report->setModified(false);
        return true;
    default:
        return false;
    }
}

void frmGraphology::returnToMainWindow()
{
    if (!mayLetReportGo())
        return;
    auto *mainWindow = new frmMain;
    mainWindow->show();
    m_handingOver = true;
    close();
}

void frmGraphology::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Each page puts the focus on its first variant; the style is to show it from the start,
    // not only after a first Tab, so the keyboard's place is always in sight. (Showing the
    // window resets this, hence here.)
    setAttribute(Qt::WA_KeyboardFocusChange);
}

void frmGraphology::closeEvent(QCloseEvent *event)
{
    if (!m_handingOver && !isProgramEnding() && !mayLetReportGo()) {
        event->ignore();
        return;
    }
    handleProgramWindowClose(event, m_handingOver);
}

} // namespace quillon
