#include "EditorTestSupport.h"

#include "playwindow/about/frmAboutUn.h"
#include "playwindow/controls/TitleBlockUn.h"

#include <QAction>
#include <QDialog>

TEST(EditorTexts, ReportTextsByCodeAndCount) {
    struct Row {
        uint8_t code;
        int tally, duplicates;
        QString status, help;
    };
    const Row rows[] = {
        {1, 0, 0, "Game has been reset", EditorHelpText(65280)},
        {4, 0, 0, "", ""},
        {5, 0, 0, "", ""},
        {9, 0, 0, "Setup the printer", "Setup the printer"},
        {10, 0, 0, "Game printed", EditorHelpText(65286)},
        {11, 3, 0, "3 words found in the game", EditorHelpText(65287)},
        {11, 1, 0, "1 word found in the game", EditorHelpText(65287)},
        {11, 0, 0, "No words found in the game", EditorHelpText(65287)},
        {12, 2, 0, "2 Words removed from the game", Format(EditorHelpText(65288), 2)},
        {12, 1, 0, "1 word removed from the game", EditorHelpText(65289)},
        {12, 0, 0, "No words removed from the game", EditorHelpText(65290)},
        {15, 0, 0, "", ""},
        {16, 0, 2, "Duplicates traced - 2 words duplicated", Format(EditorHelpText(65294), 2)},
        {16, 0, 1, "Duplicates traced - 1 words duplicated", EditorHelpText(65295)},
        {16, 0, 0, "Duplicates traced - 0 words duplicated", EditorHelpText(65293)},
        {25, 0, 0, "Used the Wish List Editor", EditorHelpText(65271)},
        {26, 0, 0, "", ""},
        {255, 0, 0, "", ""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ActionMessage(row.code, row.tally, row.duplicates), row.status) << int(row.code);
        EXPECT_EQ(ActionHelpText(row.code, row.tally, row.duplicates), row.help) << int(row.code);
    }
    EXPECT_TRUE(EditorHelpText(65252).endsWith("the mouse"));
    EXPECT_EQ(EditorHelpText(65310).left(48), "The word cannot be entered into the grid. This w");
    EXPECT_EQ(EditorHelpText(1), "");
}

