// The board picture in the real main window: its size per zoom step, the zoom commands, the
// scroll bars and the fixed window, driven with keys and the mouse.
#include "game/frm_tav_mn.h"
#include "pixels.h"
#include "support/board_fixture.h"
#include "view/board_layout.h"
#include "view/board_picture.h"

#include <QApplication>
#include <QMenuBar>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <memory>

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

struct Window {
    QTemporaryDir dir;
    modData::Board board;
    modReg::Settings settings;
    std::unique_ptr<frmTavMn> w;

    explicit Window(const QStringList &rows, bool shown = true)
    {
        fixture::loadBoard(board, rows);
        w = std::make_unique<frmTavMn>(board, settings, dir.path());
        w->formLoad();
        if (shown) {
            w->show();
            w->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(w.get()));
        }
    }
    template <typename T> T *find(const char *name) { return w->findChild<T *>(QString::fromLatin1(name)); }
    QScrollBar *vBar() { return find<QScrollBar>("VScroll1"); }
    QScrollBar *hBar() { return find<QScrollBar>("HScroll1"); }
    BoardPicture *picture() { return find<BoardPicture>("pbGrid"); }
    QToolBar *toolbar() { return find<QToolBar>("tb"); }
    QToolBar *numberBar() { return find<QToolBar>("tbNumButns"); }
    QWidget *central() { return w->centralWidget(); }
    QPoint pictureInClient() { return picture()->mapTo(central(), QPoint(0, 0)); }
    // Types the zoom shortcuts where keys go: to the widget with the focus.
    void zoomBy(int steps)
    {
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : w.get();
        for (; steps > 0; --steps)
            QTest::keyClick(target, Qt::Key_Z, Qt::ControlModifier);
        for (; steps < 0; ++steps)
            QTest::keyClick(target, Qt::Key_O, Qt::ControlModifier);
    }
};

QRect thumbOf(QScrollBar *bar)
{
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.subControls = QStyle::SC_All;
    opt.orientation = bar->orientation();
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.sliderPosition = bar->sliderPosition();
    opt.sliderValue = bar->value();
    opt.singleStep = bar->singleStep();
    opt.pageStep = bar->pageStep();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSlider, bar);
}

} // namespace

