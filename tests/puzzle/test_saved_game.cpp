// Saved games: the file layout, reading any file back, where the files live, and the round trip
// through the main window's commands.
#include "game/frm_tav_mn.h"
#include "platform/modal.h"
#include "puzzle/saved_game.h"
#include "support/board_fixture.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using modData::Board;

namespace {

// Entry cells 2, 3, 5 and 6; cells 1 and 4 are blocks.
const QStringList kTwoByThree = {QStringLiteral("#12"), QStringLiteral("#34")};

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray saved(int puzzle, const QByteArray &pen, const QByteArray &pencil)
{
    return "[SAVED]\r\nPUZNUM=" + QByteArray::number(puzzle) + "\r\nPEN=" + pen + "\r\nPENCIL=" + pencil +
           "\r\n";
}

// The entries of cells 1..cellCount, one digit each.
QByteArray digits(const modData::ByteArray1 &entries)
{
    QByteArray s;
    for (std::size_t i = 1; i < entries.size(); ++i)
        s += char('0' + entries[i]);
    return s;
}

// Bytes this process has read from files so far, or -1 where the system does not say.
qint64 bytesReadSoFar()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : io.readAll().split('\n'))
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    return -1;
}

// The 2x3 board loaded as puzzle 1 of a one-puzzle book.
Board twoByThree()
{
    Board b;
    fixture::loadBoard(b, kTwoByThree);
    return b;
}

void fill(modData::ByteArray1 &entries, const QByteArray &cells)
{
    for (qsizetype i = 0; i < cells.size(); ++i)
        entries[std::size_t(i) + 1] = std::uint8_t(cells[i] - '0');
}

} // namespace

