// GDI drawing conventions on top of QPainter, the same on an image, a printer and a PDF.
#include "view/gdi_canvas.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace view {

namespace {

QFont boardDefaultFont()
{
    QFont f(QStringLiteral("Arial"));
    // Text keeps its exact colour, pixel for pixel, as the platform draws it without smoothing.
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

QRect spanRect(int x0, int y0, int x1, int y1) // the pixels of the rectangle (x0, y0)-(x1, y1)
{
    return QRect(QPoint(x0, y0), QPoint(x1 - 1, y1 - 1));
}

} // namespace

GdiCanvas::GdiCanvas() : font_(boardDefaultFont()) {}

GdiCanvas::GdiCanvas(QPaintDevice *device) : font_(boardDefaultFont())
{
    begin(device);
}

GdiCanvas::GdiCanvas(QPainter *activePainter) : painter_(activePainter), ownsPainter_(false)
{
    font_ = painter_->font();
    startPainter();
}

GdiCanvas::~GdiCanvas()
{
    end();
}

bool GdiCanvas::begin(QPaintDevice *device)
{
    end();
    painter_ = new QPainter;
    ownsPainter_ = true;
    if (!painter_->begin(device))
        return false;
    startPainter();
    return true;
}

void GdiCanvas::end()
{
    if (ownsPainter_ && painter_) {
        if (painter_->isActive())
            painter_->end();
        delete painter_;
    }
    painter_ = nullptr;
    ownsPainter_ = false;
    fontChanged();
}

void GdiCanvas::startPainter()
{
    // The painter works in device pixels, so that every edge is placed on a whole device pixel by
    // toDevice() rather than by the painter's scaling.
    ratio_ = painter_->device() ? painter_->device()->devicePixelRatio() : 1.0;
    if (ratio_ != 1.0)
        painter_->setWorldTransform(QTransform::fromScale(1.0 / ratio_, 1.0 / ratio_));
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, false);
    fontChanged();
    dirty_ = QRect();
}

bool GdiCanvas::isActive() const
{
    return painter_ && painter_->isActive();
}

QPainter &GdiCanvas::painter()
{
    return *painter_;
}

int GdiCanvas::toDevice(int at) const
{
    return ratio_ == 1.0 ? at : int(std::lround(at * ratio_));
}

void GdiCanvas::selectPen(const GdiPen &pen)
{
    pen_ = pen;
}

void GdiCanvas::setTextColour(const QColor &colour)
{
    textColour_ = colour;
}

void GdiCanvas::setFont(const QFont &font)
{
    font_ = font;
    fontSwitched();
}

void GdiCanvas::setFontPointSize(double points)
{
    if (points <= 0 || font_.pointSizeF() == points)
        return;
    font_.setPointSizeF(points);
    fontSwitched();
}

void GdiCanvas::fontChanged()
{
    fontSwitched();
    fontCaches_.clear();
}

void GdiCanvas::fontSwitched()
{
    painterFontStale_ = true;
    fontCache_ = nullptr;
}

GdiCanvas::FontCache &GdiCanvas::fontCache()
{
    if (fontCache_)
        return *fontCache_;
    for (const std::unique_ptr<FontCache> &cache : fontCaches_) {
        if (cache->font == font_)
            return *(fontCache_ = cache.get());
    }
    if (fontCaches_.size() >= 4)
        fontCaches_.clear(); // zooming goes through sizes that are not worth keeping
    fontCaches_.push_back(std::make_unique<FontCache>());
    fontCaches_.back()->font = font_;
    fontCaches_.back()->onDevice = deviceFont();
    return *(fontCache_ = fontCaches_.back().get());
}

GdiCanvas::ShapedText &GdiCanvas::shaped(const QString &line)
{
    std::unordered_map<QString, ShapedText> &shapedTexts = fontCache().shapedTexts;
    auto found = shapedTexts.find(line);
    if (found != shapedTexts.end())
        return found->second;
    if (shapedTexts.size() >= 512)
        shapedTexts.clear(); // long footers and the like are not worth keeping
    ShapedText &entry = shapedTexts[line];
    entry.advance = metrics().horizontalAdvance(line);
    entry.text.setText(line);
    entry.text.setTextFormat(Qt::PlainText);
    entry.text.setPerformanceHint(QStaticText::AggressiveCaching);
    return entry;
}

