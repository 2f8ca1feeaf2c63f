// The printed page: footer geometry and text, sums and diagonals, digits, failures of the
// device, and the PDF and printer targets.
#include "page_probe.h"
#include "platform/modal.h"
#include "print/page_printer.h"
#include "support/board_fixture.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using modPrint::PrintOutcome;
using probe::ImagePage;

Q_DECLARE_METATYPE(ImagePage::FailAt)
Q_DECLARE_METATYPE(PrintOutcome)

namespace {

const QColor answerRed(200, 0, 0), tallyGreen(0, 160, 0), footerMagenta(180, 0, 180);
const QColor lightLine(150, 150, 150), penBlue(20, 20, 240);

PrintSettings testSettings()
{
    PrintSettings s;
    s.solutionFontColour = answerRed;
    s.tallyFontColour = tallyGreen;
    s.footerColour = footerMagenta;
    s.footerText = QStringLiteral("MMMM");
    return s;
}

// Prints as the dialog does: tools from the settings, then the page, on 1400 x 2800 pixels.
std::shared_ptr<probe::PageRecord> render(const modData::Board &board, const PrintSettings &s,
                                          bool showSolution, bool showTally, PrintOutcome *outcome = nullptr,
                                          ImagePage::FailAt failAt = ImagePage::FailAt::Nowhere)
{
    auto record = std::make_shared<probe::PageRecord>();
    ImagePage page(record, QSize(1400, 2800), failAt);
    modGDI::createDrawingTools(s.solutionCellColour, s.clueCellColour, s.lineSize);
    const PrintOutcome result = modPrint::printPuzzle(board, s, showSolution, showTally, page, nullptr);
    if (outcome)
        *outcome = result;
    return record;
}

QList<QPoint> inkIn(const QImage &page, const modData::Board &b, int i)
{
    return probe::maskOf(page, answerRed, probe::cellInside(b.colOf(i), b.rowOf(i), 250));
}

} // namespace

class TestPagePrinter : public QObject {
    Q_OBJECT
    QList<modal::MessageRequest> messages;
    modData::Board small; // # # # # / # 1 3 # / # 2 4 1 / # # 2 3

private Q_SLOTS:
    void init()
    {
        messages.clear();
        modal::setMessageResponder([this](const modal::MessageRequest &r) {
            messages.append(r);
            return QMessageBox::Ok;
        });
        fixture::loadBoard(small, fixture::smallPuzzle());
    }
    void cleanup() { modal::setMessageResponder({}); }

    void footerRect_data()
    {
        QTest::addColumn<int>("cellSize");
        QTest::addColumn<QRect>("expected"); // left, top, right and bottom exclusive
        QTest::newRow("defaults, 9 rows") << 250 << QRect(QPoint(125, 2516), QPoint(4000, 2766));
        QTest::newRow("odd cell 25: half rounds to even 12")
            << 25 << QRect(QPoint(12, 266), QPoint(4000, 291));
        QTest::newRow("odd cell 27: half rounds to even 14")
            << 27 << QRect(QPoint(14, 286), QPoint(4000, 313));
    }
    void footerRect()
    {
        QFETCH(int, cellSize);
        QFETCH(QRect, expected);
        PrintSettings s;
        s.cellSizePixels = cellSize;
        const QRect r = modPrint::footerRect(s, 9, 4000);
        QCOMPARE(QRect(r.topLeft(), QPoint(r.left() + r.width(), r.top() + r.height())), expected);
    }

