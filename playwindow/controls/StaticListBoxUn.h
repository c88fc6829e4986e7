#pragma once

#include "platform/ListBox.h"

// A display-only list: the keyboard scrolls it, but the user cannot select,
// type into or click its items; only the program marks items selected
// (which needs MultiSelect). It is reached with Tab, never by a click;
// Return and Escape go on to the form.
class TStaticListBox : public TCustomListBox {
public:
    explicit TStaticListBox(QWidget* parent = nullptr);

    // Both raise EListError "List index out of bounds (%d)" for an index
    // outside the list; SetSelected also on a single-selection list.
    bool GetSelected(int Index) const;
    void SetSelected(int Index, bool Value);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // The top index a key asks for (unchanged for any other key).
    int ScrolledTopIndex(int key) const;
};
