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
    PrepareSearch();
    FItemsListed = false;
    const TSearchTally tally = TallySlots();
    FTotalScore = tally.TotalScore;
    if (tally.Count == 0)
        return false;
    if (FTotalScore != 0)
        return TakeItem(tally.Best, X, Y, Direction);
    // The same choice PickRandom makes from the list, found from the row it
    // lies in.
    services().Randomize();
    const int chosen = services().Random(tally.Count);
    int seen = 0;
    int row = 0;
    while (seen + FRowFits[size_t(row)] <= chosen)
        seen += FRowFits[size_t(row++)];
    ScanSlots(
        [&](int x, int y, TWordDirectionType direction, int) {
            if (seen++ < chosen)
                return true;
            TakeItem(TFitInItem{x, y, direction, 0}, X, Y, Direction);
            return false;
        },
        row);
    return true;
}

TFitIn::TSearchTally TFitIn::TallySlots() {
    // Direction by direction, but keeping the first of equal highest scores
    // in the list's order (rows, then columns, then directions). Everything
    // the loops touch is held locally, so the common empty slot costs a
    // load and a compare.
    TSearchTally tally;
    int64_t bestOrder = -1;
    FRowFits.assign(size_t(RowCount()), 0);
    int* rowFits = FRowFits.data();
    const auto probeOf = [this](int index) { return FProbes[size_t(index)]; };
    const int length = int(FWordKeys.size());
    const int columns = ColCount();
    const int allowed = FAllowedCount;
    int count = 0, total = 0;
    for (int k = 0; k < allowed; ++k) {
        const TSlotRange range = FRanges[k];
        const uint16_t* gaps = FGaps.data() + size_t(k) * FProbes.size();
        const auto gapOf = [gaps](int index) { return gaps[index]; };
        for (int y = range.MinY; y < range.EndY; ++y) {
            int fits = 0;
            for (int x = range.MinX; x < range.EndX; ++x) {
                const int start = y * columns + x;
                int score = 0;
                // Most slots in a sparse grid hold no letter at all.
                if (gaps[start] < length &&
                    !SlotFits(start, range.Stride, FWordKeys, score, probeOf, gapOf))
                    continue;
                ++fits;
                total += score;
                if (bestOrder < 0 || score >= tally.Best.Score) {
                    const int64_t order = int64_t(start) * allowed + k;
                    if (bestOrder < 0 || score > tally.Best.Score || order < bestOrder) {
                        tally.Best = TFitInItem{x, y, FAllowed[k], score};
                        bestOrder = order;
                    }
                }
            }
            rowFits[y] += fits;
            count += fits;
        }
    }
    tally.Count = count;
    tally.TotalScore = total;
    return tally;
}

TFitInItemList& TFitIn::Items() {
    ListFoundItems();
    return FItems;
}

const TFitInItemList& TFitIn::Items() const {
    ListFoundItems();
    return FItems;
}

void TFitIn::ListFoundItems() const {
    if (FItemsListed)
        return;
    FItemsListed = true;
    ReserveItems();
    ScanSlots([this](int x, int y, TWordDirectionType direction, int score) {
        FItems.Add(x, y, direction, score);
        return true;
    });
}

int TFitIn::CollectCandidates() {
    PrepareSearch();
    FItemsListed = false;
    ListFoundItems();
    int total = 0;
    for (const TFitInItem& item : FItems)
        total += item.Score;
    return total;
}

void TFitIn::ReserveItems() const {
    // Cleared, not released: a placer kept for many searches allocates once.
    FItems.Clear();
    FItems.Reserve(FProbes.size() * size_t(FAllowedCount));
}

void TFitIn::PrepareSearch() {
    // The gaps of the last search still hold for a board of the same size
    // and the same directions, but for the cells that bind differently now.
    const bool sameShape =
        FGapsColumns == ColCount() && FGapsRows == RowCount() && FGapsDirections == FDirections;
    FProbes.swap(FPreviousProbes);
    ReadProbes();
    ReadWordKeys(FWord, FWordKeys);
    // The gaps of one cell lie side by side, one per allowed direction.
    FAllowedCount = 0;
    for (int d = wdTopLeft; d <= wdLeft; ++d)
        if (AllowsDirection(d)) {
            FAllowed[FAllowedCount] = TWordDirectionType(d);
            FRanges[FAllowedCount] = SlotRange(GetDirectionOffset(TWordDirectionType(d)));
            ++FAllowedCount;
        }
    if (sameShape && FPreviousProbes.size() == FProbes.size()) {
        UpdateGaps();
        return;
    }
    FGapsColumns = ColCount();
    FGapsRows = RowCount();
    FGapsDirections = FDirections;
    FGaps.resize(FProbes.size() * size_t(FAllowedCount));
    for (int k = 0; k < FAllowedCount; ++k)
        ReadGaps(GetDirectionOffset(FAllowed[k]), FGaps.data() + size_t(k) * FProbes.size());
}

