// The puzzle book and the saved game.
#include "puzzle/book.h"
#include "puzzle/saved_game.h"
#include "support/board_fixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <sys/stat.h>

namespace {

std::span<const std::uint8_t> asSpan(const QByteArray &bytes)
{
    return {reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size())};
}

// Two 4x4 puzzles: header 0..7, offset table 8..15, records at 16 and 40, 64 bytes in all.
QByteArray patched(qsizetype at, std::int32_t value, int size = 4)
{
    QByteArray book = fixture::bookFromAscii({fixture::smallPuzzle(), fixture::smallPuzzle()});
    char le[4];
    qToLittleEndian(value, le);
    book.replace(at, size, le, size);
    return book;
}

const kakuro::Puzzle &board() // entry cells 0 1 2 / # 3 4
{
    static const kakuro::Puzzle p = fixture::puzzleOf({"1 2 3", "# 4 5"});
    return p;
}

// One character per entry cell: a pen digit, a pencil digit as a letter (1 is a), '.' for none;
// then the cell's candidate marks in brackets, if any.
QString described(const puzzle::Entries &e)
{
    QString text;
    for (int i = 0; i < e.cellCount(); ++i) {
        text += e.pen(i) ? QChar('0' + e.pen(i)) : e.pencil(i) ? QChar('a' + e.pencil(i) - 1) : QChar('.');
        if (e.marks(i) != 0)
            text += '[' + QString::number(e.marks(i), 2) + ']';
    }
    return text;
}

} // namespace

