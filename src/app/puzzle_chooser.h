// The dialog that lists every puzzle of the book, with filters and a find-by-number field, and
// opens the one the player picks.
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

class PuzzleChooser : public QDialog {
    Q_OBJECT
public:
    // Lists the puzzles of the game's book with `grades` as they come; the puzzle in play is
    // selected. `grades` must outlive the dialog. Choosing the puzzle in play only closes it.
    PuzzleChooser(const game::Game &game, const game::BookGrades &grades, const store::Settings &settings,
                  QWidget *parent);
    ~PuzzleChooser() override;

    // Asked, with the dialog as parent, before a puzzle is chosen; false keeps the dialog open.
    void setConfirmation(std::function<bool(QWidget *)> confirm) { confirm_ = std::move(confirm); }
    // The puzzle chosen, or 0 while none is.
    int chosenPuzzle() const { return chosen_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void applyFilters();
    void findTypedNumber(const QString &typed);
    void showPuzzle(int number);
    void choose(const QModelIndex &row);

    int puzzleCount_;
    int puzzleInPlay_;
    game::PuzzleListModel *model_;
    game::PuzzleListFilter *filter_;
    QTableView *view_;
    QComboBox *sizeBox_;
    QComboBox *difficultyBox_;
    QLineEdit *findBox_;
    std::function<bool(QWidget *)> confirm_;
    int chosen_ = 0;
};

} // namespace app
