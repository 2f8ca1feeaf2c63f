// The settings store: first-run defaults, the stored layouts, values of other sizes, names, and
// a store that cannot be read or written.
#include "game/frm_tav_mn.h"
#include "platform/modal.h"
#include "store/settings_file_store.h"
#include "store/settings_store.h"
#include "support/board_fixture.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <memory>

using modData::Board;
using modReg::Settings;

namespace {

// Little-endian 16- or 32-bit values, as the store keeps them.
QByteArray le16(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values) {
        char at[2];
        qToLittleEndian(std::int16_t(v), at);
        b.append(at, 2);
    }
    return b;
}

QByteArray le32(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values) {
        char at[4];
        qToLittleEndian(std::int32_t(v), at);
        b.append(at, 4);
    }
    return b;
}

// A board with a book of `count` puzzles, as start-up has it before the settings are read.
void openBook(Board &board, int count)
{
    QList<QStringList> book;
    for (int k = 0; k < count; ++k)
        book.append(fixture::smallPuzzle());
    QVERIFY(modData::loadBookBytes(board, fixture::bookFromAscii(book)));
}

QList<int> times(const Settings &s, int puzzle)
{
    const auto &t = s.puzzleStats[std::size_t(puzzle)].bestTimes;
    return {t[1], t[2], t[3]};
}

