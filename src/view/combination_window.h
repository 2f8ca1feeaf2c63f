// The combinations window: beside the board, never docked, it shows for the selected cell the
// combinations of its runs, greying those the written digits rule out, and the digits the cell can
// still take.
#pragma once

#include <QWidget>

class QLabel;

namespace game {
class Game;
}

namespace view {

class CombinationWindow : public QWidget {
    Q_OBJECT
public:
    // A tool window of `parent`'s; it shows without taking the keyboard focus.
    CombinationWindow(const game::Game &game, QWidget *parent);

    // Follows the selected cell; (-1, -1) for none.
    void showCell(int col, int row);
    // The same cell again, after a digit changed.
    void refresh() { showCell(col_, row_); }
    // The window's text, as rich text.
    QString text() const;

Q_SIGNALS:
    // The player closed the window with its close box.
    void closedByPlayer();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    const game::Game &game_;
    QLabel *label_ = nullptr;
    int col_ = -1;
    int row_ = -1;
};

// The window's text for entry cell (col, row) as sentences to be read aloud, the combinations the
// written digits rule out named as such; empty for any other cell.
QString spokenCombinations(const game::Game &game, int col, int row);

} // namespace view
