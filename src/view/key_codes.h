// Key presses as the board's key table knows them: the classic virtual-key codes, read from the
// physical key so that Shift and the keyboard layout do not change which digit a key enters.
#pragma once

#include <QStringView>
#include <Qt>

class QKeyEvent;

namespace view {
namespace keyCode {
inline constexpr int None = 0; // any key the board does not know
inline constexpr int Back = 8;
inline constexpr int Return = 13;
inline constexpr int Escape = 27;
inline constexpr int Space = 32;
inline constexpr int Home = 36; // not one of the classic board keys: it selects the first entry cell
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Delete = 46;
inline constexpr int Digit0 = 48; // main row 0..9: 48..57
inline constexpr int Digit9 = 57;
inline constexpr int Numpad0 = 96; // keypad 0..9: 96..105
inline constexpr int Numpad9 = 105;
inline constexpr int F9 = 120;
inline constexpr int F12 = 123;
} // namespace keyCode

// What one key press carries, as Qt reports it.
struct KeyPress {
    int qtKey = 0;
    Qt::KeyboardModifiers modifiers;
    quint32 nativeScanCode = 0;
    quint32 nativeVirtualKey = 0;
};

// The code of a key press on the platform `platformName` ("xcb", "wayland", "windows", ...).
// Digits come from the key itself: the main row gives 48..57 and the keypad 96..105 whatever
// Shift or the layout put on them; keys the board has no use for give keyCode::None.
int virtualKeyCode(const KeyPress &press, QStringView platformName);

// The same for a key event of the running application's platform.
int virtualKeyCode(const QKeyEvent &event);

} // namespace view
