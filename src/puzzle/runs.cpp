// Derivation of the across and down runs and their clue sums from the solution layout.
#include "puzzle/board_model.h"

namespace modData {
namespace {

// Walks `length` cells of one line and closes runs of two or more entry cells.
// `cellAt(k)` gives the layout value of the k-th cell (1-based); `close(end, len)` records a run.
template <typename CellAt, typename Close>
void scanLine(int length, CellAt cellAt, Close close)
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

void deriveRuns(Board &b)
{
    b.acrossRuns.clear();
    b.downRuns.clear();
    for (int row = 1; row <= b.gridHeight; ++row) {
        scanLine(
            b.gridWidth, [&](int col) { return b.layoutAt(col, row); },
            [&](int end, int len) {
                int sum = 0;
                for (int c = end - len + 1; c <= end; ++c)
                    sum += b.layoutAt(c, row);
                b.acrossRuns.push_back({std::int16_t(end - len), std::int16_t(row), std::int16_t(sum),
                                        std::int16_t(len)});
            });
    }
    for (int col = 1; col <= b.gridWidth; ++col) {
        scanLine(
            b.gridHeight, [&](int row) { return b.layoutAt(col, row); },
            [&](int end, int len) {
                int sum = 0;
                for (int r = end - len + 1; r <= end; ++r)
                    sum += b.layoutAt(col, r);
                b.downRuns.push_back({std::int16_t(col), std::int16_t(end - len), std::int16_t(sum),
                                      std::int16_t(len)});
            });
    }
    b.acrossRunCount = std::int16_t(b.acrossRuns.size());
    b.downRunCount = std::int16_t(b.downRuns.size());
}

} // namespace modData
