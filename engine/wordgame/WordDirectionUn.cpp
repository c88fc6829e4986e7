#include "engine/wordgame/WordDirectionUn.h"

TDirectionOffset GetDirectionOffset(TWordDirectionType Direction) {
    switch (Direction) {
    case wdTopLeft:
        return {-1, -1};
    case wdTop:
        return {0, -1};
    case wdTopRight:
        return {1, -1};
    case wdRight:
        return {1, 0};
    case wdBottomRight:
        return {1, 1};
    case wdBottom:
        return {0, 1};
    case wdBottomLeft:
        return {-1, 1};
    case wdLeft:
        return {-1, 0};
    }
    return {0, 0};
}

void StepCell(int& Column, int& Row, int ColumnStep, int RowStep) {
    Column += ColumnStep;
    Row += RowStep;
}
