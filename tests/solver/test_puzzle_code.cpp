// Puzzle codes: the same code makes the same puzzle byte for byte at every difficulty, and the
// version in front of a code is bumped when the generator changes; a mistyped code is caught, and
// a code of another version is told apart from a typing mistake.
#include "core/book_format.h"
#include "generator/code_generation.h"
#include "solver/puzzle_check.h"

#include <QCryptographicHash>
#include <QTest>

using namespace kakuro;

class TestPuzzleCode : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // code -> text -> code, and the puzzle made from a new code's text is the very puzzle that
    // came with it: unique, logical and of the difficulty asked.
    void codesRoundTrip_data()
    {
        QTest::addColumn<int>("difficulty");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("easy, smallest") << 0 << 6 << 6;
        QTest::newRow("medium, wide") << 1 << 14 << 7;
        QTest::newRow("hard, tall") << 2 << 8 << 13;
        QTest::newRow("expert") << 3 << 11 << 11;
        QTest::newRow("master") << 4 << 12 << 12;
    }
    void codesRoundTrip()
    {
        QFETCH(int, difficulty);
        QFETCH(int, width);
        QFETCH(int, height);
        const std::optional<CodedPuzzle> made = makeCodedPuzzle(width, height, difficulty, 4242, 50);
        QVERIFY(made);
        const std::string text = codeText(made->code);
        const CodeReading read = readCode(text);
        QVERIFY(read.code);
        QCOMPARE(*read.code, made->code);
        const std::optional<kakuro::BookPuzzle> again = puzzleOfCode(*read.code);
        QVERIFY(again);
        QVERIFY(*again == made->record);
        QCOMPARE(reservedOfCode(made->code) >> 31, 1u);
        QCOMPARE(*codeOfReserved(reservedOfCode(made->code), width, height), made->code);
        const PuzzleReport report = checkPuzzle(made->record, true);
        QVERIFY2(report.problems.empty(), report.problems.empty() ? "" : report.problems.front().c_str());
        QCOMPARE(int(report.grade.difficulty), difficulty);
    }

    // Codes handed out must keep naming the same puzzles: when this fails, the generator's output
    // changed, and kGeneratorVersion must go up so that old codes are refused, not misread.
    void codeOfThisVersionIsPinned()
    {
        const CodeReading read = readCode("144G-0000-8NR"); // 10x10 Master, seed 1
        QVERIFY(read.code);
        const std::optional<kakuro::BookPuzzle> made = puzzleOfCode(*read.code);
        QVERIFY(made);
        const QByteArray cells(reinterpret_cast<const char *>(made->cells.data()),
                               qsizetype(made->cells.size()));
        QCOMPARE(QCryptographicHash::hash(cells, QCryptographicHash::Sha1).toHex().left(16),
                 QByteArray("b41205697fb0d9d5"));
    }

    // What a person may type: case, spaces, hyphens and the look-alikes O, I, L do not matter;
    // one wrong character or two swapped are caught; another version is named as such.
    void typedCodes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("problem");
        const auto row = [](const char *name, const char *typed, CodeProblem problem) {
            QTest::newRow(name) << QString(typed) << int(problem);
        };
        row("as shown", "1440-0000-8PQ", CodeProblem::None);
        row("lower case, spaces, look-alikes", " 144o oooo 8pq ", CodeProblem::None);
        row("one character wrong", "1440-0001-8PQ", CodeProblem::Mistyped);
        row("two neighbours swapped", "1404-0000-8PQ", CodeProblem::Mistyped);
        row("one character short", "1440-0000-8P", CodeProblem::Mistyped);
        row("U is no code character", "1440-0000-8PU", CodeProblem::BadCharacter);
        row("empty", " - ", CodeProblem::Empty);
        row("another version, other length", "2ABC-DEFG-HJKM", CodeProblem::UnknownVersion);
    }
    void typedCodes()
    {
        QFETCH(QString, typed);
        QFETCH(int, problem);
        const CodeReading read = readCode(typed.toStdString());
        QCOMPARE(int(read.problem), problem);
        QCOMPARE(bool(read.code), problem == int(CodeProblem::None));
    }

    // A well-formed code of a later version (its check characters right) is refused with the
    // version it names; the fields outside a code's range are never encoded.
    void anotherVersionIsNamed()
    {
        PuzzleCode later;
        later.version = kGeneratorVersion + 1;
        const CodeReading read = readCode(codeText(later));
        QCOMPARE(int(read.problem), int(CodeProblem::UnknownVersion));
        QCOMPARE(read.version, kGeneratorVersion + 1);
        PuzzleCode tooLarge;
        tooLarge.width = kMaxCodeSide + 1;
        QVERIFY(!isEncodable(tooLarge));
        QVERIFY(!codeOfReserved(0, 10, 10)); // a puzzle typed in has no code
    }
};

QTEST_APPLESS_MAIN(TestPuzzleCode)
#include "test_puzzle_code.moc"
