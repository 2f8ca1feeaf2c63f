// The puzzle chooser: a sortable list over the book, its filters, and choosing from it.
#include "app/puzzle_chooser.h"

#include "app/score_dialogs.h"
#include "game/book_grades.h"
#include "game/game.h"
#include "game/my_puzzles.h"
#include "game/puzzle_list.h"
#include "platform/app_identity.h"
#include "platform/typed_number.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

namespace app {
namespace {

QLabel *labelFor(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

PuzzleChooser::PuzzleChooser(const game::Game &game, const game::BookGrades &grades,
                             const game::BookGrades *ownGrades, const store::Settings &settings,
                             QWidget *parent)
    : QDialog(parent), game_(game), puzzleCount_(game.puzzleCount()), puzzleInPlay_(game.puzzleNumber()),
      model_(new game::PuzzleListModel(game.book(), grades, settings, game.savedGamesFolder(),
                                       game::PuzzleListModel::Source::Book, this)),
      bookModel_(model_), sourceBox_(new QComboBox(this)), codeLine_(new PuzzleCodeLine(this)),
      filter_(new game::PuzzleListFilter(this)), view_(new QTableView(this)), sizeBox_(new QComboBox(this)),
      difficultyBox_(new QComboBox(this)), findBox_(new QLineEdit(this))
{
    sourceBox_->setObjectName(QStringLiteral("cmbSource"));
    sourceBox_->addItem(tr("Book"));
    if (ownGrades && game.myPuzzles()) {
        ownModel_ =
            new game::PuzzleListModel(game.myPuzzles()->book(), *ownGrades, settings, game.savedGamesFolder(),
                                      game::PuzzleListModel::Source::Own, this);
        sourceBox_->addItem(tr("My Puzzles"));
    }
    sourceBox_->setEnabled(sourceBox_->count() > 1);
    setObjectName(QStringLiteral("diagChoosePuzzle"));
    setWindowTitle(tr("%1 - Choose Puzzle").arg(platform::appTitle));
    setWindowIcon(platform::windowIcon());

    findBox_->setObjectName(QStringLiteral("txtFind"));
    findBox_->setPlaceholderText(tr("Number"));
    findBox_->setFixedWidth(80);
    sizeBox_->setObjectName(QStringLiteral("cmbSize"));
    difficultyBox_->setObjectName(QStringLiteral("cmbDifficulty"));
    difficultyBox_->addItem(tr("Any"));
    for (int d = 0; d < kakuro::kDifficultyCount; ++d) {
        if (kakuro::Difficulty(d) != kakuro::Difficulty::Guessing)
            difficultyBox_->addItem(game::PuzzleListModel::difficultyText(kakuro::Difficulty(d)), d);
    }
    // Guessing is offered once a listed puzzle, of the book or the player's own, turns out to need
    // it, and not before.
    const auto offerGuessing = [this](const game::BookGrades &from, int number) {
        const int guessing = int(kakuro::Difficulty::Guessing);
        const std::optional<game::PuzzleGrade> grade = from.grade(number);
        if (grade && grade->difficulty == kakuro::Difficulty::Guessing &&
            difficultyBox_->findData(guessing) < 0)
            difficultyBox_->addItem(game::PuzzleListModel::difficultyText(kakuro::Difficulty::Guessing),
                                    guessing);
    };
    const auto watchGrades = [this, offerGuessing](const game::BookGrades &from) {
        for (int n = 1; n <= from.puzzleCount(); ++n)
            offerGuessing(from, n);
        connect(&from, &game::BookGrades::graded, this,
                [offerGuessing, &from](int n) { offerGuessing(from, n); });
    };
    watchGrades(grades);
    if (ownModel_)
        watchGrades(*ownGrades);

    filter_->setSourceModel(model_);
    view_->setObjectName(QStringLiteral("grdPuzzles"));
    view_->setAccessibleName(tr("Puzzles"));
    view_->setModel(filter_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setAlternatingRowColors(true);
    view_->setWordWrap(false);
    view_->setTabKeyNavigation(false); // Tab leaves the list instead of walking its cells
    view_->verticalHeader()->hide();
    // Every row the same height, so that a thousand rows cost no measuring.
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    QHeaderView *header = view_->horizontalHeader();
    const int digit = view_->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    header->resizeSection(game::PuzzleListModel::NumberColumn, digit * 9);
    header->resizeSection(game::PuzzleListModel::SizeColumn, digit * 9);
    header->resizeSection(game::PuzzleListModel::DifficultyColumn, digit * 26);
    // A best time may carry its hints; every header shows whole, sort arrow and all.
    const int hintedTime = view_->fontMetrics().horizontalAdvance(
        game::PuzzleListModel::tr("%1 (%n hints)", "a best time helped by hints", 9).arg(99999));
    header->resizeSection(game::PuzzleListModel::BestTimeColumn, hintedTime + digit * 2);
    const int arrow = header->style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header);
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int column = 0; column < game::PuzzleListModel::SavedColumn; ++column) {
        const QString title = filter_->headerData(column, Qt::Horizontal).toString();
        const int needed = header->fontMetrics().horizontalAdvance(title) + arrow + 4 * margin;
        header->resizeSection(column, std::max(header->sectionSize(column), needed));
    }
    // The list is wide enough for every column, the last one's header included.
    const QString lastTitle =
        filter_->headerData(game::PuzzleListModel::SavedColumn, Qt::Horizontal).toString();
    int listWidth = header->fontMetrics().horizontalAdvance(lastTitle) + arrow + 4 * margin;
    for (int column = 0; column < game::PuzzleListModel::SavedColumn; ++column)
        listWidth += header->sectionSize(column);
    view_->setMinimumWidth(listWidth + view_->verticalScrollBar()->sizeHint().width() +
                           2 * view_->frameWidth());
    header->setStretchLastSection(true);
    header->setSortIndicator(game::PuzzleListModel::NumberColumn, Qt::AscendingOrder);
    view_->setSortingEnabled(true);
    view_->installEventFilter(this);

    auto *openButton = new QPushButton(tr("&Open"), this);
    openButton->setObjectName(QStringLiteral("cmdOpen"));
    openButton->setDefault(true);
    auto *closeButton = new QPushButton(tr("Close"), this);
    closeButton->setObjectName(QStringLiteral("cmdClose"));

    auto *filters = new QHBoxLayout;
    filters->addWidget(labelFor(tr("S&how:"), sourceBox_, this));
    filters->addWidget(sourceBox_);
    filters->addSpacing(12);
    filters->addWidget(labelFor(tr("&Find puzzle:"), findBox_, this));
    filters->addWidget(findBox_);
    filters->addSpacing(12);
    filters->addWidget(labelFor(tr("&Size:"), sizeBox_, this));
    filters->addWidget(sizeBox_);
    filters->addSpacing(12);
    filters->addWidget(labelFor(tr("&Difficulty:"), difficultyBox_, this));
    filters->addWidget(difficultyBox_);
    filters->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(openButton);
    buttons->addWidget(closeButton);
    auto *outer = new QVBoxLayout(this);
    outer->addLayout(filters);
    outer->addWidget(view_);
    outer->addWidget(codeLine_);
    outer->addLayout(buttons);
    // Tab goes the way the eye reads: the filters, the list, the buttons.
    setTabOrder(sourceBox_, findBox_);
    setTabOrder(findBox_, sizeBox_);
    setTabOrder(sizeBox_, difficultyBox_);
    setTabOrder(difficultyBox_, view_);
    setTabOrder(view_, openButton);
    setTabOrder(openButton, closeButton);
    resize(620, 480);

    connect(findBox_, &QLineEdit::textEdited, this, &PuzzleChooser::findTypedNumber);
    connect(sizeBox_, &QComboBox::currentIndexChanged, this, &PuzzleChooser::applyFilters);
    connect(difficultyBox_, &QComboBox::currentIndexChanged, this, &PuzzleChooser::applyFilters);
    connect(view_, &QAbstractItemView::doubleClicked, this, &PuzzleChooser::choose);
    connect(openButton, &QPushButton::clicked, this, [this] { choose(view_->currentIndex()); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(sourceBox_, &QComboBox::currentIndexChanged, this, &PuzzleChooser::showSource);

    showSource(game.playingOwn() && ownModel_ ? 1 : 0);
    view_->setFocus();
}

// The list of the book or of the player's own puzzles, with the sizes that list holds, the
// puzzle in play (or the first) selected.
void PuzzleChooser::showSource(int source)
{
    own_ = source == 1 && ownModel_;
    if (sourceBox_->currentIndex() != (own_ ? 1 : 0)) {
        sourceBox_->setCurrentIndex(own_ ? 1 : 0); // comes back here
        return;
    }
    model_ = own_ ? ownModel_ : bookModel_;
    puzzleCount_ = model_->rowCount();
    puzzleInPlay_ = own_ == game_.playingOwn() ? (own_ ? game_.ownPuzzleNumber() : game_.puzzleNumber()) : 0;
    const QSignalBlocker quiet(sizeBox_);
    sizeBox_->clear();
    sizeBox_->addItem(tr("Any"));
    for (const QSize size : model_->sizes())
        sizeBox_->addItem(game::PuzzleListModel::sizeText(size), size);
    filter_->setSourceModel(model_);
    applyFilters();
    showPuzzle(puzzleInPlay_ > 0 ? puzzleInPlay_ : 1);
    if (view_->selectionModel())
        connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this, &PuzzleChooser::showCode,
                Qt::UniqueConnection);
    showCode();
}

// The code of the player's own puzzle that is selected, when it has one.
void PuzzleChooser::showCode()
{
    QString code;
    const QModelIndex row = view_->currentIndex();
    if (own_ && row.isValid() && game_.myPuzzles()) {
        if (const auto c = game_.myPuzzles()->code(filter_->mapToSource(row).row() + 1))
            code = QString::fromStdString(kakuro::codeText(*c));
    }
    codeLine_->setCode(code);
}

PuzzleChooser::~PuzzleChooser() = default;

// Enter on the list chooses its current row; the list would otherwise pass Enter on to the
// dialog's default button as well.
bool PuzzleChooser::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == view_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            choose(view_->currentIndex());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void PuzzleChooser::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    view_->scrollTo(view_->currentIndex(), QAbstractItemView::PositionAtCenter);
}

void PuzzleChooser::applyFilters()
{
    const QVariant size = sizeBox_->currentData();
    const QVariant band = difficultyBox_->currentData();
    filter_->setSize(size.isValid() ? std::optional(size.toSize()) : std::nullopt);
    filter_->setDifficulty(band.isValid() ? std::optional(kakuro::Difficulty(band.toInt())) : std::nullopt);
    if (!view_->currentIndex().isValid() && filter_->rowCount() > 0)
        view_->setCurrentIndex(filter_->index(0, 0));
}

// A number in the book selects its puzzle as it is typed; anything else leaves the list as it is.
void PuzzleChooser::findTypedNumber(const QString &typed)
{
    const double value = platform::leadingValue(typed);
    if (value < 1 || value > puzzleCount_)
        return;
    showPuzzle(int(platform::roundedClamped(typed, 1, puzzleCount_)));
}

// Selects puzzle `number` and scrolls to it; filters that hide it are set back to Any.
void PuzzleChooser::showPuzzle(int number)
{
    if (puzzleCount_ == 0)
        return;
    const QModelIndex source = model_->index(number - 1, 0);
    if (!filter_->mapFromSource(source).isValid()) {
        sizeBox_->setCurrentIndex(0);
        difficultyBox_->setCurrentIndex(0);
    }
    const QModelIndex row = filter_->mapFromSource(source);
    view_->setCurrentIndex(row);
    view_->scrollTo(row, QAbstractItemView::PositionAtCenter);
}

// The puzzle in play is already open: choosing it closes the list and play goes on, so that an
// Enter pressed at once never costs the board.
void PuzzleChooser::choose(const QModelIndex &row)
{
    if (!row.isValid())
        return;
    const int number = filter_->mapToSource(row).row() + 1;
    if (number == puzzleInPlay_) {
        reject();
        return;
    }
    if (confirm_ && !confirm_(this))
        return;
    chosen_ = number;
    chosenOwn_ = own_;
    accept();
}

} // namespace app
