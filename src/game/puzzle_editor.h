// A puzzle typed in from paper: a grid of blocks and entry cells, with the across and down sums
// written into the blocks, edited one step at a time with undo, and kept as a draft in between.
// A block's sum counts only while the block starts a run in that direction.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace game {

inline constexpr int kMinEditorSide = 3;
inline constexpr int kMaxEditorSide = 30;

// Cells are addressed as (col, row), both 1-based from the top left.
struct EditorCell {
    bool block = true;
    int across = 0; // the sum of the run to the right, 0 while none is written
    int down = 0;   // the sum of the run below

    bool operator==(const EditorCell &) const = default;
};

struct EditorGrid {
    int width = 0;
    int height = 0;
    std::vector<EditorCell> cells; // row-major

    bool operator==(const EditorGrid &) const = default;

    const EditorCell &at(int col, int row) const { return cells[std::size_t((row - 1) * width + col - 1)]; }
    EditorCell &at(int col, int row) { return cells[std::size_t((row - 1) * width + col - 1)]; }
    bool isInGrid(int col, int row) const { return col >= 1 && col <= width && row >= 1 && row <= height; }
    bool isEntry(int col, int row) const { return isInGrid(col, row) && !at(col, row).block; }
    // The length of the run that starts right of (across) or below (down) the cell; 0 for none,
    // and 1 for a single cell, which is no run.
    int runLength(int col, int row, bool across) const;
};

// The smallest and largest sum of `length` distinct digits 1-9; nothing when no such run exists.
std::optional<std::pair<int, int>> sumRange(int length);

class PuzzleEditor {
public:
    // A grid of `width` x `height` (each kMinEditorSide..kMaxEditorSide): the first row and
    // column blocks, as in a printed puzzle, the rest entry cells.
    PuzzleEditor(int width, int height);

    const EditorGrid &grid() const { return grid_; }
    bool symmetric() const { return symmetric_; }
    // With symmetry on, making a cell a block or an entry cell does the same to its partner a
    // half turn away.
    void setSymmetric(bool on) { symmetric_ = on; }

    // Makes (col, row) a block when it is an entry cell and an entry cell when it is a block.
    void toggleBlock(int col, int row);
    // Writes the across or down sum of block (col, row); 0 takes it out. Refused, with `error` a
    // sentence for the player, when the cell starts no run that way or the run's length cannot
    // make that sum.
    bool setSum(int col, int row, bool across, int sum, QString *error = nullptr);
    // A new empty grid of another size, as the constructor makes it.
    void resize(int width, int height);

    bool canUndo() const { return !undo_.empty(); }
    void undo();

    // The draft's text, and a grid read back from one (nothing when it is not a sound draft).
    QByteArray draftText() const;
    static std::optional<EditorGrid> readDraft(const QByteArray &text);
    // Puts a grid read from a draft in place of the one being edited (undoable).
    void load(const EditorGrid &grid);

private:
    void remember();
    static EditorGrid freshGrid(int width, int height);

    EditorGrid grid_;
    bool symmetric_ = true;
    std::vector<EditorGrid> undo_;
};

} // namespace game
