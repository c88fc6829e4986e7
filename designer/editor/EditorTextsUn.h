#pragma once

#include <QString>
#include <cstdint>

// The editor window's interactive help texts, kept by their numbers, and the
// short and long texts of its numbered reports.

// The help text with the number; empty for a number that is none.
QString EditorHelpText(int id);

// The status-bar text of a report code; empty for the codes that have none.
// Tally counts the words the last Find Word found or Remove Word removed;
// DuplicateCount the words the last Find Duplicates traced.
QString ActionMessage(uint8_t code, int tally, int duplicateCount);

// The help-panel text of a report code, formatted where it counts; the
// status text itself for the codes without a help text of their own.
QString ActionHelpText(uint8_t code, int tally, int duplicateCount);

// Help text numbers the window shows outside the reports.
enum TEditorHelpId : int {
    hiNoWordsInCell = 65248,
    hiRemoveWordQuestion = 65249,
    hiClearPuzzleQuestion = 65250,
    hiWordListPopup = 65251,
    hiGridPopup = 65252,
    hiWishListOpen = 65253,
    hiWishListClosed = 65254,
    hiPreferencesOpen = 65255,
    hiPatternFound = 65273,
    hiDefaultTitle = 65274,
    hiOpenDialog = 65275,
    hiPrintGame = 65276,
    hiFindWordOpen = 65277,
    hiOneWordInCell = 65278,
    hiWordsInCell = 65279,
    hiGridMouse = 65307,
    hiWordListEnter = 65308,
    hiNoPlaceFound = 65309,
    hiCannotAddWord = 65310,
    hiWordsHighlighted = 65311,
};
