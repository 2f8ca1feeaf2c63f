// A main window over a book of test puzzles in a temporary program folder, with every message
// box, dialog and pause answered or recorded instead of shown.
#pragma once

#include "game/frm_tav_mn.h"
#include "platform/modal.h"
#include "store/settings_store.h"

#include <QList>
#include <QMessageBox>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace gamefixture {

// Puzzle k of numberedBook(n) is a 3x3 grid whose top-left entry digits spell k, so a test can
// tell which puzzle is open with openPuzzle().
QList<QStringList> numberedBook(int count);
int openPuzzle(const modData::Board &board);

class GameWindow {
public:
    // Writes the book into a fresh program folder, loads it as start-up does, stores
    // `lastPlayed` as the settings would, then builds and loads the window (hidden).
    explicit GameWindow(const QList<QStringList> &book, int lastPlayed = 1);
    ~GameWindow();

    frmTavMn &window() { return *window_; }
    modData::Board board;
    modReg::Settings settings;
    QString folder() const { return dir_.path(); }

    // Answers for the next Yes/No boxes, in order; without one a Yes/No box gets No.
    QList<QMessageBox::StandardButton> answers;
    QList<modal::MessageRequest> messages; // every box asked, in order
    QList<int> pauses;                     // every pause, in milliseconds
    QStringList dialogs;                   // objectName of every modal dialog run
    std::function<void()> onPause;         // runs inside each pause
    std::function<void(QDialog &)> onDialog;

    // "caption|text" of every box, for compact comparisons.
    QStringList messageLog() const;
    void fill(const QString &pen, const QString &pencil); // one character per cell, '0' empty

private:
    QTemporaryDir dir_;
    std::unique_ptr<frmTavMn> window_;
};

} // namespace gamefixture
