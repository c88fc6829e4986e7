// The word game: finding words in the grid, highlighting them and showing duplicates.
#include "engine/wordgame/CustomWordGameUn.h"

#include "engine/genlib/PointListUn.h"
#include "engine/wordgame/CustomWordGameCells.h"

using namespace WordGameCells;

// ---------------------------------------------------------------------------
// Finding, highlighting and duplicates

void TCustomWordGame::HideAllWords(bool FireEvent, bool Recolour) {
    for (int column = 0; column < ColCount(); ++column)
        for (int row = 0; row < RowCount(); ++row) {
            const uint32_t state = GetCellState(column, row);
            if (HasState(state, wgcsHighlighted)) {
                const uint32_t plain = state - wgcsHighlighted;
                BoardGame()->SetCellState(column, row, plain);
                const TCellColours colours = GetStateColours(plain);
                SetCellColours(column, row, colours.Background, colours.Foreground);
                if (plain == wgcsBlank)
                    SetCellText(column, row, QString());
            } else if (Recolour) {
                const TCellColours colours = GetCellColours(column, row);
                SetCellColours(column, row, colours.Background, colours.Foreground);
            }
        }
    if (FireEvent && OnHideAllWords)
        OnHideAllWords(this);
}

void TCustomWordGame::PaintWordState(int Index, uint32_t State) {
    const TWordRec rec = FWordList->GetWordRec(Index);
    const TDirectionOffset step = GetDirectionOffset(rec.Direction);
    const TCellColours colours = GetStateColours(State);
    PaintWordCells(rec.X, rec.Y, step.ColumnStep, step.RowStep, State, State == wgcsHighlighted,
                   false, rec.Word, colours.Foreground, colours.Background);
}

void TCustomWordGame::ShowWord(int Index) {
    PaintWordState(Index, wgcsWord);
}

void TCustomWordGame::ShowAllWords() {
    for (int i = 0; i < FWordList->Count(); ++i)
        PaintWordState(i, wgcsWord);
    Repaint();
}

void TCustomWordGame::HighlightAllWords() {
    for (int i = 0; i < FWordList->Count(); ++i)
        PaintWordState(i, wgcsHighlighted);
}

void TCustomWordGame::HighlightWord(int Index) {
    PaintWordState(Index, wgcsHighlighted);
    if (OnHighlightWord)
        OnHighlightWord(this, GetWordText(Index));
}

void TCustomWordGame::PaintWordColours(int Index, TColor TextColour, TColor Colour) {
    const TWordRec rec = FWordList->GetWordRec(Index);
    const TDirectionOffset step = GetDirectionOffset(rec.Direction);
    PaintWordCells(rec.X, rec.Y, step.ColumnStep, step.RowStep, wgcsWord, false, false, rec.Word,
                   TextColour, Colour);
}

int TCustomWordGame::HighlightedCellCount() const {
    int count = 0;
    for (int row = 0; row < RowCount(); ++row)
        for (int column = 0; column < ColCount(); ++column)
            if (CellHasState(column, row, wgcsHighlighted))
                ++count;
    return count;
}

// Whether Word spells out from (X, Y) by Direction with every cell inside the
// grid; with Wildcard a "#" stands for any cell. An empty word spells nothing.
bool TCustomWordGame::RunMatches(int X, int Y, TWordDirectionType Direction, const QString& Word,
                                 bool Wildcard) const {
    bool matches = !Word.isEmpty();
    ForEachLetterCell(X, Y, Direction, Word.length(), [&](int k, int column, int row) {
        if (!matches)
            return;
        const QString letter = LetterAt(Word, k);
        const bool any = Wildcard && letter == QLatin1String("#");
        matches =
            BoardGame()->IsValidCell(column, row) && (any || GetCellText(column, row) == letter);
    });
    return matches;
}

int TCustomWordGame::FindWordInGrid(const QString& Word, int& X, int& Y,
                                    TWordDirectionType& Direction) {
    int count = 0;
    for (int row = 0; row < RowCount(); ++row)
        for (int column = 0; column < ColCount(); ++column) {
            TWordDirectionType found = wdTopLeft;
            if (MatchWordAt(column, row, Word, found)) {
                ++count;
                X = column;
                Y = row;
                Direction = found;
            }
        }
    return count;
}

bool TCustomWordGame::MatchWordAt(int X, int Y, const QString& Word,
                                  TWordDirectionType& Direction) {
    Direction = wdTopLeft;
    const int directions = Word.length() == 1 ? 1 : WordDirectionCount;
    const TCellColours colours = RoleColours(crHighlighted);
    bool matched = false;
    for (int d = 0; d < directions; ++d) {
        const auto direction = TWordDirectionType(d);
        if (!RunMatches(X, Y, direction, Word, true))
            continue;
        const TDirectionOffset step = GetDirectionOffset(direction);
        PaintWordCells(X, Y, step.ColumnStep, step.RowStep, wgcsHighlighted, true, false, Word,
                       colours.Foreground, colours.Background);
        Direction = direction;
        matched = true;
    }
    return matched;
}

int TCustomWordGame::PlaceWordFromGrid(const QString& Word) {
    HideAllWords(false, false);
    int x = 0;
    int y = 0;
    TWordDirectionType direction = wdTopLeft;
    if (FindWordInGrid(Word, x, y, direction) > 0)
        return PlaceWord(x, y, direction, Word, false);
    return -1;
}

