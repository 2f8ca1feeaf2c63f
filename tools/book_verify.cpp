// `verify`: the game's validator on every record, then the rules and the count of solutions.
#include "book_commands.h"

#include "book_file_io.h"
#include "progress_line.h"
#include "puzzle/book_format.h"
#include "solver/puzzle_check.h"

#include <algorithm>
#include <iterator>
#include <ostream>

namespace booktool {
namespace {

std::int32_t readI32(const std::vector<std::uint8_t> &b, std::size_t at)
{
    return std::int32_t(std::uint32_t(b[at]) | (std::uint32_t(b[at + 1]) << 8) |
                        (std::uint32_t(b[at + 2]) << 16) | (std::uint32_t(b[at + 3]) << 24));
}

// Runs the game's validator on record `k` alone, as a one-puzzle book of the bytes from its
// offset on, so that every faulty record is named and not only the first.
modData::BookCheck checkOneRecord(const std::vector<std::uint8_t> &bytes, int k)
{
    const std::int32_t offset = readI32(bytes, 8 + 4 * std::size_t(k - 1));
    if (offset < 0 || std::size_t(offset) > bytes.size()) {
        modData::BookCheck c;
        c.error = "offset " + std::to_string(offset) + " lies outside the file";
        return c;
    }
    const std::size_t most = modData::kRecordHeaderSize + std::size_t(modData::kMaxCellCount);
    const std::size_t take = std::min(most, bytes.size() - std::size_t(offset));
    static constexpr std::uint8_t kHeader[12] = {'Q', 'Z', 'T', 'W', 1, 0, 0, 0, 12, 0, 0, 0};
    std::vector<std::uint8_t> single(sizeof kHeader + take);
    std::copy(std::begin(kHeader), std::end(kHeader), single.begin());
    std::copy_n(bytes.begin() + offset, take, single.begin() + std::ptrdiff_t(sizeof kHeader));
    modData::BookCheck c = modData::validateBook(single);
    const std::string prefix = "puzzle 1: ";
    if (c.error.compare(0, prefix.size(), prefix) == 0)
        c.error.erase(0, prefix.size());
    return c;
}

} // namespace

int verifyCommand(const std::string &path, bool logic, std::ostream &out, std::ostream &err)
{
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (!readFile(path, bytes, error)) {
        err << "korvel-book: " << error << '\n';
        return 1;
    }
    const modData::BookCheck book = modData::validateBook(bytes);
    if (!book.ok && book.failingPuzzle == 0) {
        out << path << ": " << book.error << '\n';
        return 1;
    }
    // The header and offset table are sound from here on; records are checked one by one.
    const int count = readI32(bytes, 4);
    int failing = 0;
    ProgressLine progress("verifying");
    for (int k = 1; k <= count; ++k) {
        progress.update(k, count);
        std::vector<std::string> problems;
        modData::BookPuzzle record;
        if (book.ok) {
            record = modData::readRecord(bytes, book.offsets, k);
        } else {
            const modData::BookCheck one = checkOneRecord(bytes, k);
            if (!one.ok)
                problems.push_back(one.error);
            else
                record = modData::readRecord(bytes, {readI32(bytes, 8 + 4 * std::size_t(k - 1))}, 1);
        }
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
