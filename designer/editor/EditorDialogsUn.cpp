#include "designer/editor/EditorDialogsUn.h"

namespace {
TEditorDialogs& Current() {
    static TEditorDialogs dialogs;
    return dialogs;
}
} // namespace

const TEditorDialogs& EditorDialogs() {
    return Current();
}

void SetEditorDialogs(const TEditorDialogs& Dialogs) {
    Current() = Dialogs;
}
