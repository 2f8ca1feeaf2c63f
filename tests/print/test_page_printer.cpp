// The printed page: footer geometry and text, board, sums and digits, failures of the device,
// the PDF and printer targets, and the painter's tools around a print.
#include "page_probe.h"
#include "print/page_printer.h"
#include "platform/modal.h"
#include "support/board_fixture.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using modPrint::PrintOutcome;
using probe::ImagePage;
using probe::PageRecord;

Q_DECLARE_METATYPE(ImagePage::FailAt)
Q_DECLARE_METATYPE(PrintOutcome)

namespace {

const QColor answerRed(200, 0, 0);
const QColor tallyGreen(0, 160, 0);
const QColor footerMagenta(180, 0, 180);
const QColor lightLine(150, 150, 150);
const QColor penBlue(20, 20, 240);

QStringList nineRows()
{
    return {"# # # #", "# 1 2 #", "# 3 1 2", "# # 4 1", "# 2 # #",
            "# 1 3 #", "# 4 1 2", "# # 2 1", "# # # #"};
}

PrintSettings testSettings()
{
    PrintSettings s;
    s.solutionFontColour = answerRed;
    s.tallyFontColour = tallyGreen;
    s.footerColour = footerMagenta;
    s.footerText = QStringLiteral("MMMM");
    return s;
}

// Prints as the dialog does: tools from the settings, then the page.
std::shared_ptr<PageRecord> render(const modData::Board &board, const PrintSettings &s, bool showSolution,
                                   bool showTally, QSize size,
                                   PrintOutcome *outcome = nullptr, ImagePage::FailAt failAt = ImagePage::FailAt::Nowhere)
{
    auto record = std::make_shared<PageRecord>();
    ImagePage page(record, size, failAt);
    modGDI::createDrawingTools(s.solutionCellColour, s.clueCellColour, s.lineSize);
    const PrintOutcome result = modPrint::printPuzzle(board, s, showSolution, showTally, page, nullptr);
    if (outcome)
        *outcome = result;
    return record;
}

} // namespace

class TestPagePrinter : public QObject {
    Q_OBJECT
    QList<modal::MessageRequest> messages;
    modData::Board small;

private Q_SLOTS:
    void init()
    {
        messages.clear();
        modal::setMessageResponder([this](const modal::MessageRequest &r) {
            messages.append(r);
            return QMessageBox::Ok;
        });
        modGDI::createDrawingTools(Qt::white, Qt::black, 1);
        fixture::loadBoard(small, fixture::smallPuzzle());
    }
    void cleanup() { modal::setMessageResponder({}); }

