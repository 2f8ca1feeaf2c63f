// The puzzle-number box.
#include "app/puzzle_number_box.h"

#include <QAction>
#include <QKeyEvent>

namespace app {
namespace {

// True when `key` is the shortcut of an enabled action of the window around `box`.
bool isWindowShortcut(const QWidget &box, const QKeyEvent &key)
{
    const QKeySequence pressed(key.keyCombination());
    const QList<QAction *> actions = box.window()->findChildren<QAction *>();
    return std::any_of(actions.begin(), actions.end(), [&](const QAction *action) {
        return action->isEnabled() && action->shortcutContext() != Qt::WidgetShortcut &&
               action->shortcuts().contains(pressed);
    });
}

} // namespace

PuzzleNumberBox::PuzzleNumberBox(QWidget *parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("txtGN"));
}

bool PuzzleNumberBox::event(QEvent *event)
{
    // Left unaccepted, the override lets the window's shortcut run instead of the box's own key.
    if (event->type() == QEvent::ShortcutOverride &&
        isWindowShortcut(*this, *static_cast<QKeyEvent *>(event))) {
        event->ignore();
        return true;
    }
    return QLineEdit::event(event);
}

void PuzzleNumberBox::keyPressEvent(QKeyEvent *event)
{
    QLineEdit::keyPressEvent(event);
    event->accept();
}

} // namespace app
