#pragma once

#include "platform/Object.h"

#include <QString>
#include <QStringList>
#include <cstdint>

// How a sorted string list treats an entry equal to one it holds: ignore
// it (the equal entry's index is returned) or accept it as a second entry.
enum TDuplicates : uint8_t { dupIgnore, dupAccept };

// The class library's comparisons, fixed so that they do not depend on the
// desktop's locale. AnsiCompareText ignores letter case. AnsiCompareStr
// orders letters as a locale does: by letter first, and on a tie a
// lower-case letter before its upper-case one ("a" < "A" < "b").
int AnsiCompareText(const QString& A, const QString& B);
int AnsiCompareStr(const QString& A, const QString& B);

// The class library's string list: an ordered list of texts, unsorted after
// construction. Look-ups and the sort order ignore letter case unless
// CaseSensitive is set. A sorted list keeps every entry in sort order and
// finds by binary search; duplicates matter only while sorted. An index
// outside 0..Count-1 raises EListError.
class TStringList : public TPersistent {
public:
    TStringList() = default;
    explicit TStringList(const QStringList& Lines);

    int Count() const { return int(FItems.size()); }
    const QString& Strings(int Index) const;
    const QString& operator[](int Index) const { return Strings(Index); }
    // The entries as Qt's list, in list order.
    QStringList Lines() const { return FItems; }

    // Appends (unsorted) or inserts at the sort position; returns the index.
    virtual int Add(const QString& S);
    // Adds every line through Add.
    void AddStrings(const QStringList& Lines);
    void Delete(int Index);
    virtual void Clear();
    void Exchange(int Index1, int Index2);

    // The first entry equal to S (by the list's comparison), or -1.
    virtual int IndexOf(const QString& S) const;
    // Sorted lists only: true when S is held; Index is its position, or the
    // position where S would be inserted.
    bool Find(const QString& S, int& Index) const;
    void Sort();

    bool Sorted() const { return FSorted; }
    void SetSorted(bool Value);
    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool Value);

    // Copies the entries of another string list; anything else raises.
    void Assign(TPersistent* Source) override;

protected:
    int CompareStrings(const QString& A, const QString& B) const;
    // Sorted lists only: merges entries that are in sort order, distinct,
    // and none of them held, in one pass.
    void MergeSorted(const QStringList& Entries);

private:
    void CheckIndex(int Index) const;

    QStringList FItems;
    bool FSorted = false;
    TDuplicates FDuplicates = dupIgnore;
    bool FCaseSensitive = false;
};
