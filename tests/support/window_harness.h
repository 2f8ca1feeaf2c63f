// A main window on a book of test puzzles, shown headless, whose message boxes, dialogs, pauses
// and opened documents are answered and recorded by the test; controls are found by name.
#pragma once

#include "game/frm_tav_mn.h"
#include "platform/modal.h"
#include "shell/open_document.h"
#include "support/board_fixture.h"
#include "view/board_picture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QKeySequence>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <functional>
#include <memory>

// Puzzle k of numberedBook(n) is a 3x3 grid whose top-left entry digits spell k, so a test can
// tell which puzzle is open with openPuzzle().
inline QList<QStringList> numberedBook(int count)
{
    QList<QStringList> book;
    for (int k = 1; k <= count; ++k)
        book.append({QStringLiteral("# # #"), QStringLiteral("# %1 %2").arg(1 + (k - 1) % 9).arg(1 + (k - 1) / 9 % 9),
                     QStringLiteral("# 5 6")});
    return book;
}
inline int openPuzzle(const modData::Board &board)
{
    return board.solutionAt(2, 2) + 9 * (board.solutionAt(3, 2) - 1);
}

// Replaces what `field` holds by typing `text` on it, or by pasting it with the keyboard when
// `pasted` (which lets control characters and NUL reach the box).
inline void enterText(QWidget *field, const QString &text, bool pasted)
{
    if (auto *list = qobject_cast<QComboBox *>(field))
        field = list->lineEdit();
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    if (pasted) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    } else {
        QTest::keyClicks(field, text);
    }
}

