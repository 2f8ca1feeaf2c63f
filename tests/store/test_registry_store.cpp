// The registry back end of the settings store, built from its own source against an in-memory
// registry: the key it opens and creates, the values it writes, and the reads that fail.
#include "store/key_value_store.h"
#include "store/player_settings.h"

#include <windows.h> // tests/store/fake_windows

#include <QTest>

namespace {

const QString kSoftware = QStringLiteral("HKCU\\Software");
const QString kOurKey = kSoftware + QStringLiteral("\\Norvane\\Korvel\\1.0");

// Every value of our key as "NAME type bytes-in-hex", in name order.
QStringList ourValues()
{
    QStringList lines;
    for (const auto &[name, value] : fakeRegistry::keys[kOurKey].values)
        lines.append(name +
                     (value.type == REG_BINARY ? " binary "
                      : value.type == REG_SZ   ? " text "
                                               : " other ") +
                     QString::fromLatin1(value.data.toHex()));
    return lines;
}

QByteArray utf16Bytes(const QString &text)
{
    return QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
}

} // namespace

class TestRegistryStore : public QObject {
    Q_OBJECT
    store::PlayerSettings settings_;
    QStringList failures_; // "load" and "save" when the store says it failed

    void load()
    {
        if (!settings_.load(1, 0))
            failures_ << QStringLiteral("load");
    }
    void save()
    {
        if (!settings_.save())
            failures_ << QStringLiteral("save");
    }
    QString described() const
    {
        const store::Settings &s = settings_.values();
        const auto &o = s.soundOptions;
        return QString::asprintf("last %d sound %d,%d,%d,%d name ", int(s.lastPuzzle), o[1], o[2], o[3],
                                 o[4]) +
               s.puzzleStats[1].bestNames[1];
    }

private Q_SLOTS:
    void init()
    {
        fakeRegistry::reset();
        failures_.clear();
    }

    // The first run creates our key as the game's own and, at exit, writes every value with its
    // type and size: names as text without a terminator. Each run closes our key, then Software.
    void firstRunCreatesTheKeyAndWritesEveryValue()
    {
        load();
        settings_.setPencilMode(true);
        settings_.recordBestTime(1, 75, QStringLiteral("Ann"));
        save();

        const QStringList run = {
            "open HKCU\\Software, all access",
            "create " + kOurKey + ", class USERDATA, non-volatile, all access, inheritable",
            "close " + kOurKey,
            "close HKCU\\Software",
        };
        QCOMPARE(fakeRegistry::calls, run + run);
        QCOMPARE(fakeRegistry::openHandles, 0);
        QCOMPARE(
            ourValues(),
            QStringList({"LASTPLAYED binary 01000000", "SOLVINGDATA binary 0100010000000000",
                         "SOUNDOPTIONS binary 0100010001000100", "STATS1 binary 4b0000000000000000000000",
                         "STATS1_1 text 41006e006e00", "STATS1_2 text ", "STATS1_3 text "}));
        QVERIFY(failures_.isEmpty());
        // A read gives the stored value alone, however much room it was given.
        const store::OpenedStore opened = store::openUserStore();
        QCOMPARE(opened.store->readText(QStringLiteral("STATS1_1"), 50), QStringLiteral("Ann"));
    }

    // A hint count is stored once one is above 0, and from then on kept up to date, at 0 too.
    void hintCountsStayOnceStored()
    {
        load();
        settings_.recordBestTime(1, 75, {}, 3);
        save();
        settings_.clearBestTimes(1);
        save();
        QVERIFY(ourValues().contains("HINTS1 binary 000000000000000000000000"));
    }

    // What the store cannot give: a key it cannot open or create, a value too long for its room,
    // a missing value. A name has room for 50 characters and a terminator: 51 are cut to 50.
    void failedReads_data()
    {
        QTest::addColumn<QString>("refusedKey");
        QTest::addColumn<QString>("valueName");
        QTest::addColumn<QByteArray>("valueBytes");
        QTest::addColumn<QString>("loaded");
        QTest::addColumn<QStringList>("failures"); // of loading and saving
        const QString fifty(50, QLatin1Char('n'));
        const QString firstRun = QStringLiteral("last 1 sound 0,0,0,0 name ");
        const QString defaults = QStringLiteral("last 1 sound 1,1,1,1 name ");
        const auto row = [](const char *tag, const QString &refusedKey, const char *valueName,
                            const QByteArray &valueBytes, const QString &loaded,
                            const QStringList &failures = {}) {
            QTest::newRow(tag) << refusedKey << QString(valueName) << valueBytes << loaded << failures;
        };
        row("Software cannot be opened", kSoftware, "", {}, firstRun, QStringList{"load", "save"});
        row("our key cannot be opened or created", kOurKey, "", {}, firstRun);
        row("every value missing", "", "", {}, defaults);
        row("LASTPLAYED too long for its room", "", "LASTPLAYED", QByteArray::fromHex("0700000000"),
            defaults);
        row("SOUNDOPTIONS shorter than its room", "", "SOUNDOPTIONS", QByteArray::fromHex("05000600"),
            "last 1 sound 5,6,0,0 name ");
        row("a name of 51 characters", "", "STATS1_1", utf16Bytes(fifty + "x"), defaults + fifty);
        row("a name too long for its room", "", "STATS1_1", utf16Bytes(fifty + "xy"), defaults);
    }
    void failedReads()
    {
        QFETCH(QString, refusedKey);
        QFETCH(QString, valueName);
        QFETCH(QByteArray, valueBytes);
        QFETCH(QString, loaded);
        QFETCH(QStringList, failures);
        if (!refusedKey.isEmpty())
            fakeRegistry::refused.insert(refusedKey);
        if (!valueName.isEmpty())
            fakeRegistry::keys[kOurKey].values[valueName] = {valueName.contains('_') ? REG_SZ : REG_BINARY,
                                                             valueBytes};
        load();
        QCOMPARE(described(), loaded);
        save();
        QCOMPARE(failures_, failures);
        QCOMPARE(fakeRegistry::openHandles, 0);
        QCOMPARE(fakeRegistry::keys.count(kOurKey) != 0, refusedKey.isEmpty()); // written only when reached
    }
};

QTEST_MAIN(TestRegistryStore)
#include "test_registry_store.moc"
