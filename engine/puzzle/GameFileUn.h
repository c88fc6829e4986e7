#pragma once

#include "platform/Colors.h"
#include "platform/DateTime.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

class TTypeStream;

// The head and version the game file carries; a reader takes majors 1 to 11.
extern const char* const GlyphtroveHeaderID;
constexpr int GameFileMajorVersion = 11;
constexpr int GameFileMinorVersion = 0;
// The largest grid side a game file may hold.
constexpr int GameFileMaxSide = 255;

// One cell as the file holds it: its letter (empty for none) and state.
struct TGameFileCell {
    QString Letter;
    uint32_t State = 0;
};

// One placed word as the file holds it; the direction is not checked.
struct TGameFileWord {
    QString Word;
    int X = 0;
    int Y = 0;
    int Direction = 0;
};

// Everything a game file holds, read in full before any of it is used, so
// that a damaged file leaves the puzzle that was open untouched.
struct TGameFile {
    int Major = GameFileMajorVersion;
    int Minor = GameFileMinorVersion;
    QString Title;
    QString Description;
    QString Author;
    QString Created;
    QString Modified;
    int Columns = 0;
    int Rows = 0;
    bool RandomLettersUsed = false;
    bool IncludeColourScheme = false;
    bool AutoFinish = false;
    // As stored; the puzzle reads a value outside its filling modes as "Left blank".
    int UnusedSpace = 0;
    bool UseTimer = false;
    TDateTime CountDown = 0;
    int Hints = 0;
    bool CanGiveIn = false;
    // Foreground and background of each role in the file's role order; empty
    // without "Include Colour Scheme".
    std::vector<TColor> Colours;
    // Column-major, Columns x Rows.
    std::vector<TGameFileCell> Cells;
    std::vector<TGameFileWord> Words;
    // A file may end after its words; it then holds no wish-list part.
    bool HasWishList = false;
    QStringList Wishes;
};

// Reads a whole game file. Raises the stream's errors, "File "%s" is invalid
// or corrupt" for a wrong header or a value out of range, and the newer
// version message for a major outside 1 to 11.
TGameFile ReadGameFile(const QString& FileName, TTypeStream* Stream);
