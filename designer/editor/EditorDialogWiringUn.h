#pragma once

#include "designer/editor/EditorDialogsUn.h"

// The editor window's dialogs as the program has them: the designer's own
// dialog windows behind the editor's dialog interfaces.
TEditorDialogs DesignerEditorDialogs();
