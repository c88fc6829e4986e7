#include "EditorTestSupport.h"

#include "designer/editor/EditorPicturesUn.h"
#include "designer/editor/EditorTextsUn.h"
#include "platform/Colors.h"
#include "playwindow/controls/TitleBlockUn.h"
#include "support/Screenshot.h"

#include "designer/controls/ColourMemoUn.h"
#include <QAction>
#include <QContextMenuEvent>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>

namespace {

QStringList Captions(const QList<QAction*>& actions) {
    QStringList captions;
    for (QAction* action : actions)
        captions << (action->isSeparator() ? QString("-") : action->text());
    return captions;
}

} // namespace

// Every status panel shows its text whole.
static void ExpectStatusTextsWhole(const TfrmGameEditor& editor) {
    for (const QLabel* panel : editor.sbInfo->findChildren<QLabel*>())
        EXPECT_LE(panel->fontMetrics().horizontalAdvance(panel->text()),
                  panel->contentsRect().width())
            << panel->text().toStdString();
}

TEST_F(EditorTest, FormHasItsCaptionPanelsAndStartState) {
    EXPECT_EQ(Editor->windowTitle(), "Glyphtrove Game Editor");
    EXPECT_EQ(Editor->pnlRightPane->width(), 200);
    EXPECT_EQ(Editor->tbPuzzleTitle->height(), 32);
    EXPECT_EQ(Editor->tbWordList->Caption(), "Word List");
    EXPECT_EQ(Editor->tbHelp->Caption(), "Interactive Help");
    EXPECT_EQ(Editor->pnlHelp->height(), 162);
    for (QAction* action : Editor->tbMain->actions())
        if (!action->isSeparator()) {
            EXPECT_EQ(Editor->tbMain->widgetForAction(action)->size(), QSize(25, 25))
                << action->text().toStdString();
        }
    EXPECT_TRUE(Editor->memHelp->isReadOnly());
    // The welcome report, the size, no words and no modified mark.
    EXPECT_EQ(Editor->StatusText(7), "Welcome to Glyphtrove, by Fernhallow Software");
    ExpectStatusTextsWhole(*Editor);
    // The word list, first in the tab order, takes the focus as the window shows.
    EXPECT_EQ(Editor->HelpPanelText(), Help(65308));
    EXPECT_EQ(Editor->StatusText(0), "");
    EXPECT_EQ(Editor->StatusText(1), "Words");
    EXPECT_EQ(Editor->StatusText(2), "0");
    EXPECT_EQ(Editor->StatusText(4), "Game Size");
    EXPECT_EQ(Editor->StatusText(5), "10 x 10");
    EXPECT_EQ(Editor->pnlGame->minimumSize(), QSize(160, 160));
    // The grid lies 8 pixels inside its panel.
    EXPECT_EQ(Game->geometry(), Editor->pnlGame->rect().adjusted(8, 8, -8, -8));
    EXPECT_FALSE(Editor->actShowAllWords->isEnabled());
    EXPECT_FALSE(Editor->actFindWord->isEnabled());
    EXPECT_FALSE(Editor->actRemoveWord->isEnabled());
    // Help waits for a game manager that has a help file.
    EXPECT_FALSE(Editor->actHelpContents->isEnabled());
    Editor->SetGameManager(nullptr);
    EXPECT_FALSE(Editor->actHowToUse->isEnabled());
    Manager.Help = false;
    Editor->SetGameManager(&Manager);
    EXPECT_FALSE(Editor->actShowTutorial->isEnabled());
    Manager.Help = true;
    Editor->SetGameManager(&Manager);
    for (QAction* action : {Editor->actHelpContents, Editor->actHowToUse, Editor->actShowTutorial})
        EXPECT_TRUE(action->isEnabled());
    EXPECT_EQ(Editor->tbPuzzleTitle->Caption(), "Glyphtrove Game 1");
}

