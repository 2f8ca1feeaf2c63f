// Opening the puzzle book and loading one puzzle of it into the board model.
#include "puzzle/board_model.h"
#include "puzzle/book_format.h"

#include <QFile>
#include <QFileInfo>

namespace modData {
namespace {

std::span<const std::uint8_t> asSpan(const QByteArray &bytes)
{
    return {reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size())};
}

// A book is a few hundred kilobytes; anything far beyond the largest valid book is refused
// before it is read into memory.
constexpr qint64 kMaxBookBytes = 8 + 4 * qint64(kMaxPuzzleCount) +
                                 qint64(kMaxPuzzleCount) * (kRecordHeaderSize + kMaxCellCount);

} // namespace

bool loadBookBytes(Board &b, const QByteArray &bytes, QString *error)
{
    const BookCheck check = validateBook(asSpan(bytes));
    if (!check.ok) {
        if (error)
            *error = QString::fromStdString(check.error);
        return false;
    }
    b.bookBytes = bytes;
    b.puzzleOffsets = check.offsets;
    b.puzzleCount = std::int32_t(check.offsets.size());
    return true;
}

bool loadBook(Board &b, const QString &path, QString *error)
{
    // A named pipe would wait for a writer and a device can be endless: only a file is read.
    if (QFileInfo(path).exists() && !QFileInfo(path).isFile()) {
        if (error)
            *error = QStringLiteral("not a file");
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (file.size() > kMaxBookBytes) {
        if (error)
            *error = QStringLiteral("file too large for a puzzle book");
        return false;
    }
    const QByteArray bytes = file.readAll();
    return loadBookBytes(b, bytes, error);
}

void loadPuzzle(Board &b, int puzzleNumber)
{
    const BookPuzzle p = readRecord(asSpan(b.bookBytes), b.puzzleOffsets, puzzleNumber);
    b.gridWidth = std::int16_t(p.width);
    b.gridHeight = std::int16_t(p.height);
    b.cellCount = std::int16_t(p.width * p.height);
    b.solutionGrid.assign(std::size_t(b.cellCount) + 1, 0);
    std::copy(p.cells.begin(), p.cells.end(), b.solutionGrid.begin() + 1);
    b.layoutGrid = b.solutionGrid;
    resetBoard(b);
    int entries = 0;
    for (int i = 1; i <= b.cellCount; ++i)
        entries += b.solutionGrid[std::size_t(i)] != 0;
    b.entryCellCount = std::int16_t(entries);
    deriveRuns(b);
}

} // namespace modData
