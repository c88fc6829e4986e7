#pragma once

#include <QString>

// The texts of the play window: the interactive help by identifier, the
// questions it asks and the messages at the end of a game and of a hint.

// Identifiers of the interactive help texts, each named after what shows it.
enum THelpId : int {
    hiWelcome,          // window creation
    hiGridMove,         // mouse over the grid (queued)
    hiGridPress,        // mouse pressed on the grid
    hiRestartPuzzle,    // Restart Puzzle
    hiOptions,          // Options
    hiGiveUpQuestion,   // Give Up, before the question
    hiGivenUp,          // Give Up, done
    hiFullScreen,       // full screen set
    hiNormalWindow,     // normal window set
    hiHintDialog,       // Show Hint, dialog opened
    hiHintFlashing,     // Show Hint, after the flash
    hiNoHintsLeft,      // Show Hint with no hints left
    hiTimerCountDown,   // mouse over the timer panel, count-down (queued)
    hiTimerElapsed,     // mouse over the timer panel, elapsed time (queued)
    hiHideFoundWords,   // Hide Found Words
    hiShowFoundWords,   // Show Found Words
    hiPrint,            // Print
    hiTimerOn,          // Use Timer, now on
    hiTimerOff,         // Use Timer, now off
    hiPaused,           // Pause
    hiContinued,        // Continue
    hiWordFound,        // word found; %s is the word
    hiWordNotFound,     // word not found; %s is the text read
    hiCloseQuestion,    // Give Up and Close, before the question
    hiWordList,         // mouse over the word list (queued); %s is sWordsLeftOne/Many
    hiTimerOnQuestion,  // timer to be turned on mid-game, before the question
    hiTimerOffQuestion, // timer to be turned off mid-game, before the question
    HelpTextCount
};

// The help text of an identifier; empty for a number that is none.
QString HelpText(int id);

// The end of the word-list help text: just one word, or more, still to find.
inline const QString sWordsLeftOne = QStringLiteral("You have just one word left to find.");
inline const QString sWordsLeftMany = QStringLiteral("There are still many words to be found.");

// The questions before the game restarts to turn the timer on or off.
inline const QString sTimerOnQuestion = QStringLiteral(
    "The game is required to restart before the timer starts. Do you wish to restart the game?");
inline const QString sTimerOffQuestion = QStringLiteral("Turn off the timer now?");

// The end-of-game message: the title, then the hints used (sHintsUsed, with
// an "s" for more than one), or the count-down run out.
inline const QString sCompleted = QStringLiteral("Completed \"%s\" - Congratulations%s");
inline const QString sHintsUsed = QStringLiteral(". You used %d hint");
inline const QString sOutOfTime = QStringLiteral("Out Of Time");

// The hint dialog's count, and the error when a hint word is not in the puzzle.
inline const QString sHintsLeft = QStringLiteral("%d Hints Left");
inline const QString sHintWordNotFound = QStringLiteral("Word \"%s\" cannot be found");
