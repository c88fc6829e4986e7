#pragma once

#include "platform/StringList.h"

#include <QString>
#include <functional>

using TWishListEvent = std::function<void(TObject* Sender, int idx, const QString& wrd)>;
using TWishListChangeWordEvent =
    std::function<void(TObject* Sender, const QString& oldwrd, const QString& newwrd)>;

// The characters a word is made of: a-z upper-cased, everything outside
// 0-9 and A-Z dropped.
QString WordCharacters(const QString& S);

// The words a designer wants to place later: sorted, duplicates ignored,
// look-ups without regard to case. Every entry goes through Add, so every
// entry is upper case, only 0-9 and A-Z, at least MinWordSize long, and not
// one of the words already in the puzzle (WordList).
class TWordWishList : public TStringList {
public:
    TWordWishList();

    // Normalises S and adds it; -1 when refused (too short or in WordList,
    // no event). A word already held yields its index, and OnWordAdded fires
    // for it all the same.
    int Add(const QString& S) override;
    // From another string list only: empties this list, then adds every
    // line that is not empty. Any other Source is ignored.
    void Assign(TPersistent* Source) override;
    // Deletes Word when held and fires OnWordRemoved; else does nothing.
    void RemoveWord(const QString& Word);

    // One entry per line, CR LF ended. Both raise EInOutError on failure.
    void SaveToTextFile(const QString& FileName) const;
    // Adds every TAB-separated piece of every line; entries added before an
    // error stay. A file holding a NUL byte is refused before anything is
    // added.
    void LoadFromTextFile(const QString& FileName);

    // S upper-cased (a-z only) with every character outside 0-9 and A-Z
    // removed; true when at least MinWordSize characters remain.
    bool NormaliseWord(QString& S) const;

    int MinWordSize() const { return FMinWordSize; }
    void SetMinWordSize(int Value) { FMinWordSize = Value; }
    // The words already in the puzzle, not owned; nullptr for none.
    const TStringList* WordList() const { return FWordList; }
    void SetWordList(const TStringList* Value) { FWordList = Value; }

    TWishListEvent OnWordAdded;
    TWishListEvent OnWordRemoved;
    // For the dialogs that edit the list; the list itself never raises it.
    TWishListChangeWordEvent OnWordChanged;

private:
    // NormaliseWord, and not one of the words in the puzzle.
    bool Acceptable(QString& Word) const;
    // Add of every text in turn, done in one pass over the list.
    void AddWords(const QStringList& Texts);
    void FireAddedInTurn(const QStringList& Accepted, const QStringList& Fresh);

    int FMinWordSize = 3;
    const TStringList* FWordList = nullptr;
};
