#pragma once

class QGroupBox;
class QPushButton;
class QWidget;

namespace quillon {

class RichTextBox;

struct ResultPageControls {
    QGroupBox *frame = nullptr;
    RichTextBox *report = nullptr;
    QPushButton *save = nullptr;
    QPushButton *backToMain = nullptr;
};

// The page that shows the composed report, with Save and "Once Again".
ResultPageControls buildResultPage(QWidget *parent);

// Once the page is in front: the report shown from its first line, the focus on Save.
void presentResultPage(const ResultPageControls &page);

} // namespace quillon
