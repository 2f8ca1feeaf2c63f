// The main window's link commands: each opens its document from the program folder (one with
// spaces in its name) or its web page, and About runs the About box modally.
#include "game/frm_tav_mn.h"
#include "platform/app_identity.h"
#include "platform/modal.h"
#include "puzzle/start.h"
#include "shell/open_document.h"
#include "shell/shell_dialogs.h"
#include "support/board_fixture.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTest>

class TestShellMenus : public QObject {
    Q_OBJECT
    QTemporaryDir root;
    QString folder; // the program folder, without a final separator
    modStart::Program program;
    QStringList opened;
    QStringList dialogsRun;

private Q_SLOTS:
    void initTestCase()
    {
        folder = root.filePath(QStringLiteral("Program Files/Kor vel"));
        QVERIFY(QDir().mkpath(folder));
        fixture::writeBook(folder, {fixture::smallPuzzle()});
        modal::setMessageResponder([](const modal::MessageRequest &) { return QMessageBox::Ok; });
        modal::setDialogRunner([this](QDialog &d) {
            dialogsRun << d.objectName();
            return int(QDialog::Accepted);
        });
        shellLinks::setDocumentOpener([this](const QString &t) { opened << t; });
        QCOMPARE(modStart::Main(program, folder), 0);
        dialogsRun.clear(); // the welcome dialog
    }
    void cleanupTestCase()
    {
        program.window->hide();
        shellLinks::setDocumentOpener({});
        modal::setDialogRunner({});
        modal::setMessageResponder({});
    }
    void init()
    {
        opened.clear();
        dialogsRun.clear();
    }

    void linkCommands_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("target"); // relative to the program folder unless a web page
        QTest::newRow("How to play") << "MNU_HTP"
                                     << "/HELP/help1.htm";
        QTest::newRow("Game, More Puzzles") << "MNU_MP"
                                            << "/HELP/more-puzzles.htm";
        QTest::newRow("Help, More Puzzles") << "MNU_MP_H"
                                            << "/HELP/more-puzzles.htm";
        QTest::newRow("Korvel Website") << "MNU_CS_WEB" << appIdentity::gameWebPage;
    }
    void linkCommands()
    {
        QFETCH(QString, item);
        QFETCH(QString, target);
        program.window->action(item)->trigger();
        const QString expected = target.startsWith('/') ? folder + target : target;
        QCOMPARE(opened, QStringList{expected});
        QVERIFY(dialogsRun.isEmpty());
    }

    void aboutRunsTheAboutBox()
    {
        QAction *about = program.window->action(QStringLiteral("MNU_ABT"));
        QCOMPARE(about->text(), "About Korvel");
        about->trigger();
        QCOMPARE(dialogsRun, QStringList{"frmAbt"});
        QVERIFY(opened.isEmpty());
    }
};

QTEST_MAIN(TestShellMenus)
#include "test_shell_menus.moc"
