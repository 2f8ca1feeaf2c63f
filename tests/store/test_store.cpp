// The settings store and the saved game when things go wrong: a writer killed mid-save, odd
// stored values, a settings file that is no file of ours or cannot be written; and best times.
#include "game/game.h"
#include "platform/whole_file.h"
#include "puzzle/saved_game.h"
#include "store/score.h"
#include "store/settings_file_store.h"
#include "store/settings_store.h"
#include "support/board_fixture.h"
#include "support/file_size_limit.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cstdio>

#include <sys/stat.h>

namespace {

// Version v of a large save: a 100x100 board of puzzle 7 in pen (0) or pencil (1), settings
// with 400 puzzles' best times, or a 30x30 puzzle 1 left with its progress kept (saved in `path`'s
// folder as 1.sav), in pen or pencil.
bool save(const QByteArray &what, int v, const QString &path)
{
    if (what == "leaving") {
        static store::PlayerSettings settings;
        static const puzzle::Book book = fixture::bookOf(
            {QStringList(30, QStringLiteral("1 2 3 4 5 # 7 8 9 1 2 # 4 5 6 7 8 # 1 2 3 4 # 6 7 8 9 1 # 3"))});
        static bool kept = true;
        static game::Game &game = [&]() -> game::Game & {
            static game::Game opened(book, settings, QFileInfo(path).path());
            settings.setKeepProgress(true);
            opened.openPuzzle(1);
            QObject::connect(&opened, &game::Game::progressNotKept, [] { kept = false; });
            return opened;
        }();
        game.setPencilMode(v == 1);
        for (int i = 0; i < game.puzzle().entryCellCount(); ++i)
            game.write(game.puzzle().colOf(i), game.puzzle().rowOf(i), 1 + (i + v) % 9);
        kept = true;
        game.openPuzzle(1);
        return kept && QFileInfo(path).isFile();
    }
    if (what == "game") {
        static const kakuro::Puzzle full =
            kakuro::puzzleFromRecord({100, 100, std::vector<std::uint8_t>(100 * 100, 1)});
        puzzle::Entries e(full.entryCellCount());
        for (int i = 0; i < e.cellCount(); ++i)
            e.write(i, 1 + (i + v) % 9, v == 1);
        return puzzle::writeSavedGame(path, 7, full, e);
    }
    store::Settings s;
    s.puzzleStats.assign(401, {{{0, 10 + v, 20 + v, 30 + v}}, {{{}, {}, {}, QString(40, QChar('a' + v))}}});
    return store::saveSettings(s);
}

// "last-puzzle sound-1 best-times second-name"
QString described(const store::Settings &s)
{
    const auto &t = s.puzzleStats[1].bestTimes;
    return QString::asprintf("%d %d %d,%d,%d ", s.lastPuzzle, s.soundOptions[1], t[1], t[2], t[3]) +
           s.puzzleStats[1].bestNames[2] + (s.showCombinations ? " combinations" : "") +
           (s.showConflicts ? " conflicts" : "") +
           (s.colourScheme != store::ColourScheme::Classic
                ? QStringLiteral(" scheme %1").arg(int(s.colourScheme))
                : "") +
           (s.autoMarks ? "" : " no automarks") +
           (s.windowPlace ? QStringLiteral(" place %1x%2 zoom %3")
                                .arg(s.windowPlace->width)
                                .arg(s.windowPlace->height)
                                .arg(s.windowPlace->zoomLevel)
                          : "");
}

} // namespace

