#pragma once

#include "platform/Object.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <cstdint>
#include <functional>

// Event types and small pieces of the class library that controls share.

using TNotifyEvent = std::function<void(TObject* Sender)>;
// May change the typed character, or swallow it by setting it to #0.
using TKeyPressEvent = std::function<void(TObject* Sender, QChar& Key)>;

// Horizontal placement of a control's text.
enum TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };

enum TMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };

enum TShiftStateFlag : uint8_t {
    ssShift = 0x01,
    ssAlt = 0x02,
    ssCtrl = 0x04,
    ssLeft = 0x08,
    ssRight = 0x10,
    ssMiddle = 0x20,
    ssDouble = 0x40,
};
using TShiftState = uint8_t;

using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;

// Left, right and middle; other buttons (back, forward) have no TMouseButton.
bool HasMouseButton(Qt::MouseButton button);
TMouseButton MouseButtonOf(Qt::MouseButton button);
TShiftState ShiftStateOf(const QMouseEvent& event);

// The character a key press types, as the system's character message
// carries it: Backspace #8, Tab #9, Return #13, Escape #27, Ctrl+letter
// #1-#26, else the typed text; #0 when the key types nothing (Delete, the
// arrows, Home, End, Insert, the function keys).
QChar KeyCharOf(const QKeyEvent& event);
// The key that types Key, for a key press made up to type it.
int KeyCodeOf(QChar Key);

// Runs a form's key rule for one of its fields from the form's event
// filter. On a key press that types a character, Rule may change it or
// swallow it (#0). True when the filter consumes the event: the character
// was swallowed, or was typed into Field again as changed. A swallowed
// Return or Escape goes on to the dialog (Return as OK). Tab is never the
// rule's: it moves the focus on. A middle-click paste into Field would pass
// by the rule, so it is refused.
bool ApplyKeyRule(QObject& Field, QEvent& Event, const std::function<void(QChar& Key)>& Rule);

// The middle-button release with which X11 pastes its selection into the
// field under the mouse.
bool IsSelectionPaste(const QEvent& Event);
// The text such a paste brings.
QString SelectionText();

// A key released, once per press: the releases of auto-repeat don't count.
bool IsKeyUp(const QEvent& Event);

// Focus that moves because the window lost activation or a popup opened
// has not left the control from the form's point of view.
bool CountsAsFocusChange(Qt::FocusReason reason);

// Gives the focus to the first enabled, visible control of the form in
// tab order, as a form does each time it is shown.
void SelectFirst(QWidget& form);
