// Check All and the completion of a puzzle.
#include "game/frm_tav_mn.h"

#include "platform/app_identity.h"
#include "platform/modal.h"
#include "store/score_dialogs.h"
#include "view/board_picture.h"

#include <QTimer>

namespace {

int filledCells(const modData::Board &b)
{
    return modData::countNonZero(b.pencilEntries) + modData::countNonZero(b.penEntries);
}

} // namespace

void frmTavMn::checkIfFull()
{
    if (filledCells(board_) == board_.entryCellCount)
        checkAll();
}

void frmTavMn::checkAll()
{
    modData::ByteArray1 wrongCells(std::size_t(board_.cellCount) + 1, 0);
    const int wrong = modData::compareWithSolution(board_, board_.penEntries, wrongCells) +
                      modData::compareWithSolution(board_, board_.pencilEntries, wrongCells);
    if (wrong < 1) {
        finishCheck();
        return;
    }

    // The flash: crosses over the wrong cells, shown at once, held while the thread sleeps. No
    // event is processed in between, so neither a clock tick nor a key slips into the flash.
    for (int i = 1; i <= board_.cellCount; ++i) {
        if (wrongCells[std::size_t(i)] != 0)
            modGDI::drawCross(canvas, board_.colOf(i), board_.rowOf(i), modGDI::tools().errorPen);
    }
    pbGrid->refreshNow();
    modal::pause(500);

    // The lasting marks: repainting the cell wipes its cross and adds the mark.
    if (canvas.hdc)
        canvas.hdc->setFontPointSize(getZoomFontSizeSolution());
    for (int i = 1; i <= board_.cellCount; ++i) {
        if (wrongCells[std::size_t(i)] != 0) {
            board_.errorMarks[std::size_t(i)] = 1;
            modGDI::paintEntryCell(canvas, board_, board_.colOf(i), board_.rowOf(i));
        }
    }
    pbGrid->update();
}

void frmTavMn::finishCheck()
{
    if (filledCells(board_) != board_.entryCellCount) {
        modal::message(this, QStringLiteral("Great work - There are no mistakes. Continue..."),
                       appIdentity::title);
        return;
    }
    modal::message(this, QStringLiteral("Wow! Puzzle Successfully Completed"),
                   appIdentity::title + QStringLiteral(" - Congradz!"));
    timerSec->stop();
    frmScoreInput dlg(*this);
    modal::exec(dlg);
}
