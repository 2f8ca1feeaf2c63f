// The open puzzle book: its bytes, validated once when it is opened and kept in memory, so that a
// book changed on disk during play cannot break a later start.
#pragma once

#include "core/puzzle.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace puzzle {

class Book {
public:
    // Reads and validates the book at `path`. Only a regular file no larger than any valid book is
    // read. On failure returns false, leaves the book as it was and says why in `error`.
    bool open(const QString &path, QString *error = nullptr);
    // The same, from bytes already in memory.
    bool openBytes(const QByteArray &bytes, QString *error = nullptr);

    int puzzleCount() const { return int(offsets_.size()); }
    // Puzzle `number` in 1..puzzleCount.
    kakuro::Puzzle puzzle(int number) const;
    // The same puzzle as the book stores it.
    kakuro::BookPuzzle record(int number) const;

private:
    QByteArray bytes_;
    std::vector<std::int32_t> offsets_;
};

} // namespace puzzle
