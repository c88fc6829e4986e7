// The editor window's actions and the reports they end with.

#include "designer/editor/EditorTextsUn.h"
#include "designer/editor/frmGameEditorUn.h"
#include "engine/genlib/GenLibUn.h"
#include "platform/ListBox.h"
#include "playwindow/about/frmAboutUn.h"

#include <QAction>
#include <QDir>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QWidget>

namespace {

const QString HelpFileName = QStringLiteral("Glyphtrove.hlp");
// Contexts of the help file.
constexpr int HelpContentsContext = 2;
constexpr int HowToUseContext = 10;
constexpr int TutorialContext = 14;

} // namespace

void TfrmGameEditor::ClearGame() {
    ClearWordList();
    FGame->ClearGrid();
    UpdateWordCount();
    FFileName.clear();
}

void TfrmGameEditor::actResetGameExecute() {
    ShowHelpId(hiClearPuzzleQuestion);
    if (lbxWords->count() > 0 && FGame->Modified() &&
        !ConfirmMessage(QStringLiteral("Delete all words and clear the game?")))
        return;
    ClearGame();
    SetLastAction(1);
    // An emptied game is not worth a save question, as the cleared mark says.
    FGame->ClearModified();
    ClearModifiedMark();
}

void TfrmGameEditor::actPrinterSetupExecute() {
    QPrinter printer;
    QPageSetupDialog dialog(&printer, this);
    services().ExecModal(dialog);
    SetLastAction(9);
}

void TfrmGameEditor::actHideEditorExecute() {
    hide();
}

void TfrmGameEditor::actCloseEditorExecute() {
    SetLastAction(6);
    sbInfo->repaint();
    if (OnCloseRequest)
        OnCloseRequest(this);
}

void TfrmGameEditor::actShowAllWordsExecute() {
    FGame->HighlightAllWords();
    {
        const QSignalBlocker blocker(lbxWords);
        lbxWords->selectAll();
    }
    SetLastAction(7);
}

void TfrmGameEditor::actHideWordsExecute() {
    HideHighlights();
    SetLastAction(17);
}

void TfrmGameEditor::actFindWordExecute() {
    ShowHelpId(hiFindWordOpen);
    HideHighlights();
    QStringList found;
    if (!EditorDialogs().FindWord(this, WordLines(), found)) {
        ShowHelpId(hiGridMouse);
        return;
    }
    FWordTally = int(found.size());
    SelectFoundWords(found);
    SetLastAction(11);
}

void TfrmGameEditor::actFindPatternExecute() {
    HideHighlights();
    const auto patternChange = [this](const QString& pattern) { PatternChange(pattern); };
    if (EditorDialogs().FindPattern(this, patternChange))
        SetLastAction(15);
}

void TfrmGameEditor::PatternChange(const QString& Pattern) {
    actHideWordsExecute();
    int column = 0;
    int row = 0;
    TWordDirectionType direction = wdRight;
    const int found = FGame->FindWordInGrid(Pattern, column, row, direction);
    ShowHelpTextFmt(EditorHelpText(hiPatternFound), found);
}

void TfrmGameEditor::actFindDuplicatesExecute() {
    FDuplicateCount = FGame->ShowDuplicateWords();
    SetLastAction(16);
}

void TfrmGameEditor::actRemoveWordExecute() {
    FWordTally = 0;
    int line = 0;
    while (line < lbxWords->count()) {
        if (!lbxWords->item(line)->isSelected()) {
            ++line;
            continue;
        }
        const QString text = lbxWords->Items()[line];
        const int word = FGame->IndexOfWord(text);
        if (word >= 0)
            FGame->ShowWord(word);
        ShowHelpId(hiRemoveWordQuestion);
        const int lines = lbxWords->count();
        if (ConfirmMessageFmt("Delete \"%s\"?", text))
            FGame->DeleteWordByText(text);
        // A deleted word takes its line, and the next line moves into this
        // place; a line whose word the puzzle lacks stays, and is passed.
        if (lbxWords->count() < lines)
            ++FWordTally;
        else
            ++line;
    }
    SetLastAction(12);
    UpdateWordCount();
}

void TfrmGameEditor::actWordEditExecute() {
    const int count = FGame->CollectWordsAtCell(FSelectedColumn, FSelectedRow);
    if (count <= 0)
        return;
    const QStringList matches = FGame->WordMatches();
    int index = -1;
    if (count == 1) {
        index = FGame->IndexOfWord(matches.value(0));
    } else {
        const int chosen = EditorDialogs().ChooseWord(this, matches);
        if (chosen < 0 || chosen >= matches.size())
            return;
        index = FGame->IndexOfWord(matches[chosen]);
    }
    if (index < 0)
        return;
    const TWordRec rec = FGame->GetWordRec(index);
    if (EditWord(rec.X, rec.Y, rec.Direction, rec.Word))
        SetLastAction(19);
}

bool TfrmGameEditor::EditWord(int Column, int Row, TWordDirectionType Direction,
                              const QString& Word) {
    IWordEditorDialog& editor = *FWordEditor;
    FPreviewWord = Word;
    FPreviewDirection = Direction;
    FDummyWord = false;
    const int index = FGame->IndexOfWord(Word);
    FGame->SaveBoardSnapshot();
    editor.SetMaxColumn(FGame->ColCount());
    editor.SetMaxRow(FGame->RowCount());
    QString word = Word;
    TWordDirectionType direction = Direction;
    int column = Column;
    int row = Row;
    try {
        if (RunWordEditor(word, direction, column, row, true)) {
            MakeRoomForTypedWord();
            FGame->ChangeWord(index, column, row, direction, word, FDummyWord);
            RestoreCoveredLetters();
            return true;
        }
        ErasePreview();
    } catch (const Exception& error) {
        ErasePreview();
        ErrorMessage(error.Message());
    }
    return false;
}