class TestBoardView : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { modGDI::createDrawingTools(Qt::white, Qt::black, 1); }

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
        Window win(gridOf(grid.width(), grid.height()));
        win.zoomBy(steps);
        QCOMPARE(win.w->zoomLevel, 3 + steps);
        QCOMPARE(win.picture()->size(), picture);
        QCOMPARE(win.picture()->image().size(), picture);
        QVERIFY(qFuzzyCompare(win.w->getZoomFontSizeTally(), tally));
        QCOMPARE(win.w->canvas.hdc->font().pointSizeF(), double(win.w->getZoomFontSizeSolution()));
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
        Window win(gridOf(9, 9));
        win.zoomBy(toLimit);
        const int level = win.w->zoomLevel;
        const QSize size = win.picture()->size();
        GdiCanvas &dc = *win.picture()->canvas();
        dc.fillRect(5, 5, 6, 6, QColor(255, 0, 255)); // a repaint would cover it
        win.zoomBy(beyond);
        QCOMPARE(win.w->zoomLevel, level);
        QCOMPARE(win.picture()->size(), size);
        QVERIFY(pixels::same(win.picture()->image().pixel(5, 5), QColor(255, 0, 255)));
    }

    void fullRepaintShowsThePlayersWork()
    {
        Window win(gridOf(5, 5));
        modData::Board &b = win.board;
        const auto pen = std::size_t(b.cellIndex(1, 1));
        const auto pencil = std::size_t(b.cellIndex(2, 1));
        b.penEntries[pen] = 5;
        b.pencilEntries[pencil] = 6;
        b.errorMarks[std::size_t(b.cellIndex(1, 2))] = 1;
        win.w->selCol = 3;
        win.w->selRow = 1;
        win.zoomBy(1);
        const int cs = win.w->canvas.cellSize;
        const QImage &image = win.picture()->image();
        const auto cell = [cs](int col, int row) { return QRect(col * cs + 3, row * cs + 3, cs - 6, cs - 6); };
        QVERIFY(pixels::countColour(image, cell(1, 1), QColor(20, 20, 240)) > 0);
        // The pencilled cell shows its grey digit; the solution digit paintBoard put there is gone.
        QVERIFY(pixels::countColour(image, cell(2, 1), QColor(150, 150, 150)) > 0);
        QCOMPARE(pixels::countColour(image, cell(2, 1), Qt::black), 0);
        QVERIFY(pixels::countColour(image, QRect(2 * cs - 7, 2 * cs + 2, 6, 6), QColor(200, 20, 20)) > 0);
        // No selection frame after a zoom.
        QCOMPARE(pixels::countColour(image, QRect(3 * cs + 3, cs + 3, cs - 6, 1), QColor(150, 150, 150)), 0);
        // Sums take the smaller tally font: compare the down sum above column 1 with the pen digit.
        const auto heightOf = [&](const QRect &area, const QColor &colour) {
            return pixels::boundsWhere(image, area, [&](QRgb p) { return pixels::same(p, colour); }).height();
        };
        QVERIFY(heightOf(modGDI::sumRect(1, 0, cs, modGDI::Down), Qt::white) > 0);
        QVERIFY(heightOf(modGDI::sumRect(1, 0, cs, modGDI::Down), Qt::white) < heightOf(cell(1, 1), QColor(20, 20, 240)));
    }

    void fixedWindowWithTheKeysOnTheBoard()
    {
        Window win(gridOf(4, 4));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(win.picture()));
        win.w->resize(500, 300);
        win.w->showMinimized();
        win.w->showNormal();
        QCOMPARE(win.w->size(), QSize(windowWidthPx, windowHeightPx));
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
        Window win(gridOf(20, 20), shown);
        QWidget *client = win.central();
        QScrollBar *v = win.vBar();
        QScrollBar *h = win.hBar();
        const QList<QWidget *> around{win.toolbar(), win.numberBar(), v, h};
        for (QWidget *child : around)
            QCOMPARE(child->parentWidget(), client);
        QCOMPARE(client->height(), windowHeightPx - win.w->menuBar()->height());
        const int tbHeight = win.toolbar()->height();
        const int numWidth = win.numberBar()->width();
        QCOMPARE(win.numberBar()->pos(), QPoint(0, tbHeight));
        QVERIFY(!v->isHidden() && !h->isHidden());
        QCOMPARE(v->pos(), QPoint(windowWidthPx - (v->width() + 5), tbHeight));
        QCOMPARE(h->pos(), QPoint(numWidth, windowHeightPx - (v->width() + 55)));
        QCOMPARE(win.pictureInClient(), QPoint(numWidth, tbHeight));
        // The picture shows only through its view, never over the toolbars or the scroll bars.
        QWidget *view = win.picture()->parentWidget();
        const QRect viewRect(view->mapTo(client, QPoint(0, 0)), view->size());
        for (QWidget *other : around)
            QVERIFY(!viewRect.intersects(other->geometry()));
        QCOMPARE(viewRect, QRect(QPoint(numWidth, tbHeight), QPoint(v->x() - 1, h->y() - 1)));
    }

    void scrollBarShownOnlyWhenThePictureIsLarger_data()
    {
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<int>("overhang"); // picture size minus view size
        QTest::addColumn<bool>("shown");
        QTest::newRow("exactly as high as the view") << true << 0 << false;
        QTest::newRow("one pixel higher") << true << 1 << true;
        QTest::newRow("one pixel lower") << true << -1 << false;
        QTest::newRow("exactly as wide as the view") << false << 0 << false;
        QTest::newRow("one pixel wider") << false << 1 << true;
    }
    void scrollBarShownOnlyWhenThePictureIsLarger()
    {
        QFETCH(bool, vertical);
        QFETCH(int, overhang);
        QFETCH(bool, shown);
        Window win(gridOf(9, 9)); // 351 x 351 at step 3
        // The toolbars are measured at run time: size one so that the view is 351 - overhang.
        const int view = 351 - overhang;
        if (vertical)
            win.toolbar()->setFixedHeight(windowHeightPx - win.hBar()->sizeHint().height() - 50 - view);
        else
            win.numberBar()->setFixedWidth(windowWidthPx - win.vBar()->sizeHint().width() - 20 - view);
        win.w->resizeToZoom();
        QScrollBar *bar = vertical ? win.vBar() : win.hBar();
        QCOMPARE(!bar->isHidden(), shown);
        QCOMPARE(bar->maximum(), overhang - 1 + 20);
        QScrollBar *other = vertical ? win.hBar() : win.vBar();
        QVERIFY(other->isHidden());
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
        Window win(gridOf(20, 20));
        QScrollBar *bar = vertical ? win.vBar() : win.hBar();
        bar->setTracking(tracking);
        const QPoint start = thumbOf(bar).center();
        const QPoint client0 = win.pictureInClient();
        QTest::mousePress(bar, Qt::LeftButton, {}, start);
        QPoint at = start;
        for (int k = 1; k <= 3; ++k) {
            at += vertical ? QPoint(0, 15) : QPoint(15, 0);
            QTest::mouseMove(bar, at);
            QVERIFY(bar->sliderPosition() > 0);
            const QPoint expected = vertical ? client0 - QPoint(0, bar->sliderPosition())
                                             : client0 - QPoint(bar->sliderPosition(), 0);
            QCOMPARE(win.pictureInClient(), expected); // before the button is released
        }
        QTest::mouseRelease(bar, Qt::LeftButton, {}, at);
        QCOMPARE(win.pictureInClient(), vertical ? client0 - QPoint(0, bar->value()) : client0 - QPoint(bar->value(), 0));
    }

    void clickingTheTrackMovesOneCell()
    {
        Window win(gridOf(20, 20));
        QScrollBar *bar = win.vBar();
        const QRect thumb = thumbOf(bar);
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(thumb.center().x(), thumb.bottom() + 5));
        QCOMPARE(bar->value(), win.w->canvas.cellSize);
        QCOMPARE(win.pictureInClient().y(), win.toolbar()->height() - win.w->canvas.cellSize);
    }

    void zoomKeepsPictureAndScrollBarsAgreed()
    {
        Window win(gridOf(30, 12));
        win.zoomBy(3); // step 6: 21 x 13 cells of 50
        QScrollBar *v = win.vBar();
        QScrollBar *h = win.hBar();
        v->setValue(v->maximum());
        h->setValue(100);
        win.zoomBy(-1); // the vertical range shrinks below the value, the horizontal one does not
        QCOMPARE(v->value(), v->maximum());
        QCOMPARE(h->value(), 100);
        QCOMPARE(win.pictureInClient(),
                 QPoint(win.numberBar()->width() - 100, win.toolbar()->height() - v->value()));
        win.zoomBy(-4); // step 1: 13 rows of 25 fit, the columns do not
        QVERIFY(v->isHidden());
        QCOMPARE(v->value(), 0); // a hidden bar leaves nothing of the picture out of reach
        QCOMPARE(win.pictureInClient().y(), win.toolbar()->height());
    }
};

QTEST_MAIN(TestBoardView)
#include "test_board_view.moc"
