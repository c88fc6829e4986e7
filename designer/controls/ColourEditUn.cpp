#include "designer/controls/ColourEditUn.h"

TColourEdit::TColourEdit(QWidget* parent) : TColourTextControl<QLineEdit>(parent) {}

void TColourEdit::SetModified(bool Value) {
    setModified(Value);
    if (!ReadOnly())
        SetFontStyle(Value);
}
