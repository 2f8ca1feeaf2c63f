// `generate`: reads the plan from the command line, builds the book and writes it.
#include "book_commands.h"

#include "book_file_io.h"
#include "core/book_format.h"
#include "generator/book_builder.h"
#include "progress_line.h"

#include <array>
#include <charconv>
#include <chrono>
#include <ostream>

namespace booktool {
namespace {

bool parseNumber(const std::string &text, long long low, long long high, long long &value)
{
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && value >= low && value <= high;
}

bool parseUnsigned(const std::string &text, std::uint64_t &value)
{
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && !text.empty();
}

// "W" or "WxH".
bool parseSize(const std::string &text, int &width, int &height)
{
    const std::size_t x = text.find('x');
    long long w = 0, h = 0;
    if (x == std::string::npos) {
        if (!parseNumber(text, 1, 1000, w))
            return false;
        h = w;
    } else if (!parseNumber(text.substr(0, x), 1, 1000, w) || !parseNumber(text.substr(x + 1), 1, 1000, h)) {
        return false;
    }
    width = int(w);
    height = int(h);
    return true;
}

// "SIZE" or "SIZE-SIZE".
bool parseSizes(const std::string &text, kakuro::BookPlan &plan)
{
    const std::size_t dash = text.find('-');
    if (dash == std::string::npos) {
        if (!parseSize(text, plan.firstWidth, plan.firstHeight))
            return false;
        plan.lastWidth = plan.firstWidth;
        plan.lastHeight = plan.firstHeight;
        return true;
    }
    return parseSize(text.substr(0, dash), plan.firstWidth, plan.firstHeight) &&
           parseSize(text.substr(dash + 1), plan.lastWidth, plan.lastHeight);
}

// "E:M:H:X:M", five weights.
bool parseMix(const std::string &text, kakuro::BookPlan &plan)
{
    std::size_t at = 0;
    const int bands = int(plan.mix.size());
    for (int band = 0; band < bands; ++band) {
        const std::size_t colon = band < bands - 1 ? text.find(':', at) : text.size();
        long long weight = 0;
        if (colon == std::string::npos || !parseNumber(text.substr(at, colon - at), 0, 1000, weight))
            return false;
        plan.mix[std::size_t(band)] = int(weight);
        at = colon + 1;
    }
    return true;
}

} // namespace

int generateCommand(const std::map<std::string, std::string> &options, std::ostream &out, std::ostream &err,
                    std::chrono::seconds placeBudget)
{
    kakuro::BookPlan plan;
    std::string output, after;
    for (const auto &[option, value] : options) {
        long long number = 0;
        bool ok = true;
        if (option == "--out")
            output = value;
        else if (option == "--count")
            ok = parseNumber(value, 1, kakuro::kMaxPuzzleCount, number) && (plan.count = int(number), true);
        else if (option == "--sizes" || option == "--size")
            ok = parseSizes(value, plan);
        else if (option == "--mix")
            ok = parseMix(value, plan);
        else if (option == "--seed")
            ok = parseUnsigned(value, plan.seed);
        else if (option == "--after")
            after = value;
        else if (option == "--blocks")
            ok = parseNumber(value, 0, 100, number) && (plan.blockPercent = int(number), true);
        if (!ok) {
            err << "korvel-book: bad value \"" << shownPath(value) << "\" for " << option << '\n';
            return 2;
        }
    }
    if (output.empty()) {
        err << "korvel-book: generate needs --out FILE\n";
        return 2;
    }
    if (const std::string problem = kakuro::planProblem(plan); !problem.empty()) {
        err << "korvel-book: " << problem << '\n';
        return 2;
    }
    // An earlier book keeps its puzzles, numbers and all; the new ones follow it.
    std::vector<kakuro::BookPuzzle> records;
    if (!after.empty()) {
        std::vector<std::uint8_t> bytes;
        std::string error;
        if (!readFile(after, bytes, error)) {
            err << "korvel-book: " << error << '\n';
            return 1;
        }
        const kakuro::BookCheck check = kakuro::validateBook(bytes);
        if (!check.ok) {
            err << "korvel-book: " << shownPath(after) << ": " << check.error << '\n';
            return 1;
        }
        for (int k = 1; k <= int(check.offsets.size()); ++k)
            records.push_back(kakuro::readRecord(bytes, check.offsets, k));
        if (records.size() + std::size_t(plan.count) > std::size_t(kakuro::kMaxPuzzleCount)) {
            err << "korvel-book: a book holds at most " << kakuro::kMaxPuzzleCount << " puzzles\n";
            return 2;
        }
        plan.avoid = records;
    }
    // Some sizes cannot be made with few blocks (their runs grow too long to pin down); a place
    // that yields no puzzle in kPlaceBudget ends the run with a refusal, not hours of silence.
    std::vector<kakuro::BookEntry> book;
    bool outOfTime = false;
    {
        ProgressLine progress("generating");
        using Clock = std::chrono::steady_clock;
        Clock::time_point placeStarted = Clock::now();
        int done = 0;
        book = kakuro::buildBook(
            plan,
            [&](int made, int total) {
                done = made;
                placeStarted = Clock::now();
                progress.update(made, total);
            },
            0,
            [&](int attempt) {
                progress.update(done, plan.count, attempt);
                outOfTime = Clock::now() - placeStarted > placeBudget;
                return !outOfTime;
            });
    }
    if (int(book.size()) != plan.count) {
        const std::array<int, 2> size = kakuro::plannedSize(plan, int(book.size()));
        err << "korvel-book: no " << size[0] << 'x' << size[1] << " puzzle with " << plan.blockPercent
            << "% blocks could be made for place " << book.size() + 1
            << (outOfTime ? " within " + std::to_string(placeBudget.count()) + " s" : std::string())
            << "; more blocks (--blocks) or a smaller size may do\n";
        return 1;
    }
    int histogram[kakuro::kDifficultyCount] = {};
    for (const kakuro::BookEntry &e : book) {
        records.push_back(e.record);
        ++histogram[int(e.grade.difficulty)];
    }
    std::string error;
    if (!writeFile(output, kakuro::encodeBook(records), error)) {
        err << "korvel-book: " << error << '\n';
        return 1;
    }
    out << "wrote " << records.size() << (records.size() == 1 ? " puzzle to " : " puzzles to ")
        << shownPath(output);
    if (!after.empty())
        out << " (" << plan.count << " new after those of " << shownPath(after) << ')';
    out << ':';
    for (int d = 0; d < int(plan.mix.size()); ++d)
        out << ' ' << kakuro::difficultyName(kakuro::Difficulty(d)) << ' ' << histogram[d];
    out << '\n';
    return 0;
}

} // namespace booktool
