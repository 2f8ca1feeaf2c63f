// The one road for modal message boxes and modal dialogs, and the blocking pause, so that tests
// can answer, drive or skip them without a person.
#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QDialog;
class QWidget;

namespace platform {

struct MessageRequest {
    QWidget *parent = nullptr;
    QString text;
    QString caption;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
};

using MessageResponder = std::function<QMessageBox::StandardButton(const MessageRequest &)>;
using DialogRunner = std::function<int(QDialog &)>;
using PauseFunction = std::function<void(int milliseconds)>;

// Shows a modal message box and returns the button chosen. Captions are given whole by the
// caller ("Korvel", "Korvel - Alert", ...).
QMessageBox::StandardButton message(QWidget *parent, const QString &text, const QString &caption,
                                    QMessageBox::StandardButtons buttons = QMessageBox::Ok);

// Runs a dialog modally (its exec()) and returns its result.
int execDialog(QDialog &dialog);

// Blocks the user-interface thread for `milliseconds` without processing events: no timer tick
// or input slips in. The caller repaints what must be seen first.
void pause(int milliseconds);

// Test seams: install a responder, runner or pause; an empty function restores the real one.
void setMessageResponder(MessageResponder responder);
void setDialogRunner(DialogRunner runner);
void setPause(PauseFunction pause);

} // namespace platform
