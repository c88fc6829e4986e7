#pragma once

// The word directions and their cell steps: what the word game and the
// placer share.

#include <cstdint>

// The eight directions in which a word runs from its first letter. Columns
// grow to the right, rows downwards. Loops over all directions run from
// wdTopLeft to wdLeft, and "first" or "last" direction means in this order.
enum TWordDirectionType : uint8_t {
    wdTopLeft,
    wdTop,
    wdTopRight,
    wdRight,
    wdBottomRight,
    wdBottom,
    wdBottomLeft,
    wdLeft
};

constexpr int WordDirectionCount = 8;
// A set of directions: bit d stands for direction d.
constexpr uint8_t AllWordDirections = 255;

struct TDirectionOffset {
    int ColumnStep;
    int RowStep;
};

// The cell step of a direction; any value outside the eight gives (0, 0).
TDirectionOffset GetDirectionOffset(TWordDirectionType Direction);
void StepCell(int& Column, int& Row, int ColumnStep, int RowStep);
