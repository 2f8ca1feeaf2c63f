// The welcome dialog and the About box.
#include "shell/shell_dialogs.h"

// TODO(shell)
diagSWS::diagSWS(const QString &appFolder, QWidget *parent) : QDialog(parent), appFolder_(appFolder)
{
    setObjectName(QStringLiteral("diagSWS"));
}

frmAbt::frmAbt(const QString &appFolder, QWidget *parent) : QDialog(parent), appFolder_(appFolder)
{
    setObjectName(QStringLiteral("frmAbt"));
}
