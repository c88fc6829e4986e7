#pragma once

#include "designer/editor/EditorDialogWiringUn.h"
#include "designer/editor/EditorDialogsUn.h"
#include "designer/editor/EditorTextsUn.h"
#include "designer/editor/frmGameEditorUn.h"
#include "engine/properties/WordGamePropertiesUn.h"
#include "platform/ListBox.h"
#include "support/FakeServices.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

// The word editor as a test drives it: each Execute runs the next script,
// which may "type" through OnWordChange and answers OK or Cancel.
class FakeWordEditor : public IWordEditorDialog {
public:
    struct Call {
        QString Word;
        TWordDirectionType Direction;
        int Column, Row;
        bool EditMode, Dummy;
        int MaxColumn, MaxRow;
    };
    using Script = std::function<bool(FakeWordEditor& editor, QString& Word,
                                      TWordDirectionType& Direction, int& Column, int& Row)>;

    bool Execute(QString& Word, TWordDirectionType& Direction, int& Column, int& Row,
                 bool EditMode) override {
        Calls.push_back({Word, Direction, Column, Row, EditMode, Dummy, MaxColumn, MaxRow});
        if (Scripts.empty()) {
            ADD_FAILURE() << "unexpected word editor";
            return false;
        }
        Script script = std::move(Scripts.front());
        Scripts.pop_front();
        return script(*this, Word, Direction, Column, Row);
    }
    void SetWordData(int Column, int Row, TWordDirectionType Direction,
                     const QString& Word) override {
        WordData.push_back({Word, Direction, Column, Row, false, Dummy, MaxColumn, MaxRow});
        Type(Column, Row, Direction, Word);
    }
    void SetDummy(bool Checked) override { Dummy = Checked; }
    void SetWishList(TWordWishList* List) override { WishList = List; }
    void SetMaxColumn(int Value) override { MaxColumn = Value; }
    void SetMaxRow(int Value) override { MaxRow = Value; }

    // What typing into the dialog raises.
    void Type(int Column, int Row, TWordDirectionType Direction, const QString& Word) {
        if (OnWordChange)
            OnWordChange(nullptr, Column, Row, Direction, Word);
    }
    void ClickDummy(bool State) {
        SetDummy(State);
        if (OnDummyChange)
            OnDummyChange(nullptr, State);
    }

    // Types the word at the cell and the direction given, then presses OK.
    static Script Enter(const QString& word, TWordDirectionType direction) {
        return [word, direction](FakeWordEditor& editor, QString& Word,
                                 TWordDirectionType& Direction, int& Column, int& Row) {
            editor.Type(Column, Row, direction, word);
            Word = word;
            Direction = direction;
            return true;
        };
    }

    std::deque<Script> Scripts;
    std::vector<Call> Calls;
    std::vector<Call> WordData;
    bool Dummy = false;
    int MaxColumn = 0, MaxRow = 0;
    TWordWishList* WishList = nullptr;
};

class FakePreferences : public IPreferencesDialog {
public:
    TWordGameProperties* GetGameProperties() override { return &Properties; }
    bool Execute() override {
        ++Runs;
        if (Scripts.empty()) {
            ADD_FAILURE() << "unexpected preferences dialog";
            return false;
        }
        auto script = std::move(Scripts.front());
        Scripts.pop_front();
        return script(Properties);
    }
    void LoadOptions(const TWordGameProperties&) override { ++OptionsLoaded; }
    void LoadColours(const TWordGameColourPreferences&) override { ++ColoursLoaded; }
    int SelectDefaultScheme() override { return -1; }
    const TWordGameColourPreferences* Scheme(int) const override { return nullptr; }
    void FillPreviewUnusedCells() override { ++PreviewFills; }
    void ClearPreviewUnusedCells() override { ++PreviewClears; }

    TWordGameProperties Properties{"Preferences"};
    std::deque<std::function<bool(TWordGameProperties&)>> Scripts;
    int Runs = 0, OptionsLoaded = 0, ColoursLoaded = 0, PreviewFills = 0, PreviewClears = 0;
};

class FakeWishListDialog : public IWishListDialog {
public:
    bool Execute(TWordWishList* List) override {
        Edited = List;
        Result = -1;
        if (OnExecute)
            return OnExecute(*this);
        return true;
    }
    void SetPuzzleWords(const TCustomListBox& Words) override { PuzzleWords = &Words; }
    void AddWordLine(const QString& Word) override { Lines.push_back(Word); }
    void NoteWishListChange(TObject*, const QString&, const QString&) override {}
    void NoteWordDeleted(TObject*, int, const QString&) override {}
    int FitResult() const override { return Result; }
    // What Fit Word in the dialog does.
    void Fit(const QString& word) {
        if (OnFitWord)
            OnFitWord(nullptr, word, Result);
    }

    std::function<bool(FakeWishListDialog&)> OnExecute;
    TWordWishList* Edited = nullptr;
    const TCustomListBox* PuzzleWords = nullptr;
    QStringList Lines;
    int Result = -1;
};

