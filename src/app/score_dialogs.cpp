// The score and statistics dialogs.
#include "app/score_dialogs.h"

#include "game/game.h"
#include "game/my_puzzles.h"
#include "platform/app_identity.h"
#include "platform/modal.h"
#include "store/player_settings.h"
#include "store/score.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kNameLength = 25;

// The time a finish is recorded with. 0 marks an empty slot, so a finish within the first
// second counts as 1 s.
std::int32_t recordedTime(int secondsPlayed)
{
    return std::max(secondsPlayed, 1);
}

QLabel *namedLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

namespace app {

ScoreDialog::ScoreDialog(game::Game &game, store::PlayerSettings &settings, QWidget *parent)
    : QDialog(parent), game_(game), settings_(settings)
{
    setObjectName(QStringLiteral("frmScoreInput"));
    setWindowTitle(platform::appTitle);
    setWindowIcon(platform::windowIcon());

    // OK is made first so that it leads the tab order; the name box follows it.
    auto *okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("OKButton"));
    okButton->setDefault(true);
    nameBox = new QLineEdit(this);
    nameBox->setObjectName(QStringLiteral("txtName"));
    nameBox->setMaxLength(kNameLength);
    QLabel *timeCaption = namedLabel(QStringLiteral("lblTime"), tr("Time Played : "), this);
    QLabel *timePlayed = namedLabel(QStringLiteral("lblTimePlayed"), game_.clock().text(), this);
    QLabel *nameCaption = namedLabel(QStringLiteral("lblName"), tr("Enter Your Name : "), this);

    const QFont face(QStringLiteral("Times New Roman"), 10);
    for (QWidget *w : std::initializer_list<QWidget *>{timeCaption, timePlayed, nameCaption, nameBox})
        w->setFont(face);

    auto *grid = new QGridLayout(this);
    grid->addWidget(timeCaption, 0, 0);
    grid->addWidget(timePlayed, 0, 1);
    grid->addWidget(nameCaption, 1, 0);
    grid->addWidget(nameBox, 1, 1);
    grid->addWidget(okButton, 2, 0, 1, 2, Qt::AlignHCenter);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    nameCaption->setBuddy(nameBox);
    nameBox->setAccessibleName(nameCaption->text().trimmed());
    // The focus starts on OK, which tells a screen reader the time it is asked about.
    okButton->setAccessibleDescription(tr("Time Played : %1").arg(timePlayed->text()));
    setTabOrder(okButton, nameBox);
    okButton->setFocus();

    connect(okButton, &QPushButton::clicked, this, &ScoreDialog::acceptScore);
}

void ScoreDialog::acceptScore()
{
    const bool own = game_.playingOwn();
    const int number = own ? game_.ownPuzzleNumber() : game_.puzzleNumber();
    const std::int32_t seconds = recordedTime(game_.clock().seconds());
    if (settings_.recordBestTime(number, seconds, nameBox->text().trimmed(), game_.hintsUsed(), own)) {
        StatisticsDialog stats(settings_, number, this, own, StatisticsDialog::codeInPlay(game_));
        platform::execDialog(stats);
    }
    game_.nextPuzzle();
    accept();
}

void ScoreDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

PuzzleCodeLine::PuzzleCodeLine(QWidget *parent) : QWidget(parent), label_(new QLabel(this))
{
    label_->setObjectName(QStringLiteral("lblCode"));
    label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *copy = new QPushButton(tr("Copy Code"), this);
    copy->setObjectName(QStringLiteral("cmdCopyCode"));
    copy->setAutoDefault(false);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(label_, 1);
    row->addWidget(copy);
    connect(copy, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(code_); });
    setCode({});
}

void PuzzleCodeLine::setCode(const QString &code)
{
    code_ = code;
    label_->setText(tr("Puzzle code: %1").arg(code));
    setVisible(!code.isEmpty());
}

QString StatisticsDialog::codeInPlay(const game::Game &game)
{
    if (!game.playingOwn() || !game.myPuzzles())
        return {};
    const std::optional<kakuro::PuzzleCode> code = game.myPuzzles()->code(game.ownPuzzleNumber());
    return code ? QString::fromStdString(kakuro::codeText(*code)) : QString();
}

