#include "designer/editor/EditorDialogWiringUn.h"

#include "designer/dialogs/frmFindWordUn.h"
#include "designer/dialogs/frmNewGameUn.h"
#include "designer/dialogs/frmStatisticsUn.h"
#include "designer/dialogs/frmWordEditorUn.h"
#include "designer/dialogs/frmWordMatchUn.h"
#include "designer/dialogs/frmWordPatternSearchUn.h"
#include "platform/StringList.h"

#include <memory>

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
    dialogs.ChangeSize = ChangeSize;
    dialogs.FindWord = FindWord;
    dialogs.FindPattern = FindPattern;
    dialogs.ChooseWord = ChooseWord;
    dialogs.ShowStatistics = ShowStatistics;
    return dialogs;
}
