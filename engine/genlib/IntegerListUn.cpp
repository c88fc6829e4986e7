#include "engine/genlib/IntegerListUn.h"

#include "platform/Exception.h"

#include <algorithm>

void TIntegerList::CheckIndex(int Index) const {
    if (Index < 0 || Index >= Count())
        throw EListError(Index);
}

int TIntegerList::Add(int Value) {
    FItems.push_back(Value);
    return Count() - 1;
}

int TIntegerList::GetItem(int Index) const {
    CheckIndex(Index);
    return FItems[size_t(Index)];
}

void TIntegerList::SetItem(int Index, int Value) {
    CheckIndex(Index);
    FItems[size_t(Index)] = Value;
}

int TIntegerList::IndexOf(int Value) const {
    const auto found = std::find(FItems.begin(), FItems.end(), Value);
    return found == FItems.end() ? -1 : int(found - FItems.begin());
}

void TIntegerList::Delete(int Index) {
    CheckIndex(Index);
    FItems.erase(FItems.begin() + Index);
}
