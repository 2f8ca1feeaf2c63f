// `verify`: the game's validator on every record, then the rules and the count of solutions.
#include "book_commands.h"

#include "book_file_io.h"
#include "core/book_format.h"
#include "progress_line.h"
#include "record_checks.h"
#include "solver/puzzle_check.h"

#include <map>
#include <ostream>
#include <unordered_map>

namespace booktool {

int verifyCommand(const std::string &path, bool logic, std::ostream &out, std::ostream &err,
                  std::chrono::seconds budget)
{
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (!readFile(path, bytes, error)) {
        err << "korvel-book: " << error << '\n';
        return 1;
    }
    // The header and offset table first; then each record on its own, so that every faulty
    // record is named and not only the first.
    const kakuro::BookCheck header = kakuro::validateHeader(bytes);
    if (!header.ok) {
        err << "korvel-book: " << shownPath(path) << ": " << header.error << '\n';
        return 1;
    }
    const int count = int(header.offsets.size());
    int failing = 0, stoppedAt = 0;
    // A record that many puzzle numbers point at is checked and named once, under its first number.
    RecordChecks<std::vector<std::string>> checks(budget);
    std::unordered_map<std::int32_t, int> firstAt; // offset -> the first puzzle whose record lies there
    std::map<int, int> alsoNamedBy;                // first puzzle of a failing record -> later numbers
    std::vector<bool> fails(std::size_t(count) + 1, false);
    ProgressLine progress("verifying");
    for (int k = 1; k <= count; ++k) {
        progress.update(k, count);
        if (checks.outOfTime()) {
            stoppedAt = k;
            break;
        }
        const std::int32_t offset = header.offsets[std::size_t(k - 1)];
        if (const auto [first, fresh] = firstAt.try_emplace(offset, k); !fresh) {
            if (fails[std::size_t(first->second)]) {
                ++failing;
                ++alsoNamedBy[first->second];
            }
            continue;
        }
        std::vector<std::string> problems;
        if (const std::string problem = kakuro::recordProblem(bytes, offset); !problem.empty())
            problems.push_back(problem);
        else
            problems =
                checks.of(kakuro::readRecord(bytes, header.offsets, k), [&](const kakuro::BookPuzzle &r) {
                    return kakuro::checkPuzzle(r, logic).problems;
                });
        if (problems.empty())
            continue;
        fails[std::size_t(k)] = true;
        ++failing;
        // One line a puzzle: a record read with a wrong size breaks nearly every run, and a list of
        // them all would bury the other puzzles' lines.
        out << "puzzle " << k << ": " << problems.front();
        if (problems.size() > 1)
            out << " (and " << problems.size() - 1
                << (problems.size() == 2 ? " more fault)" : " more faults)");
        out << '\n';
    }
    for (const auto &[first, more] : alsoNamedBy)
        out << "puzzle " << first << ": the same record stands for " << more
            << (more == 1 ? " later puzzle\n" : " later puzzles\n");
    if (stoppedAt > 0) {
        err << "korvel-book: " << shownPath(path) << ": stopped at puzzle " << stoppedAt << " of " << count
            << " after " << budget.count() << " s; the rest are not checked\n";
        return 1;
    }
    if (failing > 0) {
        out << shownPath(path) << ": " << failing << " of " << count << " puzzles fail\n";
        return 1;
    }
    out << shownPath(path) << ": " << count << (count == 1 ? " puzzle" : " puzzles")
        << ", each with exactly one solution" << (logic ? " that logic alone finds" : "") << '\n';
    return 0;
}

} // namespace booktool
