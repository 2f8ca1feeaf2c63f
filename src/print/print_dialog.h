// The print settings dialog.
#pragma once

#include <QDialog>

class frmTavMn;

class frmPrinterDialog : public QDialog {
    Q_OBJECT
public:
    explicit frmPrinterDialog(frmTavMn &mainWindow);

private:
    frmTavMn &main_;
};
