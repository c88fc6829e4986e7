#pragma once

#include "engine/properties/WordGameColourPreferencesUn.h"
#include "engine/puzzle/GameFileUn.h"
#include "engine/wishlist/WordWishListUn.h"
#include "engine/wordgame/CustomWordGameUn.h"

#include <QString>
#include <cstdint>
#include <memory>

class TTypeStream;

// The filler modes of the game property "Unused Space".
enum TUnusedSpaceMode : uint8_t {
    usRandomLetters, // "Random letters (A-Z)"
    usWordLetters,   // "Random letters (from the word list)"
    usPartialWords,  // "Use partial words"
    usLeftBlank      // "Left blank"
};

// The hidden-word puzzle: a word game whose unused cells take filler letters,
// which reads and writes game files and owns the puzzle's wish list.
class TCustomGlyphtrove : public TCustomWordGame {
public:
    explicit TCustomGlyphtrove(QWidget* AOwner = nullptr);
    ~TCustomGlyphtrove() override;

    // True once filler letters have been put into the grid. Setting it fills
    // (true) or clears (false) them.
    bool RandomLettersUsed() const { return FRandomLettersUsed; }
    void SetRandomLettersUsed(bool Value);
    TWordWishList* WishList() const { return FWishList.get(); }
    // The file last loaded or saved; empty for a new puzzle.
    const QString& FileName() const { return FFileName; }

    // Fills the cells without text by the "Unused Space" mode. Cells that
    // have any text are left alone, so a second fill changes nothing.
    void FillRandomLetters();
    // Empties every cell with the filler flag.
    void ClearRandomLetters();
    // A preset holds palette indexes, a puzzle's own set real colours.
    void ApplyColourScheme(const TWordGameColourPreferences& Colours, bool IsPreset);
    // Writes the HTML page to Path, or without one to a new file of its own
    // in the private temporary folder, named after the game file ("tmp"
    // for a game never saved), which the caller removes when done with it.
    // ResultPath is the file written.
    void ExportHTML(const QString& Path, QString& ResultPath);
    bool FitWordAnyDirection(const QString& Word, int& Column, int& Row,
                             TWordDirectionType& Direction);
    bool IsInsideBoard(int Column, int Row) const;

    // Reads a game file; returns the number of bytes read. Every reading
    // problem raises "File "%s" is not a valid game file" and leaves the
    // puzzle as it was.
    int LoadFromFile(const QString& FileName) override;
    // Writes a game file; an existing one is kept under the extension "bak".
    void SaveToFile(const QString& FileName) override;
    // Reads the whole file and checks its words before anything changes.
    void LoadFromStream(const QString& FileName, TTypeStream* Stream) override;
    void SaveToStream(TTypeStream* Stream) override;

protected:
    void FillEmptyCells(const QString& Alphabet);
    void FillFromWordLetters();
    void FillWordFragments();
    // Every distinct character of the listed words, in order of appearance.
    QString WordLetters() const;
    // The number of blank cells from (Column, Row) on in Direction.
    int EmptyRunLength(int Column, int Row, TWordDirectionType Direction) const;
    void FillFragment(int Run, int Column, int Row, TWordDirectionType Direction);
    void WriteFragment(const QString& Fragment, int Column, int Row, TWordDirectionType Direction);

private:
    void MakeBackup(const QString& FileName) const;

    void WriteProperties(TTypeStream* Stream) const;
    // The grid size, the filler flag and the play settings.
    void WritePlaySettings(TTypeStream* Stream) const;
    void WriteColours(TTypeStream* Stream) const;
    void WriteCells(TTypeStream* Stream) const;
    void WriteWords(TTypeStream* Stream) const;
    void WriteWishList(TTypeStream* Stream) const;
    void CheckStoredWords(const TGameFile& File) const;
    void ApplyGameFile(const TGameFile& File);
    void ApplyProperties(const TGameFile& File);
    void ApplyPlaySettings(const TGameFile& File);
    void ApplyColours(const TGameFile& File);
    void ApplyCells(const TGameFile& File);
    void ApplyWords(const TGameFile& File);

    bool FRandomLettersUsed = false;
    std::unique_ptr<TWordWishList> FWishList;
    QString FFileName;
};

// The puzzle of the designer's editor window: a word placed in the puzzle
// leaves the wish list when "Remove Used Words" is on.
class TGlyphtroveEditor : public TCustomGlyphtrove {
public:
    using TCustomGlyphtrove::TCustomGlyphtrove;

    int AddWordToList(const QString& Word, int X, int Y, TWordDirectionType Direction) override;
};
