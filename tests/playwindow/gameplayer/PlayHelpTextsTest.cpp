#include "platform/Format.h"
#include "playwindow/gameplayer/PlayHelpTextsUn.h"

#include <gtest/gtest.h>

// The texts keep their spelling exactly, slips included: players and the help
// document quote them.
TEST(PlayHelpTexts, TextsByIdentifierAreExact) {
    const struct {
        int id;
        const char* text;
    } cases[] = {
        {hiWelcome, "Welcome to The Glyphtrove Player - This is the interactive help. It "
                    "willdisplay messages to help you as you work. By moving the mouse it will "
                    "explain how each feature works."},
        {hiFullScreen, "The puzzle window is now shown full screen. Click on the Normal "
                       "Windowicon (CTRL+N) to return back to normal size"},
        {hiHintDialog, "The list showns words that have not been found yet. Pick one and click on "
                       "the OK button to give you a hint where the word is located in the puzzle "
                       "grid. It will flash the first letter of the word so look carefully."},
        {hiNoHintsLeft, "Unfortunately, there are no hints availble. Try hiding the lines of "
                        "foundwords (CTRL+H) and keep looking - all the words are in the puzzle "
                        "somewhere!"},
        {hiPaused, "The gamed has been paused. The puzzle grid has been hidden. Click on Continue "
                   "to proceed."},
        {hiWordNotFound, "The word \"%s\" cannot be found in the word list. Check and try again."},
        {hiTimerOffQuestion, "To turn the timer off, the game must be restarted."},
    };
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
