// The grid of the puzzle editor: blocks with their sums, entry cells, the selected cell, and the
// cells the status points at. Keys and clicks choose cells and make blocks; the sums are typed in
// the dialog's boxes.
#pragma once

#include "game/puzzle_editor.h"
#include "view/board_palette.h"

#include <QList>
#include <QPoint>
#include <QWidget>

namespace app {

class EditorBoard : public QWidget {
    Q_OBJECT
public:
    // `editor` must outlive the board.
    EditorBoard(const game::PuzzleEditor &editor, QWidget *parent);

    QPoint selected() const { return selected_; }
    void select(int col, int row);
    // Cells lit to show where two solutions differ.
    void setLitCells(const QList<QPoint> &cells);
    // Takes the size of the editor's grid anew.
    void gridChanged();
    int cellSize() const { return cellSize_; }

Q_SIGNALS:
    void selectionChanged();
    // Space, a right click or a double click on (col, row).
    void toggleRequested(int col, int row);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPoint cellAt(QPoint at) const;

    const game::PuzzleEditor &editor_;
    view::BoardPalette palette_;
    QPoint selected_{1, 1};
    QList<QPoint> lit_;
    int cellSize_ = 28;
};

} // namespace app
