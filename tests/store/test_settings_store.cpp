// The settings store: first-run defaults, the stored layouts, values of other sizes, names, and
// a store that cannot be read or written.
#include "game/frm_tav_mn.h"
#include "platform/modal.h"
#include "store/settings_file_store.h"
#include "store/settings_store.h"
#include "support/board_fixture.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <memory>

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

void openBook(Board &board, int puzzles)
{
    QList<QStringList> book;
    for (int k = 0; k < puzzles; ++k)
        book.append(fixture::smallPuzzle());
    QVERIFY(modData::loadBookBytes(board, fixture::bookFromAscii(book)));
}

// What the game took from the store, in one line.
QString described(const Board &b, const Settings &s)
{
    const auto &t = s.puzzleStats[1].bestTimes;
    const auto &o = s.soundOptions;
    return QStringLiteral("last %1 book %2 pencil %3 sound %4,%5,%6,%7 times %8,%9,%10")
        .arg(b.lastPlayed[1])
        .arg(b.bookIndex)
        .arg(b.pencilMode)
        .arg(o[1])
        .arg(o[2])
        .arg(o[3])
        .arg(o[4])
        .arg(t[1])
        .arg(t[2])
        .arg(t[3]);
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
        openBook(board_, puzzles);
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

    // A value shorter than its room fills only its leading bytes; a longer one is not read.
    void valuesOfOtherSizes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("expected");
        const QString base = QStringLiteral("last 1 book 1 pencil 0 sound 1,1,1,1 times ");
        QTest::newRow("8-byte STATS") << "STATS1" << le(4, {100, 200}) << base + "100,200,0";
        QTest::newRow("13-byte STATS") << "STATS1" << le(4, {1, 2, 3}) + "x" << base + "0,0,0";
        QTest::newRow("SOLVINGDATA of 4 bytes")
            << "SOLVINGDATA" << le(2, {1, 1}) << "last 1 book 1 pencil 1 sound 1,1,1,1 times 0,0,0";
        QTest::newRow("SOLVINGDATA too long") << "SOLVINGDATA" << le(2, {1, 1, 0, 0, 0}) << base + "0,0,0";
        QTest::newRow("LASTPLAYED of 2 bytes")
            << "LASTPLAYED" << le(2, {7}) << "last 7 book 1 pencil 0 sound 1,1,1,1 times 0,0,0";
        QTest::newRow("LASTPLAYED too long") << "LASTPLAYED" << le(4, {7, 0}) << base + "0,0,0";
        QTest::newRow("SOUNDOPTIONS of 4 bytes")
            << "SOUNDOPTIONS" << le(2, {5, 6}) << "last 1 book 1 pencil 0 sound 5,6,0,0 times 0,0,0";
    }
    void valuesOfOtherSizes()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, value);
        QFETCH(QString, expected);
        plant({{name, value}});
        load(1);
        QCOMPARE(described(board_, settings_), expected);
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
    }
    void storeThatFailsIsReported()
    {
        QFETCH(QString, obstacle);
        QFETCH(QStringList, atLoad);
        QDir config(config_->path());
        if (obstacle.endsWith(QLatin1Char('/'))) {
            QVERIFY(config.mkpath(obstacle));
        } else {
            QVERIFY(config.mkpath(QFileInfo(obstacle).path()));
            QFile blocker(config.filePath(obstacle));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
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
