// The board model: the loaded puzzle, the player's entries and marks, and the derived runs.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace modData {

// A run of two or more entry cells and the clue cell just before it.
// An across run covers (clueCol + 1 .. clueCol + length, clueRow);
// a down run covers (clueCol, clueRow + 1 .. clueRow + length).
struct RunRecord {
    std::int16_t clueCol = 0;
    std::int16_t clueRow = 0;
    std::int16_t sum = 0;
    std::int16_t length = 0;

    bool operator==(const RunRecord &) const = default;
};

using ByteArray1 = std::vector<std::uint8_t>; // 1-based: element 0 is unused

// The puzzle data every subsystem reads. Cells are addressed as (col, row), both 1-based from the
// top left, or by the row-major cell index i = (row - 1) * gridWidth + col in 1..cellCount.
struct Board {
    // The open book, validated once at start-up and kept in memory.
    std::int32_t puzzleCount = 0;
    std::vector<std::int32_t> puzzleOffsets; // puzzle k at puzzleOffsets[k - 1]
    QByteArray bookBytes;

    // The loaded puzzle.
    std::int16_t gridWidth = 0;
    std::int16_t gridHeight = 0;
    std::int16_t cellCount = 0;
    ByteArray1 solutionGrid;    // by cell index; 0 = block cell, 1-9 = solution digit
    ByteArray1 layoutGrid;      // copy of solutionGrid, read where only the kind of cell matters
    std::int16_t entryCellCount = 0;

    // The player's work on it: at most one of penEntries[i] and pencilEntries[i] is nonzero.
    ByteArray1 penEntries;
    ByteArray1 pencilEntries;
    ByteArray1 errorMarks;

    std::vector<RunRecord> acrossRuns;
    std::vector<RunRecord> downRuns;
    std::int16_t acrossRunCount = 0;
    std::int16_t downRunCount = 0;

    // Which puzzle is in play and how digits are written; kept by the settings store.
    std::int32_t lastPlayed[2] = {0, 1}; // element 1 is the one used
    std::int16_t bookIndex = 1;
    std::int16_t pencilMode = 0; // 0 = pen, 1 = pencil

    int cellIndex(int col, int row) const { return (row - 1) * gridWidth + col; }
    int colOf(int i) const { return ((i - 1) % gridWidth) + 1; }
    int rowOf(int i) const { return ((i - 1) / gridWidth) + 1; }
    // Precondition: isInGrid(col, row).
    std::uint8_t solutionAt(int col, int row) const { return solutionGrid[std::size_t(cellIndex(col, row))]; }
    std::uint8_t layoutAt(int col, int row) const { return layoutGrid[std::size_t(cellIndex(col, row))]; }
    std::int32_t &currentPuzzle() { return lastPlayed[bookIndex]; }
};

// (Re)allocates penEntries, pencilEntries and errorMarks for cellCount cells, all 0.
void resetBoard(Board &b);

// Number of nonzero elements among indices 1..size-1.
int countNonZero(const ByteArray1 &values);

bool isInGrid(const Board &b, int col, int row);

// A position is a clue cell when it is not an entry cell and the cell to its right or the cell
// below it is an entry cell inside the grid. Positions in row 0 and column 0 qualify too.
bool isClueCell(const Board &b, int col, int row);

// Marks in `marks` every filled cell of `entries` whose digit differs from the solution, and
// returns how many. `marks` must hold cellCount + 1 elements; it is not cleared.
int compareWithSolution(const Board &b, const ByteArray1 &entries, ByteArray1 &marks);

// Builds acrossRuns and downRuns from layoutGrid, in scan order.
void deriveRuns(Board &b);

// Reads the book at `path`, validates all of it and keeps it in memory. On failure the board is
// left without a book and `error` (if given) says why.
bool loadBook(Board &b, const QString &path, QString *error = nullptr);

// Same, from bytes already in memory.
bool loadBookBytes(Board &b, const QByteArray &bytes, QString *error = nullptr);

// Loads puzzle `puzzleNumber` (1..puzzleCount) from the book in memory: grids, counts, a reset
// board and the runs. Precondition: a book is loaded and the number is in range.
void loadPuzzle(Board &b, int puzzleNumber);

} // namespace modData
