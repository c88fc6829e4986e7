#include "designer/manager/GameManagerUn.h"

#include "designer/editor/frmGameEditorUn.h"
#include "platform/Guard.h"

TGameManager::TGameManager(QObject* Owner) : QObject(Owner) {}

TGameManager::~TGameManager() {
    CloseAll();
    // Releases still pending when the event loop has ended.
    for (const QPointer<TfrmGameEditor>& editor : FReleased)
        delete editor.data();
}

TfrmGameEditor* TGameManager::NewEditor() {
    auto* editor = new TfrmGameEditor();
    editor->SetGameManager(this);
    // The new editor is not in the list yet, so it never matches itself.
    int number = EditorCount();
    QString candidate;
    do {
        ++number;
        candidate = editor->GetDefaultGameTitle() + " " + QString::number(number);
    } while (FindEditorByTitle(candidate));
    editor->SetDefaultGameTitle(candidate);
    FEditors.push_back(editor);
    return editor;
}

TfrmGameEditor* TGameManager::GetEditor(int Index) const {
    return FEditors.at(size_t(Index));
}

int TGameManager::IndexOfEditor(const TfrmGameEditor* Editor) const {
    for (size_t i = 0; i < FEditors.size(); ++i)
        if (FEditors[i] == Editor)
            return int(i);
    return -1;
}

TfrmGameEditor* TGameManager::FindEditorByTitle(const QString& Title) const {
    for (TfrmGameEditor* editor : FEditors)
        if (editor->GetGameTitle() == Title)
            return editor;
    return nullptr;
}

bool TGameManager::CloseEditor(int Index, bool Forced) {
    TfrmGameEditor* editor = GetEditor(Index);
    if (Forced)
        // The editor goes whatever the answer; a failed save is shown.
        Guarded([&] { editor->QuerySave(true); });
    else if (!editor->QuerySave(false))
        return false;
    // A released editor reports nothing more. The request may come from the
    // editor's own action, so it is destroyed once that event is handled.
    editor->OnTitleChanged = nullptr;
    editor->OnCloseRequest = nullptr;
    editor->OnHidden = nullptr;
    editor->hide();
    editor->deleteLater();
    FReleased.emplace_back(editor);
    FEditors.erase(FEditors.begin() + Index);
    return true;
}

void TGameManager::CloseAll() {
    while (!FEditors.empty())
        CloseEditor(0, true);
}

bool TGameManager::CanCloseAll() {
    for (TfrmGameEditor* editor : FEditors)
        if (!editor->QuerySave(false))
            return false;
    return true;
}

void TGameManager::HideAll() {
    for (TfrmGameEditor* editor : FEditors)
        editor->hide();
}
