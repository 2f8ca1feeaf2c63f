// The shipped puzzle book: exactly the released bytes, 1000 puzzles from 6x6 up to 30x30, each
// unique, finished by the ladder and laid out by the house rules, easy and small first, and its
// second half rich in the board rungs.
#include "solver/layout_generator.h"
#include "solver/puzzle_check.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTest>

using namespace kakuro;

class TestShippedBook : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QFile file(QStringLiteral(KORVEL_SHIPPED_BOOK));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        // Puzzle numbers are what saved games and best times are kept under: from this release on
        // the book only grows, so a change to these bytes must be an append.
        QCOMPARE(QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex(),
                 QByteArray("8d99993c23df7498990fe8479015443c19ff8477d8811e4e7f3c71df7ffae630"));
        bytes_.assign(data.begin(), data.end());
        const puzzle::BookCheck check = puzzle::validateBook(bytes_);
        QVERIFY2(check.ok, check.error.c_str());
        for (int k = 1; k <= int(check.offsets.size()); ++k)
            records_.push_back(puzzle::readRecord(bytes_, check.offsets, k));
    }

    void holdsEnoughPuzzlesOfTheRightSizes()
    {
        QCOMPARE(int(records_.size()), 1000);
        QCOMPARE(records_.front().width, 6);
        QCOMPARE(records_.front().height, 6);
        QCOMPARE(records_.back().width, 30);
        QCOMPARE(records_.back().height, 30);
        for (std::size_t k = 1; k < records_.size(); ++k)
            QVERIFY(records_[k].width * records_[k].height >= records_[k - 1].width * records_[k - 1].height);
    }

    void everyPuzzleIsUniqueLogicalAndWellLaidOut()
    {
        Difficulty previous = Difficulty::Easy;
        int hardest[kDifficultyCount] = {};
        int boardRungsLate[3] = {}; // puzzles 501-1000 whose hardest step is each board rung
        for (std::size_t k = 0; k < records_.size(); ++k) {
            const puzzle::BookPuzzle &r = records_[k];
            const PuzzleReport report = checkPuzzle(r, true);
            QVERIFY2(report.problems.empty(),
                     qPrintable(QStringLiteral("puzzle %1: %2")
                                    .arg(k + 1)
                                    .arg(report.problems.empty() ? "" : report.problems.front().c_str())));
            std::vector<bool> layout;
            for (std::uint8_t c : r.cells)
                layout.push_back(c != 0);
            QVERIFY2(isGoodLayout(r.width, r.height, layout), qPrintable(QString::number(k + 1)));
            // Within one size the puzzles get no easier.
            const bool sameSize =
                k > 0 && r.width == records_[k - 1].width && r.height == records_[k - 1].height;
            if (sameSize)
                QVERIFY2(report.grade.difficulty >= previous, qPrintable(QString::number(k + 1)));
            previous = report.grade.difficulty;
            ++hardest[int(report.grade.difficulty)];
            if (k >= 500 && report.grade.hardest >= Technique::CrossingRuns)
                ++boardRungsLate[int(report.grade.hardest) - int(Technique::CrossingRuns)];
        }
        for (int n : boardRungsLate)
            QVERIFY2(n >= 20, qPrintable(QString::number(n)));
        QVERIFY(boardRungsLate[0] + boardRungsLate[1] + boardRungsLate[2] >= 100);
        // Every band is there, and the book is not one-sided.
        for (int d = 0; d < int(Difficulty::Guessing); ++d)
            QVERIFY2(hardest[d] >= int(records_.size()) / 10, qPrintable(QString::number(d)));
        // Puzzles keep their numbers once released: none repeats another.
        std::vector<std::vector<std::uint8_t>> seen;
        for (const auto &r : records_)
            seen.push_back(r.cells);
        std::sort(seen.begin(), seen.end());
        QVERIFY(std::adjacent_find(seen.begin(), seen.end()) == seen.end());
    }

private:
    std::vector<std::uint8_t> bytes_;
    std::vector<puzzle::BookPuzzle> records_;
};

QTEST_GUILESS_MAIN(TestShippedBook)
#include "test_shipped_book.moc"