class WindowHarness {
public:
    // Opens puzzle `puzzle` of a book made of `puzzles`, in pen (0) or pencil (1) mode; the
    // window is shown and active unless `shown` is false.
    explicit WindowHarness(const QList<QStringList> &puzzles, int pencilMode = 0, int puzzle = 1, bool shown = true)
    {
        // Settings go to this test's own folder, never the user's or another test's.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("config"))));
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath(QStringLiteral("data"))));
        modData::loadBook(board, fixture::writeBook(dir.path(), puzzles));
        modReg::loadSettings(board, settings);
        board.lastPlayed[1] = puzzle;
        board.pencilMode = std::int16_t(pencilMode);
        modGDI::createDrawingTools(QColor(255, 255, 255), QColor(0, 0, 0), 1);
        modal::setMessageResponder([this](const modal::MessageRequest &request) {
            messages << request;
            if (!request.buttons.testFlag(QMessageBox::Yes))
                return QMessageBox::Ok;
            if (!answers.isEmpty())
                return answers.takeFirst();
            return answerYes ? QMessageBox::Yes : QMessageBox::No;
        });
        modal::setDialogRunner([this](QDialog &dialog) {
            dialogs << dialog.objectName();
            if (onDialog)
                onDialog(dialog);
            return dialogResult;
        });
        modal::setPause([this](int milliseconds) {
            pauses << milliseconds;
            if (onPause)
                onPause();
        });
        shellLinks::setDocumentOpener([this](const QString &target) { documents << target; });
        window = std::make_unique<frmTavMn>(board, settings, dir.path());
        window->formLoad();
        if (!shown)
            return;
        window->show();
        window->activateWindow();
        windowActive = QTest::qWaitForWindowActive(window.get());
    }
    ~WindowHarness()
    {
        window.reset();
        modal::setMessageResponder({});
        modal::setDialogRunner({});
        modal::setPause({});
        shellLinks::setDocumentOpener({});
    }
    WindowHarness(const WindowHarness &) = delete;
    WindowHarness &operator=(const WindowHarness &) = delete;

    frmTavMn &w() { return *window; }
    BoardPicture *grid() { return window->findChild<BoardPicture *>(QStringLiteral("pbGrid")); }
    QAction *act(const QString &name) { return window->findChild<QAction *>(name); }
    template <typename T> T *find(const QString &name) { return window->findChild<T *>(name); }
    QWidget *button(const QString &bar, const QString &name)
    {
        return window->findChild<QToolBar *>(bar)->widgetForAction(act(name));
    }
    int cellSize() const { return window->canvas.cellSize; }
    QPoint cellCentre(int col, int row) const
    {
        const int cs = cellSize();
        return {col * cs + cs / 2, row * cs + cs / 2};
    }

    // Does what the player does, one step of a little script:
    //   menu:NAME  tb:NAME  num:K       choose a menu item, click a main or number toolbar button
    //   key:SEQ  pad:D  window:SEQ      press keys on the board, a keypad digit, keys on the window
    //   click:C,R  right:C,R  at:X,Y    click a cell, right-click it, click at a pixel
    //   press:C,R  release:C,R          the two halves of a click
    //   mark:C,R                        an error mark on a cell, as a check leaves it
    void perform(const QString &step)
    {
        const QString kind = step.section(QLatin1Char(':'), 0, 0);
        const QString arg = step.section(QLatin1Char(':'), 1);
        const QStringList xy = arg.split(QLatin1Char(','));
        const QPoint at = xy.size() == 2 ? QPoint(xy[0].toInt(), xy[1].toInt()) : QPoint();
        const QPoint cell = cellCentre(at.x(), at.y());
        if (kind == QLatin1String("menu")) {
            act(arg)->trigger();
        } else if (kind == QLatin1String("tb")) {
            QTest::mouseClick(button(QStringLiteral("tb"), arg), Qt::LeftButton);
        } else if (kind == QLatin1String("num")) {
            const QString name = QStringLiteral("tbNumButns_") + arg;
            if (arg == QLatin1String("11"))
                act(name)->trigger(); // the no-tool entry shows no button
            else
                QTest::mouseClick(button(QStringLiteral("tbNumButns"), name), Qt::LeftButton);
        } else if (kind == QLatin1String("key") || kind == QLatin1String("window")) {
            const QKeyCombination k = QKeySequence(arg)[0];
            QWidget *target = kind == QLatin1String("key") ? static_cast<QWidget *>(grid()) : window.get();
            QTest::keyClick(target, k.key(), k.keyboardModifiers());
        } else if (kind == QLatin1String("pad")) {
            QTest::keyClick(grid(), Qt::Key(Qt::Key_0 + arg.toInt()), Qt::KeypadModifier);
        } else if (kind == QLatin1String("click")) {
            QTest::mouseClick(grid(), Qt::LeftButton, {}, cell);
        } else if (kind == QLatin1String("right")) {
            QTest::mouseClick(grid(), Qt::RightButton, {}, cell);
        } else if (kind == QLatin1String("at")) {
            QTest::mouseClick(grid(), Qt::LeftButton, {}, at);
        } else if (kind == QLatin1String("press")) {
            QTest::mousePress(grid(), Qt::LeftButton, {}, cell);
        } else if (kind == QLatin1String("release")) {
            QTest::mouseRelease(grid(), Qt::LeftButton, {}, cell);
        } else if (kind == QLatin1String("mark")) {
            board.errorMarks[std::size_t(board.cellIndex(at.x(), at.y()))] = 1;
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
        }
    }
    void perform(const QStringList &steps)
    {
        for (const QString &s : steps)
            perform(s);
    }

    // A mouse move with no button held (the headless platform moves no real pointer).
    void hover(QWidget *over, QPoint at)
    {
        QMouseEvent move(QEvent::MouseMove, at, over->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(over, &move);
    }

    // The player's entries in reading order, as "CR:D" with p for pencil and ! for an error mark.
    QString entries() const
    {
        QStringList cells;
        for (int i = 1; i <= board.cellCount; ++i) {
            const auto s = std::size_t(i);
            if (!board.penEntries[s] && !board.pencilEntries[s] && !board.errorMarks[s])
                continue;
            QString text = QStringLiteral("%1%2:").arg(board.colOf(i)).arg(board.rowOf(i));
            text += QString::number(board.penEntries[s] + board.pencilEntries[s]);
            if (board.pencilEntries[s])
                text += QLatin1Char('p');
            if (board.errorMarks[s])
                text += QLatin1Char('!');
            cells << text;
        }
        return cells.join(QLatin1Char(' '));
    }
    void put(int col, int row, int pen)
    {
        board.penEntries[std::size_t(board.cellIndex(col, row))] = std::uint8_t(pen);
    }

    // The digit and eraser buttons shown pressed.
    QList<int> pressedNumberButtons()
    {
        QList<int> pressed;
        for (int k = 1; k <= 10; ++k)
            if (act(QStringLiteral("tbNumButns_%1").arg(k))->isChecked())
                pressed << k;
        return pressed;
    }
    bool pointerIs(const QPixmap &picture) const
    {
        const QCursor c = window->cursor();
        return c.shape() == Qt::BitmapCursor && c.pixmap().toImage() == picture.toImage();
    }
    // "caption|text" of every box, for compact comparisons.
    QStringList messageLog() const
    {
        QStringList log;
        for (const modal::MessageRequest &m : messages)
            log << m.caption + QLatin1Char('|') + m.text;
        return log;
    }
    // Sets every cell's pen and pencil digit, one character per cell in reading order, '0' empty.
    void fill(const QString &pen, const QString &pencil)
    {
        for (int i = 1; i <= board.cellCount; ++i) {
            board.penEntries[std::size_t(i)] = std::uint8_t(pen.at(i - 1).digitValue());
            board.pencilEntries[std::size_t(i)] = std::uint8_t(pencil.at(i - 1).digitValue());
        }
    }
    QStringList messageTexts() const
    {
        QStringList texts;
        for (const modal::MessageRequest &m : messages)
            texts << m.text;
        return texts;
    }

    QTemporaryDir dir;
    modData::Board board;
    modReg::Settings settings;
    std::unique_ptr<frmTavMn> window;
    bool windowActive = false;
    bool answerYes = true;                          // the answer to a Yes/No box...
    QList<QMessageBox::StandardButton> answers;     // ...unless one is queued here
    int dialogResult = QDialog::Rejected;
    std::function<void()> onPause;                  // runs inside each pause
    std::function<void(QDialog &)> onDialog;        // runs inside each modal dialog
    QList<modal::MessageRequest> messages;
    QStringList dialogs;
    QList<int> pauses;
    QStringList documents;
};