class TestPuzzle : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void validator_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        QTest::addColumn<int>("failingPuzzle");
        const QByteArray sound = patched(0, 'Q', 1); // unchanged
        QTest::newRow("one cell wide") << patched(40, 1, 2) << "" << 0;
        QTest::newRow("a hundred wide") << fixture::bookFromAscii({{QString(100, '#')}}) << "" << 0;
        QTest::newRow("shorter than a header") << sound.left(7) << "too short" << 0;
        QTest::newRow("wrong magic") << patched(3, 'X', 1) << "wrong magic" << 0;
        QTest::newRow("no puzzle") << patched(4, 0) << "count 0 is below 1" << 0;
        QTest::newRow("more puzzles than numbers") << patched(4, 32768) << "count 32768 is above" << 0;
        QTest::newRow("table past the end") << patched(4, 15) << "runs past the end" << 0;
        QTest::newRow("negative offset") << patched(12, -1) << "puzzle 2: offset -1 lies outside" << 2;
        QTest::newRow("record header past the end") << patched(12, 57) << "offset 57 lies outside" << 2;
        QTest::newRow("no width") << patched(40, 0, 2) << "size 0x4 is outside" << 2;
        QTest::newRow("too high") << patched(42, 101, 2) << "size 4x101 is outside" << 2;
        QTest::newRow("cells past the end") << sound.chopped(1) << "record runs past the end" << 2;
        QTest::newRow("a cell above 9") << patched(53, 10, 1) << "cell 6 holds 10" << 2;
    }
    void validator()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        const kakuro::BookCheck check = kakuro::validateBook(asSpan(bytes));
        QCOMPARE(check.ok, error.isEmpty());
        QVERIFY2(QString::fromStdString(check.error).contains(error), check.error.c_str());
        QTEST(check.failingPuzzle, "failingPuzzle");
    }

    // A named pipe, an endless device and a sparse file larger than any book each once hung or
    // exhausted the game at its start. A refused book leaves the open one as it was, and the book
    // open is the copy read: the file may change under it. Saved games are read from files alone.
    void openReadsOnlyABookSizedFile()
    {
        QTemporaryDir dir;
        const QString good = fixture::writeBook(dir.path(), {fixture::smallPuzzle()});
        const QString pipe = dir.filePath(QStringLiteral("pipe")), big = dir.filePath(QStringLiteral("big"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QVERIFY(QFile::copy(good, big) && QFile::resize(big, kakuro::kMaxBookBytes + 1));
        puzzle::Book book;
        QVERIFY(book.open(good));
        for (const QString &path : {pipe, QStringLiteral("/dev/zero"), big})
            QVERIFY2(!book.open(path) && book.puzzleCount() == 1, qPrintable(path));
        QVERIFY(QFile::resize(big, kakuro::kMaxBookBytes) && book.open(big)); // as large as a book may be
        QVERIFY(QFile::resize(good, 5));
        QCOMPARE(book.puzzle(1).entryCellCount(), 7);
        for (const QString &path : {pipe, QStringLiteral("/dev/zero")}) {
            puzzle::Entries e(board().entryCellCount());
            puzzle::readSavedGame(path, 3, board(), e);
            QCOMPARE(e.filledCount(), 0);
        }
    }

    void writtenAsFourLinesAndReadBack()
    {
        puzzle::Entries e(board().entryCellCount());
        e.write(0, 5, false);
        e.write(4, 9, true);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("not yet/3.sav"));
        QVERIFY(puzzle::writeSavedGame(path, 3, board(), e));
        QCOMPARE(fixture::fileBytes(path),
                 QByteArray("[SAVED]\r\nPUZNUM=3\r\nPEN=500000\r\nPENCIL=000009\r\n"));
        puzzle::Entries back(board().entryCellCount());
        puzzle::readSavedGame(path, 3, board(), back);
        QCOMPARE(described(back), QStringLiteral("5...i"));

        // Marks add a fifth line, marks under a digit included.
        e.setMarks(0, 0b10);
        e.setMarks(2, 0b100000001);
        QCOMPARE(puzzle::savedGameText(3, board(), e).split('\n').value(4), QByteArray("MARKS=2,,19,,,\r"));
        puzzle::readSavedGameBytes(puzzle::savedGameText(3, board(), e), 3, board(), back);
        QCOMPARE(described(back), QStringLiteral("5[10]..[100000001].i"));
    }

    void damagedFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("entries");
        const auto row = [](const char *tag, const char *lines, const char *entries) { // lines parted by |
            QTest::newRow(tag) << QString(lines) << QString(entries);
        };
        row("another puzzle's", "PUZNUM=4|PEN=123000", ".....");
        row("a number 2^32 past this one", "PUZNUM=4294967299|PEN=123000", ".....");
        row("PEN stops at its first fault", "PUZNUM=3|PEN=12x450", "12...");
        row("PENCIL stops at its first fault", "PUZNUM=3|PEN=1|PENCIL=0300x5", "1c...");
        row("too long, a digit on a block cell", "PUZNUM=3|PEN=1234567", "12356");
        row("pen wins over pencil", "PUZNUM=3|PEN=12|PENCIL=345", "12e..");
        row("a value in quotes", "PUZNUM=3|PEN=\"12\"", "12...");
        row("marks on a block cell are dropped", "PUZNUM=3|MARKS=1,,,9,,23", ".[1]....[110]");
        row("a marks field too few", "PUZNUM=3|PEN=1|MARKS=1,,,,", "1....");
        row("a mark 0", "PUZNUM=3|MARKS=1,,,,,0", ".....");
    }
    void damagedFiles()
    {
        QFETCH(QString, file);
        puzzle::Entries e(board().entryCellCount());
        puzzle::readSavedGameBytes("[SAVED]\n" + file.toUtf8().replace('|', '\n'), 3, board(), e);
        QTEST(described(e), "entries");
    }

    // A regular file stands where the folder belongs: not even root can create the folder.
    void folderThatCannotBeCreated()
    {
        QTemporaryDir dir;
        QVERIFY(fixture::writeFile(dir.filePath(QStringLiteral("saved")), {}));
        const QString path = dir.filePath(QStringLiteral("saved/3.sav"));
        QString error;
        QVERIFY(!puzzle::writeSavedGame(path, 3, board(), puzzle::Entries(5), &error));
        const QString start =
            QStringLiteral("The game could not be saved to %1: ").arg(QDir::toNativeSeparators(path));
        QVERIFY2(error.startsWith(start) && error.endsWith('.') && error.count("could not be saved") == 1,
                 qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestPuzzle)
#include "test_puzzle.moc"
