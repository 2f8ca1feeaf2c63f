// Writing and reading puzzle codes, and their place in a book record's reserved bytes.
#include "solver/puzzle_code.h"

#include <array>
#include <vector>

namespace kakuro {
namespace {

// Crockford's base 32: digits and letters without I, L, O and U, so that nothing reads as another.
constexpr char kAlphabet[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr int kPayloadSymbols = 8; // 40 bits: width, height, difficulty, seed and 3 spare bits
constexpr int kCodeLength = 1 + kPayloadSymbols + 2;
// A prime below 32 * 32: any one changed symbol, or two neighbours swapped, changes the check.
constexpr int kCheckModulus = 1021;
constexpr int kCheckBase = 37;

int symbolValue(char c)
{
    if (c >= 'a' && c <= 'z')
        c = char(c - 'a' + 'A');
    if (c == 'O')
        return 0;
    if (c == 'I' || c == 'L')
        return 1;
    for (int v = 0; v < 32; ++v)
        if (kAlphabet[v] == c)
            return v;
    return -1;
}

int checkOf(const std::vector<int> &symbols, std::size_t count)
{
    int check = 0;
    for (std::size_t k = 0; k < count; ++k)
        check = (check * kCheckBase + symbols[k] + 1) % kCheckModulus;
    return check;
}

} // namespace

bool isEncodable(const PuzzleCode &code)
{
    const auto sideFits = [](int side) { return side >= kMinCodeSide && side <= kMaxCodeSide; };
    return code.version >= 1 && code.version <= 15 && sideFits(code.width) && sideFits(code.height) &&
           code.difficulty >= 0 && code.difficulty < kCodeDifficulties && code.seed <= kMaxCodeSeed;
}

std::string codeText(const PuzzleCode &code)
{
    const std::uint64_t payload = std::uint64_t(code.width - kMinCodeSide) << 35 |
                                  std::uint64_t(code.height - kMinCodeSide) << 30 |
                                  std::uint64_t(code.difficulty) << 27 | std::uint64_t(code.seed) << 3;
    std::vector<int> symbols{code.version};
    for (int k = kPayloadSymbols - 1; k >= 0; --k)
        symbols.push_back(int(payload >> (5 * k)) & 31);
    const int check = checkOf(symbols, symbols.size());
    symbols.push_back(check / 32);
    symbols.push_back(check % 32);
    std::string text;
    for (std::size_t k = 0; k < symbols.size(); ++k) {
        if (k > 0 && k % 4 == 0)
            text += '-';
        text += kAlphabet[symbols[k]];
    }
    return text;
}

CodeReading readCode(const std::string &text)
{
    CodeReading reading;
    std::vector<int> symbols;
    for (const char c : text) {
        if (c == ' ' || c == '-' || c == '\t')
            continue;
        const int v = symbolValue(c);
        if (v < 0) {
            reading.problem = CodeProblem::BadCharacter;
            return reading;
        }
        symbols.push_back(v);
    }
    if (symbols.empty()) {
        reading.problem = CodeProblem::Empty;
        return reading;
    }
    reading.version = symbols[0];
    const bool intact =
        symbols.size() == std::size_t(kCodeLength) &&
        checkOf(symbols, kCodeLength - 2) == symbols[kCodeLength - 2] * 32 + symbols[kCodeLength - 1];
    // A code of another version may have another length; a mistyped first character of one of
    // ours reads as a typing mistake only when the rest is ours.
    if (reading.version != kGeneratorVersion) {
        reading.problem = intact || symbols.size() != std::size_t(kCodeLength) ? CodeProblem::UnknownVersion
                                                                               : CodeProblem::Mistyped;
        return reading;
    }
    if (!intact) {
        reading.problem = CodeProblem::Mistyped;
        return reading;
    }
    std::uint64_t payload = 0;
    for (int k = 1; k <= kPayloadSymbols; ++k)
        payload = payload << 5 | std::uint64_t(symbols[std::size_t(k)]);
    PuzzleCode code;
    code.version = reading.version;
    code.width = int(payload >> 35 & 31) + kMinCodeSide;
    code.height = int(payload >> 30 & 31) + kMinCodeSide;
    code.difficulty = int(payload >> 27 & 7);
    code.seed = std::uint32_t(payload >> 3 & kMaxCodeSeed);
    if ((payload & 7) != 0 || !isEncodable(code)) {
        reading.problem = CodeProblem::BadContent;
        return reading;
    }
    reading.code = code;
    return reading;
}

std::uint32_t reservedOfCode(const PuzzleCode &code)
{
    return 1u << 31 | std::uint32_t(code.version) << 27 | std::uint32_t(code.difficulty) << 24 | code.seed;
}

std::optional<PuzzleCode> codeOfReserved(std::uint32_t reserved, int width, int height)
{
    if (!(reserved & 1u << 31))
        return std::nullopt;
    PuzzleCode code;
    code.version = int(reserved >> 27 & 15);
    code.difficulty = int(reserved >> 24 & 7);
    code.seed = reserved & kMaxCodeSeed;
    code.width = width;
    code.height = height;
    if (!isEncodable(code))
        return std::nullopt;
    return code;
}

} // namespace kakuro

namespace kakuro {

std::uint32_t recordReserved(const std::uint8_t *book, std::int32_t offset)
{
    const std::uint8_t *at = book + offset + 4;
    return std::uint32_t(at[0]) | std::uint32_t(at[1]) << 8 | std::uint32_t(at[2]) << 16 |
           std::uint32_t(at[3]) << 24;
}

void setRecordReserved(std::uint8_t *book, std::int32_t offset, std::uint32_t reserved)
{
    std::uint8_t *at = book + offset + 4;
    for (int k = 0; k < 4; ++k)
        at[k] = std::uint8_t(reserved >> (8 * k));
}

} // namespace kakuro
