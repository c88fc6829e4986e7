#pragma once

#include "platform/ImageList.h"

#include <QString>

// The pictures of the play window: one per action, shared by its menus and
// tool bar, and one per title block. Their order is their index in the
// window's image list.
enum TPlayPicture : int {
    ppOpen,
    ppPrint,
    ppClose, // Give Up & Close
    ppRestartPuzzle,
    ppGiveUp,
    ppUseTimer,
    ppShowHint,
    ppHideFoundWords,
    ppShowFoundWords,
    ppPause,
    ppContinue,
    ppShowOptions,
    ppFullscreen,
    ppNormalScreen,
    ppHelpContents,
    ppHelpPlayer,
    ppShowHelp,
    ppHideHelp,
    ppAbout,
    ppPuzzleTitle,     // title block of the puzzle
    ppWordList,        // title block of the word list
    ppInteractiveHelp, // title block of the help panel
    PlayPictureCount
};

// Width and height of every picture, in pixels.
constexpr int PlayPictureSize = 16;

// The picture's SVG in the resources (":/actions/open.svg").
QString PlayPictureResource(TPlayPicture picture);
// Adds every picture to the list in index order, drawn at the list's size.
void AddPlayPictures(TImageList& list);
