// The word game: placing, changing and deleting words, with their checks.
#include "engine/wordgame/CustomWordGameUn.h"

#include "engine/genlib/GenLibUn.h"
#include "engine/wordgame/CustomWordGameCells.h"
#include "engine/wordgame/FitInUn.h"
#include "platform/Exception.h"
#include "platform/Format.h"

#include <algorithm>

using namespace WordGameCells;

// ---------------------------------------------------------------------------
// Placement and checks

bool TCustomWordGame::IsValidWordLength(const QString& Word) const {
    return FitsColumns(Word, ColCount());
}

int TCustomWordGame::CheckWordPlacement(int X, int Y, TWordDirectionType Direction,
                                        const QString& Word) const {
    return PlacementCode(*BoardGame(), *FSnapshot, FWordList->IndexOf(Word) >= 0, X, Y, Direction,
                         Word);
}

int TCustomWordGame::PlacementCode(const TBoardGame& Board, const TBoardGame& Snapshot, bool Listed,
                                   int X, int Y, TWordDirectionType Direction,
                                   const QString& Word) {
    if (!FitsColumns(Word, Board.ColCount()))
        return wpcBadLength;
    if (Listed)
        return wpcAlreadyListed;
    int code = wpcAcceptable;
    ForEachLetterCell(X, Y, Direction, Word.length(), [&](int k, int column, int row) {
        if (code != wpcAcceptable)
            return;
        if (!Board.IsValidCell(column, row))
            code = wpcOutOfRange;
        else if (Snapshot.GetCellUseCount(column, row) > 0 &&
                 Snapshot.GetCellText(column, row) != LetterAt(Word, k) &&
                 Board.CellHasState(column, row, wgcsWord))
            code = wpcBadOverlap;
    });
    return code;
}

void TCustomWordGame::RaisePlacementError(int Code, bool Dummy) const {
    if (FCheckWords && !Dummy)
        RaisePlacementCode(Code);
}

void TCustomWordGame::RaisePlacementCode(int Code) {
    switch (Code) {
    case wpcBadOverlap:
        throw Exception("Word has overlapped incorrectly with at least one other word");
    case wpcOutOfRange:
        throw Exception("Part of the word is out of range of the game grid");
    case wpcBadLength:
        throw Exception("Length of the word is incorrect");
    case wpcAlreadyListed:
        throw Exception("Word already exists in the game");
    }
}

void TCustomWordGame::ValidateWordPosition(int X, int Y, TWordDirectionType Direction,
                                           const QString& Word) const {
    ValidatePosition(X, Y, Direction, Word, -1);
}

// The cell lies on word Index and no other word uses it, so taking the word
// off would leave it empty.
bool TCustomWordGame::IsOnlyCellOfWord(int Index, int X, int Y) const {
    if (Index < 0 || GetCellUseCount(X, Y) != 1)
        return false;
    return WordPassesCell(FWordList->GetWordRec(Index), X, Y);
}

void TCustomWordGame::ValidatePosition(int X, int Y, TWordDirectionType Direction,
                                       const QString& Word, int IgnoredIndex) const {
    const QString fault = PositionFault(*BoardGame(), X, Y, Direction, Word, [&](int Col, int Row) {
        return IsOnlyCellOfWord(IgnoredIndex, Col, Row);
    });
    if (!fault.isEmpty())
        throw Exception(fault);
}

QString TCustomWordGame::PositionFault(const TBoardGame& Board, int X, int Y,
                                       TWordDirectionType Direction, const QString& Word,
                                       const std::function<bool(int, int)>& Replaceable) {
    const TDirectionOffset step = GetDirectionOffset(Direction);
    if (step.ColumnStep == 0 && step.RowStep == 0)
        return "No direction found";
    const TPoint last = LastCell(X, Y, Direction, Word.length());
    if (!Board.IsValidCell(X, Y) || !Board.IsValidCell(last.X, last.Y))
        return Format("Word \"%s\" will not fit in grid", Word);
    QString fault;
    ForEachLetterCell(X, Y, Direction, Word.length(), [&](int k, int column, int row) {
        const QString text = Board.GetCellText(column, row);
        if (!fault.isEmpty() || text.isEmpty() || text == LetterAt(Word, k) ||
            (Replaceable && Replaceable(column, row)))
            return;
        fault = Format("Invalid word overlap at x:%d, y:%d", column, row);
    });
    return fault;
}

