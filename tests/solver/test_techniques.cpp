// Each run technique on one run in a chosen state: what it removes, and when it gives up.
#include "solver/techniques.h"
#include "solver_test_util.h"

#include <QTest>

using namespace kakuro;
using solvertest::setOf;
using solvertest::textOf;

Q_DECLARE_METATYPE(kakuro::Technique)

namespace {

// One across run of `length` cells with sum `sum`, in a two-row grid whose top row is blocks.
Puzzle singleRun(int length, int sum)
{
    std::vector<bool> entry(std::size_t(2 * (length + 1)), false);
    for (int k = 1; k <= length; ++k)
        entry[std::size_t(length + 1 + k)] = true;
    Puzzle p = puzzleFromLayout(length + 1, 2, entry);
    p.runs[0].sum = sum;
    return p;
}

} // namespace

class TestTechniques : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void narrowsOneRun_data()
    {
        QTest::addColumn<Technique>("technique");
        QTest::addColumn<int>("sum");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after"); // empty: the run is impossible

        const auto T = [](const char *name, Technique t, int sum, QStringList before, QStringList after) {
            QTest::newRow(name) << t << sum << before << after;
        };
        T("sum 3 in two is 1+2", Technique::Combinations, 3, {"*", "*"}, {"12", "12"});
        T("sum 16 in two is 7+9", Technique::Combinations, 16, {"*", "*"}, {"79", "79"});
        T("a placed digit leaves the others", Technique::Combinations, 6, {"1", "*", "*"}, {"1", "23", "23"});
        T("wide sums keep every digit", Technique::Combinations, 20, {"*", "*", "*", "*"},
          {"*", "*", "*", "*"});
        T("nothing left to make", Technique::Combinations, 3, {"3", "*"}, {});
        T("a digit placed twice", Technique::Combinations, 10, {"5", "5", "*"}, {});
        T("digits too small for the sum", Technique::Combinations, 17, {"1234", "1234"}, {});
        T("needed digit with one home", Technique::HiddenSingle, 3, {"125", "256"}, {"1", "2"});
        T("needed digit with no home", Technique::HiddenSingle, 3, {"56", "25"}, {});
        T("the other cell makes up the rest", Technique::Remainder, 10, {"123", "*"}, {"123", "789"});
        T("remainder leaves a lone cell alone", Technique::Remainder, 10, {"1", "*"}, {"1", "*"});
        T("naked pair", Technique::Pairs, 20, {"12", "12", "1234", "12345"}, {"12", "12", "34", "345"});
        T("hidden pairs", Technique::Pairs, 10, {"1256", "127", "348", "349"}, {"12", "12", "34", "34"});
        T("pair that cannot fit", Technique::Pairs, 20, {"12", "12", "12", "*"}, {});
        T("naked triple, then the quad it makes", Technique::Subsets, 15, {"12", "23", "13", "1234", "12345"},
          {"12", "23", "13", "4", "5"});
        T("pairs are not triples", Technique::Subsets, 20, {"12", "12", "1234", "12345"},
          {"12", "12", "1234", "12345"});
        T("three cells: the last one is forced", Technique::RunConsistency, 12, {"12", "12", "*"},
          {"12", "12", "9"});
        T("four cells: what the pair leaves", Technique::RunConsistency, 13,
          {"12", "12", "3456789", "3456789"}, {"12", "12", "3467", "3467"});
        T("four cells: no filling at all", Technique::RunConsistency, 10, {"56", "*", "*", "*"}, {});
        T("same digits everywhere", Technique::RunConsistency, 7, {"*", "*", "*"}, {"124", "124", "124"});
        T("two cells", Technique::RunConsistency, 5, {"14", "*"}, {"14", "14"});
        T("quick settles the run", Technique::Quick, 4, {"*", "*"}, {"13", "13"});
        T("quick goes on until the run settles", Technique::Quick, 7, {"1", "25", "*"}, {"1", "2", "4"});
        T("quick leaves a pair open", Technique::Quick, 6, {"1", "23", "2345"}, {"1", "23", "23"});
    }
    void narrowsOneRun()
    {
        QFETCH(Technique, technique);
        QFETCH(int, sum);
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        const Puzzle p = singleRun(int(before.size()), sum);
        std::vector<DigitSet> domains;
        for (const QString &s : before)
            domains.push_back(setOf(s));
        const std::vector<DigitSet> start = domains;
        ChangeLog log;
        const Outcome outcome = applyTechnique(technique, p, 0, domains, log);
        if (after.isEmpty()) {
            QCOMPARE(outcome, Outcome::Contradiction);
            return;
        }
        QStringList got;
        for (DigitSet d : domains)
            got << textOf(d);
        QStringList want;
        for (const QString &s : after)
            want << textOf(setOf(s));
        QCOMPARE(got, want);
        QCOMPARE(
            outcome, got ==
                             [&] {
                                 QStringList b;
                                 for (DigitSet d : start)
                                     b << textOf(d);
                                 return b;
                             }()
                         ? Outcome::Unchanged
                         : Outcome::Changed);
        // The log holds every narrowing with the set before it, so a caller can undo them all.
        for (auto it = log.rbegin(); it != log.rend(); ++it)
            domains[std::size_t(it->cell)] = it->before;
        QCOMPARE(domains, start);
    }

    // Run consistency keeps exactly the digits that some complete filling uses: checked against
    // every filling of runs of four cells with assorted sets.
    void runConsistencyIsExact()
    {
        const QList<QStringList> states = {{"12", "1234", "3456789", "789"},
                                           {"135", "246", "1379", "2468"},
                                           {"9", "18", "27", "*"},
                                           {"1234", "1234", "1234", "56789"}};
        for (const QStringList &state : states) {
            for (int sum = 10; sum <= 30; ++sum) {
                const Puzzle p = singleRun(4, sum);
                std::vector<DigitSet> domains;
                for (const QString &s : state)
                    domains.push_back(setOf(s));
                DigitSet expected[4] = {};
                for (int a = 1; a <= 9; ++a)
                    for (int b = 1; b <= 9; ++b)
                        for (int c = 1; c <= 9; ++c) {
                            const int d = sum - a - b - c;
                            const int v[4] = {a, b, c, d};
                            bool ok = d >= 1 && d <= 9;
                            for (int i = 0; ok && i < 4; ++i)
                                ok = (domains[std::size_t(i)] & digitBit(v[i])) != 0;
                            for (int i = 0; ok && i < 4; ++i)
                                for (int j = i + 1; j < 4; ++j)
                                    ok = ok && v[i] != v[j];
                            if (ok)
                                for (int i = 0; i < 4; ++i)
                                    expected[i] |= digitBit(v[i]);
                        }
                ChangeLog log;
                const Outcome outcome = applyTechnique(Technique::RunConsistency, p, 0, domains, log);
                if (expected[0] == 0) {
                    QCOMPARE(outcome, Outcome::Contradiction);
                    continue;
                }
                for (int i = 0; i < 4; ++i)
                    QCOMPARE(textOf(domains[std::size_t(i)]), textOf(expected[i]));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestTechniques)
#include "test_techniques.moc"
