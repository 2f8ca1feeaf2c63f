// A game on a book of test puzzles, and its main window shown headless, whose message boxes,
// dialogs, pauses and opened documents are answered and recorded by the test. Controls are found
// by their objectName.
#pragma once

#include "app/main_window.h"
#include "help/open_document.h"
#include "platform/modal.h"
#include "support/game_fixture.h"
#include "view/board_picture.h"
#include "view/board_view.h"

#include <QAction>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <functional>
#include <memory>

class WindowHarness : public GameFixture {
public:
    explicit WindowHarness(const QList<QStringList> &puzzles, int puzzle = 1, bool pencil = false)
        : GameFixture(puzzles, puzzle)
    {
        settings.setPencilMode(pencil);
        // Settings go to this test's own folder, never the user's or another test's.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("config"))));
        platform::setMessageResponder([this](const platform::MessageRequest &request) {
            messages << request.caption + QLatin1Char('|') + request.text;
            if (!request.buttons.testFlag(QMessageBox::Yes))
                return QMessageBox::Ok;
            return answerYes ? QMessageBox::Yes : QMessageBox::No;
        });
        platform::setDialogRunner([this](QDialog &dialog) {
            dialogs << dialog.objectName();
            if (onDialog)
                onDialog(dialog);
            return int(QDialog::Rejected);
        });
        platform::setPause([this](int milliseconds) { pauses << milliseconds; });
        help::setDocumentOpener([this](const QString &target) { documents << target; });
        window = std::make_unique<app::MainWindow>(game, settings, dir.path());
        window->load();
        window->show();
        window->activateWindow();
        windowActive = QTest::qWaitForWindowActive(window.get());
    }
    ~WindowHarness()
    {
        window.reset();
        platform::setMessageResponder({});
        platform::setDialogRunner({});
        platform::setPause({});
        help::setDocumentOpener({});
    }
    WindowHarness(const WindowHarness &) = delete;
    WindowHarness &operator=(const WindowHarness &) = delete;

    view::BoardView *board() const { return window->boardView(); }
    view::BoardPicture *picture() const { return board()->picture(); }
    QAction *act(const QString &name) const { return window->findChild<QAction *>(name); }
    template <typename T> T *find(const QString &name) const { return window->findChild<T *>(name); }
    QWidget *button(const QString &bar, const QString &name) const
    {
        return find<QToolBar>(bar)->widgetForAction(act(name));
    }
    // A left click in the middle of cell (col, row), and a key typed on the board.
    void clickCell(int col, int row)
    {
        const int cs = board()->cellSize();
        QTest::mouseClick(picture(), Qt::LeftButton, {}, {col * cs + cs / 2, row * cs + cs / 2});
    }
    void typeOnBoard(Qt::Key key) { QTest::keyClick(picture(), key); }

    std::unique_ptr<app::MainWindow> window;
    bool windowActive = false;
    bool answerYes = true;                   // the answer to every Yes/No box
    std::function<void(QDialog &)> onDialog; // runs inside each modal dialog
    QStringList messages;                    // "caption|text" of every box
    QStringList dialogs;                     // objectNames of the dialogs run
    QList<int> pauses;
    QStringList documents;
};
