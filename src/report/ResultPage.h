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

} // namespace quillon
