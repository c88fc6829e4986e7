#pragma once

#include "engine/grid/GameGridUn.h"
#include "engine/properties/WordGamePropertiesUn.h"
#include "engine/wordgame/WordDirectionUn.h"
#include "platform/Colors.h"
#include "platform/Object.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// ASCII-only upper-casing: a-z become A-Z, every other character stays.
QString UpperCaseWord(const QString& Word);

// One placed word: letter k lies at (X + k * column step, Y + k * row step).
struct TWordRec {
    QString Word;
    int X = 0;
    int Y = 0;
    TWordDirectionType Direction = wdTopLeft;
};

// The placed words of one puzzle in the order they were added.
class TCustomWordList : public TObject {
public:
    TCustomWordList() = default;
    TCustomWordList(const TCustomWordList&) = delete;
    TCustomWordList& operator=(const TCustomWordList&) = delete;
    ~TCustomWordList() override;

    // Stores the word upper-cased and returns its index.
    virtual int Add(const QString& Word, int X, int Y, TWordDirectionType Direction);
    virtual void Delete(int Index);
    // Exact, case-sensitive; -1 when absent.
    virtual int IndexOf(const QString& Word) const;
    virtual void Clear();

    TWordRec GetWordRec(int Index) const;
    // Stores the record as given (the word is not upper-cased).
    void SetWordRec(int Index, const TWordRec& Rec);
    void GetWords(QStringList& List) const;
    int Count() const { return int(FItems.size()); }
    // The indexes of the words whose first letter lies at (X, Y), in no order.
    QList<int> WordsStartingAt(int X, int Y) const;

private:
    void CheckIndex(int Index) const;
    static qint64 CellKey(int X, int Y) { return qint64(X) << 32 | uint32_t(Y); }
    // Lookups by word and by first cell, so a list of thousands of words is
    // searched without a pass over it.
    void IndexItem(int Index);
    void Reindex();

    std::vector<std::unique_ptr<TWordRec>> FItems;
    QHash<QString, int> FFirstIndexOf;
    QMultiHash<qint64, int> FStartingAt;
};

class TTypeStream;
class TPointList;
class TCustomWordGame;
class TFitIn;

// An off-screen board the size of the word game that owns it: the solution
// board (letters of placed and dummy words with use counts) or the snapshot
// board (a copy of the shown board).
class TMemoryWordGame : public TBoardGame {
public:
    explicit TMemoryWordGame(TCustomWordGame* Owner);

    TCustomWordGame* Owner() const { return FOwner; }
    // Every cell: no text, the given colours, image -1, state 0, not shaded,
    // visible, use count 0.
    void FillBlank(TColor TextColour, TColor Colour);
    // Writes each letter with State and one more use; other fields stay.
    // Cells outside the board are skipped.
    void AddWordLetters(int X, int Y, TWordDirectionType Direction, const QString& Word,
                        uint32_t State);

private:
    TCustomWordGame* FOwner;
};

using TWordGameWordNamedEvent = std::function<void(TObject* Sender, const QString& wordstr)>;
using TWordGameWordChangedEvent =
    std::function<void(TObject* Sender, const QString& oldwrd, const QString& newwrd)>;

// A foreground (text) and background (fill) colour pair of a colour role.
struct TCellColours {
    TColor Foreground = clBlack;
    TColor Background = clWhite;
};

// The codes of CheckWordPlacement.
enum TWordPlacementCode : int {
    wpcAcceptable = 0,
    wpcBadOverlap = 1,
    wpcOutOfRange = 2,
    wpcBadLength = 3,
    wpcAlreadyListed = 4
};

// The word-game control: a grid that owns a list of placed words, a solution
// and a snapshot board, its game properties and colours; it places, changes,
// finds, highlights and deletes words with their checks, colours every cell
// by its state and reports each change through its events.
class TCustomWordGame : public TCustomGameGrid {
public:
    explicit TCustomWordGame(QWidget* AOwner);
    ~TCustomWordGame() override;

    // --- Properties
    bool CheckWords() const { return FCheckWords; }
    void SetCheckWords(bool Value) { FCheckWords = Value; }
    void SetColCount(int Value) override;
    void SetRowCount(int Value) override;
    QString DefaultGameTitle() const;
    void SetDefaultGameTitle(const QString& Value);
    TWordGameProperties* GamePreferences() const { return FGamePreferences.get(); }
    // The title, or "<untitled %s>" with the creation stamp when it is empty.
    QString GetGameTitle() const;
    QString GameTitle() const { return GetGameTitle(); }
    const QString& HeaderID() const { return FHeaderID; }
    TWordDirectionType LastDirection() const { return FLastDirection; }
    void SetLastDirection(TWordDirectionType Value) { FLastDirection = Value; }
    bool Modified() const { return FModified; }
    const QString& Version() const { return FVersion; }
    int WordCount() const { return FWordList->Count(); }
    const QStringList& WordMatches() const { return FWordMatches; }
    TMemoryWordGame* SolutionBoard() const { return FSolution.get(); }
    TMemoryWordGame* SnapshotBoard() const { return FSnapshot.get(); }

