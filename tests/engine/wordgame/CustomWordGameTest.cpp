#include "engine/wordgame/CustomWordGameUn.h"
#include "tests/engine/wordgame/WordGameFixture.h"

#include "engine/wordgame/FitInUn.h"
#include "platform/Exception.h"

#include <gtest/gtest.h>

namespace {

// ---------------------------------------------------------------------------
// Directions, records and the word list

TEST(WordDirectionTest, StepsOfEveryDirectionAndOfAnUnknownValue) {
    const struct {
        int direction;
        int dx;
        int dy;
    } cases[] = {{wdTopLeft, -1, -1},   {wdTop, 0, -1},        {wdTopRight, 1, -1},
                 {wdRight, 1, 0},       {wdBottomRight, 1, 1}, {wdBottom, 0, 1},
                 {wdBottomLeft, -1, 1}, {wdLeft, -1, 0},       {9, 0, 0}};
    for (const auto& c : cases) {
        const TDirectionOffset step = GetDirectionOffset(TWordDirectionType(c.direction));
        EXPECT_EQ(step.ColumnStep, c.dx) << c.direction;
        EXPECT_EQ(step.RowStep, c.dy) << c.direction;
    }
    int column = 4, row = 4;
    StepCell(column, row, -1, 1);
    EXPECT_EQ(column, 3);
    EXPECT_EQ(row, 5);
}

TEST(WordListTest, AddUpperCasesAndIndexOfIsExact) {
    TCustomWordList list;
    EXPECT_EQ(list.IndexOf("CAT"), -1);
    EXPECT_EQ(list.Add("cat", 2, 5, wdBottom), 0);
    EXPECT_EQ(list.Add("Dog", 0, 0, wdRight), 1);
    EXPECT_EQ(list.Add("cat", 1, 1, wdLeft), 2);
    EXPECT_EQ(list.IndexOf("cat"), -1);
    EXPECT_EQ(list.IndexOf("CAT"), 0);
    EXPECT_EQ(list.IndexOf("CA"), -1);
    const TWordRec rec = list.GetWordRec(0);
    EXPECT_EQ(rec.Word, "CAT");
    EXPECT_EQ(rec.X, 2);
    EXPECT_EQ(rec.Y, 5);
    EXPECT_EQ(rec.Direction, wdBottom);
    QStringList words{"stale"};
    list.GetWords(words);
    EXPECT_EQ(words, QStringList({"CAT", "DOG", "CAT"}));
}

TEST(WordListTest, SetWordRecStoresTheWordUnchangedAndDeleteMovesLaterItemsUp) {
    TCustomWordList list;
    list.Add("ONE", 0, 0, wdRight);
    list.Add("TWO", 0, 1, wdRight);
    list.Add("SIX", 0, 2, wdRight);
    list.SetWordRec(1, {"dog", 3, 4, wdTop});
    EXPECT_EQ(list.GetWordRec(1).Word, "dog");
    EXPECT_EQ(list.GetWordRec(1).Direction, wdTop);
    list.Delete(0);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.GetWordRec(0).Word, "dog");
    EXPECT_EQ(list.GetWordRec(1).Word, "SIX");
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(WordListTest, IndexOutsideTheListRaisesTheListError) {
    TCustomWordList list;
    list.Add("ONE", 0, 0, wdRight);
    EXPECT_THROW(list.Delete(1), EListError);
    EXPECT_THROW(list.GetWordRec(-1), EListError);
    EXPECT_THROW(list.SetWordRec(1, {}), EListError);
    EXPECT_EQ(list.Count(), 1);
}

// ---------------------------------------------------------------------------
// The off-screen boards

class MemoryBoardTest : public WordGameFixture {};

TEST_F(MemoryBoardTest, AddWordLettersCountsEveryPassAndKeepsTheOtherFields) {
    TMemoryWordGame board(&Game);
    EXPECT_EQ(board.ColCount(), 10);
    board.FillBlank(clRed, clBlue);
    board.AddWordLetters(0, 0, wdRight, "CAT", wgcsWord);
    board.AddWordLetters(2, 0, wdBottom, "XYZ", wgcsDummy);
    const TGameCellRecord crossing = board.ReadCell(2, 0);
    EXPECT_EQ(crossing.Text, "X");
    EXPECT_EQ(crossing.UseCount, 2);
    EXPECT_EQ(crossing.State, uint32_t(wgcsDummy));
    EXPECT_EQ(crossing.TextColour, clRed);
    EXPECT_EQ(crossing.Colour, clBlue);
    EXPECT_EQ(board.GetCellUseCount(1, 0), 1);
    EXPECT_EQ(board.GetCellText(3, 0), "");
}

TEST_F(MemoryBoardTest, AddWordLettersSkipsCellsOutsideTheBoard) {
    TMemoryWordGame board(&Game);
    board.FillBlank(clRed, clBlue);
    board.AddWordLetters(8, 0, wdRight, "DOGS", wgcsDummy);
    EXPECT_EQ(board.GetCellText(8, 0), "D");
    EXPECT_EQ(board.GetCellText(9, 0), "O");
    EXPECT_EQ(board.GetCellText(0, 1), "");
}

// ---------------------------------------------------------------------------
// Placement codes and their messages

class PlacementTest : public WordGameFixture {
protected:
    PlacementTest() {
        Game.PlaceWord(0, 0, wdRight, "CAT", false);
        PutLetter(5, 5, "Q", wgcsDummy);
        Events.clear();
    }
};

TEST_F(PlacementTest, CodesAndMessagesOfCheckWordPlacement) {
    const struct {
        int x, y;
        TWordDirectionType direction;
        QString word;
        int code;
        QString message;
    } cases[] = {
        {0, 2, wdRight, "AB", 3, "Length of the word is incorrect"},
        {0, 2, wdRight, "ABCDEFGHIJK", 3, "Length of the word is incorrect"},
        {0, 0, wdRight, "CAT", 4, "Word already exists in the game"},
        // Listed words are upper-case: no duplicate, but every letter differs.
        {0, 0, wdRight, "cat", 1, "Word has overlapped incorrectly with at least one other word"},
        {8, 3, wdRight, "DOG", 2, "Part of the word is out of range of the game grid"},
        {1, 2, wdTopLeft, "DOG", 2, "Part of the word is out of range of the game grid"},
        {2, 0, wdBottom, "DOG", 1, "Word has overlapped incorrectly with at least one other word"},
        {2, 0, wdBottom, "TOP", 0, ""},
        {5, 3, wdBottom, "DOG", 0, ""}, // a differing dummy letter is no listed word
        {0, 9, wdRight, "ABCDEFGHIJ", 0, ""},
    };
    for (const auto& c : cases) {
        Game.SaveBoardSnapshot();
        EXPECT_EQ(Game.CheckWordPlacement(c.x, c.y, c.direction, c.word), c.code) << c.word;
        if (c.code == 0)
            continue;
        try {
            Game.PlaceWord(c.x, c.y, c.direction, c.word, false);
            ADD_FAILURE() << "no exception for " << c.word.toStdString();
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
    // A refused word changes nothing.
    EXPECT_EQ(Words(), QStringList({"CAT"}));
    EXPECT_TRUE(Events.isEmpty()) << Events.join(", ").toStdString();
    EXPECT_EQ(Game.LastDirection(), wdRight);
    EXPECT_EQ(RowText(2), "..........");
}

TEST(PlacementSizeTest, ElevenLettersDownATenByTwelveGridHasTheWrongLength) {
    FakeServices fake;
    TTestWordGame game;
    game.resize(400, 480);
    game.SetGridSize(10, 12);
    game.SaveBoardSnapshot();
    EXPECT_EQ(game.CheckWordPlacement(0, 0, wdBottom, "ABCDEFGHIJK"), 3);
}

TEST_F(PlacementTest, CrossingOnAnEqualLetterSharesTheCellOnBothBoards) {
    EXPECT_EQ(Game.PlaceWord(2, 0, wdBottom, "TOP", false), 1);
    EXPECT_EQ(Game.GetCellUseCount(2, 0), 2);
    EXPECT_EQ(Game.SolutionBoard()->GetCellUseCount(2, 0), 2);
    EXPECT_EQ(Game.GetCellState(2, 0), uint32_t(wgcsWord));
    EXPECT_EQ(Game.GetCellUseCount(2, 1), 1);
    EXPECT_EQ(Game.SolutionBoard()->GetCellText(2, 2), "P");
}

TEST_F(PlacementTest, DifferingDummyOrFillerLetterGivesCodeZeroThenTheOverlapErrorBox) {
    PutLetter(7, 7, "Z", wgcsFiller);
    const struct {
        int x, y;
        int badX, badY;
    } cases[] = {{5, 3, 5, 5}, {7, 6, 7, 7}};
    for (const auto& c : cases) {
        Events.clear();
        Game.SaveBoardSnapshot();
        ASSERT_EQ(Game.CheckWordPlacement(c.x, c.y, wdBottom, "DOG"), 0);
        Fake.Answer(mrOk);
        EXPECT_EQ(Game.PlaceWord(c.x, c.y, wdBottom, "DOG", false), -1);
        ASSERT_FALSE(Fake.Messages.empty());
        EXPECT_EQ(Fake.Messages.back().text,
                  QString("Invalid word overlap at x:%1, y:%2").arg(c.badX).arg(c.badY));
        EXPECT_EQ(Fake.Messages.back().type, mtError);
        EXPECT_EQ(Events, QStringList({"Modified"}));
        EXPECT_EQ(Game.GetCellText(c.x, c.y), "") << "nothing painted";
    }
    EXPECT_EQ(Words(), QStringList({"CAT"}));
    EXPECT_EQ(Game.GetCellText(5, 5), "Q");
    EXPECT_EQ(Game.GetCellText(7, 7), "Z");
}

// The boards follow a count set through the grid's own interface, so a word
// placed afterwards lands on the solution board too.
TEST_F(WordGameFixture, CountsSetThroughTheGridSizeEveryBoard) {
    TCustomGameGrid& grid = Game;
    grid.SetColCount(12);
    grid.SetRowCount(11);
    Game.ClearGrid();
    for (const TBoardGame* board :
         {Game.BoardGame(), static_cast<TBoardGame*>(Game.SolutionBoard()),
          static_cast<TBoardGame*>(Game.SnapshotBoard())}) {
        EXPECT_EQ(board->ColCount(), 12);
        EXPECT_EQ(board->RowCount(), 11);
    }
    Game.PlaceWord(11, 10, wdLeft, "HORSE", false);
    EXPECT_EQ(Game.SolutionBoard()->GetCellText(7, 10), "E");
}

TEST_F(WordGameFixture, PlacingListsTheWordUpperCasedAndReportsItAsGiven) {
    EXPECT_EQ(Game.PlaceWord(1, 1, wdBottomRight, "cat", false), 0);
    EXPECT_EQ(Events, QStringList({"Modified", "Added cat", "Modified"}));
    EXPECT_EQ(Words(), QStringList({"CAT"}));
    EXPECT_EQ(Game.GetCellText(3, 3), "t") << "the cells show the word as given";
    EXPECT_EQ(ShownColours(2, 2), Role(crNormalWord));
    EXPECT_EQ(Game.LastDirection(), wdBottomRight);
    EXPECT_TRUE(Game.Modified());
    // The snapshot follows the shown board after a placement.
    EXPECT_EQ(Game.SnapshotBoard()->GridData(), Game.BoardGame()->GridData());
    EXPECT_THROW(Game.PlaceWord(1, 1, wdBottomRight, "CAT", false), Exception);
}

// The letters of a word are drawn as it is laid, sharing one painter; the
// image then holds what a full repaint draws, crossings included.
TEST_F(WordGameFixture, PlacedWordsAreDrawnAsAFullRepaintDrawsThem) {
    Game.Repaint();
    const QImage blank = Game.Image().copy();
    Game.PlaceWord(0, 2, wdRight, "GARDEN", false);
    Game.PlaceWord(2, 0, wdBottom, "TORN", false);
    Game.PlaceWord(9, 9, wdTopLeft, "WEED", false);
    const QImage drawn = Game.Image().copy();
    EXPECT_NE(drawn, blank);
    Game.Repaint();
    EXPECT_EQ(drawn, Game.Image());
}

TEST_F(PlacementTest, DummyWordIsPaintedButNotListed) {
    Events.clear();
    EXPECT_EQ(Game.PlaceWord(1, 0, wdBottom, "XYZ", true), -1);
    EXPECT_EQ(Events, QStringList({"Modified"}));
    EXPECT_EQ(Words(), QStringList({"CAT"}));
    // The crossed word letter stays a word letter with its count; the
    // listed words are shown again over the dummy word.
    EXPECT_EQ(Game.GetCellText(1, 0), "A");
    EXPECT_EQ(Game.GetCellState(1, 0), uint32_t(wgcsWord));
    EXPECT_EQ(Game.GetCellUseCount(1, 0), 1);
    EXPECT_EQ(Game.GetCellState(1, 1), uint32_t(wgcsDummy));
    EXPECT_EQ(ShownColours(1, 2), Role(crDummyWord));
    EXPECT_EQ(Game.GetCellUseCount(1, 2), 0);
    EXPECT_EQ(Game.SolutionBoard()->GetCellText(1, 2), "Z");
    EXPECT_EQ(Game.SolutionBoard()->GetCellState(1, 2), uint32_t(wgcsDummy));
}

TEST_F(WordGameFixture, DummyWordRunningOffTheGridIsPaintedOnlyInside) {
    EXPECT_EQ(Game.PlaceWord(-2, 9, wdRight, "ABCDE", true), -1);
    EXPECT_EQ(RowText(9, 0, 3), "CDE.");
    EXPECT_EQ(Game.PlaceWord(8, 0, wdTopRight, "PQ", true), -1);
    EXPECT_EQ(Game.GetCellText(8, 0), "P");
    EXPECT_EQ(Game.SolutionBoard()->GetCellText(8, 0), "P");
    // Column -2 of row 9 would name the record of cell (8, 8): nothing
    // wrapped into another row on either board.
    for (const TBoardGame* board :
         {Game.BoardGame(), static_cast<TBoardGame*>(Game.SolutionBoard())}) {
        int letters = 0;
        for (int x = 0; x < 10; ++x)
            for (int y = 0; y < 10; ++y)
                letters += board->GetCellText(x, y).isEmpty() ? 0 : 1;
        EXPECT_EQ(letters, 4) << "C, D, E and P only";
    }
}

TEST_F(WordGameFixture, WithCheckWordsOffShortAndRepeatedWordsAreListed) {
    Game.SetCheckWords(false);
    EXPECT_EQ(Game.PlaceWord(4, 4, wdRight, "A", false), 0);
    EXPECT_EQ(Game.PlaceWord(0, 0, wdRight, "CAT", false), 1);
    EXPECT_EQ(Game.PlaceWord(0, 5, wdRight, "CAT", false), 2);
    // Exactly over the listed word of that text: painted, no second entry.
    EXPECT_EQ(Game.PlaceWord(0, 5, wdRight, "CAT", false), -1);
    EXPECT_EQ(Words(), QStringList({"A", "CAT", "CAT"}));
    // Validation still refuses an overlap with a different letter.
    Fake.Answer(mrOk);
    EXPECT_EQ(Game.PlaceWord(0, 0, wdBottom, "DOG", false), -1);
    EXPECT_EQ(Fake.Messages.back().text, "Invalid word overlap at x:0, y:0");
}

TEST_F(WordGameFixture, DeletingOneOfTwoCrossingWordsKeepsTheSharedLetter) {
    Game.PlaceWord(0, 0, wdRight, "CAT", false);
    Game.PlaceWord(2, 0, wdBottom, "TOP", false);
    Events.clear();
    Game.RemoveWordAt(0);
    EXPECT_EQ(Events, QStringList({"Modified", "Modified", "Deleted CAT"}));
    EXPECT_EQ(Words(), QStringList({"TOP"}));
    EXPECT_EQ(RowText(0, 0, 2), "..T");
    EXPECT_EQ(Game.GetCellState(0, 0), uint32_t(wgcsBlank));
    EXPECT_EQ(ShownColours(0, 0), Role(crBlankSpace));
    EXPECT_EQ(Game.GetCellState(2, 0), uint32_t(wgcsWord));
    EXPECT_EQ(Game.GetCellUseCount(2, 0), 1);
    EXPECT_EQ(Game.SolutionBoard()->GetCellUseCount(2, 0), 1);
    EXPECT_EQ(Game.SolutionBoard()->GetCellText(1, 0), "");
    EXPECT_THROW(Game.RemoveWordAt(5), EListError);
}

TEST_F(WordGameFixture, DeleteWordRemovesHighlightsWithoutEvent) {
    Game.PlaceWord(0, 0, wdRight, "CAT", false);
    Game.PlaceWord(0, 3, wdRight, "DOG", false);
    Game.HighlightWord(1);
    Events.clear();
    Game.DeleteWordByText("CAT");
    EXPECT_EQ(Events, QStringList({"Modified", "Modified", "Deleted CAT"}));
    EXPECT_EQ(Game.GetCellState(0, 3), uint32_t(wgcsWord));
    EXPECT_EQ(ShownColours(0, 3), Role(crNormalWord));
    Game.DeleteWordByText("cat");
    EXPECT_EQ(Words(), QStringList({"DOG"}));
}

// ---------------------------------------------------------------------------
// Changing a word

class ChangeWordTest : public WordGameFixture {
protected:
    ChangeWordTest() {
        Game.PlaceWord(0, 0, wdRight, "CAR", false);
        Game.PlaceWord(2, 0, wdBottom, "ROW", false);
        Events.clear();
    }
};

TEST_F(ChangeWordTest, RetypingInPlaceFreesTheWordsOwnCells) {
    Game.PlaceWord(0, 5, wdRight, "BAT", false);
    Events.clear();
    Game.ChangeWord(2, 0, 5, wdRight, "BAN", false);
    EXPECT_EQ(Events, QStringList({"Modified", "Modified", "Changed BAT>BAN"}));
    EXPECT_EQ(RowText(5, 0, 3), "BAN.");
    EXPECT_EQ(Game.GetCellUseCount(2, 5), 1);
    EXPECT_EQ(Game.SolutionBoard()->GetCellText(2, 5), "N");
    EXPECT_EQ(Game.GetWordRec(2).Word, "BAN");
}

TEST_F(ChangeWordTest, MovingOntoItsOwnCells) {
    Game.PlaceWord(0, 6, wdRight, "BAT", false);
    Game.ChangeWord(2, 1, 6, wdRight, "BAT", false);
    EXPECT_EQ(RowText(6, 0, 4), ".BAT.");
    EXPECT_EQ(Game.GetCellUseCount(1, 6), 1);
    EXPECT_EQ(Game.GetWordRec(2).X, 1);
}

TEST_F(ChangeWordTest, RefusedChangesLeaveEverythingAsItWas) {
    // CAR's R is shared with ROW, so CAT may not take that cell.
    const struct {
        int index;
        int x, y;
        TWordDirectionType direction;
        QString word;
        QString message;
    } cases[] = {
        {0, 0, 0, wdRight, "CAT", "Invalid word overlap at x:2, y:0"},
        {0, 0, 0, wdRight, "ROW", "Word already exists in the game"},
        {0, 0, 0, wdRight, "CA", "Length of the word is incorrect"},
        {0, 8, 0, wdRight, "CAR", "Word \"CAR\" will not fit in grid"},
        {1, 2, 0, static_cast<TWordDirectionType>(9), "ROW", "No direction found"},
    };
    const QByteArray before = Game.BoardGame()->GridData();
    for (const auto& c : cases) {
        try {
            Game.ChangeWord(c.index, c.x, c.y, c.direction, c.word, false);
            ADD_FAILURE() << "no exception for " << c.word.toStdString();
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), c.message) << c.word.toStdString();
        }
    }
    EXPECT_EQ(Game.BoardGame()->GridData(), before);
    EXPECT_EQ(Words(), QStringList({"CAR", "ROW"}));
    EXPECT_TRUE(Events.isEmpty());
    EXPECT_EQ(Game.LastDirection(), wdBottom);
    EXPECT_THROW(Game.ChangeWord(7, 0, 0, wdRight, "CAR", false), EListError);
}

TEST_F(ChangeWordTest, KeepingTheSharedLetterKeepsItsCount) {
    Game.ChangeWord(1, 2, 0, wdBottom, "RUN", false);
    EXPECT_EQ(Words(), QStringList({"CAR", "RUN"}));
    EXPECT_EQ(Game.GetCellUseCount(2, 0), 2);
    EXPECT_EQ(Game.GetCellText(2, 2), "N");
}

TEST_F(ChangeWordTest, ADummyChangeIsNotRefusedForItsLengthOrText) {
    Game.ChangeWord(1, 5, 5, wdRight, "CAR", true);
    EXPECT_EQ(Words(), QStringList({"CAR", "CAR"}));
    Game.ChangeWord(0, 0, 7, wdRight, "AB", true);
    EXPECT_EQ(Words(), QStringList({"AB", "CAR"}));
    EXPECT_EQ(RowText(7, 0, 2), "AB.");
    EXPECT_EQ(RowText(0, 0, 2), "...");
}

TEST_F(ChangeWordTest, WithCheckWordsOffOnlyThePositionIsChecked) {
    Game.SetCheckWords(false);
    Game.ChangeWord(0, 0, 4, wdRight, "ROW", false);
    EXPECT_EQ(Words(), QStringList({"ROW", "ROW"}));
    EXPECT_EQ(RowText(4, 0, 3), "ROW.");
    EXPECT_EQ(RowText(0, 0, 3), "..R.");
    EXPECT_EQ(Game.LastDirection(), wdRight);
}

// ---------------------------------------------------------------------------
// Game state and colours

TEST_F(WordGameFixture, NewGameClearsTheWordsButNotTheCells) {
    Game.PlaceWord(0, 0, wdRight, "CAT", false);
    Events.clear();
    Fake.Clock = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 0);
    Game.NewGame("Pets", "About pets");
    EXPECT_EQ(Events, QStringList({"Modified"}));
    EXPECT_FALSE(Game.Modified());
    EXPECT_EQ(Game.WordCount(), 0);
    EXPECT_EQ(Game.GetCellText(0, 0), "C");
    EXPECT_EQ(Game.GameTitle(), "Pets");
    EXPECT_EQ(Game.GamePreferences()->GetGameDescription(), "About pets");
    EXPECT_EQ(Game.GamePreferences()->GetGameCreated(), "05032024 140709");
}

