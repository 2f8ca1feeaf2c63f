// Checking one puzzle: rules of the stored solution, then the number of solutions of its clues.
#include "solver/puzzle_check.h"

#include "solver/solver.h"

namespace kakuro {
namespace {

std::string describeRun(const Puzzle &p, const Run &run)
{
    const int first = p.cells(run).front(), last = p.cells(run).back();
    const int row = p.rowOf(first), col = p.colOf(first);
    if (run.direction == Direction::Across)
        return "across run in row " + std::to_string(row) + ", columns " + std::to_string(col) + "-" +
               std::to_string(p.colOf(last));
    return "down run in column " + std::to_string(col) + ", rows " + std::to_string(row) + "-" +
           std::to_string(p.rowOf(last));
}

} // namespace

PuzzleReport checkPuzzle(const kakuro::BookPuzzle &record, bool requireLogic)
{
    PuzzleReport report;
    const Puzzle p = puzzleFromRecord(record);
    if (p.entryCellCount() == 0) {
        report.problems.push_back("has no entry cells");
        return report;
    }
    bool tooLong = false;
    for (const Run &run : p.runs()) {
        if (run.length > 9) {
            report.problems.push_back(describeRun(p, run) + " has " + std::to_string(run.length) +
                                      " cells; a run holds at most 9");
            tooLong = true;
            continue;
        }
        DigitSet seen = 0;
        for (int k = 0; k < run.length; ++k) {
            const int d = p.solution(p.cells(run)[std::size_t(k)]);
            if (seen & digitBit(d)) {
                report.problems.push_back(describeRun(p, run) + " repeats the digit " + std::to_string(d));
                break;
            }
            seen |= digitBit(d);
        }
    }
    for (int cell = 0; cell < p.entryCellCount(); ++cell) {
        const auto &runs = p.runsOf(cell);
        if (runs[0] == kNoRun && runs[1] == kNoRun) {
            report.problems.push_back("entry cell (" + std::to_string(p.colOf(cell)) + ", " +
                                      std::to_string(p.rowOf(cell)) + ") lies in no run");
        }
    }
    if (!tooLong) {
        Solver solver(p);
        solver.setBranchLimit(kSearchLimit);
        const SolveResult result = solver.solve(2);
        report.solutions = result.solutions;
        if (result.gaveUp && result.solutions < 2) {
            report.solutions = -1;
            report.problems.push_back("no proof of one solution after " + std::to_string(kSearchLimit) +
                                      " guesses");
            return report;
        }
    }
    if (report.solutions == 0)
        report.problems.push_back("its clues have no solution");
    else if (report.solutions > 1)
        report.problems.push_back("its clues have more than one solution");
    if (requireLogic && report.solutions == 1) {
        Grader grader(p);
        report.grade = grader.grade();
        report.graded = true;
        if (!report.grade.solvedByLogic)
            report.problems.push_back("logic alone cannot solve it (a guess is needed)");
    }
    return report;
}

} // namespace kakuro
