#include "designer/editor/EditorTextsUn.h"

#include "platform/Format.h"

#include <QHash>

namespace {

const QHash<int, QString>& HelpTexts() {
    static const QHash<int, QString> texts = {
        {65248, "There are no words in this cell."},
        {65249, "Are you sure you want to remove this word from the puzzle?"},
        {65250, "Are you sure you want to delete all the words and clear the \r\npuzzle grid. This "
                "cannot be undone!"},
        {65251, "This popup menu will help you to: \r\nShow All Words - highlight all the items in "
                "the word list, \r\nor Hide Words - no longer have any highlighted word in the "
                "puzzle grid, \r\nFind Word - locate a word base on letters you select, \r\nRemove "
                "Word - delete any selected words from the puzzle."},
        {65252, "This popup menu is context sensitive, that means it is based \r\non the cell "
                "where the mouse was located when the popup menu \r\nappeared. It will help you "
                "to: \r\nEdit any words in the grid that the mouse pointer is in, \r\nAdd Word - "
                "put the word highlighted in the puzzle grid \r\nstarting from where the mouse is "
                "located. \r\nRemove Word - will remove any words that intersect the cell "
                "\r\nwhere the mouse pointer is in. \r\nErase Selection - will remove any letters "
                "in any highlighted \r\ncells. If any items from the word list intersect in any "
                "of \r\nthese highlighted cells they will be deleted first. \r\nMake Dummy - will "
                "convert any words that intersect the cell \r\nthe mouse"},
        {65253, "This is the Wish List Editor. It contains a list of words you would like to put "
                "into the puzzle. Type in as many words you like, or import them from a text "
                "file.\r\nYou can find words by using the filter and work the best place for each "
                "word or use the Word Fit feature. This will try to find a place for you."},
        {65254, "The Wish List has been closed. Any changes have been stored for the next time it "
                "is used."},
        {65255, "The is the preferences dialog box. It contains three pages: \r\nThe Properties "
                "page - general information about the puzzle. \r\nThe Colours page - the colour "
                "scheme editor. \r\nThe Options page - various features that can applied to the "
                "puzzle."},
        {65264, "The puzzle grid no longer contains any highlighted words."},
        {65265, "The statisics window has been closed."},
        {65266, "The word has been edited successfully and any changes have been applied."},
        {65267, "The word was added successfully."},
        {65268, "The selection of cells in the grid were erased successfully."},
        {65269, "The selected word has now been removed from the word list and is now a dummy "
                "word."},
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
        {65276, "This will export the game as HTML and ask your default web browser to preview "
                "the game before printing it. Click on the print button to continue."},
        {65277, "Select a word from the list by typing in letters. Any letters that are contained "
                "in any items in the word list will appear. Clicking on the OK button will make "
                "the selected words be highlighted."},
        {65278, "There is 1 word found in this cell."},
        {65279, "There are %d words found in this cell."},
        {65280, "The game has been reset. All the words have been removed and the grid is empty."},
        {65281, "The game has loaded successfully and is ready to be edited."},
        {65282, "The game was successfully stored to disk. It can now to played, copied to "
                "another location or even emailed to a friend. Remember, If you are going to "
                "transport several puzzles, it is recommended to make a package for it (see The "
                "Package Editor for more details)"},
        {65283, "The game and window is about to close. Please wait a moment."},
        {65284, "All the words in the word list are highlighted in the puzzle grid. Any cells "
                "that are not highlighted but are not empty are either dummy words or random "
                "letters."},
        {65285, "The game has been finished and is now ready to be saved. Have you checked for "
                "duplicates? It is recommended that you do check before you save and play it."},
        {65286, "The game can be printed via your web browser. The print feature will show you "
                "the page before you click on the final print button."},
        {65287, "The word(s) have been found."},
        {65288, "%d words have been removed. I you wish to have them back into the puzzle you "
                "will have to add them using the Word Editor again."},
        {65289, "Just 1 word has been removed. I you wish to have it back into the puzzle you "
                "will have to add it using the Word Editor again."},
        {65290, "No words have been removed."},
        {65291, "The game is no longer ready for playing, though the Player application will "
                "automatically finish it before it starts playing the game."},
        {65292, "The preferences have been viewed and any changes made have been applied."},
        {65293, "The puzzle has been checked for duplicated words but no duplicates have been "
                "found. This means that there is only one occurrance in the puzzle grid exists "
                "for each item in the word list."},
        {65294, "The puzzle has been checked for duplicated word and found %d words that has "
                "more than one occurrance. It is recommended that the highlighted words should "
                "ammend in the puzzle. \r\nThe other highlighted areas (in a show a different "
                "colour) shows the location where the words have been duplicated. \r\nYou can "
                "leave the puzzle as it is but anyone who plays the puzzle will find it easier to "
                "complete as there are more than one area of the puzzle that contains those "
                "words."},
        {65295, "The puzzle has been checked for duplicated word and found 1 word that has more "
                "than one occurrance. It is recommended that the highlighted word should ammend "
                "in the puzzle. \r\nThe other highlighted areas (in a show a different colour) "
                "shows the location where each duplicated word has been duplicated. \r\nYou can "
                "leave the puzzle as it is but anyone who plays the puzzle will find it easier to "
                "complete as there are more than one area of the puzzle that contains that "
                "word."},
        {65306, "Welcome to The Glyphtrove Editor - This is the interactive help. It willdisplay "
                "messages to help you as you work. By moving the mouse it will explain how each "
                "feature works."},
        {65307, "To ADD a word, choose a grid cell and click the left mouse button.\r\nTo REMOVE a "
                "selection of cells, or EDIT a word, choose any part of the word and click the "
                "right mouse button.\r\nHold down the CTRL key to auto-highlight word that use a "
                "cell."},
        {65308, "Click on a word to show it in the grid\r\nUse the right mouse button to show the "
                "popup menu"},
        {65309, "Unfortunately, there was not enough space for this word. Try changing the word, "
                "moving or removing words already in the grid and try again."},
        {65310, "The word cannot be entered into the grid. This would be that size of the word "
                "was too small (minimum of 3 letters) or too big. Another reason is that the "
                "highlighted area could not be created into a word."},
        {65311, "%d words have been highlighted in the puzzle grid."},
    };
    return texts;
}

// A count-dependent text: the "many" form formatted with the count, the
// "one" form, or the "none" form.
QString ByCount(int count, const QString& many, const QString& one, const QString& none) {
    if (count >= 2)
        return Format(many, count);
    return count == 1 ? one : none;
}

// The help id of each report code that has one; 0 where the status text
// stands in, -1 where the text depends on a count.
int ReportHelpId(uint8_t code) {
    switch (code) {
    case 0:
        return 65306;
    case 1:
        return 65280;
    case 2:
        return 65281;
    case 3:
        return 65282;
    case 6:
        return 65283;
    case 7:
        return 65284;
    case 8:
        return 65285;
    case 10:
        return 65286;
    case 11:
        return 65287;
    case 13:
        return 65291;
    case 14:
        return 65292;
    case 17:
        return 65264;
    case 18:
        return 65265;
    case 19:
        return 65266;
    case 20:
        return 65267;
    case 21:
        return 65268;
    case 22:
        return 65269;
    case 23:
        return 65270;
    case 24:
        return 65272;
    case 25:
        return 65271;
    case 12:
    case 16:
        return -1;
    default:
        return 0;
    }
}

} // namespace

