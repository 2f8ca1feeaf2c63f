// The korvel-book commands: verify and stats on good, faulty and hostile books; show; generate;
// and the program itself on the command line.
#include "book_commands.h"
#include "solver/random.h"
#include "solver_test_util.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <sstream>

namespace {

struct Run {
    int code;
    QString out, err;
};

QString writeBytes(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

Run verify(const QString &path, bool logic = false)
{
    std::ostringstream out, err;
    const int code = booktool::verifyCommand(path.toStdString(), logic, out, err);
    return {code, QString::fromStdString(out.str()), QString::fromStdString(err.str())};
}

Run stats(const QString &path)
{
    std::ostringstream out, err;
    const int code = booktool::statsCommand(path.toStdString(), out, err);
    return {code, QString::fromStdString(out.str()), QString::fromStdString(err.str())};
}

Run show(const QString &path, const QString &number)
{
    std::ostringstream out, err;
    const int code = booktool::showCommand(path.toStdString(), number.toStdString(), out, err);
    return {code, QString::fromStdString(out.str()), QString::fromStdString(err.str())};
}

Run run(const QStringList &args)
{
    std::vector<std::string> list;
    for (const QString &a : args)
        list.push_back(a.toStdString());
    std::ostringstream out, err;
    const int code = booktool::runCommandLine(list, out, err);
    return {code, QString::fromStdString(out.str()), QString::fromStdString(err.str())};
}

Run generate(const QStringList &args)
{
    return run(QStringList{"generate"} + args);
}

const QStringList kUnique = {"######", "#21#78", "#84795", "##698#", "#12834", "#35#51"};

QByteArray goodBook()
{
    return fixture::bookFromAscii({fixture::smallPuzzle(), kUnique});
}

void putI32(QByteArray &b, int at, qint32 v)
{
    qToLittleEndian(v, b.data() + at);
}
void putI16(QByteArray &b, int at, qint16 v)
{
    qToLittleEndian(v, b.data() + at);
}
qint32 offsetOf(const QByteArray &b, int puzzle)
{
    return qFromLittleEndian<qint32>(b.constData() + 4 + 4 * puzzle);
}

} // namespace

class TestBookTool : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QVERIFY(dir_.isValid()); }

    void verifyAcceptsAGoodBook()
    {
        const QString path = writeBytes(dir_, "good.qztw", goodBook());
        const Run r = verify(path, true);
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.contains("2 puzzles, each with exactly one solution that logic alone finds"),
                 qPrintable(r.out));
    }

    void hostileBooksAreNamedNotCrashedOn_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("why");
        const QByteArray good = goodBook();
        const int rec = offsetOf(good, 1);
        QByteArray b;
        QTest::newRow("empty file") << QByteArray() << "too short";
        QTest::newRow("cut inside the header") << good.left(6) << "too short";
        b = good, b[0] = 'q';
        QTest::newRow("wrong magic") << b << "wrong magic";
        QTest::newRow("cut inside the offset table") << good.left(11) << "offset table";
        b = good, putI32(b, 4, 0x7fffffff);
        QTest::newRow("huge count") << b << "above 32767";
        b = good, putI32(b, 4, -1);
        QTest::newRow("negative count") << b << "below 1";
        b = good, putI32(b, 4, 20000);
        QTest::newRow("count past the end") << b << "offset table";
        b = good, putI32(b, 8, 1 << 30);
        QTest::newRow("offset past the end") << b << "puzzle 1: offset 1073741824 lies outside the file";
        b = good, putI16(b, rec, 0);
        QTest::newRow("width 0") << b << "puzzle 1: size 0x4";
        b = good, putI16(b, rec + 2, 1000);
        QTest::newRow("height 1000") << b << "puzzle 1: size 4x1000";
        b = good, putI16(b, rec, 90), putI16(b, rec + 2, 90);
        QTest::newRow("record past the end") << b << "puzzle 1: record runs past the end";
        b = good, b[rec + 8 + 5] = char(200);
        QTest::newRow("byte above 9") << b << "puzzle 1: cell 6 holds 200";
        QTest::newRow("last record cut short")
            << good.left(good.size() - 3) << "puzzle 2: record runs past the end";
    }
    void hostileBooksAreNamedNotCrashedOn()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, why);
        const QString path = writeBytes(dir_, "bad.qztw", bytes);
        const Run v = verify(path);
        QCOMPARE(v.code, 1);
        QVERIFY2(v.out.contains(why), qPrintable(v.out));
        const Run s = stats(path);
        QCOMPARE(s.code, 1);
        QVERIFY2(s.out.contains(why.section(':', -1).trimmed().left(12)), qPrintable(s.out));
        QVERIFY(show(path, "1").code != 0);
    }

    // Random damage to a good book: the commands answer every time, with a code, and never crash
    // (the sanitizer build of the tests watches the memory accesses).
    void damagedBooksNeverCrash()
    {
        const QByteArray good = goodBook();
        kakuro::Random random(2024);
        for (int round = 0; round < 300; ++round) {
            QByteArray b = good;
            const int edits = 1 + int(random.below(4));
            for (int e = 0; e < edits; ++e) {
                const int at = int(random.below(std::uint32_t(b.size())));
                switch (random.below(4)) {
                case 0:
                    b[at] = char(random.below(256));
                    break;
                case 1:
                    b.truncate(at);
                    break;
                case 2:
                    b.append(QByteArray(int(random.below(64)), char(random.below(10))));
                    break;
                default:
                    if (at + 2 <= b.size())
                        putI16(b, at, qint16(random.below(65536)));
                }
                if (b.isEmpty())
                    break;
            }
            const QString path = writeBytes(dir_, "damaged.qztw", b);
            QVERIFY(verify(path, true).code <= 1);
            QVERIFY(stats(path).code <= 1);
            QVERIFY(show(path, "2").code <= 2);
        }
    }

    void missingFileIsNamed()
    {
        const Run v = verify(dir_.filePath("nothing.qztw"));
        QCOMPARE(v.code, 1);
        QVERIFY2(v.err.contains("cannot read"), qPrintable(v.err));
        QCOMPARE(stats(dir_.path()).code, 1); // a folder is no book either
    }

    void verifyNamesEveryFailingPuzzle_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("why");
        QTest::newRow("repeated digit") << QStringList{"####", "#12#", "#343", "##21"}
                                        << "across run in row 3, columns 2-4 repeats the digit 3";
        QTest::newRow("run longer than 9") << QStringList{"###########", "#1234567891", "#2345678912"}
                                           << "across run in row 2, columns 2-11 has 10 cells";
        QTest::newRow("uncovered entry cell")
            << QStringList{"####", "#12#", "#3##", "###4"} << "entry cell (4, 4) lies in no run";
        QTest::newRow("two solutions")
            << QStringList{"###", "#12", "#21"} << "its clues have more than one solution";
        QTest::newRow("no entry cells") << QStringList{"###", "###"} << "has no entry cells";
    }
    void verifyNamesEveryFailingPuzzle()
    {
        QFETCH(QStringList, rows);
        QFETCH(QString, why);
        // The faulty puzzle sits between good ones; a byte above 9 in the last one is reported too.
        QByteArray book = fixture::bookFromAscii({kUnique, rows, fixture::smallPuzzle()});
        book[offsetOf(book, 3) + 8] = char(12);
        const Run r = verify(writeBytes(dir_, "faulty.qztw", book));
        QCOMPARE(r.code, 1);
        QVERIFY2(r.out.contains("puzzle 2: " + why), qPrintable(r.out));
        QVERIFY2(r.out.contains("puzzle 3: cell 1 holds 12"), qPrintable(r.out));
        QVERIFY(!r.out.contains("puzzle 1:"));
        QVERIFY(r.out.contains("2 of 3 puzzles fail"));
    }

    void verifyWithLogicNamesPuzzlesThatNeedAGuess()
    {
        const QStringList needsGuess = {"#24#93#", "#13275#", "73#364#", "35###14",
                                        "#769#87", "#48197#", "#97#56#"};
        const QString path = writeBytes(dir_, "guess.qztw", fixture::bookFromAscii({kUnique, needsGuess}));
        QCOMPARE(verify(path).code, 0);
        const Run r = verify(path, true);
        QCOMPARE(r.code, 1);
        QVERIFY2(r.out.contains("puzzle 2: logic alone cannot solve it"), qPrintable(r.out));
    }

    void statsSummarisesABook()
    {
        const QString path =
            writeBytes(dir_, "stats.qztw",
                       fixture::bookFromAscii({kUnique, fixture::smallPuzzle(), {"###", "#12", "#21"}}));
        const Run r = stats(path);
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.contains("3 puzzles"), qPrintable(r.out));
        QVERIFY(r.out.contains("sizes: 3x3 (1) 4x4 (1) 6x6 (1)"));
        QVERIFY(r.out.contains("entry cells: fewest 4, most 21"));
        QVERIFY(r.out.contains("easy 1 medium 0 hard 1 expert 0 master 0 guessing 0"));
        QVERIFY(r.out.contains("without a solution: 0, with more than one: 1"));
    }

    void showPrintsGridAndSums()
    {
        const QString path = writeBytes(dir_, "show.qztw", goodBook());
        const Run r = show(path, "1");
        QCOMPARE(r.code, 0);
        // smallPuzzle: rows "# # # #", "# 1 3 #", "# 2 4 1", "# # 2 3".
        QVERIFY2(r.out.contains("puzzle 1 of 2: 4x4, 7 entry cells"), qPrintable(r.out));
        QVERIFY(r.out.contains("#####  3\\    9\\   #####"));
        QVERIFY(r.out.contains("  \\4    .     .    4\\  "));
        QVERIFY(r.out.contains("solution:"));
        QVERIFY(r.out.contains("  \\7    2     4     1  "));
        for (const char *bad : {"0", "3", "x", "1x", ""})
            QCOMPARE(show(path, bad).code, 2);
    }

    void generateWritesAVerifiedBook()
    {
        const QString path = dir_.filePath("made.qztw");
        const Run g = generate(
            {"--out", path, "--count", "6", "--sizes", "6x6-8x7", "--seed", "11", "--mix", "1:1:0:0:0"});
        QCOMPARE(g.code, 0);
        QVERIFY2(g.out.contains("wrote 6 puzzles"), qPrintable(g.out + g.err));
        QCOMPARE(verify(path, true).code, 0);
        QVERIFY(stats(path).out.contains("sizes: 6x6 (2) 7x6 (1) 7x7 (1) 8x7 (2)"));
        QVERIFY(!QFile::exists(path + ".part"));
    }

    // A later book keeps every puzzle of the earlier one under its number and only appends.
    void generateAppendsAfterAnEarlierBook()
    {
        const QString first = dir_.filePath("first.qztw"), second = dir_.filePath("second.qztw");
        QCOMPARE(generate({"--out", first, "--count", "3", "--size", "6", "--seed", "4"}).code, 0);
        const Run r =
            generate({"--out", second, "--count", "3", "--size", "7", "--seed", "4", "--after", first});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.contains("wrote 6 puzzles"), qPrintable(r.out));
        QCOMPARE(verify(second).code, 0);
        QFile a(first), b(second);
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        const QByteArray oldBook = a.readAll(), newBook = b.readAll();
        for (int k = 1; k <= 3; ++k) {
            const int from = offsetOf(oldBook, k), to = offsetOf(newBook, k);
            QCOMPARE(newBook.mid(to, 8 + 36), oldBook.mid(from, 8 + 36));
        }
        QCOMPARE(generate({"--out", second, "--after", dir_.filePath("none.qztw")}).code, 1);
    }

    // Options go anywhere after the command; mistakes are refused with exit status 2. `said` is
    // looked for in the output (exit 0) or in the one line of complaint (exit 2).
    void commandLineIsRead_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("said");
        const QString book = "@book";
        QTest::newRow("verify, option first") << QStringList{"verify", "--logic", book} << 0 << "logic alone";
        QTest::newRow("verify, option last") << QStringList{"verify", book, "--logic"} << 0 << "logic alone";
        QTest::newRow("show, arguments in order") << QStringList{"show", book, "2"} << 0 << "puzzle 2 of 2";
        QTest::newRow("tool help") << QStringList{"--help"} << 0 << "korvel-book stats BOOK";
        QTest::newRow("command help beats the rest")
            << QStringList{"verify", "--colour", "--help"} << 0 << "usage: korvel-book verify";
        QTest::newRow("generate help") << QStringList{"generate", "-h"} << 0 << "--mix";
        QTest::newRow("unknown option")
            << QStringList{"stats", book, "--colour"} << 2 << "no option --colour";
        QTest::newRow("an option of another command")
            << QStringList{"stats", "--logic", book} << 2 << "--logic";
        QTest::newRow("missing book") << QStringList{"verify", "--logic"} << 2 << "one BOOK";
        QTest::newRow("one word too many") << QStringList{"show", book, "1", "2"} << 2 << "puzzle number";
        QTest::newRow("unknown command") << QStringList{"check", book} << 2 << "unknown command";
        QTest::newRow("no output") << QStringList{"generate", "--count", "3"} << 2 << "--out";
        QTest::newRow("value missing") << QStringList{"generate", "--count"} << 2 << "needs a value";
        QTest::newRow("count 0") << QStringList{"generate", "--out", "x", "--count", "0"} << 2 << "--count";
        QTest::newRow("sizes shrink")
            << QStringList{"generate", "--sizes", "12-8", "--out", "x"} << 2 << "first";
        QTest::newRow("mix of four") << QStringList{"generate", "--out", "x", "--mix", "1:2:3:4"} << 2
                                     << "--mix";
        QTest::newRow("mix all zero")
            << QStringList{"generate", "--out", "x", "--mix", "0:0:0:0:0"} << 2 << "zero";
    }
    void commandLineIsRead()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, said);
        args.replaceInStrings("@book", writeBytes(dir_, "good.qztw", goodBook()));
        const Run r = run(args);
        QCOMPARE(r.code, code);
        QVERIFY2((code == 0 ? r.out : r.err).contains(said), qPrintable(r.out + r.err));
        if (code == 2 && args.first() != "check")
            QCOMPARE(r.err.count('\n'), 1);
        QVERIFY(!QFile::exists("x"));
    }

    void programAnswersOnTheCommandLine()
    {
        QProcess p;
        p.start(KORVEL_BOOK_TOOL, {});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 2);
        QVERIFY(p.readAllStandardError().contains("usage:"));

        // A run without a terminal shows no progress line: stderr stays empty.
        const QString path = dir_.filePath("cli.qztw");
        p.start(KORVEL_BOOK_TOOL, {"generate", "--out", path, "--count", "2", "--size", "6"});
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(p.readAllStandardError(), QByteArray());
        p.start(KORVEL_BOOK_TOOL, {"verify", path});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 0);
        p.start(KORVEL_BOOK_TOOL, {"verify", dir_.filePath("none.qztw")});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 1);
    }

private:
    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(TestBookTool)
#include "test_book_tool.moc"
