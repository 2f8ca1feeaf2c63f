// Hostile text typed or pasted on the real widgets of the score dialog's name box txtName and
// the print dialog's fields: 10,000 characters, control characters, NUL, and sizes of 0, below 0
// and beyond 16 bits. The puzzle number box has its own table among the game flow tests.
#include "../print/page_probe.h"
#include "print/page_target.h"
#include "print/print_dialog.h"
#include "store/score_dialogs.h"
#include "support/window_harness.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

template <typename T> T *child(QWidget &parent, const char *name)
{
    T *w = parent.findChild<T *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no control named %s", name);
    return w;
}

} // namespace

class TestHostileText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The name box keeps at most 25 characters; the name is recorded trimmed, shown, and comes
    // back from the store after a restart (up to a NUL, as every stored name).
    void nameBox_data()
    {
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("recorded");
        QTest::addColumn<QString>("afterRestart");
        const QString x25(25, QLatin1Char('x'));
        QTest::newRow("10,000 characters typed") << false << QString(10000, u'x') << x25 << x25;
        QTest::newRow("10,000 characters pasted") << true << QString(10000, u'x') << x25 << x25;
        const QString controls = QString::fromUtf16(u"Ann\u0001\u0007\u001b[31mLee\u007f");
        QTest::newRow("control characters") << true << controls << controls << controls;
        QTest::newRow("tab and line break around") << true << QStringLiteral("\tAnn Lee\r\n") << "Ann Lee"
                                                   << "Ann Lee";
        const QString nul = QString::fromUtf16(u"Al\u0000Bo", 5);
        QTest::newRow("NUL inside") << true << nul << nul << "Al";
        QTest::newRow("right-to-left override")
            << true << QString::fromUtf16(u"\u202Eeel nnA") << QString::fromUtf16(u"\u202Eeel nnA")
            << QString::fromUtf16(u"\u202Eeel nnA");
    }
    void nameBox()
    {
        QFETCH(bool, pasted);
        QFETCH(QString, text);
        QFETCH(QString, recorded);
        QFETCH(QString, afterRestart);
        WindowHarness h(numberedBook(3), 0, 1, false);
        h.w().secondsPlayed = 42;
        frmScoreInput dialog(h.w());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        enterText(child<QLineEdit>(dialog, "txtName"), text, pasted);
        QTest::mouseClick(child<QPushButton>(dialog, "OKButton"), Qt::LeftButton);
        QCOMPARE(h.dialogs, QStringList{QStringLiteral("diagStats")});
        QCOMPARE(h.settings.puzzleStats[1].bestNames[1], recorded);
        QCOMPARE(h.settings.puzzleStats[1].bestTimes[1], 42);

        modReg::saveSettings(h.board, h.settings);
        modData::Board board;
        board.puzzleCount = h.board.puzzleCount;
        modReg::Settings settings;
        modReg::loadSettings(board, settings);
        QCOMPARE(settings.puzzleStats[1].bestNames[1], afterRestart);
        QVERIFY(h.messages.isEmpty());
    }

    // Sizes of 0, below 0 and beyond 16 bits (65548 would be 12 if cut to 16 bits), and text of
    // 10,000 characters: a size the page cannot take is refused before anything is printed and
    // its field gets the focus; anything else prints.
    void printFields_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("refusal"); // part of the message, or empty when it prints
        const QList<QPair<const char *, const char *>> sizes = {
            {"cmbFontSoluSize", "answer digits"},
            {"cmbFontTallySize", "sums"},
            {"cmbCopyrightFontSize", "Copyright Font Size"},
            {"txtNumOfPixels", "Cell Size"},
            {"cmbLineSize", "Line Size"}};
        for (const auto &[field, named] : sizes) {
            const bool line = qstrcmp(field, "cmbLineSize") == 0;
            QTest::addRow("%s 0", field) << field << "0" << (line ? "" : named); // a line of 0 is thinnest
            QTest::addRow("%s -5", field) << field << "-5" << named;
            QTest::addRow("%s -32769", field) << field << "-32769" << named;
            QTest::addRow("%s 65548", field) << field << "65548" << named;
            QTest::addRow("%s 10,000 digits", field) << field << QString(10000, u'9') << named;
            QTest::addRow("%s control character first", field)
                << field << QString::fromUtf16(u"\u00012") << (line ? "" : named);
        }
        QTest::newRow("footer of 10,000 characters") << "txtCopyRight" << QString(10000, u'W') << "";
        QTest::newRow("footer with control characters")
            << "txtCopyRight" << QString::fromUtf16(u"\u0001(c)\t\u001b[1m\u0000Norvane\r\n") << "";
        QTest::newRow("size 8 with control characters after")
            << "cmbCopyrightFontSize" << QString::fromUtf16(u"8\u0007\u0008") << "";
    }
    void printFields()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, refusal);
        WindowHarness h(numberedBook(2), 0, 1, false);
        QImage page = probe::blankPage(QSize(1400, 1800)); // what the printer printed
        modPrint::setPrinterProvider([&page] { return std::make_unique<modPrint::DevicePageTarget>(page); });
        frmPrinterDialog dialog(h.w());
        dialog.show();
        QWidget *edit = child<QWidget>(dialog, qPrintable(field));
        enterText(edit, text, true);
        QTest::mouseClick(child<QPushButton>(dialog, "cmdPrint"), Qt::LeftButton);
        modPrint::setPrinterProvider({});
        const bool printed = page != probe::blankPage(page.size());
        if (refusal.isEmpty()) {
            QVERIFY2(h.messages.isEmpty(), qPrintable(h.messageLog().join(QLatin1Char('\n'))));
            QVERIFY(printed);
            QVERIFY(!dialog.isVisible());
        } else {
            QCOMPARE(h.messages.size(), 1);
            QVERIFY2(h.messages[0].text.contains(refusal), qPrintable(h.messages[0].text));
            QVERIFY(!printed);
            QVERIFY(dialog.isVisible());
            QCOMPARE(dialog.focusWidget(), edit);
        }
    }
};

QTEST_MAIN(TestHostileText)
#include "test_hostile_text.moc"
