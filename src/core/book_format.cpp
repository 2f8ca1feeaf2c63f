// The puzzle book's binary layout: validation, record reading and writing.
#include "core/book_format.h"

#include <cstring>

namespace kakuro {
namespace {

std::int32_t readI32(std::span<const std::uint8_t> b, std::size_t at)
{
    const std::uint32_t v = std::uint32_t(b[at]) | (std::uint32_t(b[at + 1]) << 8) |
                            (std::uint32_t(b[at + 2]) << 16) | (std::uint32_t(b[at + 3]) << 24);
    return static_cast<std::int32_t>(v);
}

std::int16_t readI16(std::span<const std::uint8_t> b, std::size_t at)
{
    return static_cast<std::int16_t>(std::uint16_t(b[at]) | (std::uint16_t(b[at + 1]) << 8));
}

void putI32(std::vector<std::uint8_t> &out, std::int32_t value)
{
    const auto v = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void putI16(std::vector<std::uint8_t> &out, int value)
{
    const auto v = static_cast<std::uint16_t>(value);
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

BookCheck failure(std::string why, int puzzle = 0)
{
    BookCheck c;
    c.error = std::move(why);
    c.failingPuzzle = puzzle;
    return c;
}

} // namespace

BookCheck validateHeader(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < 8)
        return failure("file too short for a header");
    if (std::memcmp(bytes.data(), kBookMagic, 4) != 0)
        return failure("wrong magic (expected QZTW)");
    const std::int32_t count = readI32(bytes, 4);
    if (count < 1)
        return failure("puzzle count " + std::to_string(count) + " is below 1");
    if (count > kMaxPuzzleCount)
        return failure("puzzle count " + std::to_string(count) + " is above " +
                       std::to_string(kMaxPuzzleCount));
    const std::size_t tableEnd = 8 + 4 * std::size_t(count);
    if (bytes.size() < tableEnd)
        return failure("offset table of " + std::to_string(count) + " entries runs past the end of the file");

    BookCheck check;
    check.offsets.reserve(std::size_t(count));
    for (std::int32_t k = 1; k <= count; ++k)
        check.offsets.push_back(readI32(bytes, 8 + 4 * std::size_t(k - 1)));
    check.ok = true;
    return check;
}

std::string recordProblem(std::span<const std::uint8_t> bytes, std::int32_t offset)
{
    if (offset < 0 || std::size_t(offset) + kRecordHeaderSize > bytes.size())
        return "offset " + std::to_string(offset) + " lies outside the file";
    const int width = readI16(bytes, std::size_t(offset));
    const int height = readI16(bytes, std::size_t(offset) + 2);
    if (width < 1 || width > kMaxGridSide || height < 1 || height > kMaxGridSide)
        return "size " + std::to_string(width) + "x" + std::to_string(height) + " is outside 1..100";
    const std::size_t cellsAt = std::size_t(offset) + kRecordHeaderSize;
    const std::size_t cells = std::size_t(width) * std::size_t(height);
    if (bytes.size() - cellsAt < cells)
        return "record runs past the end of the file";
    for (std::size_t i = 0; i < cells; ++i) {
        if (bytes[cellsAt + i] > 9)
            return "cell " + std::to_string(i + 1) + " holds " + std::to_string(bytes[cellsAt + i]) +
                   ", not a digit 0-9";
    }
    return {};
}

BookCheck validateBook(std::span<const std::uint8_t> bytes)
{
    BookCheck check = validateHeader(bytes);
    if (!check.ok)
        return check;
    for (std::size_t k = 1; k <= check.offsets.size(); ++k) {
        const std::string problem = recordProblem(bytes, check.offsets[k - 1]);
        if (!problem.empty())
            return failure("puzzle " + std::to_string(k) + ": " + problem, int(k));
    }
    return check;
}

BookPuzzle readRecord(std::span<const std::uint8_t> bytes, const std::vector<std::int32_t> &offsets,
                      int number)
{
    const auto at = std::size_t(offsets.at(std::size_t(number - 1)));
    BookPuzzle p;
    p.width = readI16(bytes, at);
    p.height = readI16(bytes, at + 2);
    const auto first = bytes.begin() + std::ptrdiff_t(at + kRecordHeaderSize);
    p.cells.assign(first, first + std::ptrdiff_t(p.width) * p.height);
    return p;
}

std::vector<std::uint8_t> encodeBook(const std::vector<BookPuzzle> &puzzles)
{
    std::vector<std::uint8_t> out(kBookMagic, kBookMagic + 4);
    putI32(out, static_cast<std::int32_t>(puzzles.size()));
    std::size_t next = 8 + 4 * puzzles.size();
    for (const BookPuzzle &p : puzzles) {
        putI32(out, static_cast<std::int32_t>(next));
        next += kRecordHeaderSize + p.cells.size();
    }
    for (const BookPuzzle &p : puzzles) {
        putI16(out, p.width);
        putI16(out, p.height);
        putI32(out, 0);
        out.insert(out.end(), p.cells.begin(), p.cells.end());
    }
    return out;
}

} // namespace kakuro