TEST_F(WordGameFixture, TitlesAndPropertyTexts) {
    EXPECT_EQ(Game.DefaultGameTitle(), "Custom Word Game");
    EXPECT_EQ(Game.GameTitle(), "Custom Word Game");
    Game.SetDefaultGameTitle("Glyphtrove Game");
    EXPECT_EQ(Game.GameTitle(), "Glyphtrove Game");
    Game.GamePreferences()->SetGameTitle("");
    EXPECT_EQ(Game.GameTitle(), "<untitled " + Game.GamePreferences()->GetGameCreated() + ">");
    EXPECT_EQ(TCustomWordGame::PropertyText(""), "<not specified>");
    EXPECT_EQ(TCustomWordGame::PropertyText("x"), "x");
}

TEST_F(WordGameFixture, SetGridSizeEmptiesEverythingQuietly) {
    Game.PlaceWord(0, 0, wdRight, "CAT", false);
    Game.PlaceWord(0, 1, wdRight, "DOGGY", true);
    Events.clear();
    Game.NewGame("x", "");
    Events.clear();
    Game.SetGridSize(12, 15);
    EXPECT_TRUE(Events.isEmpty());
    EXPECT_FALSE(Game.Modified());
    EXPECT_EQ(Game.ColCount(), 12);
    EXPECT_EQ(Game.SolutionBoard()->RowCount(), 15);
    EXPECT_EQ(Game.SnapshotBoard()->ColCount(), 12);
    // A count the grid refuses leaves the boards at the grid's size too.
    Game.SetColCount(0);
    EXPECT_EQ(Game.SolutionBoard()->ColCount(), 12);
    for (int x = 0; x < 12; ++x)
        for (int y = 0; y < 15; ++y) {
            EXPECT_EQ(Game.GetCell(x, y).Text, "");
            EXPECT_EQ(Game.GetCellState(x, y), 0u);
            EXPECT_EQ(ShownColours(x, y), Role(crBlankSpace));
            EXPECT_EQ(Game.SolutionBoard()->GetCellText(x, y), "");
        }
}

