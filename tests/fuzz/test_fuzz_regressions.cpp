// Replays every seed and every input a fuzzer once found at fault through the same harness, so
// that a fixed fault stays fixed. Files live in corpus/<fuzzer>/ and regressions/<fuzzer>/.
#include "harnesses.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

extern "C" const char *__asan_default_options()
{
    return KORVEL_FUZZ_ASAN_OPTIONS;
}

namespace {

struct Fuzzer {
    const char *name;
    fuzzing::Harness harness;
};

const Fuzzer kFuzzers[] = {
    {"book", fuzzing::book},
    {"saved_game", fuzzing::savedGame},
    {"settings", fuzzing::settingsFile},
    {"typed_number", fuzzing::typedNumberText},
    {"book_tool", fuzzing::bookTool},
};

} // namespace

class TestFuzzRegressions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Every fuzzer the Makefile runs has a harness here and seeds to start from, and the findings
    // are where this test looks for them: a renamed or emptied folder must not pass as "nothing
    // failed".
    void everyFuzzerHasSeedsAndFindingsAreKept()
    {
        const QDir root(QStringLiteral(KORVEL_FUZZ_DIR));
        QFile makefile(root.filePath(QStringLiteral("../../Makefile")));
        QVERIFY(makefile.open(QIODevice::ReadOnly));
        QStringList names;
        for (const QByteArray &line : makefile.readAll().split('\n'))
            if (line.startsWith("FUZZERS :="))
                names = QString::fromLatin1(line.mid(10)).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QStringList known;
        for (const Fuzzer &f : kFuzzers)
            known << QString::fromLatin1(f.name);
        QCOMPARE(names, known);
        for (const QString &name : names)
            QVERIFY2(!QDir(root.filePath(QStringLiteral("corpus/") + name)).isEmpty(QDir::Files),
                     qPrintable(QStringLiteral("no seeds for ") + name));
        QDirIterator findings(root.filePath(QStringLiteral("regressions")), QDir::Files,
                              QDirIterator::Subdirectories);
        QVERIFY2(findings.hasNext(), "no finding kept under regressions/");
    }

    void replay_data()
    {
        QTest::addColumn<int>("fuzzer");
        QTest::addColumn<QString>("path");
        const QDir root(QStringLiteral(KORVEL_FUZZ_DIR));
        for (int f = 0; f < int(std::size(kFuzzers)); ++f) {
            for (const char *kind : {"corpus", "regressions"}) {
                const QDir dir(
                    root.filePath(QString::fromLatin1(kind) + QLatin1Char('/') + kFuzzers[f].name));
                for (const QString &file : dir.entryList(QDir::Files, QDir::Name))
                    QTest::addRow("%s/%s/%s", kind, kFuzzers[f].name, qPrintable(file))
                        << f << dir.filePath(file);
            }
        }
    }
    void replay()
    {
        QFETCH(int, fuzzer);
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const QByteArray bytes = file.readAll();
        const char *broken = kFuzzers[fuzzer].harness(fuzzing::Input(
            reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size())));
        QVERIFY2(!broken, broken);
    }
};

QTEST_MAIN(TestFuzzRegressions)
#include "test_fuzz_regressions.moc"
