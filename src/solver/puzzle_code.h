// Puzzle codes: a short text of letters and digits from which the generator makes one puzzle
// again, byte for byte. A code holds the generator's version, the size, the difficulty and the
// seed, and ends in two check characters that catch any one wrong character or two swapped ones.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kakuro {

// Bump whenever the generator's output for a seed changes: codes made before then come from the
// older version and are refused with a clear message instead of opening another puzzle.
inline constexpr int kGeneratorVersion = 1;

inline constexpr int kMinCodeSide = 6;
inline constexpr int kMaxCodeSide = 30;
inline constexpr std::uint32_t kMaxCodeSeed = (1u << 24) - 1;
inline constexpr int kCodeDifficulties = 5; // Easy .. Master

struct PuzzleCode {
    int version = kGeneratorVersion;
    int width = 10;
    int height = 10;
    int difficulty = 0; // 0 Easy .. 4 Master
    std::uint32_t seed = 0;

    bool operator==(const PuzzleCode &) const = default;
};

enum class CodeProblem {
    None,
    Empty,
    BadCharacter,   // a character that is no letter or digit of the code's alphabet
    Mistyped,       // wrong length or check characters: a character was typed wrong
    UnknownVersion, // made by a generator this program does not have
    BadContent,     // a size, difficulty or seed outside what codes can hold
};

struct CodeReading {
    std::optional<PuzzleCode> code;
    CodeProblem problem = CodeProblem::None;
    int version = 0; // the version read, for UnknownVersion
};

// Whether every field lies in the range a code holds.
bool isEncodable(const PuzzleCode &code);

// The code as the player sees it: eleven characters in groups of four ("1ABC-DEFG-HJK").
// Precondition: isEncodable(code).
std::string codeText(const PuzzleCode &code);

// Reads a typed or pasted code: case, spaces and hyphens do not matter, and O, I and L read as
// 0, 1 and 1.
CodeReading readCode(const std::string &text);

// The 4 reserved bytes of a book record, as a little-endian 32-bit value, carry a generated
// puzzle's code (its size is the record's own); 0 means a puzzle without a code.
std::uint32_t reservedOfCode(const PuzzleCode &code);
std::optional<PuzzleCode> codeOfReserved(std::uint32_t reserved, int width, int height);

} // namespace kakuro

namespace kakuro {

// The reserved bytes of the record at `offset` of a book's bytes (offset + 8 bytes must lie in it).
std::uint32_t recordReserved(const std::uint8_t *book, std::int32_t offset);
void setRecordReserved(std::uint8_t *book, std::int32_t offset, std::uint32_t reserved);

} // namespace kakuro
