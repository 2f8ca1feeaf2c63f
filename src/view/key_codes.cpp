// Translation of Qt key events into the board's key codes.
#include "view/key_codes.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace view {
namespace {

// The digit 0..9 of a main-row key found by its physical position, or -1.
int mainRowDigit(const KeyPress &press, QStringView platform)
{
    if (platform == u"xcb" || platform.startsWith(u"wayland")) {
        // X keycodes (evdev + 8): the keys 1..9 are 10..18 and 0 is 19 on every layout.
        if (press.nativeScanCode >= 10 && press.nativeScanCode <= 18)
            return int(press.nativeScanCode) - 9;
        if (press.nativeScanCode == 19)
            return 0;
    } else if (platform == u"windows") {
        // The platform's own virtual key already names the digit of the key, not of the symbol.
        if (press.nativeVirtualKey >= 0x30 && press.nativeVirtualKey <= 0x39)
            return int(press.nativeVirtualKey) - 0x30;
    }
    return -1;
}

// The digit 0..9 of a keypad key on Windows, where its virtual key says so, or -1.
int windowsKeypadDigit(const KeyPress &press, QStringView platform)
{
    if (platform == u"windows" && press.nativeVirtualKey >= 0x60 && press.nativeVirtualKey <= 0x69)
        return int(press.nativeVirtualKey) - 0x60;
    return -1;
}

} // namespace

int virtualKeyCode(const KeyPress &press, QStringView platformName)
{
    const bool keypad = press.modifiers.testFlag(Qt::KeypadModifier);
    const bool qtDigit = press.qtKey >= Qt::Key_0 && press.qtKey <= Qt::Key_9;

    if (const int d = windowsKeypadDigit(press, platformName); d >= 0)
        return keyCode::Numpad0 + d;
    if (keypad && qtDigit)
        return keyCode::Numpad0 + (press.qtKey - Qt::Key_0);
    if (!keypad) {
        if (const int d = mainRowDigit(press, platformName); d >= 0)
            return keyCode::Digit0 + d;
        if (qtDigit)
            return keyCode::Digit0 + (press.qtKey - Qt::Key_0);
    }

    switch (press.qtKey) {
    case Qt::Key_Backspace:
        return keyCode::Back;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return keyCode::Return;
    case Qt::Key_Escape:
        return keyCode::Escape;
    case Qt::Key_Space:
        return keyCode::Space;
    case Qt::Key_Home:
        return keyCode::Home;
    case Qt::Key_Left:
        return keyCode::Left;
    case Qt::Key_Up:
        return keyCode::Up;
    case Qt::Key_Right:
        return keyCode::Right;
    case Qt::Key_Down:
        return keyCode::Down;
    case Qt::Key_Delete:
        return keyCode::Delete;
    case Qt::Key_F9:
        return keyCode::F9;
    case Qt::Key_F12:
        return keyCode::F12;
    default:
        return keyCode::None;
    }
}

int virtualKeyCode(const QKeyEvent &event)
{
    const KeyPress press{event.key(), event.modifiers(), event.nativeScanCode(), event.nativeVirtualKey()};
    return virtualKeyCode(press, QGuiApplication::platformName());
}

} // namespace view
