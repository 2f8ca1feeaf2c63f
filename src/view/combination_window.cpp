// The combinations window's text.
#include "view/combination_window.h"

#include "core/run_rules.h"
#include "game/digit_text.h"
#include "game/game.h"
#include "platform/app_identity.h"

#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace view {
namespace {

QString digitsText(kakuro::DigitSet set)
{
    return game::digitsOf(set).join(QLatin1Char(' '));
}

// One run through a cell: its heading, and its combinations with those the written digits rule out.
struct RunChoices {
    QString heading;
    std::vector<std::pair<QString, bool>> combinations; // digits, and whether ruled out
};

// What the window shows for entry cell (col, row): its runs, then what the cell can take.
struct CellChoices {
    std::vector<RunChoices> runs;
    QString cellCanTake;
};

CellChoices choicesOf(const game::Game &game, int col, int row)
{
    const kakuro::Puzzle &p = game.puzzle();
    const int cell = p.cellAt(col, row);
    // What the cell can take is asked as if it were empty, since its own digit is one of the choices.
    const std::vector<std::uint8_t> digits = game.entries().digits();
    std::vector<std::uint8_t> others = digits;
    others[std::size_t(cell)] = 0;
    CellChoices choices;
    for (int index : p.runsOf(cell)) {
        if (index == kakuro::kNoRun)
            continue;
        const kakuro::Run &run = p.run(index);
        const kakuro::DigitSet written = kakuro::writtenDigits(p, digits, run);
        RunChoices choice;
        choice.heading =
            run.direction == kakuro::Direction::Across
                ? CombinationWindow::tr("Across %1 in %n cells", nullptr, run.length).arg(run.sum)
                : CombinationWindow::tr("Down %1 in %n cells", nullptr, run.length).arg(run.sum);
        for (kakuro::DigitSet combination : kakuro::combinationsAddingUpTo(run.length, run.sum))
            choice.combinations.emplace_back(digitsText(combination), (combination & written) != written);
        choices.runs.push_back(std::move(choice));
    }
    const kakuro::DigitSet candidates = kakuro::candidatesOf(p, others, cell);
    choices.cellCanTake = candidates
                              ? CombinationWindow::tr("This cell can take %1.").arg(digitsText(candidates))
                              : CombinationWindow::tr("No digit fits this cell.");
    return choices;
}

// One run as rich text: its heading, then its combinations, the ruled-out ones greyed.
QString runText(const RunChoices &run)
{
    QStringList combinations;
    for (const auto &[digits, ruledOut] : run.combinations) {
        QString shown =
            QString(digits).replace(QLatin1Char(' '), QStringLiteral("&nbsp;")); // kept on one line
        combinations.append(ruledOut ? QStringLiteral("<span style=\"color:#a0a0a0\">%1</span>").arg(shown)
                                     : shown);
    }
    return QStringLiteral("<p><b>%1</b><br>").arg(run.heading.toHtmlEscaped()) +
           combinations.join(QStringLiteral(" &nbsp; ")) + QStringLiteral("</p>");
}

} // namespace

QString spokenCombinations(const game::Game &game, int col, int row)
{
    if (!game.puzzle().isEntry(col, row))
        return {};
    const CellChoices choices = choicesOf(game, col, row);
    QStringList sentences;
    for (const RunChoices &run : choices.runs) {
        QStringList open, ruledOut;
        for (const auto &[digits, out] : run.combinations)
            (out ? ruledOut : open).append(digits);
        sentences << (ruledOut.isEmpty()
                          ? CombinationWindow::tr("%1: %2.").arg(run.heading, open.join(QStringLiteral(", ")))
                          : CombinationWindow::tr("%1: %2; ruled out: %3.")
                                .arg(run.heading, open.join(QStringLiteral(", ")),
                                     ruledOut.join(QStringLiteral(", "))));
    }
    sentences << choices.cellCanTake;
    return sentences.join(QLatin1Char(' '));
}

CombinationWindow::CombinationWindow(const game::Game &game, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowDoesNotAcceptFocus), game_(game)
{
    setObjectName(QStringLiteral("combinationWindow"));
    setWindowTitle(tr("%1 - Combinations").arg(platform::appTitle));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("combinationText"));
    label_->setTextFormat(Qt::RichText);
    label_->setWordWrap(true);
    label_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    label_->setMinimumWidth(300);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    showCell(-1, -1);
}

void CombinationWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    Q_EMIT closedByPlayer();
}

QString CombinationWindow::text() const
{
    return label_->text();
}

void CombinationWindow::showCell(int col, int row)
{
    col_ = col;
    row_ = row;
    const kakuro::Puzzle &p = game_.puzzle();
    if (!p.isEntry(col, row)) {
        label_->setText(tr("Select a cell."));
        return;
    }
    const CellChoices choices = choicesOf(game_, col, row);
    QString text;
    for (const RunChoices &run : choices.runs)
        text += runText(run);
    text += QStringLiteral("<p>%1</p>").arg(choices.cellCanTake.toHtmlEscaped());
    label_->setText(text);
    resize(size().expandedTo(sizeHint())); // grows to the longest list shown, never shrinks under it
}

} // namespace view
