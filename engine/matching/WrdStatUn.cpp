#include "engine/matching/WrdStatUn.h"

#include <algorithm>
#include <numeric>
#include <vector>

// The letter's index, a new entry with count 0 when it was not met yet.
int TWordStatistics::LetterIndex(const QString& Letter) {
    for (int i = 0; i < FLetters.Count(); ++i)
        if (FLetters[i] == Letter)
            return i;
    FCounts.Add(0);
    return FLetters.Add(Letter);
}

// Letters are distinct, so any sort gives the one order; each count moves
// with its letter.
void TWordStatistics::SortLetters() {
    std::vector<int> order(size_t(FLetters.Count()));
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [this](int a, int b) { return AnsiCompareStr(FLetters[a], FLetters[b]) < 0; });
    TStringList letters;
    TIntegerList counts;
    for (const int i : order) {
        letters.Add(FLetters[i]);
        counts.Add(FCounts.GetItem(i));
    }
    FLetters = letters;
    FCounts = counts;
}

void TWordStatistics::Calculate() {
    FCalculated = false;
    FTotal = 0;
    for (int w = 0; w < FWords.Count(); ++w)
        for (const QChar c : FWords[w]) {
            const int index = LetterIndex(QString(c));
            FCounts.SetItem(index, FCounts.GetItem(index) + 1);
        }
    SortLetters();
    for (int i = 0; i < FCounts.Count(); ++i)
        FTotal += FCounts.GetItem(i);
    FCalculated = true;
}
