#include "platform/Controls.h"
#include "support/XcbKeys.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

namespace {

QKeyEvent Press(Qt::Key Key, Qt::KeyboardModifiers Modifiers, const QString& Text) {
    return QKeyEvent(QEvent::KeyPress, Key, Modifiers, Text);
}

} // namespace

// Keys as an X server sends them: the character the form's key rules see.
TEST(KeyCharOf, KeysAsX11SendsThem) {
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int expected;
    } cases[] = {
        {Qt::Key_Backspace, Qt::NoModifier, 8},
        {Qt::Key_Tab, Qt::NoModifier, 9},
        {Qt::Key_Return, Qt::NoModifier, 13},
        {Qt::Key_Enter, Qt::KeypadModifier, 13},
        {Qt::Key_Escape, Qt::NoModifier, 27},
        {Qt::Key_A, Qt::ControlModifier, 1},
        {Qt::Key_V, Qt::ControlModifier, 22},
        {Qt::Key_Z, Qt::ControlModifier, 26},
        {Qt::Key_A, Qt::NoModifier, 'a'},
        {Qt::Key_A, Qt::ShiftModifier, 'A'},
        {Qt::Key_7, Qt::NoModifier, '7'},
        {Qt::Key_Comma, Qt::NoModifier, ','},
        {Qt::Key_Space, Qt::NoModifier, ' '},
        // Keys that type nothing.
        {Qt::Key_Delete, Qt::NoModifier, 0},
        {Qt::Key_Left, Qt::NoModifier, 0},
        {Qt::Key_Home, Qt::NoModifier, 0},
        {Qt::Key_End, Qt::NoModifier, 0},
        {Qt::Key_Insert, Qt::NoModifier, 0},
        {Qt::Key_F2, Qt::NoModifier, 0},
        {Qt::Key_Backtab, Qt::ShiftModifier, 0},
        {Qt::Key_Control, Qt::ControlModifier, 0},
        {Qt::Key_1, Qt::ControlModifier, 0},
    };
    for (const auto& c : cases) {
        const QKeyEvent press = Press(c.key, c.modifiers, XcbKeyText(c.key, c.modifiers));
        EXPECT_EQ(KeyCharOf(press).unicode(), c.expected)
            << "key 0x" << std::hex << c.key << " text " << press.text().toStdString();
    }
}

// Whatever text a key brings, the keys that type nothing stay silent, and
// a control character never passes as a typed one.
TEST(KeyCharOf, NoCharacterFromTheTextOfKeysThatTypeNothing) {
    const struct {
        Qt::Key key;
        QString text;
    } cases[] = {
        {Qt::Key_Delete, QString(QChar(0x7f))},
        {Qt::Key_Left, "\x1b[D"},
        {Qt::Key_Insert, "x"},
        {Qt::Key_F5, "5"},
        {Qt::Key_unknown, QString(QChar(0x7f))},
        {Qt::Key_unknown, QString(QChar(0x85))},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(KeyCharOf(Press(c.key, Qt::NoModifier, c.text)).isNull())
            << "key 0x" << std::hex << c.key;
    EXPECT_EQ(KeyCharOf(Press(Qt::Key_unknown, Qt::NoModifier, QString(QChar(0xe9)))), QChar(0xe9))
        << "a character Qt has no key for is still typed";
}