    // --- Game files, implemented by the puzzle
    virtual void LoadFromStream(const QString& FileName, TTypeStream* Stream) = 0;
    virtual int LoadFromFile(const QString& FileName) = 0;
    virtual void SaveToStream(TTypeStream* Stream) = 0;
    virtual void SaveToFile(const QString& FileName) = 0;

    // --- Text export and import ("gtx")
    void ExportToTextFile(const QString& FileName);
    void ImportFromTextFile(const QString& FileName);

    // --- Placement and change
    // Checks, paints and, for a real word, lists the word; the list index or
    // -1 when no entry was made. Codes 1-4 raise when CheckWords is on and
    // the word is real; a failed validation shows its error box.
    int PlaceWord(int X, int Y, TWordDirectionType Direction, const QString& Word, bool Dummy);
    int CheckWordPlacement(int X, int Y, TWordDirectionType Direction, const QString& Word) const;
    bool IsValidWordLength(const QString& Word) const;
    void RaisePlacementError(int Code, bool Dummy) const;
    // The placement rules on any board and word list, so that words can be
    // tried on copies before the puzzle is touched.
    // Listed tells whether the word list holds Word as given.
    static int PlacementCode(const TBoardGame& Board, const TBoardGame& Snapshot, bool Listed,
                             int X, int Y, TWordDirectionType Direction, const QString& Word);
    // Raises the message of a code other than wpcAcceptable.
    static void RaisePlacementCode(int Code);
    // Why the word's letters cannot be painted, or "" when they can; a cell
    // for which Replaceable is true may hold another letter.
    static QString PositionFault(const TBoardGame& Board, int X, int Y,
                                 TWordDirectionType Direction, const QString& Word,
                                 const std::function<bool(int, int)>& Replaceable);
    void ValidateWordPosition(int X, int Y, TWordDirectionType Direction,
                              const QString& Word) const;
    void ChangeWord(int Index, int X, int Y, TWordDirectionType Direction, const QString& Word,
                    bool Dummy);
    virtual int AddWordToList(const QString& Word, int X, int Y, TWordDirectionType Direction);
    // Finds a place for Word without placing it; EFitin failures pass on.
    bool FitWord(uint8_t Directions, const QString& Word, int& X, int& Y,
                 TWordDirectionType& Direction);

    // --- Deletion
    void RemoveWordAt(int Index);
    void DeleteWord(int Index);
    void DeleteWordByText(const QString& Word);
    void RemoveWordLetters(int Index);

    // --- Word list access
    int IndexOfWord(const QString& Word) const { return FWordList->IndexOf(Word); }
    TWordRec GetWordRec(int Index) const { return FWordList->GetWordRec(Index); }
    QString GetWordText(int Index) const { return GetWordRec(Index).Word; }
    void GetWordList(QStringList& List) const { FWordList->GetWords(List); }

    // --- Game state
    // Invalidates the whole control and paints it at once.
    virtual void Repaint();
    void SetModified();
    // The game counts as unchanged, as after NewGame, without new stamps.
    void ClearModified() { FModified = false; }
    virtual void NewGame(const QString& Title, const QString& Description);
    void ClearWords();
    void ClearGrid();
    void SetGridSize(int Columns, int Rows);
    static QString PropertyText(const QString& Text);
    void SaveBoardSnapshot();
    // Replaces the shown cell's record without redrawing it.
    void WriteCell(int X, int Y, const TGameCellRecord& Record);
    bool CellHasState(int X, int Y, uint32_t State) const;

    // --- Colours by state
    TCellColours GetStateColours(uint32_t State) const;
    TCellColours GetCellColours(int X, int Y) const;
    void SetCellColours(int X, int Y, TColor Colour, TColor TextColour);
    void SetCellStateColours(int X, int Y, uint32_t State);
    void RecolourAllCells();
    void RecalculateLayout() override;

