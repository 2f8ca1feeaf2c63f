// The board picture widget, its backing image and the image's canvas.
#include "view/board_picture.h"

#include <QPaintEvent>
#include <QPainter>

namespace view {
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

BoardPicture::~BoardPicture()
{
    canvas_.end();
}

void BoardPicture::resizePicture(int width, int height)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (image_.width() != width || image_.height() != height) {
        canvas_.end(); // the image must not change under an active painter
        image_ = QImage(width, height, QImage::Format_RGB32);
        image_.setDotsPerMeterX(kDotsPerMetreAt96Dpi);
        image_.setDotsPerMeterY(kDotsPerMetreAt96Dpi);
        image_.fill(Qt::white);
        canvas_.begin(&image_);
        update();
    }
    resize(width, height);
}

void BoardPicture::refresh()
{
    const QRect drawn = canvas_.takeDirtyRect();
    if (!drawn.isEmpty())
        update(drawn);
}

void BoardPicture::refreshNow()
{
    const QRect drawn = canvas_.takeDirtyRect();
    if (!drawn.isEmpty() && isVisible())
        repaint(drawn);
    else if (!drawn.isEmpty())
        update(drawn);
}

void BoardPicture::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const QRect area = event->rect();
    p.drawImage(area.topLeft(), image_, area);
}

bool BoardPicture::focusNextPrevChild(bool)
{
    return false; // Tab stays on the board like any other key
}

} // namespace view
