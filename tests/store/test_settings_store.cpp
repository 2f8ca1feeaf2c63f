// The settings store: first-run defaults, the stored layouts, values of other sizes, names, and
// a store that cannot be read or written.
#include "game/frm_tav_mn.h"
#include "platform/modal.h"
#include "store/settings_file_store.h"
#include "store/settings_store.h"
#include "support/board_fixture.h"

#include <QDir>
#include <QPoint>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <memory>

#include <sys/stat.h>
#include <unistd.h>

using modData::Board;
using modReg::Settings;

namespace {

// Little-endian values of `bytes` bytes each, as the store keeps them.
QByteArray le(int bytes, std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values) {
        char at[4];
        qToLittleEndian(std::int32_t(v), at);
        b.append(at, bytes);
    }
    return b;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// What the game took from the store, in one line.
QString described(const Board &b, const Settings &s)
{
    const auto &t = s.puzzleStats[1].bestTimes;
    const auto &o = s.soundOptions;
    return QString::asprintf("last %d book %d pencil %d sound %d,%d,%d,%d times %d,%d,%d",
                             int(b.lastPlayed[1]), int(b.bookIndex), int(b.pencilMode), o[1], o[2], o[3],
                             o[4], t[1], t[2], t[3]);
}

} // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> config_;
    QStringList messages_;
    Board board_;
    Settings settings_;

    // Values as an earlier run or another program left them.
    void plant(const QVariantMap &values)
    {
        QSettings s(modReg::settingsFilePath(), QSettings::NativeFormat);
        for (auto it = values.begin(); it != values.end(); ++it)
            s.setValue(it.key(), it.value());
        s.sync();
        QCOMPARE(s.status(), QSettings::NoError);
    }
    QVariant stored(const QString &name) const
    {
        return QSettings(modReg::settingsFilePath(), QSettings::NativeFormat).value(name);
    }
    void load(int puzzles)
    {
        board_ = {};
        QVERIFY(modData::loadBookBytes(
            board_, fixture::bookFromAscii(QList<QStringList>(puzzles, fixture::smallPuzzle()))));
        settings_ = {};
        modReg::loadSettings(board_, settings_);
    }

