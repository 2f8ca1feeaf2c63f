// A drawing surface over QPainter that keeps the conventions of the classic Windows GDI: a line
// excludes its end point, rectangle outlines and fills exclude their right column and bottom row,
// text is one line clipped to its rectangle, and a pen, a text colour and a font are "selected"
// into the device and stay selected until replaced. On an image with a device pixel ratio r the
// canvas takes logical pixels, places every edge on device pixel round(x * r), keeps one-pixel
// lines one device pixel wide and draws text at the device's resolution.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QStaticText>
#include <QString>

#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

class QPaintDevice;

namespace view {

// A solid pen as the painter's tool table describes it. A width of 0 or 1 draws one device pixel;
// wider pens are centred on the line and have round ends, as the platform's wide pens do.
struct GdiPen {
    QColor colour;
    int width = 1;

    bool operator==(const GdiPen &) const = default;
};

// A coordinate in the canvas's pixels, moved by a number of device pixels: a fill that starts
// just past a one-device-pixel line, or a strip as wide as that line. A plain int converts to one.
struct CanvasEdge {
    CanvasEdge(int position, int moreDevicePixels = 0) : at(position), devicePixels(moreDevicePixels) {}
    int at;
    int devicePixels;
};

// DrawText-like format flags (the values of the platform's DT_ constants).
namespace textFlags {
inline constexpr unsigned Left = 0x00;
inline constexpr unsigned Top = 0x00;
inline constexpr unsigned Center = 0x01;
inline constexpr unsigned Right = 0x02;
inline constexpr unsigned VCenter = 0x04;
inline constexpr unsigned Bottom = 0x08;
inline constexpr unsigned SingleLine = 0x20;
inline constexpr unsigned BoardText = SingleLine | Center | VCenter; // 37
} // namespace textFlags

class GdiCanvas {
public:
    // An idle canvas; begin() points it at a device.
    GdiCanvas();
    // Draws on `device` (a QImage, a QPrinter or a QPdfWriter) until destroyed or ended.
    // Lengths are the device's logical pixels (its own pixels unless it has a device pixel ratio);
    // font sizes are points at the device's own resolution.
    explicit GdiCanvas(QPaintDevice *device);
    // Draws through a painter that is already active on a device (the page printer's); the
    // painter stays the caller's. The canvas starts with that painter's font. On a device with a
    // device pixel ratio the painter's world transform is replaced.
    explicit GdiCanvas(QPainter *activePainter);
    ~GdiCanvas();
    GdiCanvas(const GdiCanvas &) = delete;
    GdiCanvas &operator=(const GdiCanvas &) = delete;

    // (Re)starts drawing on `device`. The selected pen, text colour and font stay selected.
    bool begin(QPaintDevice *device);
    // Stops drawing on the device this canvas began on (a borrowed painter is left alone).
    void end();
    bool isActive() const;
    QPainter &painter();

    void selectPen(const GdiPen &pen);
    void setTextColour(const QColor &colour);
    void setFont(const QFont &font);
    // Keeps fractional sizes (8.6 stays 8.6); sizes of 0 or less are ignored.
    void setFontPointSize(double points);
    const QFont &font() const { return font_; }

    void moveTo(int x, int y);
    // From the current position to (x, y) with the selected pen, (x, y) itself excluded; the
    // current position moves to (x, y).
    void lineTo(int x, int y);
    // Outline of (l, t)-(r, b) with the selected pen, right column and bottom row excluded; the
    // inside is left as it is.
    void rectangle(int l, int t, int r, int b);
    // Fills (l, t)-(r, b), right and bottom exclusive. Edges moved by device pixels until they
    // meet leave nothing to fill.
    void fillRect(CanvasEdge l, CanvasEdge t, CanvasEdge r, CanvasEdge b, const QColor &brush);
    // One line of text in the selected font and text colour, placed in (l, t)-(r, b) by `format`
    // (textFlags:: flags; Left and Top when no alignment flag is given) and clipped to it. Line breaks
    // are not honoured: they show as spaces.
    void drawText(const QString &text, int l, int t, int r, int b, unsigned format);

    // The area drawn since the last call, in the canvas's coordinates (every pixel touched on the
    // device included); clears it.
    QRect takeDirtyRect();

private:
    // The private drawing works in device pixels.
    void startPainter();
    bool pixelExact() const;
    // The device pixel on which the canvas's coordinate `at` falls: round(at * ratio_).
    int toDevice(int at) const;
    QPoint toDevice(QPoint at) const { return {toDevice(at.x()), toDevice(at.y())}; }
    void fillDevice(int l, int t, int r, int b, const QColor &brush);
    void plotLine(QPoint from, QPoint to);
    void strokeLine(QPoint from, QPoint to);
    // The selected font at the device's resolution.
    QFont deviceFont() const;
    const QFontMetrics &metrics();
    // A new device: every font's measures are measured again.
    void fontChanged();
    // Another font on the same device: the measures of the fonts used before are kept.
    void fontSwitched();
    struct ShapedText {
        int advance = 0;
        QStaticText text;
    };
    // What is measured and shaped in one font. Board text takes turns between a few sizes
    // (digits, sums, candidate marks), so each keeps its own.
    struct FontCache {
        QFont font;
        QFont onDevice;
        std::optional<QFontMetrics> metrics;
        std::unordered_map<QString, ShapedText> shapedTexts;
    };
    FontCache &fontCache();
    ShapedText &shaped(const QString &line);
    void touch(const QRect &r) { dirty_ |= r; }

    QPainter *painter_ = nullptr;
    bool ownsPainter_ = false;
    double ratio_ = 1.0; // the device's pixel ratio: 1 on printers, PDFs and plain images
    GdiPen pen_{Qt::black, 1};
    QColor textColour_ = Qt::black;
    QFont font_;
    bool painterFontStale_ = true;
    // Board text is a few short numbers drawn again and again: each is shaped once per font.
    std::vector<std::unique_ptr<FontCache>> fontCaches_;
    FontCache *fontCache_ = nullptr;
    QPoint current_;
    QRect dirty_; // in device pixels
};

} // namespace view
