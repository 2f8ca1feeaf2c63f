// The pictures of the toolbars and the board's pointers, all drawn here, and the pointers made
// from them.
#pragma once

#include <QCursor>
#include <QPixmap>

#include <array>

namespace view {

namespace toolImage {
inline constexpr int Prev = 1;
inline constexpr int Next = 2;
inline constexpr int Restart = 3;
inline constexpr int Pencil = 4;        // toolbar picture of the Pencil button
inline constexpr int PencilPointer = 5; // pointer after a click on the Pencil button
inline constexpr int PenPointer = 6;    // pointer after a click on the Pen button
inline constexpr int Pen = 7;           // toolbar picture of the Pen button
inline constexpr int Check = 8;
inline constexpr int Eraser = 9;  // picture of the number toolbar's eraser button
inline constexpr int NoTool = 10; // picture of the number toolbar's "No tool" button
// 11 and 12 hold no picture.
inline constexpr int BoardPencil = 13; // board pointer in pencil mode
inline constexpr int BoardPen = 14;    // board pointer in pen mode
inline constexpr int BoardEraser = 15; // board pointer while the eraser is chosen
inline constexpr int Undo = 16;
inline constexpr int Redo = 17;
inline constexpr int Marks = 18; // toolbar picture of the candidate-marks switch
inline constexpr int Count = 18;
} // namespace toolImage

class ToolImages {
public:
    ToolImages(); // draws every picture; needs a running GUI application

    // Picture `index` in 1..toolImage::Count (a null pixmap for an index that holds none).
    const QPixmap &image(int index) const;
    // Picture `index` as a pointer whose hot spot lies where the tool touches the paper.
    const QCursor &pointer(int index) const;

private:
    std::array<QPixmap, toolImage::Count + 1> images_;
    std::array<QCursor, toolImage::Count + 1> pointers_;
};

// The one set of pictures, drawn at first use.
const ToolImages &toolImages();

} // namespace view

class QWidget;

namespace view {

// Gives `widget` the pointer `pointer`, unless it shows that very pointer already (the board asks
// for it on every mouse move).
void showPointer(QWidget &widget, const QCursor &pointer);

} // namespace view
