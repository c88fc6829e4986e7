#pragma once

#include "platform/StringList.h"

#include <QString>

// Candidate texts (its own entries: unsorted, in the order given,
// duplicates kept) and the ones that contain a typed text.
class TStringMatch : public TStringList {
public:
    // From Index on, the first entry that contains Text, case-sensitively.
    // True with Index at that entry; else false with Index at Count. An
    // empty Text is contained in nothing.
    bool FindNextMatch(int& Index, const QString& Text) const;
    // Fills MatchList with every entry containing Text, in entry order;
    // returns how many.
    int Match(const QString& Text);
    // The matches of the last Match.
    const TStringList& MatchList() const { return FMatchList; }

private:
    TStringList FMatchList;
};
