// Printing: the page the printer draws, read back from an image page, and the print dialog's
// defaults, refusals and Cancel.
#include "print/colour_button.h"
#include "print/page_printer.h"
#include "print/print_dialog.h"
#include "support/file_size_limit.h"
#include "support/window_harness.h"
#include "view/pixels.h"

#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QColor kDigits(200, 0, 0), kSums(0, 160, 0), kFooter(180, 0, 180), kClue(0, 0, 120);
constexpr int kCell = 250;

// The pixels of `colour` inside cell (col, row), relative to the cell's corner.
QList<QPoint> inkIn(const QImage &page, int col, int row, const QColor &colour = kDigits)
{
    QList<QPoint> points;
    for (int y = 4; y < kCell - 4; ++y)
        for (int x = 4; x < kCell - 4; ++x)
            if (pixels::same(page.pixel(col * kCell + x, row * kCell + y), colour))
                points << QPoint(x, y);
    return points;
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The small puzzle (# # # # / # 1 3 # / # 2 4 1 / # # 2 3) with a wrong, marked pen 3 at (2, 2)
    // and a pencil 4 at (3, 3), printed with its solution and sums, and as the player left it.
    void page()
    {
        WindowHarness f({fixture::smallPuzzle()}); // answers and records the message boxes
        f.game.write(2, 2, 3);
        f.game.setPencilMode(true);
        f.game.write(3, 3, 4);
        f.game.checkAll();
        const print::PrintSettings s{.clueCellColour = kClue,
                                     .solutionFontColour = kDigits,
                                     .sumFontColour = kSums,
                                     .footerColour = kFooter,
                                     .footerText = "MMMM"};
        const auto render = [&](bool solution, bool tally) {
            QImage image = pixels::blankImage(1400, 2800, Qt::white, 600);
            print::DevicePageTarget target(image);
            const auto outcome =
                print::printPuzzle(f.game.puzzle(), f.game.entries(), s, solution, tally, target, nullptr);
            return outcome == print::PrintOutcome::Printed ? image : QImage();
        };
        const QImage solved = render(true, true), played = render(false, false);
        QVERIFY(!solved.isNull() && !played.isNull() && f.messages.isEmpty());
        // The footer's one line starts at its rectangle's corner.
        QRect footer;
        const QRect rect = print::footerRect(s, f.game.puzzle().height(), played.width());
        QVERIFY(pixels::countColour(played, kFooter, QRect(), &footer) > 0);
        QVERIFY(rect.contains(footer) && footer.left() - rect.left() < 15 && footer.top() - rect.top() < 25);
        // Clue cells in their colour; sums and clue diagonals only with the tallies.
        QCOMPARE(inkIn(played, 1, 1, kClue).size(), (kCell - 8) * (kCell - 8));
        QVERIFY(!inkIn(solved, 1, 2, kSums).isEmpty() && inkIn(played, 1, 2, kSums).isEmpty());
        QVERIFY(!inkIn(solved, 2, 1, QColor(150, 150, 150)).isEmpty() &&
                inkIn(played, 2, 1, QColor(150, 150, 150)).isEmpty());
        // Solution digits differ cell by cell; the player's own digits print as written, right or
        // wrong, pen or pencil, and an empty cell prints empty.
        QVERIFY(!inkIn(solved, 2, 3).isEmpty() && inkIn(solved, 2, 2) != inkIn(solved, 3, 2));
        QCOMPARE(inkIn(played, 2, 2), inkIn(solved, 3, 2));
        QCOMPARE(inkIn(played, 3, 3), inkIn(solved, 3, 3));
        QVERIFY(inkIn(played, 2, 3).isEmpty());
        // Neither the screen's pen blue nor its error marks reach the paper.
        const view::BoardPalette screen = view::BoardPalette::classic();
        for (const QImage &page : {solved, played})
            QVERIFY(!pixels::countColour(page, screen.pen) && !pixels::countColour(page, screen.errorMark));
    }

    // A fresh dialog shows the default settings, the footer from its start; a size the page
    // cannot take is refused with a message and its field gets the focus; a good one prints and
    // closes; Cancel prints nothing.
    void dialog_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("refused"); // what the message names; empty: printed
        textRow("defaults print", "cmdPrint", "", "");
        textRow("cell wider than the page", "txtNumOfPixels", "1401", "Cell Size");
        textRow("line wider than a cell", "cmbLineSize", "251", "Line Size");
        textRow("Cancel", "cmdCancel", "", "");
    }
    void dialog()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, refused);
        WindowHarness f({fixture::smallPuzzle()});
        const QImage blank = pixels::blankImage(1400, 1800, Qt::white, 600);
        QImage page = blank;
        print::setPrinterProvider([&] { return std::make_unique<print::DevicePageTarget>(page); });
        print::PrintDialog d(f.game, f.window.get());
        d.show();
        const auto fields = [](const print::PrintSettings &s) {
            return QVariantList{s.solutionFontSize, s.sumFontSize,     s.footerFontSize, s.cellSizePixels,
                                s.lineSize,         s.entryCellColour, s.clueCellColour, s.solutionFontColour,
                                s.sumFontColour,    s.footerColour,    s.footerText};
        };
        print::PrintSettings defaults;
        defaults.footerText = print::PrintDialog::defaultFooterText();
        QCOMPARE(fields(d.readSettings()), fields(defaults));
        QVERIFY(!d.showSolution() && d.showSums());
        QCOMPARE(d.findChild<QLineEdit *>("txtCopyRight")->cursorPosition(), 0);
        if (auto *box = d.findChild<QComboBox *>(field))
            box->setEditText(text);
        if (auto *edit = d.findChild<QLineEdit *>(field))
            edit->setText(text);
        QTest::mouseClick(d.findChild<QWidget *>(field == "cmdCancel" ? field : "cmdPrint"), Qt::LeftButton);
        print::setPrinterProvider({});
        QCOMPARE(page == blank, field == QLatin1String("cmdCancel") || !refused.isEmpty());
        QCOMPARE(d.isVisible(), !refused.isEmpty());
        QCOMPARE(f.messages.size(), refused.isEmpty() ? 0 : 1);
        if (!refused.isEmpty()) {
            QVERIFY2(f.messages[0].contains(refused), qPrintable(f.messages[0]));
            QCOMPARE(d.focusWidget(), d.findChild<QWidget *>(field));
        }
    }

    // With no printer, Print Now offers a PDF; cancelling the file chooser leaves the print dialog
    // open for another choice. The colour picker opens on the colour its button shows.
    void noPrinterAndColourPicker()
    {
        WindowHarness f({fixture::smallPuzzle()});
        print::setPrinterProvider([] { return std::unique_ptr<print::PageTarget>(); });
        print::PrintDialog d(f.game, f.window.get());
        d.show();
        QColor openedOn;
        f.onDialog = [&](QDialog &dialog) {
            if (auto *picker = qobject_cast<QColorDialog *>(&dialog))
                openedOn = picker->currentColor();
        };
        QTest::mouseClick(d.findChild<QWidget *>("cmdPrint"), Qt::LeftButton);
        print::setPrinterProvider({});
        QCOMPARE(f.messages.size(), 1);
        QVERIFY(f.messages[0].contains("PDF"));
        QCOMPARE(f.dialogs, QStringList{"dlgSavePdf"});
        QVERIFY(d.isVisible());

        auto *clueColour = d.findChild<print::ColourButton *>("cmdClueCellCol");
        clueColour->setColour(QColor(1, 2, 3));
        QTest::mouseClick(clueColour, Qt::LeftButton);
        QCOMPARE(openedOn, QColor(1, 2, 3));
    }

    // A PDF whose folder went away before the page was finished, or that a full disk cut short
    // (was: reported as saved, over the earlier file), is not reported as saved.
    void pdfThatCannotBeWritten_data()
    {
        QTest::addColumn<bool>("fullDisk");
        QTest::newRow("its folder went away") << false;
        QTest::newRow("a full disk") << true;
    }
    void pdfThatCannotBeWritten()
    {
        QFETCH(bool, fullDisk);
        QTemporaryDir dir;
        const QString earlier = dir.filePath("gone/page.pdf");
        QVERIFY(QDir(dir.path()).mkdir("gone") && fixture::writeFile(earlier, "earlier"));
        print::PdfPageTarget pdf(QPageSize(QPageSize::A4), earlier);
        QVERIFY(pdf.startDocument("DOM") && pdf.startPage());
        pdf.painter().drawText(QPoint(100, 100), QStringLiteral("Korvel"));
        QVERIFY(pdf.endPage() && (fullDisk || QDir(dir.filePath("gone")).removeRecursively()));
        FileSizeLimit full(fullDisk ? 1000 : RLIM_INFINITY);
        QVERIFY(!pdf.endDocument());
        QVERIFY(!fullDisk || fixture::fileBytes(earlier) == "earlier");
    }
};

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"
