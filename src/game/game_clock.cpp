// The game clock and the window caption.
#include "game/frm_tav_mn.h"

// TODO(clock)
void frmTavMn::timerSec_Timer() {}
