// The print settings dialog on its real widgets: defaults on every opening, the colour picker,
// Cancel, the size lists, typed sizes read and checked, Print Now, the missing printer and Save as
// PDF.
#include "page_probe.h"
#include "print/print_dialog.h"
#include "support/window_harness.h"

#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

namespace {

const char *const colourButtons[] = {"cmdSolCellColor", "cmdClueCellCol", "cmdSoluFontColor",
                                     "cmdTallyFontColor", "cmdCopyrightColour"};
const char *const textFields[] = {"cmbFontSoluSize", "cmbFontTallySize",     "cmbLineSize",
                                  "txtNumOfPixels",  "cmbCopyrightFontSize", "txtCopyRight"};

// Replaces what an edit box or an editable list holds, by keyboard.
void typeInto(QWidget *field, const QString &text)
{
    if (auto *box = qobject_cast<QComboBox *>(field))
        field = box->lineEdit();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

// The colour a button shows, read off its face just inside the border.
QColor faceOf(QWidget *button)
{
    return button->grab().toImage().pixelColor(4, button->height() / 2);
}

} // namespace

class TestPrintDialog : public QObject {
    Q_OBJECT
    std::unique_ptr<WindowHarness> harness;
    std::unique_ptr<frmPrinterDialog> dialog;
    std::function<int(QDialog &)> answerDialog;
    int dialogsRun = 0;
    QColor pickerStart;
    QImage page; // what the printer printed

