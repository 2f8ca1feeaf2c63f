// The rules of play on the game model alone: choosing the puzzle, writing, checking, completion,
// restart and saved games, and the clock.
#include "support/game_fixture.h"

#include <QHash>
#include <QSignalSpy>

#include <functional>

#include <sys/stat.h>

namespace {

// Plays "CR:D" tokens: D written in pen, in pencil with a trailing p, as a candidate mark with a
// trailing m; "CR:-" erases; "check", "undo", "redo", "fill", "clear", "tick" (one second),
// "save", "restart", "next", "previous", "hint" and "apply" (the hint) run those commands;
// "manual" turns the automatic removal of marks off.
void play(game::Game &game, const QString &moves)
{
    using G = game::Game;
    static const QHash<QString, std::function<void(G &)>> commands = {
        {"check", &G::checkAll},
        {"undo", &G::undo},
        {"redo", &G::redo},
        {"fill", &G::fillCandidates},
        {"clear", &G::clearCandidates},
        {"hint", &G::showHint},
        {"apply", &G::applyHint},
        {"reveal", &G::revealSolution},
        {"restart", &G::restart},
        {"next", &G::nextPuzzle},
        {"previous", &G::previousPuzzle},
        {"manual", [](G &g) { g.setAutoMarks(false); }},
        {"tick", [](G &g) { g.clock().tick(); }},
        {"save", [](G &g) { g.save(nullptr); }}};
    for (const QString &m : moves.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (m.contains(QLatin1Char(':'))) { // commands keep the mode of the move before
            game.setPencilMode(m.endsWith(QLatin1Char('p')));
            game.setCandidateMode(m.endsWith(QLatin1Char('m')));
        }
        if (commands.contains(m))
            commands[m](game);
        else if (m[3] == QLatin1Char('-'))
            game.erase(m[0].digitValue(), m[1].digitValue());
        else
            game.write(m[0].digitValue(), m[1].digitValue(), m[3].digitValue());
    }
}

} // namespace

