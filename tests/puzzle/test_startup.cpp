// Start-up: the program folder, the corrupt-book refusal and the first puzzle opened.
#include "game/frm_tav_mn.h"
#include "platform/modal.h"
#include "puzzle/start.h"
#include "support/board_fixture.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

class TestStartup : public QObject {
    Q_OBJECT
    QList<modal::MessageRequest> messages_;

private Q_SLOTS:
    void init()
    {
        messages_.clear();
        modal::setMessageResponder([this](const modal::MessageRequest &r) {
            messages_.append(r);
            return QMessageBox::Ok;
        });
        modal::setDialogRunner([](QDialog &) { return int(QDialog::Accepted); });
        modal::setPause([](int) {});
    }

    void trailingSeparator_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain folder") << "/opt/korvel" << "/opt/korvel/";
        QTest::newRow("root already ends in a separator") << "/" << "/";
        QTest::newRow("drive root") << "C:\\" << "C:\\";
    }
    void trailingSeparator()
    {
        QFETCH(QString, folder);
        QFETCH(QString, expected);
        QCOMPARE(modStart::withTrailingSeparator(folder), expected);
        QCOMPARE(modStart::bookPathFor(folder), expected + "dm_book1.qztw");
    }

    void corruptBookEndsTheProgramBeforeAnyWindow_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("missing book") << QByteArray();
        QByteArray lower = fixture::bookFromAscii({fixture::smallPuzzle()});
        lower.replace(0, 4, "qztw");
        QTest::newRow("lower-case magic") << lower;
        QTest::newRow("truncated") << fixture::bookFromAscii({fixture::smallPuzzle()}).left(12);
    }
    void corruptBookEndsTheProgramBeforeAnyWindow()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        if (!bytes.isEmpty()) {
            QFile f(dir.filePath("dm_book1.qztw"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
        modStart::Program program;
        QCOMPARE(modStart::Main(program, dir.path()), 1);
        QVERIFY(!program.window);
        QCOMPARE(messages_.size(), 1);
        QVERIFY(messages_[0].text.startsWith(" The Database is corrupted - contact the author at "));
        QVERIFY(messages_[0].text.endsWith(" for more details"));
        QCOMPARE(messages_[0].caption, QStringLiteral("Korvel"));
        QCOMPARE(messages_[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    void firstStartOpensPuzzleOneInPen()
    {
        QTemporaryDir dir;
        fixture::writeBook(dir.path(), {fixture::smallPuzzle(), {"#12", "#34"}});
        modStart::Program program;
        QCOMPARE(modStart::Main(program, dir.path()), 0);
        QVERIFY(program.window);
        QCOMPARE(program.board.lastPlayed[1], 1);
        QCOMPARE(program.board.pencilMode, 0);
        QCOMPARE(program.window->shownPuzzle, 1);
        QCOMPARE(program.window->txtGN->text(), QStringLiteral("1"));
        QCOMPARE(program.board.gridWidth, 4);
        QVERIFY(messages_.isEmpty());
        program.window->hide();
    }
};

int main(int argc, char **argv)
{
    // Keep the settings of this test away from the user's own.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_startup.moc"
