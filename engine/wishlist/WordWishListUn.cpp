#include "engine/wishlist/WordWishListUn.h"

#include "platform/Exception.h"
#include "platform/Format.h"
#include "platform/TextFile.h"

#include <QFile>
#include <cstring>

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

int TWordWishList::Add(const QString& S) {
    QString word = S;
    if (!NormaliseWord(word))
        return -1;
    if (FWordList && FWordList->IndexOf(word) >= 0)
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
    const QStringList lines = source->Lines(); // Source may be this list
    Clear();
    for (const QString& line : lines)
        if (!line.isEmpty())
            Add(line);
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

void TWordWishList::AddPieces(const QString& Line) {
    for (const QString& piece : Line.split('\t'))
        Add(piece);
}

namespace {

// A NUL byte marks a binary file: no text file of words holds one.
bool HoldsNulByte(const QString& FileName) {
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        return false; // the reader has reported what keeps it from the file
    QByteArray chunk(1 << 16, Qt::Uninitialized);
    for (qint64 read; (read = file.read(chunk.data(), chunk.size())) > 0;)
        if (std::memchr(chunk.constData(), 0, size_t(read)))
            return true;
    return false;
}

} // namespace

void TWordWishList::LoadFromTextFile(const QString& FileName) {
    TTextFileReader reader(FileName);
    if (HoldsNulByte(FileName))
        throw Exception(Format("File \"%s\" is not a word list", FileName));
    while (!reader.Eof())
        AddPieces(reader.ReadLn());
}