const QFontMetrics &GdiCanvas::metrics()
{
    FontCache &cache = fontCache();
    if (!cache.metrics)
        cache.metrics.emplace(cache.onDevice, painter_->device());
    return *cache.metrics;
}

QFont GdiCanvas::deviceFont() const
{
    if (ratio_ == 1.0)
        return font_;
    // The device's dots per inch are the logical ones, so the same point size would come out
    // ratio times too small in device pixels.
    QFont f = font_;
    if (f.pointSizeF() > 0)
        f.setPointSizeF(f.pointSizeF() * ratio_);
    else if (f.pixelSize() > 0)
        f.setPixelSize(int(std::lround(f.pixelSize() * ratio_)));
    return f;
}

bool GdiCanvas::pixelExact() const
{
    // On a raster image without scaling the platform's pixels can be reproduced exactly; other
    // devices get the same shapes as vector drawing.
    const QPaintEngine *engine = painter_->paintEngine();
    return engine && engine->type() == QPaintEngine::Raster &&
           painter_->combinedTransform().type() <= QTransform::TxTranslate;
}

void GdiCanvas::moveTo(int x, int y)
{
    current_ = QPoint(x, y);
}

void GdiCanvas::lineTo(int x, int y)
{
    const QPoint from = std::exchange(current_, QPoint(x, y));
    if (!isActive() || from == current_)
        return;
    // The line runs between the device pixels its end points fall on; a thin one stays one
    // device pixel wide at any ratio.
    if (pen_.width <= 1)
        plotLine(toDevice(from), toDevice(current_));
    else
        strokeLine(toDevice(from), toDevice(current_));
}

