// Cell selection, keyboard and mouse entry on the board.
#include "game/frm_tav_mn.h"

// TODO(input)
void frmTavMn::setSelectedCellTo(int, int) {}
void frmTavMn::pbGrid_KeyDown(int) {}
void frmTavMn::frmTavMn_KeyDown(int) {}
void frmTavMn::pbGrid_MouseDown(Qt::MouseButton, double, double) {}
void frmTavMn::pbGrid_MouseMove(Qt::MouseButtons, double, double) {}
void frmTavMn::pbGrid_MouseUp(Qt::MouseButton, double, double) {}
void frmTavMn::paintSolution() {}
