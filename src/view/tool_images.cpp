// Our own toolbar and pointer pictures, drawn with QPainter on a 32 by 32 grid.
#include "view/tool_images.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QWidget>

namespace view {
namespace {

constexpr int kSide = 32;
const QColor kOutline(40, 40, 40);

using Painting = void (*)(QPainter &);

QPixmap drawn(Painting paint)
{
    QImage image(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    paint(p);
    p.end();
    return QPixmap::fromImage(image);
}

// A writing tool lying from its tip at the lower left up to the upper right; the painter is
// turned so that the tool runs along +x from its tip at the origin.
void alongTool(QPainter &p)
{
    p.translate(2.5, 29.5);
    p.rotate(-45.0);
}

void pencil(QPainter &p)
{
    alongTool(p);
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(QColor(222, 184, 135)); // bare wood
    p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(9, -4.5), QPointF(9, 4.5)}));
    p.setBrush(QColor(60, 60, 60)); // lead
    p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(3.5, -1.75), QPointF(3.5, 1.75)}));
    p.setBrush(QColor(250, 200, 30)); // painted body
    p.drawRect(QRectF(9, -4.5, 23, 9));
    p.setBrush(QColor(190, 190, 200)); // ferrule
    p.drawRect(QRectF(32, -4.5, 3, 9));
    p.setBrush(QColor(240, 130, 150)); // rubber
    p.drawRoundedRect(QRectF(35, -4.5, 5, 9), 1.5, 1.5);
}

void pen(QPainter &p)
{
    alongTool(p);
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(QColor(205, 205, 215)); // steel nib
    p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(11, -4.5), QPointF(11, 4.5)}));
    p.drawLine(QPointF(1.5, 0), QPointF(8, 0)); // slit
    p.setBrush(QColor(30, 30, 30));             // grip
    p.drawRect(QRectF(11, -4.5, 4, 9));
    p.setBrush(QColor(20, 40, 150)); // barrel, in the colour of pen digits
    p.drawRoundedRect(QRectF(15, -5, 24, 10), 3, 3);
    p.setPen(QPen(QColor(230, 190, 60), 1.5)); // clip
    p.drawLine(QPointF(20, -3.5), QPointF(34, -3.5));
}

void eraser(QPainter &p)
{
    p.translate(3.5, 27.5);
    p.rotate(-35.0);
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(QColor(235, 90, 100)); // the rubbing end
    p.drawRoundedRect(QRectF(0, -8, 11, 11), 2, 2);
    p.setBrush(QColor(70, 110, 210));
    p.drawRoundedRect(QRectF(11, -8, 16, 11), 2, 2);
}

void arrow(QPainter &p, bool pointingLeft)
{
    if (pointingLeft) {
        p.translate(kSide, 0);
        p.scale(-1, 1);
    }
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(QColor(60, 150, 60));
    p.drawPolygon(QPolygonF({QPointF(4, 12), QPointF(17, 12), QPointF(17, 5), QPointF(29, 16),
                             QPointF(17, 27), QPointF(17, 20), QPointF(4, 20)}));
}

void prev(QPainter &p)
{
    arrow(p, true);
}
void next(QPainter &p)
{
    arrow(p, false);
}

void restart(QPainter &p)
{
    p.setPen(QPen(QColor(200, 100, 20), 4.0, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(6, 6, 20, 20), 100 * 16, 290 * 16); // most of a circle, open at the top
    p.setPen(QPen(kOutline, 1.0));
    p.setBrush(QColor(200, 100, 20));
    p.drawPolygon(QPolygonF({QPointF(11, 1), QPointF(20, 6.5), QPointF(11, 12)}));
}

// A plain mouse arrow: the mouse only selects.
void noTool(QPainter &p)
{
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(9, 4), QPointF(9, 25), QPointF(14, 20), QPointF(18, 28), QPointF(21, 27),
                             QPointF(17, 19), QPointF(24, 19)}));
}

