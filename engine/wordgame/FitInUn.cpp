#include "engine/wordgame/FitInUn.h"

#include "platform/Services.h"

#include <algorithm>

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
    ReadProbes();
    ReadWordKeys(FWord, FWordKeys);
    TDirectionOffset steps[WordDirectionCount];
    int strides[WordDirectionCount];
    for (int d = wdTopLeft; d <= wdLeft; ++d) {
        steps[d] = GetDirectionOffset(TWordDirectionType(d));
        strides[d] = steps[d].RowStep * ColCount() + steps[d].ColumnStep;
    }
    const auto probeOf = [this](int index) { return FProbes[size_t(index)]; };
    int total = 0;
    for (int y = 0; y < RowCount(); ++y)
        for (int x = 0; x < ColCount(); ++x)
            for (int d = wdTopLeft; d <= wdLeft; ++d) {
                int score = 0;
                if (AllowsDirection(d) && SlotInside(x, y, steps[d]) &&
                    SlotFits(y * ColCount() + x, strides[d], FWordKeys, score, probeOf)) {
                    FItems.Add(x, y, TWordDirectionType(d), score);
                    total += score;
                }
            }
    return total;
}

TFitIn::TCellProbe TFitIn::Probe(const TCellLetter& Cell) {
    // A word or dummy letter binds a placement; a filler letter never does,
    // nor does an occupied cell without text.
    const bool binding = (TBoardGame::HasFlags(Cell.State, wgcsWord) ||
                          TBoardGame::HasFlags(Cell.State, wgcsDummy)) &&
                         Cell.TextLength > 0;
    if (!binding)
        return TCellProbe();
    // Above every letter key: a text of several characters takes no letter.
    constexpr uint32_t NoLetter = 0x20000u;
    return {Cell.TextLength == 1 ? LetterKey(Cell.First) : NoLetter, Cell.UseCount};
}

TFitIn::TCellProbe TFitIn::ProbeAt(int Index) const {
    return Probe(ReadCellLetter(Index % ColCount(), Index / ColCount()));
}

void TFitIn::ReadProbes() {
    FProbes.resize(size_t(ColCount()) * size_t(RowCount()));
    for (int index = 0; index < int(FProbes.size()); ++index)
        FProbes[size_t(index)] = ProbeAt(index);
}

void TFitIn::ReadWordKeys(const QString& Word, std::vector<uint32_t>& Keys) {
    Keys.clear();
    for (const QChar letter : Word)
        Keys.push_back(LetterKey(letter.unicode()));
}

bool TFitIn::SlotInside(int X, int Y, const TDirectionOffset& Step) const {
    // An empty word still has its first cell.
    const int reach = std::max(int(FWord.length()) - 1, 0);
    return IsValidCell(X, Y) && IsValidCell(X + reach * Step.ColumnStep, Y + reach * Step.RowStep);
}

template <typename ProbeOf>
bool TFitIn::SlotFits(int Start, int Stride, const std::vector<uint32_t>& Keys, int& Score,
                      const ProbeOf& probeOf) {
    Score = 0;
    int index = Start;
    for (const uint32_t key : Keys) {
        const TCellProbe probe = probeOf(index);
        if (probe.Key != 0) {
            if (probe.Key != key)
                return false;
            Score += probe.UseCount;
        }
        index += Stride;
    }
    return true;
}

bool TFitIn::TestPlacement(int X, int Y, TWordDirectionType Direction, int& Score) const {
    Score = 0;
    const TDirectionOffset step = GetDirectionOffset(Direction);
    if (!SlotInside(X, Y, step))
        return false;
    // A test on its own reads the board and the word as they are now.
    std::vector<uint32_t> keys;
    ReadWordKeys(FWord, keys);
    return SlotFits(Y * ColCount() + X, step.RowStep * ColCount() + step.ColumnStep, keys, Score,
                    [this](int index) { return ProbeAt(index); });
}

bool TFitIn::PickBest(int& X, int& Y, TWordDirectionType& Direction) const {
    // The first of equal highest scores.
    const auto best = std::max_element(
        FItems.begin(), FItems.end(),
        [](const TFitInItem& a, const TFitInItem& b) { return a.Score < b.Score; });
    return best != FItems.end() && TakeItem(*best, X, Y, Direction);
}

bool TFitIn::PickRandom(int& X, int& Y, TWordDirectionType& Direction) const {
    if (FItems.Count() == 0)
        return false;
    services().Randomize();
    TFitInItem chosen;
    FItems.Get(services().Random(FItems.Count()), chosen);
    return TakeItem(chosen, X, Y, Direction);
}
