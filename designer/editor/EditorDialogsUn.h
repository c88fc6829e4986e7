#pragma once

#include "engine/wordgame/WordDirectionUn.h"
#include "platform/Object.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QWidget;
class TCustomListBox;
class TWordGameColourPreferences;
class TWordGameProperties;
class TWordWishList;
class TfrmGameEditor;

// What the editor window asks of the dialogs it opens. The window talks to
// them only through these, so the dialogs' own units stay theirs and a test
// can script what the user does in each.

// Fit Word: Result is 1 when a place was found, 0 when not.
using TEditorFitWordEvent = std::function<void(TObject* Sender, const QString& Word, int& Result)>;

// The word editor, kept for the window's life.
class IWordEditorDialog {
public:
    virtual ~IWordEditorDialog() = default;
    // True for OK, with the arguments set to what the user chose.
    virtual bool Execute(QString& Word, TWordDirectionType& Direction, int& Column, int& Row,
                         bool EditMode) = 0;
    virtual void SetWordData(int Column, int Row, TWordDirectionType Direction,
                             const QString& Word) = 0;
    virtual void SetDummy(bool Checked) = 0;
    virtual void SetWishList(TWordWishList* List) = 0;
    virtual void SetMaxColumn(int Value) = 0;
    virtual void SetMaxRow(int Value) = 0;

    std::function<void(TObject* Sender, int Column, int Row, TWordDirectionType Direction,
                       const QString& Word)>
        OnWordChange;
    std::function<void(TObject* Sender, bool State)> OnDummyChange;
    TEditorFitWordEvent OnFitWord;
    std::function<void(TObject* Sender, const QString& Word)> OnAddToWishList;
};

// The preferences dialog, kept for the window's life.
class IPreferencesDialog {
public:
    virtual ~IPreferencesDialog() = default;
    virtual TWordGameProperties* GetGameProperties() = 0;
    virtual bool Execute() = 0;
    virtual void LoadOptions(const TWordGameProperties& Properties) = 0;
    virtual void LoadColours(const TWordGameColourPreferences& Colours) = 0;
    // The store index of the scheme "Default", or -1.
    virtual int SelectDefaultScheme() = 0;
    // The preset at a store index (palette indexes, not colours).
    virtual const TWordGameColourPreferences* Scheme(int Index) const = 0;
    virtual void FillPreviewUnusedCells() = 0;
    virtual void ClearPreviewUnusedCells() = 0;

    std::function<void(TObject* Sender, const QString& Text)> OnPreferenceHint;
};

// The wish-list dialog, kept for the window's life.
class IWishListDialog {
public:
    virtual ~IWishListDialog() = default;
    virtual bool Execute(TWordWishList* List) = 0;
    // The words already in the puzzle: the lines of the window's word list,
    // followed through every change of the list.
    virtual void SetPuzzleWords(const TCustomListBox& Words) = 0;
    virtual void AddWordLine(const QString& Word) = 0;
    // The wish list's change and removal events.
    virtual void NoteWishListChange(TObject* Sender, const QString& OldWord,
                                    const QString& NewWord) = 0;
    virtual void NoteWordDeleted(TObject* Sender, int Index, const QString& Word) = 0;
    // -1 when no Fit Word ran in the last Execute.
    virtual int FitResult() const = 0;

    TEditorFitWordEvent OnFitWord;
};

// How the window makes each dialog. The kept dialogs are made once; the
// others run for one use with the window as owner and are released after it.
struct TEditorDialogs {
    std::function<std::unique_ptr<IWordEditorDialog>(QWidget* Owner)> WordEditor;
    std::function<std::unique_ptr<IPreferencesDialog>(QWidget* Owner)> Preferences;
    std::function<std::unique_ptr<IWishListDialog>(QWidget* Owner)> WishList;
    // The new-game dialog in its change-size form; true for OK.
    std::function<bool(QWidget* Owner, int& Columns, int& Rows)> ChangeSize;
    // The find-word dialog over the words; true for OK with the words found.
    std::function<bool(QWidget* Owner, const QStringList& Words, QStringList& Found)> FindWord;
    // The pattern dialog, reporting every change of the pattern; true for OK.
    std::function<bool(QWidget* Owner, const std::function<void(const QString&)>& PatternChange)>
        FindPattern;
    // The word-choice dialog; the chosen index, or -1.
    std::function<int(QWidget* Owner, const QStringList& Words)> ChooseWord;
    std::function<void(QWidget* Owner, const QStringList& Words)> ShowStatistics;
};

// The dialogs every new editor window uses: the designer's own unless
// another set was given.
const TEditorDialogs& EditorDialogs();
void SetEditorDialogs(const TEditorDialogs& Dialogs);

// What the window asks of the game manager that owns it.
class TGameManagerLink {
public:
    virtual ~TGameManagerLink() = default;
    virtual bool HelpAvailable() const = 0;
    // The first open editor whose game title is Title, or null.
    virtual TfrmGameEditor* FindEditorByTitle(const QString& Title) const = 0;
};
