#include "support/XcbKeys.h"

#include <QTest>

QString XcbKeyText(Qt::Key Key, Qt::KeyboardModifiers Modifiers) {
    switch (Key) {
    case Qt::Key_Delete:
        return QString(QChar(0x7f));
    case Qt::Key_Backspace:
        return "\b";
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return "\r";
    case Qt::Key_Escape:
        return "\x1b";
    case Qt::Key_Tab:
        return "\t";
    default:
        break;
    }
    if (Key >= Qt::Key_Escape)
        return QString();
    const bool letter = Key >= Qt::Key_A && Key <= Qt::Key_Z;
    if (letter && (Modifiers & Qt::ControlModifier))
        return QString(QChar(Key - Qt::Key_A + 1));
    const QChar typed(Key);
    return letter && !(Modifiers & Qt::ShiftModifier) ? QString(typed.toLower()) : QString(typed);
}

void XcbKeyClick(QWidget* Widget, Qt::Key Key, Qt::KeyboardModifiers Modifiers) {
    QTest::sendKeyEvent(QTest::Click, Widget, Key, XcbKeyText(Key, Modifiers), Modifiers);
}

void XcbKeyClicks(QWidget* Widget, const QString& Text) {
    for (const QChar ch : Text) {
        const QChar upper = ch.toUpper();
        const bool shifted = ch.isUpper();
        XcbKeyClick(Widget, Qt::Key(upper.unicode()), shifted ? Qt::ShiftModifier : Qt::NoModifier);
    }
}