    void footerRect_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("cellSize");
        QTest::addColumn<int>("footerSize");
        QTest::addColumn<QRect>("expected"); // left, top, right (exclusive), bottom (exclusive)
        QTest::newRow("defaults, 9 rows") << 9 << 250 << 8 << QRect(QPoint(125, 2516), QPoint(4000, 2766));
        QTest::newRow("odd cell 25 rounds down to even") << 9 << 25 << 8 << QRect(QPoint(12, 266), QPoint(4000, 291));
        QTest::newRow("odd cell 27 rounds up to even") << 9 << 27 << 8 << QRect(QPoint(14, 286), QPoint(4000, 313));
        QTest::newRow("one-pixel cells") << 4 << 1 << 30 << QRect(QPoint(0, 65), QPoint(4000, 66));
    }
    void footerRect()
    {
        QFETCH(int, rows);
        QFETCH(int, cellSize);
        QFETCH(int, footerSize);
        QFETCH(QRect, expected);
        PrintSettings s;
        s.cellSizePixels = cellSize;
        s.footerFontSize = footerSize;
        const QRect r = modPrint::footerRect(s, rows, 4000);
        QCOMPARE(QRect(QPoint(r.left(), r.top()), QPoint(r.left() + r.width(), r.top() + r.height())), expected);
    }

    // The footer lands in its rectangle: text starts at its top-left, nothing falls outside.
    void footerOnThePage()
    {
        modData::Board nine;
        fixture::loadBoard(nine, nineRows());
        const auto page = render(nine, testSettings(), false, true, QSize(1400, 2800));
        QCOMPARE(page->jobName, QStringLiteral("DOM"));
        QVERIFY(page->ended);
        const QRect ink = probe::boundsOf(page->image, footerMagenta);
        QVERIFY(!ink.isNull());
        QVERIFY2(ink.left() >= 125 && ink.left() < 125 + 15, qPrintable(QString::number(ink.left())));
        QVERIFY2(ink.top() >= 2516 && ink.top() < 2516 + 25, qPrintable(QString::number(ink.top())));
        QVERIFY(ink.bottom() < 2766);
    }

    void emptyFooterPrintsNothing()
    {
        PrintSettings s = testSettings();
        s.footerText.clear();
        const auto page = render(small, s, false, true, QSize(1400, 1800));
        QVERIFY(page->ended);
        QCOMPARE(probe::countOf(page->image, footerMagenta), 0);
    }

    // A footer longer than the page is cut at the right edge and stays on one line.
    void wideFooterIsCutNotWrapped()
    {
        PrintSettings s = testSettings();
        s.footerText = QString(300, QLatin1Char('H'));
        const int width = 1400;
        const auto page = render(small, s, false, true, QSize(width, 1800));
        const QRect ink = probe::boundsOf(page->image, footerMagenta);
        QVERIFY(!ink.isNull());
        QVERIFY2(ink.right() >= width - 60, qPrintable(QString::number(ink.right())));
        // 8 points at 600 dpi is about 67 pixels per line: one line of capitals, not two.
        QVERIFY2(ink.height() < 67, qPrintable(QString::number(ink.height())));
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
        const auto page = render(small, testSettings(), false, showTally, QSize(1400, 1800));
        QCOMPARE(probe::countOf(page->image, tallyGreen) > 0, showTally);
        // Clue cells: (0, 2) heads an across run from the edge, (2, 1) a down run inside the grid.
        for (const QPoint clue : {QPoint(0, 2), QPoint(2, 1)}) {
            const QRect inside = probe::cellInside(clue.x(), clue.y(), 250, 6);
            QCOMPARE(probe::countOf(page->image, lightLine, inside) > 0, showTally);
        }
    }

    // With answer digits on, every entry cell shows its own solution digit in the answer colour:
    // cells with equal digits look alike, cells with different digits do not.
    void solutionDigitsInAnswerColour()
    {
        small.penEntries[std::size_t(small.cellIndex(2, 2))] = 7; // the player's digits do not matter
        const auto page = render(small, testSettings(), true, true, QSize(1400, 1800));
        QList<QPair<int, QList<QPoint>>> seen;
        for (int i = 1; i <= small.cellCount; ++i) {
            const int digit = small.solutionGrid[std::size_t(i)];
            if (digit == 0)
                continue;
            const QList<QPoint> ink = probe::maskOf(page->image, answerRed,
                                                    probe::cellInside(small.colOf(i), small.rowOf(i), 250));
            QVERIFY2(!ink.isEmpty(), qPrintable(QStringLiteral("cell %1 is empty").arg(i)));
            for (const auto &[otherDigit, otherInk] : seen)
                QCOMPARE(otherInk == ink, otherDigit == digit);
            seen.append({digit, ink});
        }
        QCOMPARE(probe::countOf(page->image, penBlue), 0);
    }

    // With answer digits off, a filled cell shows what the player wrote (pen, else pencil), in the
    // answer colour; an empty one shows nothing.
    void playerDigitsWithoutAnswers()
    {
        const auto reference = render(small, testSettings(), true, true, QSize(1400, 1800));
        QHash<int, QList<QPoint>> digitInk; // what each digit looks like in a cell
        for (int i = 1; i <= small.cellCount; ++i)
            if (small.solutionGrid[std::size_t(i)] != 0)
                digitInk[small.solutionGrid[std::size_t(i)]] =
                    probe::maskOf(reference->image, answerRed, probe::cellInside(small.colOf(i), small.rowOf(i), 250));

        // # # # #
        // # 1 3 #     (2,2) pen 3 (wrong)
        // # 2 4 1     (3,3) pencil 4, (4,3) pen 2 (wrong)
        // # # 2 3
        small.penEntries[std::size_t(small.cellIndex(2, 2))] = 3;
        small.pencilEntries[std::size_t(small.cellIndex(3, 3))] = 4;
        small.penEntries[std::size_t(small.cellIndex(4, 3))] = 2;
        small.errorMarks[std::size_t(small.cellIndex(4, 3))] = 1;
        const auto page = render(small, testSettings(), false, true, QSize(1400, 1800));
        for (int i = 1; i <= small.cellCount; ++i) {
            if (small.solutionGrid[std::size_t(i)] == 0)
                continue;
            const int written = small.penEntries[std::size_t(i)] ? small.penEntries[std::size_t(i)]
                                                                 : small.pencilEntries[std::size_t(i)];
            const QList<QPoint> ink =
                probe::maskOf(page->image, answerRed, probe::cellInside(small.colOf(i), small.rowOf(i), 250));
            QCOMPARE(ink, written ? digitInk.value(written) : QList<QPoint>());
        }
        QCOMPARE(probe::countOf(page->image, penBlue), 0);
        QCOMPARE(probe::countOf(page->image, QColor(200, 20, 20)), 0); // no error marks on paper
    }

    // Fills and lines come from the tools the caller built from the settings.
    void cellColoursFromTheTools()
    {
        PrintSettings s = testSettings();
        s.solutionCellColour = QColor(255, 255, 200);
        s.clueCellColour = QColor(0, 0, 120);
        const auto page = render(small, s, false, false, QSize(1400, 1800));
        QCOMPARE(page->image.pixelColor(probe::cellInside(2, 2, 250).center()), s.solutionCellColour);
        QCOMPARE(page->image.pixelColor(probe::cellInside(1, 1, 250).center()), s.clueCellColour);
        // The answer colour was the page's only; the painter's own is back.
        QCOMPARE(modGDI::tools().solutionDigitColour, QColor(0, 0, 0));
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
        QTest::newRow("job fails at its end") << ImagePage::FailAt::End << PrintOutcome::Failed
                                              << modPrint::printerFailedText << false;
    }
    void failures()
    {
        QFETCH(ImagePage::FailAt, failAt);
        QFETCH(PrintOutcome, outcome);
        QFETCH(QString, message);
        QFETCH(bool, aborted);
        PrintOutcome result{};
        const auto page = render(small, testSettings(), false, true, QSize(1400, 1800), &result, failAt);
        QCOMPARE(result, outcome);
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].text, message);
        QCOMPARE(messages[0].caption, QStringLiteral("Korvel"));
        QCOMPARE(messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(page->aborted, aborted);
        QCOMPARE(modGDI::tools().solutionDigitColour, QColor(0, 0, 0));
    }

    void checkSettings_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("problem"); // -1: none
        using P = modPrint::SettingsProblem;
        // The page is 2400 x 3000 pixels at 600 dpi: 2400 pixels, 288 points across.
        QTest::newRow("defaults") << "" << 0 << -1;
        QTest::newRow("cell 0") << "cell" << 0 << int(P::CellSize);
        QTest::newRow("cell negative") << "cell" << -5 << int(P::CellSize);
        QTest::newRow("cell as wide as the page") << "cell" << 2400 << -1;
        QTest::newRow("cell wider than the page") << "cell" << 2401 << int(P::CellSize);
        QTest::newRow("line 0 is the thinnest") << "line" << 0 << -1;
        QTest::newRow("line wider than a cell") << "line" << 251 << int(P::LineSize);
        QTest::newRow("line negative") << "line" << -1 << int(P::LineSize);
        QTest::newRow("answer size 0") << "answer" << 0 << int(P::SolutionFontSize);
        QTest::newRow("answer size taller than the page") << "answer" << 289 << int(P::SolutionFontSize);
        QTest::newRow("sum size at the most") << "tally" << 288 << -1;
        QTest::newRow("sum size beyond 16 bits, clamped") << "tally" << 32767 << int(P::TallyFontSize);
        QTest::newRow("footer size huge") << "footer" << 2000000000 << int(P::FooterFontSize);
    }
    void checkSettings()
    {
        QFETCH(QString, field);
        QFETCH(int, value);
        QFETCH(int, problem);
        PrintSettings s;
        if (field == "cell") s.cellSizePixels = value;
        if (field == "line") s.lineSize = value;
        if (field == "answer") s.solutionFontSize = std::int16_t(value);
        if (field == "tally") s.tallyFontSize = std::int16_t(value);
        if (field == "footer") s.footerFontSize = value;
        const auto found = modPrint::checkSettings(s, QSize(2400, 3000), 600);
        QCOMPARE(found ? int(found->field) : -1, problem);
    }

    // A refused size is told to the player and nothing reaches the device.
    void refusedSizeStartsNothing()
    {
        PrintSettings s = testSettings();
        s.cellSizePixels = 2000000000;
        PrintOutcome result{};
        const auto page = render(small, s, false, true, QSize(1400, 1800), &result);
        QCOMPARE(result, PrintOutcome::SettingsRefused);
        QCOMPARE(page->documentsStarted, 0);
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].text.contains(QStringLiteral("Cell Size")));
    }

    void pdfPageSizeByLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("size");
        QTest::newRow("US") << "en_US" << int(QPageSize::Letter);
        QTest::newRow("UK") << "en_GB" << int(QPageSize::A4);
        QTest::newRow("Germany") << "de_DE" << int(QPageSize::A4);
    }
    void pdfPageSizeByLocale()
    {
        QFETCH(QString, locale);
        QFETCH(int, size);
        QCOMPARE(int(modPrint::pdfPageSizeFor(QLocale(locale)).id()), size);
    }

    // The same page in a PDF file: A4 at 600 dpi with 10 mm margins; the board starts at the
    // margin. Rasterised with pdftoppm where it is installed.
    void pdfPage()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("page.pdf"));
        modPrint::PdfPageTarget pdf(QPageSize(QPageSize::A4), path);
        QCOMPARE(pdf.resolution(), 600);
        // (210 - 20) mm by (297 - 20) mm at 600 dpi, give or take the rounding of the margins to points.
        QVERIFY(qAbs(pdf.printableSize().width() - 4488) < 10);
        QVERIFY(qAbs(pdf.printableSize().height() - 6543) < 10);
        PrintSettings s = testSettings();
        s.clueCellColour = QColor(0, 0, 120);
        modGDI::createDrawingTools(s.solutionCellColour, s.clueCellColour, s.lineSize);
        QCOMPARE(modPrint::printPuzzle(small, s, true, true, pdf, nullptr), PrintOutcome::Printed);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");

        const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (pdftoppm.isEmpty())
            QSKIP("pdftoppm is not installed");
        QProcess run;
        run.start(pdftoppm, {QStringLiteral("-r"), QStringLiteral("60"), QStringLiteral("-png"),
                             QStringLiteral("-singlefile"), path, dir.filePath(QStringLiteral("page"))});
        QVERIFY(run.waitForFinished(60000));
        const QImage image(dir.filePath(QStringLiteral("page.png")));
        QCOMPARE(image.size(), QSize(496, 702)); // A4 at 60 dpi
        // 10 mm is about 24 pixels at 60 dpi; the first clue cell (1, 1) is 25 pixels from there.
        const QColor clue = image.pixelColor(24 + 25 + 12, 24 + 25 + 12);
        QVERIFY2(qAbs(clue.red()) < 30 && qAbs(clue.blue() - 120) < 30, qPrintable(clue.name()));
        QCOMPARE(image.pixelColor(5, 5), QColor(Qt::white));
    }

    void pdfInMissingFolderIsRefused()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("no/such/folder/page.pdf"));
        modPrint::PdfPageTarget pdf(QPageSize(QPageSize::A4), path);
        QCOMPARE(modPrint::printPuzzle(small, testSettings(), false, true, pdf, nullptr),
                 PrintOutcome::DocumentRefused);
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].text, QStringLiteral("Could not start Printing .."));
        QVERIFY(!QFile::exists(path));
    }

    // The printer road, on a QPrinter that writes its job to a file.
    void printerTargetNamesTheJob()
    {
        QTemporaryDir dir;
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(dir.filePath(QStringLiteral("job.pdf")));
        QPrinter *raw = printer.get();
        modPrint::PrinterPageTarget target(std::move(printer));
        QCOMPARE(modPrint::printPuzzle(small, testSettings(), false, true, target, nullptr), PrintOutcome::Printed);
        QCOMPARE(raw->docName(), QStringLiteral("DOM"));
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("job.pdf"))).size() > 0);
        QVERIFY(messages.isEmpty());
    }

    // What the screen had before a print, it has after.
    void screenToolsComeBack()
    {
        modGDI::createDrawingTools(QColor(10, 20, 30), QColor(40, 50, 60), 3);
        modGDI::setSolutionDigitColour(QColor(70, 80, 90));
        {
            modPrint::KeepScreenTools keep;
            modGDI::createDrawingTools(Qt::red, Qt::green, 9);
            modGDI::setSolutionDigitColour(Qt::blue);
        }
        const modGDI::DrawingTools &t = modGDI::tools();
        QCOMPARE(t.entryBrush, QColor(10, 20, 30));
        QCOMPARE(t.clueBrush, QColor(40, 50, 60));
        QCOMPARE(t.darkLinePen.width, 3);
        QCOMPARE(t.lightLinePen.width, 3);
        QCOMPARE(t.solutionDigitColour, QColor(70, 80, 90));
    }
};

QTEST_MAIN(TestPagePrinter)
#include "test_page_printer.moc"
