// Game > Open Puzzle Code...: one line to type or paste a puzzle code into.
#pragma once

#include <QDialog>

class QLineEdit;

namespace app {

class PuzzleCodeDialog : public QDialog {
    Q_OBJECT
public:
    // `code` is shown to start with (what the player typed before a mistake was found).
    PuzzleCodeDialog(const QString &code, QWidget *parent);

    QString code() const;

private:
    QLineEdit *codeBox_;
};

} // namespace app
