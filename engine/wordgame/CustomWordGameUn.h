#pragma once

#include "platform/Object.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

// The eight directions in which a word runs from its first letter. Columns
// grow to the right, rows downwards. Loops over all directions run from
// wdTopLeft to wdLeft, and "first" or "last" direction means in this order.
enum TWordDirectionType : uint8_t {
    wdTopLeft,
    wdTop,
    wdTopRight,
    wdRight,
    wdBottomRight,
    wdBottom,
    wdBottomLeft,
    wdLeft
};

constexpr int WordDirectionCount = 8;
// A set of directions: bit d stands for direction d.
constexpr uint8_t AllWordDirections = 255;

struct TDirectionOffset {
    int ColumnStep;
    int RowStep;
};

// The cell step of a direction; any value outside the eight gives (0, 0).
TDirectionOffset GetDirectionOffset(TWordDirectionType Direction);
void StepCell(int& Column, int& Row, int ColumnStep, int RowStep);

// ASCII-only upper-casing: a-z become A-Z, every other character stays.
QString UpperCaseWord(const QString& Word);

// One placed word: letter k lies at (X + k * column step, Y + k * row step).
struct TWordRec {
    QString Word;
    int X = 0;
    int Y = 0;
    TWordDirectionType Direction = wdTopLeft;
};

// The placed words of one puzzle in the order they were added.
class TCustomWordList : public TObject {
public:
    TCustomWordList() = default;
    TCustomWordList(const TCustomWordList&) = delete;
    TCustomWordList& operator=(const TCustomWordList&) = delete;
    ~TCustomWordList() override;

    // Stores the word upper-cased and returns its index.
    virtual int Add(const QString& Word, int X, int Y, TWordDirectionType Direction);
    virtual void Delete(int Index);
    // Exact, case-sensitive; -1 when absent.
    virtual int IndexOf(const QString& Word) const;
    virtual void Clear();

    TWordRec GetWordRec(int Index) const;
    // Stores the record as given (the word is not upper-cased).
    void SetWordRec(int Index, const TWordRec& Rec);
    void GetWords(QStringList& List) const;
    int Count() const { return int(FItems.size()); }

private:
    void CheckIndex(int Index) const;

    std::vector<std::unique_ptr<TWordRec>> FItems;
};
