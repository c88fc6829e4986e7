#pragma once

#include "engine/wordgame/CustomWordGameUn.h"
#include "support/FakeServices.h"

#include <QStringList>
#include <gtest/gtest.h>

// A word game with the game-file operations stubbed out.
class TTestWordGame : public TCustomWordGame {
public:
    TTestWordGame() : TCustomWordGame(nullptr) {}
    void LoadFromStream(const QString&, TTypeStream*) override {}
    int LoadFromFile(const QString&) override { return 0; }
    void SaveToStream(TTypeStream*) override {}
    void SaveToFile(const QString&) override {}
};

// A blank 10 x 10 word game and a log of its events, in the order raised.
class WordGameFixture : public ::testing::Test {
protected:
    WordGameFixture() {
        Game.resize(400, 400);
        Game.SetGridSize(10, 10);
        Game.OnModified = [this](TObject*) { Events << "Modified"; };
        Game.OnWordAdded = [this](TObject*, const QString& w) { Events << "Added " + w; };
        Game.OnWordDeleted = [this](TObject*, const QString& w) { Events << "Deleted " + w; };
        Game.OnHighlightWord = [this](TObject*, const QString& w) { Events << "Highlight " + w; };
        Game.OnHideAllWords = [this](TObject*) { Events << "HideAll"; };
        Game.OnWordChanged = [this](TObject*, const QString& o, const QString& n) {
            Events << "Changed " + o + ">" + n;
        };
    }

    // A letter that belongs to no word: a dummy (state 2) or filler (state 1).
    void PutLetter(int X, int Y, const QString& Letter, uint32_t State) {
        const TCellColours colours = Game.GetStateColours(State);
        TGameCellRecord cell = Game.GetCell(X, Y);
        cell.Text = Letter;
        cell.State = State;
        cell.TextColour = colours.Foreground;
        cell.Colour = colours.Background;
        Game.WriteCell(X, Y, cell);
    }

    // Marks cells as a user's selection (flag 8 added).
    void Select(std::initializer_list<std::pair<int, int>> Cells) {
        for (const auto& [x, y] : Cells)
            Game.BoardGame()->SetCellState(x, y, Game.GetCellState(x, y) | wgcsHighlighted);
    }

    // The letters of a row, "." for an empty cell.
    QString RowText(int Y, int From = 0, int To = 9) const {
        QString text;
        for (int x = From; x <= To; ++x) {
            const QString cell = Game.GetCellText(x, Y);
            text += cell.isEmpty() ? QString(".") : cell;
        }
        return text;
    }

    QStringList Words() const {
        QStringList list;
        Game.GetWordList(list);
        return list;
    }

    TCellColours ShownColours(int X, int Y) const {
        return {Game.GetCellTextColour(X, Y), Game.GetCellColour(X, Y)};
    }

    TCellColours Role(TWordGameColourRole R) const {
        const TWordGameColourPreferences* c = Game.GamePreferences()->ColourPreferences();
        return {c->Foreground(R), c->Background(R)};
    }

    FakeServices Fake;
    TTestWordGame Game;
    QStringList Events;
};

inline std::ostream& operator<<(std::ostream& os, const QString& S) {
    return os << S.toStdString();
}
inline std::ostream& operator<<(std::ostream& os, const QStringList& L) {
    return os << L.join(", ");
}

inline bool operator==(const TCellColours& A, const TCellColours& B) {
    return A.Foreground == B.Foreground && A.Background == B.Background;
}
inline std::ostream& operator<<(std::ostream& os, const TCellColours& C) {
    return os << std::hex << "fg " << C.Foreground << " bg " << C.Background << std::dec;
}
