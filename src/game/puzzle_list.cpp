// The table of the book's puzzles and its filter.
#include "game/puzzle_list.h"

#include "game/book_grades.h"
#include "game/my_puzzles.h"
#include "puzzle/book.h"
#include "puzzle/saved_game.h"
#include "store/settings_store.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <limits>

namespace game {
namespace {

bool isRealTime(std::int32_t seconds)
{
    return seconds != 0 && seconds != store::kClearedTime;
}

// Sizes order by area, then by width.
qint64 sizeKey(QSize size)
{
    return qint64(size.width()) * size.height() * 1024 * 1024 + size.width() * 1024 + size.height();
}

// The solver's technique names as the translators see them; the solver itself has no Qt.
[[maybe_unused]] constexpr const char *kTechniqueNames[] = {
    QT_TRANSLATE_NOOP("kakuro", "combinations"),       QT_TRANSLATE_NOOP("kakuro", "hidden single"),
    QT_TRANSLATE_NOOP("kakuro", "remainder"),          QT_TRANSLATE_NOOP("kakuro", "pairs"),
    QT_TRANSLATE_NOOP("kakuro", "triples and quads"),  QT_TRANSLATE_NOOP("kakuro", "run consistency"),
    QT_TRANSLATE_NOOP("kakuro", "crossing runs"),      QT_TRANSLATE_NOOP("kakuro", "region sums"),
    QT_TRANSLATE_NOOP("kakuro", "short contradiction")};

} // namespace

PuzzleListModel::PuzzleListModel(const puzzle::Book &book, const BookGrades &grades,
                                 const store::Settings &settings, const QString &savedGamesFolder,
                                 Source source, QObject *parent)
    : QAbstractTableModel(parent), grades_(grades)
{
    const bool own = source == Source::Own;
    const std::vector<store::PuzzleStats> &stats = own ? settings.ownPuzzleStats : settings.puzzleStats;
    rows_.resize(std::size_t(grades.puzzleCount()));
    for (int n = 1; n <= grades.puzzleCount(); ++n) {
        Row &row = rows_[std::size_t(n - 1)];
        const kakuro::BookPuzzle record = book.record(n);
        row.size = QSize(record.width, record.height);
        if (std::size_t(n) < stats.size() && isRealTime(stats[std::size_t(n)].bestTimes[1])) {
            row.bestTime = stats[std::size_t(n)].bestTimes[1];
            row.hints = stats[std::size_t(n)].hintCounts[1];
        }
        row.saved = QFileInfo::exists(own ? MyPuzzles::savedGamePath(savedGamesFolder, n)
                                          : puzzle::savedGamePath(savedGamesFolder, n));
    }
    connect(&grades, &BookGrades::graded, this, [this](int number) {
        const QModelIndex cell = index(number - 1, DifficultyColumn);
        Q_EMIT dataChanged(cell, cell);
    });
}

int PuzzleListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int PuzzleListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PuzzleListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const Row &row = rows_[std::size_t(index.row())];
    const int number = index.row() + 1;
    switch (role) {
    case Qt::DisplayRole:
        return display(number, row, index.column());
    case SortKeyRole:
        return sortKey(number, row, index.column());
    case SizeRole:
        return row.size;
    case DifficultyRole: {
        const std::optional<PuzzleGrade> grade = grades_.grade(number);
        return grade ? int(grade->difficulty) : -1;
    }
    case Qt::TextAlignmentRole:
        if (index.column() == NumberColumn || index.column() == BestTimeColumn)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant PuzzleListModel::display(int number, const Row &row, int column) const
{
    switch (column) {
    case NumberColumn:
        return QString::number(number);
    case SizeColumn:
        return sizeText(row.size);
    case DifficultyColumn: {
        const std::optional<PuzzleGrade> grade = grades_.grade(number);
        if (!grade)
            return tr("grading…");
        if (grade->difficulty == kakuro::Difficulty::Guessing)
            return difficultyText(grade->difficulty);
        // The solver's names of its techniques are the source texts of their translations
        // (listed for the translators in kTechniqueNames).
        const QString technique =
            QCoreApplication::translate("kakuro", kakuro::techniqueName(grade->hardest).data());
        return tr("%1 (%2)", "difficulty (hardest technique)")
            .arg(difficultyText(grade->difficulty), technique);
    }
    case BestTimeColumn:
        if (!row.bestTime)
            return QString();
        // "1 hint" has a text of its own, since without a translation %n takes no plural.
        if (row.hints <= 0)
            return QString::number(row.bestTime);
        return row.hints == 1
                   ? tr("%1 (1 hint)", "a best time helped by one hint").arg(row.bestTime)
                   : tr("%1 (%n hints)", "a best time helped by hints", row.hints).arg(row.bestTime);
    case SavedColumn:
        return row.saved ? tr("Yes") : QString();
    }
    return {};
}

QVariant PuzzleListModel::sortKey(int number, const Row &row, int column) const
{
    switch (column) {
    case NumberColumn:
        return number;
    case SizeColumn:
        return sizeKey(row.size);
    case DifficultyColumn: {
        // By the hardest technique, which orders the bands too; a puzzle left to guessing is
        // hardest of all and one not graded yet comes first.
        const std::optional<PuzzleGrade> grade = grades_.grade(number);
        if (!grade)
            return -1;
        return grade->difficulty == kakuro::Difficulty::Guessing ? kakuro::kLadderSize : int(grade->hardest);
    }
    case BestTimeColumn: // puzzles without a time after every time
        return row.bestTime ? row.bestTime : std::numeric_limits<std::int32_t>::max();
    case SavedColumn:
        return int(row.saved);
    }
    return {};
}

QVariant PuzzleListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case NumberColumn:
        return tr("Puzzle");
    case SizeColumn:
        return tr("Size");
    case DifficultyColumn:
        return tr("Difficulty");
    case BestTimeColumn:
        return tr("Best time");
    case SavedColumn:
        return tr("Saved game");
    }
    return {};
}

