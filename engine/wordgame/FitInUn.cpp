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

// The 64 cells of a row of several words from column Offset on, as bits;
// columns outside the row read as 0.
uint64_t BitsFromWords(const uint64_t* Row, int Words, int Offset) {
    const int word = Offset >= 0 ? Offset / 64 : -((63 - Offset) / 64);
    const int shift = Offset - word * 64;
    const auto at = [&](int w) { return w >= 0 && w < Words ? Row[w] : uint64_t(0); };
    const uint64_t low = at(word) >> shift;
    return shift == 0 ? low : low | at(word + 1) << (64 - shift);
}

// The same for any row; a board of up to 64 columns takes one word a row.
inline uint64_t BitsFrom(const uint64_t* Row, int Words, int Offset) {
    if (Words != 1)
        return BitsFromWords(Row, Words, Offset);
    return Offset >= 0 ? (Offset < 64 ? Row[0] >> Offset : 0)
                       : (Offset > -64 ? Row[0] << -Offset : 0);
}

// Without a popcount instruction in the target, the builtin is a call.
int BitCount(uint64_t Bits) {
    Bits -= (Bits >> 1) & 0x5555555555555555u;
    Bits = (Bits & 0x3333333333333333u) + ((Bits >> 2) & 0x3333333333333333u);
    Bits = (Bits + (Bits >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    return int((Bits * 0x0101010101010101u) >> 56);
}

// The bits of columns From to before End that fall in row word W.
uint64_t ColumnsInWord(int From, int End, int W) {
    const int first = std::max(From - 64 * W, 0);
    const int end = std::min(End - 64 * W, 64);
    if (first >= end)
        return 0;
    const uint64_t upTo = end == 64 ? ~uint64_t(0) : (uint64_t(1) << end) - 1;
    return upTo & ~((uint64_t(1) << first) - 1);
}

int LowestBit(uint64_t Bits) {
    return __builtin_ctzll(Bits);
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

void TFitIn::TSearchTally::Consider(const TFitInItem& Item, int64_t Order) {
    if (BestOrder < 0 || Item.Score > Best.Score ||
        (Item.Score == Best.Score && Order < BestOrder)) {
        Best = Item;
        BestOrder = Order;
    }
}

TFitIn::TSearchTally TFitIn::TallySlots() {
    FItemsListed = false;
    FRowFits.assign(size_t(std::max(RowCount(), 0)), 0);
    FFitBits.assign(size_t(FAllowedCount) * FBinding.size(), 0);
    TSearchTally tally;
    for (int k = 0; k < FAllowedCount; ++k)
        TallyDirection(k, tally);
    return tally;
}

void TFitIn::TallyDirection(int Allowed, TSearchTally& Tally) {
    // A word fits at a start when each of its letters falls on a cell that
    // does not bind or holds that letter; a row's starts are tested at once.
    // Only a slot holding a binding cell can score; of the others, the first
    // stands for them all in the choice of the best.
    const TSlotRange range = FRanges[Allowed];
    const int words = FWordsPerRow;
    const int length = int(FWordKeys.size());
    const int columns = ColCount();
    uint64_t* fitBits = FFitBits.data() + size_t(Allowed) * FBinding.size();
    bool emptySlotSeen = false;
    for (int y = range.MinY; y < range.EndY; ++y)
        for (int w = 0; w < words; ++w) {
            uint64_t starts = ColumnsInWord(range.MinX, range.EndX, w);
            uint64_t binding = 0;
            for (int i = 0; i < length && starts != 0; ++i) {
                const int row = y + i * range.RowStep;
                const int offset = 64 * w + i * range.ColumnStep;
                const size_t rowAt = size_t(row) * size_t(words);
                const uint64_t binds = BitsFrom(FBinding.data() + rowAt, words, offset);
                const uint64_t matches =
                    BitsFrom(FWordLetterCells[size_t(i)] + rowAt, words, offset);
                // A cell that binds must hold the letter.
                starts &= ~binds | matches;
                binding |= binds;
            }
            fitBits[size_t(y) * size_t(words) + size_t(w)] = starts;
            const int fits = BitCount(starts);
            FRowFits[size_t(y)] += fits;
            Tally.Count += fits;
            const uint64_t empty = starts & ~binding;
            if (empty != 0 && !emptySlotSeen) {
                emptySlotSeen = true;
                const int x = 64 * w + LowestBit(empty);
                Tally.Consider({x, y, FAllowed[Allowed], 0},
                               int64_t(y * columns + x) * FAllowedCount + Allowed);
            }
            for (uint64_t scoring = starts & binding; scoring != 0; scoring &= scoring - 1) {
                const int x = 64 * w + LowestBit(scoring);
                const int start = y * columns + x;
                const int score = SlotScore(start, range.Stride);
                Tally.TotalScore += score;
                Tally.Consider({x, y, FAllowed[Allowed], score},
                               int64_t(start) * FAllowedCount + Allowed);
            }
        }
}

int TFitIn::SlotScore(int Start, int Stride) const {
    // A cell that does not bind counts 0.
    int score = 0;
    for (size_t i = 0; i < FWordKeys.size(); ++i)
        score += FProbes[size_t(Start + int(i) * Stride)].UseCount;
    return score;
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
    TallySlots();
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
    ReadProbes();
    ReadWordKeys(FWord, FWordKeys);
    FindWordLetterCells();
    FAllowedCount = 0;
    for (int d = wdTopLeft; d <= wdLeft; ++d)
        if (AllowsDirection(d)) {
            FAllowed[FAllowedCount] = TWordDirectionType(d);
            FRanges[FAllowedCount] = SlotRange(GetDirectionOffset(TWordDirectionType(d)));
            ++FAllowedCount;
        }
}

void TFitIn::ReadProbes() {
    const int columns = std::max(ColCount(), 0);
    const int rows = std::max(RowCount(), 0);
    UnsharedCells(FLastRead, FChangedCells);
    const size_t cells = size_t(columns) * size_t(rows);
    if (FProbes.size() != cells || FLastRead.ColCount() != ColCount() ||
        FLastRead.RowCount() != RowCount()) {
        // Another size: every cell is read into blank bits.
        FProbes.assign(cells, TCellProbe());
        FWordsPerRow = (columns + 63) / 64;
        FBinding.assign(size_t(rows) * size_t(FWordsPerRow), 0);
        FNoCells.assign(FBinding.size(), 0);
        FLetterCells.clear();
        FChangedCells.assign(1, {0, int64_t(cells)});
    }
    for (const auto& [first, end] : FChangedCells)
        for (int64_t index = first; index < end; ++index)
            ChangeProbe(size_t(index), ProbeAt(int(index)));
    FLastRead.SetColCount(ColCount());
    FLastRead.SetRowCount(RowCount());
    FLastRead.Assign(this);
}

void TFitIn::ChangeProbe(size_t Index, const TCellProbe& Probe) {
    TCellProbe& probe = FProbes[Index];
    if (probe.Key != Probe.Key) {
        const int columns = ColCount();
        const size_t word =
            Index / size_t(columns) * size_t(FWordsPerRow) + Index % size_t(columns) / 64;
        const uint64_t bit = uint64_t(1) << (Index % size_t(columns) % 64);
        if (probe.Key != 0) {
            FBinding[word] &= ~bit;
            LetterCells(probe.Key)[word] &= ~bit;
        }
        if (Probe.Key != 0) {
            FBinding[word] |= bit;
            LetterCells(Probe.Key)[word] |= bit;
        }
    }
    probe = Probe;
}

std::vector<uint64_t>& TFitIn::LetterCells(uint32_t Key) {
    for (TLetterCells& letter : FLetterCells)
        if (letter.Key == Key)
            return letter.Cells;
    FLetterCells.push_back({Key, FNoCells});
    return FLetterCells.back().Cells;
}

void TFitIn::FindWordLetterCells() {
    FWordLetterCells.clear();
    for (const uint32_t key : FWordKeys) {
        const auto held =
            std::find_if(FLetterCells.begin(), FLetterCells.end(),
                         [key](const TLetterCells& letter) { return letter.Key == key; });
        FWordLetterCells.push_back(held != FLetterCells.end() ? held->Cells.data()
                                                              : FNoCells.data());
    }
}

template <typename Visit> void TFitIn::ScanSlots(const Visit& visit, int FromRow) const {
    const size_t directionStride = FBinding.size();
    for (int y = FromRow; y < RowCount(); ++y)
        for (int x = 0; x < ColCount(); ++x)
            for (int k = 0; k < FAllowedCount; ++k) {
                const uint64_t* fits = RowBits(FFitBits, y) + size_t(k) * directionStride;
                if ((fits[x / 64] >> (x % 64) & 1) == 0)
                    continue;
                const int score = SlotScore(y * ColCount() + x, FRanges[k].Stride);
                if (!visit(x, y, FAllowed[k], score))
                    return;
            }
}

TFitIn::TSlotRange TFitIn::SlotRange(const TDirectionOffset& Step) const {
    // An empty word still has its first cell.
    const int reach = std::max(int(FWord.length()) - 1, 0);
    TSlotRange range;
    range.Stride = Step.RowStep * ColCount() + Step.ColumnStep;
    range.ColumnStep = Step.ColumnStep;
    range.RowStep = Step.RowStep;
    range.MinX = std::max(0, -reach * Step.ColumnStep);
    range.EndX = ColCount() - std::max(0, reach * Step.ColumnStep);
    range.MinY = std::max(0, -reach * Step.RowStep);
    range.EndY = RowCount() - std::max(0, reach * Step.RowStep);
    return range;
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

bool TFitIn::TestPlacement(int X, int Y, TWordDirectionType Direction, int& Score) const {
    Score = 0;
    const TDirectionOffset step = GetDirectionOffset(Direction);
    if (!SlotInside(X, Y, step))
        return false;
    // A test on its own reads the board and the word as they are now.
    std::vector<uint32_t> keys;
    ReadWordKeys(FWord, keys);
    const int start = Y * ColCount() + X;
    const int stride = step.RowStep * ColCount() + step.ColumnStep;
    for (size_t i = 0; i < keys.size(); ++i) {
        const TCellProbe probe = ProbeAt(start + int(i) * stride);
        if (probe.Key != 0 && probe.Key != keys[i])
            return false;
        Score += probe.UseCount;
    }
    return true;
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
