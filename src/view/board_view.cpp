// The board view: placement, zoom and scrolling, painting, selection, conflicts, hints and the
// pause cover. Its keys and mouse are in board_view_input.cpp.
#include "view/board_view.h"

#include "core/run_rules.h"
#include "game/game.h"
#include "platform/modal.h"
#include "view/board_accessibility.h"
#include "view/board_layout.h"
#include "view/board_painter.h"
#include "view/board_picture.h"
#include "view/tool_images.h"

#include <QLabel>
#include <QResizeEvent>
#include <QScrollBar>

#include <algorithm>

namespace view {

BoardView::BoardView(game::Game &game, QWidget *parent) : QWidget(parent), game_(game)
{
    setObjectName(QStringLiteral("boardView"));
    viewport_ = new QWidget(this);
    viewport_->setObjectName(QStringLiteral("boardViewport"));
    picture_ = new BoardPicture(viewport_);
    picture_->installEventFilter(this);
    connect(picture_, &BoardPicture::screenRatioChanged, this, &BoardView::followScreen);
    vScroll_ = new QScrollBar(Qt::Vertical, this);
    vScroll_->setObjectName(QStringLiteral("VScroll1"));
    hScroll_ = new QScrollBar(Qt::Horizontal, this);
    hScroll_->setObjectName(QStringLiteral("HScroll1"));
    vScroll_->hide();
    hScroll_->hide();
    // The picture follows the thumb while it is dragged, not only when it is let go.
    for (QScrollBar *bar : {vScroll_, hScroll_}) {
        connect(bar, &QScrollBar::valueChanged, this, &BoardView::followScrollBars);
        connect(bar, &QScrollBar::sliderMoved, this, &BoardView::followScrollBars);
    }
    setFocusProxy(picture_);

    auto *cover = new QLabel(tr("Paused"), this);
    cover->setObjectName(QStringLiteral("pauseCover"));
    cover->setAlignment(Qt::AlignCenter);
    cover->setAutoFillBackground(true);
    QFont coverFont = cover->font();
    coverFont.setPointSize(24);
    cover->setFont(coverFont);
    cover->hide();
    cover->installEventFilter(this);
    pauseCover_ = cover;
    colourCover();
    connect(&game_, &game::Game::pausedChanged, this, [this](bool paused) {
        pauseCover_->setGeometry(rect());
        pauseCover_->setVisible(paused);
        pauseCover_->raise();
    });

    connect(&game_, &game::Game::puzzleOpened, this, [this] {
        if (showConflicts_)
            conflicts_ = kakuro::conflictingCells(game_.puzzle(), game_.entries().digits());
        highlightedCells_.clear();
        highlighted_.clear();
        if (fitToView_)
            zoomLevel_ =
                fittingZoom(size(), {game_.puzzle().width(), game_.puzzle().height()}, kMinZoom, kMaxZoom);
        repaintBoard();
        setSelection(-1, -1);
        picture_->update();
    });
    connect(&game_, &game::Game::cellChanged, this, &BoardView::onCellChanged);
    // A hint lights the cells of its reasoning, selects the cell it is about and brings them into view.
    connect(&game_, &game::Game::hintShown, this, &BoardView::showHint);
    connect(&game_, &game::Game::wrongCellsFound, this, &BoardView::flashWrongCells);
    connect(&game_, &game::Game::solutionRevealed, this, &BoardView::paintSolution);
    makeBoardAccessible(*this);
}

// The picture goes first, while this is still a board view: its accessible table asks the view
// whether it stands as the picture is hidden and destroyed.
BoardView::~BoardView()
{
    delete viewport_;
}

BoardPainter BoardView::painter() const
{
    BoardPainter board(*picture_->canvas(), cellSize_, game_.puzzle(), game_.entries(), palette_);
    board.showConflicts(showConflicts_ ? &conflicts_ : nullptr);
    board.showHighlights(highlightedCells_.isEmpty() ? nullptr : &highlighted_);
    return board;
}

void BoardView::highlight(const QList<int> &cells)
{
    const QList<int> before = highlightedCells_;
    highlightedCells_ = cells;
    highlighted_.assign(std::size_t(game_.puzzle().entryCellCount()), 0);
    for (int i : cells)
        highlighted_[std::size_t(i)] = 1;
    const kakuro::Puzzle &p = game_.puzzle();
    for (const QList<int> &changed : {before, cells}) {
        for (int i : changed)
            repaintCell(p.colOf(i), p.rowOf(i));
    }
}

// The hint's cell is selected, and the board scrolled so that all the lit cells are in view (or
// at least the hint's cell, when they do not fit).
void BoardView::showHint(const game::Hint &hint)
{
    highlight(hint.cells);
    if (hint.cell < 0)
        return;
    const kakuro::Puzzle &p = game_.puzzle();
    const QRect lit = cellsRect(hint.cells), own = cellsRect({hint.cell});
    const auto follow = [](QScrollBar *bar, int from, int to, int ownFrom, int ownTo, int room) {
        if (to - from > room) {
            from = ownFrom;
            to = ownTo;
        }
        if (from < bar->value())
            bar->setValue(from);
        else if (to > bar->value() + room)
            bar->setValue(to - room);
    };
    follow(hScroll_, lit.left(), lit.right() + 1, own.left(), own.right() + 1, viewport_->width());
    follow(vScroll_, lit.top(), lit.bottom() + 1, own.top(), own.bottom() + 1, viewport_->height());
    selectCell(p.colOf(hint.cell), p.rowOf(hint.cell));
}

QRect BoardView::cellsRect(const QList<int> &cells) const
{
    const kakuro::Puzzle &p = game_.puzzle();
    QRect rect;
    for (int i : cells)
        rect |= QRect(p.colOf(i) * cellSize_, p.rowOf(i) * cellSize_, cellSize_ + 1, cellSize_ + 1);
    return rect;
}

QRect BoardView::cellsOnScreen(const QList<int> &cells) const
{
    const QRect inView = cellsRect(cells).translated(picture_->pos()) & viewport_->rect();
    return inView.isEmpty() ? QRect() : inView.translated(viewport_->mapToGlobal(QPoint(0, 0)));
}

void BoardView::colourCover()
{
    QPalette colours = pauseCover_->palette();
    colours.setColor(QPalette::Window, palette_.entry);
    colours.setColor(QPalette::WindowText, palette_.pen);
    pauseCover_->setPalette(colours);
}

void BoardView::setBoardPalette(const BoardPalette &palette)
{
    palette_ = palette;
    colourCover();
    repaintBoard();
    if (game_.puzzle().isEntry(selCol_, selRow_))
        selectCell(selCol_, selRow_);
}

void BoardView::setSelection(int col, int row)
{
    selCol_ = col;
    selRow_ = row;
    Q_EMIT selectionChanged(col, row);
}

void BoardView::setShowConflicts(bool on)
{
    showConflicts_ = on;
    conflicts_ =
        on ? kakuro::conflictingCells(game_.puzzle(), game_.entries().digits()) : std::vector<std::uint8_t>{};
    const kakuro::Puzzle &p = game_.puzzle();
    for (int i = 0; i < p.entryCellCount(); ++i) {
        if (game_.entries().digit(i) != 0)
            repaintCell(p.colOf(i), p.rowOf(i));
    }
}

// A digit can start or end a conflict anywhere in its two runs: every cell whose state turned is
// repainted with the cell itself.
void BoardView::onCellChanged(int col, int row)
{
    if (followingChanges_ && firstChanged_ < 0)
        firstChanged_ = game_.puzzle().cellAt(col, row);
    if (!highlightedCells_.isEmpty())
        highlight({}); // a hint holds for the board it was given on

    if (showConflicts_) {
        std::vector<std::uint8_t> now = kakuro::conflictingCells(game_.puzzle(), game_.entries().digits());
        now.swap(conflicts_);
        const kakuro::Puzzle &p = game_.puzzle();
        for (int i = 0; i < p.entryCellCount(); ++i) {
            if (now[std::size_t(i)] != conflicts_[std::size_t(i)] && i != p.cellAt(col, row))
                repaintCell(p.colOf(i), p.rowOf(i));
        }
    }
    repaintCell(col, row);
}

void BoardView::zoomIn()
{
    if (zoomLevel_ >= kMaxZoom)
        return;
    ++zoomLevel_;
    repaintBoard();
}

void BoardView::zoomOut()
{
    if (zoomLevel_ <= kMinZoom)
        return;
    --zoomLevel_;
    repaintBoard();
}

void BoardView::setZoomLevel(int level)
{
    zoomLevel_ = std::clamp(level, kMinZoom, kMaxZoom);
    repaintBoard();
}

void BoardView::fitZoom()
{
    setZoomLevel(fittingZoom(size(), {game_.puzzle().width(), game_.puzzle().height()}, kMinZoom, kMaxZoom));
}

void BoardView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Sizes given before the window shows are not the player's: a zoom restored then holds.
    if (fitToView_ && isVisible() && event->oldSize() != size())
        fitZoom();
    else if (picture_->followsScreen())
        placePicture();
    else
        followScreen(); // a new picture for the new screen, drawn at once rather than left white
    pauseCover_->setGeometry(rect());
}

