// The hint panel: a small window of the main window's that tells the hint in words, with Apply and
// Close beside the text. It is not modal, and it stands where it covers none of the lit cells.
#pragma once

#include <QRect>
#include <QWidget>

class QLabel;
class QPushButton;

namespace view {

// Where a panel of `panel` size goes: beside `window` (right, left, below, above) when the screen
// has room there, else over the window in the first corner that leaves `lit` uncovered, else its
// bottom right corner. All rectangles in global coordinates.
QPoint hintPanelPlace(QSize panel, const QRect &window, const QRect &lit, const QRect &screen);

class HintPanel : public QWidget {
    Q_OBJECT
public:
    // A tool window of `parent`'s.
    explicit HintPanel(QWidget *parent);

    // Shows `text`, with Apply enabled when `canApply`, placed beside `window` away from `lit`.
    void showHint(const QString &text, bool canApply, const QRect &window, const QRect &lit);
    QString text() const;

Q_SIGNALS:
    void applyRequested();

private:
    QLabel *label_ = nullptr;
    QPushButton *apply_ = nullptr;
};

} // namespace view