// Paints the cells from (X1, Y1) to (X2, Y2), both included, each step
// moving every coordinate one cell toward the end.
void TCustomWordGame::PaintCellRun(int X1, int Y1, int X2, int Y2, const TCellColours& Colours) {
    const auto toward = [](int from, int to) { return from < to ? 1 : (from > to ? -1 : 0); };
    int column = X1;
    int row = Y1;
    while (true) {
        if (BoardGame()->IsValidCell(column, row))
            SetCellColours(column, row, Colours.Background, Colours.Foreground);
        if (column == X2 && row == Y2)
            break;
        StepCell(column, row, toward(column, X2), toward(row, Y2));
    }
}

int TCustomWordGame::ShowDuplicateWords() {
    HideAllWords(true, false);
    const TCellColours duplicate = RoleColours(crDuplicateWord);
    int result = 0;
    for (int i = 0; i < FWordList->Count(); ++i) {
        TPointList starts;
        TPointList ends;
        if (CountWordOccurrences(GetWordText(i), starts, ends) <= 1)
            continue;
        ++result;
        for (int k = 0; k < starts.Count(); ++k) {
            const TPoint first = starts.GetPoint(k);
            const TPoint last = ends.GetPoint(k);
            PaintCellRun(first.X, first.Y, last.X, last.Y, duplicate);
        }
        HighlightWord(i);
    }
    return result;
}

int TCustomWordGame::CountWordOccurrences(const QString& Word, TPointList& Starts,
                                          TPointList& Ends) const {
    Starts = TPointList();
    Ends = TPointList();
    int count = 0;
    for (int column = 0; column < ColCount(); ++column)
        for (int row = 0; row < RowCount(); ++row) {
            if (GetCellText(column, row).isEmpty())
                continue;
            for (int d = 0; d < WordDirectionCount; ++d) {
                const auto direction = TWordDirectionType(d);
                if (!RunMatches(column, row, direction, Word, false))
                    continue;
                ++count;
                Starts.AddPoint(column, row);
                Ends.Add(LastCell(column, row, direction, Word.length()));
            }
        }
    return count;
}

bool TCustomWordGame::WordPassesCell(const TWordRec& Rec, int X, int Y) const {
    bool passes = false;
    ForEachLetterCell(Rec.X, Rec.Y, Rec.Direction, Rec.Word.length(),
                      [&](int, int column, int row) { passes |= column == X && row == Y; });
    return passes;
}

int TCustomWordGame::CollectWordsAtCell(int X, int Y) {
    FWordMatches.clear();
    for (int i = 0; i < FWordList->Count(); ++i) {
        const TWordRec rec = FWordList->GetWordRec(i);
        if (WordPassesCell(rec, X, Y))
            FWordMatches.append(rec.Word);
    }
    return FWordMatches.count();
}

void TCustomWordGame::PaintTypedWord(int X, int Y, TWordDirectionType Direction,
                                     const QString& Word, bool Dummy, bool Draw,
                                     bool NewWordColours) {
    // The board may have changed since the last placement: a dummy preview is
    // erased to the cells as they were when it was drawn.
    if (Dummy && Draw)
        SaveBoardSnapshot();
    bool inside = true;
    ForEachLetterCell(X, Y, Direction, Word.length(), [&](int k, int column, int row) {
        inside = inside && BoardGame()->IsValidCell(column, row);
        if (inside)
            PaintTypedCell(column, row, LetterAt(Word, k), Dummy, Draw, NewWordColours);
    });
}

void TCustomWordGame::PaintTypedCell(int X, int Y, const QString& Letter, bool Dummy, bool Draw,
                                     bool NewWordColours) {
    TGameCellRecord cell = GetCell(X, Y);
    const bool wordCell = HasState(cell.State, wgcsWord);
    TCellColours colours;
    if (Dummy && wordCell)
        return;
    if (Dummy && Draw) {
        cell.Text = Letter;
        cell.State = wgcsDummy;
        colours = RoleColours(crDummyWord);
    } else if (Dummy) {
        cell.State = FSnapshot->GetCellState(X, Y);
        if (HasState(cell.State, wgcsWord))
            cell.State = wgcsDummy;
        cell.Text = FSnapshot->GetCellText(X, Y);
        colours = GetStateColours(cell.State);
    } else if (Draw) {
        if (!cell.Text.isEmpty() && cell.Text != Letter && wordCell) {
            colours = RoleColours(crOverlappedLetter);
        } else if (NewWordColours) {
            colours = RoleColours(crNewWord);
        } else {
            colours = RoleColours(crHighlighted);
            cell.State |= wgcsHighlighted;
        }
        cell.Text = Letter;
    } else {
        if (cell.State == wgcsBlank && FSolution->GetCellState(X, Y) == wgcsBlank)
            FSolution->SetCellText(X, Y, QString());
        // A cell cleared on the shown board alone keeps its old letter in the
        // solution board; a blank cell takes no letter back.
        const uint32_t plain = cell.State & ~wgcsHighlighted;
        cell.Text = plain == wgcsBlank ? QString() : FSolution->GetCellText(X, Y);
        colours = GetStateColours(plain);
    }
    cell.TextColour = colours.Foreground;
    cell.Colour = colours.Background;
    WriteCell(X, Y, cell);
    RedrawCell(X, Y);
}
