// Writing a hint's sentences. Runs are named by direction and clue ("across 16"), with their first
// cell when another run of that direction has the same clue; cells as "row R, column C".
#include "game/hint_text.h"

#include "core/combination_table.h"
#include "core/run_rules.h"
#include "game/digit_text.h"
#include "game/hint_search.h"
#include "solver/run_state.h"

#include <QCoreApplication>
#include <QStringList>

namespace game {
namespace {

using kakuro::DigitSet;
using kakuro::Technique;

class HintWriter {
    Q_DECLARE_TR_FUNCTIONS(game::Hint)
public:
    HintWriter(const kakuro::Puzzle &puzzle, const std::vector<DigitSet> &board)
        : puzzle_(puzzle), written_(board)
    {
    }

    QString explain(const HintStep &step) const
    {
        switch (step.technique) {
        case Technique::Combinations:
            return combinations(step);
        case Technique::HiddenSingle:
            return sentence(
                       tr("Every way to fill %1 with the digits its empty cells allow uses %2, and no other "
                          "empty cell of it can take %2.")
                           .arg(runName(step.run))
                           .arg(kakuro::lowestDigit(step.digits))) +
                   conclusion(step);
        case Technique::Remainder:
            return remainder(step);
        case Technique::Pairs:
        case Technique::TriplesAndQuads:
            return subsets(step);
        case Technique::RunConsistency:
            return sentence(
                (step.places ? tr("Every way to fill %1 with the digits its empty cells allow puts %2 in %3.")
                             : tr("No way to fill %1 with the digits its empty cells allow puts %2 in %3."))
                    .arg(runName(step.run), changedDigits(step), cellName(step.cell)));
        case Technique::CrossingRuns:
            return sentence(tr("%1, %2, %3 and %4 meet at four cells, so they are filled together.")
                                .arg(runName(step.runs[0]), runName(step.runs[1]), runName(step.runs[2]),
                                     runName(step.runs[3]))) +
                   sentence(
                       (step.places
                            ? tr("Every way to fill all four with the digits their cells allow puts %1 in "
                                 "%2.")
                            : tr("No way to fill all four with the digits their cells allow puts %1 in %2."))
                           .arg(changedDigits(step), cellName(step.cell)));
        case Technique::RegionSums:
            return regionSums(step);
        case Technique::Contradiction:
            return sentence(tr("Suppose %1 were %2: following its runs from there leaves a run that cannot "
                               "be filled.")
                                .arg(cellName(step.cell))
                                .arg(step.assumed)) +
                   conclusion(step);
        }
        return {};
    }

private:
    // A sentence begins with a capital and is followed by a space when another comes after it.
    static QString sentence(QString text)
    {
        if (!text.isEmpty())
            text[0] = text[0].toUpper();
        return text + QLatin1Char(' ');
    }

    QString cellName(int cell) const
    {
        return tr("row %1, column %2").arg(puzzle_.rowOf(cell)).arg(puzzle_.colOf(cell));
    }

    QString runName(int run) const
    {
        const kakuro::Run &r = puzzle_.run(run);
        bool shared = false;
        for (const kakuro::Run &other : puzzle_.runs())
            shared = shared || (&other != &r && other.direction == r.direction && other.sum == r.sum);
        if (!shared)
            return (r.direction == kakuro::Direction::Across ? tr("across %1") : tr("down %1")).arg(r.sum);
        return (r.direction == kakuro::Direction::Across ? tr("across %1 at %2") : tr("down %1 at %2"))
            .arg(r.sum)
            .arg(cellName(puzzle_.cells(run).front()));
    }

    static QString countWord(int n)
    {
        static const char *const words[] = {
            QT_TRANSLATE_NOOP("game::Hint", "two"),   QT_TRANSLATE_NOOP("game::Hint", "three"),
            QT_TRANSLATE_NOOP("game::Hint", "four"),  QT_TRANSLATE_NOOP("game::Hint", "five"),
            QT_TRANSLATE_NOOP("game::Hint", "six"),   QT_TRANSLATE_NOOP("game::Hint", "seven"),
            QT_TRANSLATE_NOOP("game::Hint", "eight"), QT_TRANSLATE_NOOP("game::Hint", "nine")};
        return n >= 2 && n <= 9 ? tr(words[n - 2]) : QString::number(n);
    }

