#include "engine/wordgame/FitInUn.h"

#include "support/FakeServices.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <tuple>

namespace {

using Placement = std::tuple<int, int, TWordDirectionType>;

void FillBlank(TBoardGame& Board) {
    Board.Fill("", clWhite, clBlack, -1, wgcsBlank, false, true);
}

// Lays a word's letters on the board as a placed word does: state 4 and one
// more use per cell.
void PutWord(TBoardGame& Board, int X, int Y, TWordDirectionType Direction, const QString& Word) {
    const TDirectionOffset step = GetDirectionOffset(Direction);
    for (const QChar letter : Word) {
        TGameCellRecord cell = Board.ReadCell(X, Y);
        cell.Text = letter;
        cell.State = wgcsWord;
        cell.UseCount += 1;
        Board.WriteCell(X, Y, cell);
        StepCell(X, Y, step.ColumnStep, step.RowStep);
    }
}

void SetCell(TBoardGame& Board, int X, int Y, const QString& Text, uint32_t State) {
    Board.SetCellText(X, Y, Text);
    Board.SetCellState(X, Y, State);
}

std::vector<Placement> Candidates(const TFitIn& FitIn) {
    std::vector<Placement> result;
    for (int i = 0; i < FitIn.Items().Count(); ++i) {
        TFitInItem item;
        FitIn.Items().Get(i, item);
        result.emplace_back(item.X, item.Y, item.Direction);
    }
    return result;
}

struct FitResult {
    bool Found;
    Placement Place;
};

FitResult RunFit(TFitIn& FitIn, const QString& Word, uint8_t Directions = AllWordDirections) {
    FitIn.SetWord(Word);
    FitIn.SetDirections(Directions);
    int x = -1, y = -1;
    TWordDirectionType direction = wdTopLeft;
    const bool found = FitIn.Fit(x, y, direction);
    return {found, {x, y, direction}};
}

// A plain persistent object that is not a board.
class TNotABoard : public TPersistent {};

// Fit takes what the list of its search offers: the first of the best when
// any place scores, else the place drawn at random from the whole list.
void ExpectFitChoosesFromTheList(TFitIn& FitIn, Services& Random) {
    const uint32_t seed = Random.RandSeed();
    int x = -1, y = -1;
    TWordDirectionType direction = wdTopLeft;
    if (FitIn.Word().length() > std::max(FitIn.ColCount(), FitIn.RowCount())) {
        EXPECT_THROW(FitIn.Fit(x, y, direction), EFitin);
        return;
    }
    const bool found = FitIn.Fit(x, y, direction);
    int total = 0;
    for (const TFitInItem& item : FitIn.Items())
        total += item.Score;
    EXPECT_EQ(FitIn.TotalScore(), total);
    Random.SetRandSeed(seed);
    int listX = -1, listY = -1;
    TWordDirectionType listDirection = wdTopLeft;
    const bool listed = total != 0 ? FitIn.PickBest(listX, listY, listDirection)
                                   : FitIn.PickRandom(listX, listY, listDirection);
    EXPECT_EQ(found, listed);
    if (found) {
        EXPECT_EQ(std::make_tuple(x, y, direction), std::make_tuple(listX, listY, listDirection));
    }
}

// The search lists exactly the places, with their scores, that a test of
// each place on its own accepts.
void ExpectSearchListsEveryPlaceTestedAlone(TFitIn& FitIn) {
    FitIn.CollectCandidates();
    std::vector<std::tuple<int, int, TWordDirectionType, int>> listed, tested;
    for (const TFitInItem& item : FitIn.Items())
        listed.emplace_back(item.X, item.Y, item.Direction, item.Score);
    for (int y = 0; y < FitIn.RowCount(); ++y)
        for (int x = 0; x < FitIn.ColCount(); ++x)
            for (int d = wdTopLeft; d <= wdLeft; ++d) {
                int score = 0;
                if ((FitIn.Directions() >> d & 1) &&
                    FitIn.TestPlacement(x, y, TWordDirectionType(d), score))
                    tested.emplace_back(x, y, TWordDirectionType(d), score);
            }
    EXPECT_EQ(listed, tested);
}

} // namespace

TEST(FitIn, SharesTheTOfCatFirstFound) {
    FakeServices fake;
    TFitIn fitIn(10, 10);
    FillBlank(fitIn);
    PutWord(fitIn, 0, 0, wdRight, "CAT");
    const FitResult result = RunFit(fitIn, "TEA");
    ASSERT_TRUE(result.Found);
    EXPECT_EQ(result.Place, Placement(2, 0, wdRight));
    EXPECT_GT(fitIn.TotalScore(), 1); // several placements share one letter; the first wins
}