StatisticsDialog::StatisticsDialog(store::PlayerSettings &settings, int puzzleNumber, QWidget *parent,
                                   bool own, const QString &code)
    : QDialog(parent), settings_(settings), puzzleNumber_(puzzleNumber), own_(own)
{
    setObjectName(QStringLiteral("diagStats"));
    setWindowTitle(tr("%1 - Top 3 performance").arg(platform::appTitle));
    setWindowIcon(platform::windowIcon());

    auto *frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto *table = new QGridLayout(frame);
    const QFont rowFace(QStringLiteral("MS Sans Serif"), 9);
    QFont headFace = rowFace;
    headFace.setBold(true);
    for (int i = 0; i <= 3; ++i) {
        const std::size_t at = std::size_t(i);
        nameLabels[at] = namedLabel(QStringLiteral("lblUsrName_%1").arg(i), {}, frame);
        timeLabels[at] = namedLabel(QStringLiteral("lblSec_%1").arg(i), {}, frame);
        nameLabels[at]->setFont(i == 3 ? headFace : rowFace);
        timeLabels[at]->setFont(i == 3 ? headFace : rowFace);
        nameLabels[at]->setMinimumWidth(180);
        timeLabels[at]->setMinimumWidth(60);
        const int row = i == 3 ? 0 : i + 1; // the headings above rank 1
        table->addWidget(nameLabels[at], row, 0);
        table->addWidget(timeLabels[at], row, 1, Qt::AlignRight);
    }
    nameLabels[3]->setText(tr("Name"));
    timeLabels[3]->setText(tr("Time"));

    auto *clearButton = new QPushButton(tr("Clear Data"), this);
    clearButton->setObjectName(QStringLiteral("CancelButton"));
    clearButton->setAutoDefault(false);
    auto *okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("OKButton"));
    okButton->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(clearButton);
    buttons->addWidget(okButton);
    auto *codeLine = new PuzzleCodeLine(this);
    codeLine->setCode(code);
    auto *outer = new QVBoxLayout(this);
    outer->addWidget(frame);
    outer->addWidget(codeLine);
    outer->addLayout(buttons);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    okButton->setFocus();
    okButton_ = okButton;

    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(clearButton, &QPushButton::clicked, this, &StatisticsDialog::clearData);
    showTable();
}

void StatisticsDialog::showTable()
{
    for (int i = 0; i <= 2; ++i) {
        nameLabels[std::size_t(i)]->clear();
        timeLabels[std::size_t(i)]->clear();
    }
    okButton_->setAccessibleDescription(tr("No best times yet."));
    const store::PuzzleStats *stats = store::statsOf(settings_.values(), puzzleNumber_, own_);
    if (!stats)
        return;
    QStringList ranks; // the table as sentences, for screen readers
    for (std::size_t k = 1; k <= 3; ++k) {
        const QString &name = stats->bestNames[k];
        if (!name.startsWith(store::kHiddenName))
            nameLabels[k - 1]->setText(name);
        const std::int32_t t = stats->bestTimes[k];
        if (t == 0 || t == store::kClearedTime)
            continue;
        const int hints = stats->hintCounts[k];
        // "1 hint" has a text of its own, since without a translation %n takes no plural.
        timeLabels[k - 1]->setText(hints <= 0 ? QString::number(t)
                                   : hints == 1
                                       ? tr("%1 (1 hint)", "a best time helped by one hint").arg(t)
                                       : tr("%1 (%n hints)", "a best time helped by hints", hints).arg(t));
        ranks << tr("%1. %2, %3", "rank, name, time")
                     .arg(k)
                     .arg(nameLabels[k - 1]->text(), timeLabels[k - 1]->text());
    }
    if (!ranks.isEmpty())
        okButton_->setAccessibleDescription(ranks.join(QLatin1Char(' ')));
}

void StatisticsDialog::clearData()
{
    settings_.clearBestTimes(puzzleNumber_, own_);
    showTable();
}

} // namespace app
