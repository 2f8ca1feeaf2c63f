// Two versions of a large saved game and of the settings, written over and over by the kill
// test's writer and told apart by the test.
#pragma once

#include "puzzle/board_model.h"
#include "store/settings_store.h"

#include <QString>

namespace killvariants {

constexpr int kPuzzle = 7;
constexpr int kSide = 100;         // the largest board, so that each write takes a while
constexpr int kStatsPuzzles = 400; // puzzles in the settings

// A 100x100 board of entry cells for puzzle 7: variant 0 in pen, variant 1 in pencil.
inline void gameBoard(modData::Board &b, int variant)
{
    b.gridWidth = b.gridHeight = kSide;
    b.cellCount = kSide * kSide;
    b.layoutGrid.assign(std::size_t(b.cellCount) + 1, 1);
    b.layoutGrid[0] = 0;
    b.solutionGrid = b.layoutGrid;
    modData::resetBoard(b);
    b.lastPlayed[1] = kPuzzle;
    for (int i = 1; i <= b.cellCount; ++i) {
        if (variant == 0)
            b.penEntries[std::size_t(i)] = std::uint8_t(i % 10);
        else
            b.pencilEntries[std::size_t(i)] = std::uint8_t((i * 7) % 10);
    }
}

// Settings for a book of 400 puzzles whose every value depends on the variant.
inline void settings(modData::Board &b, modReg::Settings &s, int variant)
{
    b.puzzleCount = kStatsPuzzles;
    b.lastPlayed[1] = 1 + variant;
    b.bookIndex = 1;
    b.pencilMode = std::int16_t(variant);
    s.soundOptions = {0, 1, 1, 1, std::int16_t(1 + variant)};
    s.puzzleStats.assign(kStatsPuzzles + 1, modReg::PuzzleStats{});
    for (int n = 1; n <= kStatsPuzzles; ++n) {
        for (int k = 1; k <= 3; ++k) {
            s.puzzleStats[std::size_t(n)].bestTimes[std::size_t(k)] = n * 10 + k + variant * 5000;
            s.puzzleStats[std::size_t(n)].bestNames[std::size_t(k)] =
                QStringLiteral("Player %1-%2 v%3").arg(n).arg(k).arg(variant);
        }
    }
}

} // namespace killvariants
