// The hint on screen: Show Hint selects the hint's cell and scrolls its lit cells into view, the
// panel that tells it leaves them uncovered, and its Apply button applies it.
#include "support/window_harness.h"
#include "view/hint_panel.h"

#include <QPushButton>

namespace {

// 30 columns of across runs 1 + 2 on every other row, filled but for the last cell.
QStringList wideBoard()
{
    QStringList rows;
    for (int r = 0; r < 12; ++r)
        rows << (r % 2 == 0 ? QStringLiteral("# ").repeated(30) : QStringLiteral("1 2 # ").repeated(10));
    return rows;
}

} // namespace

class TestHintPanel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void hintOffScreenIsBroughtIntoView()
    {
        WindowHarness w({wideBoard()});
        QVERIFY(w.windowActive);
        const kakuro::Puzzle &p = w.game.puzzle();
        const int last = p.entryCellCount() - 1;
        for (int i = 0; i < last; ++i)
            w.game.write(p.colOf(i), p.rowOf(i), p.solution(i));
        QVERIFY(w.board()->cellsOnScreen({last}).isEmpty()); // off screen before the hint

        QTest::keyClick(w.picture(), Qt::Key_H, Qt::ControlModifier);
        auto *panel = w.find<view::HintPanel>("frmHint");
        QVERIFY(panel->isVisible());
        QVERIFY(panel->text().endsWith("so that cell is 2.")); // the sentence itself is test_hint's
        QCOMPARE(QPoint(w.board()->selectedCol(), w.board()->selectedRow()),
                 QPoint(p.colOf(last), p.rowOf(last)));
        const QRect lit = w.board()->cellsOnScreen({last - 1, last});
        QCOMPARE(lit.size(), QSize(2 * w.board()->cellSize() + 1, w.board()->cellSize() + 1));
        QVERIFY(!panel->frameGeometry().intersects(lit));

        QTest::mouseClick(panel->findChild<QPushButton *>("cmdApplyHint"), Qt::LeftButton);
        QCOMPARE(w.game.entries().pen(last), 2);
        QVERIFY(!panel->isVisible());
    }

    // Beside a window at (100, 100) 400 x 300 where the screen has room, else over it clear of the lit
    // cells.
    void placement_data()
    {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("lit");
        QTest::addColumn<QPoint>("place");
        QTest::newRow("right of the window")
            << QRect(0, 0, 1000, 800) << QRect(450, 350, 40, 40) << QPoint(508, 100);
        QTest::newRow("over it, off the lit corner")
            << QRect(0, 0, 500, 400) << QRect(450, 350, 40, 40) << QPoint(100, 300);
    }
    void placement()
    {
        QFETCH(QRect, screen);
        QFETCH(QRect, lit);
        QTEST(view::hintPanelPlace(QSize(200, 100), QRect(100, 100, 400, 300), lit, screen), "place");
    }
};

QTEST_MAIN(TestHintPanel)
#include "test_hint_panel.moc"