TEST(FitIn, TestPlacementAgreesWithTheSearch) {
    FakeServices fake;
    TFitIn fitIn(10, 10);
    FillBlank(fitIn);
    PutWord(fitIn, 0, 0, wdRight, "CAT");
    RunFit(fitIn, "TEA");
    const struct {
        int X, Y;
        TWordDirectionType Direction;
        bool Fits;
        int Score;
    } cases[] = {
        {2, 0, wdRight, true, 1},     // through the T of CAT
        {1, 0, wdRight, false, 0},    // T onto A
        {8, 0, wdRight, false, 0},    // runs off the grid
        {0, 1, wdBottom, true, 0},    // clear of CAT
        {1, 2, wdTop, true, 1},       // its A on the A of CAT
        {0, 2, wdTopRight, false, 0}, // its A onto the T of CAT
    };
    const std::vector<Placement> candidates = Candidates(fitIn);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.X << "," << c.Y << "," << int(c.Direction));
        int score = -1;
        EXPECT_EQ(fitIn.TestPlacement(c.X, c.Y, c.Direction, score), c.Fits);
        if (c.Fits) {
            EXPECT_EQ(score, c.Score);
        }
        const bool listed = std::find(candidates.begin(), candidates.end(),
                                      Placement(c.X, c.Y, c.Direction)) != candidates.end();
        EXPECT_EQ(listed, c.Fits);
    }
}

TEST(FitIn, ScoreIsTheUseCountOfSharedCells) {
    FakeServices fake;
    TFitIn fitIn(10, 10);
    FillBlank(fitIn);
    PutWord(fitIn, 0, 0, wdRight, "CAT");
    // MAP and RAN cross at (5, 5): its A is used twice and outweighs the T of CAT.
    PutWord(fitIn, 4, 5, wdRight, "MAP");
    PutWord(fitIn, 5, 4, wdBottom, "RAN");
    const FitResult result = RunFit(fitIn, "TEA");
    ASSERT_TRUE(result.Found);
    EXPECT_EQ(result.Place, Placement(3, 3, wdBottomRight));
}

// Use counts below zero come only from a board set by hand: a place that
// scores below nothing loses to the first place that shares no letter.
TEST(FitIn, PlaceScoringBelowNothingLosesToTheFirstEmptyPlace) {
    FakeServices fake;
    TFitIn fitIn(5, 1);
    FillBlank(fitIn);
    SetCell(fitIn, 4, 0, "B", wgcsWord);
    fitIn.SetCellUseCount(4, 0, -2);
    const FitResult result = RunFit(fitIn, "AB", uint8_t(1 << wdRight));
    ASSERT_TRUE(result.Found);
    EXPECT_EQ(fitIn.TotalScore(), -2);
    EXPECT_EQ(result.Place, Placement(0, 0, wdRight));
}

TEST(FitIn, PickBestTakesTheFirstOfEqualHighestScores) {
    TFitIn fitIn(5, 5);
    fitIn.Items().Add(0, 0, wdRight, 1);
    fitIn.Items().Add(1, 0, wdBottom, 3);
    fitIn.Items().Add(2, 0, wdLeft, 2);
    fitIn.Items().Add(3, 0, wdTop, 3);
    int x = -1, y = -1;
    TWordDirectionType direction = wdTopLeft;
    ASSERT_TRUE(fitIn.PickBest(x, y, direction));
    EXPECT_EQ(Placement(x, y, direction), Placement(1, 0, wdBottom));
}

TEST(FitIn, EmptyFiveByFiveGivesFullLinesOnlyAndPicksOneAtRandom) {
    const std::vector<Placement> fullLines = [] {
        std::vector<Placement> lines;
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 5; ++x)
                for (int d = wdTopLeft; d <= wdLeft; ++d) {
                    const auto dir = TWordDirectionType(d);
                    const TDirectionOffset step = GetDirectionOffset(dir);
                    const int endX = x + 4 * step.ColumnStep, endY = y + 4 * step.RowStep;
                    if (endX >= 0 && endX < 5 && endY >= 0 && endY < 5)
                        lines.emplace_back(x, y, dir);
                }
        return lines;
    }();
    ASSERT_EQ(fullLines.size(), 24u); // 5 rows and 5 columns both ways, 2 diagonals both ways

    // Filler letters neither block nor score, and neither does a word cell
    // without a letter.
    for (const uint32_t state : {uint32_t(wgcsBlank), uint32_t(wgcsFiller)}) {
        SCOPED_TRACE(state);
        FakeServices fake;
        TFitIn fitIn(5, 5);
        fitIn.Fill(state == wgcsFiller ? "Z" : "", clWhite, clBlack, -1, state, false, true);
        SetCell(fitIn, 2, 2, "", wgcsWord);
        fake.SetRandSeed(1234);
        const int drawn = fake.Random(24);
        fake.SetRandSeed(1234);
        const FitResult result = RunFit(fitIn, "HORSE");
        ASSERT_TRUE(result.Found);
        EXPECT_EQ(Candidates(fitIn), fullLines);
        EXPECT_EQ(fitIn.TotalScore(), 0);
        EXPECT_EQ(result.Place, fullLines[size_t(drawn)]);
    }
}