private Q_SLOTS:
    void init()
    {
        // Each case has a user folder of its own: CTest runs test programs side by side.
        config_ = std::make_unique<QTemporaryDir>();
        QVERIFY(config_->isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_->path()));
        messages_.clear();
        modal::setMessageResponder([this](const modal::MessageRequest &r) {
            messages_.append(r.caption + QLatin1Char('|') + r.text);
            return QMessageBox::Ok;
        });
    }

    void firstRunGivesDefaultsAndWritesEveryValue()
    {
        QCOMPARE(modReg::settingsFilePath(), config_->filePath(QStringLiteral("Norvane/Korvel/1.0.conf")));
        load(3);
        QCOMPARE(described(board_, settings_),
                 QStringLiteral("last 1 book 1 pencil 0 sound 1,1,1,1 times 0,0,0"));
        QCOMPARE(settings_.puzzleStats.size(), std::size_t(4));
        QVERIFY2(!QFile::exists(modReg::settingsFilePath()), "loading must not write the store");

        modReg::saveSettings(board_, settings_);
        QSettings s(modReg::settingsFilePath(), QSettings::NativeFormat);
        QCOMPARE(s.allKeys().size(), 3 + 4 * 3);
        QCOMPARE(s.value("SOLVINGDATA").toByteArray(), le(2, {1, 0, 0, 0}));
        QCOMPARE(s.value("LASTPLAYED").toByteArray(), le(4, {1}));
        QCOMPARE(s.value("SOUNDOPTIONS").toByteArray(), le(2, {1, 1, 1, 1}));
        QCOMPARE(s.value("STATS3").toByteArray(), le(4, {0, 0, 0}));
        QCOMPARE(s.value("STATS3_3").typeId(), int(QMetaType::QString));
        QVERIFY(s.value("STATS3_3").toString().isEmpty());
        QVERIFY(messages_.isEmpty());
    }

    void unusedFieldsAndOtherPuzzlesAreKept()
    {
        plant({{"SOLVINGDATA", le(2, {3, 1}) + "\x09\x08\x07\x06"},
               {"SOUNDOPTIONS", le(2, {0, -1, 5, 1})},
               {"STATS4", le(4, {11, 22, 33})},
               {"STATS4_1", "Zed"}});
        load(3);
        QCOMPARE(board_.bookIndex, 1); // there is one last-played number, whatever was stored
        modReg::saveSettings(board_, settings_);
        QCOMPARE(stored("SOLVINGDATA").toByteArray(), le(2, {1, 1}) + "\x09\x08\x07\x06");
        QCOMPARE(stored("SOUNDOPTIONS").toByteArray(), le(2, {0, -1, 5, 1}));
        QCOMPARE(stored("STATS4").toByteArray(), le(4, {11, 22, 33}));
        QCOMPARE(stored("STATS4_1").toString(), QStringLiteral("Zed"));
        QVERIFY(stored("STATS4_2").isNull());
    }

    // A value shorter than its room fills only its leading bytes; a longer one is not read. A
    // value of another type than the game writes (another program's, or a hand edit) has its
    // text taken as its bytes, as the registry would give them (a list of several items has an
    // empty text); what has no text is a failed read and gets its default.
    void oddValues_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("secondName");
        const QString base = QStringLiteral("last 1 book 1 pencil 0 sound 1,1,1,1 times 0,0,0");
        const auto row = [](const char *tag, const char *name, const QVariant &value, const QString &expected,
                            const char *secondName = "") {
            QTest::newRow(tag) << QString(name) << value << expected << QString(secondName);
        };
        row("8-byte STATS", "STATS1", le(4, {100, 200}),
            "last 1 book 1 pencil 0 sound 1,1,1,1 times 100,200,0");
        row("13-byte STATS", "STATS1", le(4, {1, 2, 3}) + "x", base);
        row("SOLVINGDATA of 4 bytes", "SOLVINGDATA", le(2, {1, 1}),
            "last 1 book 1 pencil 1 sound 1,1,1,1 times 0,0,0");
        row("SOLVINGDATA too long", "SOLVINGDATA", le(2, {1, 1, 0, 0, 0}), base);
        row("LASTPLAYED of 2 bytes", "LASTPLAYED", le(2, {7}),
            "last 7 book 1 pencil 0 sound 1,1,1,1 times 0,0,0");
        row("LASTPLAYED too long", "LASTPLAYED", le(4, {7, 0}), base);
        row("SOUNDOPTIONS of 4 bytes", "SOUNDOPTIONS", le(2, {5, 6}),
            "last 1 book 1 pencil 0 sound 5,6,0,0 times 0,0,0");
        row("LASTPLAYED as a number", "LASTPLAYED", 7, "last 55 book 1 pencil 0 sound 1,1,1,1 times 0,0,0");
        row("LASTPLAYED as five characters", "LASTPLAYED", "12345", base);
        row("SOUNDOPTIONS as a list", "SOUNDOPTIONS", QStringList{"a", "b"},
            "last 1 book 1 pencil 0 sound 0,0,0,0 times 0,0,0");
        row("STATS1 as a point", "STATS1", QPoint(4, 5), base);
        row("STATS1 as text", "STATS1", "77", "last 1 book 1 pencil 0 sound 1,1,1,1 times 14135,0,0");
        row("LASTPLAYED as nested lists", "LASTPLAYED", QVariantList{QVariantList{QVariantList{7}}}, base);
        row("a group where LASTPLAYED belongs", "LASTPLAYED/x", 3, base);
        row("a name as a number", "STATS1_2", 42, base, "42");
        row("a name as a point", "STATS1_2", QPoint(1, 2), base);
        row("a name as a list", "STATS1_2", QStringList{"Al", "Bo"}, base);
    }
    void oddValues()
    {
        QFETCH(QString, name);
        QFETCH(QVariant, value);
        QFETCH(QString, expected);
        QFETCH(QString, secondName);
        plant({{name, value}});
        load(1);
        QCOMPARE(described(board_, settings_), expected);
        QCOMPARE(settings_.puzzleStats[1].bestNames[2], secondName);
        QVERIFY(messages_.isEmpty());
    }

    // What is stored as a name, and what it reads and is written back as.
    void names_data()
    {
        QTest::addColumn<QVariant>("planted");
        QTest::addColumn<QString>("expected");
        const QString fifty = QString(49, QLatin1Char('n')) + QLatin1Char('!');
        const QString cyrillic = QStringLiteral("Дмитрий Васильевич Петров");
        const QString han = QStringLiteral("山田太郎").repeated(6) + QStringLiteral("山");
        QTest::newRow("50 characters") << QVariant(fifty) << fifty;
        QTest::newRow("25 Cyrillic characters") << QVariant(cyrillic) << cyrillic;
        QCOMPARE(cyrillic.size(), 25);
        QTest::newRow("25 Han characters") << QVariant(han) << han;
        QTest::newRow("NUL and trailing spaces") << QVariant(QString::fromUtf16(u"Bob\0   ", 7)) << "Bob";
        QTest::newRow("51 characters") << QVariant(fifty + QLatin1Char('x')) << fifty;
        QTest::newRow("longer than the room") << QVariant(fifty + fifty) << QString();
        QTest::newRow("stored as bytes") << QVariant(QByteArray("Eve")) << "Eve";
        const QString controls = QString::fromUtf16(u"A\u0001\tB\r\nC\u007f\u001b[0m");
        QTest::newRow("control characters") << QVariant(controls) << controls;
        QTest::newRow("10,000 characters") << QVariant(QString(10000, QLatin1Char('n'))) << QString();
        QTest::newRow("lone surrogate") << QVariant(QString(QChar(0xD800)) + "Al") << QString(QChar(0xD800)) + "Al";
    }
    void names()
    {
        QFETCH(QVariant, planted);
        QFETCH(QString, expected);
        plant({{"STATS1_2", planted}});
        load(1);
        QCOMPARE(settings_.puzzleStats[1].bestNames[2], expected);
        modReg::saveSettings(board_, settings_);
        QCOMPARE(stored("STATS1_2").toString(), expected);
        load(1);
        QCOMPARE(settings_.puzzleStats[1].bestNames[2], expected);
    }

    // Lists nested 40,000 deep in one value (320 KB) would overflow the stack of the settings
    // layer's decoder: such a file is no store of ours. It is reported as unreadable, the game
    // starts from the first-run values, and the file is left as it was.
    void deeplyNestedValueIsRefused()
    {
        plant({{"LASTPLAYED", le(4, {2})}, {"STATS1_1", "Ann"}});
        QFile file(modReg::settingsFilePath());
        QVERIFY(file.open(QIODevice::Append));
        file.write("STATS1_2=@Variant(" + QByteArray("\0\0\0\t\0\0\0\x01", 8).repeated(40000) + ")\n");
        file.close();
        const QByteArray before = fileBytes(modReg::settingsFilePath());
        load(1);
        QCOMPARE(messages_, QStringList{"Korvel| Error Failerd"});
        QCOMPARE(described(board_, settings_), QStringLiteral("last 0 book 1 pencil 0 sound 0,0,0,0 times 0,0,0"));
        modReg::saveSettings(board_, settings_);
        QCOMPARE(messages_.size(), 2);
        QCOMPARE(fileBytes(modReg::settingsFilePath()), before);
    }

    void lastPlayedAboveTheCountIsClampedAtTheNextStart()
    {
        plant({{"LASTPLAYED", le(4, {50})}});
        load(3);
        QCOMPARE(board_.lastPlayed[1], 50); // taken as stored
        QTemporaryDir program;
        frmTavMn w(board_, settings_, program.path());
        w.formLoad();
        QCOMPARE(board_.lastPlayed[1], 3);
    }

    void malformedFileGivesDefaultsForWhatCannotBeRead()
    {
        QVERIFY(QDir().mkpath(config_->filePath(QStringLiteral("Norvane/Korvel"))));
        QFile f(modReg::settingsFilePath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[General]\nLASTPLAYED=@ByteArray(\\x3\\0\\0\\0)\nSOUNDOPTIONS=@ByteArray(\\x2\n"
                "\"broken=\n[unclosed\nSTATS1=@ByteArray(\\x64\\0\\0\\0)\n\xff\xfe\n");
        f.close();
        load(1);
        QCOMPARE(described(board_, settings_),
                 QStringLiteral("last 3 book 1 pencil 0 sound 1,1,1,1 times 0,0,0"));
        settings_.puzzleStats[1].bestTimes[1] = 42;
        modReg::saveSettings(board_, settings_);
        load(1);
        QCOMPARE(settings_.puzzleStats[1].bestTimes[1], 42);
        QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join(QLatin1Char(';'))));
    }

    // Where the file should be: a folder (neither read nor replaced), or a file in place of its
    // folder (nothing to read, nothing can be written).
    void storeThatFailsIsReported_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QStringList>("atLoad");
        QTest::newRow("unreadable") << "Norvane/Korvel/1.0.conf/" << QStringList{"Korvel| Error Failerd"};
        QTest::newRow("unwritable") << "Norvane/Korvel" << QStringList{};
        QTest::newRow("a named pipe") << "Norvane/Korvel/1.0.conf|" << QStringList{"Korvel| Error Failerd"};
        QTest::newRow("a read-only file") << "Norvane/Korvel/1.0.conf!" << QStringList{};
    }
    void storeThatFailsIsReported()
    {
        QFETCH(QString, obstacle);
        QFETCH(QStringList, atLoad);
        QDir config(config_->path());
        if (obstacle.endsWith(QLatin1Char('/'))) {
            QVERIFY(config.mkpath(obstacle));
        } else if (obstacle.endsWith(QLatin1Char('|'))) { // nothing may wait for a writer
            obstacle.chop(1);
            QVERIFY(config.mkpath(QFileInfo(obstacle).path()));
            QVERIFY(::mkfifo(QFile::encodeName(config.filePath(obstacle)).constData(), 0600) == 0);
        } else if (obstacle.endsWith(QLatin1Char('!'))) {
            if (::geteuid() == 0)
                QSKIP("permissions do not stop root from writing");
            obstacle.chop(1);
            plant({{"LASTPLAYED", le(4, {2})}});
            QVERIFY(QFile::setPermissions(config.filePath(obstacle), QFile::ReadOwner));
        } else {
            QVERIFY(config.mkpath(QFileInfo(obstacle).path()));
            QVERIFY(QFile(config.filePath(obstacle)).open(QIODevice::WriteOnly));
        }
        load(2);
        QCOMPARE(messages_, atLoad);
        if (!atLoad.isEmpty()) // the first-run values; the game starts puzzle 1 from them
            QCOMPARE(described(board_, settings_),
                     QStringLiteral("last 0 book 1 pencil 0 sound 0,0,0,0 times 0,0,0"));
        messages_.clear();
        settings_.puzzleStats[1].bestTimes[1] = 77;
        modReg::saveSettings(board_, settings_);
        QCOMPARE(messages_, QStringList({QStringLiteral("Korvel| Error Failerd")}));
    }
};

QTEST_MAIN(TestSettingsStore)
#include "test_settings_store.moc"
