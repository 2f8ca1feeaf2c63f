// Puzzles of your own: New Puzzle at 30x30 Master over 20 seeds (median and slowest), the editor's
// status on a 30x30 grid after an edit, how long an open layout takes to be called undecided, and
// what 1000 puzzles of your own add to start-up (reading the file and their stored best times).
#include "bench_data.h"
#include "core/puzzle.h"
#include "game/layout_check.h"
#include "game/my_puzzles.h"
#include "generator/code_generation.h"
#include "run_benchmarks.h"
#include "store/player_settings.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>

namespace {

double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// 20 new puzzles of 30x30 Master, one per seed, as New Puzzle makes them: the median and the
// slowest, in wall time and in the CPU time of the worker (which a busy machine does not inflate).
void NewPuzzle30x30Master(benchmark::State &state)
{
    std::vector<double> wall, cpu;
    for (auto _ : state) {
        for (std::uint32_t seed = 1; seed <= 20; ++seed) {
            const auto start = std::chrono::steady_clock::now();
            const double cpuStart = threadCpuMs();
            const auto made = kakuro::makeCodedPuzzle(30, 30, 4, seed * 7919, 400);
            cpu.push_back(threadCpuMs() - cpuStart);
            wall.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            if (!made)
                state.SkipWithError("no puzzle");
        }
    }
    for (auto *times : {&wall, &cpu})
        std::sort(times->begin(), times->end());
    const auto median = [](const std::vector<double> &v) {
        return (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
    };
    state.counters["median_ms"] = median(wall);
    state.counters["slowest_ms"] = wall.back();
    state.counters["median_cpu_ms"] = median(cpu);
    state.counters["slowest_cpu_ms"] = cpu.back();
}
BENCHMARK(NewPuzzle30x30Master)->Iterations(1)->Repetitions(1)->Unit(benchmark::kMillisecond);

// The editor's grid of a record, with a row and a column of clue cells added before it.
game::EditorGrid editorGridOf(const kakuro::BookPuzzle &record)
{
    game::EditorGrid grid;
    grid.width = record.width + 1;
    grid.height = record.height + 1;
    grid.cells.resize(std::size_t(grid.width * grid.height));
    const auto digit = [&](int col, int row) { // in the record's own coordinates, 0 outside
        return col >= 1 && row >= 1 && col <= record.width && row <= record.height
                   ? record.cells[std::size_t((row - 1) * record.width + col - 1)]
                   : 0;
    };
    for (int row = 1; row <= grid.height; ++row)
        for (int col = 1; col <= grid.width; ++col) {
            game::EditorCell &cell = grid.at(col, row);
            cell.block = digit(col - 1, row - 1) == 0;
            if (!cell.block)
                continue;
            for (int c = col; digit(c, row - 1) != 0; ++c)
                cell.across += digit(c, row - 1);
            for (int r = row; digit(col - 1, r) != 0; ++r)
                cell.down += digit(col - 1, r);
        }
    return grid;
}

// A generated 29x29 Master puzzle typed into a 30x30 editor: the status as it stands, and after
// an edit that changes one sum.
void EditorStatus30x30(benchmark::State &state)
{
    const auto made = kakuro::makeCodedPuzzle(29, 29, 4, 11, 400);
    game::EditorGrid grid = editorGridOf(made->record);
    if (state.range(0) == 1) { // one across sum of the middle row moved by one, within its range
        for (game::EditorCell &cell : grid.cells)
            if (cell.across > 3 && cell.across < 40) {
                --cell.across;
                break;
            }
    }
    for (auto _ : state) {
        const auto status = game::checkLayout(grid, game::LayoutChecker::kBranchLimit);
        state.SetLabel(game::statusText(*status).toStdString());
    }
}
BENCHMARK(EditorStatus30x30)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// An open 30x30 layout with every sum written (runs of 9 adding up to 45), which admits a vast
// number of fillings: the verdict and how long it takes.
void EditorOpenLayout(benchmark::State &state)
{
    game::EditorGrid grid;
    grid.width = grid.height = 30;
    grid.cells.resize(900);
    for (int row = 1; row <= 30; ++row)
        for (int col = 1; col <= 30; ++col) {
            game::EditorCell &cell = grid.at(col, row);
            cell.block = (row - 1) % 10 == 0 || (col - 1) % 10 == 0;
            cell.across = cell.block && col < 30 && (row - 1) % 10 != 0 ? 45 : 0;
            cell.down = cell.block && row < 30 && (col - 1) % 10 != 0 ? 45 : 0;
        }
    for (auto _ : state) {
        const auto status = game::checkLayout(grid, game::LayoutChecker::kBranchLimit);
        state.SetLabel(game::statusText(*status).toStdString());
    }
}
BENCHMARK(EditorOpenLayout)->Unit(benchmark::kMillisecond)->Iterations(3);

// What 1000 puzzles of your own cost at start-up: reading their file, and the store with a best
// time and three names for each, against the same store read for the book alone.
void StartWithOwnPuzzles(benchmark::State &state)
{
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
    const std::vector<kakuro::BookPuzzle> records = benchdata::loadRecords(KORVEL_SHIPPED_BOOK);
    const std::vector<std::uint8_t> bytes = kakuro::encodeBook(records);
    const QString path = dir.filePath("my-puzzles.qztw");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(reinterpret_cast<const char *>(bytes.data()),
                                                       qsizetype(bytes.size())) != qsizetype(bytes.size())) {
        state.SkipWithError("cannot write");
        return;
    }
    file.close();
    store::PlayerSettings settings;
    settings.load(1000, 1000);
    for (int n = 1; n <= 1000; ++n)
        settings.recordBestTime(n, 100, QStringLiteral("Ann"), 0, true);
    settings.save();
    const int own = int(state.range(0));
    for (auto _ : state) {
        if (own) {
            game::MyPuzzles mine(path);
            mine.load();
            benchmark::DoNotOptimize(mine.count());
        }
        store::Settings loaded;
        store::loadSettings(loaded, 1000, own);
        benchmark::DoNotOptimize(loaded.ownPuzzleStats.size());
    }
}
BENCHMARK(StartWithOwnPuzzles)->Arg(0)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarksIn<QCoreApplication>(argc, argv);
}
