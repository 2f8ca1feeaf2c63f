// The board picture widget and its backing image.
#include "view/board_picture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int kDotsPerMetreAt96Dpi = 3780; // 96 / 0.0254, rounded
}

BoardPicture::BoardPicture(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pbGrid"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    resizePicture(1, 1);
}

void BoardPicture::resizePicture(int width, int height)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (image_.width() != width || image_.height() != height) {
        canvas_.reset(); // a painter must never outlive the image it draws on
        image_ = QImage(width, height, QImage::Format_RGB32);
        image_.setDotsPerMeterX(kDotsPerMetreAt96Dpi);
        image_.setDotsPerMeterY(kDotsPerMetreAt96Dpi);
        image_.fill(Qt::white);
    }
    resize(width, height);
}

GdiCanvas *BoardPicture::canvas()
{
    if (!canvas_)
        canvas_ = std::make_unique<GdiCanvas>(&image_);
    return canvas_.get();
}

void BoardPicture::refreshNow()
{
    update();
    if (isVisible())
        repaint();
}

void BoardPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawImage(0, 0, image_);
}

void BoardPicture::keyPressEvent(QKeyEvent *event)
{
    if (onKeyDown)
        onKeyDown(event);
    event->accept(); // handled once, here: it must not reach the window's handler too
}

void BoardPicture::mousePressEvent(QMouseEvent *event)
{
    if (onMouseDown)
        onMouseDown(event);
}

void BoardPicture::mouseMoveEvent(QMouseEvent *event)
{
    if (onMouseMove)
        onMouseMove(event);
}

void BoardPicture::mouseReleaseEvent(QMouseEvent *event)
{
    if (onMouseUp)
        onMouseUp(event);
}

bool BoardPicture::focusNextPrevChild(bool)
{
    return false; // Tab stays on the board like any other key
}
