#include "designer/editor/EditorDialogWiringUn.h"

#include "designer/dialogs/frmFindWordUn.h"
#include "designer/dialogs/frmNewGameUn.h"
#include "designer/dialogs/frmPreferenceUn.h"
#include "designer/dialogs/frmStatisticsUn.h"
#include "designer/dialogs/frmWishListUn.h"
#include "designer/dialogs/frmWordEditorUn.h"
#include "designer/dialogs/frmWordMatchUn.h"
#include "designer/dialogs/frmWordPatternSearchUn.h"
#include "platform/ListBox.h"
#include "platform/StringList.h"

#include <QAbstractItemModel>
#include <memory>
#include <vector>

namespace {

// The word editor window, kept for the editor's life, behind its interface.
class TWordEditorLink : public IWordEditorDialog {
public:
    explicit TWordEditorLink(QWidget* owner) : FDialog(new TfrmWordEditor(owner)) {
        FDialog->OnWordChange = [this](TObject* sender, int column, int row,
                                       TWordDirectionType direction, const QString& word) {
            if (OnWordChange)
                OnWordChange(sender, column, row, direction, word);
        };
        FDialog->OnDummyChange = [this](TObject* sender, bool checked) {
            if (OnDummyChange)
                OnDummyChange(sender, checked);
        };
        FDialog->OnFitWord = [this](TObject* sender, const QString& word, bool& found) {
            int result = 0;
            if (OnFitWord)
                OnFitWord(sender, word, result);
            found = result > 0;
        };
        FDialog->OnAddToWishList = [this](TObject* sender, const QString& word) {
            if (OnAddToWishList)
                OnAddToWishList(sender, word);
        };
    }
    ~TWordEditorLink() override { delete FDialog; }

    bool Execute(QString& Word, TWordDirectionType& Direction, int& Column, int& Row,
                 bool EditMode) override {
        return FDialog->Execute(Word, Direction, Column, Row, EditMode);
    }
    void SetWordData(int Column, int Row, TWordDirectionType Direction,
                     const QString& Word) override {
        FDialog->SetWordData(Column, Row, Direction, Word);
    }
    void SetDummy(bool Checked) override { FDialog->SetDummy(Checked); }
    void SetWishList(TWordWishList* List) override { FDialog->SetWishList(List); }
    void SetMaxColumn(int Value) override { FDialog->SetMaxColumn(Value); }
    void SetMaxRow(int Value) override { FDialog->SetMaxRow(Value); }

private:
    TfrmWordEditor* FDialog;
};

// The preferences window, kept for the editor's life, behind its interface.
class TPreferencesLink : public IPreferencesDialog {
public:
    explicit TPreferencesLink(QWidget* owner) : FDialog(new TfrmPreferences(owner)) {
        FDialog->OnPreferenceHint = [this](TObject* sender, const QString& text) {
            if (OnPreferenceHint)
                OnPreferenceHint(sender, text);
        };
    }
    ~TPreferencesLink() override { delete FDialog; }

    TWordGameProperties* GetGameProperties() override { return FDialog->GetGameProperties(); }
    bool Execute() override { return FDialog->Execute(); }
    void LoadOptions(const TWordGameProperties& Properties) override {
        FDialog->LoadOptions(Properties);
    }
    void LoadColours(const TWordGameColourPreferences& Colours) override {
        FDialog->LoadColours(Colours);
    }
    int SelectDefaultScheme() override { return FDialog->SelectDefaultScheme(); }
    const TWordGameColourPreferences* Scheme(int Index) const override {
        return FDialog->PresetStore().GetScheme(Index);
    }
    void FillPreviewUnusedCells() override { FDialog->FillPreviewUnusedCells(); }
    void ClearPreviewUnusedCells() override { FDialog->ClearPreviewUnusedCells(); }

private:
    TfrmPreferences* FDialog;
};

// The wish-list window, kept for the editor's life, behind its interface.
// The dialog and the wish list read the puzzle's words as a string list; it
// is kept as a copy of the editor's word list box, renewed on every change of
// the box, so the wish list refuses the words placed since it last opened.
class TWishListLink : public IWishListDialog {
public:
    explicit TWishListLink(QWidget* owner) : FDialog(new TfrmWordWishList(owner)) {
        FDialog->OnFitWord = [this](TObject* sender, const QString& word, int& result) {
            if (OnFitWord)
                OnFitWord(sender, word, result);
        };
    }
    // The dialog goes first, with the connections that renew the copy.
    ~TWishListLink() override { delete FDialog; }

