#include "platform/Format.h"
#include "playwindow/gameplayer/PlayHelpTextsUn.h"

#include <gtest/gtest.h>

// The texts keep their spelling exactly, slips included: players and the help
// document quote them. Identifiers are numbers here, so a text under the
// wrong identifier fails too.
TEST(PlayHelpTexts, TextsByIdentifierAreExact) {
    const struct {
        int id;
        const char* text;
    } cases[] = {
        {0,
         "Welcome to The Glyphtrove Player - This is the interactive help. It willdisplay messages "
         "to help you as you work. By moving the mouse it will explain how each feature works."},
        {1, "Locate a word that matches one in the word list. Using the mouse, click and hold down "
            "the mouse button where the cursor is at the first letter of the word."},
        {2, "Drag the cursor along to the end letter. If you have successfully found the word will "
            "be marked. The word will have a line through the word in both the grid and in the "
            "word list."},
        {3, "This will restart the puzzle from the beginning. Click on Yes to confirm or No to "
            "cancel."},
        {4, "This displays the player options window. The Timer and Colour Scheme sections can "
            "override the settings in the puzzle file. The other check boxes can maximise the "
            "window to full screen or normal, show or hide the toolbar, puzzle title, the "
            "information/status bar and the word list respectively."},
        {5, "You have started the game. Are you sure you want to give up now?"},
        {6, "You have given up the puzzle. The puzzle now shows where the words are placed."},
        {7, "The puzzle window is now shown full screen. Click on the Normal Windowicon (CTRL+N) "
            "to return back to normal size"},
        {8, "The puzzle window is now shown in a normal window. Click on the Full Screen (CTRL+F) "
            "to return back to full screen"},
        {9, "The list showns words that have not been found yet. Pick one and click on the OK "
            "button to give you a hint where the word is located in the puzzle grid. It will flash "
            "the first letter of the word so look carefully."},
        {10, "The first letter of the selected word is being flashed. Look carefully at the puzzle "
             "grid."},
        {11, "Unfortunately, there are no hints availble. Try hiding the lines of foundwords "
             "(CTRL+H) and keep looking - all the words are in the puzzle somewhere!"},
        {12, "The game is on a timer. You have a short time to complete. You must find all the "
             "words in the list before the time runs out."},
        {13, "The player is timing you to see how long it takes for you to complete the game. It "
             "will give you your final time when you find the last word."},
        {14, "The puzzle has hidden the lines in the puzzle grid. The words have still been marked "
             "as found but the puzzle grid now shows the letters without any of them being covered "
             "by lines, making it easier to see the puzzle. Click on the Show Found Words (CTRL+S) "
             "to view the lines again."},
        {15, "You can now see the lines in the puzzle grid again. Only the words that you found "
             "are visible. To hide the lines Click on the Hide Found Words (CTRL+H)."},
        {16,
         "This is a preview of the puzzle game ready for sending to the printer. It does not "
         "include any words that have been found, just the puzzle ready to be played on paper."},
        {17, "The game has restarted with the timer started."},
        {18, "The game has restarted without the timer."},
        {19, "The gamed has been paused. The puzzle grid has been hidden. Click on Continue to "
             "proceed."},
        {20, "The game has continued. You can pause the game again at any time."},
        {21, "The word \"%s\" has been found and marked successfully."},
        {22, "The word \"%s\" cannot be found in the word list. Check and try again."},
        {23, "This will stop the game and close the window. Are you sure you want to do this?"},
        {24, "This is the Word List. These words exist somewhere in the puzzle grid. Look "
             "carefully and select the first letter and drag along to the last letter. %s"},
        {25, "To use the timer, the game must be restarted."},
        {26, "To turn the timer off, the game must be restarted."},
    };
    ASSERT_EQ(std::size(cases), size_t(HelpTextCount));
    for (const auto& c : cases)
        EXPECT_EQ(HelpText(c.id).toUtf8().toStdString(), c.text) << "id " << c.id;
}

TEST(PlayHelpTexts, EveryIdentifierHasTextAndOthersNone) {
    for (int id = 0; id < HelpTextCount; ++id)
        EXPECT_FALSE(HelpText(id).isEmpty()) << "id " << id;
    EXPECT_EQ(HelpTextCount, 27);
    EXPECT_TRUE(HelpText(-1).isEmpty());
    EXPECT_TRUE(HelpText(HelpTextCount).isEmpty());
}

TEST(PlayHelpTexts, FormattedTextsFillTheirPlaceholders) {
    EXPECT_EQ(Format(HelpText(hiWordFound), "CAT"),
              "The word \"CAT\" has been found and marked successfully.");
    EXPECT_EQ(Format(HelpText(hiWordList), sWordsLeftOne),
              "This is the Word List. These words exist somewhere in the puzzle grid. Look "
              "carefully and select the first letter and drag along to the last letter. You have "
              "just one word left to find.");
    EXPECT_EQ(Format(sCompleted, "Animals", Format(sHintsUsed, 1)),
              "Completed \"Animals\" - Congratulations. You used 1 hint");
    EXPECT_EQ(Format(sHintsLeft, 1), "1 Hints Left");
    EXPECT_EQ(Format(sHintWordNotFound, "DOG"), "Word \"DOG\" cannot be found");
}
