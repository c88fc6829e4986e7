#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// The game export file ("gtx") as a plain value: six property lines, the
// grid one row per line, an empty line, then the listed words. Reading it
// needs no puzzle, so a file is parsed and checked in full before a game
// takes it.

enum TTextProperty { tpTitle, tpDescription, tpAuthor, tpCreated, tpModified, tpVersion };
constexpr int TextPropertyCount = 6;
// A grid side beyond this is no puzzle; refusing it keeps a hostile file
// from making the board allocate without bound.
constexpr int TextGridMaxSide = 255;

struct TTextGame {
    std::array<QString, TextPropertyCount> Properties;
    std::vector<QStringList> Rows; // one character per cell
    // The lines after the grid that can be words, in file order, without
    // the blanks around them.
    QStringList Words;
    int Width = 0; // the cells of the longest row
};

// Raises EInOutError, and "File "%s" holds a grid larger than 255 x 255
// cells" for a larger grid.
TTextGame ReadTextGame(const QString& FileName);
// Raises EInOutError; an earlier file of that name survives a failure.
void WriteTextGame(const TTextGame& Game, const QString& FileName);

// The characters of a line, one per cell; a character outside the Basic
// Multilingual Plane is one cell, not two halves.
QStringList CellCharacters(const QString& Line);
// A line after the grid that can be a word: 3 to MaxCells cells, and no
// "#", which would match any cell when looked up and then be listed as a
// letter.
bool IsImportableWord(const QString& Line, int MaxCells);
