// The welcome dialog and the About box.
#pragma once

#include <QDialog>
#include <QString>

class LinkLabel;
class QLabel;
class QPushButton;

// Shown once at start-up; Start goes on to the main window, Quit ends the program. The close
// box and Escape count as Start: only Quit ends the program.
class diagSWS : public QDialog {
    Q_OBJECT
public:
    // `appFolder` is the program folder, with or without a trailing separator.
    explicit diagSWS(const QString &appFolder, QWidget *parent = nullptr);
    bool quitChosen() const { return quit_; }

    void initStrings(); // the link's caption and tool tip

    QLabel *pbLogo = nullptr;
    QLabel *lblThanks = nullptr;
    LinkLabel *lblMorePuz = nullptr;
    QPushButton *OKButton = nullptr;     // "Start"
    QPushButton *CancelButton = nullptr; // "Quit"

public Q_SLOTS:
    void reject() override;

protected:
    bool quit_ = false;
    QString appFolder_;

private:
    void lblMorePuz_Click();
    void CancelButton_Click();
};

class frmAbt : public QDialog {
    Q_OBJECT
public:
    explicit frmAbt(const QString &appFolder, QWidget *parent = nullptr);

    QLabel *imgIcon = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblCopyRight = nullptr;
    QLabel *lblNotice = nullptr; // the smaller notice line near the bottom
    LinkLabel *lblWeb = nullptr;
    QPushButton *OKButton = nullptr;

protected:
    QString appFolder_;

private:
    void lblWeb_Click();
};
