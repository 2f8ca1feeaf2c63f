// Cell selection, keyboard and mouse entry on the board.
#include "game/frm_tav_mn.h"

#include "game/toolbar_images.h"
#include "view/board_picture.h"
#include "view/key_codes.h"

#include <QAction>

#include <cmath>

namespace {

// The tool number of the number toolbar that chooses no tool, and of its eraser.
constexpr int kNoTool = 11;
constexpr int kEraser = 10;

} // namespace

void frmTavMn::setSelectedCellTo(int newX, int newY)
{
    modGDI::paintEntryCell(canvas, board_, selCol, selRow);
    modGDI::drawSelectionFrame(canvas, newX, newY);
    selCol = newX;
    selRow = newY;
    pbGrid->refresh();
}

// Writes digit d (1-9) into the selected cell in pen or pencil, shows it and lets a full board
// check itself. Precondition: a cell is selected.
void frmTavMn::enterDigit(int d)
{
    const auto i = std::size_t(board_.cellIndex(selCol, selRow));
    const auto digit = std::uint8_t(d);
    if (board_.pencilMode == 1) {
        board_.pencilEntries[i] = digit;
        board_.penEntries[i] = 0;
    } else {
        board_.penEntries[i] = digit;
        board_.pencilEntries[i] = 0;
    }
    canvas.hdc->setFontPointSize(getZoomFontSizeSolution());
    modGDI::paintEntryCell(canvas, board_, selCol, selRow);
    modGDI::drawSelectionFrame(canvas, selCol, selRow);
    pbGrid->refresh();
    checkIfFull();
}

// Empties the selected cell; its error mark stays. Precondition: a cell is selected.
void frmTavMn::clearSelectedCell()
{
    const auto i = std::size_t(board_.cellIndex(selCol, selRow));
    board_.pencilEntries[i] = 0;
    board_.penEntries[i] = 0;
    modGDI::paintEntryCell(canvas, board_, selCol, selRow);
    modGDI::drawSelectionFrame(canvas, selCol, selRow);
    pbGrid->refresh();
}

// Selects the nearest entry cell from the selection in the direction (dCol, dRow); at the edge of
// the grid the selection stays where it is.
void frmTavMn::moveSelection(int dCol, int dRow)
{
    for (int col = selCol + dCol, row = selRow + dRow; modData::isInGrid(board_, col, row);
         col += dCol, row += dRow) {
        if (board_.solutionAt(col, row) != 0) {
            setSelectedCellTo(col, row);
            return;
        }
    }
}

void frmTavMn::pbGrid_KeyDown(int keyCode)
{
    if (keyCode == vk::Escape) {
        showMinimized();
        return;
    }
    if (!modData::isInGrid(board_, selCol, selRow))
        return;
    if (keyCode > vk::Digit0 && keyCode <= vk::Digit9) {
        enterDigit(keyCode - vk::Digit0);
        return;
    }
    if (keyCode > vk::Numpad0 && keyCode <= vk::Numpad9) {
        enterDigit(keyCode - vk::Numpad0);
        return;
    }
    switch (keyCode) {
    case vk::Digit0:
    case vk::Numpad0:
    case vk::Space:
    case vk::Delete:
    case vk::Back:
        clearSelectedCell();
        break;
    case vk::Left:
        moveSelection(-1, 0);
        break;
    case vk::Up:
        moveSelection(0, -1);
        break;
    case vk::Right:
        moveSelection(1, 0);
        break;
    case vk::Down:
        moveSelection(0, 1);
        break;
    case vk::F12:
        showPrintDialog();
        break;
    case vk::F9:
        paintSolution();
        break;
    default:
        break;
    }
}

void frmTavMn::frmTavMn_KeyDown(int keyCode)
{
    if (keyCode == vk::Escape) {
        showMinimized();
        return;
    }
    pbGrid_KeyDown(keyCode);
    if (keyCode == vk::F9)
        paintSolution();
}

void frmTavMn::paintSolution()
{
    canvas.hdc->setFontPointSize(getZoomFontSizeSolution());
    modGDI::paintBoard(canvas, board_, true, true, 1);
    canvas.hdc->setFontPointSize(getZoomFontSizeTally());
    modGDI::paintSums(canvas, board_, QColor(255, 255, 255));
    canvas.hdc->setFontPointSize(getZoomFontSizeSolution());
    pbGrid->refresh(); // shown now rather than at the next repaint of a cell
}

// Puts the number tool down and clears the selection (a click on a block cell or the margin).
void frmTavMn::dropSelectionAndTool()
{
    selCol = -1;
    selRow = -1;
    numberTool = kNoTool;
    updateNumberButtons();
    pbGrid->refresh();
}

void frmTavMn::pbGrid_MouseDown(Qt::MouseButton button, double x, double y)
{
    if (button == Qt::RightButton) {
        numberTool = kNoTool;
        updateNumberButtons();
        return;
    }
    const int size = canvas.cellSize;
    const int col = int(std::nearbyint(x)) / size;
    const int row = int(std::nearbyint(y)) / size;
    if (col == selCol && row == selRow)
        return;
    if (modData::isInGrid(board_, selCol, selRow))
        modGDI::paintEntryCell(canvas, board_, selCol, selRow);
    if (!modData::isInGrid(board_, col, row) || board_.solutionAt(col, row) == 0) {
        dropSelectionAndTool();
        return;
    }
    selCol = col;
    selRow = row;
    modGDI::drawSelectionFrame(canvas, col, row);
    pbGrid->refresh();
}

void frmTavMn::pbGrid_MouseMove(Qt::MouseButtons, double, double)
{
    if (numButtons[std::size_t(kEraser)]->isChecked())
        showPointer(*this, tbImg().pointer(tbImage::BoardEraser));
    else
        updateBoardCursor();
}

void frmTavMn::pbGrid_MouseUp(Qt::MouseButton button, double, double)
{
    if (button == Qt::RightButton || numberTool == kNoTool || !modData::isInGrid(board_, selCol, selRow))
        return;
    if (numberTool >= 1 && numberTool <= 9)
        enterDigit(numberTool);
    else if (numberTool == kEraser)
        clearSelectedCell();
}
