// The puzzle book's binary layout: one validator for the game and the book tool, and the writer.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kakuro {

// Limits that keep a hostile book from costing unbounded memory or time.
inline constexpr std::int32_t kMaxPuzzleCount = 32767; // puzzle numbers travel as 16-bit values
inline constexpr int kMaxGridSide = 100;               // no Kakuro is that large
inline constexpr int kRecordHeaderSize = 8;            // width, height, 4 reserved bytes
inline constexpr char kBookMagic[4] = {'Q', 'Z', 'T', 'W'};
// No valid book is larger: the header, a full offset table and every record at the largest size.
// Larger files are refused before they are read.
inline constexpr std::int64_t kMaxBookBytes =
    8 + 4 * std::int64_t(kMaxPuzzleCount) +
    std::int64_t(kMaxPuzzleCount) * (kRecordHeaderSize + kMaxGridSide * kMaxGridSide);

// One puzzle as the book stores it: the solution grid, row by row, 0 for a block cell.
struct BookPuzzle {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> cells; // width * height bytes, row-major

    bool operator==(const BookPuzzle &) const = default;
};

// The outcome of checking a whole book. On success `offsets` holds one 0-based file offset per
// puzzle (puzzle k at offsets[k - 1]); on failure `error` says what is wrong, in English.
struct BookCheck {
    bool ok = false;
    std::string error;
    int failingPuzzle = 0; // 1-based number of the record at fault, 0 for the header
    std::vector<std::int32_t> offsets;
};

// Checks the header and the offset table only; on success `offsets` holds every table entry as
// it stands, each still to be checked with recordProblem.
BookCheck validateHeader(std::span<const std::uint8_t> bytes);

// What is wrong with the record at `offset` (its place, size and cells), or "" when it is sound.
std::string recordProblem(std::span<const std::uint8_t> bytes, std::int32_t offset);

// Checks the header, the offset table and every record of a book held in memory.
BookCheck validateBook(std::span<const std::uint8_t> bytes);

// Reads puzzle `number` (1-based) from a book that validateBook accepted.
BookPuzzle readRecord(std::span<const std::uint8_t> bytes, const std::vector<std::int32_t> &offsets,
                      int number);

// Lays out a book: magic, count, offset table, then the records in order.
std::vector<std::uint8_t> encodeBook(const std::vector<BookPuzzle> &puzzles);

} // namespace kakuro
