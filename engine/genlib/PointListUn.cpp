#include "engine/genlib/PointListUn.h"

#include "platform/Exception.h"

int TPointList::Add(const TPoint& Point) {
    FItems.push_back(Point);
    return Count() - 1;
}

TPoint TPointList::GetPoint(int Index) const {
    if (Index < 0 || Index >= Count())
        throw EListError(Index);
    return FItems[size_t(Index)];
}
