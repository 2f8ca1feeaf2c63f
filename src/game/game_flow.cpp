// Starting, changing, restarting, saving and leaving a puzzle.
#include "game/frm_tav_mn.h"

#include "platform/app_identity.h"
#include "platform/modal.h"
#include "platform/typed_number.h"
#include "puzzle/saved_game.h"
#include "view/board_picture.h"

#include <QAction>
#include <QLineEdit>
#include <QTimer>

namespace {

QString alertCaption()
{
    return appIdentity::title + QStringLiteral(" - Alert");
}

bool confirmed(QWidget *parent, const QString &question)
{
    return modal::message(parent, question, alertCaption(), QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

} // namespace

void frmTavMn::startGame(bool bRestart)
{
    std::int32_t &current = board_.lastPlayed[1];
    if (current < 1)
        current = 1;
    if (current > board_.puzzleCount)
        current = board_.puzzleCount;
    modData::loadPuzzle(board_, current);
    modData::resetBoard(board_);
    if (!bRestart)
        modData::readSavedGame(board_, savedGamePath(current));
    enableFromPause(true);
    resizeToZoom();
    selCol = -1;
    selRow = -1;
    elapsedSeconds = elapsedMinutes = elapsedHours = 0;
    secondsPlayed = 0;
    timerSec->start(); // a fresh second: the first tick comes a full second after the start
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

void frmTavMn::nextPuzzle()
{
    if (shownPuzzle > board_.puzzleCount - 1)
        return;
    std::int32_t &current = board_.lastPlayed[1];
    current = current >= board_.puzzleCount ? 1 : current + 1;
    startGame(false);
    ++shownPuzzle;
    txtGN->setText(QString::number(shownPuzzle));
}

void frmTavMn::previousPuzzle()
{
    if (shownPuzzle < 2)
        return;
    std::int32_t &current = board_.lastPlayed[1];
    current = current < 2 ? board_.puzzleCount : current - 1;
    startGame(false);
    --shownPuzzle;
    txtGN->setText(QString::number(shownPuzzle));
}

void frmTavMn::goToTypedPuzzle()
{
    const QString typed = txtGN->text();
    const double v = typedNumber::leadingValue(typed);
    if (v < 1 || v > board_.puzzleCount) {
        txtGN->setText(QString::number(board_.lastPlayed[1]));
        return;
    }
    if (!confirmed(this, QStringLiteral("Are you sure to change the puzzle?")))
        return; // the box keeps what was typed
    shownPuzzle = int(typedNumber::roundedClamped(typed, 1, board_.puzzleCount));
    board_.lastPlayed[1] = shownPuzzle;
    startGame(false);
    // The box shows the puzzle now open ("12abc" opens 12 and then reads 12).
    txtGN->setText(QString::number(shownPuzzle));
}

void frmTavMn::restartPuzzle()
{
    if (confirmed(this, QStringLiteral("Are you sure to RESTART puzzle?")))
        startGame(true);
}

void frmTavMn::saveGame()
{
    QString error;
    if (!modData::writeSavedGame(board_, savedGamePath(board_.lastPlayed[1]), &error)) {
        QString text = QStringLiteral("The game could not be saved.");
        if (!error.isEmpty())
            text += QLatin1Char('\n') + error;
        modal::message(this, text, appIdentity::title);
        return;
    }
    modal::pause(800);
}

void frmTavMn::exitGame()
{
    close();
}

void frmTavMn::connectGameFlow()
{
    // Unique connections: a command that is also wired elsewhere still runs only once.
    const auto wire = [this](const char *name, void (frmTavMn::*handler)()) {
        connect(action(QString::fromLatin1(name)), &QAction::triggered, this, handler, Qt::UniqueConnection);
    };
    wire("MNU_NEXT", &frmTavMn::nextPuzzle);
    wire("MNU_PREV", &frmTavMn::previousPuzzle);
    wire("MNU_RST", &frmTavMn::restartPuzzle);
    wire("MNU_SAVE", &frmTavMn::saveGame);
    wire("MNU_CHK_ALL", &frmTavMn::checkAll);
    wire("MNU_XIT", &frmTavMn::exitGame);
    // Return and the keypad's Enter both end the typing; every other key stays with the box.
    connect(txtGN, &QLineEdit::returnPressed, this, &frmTavMn::goToTypedPuzzle, Qt::UniqueConnection);
}
