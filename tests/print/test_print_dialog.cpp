// The print settings dialog on its real widgets: defaults on every opening, the size lists, the
// colour buttons and their picker, reading typed numbers, Print Now, Cancel, the missing printer
// and Save as PDF.
#include "game/frm_tav_mn.h"
#include "page_probe.h"
#include "platform/modal.h"
#include "print/print_dialog.h"
#include "support/board_fixture.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString note = QStringLiteral(
    "The printing  may not work perfectly. I give this to you in the hope that it will be useful to some of "
    "you. Print it on a rough paper and find the right settings for you. You can manipulate disable Answer "
    "Numbers show to print a puzzle, and enable it to print a solution.  If you have many printers, the game "
    "will print on default printer directly");

const char *const colourButtonNames[] = {"cmdSoluFontColor", "cmdSolCellColor", "cmdTallyFontColor",
                                         "cmdClueCellCol", "cmdCopyrightColour"};

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
QColor shownColour(QWidget *button)
{
    return button->grab().toImage().pixelColor(4, button->height() / 2);
}

bool sameTools(const modGDI::DrawingTools &a, const modGDI::DrawingTools &b)
{
    return a.entryBrush == b.entryBrush && a.clueBrush == b.clueBrush &&
           a.darkLinePen.width == b.darkLinePen.width && a.lightLinePen.width == b.lightLinePen.width &&
           a.solutionDigitColour == b.solutionDigitColour;
}

} // namespace

class TestPrintDialog : public QObject {
    Q_OBJECT
    modData::Board board;
    modReg::Settings settings;
    std::unique_ptr<frmTavMn> window;
    std::unique_ptr<frmPrinterDialog> dialog;
    QList<modal::MessageRequest> messages;
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    std::shared_ptr<probe::PageRecord> printed;
    int printersOpened = 0;
    QList<QDialog *> dialogsRun;
    std::function<int(QDialog &)> answerDialog;

    frmPrinterDialog &open()
    {
        dialog = std::make_unique<frmPrinterDialog>(*window);
        dialog->show();
        return *dialog;
    }
    template <class T> T *control(const char *name)
    {
        T *found = dialog->findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qWarning("no control %s", name);
        return found;
    }
    void click(const char *button) { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }

private Q_SLOTS:
    void init()
    {
        fixture::loadBoard(board, fixture::smallPuzzle());
        window = std::make_unique<frmTavMn>(board, settings, QDir::tempPath());
        modGDI::createDrawingTools(Qt::white, Qt::black, 1);
        messages.clear();
        answer = QMessageBox::Ok;
        modal::setMessageResponder([this](const modal::MessageRequest &r) {
            messages.append(r);
            return answer;
        });
        dialogsRun.clear();
        answerDialog = [](QDialog &) { return int(QDialog::Rejected); };
        modal::setDialogRunner([this](QDialog &d) {
            dialogsRun.append(&d);
            return answerDialog(d);
        });
        printed = std::make_shared<probe::PageRecord>();
        printersOpened = 0;
        modPrint::setPrinterProvider([this] {
            ++printersOpened;
            return std::make_unique<probe::ImagePage>(printed, QSize(1400, 1800));
        });
    }
    void cleanup()
    {
        dialog.reset();
        window.reset();
        modal::setMessageResponder({});
        modal::setDialogRunner({});
        modPrint::setPrinterProvider({});
    }

