#pragma once

#include "platform/Colors.h"
#include "platform/Controls.h"
#include "platform/Guard.h"
#include "platform/Object.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

// A text field whose background tells where the caret is and which fields
// are read-only, and whose text turns bold once the user types into it.
// The edit and the memo share it; Base is the Qt field.
template <typename Base> class TColourTextControl : public Base, public TObject {
public:
    explicit TColourTextControl(QWidget* parent = nullptr) : Base(parent) { ShowColour(); }

    TColor ActiveColour() const { return FActiveColour; }
    void SetActiveColour(TColor Value) {
        FActiveColour = Value;
        Repaint();
    }
    TColor InactiveColour() const { return FInactiveColour; }
    void SetInactiveColour(TColor Value) {
        FInactiveColour = Value;
        Repaint();
    }
    // Shows at the next Repaint.
    TColor ReadOnlyColour() const { return FReadOnlyColour; }
    void SetReadOnlyColour(TColor Value) { FReadOnlyColour = Value; }
    bool ReadOnly() const { return Base::isReadOnly(); }
    void SetReadOnly(bool Value) {
        Base::setReadOnly(Value);
        Repaint();
    }
    // The background shown.
    TColor Color() const { return FColor; }

    // Takes the colour for the read-only state and the focus, then repaints.
    virtual void Repaint() {
        ShowColour();
        Base::update();
    }

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    // Sees every typed character before the field does.
    TKeyPressEvent OnKeyPress;

protected:
    void focusInEvent(QFocusEvent* event) override {
        Base::focusInEvent(event);
        if (FFormFocus)
            return;
        FFormFocus = true;
        FFocused = true;
        Guarded([this] {
            if (OnEnter)
                OnEnter(this);
        });
        Repaint();
    }

    void focusOutEvent(QFocusEvent* event) override {
        Base::focusOutEvent(event);
        if (!FFormFocus || !CountsAsFocusChange(event->reason()))
            return;
        FFormFocus = false;
        if (!ReadOnly())
            FFocused = false;
        Guarded([this] {
            if (OnExit)
                OnExit(this);
        });
        Repaint();
    }

    // A typed character passes OnKeyPress, which may change or swallow it;
    // one the field takes makes the text bold. Keys that type nothing, and
    // those the field leaves to the dialog (Return, Escape), change nothing.
    void keyPressEvent(QKeyEvent* event) override {
        const QChar typed = KeyCharOf(*event);
        if (typed.isNull()) {
            Base::keyPressEvent(event);
            return;
        }
        QChar key = typed;
        if (OnKeyPress)
            Guarded([&] { OnKeyPress(this, key); });
        if (key.isNull())
            return;
        if (key == typed) {
            Base::keyPressEvent(event);
        } else {
            QKeyEvent changed(QEvent::KeyPress, KeyCodeOf(key), Qt::NoModifier, QString(key));
            Base::keyPressEvent(&changed);
            event->setAccepted(changed.isAccepted());
        }
        if (event->isAccepted() && !ReadOnly())
            SetFontStyle(true);
    }

    // Exactly bold, or no style at all.
    void SetFontStyle(bool bold) {
        QFont font = Base::font();
        font.setBold(bold);
        font.setItalic(false);
        font.setUnderline(false);
        font.setStrikeOut(false);
        Base::setFont(font);
    }

private:
    void ShowColour() {
        FColor = ReadOnly() ? FReadOnlyColour : FFocused ? FActiveColour : FInactiveColour;
        QPalette palette = Base::palette();
        palette.setColor(QPalette::Base, ToQColor(FColor));
        Base::setPalette(palette);
    }

    TColor FActiveColour = clWindow;
    TColor FInactiveColour = clInactiveCaptionText;
    TColor FReadOnlyColour = clInfoBk;
    TColor FColor = clInactiveCaptionText;
    // Set on focus enter; a read-only field keeps it on focus exit.
    bool FFocused = false;
    // The focus as the form sees it, so that OnEnter and OnExit alternate.
    bool FFormFocus = false;
};

// The single-line colour field.
class TColourEdit : public TColourTextControl<QLineEdit> {
public:
    explicit TColourEdit(QWidget* parent = nullptr);

    bool Modified() const { return isModified(); }
    // Bold when true, no style when false; a read-only field keeps its font.
    void SetModified(bool Value);
};
