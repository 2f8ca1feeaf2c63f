// Building a book: sizes and difficulties by position, generation with fresh seeds for duplicates
// and unreachable bands, and the final order within each size.
#include "generator/book_builder.h"

#include "solver/random.h"

#include <algorithm>
#include <set>

namespace kakuro {
namespace {

constexpr int kExactAttempts = 6; // seeds tried for exactly the planned difficulty
constexpr int kAllAttempts = 64;  // after those, any difficulty up to the planned one will do

int step(int first, int last, int index, int count)
{
    const long long span = (long long)(last - first + 1) * index / count;
    return std::min(last, first + int(span));
}

struct Groups {
    std::vector<int> start; // first index of each run of equal sizes
};

Groups groupsOf(const BookPlan &plan)
{
    Groups g;
    std::array<int, 2> previous = {0, 0};
    for (int k = 0; k < plan.count; ++k) {
        const std::array<int, 2> size = plannedSize(plan, k);
        if (k == 0 || size != previous)
            g.start.push_back(k);
        previous = size;
    }
    return g;
}

} // namespace

std::array<int, 2> plannedSize(const BookPlan &plan, int index)
{
    return {step(plan.firstWidth, plan.lastWidth, index, plan.count),
            step(plan.firstHeight, plan.lastHeight, index, plan.count)};
}

Difficulty plannedDifficulty(const BookPlan &plan, int index)
{
    const Groups groups = groupsOf(plan);
    const auto after = std::upper_bound(groups.start.begin(), groups.start.end(), index);
    const long long g = (after - groups.start.begin()) - 1;
    const long long groupCount = (long long)groups.start.size();
    const long long begin = groups.start[std::size_t(g)];
    const long long end = after == groups.start.end() ? plan.count : *after;
    const long long n = end - begin, i = index - begin;
    // The position u in 0..1 is the mean of the place within the size run, (2i + 1) / 2n, and the
    // place of the run in the book, g / (G - 1); u = num / den. The mean of two even spreads piles
    // up in the middle, so u is spread out again by v = F(u), F(u) = 2u^2 below 1/2 and
    // 1 - 2(1 - u)^2 above, before looking up where v falls in the mix: v = vNum / vDen.
    long long num, den;
    if (groupCount == 1) {
        num = 2 * i + 1;
        den = 2 * n;
    } else {
        num = (2 * i + 1) * (groupCount - 1) + 2 * n * g;
        den = 4 * n * (groupCount - 1);
    }
    const long long vDen = den * den;
    const long long vNum = 2 * num <= den ? 2 * num * num : vDen - 2 * (den - num) * (den - num);
    long long total = 0;
    for (int w : plan.mix)
        total += w;
    long long cumulative = 0;
    for (int band = 0; band < int(plan.mix.size()); ++band) {
        cumulative += plan.mix[std::size_t(band)];
        if (vNum * total < cumulative * vDen)
            return Difficulty(band);
    }
    return Difficulty::Master;
}

std::string planProblem(const BookPlan &plan)
{
    if (plan.count < 1 || plan.count > kakuro::kMaxPuzzleCount)
        return "the puzzle count must be 1.." + std::to_string(kakuro::kMaxPuzzleCount);
    for (int side : {plan.firstWidth, plan.firstHeight, plan.lastWidth, plan.lastHeight})
        if (side < 4 || side > kakuro::kMaxGridSide)
            return "sizes must be 4.." + std::to_string(kakuro::kMaxGridSide) + " cells a side";
    if (plan.lastWidth < plan.firstWidth || plan.lastHeight < plan.firstHeight)
        return "the last size must not be smaller than the first";
    long long total = 0;
    for (int w : plan.mix) {
        if (w < 0 || w > 1000)
            return "each weight of the difficulty mix must be 0..1000";
        total += w;
    }
    if (total == 0)
        return "the difficulty mix must not be all zero";
    if (plan.blockPercent < 10 || plan.blockPercent > 60)
        return "the block share must be 10..60 percent";
    return {};
}

std::vector<BookEntry> buildBook(const BookPlan &plan, const std::function<void(int, int)> &progress,
                                 int places, const std::function<bool(int)> &goOn)
{
    const int total = places > 0 ? std::min(places, plan.count) : plan.count;
    std::vector<BookEntry> book;
    book.reserve(std::size_t(total));
    std::set<std::pair<int, std::vector<std::uint8_t>>> seen; // width and cells of every puzzle so far
    for (const kakuro::BookPuzzle &old : plan.avoid)
        seen.insert({old.width, old.cells});
    int masters = 0; // master places so far: their hardest rung takes each board rung in turn
    for (int k = 0; k < total; ++k) {
        const std::array<int, 2> size = plannedSize(plan, k);
        PuzzleRequest request;
        request.width = size[0];
        request.height = size[1];
        request.difficulty = plannedDifficulty(plan, k);
        request.blockPercent = plan.blockPercent;
        if (request.difficulty == Difficulty::Master)
            request.masterRung = Technique(int(Technique::CrossingRuns) + masters++ % 3);
        int attempt = 0;
        if (goOn)
            request.stopRequested = [&] { return !goOn(attempt); };
        for (; attempt < kAllAttempts; ++attempt) {
            if (goOn && !goOn(attempt))
                return book;
            request.exact = attempt < kExactAttempts;
            const auto made =
                generatePuzzle(deriveSeed(plan.seed, std::uint64_t(k) * kAllAttempts + attempt), request);
            if (!made || !seen.insert({made->record.width, made->record.cells}).second)
                continue;
            book.push_back(BookEntry{made->record, made->grade});
            break;
        }
        if (int(book.size()) != k + 1)
            return book; // no puzzle for this place: the caller sees the short book
        if (progress)
            progress(k + 1, total);
    }
    // Within a run of equal sizes: easiest first, by band, then by the grader's score.
    const Groups groups = groupsOf(plan);
    for (std::size_t g = 0; g < groups.start.size() && groups.start[g] < total; ++g) {
        const auto first = book.begin() + groups.start[g];
        const auto last = g + 1 < groups.start.size() && groups.start[g + 1] < total
                              ? book.begin() + groups.start[g + 1]
                              : book.end();
        std::stable_sort(first, last, [](const BookEntry &a, const BookEntry &b) {
            if (a.grade.difficulty != b.grade.difficulty)
                return a.grade.difficulty < b.grade.difficulty;
            return a.grade.score < b.grade.score;
        });
    }
    return book;
}

} // namespace kakuro