QString EditorHelpText(int id) {
    return HelpTexts().value(id);
}

QString ActionMessage(uint8_t code, int tally, int duplicateCount) {
    switch (code) {
    case 0:
        return QStringLiteral("Welcome to Glyphtrove, by Fernhallow Software");
    case 1:
        return QStringLiteral("Game has been reset");
    case 2:
        return QStringLiteral("New game file loaded");
    case 3:
        return QStringLiteral("Game file saved");
    case 6:
        return QStringLiteral("Game Closing...");
    case 7:
        return QStringLiteral("All words highlighted");
    case 8:
        return QStringLiteral("Finished the game, ready to play!");
    case 9:
        return QStringLiteral("Setup the printer");
    case 10:
        return QStringLiteral("Game printed");
    case 11:
        return ByCount(tally, "%d words found in the game", "1 word found in the game",
                       "No words found in the game");
    case 12:
        return ByCount(tally, "%d Words removed from the game", "1 word removed from the game",
                       "No words removed from the game");
    case 13:
        return QStringLiteral("Game made unfinished");
    case 14:
        return QStringLiteral("Preferences edited");
    case 16:
        return Format("Duplicates traced - %d words duplicated", duplicateCount);
    case 17:
        return QStringLiteral("Words no longer highlighted");
    case 18:
        return QStringLiteral("Statistics shown");
    case 19:
        return QStringLiteral("Word modified");
    case 20:
        return QStringLiteral("Word added");
    case 21:
        return QStringLiteral("Cells made blank");
    case 22:
        return QStringLiteral("Selection made into dummy state");
    case 23:
        return QStringLiteral("Game size changed");
    case 24:
        return QStringLiteral("Word fit successful");
    case 25:
        return QStringLiteral("Used the Wish List Editor");
    default:
        return QString();
    }
}

QString ActionHelpText(uint8_t code, int tally, int duplicateCount) {
    if (code == 12)
        return ByCount(tally, EditorHelpText(65288), EditorHelpText(65289), EditorHelpText(65290));
    if (code == 16)
        return ByCount(duplicateCount, EditorHelpText(65294), EditorHelpText(65295),
                       EditorHelpText(65293));
    const int id = ReportHelpId(code);
    return id > 0 ? EditorHelpText(id) : ActionMessage(code, tally, duplicateCount);
}
