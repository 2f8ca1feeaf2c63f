// `stats` and `show`: what a valid book holds, and one puzzle drawn as text.
#include "book_commands.h"

#include "book_file_io.h"
#include "core/book_format.h"
#include "core/puzzle.h"
#include "progress_line.h"
#include "record_checks.h"
#include "solver/grader.h"
#include "solver/solver.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <iomanip>
#include <map>
#include <ostream>
#include <sstream>

namespace booktool {
namespace {

// Reads and validates a book; on failure reports it and returns false.
bool loadValidBook(const std::string &path, std::vector<std::uint8_t> &bytes, kakuro::BookCheck &check,
                   std::ostream &err)
{
    std::string error;
    if (!readFile(path, bytes, error)) {
        err << "korvel-book: " << error << '\n';
        return false;
    }
    check = kakuro::validateBook(bytes);
    if (!check.ok) {
        err << "korvel-book: " << shownPath(path) << ": " << check.error << '\n';
        return false;
    }
    return true;
}

std::string cellText(const kakuro::Puzzle &p, const std::vector<int> &downSum,
                     const std::vector<int> &acrossSum, int pos, int digit)
{
    if (p.cellAt(pos) >= 0)
        return digit ? "  " + std::to_string(digit) + "  " : "  .  ";
    const int down = downSum[std::size_t(pos)], across = acrossSum[std::size_t(pos)];
    if (down == 0 && across == 0)
        return "#####";
    std::ostringstream s;
    s << std::setw(2) << (down ? std::to_string(down) : "") << '\\' << std::left << std::setw(2)
      << (across ? std::to_string(across) : "");
    return s.str();
}

// What stats keeps of one distinct record.
struct RecordFacts {
    int cells = 0;
    kakuro::Grade grade;
};

} // namespace

int statsCommand(const std::string &path, std::ostream &out, std::ostream &err, std::chrono::seconds budget)
{
    std::vector<std::uint8_t> bytes;
    kakuro::BookCheck check;
    if (!loadValidBook(path, bytes, check, err))
        return 1;
    const int count = int(check.offsets.size());
    std::map<std::pair<int, int>, int> sizes;
    int histogram[kakuro::kDifficultyCount] = {};
    int noSolution = 0, several = 0, undecided = 0;
    long long cells = 0;
    int fewest = 1 << 30, most = 0;
    // Per size band (the longer side in fives: 1-5, 6-10, ...), puzzles per hardest rung; the
    // last column counts the puzzles logic leaves unfinished.
    std::map<int, std::array<int, kakuro::kLadderSize + 1>> hardestBySize;
    RecordChecks<RecordFacts> checks(budget);
    ProgressLine progress("grading");
    for (int k = 1; k <= count; ++k) {
        progress.update(k, count);
        if (checks.outOfTime()) {
            err << "korvel-book: " << shownPath(path) << ": stopped at puzzle " << k << " of " << count
                << " after " << budget.count() << " s; no figures for a part of the book\n";
            return 1;
        }
        const kakuro::BookPuzzle record = kakuro::readRecord(bytes, check.offsets, k);
        const RecordFacts &facts = checks.of(record, [](const kakuro::BookPuzzle &r) {
            const kakuro::Puzzle p = kakuro::puzzleFromRecord(r);
            kakuro::Grader grader(p);
            return RecordFacts{p.entryCellCount(), grader.grade()};
        });
        const kakuro::Grade &g = facts.grade;
        ++sizes[{record.width, record.height}];
        cells += facts.cells;
        fewest = std::min(fewest, facts.cells);
        most = std::max(most, facts.cells);
        auto &row = hardestBySize[(std::max(record.width, record.height) - 1) / 5];
        ++row[g.solvedByLogic ? std::size_t(g.hardest) : std::size_t(kakuro::kLadderSize)];
        if (g.solutions == 0)
            ++noSolution;
        else if (g.solutions > 1)
            ++several;
        else if (g.solutions < 0)
            ++undecided;
        else
            ++histogram[int(g.difficulty)];
    }
    out << shownPath(path) << ": " << count << (count == 1 ? " puzzle\n" : " puzzles\n");
    out << "sizes:";
    for (const auto &[size, n] : sizes)
        out << ' ' << size.first << 'x' << size.second << " (" << n << ')';
    out << "\nentry cells: fewest " << fewest << ", most " << most << ", mean " << std::fixed
        << std::setprecision(1) << double(cells) / count << '\n';
    out << "difficulty:";
    for (int d = 0; d < kakuro::kDifficultyCount; ++d)
        out << ' ' << kakuro::difficultyName(kakuro::Difficulty(d)) << ' ' << histogram[d];
    out << "\nhardest step, by the longer side:\n";
    for (const auto &[band, row] : hardestBySize) {
        out << "  " << band * 5 + 1 << '-' << band * 5 + 5 << ':';
        bool first = true;
        for (int t = 0; t <= kakuro::kLadderSize; ++t) {
            if (row[std::size_t(t)] == 0)
                continue;
            out << (first ? " " : ", ")
                << (t < kakuro::kLadderSize ? kakuro::techniqueName(kakuro::Technique(t)) : "unfinished")
                << ' ' << row[std::size_t(t)];
            first = false;
        }
        out << '\n';
    }
    out << "without a solution: " << noSolution << ", with more than one: " << several;
    if (undecided > 0)
        out << ", undecided after " << kakuro::kSearchLimit << " guesses: " << undecided;
    out << '\n';
    return 0;
}

int showCommand(const std::string &path, const std::string &number, std::ostream &out, std::ostream &err)
{
    std::vector<std::uint8_t> bytes;
    kakuro::BookCheck check;
    if (!loadValidBook(path, bytes, check, err))
        return 1;
    int n = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), n);
    const int count = int(check.offsets.size());
    if (ec != std::errc() || end != number.data() + number.size() || n < 1 || n > count) {
        err << "korvel-book: no puzzle \"" << shownPath(number) << "\"; the book has puzzles 1 to " << count
            << '\n';
        return 2;
    }
    const kakuro::BookPuzzle record = kakuro::readRecord(bytes, check.offsets, n);
    const kakuro::Puzzle p = kakuro::puzzleFromRecord(record);
    kakuro::Grader grader(p);
    const kakuro::Grade g = grader.grade();
    out << "puzzle " << n << " of " << count << ": " << record.width << 'x' << record.height << ", "
        << p.entryCellCount() << " entry cells, ";
    if (g.solutions != 1)
        out << (g.solutions == 0  ? "no solution"
                : g.solutions > 1 ? "more than one solution"
                                  : "undecided")
            << '\n';
    else
        out << kakuro::difficultyName(g.difficulty) << " (hardest step: " << kakuro::techniqueName(g.hardest)
            << ")\n";

    // Clue sums by the position of their clue cell; runs at the grid's edge have theirs outside.
    const std::size_t area = record.cells.size();
    std::vector<int> downSum(area, 0), acrossSum(area, 0);
    std::vector<std::string> outside;
    for (const kakuro::Run &run : p.runs()) {
        const bool across = run.direction == kakuro::Direction::Across;
        if (run.clueCol == 0 || run.clueRow == 0) {
            outside.push_back((across ? "across run from (1, " + std::to_string(run.clueRow)
                                      : "down run from (" + std::to_string(run.clueCol) + ", 1") +
                              "): sum " + std::to_string(run.sum));
            continue;
        }
        const std::size_t clue = std::size_t((run.clueRow - 1) * record.width + run.clueCol - 1);
        (across ? acrossSum : downSum)[clue] = run.sum;
    }
    for (int pass = 0; pass < 2; ++pass) {
        out << (pass == 0 ? "\n" : "\nsolution:\n");
        for (int row = 0; row < record.height; ++row) {
            for (int col = 0; col < record.width; ++col) {
                const int pos = row * record.width + col;
                out << (col ? " " : "")
                    << cellText(p, downSum, acrossSum, pos, pass ? record.cells[std::size_t(pos)] : 0);
            }
            out << '\n';
        }
    }
    for (const std::string &line : outside)
        out << "clue outside the grid: " << line << '\n';
    return 0;
}

} // namespace booktool
