// `verify`: the game's validator on every record, then the rules and the count of solutions.
#include "book_commands.h"

#include "book_file_io.h"
#include "progress_line.h"
#include "puzzle/book_format.h"
#include "solver/puzzle_check.h"

#include <ostream>

namespace booktool {

int verifyCommand(const std::string &path, bool logic, std::ostream &out, std::ostream &err)
{
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (!readFile(path, bytes, error)) {
        err << "korvel-book: " << error << '\n';
        return 1;
    }
    // The header and offset table first; then each record on its own, so that every faulty
    // record is named and not only the first.
    const puzzle::BookCheck header = puzzle::validateHeader(bytes);
    if (!header.ok) {
        out << path << ": " << header.error << '\n';
        return 1;
    }
    const int count = int(header.offsets.size());
    int failing = 0;
    ProgressLine progress("verifying");
    for (int k = 1; k <= count; ++k) {
        progress.update(k, count);
        std::vector<std::string> problems;
        puzzle::BookPuzzle record;
        if (const std::string problem = puzzle::recordProblem(bytes, header.offsets[std::size_t(k - 1)]);
            !problem.empty())
            problems.push_back(problem);
        else
            record = puzzle::readRecord(bytes, header.offsets, k);
        if (problems.empty())
            problems = kakuro::checkPuzzle(record, logic).problems;
        if (problems.empty())
            continue;
        ++failing;
        for (const std::string &p : problems)
            out << "puzzle " << k << ": " << p << '\n';
    }
    if (failing > 0) {
        out << path << ": " << failing << " of " << count << " puzzles fail\n";
        return 1;
    }
    out << path << ": " << count << (count == 1 ? " puzzle" : " puzzles")
        << ", each with exactly one solution" << (logic ? " that logic alone finds" : "") << '\n';
    return 0;
}

} // namespace booktool
