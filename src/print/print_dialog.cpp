// The print settings dialog: its controls, their defaults, and printing or saving the page.
#include "print/print_dialog.h"

#include "game/frm_tav_mn.h"
#include "platform/app_identity.h"
#include "platform/modal.h"
#include "platform/typed_number.h"
#include "print/colour_button.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <cstdint>
#include <limits>

const QString frmPrinterDialog::noteText = QStringLiteral(
    "The printing  may not work perfectly. I give this to you in the hope that it will be useful to "
    "some of you. Print it on a rough paper and find the right settings for you. You can manipulate "
    "disable Answer Numbers show to print a puzzle, and enable it to print a solution.  If you have "
    "many printers, the game will print on default printer directly");

QString frmPrinterDialog::defaultFooterText()
{
    return QStringLiteral("Korvel, a Kakuro puzzle from %1").arg(appIdentity::companyName);
}

namespace {

QComboBox *sizeList(const char *name, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}

QLabel *caption(const char *text, QWidget *parent)
{
    return new QLabel(QString::fromLatin1(text), parent);
}

std::int16_t read16(const QString &text)
{
    return std::int16_t(typedNumber::roundedClamped(text, std::numeric_limits<std::int16_t>::min(),
                                                    std::numeric_limits<std::int16_t>::max()));
}

std::int32_t read32(const QString &text)
{
    return std::int32_t(typedNumber::roundedClamped(text, std::numeric_limits<std::int32_t>::min(),
                                                    std::numeric_limits<std::int32_t>::max()));
}

} // namespace

frmPrinterDialog::frmPrinterDialog(frmTavMn &mainWindow) : QDialog(&mainWindow), main_(mainWindow)
{
    setObjectName(QStringLiteral("frmPrinterDialog"));
    setModal(true);
    buildControls();
    formLoad();
}

