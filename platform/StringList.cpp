#include "platform/StringList.h"

#include "platform/Exception.h"

#include <algorithm>
#include <iterator>

int AnsiCompareText(const QString& A, const QString& B) {
    return QString::compare(A, B, Qt::CaseInsensitive);
}

int AnsiCompareStr(const QString& A, const QString& B) {
    const int byLetter = AnsiCompareText(A, B);
    if (byLetter != 0)
        return byLetter;
    // Code points put upper case first; a locale puts lower case first.
    return -QString::compare(A, B, Qt::CaseSensitive);
}

TStringList::TStringList(const QStringList& Lines) : FItems(Lines) {}

void TStringList::CheckIndex(int Index) const {
    if (Index < 0 || Index >= Count())
        throw EListError(Index);
}

const QString& TStringList::Strings(int Index) const {
    CheckIndex(Index);
    return FItems[Index];
}

int TStringList::Add(const QString& S) {
    if (!FSorted) {
        FItems.append(S);
        return Count() - 1;
    }
    int index;
    if (Find(S, index) && FDuplicates == dupIgnore)
        return index;
    FItems.insert(index, S);
    return index;
}

void TStringList::AddStrings(const QStringList& Lines) {
    for (const QString& line : Lines)
        Add(line);
}

void TStringList::Delete(int Index) {
    CheckIndex(Index);
    FItems.removeAt(Index);
}

void TStringList::Clear() {
    FItems.clear();
}

void TStringList::Exchange(int Index1, int Index2) {
    CheckIndex(Index1);
    CheckIndex(Index2);
    FItems.swapItemsAt(Index1, Index2);
}

int TStringList::IndexOf(const QString& S) const {
    if (FSorted) {
        int index;
        return Find(S, index) ? index : -1;
    }
    for (int i = 0; i < Count(); ++i)
        if (CompareStrings(FItems[i], S) == 0)
            return i;
    return -1;
}

bool TStringList::Find(const QString& S, int& Index) const {
    // The first position whose entry does not compare below S.
    const auto first = std::lower_bound(
        FItems.begin(), FItems.end(), S,
        [this](const QString& item, const QString& key) { return CompareStrings(item, key) < 0; });
    Index = int(first - FItems.begin());
    return first != FItems.end() && CompareStrings(*first, S) == 0;
}

void TStringList::Sort() {
    std::stable_sort(FItems.begin(), FItems.end(), [this](const QString& a, const QString& b) {
        return CompareStrings(a, b) < 0;
    });
}

void TStringList::SetSorted(bool Value) {
    if (Value && !FSorted)
        Sort();
    FSorted = Value;
}

void TStringList::SetCaseSensitive(bool Value) {
    FCaseSensitive = Value;
    if (FSorted)
        Sort();
}

int TStringList::CompareStrings(const QString& A, const QString& B) const {
    return FCaseSensitive ? AnsiCompareStr(A, B) : AnsiCompareText(A, B);
}

void TStringList::MergeSorted(const QStringList& Entries) {
    QStringList merged;
    merged.reserve(FItems.size() + Entries.size());
    std::merge(FItems.begin(), FItems.end(), Entries.begin(), Entries.end(),
               std::back_inserter(merged),
               [this](const QString& a, const QString& b) { return CompareStrings(a, b) < 0; });
    FItems = std::move(merged);
}

void TStringList::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TStringList*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    const QStringList lines = source->FItems; // Source may be this list
    Clear();
    AddStrings(lines);
}
