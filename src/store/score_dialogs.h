// The score dialog shown at completion and the statistics dialog of the current puzzle.
#pragma once

#include <QDialog>

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class frmTavMn;

// Asks for the player's name, records a ranking time and moves on to the next puzzle.
// Only OK records; the close box leaves the dialog without recording or moving on, and Escape
// does nothing, so a new best time is never thrown away by a stray key.
class frmScoreInput : public QDialog {
    Q_OBJECT
public:
    explicit frmScoreInput(frmTavMn &mainWindow);

    void OKButton_Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    frmTavMn &main_;
    QLabel *lblTime = nullptr;
    QLabel *lblTimePlayed = nullptr;
    QLabel *lblName = nullptr;
    QLineEdit *txtName = nullptr;
    QPushButton *OKButton = nullptr;
};

// The three best times of the current puzzle, with "Clear Data". Escape closes it like OK.
class diagStats : public QDialog {
    Q_OBJECT
public:
    explicit diagStats(frmTavMn &mainWindow);

    void CancelButton_Click(); // "Clear Data": empties the current puzzle's table, no question asked

private:
    void showTable();

    frmTavMn &main_;
    QGroupBox *Frame1 = nullptr;
    std::array<QLabel *, 4> lblUsrName{}; // rows 0..2 rank 1..3; 3 is the heading
    std::array<QLabel *, 4> lblSec{};
    QPushButton *OKButton = nullptr;
    QPushButton *CancelButton = nullptr;
};