    bool Execute(TWordWishList* List) override { return FDialog->Execute(List); }
    void SetPuzzleWords(const TCustomListBox& Words) override {
        const auto renew = [this, &Words] { FPuzzleWords = TStringList(Words.Items().Lines()); };
        renew();
        FollowChanges(*Words.model(), renew);
        FDialog->SetPuzzleWords(&FPuzzleWords);
    }
    void AddWordLine(const QString& Word) override { FDialog->AddWordLine(Word); }
    void NoteWishListChange(TObject* Sender, const QString& OldWord,
                            const QString& NewWord) override {
        FDialog->NoteWishListChange(Sender, OldWord, NewWord);
    }
    void NoteWordDeleted(TObject* Sender, int Index, const QString& Word) override {
        FDialog->NoteWordDeleted(Sender, Index, Word);
    }
    int FitResult() const override { return FDialog->FitResult(); }

private:
    // Runs renew after every change of the model's rows or texts, until the
    // words are given again or the dialog goes.
    void FollowChanges(const QAbstractItemModel& model, const std::function<void()>& renew) {
        for (const QMetaObject::Connection& connection : FFollowing)
            QObject::disconnect(connection);
        FFollowing = {
            QObject::connect(&model, &QAbstractItemModel::rowsInserted, FDialog, renew),
            QObject::connect(&model, &QAbstractItemModel::rowsRemoved, FDialog, renew),
            QObject::connect(&model, &QAbstractItemModel::rowsMoved, FDialog, renew),
            QObject::connect(&model, &QAbstractItemModel::dataChanged, FDialog, renew),
            QObject::connect(&model, &QAbstractItemModel::layoutChanged, FDialog, renew),
            QObject::connect(&model, &QAbstractItemModel::modelReset, FDialog, renew),
        };
    }

    TfrmWordWishList* FDialog;
    TStringList FPuzzleWords;
    std::vector<QMetaObject::Connection> FFollowing;
};

bool ChangeSize(QWidget* owner, int& columns, int& rows) {
    TfrmNewGame dialog(owner);
    return dialog.ExecuteChangeSize(columns, rows);
}

bool FindWord(QWidget* owner, const QStringList& words, QStringList& found) {
    TfrmFindWord dialog(owner);
    dialog.SetWordList(TStringList(words));
    const bool accepted = dialog.Execute();
    found = dialog.ResultList().Lines();
    return accepted;
}

bool FindPattern(QWidget* owner, const std::function<void(const QString&)>& patternChange) {
    TfrmFindWordPattern dialog(owner);
    dialog.OnPatternChange = [&patternChange](TObject*, const QString& pattern) {
        patternChange(pattern);
    };
    return dialog.Execute();
}

int ChooseWord(QWidget* owner, const QStringList& words) {
    TfrmWordMatch dialog(owner);
    return dialog.Execute(words);
}

void ShowStatistics(QWidget* owner, const QStringList& words) {
    TfrmStatistics dialog(owner);
    dialog.Execute(TStringList(words));
}

} // namespace

TEditorDialogs DesignerEditorDialogs() {
    TEditorDialogs dialogs;
    dialogs.WordEditor = [](QWidget* owner) { return std::make_unique<TWordEditorLink>(owner); };
    dialogs.Preferences = [](QWidget* owner) { return std::make_unique<TPreferencesLink>(owner); };
    dialogs.WishList = [](QWidget* owner) { return std::make_unique<TWishListLink>(owner); };
    dialogs.ChangeSize = ChangeSize;
    dialogs.FindWord = FindWord;
    dialogs.FindPattern = FindPattern;
    dialogs.ChooseWord = ChooseWord;
    dialogs.ShowStatistics = ShowStatistics;
    return dialogs;
}
