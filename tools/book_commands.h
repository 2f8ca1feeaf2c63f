// The book tool's commands, callable from its main and from tests. Each writes its report to `out`,
// its complaints to `err`, and returns the process exit code: 0 success, 1 a faulty book or a
// failed run, 2 a mistake in the command line.
#pragma once

#include <chrono>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

namespace booktool {

// Checks every record with the game's own book validator, then that each puzzle keeps the rules
// and has exactly one solution (with `logic`, also that logic alone solves it). Lists each
// failing puzzle in one line, its first fault and how many more; a record that several puzzle
// numbers point at is checked and named once. A run longer than `budget` stops and fails, saying
// how far it got.
int verifyCommand(const std::string &path, bool logic, std::ostream &out, std::ostream &err,
                  std::chrono::seconds budget = std::chrono::seconds(600));

// Sizes, entry cells and the difficulty histogram of a valid book; each distinct record is graded
// once, and a run longer than `budget` stops and fails.
int statsCommand(const std::string &path, std::ostream &out, std::ostream &err,
                 std::chrono::seconds budget = std::chrono::seconds(600));

// Puzzle `number` (text, 1-based) of a valid book: the grid with its clue sums, then the solution.
int showCommand(const std::string &path, const std::string &number, std::ostream &out, std::ostream &err);

// `generate` with its options, each mapped to its value. A place of the book that yields no puzzle
// within `placeBudget` ends the run with a refusal naming the size and block share.
int generateCommand(const std::map<std::string, std::string> &options, std::ostream &out, std::ostream &err,
                    std::chrono::seconds placeBudget = std::chrono::seconds(60));

// `new`: a puzzle of --size WxH and --difficulty, from --seed on when given; its code is the last
// line of the report.
int newCommand(const std::map<std::string, std::string> &options, std::ostream &out, std::ostream &err);

// `from-code`: the puzzle of `code` written to `path` as a one-puzzle book.
int fromCodeCommand(const std::string &code, const std::string &path, std::ostream &out, std::ostream &err);

// The usage text of every command.
std::string usage();

// The whole command line after the program's name: a command, then its options and arguments in
// any order. `COMMAND --help` prints that command's usage; an unknown option is refused in one line.
int runCommandLine(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);

} // namespace booktool