class TestStore : public QObject {
    Q_OBJECT
    QTemporaryDir config_{QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                              ? QStringLiteral("/dev/shm/korvel-store-XXXXXX")
                              : QDir::tempPath() + QStringLiteral("/korvel-store-XXXXXX")};
    int case_ = 0;

private Q_SLOTS:
    // Each case has a configuration folder of its own.
    void init()
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.filePath(QString::number(++case_))));
        QVERIFY(QDir().mkpath(QFileInfo(store::settingsFilePath()).path()));
    }

    void killedWhileSaving_data()
    {
        QTest::addColumn<QByteArray>("what");
        QTest::addColumn<QString>("file");
        QTest::newRow("a saved game") << QByteArray("game") << "saved/7.sav";
        QTest::newRow("the settings") << QByteArray("settings") << "";
        QTest::newRow("a puzzle left with its progress kept") << QByteArray("leaving") << "kept/1.sav";
    }
    void killedWhileSaving()
    {
        QFETCH(QByteArray, what);
        QFETCH(QString, file);
        const QString path = file.isEmpty() ? store::settingsFilePath() : config_.filePath(file);
        QByteArray versions[2];
        for (int v = 1; v >= 0; --v) {
            QVERIFY(save(what, v, path));
            versions[v] = fixture::fileBytes(path);
        }
        for (int kill = 0; kill < 20; ++kill) {
            QProcess writer;
            writer.start(QCoreApplication::applicationFilePath(),
                         {"--writer", QString::fromLatin1(what), path});
            QVERIFY(writer.waitForReadyRead(10000));
            QThread::usleep(QRandomGenerator::global()->bounded(20000u));
            writer.kill();
            QVERIFY(writer.waitForFinished(5000));
            const QByteArray now = fixture::fileBytes(path);
            QVERIFY(now == versions[0] || now == versions[1]);
        }
    }

    // With the disk full (a file-size limit that cuts the last line or so) every writer fails
    // and says so, and the previous file stays whole with nothing left beside it (was: the save
    // reported success and left a short file).
    void fullDisk_data()
    {
        QTest::addColumn<QByteArray>("what");
        QTest::addColumn<QString>("file");
        QTest::newRow("the settings") << QByteArray("settings") << "";
        QTest::newRow("a puzzle left with its progress kept") << QByteArray("leaving") << "kept/1.sav";
    }
    void fullDisk()
    {
        QFETCH(QByteArray, what);
        QFETCH(QString, file);
        const QString path = file.isEmpty() ? store::settingsFilePath() : config_.filePath(file);
        QVERIFY(save(what, 0, path));
        const qint64 firstSize = QFileInfo(path).size();
        QVERIFY(save(what, 1, path));
        const QByteArray before = fixture::fileBytes(path);
        const qint64 shorter = std::min(firstSize, qint64(before.size()));
        const QStringList files = QDir(QFileInfo(path).path()).entryList(QDir::Files);
        {
            FileSizeLimit full(rlim_t(shorter - 100));
            QVERIFY(!save(what, 0, path));
        }
        QCOMPARE(fixture::fileBytes(path), before);
        QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files), files);
    }

    // Temporaries of killed writes go at the next start once a minute old; a running write's and
    // the player's own copies stay.
    void leftoverTemporaries_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("minutesOld");
        QTest::addColumn<bool>("removed");
        QTest::newRow("a saved game's") << "12.sav.qWeRtY" << 5 << true;
        QTest::newRow("the settings' scratch file's lock") << "1.0.conf.rjSyNH.lock" << 5 << true;
        QTest::newRow("a running write's") << "12.sav.qWeRtY" << 0 << false;
        QTest::newRow("a copy the player made") << "12.sav.backup" << 5 << false;
        QTest::newRow("another file's") << "notes.txt.qWeRtY" << 5 << false;
    }
    void leftoverTemporaries()
    {
        QFETCH(QString, name);
        QFETCH(int, minutesOld);
        const QString folder = QFileInfo(store::settingsFilePath()).path();
        QFile f(folder + QLatin1Char('/') + name);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-60 * minutesOld - 1),
                              QFileDevice::FileModificationTime));
        f.close();
        platform::removeLeftoverTemporaries(folder, QStringLiteral("*.sav"));
        store::Settings s;
        QVERIFY(store::loadSettings(s, 1)); // the start clears the settings file's own
        QTEST(!f.exists(), "removed");
    }

    void everyValueComesBack()
    {
        store::Settings s;
        s.lastPuzzle = 2;
        s.pencilMode = 1;
        s.soundOptions = {0, 4, 3, 2, 1};
        s.puzzleStats.assign(3, {{{0, 5, 6, 7}}, {{{}, "Ann", "Bo", "Cy"}}});
        s.showCombinations = true;
        s.combinationsPosition = std::pair(-20, 300);
        s.keyScheme = 1;
        s.autoMarks = false;
        s.fitWindow = true;
        s.windowPlace = store::WindowPlace{900, 700, true, 6};
        QVERIFY(store::saveSettings(s));
        store::Settings back;
        QVERIFY(store::loadSettings(back, 2));
        QCOMPARE(described(back), described(s));
        QCOMPARE(std::tie(back.combinationsPosition, back.keyScheme, back.fitWindow, back.pencilMode,
                          back.soundOptions),
                 std::tie(s.combinationsPosition, s.keyScheme, s.fitWindow, s.pencilMode, s.soundOptions));
        QCOMPARE(back.puzzleStats[2].bestTimes, s.puzzleStats[2].bestTimes);
        QCOMPARE(back.puzzleStats[2].bestNames, s.puzzleStats[2].bestNames);
    }

    // A shorter value fills the leading bytes of its room; a longer one, or one with no text, is
    // not read and its default stays; text stands for its bytes; a name stops at NUL and 50.
    void oddStoredValues_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("expected");
        const QString base = QStringLiteral("1 1 0,0,0 ");
        QTest::newRow("shorter than the room")
            << "STATS1" << QVariant(QByteArray("d\0\0\0\xc8\0\0\0", 8)) << "1 1 100,200,0 ";
        QTest::newRow("longer than the room") << "LASTPLAYED" << QVariant(QByteArray(8, 1)) << base;
        QTest::newRow("text for bytes") << "LASTPLAYED" << QVariant("77") << "14135 1 0,0,0 ";
        QTest::newRow("no text") << "STATS1" << QVariant(QPoint(4, 5)) << base;
        QTest::newRow("name with a NUL")
            << "STATS1_2" << QVariant(QString::fromUtf16(u"Bo\0x", 4)) << base + "Bo";
        QTest::newRow("name of 51") << "STATS1_2" << QVariant(QString(51, 'n')) << base + QString(50, 'n');
        QTest::newRow("name of 52") << "STATS1_2" << QVariant(QString(52, 'n')) << base;
        QTest::newRow("a switch on") << "CONFLICTS" << QVariant(QByteArray("\1\0\0\0", 4))
                                     << base + " conflicts";
        QTest::newRow("a switch too short") << "COMBINATIONS" << QVariant(QByteArray("\1", 1)) << base;
        QTest::newRow("a colour scheme")
            << "COLOURSCHEME" << QVariant(QByteArray("\3\0\0\0", 4)) << base + " scheme 3";
        QTest::newRow("an unknown colour scheme")
            << "COLOURSCHEME" << QVariant(QByteArray("\4\0\0\0", 4)) << base;
        QTest::newRow("automatic marks off")
            << "AUTOMARKS" << QVariant(QByteArray(4, 0)) << base + " no automarks";
        QTest::newRow("damaged automatic marks stay on")
            << "AUTOMARKS" << QVariant(QByteArray("\2\0\0\0", 4)) << base;
        QTest::newRow("a window place")
            << "WINDOWPLACE" << QVariant(QByteArray("\x84\3\0\0\xbc\2\0\0\0\0\0\0\7\0\0\0", 16))
            << base + " place 900x700 zoom 7";
        QTest::newRow("a place past the last zoom step")
            << "WINDOWPLACE" << QVariant(QByteArray("\x84\3\0\0\xbc\2\0\0\0\0\0\0\x0b\0\0\0", 16)) << base;
    }
    void oddStoredValues()
    {
        QFETCH(QString, name);
        QFETCH(QVariant, value);
        QSettings(store::settingsFilePath(), QSettings::NativeFormat).setValue(name, value);
        store::Settings s;
        QVERIFY(store::loadSettings(s, 1));
        QTEST(described(s), "expected");
    }

    // Each of the first four once hung or crashed the start: nothing is read or written and the
    // player is told, by both answers being false. A folder that is a file cannot be written even
    // by root.
    void settingsFileThatFails_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("loads");
        QTest::newRow("a named pipe") << "pipe" << false;
        QTest::newRow("an endless device") << "device" << false;
        QTest::newRow("a sparse file of 128 MB") << "sparse" << false;
        QTest::newRow("an object nested 40,000 deep") << "nested" << false;
        QTest::newRow("its folder is a file") << "folder" << true;
        // Each hung the exit for ever (was: the write waited on the lock, or read it without end).
        QTest::newRow("a folder at the lock") << "lock folder" << true;
        QTest::newRow("a named pipe at the lock") << "lock pipe" << true;
        QTest::newRow("an endless device at the lock") << "lock device" << true;
    }
    void settingsFileThatFails()
    {
        QFETCH(QString, kind);
        const QString path = store::settingsFilePath();
        QFile f(kind == QLatin1String("folder") ? QFileInfo(path).path() : path);
        const QString at = kind.startsWith(QLatin1String("lock")) ? path + QStringLiteral(".lock") : path;
        if (kind.endsWith(QLatin1String("pipe"))) {
            QCOMPARE(::mkfifo(QFile::encodeName(at).constData(), 0600), 0);
        } else if (kind.endsWith(QLatin1String("device"))) {
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), at));
        } else if (kind == QLatin1String("lock folder")) {
            QVERIFY(QDir().mkpath(at));
        } else {
            QVERIFY(kind != QLatin1String("folder") || QDir(f.fileName()).removeRecursively());
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("LASTPLAYED=@ByteArray(\\x2\\0\\0\\0)\n") > 0);
            if (kind == QLatin1String("nested"))
                f.write("STATS1_2=@Variant(" + QByteArray("\0\0\0\t\0\0\0\x01", 8).repeated(40000) + ")\n");
            QVERIFY(kind != QLatin1String("sparse") || f.resize(qint64(128) << 20));
            f.close();
        }
        const qint64 size = QFileInfo(path).size();
        store::Settings s;
        QTEST(store::loadSettings(s, 1), "loads");
        QCOMPARE(s.lastPuzzle, 1);
        QVERIFY(!store::saveSettings(s));
        QCOMPARE(QFileInfo(path).size(), size); // still there, not replaced
    }

    // Tables as "seconds+name" per rank; the stored names are a, b, c.
    void bestTimes_data()
    {
        QTest::addColumn<int>("puzzle");
        QTest::addColumn<QList<int>>("times");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("rank");
        QTest::addColumn<QString>("after");
        QTest::newRow("empty table") << 1 << QList<int>{0, 0, 0} << 50 << 1 << "50n 0a 0b";
        QTest::newRow("best: the third drops out") << 1 << QList<int>{50, 60, 70} << 40 << 1 << "40n 50a 60b";
        QTest::newRow("a tie ranks after") << 1 << QList<int>{50, 60, 70} << 60 << 3 << "50a 60b 60n";
        QTest::newRow("too slow") << 1 << QList<int>{50, 60, 70} << 70 << 4 << "50a 60b 70c";
        QTest::newRow("cleared slots")
            << 1 << QList<int>{50, 99999, 99999} << 99998 << 2 << "50a 99998n 99999b";
        QTest::newRow("a puzzle without a table") << 2 << QList<int>{0, 0, 0} << 50 << 4 << "0a 0b 0c";
    }
    void bestTimes()
    {
        QFETCH(int, puzzle);
        QFETCH(QList<int>, times);
        QFETCH(int, seconds);
        store::Settings s;
        s.puzzleStats.resize(2);
        for (int k = 1; k <= 3; ++k) {
            s.puzzleStats[1].bestTimes[std::size_t(k)] = times[k - 1];
            s.puzzleStats[1].bestNames[std::size_t(k)] = QChar('a' + k - 1);
        }
        QTEST(store::rankForTime(s, puzzle, seconds), "rank");
        store::insertTime(s, puzzle, seconds, QStringLiteral("n"));
        QStringList after;
        for (int k = 1; k <= 3; ++k)
            after << QString::number(s.puzzleStats[1].bestTimes[std::size_t(k)]) +
                         s.puzzleStats[1].bestNames[std::size_t(k)];
        QTEST(after.join(QLatin1Char(' ')), "after");
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // The writer: saves versions 0 and 1 in turn until killed, saying "ready" after the first.
    QElapsedTimer clock;
    clock.start();
    for (int round = 0; app.arguments().value(1) == QLatin1String("--writer"); ++round) {
        if (clock.elapsed() > 20000 || !save(QByteArray(argv[2]), round % 2, app.arguments().value(3)))
            return 3; // never outlives a lost test
        if (round == 0 && std::puts("ready") >= 0)
            std::fflush(stdout);
    }
    TestStore test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_store.moc"
