// The combinations window's text.
#include "view/combination_window.h"

#include "game/game.h"
#include "game/run_rules.h"
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

// One run: its heading, then its combinations; those without every written digit are greyed.
QString runText(const QString &heading, const puzzle::Run &run, kakuro::DigitSet written)
{
    QString text = QStringLiteral("<p><b>%1</b><br>").arg(heading.toHtmlEscaped());
    QStringList combinations;
    for (kakuro::DigitSet combination : game::combinationsAddingUpTo(run.length, run.sum)) {
        const QString digits = digitsText(combination).replace(QLatin1Char(' '), QStringLiteral("&nbsp;")); // kept on one line
        combinations.append((combination & written) == written
                                ? digits
                                : QStringLiteral("<span style=\"color:#a0a0a0\">%1</span>").arg(digits));
    }
    return text + combinations.join(QStringLiteral(" &nbsp; ")) + QStringLiteral("</p>");
}

} // namespace

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
    const puzzle::Puzzle &p = game_.puzzle();
    if (!p.isEntry(col, row)) {
        label_->setText(tr("Select a cell."));
        return;
    }
    const int i = p.cellIndex(col, row);
    // The runs are greyed by every written digit; what the cell can take is asked as if it were
    // empty, since its own digit is one of the choices.
    puzzle::Entries others = game_.entries();
    others.erase(i);
    QString text;
    if (const int a = p.acrossRunOf(i); a >= 0) {
        const puzzle::Run &run = p.acrossRuns()[std::size_t(a)];
        const kakuro::DigitSet written = game::writtenDigits(game_.entries(), game::cellsOf(p, run, game::RunDirection::Across));
        text += runText(tr("Across %1 in %n cells", nullptr, run.length).arg(run.sum), run, written);
    }
    if (const int d = p.downRunOf(i); d >= 0) {
        const puzzle::Run &run = p.downRuns()[std::size_t(d)];
        const kakuro::DigitSet written = game::writtenDigits(game_.entries(), game::cellsOf(p, run, game::RunDirection::Down));
        text += runText(tr("Down %1 in %n cells", nullptr, run.length).arg(run.sum), run, written);
    }
    const kakuro::DigitSet candidates = game::candidatesOf(p, others, i);
    text += QStringLiteral("<p>%1</p>").arg(
        (candidates ? tr("This cell can take %1.").arg(digitsText(candidates)) : tr("No digit fits this cell."))
            .toHtmlEscaped());
    label_->setText(text);
    resize(size().expandedTo(sizeHint())); // grows to the longest list shown, never shrinks under it
}

} // namespace view