// Every help text as the user reads it, slips and line breaks included; the
// numbers between and around them have none.
TEST(EditorTexts, HelpTextsByIdAreExact) {
    const struct {
        int id;
        const char* text;
    } cases[] = {
        {65248, "There are no words in this cell."},
        {65249, "Are you sure you want to remove this word from the puzzle?"},
        {65250, "Are you sure you want to delete all the words and clear the \r\npuzzle grid. This "
                "cannot be undone!"},
        {65251, "This popup menu will help you to: \r\nShow All Words - highlight all the items in "
                "the word list, \r\nor Hide Words - no longer have any highlighted word in the "
                "puzzle grid, \r\nFind Word - locate a word base on letters you select, \r\nRemove "
                "Word - delete any selected words from the puzzle."},
        {65252,
         "This popup menu is context sensitive, that means it is based \r\non the cell where the "
         "mouse was located when the popup menu \r\nappeared. It will help you to: \r\nEdit any "
         "words in the grid that the mouse pointer is in, \r\nAdd Word - put the word highlighted "
         "in the puzzle grid \r\nstarting from where the mouse is located. \r\nRemove Word - will "
         "remove any words that intersect the cell \r\nwhere the mouse pointer is in. \r\nErase "
         "Selection - will remove any letters in any highlighted \r\ncells. If any items from the "
         "word list intersect in any of \r\nthese highlighted cells they will be deleted first. "
         "\r\nMake Dummy - will convert any words that intersect the cell \r\nthe mouse"},
        {65253, "This is the Wish List Editor. It contains a list of words you would like to put "
                "into the puzzle. Type in as many words you like, or import them from a text "
                "file.\r\nYou can find words by using the filter and work the best place for each "
                "word or use the Word Fit feature. This will try to find a place for you."},
        {65254, "The Wish List has been closed. Any changes have been stored for the next time it "
                "is used."},
        {65255,
         "The is the preferences dialog box. It contains three pages: \r\nThe Properties page - "
         "general information about the puzzle. \r\nThe Colours page - the colour scheme editor. "
         "\r\nThe Options page - various features that can applied to the puzzle."},
        {65264, "The puzzle grid no longer contains any highlighted words."},
        {65265, "The statisics window has been closed."},
        {65266, "The word has been edited successfully and any changes have been applied."},
        {65267, "The word was added successfully."},
        {65268, "The selection of cells in the grid were erased successfully."},
        {65269,
         "The selected word has now been removed from the word list and is now a dummy word."},
        {65270, "The size of the puzzle grid been changed successfully."},
        {65271, "The Wish List Editor has been closed."},
        {65272, "The word was successfully fitted into the word."},
        {65273, "Pattern match has found %d occurrances. Once you have finished, click on OK will "
                "keep the cells highlighted."},
        {65274, "The game title is currently set to a default name. It is recommended that you "
                "give it a proper title now, before you save it. You also have the oppertunity to "
                "change other attributes, such as the author name (your name)"},
        {65275, "The open dialog is the familar open dialog you have seen before though you can "
                "also import text versions of a game (from exported text files). Simply find your "
                "file and click on the OK, as usual"},
        {65276, "This will export the game as HTML and ask your default web browser to preview the "
                "game before printing it. Click on the print button to continue."},
        {65277, "Select a word from the list by typing in letters. Any letters that are contained "
                "in any items in the word list will appear. Clicking on the OK button will make "
                "the selected words be highlighted."},
        {65278, "There is 1 word found in this cell."},
        {65279, "There are %d words found in this cell."},
        {65280, "The game has been reset. All the words have been removed and the grid is empty."},
        {65281, "The game has loaded successfully and is ready to be edited."},
        {65282, "The game was successfully stored to disk. It can now to played, copied to another "
                "location or even emailed to a friend. Remember, If you are going to transport "
                "several puzzles, it is recommended to make a package for it (see The Package "
                "Editor for more details)"},
        {65283, "The game and window is about to close. Please wait a moment."},
        {65284, "All the words in the word list are highlighted in the puzzle grid. Any cells that "
                "are not highlighted but are not empty are either dummy words or random letters."},
        {65285, "The game has been finished and is now ready to be saved. Have you checked for "
                "duplicates? It is recommended that you do check before you save and play it."},
        {65286, "The game can be printed via your web browser. The print feature will show you the "
                "page before you click on the final print button."},
        {65287, "The word(s) have been found."},
        {65288, "%d words have been removed. I you wish to have them back into the puzzle you will "
                "have to add them using the Word Editor again."},
        {65289, "Just 1 word has been removed. I you wish to have it back into the puzzle you will "
                "have to add it using the Word Editor again."},
        {65290, "No words have been removed."},
        {65291, "The game is no longer ready for playing, though the Player application will "
                "automatically finish it before it starts playing the game."},
        {65292, "The preferences have been viewed and any changes made have been applied."},
        {65293, "The puzzle has been checked for duplicated words but no duplicates have been "
                "found. This means that there is only one occurrance in the puzzle grid exists for "
                "each item in the word list."},
        {65294, "The puzzle has been checked for duplicated word and found %d words that has more "
                "than one occurrance. It is recommended that the highlighted words should ammend "
                "in the puzzle. \r\nThe other highlighted areas (in a show a different colour) "
                "shows the location where the words have been duplicated. \r\nYou can leave the "
                "puzzle as it is but anyone who plays the puzzle will find it easier to complete "
                "as there are more than one area of the puzzle that contains those words."},
        {65295, "The puzzle has been checked for duplicated word and found 1 word that has more "
                "than one occurrance. It is recommended that the highlighted word should ammend in "
                "the puzzle. \r\nThe other highlighted areas (in a show a different colour) shows "
                "the location where each duplicated word has been duplicated. \r\nYou can leave "
                "the puzzle as it is but anyone who plays the puzzle will find it easier to "
                "complete as there are more than one area of the puzzle that contains that word."},
        {65306,
         "Welcome to The Glyphtrove Editor - This is the interactive help. It willdisplay messages "
         "to help you as you work. By moving the mouse it will explain how each feature works."},
        {65307,
         "To ADD a word, choose a grid cell and click the left mouse button.\r\nTo REMOVE a "
         "selection of cells, or EDIT a word, choose any part of the word and click the right "
         "mouse button.\r\nHold down the CTRL key to auto-highlight word that use a cell."},
        {65308, "Click on a word to show it in the grid\r\nUse the right mouse button to show the "
                "popup menu"},
        {65309, "Unfortunately, there was not enough space for this word. Try changing the word, "
                "moving or removing words already in the grid and try again."},
        {65310, "The word cannot be entered into the grid. This would be that size of the word was "
                "too small (minimum of 3 letters) or too big. Another reason is that the "
                "highlighted area could not be created into a word."},
        {65311, "%d words have been highlighted in the puzzle grid."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EditorHelpText(c.id).toUtf8().toStdString(), c.text) << c.id;
    for (int id : {65247, 65256, 65263, 65296, 65305, 65312})
        EXPECT_EQ(EditorHelpText(id), "") << id;
}

TEST_F(EditorTest, ReportsFillTheStatusPanelAndTheHelpPanel) {
    Editor->SetLastAction(9);
    EXPECT_EQ(Editor->StatusText(7), "Setup the printer");
    EXPECT_EQ(Editor->HelpPanelText(), "Setup the printer");
    Editor->SetLastAction(4);
    EXPECT_EQ(Editor->StatusText(7), "");
    EXPECT_EQ(Editor->HelpPanelText(), "");
    Editor->ReportAction(17);
    EXPECT_EQ(Editor->StatusText(7), "Words no longer highlighted");
    EXPECT_EQ(Editor->LastAction(), 4);
}

TEST_F(EditorTest, ResetAsksOnlyForAModifiedGameWithWords) {
    Editor->actResetGame->trigger(); // empty list: no question
    EXPECT_EQ(Editor->StatusText(7), "Game has been reset");
    AddWord("CAT", 0, 0, wdRight);
    Fake.Answer(mrNo);
    Editor->actResetGame->trigger();
    EXPECT_EQ(Fake.Messages.back().text, "Delete all words and clear the game?");
    EXPECT_EQ(Lines(), QStringList({"CAT"}));
    Fake.Answer(mrYes);
    Editor->actResetGame->trigger();
    EXPECT_TRUE(Lines().isEmpty());
    EXPECT_EQ(Game->GetCellText(0, 0), "");
    EXPECT_EQ(Editor->StatusText(0), "");
    EXPECT_EQ(Editor->StatusText(2), "0");
    EXPECT_EQ(Editor->HelpPanelText(), Help(65280));
}

// A reset game is empty and unmarked: closing it asks nothing, whether the
// game had words (Reset asked) or only changed properties (it did not).
TEST_F(EditorTest, AResetGameClosesWithoutASaveQuestion) {
    Editor->SetGameManager(&Manager);
    const struct {
        bool withWord;
        size_t questions;
    } cases[] = {{true, 1}, {false, 0}};
    for (const auto& c : cases) {
        Fake.Messages.clear();
        if (c.withWord) {
            AddWord("CAT", 0, 0, wdRight);
            Fake.Answer(mrYes);
        } else {
            Preferences->Scripts.push_back([](TWordGameProperties& edited) {
                edited.SetGameAuthor("Ann");
                return true;
            });
            Editor->actPreferences->trigger();
        }
        ASSERT_TRUE(Game->Modified());
        Editor->actResetGame->trigger();
        EXPECT_FALSE(Game->Modified()) << c.withWord;
        EXPECT_EQ(Editor->StatusText(0), "");
        EXPECT_TRUE(Editor->close());
        EXPECT_EQ(Fake.Messages.size(), c.questions) << c.withWord;
        Editor->show();
    }
}

TEST_F(EditorTest, RemoveWordAsksAboutEachSelectedLineInOrder) {
    AddWord("CAT", 0, 0, wdRight);
    AddWord("DOG", 0, 2, wdRight);
    AddWord("EMU", 0, 4, wdRight);
    AddWord("YAK", 0, 6, wdRight);
    SelectLines({0, 1, 2});
    Fake.Answer(mrYes);
    Fake.Answer(mrNo);
    Fake.Answer(mrYes);
    Editor->actRemoveWord->trigger();
    ASSERT_EQ(Fake.Messages.size(), 3u);
    EXPECT_EQ(Fake.Messages[0].text, "Delete \"CAT\"?");
    EXPECT_EQ(Fake.Messages[1].text, "Delete \"DOG\"?");
    EXPECT_EQ(Fake.Messages[2].text, "Delete \"EMU\"?");
    EXPECT_EQ(Lines(), QStringList({"DOG", "YAK"}));
    ExpectListInStep();
    EXPECT_EQ(Editor->StatusText(7), "2 Words removed from the game");
    EXPECT_EQ(Editor->HelpPanelText(), Format(Help(65288), 2));
    EXPECT_EQ(Editor->StatusText(2), "2");
}

TEST_F(EditorTest, RemoveWordFromTheGridMenuTakesTheWordsThroughTheCell) {
    AddWord("CAT", 0, 1, wdRight);
    AddWord("ACE", 1, 1, wdBottom);
    AddWord("EMU", 5, 5, wdRight);
    Click(1, 1, Qt::RightButton);
    Fake.Answer(mrYes);
    Fake.Answer(mrYes);
    Editor->actRemoveWord->trigger();
    EXPECT_EQ(Lines(), QStringList({"EMU"}));
    ExpectListInStep();
}

TEST_F(EditorTest, EraseAndMakeDummyOnAWordCellTakeTheWordOffTheCount) {
    AddWord("CAT", 0, 0, wdRight);
    AddWord("DOG", 0, 2, wdRight);
    Click(1, 2, Qt::RightButton);
    Fake.Answer(mrYes);
    Editor->actEraseSelection->trigger();
    EXPECT_EQ(Fake.Messages.back().text, "Delete \"DOG\"?");
    EXPECT_EQ(Lines(), QStringList({"CAT"}));
    ExpectListInStep();
    EXPECT_EQ(Editor->StatusText(2), "1");
    EXPECT_EQ(Editor->StatusText(7), "Cells made blank");
    Click(1, 0, Qt::RightButton);
    Fake.Answer(mrYes);
    Editor->actMakeDummy->trigger();
    EXPECT_TRUE(Lines().isEmpty());
    EXPECT_TRUE(Game->CellHasState(1, 0, wgcsDummy));
    EXPECT_EQ(Editor->StatusText(2), "0");
    EXPECT_FALSE(Editor->actShowAllWords->isEnabled());
    EXPECT_FALSE(Editor->actFindWord->isEnabled());
    EXPECT_EQ(Editor->StatusText(7), "Selection made into dummy state");
}

TEST_F(EditorTest, FindWordSelectsAndHighlightsWhatTheDialogFound) {
    AddWord("CAT", 0, 0, wdRight);
    AddWord("DOG", 0, 2, wdRight);
    AddWord("COW", 0, 4, wdRight);
    FindWordAnswers.push_back([](const QStringList& words, QStringList& found) {
        EXPECT_EQ(words, QStringList({"CAT", "DOG", "COW"}));
        found = QStringList({"CAT", "COW", "DOG"});
        return true;
    });
    Editor->actFindWord->trigger();
    EXPECT_EQ(Editor->StatusText(7), "3 words found in the game");
    EXPECT_EQ(Editor->lbxWords->selectedItems().size(), 3);
    EXPECT_TRUE(Game->CellHasState(2, 4, wgcsHighlighted));
    FindWordAnswers.push_back([](const QStringList&, QStringList& found) {
        found = QStringList({"DOG"});
        return true;
    });
    Editor->actFindWord->trigger();
    EXPECT_EQ(Editor->StatusText(7), "1 word found in the game");
    EXPECT_FALSE(Game->CellHasState(2, 4, wgcsHighlighted));
    EXPECT_TRUE(Game->CellHasState(2, 2, wgcsHighlighted));
    // Cancel leaves the status as it was.
    FindWordAnswers.push_back([](const QStringList&, QStringList&) { return false; });
    Editor->actFindWord->trigger();
    EXPECT_EQ(Editor->StatusText(7), "1 word found in the game");
    EXPECT_EQ(Editor->HelpPanelText(), Help(65307));
}

TEST_F(EditorTest, FindDuplicatesReportsTheWordsFoundTwice) {
    AddWord("CAT", 0, 0, wdRight);
    AddWord("DOG", 0, 2, wdRight);
    AddWord("EMU", 0, 4, wdRight);
    Game->PlaceWord(0, 7, wdRight, "CAT", true);
    Game->PlaceWord(5, 7, wdRight, "DOG", true);
    Editor->actFindDuplicates->trigger();
    EXPECT_EQ(Editor->DuplicateCount(), 2);
    EXPECT_EQ(Editor->StatusText(7), "Duplicates traced - 2 words duplicated");
    EXPECT_EQ(Editor->HelpPanelText(), Format(Help(65294), 2));
    Editor->actHideWords->trigger();
    EXPECT_EQ(Editor->DuplicateCount(), 0);
    EXPECT_EQ(Editor->StatusText(7), "Words no longer highlighted");
}

TEST_F(EditorTest, APatternMatchStaysHighlightedThroughARightClickAndCanBeAdded) {
    Game->PlaceWord(2, 5, wdRight, "OWL", true);
    FindPatternAnswers.push_back([this](const std::function<void(const QString&)>& change) {
        change("O#L");
        EXPECT_EQ(Editor->StatusText(7), "Words no longer highlighted");
        EXPECT_EQ(Editor->HelpPanelText(), Format(Help(65273), 1));
        return true;
    });
    Editor->actFindPattern->trigger();
    EXPECT_EQ(Editor->LastAction(), 15);
    EXPECT_EQ(Editor->StatusText(7), "");
    ASSERT_TRUE(Game->CellHasState(3, 5, wgcsHighlighted));
    // Add Word reads the word from the clicked cell on.
    Click(2, 5, Qt::RightButton);
    EXPECT_TRUE(Game->CellHasState(3, 5, wgcsHighlighted));
    ASSERT_TRUE(Editor->actWordAdd->isEnabled());
    Editor->actWordAdd->trigger();
    EXPECT_EQ(Lines(), QStringList({"OWL"}));
    EXPECT_EQ(Editor->StatusText(7), "Word added");
    // After any other report a right click clears highlights first.
    Editor->actShowAllWords->trigger();
    EXPECT_EQ(Editor->StatusText(7), "All words highlighted");
    Click(8, 8, Qt::RightButton);
    EXPECT_FALSE(Game->CellHasState(3, 5, wgcsHighlighted));
    EXPECT_FALSE(Editor->actWordAdd->isEnabled());
}

TEST_F(EditorTest, WishListReportsUnlessFitWordRan) {
    WishList->OnExecute = [this](FakeWishListDialog& dialog) {
        EXPECT_EQ(Editor->HelpPanelText(), Help(65253));
        EXPECT_EQ(dialog.Edited, Game->WishList());
        return true;
    };
    Editor->actWishList->trigger();
    EXPECT_EQ(Editor->StatusText(7), "Used the Wish List Editor");
    EXPECT_EQ(Editor->HelpPanelText(), Help(65271));
    EXPECT_EQ(Editor->LastAction(), 15);
    // Fit Word with no room: its failure stands, no further report.
    for (int row = 0; row < 10; ++row)
        Game->PlaceWord(0, row, wdRight, "QQQQQQQQQQ", true);
    WishList->OnExecute = [](FakeWishListDialog& dialog) {
        dialog.Fit("ZEBRA");
        return true;
    };
    Editor->actWishList->trigger();
    EXPECT_EQ(WishList->FitResult(), 0);
    EXPECT_EQ(Editor->StatusText(7), "No place found for \"ZEBRA\"");
    EXPECT_EQ(Editor->HelpPanelText(), Help(65254));
}

TEST_F(EditorTest, FitWordHighlightsThePlaceAndShowsItInTheWordEditor) {
    WishList->OnExecute = [](FakeWishListDialog& dialog) {
        dialog.Fit("ZEBRA");
        return true;
    };
    Editor->actWishList->trigger();
    EXPECT_EQ(WishList->FitResult(), 1);
    EXPECT_EQ(Editor->StatusText(7), "Word fit successful");
    ASSERT_EQ(WordEditor->WordData.size(), 1u);
    const FakeWordEditor::Call& place = WordEditor->WordData[0];
    EXPECT_EQ(place.Word, "ZEBRA");
    EXPECT_TRUE(Game->CellHasState(place.Column, place.Row, wgcsHighlighted));
    // The code 15 keeps the fitted cells through a right click for Add Word.
    Click(place.Column, place.Row, Qt::RightButton);
    ASSERT_TRUE(Editor->actWordAdd->isEnabled());
    Editor->actWordAdd->trigger();
    EXPECT_EQ(Lines(), QStringList({"ZEBRA"}));
}

TEST_F(EditorTest, AWishListFitStaysHighlightedWhileTheWordEditorKeepsTheDummyState) {
    // The last new word was a dummy one; the closed word editor keeps that.
    WordEditor->Scripts.push_back([](FakeWordEditor& editor, QString& word,
                                     TWordDirectionType& direction, int& column, int& row) {
        editor.ClickDummy(true);
        editor.Type(column, row, direction, "XY");
        word = "XY";
        return true;
    });
    Click(0, 9);
    WishList->OnExecute = [](FakeWishListDialog& dialog) {
        dialog.Fit("ZEBRA");
        return true;
    };
    Editor->actWishList->trigger();
    ASSERT_EQ(WordEditor->WordData.size(), 1u);
    const FakeWordEditor::Call& place = WordEditor->WordData[0];
    const TDirectionOffset step = GetDirectionOffset(place.Direction);
    for (int k = 0, column = place.Column, row = place.Row; k < 5;
         ++k, column += step.ColumnStep, row += step.RowStep) {
        EXPECT_TRUE(Game->CellHasState(column, row, wgcsHighlighted)) << k;
        EXPECT_FALSE(Game->CellHasState(column, row, wgcsDummy)) << k;
    }
    Click(place.Column, place.Row, Qt::RightButton);
    ASSERT_TRUE(Editor->actWordAdd->isEnabled());
    Editor->actWordAdd->trigger();
    EXPECT_EQ(Lines(), QStringList({"ZEBRA"}));
}

TEST_F(EditorTest, AddToWishListFromTheWordEditorGoesToThePuzzlesList) {
    EXPECT_EQ(WordEditor->WishList, Game->WishList());
    EXPECT_EQ(WishList->PuzzleWords, Editor->lbxWords);
    WordEditor->OnAddToWishList(nullptr, "HERON");
    WordEditor->OnAddToWishList(nullptr, "HERON");
    EXPECT_EQ(Game->WishList()->Count(), 1);
    EXPECT_EQ(WishList->Lines, QStringList({"HERON", "HERON"}));
}

TEST_F(EditorTest, ChangeGridSizeAsksForAModifiedGameThenStartsAnew) {
    AddWord("CAT", 0, 0, wdRight);
    Fake.Answer(mrNo);
    Editor->actGridSize->trigger();
    EXPECT_EQ(Editor->HelpPanelText(), Help(65250));
    EXPECT_EQ(Lines(), QStringList({"CAT"}));
    Fake.Answer(mrYes);
    ChangeSizeAnswers.push_back([](int& columns, int& rows) {
        EXPECT_EQ(columns, 10);
        EXPECT_EQ(rows, 10);
        columns = 20;
        rows = 15;
        return true;
    });
    Editor->actGridSize->trigger();
    EXPECT_TRUE(Lines().isEmpty());
    EXPECT_EQ(Game->ColCount(), 20);
    EXPECT_EQ(Game->RowCount(), 15);
    EXPECT_EQ(Editor->StatusText(5), "20 x 15");
    EXPECT_EQ(Editor->StatusText(2), "0");
    EXPECT_FALSE(Editor->actShowAllWords->isEnabled());
    EXPECT_EQ(Editor->pnlGame->minimumSize(), QSize(320, 240));
    EXPECT_EQ(Editor->StatusText(7), "Game size changed");
}

TEST_F(EditorTest, PreferencesNeedAGameManager) {
    Fake.Answer(mrOk);
    Editor->actPreferences->trigger();
    ASSERT_EQ(Fake.Messages.size(), 1u);
    EXPECT_EQ(Fake.Messages[0].text, "GameManager object not assigned");
    EXPECT_EQ(Preferences->Runs, 0);
}

TEST_F(EditorTest, PreferencesRefuseAnotherEditorsTitleAndApplyTheRest) {
    FakePreferences* preferences = Preferences;
    TfrmGameEditor other;
    Preferences = preferences;
    other.SetDefaultGameTitle("Other Game");
    Manager.Editors.push_back(&other);
    Editor->SetGameManager(&Manager);
    QString oldTitle;
    int titleChanges = 0;
    Editor->OnTitleChanged = [&](TObject* sender, const QString& old, TWordGameProperties* p) {
        EXPECT_EQ(sender, Editor.get());
        EXPECT_EQ(p, Game->GamePreferences());
        oldTitle = old;
        ++titleChanges;
    };
    Preferences->Scripts.push_back([this](TWordGameProperties& properties) {
        EXPECT_EQ(properties.GetGameTitle(), "Glyphtrove Game 1");
        EXPECT_EQ(Editor->HelpPanelText(), Help(65255));
        properties.SetGameTitle("Other Game");
        return true;
    });
    Preferences->Scripts.push_back([](TWordGameProperties& properties) {
        properties.SetGameTitle("Glyphtrove Game 1"); // its own title is fine
        properties.SetGameAuthor("Ann");
        return true;
    });
    Fake.Answer(mrOk);
    Editor->actPreferences->trigger();
    ASSERT_EQ(Fake.Messages.size(), 1u);
    EXPECT_EQ(Fake.Messages[0].text,
              "A game with the same title already exists. Please change the title.");
    EXPECT_EQ(Preferences->Runs, 2);
    EXPECT_EQ(Game->GamePreferences()->GetGameAuthor(), "Ann");
    EXPECT_EQ(titleChanges, 1);
    EXPECT_EQ(oldTitle, "Glyphtrove Game 1");
    EXPECT_EQ(Editor->StatusText(0), "Modified");
    EXPECT_EQ(Editor->StatusText(7), "Preferences edited");
    // An empty title becomes the default title.
    Preferences->Scripts.push_back([](TWordGameProperties& properties) {
        properties.SetGameTitle("");
        return true;
    });
    Editor->actPreferences->trigger();
    EXPECT_EQ(Editor->GetGameTitle(), "Glyphtrove Game 1");
    EXPECT_EQ(Editor->tbPuzzleTitle->Caption(), "Glyphtrove Game 1");
    // Cancel changes nothing and reports nothing.
    Preferences->Scripts.push_back([](TWordGameProperties& properties) {
        properties.SetGameTitle("Changed");
        return false;
    });
    Editor->actPreferences->trigger();
    EXPECT_EQ(Editor->GetGameTitle(), "Glyphtrove Game 1");
    EXPECT_EQ(Editor->HelpPanelText(), Help(65307));
    EXPECT_EQ(titleChanges, 2);
}

TEST_F(EditorTest, CloseHideStatisticsAndHelpActions) {
    int closeRequests = 0, hidden = 0;
    Editor->OnCloseRequest = [&](TObject*) { ++closeRequests; };
    Editor->OnHidden = [&](TObject*) { ++hidden; };
    Editor->actCloseEditor->trigger();
    EXPECT_EQ(closeRequests, 1);
    EXPECT_EQ(Editor->StatusText(7), "Game Closing...");
    QTest::keyClick(Editor.get(), Qt::Key_F4, Qt::ControlModifier);
    EXPECT_FALSE(Editor->isVisible());
    EXPECT_EQ(hidden, 1);
    Editor->show();
    AddWord("CAT", 0, 0, wdRight);
    Editor->actShowStats->trigger();
    ASSERT_EQ(StatisticsShown.size(), 1u);
    EXPECT_EQ(StatisticsShown[0], QStringList({"CAT"}));
    EXPECT_EQ(Editor->StatusText(7), "Statistics shown");
    Editor->SetGameManager(&Manager);
    Editor->actHelpContents->trigger();
    Editor->actHowToUse->trigger();
    Editor->actShowTutorial->trigger();
    ASSERT_EQ(Fake.HelpShown.size(), 3u);
    EXPECT_TRUE(Fake.HelpShown[0].first.endsWith("/Glyphtrove.hlp"));
    EXPECT_EQ(Fake.HelpShown[0].second, 2);
    EXPECT_EQ(Fake.HelpShown[1].second, 10);
    EXPECT_EQ(Fake.HelpShown[2].second, 14);
    // About shows the designer's about box and reports nothing.
    Fake.OnModal([](QDialog& dialog) {
        EXPECT_NE(dynamic_cast<TfrmAboutDesigner*>(&dialog), nullptr);
        return int(mrOk);
    });
    Editor->actAbout->trigger();
    EXPECT_EQ(Fake.ModalsRun.size(), 1u);
    EXPECT_EQ(Editor->StatusText(7), "Statistics shown");
}

TEST_F(EditorTest, ShortcutsRunTheirActions) {
    AddWord("CAT", 0, 0, wdRight);
    QTest::keyClick(Editor.get(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(Editor->StatusText(7), "All words highlighted");
    EXPECT_TRUE(Game->CellHasState(0, 0, wgcsHighlighted));
    QTest::keyClick(Editor.get(), Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(Editor->StatusText(7), "Words no longer highlighted");
    EXPECT_FALSE(Game->CellHasState(0, 0, wgcsHighlighted));
    QTest::keyClick(Editor.get(), Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(Editor->StatusText(7), "Duplicates traced - 0 words duplicated");
}

TEST_F(EditorTest, PrinterSetupRunsItsDialogThenReports) {
    Fake.OnModal([](QDialog&) { return int(mrCancel); });
    Editor->actPrinterSetup->trigger();
    ASSERT_EQ(Fake.ModalsRun.size(), 1u);
    EXPECT_EQ(Editor->StatusText(7), "Setup the printer");
    EXPECT_EQ(Editor->HelpPanelText(), "Setup the printer");
}

TEST_F(EditorTest, AnErrorWhileEditingAWordIsShownAndThePreviewErased) {
    AddWord("CAT", 0, 0, wdRight);
    Click(0, 0, Qt::RightButton);
    WordEditor->Scripts.push_back(
        [](FakeWordEditor& editor, QString&, TWordDirectionType&, int& column, int& row) -> bool {
            editor.Type(column, row, wdBottom, "CAB");
            throw Exception("Editing failed");
        });
    Fake.Answer(mrOk);
    const QString before = Editor->StatusText(7);
    Editor->actWordEdit->trigger();
    EXPECT_EQ(Fake.Messages.back().text, "Editing failed");
    EXPECT_EQ(Game->GetCellText(0, 2), "");
    EXPECT_EQ(Lines(), QStringList({"CAT"}));
    // A failure is no success to report.
    EXPECT_EQ(Editor->StatusText(7), before);
    EXPECT_NE(Editor->HelpPanelText(), Help(65266));
}

TEST_F(EditorTest, GridMenuActionsReportOnlyWhatTheyDid) {
    // Each case: a right click on a letter of CAT, then the action, answered
    // so that nothing changes. The status keeps the report before it.
    struct Case {
        const char* name;
        QAction* action;
        std::function<void()> answer;
    };
    const std::vector<Case> cases = {
        {"Edit cancelled", Editor->actWordEdit,
         [this] {
             WordEditor->Scripts.push_back(
                 [](FakeWordEditor&, QString&, TWordDirectionType&, int&, int&) { return false; });
         }},
        {"Edit refused", Editor->actWordEdit,
         [this] {
             // Across the E of EMU.
             WordEditor->Scripts.push_back(FakeWordEditor::Enter("CAB", wdBottom));
             Fake.Answer(mrOk);
         }},
        {"Erase Selection answered No", Editor->actEraseSelection, [this] { Fake.Answer(mrNo); }},
        {"Make Dummy answered No", Editor->actMakeDummy, [this] { Fake.Answer(mrNo); }},
    };
    AddWord("CAT", 0, 0, wdRight);
    AddWord("EMU", 0, 2, wdRight);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Editor->actHideWords->trigger();
        ASSERT_EQ(Editor->StatusText(7), "Words no longer highlighted");
        Click(0, 0, Qt::RightButton);
        c.answer();
        c.action->trigger();
        EXPECT_EQ(Editor->StatusText(7), "Words no longer highlighted");
        EXPECT_EQ(Editor->LastAction(), 17);
        EXPECT_EQ(Lines(), QStringList({"CAT", "EMU"}));
        EXPECT_TRUE(Game->CellHasState(0, 0, wgcsWord));
        EXPECT_EQ(Game->GetCellText(0, 1), "");
    }
    // Answered Yes they report.
    Click(0, 0, Qt::RightButton);
    Fake.Answer(mrYes);
    Editor->actMakeDummy->trigger();
    EXPECT_EQ(Editor->StatusText(7), "Selection made into dummy state");
}

TEST_F(EditorTest, RemoveWordPassesALineWhoseWordThePuzzleLacks) {
    AddWord("CAT", 0, 0, wdRight);
    // A line the puzzle has no word for, selected with the others.
    Editor->lbxWords->Items().Add("GHOST");
    AddWord("EMU", 0, 2, wdRight);
    Editor->actShowAllWords->trigger();
    for (int answer : {mrYes, mrYes, mrYes})
        Fake.Answer(answer);
    Editor->actRemoveWord->trigger();
    ASSERT_EQ(Fake.Messages.size(), 3u);
    EXPECT_EQ(Fake.Messages[1].text, "Delete \"GHOST\"?");
    EXPECT_EQ(Fake.Messages[2].text, "Delete \"EMU\"?");
    EXPECT_EQ(Lines(), QStringList({"GHOST"}));
    EXPECT_EQ(Editor->StatusText(7), "2 Words removed from the game");
}

TEST_F(EditorTest, RemoveWordFollowsEveryChangeOfTheSelection) {
    AddWord("CAT", 0, 0, wdRight);
    AddWord("EMU", 0, 2, wdRight);
    ASSERT_FALSE(Editor->actRemoveWord->isEnabled());
    struct Step {
        const char* name;
        std::function<void()> run;
        bool enabled;
    };
    const std::vector<Step> steps = {
        {"Show All Words", [this] { Editor->actShowAllWords->trigger(); }, true},
        {"Hide Words", [this] { Editor->actHideWords->trigger(); }, false},
        {"Find Word",
         [this] {
             FindWordAnswers.push_back([](const QStringList&, QStringList& found) {
                 found = QStringList({"EMU"});
                 return true;
             });
             Editor->actFindWord->trigger();
         },
         true},
        {"a left click that opens the word editor",
         [this] {
             WordEditor->Scripts.push_back(
                 [](FakeWordEditor&, QString&, TWordDirectionType&, int&, int&) { return false; });
             Click(5, 5);
         },
         false},
        {"Remove Word emptying the selection",
         [this] {
             Editor->actShowAllWords->trigger();
             Fake.Answer(mrYes);
             Fake.Answer(mrYes);
             Editor->actRemoveWord->trigger();
         },
         false},
    };
    for (const Step& step : steps) {
        step.run();
        EXPECT_EQ(Editor->actRemoveWord->isEnabled(), step.enabled) << step.name;
    }
}
