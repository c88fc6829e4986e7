#pragma once

#include "engine/puzzle/GlyphtroveUn.h"

#include "platform/Services.h"

#include <QString>
#include <QStringList>

// The words of the 15 x 15 puzzle that PuzzlePage writes.
inline QStringList PuzzlePageWords() {
    return {"ELEPHANT", "KANGAROO", "GIRAFFE", "PENGUIN", "DOLPHIN", "CHEETAH",
            "BUFFALO",  "OSTRICH",  "ZEBRA",   "TIGER",   "LION",    "MONKEY"};
}

// Writes the HTML page of a 15 x 15 puzzle, as the Print actions do, into
// the folder; returns the page's path. Run with fake services installed.
inline QString WritePuzzlePage(const QString& Folder) {
    struct TPlacement {
        int X, Y;
        TWordDirectionType Direction;
    };
    const TPlacement places[] = {
        {0, 0, wdRight},   {3, 2, wdRight},   {0, 4, wdRight},       {7, 6, wdRight},
        {1, 8, wdRight},   {6, 10, wdRight},  {0, 12, wdRight},      {8, 14, wdRight},
        {14, 0, wdBottom}, {13, 7, wdBottom}, {0, 6, wdBottomRight}, {14, 13, wdLeft},
    };
    TCustomGlyphtrove puzzle;
    puzzle.resize(400, 400);
    puzzle.SetGridSize(15, 15);
    const QStringList words = PuzzlePageWords();
    for (int i = 0; i < words.size(); ++i)
        puzzle.PlaceWord(places[i].X, places[i].Y, places[i].Direction, words[i], false);
    puzzle.FillRandomLetters();
    TWordGameProperties& properties = *puzzle.GamePreferences();
    properties.SetGameTitle("Animals of the World");
    properties.SetGameAuthor("the Glyphtrove tests");
    properties.SetGameDescription("Twelve animals hide in the grid.");

    const QString title = ApplicationTitle();
    SetApplicationTitle("Glyphtrove");
    QString page;
    puzzle.ExportHTML(Folder + "/puzzle.html", page);
    SetApplicationTitle(title);
    return page;
}
