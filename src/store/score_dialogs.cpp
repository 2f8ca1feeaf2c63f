// The score and statistics dialogs.
#include "store/score_dialogs.h"

#include "game/frm_tav_mn.h"
#include "platform/app_identity.h"
#include "platform/modal.h"
#include "store/score.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <limits>

namespace {

constexpr int kNameLength = 25;
const QString kHiddenName = QStringLiteral("Anonymous");

// The time a finish is recorded with. 0 marks an empty slot, so a finish within the first
// second counts as 1 s; a clock that ran past its 16-bit limit counts as the longest time.
std::int32_t recordedTime(std::int16_t secondsPlayed)
{
    if (secondsPlayed == 0)
        return 1;
    if (secondsPlayed < 0)
        return std::numeric_limits<std::int16_t>::max();
    return secondsPlayed;
}

// The current puzzle's table, or nothing when the number lies outside the book.
modReg::PuzzleStats *currentStats(frmTavMn &main)
{
    const int p = main.board().lastPlayed[1];
    auto &all = main.settings().puzzleStats;
    if (p < 1 || std::size_t(p) >= all.size())
        return nullptr;
    return &all[std::size_t(p)];
}

QLabel *namedLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

frmScoreInput::frmScoreInput(frmTavMn &mainWindow) : QDialog(&mainWindow), main_(mainWindow)
{
    setObjectName(QStringLiteral("frmScoreInput"));
    setWindowTitle(appIdentity::title);
    setWindowIcon(main_.windowIcon());

    // OK is made first so that it leads the tab order; the name box follows it.
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    txtName = new QLineEdit(this);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setMaxLength(kNameLength);
    txtName->clear();
    lblTime = namedLabel(QStringLiteral("lblTime"), QStringLiteral("Time Played : "), this);
    lblTimePlayed = namedLabel(QStringLiteral("lblTimePlayed"), main_.timePlayedText, this);
    lblName = namedLabel(QStringLiteral("lblName"), QStringLiteral("Enter Your Name : "), this);

    const QFont face(QStringLiteral("Times New Roman"), 10);
    for (QWidget *w : {static_cast<QWidget *>(lblTime), static_cast<QWidget *>(lblTimePlayed),
                       static_cast<QWidget *>(lblName), static_cast<QWidget *>(txtName)})
        w->setFont(face);

    auto *grid = new QGridLayout(this);
    grid->addWidget(lblTime, 0, 0);
    grid->addWidget(lblTimePlayed, 0, 1);
    grid->addWidget(lblName, 1, 0);
    grid->addWidget(txtName, 1, 1);
    grid->addWidget(OKButton, 2, 0, 1, 2, Qt::AlignHCenter);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(OKButton, txtName);
    OKButton->setFocus();

    connect(OKButton, &QPushButton::clicked, this, &frmScoreInput::OKButton_Click);
}

void frmScoreInput::OKButton_Click()
{
    modData::Board &board = main_.board();
    const int puzzle = std::int16_t(board.lastPlayed[1]);
    const std::int32_t seconds = recordedTime(main_.secondsPlayed);
    if (modScore::rankForTime(main_.settings(), puzzle, seconds) <= 3) {
        modScore::insertTime(main_.settings(), puzzle, seconds, txtName->text().trimmed());
        diagStats stats(main_);
        modal::exec(stats);
    }
    if (main_.shownPuzzle <= board.puzzleCount - 1) {
        std::int32_t &current = board.lastPlayed[1];
        current = current >= board.puzzleCount ? 1 : current + 1;
        main_.startGame(false);
        main_.shownPuzzle += 1;
        main_.txtGN->setText(QString::number(main_.shownPuzzle));
    }
    accept();
}

void frmScoreInput::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

diagStats::diagStats(frmTavMn &mainWindow) : QDialog(&mainWindow), main_(mainWindow)
{
    setObjectName(QStringLiteral("diagStats"));
    setWindowTitle(appIdentity::title + QStringLiteral(" - Top 3 performance"));
    setWindowIcon(main_.windowIcon());

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto *table = new QGridLayout(Frame1);
    const QFont rowFace(QStringLiteral("MS Sans Serif"), 9);
    QFont headFace = rowFace;
    headFace.setBold(true);
    for (int i = 0; i <= 3; ++i) {
        const std::size_t at = std::size_t(i);
        lblUsrName[at] = namedLabel(QStringLiteral("lblUsrName_%1").arg(i), {}, Frame1);
        lblSec[at] = namedLabel(QStringLiteral("lblSec_%1").arg(i), {}, Frame1);
        lblUsrName[at]->setFont(i == 3 ? headFace : rowFace);
        lblSec[at]->setFont(i == 3 ? headFace : rowFace);
        lblUsrName[at]->setMinimumWidth(180);
        lblSec[at]->setMinimumWidth(60);
        const int row = i == 3 ? 0 : i + 1; // the headings above rank 1
        table->addWidget(lblUsrName[at], row, 0);
        table->addWidget(lblSec[at], row, 1, Qt::AlignRight);
    }
    lblUsrName[3]->setText(QStringLiteral("Name"));
    lblSec[3]->setText(QStringLiteral("Time"));

    CancelButton = new QPushButton(QStringLiteral("Clear Data"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setAutoDefault(false);
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(CancelButton);
    buttons->addWidget(OKButton);
    auto *outer = new QVBoxLayout(this);
    outer->addWidget(Frame1);
    outer->addLayout(buttons);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    OKButton->setFocus();

    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &diagStats::CancelButton_Click);
    showTable();
}

void diagStats::showTable()
{
    for (int i = 0; i <= 2; ++i) {
        lblUsrName[std::size_t(i)]->clear();
        lblSec[std::size_t(i)]->clear();
    }
    const modReg::PuzzleStats *stats = currentStats(main_);
    if (!stats)
        return;
    for (std::size_t k = 1; k <= 3; ++k) {
        const QString &name = stats->bestNames[k];
        if (!name.startsWith(kHiddenName))
            lblUsrName[k - 1]->setText(name);
        const std::int32_t t = stats->bestTimes[k];
        if (t != 0 && t != modReg::kClearedTime)
            lblSec[k - 1]->setText(QString::number(t));
    }
}

void diagStats::CancelButton_Click()
{
    if (modReg::PuzzleStats *stats = currentStats(main_)) {
        for (std::size_t k = 1; k <= 3; ++k) {
            stats->bestNames[k] = kHiddenName;
            stats->bestTimes[k] = modReg::kClearedTime;
        }
    }
    showTable();
}
