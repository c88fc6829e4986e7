#include "playwindow/gameplayer/PlayHelpTextsUn.h"

namespace {

const char* const HelpTexts[HelpTextCount] = {
    /* hiWelcome */ "Welcome to The Glyphtrove Player - This is the interactive help. It "
                    "willdisplay messages to help you as you work. By moving the mouse it will "
                    "explain how each feature works.",
    /* hiGridMove */
    "Locate a word that matches one in the word list. Using the mouse, click and hold down the "
    "mouse button where the cursor is at the first letter of the word.",
    /* hiGridPress */
    "Drag the cursor along to the end letter. If you have successfully found the word will be "
    "marked. The word will have a line through the word in both the grid and in the word list.",
    /* hiRestartPuzzle */
    "This will restart the puzzle from the beginning. Click on Yes to confirm or No to cancel.",
    /* hiOptions */
    "This displays the player options window. The Timer and Colour Scheme sections can override "
    "the settings in the puzzle file. The other check boxes can maximise the window to full screen "
    "or normal, show or hide the toolbar, puzzle title, the information/status bar and the word "
    "list respectively.",
    /* hiGiveUpQuestion */ "You have started the game. Are you sure you want to give up now?",
    /* hiGivenUp */
    "You have given up the puzzle. The puzzle now shows where the words are placed.",
    /* hiFullScreen */
    "The puzzle window is now shown full screen. Click on the Normal Windowicon (CTRL+N) to return "
    "back to normal size",
    /* hiNormalWindow */
    "The puzzle window is now shown in a normal window. Click on the Full Screen (CTRL+F) to "
    "return back to full screen",
    /* hiHintDialog */
    "The list showns words that have not been found yet. Pick one and click on the OK button to "
    "give you a hint where the word is located in the puzzle grid. It will flash the first letter "
    "of the word so look carefully.",
    /* hiHintFlashing */
    "The first letter of the selected word is being flashed. Look carefully at the puzzle grid.",
    /* hiNoHintsLeft */
    "Unfortunately, there are no hints availble. Try hiding the lines of foundwords (CTRL+H) and "
    "keep looking - all the words are in the puzzle somewhere!",
    /* hiTimerCountDown */
    "The game is on a timer. You have a short time to complete. You must find all the words in the "
    "list before the time runs out.",
    /* hiTimerElapsed */
    "The player is timing you to see how long it takes for you to complete the game. It will give "
    "you your final time when you find the last word.",
    /* hiHideFoundWords */
    "The puzzle has hidden the lines in the puzzle grid. The words have still been marked as found "
    "but the puzzle grid now shows the letters without any of them being covered by lines, making "
    "it easier to see the puzzle. Click on the Show Found Words (CTRL+S) to view the lines again.",
    /* hiShowFoundWords */
    "You can now see the lines in the puzzle grid again. Only the words that you found are "
    "visible. To hide the lines Click on the Hide Found Words (CTRL+H).",
    /* hiPrint */
    "This is a preview of the puzzle game ready for sending to the printer. It does not include "
    "any words that have been found, just the puzzle ready to be played on paper.",
    /* hiTimerOn */ "The game has restarted with the timer started.",
    /* hiTimerOff */ "The game has restarted without the timer.",
    /* hiPaused */
    "The gamed has been paused. The puzzle grid has been hidden. Click on Continue to proceed.",
    /* hiContinued */ "The game has continued. You can pause the game again at any time.",
    /* hiWordFound */ "The word \"%s\" has been found and marked successfully.",
    /* hiWordNotFound */ "The word \"%s\" cannot be found in the word list. Check and try again.",
    /* hiCloseQuestion */
    "This will stop the game and close the window. Are you sure you want to do this?",
    /* hiWordList */
    "This is the Word List. These words exist somewhere in the puzzle grid. Look carefully and "
    "select the first letter and drag along to the last letter. %s",
    /* hiTimerOnQuestion */ "To use the timer, the game must be restarted.",
    /* hiTimerOffQuestion */ "To turn the timer off, the game must be restarted.",
};

} // namespace

QString HelpText(int id) {
    if (id < 0 || id >= HelpTextCount)
        return QString();
    return QString::fromUtf8(HelpTexts[id]);
}
