// The board picture pbGrid: a persistent backing image that the painter draws on and that is
// shown when refreshed. Keys and mouse events go to the main window's board handlers.
#pragma once

#include "view/gdi_canvas.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>

class BoardPicture : public QWidget {
    Q_OBJECT
public:
    explicit BoardPicture(QWidget *parent = nullptr);

    // The backing image, always at 96 dpi so that a point size is the same pixels everywhere.
    QImage &image() { return image_; }
    // The canvas that draws on the backing image. It is replaced whenever the image is, so
    // fetch it again after resizePicture.
    GdiCanvas *canvas();
    // Resizes the widget and its backing image (contents are not kept).
    void resizePicture(int width, int height);
    // Makes what was drawn on the image visible now, without waiting for the event loop.
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
    std::unique_ptr<GdiCanvas> canvas_; // declared after image_: destroyed before it
};