    // "a", "a or b", "a, b or c"; with `both` "and" in place of "or".
    static QString listOf(const QStringList &items, bool both = false)
    {
        if (items.isEmpty())
            return {};
        QString text = items.first();
        for (qsizetype k = 1; k + 1 < items.size(); ++k)
            text = tr("%1, %2").arg(text, items[k]);
        if (items.size() > 1)
            text = (both ? tr("%1 and %2") : tr("%1 or %2")).arg(text, items.last());
        return text;
    }

    static QString combination(DigitSet set) { return digitsOf(set).join(QStringLiteral(" + ")); }

    // The digits the step puts in its cell or rules out of it.
    static QString changedDigits(const HintStep &step)
    {
        return listOf(digitsOf(step.places ? step.after : DigitSet(step.before & ~step.after)));
    }

    // The digits a run allows its empty cells, from its clue and the digits written in it.
    DigitSet allows(int run) const
    {
        const kakuro::Run &r = puzzle_.run(run);
        return kakuro::digitsRunAllows(r.length, r.sum, kakuro::gatherRun(puzzle_, run, written_).placed);
    }

    QString conclusion(const HintStep &step) const
    {
        return sentence((step.places ? tr("So %1 is %2.") : tr("So %1 cannot be %2."))
                            .arg(cellName(step.cell), changedDigits(step)));
    }

    // What a run can still be, from its clue and the digits written in it.
    QString runOptions(int run) const
    {
        const kakuro::RunState s = kakuro::gatherRun(puzzle_, run, written_);
        std::vector<DigitSet> ways;
        for (DigitSet set : kakuro::combinationsAddingUpTo(s.openCount, s.remaining)) {
            if (!(set & s.placed))
                ways.push_back(set);
        }
        if (ways.empty())
            return {};
        QStringList shown;
        for (DigitSet way : ways)
            shown << combination(way);
        const QString name = runName(run), cells = countWord(s.openCount);
        QString text;
        if (ways.size() == 1)
            text = s.placed == 0 ? tr("%1 in %2 cells can only be %3.").arg(name, cells, shown.first())
                                 : tr("%1 needs %2 more in %3 empty cells, which can only be %4.")
                                       .arg(name, QString::number(s.remaining), cells, shown.first());
        else if (ways.size() <= 4)
            text = s.placed == 0 ? tr("%1 in %2 cells is %3.").arg(name, cells, listOf(shown))
                                 : tr("%1 needs %2 more in %3 empty cells: %4.")
                                       .arg(name, QString::number(s.remaining), cells, listOf(shown));
        else
            text = s.placed == 0
                       ? tr("%1 in %2 cells can only use %3.").arg(name, cells, listOf(digitsOf(allows(run))))
                       : tr("%1 needs %2 more in %3 empty cells, which can only use %4.")
                             .arg(name, QString::number(s.remaining), cells, listOf(digitsOf(allows(run))));
        return sentence(text);
    }

    // One run's combinations, and the digits already written in it, narrow the cell; with the
    // player's marks that may leave it one digit.
    QString combinations(const HintStep &step) const
    {
        const kakuro::RunState s = kakuro::gatherRun(puzzle_, step.run, written_);
        if (step.places && s.openCount == 1)
            return sentence(tr("%1 has only %2 left empty and needs %3 more, so that cell is %3.")
                                .arg(runName(step.run), cellName(step.cell))
                                .arg(s.remaining));
        const DigitSet removed = DigitSet(step.before & ~step.after);
        QString text;
        if (removed & ~s.placed)
            text += runOptions(step.run);
        if (const DigitSet there = DigitSet(removed & s.placed))
            text += sentence(tr("%1 already has %2.").arg(runName(step.run), listOf(digitsOf(there), true)));
        if (step.places && step.before != kakuro::kAllDigits)
            return text + sentence(tr("Of the digits marked in %1, only %2 is left, so that cell is %2.")
                                       .arg(cellName(step.cell), changedDigits(step)));
        return text + conclusion(step);
    }

