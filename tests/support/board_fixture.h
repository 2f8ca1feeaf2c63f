// Boards for tests written as ASCII art: '#' a block cell, '1'-'9' an entry cell's solution digit.
#pragma once

#include "core/book_format.h"
#include "core/puzzle.h"
#include "puzzle/book.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace fixture {

// One puzzle from lines of art; blanks around each line are ignored, so
//   "#  #  #"
//   "#  3  1"
// is the same as "###" / "#31". Rows must be of equal width.
inline kakuro::BookPuzzle puzzleFromAscii(const QStringList &rows)
{
    kakuro::BookPuzzle p;
    p.height = int(rows.size());
    for (const QString &line : rows) {
        QString compact = line;
        compact.remove(QLatin1Char(' '));
        if (p.width == 0)
            p.width = int(compact.size());
        Q_ASSERT(compact.size() == p.width);
        for (QChar c : compact)
            p.cells.push_back(c.isDigit() ? std::uint8_t(c.digitValue()) : std::uint8_t(0));
    }
    return p;
}

// A whole book of such puzzles, as the bytes of a .qztw file.
QByteArray bookFromAscii(const QList<QStringList> &puzzles);

// The puzzle that `rows` draw.
kakuro::Puzzle puzzleOf(const QStringList &rows);

// A book of `puzzles`, opened from memory.
puzzle::Book bookOf(const QList<QStringList> &puzzles);

// Writes a book of `puzzles` as dir/dm_book1.qztw and returns its path.
QString writeBook(const QString &dir, const QList<QStringList> &puzzles);

// The bytes of the file at `path`, none when it cannot be read.
QByteArray fileBytes(const QString &path);

// Writes `bytes` as the whole file at `path`; false when it could not.
bool writeFile(const QString &path, const QByteArray &bytes);

// A small 4x4 puzzle with exactly one solution, handy where any real puzzle will do.
QStringList smallPuzzle();

} // namespace fixture
