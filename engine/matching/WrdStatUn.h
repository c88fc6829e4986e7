#pragma once

#include "engine/genlib/IntegerListUn.h"
#include "platform/StringList.h"

// How often each character occurs in a list of words. Letters holds every
// distinct character met (case kept) in locale order, Counts the count of
// the letter at the same index, Total their sum.
class TWordStatistics : public TObject {
public:
    void SetWords(const TStringList& Strings) { FWords = Strings; }
    // Counts every character of Words into the counts already held, then
    // sorts the letters; a second call adds to the first.
    void Calculate();

    const TStringList& Words() const { return FWords; }
    const TIntegerList& Counts() const { return FCounts; }
    bool Calculated() const { return FCalculated; }
    const TStringList& Letters() const { return FLetters; }
    int Total() const { return FTotal; }

private:
    int LetterIndex(const QString& Letter);
    void SortLetters();

    TStringList FWords;
    TIntegerList FCounts;
    bool FCalculated = false;
    TStringList FLetters;
    int FTotal = 0;
};
