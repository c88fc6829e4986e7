#pragma once

#include "platform/ListBox.h"

#include <functional>

// A list box whose colour shows whether it has the focus: ActiveColour
// while focused, InactiveColour otherwise.
class TColourListBox : public TCustomListBox {
public:
    explicit TColourListBox(QWidget* parent = nullptr);

    TColor ActiveColour() const { return FActiveColour; }
    void SetActiveColour(TColor Value);
    TColor InactiveColour() const { return FInactiveColour; }
    void SetInactiveColour(TColor Value);

    // Takes the colour for the focus, then repaints.
    virtual void Repaint();

    // May change the typed character, or swallow it by setting it to #0;
    // what is left goes to the list's type-ahead search.
    TKeyPressEvent OnKeyPress;

protected:
    void FormFocusChanged() override { Repaint(); }
    // A list whose form hides has lost the focus, though the window system
    // tells only of the deactivation that goes with it.
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    TColor FActiveColour = clWindow;
    TColor FInactiveColour = clInactiveCaptionText;
};
