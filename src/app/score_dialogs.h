// The score dialog shown when a puzzle is completed, and the statistics dialog of a puzzle.
#pragma once

#include <QDialog>

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace game {
class Game;
}
namespace store {
class PlayerSettings;
}

namespace app {

// Asks for the player's name, records a ranking time and moves on to the next puzzle.
// Only OK records; the close box leaves the dialog without recording or moving on, and Escape
// does nothing, so a new best time is never thrown away by a stray key.
class ScoreDialog : public QDialog {
    Q_OBJECT
public:
    ScoreDialog(game::Game &game, store::PlayerSettings &settings, QWidget *parent);

    void acceptScore(); // OK

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    game::Game &game_;
    store::PlayerSettings &settings_;
    QLineEdit *nameBox = nullptr;
};

// A puzzle's code, with a button that copies it to the clipboard.
class PuzzleCodeLine : public QWidget {
    Q_OBJECT
public:
    explicit PuzzleCodeLine(QWidget *parent);
    // An empty code hides the line.
    void setCode(const QString &code);

private:
    QLabel *label_;
    QString code_;
};

// The three best times of one puzzle, with "Clear Data". Escape closes it like OK.
class StatisticsDialog : public QDialog {
    Q_OBJECT
public:
    // With `own`, the puzzle is the player's own `puzzleNumber`; `code`, when given, is shown
    // under the table.
    StatisticsDialog(store::PlayerSettings &settings, int puzzleNumber, QWidget *parent, bool own = false,
                     const QString &code = {});
    // The code of the game's puzzle in play, or "" when it has none.
    static QString codeInPlay(const game::Game &game);

    void clearData(); // empties the puzzle's table, no question asked

private:
    void showTable();

    store::PlayerSettings &settings_;
    int puzzleNumber_;
    bool own_;
    std::array<QLabel *, 4> nameLabels{}; // 0..2 rank 1..3; 3 the heading
    std::array<QLabel *, 4> timeLabels{};
    QPushButton *okButton_ = nullptr;
};

} // namespace app
