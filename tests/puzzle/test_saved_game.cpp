// Saved games: the file layout, reading it back through our INI reader, damaged files, where
// the files live, and the round trip through the main window's commands.
#include "game/frm_tav_mn.h"
#include "platform/modal.h"
#include "puzzle/ini_reader.h"
#include "puzzle/saved_game.h"
#include "support/board_fixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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

// The entries of cells 1..cellCount as one digit each.
QByteArray digits(const modData::ByteArray1 &entries)
{
    QByteArray s;
    for (std::size_t i = 1; i < entries.size(); ++i)
        s += char('0' + entries[i]);
    return s;
}

} // namespace

class TestSavedGame : public QObject {
    Q_OBJECT
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

    void fileLayoutIsExact()
    {
        Board b;
        fixture::loadBoard(b, kTwoByThree);
        b.lastPlayed[1] = 12;
        b.penEntries[2] = 7;
        b.pencilEntries[6] = 4;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("saved/12.sav"));
        QString error;
        QVERIFY2(modData::writeSavedGame(b, path, &error), qPrintable(error));
        QCOMPARE(readAll(path), QByteArray("[SAVED]\r\nPUZNUM=12\r\nPEN=070000\r\nPENCIL=000004\r\n"));
    }

    void roundTripKeepsPenAndPencilApart_data()
    {
        QTest::addColumn<QByteArray>("pen");
        QTest::addColumn<QByteArray>("pencil");
        QTest::newRow("empty board") << QByteArray("000000") << QByteArray("000000");
        QTest::newRow("pen only") << QByteArray("093070") << QByteArray("000000");
        QTest::newRow("pencil only") << QByteArray("000000") << QByteArray("012012");
        QTest::newRow("both, cell by cell") << QByteArray("090080") << QByteArray("002001");
    }
    void roundTripKeepsPenAndPencilApart()
    {
        QFETCH(QByteArray, pen);
        QFETCH(QByteArray, pencil);
        Board b;
        fixture::loadBoard(b, kTwoByThree);
        for (int i = 1; i <= 6; ++i) {
            b.penEntries[std::size_t(i)] = std::uint8_t(pen[i - 1] - '0');
            b.pencilEntries[std::size_t(i)] = std::uint8_t(pencil[i - 1] - '0');
        }
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("saved/1.sav"));
        QVERIFY(modData::writeSavedGame(b, path));
        QCOMPARE(readAll(path), "[SAVED]\r\nPUZNUM=1\r\nPEN=" + pen + "\r\nPENCIL=" + pencil + "\r\n");

        modData::resetBoard(b);
        modData::readSavedGame(b, path);
        QCOMPARE(digits(b.penEntries), pen);
        QCOMPARE(digits(b.pencilEntries), pencil);
    }

    void fileCopiedUnderAnotherNumberIsIgnored()
    {
        Board b;
        fixture::loadBoard(b, kTwoByThree);
        b.penEntries[2] = 7;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("2.sav"));
        QVERIFY(modData::writeSavedGame(b, path)); // written for puzzle 1
        modData::resetBoard(b);
        b.lastPlayed[1] = 2;
        modData::readSavedGame(b, path);
        QCOMPARE(digits(b.penEntries), QByteArray("000000"));
    }

    // Each file is read on puzzle 1 of the 2x3 board (blocks at cells 1 and 4).
    void readingHandlesAnyFile_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("pen");
        QTest::addColumn<QByteArray>("pencil");
        const QByteArray none("000000");
        QTest::newRow("as written") << QByteArray("[SAVED]\r\nPUZNUM=1\r\nPEN=070000\r\nPENCIL=000004\r\n")
                                    << QByteArray("070000") << QByteArray("000004");
        QTest::newRow("names in mixed case") << QByteArray("[saved]\r\nPuzNum=1\r\npen=070000\r\nPeNcIl=000004\r\n")
                                             << QByteArray("070000") << QByteArray("000004");
        QTest::newRow("LF line ends and blanks") << QByteArray("  [ SAVED ]\n PUZNUM = 1 \nPEN = 070000\nPENCIL=000004")
                                                 << QByteArray("070000") << QByteArray("000004");
        QTest::newRow("other sections around it")
            << QByteArray("[OTHER]\r\nPEN=999999\r\n[SAVED]\r\nPUZNUM=1\r\nPEN=070000\r\n[MORE]\r\nPENCIL=000004\r\n")
            << QByteArray("070000") << none;
        QTest::newRow("PUZNUM of another puzzle") << QByteArray("[SAVED]\r\nPUZNUM=2\r\nPEN=070000\r\n") << none << none;
        QTest::newRow("PUZNUM missing") << QByteArray("[SAVED]\r\nPEN=070000\r\n") << none << none;
        QTest::newRow("section missing") << QByteArray("PUZNUM=1\r\nPEN=070000\r\n") << none << none;
        QTest::newRow("empty file") << QByteArray() << none << none;
        QTest::newRow("binary junk") << QByteArray("\x00\xff[\x01=\r\n\x80", 8) << none << none;
        QTest::newRow("PEN missing") << QByteArray("[SAVED]\r\nPUZNUM=1\r\nPENCIL=000004\r\n") << none
                                     << QByteArray("000004");
        QTest::newRow("PEN empty") << QByteArray("[SAVED]\r\nPUZNUM=1\r\nPEN=\r\nPENCIL=\r\n") << none << none;
        QTest::newRow("PEN short") << QByteArray("[SAVED]\r\nPUZNUM=1\r\nPEN=07\r\nPENCIL=0003\r\n")
                                   << QByteArray("070000") << QByteArray("000000");
        QTest::newRow("PEN stops at a non-digit") << QByteArray("[SAVED]\r\nPUZNUM=1\r\nPEN=07x009\r\nPENCIL=00-\r\n")
                                                  << QByteArray("070000") << none;
        QTest::newRow("PEN too long") << QByteArray("[SAVED]\r\nPUZNUM=1\r\nPEN=0700001234\r\n")
                                      << QByteArray("070000") << none;
        QTest::newRow("digits in block cells") << QByteArray("[SAVED]\r\nPUZNUM=1\r\nPEN=900900\r\nPENCIL=500500\r\n")
                                               << none << none;
        QTest::newRow("pen and pencil in one cell") << QByteArray("[SAVED]\r\nPUZNUM=1\r\nPEN=070000\r\nPENCIL=050003\r\n")
                                                    << QByteArray("070000") << QByteArray("000003");
        QTest::newRow("PUZNUM with trailing text") << QByteArray("[SAVED]\r\nPUZNUM=1abc\r\nPEN=000009\r\n")
                                                   << QByteArray("000009") << none;
    }
    void readingHandlesAnyFile()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, pen);
        QFETCH(QByteArray, pencil);
        Board b;
        fixture::loadBoard(b, kTwoByThree);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("1.sav"));
        QVERIFY(writeFile(path, file));
        modData::readSavedGame(b, path);
        QCOMPARE(digits(b.penEntries), pen);
        QCOMPARE(digits(b.pencilEntries), pencil);
        QCOMPARE(digits(b.errorMarks), QByteArray("000000"));
    }

    void missingFileChangesNothing()
    {
        Board b;
        fixture::loadBoard(b, kTwoByThree);
        modData::readSavedGame(b, QStringLiteral("/nonexistent/folder/1.sav"));
        QCOMPARE(digits(b.penEntries), QByteArray("000000"));
    }

    void iniValues_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number");
        QTest::newRow("plain") << QByteArray("[S]\nK=42\n") << "42" << 42;
        QTest::newRow("quoted") << QByteArray("[S]\nK=\" 42 \"\n") << " 42 " << 0;
        QTest::newRow("negative") << QByteArray("[S]\nK=-17x\n") << "-17x" << -17;
        QTest::newRow("no number") << QByteArray("[S]\nK=abc\n") << "abc" << 0;
        QTest::newRow("too large") << QByteArray("[S]\nK=99999999999999\n") << "99999999999999" << INT_MAX;
        QTest::newRow("first one wins") << QByteArray("[S]\nK=1\nK=2\n") << "1" << 1;
        QTest::newRow("comment line") << QByteArray("[S]\n;K=1\nK=2\n") << "2" << 2;
        QTest::newRow("missing") << QByteArray("[S]\nJ=1\n") << "default" << -1;
    }
    void iniValues()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, text);
        QFETCH(int, number);
        const auto ini = modData::IniReader::fromBytes(file);
        QCOMPARE(ini.profileString(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("default")), text);
        QCOMPARE(ini.profileInt(QStringLiteral("s"), QStringLiteral("k"), -1), number);
    }

    void unwritablePlaceFailsAndSays_data()
    {
        QTest::addColumn<QString>("obstacle"); // what stands where the file or its folder should go
        QTest::addColumn<QString>("path");
        QTest::newRow("saved is a file") << "saved" << "saved/1.sav";
        QTest::newRow("the file is a folder") << "saved/1.sav/" << "saved/1.sav";
    }
    void unwritablePlaceFailsAndSays()
    {
        QFETCH(QString, obstacle);
        QFETCH(QString, path);
        QTemporaryDir dir;
        if (obstacle.endsWith(QLatin1Char('/')))
            QVERIFY(QDir(dir.path()).mkpath(obstacle));
        else
            QVERIFY(writeFile(dir.filePath(obstacle), "not a folder"));
        Board b;
        fixture::loadBoard(b, kTwoByThree);
        QString error;
        QVERIFY(!modData::writeSavedGame(b, dir.filePath(path), &error));
        QVERIFY2(error.contains(QStringLiteral("could not be saved")), qPrintable(error));
    }

    void missingFolderIsCreated()
    {
        QTemporaryDir dir;
        Board b;
        fixture::loadBoard(b, kTwoByThree);
        const QString path = dir.filePath(QStringLiteral("saved/1.sav"));
        QVERIFY(modData::writeSavedGame(b, path));
        QVERIFY(QFile::exists(path));
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

    // Save, leave the puzzle and come back through Next and Previous; Restart after Save.
    void savedGameComesBackThroughNextAndPrevious()
    {
        QTemporaryDir program;
        Board board;
        QVERIFY(modData::loadBookBytes(board, fixture::bookFromAscii({kTwoByThree, kTwoByThree, kTwoByThree})));
        modReg::Settings settings;
        settings.puzzleStats.assign(4, {});
        board.lastPlayed[1] = 2;
        modal::setMessageResponder([](const modal::MessageRequest &) { return QMessageBox::Yes; });
        frmTavMn w(board, settings, program.path());
        w.formLoad();
        QCOMPARE(w.shownPuzzle, 2);
        board.penEntries[2] = 7;
        board.pencilEntries[6] = 4;

        w.saveGame();
        QCOMPARE(readAll(program.filePath(QStringLiteral("saved/2.sav"))),
                 QByteArray("[SAVED]\r\nPUZNUM=2\r\nPEN=070000\r\nPENCIL=000004\r\n"));

        w.restartPuzzle();
        QCOMPARE(digits(board.penEntries), QByteArray("000000"));
        QCOMPARE(digits(board.pencilEntries), QByteArray("000000"));

        w.nextPuzzle();
        QCOMPARE(board.lastPlayed[1], 3);
        QCOMPARE(digits(board.penEntries), QByteArray("000000"));
        w.previousPuzzle();
        QCOMPARE(board.lastPlayed[1], 2);
        QCOMPARE(digits(board.penEntries), QByteArray("070000"));
        QCOMPARE(digits(board.pencilEntries), QByteArray("000004"));

        w.previousPuzzle();
        w.nextPuzzle();
        QCOMPARE(digits(board.penEntries), QByteArray("070000"));
        QCOMPARE(digits(board.pencilEntries), QByteArray("000004"));
        modal::setMessageResponder({});
    }

private:
    QTemporaryDir home_;
};

QTEST_MAIN(TestSavedGame)
#include "test_saved_game.moc"
