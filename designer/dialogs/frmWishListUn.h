#pragma once

#include "designer/dialogs/DialogFormUn.h"
#include "engine/matching/StringMatchUn.h"
#include "platform/Object.h"

#include <functional>

class QAction;
class QFrame;
class QGroupBox;
class QMenu;
class TColourEdit;
class TColourListBox;
class TColourMemo;
class TWordWishList;

// Result is the editor's answer: 1 when the word found a place, 0 when not.
using TWishListFitWordEvent =
    std::function<void(TObject* Sender, const QString& Word, int& Result)>;

// The modal result with which Fit Word closes the dialog.
constexpr int mrFitWord = 6;

// Edits a puzzle's wish list as free text, one word per line; the wish list
// normalises the words whenever the text is committed. A filter narrows the
// view to the words holding a piece of text. Created once by the editor
// window and reused for its wish list.
class TfrmWordWishList : public TDialogForm, public TObject {
    Q_OBJECT
public:
    explicit TfrmWordWishList(QWidget* owner);

    // True after OK and after Fit Word, with the memo's words in WishList;
    // false after Cancel, with WishList as it was. The dialog keeps the
    // reference afterwards.
    bool Execute(TWordWishList* WishList);
    // The words already in the puzzle, not owned; the wish list refuses them.
    void SetPuzzleWords(const TStringList* Words);
    // Shows a word the wish list gained while the dialog works (an import).
    void AddWordLine(const QString& Word);
    // For the wish list's other two events, which the dialog does not show.
    void NoteWishListChange(TObject*, const QString&, const QString&) {}
    void NoteWordDeleted(TObject*, int, const QString&) {}

    // The editor's answer to Fit Word; below 0 when no word reached the
    // editor during the last Execute.
    int FitResult() const { return FFitResult; }

    TWishListFitWordEvent OnFitWord;

    QGroupBox* GroupBox1;
    TColourEdit* cedSearch;
    TColourMemo* memAllWordList;
    TColourListBox* lbxFilteredWordList;
    QToolButton* btnCopy;
    QToolButton* btnPaste;
    QToolButton* btnFitWord;
    QToolButton* btnImport;
    QToolButton* btnExport;
    QPushButton* btnOK;
    QPushButton* btnCancel;
    QMenu* PopupMenu1;

    QAction* actCopy;
    QAction* actCopy2;
    QAction* actPaste;
    QAction* actPaste2;
    QAction* actFitWord;
    QAction* actFitWord2;
    QAction* actImport;
    QAction* actImport2;
    QAction* actExport;
    QAction* actExport2;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateActions();
    void CreateControls();
    void CreateButtonColumn();

    void actCopyExecute();
    void actPasteExecute();
    void actFitWord2Execute();
    void actImport2Execute();
    void ImportWords(const QString& FileName);
    void actExport2Execute();
    void memAllWordListKeyPress(QChar& Key);
    void memAllWordListMouseUp();
    void lbxFilteredWordListClick();
    void cedSearchEnter();
    void cedSearchExit();
    void cedSearchKeyPress(QChar& Key);
    void cedSearchKeyUp();

    bool IsActionShortcut(const QEvent& event) const;
    // Inserts Text at the caret as the memo takes it; gives what it inserted.
    QString PasteWords(const QString& Text);
    void LoadMemo();
    void SetWishListFromMemo();
    void CommitMemo();
    void FitCandidate();
    bool CleanCandidate();
    void SetCandidate(const QString& Text);
    QString SelectedText() const;
    void UpdateActions();
    void ApplyFilter();
    void FilterWords(const QString& Text);
    void ShowMemo();
    void FocusWords();

    TWordWishList* FWishList = nullptr;
    const TStringList* FPuzzleWords = nullptr;
    TStringMatch FFilter;
    QString FCandidate;
    int FFitResult = -1;
    // While an import runs: the words it adds, shown together when it ends.
    QStringList* FImportedWords = nullptr;
};

// The clipboard's text as the memo takes it: a-z upper-cased, only line
// breaks, 0-9 and A-Z kept.
QString FilterClipboardText(const QString& Text);
