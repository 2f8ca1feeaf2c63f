// The board picture widget, its backing image and the image's canvas.
#include "view/board_picture.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QWindow>

#include <algorithm>
#include <cmath>

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

double BoardPicture::screenRatio() const
{
    // Below 1 neighbouring lines would fall on one device pixel; the picture is scaled down instead.
    return std::max(1.0, devicePixelRatioF());
}

void BoardPicture::resizePicture(int width, int height)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    const double ratio = screenRatio();
    if (logicalSize_ != QSize(width, height) || image_.devicePixelRatio() != ratio) {
        canvas_.end(); // the image must not change under an active painter
        // The old image goes first: a large board at ratio 3 takes some 170 MB.
        image_ = QImage();
        // The image ends with the device pixel of the last grid line, round((width - 1) * ratio):
        // at a ratio above 1 a wider image would show a white seam beyond the board's edge line.
        image_ = QImage(int(std::lround((width - 1) * ratio)) + 1, int(std::lround((height - 1) * ratio)) + 1,
                        QImage::Format_RGB32);
        image_.setDevicePixelRatio(ratio);
        image_.setDotsPerMeterX(kDotsPerMetreAt96Dpi);
        image_.setDotsPerMeterY(kDotsPerMetreAt96Dpi);
        image_.fill(Qt::white);
        logicalSize_ = QSize(width, height);
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

void BoardPicture::checkScreenRatio()
{
    if (!followsScreen())
        Q_EMIT screenRatioChanged();
}

void BoardPicture::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (QWindow *shownIn = window()->windowHandle())
        connect(shownIn, &QWindow::screenChanged, this, &BoardPicture::checkScreenRatio,
                Qt::UniqueConnection);
}

void BoardPicture::paintEvent(QPaintEvent *event)
{
    // Qt 6.4 sends a widget no event when its device pixel ratio changes, so each paint checks.
    checkScreenRatio();
    QPainter p(this);
    const QRect area = event->rect();
    const double ratio = image_.devicePixelRatio();
    const double deviceRatio = p.device()->devicePixelRatio();
    if (ratio == 1.0 && deviceRatio == 1.0) {
        p.drawImage(area.topLeft(), image_, area);
        return;
    }
    const QRectF source(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio);
    if (deviceRatio != ratio) {
        p.fillRect(area, palette().window());
        p.drawImage(QRectF(area), image_, source); // scaled: a screen below 1, or not drawn again yet
        return;
    }
    // Device pixel for device pixel: the picture's pixels are copied, not resampled.
    const QRect wanted = source.toAlignedRect();
    const QRect devicePixels = wanted & image_.rect();
    p.setWorldTransform(QTransform::fromScale(1.0 / ratio, 1.0 / ratio));
    p.drawImage(QRectF(devicePixels), image_, QRectF(devicePixels));
    // Less than one logical pixel lies beyond the last grid line: it takes the colour around the board.
    for (const QRect &beyond : QRegion(wanted) - QRegion(devicePixels))
        p.fillRect(beyond, palette().window());
}

bool BoardPicture::focusNextPrevChild(bool)
{
    return false; // Tab stays on the board like any other key
}

} // namespace view
