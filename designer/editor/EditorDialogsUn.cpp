#include "designer/editor/EditorDialogsUn.h"

#include "designer/editor/EditorDialogWiringUn.h"

namespace {
TEditorDialogs& Current() {
    static TEditorDialogs dialogs = DesignerEditorDialogs();
    return dialogs;
}
} // namespace

const TEditorDialogs& EditorDialogs() {
    return Current();
}

void SetEditorDialogs(const TEditorDialogs& Dialogs) {
    Current() = Dialogs;
}
