// A save that is killed part-way never harms the previous file: a program that saves a game or
// the settings over and over is killed (SIGKILL) many times, and each time the file holds one
// complete version and reads back. The test program is its own writer (`--writer game PATH` or
// `--writer settings`, into the XDG_CONFIG_HOME it is given).
#include "platform/modal.h"
#include "puzzle/saved_game.h"
#include "store/settings_file_store.h"
#include "store/settings_store.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cstdio>
#include <memory>

namespace {

constexpr int kKills = 30;
constexpr int kSide = 100;         // the largest board, so that each write takes a while
constexpr int kStatsPuzzles = 400; // puzzles in the settings

// One of two versions of what is saved, told apart by the test.
struct Version {
    modData::Board board;
    modReg::Settings settings;
};

// A 100x100 board of entry cells for puzzle 7 (version 0 in pen, version 1 in pencil), or
// settings for a book of 400 puzzles whose every value depends on the version.
Version version(bool game, int v)
{
    Version x;
    modData::Board &b = x.board;
    if (game) {
        b.gridWidth = b.gridHeight = kSide;
        b.cellCount = kSide * kSide;
        b.layoutGrid.assign(std::size_t(b.cellCount) + 1, 1);
        b.layoutGrid[0] = 0;
        b.solutionGrid = b.layoutGrid;
        modData::resetBoard(b);
        b.lastPlayed[1] = 7;
        for (std::size_t i = 1; i <= std::size_t(b.cellCount); ++i)
            (v == 0 ? b.penEntries[i] : b.pencilEntries[i]) = std::uint8_t(v == 0 ? i % 10 : i * 7 % 10);
        return x;
    }
    b.puzzleCount = kStatsPuzzles;
    b.lastPlayed[1] = 1 + v;
    b.pencilMode = std::int16_t(v);
    x.settings.soundOptions = {0, 1, 1, 1, std::int16_t(1 + v)};
    x.settings.puzzleStats.assign(kStatsPuzzles + 1, modReg::PuzzleStats{});
    for (int n = 1; n <= kStatsPuzzles; ++n) {
        for (std::size_t k = 1; k <= 3; ++k) {
            x.settings.puzzleStats[std::size_t(n)].bestTimes[k] = n * 10 + int(k) + v * 5000;
            x.settings.puzzleStats[std::size_t(n)].bestNames[k] =
                QStringLiteral("Player %1-%2 v%3").arg(n).arg(k).arg(v);
        }
    }
    return x;
}

// Saves a game to `path`, or the settings to the store.
bool save(bool game, const Version &x, const QString &path)
{
    if (game)
        return modData::writeSavedGame(x.board, path);
    modReg::saveSettings(x.board, x.settings);
    return true;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The writer: saves the two versions in turn until killed; says "ready" after the first save.
int runWriter(const QStringList &args)
{
    const bool game = args.value(2) == QLatin1String("game");
    const Version versions[2] = {version(game, 0), version(game, 1)};
    QElapsedTimer clock;
    clock.start();
    for (int round = 0; clock.elapsed() < 20000; ++round) { // never outlives a lost test
        if (!save(game, versions[(round + 1) % 2], args.value(3)))
            return 3;
        if (round == 0) {
            std::fputs("ready\n", stdout);
            std::fflush(stdout);
        }
    }
    return 0;
}

// Starts the writer, lets it save for a random moment after its first save, and kills it.
// Returns what went wrong, or nothing when the writer was killed as planned.
QString killWriterMidway(const QStringList &args, const QString &configHome)
{
    QProcess writer;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    writer.setProcessEnvironment(env);
    writer.start(QCoreApplication::applicationFilePath(), QStringList{QStringLiteral("--writer")} + args);
    const bool ready = writer.waitForStarted(5000) && writer.waitForReadyRead(10000);
    if (ready)
        QThread::usleep(QRandomGenerator::global()->bounded(20000u));
    writer.kill(); // SIGKILL
    writer.waitForFinished(5000);
    if (ready && writer.exitStatus() == QProcess::CrashExit)
        return {};
    return QStringLiteral("the writer %1 (exit code %2): %3")
        .arg(ready ? QStringLiteral("ended by itself") : QStringLiteral("never saved"))
        .arg(writer.exitCode())
        .arg(QString::fromLocal8Bit(writer.readAllStandardError()));
}

} // namespace

class TestKillWhileSaving : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        modal::setMessageResponder([](const modal::MessageRequest &) { return QMessageBox::Ok; });
    }

    void survivesKills_data()
    {
        QTest::addColumn<bool>("game");
        QTest::newRow("a saved game") << true;
        QTest::newRow("the settings") << false;
    }
    void survivesKills()
    {
        QFETCH(bool, game);
        // A folder in memory where there is one: what is tested is the replacing of the file,
        // and a busy disk's flushes would only make the writer slow to get going.
        const auto scratch =
            QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                ? std::make_unique<QTemporaryDir>(QStringLiteral("/dev/shm/korvel-kill-XXXXXX"))
                : std::make_unique<QTemporaryDir>();
        QVERIFY(scratch->isValid());
        auto fileIn = [&](const QString &home) {
            qputenv("XDG_CONFIG_HOME", QFile::encodeName(home));
            return game ? home + QStringLiteral("/saved/7.sav") : modReg::settingsFilePath();
        };
        QByteArray expected[2];
        for (int v = 0; v < 2; ++v) {
            const QString path = fileIn(scratch->filePath(QString::number(v)));
            QVERIFY(save(game, version(game, v), path));
            expected[v] = readAll(path);
            QVERIFY(!expected[v].isEmpty());
        }
        const QString home = scratch->filePath(QStringLiteral("home"));
        const QString path = fileIn(home);
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QVERIFY(QFile::copy(fileIn(scratch->filePath(QStringLiteral("0"))), path));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home));

        int seen[2] = {0, 0};
        const QStringList args = game ? QStringList{QStringLiteral("game"), path} : QStringList{"settings"};
        for (int i = 0; i < kKills; ++i) {
            const QString failure = killWriterMidway(args, home);
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
            const QByteArray now = readAll(path);
            QVERIFY2(now == expected[0] || now == expected[1], qPrintable(QStringLiteral("kill %1").arg(i)));
            ++seen[now == expected[0] ? 0 : 1];
            // Unfinished temporary copies a killed write left beside the file (where the file
            // system cannot keep them unnamed) are removed, so that they do not pile up.
            QDir dir = QFileInfo(path).dir();
            for (const QString &name : dir.entryList({QFileInfo(path).fileName() + ".*"}, QDir::Files))
                if (!name.endsWith(QLatin1String(".lock")))
                    dir.remove(name);
        }
        qInfo("%d kills: left version 0 %d times, version 1 %d times", kKills, seen[0], seen[1]);

        const int v = readAll(path) == expected[0] ? 0 : 1;
        Version back = version(game, 0);
        if (game) {
            modData::resetBoard(back.board);
            modData::readSavedGame(back.board, path);
            QCOMPARE(int((v == 0 ? back.board.penEntries : back.board.pencilEntries)[3]), v == 0 ? 3 : 1);
        } else {
            modReg::loadSettings(back.board, back.settings);
            QCOMPARE(back.board.lastPlayed[1], 1 + v);
            QCOMPARE(back.settings.puzzleStats[400].bestTimes[3], 4003 + v * 5000);
            QCOMPARE(back.settings.puzzleStats[400].bestNames[3], QStringLiteral("Player 400-3 v%1").arg(v));
        }
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (app.arguments().value(1) == QLatin1String("--writer"))
        return runWriter(app.arguments());
    TestKillWhileSaving test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_kill_while_saving.moc"
