// The board picture pbGrid: a persistent backing image with its own drawing canvas, shown when
// refreshed. Keys and mouse events go to the main window's board handlers.
#pragma once

#include "view/gdi_canvas.h"

#include <QImage>
#include <QWidget>

#include <functional>

class BoardPicture : public QWidget {
    Q_OBJECT
public:
    explicit BoardPicture(QWidget *parent = nullptr);
    ~BoardPicture() override;

    // The backing image, always at 96 dpi so that a point size is the same pixels everywhere.
    QImage &image() { return image_; }
    // The picture's device context: it draws on the backing image and keeps its pen, text
    // colour and font across resizes. The same canvas for the picture's whole life.
    GdiCanvas *canvas() { return &canvas_; }
    // Resizes the widget and its backing image; a new image starts white.
    void resizePicture(int width, int height);
    // Shows what was drawn on the image since the last refresh, at the next paint.
    void refresh();
    // The same, painted before returning.
    void refreshNow();

    // Handlers installed by the main window. Each returns nothing; a key handled here never
    // travels on to the window.
    std::function<void(QKeyEvent *)> onKeyDown;
    std::function<void(QMouseEvent *)> onMouseDown;
    std::function<void(QMouseEvent *)> onMouseMove;
    std::function<void(QMouseEvent *)> onMouseUp;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    QImage image_;
    GdiCanvas canvas_;
};