int TCustomWordGame::PlaceWord(int X, int Y, TWordDirectionType Direction, const QString& Word,
                               bool Dummy) {
    int result = -1;
    SaveBoardSnapshot();
    RaisePlacementError(CheckWordPlacement(X, Y, Direction, Word), Dummy);
    FLastDirection = Direction;
    const TCellColours colours = GetStateColours(Dummy ? wgcsDummy : wgcsWord);
    try {
        PaintPlacedWord(X, Y, Direction, Word, Dummy, colours.Foreground, colours.Background);
        if (!Dummy && !IsContainedWord(Word, X, Y, Direction))
            result = AddWordToList(Word, X, Y, Direction);
    } catch (const Exception& error) {
        ErrorMessage(error.Message());
        RecolourAllCells();
    }
    SaveBoardSnapshot();
    SetModified();
    return result;
}

bool TPlacementTrial::Place(int X, int Y, TWordDirectionType Direction, const QString& Word) {
    TCustomWordGame::RaisePlacementCode(TCustomWordGame::PlacementCode(
        FBoard, FBoard, FListed.contains(Word), X, Y, Direction, Word));
    if (!TCustomWordGame::PositionFault(FBoard, X, Y, Direction, Word, nullptr).isEmpty())
        return false;
    ForEachLetterCell(X, Y, Direction, Word.length(), [&](int k, int column, int row) {
        TGameCellRecord cell = FBoard.ReadCell(column, row);
        const QString letter = LetterAt(Word, k);
        if (letter != QLatin1String("#"))
            cell.Text = letter;
        cell.State = wgcsWord;
        ++cell.UseCount;
        FBoard.WriteCell(column, row, cell);
    });
    FListed.insert(UpperCaseWord(Word));
    return true;
}

void TCustomWordGame::PaintPlacedWord(int X, int Y, TWordDirectionType Direction,
                                      const QString& Word, bool Dummy, TColor Foreground,
                                      TColor Background) {
    const TDirectionOffset step = GetDirectionOffset(Direction);
    if (!Dummy) {
        ValidateWordPosition(X, Y, Direction, Word);
        PaintWordCells(X, Y, step.ColumnStep, step.RowStep, wgcsWord, false, true, Word, Foreground,
                       Background);
        FSolution->AddWordLetters(X, Y, Direction, Word, wgcsWord);
        return;
    }
    PaintWordCells(X, Y, step.ColumnStep, step.RowStep, wgcsDummy, false, false, Word, Foreground,
                   Background);
    WriteDummyLetters(X, Y, Word, step.ColumnStep, step.RowStep);
    ShowAllWords();
    Repaint();
}

void TCustomWordGame::PaintWordCells(int X, int Y, int ColumnStep, int RowStep, uint32_t State,
                                     bool MergeState, bool IncrementUse, const QString& Word,
                                     TColor Foreground, TColor Background) {
    // The word's cells share one painter.
    RedrawingCells([&] {
        ForEachStepCell(X, Y, ColumnStep, RowStep, Word.length(), [&](int k, int column, int row) {
            // A dummy word is not validated: only its cells inside the grid show.
            if (!BoardGame()->IsValidCell(column, row))
                return;
            const TGameCellRecord present = GetCell(column, row);
            uint32_t state = State;
            if (state == wgcsDummy && HasState(present.State, wgcsWord))
                state = wgcsWord;
            if (MergeState)
                state |= present.State;
            const bool counts = IncrementUse && state == wgcsWord && State == wgcsWord;
            const QString letter = LetterAt(Word, k);
            const QString text = letter == QLatin1String("#") ? present.Text : letter;
            WriteCell(column, row,
                      LetterRecord(text, {Foreground, Background}, state,
                                   present.UseCount + (counts ? 1 : 0)));
            RedrawCell(column, row);
        });
    });
}

void TCustomWordGame::WriteDummyLetters(int X, int Y, const QString& Word, int ColumnStep,
                                        int RowStep) {
    const TCellColours colours = RoleColours(crDummyWord);
    ForEachStepCell(X, Y, ColumnStep, RowStep, Word.length(), [&](int k, int column, int row) {
        if (BoardGame()->IsValidCell(column, row) && !CellHasState(column, row, wgcsWord))
            FSolution->WriteCell(column, row,
                                 LetterRecord(LetterAt(Word, k), colours, wgcsDummy, 0));
    });
}

