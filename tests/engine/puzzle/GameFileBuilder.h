#pragma once

#include <QByteArray>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

// Writes typed values by hand, apart from the puzzle's own writer, so that a
// test states the game file's layout and can build damaged files.
class TypedBytes {
public:
    void S(const QByteArray& Text) {
        Tag('S');
        Raw<int32_t>(int32_t(Text.size() + 1));
        Bytes += Text;
        Bytes += '\0';
    }
    void I(int32_t Value) {
        Tag('I');
        Raw(Value);
    }
    void B(bool Value) {
        Tag('B');
        Raw<uint8_t>(Value ? 1 : 0);
    }
    void D(double Value) {
        Tag('D');
        Raw(Value);
    }
    // Remembers where the next value starts.
    void Mark(const std::string& Name) { Marks[Name] = int(Bytes.size()); }

    QByteArray Bytes;
    std::vector<int> TagOffsets;
    std::map<std::string, int> Marks;

private:
    void Tag(char T) {
        TagOffsets.push_back(int(Bytes.size()));
        Bytes += T;
    }
    template <typename T> void Raw(T Value) {
        char raw[sizeof(T)];
        std::memcpy(raw, &Value, sizeof(T)); // little-endian machine
        Bytes.append(raw, sizeof(T));
    }
};

// The content of one game file, value by value.
struct GameFileContent {
    struct Word {
        QByteArray Text;
        int X, Y, Direction;
    };
    struct Cell {
        int Code;
        int State;
    };

    QByteArray Header = "GLYPHTROVEGAME";
    int Major = 11;
    int Minor = 0;
    QByteArray Title = "Animals";
    QByteArray Description = "Hidden pets";
    QByteArray Author = "Ann";
    QByteArray Created = "01022003 040506";
    QByteArray Modified = "02032004 050607";
    int Columns = 3;
    int Rows = 3;
    bool RandomLettersUsed = false;
    bool IncludeColours = false;
    bool AutoFinish = false;
    int UnusedSpace = 3;
    bool UseTimer = true;
    double CountDown = 5.0 / (24 * 60); // five minutes
    int Hints = 7;
    bool CanGiveIn = false;
    std::vector<int32_t> Colours; // sixteen, when IncludeColours
    std::vector<Cell> Cells;      // column-major
    std::vector<Word> Words;
    bool HasWishList = true;
    std::vector<QByteArray> Wishes;

    // A 3 x 3 puzzle with CAT along the top row and ZEBRA wished for.
    static GameFileContent Cat() {
        GameFileContent c;
        c.Cells = {{'C', 4}, {0, 0}, {0, 0}, {'A', 4}, {0, 0}, {0, 0}, {'T', 4}, {0, 0}, {0, 0}};
        c.Words = {{"CAT", 0, 0, 3}};
        c.Wishes = {"ZEBRA"};
        return c;
    }

    // Marks: "columns", "rows", "cells", "wordcount", "word0", "wishlist",
    // "wishcount", "wish0".
    TypedBytes Build() const {
        TypedBytes b;
        b.Mark("header");
        b.S(Header);
        b.I(Major);
        b.I(Minor);
        b.Mark("title");
        b.S(Title);
        b.S(Description);
        b.S(Author);
        b.S(Created);
        b.S(Modified);
        b.S("");
        b.Mark("columns");
        b.I(Columns);
        b.Mark("rows");
        b.I(Rows);
        b.B(RandomLettersUsed);
        b.B(IncludeColours);
        b.B(AutoFinish);
        b.I(UnusedSpace);
        b.B(UseTimer);
        b.D(CountDown);
        b.I(Hints);
        b.B(CanGiveIn);
        if (IncludeColours)
            for (const int32_t colour : Colours)
                b.I(colour);
        b.Mark("cells");
        for (const Cell& cell : Cells) {
            b.I(cell.Code);
            b.I(cell.State);
        }
        b.Mark("wordcount");
        b.I(int(Words.size()));
        for (size_t i = 0; i < Words.size(); ++i) {
            b.Mark("word" + std::to_string(i));
            b.S(Words[i].Text);
            b.I(Words[i].X);
            b.I(Words[i].Y);
            b.I(Words[i].Direction);
        }
        b.Mark("wishlist");
        if (HasWishList) {
            b.Mark("wishcount");
            b.I(int(Wishes.size()));
            for (size_t i = 0; i < Wishes.size(); ++i) {
                b.Mark("wish" + std::to_string(i));
                b.S(Wishes[i]);
            }
        }
        return b;
    }
};
