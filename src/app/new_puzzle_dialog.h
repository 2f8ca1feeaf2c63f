// Game > New Puzzle...: the size and difficulty of a puzzle to make.
#pragma once

#include <QDialog>

class QComboBox;
class QSpinBox;

namespace app {

class NewPuzzleDialog : public QDialog {
    Q_OBJECT
public:
    explicit NewPuzzleDialog(QWidget *parent);

    int puzzleWidth() const;
    int puzzleHeight() const;
    int difficulty() const; // 0 Easy .. 4 Master

    // "12x10 Hard", as the player reads it.
    static QString description(int width, int height, int difficulty);

private:
    QSpinBox *widthBox_;
    QSpinBox *heightBox_;
    QComboBox *difficultyBox_;
};

} // namespace app
