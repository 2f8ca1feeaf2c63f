// Layout generation: scatter symmetric blocks that leave no entry cell alone in a line, cut runs
// that are too long, and keep the largest connected area when it is symmetric itself.
#include "generator/layout_generator.h"

#include <algorithm>

namespace kakuro {
namespace {

class Grid {
public:
    Grid(int width, int height)
        : w_(width), h_(height), entry_(std::size_t(width) * std::size_t(height), false)
    {
        for (int r = 0; r < h_; ++r)
            for (int c = 0; c < w_; ++c)
                set(r, c, true);
    }

    bool at(int r, int c) const { return r >= 0 && c >= 0 && r < h_ && c < w_ && entry_[idx(r, c)]; }
    void set(int r, int c, bool e) { entry_[idx(r, c)] = e; }
    int width() const { return w_; }
    int height() const { return h_; }
    const std::vector<bool> &cells() const { return entry_; }
    // The cell a half turn of the grid maps (r, c) to.
    int partnerRow(int r) const { return h_ - 1 - r; }
    int partnerCol(int c) const { return w_ - 1 - c; }

    int acrossLength(int r, int c) const
    {
        int a = c, b = c;
        while (at(r, a - 1))
            --a;
        while (at(r, b + 1))
            ++b;
        return b - a + 1;
    }
    int downLength(int r, int c) const
    {
        int a = r, b = r;
        while (at(a - 1, c))
            --a;
        while (at(b + 1, c))
            ++b;
        return b - a + 1;
    }
    // An entry cell is fine when both its lines are runs of two or more.
    bool cellFine(int r, int c) const
    {
        return !at(r, c) || (acrossLength(r, c) >= 2 && downLength(r, c) >= 2);
    }
    bool neighboursFine(int r, int c) const
    {
        return cellFine(r - 1, c) && cellFine(r + 1, c) && cellFine(r, c - 1) && cellFine(r, c + 1);
    }

    // Blocks (r, c) and its partner.
    void block(int r, int c)
    {
        set(r, c, false);
        set(partnerRow(r), partnerCol(c), false);
    }

    // Blocks (r, c) and its partner unless that leaves some neighbouring entry cell alone in a line
    // or, with `keepConnected`, splits the entry cells.
    bool tryBlock(int r, int c, bool keepConnected = false)
    {
        const int pr = partnerRow(r), pc = partnerCol(c);
        if (!at(r, c))
            return false;
        set(r, c, false);
        set(pr, pc, false);
        if (neighboursFine(r, c) && neighboursFine(pr, pc) && (!keepConnected || connected()))
            return true;
        set(r, c, true);
        set(pr, pc, true);
        return false;
    }

