#pragma once
// Cell walking shared by the files of the word game unit.

#include "engine/grid/GameGridUn.h"
#include "engine/wordgame/WordDirectionUn.h"
#include "platform/Point.h"

#include <QString>

namespace WordGameCells {

inline bool HasState(uint32_t Value, uint32_t Mask) {
    return TBoardGame::HasFlags(Value, Mask);
}

// A word has at least three letters and no more than the grid has columns.
inline bool FitsColumns(const QString& Word, int Columns) {
    return Word.length() >= 3 && Word.length() <= Columns;
}

inline QString LetterAt(const QString& Word, int Index) {
    return QString(Word.at(Index));
}

// The cell of the last of Length letters from (X, Y) by Direction.
inline TPoint LastCell(int X, int Y, TWordDirectionType Direction, qsizetype Length) {
    const TDirectionOffset step = GetDirectionOffset(Direction);
    const int steps = int(Length) - 1;
    return {X + steps * step.ColumnStep, Y + steps * step.RowStep};
}

// Visits the cell of each of Length letters, letter k at (X, Y) plus k steps.
template <typename Visit>
void ForEachStepCell(int X, int Y, int ColumnStep, int RowStep, qsizetype Length, Visit visit) {
    int column = X;
    int row = Y;
    for (int k = 0; k < Length; ++k) {
        visit(k, column, row);
        StepCell(column, row, ColumnStep, RowStep);
    }
}

template <typename Visit>
void ForEachLetterCell(int X, int Y, TWordDirectionType Direction, qsizetype Length, Visit visit) {
    const TDirectionOffset step = GetDirectionOffset(Direction);
    ForEachStepCell(X, Y, step.ColumnStep, step.RowStep, Length, visit);
}

} // namespace WordGameCells