void GdiCanvas::plotLine(QPoint from, QPoint to)
{
    const int x0 = from.x(), y0 = from.y(), x1 = to.x(), y1 = to.y();
    // A straight run is a one-pixel-wide fill on every device.
    if (y0 == y1) {
        const int a = x1 > x0 ? x0 : x1 + 1;
        const int b = x1 > x0 ? x1 : x0 + 1;
        fillDevice(a, y0, b, y0 + 1, pen_.colour);
        return;
    }
    if (x0 == x1) {
        const int a = y1 > y0 ? y0 : y1 + 1;
        const int b = y1 > y0 ? y1 : y0 + 1;
        fillDevice(x0, a, x0 + 1, b, pen_.colour);
        return;
    }
    if (!pixelExact()) {
        strokeLine(from, to);
        return;
    }
    // Bresenham's walk, stopping before the end point.
    QPolygon points;
    points.reserve(std::max(std::abs(x1 - x0), std::abs(y1 - y0)));
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    int x = x0;
    int y = y0;
    while (x != x1 || y != y1) {
        points.append(QPoint(x, y));
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
    painter_->setPen(QPen(pen_.colour, 0));
    painter_->drawPoints(points);
    touch(points.boundingRect());
}

void GdiCanvas::strokeLine(QPoint from, QPoint to)
{
    const int x0 = from.x(), y0 = from.y(), x1 = to.x(), y1 = to.y();
    // Pixel (x, y) is the unit square whose centre is (x + 0.5, y + 0.5). A wide pen is as wide
    // in logical pixels as it says.
    const int w = std::max(pen_.width, 1);
    const double deviceWidth = w * ratio_;
    QPen pen(pen_.colour, deviceWidth, Qt::SolidLine, w > 1 ? Qt::RoundCap : Qt::FlatCap, Qt::RoundJoin);
    painter_->setPen(pen);
    painter_->drawLine(QPointF(x0 + 0.5, y0 + 0.5), QPointF(x1 + 0.5, y1 + 0.5));
    const int reach = int(deviceWidth / 2) + 1;
    touch(QRect(QPoint(std::min(x0, x1), std::min(y0, y1)), QPoint(std::max(x0, x1), std::max(y0, y1)))
              .adjusted(-reach, -reach, reach, reach));
}

void GdiCanvas::rectangle(int l, int t, int r, int b)
{
    if (!isActive())
        return;
    if (r < l)
        std::swap(l, r);
    if (b < t)
        std::swap(t, b);
    if (r - l < 1 || b - t < 1)
        return;
    l = toDevice(l);
    t = toDevice(t);
    r = toDevice(r);
    b = toDevice(b);
    if (pen_.width <= 1) {
        fillDevice(l, t, r, t + 1, pen_.colour);         // top row
        fillDevice(l, b - 1, r, b, pen_.colour);         // bottom row
        fillDevice(l, t + 1, l + 1, b - 1, pen_.colour); // left column
        fillDevice(r - 1, t + 1, r, b - 1, pen_.colour); // right column
        return;
    }
    const double deviceWidth = pen_.width * ratio_;
    QPen pen(pen_.colour, deviceWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    painter_->setPen(pen);
    painter_->setBrush(Qt::NoBrush);
    painter_->drawRect(QRectF(l + 0.5, t + 0.5, r - l - 1, b - t - 1));
    const int reach = int(deviceWidth / 2) + 1;
    touch(spanRect(l, t, r, b).adjusted(-reach, -reach, reach, reach));
}

void GdiCanvas::fillRect(CanvasEdge l, CanvasEdge t, CanvasEdge r, CanvasEdge b, const QColor &brush)
{
    if (!isActive())
        return;
    if (r.at < l.at)
        std::swap(l, r);
    if (b.at < t.at)
        std::swap(t, b);
    const int left = toDevice(l.at) + l.devicePixels;
    const int top = toDevice(t.at) + t.devicePixels;
    const int right = toDevice(r.at) + r.devicePixels;
    const int bottom = toDevice(b.at) + b.devicePixels;
    if (right > left && bottom > top)
        fillDevice(left, top, right, bottom, brush);
}

void GdiCanvas::fillDevice(int l, int t, int r, int b, const QColor &brush)
{
    if (r < l)
        std::swap(l, r);
    if (b < t)
        std::swap(t, b);
    if (r == l || b == t)
        return;
    const QRect area = spanRect(l, t, r, b);
    painter_->fillRect(area, brush);
    touch(area);
}

void GdiCanvas::drawText(const QString &text, int l, int t, int r, int b, unsigned format)
{
    if (!isActive() || text.isEmpty() || r <= l || b <= t)
        return;
    l = toDevice(l);
    t = toDevice(t);
    r = toDevice(r);
    b = toDevice(b);
    QString line = text;
    line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));

    // Placed on whole device pixels as the platform places it: the line's advance and its cell height
    // (ascent + descent) are aligned in the rectangle, halves of odd remainders dropped.
    const QFontMetrics &fm = metrics();
    ShapedText &shape = shaped(line);
    const int height = fm.ascent() + fm.descent();
    int x = l;
    if (format & textFlags::Center)
        x = l + (r - l - shape.advance) / 2;
    else if (format & textFlags::Right)
        x = r - shape.advance;
    int y = t;
    if (format & textFlags::VCenter)
        y = t + (b - t - height) / 2;
    else if (format & textFlags::Bottom)
        y = b - height;

    if (painterFontStale_) {
        painter_->setFont(fontCache().onDevice);
        painterFontStale_ = false;
    }
    painter_->setPen(textColour_);
    const QRect box = spanRect(l, t, r, b);
    const bool hadClip = painter_->hasClipping();
    if (hadClip) {
        painter_->save();
        painter_->setClipRect(box, Qt::IntersectClip);
    } else {
        painter_->setClipRect(box);
    }
    painter_->drawStaticText(QPoint(x, y), shape.text); // its top-left: the baseline is y + ascent
    if (hadClip)
        painter_->restore();
    else
        painter_->setClipping(false);
    touch(box);
}

QRect GdiCanvas::takeDirtyRect()
{
    const QRect drawn = std::exchange(dirty_, QRect());
    if (ratio_ == 1.0 || drawn.isEmpty())
        return drawn;
    const auto down = [this](int device) { return int(std::floor(device / ratio_)); };
    const auto up = [this](int device) { return int(std::ceil(device / ratio_)); };
    return QRect(QPoint(down(drawn.left()), down(drawn.top())),
                 QPoint(up(drawn.right() + 1) - 1, up(drawn.bottom() + 1) - 1));
}

} // namespace view