void frmPrinterDialog::buildControls()
{
    Label6 = new QLabel(noteText, this);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setWordWrap(true);

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::StyledPanel);

    chkShowSolFont = new QCheckBox(QStringLiteral("Answer Digits"), Frame1);
    chkShowSolFont->setObjectName(QStringLiteral("chkShowSolFont"));
    cmbFontSoluSize = sizeList("cmbFontSoluSize", Frame1);
    cmdSoluFontColor =
        new ColourButton(QStringLiteral("cmdSoluFontColor"), QStringLiteral("Font Color"), Qt::black, Frame1);
    cmdSolCellColor =
        new ColourButton(QStringLiteral("cmdSolCellColor"), QStringLiteral("Cell Color"), Qt::white, Frame1);

    chkShowTallyFont = new QCheckBox(QStringLiteral("Tally (or) Sum"), Frame1);
    chkShowTallyFont->setObjectName(QStringLiteral("chkShowTallyFont"));
    cmbFontTallySize = sizeList("cmbFontTallySize", Frame1);
    cmdTallyFontColor = new ColourButton(QStringLiteral("cmdTallyFontColor"), QStringLiteral("Font Color"),
                                         Qt::white, Frame1);
    cmdClueCellCol = new ColourButton(QStringLiteral("cmdClueCellCol"), QStringLiteral("Cell Col"),
                                      QColor(20, 20, 20), Frame1);

    cmbLineSize = sizeList("cmbLineSize", Frame1);
    txtNumOfPixels = new QLineEdit(QStringLiteral("250"), Frame1);
    txtNumOfPixels->setObjectName(QStringLiteral("txtNumOfPixels"));

    cmbCopyrightFontSize = sizeList("cmbCopyrightFontSize", Frame1);
    cmdCopyrightColour = new ColourButton(QStringLiteral("cmdCopyrightColour"), QStringLiteral("Font Color"),
                                          Qt::black, Frame1);
    txtCopyRight = new QLineEdit(defaultFooterText(), Frame1);
    txtCopyRight->setObjectName(QStringLiteral("txtCopyRight"));

    auto *grid = new QGridLayout(Frame1);
    grid->addWidget(chkShowSolFont, 0, 0);
    grid->addWidget(cmbFontSoluSize, 0, 1);
    grid->addWidget(cmdSoluFontColor, 0, 2);
    grid->addWidget(cmdSolCellColor, 0, 3);
    grid->addWidget(chkShowTallyFont, 1, 0);
    grid->addWidget(cmbFontTallySize, 1, 1);
    grid->addWidget(cmdTallyFontColor, 1, 2);
    grid->addWidget(cmdClueCellCol, 1, 3);
    grid->addWidget(caption("Line Size", Frame1), 2, 0);
    grid->addWidget(cmbLineSize, 2, 1);
    grid->addWidget(caption("Cell Size", Frame1), 3, 0);
    grid->addWidget(txtNumOfPixels, 3, 1);
    grid->addWidget(caption("Copyright Font Size", Frame1), 4, 0);
    grid->addWidget(cmbCopyrightFontSize, 4, 1);
    grid->addWidget(cmdCopyrightColour, 4, 2);
    grid->addWidget(txtCopyRight, 4, 3);
    grid->setColumnStretch(3, 1);
    txtCopyRight->setMinimumWidth(280);

    cmdPrint = new QPushButton(QStringLiteral("&Print Now"), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    // The mnemonic is not P: "&Print Now" keeps Alt+P to itself.
    cmdSavePdf = new QPushButton(QStringLiteral("Save as P&DF..."), this);
    cmdSavePdf->setObjectName(QStringLiteral("cmdSavePdf"));
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdSavePdf);
    buttons->addWidget(cmdCancel);
    buttons->addStretch(1);

    auto *page = new QVBoxLayout(this);
    page->addWidget(Label6);
    page->addWidget(Frame1);
    page->addLayout(buttons);
    Label6->setMinimumWidth(520);

    // "&Print Now" comes first in the tab order and holds the focus when the dialog opens.
    QWidget *order[] = {cmdPrint,         cmdSavePdf,           cmdCancel,          chkShowSolFont,
                        cmbFontSoluSize,  cmdSoluFontColor,     cmdSolCellColor,    chkShowTallyFont,
                        cmbFontTallySize, cmdTallyFontColor,    cmdClueCellCol,     cmbLineSize,
                        txtNumOfPixels,   cmbCopyrightFontSize, cmdCopyrightColour, txtCopyRight};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    cmdPrint->setFocus();

    connect(cmdPrint, &QPushButton::clicked, this, &frmPrinterDialog::cmdPrint_Click);
    connect(cmdSavePdf, &QPushButton::clicked, this, &frmPrinterDialog::cmdSavePdf_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPrinterDialog::cmdCancel_Click);
    for (ColourButton *b :
         {cmdSoluFontColor, cmdTallyFontColor, cmdCopyrightColour, cmdSolCellColor, cmdClueCellCol})
        connect(b, &QPushButton::clicked, this, [this, b] { colourButton_Click(b); });
}

void frmPrinterDialog::formLoad()
{
    setWindowIcon(main_.windowIcon());
    setWindowTitle(appIdentity::title + QStringLiteral(" - Print Solution"));
    for (int i = 1; i <= 30; ++i) {
        cmbFontSoluSize->addItem(QString::number(i));
        cmbFontTallySize->addItem(QString::number(i));
        cmbCopyrightFontSize->addItem(QString::number(i));
    }
    for (int i = 1; i <= 10; ++i)
        cmbLineSize->addItem(QString::number(i));
    cmbLineSize->setEditText(QStringLiteral("1"));
    chkShowTallyFont->setChecked(true);
    cmbFontSoluSize->setEditText(QStringLiteral("18"));
    cmbFontTallySize->setEditText(QStringLiteral("10"));
    cmbCopyrightFontSize->setEditText(QStringLiteral("8"));
}

PrintSettings frmPrinterDialog::readSettings() const
{
    PrintSettings s;
    s.solutionFontSize = read16(cmbFontSoluSize->currentText());
    s.tallyFontSize = read16(cmbFontTallySize->currentText());
    s.footerFontSize = read32(cmbCopyrightFontSize->currentText());
    s.cellSizePixels = read32(txtNumOfPixels->text());
    s.lineSize = read32(cmbLineSize->currentText());
    s.solutionCellColour = cmdSolCellColor->colour();
    s.clueCellColour = cmdClueCellCol->colour();
    s.solutionFontColour = cmdSoluFontColor->colour();
    s.tallyFontColour = cmdTallyFontColor->colour();
    s.footerColour = cmdCopyrightColour->colour();
    s.footerText = txtCopyRight->text().trimmed();
    return s;
}

