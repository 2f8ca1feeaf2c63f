// Apply Hint alone, from an empty board, finishes puzzles of the shipped book: every Master puzzle
// and a spread of the others. The hardest rung its hints climb is the one the grade names.
#include "game/book_grades.h"
#include "game/game.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestHintReplay : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void applyHintFinishesThePuzzle_data()
    {
        QTest::addColumn<int>("number");
        puzzle::Book book;
        QVERIFY(book.open(QStringLiteral(KORVEL_SHIPPED_BOOK)));
        for (int k = 1; k <= book.puzzleCount(); ++k) {
            const game::PuzzleGrade grade = game::BookGrades::gradeOf(book.record(k));
            if (grade.difficulty == kakuro::Difficulty::Master || k % 50 == 1)
                QTest::addRow("%d", k) << k;
        }
    }

    void applyHintFinishesThePuzzle()
    {
        QFETCH(int, number);
        puzzle::Book book;
        QVERIFY(book.open(QStringLiteral(KORVEL_SHIPPED_BOOK)));
        store::PlayerSettings settings;
        QTemporaryDir dir;
        game::Game game(book, settings, dir.path());
        game.openPuzzle(number);
        QSignalSpy completed(&game, &game::Game::completed);
        kakuro::Technique hardest = kakuro::Technique::Combinations;
        QObject::connect(&game, &game::Game::hintShown, [&](const game::Hint &hint) {
            if (hint.kind == game::HintKind::Placement || hint.kind == game::HintKind::Removal)
                hardest = std::max(hardest, hint.technique);
        });
        // Each applied hint narrows a cell or fills it: the cells' digits bound the steps.
        const int bound = 9 * game.puzzle().entryCellCount();
        for (int step = 0; step < bound && completed.isEmpty(); ++step) {
            game.showHint();
            game.applyHint();
        }
        QCOMPARE(completed.size(), 1);
        QCOMPARE(hardest, game::BookGrades::gradeOf(book.record(number)).hardest);
    }
};

QTEST_GUILESS_MAIN(TestHintReplay)
#include "test_hint_replay.moc"