    void open()
    {
        dialog = std::make_unique<frmPrinterDialog>(harness->w());
        dialog->show();
    }
    QWidget *control(const QString &name)
    {
        QWidget *found = dialog->findChild<QWidget *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    void click(const QString &button) { QTest::mouseClick(control(button), Qt::LeftButton); }
    void pick(const char *button, QColor colour, bool confirmed = true)
    {
        answerDialog = [=, this](QDialog &d) {
            auto &picker = static_cast<QColorDialog &>(d);
            pickerStart = picker.currentColor();
            picker.setCurrentColor(colour);
            return int(confirmed ? QDialog::Accepted : QDialog::Rejected);
        };
        click(button);
    }
    // What the check boxes, the text fields and the colour buttons' faces show, in that order.
    QVariantList shown()
    {
        QVariantList values{control("chkShowSolFont")->property("checked"),
                            control("chkShowTallyFont")->property("checked")};
        for (const char *name : textFields) {
            auto *box = qobject_cast<QComboBox *>(control(name));
            values << (box ? box->currentText() : control(name)->property("text"));
        }
        for (const char *name : colourButtons)
            values << faceOf(control(name));
        return values;
    }
    bool screenToolsKept() const
    {
        const modGDI::DrawingTools &t = modGDI::tools();
        return t.entryBrush == QColor(1, 2, 3) && t.clueBrush == QColor(4, 5, 6) &&
               t.darkLinePen.width == 2 && t.lightLinePen.width == 2 &&
               t.solutionDigitColour == QColor(0, 0, 0);
    }
    bool nothingPrinted() const { return page == probe::blankPage(page.size()); }

private Q_SLOTS:
    void init()
    {
        harness = std::make_unique<WindowHarness>(QList<QStringList>{fixture::smallPuzzle()});
        modGDI::createDrawingTools(QColor(1, 2, 3), QColor(4, 5, 6), 2); // unlike any print's
        dialogsRun = 0;
        answerDialog = [](QDialog &) { return int(QDialog::Rejected); };
        modal::setDialogRunner([this](QDialog &d) {
            ++dialogsRun;
            return answerDialog(d);
        });
        page = probe::blankPage(QSize(1400, 1800));
        modPrint::setPrinterProvider([this] { return std::make_unique<modPrint::DevicePageTarget>(page); });
        open();
    }
    void cleanup()
    {
        dialog.reset();
        harness.reset();
        modPrint::setPrinterProvider({});
    }

    // Whatever was chosen before, a new opening shows the defaults; Cancel prints nothing and
    // leaves the screen's tools alone. Colours are chosen through the picker seam.
    void defaultsOnEveryOpeningAndCancel()
    {
        const QColor white(255, 255, 255), black(0, 0, 0), changedColour(9, 8, 7);
        QVariantList defaults{false, true,  "18", "10",
                              "1",   "250", "8",  frmPrinterDialog::defaultFooterText()};
        defaults << white << QColor(20, 20, 20) << black << white << black;
        QVariantList changed{true, false, "3", "3", "3", "3", "3", "3"};
        for (int i = 0; i < 5; ++i)
            changed << changedColour;
        for (int opening = 1; opening <= 2; ++opening) {
            QCOMPARE(shown(), defaults);
            for (const char *name : colourButtons)
                pick(name, changedColour);
            // The picker starts from the button's colour; cancelled, it changes nothing.
            pick("cmdClueCellCol", QColor(30, 140, 200), false);
            QCOMPARE(pickerStart, changedColour);
            for (const char *name : textFields)
                typeInto(control(name), "3");
            QTest::keyClick(control("chkShowSolFont"), Qt::Key_Space);
            QTest::keyClick(control("chkShowTallyFont"), Qt::Key_Space);
            QCOMPARE(shown(), changed);
            click("cmdCancel");
            QVERIFY(!dialog->isVisible());
            QCOMPARE(dialog->result(), int(QDialog::Rejected));
            QVERIFY(nothingPrinted());
            QVERIFY(screenToolsKept());
            open();
        }
    }

    void captionFocusAndLists()
    {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Korvel - Print Solution"));
        QCOMPARE(dialog->windowIcon().cacheKey(), harness->w().windowIcon().cacheKey());
        QVERIFY(dialog->isModal());
        QCOMPARE(dialog->focusWidget(), control("cmdPrint"));
        for (const char *name : textFields) {
            const auto *list = qobject_cast<QComboBox *>(control(name));
            if (!list)
                continue;
            QCOMPARE(list->count(), name == QByteArray("cmbLineSize") ? 10 : 30);
            for (int i = 0; i < list->count(); ++i)
                QCOMPARE(list->itemText(i), QString::number(i + 1));
        }
    }

    // A number typed into a field is read by the typed-number rule and clamped to the field's
    // type. A page of 1400 x 1800 pixels at 600 dpi takes cells up to 1400 pixels wide, lines as
    // wide as a cell and fonts of 1 to 168 points; any other size is refused before anything is
    // printed, naming the field, which gets the focus in the dialog that stays open.
    void typedSizes_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("value");
        QTest::addColumn<QString>("refused"); // what the message names; empty: printed
        const auto row = [](const char *tag, QString field, QString text, qint64 value,
                            QString refused = {}) {
            QTest::newRow(tag) << field << text << value << refused;
        };
        row("blanks around", "cmbFontSoluSize", " 12 ", 12);
        row("half to even, down", "cmbFontSoluSize", "12.5", 12);
        row("half to even, up", "cmbFontTallySize", "13.5", 14);
        row("unit after the number", "cmbCopyrightFontSize", "7pt", 7);
        row("empty", "cmbFontSoluSize", "", 0, "answer digits");
        row("letters first", "txtNumOfPixels", "abc", 0, "Cell Size");
        row("16-bit field clamps", "cmbFontTallySize", "99999", 32767, "sums");
        row("32-bit field clamps", "txtNumOfPixels", "99999999999", 2147483647, "Cell Size");
        row("largest footer size", "cmbCopyrightFontSize", "168", 168);
        row("footer size too tall", "cmbCopyrightFontSize", "169", 169, "Copyright Font Size");
        row("cell as wide as the page", "txtNumOfPixels", "1400", 1400);
        row("cell wider than the page", "txtNumOfPixels", "1401", 1401, "Cell Size");
        row("line 0 is the thinnest", "cmbLineSize", "0", 0);
        row("line as wide as a cell", "cmbLineSize", "250.5", 250);
        row("line wider than a cell", "cmbLineSize", "251", 251, "Line Size");
    }
    void typedSizes()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, refused);
        typeInto(control(field), text);
        const PrintSettings s = dialog->readSettings();
        const QHash<QString, qint64> read{{"cmbFontSoluSize", s.solutionFontSize},
                                          {"cmbFontTallySize", s.tallyFontSize},
                                          {"cmbCopyrightFontSize", s.footerFontSize},
                                          {"txtNumOfPixels", s.cellSizePixels},
                                          {"cmbLineSize", s.lineSize}};
        QTEST(read.value(field), "value");
        click("cmdPrint");
        const auto &messages = harness->messages;
        QCOMPARE(nothingPrinted(), !refused.isEmpty());
        QCOMPARE(messages.size(), refused.isEmpty() ? 0 : 1);
        QCOMPARE(dialog->isVisible(), !refused.isEmpty());
        QVERIFY(screenToolsKept());
        if (!refused.isEmpty()) {
            QVERIFY2(messages[0].text.contains(refused), qPrintable(messages[0].text));
            QCOMPARE(messages[0].caption, QStringLiteral("Korvel"));
            QCOMPARE(dialog->focusWidget(), control(field));
        }
    }

    // Print Now, with answer digits on and tallies off, hands the five colours to the page, each
    // where it belongs (the sums' colour goes into the settings but prints nowhere), then puts the
    // screen's tools back and closes.
    void printNow()
    {
        const QColor colours[] = {{255, 255, 200}, {0, 0, 120}, {200, 0, 0}, {0, 160, 0}, {180, 0, 180}};
        for (int i = 0; i < 5; ++i)
            pick(colourButtons[i], colours[i]);
        QTest::keyClick(control("chkShowSolFont"), Qt::Key_Space);
        QTest::keyClick(control("chkShowTallyFont"), Qt::Key_Space);
        QCOMPARE(dialog->readSettings().tallyFontColour, colours[3]);
        click("cmdPrint");
        QVERIFY(!page.paintingActive()); // the document was handed over
        QVERIFY(harness->messages.isEmpty());
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(page.pixelColor(2 * 250 + 4, 2 * 250 + 4), colours[0]);              // entry cell (2, 2)
        QCOMPARE(page.pixelColor(probe::cellInside(1, 1, 250).center()), colours[1]); // block (1, 1)
        QVERIFY(probe::countOf(page, colours[2], probe::cellInside(2, 2, 250)) > 0);
        QCOMPARE(probe::countOf(page, colours[3]), 0);
        QVERIFY(probe::countOf(page, colours[4], QRect(0, 5 * 250, 1400, 600)) > 0);
        QVERIFY(screenToolsKept());
    }

    // Save as PDF, and the PDF offered when no printer is installed: the page goes into the file
    // the player chooses; a declined offer or a cancelled choice writes nothing.
    void pdfRoutes_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("offerTaken"); // no printer: the answer to the offer
        QTest::addColumn<bool>("fileChosen");
        QTest::addColumn<bool>("staysOpen");
        QTest::newRow("save as PDF") << "cmdSavePdf" << false << true << false;
        QTest::newRow("save as PDF, file dialog cancelled") << "cmdSavePdf" << false << false << true;
        QTest::newRow("no printer, PDF taken") << "cmdPrint" << true << true << false;
        QTest::newRow("no printer, PDF declined") << "cmdPrint" << false << true << false;
    }
    void pdfRoutes()
    {
        QFETCH(QString, button);
        QFETCH(bool, offerTaken);
        QFETCH(bool, fileChosen);
        const bool viaPrint = button == "cmdPrint", asked = !viaPrint || offerTaken;
        QTemporaryDir dir;
        const QString path = dir.filePath("page.pdf");
        modPrint::setPrinterProvider([] { return std::unique_ptr<modPrint::PageTarget>(); });
        harness->answerYes = offerTaken;
        answerDialog = [&](QDialog &d) {
            auto *chooser = qobject_cast<QFileDialog *>(&d);
            if (chooser && fileChosen)
                chooser->selectFile(path);
            return int(chooser && fileChosen ? QDialog::Accepted : QDialog::Rejected);
        };
        click(button);
        const auto &messages = harness->messages;
        QCOMPARE(messages.size(), viaPrint ? 1 : 0);
        if (viaPrint) {
            QVERIFY(messages[0].text.contains("No printer"));
            QCOMPARE(messages[0].caption, QStringLiteral("Korvel - Alert"));
            QCOMPARE(messages[0].buttons, QMessageBox::Yes | QMessageBox::No);
        }
        QCOMPARE(dialogsRun, asked ? 1 : 0);
        QCOMPARE(QFileInfo(path).size() > 0, asked && fileChosen);
        QTEST(dialog->isVisible(), "staysOpen");
        QVERIFY(screenToolsKept());
    }
};

QTEST_MAIN(TestPrintDialog)
#include "test_print_dialog.moc"