bool TCustomWordGame::IsContainedWord(const QString& Word, int X, int Y,
                                      TWordDirectionType Direction) const {
    if (Word.length() < 2)
        return false;
    const TPoint last = LastCell(X, Y, Direction, Word.length());
    for (const int i : FWordList->WordsStartingAt(X, Y)) {
        const TWordRec rec = FWordList->GetWordRec(i);
        if (rec.Word.contains(Word, Qt::CaseSensitive) &&
            LastCell(rec.X, rec.Y, rec.Direction, rec.Word.length()) == last)
            return true;
    }
    return false;
}

int TCustomWordGame::AddWordToList(const QString& Word, int X, int Y,
                                   TWordDirectionType Direction) {
    const int index = FWordList->Add(Word, X, Y, Direction);
    SetModified();
    if (OnWordAdded)
        OnWordAdded(this, Word);
    return index;
}

bool TCustomWordGame::FitWord(uint8_t Directions, const QString& Word, int& X, int& Y,
                              TWordDirectionType& Direction) {
    FPlacer->SetColCount(ColCount());
    FPlacer->SetRowCount(RowCount());
    FPlacer->Assign(BoardGame());
    FPlacer->SetDirections(Directions);
    FPlacer->SetWord(Word);
    return FPlacer->Fit(X, Y, Direction);
}

// The codes 3 and 4 for a changed word: its own entry is no duplicate.
int TCustomWordGame::CheckChangedWord(int Index, const QString& Word) const {
    if (!IsValidWordLength(Word))
        return wpcBadLength;
    for (int i = 0; i < FWordList->Count(); ++i)
        if (i != Index && FWordList->GetWordRec(i).Word == Word)
            return wpcAlreadyListed;
    return wpcAcceptable;
}

void TCustomWordGame::ChangeWord(int Index, int X, int Y, TWordDirectionType Direction,
                                 const QString& Word, bool Dummy) {
    TWordRec rec = FWordList->GetWordRec(Index);
    RaisePlacementError(CheckChangedWord(Index, Word), Dummy);
    ValidatePosition(X, Y, Direction, Word, Index);
    FLastDirection = Direction;
    RemoveWordLetters(Index);
    const QString old = rec.Word;
    rec.Word = Word;
    rec.X = X;
    rec.Y = Y;
    rec.Direction = Direction;
    FWordList->SetWordRec(Index, rec);
    const TCellColours colours = GetStateColours(wgcsWord);
    PaintPlacedWord(X, Y, Direction, Word, Dummy, colours.Foreground, colours.Background);
    SetModified();
    if (OnWordChanged)
        OnWordChanged(this, old, Word);
}

// ---------------------------------------------------------------------------
// Deletion

void TCustomWordGame::RemoveWordLetters(int Index) {
    const TWordRec rec = FWordList->GetWordRec(Index);
    {
        const TGridUpdate update(*this);
        ForEachLetterCell(
            rec.X, rec.Y, rec.Direction, rec.Word.length(), [&](int, int column, int row) {
                if (!BoardGame()->IsValidCell(column, row))
                    return;
                const int uses = GetCellUseCount(column, row);
                if (uses == 1) {
                    SetCellText(column, row, QString());
                    FSolution->SetCellText(column, row, QString());
                    SetCellState(column, row, wgcsBlank);
                }
                const TCellColours colours = GetCellColours(column, row);
                SetCellColours(column, row, colours.Background, colours.Foreground);
                // A word changed into a dummy word left its counts at 0.
                SetCellUseCount(column, row, std::max(uses - 1, 0));
                const int solutionUses = FSolution->GetCellUseCount(column, row);
                FSolution->SetCellUseCount(column, row, std::max(solutionUses - 1, 0));
            });
    }
    SetModified();
}

void TCustomWordGame::RemoveWordAt(int Index) {
    const TWordRec rec = FWordList->GetWordRec(Index);
    RemoveWordLetters(Index);
    FWordList->Delete(Index);
    SetModified();
    if (OnWordDeleted)
        OnWordDeleted(this, rec.Word);
}

void TCustomWordGame::DeleteWord(int Index) {
    RemoveWordAt(Index);
    HideAllWords(false, false);
}

void TCustomWordGame::DeleteWordByText(const QString& Word) {
    const int index = IndexOfWord(Word);
    if (index >= 0)
        DeleteWord(index);
}
