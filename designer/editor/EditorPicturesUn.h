#pragma once

#include "platform/ImageList.h"

#include <QString>

// The pictures of the editor window: one per action, shared by its menus and
// tool bar, and one per title block. Their order is their index in the
// window's image list.
enum TEditorPicture : int {
    epReset,
    epLoadGame,
    epSaveGame,
    epSaveAs,
    epPrintSetup,
    epPrintPreview,
    epPrint,
    epHideEditor,
    epCloseEditor,
    epShowAllWords,
    epHideWords,
    epFindWord,
    epFindPattern,
    epFindDuplicates,
    epRemoveWord,
    epWordEdit,
    epWordAdd,
    epEraseSelection,
    epMakeDummy,
    epWishList,
    epGridSize,
    epFinish,
    epUnfinish,
    epStats,
    epPreferences,
    epHelpContents,
    epHowToUse,
    epTutorial,
    epHideHelp,
    epShowHelp,
    epAbout,
    epPuzzleTitle,     // title block of the puzzle
    epWordList,        // title block of the word list
    epInteractiveHelp, // title block of the help panel
    EditorPictureCount
};

// The picture's SVG in the resources (":/editor/reset.svg").
QString EditorPictureResource(TEditorPicture picture);
// Adds every picture to the list in index order, drawn at the list's size.
void AddEditorPictures(TImageList& list);
