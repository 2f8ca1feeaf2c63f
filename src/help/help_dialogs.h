// The welcome dialog and the About box.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace help {

class LinkLabel;

// Shown once at start-up; Start goes on to the main window, Quit ends the program. The close
// box and Escape count as Start: only Quit ends the program.
class WelcomeDialog : public QDialog {
    Q_OBJECT
public:
    // `appFolder` is the program folder, with or without a trailing separator.
    explicit WelcomeDialog(const QString &appFolder, QWidget *parent = nullptr);
    bool quitChosen() const { return quit_; }

    void setLinkTexts(); // the link's caption and tool tip

    QLabel *logo = nullptr;
    QLabel *thanksLabel = nullptr;
    LinkLabel *morePuzzlesLink = nullptr;
    QPushButton *startButton = nullptr; // "Start"
    QPushButton *quitButton = nullptr;  // "Quit"

public Q_SLOTS:
    void reject() override;

protected:
    bool quit_ = false;
    QString appFolder_;

private:
    void openMorePuzzles();
    void quit();
};

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(const QString &appFolder, QWidget *parent = nullptr);

    QLabel *iconLabel = nullptr;
    QLabel *titleLabel = nullptr;
    QLabel *copyrightLabel = nullptr;
    QLabel *noticeLabel = nullptr; // the smaller notice line near the bottom
    LinkLabel *webLink = nullptr;
    QPushButton *okButton = nullptr;

protected:
    QString appFolder_;

private:
    void openWebPage();
};

} // namespace help
