#include "playwindow/controls/StaticListBoxUn.h"

#include "platform/Exception.h"
#include "platform/Guard.h"

#include <QKeyEvent>
#include <QMouseEvent>

TStaticListBox::TStaticListBox(QWidget* parent) : TCustomListBox(parent) {
    setFocusPolicy(Qt::TabFocus);
    SetColor(clBtnFace);
}

bool TStaticListBox::GetSelected(int Index) const {
    CheckIndex(Index);
    return item(Index)->isSelected();
}

void TStaticListBox::SetSelected(int Index, bool Value) {
    if (GetSelected(Index) == Value)
        return;
    if (!MultiSelect())
        throw EListError(Index);
    item(Index)->setSelected(Value);
}

int TStaticListBox::ScrolledTopIndex(int key) const {
    const int page = height() / ItemHeight();
    switch (key) {
    case Qt::Key_PageUp:
        return TopIndex() - page;
    case Qt::Key_PageDown:
        return TopIndex() + page;
    case Qt::Key_End:
        return count() - 1;
    case Qt::Key_Home:
        return 0;
    case Qt::Key_Up:
        return TopIndex() - 1;
    case Qt::Key_Down:
        return TopIndex() + 1;
    default:
        return TopIndex();
    }
}

void TStaticListBox::keyPressEvent(QKeyEvent* event) {
    // Return and Escape belong to the form (its OK and Cancel buttons).
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    Guarded([&] { SetTopIndex(ScrolledTopIndex(event->key())); });
    event->accept();
}

void TStaticListBox::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
}

void TStaticListBox::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void TStaticListBox::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void TStaticListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void TStaticListBox::mouseMoveEvent(QMouseEvent* event) {
    // Dragging over the items would select them; plain movement passes.
    if (event->buttons() == Qt::NoButton)
        TCustomListBox::mouseMoveEvent(event);
    else
        event->accept();
}
