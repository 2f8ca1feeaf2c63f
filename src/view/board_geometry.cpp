// Placement of the board picture and scroll bars, zoom steps and the full repaint.
#include "game/frm_tav_mn.h"

#include "view/board_picture.h"

// TODO(geometry)
void frmTavMn::resizeWindow()
{
    pbGrid->resizePicture((board_.gridWidth + 1) * canvas.cellSize + 1,
                          (board_.gridHeight + 1) * canvas.cellSize + 1);
}

void frmTavMn::resizeToZoom()
{
    canvas.cellSize = zoomLevel * 5 + 20;
    resizeWindow();
    canvas.hdc = pbGrid->canvas();
}

int frmTavMn::getZoomFontSizeSolution() const { return zoomLevel + 8; }
double frmTavMn::getZoomFontSizeTally() const { return zoomLevel * 1.2 + 5.0; }
void frmTavMn::zoomIn() {}
void frmTavMn::zoomOut() {}
