// Building a puzzle from its book record, and the runs of its layout.
#include "puzzle/puzzle.h"

namespace puzzle {
namespace {

// Walks `length` cells of one line and closes runs of two or more entry cells.
// `cellAt(k)` gives the solution digit of the k-th cell (1-based); `close(end, len)` records a run.
template <typename CellAt, typename Close> void scanLine(int length, CellAt cellAt, Close close)
{
    int run = 0;
    for (int k = 1; k <= length; ++k) {
        if (cellAt(k) != 0) {
            ++run;
        } else {
            if (run > 1)
                close(k - 1, run);
            run = 0;
        }
    }
    if (run > 1)
        close(length, run);
}

} // namespace

Puzzle::Puzzle(const BookPuzzle &record) : width_(record.width), height_(record.height)
{
    solution_.assign(std::size_t(cellCount()) + 1, 0);
    std::copy(record.cells.begin(), record.cells.end(), solution_.begin() + 1);
    for (int i = 1; i <= cellCount(); ++i)
        entryCellCount_ += solution_[std::size_t(i)] != 0;
    deriveRuns();
}

bool Puzzle::isClueCell(int col, int row) const
{
    return !isEntry(col, row) && (isEntry(col, row + 1) || isEntry(col + 1, row));
}

void Puzzle::deriveRuns()
{
    acrossOf_.assign(std::size_t(cellCount()) + 1, -1);
    downOf_.assign(acrossOf_.size(), -1);
    for (int row = 1; row <= height_; ++row) {
        scanLine(
            width_, [&](int col) { return solutionAt(col, row); },
            [&](int end, int len) {
                int sum = 0;
                for (int c = end - len + 1; c <= end; ++c) {
                    sum += solutionAt(c, row);
                    acrossOf_[std::size_t(cellIndex(c, row))] = int(across_.size());
                }
                across_.push_back({end - len, row, sum, len});
            });
    }
    for (int col = 1; col <= width_; ++col) {
        scanLine(
            height_, [&](int row) { return solutionAt(col, row); },
            [&](int end, int len) {
                int sum = 0;
                for (int r = end - len + 1; r <= end; ++r) {
                    sum += solutionAt(col, r);
                    downOf_[std::size_t(cellIndex(col, r))] = int(down_.size());
                }
                down_.push_back({col, end - len, sum, len});
            });
    }
}

} // namespace puzzle