TEST(FitIn, DifferentWordOrDummyLetterBlocks) {
    for (const uint32_t state : {uint32_t(wgcsWord), uint32_t(wgcsDummy), 12u}) {
        SCOPED_TRACE(state);
        FakeServices fake;
        TFitIn fitIn(3, 1);
        FillBlank(fitIn);
        SetCell(fitIn, 1, 0, "X", state);
        EXPECT_FALSE(RunFit(fitIn, "CAT").Found);
        EXPECT_EQ(Candidates(fitIn).size(), 0u);
        SetCell(fitIn, 1, 0, "A", state);
        fitIn.SetCellUseCount(1, 0, 1);
        const FitResult result = RunFit(fitIn, "CAT");
        ASSERT_TRUE(result.Found);
        EXPECT_EQ(result.Place, Placement(0, 0, wdRight)) << "the shared A scores";
    }
}

TEST(FitIn, NoPlaceLeavesTheOutputsAlone) {
    FakeServices fake;
    TFitIn fitIn(3, 3);
    fitIn.Fill("Q", clWhite, clBlack, -1, wgcsWord, false, true);
    int x = 7, y = 8;
    TWordDirectionType direction = wdBottomLeft;
    fitIn.SetWord("CAT");
    fitIn.SetDirections(AllWordDirections);
    EXPECT_FALSE(fitIn.Fit(x, y, direction));
    EXPECT_EQ(Placement(x, y, direction), Placement(7, 8, wdBottomLeft));
    EXPECT_FALSE(fitIn.PickBest(x, y, direction));
}

TEST(FitIn, WordLongerThanOneSideRunsAlongTheOther) {
    FakeServices fake;
    TFitIn fitIn(5, 10);
    FillBlank(fitIn);
    ASSERT_TRUE(RunFit(fitIn, "GOPHER").Found);
    const std::vector<Placement> candidates = Candidates(fitIn);
    EXPECT_EQ(candidates.size(), 50u); // 5 columns x 5 starts x 2 directions
    for (const Placement& place : candidates)
        EXPECT_TRUE(std::get<2>(place) == wdTop || std::get<2>(place) == wdBottom);
}

TEST(FitIn, OnlyAllowedDirectionsAreTried) {
    FakeServices fake;
    TFitIn fitIn(4, 4);
    FillBlank(fitIn);
    RunFit(fitIn, "OWL", uint8_t(1u << wdLeft | 1u << wdTopRight));
    std::set<TWordDirectionType> seen;
    for (const Placement& place : Candidates(fitIn))
        seen.insert(std::get<2>(place));
    EXPECT_EQ(seen, (std::set<TWordDirectionType>{wdTopRight, wdLeft}));
}

TEST(FitIn, FitRefusals) {
    struct Case {
        uint8_t Directions;
        QString Word;
        const char* Message;
    };
    const Case cases[] = {
        {0, "", "No valid directions found"},
        {0, "CAT", "No valid directions found"},
        {AllWordDirections, "", "No word assigned"},
        {1u << wdRight, "HORSES",
         "Word length is greater than the grid size. No space big enough in the grid."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Message);
        TFitIn fitIn(5, 5);
        FillBlank(fitIn);
        try {
            RunFit(fitIn, c.Word, c.Directions);
            ADD_FAILURE() << "no EFitin";
        } catch (const EFitin& error) {
            EXPECT_EQ(error.Message(), c.Message);
        }
    }
}

TEST(FitIn, AssignTakesBoardsOnly) {
    TBoardGame board(4, 3);
    FillBlank(board);
    PutWord(board, 0, 1, wdRight, "MOLE");
    TFitIn fitIn(4, 3);
    fitIn.Assign(&board);
    EXPECT_EQ(fitIn.GridData(), board.GridData());

    TFitIn other(4, 3);
    other.Assign(&fitIn);
    EXPECT_EQ(other.GridData(), board.GridData());

    TNotABoard notABoard;
    for (TPersistent* source : {static_cast<TPersistent*>(&notABoard), (TPersistent*)nullptr}) {
        try {
            fitIn.Assign(source);
            ADD_FAILURE() << "no EFitin";
        } catch (const EFitin& error) {
            EXPECT_EQ(error.Message(), "Source is not a board game class");
        }
    }
    try {
        notABoard.Assign(&fitIn);
        ADD_FAILURE() << "no EFitin";
    } catch (const EFitin& error) {
        EXPECT_EQ(error.Message(), "Destination is not a board game class");
    }
    EXPECT_EQ(fitIn.GridData(), board.GridData());
}

