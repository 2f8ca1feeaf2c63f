// The welcome dialog and the About box.
#pragma once

#include <QDialog>
#include <QString>

// Shown once at start-up; Start goes on to the main window, Quit ends the program.
class diagSWS : public QDialog {
    Q_OBJECT
public:
    explicit diagSWS(const QString &appFolder, QWidget *parent = nullptr);
    bool quitChosen() const { return quit_; }

protected:
    bool quit_ = false;
    QString appFolder_;
};

class frmAbt : public QDialog {
    Q_OBJECT
public:
    explicit frmAbt(const QString &appFolder, QWidget *parent = nullptr);

protected:
    QString appFolder_;
};