QList<QSize> PuzzleListModel::sizes() const
{
    QList<QSize> sizes;
    for (const Row &row : rows_)
        if (!sizes.contains(row.size))
            sizes.append(row.size);
    std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return sizeKey(a) < sizeKey(b); });
    return sizes;
}

QString PuzzleListModel::sizeText(QSize size)
{
    return tr("%1x%2", "width x height").arg(size.width()).arg(size.height());
}

QString PuzzleListModel::difficultyText(kakuro::Difficulty difficulty)
{
    switch (difficulty) {
    case kakuro::Difficulty::Easy:
        return tr("Easy");
    case kakuro::Difficulty::Medium:
        return tr("Medium");
    case kakuro::Difficulty::Hard:
        return tr("Hard");
    case kakuro::Difficulty::Expert:
        return tr("Expert");
    case kakuro::Difficulty::Master:
        return tr("Master");
    case kakuro::Difficulty::Guessing:
        return tr("Guessing");
    }
    return {};
}

PuzzleListFilter::PuzzleListFilter(QObject *parent) : QSortFilterProxyModel(parent)
{
    setSortRole(PuzzleListModel::SortKeyRole);
}

void PuzzleListFilter::setSize(std::optional<QSize> size)
{
    size_ = size;
    invalidateFilter();
}

void PuzzleListFilter::setDifficulty(std::optional<kakuro::Difficulty> difficulty)
{
    difficulty_ = difficulty;
    invalidateFilter();
}

bool PuzzleListFilter::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    const QModelIndex cell = sourceModel()->index(sourceRow, 0, sourceParent);
    if (size_ && cell.data(PuzzleListModel::SizeRole).toSize() != *size_)
        return false;
    return !difficulty_ || cell.data(PuzzleListModel::DifficultyRole).toInt() == int(*difficulty_);
}

} // namespace game
