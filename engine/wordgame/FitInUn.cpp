#include "engine/wordgame/FitInUn.h"

#include "platform/Services.h"

#include <climits>

namespace {

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
    FItems.push_back(TFitInItem{X, Y, Direction, Score});
    return Count() - 1;
}

void TFitInItemList::Get(int Index, TFitInItem& Item) const {
    CheckIndex(Index);
    Item = FItems[size_t(Index)];
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
    // Each cell is decoded once per search rather than once per test.
    std::vector<TCellProbe> probes;
    probes.reserve(size_t(ColCount()) * size_t(RowCount()));
    for (int y = 0; y < RowCount(); ++y)
        for (int x = 0; x < ColCount(); ++x)
            probes.push_back(Probe(ReadCell(x, y)));
    const auto probeAt = [&](int x, int y) { return probes[size_t(y) * ColCount() + x]; };
    int total = 0;
    for (int y = 0; y < RowCount(); ++y)
        for (int x = 0; x < ColCount(); ++x)
            for (int d = wdTopLeft; d <= wdLeft; ++d) {
                int score = 0;
                const auto direction = TWordDirectionType(d);
                if (AllowsDirection(d) && TestCells(x, y, direction, score, probeAt)) {
                    FItems.Add(x, y, direction, score);
                    total += score;
                }
            }
    return total;
}

TFitIn::TCellProbe TFitIn::Probe(const TGameCellRecord& Cell) {
    // A word or dummy letter binds a placement; a filler letter never does,
    // nor does an occupied cell without text.
    TCellProbe probe;
    probe.Binding = (TBoardGame::HasFlags(Cell.State, wgcsWord) ||
                     TBoardGame::HasFlags(Cell.State, wgcsDummy)) &&
                    !Cell.Text.isEmpty();
    probe.Matchable = Cell.Text.size() == 1;
    probe.Letter = probe.Matchable ? Cell.Text[0] : QChar();
    probe.UseCount = Cell.UseCount;
    return probe;
}

template <typename ProbeAt>
bool TFitIn::TestCells(int X, int Y, TWordDirectionType Direction, int& Score,
                       const ProbeAt& probeAt) const {
    Score = 0;
    const TDirectionOffset step = GetDirectionOffset(Direction);
    int x = X;
    int y = Y;
    for (const QChar letter : FWord) {
        if (!IsValidCell(x, y))
            return false;
        const TCellProbe probe = probeAt(x, y);
        if (probe.Binding) {
            if (!probe.Matchable || probe.Letter != letter)
                return false;
            Score += probe.UseCount;
        }
        StepCell(x, y, step.ColumnStep, step.RowStep);
    }
    return true;
}

bool TFitIn::TestPlacement(int X, int Y, TWordDirectionType Direction, int& Score) const {
    return TestCells(X, Y, Direction, Score,
                     [this](int x, int y) { return Probe(ReadCell(x, y)); });
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
