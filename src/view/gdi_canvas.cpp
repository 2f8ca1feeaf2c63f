// GDI drawing conventions on top of QPainter.
#include "view/gdi_canvas.h"

#include <QPaintDevice>

GdiCanvas::GdiCanvas(QPaintDevice *device) : painter_(new QPainter), ownsPainter_(true)
{
    if (painter_->begin(device))
        painter_->setRenderHint(QPainter::Antialiasing, false);
    font_ = QFont(QStringLiteral("Arial"));
    font_.setStyleStrategy(QFont::NoAntialias);
}

GdiCanvas::GdiCanvas(QPainter *activePainter) : painter_(activePainter), ownsPainter_(false)
{
    painter_->setRenderHint(QPainter::Antialiasing, false);
    font_ = painter_->font();
}

GdiCanvas::~GdiCanvas()
{
    if (ownsPainter_) {
        if (painter_->isActive())
            painter_->end();
        delete painter_;
    }
}

bool GdiCanvas::isActive() const { return painter_->isActive(); }

QPainter &GdiCanvas::painter() { return *painter_; }

void GdiCanvas::selectPen(const GdiPen &pen) { pen_ = pen; }

void GdiCanvas::setTextColour(const QColor &colour) { textColour_ = colour; }

void GdiCanvas::setFontPointSize(double points)
{
    if (points > 0)
        font_.setPointSizeF(points);
}

void GdiCanvas::moveTo(int x, int y) { current_ = QPoint(x, y); }

void GdiCanvas::lineTo(int x, int y)
{
    // A flat cap leaves the end point uncovered, as the platform's LineTo does.
    QPen pen(pen_.colour, pen_.width <= 1 ? 0 : pen_.width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    painter_->setPen(pen);
    painter_->drawLine(current_, QPoint(x, y));
    current_ = QPoint(x, y);
}

void GdiCanvas::rectangle(int l, int t, int r, int b)
{
    if (r - l < 1 || b - t < 1)
        return;
    QPen pen(pen_.colour, pen_.width <= 1 ? 0 : pen_.width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    painter_->setPen(pen);
    painter_->setBrush(Qt::NoBrush);
    if (r - l == 1 || b - t == 1) {
        painter_->fillRect(QRect(l, t, r - l, b - t), pen_.colour);
        return;
    }
    painter_->drawRect(QRect(l, t, r - l - 1, b - t - 1)); // right and bottom excluded
}

void GdiCanvas::fillRect(int l, int t, int r, int b, const QColor &brush)
{
    if (r > l && b > t)
        painter_->fillRect(QRect(l, t, r - l, b - t), brush);
}

void GdiCanvas::drawText(const QString &text, int l, int t, int r, int b, unsigned format)
{
    if (text.isEmpty() || r <= l || b <= t)
        return;
    int align = (format & dt::Center) ? Qt::AlignHCenter : Qt::AlignLeft;
    align |= (format & dt::VCenter) ? Qt::AlignVCenter : Qt::AlignTop;
    QString line = text;
    if (format & dt::SingleLine)
        line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QRect rect(l, t, r - l, b - t);
    painter_->save();
    painter_->setClipRect(rect, Qt::IntersectClip);
    painter_->setFont(font_);
    painter_->setPen(textColour_);
    painter_->drawText(rect, align | Qt::TextSingleLine | Qt::TextDontClip, line);
    painter_->restore();
}
