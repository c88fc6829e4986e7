#pragma once

#include "platform/Object.h"

#include <vector>

// An ordered list of 32-bit integers; duplicates allowed. An index outside
// 0..Count-1 raises EListError.
class TIntegerList : public TObject {
public:
    int Add(int Value);
    int GetItem(int Index) const;
    void SetItem(int Index, int Value);
    // The first index holding Value, or -1.
    int IndexOf(int Value) const;
    int Count() const { return int(FItems.size()); }
    void Delete(int Index);
    void Clear() { FItems.clear(); }

private:
    void CheckIndex(int Index) const;
    std::vector<int> FItems;
};