    // --- Finding, highlighting and duplicates
    void HideAllWords(bool FireEvent, bool Recolour);
    void ShowWord(int Index);
    void ShowAllWords();
    void HighlightWord(int Index);
    void HighlightAllWords();
    void PaintWordState(int Index, uint32_t State);
    void PaintWordColours(int Index, TColor TextColour, TColor Colour);
    int HighlightedCellCount() const;
    // The number of cells at which Word (a pattern, "#" for any cell) starts;
    // every match is highlighted. The outputs hold the last match.
    int FindWordInGrid(const QString& Word, int& X, int& Y, TWordDirectionType& Direction);
    bool MatchWordAt(int X, int Y, const QString& Word, TWordDirectionType& Direction);
    // Places Word at the last place it is found; the list index or -1.
    int PlaceWordFromGrid(const QString& Word);
    int ShowDuplicateWords();
    int CountWordOccurrences(const QString& Word, TPointList& Starts, TPointList& Ends) const;
    int CollectWordsAtCell(int X, int Y);
    void PaintTypedWord(int X, int Y, TWordDirectionType Direction, const QString& Word, bool Dummy,
                        bool Draw, bool NewWordColours);

    // --- Cell editing; a cell outside the grid is left alone
    int AddWordFromCells(int X, int Y, uint32_t State);
    // True when the user declined a deletion.
    bool DeleteWordsAtCell(int X, int Y);
    bool ConfirmDeleteWord(const QString& Text) const;
    void DeleteAtCell(int X, int Y, bool& Declined);
    // These three: true when the user declined a deletion.
    bool DeleteHighlightedCells();
    void ClearCell(int X, int Y);
    bool MakeDummy(int X, int Y);
    void MakeCellDummy(int X, int Y, bool& Declined);
    bool MakeHighlightedCellsDummy();
    void MakeFillerLetterDummy(int X, int Y);

    // --- Events
    TWordGameWordNamedEvent OnWordAdded;
    TWordGameWordChangedEvent OnWordChanged;
    TNotifyEvent OnHideAllWords;
    TWordGameWordNamedEvent OnWordDeleted;
    TWordGameWordNamedEvent OnHighlightWord;
    TNotifyEvent OnModified;

protected:
    void SetBoardSize(int Columns, int Rows) override;
    void PaintPlacedWord(int X, int Y, TWordDirectionType Direction, const QString& Word,
                         bool Dummy, TColor Foreground, TColor Background);
    void PaintWordCells(int X, int Y, int ColumnStep, int RowStep, uint32_t State, bool MergeState,
                        bool IncrementUse, const QString& Word, TColor Foreground,
                        TColor Background);
    void WriteDummyLetters(int X, int Y, const QString& Word, int ColumnStep, int RowStep);
    bool IsContainedWord(const QString& Word, int X, int Y, TWordDirectionType Direction) const;

    bool FCheckWords = true;
    TWordDirectionType FLastDirection = wdRight;
    QStringList FWordMatches;
    std::unique_ptr<TMemoryWordGame> FSnapshot;
    std::unique_ptr<TWordGameProperties> FGamePreferences;
    QString FHeaderID;
    std::unique_ptr<TMemoryWordGame> FSolution;
    bool FModified = false;
    QString FVersion;
    std::unique_ptr<TCustomWordList> FWordList;

    // A visible, unshaded cell with no image holding Text in Colours.
    TGameCellRecord LetterRecord(const QString& Text, const TCellColours& Colours, uint32_t State,
                                 int UseCount) const;

private:
    void ValidatePosition(int X, int Y, TWordDirectionType Direction, const QString& Word,
                          int IgnoredIndex) const;
    bool IsOnlyCellOfWord(int Index, int X, int Y) const;
    int CheckChangedWord(int Index, const QString& Word) const;
    bool RunMatches(int X, int Y, TWordDirectionType Direction, const QString& Word,
                    bool Wildcard) const;
    bool WordPassesCell(const TWordRec& Rec, int X, int Y) const;
    void PaintCellRun(int X1, int Y1, int X2, int Y2, const TCellColours& Colours);
    void PaintTypedCell(int X, int Y, const QString& Letter, bool Dummy, bool Draw,
                        bool NewWordColours);
    void MakeWordLettersDummy(const TWordRec& Rec);
    TCellColours RoleColours(TWordGameColourRole Role) const;

    // One placer for the game's life, so a search allocates nothing.
    std::unique_ptr<TFitIn> FPlacer;
};

// Places real words as PlaceWord does with CheckWords on, on a board of its
// own, without painting or events: it tells which word PlaceWord would refuse
// and which it would leave out. With the checks on, a word that passes them
// is never contained in a listed one, so every word painted is listed.
class TPlacementTrial {
public:
    // Board holds the cells the words go onto; the trial writes their letters.
    explicit TPlacementTrial(TBoardGame& Board) : FBoard(Board) {}

    // Raises what PlaceWord would raise; false when it would leave the word
    // out after its error box.
    bool Place(int X, int Y, TWordDirectionType Direction, const QString& Word);

private:
    TBoardGame& FBoard;
    // The listed words as the list stores them, upper-cased.
    QSet<QString> FListed;
};