void check(QPainter &p)
{
    p.setPen(QPen(QColor(30, 140, 40), 5.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath tick;
    tick.moveTo(5, 17);
    tick.lineTo(13, 25);
    tick.lineTo(27, 7);
    p.drawPath(tick);
}

// A hooked arrow turning back to the left; mirrored, it goes forward again.
void turnArrow(QPainter &p, bool back)
{
    if (!back) {
        p.translate(kSide, 0);
        p.scale(-1, 1);
    }
    p.setPen(QPen(QColor(40, 90, 170), 4.0, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath hook;
    hook.moveTo(11, 11);
    hook.lineTo(19, 11);
    hook.cubicTo(30, 11, 30, 27, 19, 27);
    hook.lineTo(12, 27);
    p.drawPath(hook);
    p.setPen(QPen(kOutline, 1.0));
    p.setBrush(QColor(40, 90, 170));
    p.drawPolygon(QPolygonF({QPointF(2, 11), QPointF(12, 3.5), QPointF(12, 18.5)}));
}

void undoArrow(QPainter &p)
{
    turnArrow(p, true);
}
void redoArrow(QPainter &p)
{
    turnArrow(p, false);
}

// Three rows of three small marks, as candidate marks stand in a cell.
void marks(QPainter &p)
{
    p.setPen(QPen(kOutline, 1.0));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2.5, 2.5, 27, 27));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 110, 110));
    for (int k = 0; k < 9; ++k) {
        if (k != 4 && k != 6) // a few left out, as in a cell being narrowed
            p.drawEllipse(QPointF(8.5 + (k % 3) * 7.5, 8.5 + (k / 3) * 7.5), 2.5, 2.5);
    }
}

} // namespace

ToolImages::ToolImages()
{
    const auto put = [this](int index, Painting paint, QPoint hotSpot) {
        images_[std::size_t(index)] = drawn(paint);
        pointers_[std::size_t(index)] = QCursor(images_[std::size_t(index)], hotSpot.x(), hotSpot.y());
    };
    const QPoint centre(kSide / 2, kSide / 2);
    const QPoint toolTip(2, 29);
    put(toolImage::Prev, prev, centre);
    put(toolImage::Next, next, centre);
    put(toolImage::Restart, restart, centre);
    put(toolImage::Pencil, pencil, toolTip);
    put(toolImage::PencilPointer, pencil, toolTip);
    put(toolImage::PenPointer, pen, toolTip);
    put(toolImage::Pen, pen, toolTip);
    put(toolImage::Check, check, centre);
    put(toolImage::Eraser, eraser, QPoint(4, 28));
    put(toolImage::NoTool, noTool, QPoint(9, 4));
    put(toolImage::BoardPencil, pencil, toolTip);
    put(toolImage::BoardPen, pen, toolTip);
    put(toolImage::BoardEraser, eraser, QPoint(4, 28));
    put(toolImage::Undo, undoArrow, centre);
    put(toolImage::Redo, redoArrow, centre);
    put(toolImage::Marks, marks, centre);
}

const QPixmap &ToolImages::image(int index) const
{
    return images_[std::size_t(index >= 1 && index <= toolImage::Count ? index : 0)];
}

const QCursor &ToolImages::pointer(int index) const
{
    return pointers_[std::size_t(index >= 1 && index <= toolImage::Count ? index : 0)];
}

const ToolImages &toolImages()
{
    static const ToolImages images;
    return images;
}

void showPointer(QWidget &window, const QCursor &pointer)
{
    const QCursor current = window.cursor();
    if (window.testAttribute(Qt::WA_SetCursor) && current.shape() == Qt::BitmapCursor &&
        current.pixmap().cacheKey() == pointer.pixmap().cacheKey() && current.hotSpot() == pointer.hotSpot())
        return;
    window.setCursor(pointer);
}

} // namespace view
