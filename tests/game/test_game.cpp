// The rules of play on the game model alone: choosing the puzzle, writing, checking, completion,
// restart and saved games, and the clock.
#include "support/window_harness.h"

#include <QSignalSpy>

namespace {

// Plays "CR:D" tokens: D written in pen, or in pencil with a trailing p; "CR:-" erases; "check"
// runs Check All.
void play(game::Game &game, const QString &moves)
{
    for (const QString &m : moves.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        game.setPencilMode(m.endsWith(QLatin1Char('p')));
        if (m == QLatin1String("check"))
            game.checkAll();
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
        row("wrong cells are marked", "22:1 32:9 23:7 check", "wrong 7,10", "22:1 32:9! 23:7!");
        row("no mistake on a partial board", "22:1 32:3 check", "none", "22:1 32:3");
        row("a full right board completes", rightBut44 + "44:3", "completed", "");
        row("also when the last digit is pencilled", rightBut44 + "44:3p", "completed", "");
        row("a put-right cell keeps its mark", "32:9 check 32:3 check", "wrong 7;none", "32:3!");
        row("a full board with a wrong digit", rightBut44 + "44:9", "wrong 16", "");
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
                text << QString::number(i);
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

    // Held at the 16-bit ceiling; the text counts on past it and past 99 hours.
    void clockCeilingAndText()
    {
        game::GameClock clock;
        clock.restart();
        for (int s = 1; s <= 100 * 3600 + 1; ++s)
            clock.tick();
        QCOMPARE(clock.seconds(), 32767);
        QCOMPARE(clock.text(), QStringLiteral("100:00:01"));
    }
};

QTEST_MAIN(TestGame)
#include "test_game.moc"
