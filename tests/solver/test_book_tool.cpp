// The korvel-book tool: its command line as one table, its exit codes on hostile books, what verify
// names in faulty ones, stats and show on a small book, and generate after an earlier book.
#include "book_commands.h"
#include "solver/puzzle_code.h"
#include "support/board_fixture.h"
#include "support/file_size_limit.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <sstream>

namespace {

struct Result {
    int code;
    QString out, err;
};

Result tool(const QStringList &args)
{
    std::vector<std::string> words;
    for (const QString &a : args)
        words.push_back(a.toStdString());
    std::ostringstream out, err;
    const int code = booktool::runCommandLine(words, out, err);
    return {code, QString::fromStdString(out.str()), QString::fromStdString(err.str())};
}

qint32 offsetOf(const QByteArray &book, int puzzle)
{
    return qFromLittleEndian<qint32>(book.constData() + 4 + 4 * puzzle);
}

const QStringList kPairs = {"######", "#21#78", "#84795", "##698#", "#12834", "#35#51"};

} // namespace

class TestBookTool : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    // Options go anywhere after the command. `said` is looked for in what the tool printed; a
    // mistake in the command line is refused in one line with exit status 2.
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("said");
        const auto row = [](const char *name, QStringList args, int code, QString said) {
            QTest::newRow(name) << args << code << said;
        };
        row("verify, option first", {"verify", "--logic", "@book"}, 0, "one solution that logic alone finds");
        row("show, book then number", {"show", "@book", "2"}, 0, "puzzle 2 of 2");
        row("tool help", {"--help"}, 0, "korvel-book stats BOOK");
        row("verify help beats the rest", {"verify", "--colour", "--help"}, 0, "usage: korvel-book verify");
        row("show help", {"show", "-h"}, 0, "usage: korvel-book show");
        row("unknown option", {"stats", "@book", "--colour"}, 2, "no option --colour");
        row("unknown command", {"check", "@book"}, 2, "unknown command");
        row("missing book", {"verify", "--logic"}, 2, "one BOOK");
        row("value missing", {"generate", "--count"}, 2, "needs a value");
        row("no output", {"generate", "--count", "3"}, 2, "--out");
        row("bad value", {"generate", "--out", "x", "--mix", "1:2:3:4"}, 2, "--mix");
        row("size too small", {"generate", "--out", "x", "--size", "3"}, 2, "sizes must be");
        row("sizes shrink", {"generate", "--sizes", "12-8", "--out", "x"}, 2, "first");
        row("mix all zero", {"generate", "--out", "x", "--mix", "0:0:0:0:0"}, 2, "zero");
        row("too few blocks", {"generate", "--out", "x", "--blocks", "5"}, 2, "block share");
        row("no such puzzle", {"show", "@book", "1x"}, 2, "no puzzle");
        row("no such book, its name with an escape sequence", {"verify", "@dir/\x1b[2J.qztw"}, 1,
            "cannot read @dir/\\x1b[2J.qztw: No such file");
        row("no folder for the book", {"generate", "--out", "@dir/none/x", "--size", "6", "--count", "1"}, 1,
            "cannot write @dir/none/x.part: No such file or directory");
        row("a folder", {"stats", "@dir"}, 1, "folder");
        row("no earlier book", {"generate", "--out", "x", "--after", "@none"}, 1, "cannot read");
        row("new, 31 columns", {"new", "--size", "31x10", "--difficulty", "easy"}, 2, "from 6 to 30");
        row("new, 1x1", {"new", "--size", "1", "--difficulty", "easy"}, 2, "from 6 to 30");
        row("new, no difficulty", {"new", "--size", "8"}, 2, "--difficulty");
        row("new, seed too large", {"new", "--size", "8", "--difficulty", "hard", "--seed", "16777216"}, 2,
            "--seed");
        row("from-code, mistyped", {"from-code", "1440-0001-8PQ", "--out", "x"}, 2, "typed wrong");
        row("from-code, no file", {"from-code", "1440-0000-8PQ"}, 2, "--out");
        row("from-code, no code", {"from-code", "--out", "x"}, 2, "one CODE");
    }
    void commandLine()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, said);
        args.replaceInStrings("@book",
                              write("good.qztw", fixture::bookFromAscii({fixture::smallPuzzle(), kPairs})));
        args.replaceInStrings("@none", dir_.filePath("none.qztw"));
        args.replaceInStrings("@dir", dir_.path());
        said.replace("@dir", dir_.path());
        const Result r = tool(args);
        QCOMPARE(r.code, code);
        QVERIFY(!(r.out + r.err).contains('\x1b'));
        QVERIFY2((r.out + r.err).contains(said), qPrintable(r.out + r.err));
        if (code != 0 && args.first() != "check")
            QCOMPARE(r.err.count('\n'), 1);
        QVERIFY(!QFile::exists("x"));
    }

    // One row per guard of the book's layout: each command names the fault and fails, none crashes.
    void hostileBooksAreNamed_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("why");
        const QByteArray good = fixture::bookFromAscii({fixture::smallPuzzle(), kPairs});
        const int rec = offsetOf(good, 1);
        const auto put = [&](const char *name, int at, auto value, QString why) {
            QByteArray b = good;
            qToLittleEndian(value, b.data() + at);
            QTest::newRow(name) << b << why;
        };
        QTest::newRow("cut inside the header") << good.left(6) << "too short";
        put("wrong magic", 0, qint8('q'), "wrong magic");
        put("negative count", 4, qint32(-1), "below 1");
        put("huge count", 4, qint32(0x7fffffff), "above 32767");
        QTest::newRow("cut inside the offset table") << good.left(11) << "offset table";
        put("offset past the end", 8, qint32(1 << 30), "puzzle 1: offset 1073741824 lies outside the file");
        put("height 1000", rec + 2, qint16(1000), "puzzle 1: size 4x1000");
        QTest::newRow("last record cut short")
            << good.left(good.size() - 3) << "puzzle 2: record runs past the end";
        put("byte above 9", rec + 8 + 5, quint8(200), "puzzle 1: cell 6 holds 200");
    }
    void hostileBooksAreNamed()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, why);
        const QString path = write("bad.qztw", bytes);
        const Result v = tool({"verify", path}), s = tool({"stats", path});
        QCOMPARE(v.code, 1);
        QVERIFY2((v.out + v.err).contains(why), qPrintable(v.out + v.err));
        QCOMPARE(s.code, 1);
        QVERIFY2(s.err.startsWith("korvel-book: " + path + ": ") && s.err.count('\n') == 1 &&
                     s.err.contains(why.section(':', -1).trimmed().left(12)),
                 qPrintable(s.err));
        QCOMPARE(tool({"show", path, "1"}).code, 1);
    }

    // The faulty puzzle sits between good ones; a byte above 9 in the last one is named too.
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
        QTest::newRow("needs a guess")
            << QStringList{"#24#93#", "#13275#", "73#364#", "35###14", "#769#87", "#48197#", "#97#56#"}
            << "logic alone cannot solve it";
    }
    void verifyNamesEveryFailingPuzzle()
    {
        QFETCH(QStringList, rows);
        QFETCH(QString, why);
        QByteArray book = fixture::bookFromAscii({kPairs, rows, fixture::smallPuzzle()});
        book[offsetOf(book, 3) + 8] = char(12);
        const Result r = tool({"verify", write("faulty.qztw", book), "--logic"});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.out.contains("puzzle 2: " + why), qPrintable(r.out));
        QVERIFY(r.out.contains("puzzle 3: cell 1 holds 12"));
        QVERIFY(!r.out.contains("puzzle 1:"));
        QVERIFY(r.out.contains("2 of 3 puzzles fail"));
    }

    // A book whose 32767 numbers all point at one record that takes the search to its limit:
    // the record is checked once and named once (was: two hours for each command).
    void aRecordUnderEveryNumberIsCheckedOnce()
    {
        const QByteArray slow =
            QByteArray::fromHex("0600060000000000000000000009070600060008040009070404040404040404"
                                "0404040404040404040404040404");
        QByteArray book("QZTW");
        book += QByteArray("\xff\x7f\0\0", 4);
        for (int k = 0; k < 32767; ++k)
            book += QByteArray("\x04\0\x02\0", 4); // 8 + 4 * 32767
        const QString path = write("one-record.qztw", book + slow);
        const Result v = tool({"verify", path});
        QCOMPARE(v.code, 1);
        QVERIFY2(v.out.contains("puzzle 1: ") &&
                     v.out.contains("puzzle 1: the same record stands for 32766 later puzzles") &&
                     v.out.endsWith("32767 of 32767 puzzles fail\n") && v.out.count('\n') == 3,
                 qPrintable(v.out));
        const Result s = tool({"stats", path});
        QVERIFY2(s.code == 0 && s.out.contains("32767 puzzles\nsizes: 6x6 (32767)") &&
                     s.out.contains(": 32767\n"),
                 qPrintable(s.out));
    }

    // A run past its time stops before the next record and says how far it got.
    void runsStopAtTheirDeadline()
    {
        const QString path = write("good.qztw", fixture::bookFromAscii({fixture::smallPuzzle(), kPairs}));
        std::ostringstream out, err;
        QCOMPARE(booktool::verifyCommand(path.toStdString(), false, out, err, std::chrono::seconds(0)), 1);
        QCOMPARE(booktool::statsCommand(path.toStdString(), out, err, std::chrono::seconds(0)), 1);
        QCOMPARE(QString::fromStdString(err.str()).count("stopped at puzzle 1 of 2 after 0 s"), 2);
    }

    // A size and block share that cannot be made is refused in one line once a place has had its
    // time (was: ten minutes and more of silence).
    void generateGivesUpOnAPlace()
    {
        std::ostringstream out, err;
        const std::map<std::string, std::string> options = {
            {"--out", dir_.filePath("never.qztw").toStdString()}, {"--size", "20x20"}, {"--blocks", "10"}};
        QCOMPARE(booktool::generateCommand(options, out, err, std::chrono::seconds(0)), 1);
        QCOMPARE(
            QString::fromStdString(err.str()),
            "korvel-book: no 20x20 puzzle with 10% blocks could be made for place 1 within 0 s; more blocks "
            "(--blocks) or a smaller size may do\n");
    }

    void statsAndShowDescribeABook()
    {
        const QString path = write(
            "three.qztw", fixture::bookFromAscii({fixture::smallPuzzle(), kPairs, {"###", "#12", "#21"}}));
        const Result s = tool({"stats", path});
        QCOMPARE(s.code, 0);
        QVERIFY2(s.out.contains("3 puzzles\nsizes: 3x3 (1) 4x4 (1) 6x6 (1)\nentry cells: fewest 4, most 21"),
                 qPrintable(s.out));
        QVERIFY(s.out.contains("easy 1 medium 0 hard 1 expert 0 master 0 guessing 0"));
        QVERIFY(s.out.contains("without a solution: 0, with more than one: 1"));
        // The small puzzle: rows "# # # #", "# 1 3 #", "# 2 4 1", "# # 2 3".
        const Result r = tool({"show", path, "1"});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.contains("puzzle 1 of 3: 4x4, 7 entry cells"), qPrintable(r.out));
        QVERIFY(r.out.contains("#####  3\\    9\\   #####"));
        QVERIFY(r.out.contains("  \\4    .     .    4\\  "));
        QVERIFY(r.out.contains("  \\7    2     4     1  "));
    }

    // A later book keeps every puzzle of the earlier one under its number and only appends. Run as
    // a program the tool shows no progress line without a terminal, and no command is a mistake.
    void generateAppendsAfterAnEarlierBook()
    {
        QProcess p;
        p.start(KORVEL_BOOK_TOOL, {});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 2);
        QVERIFY(p.readAllStandardError().contains("usage:"));
        const QString first = dir_.filePath("first.qztw"), second = dir_.filePath("second.qztw");
        p.start(KORVEL_BOOK_TOOL, {"generate", "--out", first, "--count", "1", "--size", "6", "--seed", "4"});
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(p.readAllStandardError(), QByteArray());
        QVERIFY(p.readAllStandardOutput().startsWith("wrote 1 puzzle to "));
        const Result r = tool({"generate", "--after", first, "--out", second, "--count", "2", "--size", "8x7",
                               "--mix", "0:1:0:0:0"});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.contains("wrote 3 puzzles") && r.out.contains("easy 0 medium 2 hard 0"),
                 qPrintable(r.out));
        QCOMPARE(tool({"verify", "--logic", second}).code, 0);
        QVERIFY(!QFile::exists(second + ".part"));
        const QByteArray before = fixture::fileBytes(first), after = fixture::fileBytes(second);
        QCOMPARE(after.mid(offsetOf(after, 1), 8 + 36), before.mid(offsetOf(before, 1), 8 + 36));
        QCOMPARE(after.mid(offsetOf(after, 2), 4), QByteArray("\x08\x00\x07\x00", 4)); // 8 wide, 7 high
        // Written again on a full disk: refused with the reason, the earlier book left whole.
        Result full;
        {
            FileSizeLimit limit(rlim_t(after.size() - 1));
            full = tool({"generate", "--after", first, "--out", second, "--count", "2", "--size", "8x7"});
        }
        QCOMPARE(full.code, 1);
        QCOMPARE(full.err, "korvel-book: cannot write " + second + ".part: File too large\n");
        QVERIFY(fixture::fileBytes(second) == after && !QFile::exists(second + ".part"));
    }

    // The code `new` prints last makes, through from-code, a one-puzzle book of that very puzzle,
    // whose record carries the code.
    void newThenFromCode()
    {
        const Result made = tool({"new", "--difficulty", "medium", "--seed", "99", "--size", "9x7"});
        QCOMPARE(made.code, 0);
        const QString code = made.out.trimmed().section('\n', -1);
        const QString path = dir_.filePath("coded.qztw");
        QCOMPARE(tool({"from-code", code, "--out", path}).code, 0);
        QCOMPARE(tool({"verify", "--logic", path}).code, 0);
        const QByteArray book = fixture::fileBytes(path);
        QCOMPARE(qFromLittleEndian<qint32>(book.constData() + 4), 1);
        QCOMPARE(book.mid(offsetOf(book, 1), 4), QByteArray("\x09\x00\x07\x00", 4));
        const auto reserved = qFromLittleEndian<quint32>(book.constData() + offsetOf(book, 1) + 4);
        const std::optional<kakuro::PuzzleCode> stored = kakuro::codeOfReserved(reserved, 9, 7);
        QVERIFY(stored);
        QCOMPARE(QString::fromStdString(kakuro::codeText(*stored)), code);
    }

private:
    QString write(const QString &name, const QByteArray &bytes)
    {
        fixture::writeFile(dir_.filePath(name), bytes);
        return dir_.filePath(name);
    }

    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(TestBookTool)
#include "test_book_tool.moc"