void TFitIn::UpdateGaps() {
    for (size_t index = 0; index < FProbes.size(); ++index) {
        if ((FProbes[index].Key != 0) == (FPreviousProbes[index].Key != 0))
            continue;
        for (int k = 0; k < FAllowedCount; ++k)
            MendGaps(int(index), GetDirectionOffset(FAllowed[k]),
                     FGaps.data() + size_t(k) * FProbes.size());
    }
}

void TFitIn::MendGaps(int Index, const TDirectionOffset& Step, uint16_t* Gaps) const {
    // A cell's gap follows from whether it binds and from the gap of the
    // next cell; the cells before it are mended back to the first that
    // keeps its gap.
    const int columns = ColCount();
    int x = Index % columns, y = Index / columns;
    while (IsValidCell(x, y)) {
        const int index = y * columns + x;
        const int nextX = x + Step.ColumnStep, nextY = y + Step.RowStep;
        uint16_t gap = 0;
        if (FProbes[size_t(index)].Key == 0)
            gap = IsValidCell(nextX, nextY)
                      ? uint16_t(std::min(Gaps[nextY * columns + nextX] + 1, 0xFFFF))
                      : 1;
        if (index != Index && Gaps[index] == gap)
            return;
        Gaps[index] = gap;
        x -= Step.ColumnStep;
        y -= Step.RowStep;
    }
}

template <typename Visit> void TFitIn::ScanSlots(const Visit& visit, int FromRow) const {
    const auto probeOf = [this](int index) { return FProbes[size_t(index)]; };
    const int length = int(FWordKeys.size());
    const int allowed = FAllowedCount;
    for (int y = FromRow; y < RowCount(); ++y)
        for (int x = 0; x < ColCount(); ++x) {
            const int start = y * ColCount() + x;
            for (int k = 0; k < allowed; ++k) {
                if (!FRanges[k].Holds(x, y))
                    continue;
                const uint16_t* gaps = FGaps.data() + size_t(k) * FProbes.size();
                int score = 0;
                // Most slots in a sparse grid hold no letter at all.
                if ((gaps[start] >= length ||
                     SlotFits(start, FRanges[k].Stride, FWordKeys, score, probeOf,
                              [gaps](int index) { return gaps[index]; })) &&
                    !visit(x, y, FAllowed[k], score))
                    return;
            }
        }
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

void TFitIn::ReadGaps(const TDirectionOffset& Step, uint16_t* Gaps) const {
    // A gap stops growing at its largest value; the walk then looks at the
    // cell there.
    const auto grown = [](int Gap) { return uint16_t(std::min(Gap + 1, 0xFFFF)); };
    const int columns = ColCount();
    const int rows = RowCount();
    for (int rowsDone = 0; rowsDone < rows; ++rowsDone) {
        // The row the direction leads into is counted first.
        const int y = Step.RowStep > 0 ? rows - 1 - rowsDone : rowsDone;
        const TCellProbe* probes = FProbes.data() + size_t(y) * columns;
        uint16_t* row = Gaps + size_t(y) * columns;
        if (Step.RowStep == 0) {
            // Along the row, counted from its far end.
            uint16_t run = 0;
            for (int columnsDone = 0; columnsDone < columns; ++columnsDone) {
                const int x = Step.ColumnStep > 0 ? columns - 1 - columnsDone : columnsDone;
                run = probes[x].Key != 0 ? 0 : grown(run);
                row[x] = run;
            }
            continue;
        }
        // Where the next cell is off the board the gap is the cell itself.
        for (int x = 0; x < columns; ++x)
            row[x] = probes[x].Key != 0 ? 0 : 1;
        const int nextY = y + Step.RowStep;
        if (nextY < 0 || nextY >= rows)
            continue;
        const int first = Step.ColumnStep < 0 ? 1 : 0;
        const int end = Step.ColumnStep > 0 ? columns - 1 : columns;
        // Across rows no gap waits on the one before, so this loop runs wide.
        const uint16_t* next = Gaps + size_t(nextY) * columns;
        for (int x = first; x < end; ++x)
            row[x] = probes[x].Key != 0 ? 0 : grown(next[x + Step.ColumnStep]);
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
    ReadCellLetters(FLetters);
    FProbes.resize(FLetters.size());
    for (size_t index = 0; index < FLetters.size(); ++index)
        FProbes[index] = Probe(FLetters[index]);
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
    const TFitInItemList& items = Items();
    const auto best =
        std::max_element(items.begin(), items.end(), [](const TFitInItem& a, const TFitInItem& b) {
            return a.Score < b.Score;
        });
    return best != items.end() && TakeItem(*best, X, Y, Direction);
}

bool TFitIn::PickRandom(int& X, int& Y, TWordDirectionType& Direction) const {
    const TFitInItemList& items = Items();
    if (items.Count() == 0)
        return false;
    services().Randomize();
    TFitInItem chosen;
    items.Get(services().Random(items.Count()), chosen);
    return TakeItem(chosen, X, Y, Direction);
}
