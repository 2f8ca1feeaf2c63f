// The print settings dialog: how the current puzzle is printed, on the printer or into a PDF.
#pragma once

#include "print/page_printer.h"
#include "print/print_settings.h"

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace game {
class Game;
}

namespace print {

class ColourButton;

class PrintDialog : public QDialog {
    Q_OBJECT
public:
    // Every opening starts from the defaults; nothing is kept between openings.
    PrintDialog(const game::Game &game, QWidget *parent);

    // The note across the top of the dialog.
    static QString noteText();
    // What the footer line says until the player changes it.
    static QString defaultFooterText();

    // The settings the fields hold now, numbers read with the typed-number rule in the order
    // answer size, sum size, footer size, cell size, line size, each clamped to its field's type.
    PrintSettings readSettings() const;
    bool showSolution() const;
    bool showSums() const;

    // The buttons' work, as their clicks do it.
    void printNow();
    void savePdf();
    void cancel();
    void pickColour(ColourButton *button);

private:
    void loadDefaults();
    void buildControls();
    // Prints `settings` on `target` with the print tools and puts the screen's tools back;
    // closes the dialog unless a setting was refused (then its field gets the focus).
    void printOn(PageTarget &target, const PrintSettings &settings);
    // Asks for a PDF file; empty when the player cancelled.
    QString askPdfPath();
    QWidget *fieldOf(SettingsProblem::Field field) const;

    const game::Game &game_;
    QLabel *noteLabel = nullptr;
    QFrame *optionsFrame = nullptr;
    QCheckBox *showSolutionBox = nullptr;
    QComboBox *solutionSizeBox = nullptr;
    ColourButton *solutionColourButton = nullptr;
    ColourButton *entryCellColourButton = nullptr;
    QCheckBox *showSumsBox = nullptr;
    QComboBox *sumSizeBox = nullptr;
    ColourButton *sumColourButton = nullptr;
    ColourButton *clueCellColourButton = nullptr;
    QComboBox *lineSizeBox = nullptr;
    QLineEdit *cellSizeBox = nullptr;
    QComboBox *footerSizeBox = nullptr;
    ColourButton *footerColourButton = nullptr;
    QLineEdit *footerTextBox = nullptr;
    QPushButton *printButton = nullptr;
    QPushButton *savePdfButton = nullptr;
    QPushButton *cancelButton = nullptr;
};

} // namespace print
