#include "engine/genlib/PointListUn.h"
#include "engine/wordgame/CustomWordGameUn.h"
#include "tests/engine/wordgame/WordGameFixture.h"

#include <gtest/gtest.h>

namespace {

// Letters laid as dummy letters, one string per row from row 0.
class WordFindingTest : public WordGameFixture {
protected:
    void Lay(const QStringList& Rows) {
        for (int y = 0; y < Rows.size(); ++y)
            for (int x = 0; x < Rows[y].size(); ++x)
                if (Rows[y][x] != '.')
                    PutLetter(x, y, QString(Rows[y][x]), wgcsDummy);
    }
    int Find(const QString& Word) { return Game.FindWordInGrid(Word, X, Y, Direction); }
    bool Highlighted(int x, int y) const { return Game.CellHasState(x, y, wgcsHighlighted); }

    int X = -7;
    int Y = -7;
    TWordDirectionType Direction = wdTop;
};

TEST_F(WordFindingTest, PatternWithWildcardFindsEveryStartCellAndHighlightsIt) {
    Lay({"CAT.......", //
         "..........", //
         "C.T.......", //
         ".O........", //
         "..T......."});
    // CAT right from (0,0), C.T (an empty cell between) from (0,2), COT
    // diagonally from (0,2) downwards, and TAC read backwards is not C#T.
    EXPECT_EQ(Find("C#T"), 2);
    EXPECT_EQ(X, 0);
    EXPECT_EQ(Y, 2);
    EXPECT_EQ(Direction, wdBottomRight);
    for (auto [x, y] : {std::pair{0, 0}, {1, 0}, {2, 0}, {0, 2}, {1, 2}, {2, 2}, {1, 3}, {2, 4}})
        EXPECT_TRUE(Highlighted(x, y)) << x << "," << y;
    EXPECT_FALSE(Highlighted(0, 4));
    // The wildcard keeps the cell's letter, also an empty one.
    EXPECT_EQ(Game.GetCellText(1, 2), "");
    EXPECT_EQ(Game.GetCellState(1, 2), uint32_t(wgcsHighlighted));
    EXPECT_EQ(Game.GetCellText(1, 0), "A");
    EXPECT_EQ(Game.GetCellState(1, 0), uint32_t(wgcsDummy | wgcsHighlighted));
    EXPECT_EQ(ShownColours(1, 3), Role(crHighlighted));
}

TEST_F(WordFindingTest, OneLetterCountsEachCellOnceInTheFirstDirection) {
    Lay({"..Q.......", //
         "......Q..."});
    EXPECT_EQ(Find("Q"), 2);
    EXPECT_EQ(X, 6);
    EXPECT_EQ(Y, 1);
    EXPECT_EQ(Direction, wdTopLeft);
}

TEST_F(WordFindingTest, StartCellReadingTwoWaysCountsOnceWithTheLaterDirection) {
    Lay({"TOP.......", //
         "O.........", //
         "P........."});
    EXPECT_EQ(Find("TOP"), 1);
    EXPECT_EQ(Direction, wdBottom);
}

TEST_F(WordFindingTest, NothingFoundLeavesTheOutputsAndTheCells) {
    Lay({"CAT......."});
    const QByteArray before = Game.BoardGame()->GridData();
    for (const QString& word : {QString("DOG"), QString(), QString("CATS")}) {
        EXPECT_EQ(Find(word), 0) << word;
        EXPECT_EQ(X, -7);
        EXPECT_EQ(Direction, wdTop);
    }
    EXPECT_EQ(Game.BoardGame()->GridData(), before);
    TWordDirectionType direction = wdLeft;
    EXPECT_FALSE(Game.MatchWordAt(0, 0, "", direction));
}

TEST_F(WordFindingTest, PlaceWordFromGridListsTheLastOccurrence) {
    Lay({"DOG.......", //
         "..........", //
         "...GOD...."});
    EXPECT_EQ(Game.PlaceWordFromGrid("DOG"), 0);
    const TWordRec rec = Game.GetWordRec(0);
    EXPECT_EQ(rec.X, 5);
    EXPECT_EQ(rec.Y, 2);
    EXPECT_EQ(rec.Direction, wdLeft);
    EXPECT_EQ(Game.GetCellState(4, 2), uint32_t(wgcsWord));
    // The first match keeps its highlight until the next hide.
    EXPECT_TRUE(Highlighted(0, 0));
    EXPECT_EQ(Game.PlaceWordFromGrid("CAT"), -1);
    EXPECT_FALSE(Highlighted(0, 0));
}

TEST_F(WordFindingTest, HideAllWordsTakesTheFlagOffAndRecoloursOnRequest) {
    Game.PlaceWord(0, 0, wdRight, "CAT", false);
    Game.PlaceWord(2, 0, wdBottom, "TOP", false);
    Events.clear();
    Game.HighlightWord(1);
    EXPECT_EQ(Events, QStringList({"Highlight TOP"}));
    EXPECT_EQ(Game.GetCellState(2, 0), 12u);
    EXPECT_EQ(ShownColours(2, 0), Role(crHighlighted));
    EXPECT_EQ(Game.HighlightedCellCount(), 3);
    // An empty cell matched by the wildcard is state 8 alone.
    TWordDirectionType direction;
    Game.MatchWordAt(5, 5, "#", direction);
    EXPECT_EQ(Game.GetCellState(5, 5), 8u);
    Game.SetCellColours(0, 0, clAqua, clAqua);
    Game.HideAllWords(false, false);
    EXPECT_TRUE(Events.size() == 1);
    EXPECT_EQ(Game.GetCellState(2, 0), 4u);
    EXPECT_EQ(ShownColours(2, 0), Role(crNormalWord));
    EXPECT_EQ(Game.GetCellState(5, 5), 0u);
    EXPECT_EQ(Game.GetCellText(5, 5), "");
    EXPECT_EQ(ShownColours(5, 5), Role(crBlankSpace));
    EXPECT_EQ(Game.GetCellColour(0, 0), clAqua) << "left alone without Recolour";
    Game.HideAllWords(true, true);
    EXPECT_EQ(Events.last(), "HideAll");
    EXPECT_EQ(ShownColours(0, 0), Role(crNormalWord));
}

TEST_F(WordFindingTest, ShowAndHighlightAllWords) {
    Game.PlaceWord(0, 0, wdRight, "CAT", false);
    Game.PlaceWord(0, 4, wdBottom, "DOG", false);
    Events.clear();
    Game.HighlightAllWords();
    EXPECT_TRUE(Events.isEmpty());
    EXPECT_EQ(Game.HighlightedCellCount(), 6);
    Game.ShowAllWords();
    EXPECT_EQ(Game.HighlightedCellCount(), 0);
    EXPECT_EQ(Game.GetCellState(0, 6), 4u);
    Game.PaintWordColours(1, clYellow, clNavy);
    EXPECT_EQ(Game.GetCellTextColour(0, 5), clYellow);
    EXPECT_EQ(Game.GetCellColour(0, 5), clNavy);
    EXPECT_EQ(Game.GetCellUseCount(0, 5), 1);
}

TEST_F(WordFindingTest, DuplicatesAreColouredAndTheirListedWordHighlighted) {
    Game.PlaceWord(0, 0, wdRight, "CAT", false);
    Game.PlaceWord(0, 2, wdRight, "LEVEL", false);
    Game.PlaceWord(0, 4, wdRight, "DOG", false);
    Lay({"", "", "", "", "", "", "....CAT..."});
    Events.clear();
    EXPECT_EQ(Game.ShowDuplicateWords(), 2);
    EXPECT_EQ(Events, QStringList({"HideAll", "Highlight CAT", "Highlight LEVEL"}));
    // The other occurrence shows the duplicate colours, states untouched.
    EXPECT_EQ(ShownColours(5, 6), Role(crDuplicateWord));
    EXPECT_EQ(Game.GetCellState(5, 6), uint32_t(wgcsDummy));
    EXPECT_EQ(ShownColours(1, 0), Role(crHighlighted));
    EXPECT_EQ(ShownColours(3, 2), Role(crHighlighted));
    EXPECT_EQ(Game.GetCellState(0, 4), 4u) << "DOG lies in the grid once";
    TPointList starts, ends;
    EXPECT_EQ(Game.CountWordOccurrences("LEVEL", starts, ends), 2);
    EXPECT_EQ(starts.GetPoint(0), (TPoint{0, 2}));
    EXPECT_EQ(ends.GetPoint(0), (TPoint{4, 2}));
    EXPECT_EQ(starts.GetPoint(1), (TPoint{4, 2}));
    EXPECT_EQ(ends.GetPoint(1), (TPoint{0, 2}));
    EXPECT_EQ(Game.CountWordOccurrences("", starts, ends), 0);
    EXPECT_EQ(starts.Count(), 0);
}

TEST_F(WordFindingTest, NoDuplicatesStillRemovesHighlightsAndTellsSo) {
    Game.PlaceWord(0, 0, wdRight, "CAT", false);
    Game.HighlightWord(0);
    Events.clear();
    EXPECT_EQ(Game.ShowDuplicateWords(), 0);
    EXPECT_EQ(Events, QStringList({"HideAll"}));
    EXPECT_EQ(Game.HighlightedCellCount(), 0);
}

TEST_F(WordFindingTest, CollectWordsAtCellInListOrder) {
    Game.PlaceWord(0, 0, wdRight, "CAT", false);
    Game.PlaceWord(2, 2, wdTop, "PIT", false);
    Game.PlaceWord(2, 0, wdBottom, "TIP", false);
    EXPECT_EQ(Game.CollectWordsAtCell(2, 0), 3);
    EXPECT_EQ(Game.WordMatches(), QStringList({"CAT", "PIT", "TIP"}));
    EXPECT_EQ(Game.CollectWordsAtCell(2, 1), 2);
    EXPECT_EQ(Game.CollectWordsAtCell(7, 7), 0);
    EXPECT_TRUE(Game.WordMatches().isEmpty());
}

class TypedWordTest : public WordFindingTest {
protected:
    TypedWordTest() {
        Game.PlaceWord(0, 0, wdRight, "CAT", false);
        PutLetter(0, 3, "Q", wgcsFiller);
        Game.SaveBoardSnapshot();
    }
};

TEST_F(TypedWordTest, DrawShowsOverlapsAndEraseRestoresTheListedLetters) {
    Game.PaintTypedWord(1, 0, wdBottom, "BOX", false, true, true);
    EXPECT_EQ(Game.GetCellText(1, 0), "B");
    EXPECT_EQ(ShownColours(1, 0), Role(crOverlappedLetter));
    EXPECT_EQ(Game.GetCellState(1, 0), 4u);
    EXPECT_EQ(ShownColours(1, 1), Role(crNewWord));
    EXPECT_EQ(Game.GetCellState(1, 1), 0u);
    Game.PaintTypedWord(1, 0, wdBottom, "BOX", false, false, true);
    EXPECT_EQ(RowText(0, 0, 2), "CAT");
    EXPECT_EQ(ShownColours(1, 0), Role(crNormalWord));
    EXPECT_EQ(Game.GetCellText(1, 1), "");
    EXPECT_EQ(ShownColours(1, 1), Role(crBlankSpace));
}

TEST_F(TypedWordTest, DrawWithoutNewWordColoursHighlights) {
    Game.PaintTypedWord(0, 1, wdRight, "DOG", false, true, false);
    EXPECT_EQ(Game.GetCellState(0, 1), 8u);
    EXPECT_EQ(ShownColours(2, 1), Role(crHighlighted));
    // Erasing restores colours but not the state.
    Game.PaintTypedWord(0, 1, wdRight, "DOG", false, false, false);
    EXPECT_EQ(Game.GetCellText(0, 1), "");
    EXPECT_EQ(ShownColours(0, 1), Role(crBlankSpace));
    EXPECT_EQ(Game.GetCellState(0, 1), 8u);
}

TEST_F(TypedWordTest, DummyPreviewSparesWordCellsAndErasesToTheSnapshot) {
    Game.PaintTypedWord(2, 0, wdBottom, "XYZQ", true, true, true);
    EXPECT_EQ(Game.GetCellText(2, 0), "T");
    EXPECT_EQ(Game.GetCellText(2, 1), "Y");
    EXPECT_EQ(Game.GetCellState(2, 1), 2u);
    EXPECT_EQ(ShownColours(2, 3), Role(crDummyWord));
    Game.PaintTypedWord(2, 0, wdBottom, "XYZQ", true, false, true);
    EXPECT_EQ(Game.GetCellText(2, 1), "");
    EXPECT_EQ(Game.GetCellState(2, 1), 0u);
    EXPECT_EQ(ShownColours(2, 2), Role(crBlankSpace));
    Game.PaintTypedWord(0, 4, wdTop, "AB", true, true, true);
    EXPECT_EQ(Game.GetCellText(0, 3), "B");
    Game.PaintTypedWord(0, 4, wdTop, "AB", true, false, true);
    EXPECT_EQ(Game.GetCellText(0, 3), "Q");
    EXPECT_EQ(ShownColours(0, 3), Role(crRandomLetter));
}

TEST_F(TypedWordTest, ErasingOverAClearedCellBringsNoOldLetterBack) {
    // Erasing a dummy letter clears the shown cell alone; the solution board
    // still holds the letter there.
    Game.PlaceWord(0, 6, wdRight, "XYZ", true);
    bool declined = false;
    Game.DeleteAtCell(1, 6, declined);
    ASSERT_EQ(Game.SolutionBoard()->GetCellText(1, 6), "Y");
    for (const bool newWordColours : {true, false}) {
        Game.PaintTypedWord(1, 5, wdBottom, "BOX", false, true, newWordColours);
        Game.PaintTypedWord(1, 5, wdBottom, "BOX", false, false, newWordColours);
        EXPECT_EQ(RowText(6, 0, 2), "X.Z") << newWordColours;
        EXPECT_EQ(ShownColours(1, 6), Role(crBlankSpace));
    }
}

TEST_F(TypedWordTest, DummyPreviewErasesToTheCellsAsTheyWereWhenDrawn) {
    // CAT leaves the grid after the last snapshot was taken.
    Game.DeleteWord(0);
    Game.PaintTypedWord(0, 0, wdRight, "XYZ", true, true, true);
    Game.PaintTypedWord(0, 0, wdRight, "XYZ", true, false, true);
    EXPECT_EQ(RowText(0, 0, 2), "...");
    EXPECT_EQ(Game.GetCellState(1, 0), 0u);
    EXPECT_EQ(ShownColours(1, 0), Role(crBlankSpace));
}

TEST_F(TypedWordTest, PaintingStopsAtTheGridsEdge) {
    const QByteArray before = Game.BoardGame()->GridData();
    Game.PaintTypedWord(-1, 5, wdRight, "ABC", false, true, true);
    EXPECT_EQ(Game.BoardGame()->GridData(), before) << "first cell outside: nothing";
    Game.PaintTypedWord(8, 5, wdRight, "ABCD", false, true, true);
    EXPECT_EQ(RowText(5, 7, 9), ".AB");
    EXPECT_EQ(RowText(6, 0, 1), "..");
}

} // namespace
