#pragma once

#include "questionnaire/PageBuilder.h"
#include "report/ResultPage.h"

#include <QList>
#include <QMainWindow>

#include <memory>
#include <optional>

class QStackedWidget;

namespace quillon {

class SamplePictures;

// The questionnaire window: the 21 trait pages, the T-Bar group and the result page in one stack.
class frmGraphology : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmGraphology(QWidget *parent = nullptr);
    ~frmGraphology() override;

    // The page in front: a trait's page-order index, or resultPageIndex.
    int currentPage() const;
    static constexpr int resultPageIndex = -2;

    RichTextBox *reportBox() const { return m_result.report; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void bringPageToFront(int traitIndex);
    void next(int traitIndex);
    void back(int traitIndex);
    void viewResult();
    void returnToMainWindow();
    void refuseEmptyPage();
    bool mayLetReportGo();

    std::unique_ptr<SamplePictures> m_pictures;
    QStackedWidget *m_pageStack = nullptr;
    QStackedWidget *m_groupStack = nullptr;
    QWidget *m_groupPage = nullptr;
    QList<TraitPageControls> m_pages; // page order
    ResultPageControls m_result;
    bool m_handingOver = false; // closed on the way to the main window, not by the user
    // Input timestamps of the release that pressed "View Result" and of the result page's
    // coming to the front: clicks on the page closer to it than a double click are ignored.
    std::optional<quint64> m_viewResultReleasedAt;
    std::optional<quint64> m_resultInFrontAt;
};

} // namespace quillon
