#include "platform/Controls.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>

bool HasMouseButton(Qt::MouseButton button) {
    return button == Qt::LeftButton || button == Qt::RightButton || button == Qt::MiddleButton;
}

TMouseButton MouseButtonOf(Qt::MouseButton button) {
    if (button == Qt::RightButton)
        return mbRight;
    if (button == Qt::MiddleButton)
        return mbMiddle;
    return mbLeft;
}

TShiftState ShiftStateOf(const QMouseEvent& event) {
    TShiftState shift = 0;
    const Qt::KeyboardModifiers keys = event.modifiers();
    const Qt::MouseButtons buttons = event.buttons();
    if (keys & Qt::ShiftModifier)
        shift |= ssShift;
    if (keys & Qt::AltModifier)
        shift |= ssAlt;
    if (keys & Qt::ControlModifier)
        shift |= ssCtrl;
    if (buttons & Qt::LeftButton)
        shift |= ssLeft;
    if (buttons & Qt::RightButton)
        shift |= ssRight;
    if (buttons & Qt::MiddleButton)
        shift |= ssMiddle;
    if (event.type() == QEvent::MouseButtonDblClick)
        shift |= ssDouble;
    return shift;
}

QChar KeyCharOf(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Backspace:
        return QChar(8);
    case Qt::Key_Tab:
        return QChar(9);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QChar(13);
    case Qt::Key_Escape:
        return QChar(27);
    default:
        break;
    }
    const bool control = event.modifiers() & Qt::ControlModifier;
    if (control && event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z)
        return QChar(event.key() - Qt::Key_A + 1);
    // Delete, the arrows, Home, End, Insert and the function keys type
    // nothing, whatever text X11 gives them (Delete comes with #127).
    const bool typingKey = event.key() < Qt::Key_Escape || event.key() == Qt::Key_unknown;
    const QString text = event.text();
    if (control || !typingKey || text.isEmpty() || text.front().category() == QChar::Other_Control)
        return QChar(0);
    return text.front();
}

int KeyCodeOf(QChar Key) {
    if (Key == QChar(8))
        return Qt::Key_Backspace;
    if (Key == QChar(13))
        return Qt::Key_Return;
    return Key.toUpper().unicode();
}

bool ApplyKeyRule(QObject& Field, QEvent& Event, const std::function<void(QChar& Key)>& Rule) {
    // A character typed again as changed passes the rule unasked.
    static bool retyping = false;
    if (IsSelectionPaste(Event))
        return true;
    if (retyping || Event.type() != QEvent::KeyPress)
        return false;
    const auto& press = static_cast<const QKeyEvent&>(Event);
    // Tab moves between the form's controls before any field sees it.
    if (press.key() == Qt::Key_Tab || press.key() == Qt::Key_Backtab)
        return false;
    const QChar typed = KeyCharOf(press);
    if (typed.isNull())
        return false;
    QChar key = typed;
    Rule(key);
    if (key == typed)
        return false;
    if (key.isNull()) {
        // Return and Escape belong to the dialog before any field: a
        // swallowed one still reaches the form's buttons.
        if (typed == QChar(13) || typed == QChar(27))
            Event.ignore();
        return true;
    }
    QKeyEvent changed(QEvent::KeyPress, KeyCodeOf(key), Qt::NoModifier, QString(key));
    retyping = true;
    QCoreApplication::sendEvent(&Field, &changed);
    retyping = false;
    return true;
}

bool IsSelectionPaste(const QEvent& Event) {
    return Event.type() == QEvent::MouseButtonRelease &&
           static_cast<const QMouseEvent&>(Event).button() == Qt::MiddleButton &&
           QGuiApplication::clipboard()->supportsSelection();
}

QString SelectionText() {
    return QGuiApplication::clipboard()->text(QClipboard::Selection);
}

bool IsKeyUp(const QEvent& Event) {
    return Event.type() == QEvent::KeyRelease &&
           !static_cast<const QKeyEvent&>(Event).isAutoRepeat();
}

bool CountsAsFocusChange(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

void SelectFirst(QWidget& form) {
    for (QWidget* control = form.nextInFocusChain(); control != &form;
         control = control->nextInFocusChain())
        if ((control->focusPolicy() & Qt::TabFocus) && control->isEnabled() &&
            control->isVisible() && form.isAncestorOf(control)) {
            control->setFocus(Qt::TabFocusReason);
            return;
        }
}
