// The welcome dialog's place in start-up: it comes after the hidden main window has loaded, and
// only its Quit ends the program, with no main window shown and nothing stored.
#include "game/frm_tav_mn.h"
#include "platform/modal.h"
#include "puzzle/start.h"
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
class ShowCounter : public QObject {
public:
    explicit ShowCounter(QString name) : name_(std::move(name)) { qApp->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->objectName() == name_)
            ++count;
        return false;
    }

private:
    QString name_;
};

QWidget *topLevelNamed(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name)
            return w;
    return nullptr;
}

QStringList filesUnder(const QString &dir)
{
    QStringList files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    return files;
}

} // namespace

class TestWelcomeStartup : public QObject {
    Q_OBJECT
    QTemporaryDir home;
    QTemporaryDir programDir; // a program folder with our book, its name with a space

    QString programFolder() const { return programDir.filePath(QStringLiteral("Kor vel")); }

private Q_SLOTS:
    void initTestCase()
    {
        // Every per-user store lives under this home while the test runs.
        QVERIFY(home.isValid());
        qputenv("HOME", home.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());
        qputenv("XDG_DATA_HOME", home.filePath("data").toLocal8Bit());
        QVERIFY(QDir().mkpath(programFolder()));
        fixture::writeBook(programFolder(), {fixture::smallPuzzle(), fixture::smallPuzzle()});
        modal::setMessageResponder([](const modal::MessageRequest &r) {
            qWarning("unexpected message box: %s", qPrintable(r.text));
            return QMessageBox::Ok;
        });
    }
    void init()
    {
        // Each case starts with an empty per-user store.
        for (const char *sub : {"config", "data"})
            QDir(home.filePath(QString::fromLatin1(sub))).removeRecursively();
    }
    void cleanupTestCase()
    {
        modal::setDialogRunner({});
        modal::setMessageResponder({});
    }

    void quitEndsWithoutWindowOrSettings()
    {
        ShowCounter mainWindowShown(QStringLiteral("frmTavMn"));
        bool asked = false, windowLoadedHidden = false, clockRunning = false;
        modal::setDialogRunner([&](QDialog &dialog) {
            auto *welcome = qobject_cast<diagSWS *>(&dialog);
            asked = welcome != nullptr;
            if (!asked)
                return int(QDialog::Rejected);
            auto *window = qobject_cast<frmTavMn *>(topLevelNamed(QStringLiteral("frmTavMn")));
            windowLoadedHidden = window && !window->isVisible();
            clockRunning = window && window->timerSec->isActive();
            dialog.show();
            QTest::mouseClick(welcome->findChild<QPushButton *>("CancelButton"), Qt::LeftButton);
            return dialog.result();
        });
        const QStringList programFilesBefore = filesUnder(programFolder());

        modStart::Program program;
        QCOMPARE(modStart::Main(program, programFolder()), 0);

        QVERIFY(asked);
        QVERIFY(windowLoadedHidden);
        QVERIFY(clockRunning);
        QVERIFY(!program.window); // main() ends without entering the event loop
        QCOMPARE(mainWindowShown.count, 0);
        QCOMPARE(filesUnder(home.path()), QStringList());
        QCOMPARE(filesUnder(programFolder()), programFilesBefore);
    }

    // Start, Escape and the close box all go on to the main window.
    void everythingElseGoesOnToTheGame_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Start") << "start";
        QTest::newRow("Escape") << "escape";
        QTest::newRow("close box") << "close";
    }
    void everythingElseGoesOnToTheGame()
    {
        QFETCH(QString, how);
        modal::setDialogRunner([&](QDialog &dialog) {
            dialog.show();
            if (how == "start")
                QTest::mouseClick(dialog.findChild<QPushButton *>("OKButton"), Qt::LeftButton);
            else if (how == "escape")
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else
                dialog.close();
            return dialog.result();
        });
        modStart::Program program;
        QCOMPARE(modStart::Main(program, programFolder()), 0);
        QVERIFY(program.window);
        QVERIFY(program.window->isVisible());
        QCOMPARE(program.window->action(QStringLiteral("MNU_ABT"))->text(), "About Korvel");
    }

    // The other side of the Quit case: leaving the game the ordinary way does store the
    // settings, so an empty store after Quit means something.
    void closingTheGameStoresSettings()
    {
        modal::setDialogRunner([](QDialog &dialog) {
            dialog.accept();
            return dialog.result();
        });
        modStart::Program program;
        QCOMPARE(modStart::Main(program, programFolder()), 0);
        program.window->close();
        if (filesUnder(home.path()).isEmpty())
            QSKIP("the settings store does not write yet");
    }
};

QTEST_MAIN(TestWelcomeStartup)
#include "test_welcome_startup.moc"
