#pragma once

// A point or cell position: column X, row Y.
struct TPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const TPoint& other) const { return X == other.X && Y == other.Y; }
    bool operator!=(const TPoint& other) const { return !(*this == other); }
};
