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
        QTest::newRow("largest board at zoom step 10") << QSize(31 * 70 + 1, 31 * 70 + 1) << true << true;
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
};

QTEST_MAIN(TestBoardLayout)
#include "test_board_layout.moc"