    QString remainder(const HintStep &step) const
    {
        const kakuro::RunState s = kakuro::gatherRun(puzzle_, step.run, written_);
        return sentence(tr("The empty cells of %1 must make %2, and its other empty cells can only hold %3.")
                            .arg(runName(step.run))
                            .arg(s.remaining)
                            .arg(listOf(digitsOf(step.digits)))) +
               sentence((step.places
                             ? tr("Only %1 in %2 leaves them a way to make the rest, so that cell is %1.")
                             : tr("%1 in %2 would leave them no way to make the rest, so that cell cannot "
                                  "be %1."))
                            .arg(changedDigits(step), cellName(step.cell)));
    }

    QString subsets(const HintStep &step) const
    {
        QStringList group;
        for (int cell : step.group)
            group << cellName(cell);
        const QString run = runName(step.run), digits = listOf(digitsOf(step.digits), true);
        QString reason;
        if (step.technique == Technique::Pairs)
            reason = step.hidden
                         ? tr("%1 must use %2, and only %3 and %4 can take them, so those two cells hold "
                              "nothing else.")
                               .arg(run, digits, group[0], group[1])
                         : tr("In %1, %2 and %3 can only hold %4 between them, so no other cell of %1 can.")
                               .arg(run, group[0], group[1], digits);
        else
            reason = step.hidden
                         ? tr("%1 must use %2, and only the cells %3 can take them, so those cells hold "
                              "nothing else.")
                               .arg(run, digits, listOf(group, true))
                         : tr("In %1, the cells %2 can only hold %3 between them, so no other cell of %1 "
                              "can.")
                               .arg(run, listOf(group, true), digits);
        return sentence(reason) + conclusion(step);
    }

    // The runs of the step are the block's first (the direction of the first), then those crossing it.
    QString regionSums(const HintStep &step) const
    {
        const kakuro::Direction across = puzzle_.run(step.runs.front()).direction;
        QStringList block;
        int blockSum = 0, crossingSum = 0;
        for (int run : step.runs) {
            const kakuro::Run &r = puzzle_.run(run);
            if (r.direction == across) {
                block << runName(run);
                blockSum += r.sum;
            } else {
                crossingSum += r.sum;
            }
        }
        const QString clues =
            block.size() == 1
                ? tr("The clues of the runs crossing %1 add up to %2.").arg(block.first()).arg(crossingSum)
                : tr("The clues of %1 add up to %2, and the clues of the runs crossing them add up "
                     "to %3.")
                      .arg(listOf(block, true))
                      .arg(blockSum)
                      .arg(crossingSum);
        return sentence(clues) +
               sentence((step.places
                             ? tr("The cells in only one of these groups must make up the difference, with "
                                  "the digits written, so %1 is %2.")
                             : tr("The cells in only one of these groups must make up the difference, with "
                                  "the digits written, so %1 cannot be %2."))
                            .arg(cellName(step.cell), changedDigits(step)));
    }

    const kakuro::Puzzle &puzzle_;
    const std::vector<DigitSet> &written_;
};

} // namespace

QString wrongDigitText(int digit, int col, int row)
{
    return QCoreApplication::translate("game::Hint", "The %1 in row %2, column %3 is wrong.")
        .arg(digit)
        .arg(row)
        .arg(col);
}

QString noStepText()
{
    return QCoreApplication::translate("game::Hint", "No step can be found by reasoning from here.");
}

QString lostDigitText(int col, int row)
{
    return QCoreApplication::translate(
               "game::Hint", "Your marks in row %1, column %2 leave out a digit that belongs there.")
        .arg(row)
        .arg(col);
}

QString lastMarkText(int digit, int col, int row)
{
    return QCoreApplication::translate("game::Hint",
                                       "Your marks in row %1, column %2 leave only %3, so that cell is %3.")
        .arg(row)
        .arg(col)
        .arg(digit);
}

QString stepText(const kakuro::Puzzle &puzzle, const std::vector<DigitSet> &board, const HintStep &step)
{
    return HintWriter(puzzle, board).explain(step).trimmed();
}

} // namespace game
