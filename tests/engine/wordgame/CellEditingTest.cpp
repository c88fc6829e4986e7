#include "engine/wordgame/CustomWordGameUn.h"
#include "tests/engine/wordgame/WordGameFixture.h"

#include "platform/Exception.h"

#include <gtest/gtest.h>

namespace {

class CellEditingTest : public WordGameFixture {
protected:
    QStringList Questions() const {
        QStringList texts;
        for (const auto& m : Fake.Messages) {
            EXPECT_EQ(m.type, mtConfirmation);
            texts << m.text;
        }
        return texts;
    }
    uint32_t SolutionState(int x, int y) const { return Game.SolutionBoard()->GetCellState(x, y); }
    QString SolutionText(int x, int y) const { return Game.SolutionBoard()->GetCellText(x, y); }
};

TEST_F(CellEditingTest, AddWordFromCellsNeedsAHighlightedNeighbour) {
    PutLetter(4, 4, "A", wgcsDummy);
    Select({{4, 4}});
    EXPECT_EQ(Game.AddWordFromCells(4, 4, wgcsHighlighted), -1);
    EXPECT_EQ(Game.AddWordFromCells(0, 0, wgcsHighlighted), -1);
    EXPECT_EQ(Game.AddWordFromCells(-1, 12, wgcsHighlighted), -1);
    EXPECT_EQ(Game.WordCount(), 0);
}

TEST_F(CellEditingTest, AddWordFromCellsReadsTheRunInTheFirstDirection) {
    for (int x = 2; x <= 6; ++x)
        PutLetter(x, 3, QString("HOUSE").at(x - 2), wgcsFiller);
    Select({{2, 3}, {3, 3}, {4, 3}, {5, 3}, {6, 3}});
    EXPECT_EQ(Game.AddWordFromCells(2, 3, wgcsHighlighted), 0);
    EXPECT_EQ(Game.GetWordRec(0).Word, "HOUSE");
    EXPECT_EQ(Game.GetWordRec(0).Direction, wdRight);
    EXPECT_EQ(Game.GetCellState(6, 3), uint32_t(wgcsWord));

    // With a highlighted neighbour up and to the left, that direction comes first.
    Game.SetCheckWords(false);
    PutLetter(6, 4, "X", wgcsDummy);
    PutLetter(7, 4, "Y", wgcsDummy);
    PutLetter(5, 3, "S", wgcsDummy);
    Select({{6, 4}, {7, 4}, {5, 3}});
    EXPECT_EQ(Game.AddWordFromCells(6, 4, wgcsHighlighted), 1);
    EXPECT_EQ(Game.GetWordRec(1).Word, "XS");
    EXPECT_EQ(Game.GetWordRec(1).Direction, wdTopLeft);
}

// A "#" keeps whatever its cell shows when a word is painted, so a word
// read off a cell showing one is refused: it could not be found again.
TEST_F(CellEditingTest, AddWordFromCellsRefusesARunThroughACellShowingTheAnyCellMark) {
    for (int x = 0; x < 5; ++x)
        PutLetter(x, 2, QString("T#GER").at(x), wgcsDummy);
    int x = 0, y = 0;
    TWordDirectionType direction = wdRight;
    EXPECT_EQ(Game.FindWordInGrid("T#GER", x, y, direction), 1);
    Events.clear();
    EXPECT_EQ(Game.AddWordFromCells(0, 2, wgcsHighlighted), -1);
    EXPECT_EQ(Game.WordCount(), 0);
    EXPECT_TRUE(Events.isEmpty());
    EXPECT_EQ(Game.GetCellText(1, 2), "#");
}

TEST_F(CellEditingTest, DeleteAtCellClearsEveryCellThatIsNoWordLetter) {
    PutLetter(1, 1, "F", wgcsFiller);
    PutLetter(2, 2, "D", wgcsDummy);
    PutLetter(3, 3, "", wgcsHighlighted);
    for (auto [x, y] : {std::pair{1, 1}, {2, 2}, {3, 3}, {4, 4}}) {
        Events.clear();
        bool declined = true;
        Game.DeleteAtCell(x, y, declined);
        EXPECT_TRUE(declined) << "left as it was";
        EXPECT_EQ(Game.GetCellText(x, y), "");
        EXPECT_EQ(Game.GetCellState(x, y), 0u);
        EXPECT_EQ(ShownColours(x, y), Role(crBlankSpace));
        EXPECT_EQ(Events, QStringList({"Modified"}));
    }
    EXPECT_TRUE(Fake.Messages.empty());
}

TEST_F(CellEditingTest, DeleteWordsAtCellOffersEachWordUntilOneIsDeclined) {
    Game.PlaceWord(0, 0, wdRight, "CAT", false);
    Game.PlaceWord(2, 0, wdBottom, "TOP", false);
    Events.clear();
    Fake.Answer(mrYes);
    Fake.Answer(mrNo);
    EXPECT_TRUE(Game.DeleteWordsAtCell(2, 0));
    EXPECT_EQ(Questions(), QStringList({"Delete \"CAT\"?", "Delete \"TOP\"?"}));
    EXPECT_EQ(Events, QStringList({"Highlight CAT", "Modified", "Modified", "Deleted CAT",
                                   "Highlight TOP"}));
    EXPECT_EQ(Words(), QStringList({"TOP"}));
    EXPECT_EQ(Game.GetCellState(2, 1), 12u) << "the declined word stays highlighted";
    EXPECT_EQ(RowText(0, 0, 2), "..T");
}

TEST_F(CellEditingTest, DeleteAtCellOnAWordLetterAsksAndReportsTheAnswer) {
    Game.PlaceWord(0, 0, wdRight, "CAT", false);
    Fake.Answer(mrYes);
    bool declined = true;
    Game.DeleteAtCell(1, 0, declined);
    EXPECT_FALSE(declined);
    EXPECT_EQ(Game.WordCount(), 0);
    EXPECT_EQ(RowText(0, 0, 2), "...");
}

TEST_F(CellEditingTest, DeleteHighlightedCellsVisitsTheWholeSelection) {
    Game.PlaceWord(0, 0, wdRight, "CAT", false);
    Game.PlaceWord(0, 5, wdRight, "DOG", false);
    PutLetter(9, 9, "F", wgcsFiller);
    // Two cells of CAT: once CAT is gone the second is a blank cell.
    Select({{1, 0}, {2, 0}, {1, 5}, {9, 9}});
    Fake.Answer(mrYes);
    Fake.Answer(mrYes);
    Game.DeleteHighlightedCells();
    EXPECT_EQ(Questions(), QStringList({"Delete \"CAT\"?", "Delete \"DOG\"?"}));
    EXPECT_EQ(Game.WordCount(), 0);
    EXPECT_EQ(RowText(5, 0, 2), "...");
    EXPECT_EQ(Game.GetCellText(9, 9), "");
}

TEST_F(CellEditingTest, DeleteHighlightedCellsStopsAtTheFirstNo) {
    Game.PlaceWord(0, 0, wdRight, "CAT", false);
    Game.PlaceWord(0, 5, wdRight, "DOG", false);
    PutLetter(9, 9, "F", wgcsFiller);
    PutLetter(5, 0, "G", wgcsFiller);
    Select({{5, 0}, {0, 5}, {9, 9}});
    Fake.Answer(mrNo);
    Game.DeleteHighlightedCells();
    EXPECT_EQ(Questions(), QStringList({"Delete \"DOG\"?"}));
    EXPECT_EQ(Game.GetCellText(5, 0), "") << "cleared before the No";
    EXPECT_EQ(Words(), QStringList({"CAT", "DOG"}));
    EXPECT_EQ(Game.GetCellText(9, 9), "F");
}

TEST_F(CellEditingTest, MakeDummyOnAWordCellKeepsOnlyThatLetter) {
    Game.PlaceWord(0, 0, wdRight, "CAT", false);
    Fake.Answer(mrYes);
    Game.MakeDummy(1, 0);
    EXPECT_EQ(Game.WordCount(), 0);
    EXPECT_EQ(RowText(0, 0, 2), ".A.");
    EXPECT_EQ(Game.GetCellState(1, 0), uint32_t(wgcsDummy));
    EXPECT_EQ(ShownColours(1, 0), Role(crDummyWord));
    EXPECT_EQ(Game.GetCellState(0, 0), 0u);
    EXPECT_EQ(SolutionText(1, 0), "A");
    EXPECT_EQ(SolutionState(1, 0), uint32_t(wgcsDummy));
    // A preview drawn over the dummy letter and erased leaves it.
    Game.PaintTypedWord(0, 0, wdRight, "DOG", false, true, true);
    Game.PaintTypedWord(0, 0, wdRight, "DOG", false, false, true);
    EXPECT_EQ(RowText(0, 0, 2), ".A.");
}

TEST_F(CellEditingTest, MakeCellDummyDeclinedChangesNoLetter) {
    Game.PlaceWord(0, 0, wdRight, "CAT", false);
    Fake.Answer(mrNo);
    bool declined = false;
    Game.MakeCellDummy(1, 0, declined);
    EXPECT_TRUE(declined);
    EXPECT_EQ(Words(), QStringList({"CAT"}));
    EXPECT_EQ(Game.GetCellState(1, 0), 12u);
}

TEST_F(CellEditingTest, MakeDummyOnAHighlightedWordKeepsAllItsLetters) {
    Game.PlaceWord(0, 0, wdRight, "CAT", false);
    Game.PlaceWord(2, 0, wdBottom, "TOP", false);
    Game.HighlightWord(0);
    // CAT goes; its shared T then still carries TOP and is offered too.
    Fake.Answer(mrYes);
    Fake.Answer(mrNo);
    Game.MakeDummy(7, 7);
    EXPECT_EQ(Questions(), QStringList({"Delete \"CAT\"?", "Delete \"TOP\"?"}));
    EXPECT_EQ(Words(), QStringList({"TOP"}));
    EXPECT_EQ(RowText(0, 0, 2), "CAT");
    for (int x = 0; x < 2; ++x) {
        EXPECT_EQ(Game.GetCellState(x, 0), uint32_t(wgcsDummy));
        EXPECT_EQ(SolutionState(x, 0), uint32_t(wgcsDummy));
        EXPECT_EQ(ShownColours(x, 0), Role(crDummyWord));
    }
    EXPECT_EQ(SolutionText(0, 0), "C");
    EXPECT_TRUE(Game.CellHasState(2, 0, wgcsWord));
}

TEST_F(CellEditingTest, MakeDummyOnAHighlightedWordAnsweredYesForAll) {
    Game.PlaceWord(0, 0, wdRight, "CAT", false);
    Game.PlaceWord(2, 0, wdBottom, "TOP", false);
    Game.HighlightAllWords();
    Fake.Answer(mrYes);
    Fake.Answer(mrYes);
    Game.MakeDummy(0, 0);
    EXPECT_EQ(Game.WordCount(), 0);
    EXPECT_EQ(RowText(0, 0, 2), "CAT");
    EXPECT_EQ(Game.GetCellText(2, 2), "P");
    EXPECT_EQ(Game.GetCellState(2, 0), uint32_t(wgcsDummy));
    EXPECT_EQ(Game.GetCellState(2, 2), uint32_t(wgcsDummy));
    EXPECT_EQ(SolutionText(2, 2), "P");
    EXPECT_EQ(Game.HighlightedCellCount(), 0);
}

TEST_F(CellEditingTest, MakeDummyOverASelectionOfFillerAndWordCells) {
    PutLetter(5, 0, "F", wgcsFiller);
    Game.PlaceWord(0, 3, wdRight, "DOG", false);
    Select({{5, 0}, {1, 3}});
    Fake.Answer(mrYes);
    Game.MakeDummy(9, 9);
    EXPECT_EQ(Questions(), QStringList({"Delete \"DOG\"?"}));
    EXPECT_EQ(Game.GetCellState(5, 0), uint32_t(wgcsDummy));
    EXPECT_EQ(SolutionText(5, 0), "F");
    EXPECT_EQ(RowText(3, 0, 2), "DOG");
    EXPECT_EQ(Game.GetCellState(0, 3), uint32_t(wgcsDummy));
    EXPECT_EQ(SolutionText(2, 3), "G");
    EXPECT_EQ(Game.WordCount(), 0);
}

TEST_F(CellEditingTest, MakeDummyOnFillerBlankAndDummyCells) {
    PutLetter(1, 1, "F", wgcsFiller);
    PutLetter(2, 2, "D", wgcsDummy);
    Game.MakeDummy(1, 1);
    EXPECT_EQ(Game.GetCellText(1, 1), "F");
    EXPECT_EQ(Game.GetCellState(1, 1), uint32_t(wgcsDummy));
    EXPECT_EQ(ShownColours(1, 1), Role(crDummyWord));
    EXPECT_EQ(SolutionText(1, 1), "F");
    EXPECT_EQ(SolutionState(1, 1), uint32_t(wgcsDummy));
    EXPECT_EQ(Events, QStringList({"Modified"}));
    Game.PaintTypedWord(1, 1, wdBottom, "DOG", false, true, true);
    Game.PaintTypedWord(1, 1, wdBottom, "DOG", false, false, true);
    EXPECT_EQ(Game.GetCellText(1, 1), "F");
    Events.clear();
    const QByteArray before = Game.BoardGame()->GridData();
    Game.MakeDummy(2, 2);
    Game.MakeDummy(5, 5);
    EXPECT_EQ(Game.BoardGame()->GridData(), before);
    EXPECT_TRUE(Events.isEmpty());
}

TEST_F(CellEditingTest, CellsOutsideTheGridAreLeftAlone) {
    // Column 10 of a 10-column grid would name the record of cell (0, 1).
    PutLetter(0, 1, "F", wgcsFiller);
    const QByteArray before = Game.BoardGame()->GridData();
    const QByteArray solution = Game.SolutionBoard()->GridData();
    for (auto [x, y] : {std::pair{10, 0}, {-1, -1}, {0, 10}}) {
        bool declined = true;
        Game.DeleteAtCell(x, y, declined);
        EXPECT_TRUE(declined);
        Game.ClearCell(x, y);
        Game.MakeDummy(x, y);
        Game.MakeFillerLetterDummy(x, y);
    }
    EXPECT_EQ(Game.BoardGame()->GridData(), before);
    EXPECT_EQ(Game.SolutionBoard()->GridData(), solution);
    EXPECT_TRUE(Events.isEmpty()) << Events;
}

TEST_F(CellEditingTest, ClearCellLeavesTheSolutionBoard) {
    Game.PlaceWord(0, 0, wdRight, "CAT", false);
    Game.ClearCell(0, 0);
    EXPECT_EQ(Game.GetCellText(0, 0), "");
    EXPECT_EQ(Game.GetCellUseCount(0, 0), 0);
    EXPECT_EQ(SolutionText(0, 0), "C");
    EXPECT_TRUE(Game.Modified());
}

} // namespace
