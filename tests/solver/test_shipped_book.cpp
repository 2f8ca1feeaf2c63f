// The shipped puzzle book: exactly the released bytes, 1000 puzzles from 6x6 up to 30x30, each
// unique, finished by the ladder without a guess and laid out by the house rules, none twice, easy
// and small first, and its second half rich in the board rungs.
#include "generator/layout_generator.h"
#include "solver/puzzle_check.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTest>

#include <set>

using namespace kakuro;

class TestShippedBook : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyPuzzleIsUniqueLogicalAndWellLaidOut()
    {
        QFile file(QStringLiteral(KORVEL_SHIPPED_BOOK));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        // Puzzle numbers are what saved games and best times are kept under: from this release on
        // the book only grows, so a change to these bytes must be an append.
        QCOMPARE(QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex(),
                 QByteArray("8d99993c23df7498990fe8479015443c19ff8477d8811e4e7f3c71df7ffae630"));
        const std::vector<std::uint8_t> bytes(data.begin(), data.end());
        const kakuro::BookCheck check = kakuro::validateBook(bytes);
        QVERIFY2(check.ok, check.error.c_str());
        QCOMPARE(int(check.offsets.size()), 1000);
        int bands[kDifficultyCount] = {}, boardRungsLate[3] = {}; // puzzles 501-1000 per board rung
        std::set<std::vector<std::uint8_t>> seen;
        kakuro::BookPuzzle previous{6, 6, {}};
        Difficulty easiest = Difficulty::Easy; // of the puzzles so far of the current size
        for (int k = 1; k <= 1000; ++k) {
            const kakuro::BookPuzzle r = kakuro::readRecord(bytes, check.offsets, k);
            const PuzzleReport report = checkPuzzle(r, true);
            const QByteArray where = "puzzle " + QByteArray::number(k);
            const std::string problem = report.problems.empty() ? "" : ": " + report.problems[0];
            QVERIFY2(report.problems.empty(), (where + problem.c_str()).constData());
            std::vector<bool> layout;
            for (std::uint8_t c : r.cells)
                layout.push_back(c != 0);
            QVERIFY2(isGoodLayout(r.width, r.height, layout), where.constData());
            QVERIFY2(seen.insert(r.cells).second, where.constData());
            // From 6x6 the sizes never shrink, and within one size the puzzles get no easier.
            QVERIFY2(k > 1 || (r.width == 6 && r.height == 6), where.constData());
            QVERIFY2(r.width >= previous.width && r.height >= previous.height, where.constData());
            if (r.width != previous.width || r.height != previous.height)
                easiest = Difficulty::Easy;
            QVERIFY2(report.grade.difficulty >= easiest, where.constData());
            easiest = report.grade.difficulty;
            previous = r;
            ++bands[int(report.grade.difficulty)];
            if (k > 500 && report.grade.hardest >= Technique::CrossingRuns)
                ++boardRungsLate[int(report.grade.hardest) - int(Technique::CrossingRuns)];
        }
        QVERIFY(previous.width == 30 && previous.height == 30);
        for (int n : boardRungsLate)
            QVERIFY2(n >= 20, qPrintable(QString::number(n)));
        // Every band is there, and the book is not one-sided.
        for (int d = 0; d < int(Difficulty::Guessing); ++d)
            QVERIFY2(bands[d] >= 100, qPrintable(QString::number(d)));
    }
};

QTEST_GUILESS_MAIN(TestShippedBook)
#include "test_shipped_book.moc"
