// Real modal boxes, dialogs and pauses, each replaceable by a test.
#include "platform/modal.h"

#include "platform/app_identity.h"

#include <QDialog>
#include <QThread>

namespace platform {
namespace {

MessageResponder &responderSlot()
{
    static MessageResponder slot;
    return slot;
}

DialogRunner &runnerSlot()
{
    static DialogRunner slot;
    return slot;
}

PauseFunction &pauseSlot()
{
    static PauseFunction slot;
    return slot;
}

} // namespace

QMessageBox::StandardButton message(QWidget *parent, const QString &text, const QString &caption,
                                    QMessageBox::StandardButtons buttons)
{
    if (responderSlot())
        return responderSlot()(MessageRequest{parent, text, caption, buttons});
    QMessageBox box(QMessageBox::NoIcon, caption, text, buttons, parent);
    box.setWindowIcon(windowIcon());
    if (buttons.testFlag(QMessageBox::Yes) && buttons.testFlag(QMessageBox::No))
        box.setIcon(QMessageBox::Question);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

int execDialog(QDialog &dialog)
{
    if (runnerSlot())
        return runnerSlot()(dialog);
    return dialog.exec();
}

void pause(int milliseconds)
{
    if (pauseSlot()) {
        pauseSlot()(milliseconds);
        return;
    }
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void setMessageResponder(MessageResponder responder)
{
    responderSlot() = std::move(responder);
}
void setDialogRunner(DialogRunner runner)
{
    runnerSlot() = std::move(runner);
}
void setPause(PauseFunction pauseFunction)
{
    pauseSlot() = std::move(pauseFunction);
}

} // namespace platform
