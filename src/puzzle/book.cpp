// Opening the puzzle book and reading its puzzles.
#include "puzzle/book.h"

#include <QFile>
#include <QFileInfo>

namespace puzzle {
namespace {

std::span<const std::uint8_t> asSpan(const QByteArray &bytes)
{
    return {reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size())};
}

bool failed(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

} // namespace

bool Book::openBytes(const QByteArray &bytes, QString *error)
{
    const kakuro::BookCheck check = kakuro::validateBook(asSpan(bytes));
    if (!check.ok)
        return failed(error, QString::fromStdString(check.error));
    bytes_ = bytes;
    offsets_ = check.offsets;
    return true;
}

bool Book::open(const QString &path, QString *error)
{
    // A named pipe would wait for a writer and a device can be endless: only a file is read.
    if (QFileInfo(path).exists() && !QFileInfo(path).isFile())
        return failed(error, QStringLiteral("not a file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(error, file.errorString());
    if (file.size() > kakuro::kMaxBookBytes)
        return failed(error, QStringLiteral("file too large for a puzzle book"));
    return openBytes(file.readAll(), error);
}

kakuro::Puzzle Book::puzzle(int number) const
{
    return kakuro::puzzleFromRecord(record(number));
}

kakuro::BookPuzzle Book::record(int number) const
{
    return kakuro::readRecord(asSpan(bytes_), offsets_, number);
}

} // namespace puzzle
