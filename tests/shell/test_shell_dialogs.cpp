// The welcome dialog and the About box on the real widgets: texts, pictures, links, leaving.
#include "platform/app_identity.h"
#include "shell/link_label.h"
#include "shell/open_document.h"
#include "shell/shell_dialogs.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

enum class Picture { Ours, Missing, Garbage };

// A program folder whose name has spaces, with the logo and the icon as asked.
struct ProgramFolder {
    QTemporaryDir root;
    QString path;

    explicit ProgramFolder(Picture picture)
    {
        path = root.filePath(QStringLiteral("Program Files/Kor vel"));
        QDir().mkpath(path + QStringLiteral("/HELP"));
        const QString logo = shellLinks::logoPath(path);
        const QString icon = shellLinks::iconPath(path);
        if (picture == Picture::Ours) {
            QFile::copy(QStringLiteral(KORVEL_ASSET_DIR "/HELP/Velks.jpg"), logo);
            QFile::copy(QStringLiteral(KORVEL_ASSET_DIR "/48x48.ico"), icon);
        } else if (picture == Picture::Garbage) {
            for (const QString &file : {logo, icon}) {
                QFile f(file);
                f.open(QIODevice::WriteOnly);
                f.write("not a picture at all");
            }
        }
    }
};

template <typename T> T *child(QWidget &parent, const char *name)
{
    T *w = parent.findChild<T *>(QString::fromUtf8(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

} // namespace

class TestShellDialogs : public QObject {
    Q_OBJECT
    QStringList opened;

private Q_SLOTS:
    void init()
    {
        opened.clear();
        shellLinks::setDocumentOpener([this](const QString &t) { opened << t; });
    }
    void cleanup() { shellLinks::setDocumentOpener({}); }

    void welcomeTexts()
    {
        ProgramFolder folder(Picture::Ours);
        diagSWS d(folder.path);
        QCOMPARE(d.windowTitle(), "  Korvel ");
        auto *thanks = child<QLabel>(d, "lblThanks");
        QCOMPARE(thanks->text(), "  Korvel 1.0  ");
        QVERIFY(thanks->font().bold() && thanks->font().italic());
        QCOMPARE(thanks->font().pointSizeF(), 24.0);
        auto *link = child<QLabel>(d, "lblMorePuz");
        QCOMPARE(link->text(), "More Puzzles");
        QCOMPARE(link->toolTip(), "Click here for more puzzles");
        QCOMPARE(child<QPushButton>(d, "OKButton")->text(), "Start");
        QCOMPARE(child<QPushButton>(d, "CancelButton")->text(), "Quit");
    }

    void aboutTexts()
    {
        ProgramFolder folder(Picture::Ours);
        frmAbt d(folder.path);
        QCOMPARE(d.windowTitle(), "About Korvel");
        auto *title = child<QLabel>(d, "lblTitle");
        QCOMPARE(title->text(), "Korvel 1.0");
        QVERIFY(title->font().bold());
        QCOMPARE(title->font().pointSizeF(), 14.25);
        QVERIFY(!child<QLabel>(d, "lblCopyRight")->text().isEmpty());
        auto *web = child<QLabel>(d, "lblWeb");
        QCOMPARE(web->text(), appIdentity::makerHomePage);
        QCOMPARE(web->toolTip(), "Click Here for more free puzzles & Games");
        QCOMPARE(child<QPushButton>(d, "OKButton")->text(), "OK");
    }

    // Our logo and icon are shown at their own size; a missing or unreadable file leaves the
    // picture out and the dialog opens all the same.
    void pictures_data()
    {
        QTest::addColumn<bool>("about");
        QTest::addColumn<int>("picture");
        QTest::addColumn<QSize>("size"); // empty: no picture shown
        QTest::newRow("welcome, our logo") << false << int(Picture::Ours) << QSize(220, 170);
        QTest::newRow("welcome, logo missing") << false << int(Picture::Missing) << QSize();
        QTest::newRow("welcome, logo unreadable") << false << int(Picture::Garbage) << QSize();
        QTest::newRow("about, our icon") << true << int(Picture::Ours) << QSize(48, 48);
        QTest::newRow("about, icon missing") << true << int(Picture::Missing) << QSize();
        QTest::newRow("about, icon unreadable") << true << int(Picture::Garbage) << QSize();
    }
    void pictures()
    {
        QFETCH(bool, about);
        QFETCH(int, picture);
        QFETCH(QSize, size);
        ProgramFolder folder{Picture(picture)};
        std::unique_ptr<QDialog> d;
        if (about)
            d = std::make_unique<frmAbt>(folder.path);
        else
            d = std::make_unique<diagSWS>(folder.path);
        d->show();
        QVERIFY(QTest::qWaitForWindowExposed(d.get()));
        auto *label = child<QLabel>(*d, about ? "imgIcon" : "pbLogo");
        if (size.isEmpty()) {
            QVERIFY(!label->isVisible());
        } else {
            QVERIFY(label->isVisible());
            QCOMPARE(label->pixmap().size(), size);
            QCOMPARE(label->size(), size);
        }
        // The texts and buttons are there either way.
        QVERIFY(child<QLabel>(*d, about ? "lblTitle" : "lblThanks")->isVisible());
        QVERIFY(child<QPushButton>(*d, "OKButton")->isVisible());
    }

    // The links open their document and leave their dialog open, waiting.
    void linksOpenAndStay_data()
    {
        QTest::addColumn<bool>("about");
        QTest::addColumn<QString>("how");
        QTest::newRow("welcome, click") << false << "click";
        QTest::newRow("welcome, Space") << false << "space";
        QTest::newRow("about, click") << true << "click";
        QTest::newRow("about, Enter") << true << "enter";
    }
    void linksOpenAndStay()
    {
        QFETCH(bool, about);
        QFETCH(QString, how);
        ProgramFolder folder(Picture::Ours);
        std::unique_ptr<QDialog> d;
        if (about)
            d = std::make_unique<frmAbt>(folder.path);
        else
            d = std::make_unique<diagSWS>(folder.path);
        d->open();
        QVERIFY(QTest::qWaitForWindowExposed(d.get()));
        auto *link = child<LinkLabel>(*d, about ? "lblWeb" : "lblMorePuz");
        if (how == "click") {
            QTest::mouseClick(link, Qt::LeftButton);
        } else {
            link->setFocus();
            QTest::keyClick(link, how == "space" ? Qt::Key_Space : Qt::Key_Return);
        }
        const QString expected = about ? appIdentity::makerHomePage : folder.path + "/HELP/more-puzzles.htm";
        QCOMPARE(opened, QStringList{expected});
        QVERIFY(d->isVisible());
        if (!about)
            QVERIFY(!static_cast<diagSWS *>(d.get())->quitChosen());
    }

    // A press that is let go away from the link, or a right click, opens nothing.
    void linkNeedsAWholeLeftClick()
    {
        ProgramFolder folder(Picture::Ours);
        diagSWS d(folder.path);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        auto *link = child<LinkLabel>(d, "lblMorePuz");
        QTest::mousePress(link, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(link->width() + 40, 2));
        QTest::mouseClick(link, Qt::RightButton);
        QVERIFY(opened.isEmpty());
    }

    // Only Quit ends the program; everything else that closes the dialog counts as Start.
    void leavingTheWelcome_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("quit");
        QTest::newRow("Start") << "start" << false;
        QTest::newRow("Quit") << "quit" << true;
        QTest::newRow("Escape") << "escape" << false;
        QTest::newRow("Enter") << "enter" << false;
        QTest::newRow("close box") << "close" << false;
    }
    void leavingTheWelcome()
    {
        QFETCH(QString, how);
        QFETCH(bool, quit);
        ProgramFolder folder(Picture::Ours);
        diagSWS d(folder.path);
        d.open();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        if (how == "start")
            QTest::mouseClick(child<QPushButton>(d, "OKButton"), Qt::LeftButton);
        else if (how == "quit")
            QTest::mouseClick(child<QPushButton>(d, "CancelButton"), Qt::LeftButton);
        else if (how == "escape")
            QTest::keyClick(&d, Qt::Key_Escape);
        else if (how == "enter")
            QTest::keyClick(&d, Qt::Key_Return);
        else
            d.close();
        QVERIFY(!d.isVisible());
        QCOMPARE(d.quitChosen(), quit);
        QCOMPARE(d.result(), quit ? int(QDialog::Rejected) : int(QDialog::Accepted));
        QVERIFY(opened.isEmpty());
    }

    void aboutOkCloses()
    {
        ProgramFolder folder(Picture::Ours);
        frmAbt d(folder.path);
        d.open();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QTest::mouseClick(child<QPushButton>(d, "OKButton"), Qt::LeftButton);
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestShellDialogs)
#include "test_shell_dialogs.moc"
