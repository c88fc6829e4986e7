#pragma once

#include "engine/grid/GameGridUn.h"
#include "engine/wordgame/WordDirectionUn.h"
#include "platform/Exception.h"

#include <QString>
#include <cstdint>
#include <vector>

// The placer's failures: no directions, no word, a word too long for the grid,
// or an Assign with something that is not a board.
class EFitin : public Exception {
public:
    using Exception::Exception;
};

// One place where the word fits, with how much it shares with placed words.
struct TFitInItem {
    int X = 0;
    int Y = 0;
    TWordDirectionType Direction = wdTopLeft;
    int Score = 0;
};

// The candidates of one search, in the order found, held by value. Clearing
// keeps the storage, so a list kept for many searches allocates once.
class TFitInItemList : public TObject {
public:
    TFitInItemList() = default;
    TFitInItemList(const TFitInItemList&) = delete;
    TFitInItemList& operator=(const TFitInItemList&) = delete;
    ~TFitInItemList() override;

    int Add(int X, int Y, TWordDirectionType Direction, int Score) {
        // Filled in place: a whole item copied in from a temporary stalls on
        // the fields just stored.
        TFitInItem& item = FItems.emplace_back();
        item.X = X;
        item.Y = Y;
        item.Direction = Direction;
        item.Score = Score;
        return Count() - 1;
    }
    // Raises EListError for an index outside the list.
    void Get(int Index, TFitInItem& Item) const;
    int Count() const { return int(FItems.size()); }
    void Delete(int Index);
    void Clear();
    void Reserve(size_t Capacity) { FItems.reserve(Capacity); }
    std::vector<TFitInItem>::const_iterator begin() const { return FItems.begin(); }
    std::vector<TFitInItem>::const_iterator end() const { return FItems.end(); }

private:
    void CheckIndex(int Index) const;

    std::vector<TFitInItem> FItems;
};

// Finds a place for one word on a copy of the shown board: tries every cell
// in every allowed direction, prefers the place sharing most letters with the
// words already there, and draws one at random when none shares any. It never
// places the word itself.
class TFitIn : public TBoardGame {
public:
    TFitIn(int ColCount, int RowCount);

    // Copies the cells of a board; anything else raises EFitin.
    void Assign(TPersistent* Source) override;

    // Raises EFitin when there is no direction, no word, or the word is longer
    // than both sides. False when there is no place; the outputs then stay.
    bool Fit(int& X, int& Y, TWordDirectionType& Direction);

    // The steps of Fit. Fit itself lists no candidates: it counts them and
    // keeps the best, and the list is made from its search when asked for.
    int CollectCandidates();
    bool TestPlacement(int X, int Y, TWordDirectionType Direction, int& Score) const;
    bool PickBest(int& X, int& Y, TWordDirectionType& Direction) const;
    bool PickRandom(int& X, int& Y, TWordDirectionType& Direction) const;

    TFitInItemList& Items();
    const TFitInItemList& Items() const;
    // Bit d allows direction d; 255 allows all eight.
    uint8_t Directions() const { return FDirections; }
    void SetDirections(uint8_t Value) { FDirections = Value; }
    int TotalScore() const { return FTotalScore; }
    const QString& Word() const { return FWord; }
    void SetWord(const QString& Value) { FWord = Value; }

protected:
    void AssignTo(TPersistent* Dest) override;

private:
    // One cell as a placement test sees it: Key 0 for a cell that neither
    // binds nor scores (empty, a filler letter, a cell without text), else
    // the key of the one word letter it takes (none for a text of several
    // characters).
    struct TCellProbe {
        uint32_t Key = 0;
        int UseCount = 0;
    };
    static TCellProbe Probe(const TCellLetter& Cell);
    static uint32_t LetterKey(char16_t Letter) { return 0x10000u | Letter; }
    TCellProbe ProbeAt(int Index) const;
    // Brings the probes and the cell bits up to date with the board: only
    // the cells of storage blocks changed since the last search are read.
    void ReadProbes();
    void ChangeProbe(size_t Index, const TCellProbe& Probe);
    // Reads the board, the word and the directions for a search.
    void PrepareSearch();
    // Calls Visit(X, Y, Direction, Score) for each place the last tally
    // found from row FromRow on, in order (rows, then columns, then
    // directions), while it returns true.
    template <typename Visit> void ScanSlots(const Visit& visit, int FromRow = 0) const;
    // What Fit needs of the prepared search: the places found, their total
    // score and the first of the best. Counts the places of each row in
    // FRowFits and keeps where the word fits in FFitBits.
    struct TSearchTally {
        int Count = 0;
        int TotalScore = 0;
        TFitInItem Best;
        int64_t BestOrder = -1;
        // Keeps the first of equal highest scores in the list's order.
        void Consider(const TFitInItem& Item, int64_t Order);
    };
    TSearchTally TallySlots();
    void TallyDirection(int Allowed, TSearchTally& Tally);
    void ListFoundItems() const;
    void ReserveItems() const;
    static void ReadWordKeys(const QString& Word, std::vector<uint32_t>& Keys);
    // Whether the first and the last letter fall inside the board.
    bool SlotInside(int X, int Y, const TDirectionOffset& Step) const;
    // A direction as one search takes it: the index and cell steps and the
    // starts whose slot lies inside the board (X from MinX to before EndX,
    // Y alike).
    struct TSlotRange {
        int Stride = 0;
        int ColumnStep = 0, RowStep = 0;
        int MinX = 0, EndX = 0, MinY = 0, EndY = 0;
    };
    TSlotRange SlotRange(const TDirectionOffset& Step) const;
    // The cells holding a letter key, as bits; one kept for each key met.
    std::vector<uint64_t>& LetterCells(uint32_t Key);
    // Points each letter of the word at the cells that hold it.
    void FindWordLetterCells();
    // The sum of the use counts of a slot's cells.
    int SlotScore(int Start, int Stride) const;
    const uint64_t* RowBits(const std::vector<uint64_t>& Bits, int Row) const {
        return Bits.data() + size_t(Row) * size_t(FWordsPerRow);
    }
    bool AllowsDirection(int Direction) const { return (FDirections >> Direction) & 1; }

    // The list of the last search, made when first asked for after Fit.
    mutable TFitInItemList FItems;
    mutable bool FItemsListed = true;
    uint8_t FDirections = 0;
    int FTotalScore = 0;
    QString FWord;
    // The search's view of the board and of the word, kept between searches:
    // the board as last read, a probe a cell, and the cells as bits, a row
    // of words a row (bit x of a row's word w stands for column 64 w + x).
    TBoardGame FLastRead{0, 0};
    std::vector<std::pair<int64_t, int64_t>> FChangedCells;
    std::vector<TCellProbe> FProbes;
    int FWordsPerRow = 0;
    // The cells that bind, and for each letter key the cells holding it.
    std::vector<uint64_t> FBinding;
    struct TLetterCells {
        uint32_t Key = 0;
        std::vector<uint64_t> Cells;
    };
    std::vector<TLetterCells> FLetterCells;
    std::vector<uint64_t> FNoCells;
    std::vector<uint32_t> FWordKeys;
    // FWordLetterCells[i]: the cells holding the word's letter i.
    std::vector<const uint64_t*> FWordLetterCells;
    std::vector<int> FRowFits;
    // Per allowed direction, a row of words a row: the starts where it fits.
    std::vector<uint64_t> FFitBits;
    int FAllowedCount = 0;
    TWordDirectionType FAllowed[WordDirectionCount] = {};
    TSlotRange FRanges[WordDirectionCount];
};