TEST_F(WordGameFixture, StateColoursFollowTheFirstMatchingFlag) {
    const struct {
        uint32_t state;
        TWordGameColourRole role;
    } cases[] = {{0, crBlankSpace}, {1, crRandomLetter}, {2, crDummyWord},
                 {4, crNormalWord}, {8, crHighlighted},  {9, crRandomLetter},
                 {10, crDummyWord}, {12, crNormalWord},  {3, crRandomLetter}};
    for (const auto& c : cases)
        EXPECT_EQ(Game.GetStateColours(c.state), Role(c.role)) << c.state;
}

TEST_F(WordGameFixture, RecolourAllCellsGoesByTheExactStateAndKeepsIt) {
    Game.PlaceWord(0, 0, wdRight, "CAT", false);
    Game.HighlightWord(0);
    PutLetter(5, 5, "Q", wgcsFiller);
    Game.SetCellColours(5, 5, clAqua, clAqua);
    Game.RecolourAllCells();
    EXPECT_EQ(Game.GetCellState(0, 0), 12u);
    EXPECT_EQ(ShownColours(0, 0), Role(crNormalWord));
    EXPECT_EQ(ShownColours(5, 5), Role(crRandomLetter));
    // Changing a colour of the properties recolours the grid.
    Game.GamePreferences()->ColourPreferences()->SetNormalWordBackground(clYellow);
    Game.GamePreferences()->SetGameAuthor("me");
    EXPECT_EQ(Game.GetCellColour(1, 0), clYellow);
}

TEST_F(WordGameFixture, FitWordFindsTheBestSharingPlaceWithoutPlacing) {
    Game.PlaceWord(0, 0, wdRight, "CAT", false);
    int x = -1, y = -1;
    TWordDirectionType direction = wdTop;
    EXPECT_TRUE(Game.FitWord(AllWordDirections, "TEA", x, y, direction));
    EXPECT_EQ(x, 2);
    EXPECT_EQ(y, 0);
    EXPECT_EQ(direction, wdRight);
    EXPECT_EQ(Words(), QStringList({"CAT"}));
    EXPECT_EQ(Game.GetCellText(3, 0), "");
    EXPECT_THROW(Game.FitWord(0, "TEA", x, y, direction), EFitin);
    EXPECT_EQ(x, 2);
}

} // namespace
