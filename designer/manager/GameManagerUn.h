#pragma once

#include "designer/editor/EditorDialogsUn.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

class TfrmGameEditor;

// The games in progress: owns their editor windows, kept in creation order
// (index 0 the oldest), gives each new puzzle a title no open game has, and
// hides or closes them with the editor's save question.
class TGameManager : public QObject, public TGameManagerLink {
public:
    explicit TGameManager(QObject* Owner = nullptr);
    // Closes every editor with the forced question.
    ~TGameManager() override;

    // A new editor, attached to this manager, its puzzle uniquely titled and
    // last in the list; neither shown nor listed in the manager window.
    TfrmGameEditor* NewEditor();
    TfrmGameEditor* GetEditor(int Index) const;
    int EditorCount() const { return int(FEditors.size()); }
    int IndexOfEditor(const TfrmGameEditor* Editor) const;
    TfrmGameEditor* FindEditorByTitle(const QString& Title) const override;

    // Asks the editor's save question and releases it; false when the
    // normal question was cancelled and the editor stays.
    bool CloseEditor(int Index, bool Forced);
    void CloseAll();
    // Asks every modified game Yes/No/Cancel; false at the first Cancel.
    bool CanCloseAll();
    void HideAll();

    bool HelpAvailable() const override { return FHelpAvailable; }
    void SetHelpAvailable(bool Value) { FHelpAvailable = Value; }

private:
    std::vector<TfrmGameEditor*> FEditors;
    // Released editors whose deferred destruction may not have run yet.
    std::vector<QPointer<TfrmGameEditor>> FReleased;
    bool FHelpAvailable = false;
};
