// The score and statistics dialogs.
#include "store/score_dialogs.h"

#include "game/frm_tav_mn.h"

// TODO(scores)
frmScoreInput::frmScoreInput(frmTavMn &mainWindow) : QDialog(&mainWindow), main_(mainWindow)
{
    setObjectName(QStringLiteral("frmScoreInput"));
}

diagStats::diagStats(frmTavMn &mainWindow) : QDialog(&mainWindow), main_(mainWindow)
{
    setObjectName(QStringLiteral("diagStats"));
}