    // True when the entry cells form one area (or there are none).
    bool connected() const
    {
        int cells = 0, first = -1;
        for (std::size_t i = 0; i < entry_.size(); ++i)
            if (entry_[i]) {
                ++cells;
                if (first < 0)
                    first = int(i);
            }
        if (cells == 0)
            return true;
        seen_.assign(entry_.size(), false);
        stack_.assign(1, first);
        seen_[std::size_t(first)] = true;
        int reached = 0;
        while (!stack_.empty()) {
            const int i = stack_.back();
            stack_.pop_back();
            ++reached;
            const int r = i / w_, c = i % w_;
            const int next[4][2] = {{r - 1, c}, {r + 1, c}, {r, c - 1}, {r, c + 1}};
            for (const auto &n : next) {
                if (at(n[0], n[1]) && !seen_[idx(n[0], n[1])]) {
                    seen_[idx(n[0], n[1])] = true;
                    stack_.push_back(n[0] * w_ + n[1]);
                }
            }
        }
        return reached == cells;
    }

private:
    std::size_t idx(int r, int c) const { return std::size_t(r) * std::size_t(w_) + std::size_t(c); }
    int w_, h_;
    std::vector<bool> entry_;
    mutable std::vector<bool> seen_;
    mutable std::vector<int> stack_;
};

// Cuts runs longer than maxRun with a symmetric pair of blocks, where possible at a place that
// leaves no neighbour alone in a line, else anywhere that leaves two or more on each side.
// Returns whether anything was cut.
bool cutLongRuns(Random &random, Grid &g, int maxRun)
{
    bool cutAny = false;
    for (int pass = 0; pass < 2; ++pass) { // rows, then columns
        const bool across = pass == 0;
        const int lines = across ? g.height() : g.width();
        const int span = across ? g.width() : g.height();
        for (int line = 0; line < lines; ++line) {
            auto cellAt = [&](int pos) { return across ? g.at(line, pos) : g.at(pos, line); };
            for (int k = 0; k < span;) {
                if (!cellAt(k)) {
                    ++k;
                    continue;
                }
                int end = k;
                while (end + 1 < span && cellAt(end + 1))
                    ++end;
                if (end - k + 1 <= maxRun) {
                    k = end + 1;
                    continue;
                }
                std::vector<int> places;
                for (int p = k + 2; p <= end - 2; ++p)
                    places.push_back(p);
                random.shuffle(places);
                bool cut = false;
                for (int p : places) {
                    cut = across ? g.tryBlock(line, p) : g.tryBlock(p, line);
                    if (cut)
                        break;
                }
                if (!cut) { // no clean place: cut anyway and let the clean-up take the strays
                    const int p = places.front();
                    across ? g.block(line, p) : g.block(p, line);
                }
                cutAny = true; // and look at this line again from k: the run is shorter now
            }
        }
    }
    return cutAny;
}

// Turns every entry cell that is alone in a line into a block, with its partner, until none is
// left. Returns whether anything changed.
bool clearStrays(Grid &g)
{
    bool any = false;
    for (bool again = true; again;) {
        again = false;
        for (int r = 0; r < g.height(); ++r)
            for (int c = 0; c < g.width(); ++c)
                if (!g.cellFine(r, c)) {
                    g.block(r, c);
                    again = any = true;
                }
    }
    return any;
}

// Keeps only the largest connected area of entry cells, if it is its own mirror image.
bool keepLargestArea(Grid &g)
{
    const int w = g.width(), h = g.height();
    std::vector<int> area(std::size_t(w) * std::size_t(h), -1);
    std::vector<int> sizes;
    std::vector<int> stack;
    for (int start = 0; start < w * h; ++start) {
        if (!g.at(start / w, start % w) || area[std::size_t(start)] >= 0)
            continue;
        const int id = int(sizes.size());
        sizes.push_back(0);
        stack.push_back(start);
        area[std::size_t(start)] = id;
        while (!stack.empty()) {
            const int at = stack.back();
            stack.pop_back();
            ++sizes.back();
            const int r = at / w, c = at % w;
            const int next[4][2] = {{r - 1, c}, {r + 1, c}, {r, c - 1}, {r, c + 1}};
            for (const auto &n : next) {
                if (g.at(n[0], n[1]) && area[std::size_t(n[0] * w + n[1])] < 0) {
                    area[std::size_t(n[0] * w + n[1])] = id;
                    stack.push_back(n[0] * w + n[1]);
                }
            }
        }
    }
    if (sizes.empty())
        return false;
    const int keep = int(std::max_element(sizes.begin(), sizes.end()) - sizes.begin());
    for (int at = 0; at < w * h; ++at) {
        if (area[std::size_t(at)] != keep)
            continue;
        const int r = at / w, c = at % w;
        if (area[std::size_t(g.partnerRow(r) * w + g.partnerCol(c))] != keep)
            return false;
    }
    for (int at = 0; at < w * h; ++at)
        if (area[std::size_t(at)] >= 0 && area[std::size_t(at)] != keep)
            g.set(at / w, at % w, false);
    return true;
}

} // namespace

std::optional<std::vector<bool>> makeLayout(Random &random, const LayoutOptions &options)
{
    const int w = options.width, h = options.height;
    if (w < 3 || h < 3)
        return std::nullopt;
    Grid g(w, h);
    const int area = w * h;
    int blocks = 0;
    const int wanted = area * options.blockPercent / 100;
    std::vector<int> order;
    for (int r = 0; r < h; ++r)
        for (int c = 0; c < w; ++c)
            order.push_back(r * w + c);
    random.shuffle(order);
    for (int at : order) {
        if (blocks >= wanted)
            break;
        const int r = at / w, c = at % w;
        if (g.tryBlock(r, c, true))
            blocks += (g.partnerRow(r) == r && g.partnerCol(c) == c) ? 1 : 2;
    }
    // Cutting and clearing only ever remove entry cells, so this ends.
    const int maxRun = std::clamp(options.maxRun, 2, 9);
    for (;;) {
        const bool cut = cutLongRuns(random, g, maxRun);
        const bool cleared = clearStrays(g);
        if (!cut && !cleared)
            break;
    }
    if (!keepLargestArea(g))
        return std::nullopt;
    int entries = 0;
    for (bool e : g.cells())
        entries += e ? 1 : 0;
    if (entries * 2 < area) // too sparse to be worth a puzzle
        return std::nullopt;
    if (!isGoodLayout(w, h, g.cells(), options.maxRun))
        return std::nullopt;
    return g.cells();
}

bool isGoodLayout(int width, int height, const std::vector<bool> &entry, int maxRun)
{
    if (width < 2 || height < 2 || entry.size() != std::size_t(width) * std::size_t(height))
        return false;
    Grid g(width, height);
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c)
            g.set(r, c, entry[std::size_t(r * width + c)]);
    int cells = 0;
    for (int r = 0; r < height; ++r) {
        for (int c = 0; c < width; ++c) {
            if (!g.at(r, c))
                continue;
            if (g.at(g.partnerRow(r), g.partnerCol(c)) != true)
                return false;
            const int a = g.acrossLength(r, c), d = g.downLength(r, c);
            if (a < 2 || d < 2 || a > maxRun || d > maxRun)
                return false;
            ++cells;
        }
    }
    return cells > 0 && g.connected();
}

} // namespace kakuro
