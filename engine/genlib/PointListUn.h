#pragma once

#include "platform/Object.h"
#include "platform/Point.h"

#include <vector>

// An ordered list of points, each held as its own copy; duplicates allowed.
// An index outside 0..Count-1 raises EListError.
class TPointList : public TObject {
public:
    int Add(const TPoint& Point);
    int AddPoint(int X, int Y) { return Add(TPoint{X, Y}); }
    TPoint GetPoint(int Index) const;
    int Count() const { return int(FItems.size()); }

private:
    std::vector<TPoint> FItems;
};
