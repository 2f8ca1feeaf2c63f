// The score dialog shown at completion and the statistics dialog of the current puzzle.
#pragma once

#include <QDialog>

class frmTavMn;

// Asks for the player's name, records a ranking time and moves on to the next puzzle.
class frmScoreInput : public QDialog {
    Q_OBJECT
public:
    explicit frmScoreInput(frmTavMn &mainWindow);

private:
    frmTavMn &main_;
};

// The three best times of the current puzzle, with "Clear Data".
class diagStats : public QDialog {
    Q_OBJECT
public:
    explicit diagStats(frmTavMn &mainWindow);

private:
    frmTavMn &main_;
};
