// The board picture: a persistent backing image with its own drawing canvas, shown when
// refreshed. The board view handles its keys and mouse.
#pragma once

#include "view/gdi_canvas.h"

#include <QImage>
#include <QWidget>

namespace view {

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

protected:
    void paintEvent(QPaintEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    QImage image_;
    GdiCanvas canvas_;
};

} // namespace view
