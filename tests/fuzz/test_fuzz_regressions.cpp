// Replays every seed and every input a fuzzer once found at fault through the same harness, so
// that a fixed fault stays fixed. Files live in corpus/<fuzzer>/ and regressions/<fuzzer>/.
#include "harnesses.h"

#include <QDir>
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
    void replay_data()
    {
        QTest::addColumn<int>("fuzzer");
        QTest::addColumn<QString>("path");
        const QDir root(QStringLiteral(KORVEL_FUZZ_DIR));
        int regressions = 0;
        for (int f = 0; f < int(std::size(kFuzzers)); ++f) {
            const QString name = QString::fromLatin1(kFuzzers[f].name);
            int seeds = 0;
            for (const char *kind : {"corpus", "regressions"}) {
                const QDir dir(root.filePath(QString::fromLatin1(kind) + QLatin1Char('/') + name));
                for (const QString &file : dir.entryList(QDir::Files, QDir::Name)) {
                    QTest::addRow("%s/%s/%s", kind, qPrintable(name), qPrintable(file))
                        << f << dir.filePath(file);
                    (qstrcmp(kind, "corpus") == 0 ? seeds : regressions) += 1;
                }
            }
            if (seeds == 0) // a missing folder must not pass as "nothing failed"
                qFatal("no seed corpus for %s under %s", qPrintable(name), KORVEL_FUZZ_DIR);
        }
        Q_UNUSED(regressions);
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
