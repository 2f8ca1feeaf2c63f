// Placement of the board picture and scroll bars, zoom steps, scrolling and the full repaint.
#include "game/frm_tav_mn.h"

#include "view/board_layout.h"
#include "view/board_picture.h"

#include <QAction>
#include <QLayout>
#include <QScrollBar>
#include <QToolBar>

#include <algorithm>

namespace {
constexpr int kMinZoom = 1;
constexpr int kMaxZoom = 10;
const QColor kSumColour(255, 255, 255);

// Sets a scroll bar's range and steps. A hidden bar goes back to 0 so that nothing of the
// picture stays out of reach; a shown one keeps its value unless the new range cuts it off.
void applyScrollRange(QScrollBar *bar, int maximum, bool visible, int cellSize)
{
    bar->setSingleStep(cellSize);
    bar->setPageStep(cellSize);
    bar->setRange(0, std::max(0, maximum));
    if (!visible)
        bar->setValue(0);
    bar->setVisible(visible);
}
} // namespace

void frmTavMn::connectBoardView()
{
    setFixedSize(windowWidthPx, windowHeightPx);
    connect(action(QStringLiteral("MNU_ZOOMIN")), &QAction::triggered, this, &frmTavMn::zoomIn,
            Qt::UniqueConnection);
    connect(action(QStringLiteral("MNU_ZOOMOUT")), &QAction::triggered, this, &frmTavMn::zoomOut,
            Qt::UniqueConnection);
    connect(HScroll1, &QScrollBar::valueChanged, this, &frmTavMn::HScroll1_Change);
    connect(HScroll1, &QScrollBar::sliderMoved, this, &frmTavMn::HScroll1_Scroll);
    connect(VScroll1, &QScrollBar::valueChanged, this, &frmTavMn::VScroll1_Change);
    connect(VScroll1, &QScrollBar::sliderMoved, this, &frmTavMn::VScroll1_Scroll);
    HScroll1->hide();
    VScroll1->hide();
}

void frmTavMn::placeToolbars()
{
    // The main toolbar runs along the top of the client area, the number toolbar down its left.
    const int tbHeight = tb->sizeHint().height();
    tb->setGeometry(0, 0, windowWidthPx, tbHeight);
    tbNumButns->setGeometry(0, tb->height(), tbNumButns->sizeHint().width(),
                            std::max(0, central->height() - tb->height()));
}

void frmTavMn::resizeWindow()
{
    setFixedSize(windowWidthPx, windowHeightPx);
    if (layout())
        layout()->activate(); // the client area's size, even while the window is hidden
    placeToolbars();

    BoardLayoutInput in;
    in.gridWidth = board_.gridWidth;
    in.gridHeight = board_.gridHeight;
    in.cellSize = canvas.cellSize;
    in.toolbarHeight = tb->height();
    in.numberBarWidth = tbNumButns->width();
    in.vScrollWidth = VScroll1->sizeHint().width();
    in.hScrollHeight = HScroll1->sizeHint().height();
    in.client = central->size();
    const BoardLayout g = computeBoardLayout(in);

    pbGrid->resizePicture(g.picture.width(), g.picture.height());
    VScroll1->setGeometry(g.vScroll);
    HScroll1->setGeometry(g.hScroll);
    applyScrollRange(VScroll1, g.vScrollMax, g.vScrollVisible, canvas.cellSize);
    applyScrollRange(HScroll1, g.hScrollMax, g.hScrollVisible, canvas.cellSize);
    boardView->setGeometry(g.view);
    // The picture stays where the scroll bars say it is, also when their values did not change.
    pbGrid->move(-HScroll1->sliderPosition(), -VScroll1->sliderPosition());
}

void frmTavMn::resizeToZoom()
{
    canvas.cellSize = zoomLevel * 5 + 20;
    resizeWindow();
    canvas.hdc = pbGrid->canvas();
    GdiCanvas &dc = *canvas.hdc;

    dc.setFontPointSize(getZoomFontSizeSolution());
    modGDI::paintBoard(canvas, board_, false, true, 1);
    dc.setFontPointSize(getZoomFontSizeTally());
    modGDI::paintSums(canvas, board_, kSumColour);
    dc.setFontPointSize(getZoomFontSizeSolution());
    for (int row = 1; row <= board_.gridHeight; ++row) {
        for (int col = 1; col <= board_.gridWidth; ++col) {
            if (board_.solutionAt(col, row) != 0)
                modGDI::paintEntryCell(canvas, board_, col, row);
        }
    }
    pbGrid->refresh();
}

int frmTavMn::getZoomFontSizeSolution() const { return zoomLevel + 8; }

double frmTavMn::getZoomFontSizeTally() const { return zoomLevel * 1.2 + 5.0; }

void frmTavMn::zoomIn()
{
    if (zoomLevel >= kMaxZoom)
        return;
    ++zoomLevel;
    resizeToZoom();
}

void frmTavMn::zoomOut()
{
    if (zoomLevel <= kMinZoom)
        return;
    --zoomLevel;
    resizeToZoom();
}

// The picture's left is (width of tbNumButns) - value and its top (height of tb) - value; the
// view it lies in starts at exactly that corner. While the thumb is dragged the slider position
// runs ahead of the value, so the handlers follow the position.
void frmTavMn::HScroll1_Change() { pbGrid->move(-HScroll1->sliderPosition(), pbGrid->y()); }
void frmTavMn::HScroll1_Scroll() { HScroll1_Change(); }
void frmTavMn::VScroll1_Change() { pbGrid->move(pbGrid->x(), -VScroll1->sliderPosition()); }
void frmTavMn::VScroll1_Scroll() { VScroll1_Change(); }
