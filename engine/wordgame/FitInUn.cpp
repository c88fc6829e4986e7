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
    // The allowed directions in order, each with its slot range and gaps;
    // the gaps of one cell lie side by side, one per direction.
    int directions[WordDirectionCount];
    TSlotRange ranges[WordDirectionCount];
    int allowed = 0;
    for (int d = wdTopLeft; d <= wdLeft; ++d)
        if (AllowsDirection(d)) {
            directions[allowed] = d;
            ranges[allowed] = SlotRange(GetDirectionOffset(TWordDirectionType(d)));
            ++allowed;
        }
    FGaps.resize(FProbes.size() * size_t(allowed));
    for (int k = 0; k < allowed; ++k)
        ReadGaps(GetDirectionOffset(TWordDirectionType(directions[k])), ranges[k].Stride,
                 FGaps.data() + k, allowed);
    const auto probeOf = [this](int index) { return FProbes[size_t(index)]; };
    const int length = int(FWordKeys.size());
    int total = 0;
    for (int y = 0; y < RowCount(); ++y)
        for (int x = 0; x < ColCount(); ++x) {
            const int start = y * ColCount() + x;
            for (int k = 0; k < allowed; ++k) {
                if (!ranges[k].Holds(x, y))
                    continue;
                const uint16_t* gaps = FGaps.data() + k;
                int score = 0;
                // Most slots in a sparse grid hold no letter at all.
                if (gaps[size_t(start) * allowed] >= length ||
                    SlotFits(
                        start, ranges[k].Stride, FWordKeys, score, probeOf,
                        [gaps, allowed](int index) { return gaps[size_t(index) * allowed]; })) {
                    FItems.Add(x, y, TWordDirectionType(directions[k]), score);
                    total += score;
                }
            }
        }
    return total;
}

TFitIn::TSlotRange TFitIn::SlotRange(const TDirectionOffset& Step) const {
    // An empty word still has its first cell.
    const int reach = std::max(int(FWord.length()) - 1, 0);
    TSlotRange range;
    range.Stride = Step.RowStep * ColCount() + Step.ColumnStep;
    range.MinX = std::max(0, -reach * Step.ColumnStep);
    range.EndX = ColCount() - std::max(0, reach * Step.ColumnStep);
    range.MinY = std::max(0, -reach * Step.RowStep);
    range.EndY = RowCount() - std::max(0, reach * Step.RowStep);
    return range;
}

void TFitIn::ReadGaps(const TDirectionOffset& Step, int Stride, uint16_t* Gaps, int Spacing) const {
    // A gap stops growing at its largest value; the walk then looks at the
    // cell there.
    const auto grown = [](int Gap) { return uint16_t(std::min(Gap + 1, 0xFFFF)); };
    const auto binds = [this](int Index) { return FProbes[size_t(Index)].Key != 0; };
    const int columns = ColCount();
    const int rows = RowCount();
    for (int rowsDone = 0; rowsDone < rows; ++rowsDone) {
        // The row the direction leads into is counted first.
        const int y = Step.RowStep > 0 ? rows - 1 - rowsDone : rowsDone;
        uint16_t* row = Gaps + size_t(y) * columns * Spacing;
        if (Step.RowStep == 0) {
            // Along the row, counted from its far end.
            uint16_t run = 0;
            for (int columnsDone = 0; columnsDone < columns; ++columnsDone) {
                const int x = Step.ColumnStep > 0 ? columns - 1 - columnsDone : columnsDone;
                run = binds(y * columns + x) ? 0 : grown(run);
                row[size_t(x) * Spacing] = run;
            }
            continue;
        }
        const bool nextRowInside = y + Step.RowStep >= 0 && y + Step.RowStep < rows;
        for (int x = 0; x < columns; ++x) {
            const int index = y * columns + x;
            const bool nextInside =
                nextRowInside && x + Step.ColumnStep >= 0 && x + Step.ColumnStep < columns;
            row[size_t(x) * Spacing] = binds(index) ? 0
                                       : nextInside ? grown(Gaps[size_t(index + Stride) * Spacing])
                                                    : 1;
        }
    }
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

template <typename ProbeOf, typename GapOf>
bool TFitIn::SlotFits(int Start, int Stride, const std::vector<uint32_t>& Keys, int& Score,
                      const ProbeOf& probeOf, const GapOf& gapOf) {
    Score = 0;
    const int length = int(Keys.size());
    for (int k = gapOf(Start); k < length;) {
        const int index = Start + k * Stride;
        const TCellProbe probe = probeOf(index);
        if (probe.Key != 0) {
            if (probe.Key != Keys[size_t(k)])
                return false;
            Score += probe.UseCount;
        }
        if (++k < length)
            k += gapOf(index + Stride);
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
    const auto probeOf = [this](int index) { return ProbeAt(index); };
    return SlotFits(Y * ColCount() + X, step.RowStep * ColCount() + step.ColumnStep, keys, Score,
                    probeOf, [&](int index) { return probeOf(index).Key != 0 ? 0 : 1; });
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
