// The main-window test fixture: a program folder, a book and the answering seams.
#include "game_window_fixture.h"

#include "support/board_fixture.h"

#include <QDialog>
#include <QFile>

namespace gamefixture {

QList<QStringList> numberedBook(int count)
{
    QList<QStringList> book;
    for (int k = 1; k <= count; ++k) {
        const int a = 1 + (k - 1) % 9;
        const int b = 1 + (k - 1) / 9 % 9;
        book.append(
            {QStringLiteral("# # #"), QStringLiteral("# %1 %2").arg(a).arg(b), QStringLiteral("# 5 6")});
    }
    return book;
}

int openPuzzle(const modData::Board &board)
{
    return board.solutionAt(2, 2) + 9 * (board.solutionAt(3, 2) - 1);
}

GameWindow::GameWindow(const QList<QStringList> &book, int lastPlayed)
{
    // Settings written at unload go to this test's own folder, never the user's or another test's.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("data"))));
    const QString path = fixture::writeBook(dir_.path(), book);
    const bool loaded = modData::loadBook(board, path);
    Q_ASSERT(loaded);
    Q_UNUSED(loaded);
    modReg::loadSettings(board, settings);
    board.lastPlayed[1] = lastPlayed;

    modal::setMessageResponder([this](const modal::MessageRequest &request) {
        messages.append(request);
        if (!request.buttons.testFlag(QMessageBox::Yes))
            return QMessageBox::Ok;
        return answers.isEmpty() ? QMessageBox::No : answers.takeFirst();
    });
    modal::setPause([this](int ms) {
        pauses.append(ms);
        if (onPause)
            onPause();
    });
    modal::setDialogRunner([this](QDialog &dialog) {
        dialogs.append(dialog.objectName());
        if (onDialog)
            onDialog(dialog);
        return int(QDialog::Accepted);
    });
    window_ = std::make_unique<frmTavMn>(board, settings, dir_.path());
    window_->formLoad();
}

GameWindow::~GameWindow()
{
    window_.reset();
    modal::setMessageResponder({});
    modal::setPause({});
    modal::setDialogRunner({});
}

QStringList GameWindow::messageLog() const
{
    QStringList log;
    for (const modal::MessageRequest &m : messages)
        log.append(m.caption + QLatin1Char('|') + m.text);
    return log;
}

void GameWindow::fill(const QString &pen, const QString &pencil)
{
    for (int i = 1; i <= board.cellCount; ++i) {
        board.penEntries[std::size_t(i)] = std::uint8_t(pen.at(i - 1).digitValue());
        board.pencilEntries[std::size_t(i)] = std::uint8_t(pencil.at(i - 1).digitValue());
    }
}

} // namespace gamefixture
