// Starting, changing, restarting, saving and leaving a puzzle.
#include "game/frm_tav_mn.h"

#include "puzzle/saved_game.h"
#include "view/board_picture.h"

#include <QLineEdit>
#include <QTimer>

void frmTavMn::startGame(bool bRestart)
{
    Q_UNUSED(bRestart); // TODO(game flow): saved games
    std::int32_t &current = board_.lastPlayed[1];
    if (current < 1)
        current = 1;
    if (current > board_.puzzleCount)
        current = board_.puzzleCount;
    modData::loadPuzzle(board_, current);
    modData::resetBoard(board_);
    enableFromPause(true);
    resizeToZoom();
    selCol = -1;
    selRow = -1;
    elapsedSeconds = elapsedMinutes = elapsedHours = 0;
    secondsPlayed = 0;
    timerSec->start();
    pbGrid->update();
}

void frmTavMn::enableFromPause(bool b)
{
    pbGrid->setEnabled(b);
    pbGrid->setVisible(b);
}

QString frmTavMn::savedGamePath(int puzzleNumber) const
{
    return modData::savedGamesFolder(appFolder_) + QLatin1Char('/') + QString::number(puzzleNumber) +
           QStringLiteral(".sav");
}

// TODO(game flow): the commands.
void frmTavMn::nextPuzzle() {}
void frmTavMn::previousPuzzle() {}
void frmTavMn::goToTypedPuzzle() {}
void frmTavMn::restartPuzzle() {}
void frmTavMn::saveGame() {}
void frmTavMn::exitGame() { close(); }
