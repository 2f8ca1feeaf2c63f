// The saved game: the file as written, reading it back, damaged files and a place it cannot go.
#include "puzzle/saved_game.h"
#include "support/board_fixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const puzzle::Puzzle &board() // cell 4 is a block cell
{
    static const puzzle::Puzzle p = fixture::puzzleOf({"1 2 3", "# 4 5"});
    return p;
}

// One character per cell: a pen digit, a pencil digit as a letter (1 is a), '.' for none.
QString described(const puzzle::Entries &e)
{
    QString text;
    for (int i = 1; i <= e.cellCount(); ++i)
        text += e.pen(i) ? QChar('0' + e.pen(i)) : e.pencil(i) ? QChar('a' + e.pencil(i) - 1) : QChar('.');
    return text;
}

puzzle::Entries read(const QByteArray &file, int number = 3)
{
    puzzle::Entries e(board().cellCount());
    puzzle::readSavedGameBytes(file, number, board(), e);
    return e;
}

} // namespace

class TestSavedGame : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writtenAsFourLinesAndReadBack()
    {
        puzzle::Entries e(board().cellCount());
        e.write(1, 5, false);
        e.write(6, 9, true);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("not yet/3.sav"));
        QVERIFY(puzzle::writeSavedGame(path, 3, e));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[SAVED]\r\nPUZNUM=3\r\nPEN=500000\r\nPENCIL=000009\r\n"));
        puzzle::Entries back(board().cellCount());
        puzzle::readSavedGame(path, 3, board(), back);
        QCOMPARE(described(back), QStringLiteral("5....i"));
    }

    void damagedFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("entries");
        const QByteArray head = "[SAVED]\r\nPUZNUM=3\r\n";
        QTest::newRow("another puzzle's") << QByteArray("[SAVED]\r\nPUZNUM=4\r\nPEN=123000\r\n") << "......";
        QTest::newRow("PEN stops at its first fault") << head + "PEN=12x450\r\n" << "12....";
        QTest::newRow("PENCIL stops at its first fault")
            << head + "PEN=100000\r\nPENCIL=0300x5\r\n" << "1c....";
        QTest::newRow("longer than the board, a digit on a block cell")
            << head + "PEN=1234567\r\n" << "123.56";
        QTest::newRow("pen wins over pencil") << head + "PEN=120000\r\nPENCIL=345000\r\n" << "12e...";
    }
    void damagedFiles()
    {
        QFETCH(QByteArray, file);
        QTEST(described(read(file)), "entries");
    }

    // A regular file stands where the folder belongs: not even root can create the folder.
    void folderThatCannotBeCreated()
    {
        QTemporaryDir dir;
        QFile obstacle(dir.filePath(QStringLiteral("saved")));
        QVERIFY(obstacle.open(QIODevice::WriteOnly));
        const QString path = dir.filePath(QStringLiteral("saved/3.sav"));
        QString error;
        QVERIFY(!puzzle::writeSavedGame(path, 3, puzzle::Entries(6), &error));
        QVERIFY2(error.startsWith(QStringLiteral("The game could not be saved to %1: ")
                                      .arg(QDir::toNativeSeparators(path))) &&
                     error.endsWith(QLatin1Char('.')) && error.count(QStringLiteral("could not be saved")) == 1,
                 qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestSavedGame)
#include "test_saved_game.moc"
