// `new` and `from-code`: a puzzle with its code, and a code's puzzle as a one-puzzle book.
#include "book_commands.h"

#include "book_file_io.h"
#include "core/book_format.h"
#include "generator/code_generation.h"

#include <array>
#include <charconv>
#include <ostream>
#include <random>

namespace booktool {
namespace {

constexpr std::array<const char *, kakuro::kCodeDifficulties> kDifficultyWords = {"easy", "medium", "hard",
                                                                                  "expert", "master"};
constexpr int kSeedsTried = 400; // a size and difficulty that yields nothing in these is given up

bool parseSide(const std::string &text, int &side)
{
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), side);
    return ec == std::errc() && end == text.data() + text.size();
}

// "WxH" or "W", each side from 6 to 30.
bool parseCodeSize(const std::string &text, int &width, int &height)
{
    const std::size_t x = text.find('x');
    if (x == std::string::npos)
        return parseSide(text, width) && parseSide(text, height);
    return parseSide(text.substr(0, x), width) && parseSide(text.substr(x + 1), height);
}

std::string codeProblemText(const kakuro::CodeReading &reading)
{
    switch (reading.problem) {
    case kakuro::CodeProblem::Empty:
        return "the code is empty";
    case kakuro::CodeProblem::BadCharacter:
        return "a code holds only letters and digits (and hyphens between groups)";
    case kakuro::CodeProblem::Mistyped:
        return "this code has a character typed wrong or one too many or too few";
    case kakuro::CodeProblem::UnknownVersion:
        return "this code comes from generator version " + std::to_string(reading.version) +
               "; this program has version " + std::to_string(kakuro::kGeneratorVersion);
    case kakuro::CodeProblem::BadContent:
        return "this code names no puzzle this generator can make";
    case kakuro::CodeProblem::None:
        break;
    }
    return {};
}

} // namespace

int newCommand(const std::map<std::string, std::string> &options, std::ostream &out, std::ostream &err)
{
    int width = 0, height = 0, difficulty = -1;
    std::uint32_t seed = std::random_device{}() & kakuro::kMaxCodeSeed;
    if (!options.count("--size") || !options.count("--difficulty")) {
        err << "korvel-book: new needs --size WxH and --difficulty\n";
        return 2;
    }
    if (!parseCodeSize(options.at("--size"), width, height) || width < kakuro::kMinCodeSide ||
        height < kakuro::kMinCodeSide || width > kakuro::kMaxCodeSide || height > kakuro::kMaxCodeSide) {
        err << "korvel-book: --size takes WxH with each side from " << kakuro::kMinCodeSide << " to "
            << kakuro::kMaxCodeSide << ", not \"" << options.at("--size") << "\"\n";
        return 2;
    }
    for (std::size_t d = 0; d < kDifficultyWords.size(); ++d)
        if (options.at("--difficulty") == kDifficultyWords[d])
            difficulty = int(d);
    if (difficulty < 0) {
        err << "korvel-book: --difficulty takes easy, medium, hard, expert or master\n";
        return 2;
    }
    if (const auto it = options.find("--seed"); it != options.end()) {
        const std::string &text = it->second;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), seed);
        if (ec != std::errc() || end != text.data() + text.size() || seed > kakuro::kMaxCodeSeed) {
            err << "korvel-book: --seed takes a number from 0 to " << kakuro::kMaxCodeSeed << '\n';
            return 2;
        }
    }
    const std::optional<kakuro::CodedPuzzle> made =
        kakuro::makeCodedPuzzle(width, height, difficulty, seed, kSeedsTried);
    if (!made) {
        err << "korvel-book: no " << kDifficultyWords[std::size_t(difficulty)] << " puzzle of " << width
            << 'x' << height << " came from " << kSeedsTried
            << " seeds; try a larger size or an easier difficulty\n";
        return 1;
    }
    out << width << 'x' << height << ' ' << kDifficultyWords[std::size_t(difficulty)] << ", seed "
        << made->code.seed << '\n'
        << kakuro::codeText(made->code) << '\n';
    return 0;
}

int fromCodeCommand(const std::string &code, const std::string &path, std::ostream &out, std::ostream &err)
{
    if (path.empty()) {
        err << "korvel-book: from-code needs --out FILE\n";
        return 2;
    }
    const kakuro::CodeReading reading = kakuro::readCode(code);
    if (!reading.code) {
        err << "korvel-book: " << codeProblemText(reading) << '\n';
        return 2;
    }
    const std::optional<kakuro::BookPuzzle> record = kakuro::puzzleOfCode(*reading.code);
    if (!record) {
        err << "korvel-book: this code names no puzzle this generator can make\n";
        return 1;
    }
    std::vector<std::uint8_t> bytes = kakuro::encodeBook({*record});
    kakuro::setRecordReserved(bytes.data(), 12, kakuro::reservedOfCode(*reading.code));
    std::string error;
    if (!writeFile(path, bytes, error)) {
        err << "korvel-book: " << error << '\n';
        return 1;
    }
    out << "wrote " << record->width << 'x' << record->height << " puzzle " << kakuro::codeText(*reading.code)
        << " to " << path << '\n';
    return 0;
}

} // namespace booktool
