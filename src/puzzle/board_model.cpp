// The board model's operations: reset, counting, cell tests and comparison with the solution.
#include "puzzle/board_model.h"

namespace modData {

void resetBoard(Board &b)
{
    const auto size = std::size_t(b.cellCount) + 1;
    b.penEntries.assign(size, 0);
    b.pencilEntries.assign(size, 0);
    b.errorMarks.assign(size, 0);
}

int countNonZero(const ByteArray1 &values)
{
    int n = 0;
    for (std::size_t i = 1; i < values.size(); ++i)
        n += values[i] != 0;
    return n;
}

bool isInGrid(const Board &b, int col, int row)
{
    return col >= 1 && col <= b.gridWidth && row >= 1 && row <= b.gridHeight;
}

bool isClueCell(const Board &b, int col, int row)
{
    if (isInGrid(b, col, row) && b.layoutAt(col, row) != 0)
        return false;
    if (isInGrid(b, col, row + 1) && b.layoutAt(col, row + 1) != 0)
        return true;
    return isInGrid(b, col + 1, row) && b.layoutAt(col + 1, row) != 0;
}

int compareWithSolution(const Board &b, const ByteArray1 &entries, ByteArray1 &marks)
{
    int wrong = 0;
    for (int i = 1; i <= b.cellCount; ++i) {
        const auto digit = entries[std::size_t(i)];
        if (digit != 0 && digit != b.solutionGrid[std::size_t(i)]) {
            marks[std::size_t(i)] = 1;
            ++wrong;
        }
    }
    return wrong;
}

} // namespace modData
