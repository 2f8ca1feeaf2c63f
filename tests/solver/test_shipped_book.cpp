// The shipped puzzle book: at least 1000 puzzles, each unique, solvable by logic and laid out by
// the house rules, from 6x6 up to 30x30, easy and small first; and the current generator still
// makes its opening puzzles byte for byte.
#include "solver/book_builder.h"
#include "solver/layout_generator.h"
#include "solver/puzzle_check.h"

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
        bytes_.assign(data.begin(), data.end());
        const puzzle::BookCheck check = puzzle::validateBook(bytes_);
        QVERIFY2(check.ok, check.error.c_str());
        for (int k = 1; k <= int(check.offsets.size()); ++k)
            records_.push_back(puzzle::readRecord(bytes_, check.offsets, k));
    }

    void holdsEnoughPuzzlesOfTheRightSizes()
    {
        QVERIFY(records_.size() >= 1000);
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
        }
        // Every band is there, and the book is not one-sided.
        for (int d = 0; d < 4; ++d)
            QVERIFY2(hardest[d] >= int(records_.size()) / 10, qPrintable(QString::number(d)));
        // Puzzles keep their numbers once released: none repeats another.
        std::vector<std::vector<std::uint8_t>> seen;
        for (const auto &r : records_)
            seen.push_back(r.cells);
        std::sort(seen.begin(), seen.end());
        QVERIFY(std::adjacent_find(seen.begin(), seen.end()) == seen.end());
    }

    // `make book` rebuilds the book with the default plan; the first size of it is rebuilt here.
    void openingPuzzlesAreReproducible()
    {
        const BookPlan plan;
        QCOMPARE(int(records_.size()), plan.count);
        int first = 1;
        while (plannedSize(plan, first) == plannedSize(plan, 0))
            ++first;
        const std::vector<BookEntry> again = buildBook(plan, {}, first);
        QCOMPARE(int(again.size()), first);
        for (int k = 0; k < first; ++k)
            QVERIFY2(again[std::size_t(k)].record == records_[std::size_t(k)],
                     qPrintable(QString::number(k + 1)));
    }

private:
    std::vector<std::uint8_t> bytes_;
    std::vector<puzzle::BookPuzzle> records_;
};

QTEST_GUILESS_MAIN(TestShippedBook)
#include "test_shipped_book.moc"
