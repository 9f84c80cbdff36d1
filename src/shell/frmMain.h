#pragma once

#include <QMainWindow>

class QLineEdit;

namespace quillon {

// The first window: the user's names and sex, and the command that opens the questionnaire.
class frmMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmMain(QWidget *parent = nullptr);

    // True when both names hold more than spaces; otherwise says which is missing
    // and puts the focus into it.
    bool ValidateDetails();

    // The analysis command: the questionnaire window takes this window's place.
    void cmdGoToGraphology_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QLineEdit *m_firstName = nullptr;
    QLineEdit *m_lastName = nullptr;
    bool m_handingOver = false; // closed on the way to the questionnaire, not by the user
};

// Only the space character counts as padding; the boxes keep what was typed.
QString trimSpaces(const QString &text);

} // namespace quillon
