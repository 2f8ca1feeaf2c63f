// An installed copy (marked by korvel.installed beside the program) leaves its shared program
// folder as it was installed: saving and leaving the game write only into the player's own folders.
#include "game/frm_tav_mn.h"
#include "platform/modal.h"
#include "puzzle/start.h"
#include "support/board_fixture.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList entriesUnder(const QString &dir)
{
    QStringList entries;
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << QDir(dir).relativeFilePath(it.next());
    entries.sort();
    return entries;
}

} // namespace

class TestInstalledCopy : public QObject {
    Q_OBJECT
    QTemporaryDir home;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(home.isValid());
        qputenv("HOME", home.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());
        qputenv("XDG_DATA_HOME", home.filePath("data").toLocal8Bit());
        modal::setMessageResponder([](const modal::MessageRequest &r) {
            qWarning("unexpected message box: %s", qPrintable(r.text));
            return QMessageBox::Ok;
        });
        modal::setDialogRunner([](QDialog &d) {
            d.accept();
            return d.result();
        });
        modal::setPause([](int) {});
    }

    void savingKeepsTheProgramFolderAsInstalled()
    {
        QTemporaryDir root;
        const QString folder = root.filePath(QStringLiteral("usr/lib/korvel"));
        QVERIFY(QDir().mkpath(folder));
        fixture::writeBook(folder, {fixture::smallPuzzle()});
        QFile marker(folder + QStringLiteral("/korvel.installed"));
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.close();
        const QStringList installed = entriesUnder(folder);

        {
            modStart::Program program;
            QCOMPARE(modStart::Main(program, folder), 0);
            program.window->action(QStringLiteral("MNU_SAVE"))->trigger();
            program.window->action(QStringLiteral("MNU_XIT"))->trigger();
        }

        QCOMPARE(entriesUnder(folder), installed);
        QVERIFY(!entriesUnder(home.filePath("data")).filter(QStringLiteral("1.sav")).isEmpty());
    }
};

QTEST_MAIN(TestInstalledCopy)
#include "test_installed_copy.moc"
