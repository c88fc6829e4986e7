#include "engine/matching/StringMatchUn.h"

#include <algorithm>

bool TStringMatch::FindNextMatch(int& Index, const QString& Text) const {
    if (!Text.isEmpty())
        for (Index = std::max(Index, 0); Index < Count(); ++Index)
            if (Strings(Index).contains(Text, Qt::CaseSensitive))
                return true;
    Index = Count();
    return false;
}

int TStringMatch::Match(const QString& Text) {
    FMatchList.Clear();
    for (int index = 0; FindNextMatch(index, Text); ++index)
        FMatchList.Add(Strings(index));
    return FMatchList.Count();
}