class TestSavedGame : public QObject {
    Q_OBJECT
    QTemporaryDir home_;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(home_.isValid());
        // The main window stores settings when it goes; keep them out of the user's folders.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_.filePath(QStringLiteral("config"))));
        qputenv("XDG_DATA_HOME", QFile::encodeName(home_.filePath(QStringLiteral("data"))));
        QCoreApplication::setOrganizationName(QStringLiteral("Norvane"));
        QCoreApplication::setApplicationName(QStringLiteral("Korvel"));
        modal::setPause([](int) {});
    }

    void roundTrip_data()
    {
        QTest::addColumn<int>("puzzle");
        QTest::addColumn<QByteArray>("pen");
        QTest::addColumn<QByteArray>("pencil");
        QTest::newRow("pen 7 in cell 2, pencil 4 in cell 6")
            << 12 << QByteArray("070000") << QByteArray("000004");
        QTest::newRow("empty board") << 1 << QByteArray("000000") << QByteArray("000000");
    }
    void roundTrip()
    {
        QFETCH(int, puzzle);
        QFETCH(QByteArray, pen);
        QFETCH(QByteArray, pencil);
        Board b = twoByThree();
        b.lastPlayed[1] = puzzle;
        fill(b.penEntries, pen);
        fill(b.pencilEntries, pencil);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("saved/%1.sav").arg(puzzle)); // "saved" made here
        QString error;
        QVERIFY2(modData::writeSavedGame(b, path, &error), qPrintable(error));
        QCOMPARE(readAll(path), saved(puzzle, pen, pencil));

        modData::resetBoard(b);
        modData::readSavedGame(b, path);
        QCOMPARE(digits(b.penEntries), pen);
        QCOMPARE(digits(b.pencilEntries), pencil);
    }

    // Each file is read for puzzle 1 of the 2x3 board.
    void readingHandlesAnyFile_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("pen");
        QTest::addColumn<QByteArray>("pencil");
        const QByteArray none("000000");
        QTest::newRow("names in mixed case")
            << QByteArray("[saved]\r\nPuzNum=1\r\npen=070000\r\nPeNcIl=000004\r\n") << QByteArray("070000")
            << QByteArray("000004");
        QTest::newRow("LF line ends, blanks, other sections")
            << QByteArray("[X]\nPEN=999999\n [ SAVED ]\n PUZNUM = 1 \nPEN = 070000\n[Y]\nPENCIL=000004")
            << QByteArray("070000") << none;
        QTest::newRow("copied from another puzzle") << saved(2, "070000", "000004") << none << none;
        QTest::newRow("PUZNUM missing") << QByteArray("[SAVED]\r\nPEN=070000\r\n") << none << none;
        // Not a file where the file should be: nothing waits for a writer that never comes.
        QTest::newRow("no file") << QByteArray("<none>") << none << none;
        QTest::newRow("a folder") << QByteArray("<folder>") << none << none;
        QTest::newRow("a named pipe") << QByteArray("<pipe>") << none << none;
        QTest::newRow("a device") << QByteArray("<device>") << none << none;
        QTest::newRow("binary junk") << QByteArray("\x00\xff[\x01=\r\n\x80", 8) << none << none;
        QTest::newRow("PEN missing") << QByteArray("[SAVED]\r\nPUZNUM=1\r\nPENCIL=000004\r\n") << none
                                     << QByteArray("000004");
        QTest::newRow("short values") << saved(1, "07", "0003") << QByteArray("070000") << none;
        QTest::newRow("stops at a non-digit") << saved(1, "07x009", "00-") << QByteArray("070000") << none;
        QTest::newRow("too long") << saved(1, "0700001234", "") << QByteArray("070000") << none;
        QTest::newRow("digits in block cells") << saved(1, "900900", "500500") << none << none;
        QTest::newRow("pen and pencil in one cell")
            << saved(1, "070000", "050003") << QByteArray("070000") << QByteArray("000003");
        QTest::newRow("empty file") << QByteArray() << none << none;
        QTest::newRow("PUZNUM 0") << saved(0, "070000", "000004") << none << none;
        QTest::newRow("PUZNUM -1") << saved(-1, "070000", "000004") << none << none;
        // Puzzle 1 plus 2^16 and plus 2^32: a reader that cut the number down would take them.
        QTest::newRow("PUZNUM 65537") << saved(65537, "070000", "000004") << none << none;
        QTest::newRow("PUZNUM 4294967297") << QByteArray("[SAVED]\r\nPUZNUM=4294967297\r\nPEN=070000\r\n") << none << none;
        QTest::newRow("PUZNUM of 10,000 digits")
            << "[SAVED]\r\nPUZNUM=" + QByteArray(10000, '1') + "\r\nPEN=070000\r\n" << none << none;
        QTest::newRow("PUZNUM not a number") << QByteArray("[SAVED]\r\nPUZNUM=one\r\nPEN=070000\r\n") << none
                                             << none;
        QTest::newRow("NUL inside PEN") << saved(1, QByteArray("07\0\x31", 4) + "00", "000004")
                                        << QByteArray("070000") << QByteArray("000004");
        QTest::newRow("PEN of 100,000 digits")
            << saved(1, QByteArray(100000, '9'), "") << QByteArray("099099") << none;
        QTest::newRow("digits beyond ASCII") << saved(1, "\xd9\xa3\xef\xbc\x91", "0\xb9") << none << none;
    }
    void readingHandlesAnyFile()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, pen);
        QFETCH(QByteArray, pencil);
        Board b = twoByThree();
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("1.sav"));
        if (file == "<folder>")
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("1.sav")));
        else if (file == "<pipe>")
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        else if (file == "<device>")
            path = QStringLiteral("/dev/zero");
        else if (file != "<none>")
            QVERIFY(writeFile(path, file));
        modData::readSavedGame(b, path);
        QCOMPARE(digits(b.penEntries), pen);
        QCOMPARE(digits(b.pencilEntries), pencil);
    }

    // A file of 100 MB is no saved game of ours: it is refused by its size, unread. This one
    // starts like a good save for the board, so reading it would restore the 7.
    void hugeFileIsRefusedUnread()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("1.sav"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.write(saved(1, "070000", "000000")) > 0);
        QVERIFY(f.resize(100 * 1024 * 1024)); // sparse: costs no disk
        f.close();
        Board b = twoByThree();
        const qint64 before = bytesReadSoFar();
        modData::readSavedGame(b, path);
        const qint64 read = bytesReadSoFar() - before;
        QCOMPARE(digits(b.penEntries), QByteArray("000000"));
        if (before >= 0)
            QVERIFY2(read < 1024 * 1024, qPrintable(QStringLiteral("%1 bytes read").arg(read)));
    }

    void unwritablePlaceFailsAndSays_data()
    {
        QTest::addColumn<QString>("obstacle"); // a file, or a folder when it ends in "/"
        QTest::newRow("saved is a file") << "saved";
        QTest::newRow("the file is a folder") << "saved/1.sav/";
    }
    void unwritablePlaceFailsAndSays()
    {
        QFETCH(QString, obstacle);
        QTemporaryDir dir;
        QVERIFY(obstacle.endsWith(QLatin1Char('/')) ? QDir(dir.path()).mkpath(obstacle)
                                                    : writeFile(dir.filePath(obstacle), "not a folder"));
        Board b = twoByThree();
        QString error;
        QVERIFY(!modData::writeSavedGame(b, dir.filePath(QStringLiteral("saved/1.sav")), &error));
        QVERIFY2(error.contains(QStringLiteral("could not be saved")), qPrintable(error));
    }

    void savedGamesLiveByLayout_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::newRow("run from its own folder") << false;
        QTest::newRow("installed") << true;
    }
    void savedGamesLiveByLayout()
    {
        QFETCH(bool, installed);
        QTemporaryDir program;
        if (installed)
            QVERIFY(writeFile(program.filePath(QStringLiteral("korvel.installed")), {}));
        const QString expected = installed ? home_.filePath(QStringLiteral("data/Norvane/Korvel/saved"))
                                           : program.filePath(QStringLiteral("saved"));
        QCOMPARE(modData::savedGamesFolder(program.path()), expected);
        QCOMPARE(modData::savedGamesFolder(program.path() + QLatin1Char('/')), expected);
    }

    // Save, Restart, then leave the puzzle and come back through Next and Previous.
    void savedGameComesBackThroughNextAndPrevious()
    {
        QTemporaryDir program;
        Board board;
        QVERIFY(
            modData::loadBookBytes(board, fixture::bookFromAscii({kTwoByThree, kTwoByThree, kTwoByThree})));
        modReg::Settings settings;
        settings.puzzleStats.assign(4, {});
        board.lastPlayed[1] = 2;
        modal::setMessageResponder([](const modal::MessageRequest &) { return QMessageBox::Yes; });
        frmTavMn w(board, settings, program.path());
        w.formLoad();
        fill(board.penEntries, "070000");
        fill(board.pencilEntries, "000004");

        w.saveGame();
        QCOMPARE(readAll(program.filePath(QStringLiteral("saved/2.sav"))), saved(2, "070000", "000004"));
        w.restartPuzzle();
        QCOMPARE(digits(board.penEntries) + digits(board.pencilEntries), QByteArray("000000000000"));

        w.nextPuzzle();
        QCOMPARE(board.lastPlayed[1], 3);
        QCOMPARE(digits(board.penEntries), QByteArray("000000"));
        w.previousPuzzle();
        QCOMPARE(board.lastPlayed[1], 2);
        QCOMPARE(digits(board.penEntries), QByteArray("070000"));
        QCOMPARE(digits(board.pencilEntries), QByteArray("000004"));
        modal::setMessageResponder({});
    }
};

QTEST_MAIN(TestSavedGame)
#include "test_saved_game.moc"
