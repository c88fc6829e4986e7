#include "engine/wordgame/FitInUn.h"

#include "platform/Services.h"

#include <climits>

namespace {

// A word or dummy letter binds a placement; a filler letter never does.
bool IsOccupied(const TGameCellRecord& Cell) {
    return TBoardGame::HasFlags(Cell.State, wgcsWord) ||
           TBoardGame::HasFlags(Cell.State, wgcsDummy);
}

bool IsBoard(TPersistent* Object) {
    return dynamic_cast<TBoardGame*>(Object) != nullptr;
}

bool TakeItem(const TFitInItem& Item, int& X, int& Y, TWordDirectionType& Direction) {
    X = Item.X;
    Y = Item.Y;
    Direction = Item.Direction;
    return true;
}

} // namespace

TFitInItemList::~TFitInItemList() {
    Clear();
}

int TFitInItemList::Add(int X, int Y, TWordDirectionType Direction, int Score) {
    FItems.push_back(std::make_unique<TFitInItem>(TFitInItem{X, Y, Direction, Score}));
    return Count() - 1;
}

void TFitInItemList::Get(int Index, TFitInItem& Item) const {
    CheckIndex(Index);
    Item = *FItems[size_t(Index)];
}

void TFitInItemList::Delete(int Index) {
    CheckIndex(Index);
    FItems.erase(FItems.begin() + Index);
}

void TFitInItemList::Clear() {
    FItems.clear();
}

void TFitInItemList::CheckIndex(int Index) const {
    if (Index < 0 || Index >= Count())
        throw EListError(Index);
}

TFitIn::TFitIn(int ColCount, int RowCount) : TBoardGame(ColCount, RowCount) {}

void TFitIn::Assign(TPersistent* Source) {
    if (!IsBoard(Source))
        throw EFitin("Source is not a board game class");
    TBoardGame::Assign(Source);
}

void TFitIn::AssignTo(TPersistent* Dest) {
    if (!IsBoard(Dest))
        throw EFitin("Destination is not a board game class");
    TBoardGame::AssignTo(Dest);
}

bool TFitIn::Fit(int& X, int& Y, TWordDirectionType& Direction) {
    if (FDirections == 0)
        throw EFitin("No valid directions found");
    if (FWord.isEmpty())
        throw EFitin("No word assigned");
    if (FWord.length() > ColCount() && FWord.length() > RowCount())
        throw EFitin("Word length is greater than the grid size. No space big enough in the grid.");
    FTotalScore = CollectCandidates();
    return FTotalScore != 0 ? PickBest(X, Y, Direction) : PickRandom(X, Y, Direction);
}

int TFitIn::CollectCandidates() {
    FItems.Clear();
    int total = 0;
    for (int y = 0; y < RowCount(); ++y)
        for (int x = 0; x < ColCount(); ++x)
            for (int d = wdTopLeft; d <= wdLeft; ++d) {
                int score = 0;
                const auto direction = TWordDirectionType(d);
                if (AllowsDirection(d) && TestPlacement(x, y, direction, score)) {
                    FItems.Add(x, y, direction, score);
                    total += score;
                }
            }
    return total;
}

bool TFitIn::TestPlacement(int X, int Y, TWordDirectionType Direction, int& Score) const {
    Score = 0;
    const TDirectionOffset step = GetDirectionOffset(Direction);
    int x = X;
    int y = Y;
    for (const QChar letter : FWord) {
        if (!IsValidCell(x, y))
            return false;
        const TGameCellRecord cell = ReadCell(x, y);
        if (IsOccupied(cell)) {
            if (cell.Text.size() == 1 && cell.Text[0] == letter)
                Score += cell.UseCount;
            else if (!cell.Text.isEmpty())
                return false;
        }
        StepCell(x, y, step.ColumnStep, step.RowStep);
    }
    return true;
}

bool TFitIn::PickBest(int& X, int& Y, TWordDirectionType& Direction) const {
    if (FItems.Count() == 0)
        return false;
    TFitInItem best;
    best.Score = INT_MIN;
    for (int i = 0; i < FItems.Count(); ++i) {
        TFitInItem candidate;
        FItems.Get(i, candidate);
        if (candidate.Score > best.Score || i == 0)
            best = candidate;
    }
    return TakeItem(best, X, Y, Direction);
}

bool TFitIn::PickRandom(int& X, int& Y, TWordDirectionType& Direction) const {
    if (FItems.Count() == 0)
        return false;
    services().Randomize();
    TFitInItem chosen;
    FItems.Get(services().Random(FItems.Count()), chosen);
    return TakeItem(chosen, X, Y, Direction);
}
