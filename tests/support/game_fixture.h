// A game on a book of test puzzles with no window: settings in memory, saved games in a folder
// of the test's own.
#pragma once

#include "game/game.h"
#include "game/my_puzzles.h"
#include "puzzle/saved_game.h"
#include "support/board_fixture.h"

#include <QTemporaryDir>
#include <QTest>

// Puzzle k of numberedBook(n) is a 3x3 grid whose top-left entry digits spell k, so a test can
// tell which puzzle is open.
inline QList<QStringList> numberedBook(int count)
{
    QList<QStringList> book;
    for (int k = 1; k <= count; ++k)
        book.append({QStringLiteral("# # #"),
                     QStringLiteral("# %1 %2").arg(1 + (k - 1) % 9).arg(1 + (k - 1) / 9 % 9),
                     QStringLiteral("# 5 6")});
    return book;
}

// One row of a data table whose columns are all text.
template <typename... Texts> void textRow(const char *name, const Texts &...texts)
{
    (QTest::newRow(name) << ... << QString(texts));
}

// The game alone, with no window: settings in memory, saved games in a folder of its own.
struct GameFixture {
    explicit GameFixture(const QList<QStringList> &puzzles, int puzzle = 1)
        : settings(int(puzzles.size())), book(fixture::bookOf(puzzles)), game(book, settings, dir.path())
    {
        game.setMyPuzzles(&own);
        game.openPuzzle(puzzle);
    }

    // The player's entries in reading order, as "CR:D" with p for pencil, ! for an error mark and m
    // before the candidate marks.
    QString entries() const
    {
        const kakuro::Puzzle &p = game.puzzle();
        const puzzle::Entries &e = game.entries();
        QStringList cells;
        for (int i = 0; i < p.entryCellCount(); ++i) {
            if (e.digit(i) == 0 && !e.hasErrorMark(i) && e.marks(i) == 0)
                continue;
            QString text = QStringLiteral("%1%2:%3").arg(p.colOf(i)).arg(p.rowOf(i)).arg(e.digit(i));
            if (e.pencil(i))
                text += QLatin1Char('p');
            if (e.hasErrorMark(i))
                text += QLatin1Char('!');
            if (e.marks(i) != 0)
                text += QLatin1Char('m');
            for (int d = 1; d <= 9; ++d) {
                if (e.marks(i) & (1 << (d - 1)))
                    text += QChar(u'0' + d);
            }
            cells << text;
        }
        return cells.join(QLatin1Char(' '));
    }
    // The puzzle numberedBook() opened.
    int openNumber() const { return game.puzzle().solution(0) + 9 * (game.puzzle().solution(1) - 1); }

    QTemporaryDir dir;
    store::PlayerSettings settings;
    puzzle::Book book;
    game::Game game;
    game::MyPuzzles own{dir.filePath(QStringLiteral("my-puzzles.qztw"))}; // none until one is made
};
