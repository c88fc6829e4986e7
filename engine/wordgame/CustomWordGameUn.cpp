#include "engine/wordgame/CustomWordGameUn.h"

#include "platform/Exception.h"

TDirectionOffset GetDirectionOffset(TWordDirectionType Direction) {
    switch (Direction) {
    case wdTopLeft:
        return {-1, -1};
    case wdTop:
        return {0, -1};
    case wdTopRight:
        return {1, -1};
    case wdRight:
        return {1, 0};
    case wdBottomRight:
        return {1, 1};
    case wdBottom:
        return {0, 1};
    case wdBottomLeft:
        return {-1, 1};
    case wdLeft:
        return {-1, 0};
    }
    return {0, 0};
}

void StepCell(int& Column, int& Row, int ColumnStep, int RowStep) {
    Column += ColumnStep;
    Row += RowStep;
}

QString UpperCaseWord(const QString& Word) {
    QString result = Word;
    for (QChar& c : result)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - ('a' - 'A'));
    return result;
}

// ---------------------------------------------------------------------------
// TCustomWordList

TCustomWordList::~TCustomWordList() {
    FItems.clear();
}

int TCustomWordList::Add(const QString& Word, int X, int Y, TWordDirectionType Direction) {
    auto rec = std::make_unique<TWordRec>();
    rec->Word = UpperCaseWord(Word);
    rec->X = X;
    rec->Y = Y;
    rec->Direction = Direction;
    FItems.push_back(std::move(rec));
    return Count() - 1;
}

void TCustomWordList::Delete(int Index) {
    CheckIndex(Index);
    FItems.erase(FItems.begin() + Index);
}

int TCustomWordList::IndexOf(const QString& Word) const {
    for (int i = 0; i < Count(); ++i)
        if (FItems[i]->Word == Word)
            return i;
    return -1;
}

void TCustomWordList::Clear() {
    while (Count() > 0)
        Delete(0);
}

TWordRec TCustomWordList::GetWordRec(int Index) const {
    CheckIndex(Index);
    return *FItems[Index];
}

void TCustomWordList::SetWordRec(int Index, const TWordRec& Rec) {
    CheckIndex(Index);
    *FItems[Index] = Rec;
}

void TCustomWordList::GetWords(QStringList& List) const {
    List.clear();
    for (const auto& rec : FItems)
        List.append(rec->Word);
}

void TCustomWordList::CheckIndex(int Index) const {
    if (Index < 0 || Index >= Count())
        throw EListError(Index);
}
