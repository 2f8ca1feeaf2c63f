// The main window's image list tbImg: the toolbar pictures and the pointer pictures, all drawn
// here, and the pointers made from them.
#pragma once

#include <QCursor>
#include <QPixmap>

#include <array>

namespace tbImage {
inline constexpr int Prev = 1;
inline constexpr int Next = 2;
inline constexpr int Restart = 3;
inline constexpr int Pencil = 4;         // toolbar picture of the Pencil button
inline constexpr int PencilPointer = 5;  // pointer after a click on the Pencil button
inline constexpr int PenPointer = 6;     // pointer after a click on the Pen button
inline constexpr int Pen = 7;            // toolbar picture of the Pen button
inline constexpr int Check = 8;
inline constexpr int Eraser = 9;         // picture of the number toolbar's eraser button
// 10 to 12 hold no picture.
inline constexpr int BoardPencil = 13;   // board pointer in pencil mode
inline constexpr int BoardPen = 14;      // board pointer in pen mode
inline constexpr int BoardEraser = 15;   // board pointer while the eraser is chosen
inline constexpr int Count = 15;
} // namespace tbImage

class ImageList {
public:
    ImageList(); // draws every picture; needs a running GUI application

    // Picture `index` in 1..tbImage::Count (a null pixmap for an index that holds none).
    const QPixmap &image(int index) const;
    // Picture `index` as a pointer whose hot spot lies where the tool touches the paper.
    const QCursor &pointer(int index) const;

private:
    std::array<QPixmap, tbImage::Count + 1> images_;
    std::array<QCursor, tbImage::Count + 1> pointers_;
};

class QWidget;

// Gives `window` the pointer `pointer`, unless it shows that very pointer already (the board asks
// for it on every mouse move).
void showPointer(QWidget &window, const QCursor &pointer);
