// The New Puzzle dialog. The size boxes take only the sides a puzzle can have.
#include "app/new_puzzle_dialog.h"

#include "game/puzzle_list.h"
#include "platform/app_identity.h"
#include "solver/puzzle_code.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace app {
namespace {

QSpinBox *sideBox(const QString &name, QWidget *parent)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(kakuro::kMinCodeSide, kakuro::kMaxCodeSide);
    box->setValue(10);
    return box;
}

} // namespace

NewPuzzleDialog::NewPuzzleDialog(QWidget *parent)
    : QDialog(parent), widthBox_(sideBox(QStringLiteral("txtWidth"), this)),
      heightBox_(sideBox(QStringLiteral("txtHeight"), this)), difficultyBox_(new QComboBox(this))
{
    setObjectName(QStringLiteral("diagNewPuzzle"));
    setWindowTitle(tr("%1 - New Puzzle").arg(platform::appTitle));
    setWindowIcon(platform::windowIcon());
    widthBox_->setAccessibleName(tr("Columns"));
    heightBox_->setAccessibleName(tr("Rows"));
    difficultyBox_->setObjectName(QStringLiteral("cmbDifficulty"));
    for (int d = 0; d < kakuro::kCodeDifficulties; ++d)
        difficultyBox_->addItem(game::PuzzleListModel::difficultyText(kakuro::Difficulty(d)), d);
    difficultyBox_->setCurrentIndex(1);

    auto *size = new QHBoxLayout;
    size->addWidget(widthBox_);
    size->addWidget(new QLabel(QStringLiteral("x"), this));
    size->addWidget(heightBox_);
    size->addStretch();
    auto *form = new QFormLayout(this);
    auto *sizeLabel = new QLabel(tr("&Size (columns x rows):"), this);
    sizeLabel->setBuddy(widthBox_);
    form->addRow(sizeLabel, size);
    form->addRow(tr("&Difficulty:"), difficultyBox_);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&Make Puzzle"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

int NewPuzzleDialog::puzzleWidth() const
{
    return widthBox_->value();
}

int NewPuzzleDialog::puzzleHeight() const
{
    return heightBox_->value();
}

int NewPuzzleDialog::difficulty() const
{
    return difficultyBox_->currentData().toInt();
}

QString NewPuzzleDialog::description(int width, int height, int difficulty)
{
    return tr("%1 %2", "size, difficulty")
        .arg(game::PuzzleListModel::sizeText(QSize(width, height)),
             game::PuzzleListModel::difficultyText(kakuro::Difficulty(difficulty)));
}

} // namespace app
