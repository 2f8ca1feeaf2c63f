// The dialog that lists every puzzle of the book, or of the player's own puzzles, with filters and
// a find-by-number field, and opens the one the player picks.
#pragma once

#include <QDialog>

#include <functional>

class QComboBox;
class QLineEdit;
class QModelIndex;
class QTableView;

namespace game {
class BookGrades;
class Game;
class PuzzleListFilter;
class PuzzleListModel;
} // namespace game
namespace store {
struct Settings;
}

namespace app {

class PuzzleCodeLine;

class PuzzleChooser : public QDialog {
    Q_OBJECT
public:
    // Lists the puzzles of the game's book with `grades` as they come, and with `ownGrades` (when
    // given) those of the player's own; the puzzle in play is selected. The grades must outlive
    // the dialog. Choosing the puzzle in play only closes it.
    PuzzleChooser(const game::Game &game, const game::BookGrades &grades, const game::BookGrades *ownGrades,
                  const store::Settings &settings, QWidget *parent);
    ~PuzzleChooser() override;

    // Asked, with the dialog as parent, before a puzzle is chosen; false keeps the dialog open.
    void setConfirmation(std::function<bool(QWidget *)> confirm) { confirm_ = std::move(confirm); }
    // The puzzle chosen, or 0 while none is; one of the player's own when chosenOwn().
    int chosenPuzzle() const { return chosen_; }
    bool chosenOwn() const { return chosenOwn_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void showSource(int source); // 0 the book, 1 the player's own
    void showCode();
    void applyFilters();
    void findTypedNumber(const QString &typed);
    void showPuzzle(int number);
    void choose(const QModelIndex &row);

    const game::Game &game_;
    int puzzleCount_;
    int puzzleInPlay_;
    bool own_ = false; // the player's own puzzles are listed
    game::PuzzleListModel *model_;
    game::PuzzleListModel *bookModel_;
    game::PuzzleListModel *ownModel_ = nullptr;
    QComboBox *sourceBox_;
    PuzzleCodeLine *codeLine_;
    game::PuzzleListFilter *filter_;
    QTableView *view_;
    QComboBox *sizeBox_;
    QComboBox *difficultyBox_;
    QLineEdit *findBox_;
    std::function<bool(QWidget *)> confirm_;
    int chosen_ = 0;
    bool chosenOwn_ = false;
};

} // namespace app
