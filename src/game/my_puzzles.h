// The player's own puzzles: a second book in the same format, kept beside the saved games and only
// ever added to. A generated puzzle carries its code in its record's reserved bytes.
#pragma once

#include "puzzle/book.h"
#include "solver/puzzle_code.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace game {

class MyPuzzles {
public:
    // The file `path` is read by load() and written by add().
    explicit MyPuzzles(const QString &path = {});

    // The file of the program whose saved games are kept in `savedGamesFolder`: beside that folder.
    static QString pathFor(const QString &savedGamesFolder);
    // The saved game of the player's own puzzle `number` in `savedGamesFolder`: "my-n.sav", apart
    // from the book's puzzle n.
    static QString savedGamePath(const QString &savedGamesFolder, int number);

    // Reads the file; a missing file is an empty collection. A damaged file gives false with
    // `error` a sentence for the player: the collection is then empty for this run, and the file
    // is kept as it is (add() refuses to replace it).
    bool load(QString *error = nullptr);

    const QString &path() const { return path_; }
    int count() const { return int(offsets_.size()); }
    bool isDamaged() const { return damaged_; }
    // The collection as a book, for play. Only valid while count() > 0.
    const puzzle::Book &book() const { return book_; }
    // The record of puzzle `number` in 1..count().
    kakuro::BookPuzzle record(int number) const { return book_.record(number); }
    // The code of puzzle `number`, when it was generated.
    std::optional<kakuro::PuzzleCode> code(int number) const;
    // The number of the puzzle with these cells, or of the one made from `code`; 0 when there is none.
    int find(const kakuro::BookPuzzle &record) const;
    int find(const kakuro::PuzzleCode &code) const;

    // Adds a puzzle at the end, written through a temporary file that replaces the old one only
    // once it is complete. `reserved` goes into the record's reserved bytes. Returns the puzzle's
    // number, or 0 with `error` set when it could not be written (the collection is then unchanged).
    int add(const kakuro::BookPuzzle &record, std::uint32_t reserved, QString *error = nullptr);

private:
    QString path_;
    QByteArray bytes_;
    std::vector<std::int32_t> offsets_;
    puzzle::Book book_;
    bool damaged_ = false;
};

} // namespace game
