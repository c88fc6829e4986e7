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

// The candidates of one search, in the order found, held by value.
class TFitInItemList : public TObject {
public:
    TFitInItemList() = default;
    TFitInItemList(const TFitInItemList&) = delete;
    TFitInItemList& operator=(const TFitInItemList&) = delete;
    ~TFitInItemList() override;

    int Add(int X, int Y, TWordDirectionType Direction, int Score);
    // Raises EListError for an index outside the list.
    void Get(int Index, TFitInItem& Item) const;
    int Count() const { return int(FItems.size()); }
    void Delete(int Index);
    void Clear();

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

    // The steps of Fit.
    int CollectCandidates();
    bool TestPlacement(int X, int Y, TWordDirectionType Direction, int& Score) const;
    bool PickBest(int& X, int& Y, TWordDirectionType& Direction) const;
    bool PickRandom(int& X, int& Y, TWordDirectionType& Direction) const;

    TFitInItemList& Items() { return FItems; }
    const TFitInItemList& Items() const { return FItems; }
    // Bit d allows direction d; 255 allows all eight.
    uint8_t Directions() const { return FDirections; }
    void SetDirections(uint8_t Value) { FDirections = Value; }
    int TotalScore() const { return FTotalScore; }
    const QString& Word() const { return FWord; }
    void SetWord(const QString& Value) { FWord = Value; }

protected:
    void AssignTo(TPersistent* Dest) override;

private:
    // What a placement test needs to know of one cell.
    struct TCellProbe {
        bool Binding = false;   // a word or dummy letter is there
        bool Matchable = false; // its text is one character, Letter
        QChar Letter;
        int UseCount = 0;
    };
    static TCellProbe Probe(const TGameCellRecord& Cell);
    template <typename ProbeAt>
    bool TestCells(int X, int Y, TWordDirectionType Direction, int& Score,
                   const ProbeAt& probeAt) const;
    bool AllowsDirection(int Direction) const { return (FDirections >> Direction) & 1; }

    TFitInItemList FItems;
    uint8_t FDirections = 0;
    int FTotalScore = 0;
    QString FWord;
};
