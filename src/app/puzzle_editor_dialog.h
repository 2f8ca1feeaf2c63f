// Game > Enter Puzzle...: a puzzle typed in from paper. The solver's verdict shows under the grid
// while the player edits; only a puzzle with exactly one solution can be saved and played.
#pragma once

#include "game/layout_check.h"
#include "game/puzzle_editor.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace app {

class EditorBoard;

class PuzzleEditorDialog : public QDialog {
    Q_OBJECT
public:
    // The draft is kept in, and offered back from, `draftPath`.
    PuzzleEditorDialog(const QString &draftPath, QWidget *parent);

    game::PuzzleEditor &editor() { return editor_; }
    const game::LayoutChecker &checker() const { return checker_; }
    // The puzzle to save and play, once the player chose to.
    const std::optional<kakuro::BookPuzzle> &savedPuzzle() const { return saved_; }

    // The commands of the dialog's buttons.
    void toggleCell(int col, int row);
    void applySum(bool across);
    void undo();
    void newGrid();
    bool keepDraft();
    void saveAndPlay();
    // Offers the kept draft back; run once, when the dialog opens.
    void offerDraft();
    // Closing with changes not kept asks whether to keep them as a draft.
    void reject() override;

private:
    void edited();
    void showStatus();
    void showSelection();

    game::PuzzleEditor editor_;
    game::LayoutChecker checker_;
    QString draftPath_;
    bool fromDraft_ = false;
    bool changedSinceKept_ = false; // edits the draft does not hold
    std::optional<kakuro::BookPuzzle> saved_;
    EditorBoard *board_;
    QSpinBox *widthBox_;
    QSpinBox *heightBox_;
    QCheckBox *symmetryBox_;
    QLineEdit *acrossBox_;
    QLineEdit *downBox_;
    QLabel *sumProblem_;
    QLabel *status_;
    QPushButton *undoButton_;
    QPushButton *saveButton_;
};

} // namespace app
