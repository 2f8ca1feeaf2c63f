// Where the documents beside the program are looked for, and what is handed to the desktop.
#include "shell/open_document.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestOpenDocument : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void documentPaths_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("prefix"); // what every document path starts with
        QTest::newRow("plain folder") << "/opt/korvel" << "/opt/korvel/";
        QTest::newRow("trailing separator") << "/opt/korvel/" << "/opt/korvel/";
        QTest::newRow("spaces") << "/home/ann/My Games/Kor vel" << "/home/ann/My Games/Kor vel/";
        QTest::newRow("file system root") << "/" << "/";
        QTest::newRow("drive root") << "C:\\" << "C:\\";
        QTest::newRow("drive folder") << "C:/Program Files/Korvel" << "C:/Program Files/Korvel/";
    }
    void documentPaths()
    {
        QFETCH(QString, folder);
        QFETCH(QString, prefix);
        QCOMPARE(shellLinks::helpPagePath(folder), prefix + "HELP/help1.htm");
        QCOMPARE(shellLinks::morePuzzlesPath(folder), prefix + "HELP/more-puzzles.htm");
        QCOMPARE(shellLinks::logoPath(folder), prefix + "HELP/Velks.jpg");
        QCOMPARE(shellLinks::iconPath(folder), prefix + "48x48.ico");
    }

    // A local page must reach the desktop whole, spaces and all, as a file URL.
    void localFilesBecomeFileUrls_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::newRow("folder with spaces") << "Program Files/Kor vel/HELP/help1.htm";
        QTest::newRow("plain folder") << "korvel/HELP/more-puzzles.htm";
        QTest::newRow("hash and percent in names") << "a#b/50% off/help1.htm";
    }
    void localFilesBecomeFileUrls()
    {
        QFETCH(QString, relative);
        QTemporaryDir dir;
        const QString path = dir.filePath(relative);
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QVERIFY(QFile(path).open(QIODevice::WriteOnly));
        const QUrl url = shellLinks::urlToOpen(path);
        QVERIFY(url.isLocalFile());
        QCOMPARE(url.toLocalFile(), path);
        // Already a file URL: opened as the same file.
        QCOMPARE(shellLinks::urlToOpen(QUrl::fromLocalFile(path).toString()).toLocalFile(), path);
    }

    // Web addresses pass unchanged; where there is nothing to open, nothing is handed over, so
    // no viewer comes up with an error of its own.
    void otherTargets_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("url");
        QTest::newRow("https") << "https://norvane-games.example/korvel/" << "https://norvane-games.example/korvel/";
        QTest::newRow("http with query") << "http://example.org/p?a=1&b=2" << "http://example.org/p?a=1&b=2";
        QTest::newRow("mail") << "mailto:author@norvane-games.example" << "mailto:author@norvane-games.example";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("missing page in a folder with spaces") << "/no such/HELP/help1.htm" << "";
        QTest::newRow("missing file URL") << "file:///no/such/help1.htm" << "";
    }
    void otherTargets()
    {
        QFETCH(QString, target);
        QFETCH(QString, url);
        QCOMPARE(shellLinks::urlToOpen(target).toString(), url);
    }
};

QTEST_GUILESS_MAIN(TestOpenDocument)
#include "test_open_document.moc"
