// The welcome dialog's ways out and its link, and the About box's caption.
#include "shell/link_label.h"
#include "shell/open_document.h"
#include "shell/shell_dialogs.h"

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class TestShellDialogs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Only Quit ends the program; the close box counts as Start.
    void leavingTheWelcome_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("quit");
        QTest::newRow("Start") << "start" << false;
        QTest::newRow("Quit") << "quit" << true;
        QTest::newRow("close box") << "close" << false;
    }
    void leavingTheWelcome()
    {
        QFETCH(QString, how);
        shell::WelcomeDialog d(QDir::tempPath());
        d.show();
        if (how == QLatin1String("close"))
            d.close();
        else
            QTest::mouseClick(how == QLatin1String("quit") ? d.quitButton : d.startButton, Qt::LeftButton);
        QVERIFY(!d.isVisible());
        QTEST(d.quitChosen(), "quit");
    }

    // The link opens the page beside the program, in a folder with spaces, as a file URL that
    // names the whole path.
    void linkOpensALocalPathWithSpaces()
    {
        QTemporaryDir root;
        const QString folder = root.filePath(QStringLiteral("Program Files/Kor vel"));
        const QString page = shell::morePuzzlesPath(folder);
        QVERIFY(QDir().mkpath(QFileInfo(page).absolutePath()));
        QFile file(page);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QStringList opened;
        shell::setDocumentOpener([&](const QString &target) { opened << target; });
        shell::WelcomeDialog d(folder);
        d.show();
        QTest::mouseClick(d.morePuzzlesLink, Qt::LeftButton);
        shell::setDocumentOpener({});
        QCOMPARE(opened, QStringList{page});
        const QUrl url = shell::urlToOpen(page);
        QVERIFY(url.isLocalFile());
        QCOMPARE(url.toLocalFile(), page);
        QVERIFY(d.isVisible());
    }

    void aboutCaption() { QCOMPARE(shell::AboutDialog(QDir::tempPath()).windowTitle(), QStringLiteral("About Korvel")); }
};

QTEST_MAIN(TestShellDialogs)
#include "test_shell_dialogs.moc"