// The picture is drawn again from the game at the new screen's ratio, as a zoom draws it, and the
// selected cell keeps its frame.
void BoardView::followScreen()
{
    if (picture_->followsScreen())
        return;
    repaintBoard();
    if (game_.puzzle().isInGrid(selCol_, selRow_)) {
        painter().drawSelectionFrame(selCol_, selRow_);
        picture_->refresh();
    }
}

void BoardView::placePicture()
{
    const kakuro::Puzzle &p = game_.puzzle();
    const QSize pictureSize((p.width() + 1) * cellSize_ + 1, (p.height() + 1) * cellSize_ + 1);
    const BoardLayout g =
        computeBoardLayout(size(), pictureSize, vScroll_->sizeHint().width(), hScroll_->sizeHint().height());
    picture_->resizePicture(pictureSize.width(), pictureSize.height());
    viewport_->setGeometry(g.view);
    vScroll_->setGeometry(g.vScroll);
    hScroll_->setGeometry(g.hScroll);
    // One click or one page moves the board by one cell. A hidden bar goes back to 0 so that
    // nothing of the picture stays out of reach; a shown one keeps its value unless the new range
    // cuts it off.
    const auto apply = [this](QScrollBar *bar, int maximum, bool visible) {
        bar->setSingleStep(cellSize_);
        bar->setPageStep(cellSize_);
        bar->setRange(0, maximum);
        if (!visible)
            bar->setValue(0);
        bar->setVisible(visible);
    };
    apply(vScroll_, g.vScrollMax, g.vScrollVisible);
    apply(hScroll_, g.hScrollMax, g.hScrollVisible);
    followScrollBars();
}