    // Whatever was chosen before, a new opening shows the defaults.
    void defaultsOnEveryOpening_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("note") << "Label6" << QByteArray("text") << QVariant(note);
        QTest::newRow("answer digits box") << "chkShowSolFont" << QByteArray("checked") << QVariant(false);
        QTest::newRow("answer digits caption")
            << "chkShowSolFont" << QByteArray("text") << QVariant("Answer Digits");
        QTest::newRow("answer size") << "cmbFontSoluSize" << QByteArray("currentText") << QVariant("18");
        QTest::newRow("tally box") << "chkShowTallyFont" << QByteArray("checked") << QVariant(true);
        QTest::newRow("tally caption")
            << "chkShowTallyFont" << QByteArray("text") << QVariant("Tally (or) Sum");
        QTest::newRow("tally size") << "cmbFontTallySize" << QByteArray("currentText") << QVariant("10");
        QTest::newRow("line size") << "cmbLineSize" << QByteArray("currentText") << QVariant("1");
        QTest::newRow("cell size") << "txtNumOfPixels" << QByteArray("text") << QVariant("250");
        QTest::newRow("footer size") << "cmbCopyrightFontSize" << QByteArray("currentText") << QVariant("8");
        QTest::newRow("footer text") << "txtCopyRight" << QByteArray("text")
                                     << QVariant(frmPrinterDialog::defaultFooterText());
        QTest::newRow("answer colour")
            << "cmdSoluFontColor" << QByteArray("colour") << QVariant(QColor(0, 0, 0));
        QTest::newRow("entry cell colour")
            << "cmdSolCellColor" << QByteArray("colour") << QVariant(QColor(255, 255, 255));
        QTest::newRow("tally colour")
            << "cmdTallyFontColor" << QByteArray("colour") << QVariant(QColor(255, 255, 255));
        QTest::newRow("clue cell colour")
            << "cmdClueCellCol" << QByteArray("colour") << QVariant(QColor(20, 20, 20));
        QTest::newRow("footer colour")
            << "cmdCopyrightColour" << QByteArray("colour") << QVariant(QColor(0, 0, 0));
        QTest::newRow("clue cell caption") << "cmdClueCellCol" << QByteArray("text") << QVariant("Cell Col");
        QTest::newRow("entry cell caption")
            << "cmdSolCellColor" << QByteArray("text") << QVariant("Cell Color");
        QTest::newRow("print caption") << "cmdPrint" << QByteArray("text") << QVariant("&Print Now");
        QTest::newRow("cancel caption") << "cmdCancel" << QByteArray("text") << QVariant("&Cancel");
    }
    void defaultsOnEveryOpening()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, property);
        QFETCH(QVariant, expected);
        for (int opening = 1; opening <= 2; ++opening) {
            open();
            QObject *found = dialog->findChild<QObject *>(name);
            QVERIFY(found);
            QCOMPARE(found->property(property.constData()), expected);
            // Change everything, then leave.
            answerDialog = [](QDialog &d) {
                static_cast<QColorDialog &>(d).setCurrentColor(QColor(1, 2, 3));
                return int(QDialog::Accepted);
            };
            for (const char *b : colourButtonNames)
                click(b);
            for (const char *f : {"cmbFontSoluSize", "cmbFontTallySize", "cmbLineSize", "txtNumOfPixels",
                                  "cmbCopyrightFontSize", "txtCopyRight"})
                typeInto(control<QWidget>(f), QStringLiteral("3"));
            QTest::keyClick(control<QCheckBox>("chkShowSolFont"), Qt::Key_Space);
            QTest::keyClick(control<QCheckBox>("chkShowTallyFont"), Qt::Key_Space);
            click("cmdCancel");
            QVERIFY(!dialog->isVisible());
        }
    }

    void captionIconFocusAndLists()
    {
        open();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Korvel - Print Solution"));
        QCOMPARE(dialog->windowIcon().cacheKey(), window->windowIcon().cacheKey());
        QVERIFY(dialog->isModal());
        QCOMPARE(dialog->focusWidget(), control<QWidget>("cmdPrint"));
        for (const auto &[name, count] : {std::pair{"cmbFontSoluSize", 30},
                                          {"cmbFontTallySize", 30},
                                          {"cmbCopyrightFontSize", 30},
                                          {"cmbLineSize", 10}}) {
            auto *list = control<QComboBox>(name);
            QVERIFY(list->isEditable());
            QCOMPARE(list->count(), count);
            for (int i = 0; i < count; ++i)
                QCOMPARE(list->itemText(i), QString::number(i + 1));
        }
    }

    // A colour button shows its colour; the picker starts from it; a cancelled pick changes nothing.
    void colourButtons_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("confirmed");
        for (const char *b : colourButtonNames) {
            QTest::addRow("%s picked", b) << QByteArray(b) << true;
            QTest::addRow("%s cancelled", b) << QByteArray(b) << false;
        }
    }
    void colourButtons()
    {
        QFETCH(QByteArray, name);
        QFETCH(bool, confirmed);
        open();
        auto *button = control<QPushButton>(name.constData());
        const QColor before = button->property("colour").value<QColor>();
        QCOMPARE(shownColour(button), before);
        const QColor wanted(30, 140, 200);
        answerDialog = [&](QDialog &d) {
            auto *picker = qobject_cast<QColorDialog *>(&d);
            if (!picker)
                return int(QDialog::Rejected);
            [&] { QCOMPARE(picker->currentColor(), before); }();
            picker->setCurrentColor(wanted);
            return int(confirmed ? QDialog::Accepted : QDialog::Rejected);
        };
        click(name.constData());
        QCOMPARE(dialogsRun.size(), 1);
        const QColor now = confirmed ? wanted : before;
        QCOMPARE(button->property("colour").value<QColor>(), now);
        QCOMPARE(shownColour(button), now);
    }

    // The typed-number rule, on each kind of numeric field.
    void typedNumbers_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("value");
        QTest::newRow("blanks around") << "cmbFontSoluSize"
                                       << " 12 " << qint64(12);
        QTest::newRow("half to even, down") << "cmbFontSoluSize"
                                            << "12.5" << qint64(12);
        QTest::newRow("half to even, up") << "cmbFontTallySize"
                                          << "13.5" << qint64(14);
        QTest::newRow("unit after the number") << "cmbCopyrightFontSize"
                                               << "7pt" << qint64(7);
        QTest::newRow("empty") << "cmbFontSoluSize"
                               << "" << qint64(0);
        QTest::newRow("letters first") << "txtNumOfPixels"
                                       << "abc" << qint64(0);
        QTest::newRow("line size") << "cmbLineSize"
                                   << "2.5" << qint64(2);
        QTest::newRow("16-bit field clamps") << "cmbFontSoluSize"
                                             << "99999" << qint64(32767);
        QTest::newRow("32-bit field clamps") << "txtNumOfPixels"
                                             << "99999999999" << qint64(2147483647);
    }
    void typedNumbers()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(qint64, value);
        open();
        typeInto(dialog->findChild<QWidget *>(field), text);
        const PrintSettings s = dialog->readSettings();
        const QHash<QString, qint64> read{{"cmbFontSoluSize", s.solutionFontSize},
                                          {"cmbFontTallySize", s.tallyFontSize},
                                          {"cmbCopyrightFontSize", s.footerFontSize},
                                          {"txtNumOfPixels", s.cellSizePixels},
                                          {"cmbLineSize", s.lineSize}};
        QCOMPARE(read.value(field), value);
    }

    // A size the page cannot take is refused before anything is printed; the dialog stays open
    // with that field in focus, and the screen's tools are untouched.
    void refusedSizes_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("named");
        QTest::newRow("empty answer size") << "cmbFontSoluSize"
                                           << ""
                                           << "answer digits";
        QTest::newRow("sum size beyond 16 bits") << "cmbFontTallySize"
                                                 << "70000"
                                                 << "sums";
        QTest::newRow("huge footer size") << "cmbCopyrightFontSize"
                                          << "5000000000"
                                          << "Copyright Font Size";
        QTest::newRow("cell wider than the page") << "txtNumOfPixels"
                                                  << "99999999999"
                                                  << "Cell Size";
        QTest::newRow("line wider than a cell") << "cmbLineSize"
                                                << "251"
                                                << "Line Size";
    }
    void refusedSizes()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, named);
        modGDI::createDrawingTools(QColor(1, 2, 3), QColor(4, 5, 6), 2);
        const modGDI::DrawingTools before = modGDI::tools();
        open();
        QWidget *edit = dialog->findChild<QWidget *>(field);
        typeInto(edit, text);
        click("cmdPrint");
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].text.contains(named), qPrintable(messages[0].text));
        QCOMPARE(messages[0].caption, QStringLiteral("Korvel"));
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->focusWidget(), edit);
        QCOMPARE(printed->documentsStarted, 0);
        QVERIFY(sameTools(modGDI::tools(), before));
    }

    // Print Now hands the five colours to the page, each where it belongs, then puts the
    // screen's tools back and closes.
    void printNow()
    {
        open();
        const QList<QPair<const char *, QColor>> picks{{"cmdSolCellColor", QColor(255, 255, 200)},
                                                       {"cmdClueCellCol", QColor(0, 0, 120)},
                                                       {"cmdSoluFontColor", QColor(200, 0, 0)},
                                                       {"cmdTallyFontColor", QColor(0, 160, 0)},
                                                       {"cmdCopyrightColour", QColor(180, 0, 180)}};
        for (const auto &[button, colour] : picks) {
            answerDialog = [colour = colour](QDialog &d) {
                static_cast<QColorDialog &>(d).setCurrentColor(colour);
                return int(QDialog::Accepted);
            };
            click(button);
        }
        QTest::keyClick(control<QCheckBox>("chkShowSolFont"), Qt::Key_Space);
        click("cmdPrint");

        QCOMPARE(printersOpened, 1);
        QVERIFY(printed->ended);
        QCOMPARE(printed->jobName, QStringLiteral("DOM"));
        QVERIFY(messages.isEmpty());
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        const QImage &page = printed->image;
        QCOMPARE(page.pixelColor(2 * 250 + 4, 2 * 250 + 4), QColor(255, 255, 200)); // entry cell (2, 2)
        QCOMPARE(page.pixelColor(probe::cellInside(1, 1, 250).center()), QColor(0, 0, 120)); // block (1, 1)
        QVERIFY(probe::countOf(page, QColor(200, 0, 0), probe::cellInside(2, 2, 250)) > 0);
        QVERIFY(probe::countOf(page, QColor(0, 160, 0)) > 0);
        QVERIFY(probe::countOf(page, QColor(180, 0, 180), QRect(0, 5 * 250, 1400, 600)) > 0);

        const modGDI::DrawingTools &t = modGDI::tools();
        QCOMPARE(t.entryBrush, QColor(Qt::white));
        QCOMPARE(t.clueBrush, QColor(Qt::black));
        QCOMPARE(t.darkLinePen.width, 1);
        QCOMPARE(t.solutionDigitColour, QColor(Qt::black));
    }

    void cancelLeavesToolsAlone()
    {
        modGDI::createDrawingTools(QColor(1, 2, 3), QColor(4, 5, 6), 2);
        const modGDI::DrawingTools before = modGDI::tools();
        open();
        typeInto(control<QWidget>("cmbLineSize"), QStringLiteral("7"));
        click("cmdCancel");
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QCOMPARE(printersOpened, 0);
        QVERIFY(sameTools(modGDI::tools(), before));
    }

    // Save as PDF, and the PDF offered when no printer is installed: the page goes into the file
    // the player chooses; a declined offer or a cancelled choice writes nothing.
    void pdfRoutes_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<bool>("offerTaken"); // no printer: the answer to the offer
        QTest::addColumn<bool>("fileChosen");
        QTest::addColumn<bool>("staysOpen");
        QTest::newRow("save as PDF") << QByteArray("cmdSavePdf") << false << true << false;
        QTest::newRow("save as PDF, file dialog cancelled")
            << QByteArray("cmdSavePdf") << false << false << true;
        QTest::newRow("no printer, PDF taken") << QByteArray("cmdPrint") << true << true << false;
        QTest::newRow("no printer, PDF declined") << QByteArray("cmdPrint") << false << true << false;
    }
    void pdfRoutes()
    {
        QFETCH(QByteArray, button);
        QFETCH(bool, offerTaken);
        QFETCH(bool, fileChosen);
        QFETCH(bool, staysOpen);
        const bool viaPrint = button == "cmdPrint";
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("page.pdf"));
        modPrint::setPrinterProvider([] { return std::unique_ptr<modPrint::PageTarget>(); });
        answer = offerTaken ? QMessageBox::Yes : QMessageBox::No;
        answerDialog = [path, fileChosen](QDialog &d) {
            auto *chooser = qobject_cast<QFileDialog *>(&d);
            if (!chooser || !fileChosen)
                return int(QDialog::Rejected);
            chooser->selectFile(path);
            return int(QDialog::Accepted);
        };
        open();
        typeInto(control<QWidget>("cmbLineSize"), QStringLiteral("4"));
        click(button.constData());
        const bool asked = viaPrint ? offerTaken : true;
        QCOMPARE(messages.size(), viaPrint ? 1 : 0);
        if (viaPrint) {
            QVERIFY(messages[0].text.contains(QStringLiteral("No printer")));
            QCOMPARE(messages[0].caption, QStringLiteral("Korvel - Alert"));
            QCOMPARE(messages[0].buttons, QMessageBox::Yes | QMessageBox::No);
        }
        QCOMPARE(dialogsRun.size(), asked ? 1 : 0);
        QCOMPARE(QFileInfo(path).size() > 0, asked && fileChosen);
        QCOMPARE(dialog->isVisible(), staysOpen);
        QCOMPARE(modGDI::tools().darkLinePen.width, 1);
    }
};

QTEST_MAIN(TestPrintDialog)
#include "test_print_dialog.moc"
