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

// The About box or the welcome dialog on `folder`, open and shown.
std::unique_ptr<QDialog> opened(bool about, const QString &folder)
{
    std::unique_ptr<QDialog> d;
    if (about)
        d = std::make_unique<frmAbt>(folder);
    else
        d = std::make_unique<diagSWS>(folder);
    d->open();
    if (!QTest::qWaitForWindowExposed(d.get()))
        qFatal("dialog not shown");
    return d;
}

} // namespace

class TestShellDialogs : public QObject {
    Q_OBJECT
    QStringList links;

private Q_SLOTS:
    void init()
    {
        links.clear();
        shellLinks::setDocumentOpener([this](const QString &t) { links << t; });
    }
    void cleanup() { shellLinks::setDocumentOpener({}); }

    // The program's own words on both dialogs, each control found by name.
    void texts()
    {
        ProgramFolder folder(Picture::Ours);
        diagSWS welcome(folder.path);
        frmAbt about(folder.path);
        const auto text = [](QDialog &d, const char *name) { return child<QLabel>(d, name)->text(); };
        const auto caption = [](QDialog &d, const char *name) { return child<QPushButton>(d, name)->text(); };
        QCOMPARE(QStringList({welcome.windowTitle(), text(welcome, "lblThanks"), text(welcome, "lblMorePuz"),
                              welcome.lblMorePuz->toolTip(), caption(welcome, "OKButton"), caption(welcome, "CancelButton")}),
                 QStringList({"  Korvel ", "  Korvel 1.0  ", "More Puzzles", "Click here for more puzzles", "Start", "Quit"}));
        QCOMPARE(QStringList({about.windowTitle(), text(about, "lblTitle"), text(about, "lblWeb"),
                              about.lblWeb->toolTip(), caption(about, "OKButton")}),
                 QStringList({"About Korvel", "Korvel 1.0", appIdentity::makerHomePage,
                              "Click Here for more free puzzles & Games", "OK"}));
        QVERIFY(!text(about, "lblCopyRight").isEmpty());
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
        const auto d = opened(about, folder.path);
        auto *label = child<QLabel>(*d, about ? "imgIcon" : "pbLogo");
        QCOMPARE(label->isVisible(), !size.isEmpty());
        QVERIFY(size.isEmpty() || (label->pixmap().size() == size && label->size() == size));
        // The texts and buttons are there either way.
        QVERIFY(child<QLabel>(*d, about ? "lblTitle" : "lblThanks")->isVisible());
        QVERIFY(child<QPushButton>(*d, "OKButton")->isVisible());
    }

    // The links open their document and leave their dialog open, waiting; OK then closes it.
    // A press let go away from the link, or a right click, opens nothing.
    void linksOpenAndStay_data()
    {
        QTest::addColumn<bool>("about");
        QTest::addColumn<QString>("how");
        QTest::newRow("welcome, click") << false << "click";
        QTest::newRow("welcome, Space") << false << "space";
        QTest::newRow("welcome, dragged off") << false << "off";
        QTest::newRow("about, click") << true << "click";
        QTest::newRow("about, Enter") << true << "enter";
        QTest::newRow("about, right click") << true << "right";
    }
    void linksOpenAndStay()
    {
        QFETCH(bool, about);
        QFETCH(QString, how);
        ProgramFolder folder(Picture::Ours);
        const auto d = opened(about, folder.path);
        auto *link = child<LinkLabel>(*d, about ? "lblWeb" : "lblMorePuz");
        link->setFocus();
        if (how == "click" || how == "right") {
            QTest::mouseClick(link, how == "click" ? Qt::LeftButton : Qt::RightButton);
        } else if (how == "off") {
            QTest::mousePress(link, Qt::LeftButton, {}, QPoint(2, 2));
            QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(link->width() + 40, 2));
        } else {
            QTest::keyClick(link, how == "space" ? Qt::Key_Space : Qt::Key_Return);
        }
        const QString page = about ? appIdentity::makerHomePage : folder.path + "/HELP/more-puzzles.htm";
        QCOMPARE(links, how == "off" || how == "right" ? QStringList() : QStringList{page});
        QVERIFY(d->isVisible());
        QTest::mouseClick(child<QPushButton>(*d, "OKButton"), Qt::LeftButton);
        QVERIFY(!d->isVisible());
        QCOMPARE(d->result(), int(QDialog::Accepted));
    }

    // Only Quit ends the program; everything else that closes the dialog counts as Start.
    void leavingTheWelcome_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("quit");
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
        const auto d = opened(false, folder.path);
        if (how == "quit")
            QTest::mouseClick(child<QPushButton>(*d, "CancelButton"), Qt::LeftButton);
        else if (how == "close")
            d->close();
        else
            QTest::keyClick(d.get(), how == "escape" ? Qt::Key_Escape : Qt::Key_Return);
        QVERIFY(!d->isVisible());
        QCOMPARE(static_cast<diagSWS *>(d.get())->quitChosen(), quit);
        QCOMPARE(d->result(), quit ? int(QDialog::Rejected) : int(QDialog::Accepted));
        QVERIFY(links.isEmpty());
    }
};

QTEST_MAIN(TestShellDialogs)
#include "test_shell_dialogs.moc"