void BoardView::followScrollBars()
{
    picture_->move(-hScroll_->sliderPosition(), -vScroll_->sliderPosition());
}

// Fills, lines, clue diagonals, `digits` and the sums, each text in its own size; the digit
// size stays selected.
void BoardView::paintWholeBoard(BoardDigits digits)
{
    GdiCanvas &canvas = *picture_->canvas();
    BoardPainter board = painter();
    canvas.setFontPointSize(digitFontSize());
    board.paintBoard(digits, ClueDiagonals::Drawn, kOneLineInset);
    canvas.setFontPointSize(sumFontSize());
    board.paintSums();
    canvas.setFontPointSize(digitFontSize());
}

void BoardView::repaintBoard()
{
    cellSize_ = cellSizeAt(zoomLevel_);
    placePicture();
    paintWholeBoard(BoardDigits::None);
    solutionShown_.clear();
    BoardPainter board = painter();
    const kakuro::Puzzle &p = game_.puzzle();
    for (int row = 1; row <= p.height(); ++row) {
        for (int col = 1; col <= p.width(); ++col) {
            if (p.isEntry(col, row))
                board.paintEntryCell(col, row);
        }
    }
    // A zoom keeps the selected cell but shows its frame only when the selection next moves.
    picture_->refresh();
}

