// The puzzle editor's window: size, symmetry, the grid, the two sum boxes, the solver's status
// line and the buttons.
#include "app/puzzle_editor_dialog.h"

#include "app/editor_board.h"
#include "platform/app_identity.h"
#include "platform/modal.h"
#include "platform/whole_file.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>

namespace app {
namespace {

QSpinBox *sideBox(const QString &name, int value, QWidget *parent)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(game::kMinEditorSide, game::kMaxEditorSide);
    box->setValue(value);
    return box;
}

QLineEdit *sumBox(const QString &name, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setValidator(new QIntValidator(0, 99, box));
    box->setMaxLength(2);
    box->setFixedWidth(48);
    return box;
}

QPushButton *button(const QString &name, const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QLabel *labelFor(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

PuzzleEditorDialog::PuzzleEditorDialog(const QString &draftPath, QWidget *parent)
    : QDialog(parent), editor_(10, 10), draftPath_(draftPath), board_(new EditorBoard(editor_, this)),
      widthBox_(sideBox(QStringLiteral("txtWidth"), 10, this)),
      heightBox_(sideBox(QStringLiteral("txtHeight"), 10, this)), symmetryBox_(new QCheckBox(this)),
      acrossBox_(sumBox(QStringLiteral("txtAcross"), this)),
      downBox_(sumBox(QStringLiteral("txtDown"), this)), sumProblem_(new QLabel(this)),
      status_(new QLabel(this)), undoButton_(button(QStringLiteral("cmdUndo"), tr("&Undo"), this)),
      saveButton_(button(QStringLiteral("cmdSave"), tr("&Save and Play"), this))
{
    setObjectName(QStringLiteral("diagEnterPuzzle"));
    setWindowTitle(tr("%1 - Enter Puzzle").arg(platform::appTitle));
    setWindowIcon(platform::windowIcon());
    symmetryBox_->setObjectName(QStringLiteral("chkSymmetry"));
    symmetryBox_->setText(tr("Half-turn s&ymmetry"));
    symmetryBox_->setChecked(editor_.symmetric());
    sumProblem_->setObjectName(QStringLiteral("lblSumProblem"));
    status_->setObjectName(QStringLiteral("lblStatus"));
    status_->setAccessibleName(tr("Solver status"));
    auto *newGridButton = button(QStringLiteral("cmdNewGrid"), tr("&New Grid"), this);
    auto *draftButton = button(QStringLiteral("cmdDraft"), tr("&Keep Draft"), this);
    auto *closeButton = button(QStringLiteral("cmdClose"), tr("Close"), this);

    auto *sizeRow = new QHBoxLayout;
    sizeRow->addWidget(labelFor(tr("Si&ze (columns x rows):"), widthBox_, this));
    sizeRow->addWidget(widthBox_);
    sizeRow->addWidget(new QLabel(QStringLiteral("x"), this));
    sizeRow->addWidget(heightBox_);
    sizeRow->addWidget(newGridButton);
    sizeRow->addSpacing(12);
    sizeRow->addWidget(symmetryBox_);
    sizeRow->addStretch();

    auto *scroll = new QScrollArea(this);
    scroll->setWidget(board_);
    scroll->setAlignment(Qt::AlignCenter);
    scroll->setMinimumSize(420, 420);

    auto *sumRow = new QHBoxLayout;
    sumRow->addWidget(labelFor(tr("&Across sum:"), acrossBox_, this));
    sumRow->addWidget(acrossBox_);
    sumRow->addSpacing(12);
    sumRow->addWidget(labelFor(tr("&Down sum:"), downBox_, this));
    sumRow->addWidget(downBox_);
    sumRow->addSpacing(12);
    sumRow->addWidget(sumProblem_, 1);

    auto *help =
        new QLabel(tr("Arrow keys or a click choose a cell; Space, a right click or a double click "
                      "makes it a block or an entry cell. Type a block's sums in the boxes and press "
                      "Enter."),
                   this);
    help->setWordWrap(true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(undoButton_);
    buttons->addWidget(draftButton);
    buttons->addStretch();
    buttons->addWidget(saveButton_);
    buttons->addWidget(closeButton);

    auto *outer = new QVBoxLayout(this);
    outer->addLayout(sizeRow);
    outer->addWidget(scroll, 1);
    outer->addWidget(help);
    outer->addLayout(sumRow);
    outer->addWidget(status_);
    outer->addLayout(buttons);
    resize(640, 720);

    auto *undoKey = new QShortcut(QKeySequence::Undo, this);
    connect(undoKey, &QShortcut::activated, this, &PuzzleEditorDialog::undo);
    connect(undoButton_, &QPushButton::clicked, this, &PuzzleEditorDialog::undo);
    connect(newGridButton, &QPushButton::clicked, this, &PuzzleEditorDialog::newGrid);
    connect(draftButton, &QPushButton::clicked, this, &PuzzleEditorDialog::keepDraft);
    connect(saveButton_, &QPushButton::clicked, this, &PuzzleEditorDialog::saveAndPlay);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(symmetryBox_, &QCheckBox::toggled, this, [this](bool on) { editor_.setSymmetric(on); });
    connect(board_, &EditorBoard::toggleRequested, this, &PuzzleEditorDialog::toggleCell);
    connect(board_, &EditorBoard::selectionChanged, this, &PuzzleEditorDialog::showSelection);
    connect(acrossBox_, &QLineEdit::returnPressed, this, [this] { applySum(true); });
    connect(downBox_, &QLineEdit::returnPressed, this, [this] { applySum(false); });
    connect(&checker_, &game::LayoutChecker::statusChanged, this, &PuzzleEditorDialog::showStatus);
    edited();
    changedSinceKept_ = false;
    board_->setFocus();
}

void PuzzleEditorDialog::reject()
{
    if (changedSinceKept_ &&
        platform::message(this, tr("Keep the unfinished puzzle as a draft?"),
                          tr("%1 - Alert").arg(platform::appTitle),
                          QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes &&
        !keepDraft())
        return; // not kept: the editor stays open
    QDialog::reject();
}

void PuzzleEditorDialog::offerDraft()
{
    if (!QFileInfo::exists(draftPath_))
        return;
    if (platform::message(this, tr("Continue the puzzle you kept as a draft?"),
                          tr("%1 - Alert").arg(platform::appTitle),
                          QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    QFile file(draftPath_);
    std::optional<game::EditorGrid> grid;
    if (file.open(QIODevice::ReadOnly) && file.size() < 64 * 1024)
        grid = game::PuzzleEditor::readDraft(file.readAll());
    if (!grid) {
        platform::message(this,
                          tr("The draft in %1 could not be read. It is left as it is.")
                              .arg(QDir::toNativeSeparators(draftPath_)),
                          platform::appTitle);
        return;
    }
    editor_.load(*grid);
    fromDraft_ = true;
    widthBox_->setValue(grid->width);
    heightBox_->setValue(grid->height);
    board_->gridChanged();
    edited();
    changedSinceKept_ = false;
}

void PuzzleEditorDialog::toggleCell(int col, int row)
{
    editor_.toggleBlock(col, row);
    edited();
}

// Enter in a sum box writes that sum into the selected block, or says why it cannot.
void PuzzleEditorDialog::applySum(bool across)
{
    QLineEdit *box = across ? acrossBox_ : downBox_;
    QString why;
    const QPoint cell = board_->selected();
    if (!editor_.setSum(cell.x(), cell.y(), across, box->text().toInt(), &why)) {
        sumProblem_->setText(why);
        return;
    }
    sumProblem_->clear();
    edited();
    board_->setFocus();
}

void PuzzleEditorDialog::undo()
{
    editor_.undo();
    const game::EditorGrid &grid = editor_.grid();
    widthBox_->setValue(grid.width);
    heightBox_->setValue(grid.height);
    board_->gridChanged();
    edited();
}

void PuzzleEditorDialog::newGrid()
{
    editor_.resize(widthBox_->value(), heightBox_->value());
    board_->gridChanged();
    edited();
    board_->setFocus();
}

bool PuzzleEditorDialog::keepDraft()
{
    const QByteArray text = editor_.draftText();
    QString reason;
    QDir().mkpath(QFileInfo(draftPath_).absolutePath()); // a folder that cannot be made fails the write
    if (!platform::writeWholeFile(draftPath_, text, &reason)) {
        platform::message(
            this,
            tr("The draft could not be kept in %1: %2").arg(QDir::toNativeSeparators(draftPath_), reason),
            platform::appTitle);
        return false;
    }
    fromDraft_ = true;
    changedSinceKept_ = false;
    sumProblem_->setText(tr("The draft is kept. Enter Puzzle offers it back next time."));
    return true;
}

// Only the status of the grid as it stands counts: a check still under way saves nothing.
void PuzzleEditorDialog::saveAndPlay()
{
    const game::LayoutStatus &status = checker_.status();
    if (!status.canBeSaved() || !status.solution)
        return;
    saved_ = status.solution;
    if (fromDraft_)
        QFile::remove(draftPath_); // the draft became a puzzle
    accept();
}

void PuzzleEditorDialog::edited()
{
    changedSinceKept_ = true;
    board_->update();
    undoButton_->setEnabled(editor_.canUndo());
    showSelection();
    checker_.check(editor_.grid());
}

void PuzzleEditorDialog::showStatus()
{
    const game::LayoutStatus &status = checker_.status();
    status_->setText(game::statusText(status, checker_.stillChecking()));
    board_->setLitCells(status.verdict == game::LayoutVerdict::Several ? status.differing : QList<QPoint>());
    saveButton_->setEnabled(status.canBeSaved());
}

// The sum boxes show the selected block's sums, and take sums only where it starts a run.
void PuzzleEditorDialog::showSelection()
{
    const QPoint cell = board_->selected();
    const game::EditorGrid &grid = editor_.grid();
    const bool block = grid.isInGrid(cell.x(), cell.y()) && grid.at(cell.x(), cell.y()).block;
    const bool across = block && grid.runLength(cell.x(), cell.y(), true) >= 2;
    const bool down = block && grid.runLength(cell.x(), cell.y(), false) >= 2;
    acrossBox_->setEnabled(across);
    downBox_->setEnabled(down);
    acrossBox_->setText(across && grid.at(cell.x(), cell.y()).across
                            ? QString::number(grid.at(cell.x(), cell.y()).across)
                            : QString());
    downBox_->setText(down && grid.at(cell.x(), cell.y()).down
                          ? QString::number(grid.at(cell.x(), cell.y()).down)
                          : QString());
}

} // namespace app
