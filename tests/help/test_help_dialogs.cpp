// The welcome dialog's ways out and its link, and the help page by language.
#include "help/help_dialogs.h"
#include "help/open_document.h"

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class TestHelpDialogs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Only Quit ends the program; the close box counts as Start. The link opens the page beside
    // the program, in a folder with spaces, and leaves the dialog open.
    void welcome_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("quit");
        QTest::newRow("Start") << "OKButton" << false;
        QTest::newRow("Quit") << "CancelButton" << true;
        QTest::newRow("close box") << "close" << false;
        QTest::newRow("link") << "lblMorePuz" << false;
    }
    void welcome()
    {
        QFETCH(QString, how);
        QTemporaryDir root;
        const QString folder = root.filePath("Program Files/Kor vel"), page = help::morePuzzlesPath(folder);
        QVERIFY(QDir().mkpath(QFileInfo(page).absolutePath()) && QFile(page).open(QIODevice::WriteOnly));
        QStringList opened;
        help::setDocumentOpener([&](const QString &target) { opened << target; });
        help::WelcomeDialog d(folder);
        d.show();
        if (how == "close")
            d.close();
        else
            QTest::mouseClick(d.findChild<QWidget *>(how), Qt::LeftButton);
        help::setDocumentOpener({});
        QCOMPARE(d.isVisible(), how == "lblMorePuz");
        QTEST(d.quitChosen(), "quit");
        QCOMPARE(opened, how == "lblMorePuz" ? QStringList{page} : QStringList());
        QCOMPARE(help::urlToOpen(page), QUrl::fromLocalFile(page));
        QCOMPARE(help::urlToOpen("c:/nothere.htm"), QUrl()); // a drive letter is no web address
    }

    // How to play opens the page in the language spoken when there is one, else the English one.
    void helpPage()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("HELP/de") &&
                QFile(dir.filePath("HELP/de/help1.htm")).open(QIODevice::WriteOnly));
        QCOMPARE(help::helpPagePath(dir.path(), "de"), dir.filePath("HELP/de/help1.htm"));
        QCOMPARE(help::helpPagePath(dir.path(), "fr"), dir.filePath("HELP/help1.htm"));
    }
};

QTEST_MAIN(TestHelpDialogs)
#include "test_help_dialogs.moc"
