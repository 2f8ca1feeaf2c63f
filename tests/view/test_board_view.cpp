// The board picture in the real main window: its size per zoom step, the zoom commands, the
// scroll bars and the fixed window, driven with keys and the mouse.
#include "pixels.h"
#include "support/window_harness.h"
#include "view/board_layout.h"

#include <QMenuBar>
#include <QScrollBar>
#include <QStyleOptionSlider>

namespace {

// A width x height grid of entry cells with a few blocks, none in the first row or column.
QStringList gridOf(int width, int height)
{
    QStringList rows;
    for (int r = 1; r <= height; ++r) {
        QString row;
        for (int c = 1; c <= width; ++c)
            row += (r > 1 && c > 1 && (r * 7 + c * 3) % 5 == 0) ? QLatin1Char('#')
                                                                 : QChar(QLatin1Char('1' + (r * 3 + c) % 9));
        rows << row;
    }
    return rows;
}

struct View : WindowHarness {
    explicit View(int width, int height, bool shown = true) : WindowHarness({gridOf(width, height)}, 0, 1, shown) {}
    QScrollBar *bar(bool vertical) { return find<QScrollBar>(vertical ? "VScroll1" : "HScroll1"); }
    QToolBar *toolbar() { return find<QToolBar>("tb"); }
    QToolBar *numberBar() { return find<QToolBar>("tbNumButns"); }
    QPoint pictureAt() { return grid()->mapTo(w().centralWidget(), QPoint(0, 0)); }
    void zoomBy(int steps)
    {
        for (; steps > 0; --steps)
            perform("key:Ctrl+Z");
        for (; steps < 0; ++steps)
            perform("key:Ctrl+O");
    }
};

QRect thumbOf(QScrollBar *bar)
{
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.orientation = bar->orientation();
    opt.maximum = bar->maximum();
    opt.sliderPosition = opt.sliderValue = bar->value();
    opt.pageStep = bar->pageStep();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSlider, bar);
}

} // namespace

