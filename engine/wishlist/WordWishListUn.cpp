#include "engine/wishlist/WordWishListUn.h"

#include "platform/Exception.h"
#include "platform/FileHandle.h"
#include "platform/Format.h"
#include "platform/TextFile.h"

#include <algorithm>
#include <cstring>
#include <vector>

TWordWishList::TWordWishList() {
    SetSorted(true);
    SetDuplicates(dupIgnore);
}

QString WordCharacters(const QString& S) {
    QString normal;
    normal.reserve(S.size());
    for (QChar c : S) {
        if (c >= 'a' && c <= 'z')
            c = QChar(c.unicode() - 'a' + 'A');
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            normal += c;
    }
    return normal;
}

bool TWordWishList::NormaliseWord(QString& S) const {
    S = WordCharacters(S);
    return S.size() >= FMinWordSize;
}

bool TWordWishList::Acceptable(QString& Word) const {
    return NormaliseWord(Word) && !(FWordList && FWordList->IndexOf(Word) >= 0);
}

int TWordWishList::Add(const QString& S) {
    QString word = S;
    if (!Acceptable(word))
        return -1;
    const int index = TStringList::Add(word);
    if (OnWordAdded)
        OnWordAdded(this, index, word);
    return index;
}

void TWordWishList::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TStringList*>(Source);
    if (!source)
        return;
    QStringList lines = source->Lines(); // Source may be this list
    lines.removeAll(QString());
    Clear();
    AddWords(lines);
}

namespace {

// Counts marked positions below a position, both in logarithmic time.
class TMarkedPositions {
public:
    explicit TMarkedPositions(int Count) : FTree(size_t(Count) + 1, 0) {}
    void Mark(int Position) {
        for (size_t i = size_t(Position) + 1; i < FTree.size(); i += i & (~i + 1))
            ++FTree[i];
    }
    int CountBelow(int Position) const {
        int count = 0;
        for (size_t i = size_t(Position); i > 0; i -= i & (~i + 1))
            count += FTree[i];
        return count;
    }

private:
    std::vector<int> FTree;
};

} // namespace

// The same entries and the same events as Add of every text in turn, but
// the new words are merged into the list at once: inserting each at its
// place would move the rest of the list every time. The events fire after
// the merge, each with the index its word had when Add would have fired it.
void TWordWishList::AddWords(const QStringList& Texts) {
    QStringList accepted;
    accepted.reserve(Texts.size());
    for (QString word : Texts)
        if (Acceptable(word))
            accepted.append(word);
    const auto less = [this](const QString& a, const QString& b) {
        return CompareStrings(a, b) < 0;
    };
    QStringList fresh = accepted;
    std::sort(fresh.begin(), fresh.end(), less);
    fresh.erase(std::unique(fresh.begin(), fresh.end(),
                            [this](const QString& a, const QString& b) {
                                return CompareStrings(a, b) == 0;
                            }),
                fresh.end());
    fresh.erase(std::remove_if(fresh.begin(), fresh.end(),
                               [this](const QString& word) {
                                   int index;
                                   return Find(word, index);
                               }),
                fresh.end());
    MergeSorted(fresh);
    if (OnWordAdded)
        FireAddedInTurn(accepted, fresh);
}

void TWordWishList::FireAddedInTurn(const QStringList& Accepted, const QStringList& Fresh) {
    std::vector<bool> held(size_t(Count()), true);
    for (const QString& word : Fresh) {
        int index;
        Find(word, index);
        held[size_t(index)] = false;
    }
    TMarkedPositions marked(Count());
    for (int i = 0; i < Count(); ++i)
        if (held[size_t(i)])
            marked.Mark(i);
    for (const QString& word : Accepted) {
        int position;
        Find(word, position);
        if (!held[size_t(position)]) {
            held[size_t(position)] = true;
            marked.Mark(position);
        }
        OnWordAdded(this, marked.CountBelow(position), word);
    }
}

void TWordWishList::RemoveWord(const QString& Word) {
    const int index = IndexOf(Word);
    if (index < 0)
        return;
    Delete(index);
    if (OnWordRemoved)
        OnWordRemoved(this, index, Word);
}

void TWordWishList::SaveToTextFile(const QString& FileName) const {
    TTextFileWriter writer(FileName);
    for (int i = 0; i < Count(); ++i)
        writer.WriteLn(Strings(i));
    writer.Close();
}

namespace {

// A NUL byte marks a binary file: no text file of words holds one.
bool HoldsNulByte(const QString& FileName) {
    const int handle = FileOpenRegular(FileName, faRead);
    if (handle < 0)
        return false; // the reader has reported what keeps it from the file
    QByteArray chunk(1 << 16, Qt::Uninitialized);
    bool found = false;
    for (int read; !found && (read = FileRead(handle, chunk.data(), int(chunk.size()))) > 0;)
        found = std::memchr(chunk.constData(), 0, size_t(read)) != nullptr;
    FileClose(handle);
    return found;
}

} // namespace

void TWordWishList::LoadFromTextFile(const QString& FileName) {
    TTextFileReader reader(FileName);
    if (HoldsNulByte(FileName))
        throw Exception(Format("File \"%s\" is not a word list", FileName));
    QStringList pieces;
    try {
        while (!reader.Eof())
            pieces += reader.ReadLn().split('\t');
    } catch (...) {
        AddWords(pieces); // the words read before the error stay
        throw;
    }
    AddWords(pieces);
}
