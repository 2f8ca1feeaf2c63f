// The book's puzzles as a table to choose from: number, size, difficulty, best time and whether a
// saved game waits; and the filter and sort the chooser puts over it.
#pragma once

#include "solver/grader.h"

#include <QAbstractTableModel>
#include <QSize>
#include <QSortFilterProxyModel>

#include <cstdint>
#include <optional>
#include <vector>

namespace puzzle {
class Book;
}
namespace store {
struct Settings;
}

namespace game {

class BookGrades;

// One row per puzzle, puzzle n in row n - 1. The difficulty column fills in as the grades come;
// best times and saved games are those of the moment the list is made.
class PuzzleListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { NumberColumn, SizeColumn, DifficultyColumn, BestTimeColumn, SavedColumn, ColumnCount };
    enum Role {
        SortKeyRole = Qt::UserRole, // numbers that order a column the way a person reads it
        SizeRole,                   // QSize of the row's puzzle, in any column
        DifficultyRole,             // int(kakuro::Difficulty), or -1 while not graded
    };

    enum class Source { Book, Own }; // the shipped book, or the player's own puzzles

    // `grades` must outlive the list.
    PuzzleListModel(const puzzle::Book &book, const BookGrades &grades, const store::Settings &settings,
                    const QString &savedGamesFolder, Source source = Source::Book, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Every size in the book once, smallest first.
    QList<QSize> sizes() const;

    static QString sizeText(QSize size);
    static QString difficultyText(kakuro::Difficulty difficulty);

private:
    struct Row {
        QSize size;
        std::int32_t bestTime = 0; // 0 for none
        std::int32_t hints = 0;    // hints taken on the way to the best time
        bool saved = false;
    };
    QVariant display(int number, const Row &row, int column) const;
    QVariant sortKey(int number, const Row &row, int column) const;

    const BookGrades &grades_;
    std::vector<Row> rows_;
};

// The rows of one size and one difficulty band; nothing chosen lets every row through. A row not
// graded yet has no band, so a chosen band hides it until its grade comes.
class PuzzleListFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit PuzzleListFilter(QObject *parent = nullptr);

    void setSize(std::optional<QSize> size);
    void setDifficulty(std::optional<kakuro::Difficulty> difficulty);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    std::optional<QSize> size_;
    std::optional<kakuro::Difficulty> difficulty_;
};

} // namespace game