void TfrmGameEditor::actWordAddExecute() {
    if (FGame->AddWordFromCells(FSelectedColumn, FSelectedRow, wgcsHighlighted) < 0) {
        SetStatusText(7, QStringLiteral("Cannot add word"));
        ShowHelpId(hiCannotAddWord);
        return;
    }
    UpdateWordCount();
    SetLastAction(20);
}

void TfrmGameEditor::actEraseSelectionExecute() {
    bool declined = false;
    if (FGame->HighlightedCellCount() <= 0)
        FGame->DeleteAtCell(FSelectedColumn, FSelectedRow, declined);
    else
        declined = FGame->DeleteHighlightedCells();
    // The words through the erased cells are off the list.
    UpdateWordCount();
    if (!declined)
        SetLastAction(21);
}

void TfrmGameEditor::actMakeDummyExecute() {
    const bool declined = FGame->MakeDummy(FSelectedColumn, FSelectedRow);
    // The words through the cells are off the list; their letters stay as dummies.
    UpdateWordCount();
    if (!declined)
        SetLastAction(22);
}

void TfrmGameEditor::actWishListExecute() {
    IWishListDialog& dialog = *FWishListDialog;
    ShowHelpId(hiWishListOpen);
    HideHighlights();
    dialog.Execute(FGame->WishList());
    ShowHelpId(hiWishListClosed);
    if (dialog.FitResult() < 0)
        ReportAction(25);
    FLastAction = 15;
}

void TfrmGameEditor::actGridSizeExecute() {
    if (FGame->Modified()) {
        ShowHelpId(hiClearPuzzleQuestion);
        if (!ConfirmMessage(QStringLiteral("This will clear the puzzle and you will lose any "
                                           "changes. Are you sure you want to do this?")))
            return;
    }
    int columns = FGame->ColCount();
    int rows = FGame->RowCount();
    if (!EditorDialogs().ChangeSize(this, columns, rows))
        return;
    NewGame(columns, rows, false);
    SetLastAction(23);
}

void TfrmGameEditor::actFinishExecute() {
    FGame->FillRandomLetters();
    FPreferencesDialog->FillPreviewUnusedCells();
    SetLastAction(8);
}

void TfrmGameEditor::actUnfinishExecute() {
    HideHighlights();
    FGame->ClearRandomLetters();
    FPreferencesDialog->ClearPreviewUnusedCells();
    SetLastAction(13);
}

void TfrmGameEditor::actShowStatsExecute() {
    EditorDialogs().ShowStatistics(this, WordLines());
    SetLastAction(18);
}

void TfrmGameEditor::actPreferencesExecute() {
    ShowHelpId(hiPreferencesOpen);
    HideHighlights();
    if (!FGameManager)
        throw Exception(QStringLiteral("GameManager object not assigned"));
    IPreferencesDialog& dialog = *FPreferencesDialog;
    const QString oldTitle = GetGameTitle();
    TWordGameProperties* edited = dialog.GetGameProperties();
    edited->Assign(*FGame->GamePreferences());
    bool accepted = false;
    for (;;) {
        accepted = dialog.Execute();
        if (!accepted)
            break;
        TfrmGameEditor* other = FGameManager->FindEditorByTitle(edited->GetGameTitle());
        if (!other || other == this)
            break;
        ErrorMessage(
            QStringLiteral("A game with the same title already exists. Please change the title."));
    }
    if (!accepted) {
        ShowHelpId(hiGridMouse);
        return;
    }
    if (edited->GetGameTitle().isEmpty())
        edited->SetGameTitle(FGame->DefaultGameTitle());
    FGame->GamePreferences()->Assign(*edited);
    FGame->SetModified();
    lbxWords->viewport()->update();
    ApplyGameProperties(oldTitle);
    SetLastAction(14);
}

QString TfrmGameEditor::HelpFilePath() const {
    return QDir(services().ProgramFolder()).filePath(HelpFileName);
}

void TfrmGameEditor::actHelpContentsExecute() {
    services().ShowHelp(HelpFilePath(), HelpContentsContext);
}

void TfrmGameEditor::actHowToUseExecute() {
    services().ShowHelp(HelpFilePath(), HowToUseContext);
}

void TfrmGameEditor::actShowTutorialExecute() {
    services().ShowHelp(HelpFilePath(), TutorialContext);
}

void TfrmGameEditor::actHideHelpExecute() {
    ShowHelpPanel(false);
}

void TfrmGameEditor::actShowHelpExecute() {
    ShowHelpPanel(true);
}

void TfrmGameEditor::actAboutExecute() {
    TfrmAboutDesigner about(this);
    about.ShowAbout();
}

void TfrmGameEditor::FitWord(TObject*, const QString& Word, int& Result) {
    Result = 0;
    ErasePreview();
    int column = 0;
    int row = 0;
    TWordDirectionType direction = wdRight;
    if (!FGame->FitWordAnyDirection(Word, column, row, direction)) {
        SetStatusText(7, Format("No place found for \"%s\"", Word));
        ShowHelpId(hiNoPlaceFound);
        return;
    }
    FGame->PaintTypedWord(column, row, direction, Word, false, true, false);
    ReportAction(24);
    FLastAction = 15;
    FWordEditor->SetWordData(column, row, direction, Word);
    Result = 1;
}