class FakeGameManager : public TGameManagerLink {
public:
    bool HelpAvailable() const override { return Help; }
    TfrmGameEditor* FindEditorByTitle(const QString& Title) const override {
        for (TfrmGameEditor* editor : Editors)
            if (editor->GetGameTitle() == Title)
                return editor;
        return nullptr;
    }
    bool Help = true;
    std::vector<TfrmGameEditor*> Editors;
};

// An editor window with fake dialogs, a 10 x 10 puzzle, shown.
class EditorTest : public ::testing::Test {
protected:
    template <typename R, typename... P, typename... Args>
    static R Next(std::deque<std::function<R(P...)>>& scripts, Args&&... args) {
        if (scripts.empty()) {
            ADD_FAILURE() << "unexpected dialog";
            return R();
        }
        std::function<R(P...)> script = std::move(scripts.front());
        scripts.pop_front();
        return script(args...);
    }

    void SetUp() override {
        TEditorDialogs dialogs;
        dialogs.WordEditor = [this](QWidget*) {
            auto editor = std::make_unique<FakeWordEditor>();
            WordEditor = editor.get();
            return editor;
        };
        dialogs.Preferences = [this](QWidget*) {
            auto preferences = std::make_unique<FakePreferences>();
            Preferences = preferences.get();
            return preferences;
        };
        dialogs.WishList = [this](QWidget*) {
            auto wishList = std::make_unique<FakeWishListDialog>();
            WishList = wishList.get();
            return wishList;
        };
        dialogs.ChangeSize = [this](QWidget*, int& columns, int& rows) {
            return Next(ChangeSizeAnswers, columns, rows);
        };
        dialogs.FindWord = [this](QWidget*, const QStringList& words, QStringList& found) {
            return Next(FindWordAnswers, words, found);
        };
        dialogs.FindPattern = [this](QWidget*, const std::function<void(const QString&)>& change) {
            return Next(FindPatternAnswers, change);
        };
        dialogs.ChooseWord = [this](QWidget*, const QStringList& words) {
            return Next(ChooseWordAnswers, words);
        };
        dialogs.ShowStatistics = [this](QWidget*, const QStringList& words) {
            StatisticsShown.push_back(words);
        };
        SetEditorDialogs(dialogs);
        Editor = std::make_unique<TfrmGameEditor>();
        Editor->SetDefaultGameTitle("Glyphtrove Game 1");
        Editor->NewGame(10, 10, false);
        Game = Editor->Game();
        // The window is shown and active, as the user sees it.
        QApplication::processEvents();
        Manager.Editors.push_back(Editor.get());
    }
    void TearDown() override {
        Editor.reset();
        SetEditorDialogs(DesignerEditorDialogs());
    }

    // The centre of a cell in the puzzle control's pixels.
    QPoint CellCentre(int column, int row) const {
        const TRect rect = Game->CellRect(column, row);
        return QPoint((rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2);
    }
    void Click(int column, int row, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::mouseClick(Game, button, modifiers, CellCentre(column, row));
        // A right click leaves the grid menu open.
        Editor->pmGrid->hide();
    }
    // Places a word by clicking its first cell and entering it in the word editor.
    void AddWord(const QString& word, int column, int row, TWordDirectionType direction) {
        WordEditor->Scripts.push_back(FakeWordEditor::Enter(word, direction));
        Click(column, row);
    }
    // A help text as the panel shows it: CR LF is a line break.
    static QString Help(int id) { return EditorHelpText(id).replace("\r\n", "\n"); }
    QStringList Lines() const { return Editor->lbxWords->Items().Lines(); }
    // Line i of the list is word i of the puzzle.
    void ExpectListInStep() const {
        QStringList words;
        Game->GetWordList(words);
        EXPECT_EQ(Lines(), words);
    }
    void SelectLines(const std::vector<int>& lines) {
        // A plain click on the first, Ctrl held for the others.
        Qt::KeyboardModifiers modifiers = Qt::NoModifier;
        for (int line : lines) {
            const QRect rect = Editor->lbxWords->visualItemRect(Editor->lbxWords->item(line));
            QTest::mouseClick(Editor->lbxWords->viewport(), Qt::LeftButton, modifiers,
                              rect.center());
            modifiers = Qt::ControlModifier;
        }
    }

    FakeServices Fake;
    FakeGameManager Manager;
    std::unique_ptr<TfrmGameEditor> Editor;
    TGlyphtroveEditor* Game = nullptr;
    FakeWordEditor* WordEditor = nullptr;
    FakePreferences* Preferences = nullptr;
    FakeWishListDialog* WishList = nullptr;
    std::deque<std::function<bool(int&, int&)>> ChangeSizeAnswers;
    std::deque<std::function<bool(const QStringList&, QStringList&)>> FindWordAnswers;
    std::deque<std::function<bool(const std::function<void(const QString&)>&)>> FindPatternAnswers;
    std::deque<std::function<int(const QStringList&)>> ChooseWordAnswers;
    std::vector<QStringList> StatisticsShown;
};
