// A game on a book of test puzzles, and its main window shown headless, whose message boxes,
// dialogs, pauses and opened documents are answered and recorded by the test. Controls are found
// by their objectName.
#pragma once

#include "app/main_window.h"
#include "game/game.h"
#include "game/my_puzzles.h"
#include "platform/modal.h"
#include "puzzle/saved_game.h"
#include "shell/open_document.h"
#include "support/board_fixture.h"
#include "view/board_picture.h"
#include "view/board_view.h"

#include <QAction>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <functional>
#include <memory>

// Puzzle k of numberedBook(n) is a 3x3 grid whose top-left entry digits spell k, so a test can
// tell which puzzle is open.
inline QList<QStringList> numberedBook(int count)
{
    QList<QStringList> book;
    for (int k = 1; k <= count; ++k)
        book.append({QStringLiteral("# # #"),
                     QStringLiteral("# %1 %2").arg(1 + (k - 1) % 9).arg(1 + (k - 1) / 9 % 9),
                     QStringLiteral("# 5 6")});
    return book;
}

// One row of a data table whose columns are all text.
template <typename... Texts> void textRow(const char *name, const Texts &...texts)
{
    (QTest::newRow(name) << ... << QString(texts));
}

// The game alone, with no window: settings in memory, saved games in a folder of its own.
struct GameFixture {
    explicit GameFixture(const QList<QStringList> &puzzles, int puzzle = 1)
        : book(fixture::bookOf(puzzles)), game(book, settings, dir.path())
    {
        settings.puzzleStats.assign(std::size_t(puzzles.size()) + 1, {});
        settings.ownPuzzleStats.assign(1, {});
        game.setMyPuzzles(&own);
        game.openPuzzle(puzzle);
    }

    // The player's entries in reading order, as "CR:D" with p for pencil, ! for an error mark and m
    // before the candidate marks.
    QString entries() const
    {
        const puzzle::Puzzle &p = game.puzzle();
        const puzzle::Entries &e = game.entries();
        QStringList cells;
        for (int i = 1; i <= p.cellCount(); ++i) {
            if (e.digit(i) == 0 && !e.hasErrorMark(i) && e.marks(i) == 0)
                continue;
            QString text = QStringLiteral("%1%2:%3").arg(p.colOf(i)).arg(p.rowOf(i)).arg(e.digit(i));
            if (e.pencil(i))
                text += QLatin1Char('p');
            if (e.hasErrorMark(i))
                text += QLatin1Char('!');
            if (e.marks(i) != 0)
                text += QLatin1Char('m');
            for (int d = 1; d <= 9; ++d) {
                if (e.marks(i) & (1 << (d - 1)))
                    text += QChar(u'0' + d);
            }
            cells << text;
        }
        return cells.join(QLatin1Char(' '));
    }
    // The puzzle numberedBook() opened.
    int openNumber() const
    {
        return game.puzzle().solutionAt(2, 2) + 9 * (game.puzzle().solutionAt(3, 2) - 1);
    }

    QTemporaryDir dir;
    store::Settings settings;
    puzzle::Book book;
    game::Game game;
    game::MyPuzzles own{dir.filePath(QStringLiteral("my-puzzles.qztw"))}; // none until one is made
};

class WindowHarness : public GameFixture {
public:
    explicit WindowHarness(const QList<QStringList> &puzzles, int puzzle = 1, bool pencil = false)
        : GameFixture(puzzles, puzzle)
    {
        settings.pencilMode = pencil ? 1 : 0;
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
        shell::setDocumentOpener([this](const QString &target) { documents << target; });
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
        shell::setDocumentOpener({});
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
    QPoint cellCentre(int col, int row) const
    {
        const int cs = board()->cellSize();
        return {col * cs + cs / 2, row * cs + cs / 2};
    }
    void clickCell(int col, int row, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(picture(), button, {}, cellCentre(col, row));
    }
    void typeOnBoard(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(picture(), key, modifiers); }

    std::unique_ptr<app::MainWindow> window;
    bool windowActive = false;
    bool answerYes = true; // the answer to every Yes/No box
    std::function<void(QDialog &)> onDialog; // runs inside each modal dialog
    QStringList messages;                    // "caption|text" of every box
    QStringList dialogs;                     // objectNames of the dialogs run
    QList<int> pauses;
    QStringList documents;
};
