// Hostile text in the three kinds of text box, typed or pasted on the real widgets: the puzzle
// number box txtGN, the score dialog's name box txtName and the print dialog's fields. Text of
// 10,000 characters, control characters, NUL, and sizes of 0, below 0 and beyond 16 bits.
#include "game_window_fixture.h"

#include "../print/page_probe.h"
#include "print/page_target.h"
#include "print/print_dialog.h"
#include "store/score_dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using gamefixture::GameWindow;
using gamefixture::numberedBook;
using gamefixture::openPuzzle;

namespace {

QString tenThousand(QChar c)
{
    return QString(10000, c);
}

// Replaces what `field` holds by typing `text` on it, or by pasting it with the keyboard when
// `pasted` (which lets control characters and NUL reach the box).
void enter(QWidget *field, const QString &text, bool pasted)
{
    if (auto *list = qobject_cast<QComboBox *>(field))
        field = list->lineEdit();
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    if (pasted) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    } else {
        QTest::keyClicks(field, text);
    }
}

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
    // Enter in the number box opens the puzzle the text starts with, after asking, or puts the
    // open puzzle's number back.
    void numberBox_data()
    {
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("opened"); // 5, the open puzzle, when the text is refused unasked
        QTest::newRow("10,000 digits typed") << false << tenThousand(u'9') << 5;
        QTest::newRow("10,000 letters pasted") << true << tenThousand(u'x') << 5;
        QTest::newRow("7 after 10,000 blanks") << true << tenThousand(u' ') + "7" << 7;
        QTest::newRow("7 and 10,000 zeros of fraction") << true << "7." + tenThousand(u'0') << 7;
        QTest::newRow("control character first") << true << QString::fromUtf16(u"\u00017") << 5;
        QTest::newRow("control characters after") << true << QString::fromUtf16(u"7\u0001\u001b[2J") << 7;
        QTest::newRow("tab and line break around") << true << QStringLiteral("\t12\r\n") << 12;
        QTest::newRow("NUL first") << true << QString::fromUtf16(u"\u00007", 2) << 5;
        QTest::newRow("NUL after") << true << QString::fromUtf16(u"3\u00009", 3) << 3;
    }
    void numberBox()
    {
        QFETCH(bool, pasted);
        QFETCH(QString, text);
        QFETCH(int, opened);
        GameWindow g(numberedBook(15), 5);
        g.answers = {QMessageBox::Yes};
        auto *box = child<QLineEdit>(g.window(), "txtGN");
        enter(box, text, pasted);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(g.messages.size(), opened == 5 ? 0 : 1);
        QCOMPARE(g.board.lastPlayed[1], opened);
        QCOMPARE(openPuzzle(g.board), opened);
        QCOMPARE(box->text(), QString::number(opened));
    }

    // The name box keeps at most 25 characters; the name is recorded trimmed, shown, and comes
    // back from the store after a restart (up to a NUL, as every stored name).
    void nameBox_data()
    {
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("recorded");
        QTest::addColumn<QString>("afterRestart");
        const QString x25(25, QLatin1Char('x'));
        QTest::newRow("10,000 characters typed") << false << tenThousand(u'x') << x25 << x25;
        QTest::newRow("10,000 characters pasted") << true << tenThousand(u'x') << x25 << x25;
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
        GameWindow g(numberedBook(3), 1);
        g.window().secondsPlayed = 42;
        frmScoreInput dialog(g.window());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        enter(child<QLineEdit>(dialog, "txtName"), text, pasted);
        QTest::mouseClick(child<QPushButton>(dialog, "OKButton"), Qt::LeftButton);
        QCOMPARE(g.dialogs, QStringList{QStringLiteral("diagStats")});
        QCOMPARE(g.settings.puzzleStats[1].bestNames[1], recorded);
        QCOMPARE(g.settings.puzzleStats[1].bestTimes[1], 42);

        modReg::saveSettings(g.board, g.settings);
        modData::Board board;
        board.puzzleCount = g.board.puzzleCount;
        modReg::Settings settings;
        modReg::loadSettings(board, settings);
        QCOMPARE(settings.puzzleStats[1].bestNames[1], afterRestart);
        QVERIFY(g.messages.isEmpty());
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
            QTest::addRow("%s 10,000 digits", field) << field << tenThousand(u'9') << named;
            QTest::addRow("%s control character first", field)
                << field << QString::fromUtf16(u"\u00012") << (line ? "" : named);
        }
        QTest::newRow("footer of 10,000 characters") << "txtCopyRight" << tenThousand(u'W') << "";
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
        GameWindow g(numberedBook(2), 1);
        QImage page = probe::blankPage(QSize(1400, 1800)); // what the printer printed
        modPrint::setPrinterProvider([&page] { return std::make_unique<modPrint::DevicePageTarget>(page); });
        frmPrinterDialog dialog(g.window());
        dialog.show();
        QWidget *edit = child<QWidget>(dialog, qPrintable(field));
        enter(edit, text, true);
        QTest::mouseClick(child<QPushButton>(dialog, "cmdPrint"), Qt::LeftButton);
        modPrint::setPrinterProvider({});
        const bool printed = page != probe::blankPage(page.size());
        if (refusal.isEmpty()) {
            QVERIFY2(g.messages.isEmpty(), qPrintable(g.messageLog().join(QLatin1Char('\n'))));
            QVERIFY(printed);
            QVERIFY(!dialog.isVisible());
        } else {
            QCOMPARE(g.messages.size(), 1);
            QVERIFY2(g.messages[0].text.contains(refusal), qPrintable(g.messages[0].text));
            QVERIFY(!printed);
            QVERIFY(dialog.isVisible());
            QCOMPARE(dialog.focusWidget(), edit);
        }
    }
};

QTEST_MAIN(TestHostileText)
#include "test_hostile_text.moc"
