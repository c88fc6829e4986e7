// The word game: editing single cells and the selection.
#include "engine/wordgame/CustomWordGameUn.h"

#include "engine/genlib/GenLibUn.h"
#include "engine/wordgame/CustomWordGameCells.h"
#include "platform/Format.h"

#include <vector>

using namespace WordGameCells;

// ---------------------------------------------------------------------------
// Cell editing

int TCustomWordGame::AddWordFromCells(int X, int Y, uint32_t State) {
    if (!BoardGame()->IsValidCell(X, Y) || !CellHasState(X, Y, State))
        return -1;
    for (int d = 0; d < WordDirectionCount; ++d) {
        const auto direction = TWordDirectionType(d);
        const TDirectionOffset step = GetDirectionOffset(direction);
        int column = X + step.ColumnStep;
        int row = Y + step.RowStep;
        if (!BoardGame()->IsValidCell(column, row) || !CellHasState(column, row, State))
            continue;
        QString word;
        column = X;
        row = Y;
        while (BoardGame()->IsValidCell(column, row) && CellHasState(column, row, State)) {
            word += GetCellText(column, row);
            StepCell(column, row, step.ColumnStep, step.RowStep);
        }
        // A "#" in a word stands for any cell, so a cell showing one makes no
        // word that the game's own files could give back.
        return word.length() >= 2 && !word.contains('#') ? PlaceWord(X, Y, direction, word, false)
                                                         : -1;
    }
    return -1;
}

bool TCustomWordGame::ConfirmDeleteWord(const QString& Text) const {
    return ConfirmMessage(Format("Delete \"%s\"?", Text));
}

bool TCustomWordGame::DeleteWordsAtCell(int X, int Y) {
    CollectWordsAtCell(X, Y);
    // Handlers of the events below may query the cell again.
    const QStringList matches = FWordMatches;
    bool declined = false;
    for (int k = 0; !declined && k < matches.count(); ++k) {
        const int index = IndexOfWord(matches.at(k));
        if (index < 0)
            continue;
        HighlightWord(index);
        if (ConfirmDeleteWord(matches.at(k)))
            DeleteWord(index);
        else
            declined = true;
    }
    return declined;
}

void TCustomWordGame::DeleteAtCell(int X, int Y, bool& Declined) {
    if (!BoardGame()->IsValidCell(X, Y))
        return;
    if (CellHasState(X, Y, wgcsWord)) {
        Declined = DeleteWordsAtCell(X, Y);
        return;
    }
    ClearCell(X, Y);
    RedrawCell(X, Y);
}

void TCustomWordGame::ClearCell(int X, int Y) {
    if (!BoardGame()->IsValidCell(X, Y))
        return;
    WriteCell(X, Y, LetterRecord(QString(), RoleColours(crBlankSpace), wgcsBlank, 0));
    SetModified();
}

bool TCustomWordGame::DeleteHighlightedCells() {
    // Deleting a word takes every highlight off, so the selection is taken
    // as it stands when the operation starts.
    std::vector<TPoint> selection;
    for (int row = 0; row < RowCount(); ++row)
        for (int column = 0; column < ColCount(); ++column)
            if (CellHasState(column, row, wgcsHighlighted))
                selection.push_back({column, row});
    bool declined = false;
    for (const TPoint& cell : selection) {
        DeleteAtCell(cell.X, cell.Y, declined);
        if (declined)
            break;
    }
    return declined;
}

bool TCustomWordGame::MakeDummy(int X, int Y) {
    if (HighlightedCellCount() > 0)
        return MakeHighlightedCellsDummy();
    bool declined = false;
    MakeCellDummy(X, Y, declined);
    return declined;
}

void TCustomWordGame::MakeCellDummy(int X, int Y, bool& Declined) {
    Declined = false;
    if (!BoardGame()->IsValidCell(X, Y))
        return;
    if (CellHasState(X, Y, wgcsWord)) {
        if (CollectWordsAtCell(X, Y) <= 0)
            return;
        const QString letter = GetCellText(X, Y);
        Declined = DeleteWordsAtCell(X, Y);
        if (Declined)
            return;
        SetCellText(X, Y, letter);
        SetCellStateColours(X, Y, wgcsDummy);
        WriteDummyLetters(X, Y, letter, 0, 0);
    } else if (CellHasState(X, Y, wgcsFiller)) {
        MakeFillerLetterDummy(X, Y);
    }
}

void TCustomWordGame::MakeFillerLetterDummy(int X, int Y) {
    if (!BoardGame()->IsValidCell(X, Y))
        return;
    const QString letter = GetCellText(X, Y);
    WriteCell(X, Y, LetterRecord(letter, RoleColours(crDummyWord), wgcsDummy, 0));
    WriteDummyLetters(X, Y, letter, 0, 0);
    RedrawCell(X, Y);
    SetModified();
}

// After the word's removal its letters that no other word holds come back as
// dummy letters, on the shown board and in the solution board.
void TCustomWordGame::MakeWordLettersDummy(const TWordRec& Rec) {
    ForEachLetterCell(
        Rec.X, Rec.Y, Rec.Direction, Rec.Word.length(), [&](int k, int column, int row) {
            if (!BoardGame()->IsValidCell(column, row) || GetCellState(column, row) != wgcsBlank)
                return;
            SetCellText(column, row, LetterAt(Rec.Word, k));
            SetCellStateColours(column, row, wgcsDummy);
        });
    const TDirectionOffset step = GetDirectionOffset(Rec.Direction);
    WriteDummyLetters(Rec.X, Rec.Y, Rec.Word, step.ColumnStep, step.RowStep);
}

bool TCustomWordGame::MakeHighlightedCellsDummy() {
    bool declined = false;
    for (int row = 0; !declined && row < RowCount(); ++row)
        for (int column = 0; !declined && column < ColCount(); ++column) {
            if (!CellHasState(column, row, wgcsHighlighted))
                continue;
            if (!CellHasState(column, row, wgcsWord)) {
                MakeCellDummy(column, row, declined);
                continue;
            }
            CollectWordsAtCell(column, row);
            const QStringList matches = FWordMatches;
            for (int k = 0; !declined && k < matches.count(); ++k) {
                const int index = IndexOfWord(matches.at(k));
                if (index < 0)
                    continue;
                if (!ConfirmDeleteWord(matches.at(k))) {
                    declined = true;
                    continue;
                }
                const TWordRec rec = GetWordRec(index);
                RemoveWordAt(index);
                MakeWordLettersDummy(rec);
            }
        }
    return declined;
}
