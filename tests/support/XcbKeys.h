#pragma once

#include <QString>
#include <Qt>

class QWidget;

// Key presses as the xcb platform delivers them on an X server, with the
// text X11 gives each key: Delete "\x7f", Backspace "\b", Return "\r",
// Escape "\x1b", Tab "\t", Ctrl+letter its control character, none for the
// arrows, Home, End, Insert and the function keys. QTest gives some of
// these no text, so a field's key rule never sees them as the desktop
// sends them.
QString XcbKeyText(Qt::Key Key, Qt::KeyboardModifiers Modifiers = Qt::NoModifier);

// Presses and releases Key on Widget with that text.
void XcbKeyClick(QWidget* Widget, Qt::Key Key, Qt::KeyboardModifiers Modifiers = Qt::NoModifier);
// Types Text one character at a time, upper-case letters with Shift.
void XcbKeyClicks(QWidget* Widget, const QString& Text);
