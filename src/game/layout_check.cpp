// The editor's checks, over the solver and the grader. The grid becomes the solver's puzzle here
// and nowhere else; a unique solution leaves as a book record.
#include "game/layout_check.h"

#include "core/puzzle.h"
#include "game/puzzle_list.h"
#include "solver/solver.h"

#include <QCoreApplication>
#include <QThread>

namespace game {
namespace {

constexpr long long kFirstRound = 2000;
constexpr int kStillCheckingMs = 150;

// The solver's puzzle of the grid's layout, with each run's sum from the block before it; 0 for a
// run without one.
kakuro::Puzzle solverPuzzle(const EditorGrid &grid)
{
    std::vector<bool> entry(grid.cells.size());
    for (std::size_t k = 0; k < grid.cells.size(); ++k)
        entry[k] = !grid.cells[k].block;
    kakuro::Puzzle p = kakuro::puzzleFromLayout(grid.width, grid.height, entry);
    for (int r = 0; r < p.runCount(); ++r) {
        const kakuro::Run &run = p.run(r);
        if (!grid.isInGrid(run.clueCol, run.clueRow))
            continue;
        const EditorCell &clue = grid.at(run.clueCol, run.clueRow);
        p.setSum(r, run.direction == kakuro::Direction::Across ? clue.across : clue.down);
    }
    return p;
}

// The game draws the clues of runs at the grid's edge outside it: a first row or column of blocks
// only, as printed puzzles have, is left out of the record.
kakuro::BookPuzzle withoutClueBorder(kakuro::BookPuzzle record)
{
    const auto cell = [&](int col, int row) { return record.cells[std::size_t(row * record.width + col)]; };
    bool rowOfBlocks = record.height > 1, colOfBlocks = record.width > 1;
    for (int col = 0; col < record.width; ++col)
        rowOfBlocks = rowOfBlocks && cell(col, 0) == 0;
    for (int row = 0; row < record.height; ++row)
        colOfBlocks = colOfBlocks && cell(0, row) == 0;
    kakuro::BookPuzzle out;
    out.width = record.width - (colOfBlocks ? 1 : 0);
    out.height = record.height - (rowOfBlocks ? 1 : 0);
    for (int row = rowOfBlocks ? 1 : 0; row < record.height; ++row)
        for (int col = colOfBlocks ? 1 : 0; col < record.width; ++col)
            out.cells.push_back(cell(col, row));
    return out;
}

QPoint cellPoint(const kakuro::Puzzle &p, int cell)
{
    return {p.colOf(cell), p.rowOf(cell)};
}

} // namespace

std::optional<LayoutStatus> quickVerdict(const EditorGrid &grid)
{
    const kakuro::Puzzle p = solverPuzzle(grid);
    LayoutStatus status;
    if (p.runs().empty())
        return status; // NoRuns
    for (const kakuro::Run &run : p.runs()) {
        if (run.length > 9) {
            status.verdict = LayoutVerdict::TooLong;
            return status;
        }
        if (run.sum == 0)
            ++status.missingSums;
    }
    if (status.missingSums > 0) {
        status.verdict = LayoutVerdict::MissingSums;
        return status;
    }
    return std::nullopt;
}

std::optional<LayoutStatus> checkLayout(const EditorGrid &grid, long long branches,
                                        const std::function<bool()> &cancelled)
{
    if (std::optional<LayoutStatus> quick = quickVerdict(grid))
        return quick;
    const kakuro::Puzzle p = solverPuzzle(grid);
    LayoutStatus status;
    kakuro::SolveResult result;
    // Each round starts afresh with four times the room; together they cost little more than
    // the last, and between them a newer edit can stop the check.
    for (long long room = std::min(kFirstRound, branches);; room = std::min(room * 4, branches)) {
        if (cancelled && cancelled())
            return std::nullopt;
        kakuro::Solver solver(p);
        solver.setBranchLimit(room);
        result = solver.solve(2);
        if (!result.gaveUp)
            break;
        if (room >= branches) {
            status.verdict = LayoutVerdict::Undecided;
            return status;
        }
    }
    if (result.solutions == 0) {
        status.verdict = LayoutVerdict::NoSolution;
    } else if (result.solutions > 1) {
        status.verdict = LayoutVerdict::Several;
        for (int cell = 0; cell < p.entryCellCount() && status.differing.size() < 2; ++cell)
            if (result.first[std::size_t(cell)] != result.second[std::size_t(cell)])
                status.differing << cellPoint(p, cell);
    } else {
        kakuro::Grader grader(p);
        const kakuro::Grade grade = grader.grade(kakuro::Technique::Contradiction, nullptr, false);
        status.verdict = grade.solvedByLogic ? LayoutVerdict::Unique : LayoutVerdict::NeedsGuess;
        status.difficulty = grade.difficulty;
        status.hardest = grade.hardest;
        status.solution = withoutClueBorder(kakuro::recordOf(p, result.first));
    }
    return status;
}

QString statusText(const LayoutStatus &status, bool stillChecking)
{
    switch (status.verdict) {
    case LayoutVerdict::Checking:
        return stillChecking ? QCoreApplication::translate("game::LayoutCheck", "Still checking…")
                             : QCoreApplication::translate("game::LayoutCheck", "Checking…");
    case LayoutVerdict::NoRuns:
        return QCoreApplication::translate("game::LayoutCheck", "No runs yet: make some cells entry cells.");
    case LayoutVerdict::MissingSums:
        return status.missingSums == 1
                   ? QCoreApplication::translate("game::LayoutCheck", "1 run still needs a sum.")
                   : QCoreApplication::translate("game::LayoutCheck", "%1 runs still need a sum.")
                         .arg(status.missingSums);
    case LayoutVerdict::TooLong:
        return QCoreApplication::translate("game::LayoutCheck", "No solution: a run is longer than 9 cells.");
    case LayoutVerdict::NoSolution:
        return QCoreApplication::translate("game::LayoutCheck", "No solution");
    case LayoutVerdict::Several:
        return QCoreApplication::translate("game::LayoutCheck", "More than one solution");
    case LayoutVerdict::Unique:
        return QCoreApplication::translate("game::LayoutCheck", "Unique: %1 (%2)",
                                           "difficulty (hardest technique)")
            .arg(PuzzleListModel::difficultyText(status.difficulty),
                 QCoreApplication::translate("kakuro", kakuro::techniqueName(status.hardest).data()));
    case LayoutVerdict::NeedsGuess:
        return QCoreApplication::translate("game::LayoutCheck", "Unique, but needs a guess");
    case LayoutVerdict::Undecided:
        return QCoreApplication::translate(
            "game::LayoutCheck", "Not decided: too many possibilities to search. Add blocks or sums.");
    }
    return {};
}

LayoutChecker::LayoutChecker(QObject *parent)
    : QObject(parent), latest_(std::make_shared<std::atomic<int>>(0))
{
    slowTimer_.setSingleShot(true);
    slowTimer_.setInterval(kStillCheckingMs);
    connect(&slowTimer_, &QTimer::timeout, this, [this] {
        stillChecking_ = true;
        Q_EMIT statusChanged();
    });
}

LayoutChecker::~LayoutChecker()
{
    ++*latest_; // a check under way stops after its round and goes away by itself
}

void LayoutChecker::check(const EditorGrid &grid)
{
    const int number = ++*latest_;
    stillChecking_ = false;
    slowTimer_.stop();
    if (std::optional<LayoutStatus> quick = quickVerdict(grid)) {
        status_ = *quick;
        Q_EMIT statusChanged();
        return;
    }
    status_ = LayoutStatus{};
    status_.verdict = LayoutVerdict::Checking;
    Q_EMIT statusChanged();
    slowTimer_.start();

    auto latest = latest_;
    auto result = std::make_shared<std::optional<LayoutStatus>>();
    QThread *thread = QThread::create([grid, number, latest, result] {
        *result = checkLayout(grid, kBranchLimit, [&] { return latest->load() != number; });
    });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    connect(thread, &QThread::finished, this, [this, number, result] {
        if (latest_->load() != number || !*result)
            return;
        slowTimer_.stop();
        stillChecking_ = false;
        status_ = std::move(**result);
        Q_EMIT statusChanged();
    });
    connect(qApp, &QCoreApplication::aboutToQuit, thread, [latest, thread] {
        ++*latest;
        thread->wait();
    });
    thread->start(QThread::LowPriority);
}

} // namespace game
