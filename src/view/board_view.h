// The board on screen: the board picture with its zoom and scroll bars, the selected cell, the
// number tool and the pointer over the board. Keys and clicks become calls on the game; the cells
// the game's signals name are repainted.
#pragma once

#include "view/board_painter.h"
#include "view/board_palette.h"

#include <QWidget>

#include <functional>

class QCursor;
class QScrollBar;

namespace game {
class Game;
struct Hint;
} // namespace game

namespace view {

class BoardPicture;

class BoardView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kEraser = 10; // number tools 1-9 are digits
    static constexpr int kNoTool = 11;
    static constexpr int kMinZoom = 1;
    static constexpr int kMaxZoom = 10;
    static constexpr int kDefaultZoom = 3;

    explicit BoardView(game::Game &game, QWidget *parent = nullptr);
    ~BoardView() override;

    BoardPicture *picture() const { return picture_; }
    const game::Game &game() const { return game_; }
    int zoomLevel() const { return zoomLevel_; }
    int cellSize() const { return cellSize_; }
    // The point sizes of digits in entry cells and of the sums, at the current zoom step.
    int digitFontSize() const { return zoomLevel_ + 8; }
    double sumFontSize() const { return zoomLevel_ * 1.2 + 5.0; }

    // One zoom step in or out, with a full repaint; nothing at the limits.
    void zoomIn();
    void zoomOut();
    // Zoom step `level`, brought into kMinZoom..kMaxZoom, with a full repaint.
    void setZoomLevel(int level);
    // While on, the board takes the largest zoom step whose picture fits the view (the smallest,
    // and scrolls, when none does) whenever the shown view changes size or a puzzle opens; a zoom
    // step chosen by hand holds until then.
    void setFitToView(bool on) { fitToView_ = on; }
    bool fitsToView() const { return fitToView_; }
    // The fit, now.
    void fitZoom();
    // Places the picture for the puzzle in play at the current zoom and paints all of it.
    void repaintBoard();

    // The selected cell, (-1, -1) for none.
    int selectedCol() const { return selCol_; }
    int selectedRow() const { return selRow_; }
    // Moves the selection frame to (col, row).
    void selectCell(int col, int row);
    // Selects the first entry cell in reading order.
    void selectFirstEntryCell();
    // Whether grid cell (col, row) lies wholly in the visible part of the board.
    bool showsCell(int col, int row) const;
    // Runs `operation` on the game; when it changed cells, the first of them is then selected
    // and scrolled into view, so that undo, redo and an applied hint show where they acted.
    void followChangesOf(const std::function<void()> &operation);
    // Where `cells` (cell indices) show on the screen, in global coordinates, as far as they are
    // in view; an empty rectangle when none is.
    QRect cellsOnScreen(const QList<int> &cells) const;

    // Covers the board while the game is paused, so that nothing can be studied while the clock
    // stands; shown and hidden as the game pauses and resumes.
    QWidget *pauseCover() const { return pauseCover_; }

    // Draws the board in `palette` from now on.
    void setBoardPalette(const BoardPalette &palette);
    const BoardPalette &boardPalette() const { return palette_; }

    // While on, digits that break a run's rules are drawn in the palette's conflict colour.
    void setShowConflicts(bool on);
    bool showsConflicts() const { return showConflicts_; }
    // Whether entry cell i is drawn as a conflict now; whether it shows the solution's digit.
    bool showsConflictAt(int i) const { return showConflicts_ && conflicts_[std::size_t(i)] != 0; }
    bool showsSolutionAt(int i) const
    {
        return !solutionShown_.empty() && solutionShown_[std::size_t(i)] != 0;
    }

    // While on, screen readers hear a cell's combinations with its runs.
    void setSpeaksCombinations(bool on) { speaksCombinations_ = on; }
    bool speaksCombinations() const { return speaksCombinations_; }

    int numberTool() const { return numberTool_; }
    // 1-9 a digit, kEraser, kNoTool. Choosing a tool shows the pen or pencil pointer on the board.
    void setNumberTool(int tool);
    // Shows `pointer` over the board until the mouse next moves on it.
    void showPointer(const QCursor &pointer);
    // The board's pointer for the pen or pencil mode.
    void showPenOrPencilPointer();

    // Where a key was typed: on the board picture, or on the window around it.
    enum class KeySource { Board, Window };
    // One key of the board's key table (the codes of view/key_codes.h). Escape minimises; the
    // other keys need a selected cell, except F9 typed on the window. Home, beyond the table,
    // selects the first entry cell in reading order, so that the keyboard alone can start.
    void handleKey(int keyCode, KeySource source);

Q_SIGNALS:
    void numberToolChanged(int tool);
    // The selected cell moved to (col, row); (-1, -1) for none.
    void selectionChanged(int col, int row);
    void printRequested();
    void minimiseRequested();
    // A click on the pause cover or a digit key asks the paused game to go on.
    void resumeRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    BoardPainter painter() const;
    void placePicture();
    void followScreen();
    void followScrollBars();
    void writeDigit(int digit);
    void eraseSelectedCell();
    void moveSelection(int dCol, int dRow);
    // Scrolls the board so that cell (col, row) is in view, as little as it takes.
    void scrollToCell(int col, int row);
    // Draws entry cell (col, row) from the game, which takes the solution off it.
    void paintCell(BoardPainter &board, int col, int row);
    void showBoardPointer();
    void mousePressed(Qt::MouseButton button, QPointF at);
    void mouseReleased(Qt::MouseButton button);
    void repaintCell(int col, int row);
    void flashWrongCells(const QList<int> &cells);
    void paintWholeBoard(BoardDigits digits);
    void paintSolution();
    void onCellChanged(int col, int row);
    void setSelection(int col, int row);
    void colourCover();
    // Fills `cells` in the hint colour until the board next changes; none for an empty list.
    void highlight(const QList<int> &cells);
    void showHint(const game::Hint &hint);
    // The rectangle of `cells` on the board picture.
    QRect cellsRect(const QList<int> &cells) const;

    game::Game &game_;
    BoardPalette palette_ = BoardPalette::classic();
    int zoomLevel_ = kDefaultZoom;
    int cellSize_ = 33;
    int numberTool_ = kNoTool;
    int selCol_ = -1;
    int selRow_ = -1;
    bool showConflicts_ = false;
    bool fitToView_ = false;
    bool speaksCombinations_ = false;
    std::vector<std::uint8_t> solutionShown_; // by entry cell: the solution drawn over the cell
    bool followingChanges_ = false;
    int firstChanged_ = -1;                 // entry cell, -1 for none, while following changes
    std::vector<std::uint8_t> conflicts_;   // by entry cell, while conflicts are shown
    std::vector<std::uint8_t> highlighted_; // by entry cell, the cells of the hint shown last
    QList<int> highlightedCells_;
    QWidget *viewport_ = nullptr;
    BoardPicture *picture_ = nullptr;
    QScrollBar *vScroll_ = nullptr;
    QScrollBar *hScroll_ = nullptr;
    QWidget *pauseCover_ = nullptr;
};

} // namespace view
