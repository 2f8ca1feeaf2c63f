// The print settings dialog: its controls, their defaults, and printing or saving the page.
#include "print/print_dialog.h"

#include "game/game.h"
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

namespace print {

QString PrintDialog::noteText()
{
    return tr(
        "The printing  may not work perfectly. I give this to you in the hope that it will be useful to "
        "some of you. Print it on a rough paper and find the right settings for you. You can manipulate "
        "disable Answer Numbers show to print a puzzle, and enable it to print a solution.  If you have "
        "many printers, the game will print on default printer directly");
}

QString PrintDialog::defaultFooterText()
{
    return tr("%1, a Kakuro puzzle from %2", "the printed footer: title, maker")
        .arg(platform::appTitle, platform::companyName);
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

// Names `control` for screen readers; an editable list is read by its value, and its line, which
// takes the focus, by the name.
void nameControl(QWidget *control, const QString &name)
{
    control->setAccessibleName(name);
    if (auto *list = qobject_cast<QComboBox *>(control); list && list->lineEdit())
        list->lineEdit()->setAccessibleName(name);
}

// A caption that names `control` for screen readers too.
QLabel *caption(const QString &text, QWidget *control, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(control);
    nameControl(control, text);
    return label;
}

std::int16_t read16(const QString &text)
{
    return std::int16_t(platform::roundedClamped(text, std::numeric_limits<std::int16_t>::min(),
                                                 std::numeric_limits<std::int16_t>::max()));
}

std::int32_t read32(const QString &text)
{
    return std::int32_t(platform::roundedClamped(text, std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
}

} // namespace

PrintDialog::PrintDialog(const game::Game &game, QWidget *parent) : QDialog(parent), game_(game)
{
    setObjectName(QStringLiteral("frmPrinterDialog"));
    setModal(true);
    buildControls();
    loadDefaults();
}

void PrintDialog::buildControls()
{
    noteLabel = new QLabel(noteText(), this);
    noteLabel->setObjectName(QStringLiteral("Label6"));
    noteLabel->setWordWrap(true);

    optionsFrame = new QFrame(this);
    optionsFrame->setObjectName(QStringLiteral("Frame1"));
    optionsFrame->setFrameShape(QFrame::StyledPanel);

    showSolutionBox = new QCheckBox(tr("Answer Digits"), optionsFrame);
    showSolutionBox->setObjectName(QStringLiteral("chkShowSolFont"));
    solutionSizeBox = sizeList("cmbFontSoluSize", optionsFrame);
    solutionColourButton =
        new ColourButton(QStringLiteral("cmdSoluFontColor"), tr("Font Color"), Qt::black, optionsFrame);
    entryCellColourButton =
        new ColourButton(QStringLiteral("cmdSolCellColor"), tr("Cell Color"), Qt::white, optionsFrame);

    showSumsBox = new QCheckBox(tr("Tally (or) Sum"), optionsFrame);
    showSumsBox->setObjectName(QStringLiteral("chkShowTallyFont"));
    sumSizeBox = sizeList("cmbFontTallySize", optionsFrame);
    sumColourButton =
        new ColourButton(QStringLiteral("cmdTallyFontColor"), tr("Font Color"), Qt::white, optionsFrame);
    clueCellColourButton =
        new ColourButton(QStringLiteral("cmdClueCellCol"), tr("Cell Col"), QColor(20, 20, 20), optionsFrame);

    lineSizeBox = sizeList("cmbLineSize", optionsFrame);
    cellSizeBox = new QLineEdit(QStringLiteral("250"), optionsFrame);
    cellSizeBox->setObjectName(QStringLiteral("txtNumOfPixels"));

    footerSizeBox = sizeList("cmbCopyrightFontSize", optionsFrame);
    footerColourButton =
        new ColourButton(QStringLiteral("cmdCopyrightColour"), tr("Font Color"), Qt::black, optionsFrame);
    footerTextBox = new QLineEdit(defaultFooterText(), optionsFrame);
    footerTextBox->setObjectName(QStringLiteral("txtCopyRight"));
    footerTextBox->setCursorPosition(0); // the footer is read from its start

    auto *grid = new QGridLayout(optionsFrame);
    grid->addWidget(showSolutionBox, 0, 0);
    grid->addWidget(solutionSizeBox, 0, 1);
    grid->addWidget(solutionColourButton, 0, 2);
    grid->addWidget(entryCellColourButton, 0, 3);
    grid->addWidget(showSumsBox, 1, 0);
    grid->addWidget(sumSizeBox, 1, 1);
    grid->addWidget(sumColourButton, 1, 2);
    grid->addWidget(clueCellColourButton, 1, 3);
    grid->addWidget(caption(tr("Line Size"), lineSizeBox, optionsFrame), 2, 0);
    grid->addWidget(lineSizeBox, 2, 1);
    grid->addWidget(caption(tr("Cell Size"), cellSizeBox, optionsFrame), 3, 0);
    grid->addWidget(cellSizeBox, 3, 1);
    grid->addWidget(caption(tr("Copyright Font Size"), footerSizeBox, optionsFrame), 4, 0);
    grid->addWidget(footerSizeBox, 4, 1);
    grid->addWidget(footerColourButton, 4, 2);
    grid->addWidget(footerTextBox, 4, 3);
    grid->setColumnStretch(3, 1);
    // Controls that share a caption, or have none, are named for screen readers by their row.
    nameControl(solutionSizeBox, tr("Answer digit size"));
    solutionColourButton->setAccessibleName(tr("Answer digit colour"));
    entryCellColourButton->setAccessibleName(tr("Answer cell colour"));
    nameControl(sumSizeBox, tr("Sum size"));
    sumColourButton->setAccessibleName(tr("Sum colour"));
    clueCellColourButton->setAccessibleName(tr("Clue cell colour"));
    footerColourButton->setAccessibleName(tr("Copyright colour"));
    footerTextBox->setAccessibleName(tr("Copyright text"));
    footerTextBox->setMinimumWidth(280);

    printButton = new QPushButton(tr("&Print Now"), this);
    printButton->setObjectName(QStringLiteral("cmdPrint"));
    // The mnemonic is not P: "&Print Now" keeps Alt+P to itself.
    savePdfButton = new QPushButton(tr("Save as P&DF..."), this);
    savePdfButton->setObjectName(QStringLiteral("cmdSavePdf"));
    cancelButton = new QPushButton(tr("&Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cmdCancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(printButton);
    buttons->addWidget(savePdfButton);
    buttons->addWidget(cancelButton);
    buttons->addStretch(1);

    auto *page = new QVBoxLayout(this);
    page->addWidget(noteLabel);
    page->addWidget(optionsFrame);
    page->addLayout(buttons);
    noteLabel->setMinimumWidth(520);

    // "&Print Now" comes first in the tab order and holds the focus when the dialog opens.
    QWidget *order[] = {printButton,     savePdfButton,        cancelButton,          showSolutionBox,
                        solutionSizeBox, solutionColourButton, entryCellColourButton, showSumsBox,
                        sumSizeBox,      sumColourButton,      clueCellColourButton,  lineSizeBox,
                        cellSizeBox,     footerSizeBox,        footerColourButton,    footerTextBox};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    printButton->setFocus();

    connect(printButton, &QPushButton::clicked, this, &PrintDialog::printNow);
    connect(savePdfButton, &QPushButton::clicked, this, &PrintDialog::savePdf);
    connect(cancelButton, &QPushButton::clicked, this, &PrintDialog::cancel);
    for (ColourButton *b : {solutionColourButton, sumColourButton, footerColourButton, entryCellColourButton,
                            clueCellColourButton})
        connect(b, &QPushButton::clicked, this, [this, b] { pickColour(b); });
}

void PrintDialog::loadDefaults()
{
    setWindowIcon(platform::windowIcon());
    setWindowTitle(tr("%1 - Print Solution").arg(platform::appTitle));
    for (int i = 1; i <= 30; ++i) {
        solutionSizeBox->addItem(QString::number(i));
        sumSizeBox->addItem(QString::number(i));
        footerSizeBox->addItem(QString::number(i));
    }
    for (int i = 1; i <= 10; ++i)
        lineSizeBox->addItem(QString::number(i));
    lineSizeBox->setEditText(QStringLiteral("1"));
    showSumsBox->setChecked(true);
    solutionSizeBox->setEditText(QStringLiteral("18"));
    sumSizeBox->setEditText(QStringLiteral("10"));
    footerSizeBox->setEditText(QStringLiteral("8"));
}

PrintSettings PrintDialog::readSettings() const
{
    PrintSettings s;
    s.solutionFontSize = read16(solutionSizeBox->currentText());
    s.sumFontSize = read16(sumSizeBox->currentText());
    s.footerFontSize = read32(footerSizeBox->currentText());
    s.cellSizePixels = read32(cellSizeBox->text());
    s.lineSize = read32(lineSizeBox->currentText());
    s.entryCellColour = entryCellColourButton->colour();
    s.clueCellColour = clueCellColourButton->colour();
    s.solutionFontColour = solutionColourButton->colour();
    s.sumFontColour = sumColourButton->colour();
    s.footerColour = footerColourButton->colour();
    s.footerText = footerTextBox->text().trimmed();
    return s;
}

// A box in its third, greyed state counts as unchecked.
bool PrintDialog::showSolution() const
{
    return showSolutionBox->checkState() == Qt::Checked;
}
bool PrintDialog::showSums() const
{
    return showSumsBox->checkState() == Qt::Checked;
}

void PrintDialog::printNow()
{
    const PrintSettings settings = readSettings();
    std::unique_ptr<PageTarget> printer = openDefaultPrinter();
    if (printer) {
        printOn(*printer, settings);
        return;
    }
    const QMessageBox::StandardButton answer =
        platform::message(this,
                          tr("No printer is installed, so the page cannot be printed.\n"
                             "Would you like to save it as a PDF file instead?"),
                          tr("%1 - Alert").arg(platform::appTitle), QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes)
        savePdf();
    else
        reject();
}

void PrintDialog::savePdf()
{
    const PrintSettings settings = readSettings();
    PdfPageTarget pdf(pdfPageSizeFor(QLocale::system()));
    if (const auto problem = checkSettings(settings, pdf.printableSize(), pdf.resolution())) {
        platform::message(this, problem->text, platform::appTitle);
        fieldOf(problem->field)->setFocus();
        return;
    }
    const QString path = askPdfPath();
    if (path.isEmpty())
        return; // the dialog stays open for another choice
    pdf.setFileName(path);
    printOn(pdf, settings);
}

void PrintDialog::cancel()
{
    reject();
}

void PrintDialog::pickColour(ColourButton *button)
{
    QColorDialog picker(button->colour(), this);
    picker.setObjectName(QStringLiteral("CommonDialog1"));
    if (platform::execDialog(picker) == QDialog::Accepted && picker.currentColor().isValid())
        button->setColour(picker.currentColor());
}

void PrintDialog::printOn(PageTarget &target, const PrintSettings &settings)
{
    if (const auto problem = checkSettings(settings, target.printableSize(), target.resolution())) {
        platform::message(this, problem->text, platform::appTitle);
        fieldOf(problem->field)->setFocus();
        return;
    }
    printPuzzle(game_.puzzle(), game_.entries(), settings, showSolution(), showSums(), target, this);
    accept(); // whatever came of the printing, which printPuzzle has told the player
}

QString PrintDialog::askPdfPath()
{
    QFileDialog chooser(this, tr("Save the page as PDF"));
    chooser.setObjectName(QStringLiteral("dlgSavePdf"));
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.setFileMode(QFileDialog::AnyFile);
    chooser.setNameFilter(tr("PDF files (*.pdf)"));
    chooser.setDefaultSuffix(QStringLiteral("pdf"));
    chooser.setDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    // A file name, like every name the game gives a file, is not translated.
    const QString kind = showSolution() ? QStringLiteral("solution") : QStringLiteral("puzzle");
    // The player's own puzzle 3 is "my-3", apart from the book's puzzle 3.
    const QString number = game_.playingOwn() ? QStringLiteral("my-%1").arg(game_.ownPuzzleNumber())
                                              : QString::number(game_.puzzleNumber());
    chooser.selectFile(game_.puzzleNumber() > 0 ? QStringLiteral("Korvel %1 %2.pdf").arg(kind, number)
                                                : QStringLiteral("Korvel %1.pdf").arg(kind));
    if (platform::execDialog(chooser) != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return {};
    return chooser.selectedFiles().constFirst();
}

QWidget *PrintDialog::fieldOf(SettingsProblem::Field field) const
{
    switch (field) {
    case SettingsProblem::SolutionFontSize:
        return solutionSizeBox;
    case SettingsProblem::SumFontSize:
        return sumSizeBox;
    case SettingsProblem::FooterFontSize:
        return footerSizeBox;
    case SettingsProblem::CellSize:
        return cellSizeBox;
    case SettingsProblem::LineSize:
        return lineSizeBox;
    }
    return printButton;
}

} // namespace print