void BoardView::paintSolution()
{
    paintWholeBoard(BoardDigits::Solution);
    const kakuro::Puzzle &p = game_.puzzle();
    solutionShown_.assign(std::size_t(p.entryCellCount()), 1);
    picture_->refresh(); // shown now rather than at the next repaint of a cell
}

void BoardView::repaintCell(int col, int row)
{
    picture_->canvas()->setFontPointSize(digitFontSize());
    BoardPainter board = painter();
    paintCell(board, col, row);
    if (col == selCol_ && row == selRow_)
        board.drawSelectionFrame(col, row);
    picture_->refresh();
}

void BoardView::flashWrongCells(const QList<int> &cells)
{
    const kakuro::Puzzle &p = game_.puzzle();
    BoardPainter board = painter();
    // The flash: crosses over the wrong cells, shown at once and held while the thread sleeps. No
    // event is processed in between, so neither a clock tick nor a key slips into the flash.
    for (int i : cells)
        board.drawCross(p.colOf(i), p.rowOf(i));
    picture_->refreshNow();
    platform::pause(500);
    // Repainting the cell wipes its cross and shows its lasting mark.
    picture_->canvas()->setFontPointSize(digitFontSize());
    for (int i : cells)
        paintCell(board, p.colOf(i), p.rowOf(i));
    picture_->update();
}

void BoardView::selectCell(int col, int row)
{
    BoardPainter board = painter();
    if (game_.puzzle().isInGrid(selCol_, selRow_))
        paintCell(board, selCol_, selRow_);
    board.drawSelectionFrame(col, row);
    setSelection(col, row);
    picture_->refresh();
}

void BoardView::paintCell(BoardPainter &board, int col, int row)
{
    board.paintEntryCell(col, row);
    if (!solutionShown_.empty())
        solutionShown_[std::size_t(game_.puzzle().cellAt(col, row))] = 0;
}

bool BoardView::showsCell(int col, int row) const
{
    const QRect visible(-picture_->x(), -picture_->y(), viewport_->width(), viewport_->height());
    return visible.contains(QRect(col * cellSize_, row * cellSize_, cellSize_, cellSize_));
}

void BoardView::scrollToCell(int col, int row)
{
    const auto follow = [](QScrollBar *bar, int start, int side, int room) {
        if (start < bar->value())
            bar->setValue(start);
        else if (start + side > bar->value() + room)
            bar->setValue(start + side - room);
    };
    follow(hScroll_, col * cellSize_, cellSize_, viewport_->width());
    follow(vScroll_, row * cellSize_, cellSize_, viewport_->height());
}

void BoardView::followChangesOf(const std::function<void()> &operation)
{
    followingChanges_ = true;
    firstChanged_ = -1;
    operation();
    followingChanges_ = false;
    const kakuro::Puzzle &p = game_.puzzle();
    if (firstChanged_ >= 0) {
        const int col = p.colOf(firstChanged_), row = p.rowOf(firstChanged_);
        if (col != selCol_ || row != selRow_)
            selectCell(col, row);
        scrollToCell(col, row);
    }
}

void BoardView::setNumberTool(int tool)
{
    numberTool_ = tool;
    if (tool != kNoTool)
        showPenOrPencilPointer();
    Q_EMIT numberToolChanged(tool);
}

void BoardView::showPenOrPencilPointer()
{
    const ToolImages &images = toolImages();
    showPointer(images.pointer(game_.pencilMode() ? toolImage::BoardPencil : toolImage::BoardPen));
}

void BoardView::showPointer(const QCursor &pointer)
{
    view::showPointer(*picture_, pointer);
}

void BoardView::showBoardPointer()
{
    if (numberTool_ == kEraser)
        showPointer(toolImages().pointer(toolImage::BoardEraser));
    else
        showPenOrPencilPointer();
}

} // namespace view
