// The program from start-up: the welcome dialog comes after the hidden main window has loaded,
// only its Quit ends the program, with no main window shown and nothing stored; the link
// commands open the pages of a program folder with spaces; an installed copy writes only into
// the player's own folders.
#include "game/frm_tav_mn.h"
#include "platform/modal.h"
#include "puzzle/start.h"
#include "shell/open_document.h"
#include "shell/shell_dialogs.h"
#include "support/board_fixture.h"

#include <QAction>
#include <QApplication>
#include <QDirIterator>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// Counts every time a widget of the given name is shown.
struct ShowCounter : QObject {
    explicit ShowCounter(QString name) : name(std::move(name)) { qApp->installEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        count += event->type() == QEvent::Show && watched->objectName() == name;
        return false;
    }
    QString name;
    int count = 0;
};

QStringList filesUnder(const QString &dir)
{
    QStringList files;
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(dir).relativeFilePath(it.next());
    files.sort();
    return files;
}

// Answers the welcome dialog by clicking `button` and records every other dialog run.
void answerWelcome(const char *button, QStringList *others = nullptr)
{
    modal::setDialogRunner([=](QDialog &dialog) {
        if (!qobject_cast<diagSWS *>(&dialog)) {
            if (others)
                *others << dialog.objectName();
            return int(QDialog::Rejected);
        }
        dialog.show();
        QTest::mouseClick(dialog.findChild<QPushButton *>(button), Qt::LeftButton);
        return dialog.result();
    });
}

} // namespace

class TestProgramStart : public QObject {
    Q_OBJECT
    QTemporaryDir home;
    QTemporaryDir root;
    QString folder; // the program folder, its name with spaces

private Q_SLOTS:
    void initTestCase()
    {
        // Every per-user store lives under this home while the test runs.
        QVERIFY(home.isValid());
        qputenv("HOME", home.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());
        qputenv("XDG_DATA_HOME", home.filePath("data").toLocal8Bit());
        folder = root.filePath(QStringLiteral("Program Files/Kor vel"));
        QVERIFY(QDir().mkpath(folder));
        fixture::writeBook(folder, {fixture::smallPuzzle(), fixture::smallPuzzle()});
        modal::setMessageResponder([](const modal::MessageRequest &r) {
            qWarning("unexpected message box: %s", qPrintable(r.text));
            return QMessageBox::Ok;
        });
        modal::setPause([](int) {});
    }
    void init()
    {
        for (const char *sub : {"config", "data"}) // each case starts with an empty per-user store
            QDir(home.filePath(QString::fromLatin1(sub))).removeRecursively();
    }
    void cleanupTestCase()
    {
        shellLinks::setDocumentOpener({});
        modal::setDialogRunner({});
        modal::setMessageResponder({});
        modal::setPause({});
    }

    void quitEndsWithoutWindowOrSettings()
    {
        ShowCounter mainWindowShown(QStringLiteral("frmTavMn"));
        bool windowLoadedHidden = false, clockRunning = false;
        modal::setDialogRunner([&](QDialog &dialog) {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *window = qobject_cast<frmTavMn *>(w)) {
                    windowLoadedHidden = !window->isVisible();
                    clockRunning = window->timerSec->isActive();
                }
            dialog.show();
            QTest::mouseClick(dialog.findChild<QPushButton *>("CancelButton"), Qt::LeftButton);
            return dialog.result();
        });
        const QStringList programFilesBefore = filesUnder(folder);
        modStart::Program program;
        QCOMPARE(modStart::Main(program, folder), 0);
        QVERIFY(windowLoadedHidden);
        QVERIFY(clockRunning);
        QVERIFY(!program.window); // main() ends without entering the event loop
        QCOMPARE(mainWindowShown.count, 0);
        QCOMPARE(filesUnder(home.path()), QStringList());
        QCOMPARE(filesUnder(folder), programFilesBefore);
    }

    // Start goes on to the game; its link commands open the pages beside the program; leaving
    // the game the ordinary way stores the settings, so an empty store after Quit means something.
    void startGoesOnToTheGame()
    {
        QStringList opened, dialogs;
        shellLinks::setDocumentOpener([&](const QString &t) { opened << t; });
        answerWelcome("OKButton", &dialogs);
        modStart::Program program;
        QCOMPARE(modStart::Main(program, folder), 0);
        QVERIFY(program.window && program.window->isVisible());
        for (const char *item : {"MNU_HTP", "MNU_MP", "MNU_MP_H"})
            program.window->action(QString::fromLatin1(item))->trigger();
        QCOMPARE(opened, QStringList({folder + "/HELP/help1.htm", folder + "/HELP/more-puzzles.htm",
                                      folder + "/HELP/more-puzzles.htm"}));
        QVERIFY(dialogs.isEmpty());
        program.window->close();
        QVERIFY(!filesUnder(home.path()).isEmpty());
    }

    // An installed copy (korvel.installed beside the program) leaves its shared folder as installed.
    void savingKeepsTheInstalledFolder()
    {
        QFile marker(folder + QStringLiteral("/korvel.installed"));
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.close();
        const QStringList installed = filesUnder(folder);
        answerWelcome("OKButton");
        {
            modStart::Program program;
            QCOMPARE(modStart::Main(program, folder), 0);
            program.window->action(QStringLiteral("MNU_SAVE"))->trigger();
            program.window->action(QStringLiteral("MNU_XIT"))->trigger();
        }
        QCOMPARE(filesUnder(folder), installed);
        QVERIFY(!filesUnder(home.filePath("data")).filter(QStringLiteral("1.sav")).isEmpty());
    }
};

QTEST_MAIN(TestProgramStart)
#include "test_program_start.moc"