// An open menu with an item under the mouse: Words, Game Size and the other
// panels stay; no hint takes their place.
TEST_F(EditorTest, AMenuItemsHintLeavesTheStatusPanelsInPlace) {
    Editor->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Editor.get()));
    QMenu* menu = Editor->mnuGame;
    menu->popup(Editor->mapToGlobal(QPoint(40, 40)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    QAction* item = nullptr;
    for (QAction* action : menu->actions())
        if (!action->isSeparator() && !action->statusTip().isEmpty()) {
            item = action;
            break;
        }
    ASSERT_NE(item, nullptr);
    const QPoint centre = menu->actionGeometry(item).center();
    QTest::mouseMove(menu, centre - QPoint(0, 2));
    QTest::mouseMove(menu, centre);
    EXPECT_EQ(menu->activeAction(), item);
    EXPECT_TRUE(Editor->sbInfo->currentMessage().isEmpty())
        << Editor->sbInfo->currentMessage().toStdString();
    for (QLabel* panel :
         Editor->sbInfo->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(panel->isVisible()) << panel->text().toStdString();
    EXPECT_EQ(Editor->sbInfo->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly).size(),
              8);
    menu->hide();
}

TEST_F(EditorTest, WindowIsCentredOnTheDesktopWhenFirstShown) {
    ASSERT_FALSE(Fake.Placements.empty());
    EXPECT_EQ(Fake.Placements[0].first, Editor.get());
    EXPECT_EQ(Fake.Placements[0].second, poDesktopCenter);
}

TEST_F(EditorTest, WordListMenuSelectsTheLineUnderTheMouseAndKeepsTheOthers) {
    AddWord("CAT", 0, 0, wdRight);
    AddWord("DOG", 0, 2, wdRight);
    AddWord("EMU", 0, 4, wdRight);
    SelectLines({0});
    const QRect rect = Editor->lbxWords->visualItemRect(Editor->lbxWords->item(2));
    QContextMenuEvent request(QContextMenuEvent::Mouse, rect.center(),
                              Editor->lbxWords->viewport()->mapToGlobal(rect.center()));
    QApplication::sendEvent(Editor->lbxWords->viewport(), &request);
    EXPECT_TRUE(Editor->pmWordList->isVisible());
    Editor->pmWordList->hide();
    EXPECT_EQ(Editor->lbxWords->selectedItems().size(), 2);
    EXPECT_TRUE(Game->CellHasState(1, 0, wgcsHighlighted));
    EXPECT_TRUE(Game->CellHasState(1, 4, wgcsHighlighted));
    EXPECT_EQ(Editor->HelpPanelText(), Help(65251));
    // The mouse over the panel around the grid explains the grid.
    QTest::mouseMove(Editor->pnlGame, QPoint(2, 2));
    EXPECT_EQ(Editor->HelpPanelText(), Help(65307));
}

TEST_F(EditorTest, MenusBarAndPopupsHoldTheirActionsInOrder) {
    EXPECT_EQ(Captions(Editor->mnuFile->actions()),
              QStringList({"&Reset", "-", "&Load Game...", "Save Game...", "Save Game &As...", "-",
                           "Print &Setup...", "Print Pre&view", "&Print Game...", "-",
                           "&Hide Editor", "&Close Editor"}));
    EXPECT_EQ(Captions(Editor->mnuWord->actions()),
              QStringList({"Show &All Words", "&Hide Words", "-", "&Find Word...",
                           "Find &Pattern...", "Find D&uplicates", "-", "&Remove Word"}));
    EXPECT_EQ(Captions(Editor->mnuGame->actions()),
              QStringList({"&Word Wish List", "&Change Grid Size...", "-", "&Finish", "&Unfinish",
                           "-", "&Show Statisics", "-", "&Preferences..."}));
    EXPECT_EQ(Captions(Editor->mnuHelp->actions()),
              QStringList({"Help Contents...", "How to use...", "Tutorial...", "-",
                           "Hide Interactive Help", "&Show Interactive Help", "-", "&About..."}));
    EXPECT_EQ(Captions(Editor->tbMain->actions()),
              QStringList({"&Reset", "&Load Game...", "Save Game...", "&Print Game...",
                           "&Hide Editor", "-", "Show &All Words", "&Hide Words", "&Find Word...",
                           "Find &Pattern...", "Find D&uplicates", "&Remove Word", "-", "&Finish",
                           "&Unfinish", "&Preferences...", "&Word Wish List"}));
    EXPECT_EQ(
        Captions(Editor->pmWordList->actions()),
        QStringList({"Show &All Words", "&Hide Words", "-", "&Find Word...", "-", "&Remove Word"}));
    EXPECT_EQ(Captions(Editor->pmGrid->actions()),
              QStringList({"&Edit...", "&Add Word", "-", "&Remove Word", "&Erase Selection",
                           "&Make Dummy"}));
    EXPECT_EQ(Editor->menuBar()->actions().size(), 4);
    EXPECT_FALSE(Editor->actPrinterSetup->isVisible());
    EXPECT_FALSE(Editor->actPrintPreview->isVisible());
    EXPECT_FALSE(Editor->actShowHelp->isVisible());
}

TEST_F(EditorTest, ActionsCarryShortcutsHintsAndPictures) {
    struct Row {
        QAction* action;
        const char* caption;
        const char* shortcut;
        const char* hint;
    };
    const Row rows[] = {
        {Editor->actResetGame, "&Reset", "", "clear grid and reset game"},
        {Editor->actLoadGame, "&Load Game...", "Ctrl+O", "load game from disk"},
        {Editor->actSaveGame, "Save Game...", "Ctrl+S", "save game to disk"},
        {Editor->actSaveGameAs, "Save Game &As...", "", "save game to disk with new name"},
        {Editor->actPrinterSetup, "Print &Setup...", "", "show printer setup dialog"},
        {Editor->actPrintPreview, "Print Pre&view", "Ctrl+Alt+P",
         "preview the puzzle before printing"},
        {Editor->actPrint, "&Print Game...", "Ctrl+P", "print the game on paper"},
        {Editor->actHideEditor, "&Hide Editor", "Ctrl+F4", "hide the editor from view"},
        {Editor->actCloseEditor, "&Close Editor", "Ctrl+E", "close editor window"},
        {Editor->actShowAllWords, "Show &All Words", "Ctrl+A", "highlight all words in the game"},
        {Editor->actHideWords, "&Hide Words", "Ctrl+H", "hide highlighted words"},
        {Editor->actFindWord, "&Find Word...", "Ctrl+F", "search for word in the game"},
        {Editor->actFindPattern, "Find &Pattern...", "Ctrl+T", "find a pattern of letters in game"},
        {Editor->actFindDuplicates, "Find D&uplicates", "Ctrl+U", "find duplicate words"},
        {Editor->actRemoveWord, "&Remove Word", "Ctrl+D", "remove word from game"},
        {Editor->actWordEdit, "&Edit...", "", "edit the highlighted word"},
        {Editor->actWordAdd, "&Add Word", "", "add highlighted word to word list"},
        {Editor->actEraseSelection, "&Erase Selection", "Ctrl+Del",
         "clear highlighted cell contents"},
        {Editor->actMakeDummy, "&Make Dummy", "Shift+Del",
         "convert highlighted cells into dummy cells"},
        {Editor->actMoveLeft, "&Left", "", "move selection to the left"},
        {Editor->actMoveRight, "&Right", "", "move selection to the right"},
        {Editor->actMoveUp, "&Upwards", "", "move selection upwards"},
        {Editor->actMoveDown, "&Downwards", "", "move selection upwards"},
        {Editor->actWishList, "&Word Wish List", "Ctrl+W", "edit word wish list"},
        {Editor->actGridSize, "&Change Grid Size...", "", "change the size of the grid"},
        {Editor->actFinish, "&Finish", "", "finish game with random letters"},
        {Editor->actUnfinish, "&Unfinish", "", "remove random letters from game"},
        {Editor->actShowStats, "&Show Statisics", "", "show word/letter statisics"},
        {Editor->actPreferences, "&Preferences...", "", "edit game preferences"},
        {Editor->actAutoFit, "Auto Word Fit", "", "try to fit as many word in the puzzle grid"},
        {Editor->actHideHelpPanel, "", "", "close panel"},
        {Editor->actHelpContents, "Help Contents...", "", "show the help contents"},
        {Editor->actHowToUse, "How to use...", "", "show help on how to use the editor"},
        {Editor->actShowTutorial, "Tutorial...", "", "show the tutorial section in the help file"},
        {Editor->actHideHelp, "Hide Interactive Help", "", "hide the interactive help section"},
        {Editor->actShowHelp, "&Show Interactive Help", "", "show the interactive help section"},
        {Editor->actInteractiveHelp, "Interactive Help", "",
         "context sensitive help that changes as you work"},
        {Editor->actAbout, "&About...", "", "about this application"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.action->text(), row.caption) << row.hint;
        EXPECT_EQ(row.action->shortcut().toString(), row.shortcut) << row.hint;
        EXPECT_EQ(row.action->toolTip(), row.hint);
        EXPECT_EQ(row.action->statusTip(), row.hint);
    }
    for (QAction* action : Editor->tbMain->actions()) {
        if (!action->isSeparator()) {
            EXPECT_FALSE(action->icon().isNull()) << action->text().toStdString();
        }
    }
    TImageList list;
    AddEditorPictures(list);
    ASSERT_EQ(list.Count(), EditorPictureCount);
    for (int i = 0; i < EditorPictureCount; ++i)
        EXPECT_FALSE(list.Picture(i).isNull()) << i;
}

TEST_F(EditorTest, LeftClickOpensTheWordEditorAtTheCellAndPlacesTheWord) {
    Game->SetLastDirection(wdBottom);
    AddWord("CAT", 2, 3, wdBottom);
    ASSERT_EQ(WordEditor->Calls.size(), 1u);
    const FakeWordEditor::Call& call = WordEditor->Calls[0];
    EXPECT_EQ(call.Word, "");
    EXPECT_EQ(call.Column, 2);
    EXPECT_EQ(call.Row, 3);
    EXPECT_EQ(call.Direction, wdBottom);
    EXPECT_FALSE(call.EditMode);
    EXPECT_EQ(call.MaxColumn, 10);
    EXPECT_EQ(call.MaxRow, 10);
    EXPECT_EQ(Lines(), QStringList({"CAT"}));
    EXPECT_EQ(Game->GetCellText(2, 5), "T");
    EXPECT_EQ(Editor->StatusText(7), "Word added");
    EXPECT_EQ(Editor->HelpPanelText(), Help(65267));
    EXPECT_EQ(Editor->StatusText(2), "1");
    EXPECT_EQ(Editor->StatusText(0), "Modified");
    EXPECT_TRUE(Editor->actShowAllWords->isEnabled());
}

TEST_F(EditorTest, LeftClickOutsideTheBoardDoesNothing) {
    QTest::mouseClick(Game, Qt::LeftButton, Qt::NoModifier,
                      QPoint(Game->width() - 1, Game->height() - 1));
    const TRect last = Game->CellRect(9, 9);
    if (last.Right < Game->width() - 1 || last.Bottom < Game->height() - 1) {
        EXPECT_TRUE(WordEditor->Calls.empty());
    }
    EXPECT_TRUE(Lines().isEmpty());
}

TEST_F(EditorTest, TheDummyStateIsKeptFromOneNewWordToTheNext) {
    WordEditor->Scripts.push_back([](FakeWordEditor& editor, QString& word,
                                     TWordDirectionType& direction, int& column, int& row) {
        editor.ClickDummy(true);
        editor.Type(column, row, direction, "XYZ");
        word = "XYZ";
        return true;
    });
    Click(0, 0);
    // A dummy word is never listed and reports that it cannot be added.
    EXPECT_TRUE(Lines().isEmpty());
    EXPECT_EQ(Editor->StatusText(7), "Cannot add word \"XYZ\"");
    EXPECT_EQ(Editor->HelpPanelText(), Help(65310));
    EXPECT_EQ(Game->GetCellText(1, 0), "Y");
    EXPECT_TRUE(Game->CellHasState(1, 0, wgcsDummy));
    WordEditor->Scripts.push_back(
        [](FakeWordEditor&, QString&, TWordDirectionType&, int&, int&) { return false; });
    Click(0, 5);
    EXPECT_TRUE(WordEditor->Calls.back().Dummy);
}

TEST_F(EditorTest, PreviewFollowsTypingAndCancelRestoresTheCells) {
    AddWord("DOG", 0, 0, wdRight);
    WordEditor->Scripts.push_back(
        [this](FakeWordEditor& editor, QString&, TWordDirectionType&, int& column, int& row) {
            editor.Type(column, row, wdBottom, "DA");
            EXPECT_EQ(Game->GetCellText(0, 1), "A");
            editor.Type(column, row, wdBottom, "DART");
            EXPECT_EQ(Editor->PreviewWord(), "DART");
            EXPECT_EQ(Game->GetCellText(0, 3), "T");
            TakeScreenshot(*Editor, "editor-word-preview");
            return false;
        });
    Click(0, 0);
    EXPECT_EQ(Game->GetCellText(0, 0), "D");
    EXPECT_EQ(Game->GetCellText(0, 1), "");
    EXPECT_EQ(Game->GetCellText(0, 3), "");
    EXPECT_EQ(Lines(), QStringList({"DOG"}));
}

TEST_F(EditorTest, ACancelledPreviewOverFillerLettersGivesThemBack) {
    AddWord("CAT", 0, 0, wdRight);
    Editor->actFinish->trigger();
    const QString before = Game->GetCellText(3, 5);
    ASSERT_FALSE(before.isEmpty());
    WordEditor->Scripts.push_back(
        [this](FakeWordEditor& editor, QString&, TWordDirectionType&, int& column, int& row) {
            editor.Type(column, row, wdRight, "OWLS");
            EXPECT_EQ(Game->GetCellText(3, 5), "S");
            return false;
        });
    Click(0, 5);
    EXPECT_EQ(Game->GetCellText(3, 5), before);
    EXPECT_TRUE(Game->CellHasState(3, 5, wgcsFiller));
}

TEST_F(EditorTest, AnErrorInsideTheWordEditorIsShownWithTheWordAndThePreviewErased) {
    WordEditor->Scripts.push_back([](FakeWordEditor& editor, QString& word,
                                     TWordDirectionType& direction, int& column, int& row) {
        editor.Type(column, row, direction, "100%d");
        word = "100%d";
        throw Exception("Bad %s word");
        return true;
    });
    Fake.Answer(mrOk);
    Click(4, 4);
    ASSERT_EQ(Fake.Messages.size(), 1u);
    EXPECT_EQ(Fake.Messages[0].text, "Bad %s word (100%d)");
    EXPECT_EQ(Game->GetCellText(5, 4), "");
}

TEST_F(EditorTest, AWordTypedAcrossAnotherWordsLetterIsRefusedAndLeavesItWhole) {
    AddWord("CAT", 0, 0, wdRight);
    AddWord("EMU", 0, 2, wdRight);
    // A new word: the preview's letters do not pass for the grid's own.
    Fake.Answer(mrOk);
    AddWord("DOG", 0, 0, wdBottom);
    ASSERT_EQ(Fake.Messages.size(), 1u);
    EXPECT_EQ(Fake.Messages[0].text,
              "Word has overlapped incorrectly with at least one other word (DOG)");
    EXPECT_EQ(Lines(), QStringList({"CAT", "EMU"}));
    EXPECT_EQ(Game->GetCellText(0, 0), "C");
    EXPECT_EQ(Game->GetCellText(0, 2), "E");
    // A changed word likewise.
    Click(0, 2, Qt::RightButton);
    WordEditor->Scripts.push_back(FakeWordEditor::Enter("EEL", wdTop));
    Fake.Answer(mrOk);
    Editor->actWordEdit->trigger();
    ASSERT_EQ(Fake.Messages.size(), 2u);
    EXPECT_EQ(Fake.Messages[1].text, "Invalid word overlap at x:0, y:0");
    EXPECT_EQ(Lines(), QStringList({"CAT", "EMU"}));
    EXPECT_EQ(Game->GetCellText(0, 0), "C");
    EXPECT_EQ(Game->GetCellText(0, 1), "");
    EXPECT_EQ(Game->GetCellText(1, 2), "M");
    ExpectListInStep();
    // A word may still change its own letters in place, and a new word may
    // share a letter that matches.
    Click(0, 2, Qt::RightButton);
    WordEditor->Scripts.push_back(FakeWordEditor::Enter("ELK", wdRight));
    Editor->actWordEdit->trigger();
    EXPECT_EQ(Lines(), QStringList({"CAT", "ELK"}));
    EXPECT_EQ(Game->GetCellText(1, 2), "L");
    AddWord("ALL", 1, 0, wdBottom);
    EXPECT_EQ(Lines(), QStringList({"CAT", "ELK", "ALL"}));
    EXPECT_EQ(Game->GetCellText(1, 1), "L");
    ExpectListInStep();
}

TEST_F(EditorTest, AWordMayTakeTheCellsOfFillerAndDummyLettersButNoWordsLetter) {
    AddWord("CAT", 0, 0, wdRight);
    Game->PlaceWord(0, 7, wdRight, "XYZ", true);
    Editor->actFinish->trigger();
    const QString filler = Game->GetCellText(4, 5);
    AddWord("OWLS", 0, 5, wdRight);
    EXPECT_EQ(Lines(), QStringList({"CAT", "OWLS"}));
    EXPECT_EQ(Game->GetCellText(3, 5), "S");
    EXPECT_TRUE(Game->CellHasState(3, 5, wgcsWord));
    // The filler letter past the word's end is left as it was.
    EXPECT_EQ(Game->GetCellText(4, 5), filler);
    EXPECT_TRUE(Game->CellHasState(4, 5, wgcsFiller));
    // Across the dummy Y: the word takes its cell.
    AddWord("EWE", 1, 6, wdBottom);
    EXPECT_EQ(Lines(), QStringList({"CAT", "OWLS", "EWE"}));
    EXPECT_EQ(Game->GetCellText(1, 7), "W");
    EXPECT_TRUE(Game->CellHasState(1, 7, wgcsWord));
    // Across the dummy Z, a filler and then the L of OWLS: refused, and
    // every letter it crossed comes back.
    const QString crossed = Game->GetCellText(2, 6);
    Fake.Answer(mrOk);
    AddWord("EMBER", 2, 8, wdTop);
    ASSERT_EQ(Fake.Messages.size(), 1u);
    EXPECT_EQ(Lines(), QStringList({"CAT", "OWLS", "EWE"}));
    EXPECT_EQ(Game->GetCellText(2, 7), "Z");
    EXPECT_TRUE(Game->CellHasState(2, 7, wgcsDummy));
    EXPECT_EQ(Game->GetCellText(2, 6), crossed);
    EXPECT_TRUE(Game->CellHasState(2, 6, wgcsFiller));
    EXPECT_EQ(Game->GetCellText(2, 5), "L");
    ExpectListInStep();
}

TEST_F(EditorTest, WordListStaysInStepThroughAddChangeAndDelete) {
    AddWord("CAT", 0, 0, wdRight);
    AddWord("DOG", 0, 2, wdRight);
    AddWord("EMU", 0, 4, wdRight);
    ExpectListInStep();
    // Edit DOG from the grid menu into BIRD.
    Click(1, 2, Qt::RightButton);
    WordEditor->Scripts.push_back(FakeWordEditor::Enter("BIRD", wdRight));
    Editor->actWordEdit->trigger();
    EXPECT_EQ(Lines(), QStringList({"CAT", "BIRD", "EMU"}));
    EXPECT_TRUE(WordEditor->Calls.back().EditMode);
    EXPECT_EQ(WordEditor->Calls.back().Word, "DOG");
    EXPECT_EQ(Editor->StatusText(7), "Word modified");
    ExpectListInStep();
    // Remove the first word through the list.
    SelectLines({0});
    Fake.Answer(mrYes);
    Editor->actRemoveWord->trigger();
    EXPECT_EQ(Lines(), QStringList({"BIRD", "EMU"}));
    ExpectListInStep();
    EXPECT_EQ(Editor->StatusText(7), "1 word removed from the game");
    EXPECT_EQ(Editor->HelpPanelText(), Help(65289));
}

TEST_F(EditorTest, ClickingLinesHighlightsExactlyTheirWords) {
    AddWord("CAT", 0, 0, wdRight);
    AddWord("DOG", 0, 2, wdRight);
    AddWord("EMU", 0, 4, wdRight);
    SelectLines({0, 2});
    EXPECT_TRUE(Game->CellHasState(1, 0, wgcsHighlighted));
    EXPECT_FALSE(Game->CellHasState(1, 2, wgcsHighlighted));
    EXPECT_TRUE(Game->CellHasState(1, 4, wgcsHighlighted));
    EXPECT_EQ(Editor->HelpPanelText(), "2 words have been highlighted in the puzzle grid.");
    EXPECT_TRUE(Editor->actRemoveWord->isEnabled());
    // A plain click on one line leaves only that word highlighted.
    const QRect rect = Editor->lbxWords->visualItemRect(Editor->lbxWords->item(1));
    QTest::mouseClick(Editor->lbxWords->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    EXPECT_FALSE(Game->CellHasState(1, 0, wgcsHighlighted));
    EXPECT_TRUE(Game->CellHasState(1, 2, wgcsHighlighted));
    EXPECT_FALSE(Game->CellHasState(1, 4, wgcsHighlighted));
}

TEST_F(EditorTest, RightClickOnACrossingHighlightsBothWordsAndSetsTheMenu) {
    AddWord("CAT", 0, 1, wdRight);
    AddWord("ACE", 1, 1, wdBottom);
    Click(1, 1, Qt::RightButton);
    // The menu shows its own help once it pops up.
    EXPECT_EQ(Editor->HelpPanelText(), Help(65252));
    EXPECT_TRUE(Game->CellHasState(0, 1, wgcsHighlighted));
    EXPECT_TRUE(Game->CellHasState(1, 3, wgcsHighlighted));
    EXPECT_EQ(Editor->lbxWords->selectedItems().size(), 2);
    EXPECT_TRUE(Editor->actWordEdit->isEnabled());
    // The menu is set from the cell as it was before the click highlighted it.
    EXPECT_FALSE(Editor->actWordAdd->isEnabled());
    EXPECT_TRUE(Editor->actRemoveWord->isEnabled());
    // Edit offers the choice; cancelling it reports nothing.
    ChooseWordAnswers.push_back([](const QStringList& words) {
        EXPECT_EQ(words.size(), 2);
        return -1;
    });
    const QString before = Editor->StatusText(7);
    Editor->actWordEdit->trigger();
    EXPECT_EQ(Editor->StatusText(7), before);
    // An empty cell: no words, nothing to edit or erase.
    Click(8, 8, Qt::RightButton);
    EXPECT_FALSE(Game->CellHasState(0, 1, wgcsHighlighted));
    for (QAction* action : {Editor->actWordEdit, Editor->actWordAdd, Editor->actEraseSelection,
                            Editor->actMakeDummy, Editor->actRemoveWord})
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
}

TEST_F(EditorTest, GridMenuActionsWorkOnlyOnTheCellARightClickChose) {
    AddWord("CAT", 0, 0, wdRight);
    QApplication::setActiveWindow(Editor.get());
    const std::vector<QAction*> gridActions = {Editor->actWordEdit, Editor->actWordAdd,
                                               Editor->actEraseSelection, Editor->actMakeDummy};
    // Their shortcuts, typed as the X server delivers Delete.
    const auto typeShortcuts = [this] {
        for (Qt::KeyboardModifier modifier : {Qt::ShiftModifier, Qt::ControlModifier})
            QTest::sendKeyEvent(QTest::Click, Editor.get(), Qt::Key_Delete, QString("\x7f"),
                                modifier);
    };
    const auto expectUntouched = [&](const char* when) {
        SCOPED_TRACE(when);
        for (QAction* action : gridActions)
            EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
        typeShortcuts();
        EXPECT_TRUE(Fake.Messages.empty());
        EXPECT_EQ(Lines(), QStringList({"CAT"}));
        EXPECT_TRUE(Game->CellHasState(0, 0, wgcsWord));
    };
    expectUntouched("before any right click");

    // A right click chooses its cell; the menu closed without a choice ends it.
    Click(1, 0, Qt::RightButton);
    EXPECT_TRUE(Editor->actMakeDummy->isEnabled());
    EXPECT_TRUE(Editor->actRemoveWord->isEnabled());
    QApplication::processEvents();
    expectUntouched("after the menu closed");
    // Remove Word follows the list again: the click selected CAT's line.
    EXPECT_TRUE(Editor->actRemoveWord->isEnabled());
    Editor->actHideWords->trigger();
    EXPECT_FALSE(Editor->actRemoveWord->isEnabled());

    // Chosen from the menu, the action runs on the chosen cell, then ends the choice.
    Game->PlaceWord(5, 5, wdRight, "DOT", true);
    Click(5, 5, Qt::RightButton);
    Editor->actEraseSelection->trigger();
    EXPECT_EQ(Editor->StatusText(7), "Cells made blank");
    EXPECT_EQ(Game->GetCellText(5, 5), "");
    QApplication::processEvents();
    expectUntouched("after the chosen action ran");

    // The shortcut the open menu shows works there, on its cell.
    QTest::mouseClick(Game, Qt::RightButton, Qt::NoModifier, CellCentre(2, 0));
    ASSERT_TRUE(Editor->pmGrid->isVisible());
    Fake.Answer(mrYes);
    QTest::sendKeyEvent(QTest::Click, Editor->pmGrid, Qt::Key_Delete, QString("\x7f"),
                        Qt::ShiftModifier);
    EXPECT_FALSE(Editor->pmGrid->isVisible());
    EXPECT_TRUE(Lines().isEmpty());
    EXPECT_TRUE(Game->CellHasState(2, 0, wgcsDummy));
    EXPECT_EQ(Editor->StatusText(7), "Selection made into dummy state");
}

TEST_F(EditorTest, RightClickOnAFillerLetterOffersEraseAndMakeDummyOnly) {
    AddWord("CAT", 0, 0, wdRight);
    Editor->actFinish->trigger();
    EXPECT_EQ(Editor->StatusText(7), "Finished the game, ready to play!");
    EXPECT_EQ(Preferences->PreviewFills, 1);
    ASSERT_TRUE(Game->CellHasState(5, 5, wgcsFiller));
    TakeScreenshot(*Editor, "editor-filler-letters");
    Click(5, 5, Qt::RightButton);
    EXPECT_TRUE(Editor->actEraseSelection->isEnabled());
    EXPECT_TRUE(Editor->actMakeDummy->isEnabled());
    EXPECT_FALSE(Editor->actWordEdit->isEnabled());
    EXPECT_FALSE(Editor->actWordAdd->isEnabled());
    EXPECT_FALSE(Editor->actRemoveWord->isEnabled());
    Editor->actMakeDummy->trigger();
    EXPECT_TRUE(Game->CellHasState(5, 5, wgcsDummy));
    EXPECT_EQ(Editor->StatusText(7), "Selection made into dummy state");
    Editor->actUnfinish->trigger();
    EXPECT_FALSE(Game->CellHasState(6, 6, wgcsFiller));
    EXPECT_EQ(Preferences->PreviewClears, 1);
    EXPECT_EQ(Editor->StatusText(7), "Game made unfinished");
}

TEST_F(EditorTest, CtrlMovingAcrossCellsHighlightsTheirWords) {
    AddWord("CAT", 0, 0, wdRight);
    AddWord("DOG", 0, 4, wdRight);
    QTest::mouseMove(Game, CellCentre(1, 0));
    EXPECT_FALSE(Game->CellHasState(1, 0, wgcsHighlighted));
    QMouseEvent move(QEvent::MouseMove, CellCentre(1, 4), Game->mapToGlobal(CellCentre(1, 4)),
                     Qt::NoButton, Qt::NoButton, Qt::ControlModifier);
    QApplication::sendEvent(Game, &move);
    EXPECT_TRUE(Game->CellHasState(2, 4, wgcsHighlighted));
    EXPECT_FALSE(Game->CellHasState(2, 0, wgcsHighlighted));
    EXPECT_EQ(Editor->HelpPanelText(), Help(65278));
    AddWord("DOVE", 0, 4, wdBottom);
    const auto ctrlMoveTo = [this](int column, int row) {
        QMouseEvent move(QEvent::MouseMove, CellCentre(column, row),
                         Game->mapToGlobal(CellCentre(column, row)), Qt::NoButton, Qt::NoButton,
                         Qt::ControlModifier);
        QApplication::sendEvent(Game, &move);
    };
    ctrlMoveTo(0, 4);
    EXPECT_EQ(Editor->HelpPanelText(), "There are 2 words found in this cell.");
    EXPECT_TRUE(Game->CellHasState(0, 6, wgcsHighlighted));
    ctrlMoveTo(7, 7);
    EXPECT_EQ(Editor->HelpPanelText(), "There are no words in this cell.");
    EXPECT_FALSE(Game->CellHasState(0, 6, wgcsHighlighted));
}

TEST_F(EditorTest, ResizingKeepsTheGridInsideItsPanel) {
    Editor->resize(800, 700);
    QApplication::processEvents();
    // The grid may leave a pixel of its room to its closing lines.
    const QRect room = Editor->pnlGame->rect().adjusted(8, 8, -8, -8);
    EXPECT_EQ(Game->pos(), room.topLeft());
    EXPECT_NEAR(Game->width(), room.width(), 1);
    EXPECT_NEAR(Game->height(), room.height(), 1);
    Editor->resize(200, 200);
    QApplication::processEvents();
    EXPECT_GE(Editor->pnlGame->width(), 160);
    EXPECT_GE(Editor->pnlGame->height(), 160);
}

// Every size the New Game dialog offers shows its whole grid in the panel:
// the last column's right and the last row's bottom closing lines are on
// the screen, at the form size, at other sizes and after resizes, and the
// grid never covers the panel's margin.
TEST_F(EditorTest, EveryNewGameShowsItsWholeGridInItsPanel) {
    struct Board {
        int Cols;
        int Rows;
    };
    const std::vector<Board> boards = {{5, 5},  {12, 12}, {15, 15}, {30, 30},
                                       {5, 30}, {30, 5},  {12, 10}, {10, 12}};
    const auto expectWholeGrid = [&](const char* when) {
        SCOPED_TRACE(when);
        const QRect room = Editor->pnlGame->rect().adjusted(8, 8, -8, -8);
        EXPECT_TRUE(room.contains(Game->geometry()))
            << Game->geometry().right() << "," << Game->geometry().bottom() << " in a panel of "
            << Editor->pnlGame->width() << "x" << Editor->pnlGame->height();
        const TRect first = Game->CellRect(0, 0);
        const TRect last = Game->CellRect(Game->ColCount() - 1, Game->RowCount() - 1);
        const QImage shown = Editor->grab().toImage();
        const QPoint origin = Game->mapTo(Editor.get(), QPoint(0, 0));
        const QColor line = ToQColor(Game->LineColour());
        const auto expectLine = [&](int x, int y, const char* which) {
            EXPECT_EQ(shown.pixelColor(origin + QPoint(x, y)), line)
                << which << " closing line at " << x << "," << y << " of a grid " << Game->width()
                << "x" << Game->height();
        };
        for (const int y : {(first.Top + first.Bottom) / 2, (last.Top + last.Bottom) / 2})
            expectLine(last.Right - 1, y, "right");
        for (const int x : {(first.Left + first.Right) / 2, (last.Left + last.Right) / 2})
            expectLine(x, last.Bottom - 1, "bottom");
    };
    for (const QSize size : {QSize(594, 509), QSize(700, 600), QSize(800, 460)})
        for (const Board board : boards) {
            SCOPED_TRACE(testing::Message() << board.Cols << "x" << board.Rows << " in "
                                            << size.width() << "x" << size.height());
            // A fresh window, as the game manager opens one for each new game.
            Editor = std::make_unique<TfrmGameEditor>();
            Game = Editor->Game();
            Editor->resize(size);
            Editor->NewGame(board.Cols, board.Rows, false);
            QApplication::processEvents();
            ASSERT_EQ(Game->ColCount(), board.Cols);
            expectWholeGrid("new");
            for (const int step : {-37, 1, 1, 1, 36}) {
                Editor->resize(Editor->size() + QSize(step, step));
                QApplication::processEvents();
                expectWholeGrid("resized");
            }
        }
}

// A new size in a shown window, whose panel keeps its size, is fitted too.
TEST_F(EditorTest, ANewSizeInTheShownWindowShowsItsWholeGrid) {
    for (const int side : {12, 15, 5}) {
        SCOPED_TRACE(side);
        Editor->NewGame(side, side, false);
        QApplication::processEvents();
        const TRect last = Game->CellRect(side - 1, side - 1);
        EXPECT_LE(last.Right, Game->width());
        EXPECT_LE(last.Bottom, Game->height());
    }
}

TEST_F(EditorTest, ALargeGridWidensTheWindowAndKeepsTheRightPaneWhole) {
    Editor->NewGame(30, 30, false);
    QApplication::processEvents();
    EXPECT_EQ(Editor->pnlGame->minimumSize(), QSize(480, 480));
    EXPECT_GE(Editor->pnlGame->width(), 480);
    EXPECT_GE(Editor->pnlGame->height(), 480);
    EXPECT_EQ(Editor->pnlRightPane->width(), 200);
    EXPECT_EQ(Editor->StatusText(5), "30 x 30");
    ExpectStatusTextsWhole(*Editor);
}

TEST_F(EditorTest, TheRightPaneCanBeDraggedNarrowerThanItsDesignWidth) {
    ASSERT_EQ(Editor->pnlRightPane->width(), 200);
    QSplitterHandle* handle = Editor->sptMain->handle(1);
    const QPoint grip = handle->rect().center();
    for (int step : {80, -30}) {
        const int width = Editor->pnlRightPane->width();
        QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, grip);
        QTest::mouseMove(handle, grip + QPoint(step, 0));
        QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, grip + QPoint(step, 0));
        // The grip is where the press was, give or take the pixel it was held by.
        EXPECT_NEAR(Editor->pnlRightPane->width(), width - step, 1);
    }
    ASSERT_LT(Editor->pnlRightPane->width(), 160);
    // A new grid too wide for the window widens it and keeps the pane as dragged.
    const int dragged = Editor->pnlRightPane->width();
    Editor->NewGame(30, 30, false);
    QApplication::processEvents();
    EXPECT_GE(Editor->pnlGame->width(), 480);
    EXPECT_EQ(Editor->pnlRightPane->width(), dragged);
}

TEST_F(EditorTest, HelpPanelHidesAndShowsAgain) {
    Editor->actInteractiveHelp->trigger();
    EXPECT_FALSE(Editor->pnlHelp->isVisible());
    EXPECT_FALSE(Editor->actHideHelp->isVisible());
    EXPECT_TRUE(Editor->actShowHelp->isVisible());
    Editor->actShowHelp->trigger();
    EXPECT_TRUE(Editor->pnlHelp->isVisible());
    EXPECT_TRUE(Editor->actHideHelp->isVisible());
    EXPECT_FALSE(Editor->actShowHelp->isVisible());
}

TEST_F(EditorTest, ScreenshotOfAPuzzleBeingBuilt) {
    Editor->SetGameManager(&Manager);
    Editor->UpdateTitleBlock();
    AddWord("GLYPH", 0, 0, wdRight);
    AddWord("TROVE", 9, 0, wdBottom);
    AddWord("PUZZLE", 1, 8, wdRight);
    AddWord("HIDDEN", 4, 0, wdBottomRight);
    SelectLines({1});
    TakeScreenshot(*Editor, "editor-puzzle-being-built");
}