TEST(FitInItemList, AddGetDeleteClear) {
    TFitInItemList list;
    EXPECT_EQ(list.Add(1, 2, wdTop, 0), 0);
    EXPECT_EQ(list.Add(3, 4, wdLeft, 5), 1);
    EXPECT_EQ(list.Add(5, 6, wdBottom, 7), 2);
    list.Delete(0);
    TFitInItem item;
    list.Get(0, item);
    EXPECT_EQ(std::make_tuple(item.X, item.Y, item.Direction, item.Score),
              std::make_tuple(3, 4, wdLeft, 5));
    EXPECT_THROW(list.Get(2, item), EListError);
    EXPECT_THROW(list.Delete(-1), EListError);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

// The search tests whole rows of places at once; on boards of scattered
// word, dummy and filler letters it must still list exactly the places a
// test of each place on its own accepts, with the same scores, and choose
// from that list.
TEST(FitIn, SearchAgreesWithEveryPlacementTestedAlone) {
    FakeServices fake;
    fake.SetRandSeed(77);
    const uint32_t states[] = {wgcsBlank, wgcsFiller, wgcsDummy, wgcsWord, wgcsWord};
    for (int round = 0; round < 24; ++round) {
        SCOPED_TRACE(round);
        // The last rounds are wider than one machine word of cells.
        const int columns = round < 20 ? 3 + fake.Random(10) : 60 + fake.Random(80);
        const int rows = 3 + fake.Random(10);
        TFitIn fitIn(columns, rows);
        FillBlank(fitIn);
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < columns; ++x) {
                const uint32_t state = states[fake.Random(5)];
                if (state == wgcsBlank || (columns > 64 && fake.Random(6) != 0))
                    continue;
                SetCell(fitIn, x, y, QString(QChar('A' + fake.Random(3))), state);
                fitIn.SetCellUseCount(x, y, fake.Random(3));
            }
        fitIn.SetWord(QString("ABCAB").left(2 + fake.Random(4)));
        fitIn.SetDirections(uint8_t(1 + fake.Random(255)));
        ExpectSearchListsEveryPlaceTestedAlone(fitIn);
        ExpectFitChoosesFromTheList(fitIn, fake);
    }
}

// A placer kept for many searches follows the board from one search to the
// next, as a game's placer takes it before each search: letters laid, taken
// off, turned to fillers or changed, in some of the board's storage blocks
// and not others, on the board or on the placer itself, and a size or a set
// of directions that changes between searches.
TEST(FitIn, KeptPlacerFollowsEveryChangeOfTheBoard) {
    FakeServices fake;
    fake.SetRandSeed(91);
    const uint32_t states[] = {wgcsBlank, wgcsFiller, wgcsDummy, wgcsWord, wgcsWord};
    TBoardGame board(30, 20);
    FillBlank(board);
    TFitIn fitIn(30, 20);
    uint8_t directions = AllWordDirections;
    const auto changeCell = [&](TBoardGame& Changed) {
        const int x = fake.Random(Changed.ColCount()), y = fake.Random(Changed.RowCount());
        SetCell(Changed, x, y, QString(QChar('A' + fake.Random(3))), states[fake.Random(5)]);
        Changed.SetCellUseCount(x, y, fake.Random(3));
    };
    for (int round = 0; round < 60; ++round) {
        SCOPED_TRACE(round);
        if (round % 20 == 19) {
            board.SetColCount(4 + fake.Random(30));
            board.SetRowCount(4 + fake.Random(16));
            FillBlank(board);
        }
        if (round % 15 == 14)
            directions = uint8_t(1 + fake.Random(255));
        for (int changes = 1 + fake.Random(4); changes > 0; --changes)
            changeCell(board);
        fitIn.SetColCount(board.ColCount());
        fitIn.SetRowCount(board.RowCount());
        fitIn.Assign(&board);
        if (round % 3 == 2)
            changeCell(fitIn);
        fitIn.SetWord(QString("ABCAB").left(2 + fake.Random(4)));
        fitIn.SetDirections(directions);
        ExpectSearchListsEveryPlaceTestedAlone(fitIn);
        ExpectFitChoosesFromTheList(fitIn, fake);
    }
}
