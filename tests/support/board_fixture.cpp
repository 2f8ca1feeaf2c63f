// ASCII-art boards turned into puzzle records and books.
#include "support/board_fixture.h"

#include <QFile>

namespace fixture {

QByteArray bookFromAscii(const QList<QStringList> &puzzles)
{
    std::vector<kakuro::BookPuzzle> records;
    for (const QStringList &rows : puzzles)
        records.push_back(puzzleFromAscii(rows));
    const std::vector<std::uint8_t> bytes = kakuro::encodeBook(records);
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

kakuro::Puzzle puzzleOf(const QStringList &rows)
{
    return kakuro::puzzleFromRecord(puzzleFromAscii(rows));
}

puzzle::Book bookOf(const QList<QStringList> &puzzles)
{
    puzzle::Book book;
    const bool opened = book.openBytes(bookFromAscii(puzzles));
    Q_ASSERT(opened);
    Q_UNUSED(opened);
    return book;
}

QString writeBook(const QString &dir, const QList<QStringList> &puzzles)
{
    const QString path = dir + QStringLiteral("/dm_book1.qztw");
    writeFile(path, bookFromAscii(puzzles));
    return path;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList smallPuzzle()
{
    return {QStringLiteral("# # # #"), QStringLiteral("# 1 3 #"), QStringLiteral("# 2 4 1"),
            QStringLiteral("# # 2 3")};
}

} // namespace fixture
