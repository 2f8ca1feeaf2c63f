// A drawing surface over QPainter that keeps the conventions of the classic Windows GDI: a line
// excludes its end point, rectangle outlines and fills exclude their right column and bottom row,
// text is one line clipped to its rectangle, and a pen, a brush, a text colour and a font are
// "selected" into the device and stay selected until replaced.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRect>
#include <QString>

class QPaintDevice;

// A pen as the painter's tool table describes it.
struct GdiPen {
    QColor colour;
    int width = 1;
};

// DrawText-like format flags (the values of the platform's DT_ constants).
namespace dt {
inline constexpr unsigned Left = 0x00;
inline constexpr unsigned Top = 0x00;
inline constexpr unsigned Center = 0x01;
inline constexpr unsigned VCenter = 0x04;
inline constexpr unsigned SingleLine = 0x20;
inline constexpr unsigned BoardText = SingleLine | Center | VCenter; // 37
} // namespace dt

class GdiCanvas {
public:
    // Draws on `device` (a QImage, a QPrinter or a QPdfWriter) until destroyed. Lengths are the
    // device's pixels; font sizes are points at the device's own resolution.
    explicit GdiCanvas(QPaintDevice *device);
    // Draws through a painter that is already active on a device (the page printer's).
    explicit GdiCanvas(QPainter *activePainter);
    ~GdiCanvas();
    GdiCanvas(const GdiCanvas &) = delete;
    GdiCanvas &operator=(const GdiCanvas &) = delete;

    bool isActive() const;
    QPainter &painter();

    void selectPen(const GdiPen &pen);
    void setTextColour(const QColor &colour);
    void setFontPointSize(double points);
    const QFont &font() const { return font_; }

    void moveTo(int x, int y);
    void lineTo(int x, int y);                         // with the selected pen, end point excluded
    void rectangle(int l, int t, int r, int b);        // outline with the selected pen, no fill
    void fillRect(int l, int t, int r, int b, const QColor &brush); // r and b exclusive
    void drawText(const QString &text, int l, int t, int r, int b, unsigned format);

private:
    QPainter *painter_ = nullptr;
    bool ownsPainter_ = false;
    GdiPen pen_;
    QColor textColour_ = Qt::black;
    QFont font_;
    QPoint current_;
};