class TestBoardView : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pictureAndFontsPerZoomStep_data()
    {
        QTest::addColumn<QSize>("grid");
        QTest::addColumn<int>("steps"); // from the starting step 3
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<double>("tally");
        QTest::newRow("9x9 at step 3") << QSize(9, 9) << 0 << QSize(351, 351) << 8.6; // not 8 or 9
        QTest::newRow("9x9 at step 10") << QSize(9, 9) << 7 << QSize(701, 701) << 17.0;
        QTest::newRow("9x9 at step 1") << QSize(9, 9) << -2 << QSize(251, 251) << 6.2;
        QTest::newRow("12x7 at step 4") << QSize(12, 7) << 1 << QSize(13 * 40 + 1, 8 * 40 + 1) << 9.8;
    }
    void pictureAndFontsPerZoomStep()
    {
        QFETCH(QSize, grid);
        QFETCH(int, steps);
        QFETCH(QSize, picture);
        QFETCH(double, tally);
        View v(grid.width(), grid.height());
        v.zoomBy(steps);
        QCOMPARE(v.w().zoomLevel, 3 + steps);
        QCOMPARE(v.grid()->size(), picture);
        QCOMPARE(v.grid()->image().size(), picture);
        QVERIFY(qFuzzyCompare(v.w().getZoomFontSizeTally(), tally));
        QCOMPARE(v.w().canvas.hdc->font().pointSizeF(), double(v.w().getZoomFontSizeSolution()));
    }

    void zoomLimitsChangeNothing_data()
    {
        QTest::addColumn<int>("toLimit");
        QTest::addColumn<int>("beyond");
        QTest::newRow("zoom in at step 10") << 7 << 1;
        QTest::newRow("zoom out at step 1") << -2 << -1;
    }
    void zoomLimitsChangeNothing()
    {
        QFETCH(int, toLimit);
        QFETCH(int, beyond);
        View v(9, 9);
        v.zoomBy(toLimit);
        const int level = v.w().zoomLevel;
        const QSize size = v.grid()->size();
        v.grid()->canvas()->fillRect(5, 5, 6, 6, QColor(255, 0, 255)); // a repaint would cover it
        v.zoomBy(beyond);
        QCOMPARE(v.w().zoomLevel, level);
        QCOMPARE(v.grid()->size(), size);
        QVERIFY(pixels::same(v.grid()->image().pixel(5, 5), QColor(255, 0, 255)));
    }

    void fullRepaintShowsThePlayersWork()
    {
        View v(5, 5);
        const QColor pen(20, 20, 240), grey(150, 150, 150);
        v.put(1, 1, 5);
        v.board.pencilEntries[std::size_t(v.board.cellIndex(2, 1))] = 6;
        v.perform("mark:1,2");
        v.w().selCol = 3;
        v.w().selRow = 1;
        v.zoomBy(1);
        const int cs = v.cellSize();
        const QImage &image = v.grid()->image();
        QVERIFY(pixels::countColour(image, pixels::digitBox(1, 1, cs), pen) > 0);
        // The pencilled cell shows its grey digit; the solution digit paintBoard put there is gone.
        QVERIFY(pixels::countColour(image, pixels::digitBox(2, 1, cs), grey) > 0);
        QCOMPARE(pixels::countColour(image, pixels::digitBox(2, 1, cs), Qt::black), 0);
        QVERIFY(pixels::countColour(image, QRect(2 * cs - 7, 2 * cs + 2, 6, 6), QColor(200, 20, 20)) > 0);
        // No selection frame after a zoom.
        QCOMPARE(pixels::countColour(image, QRect(3 * cs + 3, cs + 3, cs - 6, 1), grey), 0);
        // Sums take the smaller tally font: compare the down sum above column 1 with the pen digit.
        const int sumHeight = pixels::inkBounds(image, Qt::black, modGDI::sumRect(1, 0, cs, modGDI::Down)).height();
        QVERIFY(sumHeight > 0);
        QVERIFY(sumHeight < pixels::inkBounds(image, Qt::white, pixels::digitBox(1, 1, cs)).height());
    }

    void fixedWindowWithTheKeysOnTheBoard()
    {
        View v(4, 4);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(v.grid()));
        v.w().resize(500, 300);
        v.w().showMinimized();
        v.w().showNormal();
        QCOMPARE(v.w().size(), QSize(windowWidthPx, windowHeightPx));
    }

    void controlsSitInTheClientArea_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::newRow("hidden, as at window load") << false;
        QTest::newRow("shown") << true;
    }
    void controlsSitInTheClientArea()
    {
        QFETCH(bool, shown);
        View v(20, 20, shown);
        QWidget *client = v.w().centralWidget();
        QScrollBar *vBar = v.bar(true), *hBar = v.bar(false);
        const QList<QWidget *> around{v.toolbar(), v.numberBar(), vBar, hBar};
        for (QWidget *child : around)
            QCOMPARE(child->parentWidget(), client);
        QCOMPARE(client->height(), windowHeightPx - v.w().menuBar()->height());
        const QPoint corner(v.numberBar()->width(), v.toolbar()->height());
        QCOMPARE(v.numberBar()->pos(), QPoint(0, corner.y()));
        QVERIFY(!vBar->isHidden() && !hBar->isHidden());
        QCOMPARE(vBar->pos(), QPoint(windowWidthPx - (vBar->width() + 5), corner.y()));
        QCOMPARE(hBar->pos(), QPoint(corner.x(), windowHeightPx - (vBar->width() + 55)));
        QCOMPARE(v.pictureAt(), corner);
        // The picture shows only through its view, never over the toolbars or the scroll bars.
        QWidget *view = v.grid()->parentWidget();
        const QRect viewRect(view->mapTo(client, QPoint(0, 0)), view->size());
        for (QWidget *other : around)
            QVERIFY(!viewRect.intersects(other->geometry()));
        QCOMPARE(viewRect, QRect(corner, QPoint(vBar->x() - 1, hBar->y() - 1)));
    }

    void scrollBarShownOnlyWhenThePictureIsLarger_data()
    {
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<int>("overhang"); // picture size minus view size
        QTest::newRow("exactly as high as the view") << true << 0;
        QTest::newRow("one pixel higher") << true << 1;
        QTest::newRow("one pixel lower") << true << -1;
        QTest::newRow("exactly as wide as the view") << false << 0;
        QTest::newRow("one pixel wider") << false << 1;
    }
    void scrollBarShownOnlyWhenThePictureIsLarger()
    {
        QFETCH(bool, vertical);
        QFETCH(int, overhang);
        View v(9, 9); // 351 x 351 at step 3
        // The toolbars are measured at run time: size one so that the view is 351 - overhang.
        const int view = 351 - overhang;
        if (vertical)
            v.toolbar()->setFixedHeight(windowHeightPx - v.bar(false)->sizeHint().height() - 50 - view);
        else
            v.numberBar()->setFixedWidth(windowWidthPx - v.bar(true)->sizeHint().width() - 20 - view);
        v.w().resizeToZoom();
        QCOMPARE(!v.bar(vertical)->isHidden(), overhang > 0);
        QCOMPARE(v.bar(vertical)->maximum(), overhang - 1 + 20);
        QVERIFY(v.bar(!vertical)->isHidden());
    }

    void draggingTheThumbMovesThePicture_data()
    {
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<bool>("tracking");
        QTest::newRow("vertical") << true << true;
        QTest::newRow("horizontal") << false << true;
        QTest::newRow("vertical, value set only on release") << true << false;
        QTest::newRow("horizontal, value set only on release") << false << false;
    }
    void draggingTheThumbMovesThePicture()
    {
        QFETCH(bool, vertical);
        QFETCH(bool, tracking);
        View v(20, 20);
        QScrollBar *bar = v.bar(vertical);
        bar->setTracking(tracking);
        const QPoint origin = v.pictureAt(), step = vertical ? QPoint(0, 15) : QPoint(15, 0);
        const auto shifted = [&](int by) { return origin - (vertical ? QPoint(0, by) : QPoint(by, 0)); };
        QPoint at = thumbOf(bar).center();
        QTest::mousePress(bar, Qt::LeftButton, {}, at);
        for (int k = 1; k <= 3; ++k) {
            QTest::mouseMove(bar, at += step);
            QVERIFY(bar->sliderPosition() > 0);
            QCOMPARE(v.pictureAt(), shifted(bar->sliderPosition())); // before the button is released
        }
        QTest::mouseRelease(bar, Qt::LeftButton, {}, at);
        QCOMPARE(v.pictureAt(), shifted(bar->value()));
    }

    void clickingTheTrackMovesOneCell()
    {
        View v(20, 20);
        const QRect thumb = thumbOf(v.bar(true));
        QTest::mouseClick(v.bar(true), Qt::LeftButton, {}, QPoint(thumb.center().x(), thumb.bottom() + 5));
        QCOMPARE(v.bar(true)->value(), v.cellSize());
        QCOMPARE(v.pictureAt().y(), v.toolbar()->height() - v.cellSize());
    }

    void zoomKeepsPictureAndScrollBarsAgreed()
    {
        View v(30, 12);
        v.zoomBy(3); // step 6: 21 x 13 cells of 50
        QScrollBar *vBar = v.bar(true);
        vBar->setValue(vBar->maximum());
        v.bar(false)->setValue(100);
        v.zoomBy(-1); // the vertical range shrinks below the value, the horizontal one does not
        QCOMPARE(vBar->value(), vBar->maximum());
        QCOMPARE(v.bar(false)->value(), 100);
        QCOMPARE(v.pictureAt(), QPoint(v.numberBar()->width() - 100, v.toolbar()->height() - vBar->value()));
        v.zoomBy(-4); // step 1: 13 rows of 25 fit, the columns do not
        QVERIFY(vBar->isHidden());
        QCOMPARE(vBar->value(), 0); // a hidden bar leaves nothing of the picture out of reach
        QCOMPARE(v.pictureAt().y(), v.toolbar()->height());
    }
};

QTEST_MAIN(TestBoardView)
#include "test_board_view.moc"
