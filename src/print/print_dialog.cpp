// The print settings dialog.
#include "print/print_dialog.h"

#include "game/frm_tav_mn.h"

// TODO(printing)
frmPrinterDialog::frmPrinterDialog(frmTavMn &mainWindow) : QDialog(&mainWindow), main_(mainWindow)
{
    setObjectName(QStringLiteral("frmPrinterDialog"));
}