class TestGame : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void choosingThePuzzle_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("opened");
        QTest::addColumn<int>("signals");
        QTest::newRow("stored 0 opens the first") << 0 << "" << 1 << 0;
        QTest::newRow("stored past the end opens the last") << 99 << "" << 3 << 0;
        QTest::newRow("next") << 1 << "next" << 2 << 1;
        QTest::newRow("next at the last") << 3 << "next" << 3 << 0;
        QTest::newRow("previous") << 3 << "previous" << 2 << 1;
        QTest::newRow("previous at the first") << 1 << "previous" << 1 << 0;
    }
    void choosingThePuzzle()
    {
        QFETCH(int, stored);
        QFETCH(QString, step);
        GameFixture f(numberedBook(3), stored);
        QSignalSpy opened(&f.game, &game::Game::puzzleOpened);
        if (step == QLatin1String("next"))
            f.game.nextPuzzle();
        else if (step == QLatin1String("previous"))
            f.game.previousPuzzle();
        QTEST(f.game.puzzleNumber(), "opened");
        QTEST(f.openNumber(), "opened");
        QTEST(int(opened.count()), "signals");
    }

    // Writing and erasing on entry cells only, with a pen or a pencil digit in a cell; Check All on
    // its own or after the last empty cell is filled.
    void checking_data()
    {
        QTest::addColumn<QString>("moves");
        QTest::addColumn<QString>("outcomes");
        QTest::addColumn<QString>("entries");
        const auto row = [](const char *tag, const QString &moves, const char *outcomes,
                            const char *entries) {
            QTest::newRow(tag) << moves << QString(outcomes) << QString(entries);
        };
        const QString rightBut44 = QStringLiteral("22:1 32:3 23:2 33:4 43:1 34:2 ");
        row("pen or pencil, entry cells only", "11:5 22:5 22:6p 32:7p 32:8 23:0 11:- 23:2 23:-", "",
            "22:6p 32:8");
        row("wrong cells are marked", "22:1 32:9 23:7 check", "wrong 32,23", "22:1 32:9! 23:7!");
        row("a full right board completes", rightBut44 + "44:3", "completed", "");
        row("also when the last digit is pencilled", rightBut44 + "44:3p", "completed", "");
        row("a put-right cell keeps its mark", "32:9 check 32:3 check", "wrong 32;none", "32:3!");
        // Undo and redo, one change at a time, whatever wrote it.
        row("undo pencil, then pen", "22:1 22:2p undo", "", "22:1");
        row("undo back to the start, and no further", "22:1 22:2p undo undo undo", "", "");
        row("a new change drops what was undone", "22:1 undo 32:3 redo", "", "32:3");
        row("the eraser is undone", "22:1 22:- undo", "", "22:1");
        row("undo after a check leaves the error mark", "32:9 check undo", "wrong 32", "32:0!");
        row("an undo that fills the board checks it", rightBut44 + "44:9 44:- undo", "wrong 44;wrong 44", "");
        row("a digit written again is no change", "22:1 22:1 undo", "", "");
        // Candidate marks: toggled, hidden under a digit, cleared by erasing an empty cell.
        row("marks toggle", "22:1m 22:3m 22:1m", "", "22:0m3");
        row("marks stay under a digit and go on a second erase", "22:3m 22:5 22:-", "", "22:0m3");
        row("erasing an empty cell clears its marks", "22:3m 22:5 22:- 22:-", "", "");
        row("marks never fill the board", rightBut44 + "44:3m", "", "");
        // Fill: what both runs allow, less the written digits; one undo step each.
        row("fill around written digits", "22:1 44:3p fill", "",
            "22:1 32:0m3 23:0m2 33:0m124 43:0m1 34:0m2 44:3p");
        row("fill is one step", "22:1 fill undo", "", "22:1");
        // A placed digit leaves the marks of its two runs, its own cell's kept; one step with it.
        const QString filled = "22:0m1 32:0m13 23:0m12 33:0m124 43:0m1 34:0m1234 44:0m13";
        row("a placed digit leaves its runs' marks", "fill 22:1", "",
            "22:1m1 32:0m3 23:0m2 33:0m124 43:0m1 34:0m1234 44:0m13");
        row("a placement and its marks are undone together", "fill 22:1 undo", "", filled.toLatin1());
        row("an applied hint leaves the marks too", "fill apply", "",
            "22:1m1 32:0m3 23:0m2 33:0m124 43:0m1 34:0m1234 44:0m13");
        row("switched off, marks stay", "fill manual 22:1", "",
            "22:1m1 32:0m13 23:0m12 33:0m124 43:0m1 34:0m1234 44:0m13");
        row("clear is one step", "fill clear undo redo", "", "");
    }
    void checking()
    {
        QFETCH(QString, moves);
        QFETCH(QString, entries);
        GameFixture f({fixture::smallPuzzle()});
        QStringList outcomes;
        connect(&f.game, &game::Game::wrongCellsFound, this, [&](const QList<int> &cells) {
            QStringList text;
            for (int i : cells)
                text << QStringLiteral("%1%2").arg(f.game.puzzle().colOf(i)).arg(f.game.puzzle().rowOf(i));
            outcomes << QStringLiteral("wrong ") + text.join(QLatin1Char(','));
        });
        connect(&f.game, &game::Game::noMistakesFound, this, [&] { outcomes << QStringLiteral("none"); });
        connect(&f.game, &game::Game::completed, this, [&](int) { outcomes << QStringLiteral("completed"); });
        play(f.game, moves);
        QTEST(outcomes.join(QLatin1Char(';')), "outcomes");
        if (!entries.isEmpty())
            QCOMPARE(f.entries(), entries);
        QCOMPARE(f.game.clock().isRunning(), !outcomes.endsWith(QStringLiteral("completed")));
    }

    // Leaving a changed puzzle saves it with its time while progress is kept; coming back goes on
    // from there.
    void keepingProgress_data()
    {
        QTest::addColumn<bool>("keep");
        QTest::addColumn<QString>("moves");
        QTest::addColumn<QString>("file"); // the saved game of puzzle 1 past its number, or none
        QTest::addColumn<int>("seconds");  // on the clock after the moves
        const QString pen = QStringLiteral("PEN=0000010000000000|PENCIL=0000000000000000");
        QTest::newRow("off: leaving writes nothing") << false << "22:1 tick next"
                                                     << "none" << 0;
        QTest::newRow("on: coming back goes on")
            << true << "22:1 tick tick next previous" << pen + "|SECONDS=2" << 2;
        QTest::newRow("off: a saved time is not carried on")
            << false << "22:1 tick save next previous" << pen << 0;
        QTest::newRow("on: an unchanged puzzle keeps its file")
            << true << "22:1 save restart 32:3 restart next" << pen << 0;
        QTest::newRow("on: a hint alone is kept")
            << true << "hint next"
            << "PEN=0000000000000000|PENCIL=0000000000000000|HINTS=1" << 0;
        QTest::newRow("on: undo counts as a change") << true << "22:1 save undo next"
                                                     << "PEN=0000000000000000|PENCIL=0000000000000000" << 0;
        QTest::newRow("on: completing deletes the file")
            << true << "22:1 save 32:3 23:2 33:4 43:1 34:2 44:3 next"
            << "none" << 0;
    }
    void keepingProgress()
    {
        QFETCH(bool, keep);
        QFETCH(QString, moves);
        GameFixture f({fixture::smallPuzzle(), fixture::smallPuzzle()});
        f.game.setKeepProgress(keep);
        play(f.game, moves);
        const QByteArray saved = fixture::fileBytes(puzzle::savedGamePath(f.dir.path(), 1));
        const QString file =
            saved.isEmpty()
                ? QStringLiteral("none")
                : QString::fromLatin1(saved).split(QStringLiteral("\r\n")).mid(2).join('|').chopped(1);
        QTEST(file, "file");
        QTEST(f.game.clock().seconds(), "seconds");
    }

    // A saved game that is there but cannot be read is named once and never replaced unasked; a
    // link to another puzzle's saved game is replaced by this puzzle's own file, its target left.
    void savedGameThatCannotBeRead_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("unreadable");
        QTest::newRow("a named pipe") << "pipe" << true;
        QTest::newRow("a file larger than any saved game") << "large" << true;
        QTest::newRow("a link to another puzzle's saved game") << "link" << false;
    }
    void savedGameThatCannotBeRead()
    {
        QFETCH(QString, kind);
        QFETCH(bool, unreadable);
        GameFixture f({fixture::smallPuzzle(), fixture::smallPuzzle()}, 2);
        f.game.setKeepProgress(true);
        play(f.game, QStringLiteral("22:1 save"));
        const QString other = f.game.savedGamePath(), path = puzzle::savedGamePath(f.dir.path(), 1);
        QFile file(path);
        if (kind == QLatin1String("pipe"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == QLatin1String("large"))
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(2 << 20));
        else
            QVERIFY(QFile::link(other, path));
        file.close();
        QSignalSpy told(&f.game, &game::Game::unreadableSavedGameFound);
        QSignalSpy notKept(&f.game, &game::Game::progressNotKept);
        f.game.openPuzzle(1);
        QCOMPARE(told.count(), unreadable ? 1 : 0);
        QCOMPARE(f.entries(), QString()); // nothing of puzzle 2's comes in
        play(f.game, QStringLiteral("32:3 next"));
        QCOMPARE(notKept.count(), unreadable ? 1 : 0);
        QCOMPARE(QFileInfo(path).isFile() && !QFileInfo(path).isSymLink(), kind != QLatin1String("pipe"));
        QCOMPARE(QFileInfo(path).size() == 2 << 20, kind == QLatin1String("large"));
        QVERIFY(fixture::fileBytes(other).contains("PEN=00000100"));
    }

    // Apply Hint writes a placement in pen, clears a wrong digit, or takes digits out of the cell's
    // marks; a hint counts once however often it is shown on the same board.
    void applyingHints_data()
    {
        QTest::addColumn<QString>("moves");
        QTest::addColumn<QString>("entries");
        QTest::addColumn<int>("used");
        QTest::newRow("a placement, in pen") << "32:3p apply"
                                             << "22:1 32:3p" << 1;
        QTest::newRow("a wrong digit is cleared") << "32:2 apply"
                                                  << "" << 1;
        QTest::newRow("shown twice, applied: one hint") << "32:3 hint hint apply"
                                                        << "22:1 32:3" << 1;
        QTest::newRow("a hint after a change is another") << "hint 43:1 hint"
                                                          << "43:1" << 2;
        QTest::newRow("undone in one step") << "apply undo"
                                            << "" << 1;
        QTest::newRow("the count comes back with the saved game") << "hint save next previous"
                                                                  << "" << 1;
    }
    void applyingHints()
    {
        QFETCH(QString, moves);
        GameFixture f({fixture::smallPuzzle()});
        play(f.game, moves);
        QTEST(f.entries(), "entries");
        QTEST(f.game.hintsUsed(), "used");
    }

    // While paused, nothing looks at or changes the board: no cell, hint, check or solution.
    void whilePausedTheBoardStandsStill_data()
    {
        QTest::addColumn<QString>("moves");
        for (const char *move : {"23:2", "22:-", "fill", "clear", "undo", "hint", "apply", "check", "reveal"})
            QTest::newRow(move) << QString::fromLatin1(move);
    }
    void whilePausedTheBoardStandsStill()
    {
        QFETCH(QString, moves);
        GameFixture f({fixture::smallPuzzle()});
        play(f.game, QStringLiteral("22:1 32:3m"));
        const QString before = f.entries();
        f.game.setPaused(true);
        QSignalSpy cells(&f.game, &game::Game::cellChanged), hints(&f.game, &game::Game::hintShown),
            checked(&f.game, &game::Game::noMistakesFound), solution(&f.game, &game::Game::solutionRevealed);
        play(f.game, moves);
        QCOMPARE(f.entries(), before);
        QCOMPARE(cells.size() + hints.size() + checked.size() + solution.size(), 0);
        QCOMPARE(f.game.hintsUsed(), 0);
    }

    void restartIgnoresTheSavedGameWhichOpenRestores()
    {
        GameFixture f({fixture::smallPuzzle()});
        play(f.game, QStringLiteral("22:1 32:3p"));
        QVERIFY(f.game.save(nullptr));
        play(f.game, QStringLiteral("23:2"));
        f.game.clock().tick();
        f.game.restart();
        QCOMPARE(f.entries(), QString());
        QCOMPARE(f.game.clock().seconds(), 0);
        f.game.openPuzzle(1);
        QCOMPARE(f.entries(), QStringLiteral("22:1 32:3p"));
    }

    // The window out of sight stops the clock and its return starts it again, as the end of a
    // pause does, but never the clock of a completed puzzle; a pause begun while out of sight
    // keeps it until it ends, and Restart ends a pause.
    void minimisedWindow_data()
    {
        QTest::addColumn<QString>("moves");
        QTest::addColumn<bool>("running");
        QTest::newRow("minimised") << "minimise" << false;
        QTest::newRow("restored") << "minimise restore" << true;
        QTest::newRow("completed, then restored") << "complete minimise restore" << false;
        QTest::newRow("completed, then paused and resumed") << "complete pause resume" << false;
        QTest::newRow("paused while minimised, restored") << "minimise pause restore" << false;
        QTest::newRow("the pause's end") << "minimise pause restore resume" << true;
        QTest::newRow("paused, then restarted") << "pause restart" << true;
    }
    void minimisedWindow()
    {
        QFETCH(QString, moves);
        GameFixture f({fixture::smallPuzzle()});
        for (const QString &move : moves.split(' ')) {
            if (move == "complete")
                play(f.game, QStringLiteral("22:1 32:3 23:2 33:4 43:1 34:2 44:3"));
            else if (move == "restart")
                f.game.restart();
            else if (move == "pause" || move == "resume")
                f.game.setPaused(move == "pause");
            else
                f.game.setWindowMinimised(move == "minimise");
        }
        QTEST(f.game.clock().isRunning(), "running");
        QCOMPARE(f.game.paused(), moves.endsWith("pause restore")); // the one pause not ended
    }

    // Held at the 16-bit ceiling; the text counts on past it and past 99 hours.
    void clockCeilingAndText()
    {
        game::GameClock clock;
        for (int s = 1; s <= 100 * 3600 + 1; ++s)
            clock.tick();
        QCOMPARE(clock.seconds(), 32767);
        QCOMPARE(clock.text(), QStringLiteral("100:00:01"));
    }
};

QTEST_MAIN(TestGame)
#include "test_game.moc"
