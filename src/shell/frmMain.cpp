#include "shell/frmMain.h"

#include "links/LinkTexts.h"
#include "links/WebLinks.h"
#include "platform/Platform.h"
#include "questionnaire/frmGraphology.h"
#include "shell/AppInfo.h"
#include "shell/Controls.h"
#include "shell/LinkLabel.h"
#include "shell/Look.h"
#include "shell/ProgramWindow.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace quillon {

QString trimSpaces(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

namespace {

QLineEdit *makeTextBox(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setFrame(true);
    return box;
}

QRadioButton *makeOption(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry)
{
    auto *option = new QRadioButton(caption, parent);
    option->setObjectName(name);
    option->setGeometry(geometry);
    return option;
}

} // namespace

frmMain::frmMain(QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                              | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
{
    QWidget *client = setUpProgramWindow(this, u"frmMain"_s, QSize(4815, 4695));

    makeLinkLabel(client, u"Label14"_s, forumTagline(), twipsRect(0, 0, 4830, 195),
                  uiFont(8.25, true, true), colours::blue(), OpenCommunitySite);
    makeLinkLabel(client, u"Label3"_s, visitForumText(), twipsRect(180, 240, 4470, 195),
                  uiFont(8.25, true, true), colours::blue(), OpenCommunitySite);
    makeLabel(client, u"Label1(3)"_s,
              u"Please fill the following details to get the analysis of your Hand Writing. "
              "* marks fields are mandatory to fill up."_s,
              twipsRect(165, 720, 4515, 735), uiFont(9, true), colours::red(), true);
    QLabel *firstNameLabel = makeLabel(client, u"Label1(0)"_s, u"* Enter First Name:"_s,
                                       twipsRect(240, 1725, 1665, 195), uiFont(), colours::black());
    m_firstName = makeTextBox(client, u"txtFirstName"_s, twipsRect(2160, 1680, 2500, 285));
    QLabel *lastNameLabel = makeLabel(client, u"Label1(1)"_s, u"* Enter Last Name:"_s,
                                      twipsRect(240, 2205, 1650, 195), uiFont(), colours::black());
    m_lastName = makeTextBox(client, u"txtLastName"_s, twipsRect(2160, 2160, 2500, 285));
    // Screen readers name each box by the label in front of it.
    firstNameLabel->setBuddy(m_firstName);
    lastNameLabel->setBuddy(m_lastName);
    makeLabel(client, u"Label1(2)"_s, u"Enter Sex:"_s, twipsRect(400, 2670, 915, 195), uiFont(),
              colours::black());
    auto *male = makeOption(client, u"Option1"_s, u"Male"_s, twipsRect(2160, 2640, 735, 255));
    auto *female = makeOption(client, u"Option2"_s, u"Female"_s, twipsRect(3120, 2640, 975, 255));
    auto *analyse = makeButton(client, u"cmdGoToGraphology"_s, u"Analyze My Hand Writing"_s,
                               twipsRect(60, 3000, 4725, 375), uiFont(8.25, true));
    connect(analyse, &QPushButton::clicked, this, &frmMain::cmdGoToGraphology_Click);

    QFrame *brand = makeButtonFaceFrame(client, u"fraFullBrand"_s, twipsRect(15, 3480, 4785, 1215));
    addPromotionalLabels(brand, twipsRect(120, 165, 4545, 975));

    setTabOrder(m_firstName, m_lastName);
    setTabOrder(m_lastName, analyse);
    setTabOrder(analyse, male);
    setTabOrder(male, female);
    // The links come after the form, the promotional one in front last.
    QWidget *previous = female;
    for (const char *name : {"Label14", "Label3", "lblFullBrand", "lblCobrand"}) {
        QWidget *link = findChild<LinkLabel *>(QString::fromLatin1(name));
        setTabOrder(previous, link);
        previous = link;
    }
    m_firstName->setFocus();

    setFixedSize(sizeHint());
    centreOnScreen(this);
}

bool frmMain::ValidateDetails()
{
    Platform &system = platform();
    if (trimSpaces(m_firstName->text()).isEmpty()) {
        system.messageBox(this, u"Please Enter Your First Name"_s, applicationTitle(),
                          Platform::Icon::Error, Platform::Buttons::Ok);
        m_firstName->setFocus();
        return false;
    }
    if (trimSpaces(m_lastName->text()).isEmpty()) {
        system.messageBox(this, u"Please Enter Your Last Name"_s, applicationTitle(),
                          Platform::Icon::Error, Platform::Buttons::Ok);
        m_lastName->setFocus();
        return false;
    }
    return true;
}

void frmMain::cmdGoToGraphology_Click()
{
    if (!ValidateDetails())
        return;
    auto *questionnaire = new frmGraphology;
    questionnaire->show();
    m_handingOver = true;
    close();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    handleProgramWindowClose(event, m_handingOver);
}

} // namespace quillon
