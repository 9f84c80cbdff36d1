#pragma once

#include <QDialog>

namespace quillon {

// Names the program and its version and offers two links; always shown modally.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget *owner = nullptr);
};

} // namespace quillon