    // On a 9-row puzzle the footer's text starts at (125, 2516), one line, cut at the page's
    // right edge instead of wrapping; an empty footer prints nothing.
    void footerOnThePage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("short") << "MMMM";
        QTest::newRow("wider than the page") << QString(300, QLatin1Char('H'));
        QTest::newRow("empty") << "";
    }
    void footerOnThePage()
    {
        QFETCH(QString, text);
        modData::Board nine;
        fixture::loadBoard(nine, {"####", "#12#", "#312", "##41", "#2##", "#13#", "#412", "##21", "####"});
        PrintSettings s = testSettings();
        s.footerText = text;
        const auto page = render(nine, s, false, true);
        QCOMPARE(page->jobName, QStringLiteral("DOM"));
        QVERIFY(page->ended);
        const QRect ink = probe::boundsOf(page->image, footerMagenta);
        QCOMPARE(ink.isNull(), text.isEmpty());
        if (text.isEmpty())
            return;
        QVERIFY2(ink.left() >= 125 && ink.left() < 125 + 15, qPrintable(QString::number(ink.left())));
        QVERIFY2(ink.top() >= 2516 && ink.top() < 2516 + 25, qPrintable(QString::number(ink.top())));
        QVERIFY(ink.height() < 67); // one line of 8-point capitals at 600 dpi
        QCOMPARE(ink.right() >= 1400 - 60, text.size() > 100);
    }

    void tallies_data()
    {
        QTest::addColumn<bool>("showTally");
        QTest::newRow("sums and diagonals") << true;
        QTest::newRow("neither") << false;
    }
    void tallies()
    {
        QFETCH(bool, showTally);
        const auto page = render(small, testSettings(), false, showTally);
        QCOMPARE(probe::countOf(page->image, tallyGreen) > 0, showTally);
        // Clue cells (1, 2), heading an across run, and (2, 1), heading a down run.
        for (const QPoint clue : {QPoint(1, 2), QPoint(2, 1)})
            QCOMPARE(probe::countOf(page->image, lightLine, probe::cellInside(clue.x(), clue.y(), 250, 6)) >
                         0,
                     showTally);
    }

    // With answer digits on, every entry cell shows its own solution digit in the answer colour
    // (cells with equal digits look alike, others differ); with them off, a filled cell shows
    // what the player wrote (pen, else pencil), right or wrong, and an empty cell nothing.
    void digits()
    {
        small.penEntries[std::size_t(small.cellIndex(2, 2))] = 3;    // solution 1
        small.pencilEntries[std::size_t(small.cellIndex(3, 3))] = 4; // solution 4
        small.penEntries[std::size_t(small.cellIndex(4, 3))] = 2;    // solution 1
        small.errorMarks[std::size_t(small.cellIndex(4, 3))] = 1;
        const auto solution = render(small, testSettings(), true, true);
        QHash<int, QList<QPoint>> digitInk;
        for (int i = 1; i <= small.cellCount; ++i) {
            const int digit = small.solutionGrid[std::size_t(i)];
            if (digit == 0)
                continue;
            const QList<QPoint> ink = inkIn(solution->image, small, i);
            QVERIFY2(!ink.isEmpty(), qPrintable(QStringLiteral("cell %1 is empty").arg(i)));
            for (auto it = digitInk.cbegin(); it != digitInk.cend(); ++it)
                QCOMPARE(it.value() == ink, it.key() == digit);
            digitInk[digit] = ink;
        }

        const auto puzzle = render(small, testSettings(), false, true);
        for (int i = 1; i <= small.cellCount; ++i) {
            const std::size_t k = std::size_t(i);
            if (small.solutionGrid[k] != 0) {
                const int written = small.penEntries[k] ? small.penEntries[k] : small.pencilEntries[k];
                QCOMPARE(inkIn(puzzle->image, small, i), written ? digitInk.value(written) : QList<QPoint>());
            }
        }
        for (const auto &page : {solution, puzzle}) {
            QCOMPARE(probe::countOf(page->image, penBlue), 0);
            QCOMPARE(probe::countOf(page->image, QColor(200, 20, 20)), 0); // no error marks on paper
        }
        QCOMPARE(modGDI::tools().solutionDigitColour,
                 QColor(0, 0, 0)); // the answer colour was the page's only
    }

    void failures_data()
    {
        QTest::addColumn<ImagePage::FailAt>("failAt");
        QTest::addColumn<PrintOutcome>("outcome");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("aborted");
        QTest::newRow("document refused") << ImagePage::FailAt::Document << PrintOutcome::DocumentRefused
                                          << "Could not start Printing .." << false;
        QTest::newRow("page refused") << ImagePage::FailAt::Page << PrintOutcome::PageRefused
                                      << "Could not start a New page .." << true;
        QTest::newRow("job fails at its end")
            << ImagePage::FailAt::End << PrintOutcome::Failed << modPrint::printerFailedText << false;
    }
    void failures()
    {
        QFETCH(ImagePage::FailAt, failAt);
        QFETCH(PrintOutcome, outcome);
        QFETCH(QString, message);
        QFETCH(bool, aborted);
        PrintOutcome result{};
        const auto page = render(small, testSettings(), false, true, &result, failAt);
        QCOMPARE(result, outcome);
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].text, message);
        QCOMPARE(messages[0].caption, QStringLiteral("Korvel"));
        QCOMPARE(messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(page->aborted, aborted);
    }

    void checkSettings_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("font");
        QTest::addColumn<int>("problem"); // -1: none
        using P = modPrint::SettingsProblem;
        // A page of 2400 x 3000 pixels at 600 dpi: at most 2400 pixels, 288 points.
        QTest::newRow("defaults") << 250 << 1 << 8 << -1;
        QTest::newRow("largest of each") << 2400 << 2400 << 288 << -1;
        QTest::newRow("line 0 is the thinnest") << 250 << 0 << 8 << -1;
        QTest::newRow("cell 0") << 0 << 0 << 8 << int(P::CellSize);
        QTest::newRow("cell wider than the page") << 2401 << 1 << 8 << int(P::CellSize);
        QTest::newRow("line wider than a cell") << 250 << 251 << 8 << int(P::LineSize);
        QTest::newRow("footer size 0") << 250 << 1 << 0 << int(P::FooterFontSize);
        QTest::newRow("footer taller than the page") << 250 << 1 << 289 << int(P::FooterFontSize);
    }
    void checkSettings()
    {
        QFETCH(int, cell);
        QFETCH(int, line);
        QFETCH(int, font);
        QFETCH(int, problem);
        PrintSettings s;
        s.cellSizePixels = cell;
        s.lineSize = line;
        s.footerFontSize = font;
        const auto found = modPrint::checkSettings(s, QSize(2400, 3000), 600);
        QCOMPARE(found ? int(found->field) : -1, problem);
    }

    // The same page in a PDF: A4 at 600 dpi within 10 mm margins, the board from the margin on.
    void pdfPage()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("page.pdf"));
        modPrint::PdfPageTarget pdf(QPageSize(QPageSize::A4), path);
        QVERIFY(qAbs(pdf.printableSize().width() - 4488) <
                10); // 190 mm at 600 dpi, margins rounded to points
        PrintSettings s = testSettings();
        s.clueCellColour = QColor(0, 0, 120);
        modGDI::createDrawingTools(s.solutionCellColour, s.clueCellColour, s.lineSize);
        QCOMPARE(modPrint::printPuzzle(small, s, true, true, pdf, nullptr), PrintOutcome::Printed);
        const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (pdftoppm.isEmpty())
            QSKIP("pdftoppm is not installed");
        QCOMPARE(QProcess::execute(pdftoppm, {"-r", "60", "-png", "-singlefile", path, dir.filePath("page")}),
                 0);
        const QImage image(dir.filePath(QStringLiteral("page.png")));
        QCOMPARE(image.size(), QSize(496, 702));                           // A4 at 60 dpi
        const QColor block = image.pixelColor(24 + 25 + 12, 24 + 25 + 12); // middle of block cell (1, 1)
        QVERIFY2(block.red() < 30 && qAbs(block.blue() - 120) < 30, qPrintable(block.name()));
        QCOMPARE(image.pixelColor(5, 5), QColor(Qt::white));
    }

    // The printer road, on a QPrinter that writes its job to a file.
    void printerTargetNamesTheJob()
    {
        QTemporaryDir dir;
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFileName(dir.filePath(QStringLiteral("job.pdf")));
        QPrinter *raw = printer.get();
        modPrint::PrinterPageTarget target(std::move(printer));
        QCOMPARE(modPrint::printPuzzle(small, testSettings(), false, true, target, nullptr),
                 PrintOutcome::Printed);
        QCOMPARE(raw->docName(), QStringLiteral("DOM"));
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("job.pdf"))).size() > 0);
    }
};

QTEST_MAIN(TestPagePrinter)
#include "test_page_printer.moc"
