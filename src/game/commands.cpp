// Menus, toolbars, the pen/pencil switch and the number tool.
#include "game/frm_tav_mn.h"

#include <QAction>

void frmTavMn::connectCommands()
{
    connect(action(QStringLiteral("MNU_XIT")), &QAction::triggered, this, &frmTavMn::exitGame);
}

// TODO(commands)
void frmTavMn::MNU_PEN_Click(int index) { board_.pencilMode = index == 2 ? 1 : 0; }
void frmTavMn::tb_ButtonClick(int) {}
void frmTavMn::tbNumButns_ButtonClick(int) {}
void frmTavMn::updateNumberButtons() {}
void frmTavMn::updateBoardCursor() {}
void frmTavMn::showStatistics() {}
void frmTavMn::showPrintDialog() {}
