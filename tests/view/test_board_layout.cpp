// Where the board's picture and scroll bars go: the layout rule alone, and on the window.
#include "support/window_harness.h"
#include "view/board_layout.h"

#include <QScrollBar>

class TestBoardLayout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A bar shows exactly when the picture is larger than the view; at its maximum the picture's
    // last pixel touches the view's edge.
    void boardLayout_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<bool>("vBar");
        QTest::addColumn<bool>("hBar");
        QTest::newRow("fits exactly") << QSize(400, 300) << false << false;
        QTest::newRow("one pixel too wide") << QSize(401, 283) << false << true;
        QTest::newRow("one pixel too tall") << QSize(383, 301) << true << false;
        QTest::newRow("the horizontal bar makes the vertical one needed") << QSize(401, 290) << true << true;
        QTest::newRow("the vertical bar makes the horizontal one needed") << QSize(390, 301) << true << true;
    }
    void boardLayout()
    {
        QFETCH(QSize, picture);
        const QSize space(400, 300);
        const int bar = 17;
        const view::BoardLayout g = view::computeBoardLayout(space, picture, bar, bar);
        QTEST(g.vScrollVisible, "vBar");
        QTEST(g.hScrollVisible, "hBar");
        QCOMPARE(g.view.width() + (g.vScrollVisible ? bar : 0), space.width());
        QCOMPARE(g.view.height() + (g.hScrollVisible ? bar : 0), space.height());
        QVERIFY(g.vScroll.left() == g.view.right() + 1 && g.hScroll.top() == g.view.bottom() + 1);
        QCOMPARE(g.view.height() + g.vScrollMax, g.vScrollVisible ? picture.height() : g.view.height());
        QCOMPARE(g.view.width() + g.hScrollMax, g.hScrollVisible ? picture.width() : g.view.width());
    }

    // The fit takes the largest step whose picture fits the space, an exact fit included, and
    // the smallest when none fits.
    void fittingZoom_data()
    {
        QTest::addColumn<QSize>("space");
        QTest::addColumn<QSize>("cells");
        QTest::addColumn<int>("zoom");
        QTest::newRow("exact fit at step 4") << QSize(401, 401) << QSize(9, 9) << 4;
        QTest::newRow("a pixel short takes the step below") << QSize(400, 401) << QSize(9, 9) << 3;
        QTest::newRow("the height alone limits") << QSize(2000, 401) << QSize(9, 9) << 4;
        QTest::newRow("none fits: the smallest step scrolls") << QSize(300, 300) << QSize(30, 30) << 1;
        QTest::newRow("everything fits: the largest step") << QSize(2000, 2000) << QSize(3, 3) << 10;
    }
    void fittingZoom()
    {
        QFETCH(QSize, space);
        QFETCH(QSize, cells);
        QTEST(view::fittingZoom(space, cells, view::BoardView::kMinZoom, view::BoardView::kMaxZoom), "zoom");
    }

    // On the window: a board as high as zoom step 10 allows shows no vertical bar, and the
    // horizontal bar sits on the window's bottom edge.
    void boardReachesTheWindowsBottom()
    {
        WindowHarness w({{"# # # # # # # # # # # #", "# 1 2 3 4 5 # 1 2 3 4 5", "# 2 3 4 5 6 # 2 3 4 5 6",
                          "# 3 4 5 6 7 # 3 4 5 6 7", "# 4 5 6 7 8 # 4 5 6 7 8"}});
        while (w.board()->zoomLevel() < view::BoardView::kMaxZoom)
            w.act("MNU_ZOOMIN")->trigger();
        auto *hBar = w.find<QScrollBar>("HScroll1");
        QVERIFY(!w.find<QScrollBar>("VScroll1")->isVisible() && hBar->isVisible());
        QCOMPARE(hBar->mapTo(w.window.get(), QPoint(0, hBar->height())).y(), w.window->height());
        QCOMPARE(hBar->maximum(), w.picture()->width() - w.picture()->parentWidget()->width());
    }

    // A size forced on the window from outside (a window manager, xdotool) is put back: the
    // limits alone do not, as Qt skips setting limits that stand as they are.
    void forcedSizeIsPutBack()
    {
        WindowHarness w({fixture::smallPuzzle()});
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        w.window->windowHandle()->resize(1000, 800);
        QCoreApplication::processEvents(); // the window system's resize reaches the window
        QCOMPARE(w.window->size(), QSize(view::windowWidthPx, view::windowHeightPx));
    }

    // Fit Board to Window: the window can grow and the board grows with it; a zoom by hand holds
    // until the next resize; size and zoom are stored while on. Off again, the one size and zoom.
    void fitBoardToWindow()
    {
        WindowHarness w({{"# # # # # # # # # # # #", "# 1 2 3 4 5 # 1 2 3 4 5", "# 2 3 4 5 6 # 2 3 4 5 6",
                          "# 3 4 5 6 7 # 3 4 5 6 7", "# 4 5 6 7 8 # 4 5 6 7 8"}});
        QCOMPARE(w.window->maximumSize(), w.window->minimumSize());
        w.act("MNU_FIT")->trigger();
        w.window->resize(1000, 900);
        QTRY_COMPARE(w.board()->zoomLevel(), view::BoardView::kMaxZoom);
        w.act("MNU_ZOOMOUT")->trigger();
        w.window->resize(400 + 175, 300 + 130);
        QTRY_VERIFY(w.board()->zoomLevel() < view::BoardView::kMaxZoom - 1);
        const int fitted = w.board()->zoomLevel();
        QVERIFY(w.picture()->width() <= w.board()->width() && w.picture()->height() <= w.board()->height());
        const QSize larger = view::pictureSizeAt({12, 5}, fitted + 1);
        QVERIFY(larger.height() > w.board()->height() || larger.width() > w.board()->width());
        w.window->close();
        store::Settings stored;
        QVERIFY(store::loadSettings(stored, 1));
        QVERIFY(stored.fitWindow && stored.windowPlace);
        QCOMPARE(stored.windowPlace->zoomLevel, fitted);
        QCOMPARE(QSize(stored.windowPlace->width, stored.windowPlace->height), w.window->size());

        w.window->show();
        w.act("MNU_FIT")->trigger();
        QCOMPARE(w.window->size(), QSize(view::windowWidthPx, view::windowHeightPx));
        QCOMPARE(w.window->maximumSize(), w.window->minimumSize());
        QCOMPARE(w.board()->zoomLevel(), view::BoardView::kDefaultZoom);
    }
};

QTEST_MAIN(TestBoardLayout)
#include "test_board_layout.moc"
