// The printed page: footer geometry and text, sums and diagonals, digits, failures of the
// device, and the PDF and printer targets.
#include "page_probe.h"
#include "platform/modal.h"
#include "print/page_printer.h"
#include "support/board_fixture.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using modPrint::PrintOutcome;

namespace {

const QColor answerRed(200, 0, 0), tallyGreen(0, 160, 0), footerMagenta(180, 0, 180);

// A page on an image that the device refuses or fails where told.
class FailingPage : public modPrint::DevicePageTarget {
    using Base = modPrint::DevicePageTarget;

public:
    enum FailAt { Document, Page, End };
    FailingPage(QImage &image, FailAt failAt) : Base(image), failAt(failAt) {}
    bool startDocument(const QString &job) override { return failAt != Document && Base::startDocument(job); }
    bool startPage() override { return failAt != Page && Base::startPage(); }
    bool endDocument() override { return Base::endDocument() && failAt != End; }
    void abortDocument() override
    {
        aborted = true;
        Base::abortDocument();
    }
    const FailAt failAt;
    bool aborted = false;
};

// Prints as the dialog does (tools from the settings, then the page), with colours of its own for
// digits, sums and the footer line `footer`.
PrintOutcome print(modPrint::PageTarget &page, const modData::Board &board, bool showSolution, bool showTally,
                   const QString &footer = "MMMM")
{
    PrintSettings s;
    s.solutionFontColour = answerRed;
    s.tallyFontColour = tallyGreen;
    s.footerColour = footerMagenta;
    s.footerText = footer;
    modGDI::createDrawingTools(s.solutionCellColour, s.clueCellColour, s.lineSize);
    return modPrint::printPuzzle(board, s, showSolution, showTally, page, nullptr);
}

// The page printed on 1400 x 2800 pixels; null when the print failed.
QImage render(const modData::Board &board, bool showSolution, bool showTally, const QString &footer = "MMMM")
{
    QImage image = probe::blankPage(QSize(1400, 2800));
    modPrint::DevicePageTarget page(image);
    return print(page, board, showSolution, showTally, footer) == PrintOutcome::Printed ? image : QImage();
}

} // namespace

