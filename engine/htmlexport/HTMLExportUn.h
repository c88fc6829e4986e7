#pragma once

#include "platform/Format.h"
#include "platform/Object.h"

#include <QString>
#include <memory>

class TCustomWordGame;
class TCustomGlyphtrove;
class TTextFileWriter;

// Writes a word game as a printable HTML page: the file, the checks, the head
// with its style sheet and the title block. Descendants write the grid and
// the end of the page.
class TWordGameHTMLExport : public TObject {
public:
    TWordGameHTMLExport();
    TWordGameHTMLExport(const TWordGameHTMLExport&) = delete;
    TWordGameHTMLExport& operator=(const TWordGameHTMLExport&) = delete;
    ~TWordGameHTMLExport() override;

    // Writes the page. Raises when busy or without a game, before the file is
    // touched; the file is closed and Busy cleared whatever happens.
    void Execute();

    bool Busy() const { return FBusy; }
    const QString& FileName() const { return FFileName; }
    // Deletes the file under the current name, then takes the new one.
    void SetFileName(const QString& Name);
    TCustomWordGame* Game() const { return FGame; }
    const QString& Title() const { return FTitle; }
    void SetTitle(const QString& Value) { FTitle = Value; }

protected:
    void SetWordGame(TCustomWordGame* Value) { FGame = Value; }

    virtual void WriteHeader();
    virtual void WriteGrid() = 0;
    virtual void WriteFooter() = 0;

    // Texts go in as they are, without HTML escaping; characters outside
    // ASCII become numeric character references, as the page declares no
    // character set.
    void WriteLine(const QString& Text);
    template <typename... Args>
    void WriteFormattedLine(const QString& FormatText, const Args&... args) {
        WriteLine(Format(FormatText, args...));
    }
    void WriteStyleSheet();

private:
    void WriteTitleBlock();

    bool FBusy = false;
    QString FFileName;
    std::unique_ptr<TTextFileWriter> FFile;
    TCustomWordGame* FGame = nullptr;
    QString FTitle;
};

// The page of a hidden-word puzzle: the letter grid as a bordered table and
// the sorted word list in four columns.
class TGlyphtroveHTMLExport : public TWordGameHTMLExport {
public:
    // Sets Game and the puzzle, one object. A template, so that the export
    // needs the puzzle class only where a puzzle is handed to it.
    template <typename TPuzzle> void SetGame(TPuzzle* Puzzle) {
        FPuzzle = Puzzle;
        SetWordGame(Puzzle);
    }
    TCustomGlyphtrove* Puzzle() const { return FPuzzle; }

protected:
    void WriteGrid() override;
    void WriteFooter() override;

private:
    void WriteWordTable();

    TCustomGlyphtrove* FPuzzle = nullptr;
};

// Text with every character outside ASCII written as "&#n;".
QString ToHTMLCharacterReferences(const QString& Text);
