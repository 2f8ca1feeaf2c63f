// The print settings dialog: how the current puzzle is printed, on the printer or into a PDF.
#pragma once

#include "print/page_printer.h"
#include "print/print_settings.h"

#include <QDialog>
#include <QString>

class ColourButton;
class frmTavMn;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class frmPrinterDialog : public QDialog {
    Q_OBJECT
public:
    // Every opening starts from the defaults; nothing is kept between openings.
    explicit frmPrinterDialog(frmTavMn &mainWindow);

    // The note across the top of the dialog.
    static const QString noteText;
    // What the footer line says until the player changes it.
    static QString defaultFooterText();

    // The settings the fields hold now, numbers read with the typed-number rule in the order
    // answer size, sum size, footer size, cell size, line size, each clamped to its field's type.
    PrintSettings readSettings() const;
    bool showSolution() const;
    bool showTally() const;

    // The buttons' work, as their clicks do it.
    void cmdPrint_Click();
    void cmdSavePdf_Click();
    void cmdCancel_Click();
    void colourButton_Click(ColourButton *button);

private:
    void formLoad();
    void buildControls();
    // Prints `settings` on `target` with the print tools and puts the screen's tools back;
    // closes the dialog unless a setting was refused (then its field gets the focus).
    void printOn(modPrint::PageTarget &target, const PrintSettings &settings);
    // Asks for a PDF file; empty when the player cancelled.
    QString askPdfPath();
    QWidget *fieldOf(modPrint::SettingsProblem::Field field) const;

    frmTavMn &main_;
    QLabel *Label6 = nullptr;
    QFrame *Frame1 = nullptr;
    QCheckBox *chkShowSolFont = nullptr;
    QComboBox *cmbFontSoluSize = nullptr;
    ColourButton *cmdSoluFontColor = nullptr;
    ColourButton *cmdSolCellColor = nullptr;
    QCheckBox *chkShowTallyFont = nullptr;
    QComboBox *cmbFontTallySize = nullptr;
    ColourButton *cmdTallyFontColor = nullptr;
    ColourButton *cmdClueCellCol = nullptr;
    QComboBox *cmbLineSize = nullptr;
    QLineEdit *txtNumOfPixels = nullptr;
    QComboBox *cmbCopyrightFontSize = nullptr;
    ColourButton *cmdCopyrightColour = nullptr;
    QLineEdit *txtCopyRight = nullptr;
    QPushButton *cmdPrint = nullptr;
    QPushButton *cmdSavePdf = nullptr;
    QPushButton *cmdCancel = nullptr;
};