// A box in its third, greyed state counts as unchecked.
bool frmPrinterDialog::showSolution() const
{
    return chkShowSolFont->checkState() == Qt::Checked;
}
bool frmPrinterDialog::showTally() const
{
    return chkShowTallyFont->checkState() == Qt::Checked;
}

void frmPrinterDialog::cmdPrint_Click()
{
    const PrintSettings settings = readSettings();
    std::unique_ptr<modPrint::PageTarget> printer = modPrint::openDefaultPrinter();
    if (printer) {
        printOn(*printer, settings);
        return;
    }
    const QMessageBox::StandardButton answer =
        modal::message(this,
                       QStringLiteral("No printer is installed, so the page cannot be printed.\n"
                                      "Would you like to save it as a PDF file instead?"),
                       appIdentity::title + QStringLiteral(" - Alert"), QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes)
        cmdSavePdf_Click();
    else
        reject();
}

void frmPrinterDialog::cmdSavePdf_Click()
{
    const PrintSettings settings = readSettings();
    modPrint::PdfPageTarget pdf(modPrint::pdfPageSizeFor(QLocale::system()));
    if (const auto problem = modPrint::checkSettings(settings, pdf.printableSize(), pdf.resolution())) {
        modal::message(this, problem->text, appIdentity::title);
        fieldOf(problem->field)->setFocus();
        return;
    }
    const QString path = askPdfPath();
    if (path.isEmpty())
        return; // the dialog stays open for another choice
    pdf.setFileName(path);
    printOn(pdf, settings);
}

void frmPrinterDialog::cmdCancel_Click()
{
    reject();
}

void frmPrinterDialog::colourButton_Click(ColourButton *button)
{
    QColorDialog picker(button->colour(), this);
    picker.setObjectName(QStringLiteral("CommonDialog1"));
    if (modal::exec(picker) == QDialog::Accepted && picker.currentColor().isValid())
        button->setColour(picker.currentColor());
}

void frmPrinterDialog::printOn(modPrint::PageTarget &target, const PrintSettings &settings)
{
    if (const auto problem = modPrint::checkSettings(settings, target.printableSize(), target.resolution())) {
        modal::message(this, problem->text, appIdentity::title);
        fieldOf(problem->field)->setFocus();
        return;
    }
    {
        const modPrint::KeepScreenTools keep;
        modGDI::createDrawingTools(settings.solutionCellColour, settings.clueCellColour, settings.lineSize);
        modPrint::printPuzzle(main_.board(), settings, showSolution(), showTally(), target, this);
    }
    accept(); // whatever came of the printing, which printPuzzle has told the player
}

QString frmPrinterDialog::askPdfPath()
{
    QFileDialog chooser(this, QStringLiteral("Save the page as PDF"));
    chooser.setObjectName(QStringLiteral("dlgSavePdf"));
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.setFileMode(QFileDialog::AnyFile);
    chooser.setNameFilter(QStringLiteral("PDF files (*.pdf)"));
    chooser.setDefaultSuffix(QStringLiteral("pdf"));
    chooser.setDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    const QString kind = showSolution() ? QStringLiteral("solution") : QStringLiteral("puzzle");
    chooser.selectFile(main_.shownPuzzle > 0
                           ? QStringLiteral("Korvel %1 %2.pdf").arg(kind).arg(main_.shownPuzzle)
                           : QStringLiteral("Korvel %1.pdf").arg(kind));
    if (modal::exec(chooser) != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return {};
    return chooser.selectedFiles().constFirst();
}

QWidget *frmPrinterDialog::fieldOf(modPrint::SettingsProblem::Field field) const
{
    switch (field) {
    case modPrint::SettingsProblem::SolutionFontSize:
        return cmbFontSoluSize;
    case modPrint::SettingsProblem::TallyFontSize:
        return cmbFontTallySize;
    case modPrint::SettingsProblem::FooterFontSize:
        return cmbCopyrightFontSize;
    case modPrint::SettingsProblem::CellSize:
        return txtNumOfPixels;
    case modPrint::SettingsProblem::LineSize:
        return cmbLineSize;
    }
    return cmdPrint;
}
