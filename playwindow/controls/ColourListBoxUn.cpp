#include "playwindow/controls/ColourListBoxUn.h"

#include "platform/Guard.h"

#include <QHideEvent>
#include <QKeyEvent>

TColourListBox::TColourListBox(QWidget* parent) : TCustomListBox(parent) {
    SetColor(clInactiveCaptionText);
}

void TColourListBox::SetActiveColour(TColor Value) {
    FActiveColour = Value;
    Repaint();
}

void TColourListBox::SetInactiveColour(TColor Value) {
    FInactiveColour = Value;
    Repaint();
}

void TColourListBox::Repaint() {
    SetColor(FormFocus() ? FActiveColour : FInactiveColour);
    viewport()->update();
}

void TColourListBox::hideEvent(QHideEvent* event) {
    TCustomListBox::hideEvent(event);
    if (!event->spontaneous())
        ForgetFormFocus();
}

void TColourListBox::keyPressEvent(QKeyEvent* event) {
    QChar key = KeyCharOf(*event);
    if (key.isNull() || !OnKeyPress) {
        TCustomListBox::keyPressEvent(event);
        return;
    }
    const QChar typed = key;
    Guarded([&] { OnKeyPress(this, key); });
    if (key == typed) {
        TCustomListBox::keyPressEvent(event);
        return;
    }
    if (key.isPrint())
        keyboardSearch(QString(key));
    event->accept();
}
