// The toolbar's puzzle-number box. Every key typed in it belongs to it: none travels on to the
// board or the window, and Enter ends the typing. The window's shortcuts still act while it has
// the focus, before the box's own editing keys (Ctrl+Z zooms here, it does not undo the typing).
#pragma once

#include <QLineEdit>

namespace app {

class PuzzleNumberBox : public QLineEdit {
    Q_OBJECT
public:
    explicit PuzzleNumberBox(QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace app