Q_DECLARE_METATYPE(FailingPage::FailAt)
Q_DECLARE_METATYPE(PrintOutcome)

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

    // The footer's rectangle on a 9-row puzzle, and its ink on the page at the default cell size:
    // one line from the rectangle's corner on, cut at the page's right edge rather than wrapped.
    void footer_data()
    {
        QTest::addColumn<int>("cellSize");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("rect"); // on a page 4000 pixels wide
        const QRect defaults(125, 2516, 3875, 250);
        QTest::newRow("defaults") << 250 << "MMMM" << defaults;
        QTest::newRow("wider than the page") << 250 << QString(300, QLatin1Char('H')) << defaults;
        QTest::newRow("empty prints nothing") << 250 << "" << defaults;
        QTest::newRow("cell 25: half a cell rounds to even 12") << 25 << "" << QRect(12, 266, 3988, 25);
        QTest::newRow("cell 27: half a cell rounds to even 14") << 27 << "" << QRect(14, 286, 3986, 27);
    }
    void footer()
    {
        QFETCH(int, cellSize);
        QFETCH(QString, text);
        QFETCH(QRect, rect);
        PrintSettings s;
        s.cellSizePixels = cellSize;
        QCOMPARE(modPrint::footerRect(s, 9, 4000), rect);
        if (cellSize != 250)
            return;
        modData::Board nine;
        fixture::loadBoard(nine, {"####", "#12#", "#312", "##41", "#2##", "#13#", "#412", "##21", "####"});
        const QImage page = render(nine, false, true, text);
        QVERIFY(!page.isNull());
        QRect ink;
        for (const QPoint p : probe::maskOf(page, footerMagenta))
            ink |= QRect(p, QSize(1, 1));
        QCOMPARE(ink.isNull(), text.isEmpty());
        if (text.isEmpty())
            return;
        QVERIFY2(QRect(rect.topLeft(), QSize(15, 25)).contains(ink.topLeft()),
                 qPrintable(QDebug::toString(ink)));
        QVERIFY(ink.height() < 67); // one line of 8-point capitals at 600 dpi
        QCOMPARE(ink.right() >= 1400 - 60, text.size() > 100);
    }

    // Sums, and the diagonals of clue cells (1, 2), heading an across run, and (2, 1), heading a
    // down run, are printed together or not at all.
    void tallies()
    {
        for (const bool showTally : {true, false}) {
            const QImage page = render(small, false, showTally);
            QCOMPARE(probe::countOf(page, tallyGreen) > 0, showTally);
            for (const QPoint clue : {QPoint(1, 2), QPoint(2, 1)}) {
                const QRect inside = probe::cellInside(clue.x(), clue.y(), 250, 6);
                QCOMPARE(probe::countOf(page, QColor(150, 150, 150), inside) > 0, showTally);
            }
        }
    }

    // With answer digits on, every entry cell shows its own solution digit in the answer colour
    // (cells with equal digits look alike, others differ); with them off, a filled cell shows
    // what the player wrote (pen, else pencil), right or wrong, and an empty cell nothing.
    void digits()
    {
        const auto cell = [&](int col, int row) { return std::size_t(small.cellIndex(col, row)); };
        small.penEntries[cell(2, 2)] = 3;    // solution 1
        small.pencilEntries[cell(3, 3)] = 4; // solution 4
        small.penEntries[cell(4, 3)] = 2;    // solution 1, marked wrong on screen
        small.errorMarks[cell(4, 3)] = 1;
        const QImage solution = render(small, true, true), puzzle = render(small, false, true);
        const auto inkIn = [&](const QImage &page, int i) {
            return probe::maskOf(page, answerRed, probe::cellInside(small.colOf(i), small.rowOf(i), 250));
        };
        QHash<int, QList<QPoint>> digitInk;
        for (int i = 1; i <= small.cellCount; ++i) {
            const int digit = small.solutionGrid[std::size_t(i)];
            if (digit == 0)
                continue;
            const QList<QPoint> ink = inkIn(solution, i);
            QVERIFY2(!ink.isEmpty(), qPrintable(QStringLiteral("cell %1 is empty").arg(i)));
            for (auto it = digitInk.cbegin(); it != digitInk.cend(); ++it)
                QCOMPARE(it.value() == ink, it.key() == digit);
            digitInk[digit] = ink;
        }
        for (int i = 1; i <= small.cellCount; ++i) {
            const std::size_t k = std::size_t(i);
            const int written = small.penEntries[k] ? small.penEntries[k] : small.pencilEntries[k];
            if (small.solutionGrid[k] != 0)
                QCOMPARE(inkIn(puzzle, i), written ? digitInk.value(written) : QList<QPoint>());
        }
        // Neither the screen's pen blue nor its error marks reach the paper, and the answer colour
        // was the page's only.
        for (const QImage &page : {solution, puzzle})
            QVERIFY(!probe::countOf(page, QColor(20, 20, 240)) && !probe::countOf(page, QColor(200, 20, 20)));
        QCOMPARE(modGDI::tools().solutionDigitColour, QColor(0, 0, 0));
    }

    void failures_data()
    {
        QTest::addColumn<FailingPage::FailAt>("failAt");
        QTest::addColumn<PrintOutcome>("outcome");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("aborted");
        QTest::newRow("document refused") << FailingPage::Document << PrintOutcome::DocumentRefused
                                          << "Could not start Printing .." << false;
        QTest::newRow("page refused")
            << FailingPage::Page << PrintOutcome::PageRefused << "Could not start a New page .." << true;
        QTest::newRow("job fails at its end")
            << FailingPage::End << PrintOutcome::Failed << modPrint::printerFailedText << false;
    }
    void failures()
    {
        QFETCH(FailingPage::FailAt, failAt);
        QImage image = probe::blankPage(QSize(1400, 2800));
        FailingPage page(image, failAt);
        QTEST(print(page, small, false, true), "outcome");
        QCOMPARE(messages.size(), 1);
        QTEST(messages[0].text, "message");
        QCOMPARE(messages[0].caption, QStringLiteral("Korvel"));
        QCOMPARE(messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QTEST(page.aborted, "aborted");
    }

    // The same page in a PDF: A4 at 600 dpi within 10 mm margins, the board from the margin on.
    void pdfPage()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("page.pdf");
        modPrint::PdfPageTarget pdf(QPageSize(QPageSize::A4), path);
        QVERIFY(qAbs(pdf.printableSize().width() - 4488) < 10); // 190 mm, margins rounded to points
        PrintSettings s;
        s.clueCellColour = QColor(0, 0, 120);
        modGDI::createDrawingTools(s.solutionCellColour, s.clueCellColour, s.lineSize);
        QCOMPARE(modPrint::printPuzzle(small, s, true, true, pdf, nullptr), PrintOutcome::Printed);
        const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
        if (pdftoppm.isEmpty())
            QSKIP("pdftoppm is not installed");
        QCOMPARE(QProcess::execute(pdftoppm, {"-r", "60", "-png", "-singlefile", path, dir.filePath("page")}),
                 0);
        const QImage image(dir.filePath("page.png"));
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
        printer->setOutputFileName(dir.filePath("job.pdf"));
        QPrinter *raw = printer.get();
        modPrint::PrinterPageTarget target(std::move(printer));
        QCOMPARE(modPrint::printPuzzle(small, PrintSettings(), false, true, target, nullptr),
                 PrintOutcome::Printed);
        QCOMPARE(raw->docName(), QStringLiteral("DOM"));
        QVERIFY(QFileInfo(dir.filePath("job.pdf")).size() > 0);
    }
};

QTEST_MAIN(TestPagePrinter)
#include "test_page_printer.moc"
