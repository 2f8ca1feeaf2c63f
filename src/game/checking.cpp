// Check All and the completion of a puzzle.
#include "game/frm_tav_mn.h"

// TODO(checking)
void frmTavMn::checkAll() {}
void frmTavMn::checkIfFull() {}
void frmTavMn::finishCheck() {}
