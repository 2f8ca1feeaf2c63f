// Grading a book in the background.
#include "game/book_grades.h"

#include "core/puzzle.h"

#include <QThread>

namespace game {

BookGrades::BookGrades(const puzzle::Book &book, QObject *parent)
    : QObject(parent), book_(book), grades_(std::size_t(book.puzzleCount()))
{
}

BookGrades::~BookGrades()
{
    stopping_ = true;
    if (worker_)
        worker_->wait();
}

void BookGrades::start()
{
    if (worker_)
        return;
    worker_.reset(QThread::create([this] { gradeAll(); }));
    worker_->start(QThread::LowPriority);
}

std::optional<PuzzleGrade> BookGrades::grade(int number) const
{
    if (number < 1 || number > puzzleCount())
        return std::nullopt;
    return grades_[std::size_t(number - 1)];
}

PuzzleGrade BookGrades::gradeOf(const kakuro::BookPuzzle &record)
{
    const kakuro::Puzzle p = kakuro::puzzleFromRecord(record);
    kakuro::Grader grader(p);
    // Counting solutions is not needed for a difficulty, and costly where logic is stuck.
    const kakuro::Grade g = grader.grade(kakuro::Technique::Contradiction, nullptr, false);
    return {g.difficulty, g.hardest};
}

void BookGrades::gradeAll()
{
    for (int n = 1; n <= puzzleCount() && !stopping_; ++n) {
        const PuzzleGrade g = gradeOf(book_.record(n));
        QMetaObject::invokeMethod(
            this, [this, n, g] { keep(n, g); }, Qt::QueuedConnection);
    }
}

void BookGrades::keep(int number, PuzzleGrade grade)
{
    grades_[std::size_t(number - 1)] = grade;
    ++gradedCount_;
    Q_EMIT graded(number);
    if (isFinished())
        Q_EMIT finished();
}

} // namespace game
