// Where the documents beside the program are looked for, and what is handed to the desktop.
#include "shell/open_document.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestOpenDocument : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { shellLinks::setDocumentOpener({}); }

    void documentPaths_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("prefix"); // what every document path starts with
        QTest::newRow("plain folder") << "/opt/korvel"
                                      << "/opt/korvel/";
        QTest::newRow("trailing separator") << "/opt/korvel/"
                                            << "/opt/korvel/";
        QTest::newRow("spaces") << "/home/ann/My Games/Kor vel"
                                << "/home/ann/My Games/Kor vel/";
        QTest::newRow("file system root") << "/"
                                          << "/";
        QTest::newRow("drive root") << "C:\\"
                                    << "C:\\";
        QTest::newRow("drive folder") << "C:/Program Files/Korvel"
                                      << "C:/Program Files/Korvel/";
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
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(relative);
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();

        const QUrl url = shellLinks::urlToOpen(path);
        QVERIFY(url.isLocalFile());
        QCOMPARE(url.toLocalFile(), path);
        // Already a file URL: opened as the same file.
        QCOMPARE(shellLinks::urlToOpen(QUrl::fromLocalFile(path).toString()).toLocalFile(), path);
    }

    void webAddressesPassUnchanged_data()
    {
        QTest::addColumn<QString>("address");
        QTest::newRow("https") << "https://norvane-games.example/korvel/";
        QTest::newRow("http with query") << "http://example.org/p?a=1&b=2";
        QTest::newRow("mail") << "mailto:author@norvane-games.example";
    }
    void webAddressesPassUnchanged()
    {
        QFETCH(QString, address);
        const QUrl url = shellLinks::urlToOpen(address);
        QVERIFY(!url.isLocalFile());
        QCOMPARE(url.toString(), address);
    }

    // Nothing is handed over, so no viewer comes up with an error of its own.
    void nothingToOpen_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("empty") << "";
        QTest::newRow("missing page") << "/no/such/folder/HELP/help1.htm";
        QTest::newRow("missing page in a folder with spaces") << "/no such/HELP/help1.htm";
        QTest::newRow("missing file URL") << "file:///no/such/help1.htm";
    }
    void nothingToOpen()
    {
        QFETCH(QString, target);
        QVERIFY(shellLinks::urlToOpen(target).isEmpty());
    }

    void seamReceivesEveryTarget()
    {
        QStringList opened;
        shellLinks::setDocumentOpener([&](const QString &t) { opened << t; });
        shellLinks::openDocument("/x y/HELP/help1.htm");
        shellLinks::openDocument("https://norvane-games.example/");
        QCOMPARE(opened, QStringList({"/x y/HELP/help1.htm", "https://norvane-games.example/"}));
    }
};

QTEST_GUILESS_MAIN(TestOpenDocument)
#include "test_open_document.moc"
