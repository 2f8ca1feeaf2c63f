// The difficulty of every puzzle of a book, worked out once on a thread of its own so that the
// window never waits for it. Each grade reaches the owning thread as soon as it is made.
#pragma once

#include "puzzle/book.h"
#include "solver/grader.h"

#include <QObject>

#include <atomic>
#include <memory>
#include <optional>
#include <vector>

class QThread;

namespace game {

struct PuzzleGrade {
    kakuro::Difficulty difficulty = kakuro::Difficulty::Easy;
    kakuro::Technique hardest = kakuro::Technique::Combinations; // meaningless for Guessing
};

class BookGrades : public QObject {
    Q_OBJECT
public:
    // Keeps its own copy of `book` (its bytes are shared, not copied).
    explicit BookGrades(const puzzle::Book &book, QObject *parent = nullptr);
    // Stops the worker after the puzzle it is grading and waits for it.
    ~BookGrades() override;

    // Grades the puzzles one after another, in number order, at low priority. Runs once.
    void start();

    int puzzleCount() const { return book_.puzzleCount(); }
    // The grade of puzzle `number` in 1..puzzleCount, or nothing while it is still to come.
    std::optional<PuzzleGrade> grade(int number) const;
    bool isFinished() const { return gradedCount_ == puzzleCount(); }

    // Grades one puzzle here and now.
    static PuzzleGrade gradeOf(const kakuro::BookPuzzle &record);

Q_SIGNALS:
    void graded(int number);
    void finished();

private:
    void gradeAll(); // on the worker
    void keep(int number, PuzzleGrade grade);

    const puzzle::Book book_;
    // Read and written on the owner's thread only; the worker hands each grade over by a queued call.
    std::vector<std::optional<PuzzleGrade>> grades_; // puzzle n at n - 1
    int gradedCount_ = 0;
    std::atomic<bool> stopping_{false};
    std::unique_ptr<QThread> worker_;
};

} // namespace game
