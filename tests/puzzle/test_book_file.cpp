// The puzzle book reader: valid books load, hostile ones are refused without harm.
#include "support/board_fixture.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <sys/stat.h>

namespace {

QByteArray goodBook() { return fixture::bookFromAscii({fixture::smallPuzzle(), {"#12", "#34"}}); }

void putI32(QByteArray &b, int at, qint32 v) { qToLittleEndian(v, b.data() + at); }
void putI16(QByteArray &b, int at, qint16 v) { qToLittleEndian(v, b.data() + at); }

qint32 firstOffset(const QByteArray &b) { return qFromLittleEndian<qint32>(b.constData() + 8); }

} // namespace

class TestBookFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void validBookLoads()
    {
        modData::Board b;
        QVERIFY(modData::loadBookBytes(b, goodBook()));
        QCOMPARE(b.puzzleCount, 2);
        modData::loadPuzzle(b, 2);
        QCOMPARE(b.gridWidth, 3);
        QCOMPARE(b.gridHeight, 2);
        QCOMPARE(b.entryCellCount, 4);
    }

    void hostileBooksAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("why");
        const QByteArray good = goodBook();
        const int rec = firstOffset(good);

        QByteArray b = good;
        b[0] = 'q', b[1] = 'z', b[2] = 't', b[3] = 'w';
        QTest::newRow("lower-case magic") << b << "magic";
        QTest::newRow("empty file") << QByteArray() << "short";
        QTest::newRow("header cut short") << good.left(6) << "short";
        QTest::newRow("offset table cut short") << good.left(10) << "offset table";
        b = good, putI32(b, 4, 0);
        QTest::newRow("count 0") << b << "below 1";
        b = good, putI32(b, 4, -5);
        QTest::newRow("negative count") << b << "below 1";
        b = good, putI32(b, 4, 40000);
        QTest::newRow("count above 32767") << b << "above 32767";
        b = good, putI32(b, 4, 30000);
        QTest::newRow("count the file cannot hold") << b << "offset table";
        b = good, putI32(b, 8, qint32(good.size()));
        QTest::newRow("offset at end of file") << b << "outside the file";
        b = good, putI32(b, 8, -1);
        QTest::newRow("negative offset") << b << "outside the file";
        b = good, putI16(b, rec, 0);
        QTest::newRow("width 0") << b << "outside 1..100";
        b = good, putI16(b, rec + 2, -3);
        QTest::newRow("negative height") << b << "outside 1..100";
        b = good, putI16(b, rec, 101);
        QTest::newRow("width 101") << b << "outside 1..100";
        b = good, putI16(b, rec + 2, 90);
        QTest::newRow("record past end of file") << b << "past the end";
        b = good, b[rec + 8 + 5] = char(10);
        QTest::newRow("byte above 9") << b << "not a digit";
    }
    void hostileBooksAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, why);
        modData::Board b;
        QString error;
        QVERIFY(!modData::loadBookBytes(b, bytes, &error));
        QVERIFY2(error.contains(why), qPrintable(error));
        QCOMPARE(b.puzzleCount, 0);
    }

    // Where the book should be there is no book file to read: nothing waits for the writer of a
    // pipe, reads an endless device, or reads a gigabyte (a sparse file that starts like a good
    // book but is larger than any book can be).
    void unreadableBooksAreRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << "missing";
        QTest::newRow("a folder") << "folder";
        QTest::newRow("a named pipe") << "pipe";
        QTest::newRow("an endless device") << "device";
        QTest::newRow("larger than any book") << "huge";
    }
    void unreadableBooksAreRefused()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("dm_book1.qztw"));
        if (kind == QLatin1String("folder")) {
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("dm_book1.qztw")));
        } else if (kind == QLatin1String("pipe")) {
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        } else if (kind == QLatin1String("device")) {
            path = QStringLiteral("/dev/zero");
        } else if (kind == QLatin1String("huge")) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.write(goodBook()) > 0);
            QVERIFY(f.resize(qint64(1) << 31)); // 2 GB, sparse
        }
        modData::Board b;
        QString error;
        QVERIFY(!modData::loadBook(b, path, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(b.puzzleCount, 0);
    }

    void bookChangedOnDiskDoesNotAffectLaterLoads()
    {
        QTemporaryDir dir;
        const QString path = fixture::writeBook(dir.path(), {fixture::smallPuzzle(), {"#12", "#34"}});
        modData::Board b;
        QVERIFY(modData::loadBook(b, path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("garbage");
        file.close();
        modData::loadPuzzle(b, 2);
        QCOMPARE(b.cellCount, 6);
        QCOMPARE(b.solutionAt(3, 2), 4);
    }

    void encodeThenReadRoundTrips()
    {
        const auto p = fixture::puzzleFromAscii({"#1#", "23#"});
        const std::vector<std::uint8_t> bytes = modData::encodeBook({p, p});
        const modData::BookCheck check = modData::validateBook(bytes);
        QVERIFY(check.ok);
        QCOMPARE(modData::readRecord(bytes, check.offsets, 2), p);
    }
};

QTEST_APPLESS_MAIN(TestBookFile)
#include "test_book_file.moc"
