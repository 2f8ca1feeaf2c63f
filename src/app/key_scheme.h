// The window's two key schemes: Classic, the game's own keys, and Common, the keys players bring
// from other desktop games (Ctrl+Z undoes, Escape pauses, the menus have mnemonics and F10).
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

class QMenuBar;
class QWidget;

namespace app {

enum class KeyScheme { Classic = 0, Common = 1 };

// The shortcuts of the window action `objectName` under `scheme`, the one the menu shows first.
// `ownShortcut` is the action's key in its menu entry, kept by actions the schemes do not change.
QList<QKeySequence> schemeShortcuts(const QString &objectName, KeyScheme scheme,
                                    const QKeySequence &ownShortcut);

// The caption with an ampersand before the letter that opens it from its menu: the first letter
// of a word not in `taken`, else any such letter, else none; the letter chosen joins `taken`.
// Ampersands already in the caption are kept as text.
QString withMnemonic(const QString &caption, QString &taken);

// Gives every action of `window` its shortcuts under `scheme` and, under Common alone, every menu
// and entry of `menuBar` its mnemonic. The first call remembers each action's own key and caption.
void applyKeyScheme(QWidget &window, QMenuBar &menuBar, KeyScheme scheme);

} // namespace app
