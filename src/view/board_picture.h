// The board picture: a persistent backing image with its own drawing canvas, shown when
// refreshed. The board view handles its keys and mouse.
#pragma once

#include "view/gdi_canvas.h"

#include <QImage>
#include <QSize>
#include <QWidget>

namespace view {

class BoardPicture : public QWidget {
    Q_OBJECT
public:
    explicit BoardPicture(QWidget *parent = nullptr);
    ~BoardPicture() override;

    // The backing image, at the device pixel ratio of the screen it was made for and always at
    // 96 dpi, so that a point size is the same logical pixels everywhere.
    QImage &image() { return image_; }
    // The picture's device context: it draws on the backing image in the widget's logical pixels
    // and keeps its pen, text colour and font across resizes. The same canvas for the picture's
    // whole life.
    GdiCanvas *canvas() { return &canvas_; }
    // The device pixel ratio the picture is to be drawn at on its screen now; never below 1.
    double screenRatio() const;
    // Whether the backing image was made at screenRatio().
    bool followsScreen() const { return image_.devicePixelRatio() == screenRatio(); }
    // Resizes the widget (logical pixels) and its backing image; an image of another size or made
    // for another ratio is replaced by a white one at screenRatio().
    void resizePicture(int width, int height);
    // Shows what was drawn on the image since the last refresh, at the next paint.
    void refresh();
    // The same, painted before returning.
    void refreshNow();

Q_SIGNALS:
    // The picture moved to a screen of another device pixel ratio: it must be drawn again. Told
    // when its window changes screen, or by the first paint that finds the ratio changed.
    void screenRatioChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void checkScreenRatio();

    QImage image_;
    QSize logicalSize_;
    GdiCanvas canvas_;
};

} // namespace view
