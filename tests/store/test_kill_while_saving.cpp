// A save that is killed part-way never harms the previous file: a program that saves a game or
// the settings over and over is killed (SIGKILL) many times, and each time the file holds one
// complete version and reads back.
#include "kill_variants.h"
#include "platform/modal.h"
#include "puzzle/saved_game.h"
#include "store/settings_file_store.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>

namespace {

constexpr int kKills = 30;

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Starts the writer, lets it save for a random moment after its first save, and kills it.
// Returns what went wrong, or nothing when the writer was killed as planned.
QString killWriterMidway(const QStringList &args, const QString &configHome)
{
    QProcess writer;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    writer.setProcessEnvironment(env);
    writer.start(QStringLiteral(KILL_WRITER_PATH), args);
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

// A folder in memory where there is one: what is tested is the replacing of the file, and a
// busy disk's flushes would only make the writer slow to get going.
std::unique_ptr<QTemporaryDir> scratchFolder()
{
    if (QFileInfo(QStringLiteral("/dev/shm")).isWritable())
        return std::make_unique<QTemporaryDir>(QStringLiteral("/dev/shm/korvel-kill-XXXXXX"));
    return std::make_unique<QTemporaryDir>();
}

// Files a killed write left beside `file` (unfinished temporary copies, where the file system
// cannot keep them unnamed); removes them so that they do not pile up.
int removeLeftovers(const QString &file)
{
    const QFileInfo info(file);
    QDir dir = info.dir();
    int count = 0;
    for (const QString &name : dir.entryList({info.fileName() + QStringLiteral(".*")}, QDir::Files)) {
        if (name.endsWith(QLatin1String(".lock")))
            continue;
        dir.remove(name);
        ++count;
    }
    return count;
}

} // namespace

class TestKillWhileSaving : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        modal::setMessageResponder([](const modal::MessageRequest &) { return QMessageBox::Ok; });
    }

    void savedGameSurvivesKills()
    {
        const auto scratch = scratchFolder();
        QTemporaryDir &dir = *scratch;
        QVERIFY(dir.isValid());
        QByteArray expected[2];
        for (int v = 0; v < 2; ++v) {
            modData::Board b;
            killvariants::gameBoard(b, v);
            const QString path = dir.filePath(QStringLiteral("v%1.sav").arg(v));
            QVERIFY(modData::writeSavedGame(b, path));
            expected[v] = readAll(path);
        }
        const QString path = dir.filePath(QStringLiteral("saved/7.sav"));
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("saved")));
        QVERIFY(QFile::copy(dir.filePath(QStringLiteral("v0.sav")), path));

        int seen[2] = {0, 0};
        for (int i = 0; i < kKills; ++i) {
            const QString failure = killWriterMidway({QStringLiteral("game"), path}, dir.path());
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
            const QByteArray now = readAll(path);
            QVERIFY2(now == expected[0] || now == expected[1], qPrintable(QStringLiteral("kill %1").arg(i)));
            modData::Board b;
            killvariants::gameBoard(b, 0);
            modData::resetBoard(b);
            modData::readSavedGame(b, path);
            const int v = now == expected[0] ? 0 : 1;
            const auto &restored = v == 0 ? b.penEntries : b.pencilEntries;
            QCOMPARE(int(restored[3]), v == 0 ? 3 : 1);
            ++seen[v];
            removeLeftovers(path);
        }
        qInfo("%d kills: left version 0 %d times, version 1 %d times", kKills, seen[0], seen[1]);
    }

    void settingsSurviveKills()
    {
        const auto scratch = scratchFolder();
        QVERIFY(scratch->isValid());
        QDir(scratch->path()).mkpath(QStringLiteral("reference"));
        QDir(scratch->path()).mkpath(QStringLiteral("home"));
        QTemporaryDir reference(scratch->filePath(QStringLiteral("reference/XXXXXX")));
        QTemporaryDir home(scratch->filePath(QStringLiteral("home/XXXXXX")));
        QByteArray expected[2];
        for (int v = 0; v < 2; ++v) {
            qputenv("XDG_CONFIG_HOME", QFile::encodeName(reference.filePath(QString::number(v))));
            modData::Board b;
            modReg::Settings s;
            killvariants::settings(b, s, v);
            modReg::saveSettings(b, s);
            expected[v] = readAll(modReg::settingsFilePath());
            QVERIFY(!expected[v].isEmpty());
        }
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
        const QString path = modReg::settingsFilePath();
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QVERIFY(QFile::copy(reference.filePath(QStringLiteral("0/Norvane/Korvel/1.0.conf")), path));

        int seen[2] = {0, 0};
        for (int i = 0; i < kKills; ++i) {
            const QString failure = killWriterMidway({QStringLiteral("settings")}, home.path());
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
            const QByteArray now = readAll(path);
            QVERIFY2(now == expected[0] || now == expected[1], qPrintable(QStringLiteral("kill %1").arg(i)));
            ++seen[now == expected[0] ? 0 : 1];
            removeLeftovers(path);
        }
        qInfo("%d kills: left version 0 %d times, version 1 %d times", kKills, seen[0], seen[1]);

        modData::Board b;
        b.puzzleCount = killvariants::kStatsPuzzles;
        modReg::Settings s;
        modReg::loadSettings(b, s);
        const int v = readAll(path) == expected[0] ? 0 : 1;
        QCOMPARE(b.lastPlayed[1], 1 + v);
        QCOMPARE(s.puzzleStats[400].bestTimes[3], 4003 + v * 5000);
        QCOMPARE(s.puzzleStats[400].bestNames[3], QStringLiteral("Player 400-3 v%1").arg(v));
    }
};

QTEST_MAIN(TestKillWhileSaving)
#include "test_kill_while_saving.moc"
