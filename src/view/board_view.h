// The board on screen: the board picture with its zoom and scroll bars, the selected cell, the
// number tool and the pointer over the board. Keys and clicks become calls on the game; the cells
// the game's signals name are repainted.
#pragma once

#include "view/board_painter.h"
#include "view/board_palette.h"

#include <QWidget>

class QCursor;
class QScrollBar;

namespace game {
class Game;
struct Hint;
}

namespace view {

class BoardPicture;

class BoardView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kEraser = 10; // number tools 1-9 are digits
    static constexpr int kNoTool = 11;
    static constexpr int kMinZoom = 1;
    static constexpr int kMaxZoom = 10;

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
    // Places the picture for the puzzle in play at the current zoom and paints all of it.
    void repaintBoard();

    // The selected cell, (-1, -1) for none.
    int selectedCol() const { return selCol_; }
    int selectedRow() const { return selRow_; }
    // Moves the selection frame to (col, row).
    void selectCell(int col, int row);
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
    void selectFirstEntryCell();
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
    int zoomLevel_ = 3;
    int cellSize_ = 33;
    int numberTool_ = kNoTool;
    int selCol_ = -1;
    int selRow_ = -1;
    bool showConflicts_ = false;
    std::vector<std::uint8_t> conflicts_; // by cell index, while conflicts are shown
    std::vector<std::uint8_t> highlighted_; // by cell index, the cells of the hint shown last
    QList<int> highlightedCells_;
    QWidget *viewport_ = nullptr;
    BoardPicture *picture_ = nullptr;
    QScrollBar *vScroll_ = nullptr;
    QScrollBar *hScroll_ = nullptr;
    QWidget *pauseCover_ = nullptr;
};

} // namespace view