QList<int> sounds(const Settings &s)
{
    return {s.soundOptions[1], s.soundOptions[2], s.soundOptions[3], s.soundOptions[4]};
}

} // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> config_;
    QStringList messages_;

    // The store file written by hand, as an earlier run or another program left it.
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
    void cleanup() { modal::setMessageResponder({}); }

    void storeLivesInTheUsersConfigFolder()
    {
        QCOMPARE(modReg::settingsFilePath(), config_->filePath(QStringLiteral("Norvane/Korvel/1.0.conf")));
    }

    void firstRunGivesDefaultsAndWritesEveryValue()
    {
        Board board;
        openBook(board, 3);
        Settings settings;
        modReg::loadSettings(board, settings);
        QCOMPARE(board.lastPlayed[1], 1);
        QCOMPARE(board.bookIndex, 1);
        QCOMPARE(board.pencilMode, 0);
        QCOMPARE(sounds(settings), QList<int>({1, 1, 1, 1}));
        QCOMPARE(settings.puzzleStats.size(), std::size_t(4));
        for (int n = 1; n <= 3; ++n) {
            QCOMPARE(times(settings, n), QList<int>({0, 0, 0}));
            for (int k = 1; k <= 3; ++k)
                QVERIFY(settings.puzzleStats[std::size_t(n)].bestNames[std::size_t(k)].isEmpty());
        }
        QVERIFY2(!QFile::exists(modReg::settingsFilePath()), "loading must not write the store");

        modReg::saveSettings(board, settings);
        QSettings s(modReg::settingsFilePath(), QSettings::NativeFormat);
        QCOMPARE(s.allKeys().size(), 3 + 4 * 3);
        QCOMPARE(s.value("SOLVINGDATA").toByteArray(), le16({1, 0, 0, 0}));
        QCOMPARE(s.value("LASTPLAYED").toByteArray(), le32({1}));
        QCOMPARE(s.value("SOUNDOPTIONS").toByteArray(), le16({1, 1, 1, 1}));
        for (int n = 1; n <= 3; ++n) {
            QCOMPARE(s.value(QStringLiteral("STATS%1").arg(n)).toByteArray(), le32({0, 0, 0}));
            for (int k = 1; k <= 3; ++k) {
                const QVariant name = s.value(QStringLiteral("STATS%1_%2").arg(n).arg(k));
                QCOMPARE(name.typeId(), int(QMetaType::QString));
                QVERIFY(name.toString().isEmpty());
            }
        }
        QVERIFY(messages_.isEmpty());
    }

    void valuesRoundTrip()
    {
        Board board;
        openBook(board, 2);
        Settings settings;
        modReg::loadSettings(board, settings);
        board.lastPlayed[1] = 2;
        board.pencilMode = 1;
        settings.reserved = {9, 8, 7, 6};
        settings.soundOptions = {0, 1, 0, -1, 5};
        settings.puzzleStats[2].bestTimes = {0, 100, 200, modReg::kClearedTime};
        settings.puzzleStats[2].bestNames = {QString(), QStringLiteral("Ann"), QString(), QStringLiteral("Anonymous")};
        modReg::saveSettings(board, settings);
        QCOMPARE(stored("SOLVINGDATA").toByteArray(), le16({1, 1}) + QByteArray("\x09\x08\x07\x06"));

        Board again;
        openBook(again, 2);
        Settings read;
        modReg::loadSettings(again, read);
        QCOMPARE(again.lastPlayed[1], 2);
        QCOMPARE(again.pencilMode, 1);
        QCOMPARE(read.reserved, settings.reserved);
        QCOMPARE(sounds(read), QList<int>({1, 0, -1, 5}));
        QCOMPARE(times(read, 2), QList<int>({100, 200, modReg::kClearedTime}));
        QCOMPARE(read.puzzleStats[2].bestNames, settings.puzzleStats[2].bestNames);
        QCOMPARE(times(read, 1), QList<int>({0, 0, 0}));
    }

    void valuesOfPuzzlesBeyondTheBookAreLeftAlone()
    {
        plant({{"STATS4", le32({11, 22, 33})}, {"STATS4_1", "Zed"}, {"STATS40", le32({1, 2, 3})}});
        Board board;
        openBook(board, 3);
        Settings settings;
        modReg::loadSettings(board, settings);
        QCOMPARE(settings.puzzleStats.size(), std::size_t(4));
        modReg::saveSettings(board, settings);
        QCOMPARE(stored("STATS4").toByteArray(), le32({11, 22, 33}));
        QCOMPARE(stored("STATS4_1").toString(), QStringLiteral("Zed"));
        QCOMPARE(stored("STATS40").toByteArray(), le32({1, 2, 3}));
        QVERIFY(stored("STATS4_2").isNull());
        QCOMPARE(stored("STATS3").toByteArray(), le32({0, 0, 0}));
    }

    // A value shorter than its room fills only its leading bytes; a longer one is not read.
    void valuesOfOtherSizes_data()
    {
        QTest::addColumn<QVariantMap>("planted");
        QTest::addColumn<int>("lastPlayed");
        QTest::addColumn<int>("pencilMode");
        QTest::addColumn<QList<int>>("sound");
        QTest::addColumn<QList<int>>("times");
        const QList<int> ones{1, 1, 1, 1};
        QTest::newRow("8-byte STATS fills ranks 1 and 2") << QVariantMap{{"STATS1", le32({100, 200})}} << 1 << 0
                                                          << ones << QList<int>{100, 200, 0};
        QTest::newRow("13-byte STATS is not read") << QVariantMap{{"STATS1", le32({1, 2, 3}) + "x"}} << 1 << 0
                                                   << ones << QList<int>{0, 0, 0};
        QTest::newRow("empty STATS reads nothing") << QVariantMap{{"STATS1", QByteArray()}} << 1 << 0 << ones
                                                   << QList<int>{0, 0, 0};
        QTest::newRow("SOLVINGDATA with pencil mode") << QVariantMap{{"SOLVINGDATA", le16({1, 1, 0, 0})}} << 1 << 1
                                                      << ones << QList<int>{0, 0, 0};
        QTest::newRow("SOLVINGDATA of 2 bytes") << QVariantMap{{"SOLVINGDATA", le16({1})}} << 1 << 0 << ones
                                                << QList<int>{0, 0, 0};
        QTest::newRow("SOLVINGDATA too long") << QVariantMap{{"SOLVINGDATA", le16({1, 1, 0, 0, 0})}} << 1 << 0
                                              << ones << QList<int>{0, 0, 0};
        QTest::newRow("LASTPLAYED of 2 bytes") << QVariantMap{{"LASTPLAYED", le16({7})}} << 7 << 0 << ones
                                               << QList<int>{0, 0, 0};
        QTest::newRow("LASTPLAYED too long") << QVariantMap{{"LASTPLAYED", le32({7, 0})}} << 1 << 0 << ones
                                             << QList<int>{0, 0, 0};
        QTest::newRow("SOUNDOPTIONS of 4 bytes") << QVariantMap{{"SOUNDOPTIONS", le16({5, 6})}} << 1 << 0
                                                 << QList<int>{5, 6, 0, 0} << QList<int>{0, 0, 0};
        QTest::newRow("SOUNDOPTIONS too long") << QVariantMap{{"SOUNDOPTIONS", le16({5, 6, 7, 8, 9})}} << 1 << 0
                                               << ones << QList<int>{0, 0, 0};
    }
    void valuesOfOtherSizes()
    {
        QFETCH(QVariantMap, planted);
        QFETCH(int, lastPlayed);
        QFETCH(int, pencilMode);
        QFETCH(QList<int>, sound);
        QFETCH(QList<int>, times);
        plant(planted);
        Board board;
        openBook(board, 1);
        Settings settings;
        modReg::loadSettings(board, settings);
        QCOMPARE(board.lastPlayed[1], lastPlayed);
        QCOMPARE(board.bookIndex, 1);
        QCOMPARE(board.pencilMode, pencilMode);
        QCOMPARE(sounds(settings), sound);
        QCOMPARE(::times(settings, 1), times);
        QVERIFY(messages_.isEmpty());
    }

    void bookIndexOtherThanOneIsTakenAsOne()
    {
        plant({{"SOLVINGDATA", le16({3, 1, 0, 0})}});
        Board board;
        openBook(board, 1);
        Settings settings;
        modReg::loadSettings(board, settings);
        QCOMPARE(board.bookIndex, 1);
        QCOMPARE(board.pencilMode, 1);
        modReg::saveSettings(board, settings);
        QCOMPARE(stored("SOLVINGDATA").toByteArray(), le16({1, 1, 0, 0}));
    }

    // What is stored as a name, what it reads back as, and what is written back.
    void names_data()
    {
        QTest::addColumn<QVariant>("planted");
        QTest::addColumn<QString>("expected");
        const QString fifty = QString(QLatin1Char('n')).repeated(49) + QLatin1Char('!');
        QTest::newRow("50 characters survive") << QVariant(fifty) << fifty;
        const QString cyrillic = QStringLiteral("Дмитрий Васильевич Петров").left(25);
        QTest::newRow("25 Cyrillic characters survive") << QVariant(cyrillic) << cyrillic;
        const QString han = QStringLiteral("山田太郎").repeated(6) + QStringLiteral("山");
        QTest::newRow("25 Han characters survive") << QVariant(han) << han;
        QTest::newRow("NUL and trailing spaces are dropped")
            << QVariant(QString::fromUtf16(u"Bob\0   ", 7)) << QStringLiteral("Bob");
        QTest::newRow("51 characters are cut to 50") << QVariant(fifty + QLatin1Char('x')) << fifty;
        QTest::newRow("longer than the room reads empty") << QVariant(fifty + fifty) << QString();
        QTest::newRow("stored as bytes") << QVariant(QByteArray("Eve")) << QStringLiteral("Eve");
        QTest::newRow("leading spaces are kept") << QVariant(QStringLiteral("  Al")) << QStringLiteral("  Al");
    }
    void names()
    {
        QFETCH(QVariant, planted);
        QFETCH(QString, expected);
        plant({{"STATS1_2", planted}});
        Board board;
        openBook(board, 1);
        Settings settings;
        modReg::loadSettings(board, settings);
        QCOMPARE(settings.puzzleStats[1].bestNames[2], expected);
        modReg::saveSettings(board, settings);
        QCOMPARE(stored("STATS1_2").toString(), expected);

        Settings again;
        modReg::loadSettings(board, again);
        QCOMPARE(again.puzzleStats[1].bestNames[2], expected);
    }

    void lastPlayedAboveTheCountIsClampedAtTheNextStart()
    {
        plant({{"LASTPLAYED", le32({50})}});
        Board board;
        openBook(board, 3);
        Settings settings;
        modReg::loadSettings(board, settings);
        QCOMPARE(board.lastPlayed[1], 50); // taken as stored
        QTemporaryDir program;
        modal::setPause([](int) {});
        frmTavMn w(board, settings, program.path());
        w.formLoad();
        QCOMPARE(board.lastPlayed[1], 3);
    }

    void malformedFileGivesDefaultsForWhatCannotBeRead()
    {
        QVERIFY(QDir().mkpath(config_->filePath(QStringLiteral("Norvane/Korvel"))));
        QFile f(modReg::settingsFilePath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[General]\nLASTPLAYED=@ByteArray(\\x3\\0\\0\\0)\nSOUNDOPTIONS=@ByteArray(\\x2\n"
                "\"broken=\n[unclosed\nSTATS1=@ByteArray(\\x64\\0\\0\\0)\n\xff\xfe\n");
        f.close();
        Board board;
        openBook(board, 1);
        Settings settings;
        modReg::loadSettings(board, settings);
        QCOMPARE(board.lastPlayed[1], 3);
        QCOMPARE(times(settings, 1), QList<int>({0, 0, 0}));
        QVERIFY(messages_.isEmpty());

        settings.puzzleStats[1].bestTimes[1] = 42;
        modReg::saveSettings(board, settings);
        QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join(QLatin1Char(';'))));
        Settings again;
        modReg::loadSettings(board, again);
        QCOMPARE(times(again, 1), QList<int>({42, 0, 0}));
    }

    void unreadableStoreIsReportedAndDefaultsUsed()
    {
        // A folder where the file should be can be neither read nor replaced.
        QVERIFY(QDir().mkpath(modReg::settingsFilePath()));
        Board board;
        openBook(board, 2);
        Settings settings;
        modReg::loadSettings(board, settings);
        QCOMPARE(messages_, QStringList({QStringLiteral("Korvel| Error Failerd")}));
        QCOMPARE(board.lastPlayed[1], 0); // the game starts puzzle 1 from this
        QCOMPARE(board.bookIndex, 1);
        QCOMPARE(board.pencilMode, 0);
        QCOMPARE(settings.puzzleStats.size(), std::size_t(3));

        messages_.clear();
        modReg::saveSettings(board, settings);
        QCOMPARE(messages_, QStringList({QStringLiteral("Korvel| Error Failerd")}));
    }

    void storeThatCannotBeWrittenIsReported()
    {
        // The key's folder is a file: reading finds nothing, writing cannot create the file.
        QVERIFY(QDir().mkpath(config_->filePath(QStringLiteral("Norvane"))));
        QFile blocker(config_->filePath(QStringLiteral("Norvane/Korvel")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        Board board;
        openBook(board, 1);
        Settings settings;
        modReg::loadSettings(board, settings);
        QVERIFY(messages_.isEmpty());
        settings.puzzleStats[1].bestTimes[1] = 77;
        modReg::saveSettings(board, settings);
        QCOMPARE(messages_, QStringList({QStringLiteral("Korvel| Error Failerd")}));
    }
};

QTEST_MAIN(TestSettingsStore)
#include "test_settings_store.moc"
