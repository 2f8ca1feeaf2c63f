// The key schemes' tables and their application to the window's actions and menus.
#include "app/key_scheme.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include <functional>

namespace app {
namespace {

// Actions whose keys the schemes set; every other action keeps the key of its menu entry. None of
// these keys is a key of the board (digits, Space, Delete, Backspace, arrows, Home, F9, F12) or a
// Classic shortcut of another action. Show Solution's F9 is shown in its menu only: the board
// handles the key itself.
struct SchemeKeys {
    const char *action;
    QList<QKeySequence> classic;
    QList<QKeySequence> common;
};

const QList<SchemeKeys> &schemeTable()
{
    static const QList<SchemeKeys> table = {
        {"MNU_ZOOMIN", {Qt::CTRL | Qt::Key_Z}, {Qt::CTRL | Qt::Key_Equal, Qt::CTRL | Qt::Key_Plus}},
        {"MNU_ZOOMOUT", {Qt::CTRL | Qt::Key_O}, {Qt::CTRL | Qt::Key_Minus}},
        {"MNU_ZOOMDEFAULT", {}, {Qt::CTRL | Qt::Key_0}},
        {"MNU_UNDO", {Qt::CTRL | Qt::Key_U}, {Qt::CTRL | Qt::Key_Z, Qt::CTRL | Qt::Key_U}},
        {"MNU_REDO", {Qt::CTRL | Qt::Key_Y}, {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Y}},
        {"MNU_PAUSE", {Qt::Key_F2}, {Qt::Key_F2, Qt::Key_Escape}},
        {"MNU_MENUBAR", {}, {Qt::Key_F10}},
        {"MNU_CHK_ALL", {Qt::CTRL | Qt::Key_K}, {Qt::CTRL | Qt::Key_K}},
        {"MNU_CAND", {Qt::CTRL | Qt::Key_M}, {Qt::CTRL | Qt::Key_M}},
        {"MNU_CAND_FILL", {Qt::CTRL | Qt::SHIFT | Qt::Key_M}, {Qt::CTRL | Qt::SHIFT | Qt::Key_M}},
        {"MNU_SOLUTION", {Qt::Key_F9}, {Qt::Key_F9}},
    };
    return table;
}

const char *const kOwnShortcut = "korvelOwnShortcut";
const char *const kPlainCaption = "korvelPlainCaption";

} // namespace

QList<QKeySequence> schemeShortcuts(const QString &objectName, KeyScheme scheme,
                                    const QKeySequence &ownShortcut)
{
    for (const SchemeKeys &keys : schemeTable()) {
        if (objectName == QLatin1String(keys.action))
            return scheme == KeyScheme::Common ? keys.common : keys.classic;
    }
    return ownShortcut.isEmpty() ? QList<QKeySequence>{} : QList<QKeySequence>{ownShortcut};
}

QString withMnemonic(const QString &caption, QString &taken)
{
    QString text = caption;
    text.replace(QLatin1Char('&'), QLatin1String("&&"));
    int chosen = -1;
    for (const bool wordStartsOnly : {true, false}) {
        for (int k = 0; k < text.size() && chosen < 0; ++k) {
            const QChar c = text.at(k);
            const bool wordStart = k == 0 || !text.at(k - 1).isLetterOrNumber();
            if (c.isLetterOrNumber() && (wordStart || !wordStartsOnly) && !taken.contains(c.toLower()))
                chosen = k;
        }
    }
    if (chosen < 0)
        return text;
    taken += text.at(chosen).toLower();
    return text.insert(chosen, QLatin1Char('&'));
}

void applyKeyScheme(QWidget &window, QMenuBar &menuBar, KeyScheme scheme)
{
    for (QAction *action : window.findChildren<QAction *>()) {
        if (action->objectName().isEmpty() || action->isSeparator())
            continue;
        if (!action->property(kOwnShortcut).isValid())
            action->setProperty(kOwnShortcut, action->shortcut());
        action->setShortcuts(schemeShortcuts(action->objectName(), scheme,
                                             action->property(kOwnShortcut).value<QKeySequence>()));
    }

    const auto setCaption = [scheme](QAction *action, QString &taken) {
        if (!action->property(kPlainCaption).isValid())
            action->setProperty(kPlainCaption, action->text());
        const QString plain = action->property(kPlainCaption).toString();
        action->setText(scheme == KeyScheme::Common ? withMnemonic(plain, taken) : plain);
    };
    QString takenInBar;
    for (QAction *menuAction : menuBar.actions()) {
        setCaption(menuAction, takenInBar);
        const std::function<void(QMenu *)> label = [&](QMenu *menu) {
            QString taken;
            for (QAction *entry : menu->actions()) {
                if (entry->isSeparator())
                    continue;
                setCaption(entry, taken);
                if (entry->menu())
                    label(entry->menu());
            }
        };
        if (menuAction->menu())
            label(menuAction->menu());
    }
}

} // namespace app
