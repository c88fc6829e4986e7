#include "engine/puzzle/GlyphtrovePlayerUn.h"

#include "support/FakeServices.h"
#include "support/Screenshot.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr TColor NewWordGreen = 0x008000;

struct Cell {
    int Column;
    int Row;
};

int64_t Ms(TDateTime Value) {
    return DateTimeToMSecs(Value);
}

TDateTime Seconds(int Count) {
    return MSecsToDateTime(int64_t(Count) * 1000);
}

// A player on a shown 15 x 15 board of 20-pixel cells, its events logged.
class Board {
public:
    explicit Board(int Side = 15, int CellSize = 20) {
        Player.SetGridLineWidth(0);
        Player.SetBorderStyle(bsNone);
        Player.SetDrawCellIn3D(false);
        Player.SetWidth(Side * CellSize);
        Player.SetHeight(Side * CellSize);
        Player.SetGridSize(Side, Side);
        Player.OnWordFound = [this](TObject*, const QString& Word) { Found.push_back(Word); };
        Player.OnWordNotFound = [this](TObject*, const QString& Word) { NotFound.push_back(Word); };
        Player.OnGameStateChange = [this](TObject*, TWordGameStateType State) {
            States.push_back(State);
        };
        Player.OnTimer = [this](TObject*, TDateTime Time) { Ticks.push_back(Ms(Time)); };
        Player.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&Player));
        Player.RecalculateLayout();
        QApplication::processEvents();
    }

    FakeTimer& Timer() { return *Fake.Timers.front(); }
    // A second of play passes and the game timer fires.
    void Tick() {
        Fake.Advance(1000);
        Timer().Fire();
    }
    // Lets Ms of play pass as a real timer runs, from just after the clock
    // was started or continued: the timer fires each time its interval has
    // passed since it was last started or fired.
    void PlayFor(int64_t Ms) {
        const int64_t end = DateTimeToMSecs(Fake.Clock) + Ms;
        int64_t due = DateTimeToMSecs(Fake.Clock) + Timer().Interval();
        while (Timer().Enabled() && due <= end) {
            Fake.Clock = MSecsToDateTime(due);
            Timer().Fire();
            due += Timer().Interval();
        }
        Fake.Clock = MSecsToDateTime(end);
    }

    void Place(int X, int Y, TWordDirectionType Direction, const QString& Word) {
        Player.PlaceWord(X, Y, Direction, Word, false);
    }

    // Starts the game and forgets the events that starting raised.
    void Start() {
        Player.StartGame();
        ClearLogs();
    }

    void ClearLogs() {
        Found.clear();
        NotFound.clear();
        States.clear();
        Ticks.clear();
    }

    QPoint Centre(Cell At) const {
        const TRect rect = Player.CellRect(At.Column, At.Row);
        return QPoint(rect.Left + rect.Width() / 2, rect.Top + rect.Height() / 2);
    }

    void Press(Cell At) { QTest::mousePress(&Player, Qt::LeftButton, {}, Centre(At)); }

    // Press on From, move through every cell of Path, release on the last.
    void Drag(Cell From, std::vector<Cell> Path) {
        Press(From);
        for (const Cell& via : Path)
            QTest::mouseMove(&Player, Centre(via));
        QTest::mouseRelease(&Player, Qt::LeftButton, {}, Centre(Path.back()));
    }
    void Drag(Cell From, Cell To) { Drag(From, std::vector<Cell>{To}); }

    QRgb Pixel(int X, int Y) const { return Player.Image().pixel(X, Y); }
    // Whether a pixel within Reach of (X, Y) shows about Colour: the circle is
    // drawn smoothed, so its edge pixels blend into the cell.
    bool ShowsNear(int X, int Y, TColor Colour, int Reach = 1) const {
        const QColor wanted = ToQColor(Colour);
        for (int x = X - Reach; x <= X + Reach; ++x)
            for (int y = Y - Reach; y <= Y + Reach; ++y) {
                const QColor seen = QColor::fromRgb(Pixel(x, y));
                if (std::abs(seen.red() - wanted.red()) < 48 &&
                    std::abs(seen.green() - wanted.green()) < 48 &&
                    std::abs(seen.blue() - wanted.blue()) < 48)
                    return true;
            }
        return false;
    }
    static QRgb Rgb(TColor Colour) { return ToQColor(Colour).rgb(); }

    FakeServices Fake;
    TGlyphtrovePlayer Player;
    std::vector<QString> Found;
    std::vector<QString> NotFound;
    std::vector<TWordGameStateType> States;
    std::vector<int64_t> Ticks;
};

Cell LastLetter(Cell First, TWordDirectionType Direction, const QString& Word) {
    const TDirectionOffset step = GetDirectionOffset(Direction);
    const int last = Word.length() - 1;
    return {First.Column + last * step.ColumnStep, First.Row + last * step.RowStep};
}

} // namespace

class PlayerDragTest : public ::testing::TestWithParam<TWordDirectionType> {};

TEST_P(PlayerDragTest, DragFromFirstToLastLetterFindsTheWord) {
    Board board;
    const Cell first{7, 7};
    board.Place(first.Column, first.Row, GetParam(), "PLAYER");
    board.Place(0, 0, wdRight, "GRID");
    board.Start();
    ASSERT_EQ(2, board.Player.FoundWords());

    board.Drag(first, LastLetter(first, GetParam(), "PLAYER"));

    EXPECT_EQ(std::vector<QString>{"PLAYER"}, board.Found);
    EXPECT_TRUE(board.NotFound.empty());
    EXPECT_EQ(1, board.Player.FoundWords());
    EXPECT_TRUE(board.Player.IsWordFound("PLAYER"));
    EXPECT_FALSE(board.Player.IsWordFound("GRID"));
    EXPECT_TRUE(board.Player.IsGameUnderway());
    EXPECT_FALSE(board.Player.IsDragging());
}

TEST_P(PlayerDragTest, DragFromLastToFirstLetterReadsTheWordReversed) {
    Board board;
    const Cell first{7, 7};
    board.Place(first.Column, first.Row, GetParam(), "PLAYER");
    board.Start();

    board.Drag(LastLetter(first, GetParam(), "PLAYER"), first);

    EXPECT_TRUE(board.Found.empty());
    EXPECT_EQ(std::vector<QString>{"REYALP"}, board.NotFound);
    EXPECT_EQ(1, board.Player.FoundWords());
    EXPECT_FALSE(board.Player.IsGameUnderway());
}

INSTANTIATE_TEST_SUITE_P(EveryDirection, PlayerDragTest,
                         ::testing::Values(wdTopLeft, wdTop, wdTopRight, wdRight, wdBottomRight,
                                           wdBottom, wdBottomLeft, wdLeft));

TEST(Player, ABentDragOrAOneCellDropReadsNothing) {
    struct Case {
        const char* Name;
        Cell From;
        std::vector<Cell> Path;
    };
    const std::vector<Case> cases = {
        {"two columns right and one row down", {2, 2}, {{3, 2}, {4, 3}}},
        {"a bend through the word's letters", {2, 2}, {{4, 2}, {6, 4}}},
        {"dropped on the press cell", {2, 2}, {{2, 2}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Board board;
        board.Place(2, 2, wdRight, "HOUSE");
        board.Start();
        board.Drag(c.From, c.Path);
        EXPECT_EQ(std::vector<QString>{""}, board.NotFound);
        EXPECT_TRUE(board.Found.empty());
        EXPECT_EQ(1, board.Player.FoundWords());
    }
}

TEST(Player, AWordListedTwiceIsFoundTwice) {
    Board board;
    board.Player.SetCheckWords(false);
    board.Place(1, 1, wdRight, "OWL");
    board.Place(1, 5, wdBottom, "OWL");
    board.Start();
    ASSERT_EQ(2, board.Player.FoundWords());

    board.Drag({1, 1}, {3, 1});
    EXPECT_EQ(1, board.Player.FoundWords());
    EXPECT_FALSE(board.Player.IsWordFound("OWL"));
    EXPECT_FALSE(board.Player.IsWordFound("owl")) << "look-ups ignore letter case";

    // A lower-case letter in the grid still spells the word.
    board.Player.SetCellText(1, 6, "w");
    board.Drag({1, 5}, {1, 7});
    EXPECT_EQ((std::vector<QString>{"OWL", "OwL"}), board.Found);
    EXPECT_EQ(0, board.Player.FoundWords());
    EXPECT_TRUE(board.Player.IsWordFound("OWL"));
    EXPECT_EQ(std::vector<TWordGameStateType>{wgsCompleted}, board.States);
}

TEST(Player, AnyLineThatSpellsARemainingWordFindsIt) {
    Board board;
    board.Player.GamePreferences()->SetUnusedSpace(3); // blank cells stay blank
    board.Place(3, 2, wdRight, "CAT");
    board.Place(3, 9, wdRight, "DOG");
    board.Start();
    ASSERT_EQ("", board.Player.GetCellText(1, 2).toStdString());

    // Blank cells read as nothing: the drag from two cells before the C spells CAT.
    board.Drag({1, 2}, {5, 2});
    // Letters written elsewhere spell DOG; the marker follows the drag.
    board.Player.SetCellText(10, 4, "D");
    board.Player.SetCellText(10, 5, "O");
    board.Player.SetCellText(10, 6, "G");
    board.Drag({10, 4}, {10, 6});

    EXPECT_EQ((std::vector<QString>{"CAT", "DOG"}), board.Found);
    ASSERT_EQ(2, board.Player.FoundList().Count());
    const TWordFoundItem& cat = board.Player.FoundList().GetItem(0);
    EXPECT_EQ(1, cat.StartColumn);
    EXPECT_EQ(5, cat.EndColumn);
    const TWordFoundItem& dog = board.Player.FoundList().GetItem(1);
    EXPECT_EQ(10, dog.StartColumn);
    EXPECT_EQ(4, dog.StartRow);
    EXPECT_EQ(10, dog.EndColumn);
    EXPECT_EQ(6, dog.EndRow);
    EXPECT_THROW(board.Player.FoundList().GetItem(2), EListError);
}

TEST(Player, HeldStartCellShowsSwappedColoursAndTheHandCursor) {
    Board board;
    board.Place(2, 2, wdRight, "HOUSE");
    board.Start();
    const TColor colour = board.Player.GetCellColour(2, 2);
    const TColor textColour = board.Player.GetCellTextColour(2, 2);

    board.Press({2, 2});
    EXPECT_TRUE(board.Player.IsDragging());
    EXPECT_EQ(Qt::PointingHandCursor, board.Player.cursor().shape());
    EXPECT_EQ(textColour, board.Player.GetCellColour(2, 2));
    EXPECT_EQ(colour, board.Player.GetCellTextColour(2, 2));

    QTest::mouseRelease(&board.Player, Qt::LeftButton, {}, board.Centre({6, 2}));
    EXPECT_FALSE(board.Player.IsDragging());
    EXPECT_EQ(Qt::ArrowCursor, board.Player.cursor().shape());
    EXPECT_EQ(colour, board.Player.GetCellColour(2, 2));
    EXPECT_EQ(textColour, board.Player.GetCellTextColour(2, 2));
    EXPECT_EQ(std::vector<QString>{"HOUSE"}, board.Found);
}

TEST(Player, AReleaseOutsideTheControlAbandonsTheDrag) {
    Board board;
    board.Place(2, 2, wdRight, "HOUSE");
    board.Start();
    const TColor colour = board.Player.GetCellColour(2, 2);

    board.Press({2, 2});
    QTest::mouseRelease(&board.Player, Qt::LeftButton, {}, QPoint(-30, 45));

    EXPECT_FALSE(board.Player.IsDragging());
    EXPECT_EQ(colour, board.Player.GetCellColour(2, 2));
    EXPECT_TRUE(board.Found.empty());
    EXPECT_TRUE(board.NotFound.empty());
}

// Outside the grid a point has no cell; the line from the start cell toward
// "no cell" must not read as the diagonal up-left of it.
TEST(Player, ADropOutsideTheGridsCellsFindsNothing) {
    struct Case {
        const char* Name;
        std::function<void(Board&)> EndDrag;
        std::vector<QString> NotFound;
    };
    // The 6 x 6 grid of 21-pixel cells covers 126 x 126 of the 130 x 150 control.
    const auto releaseAt = [](int X, int Y) {
        return [X, Y](Board& board) {
            QTest::mouseMove(&board.Player, board.Centre({2, 5}));
            QTest::mouseMove(&board.Player, QPoint(X, Y));
            QTest::mouseRelease(&board.Player, Qt::LeftButton, {}, QPoint(X, Y));
        };
    };
    const std::vector<Case> cases = {
        // Abandoned, as a release outside the control is.
        {"released just below the last row", releaseAt(52, 128), {}},
        {"released right of the last column", releaseAt(128, 52), {}},
        {"released below and right of the grid", releaseAt(128, 140), {}},
        // Dropped outside the grid and judged.
        {"the time runs out", [](Board& board) { board.Tick(); }, {""}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Board board(6, 20);
        board.Player.SetWidth(130);
        board.Player.SetHeight(150);
        board.Player.RecalculateLayout();
        QApplication::processEvents();
        ASSERT_EQ(126, board.Player.ClientHeight());
        board.Place(2, 2, wdTopLeft, "CAT");
        board.Place(0, 5, wdRight, "DOG");
        board.Player.SetTimed(true);
        board.Player.SetCountDown(true);
        board.Player.SetTimeLeft(Seconds(1));
        board.Start();
        const TColor colour = board.Player.GetCellColour(2, 2);
        const TColor textColour = board.Player.GetCellTextColour(2, 2);

        board.Press({2, 2});
        c.EndDrag(board);

        EXPECT_TRUE(board.Found.empty());
        EXPECT_EQ(c.NotFound, board.NotFound);
        EXPECT_EQ(2, board.Player.FoundWords());
        EXPECT_EQ(0, board.Player.FoundList().Count());
        EXPECT_FALSE(board.Player.IsDragging());
        EXPECT_EQ(colour, board.Player.GetCellColour(2, 2));
        EXPECT_EQ(textColour, board.Player.GetCellTextColour(2, 2));
        EXPECT_NE(wgsCompleted, board.Player.GameState());
    }
}

TEST(Player, APressOutsideTheBoardStartsNoSelection) {
    Board board(15, 20);
    board.Player.SetWidth(400); // the grid covers 300 of the 400 pixels
    board.Place(2, 2, wdRight, "HOUSE");
    board.Start();
    QTest::mousePress(&board.Player, Qt::LeftButton, {}, QPoint(350, 10));
    EXPECT_FALSE(board.Player.IsDragging());
}

TEST(Player, GivingUpStopsTheClockAndEndsSelecting) {
    Board board;
    board.Place(2, 2, wdRight, "HOUSE");
    board.Place(2, 4, wdRight, "GARDEN");
    board.Place(9, 1, wdBottom, "FENCE");
    board.Player.SetTimed(true);
    board.Start();
    board.Drag({2, 4}, {7, 4});
    board.ClearLogs();

    board.Player.GiveUp(false);
    EXPECT_TRUE(board.Player.GivenUp());
    EXPECT_FALSE(board.Timer().Enabled());
    EXPECT_TRUE(board.Found.empty());
    EXPECT_EQ(wgsInProgress, board.Player.GameState());
    EXPECT_EQ(2, board.Player.FoundWords());

    const TColor colour = board.Player.GetCellColour(2, 2);
    board.Drag({2, 2}, {6, 2});
    EXPECT_FALSE(board.Player.IsDragging());
    EXPECT_EQ(colour, board.Player.GetCellColour(2, 2));
    EXPECT_TRUE(board.Found.empty());
    EXPECT_TRUE(board.NotFound.empty());

    board.Player.GiveUp(true);
    EXPECT_EQ((std::vector<QString>{"HOUSE", "FENCE"}), board.Found);
    EXPECT_EQ(2, board.Player.FoundWords());
    ASSERT_EQ(3, board.Player.FoundList().Count());
    const TWordFoundItem& fence = board.Player.FoundList().GetItem(2);
    EXPECT_EQ(9, fence.StartColumn);
    EXPECT_EQ(1, fence.StartRow);
    EXPECT_EQ(9, fence.EndColumn);
    EXPECT_EQ(5, fence.EndRow);

    board.Player.RestartGame();
    EXPECT_FALSE(board.Player.GivenUp());
    EXPECT_EQ(3, board.Player.FoundWords());
    EXPECT_EQ(0, board.Player.FoundList().Count());
    board.Drag({2, 2}, {6, 2});
    EXPECT_EQ(2, board.Player.FoundWords());
}

TEST(Player, GivingUpRevealsEachListedOccurrenceOnce) {
    Board board;
    board.Player.SetCheckWords(false);
    board.Place(1, 1, wdRight, "OWL");
    board.Place(1, 5, wdBottom, "OWL");
    board.Start();
    board.Drag({1, 5}, {1, 7});
    board.ClearLogs();

    board.Player.GiveUp(true);
    EXPECT_EQ(std::vector<QString>{"OWL"}, board.Found);
    EXPECT_EQ(2, board.Player.FoundList().Count());
}

TEST(Player, GivingUpRevealsThePlacementOfAWordListedTwiceThatIsStillUnfound) {
    Board board;
    board.Player.SetCheckWords(false);
    board.Place(1, 1, wdRight, "OWL");
    board.Place(1, 5, wdBottom, "OWL");
    board.Start();
    board.Drag({1, 1}, {3, 1});
    board.ClearLogs();

    board.Player.GiveUp(true);
    EXPECT_EQ(std::vector<QString>{"OWL"}, board.Found);
    ASSERT_EQ(2, board.Player.FoundList().Count());
    const TWordFoundItem& revealed = board.Player.FoundList().GetItem(1);
    EXPECT_EQ(1, revealed.StartColumn);
    EXPECT_EQ(5, revealed.StartRow);
    EXPECT_EQ(1, revealed.EndColumn);
    EXPECT_EQ(7, revealed.EndRow);
}

TEST(Player, ADragHeldThroughARestartIsStillJudgedAndItsCellRestored) {
    Board board;
    board.Place(2, 2, wdRight, "HOUSE");
    board.Player.SetTimed(true);
    board.Start();
    const TColor colour = board.Player.GetCellColour(2, 2);
    const TColor textColour = board.Player.GetCellTextColour(2, 2);

    board.Press({2, 2});
    board.Player.RestartGame(); // the timer switched on from the keyboard
    EXPECT_TRUE(board.Player.IsDragging());
    EXPECT_EQ(textColour, board.Player.GetCellColour(2, 2)) << "still shown held";
    QTest::mouseRelease(&board.Player, Qt::LeftButton, {}, board.Centre({6, 2}));

    EXPECT_EQ(std::vector<QString>{"HOUSE"}, board.Found);
    EXPECT_EQ(colour, board.Player.GetCellColour(2, 2));
    EXPECT_EQ(textColour, board.Player.GetCellTextColour(2, 2));
}

TEST(Player, ADragHeldWhileASmallerPuzzleStartsTouchesNoCellOfIt) {
    Board board;
    board.Start();
    board.Press({7, 0});
    board.Player.SetGridSize(5, 5);
    board.Place(0, 0, wdRight, "OWL");
    board.Player.StartGame();
    const TColor colour = board.Player.GetCellColour(2, 1);

    QTest::mouseRelease(&board.Player, Qt::LeftButton, {}, QPoint(5, 5));

    EXPECT_FALSE(board.Player.IsDragging());
    EXPECT_EQ(colour, board.Player.GetCellColour(2, 1));
    EXPECT_EQ(std::vector<QString>{""}, board.NotFound);
}

TEST(PlayerClock, ElapsedTimeLeavesOutAPause) {
    Board board;
    board.Place(2, 2, wdRight, "HOUSE");
    board.Player.SetTimed(true);
    board.Fake.Clock = EncodeDate(2024, 5, 1) + EncodeTime(9, 0, 0, 0);
    const TDateTime started = board.Fake.Clock;
    board.Start();
    ASSERT_TRUE(board.Timer().Enabled());

    board.Fake.Advance(5000);
    board.Timer().Fire();
    board.Player.SetGamePaused(true);
    EXPECT_TRUE(board.Player.GamePaused());
    EXPECT_FALSE(board.Timer().Enabled());
    board.Fake.Advance(10000);
    board.Player.SetGamePaused(false);
    EXPECT_FALSE(board.Player.GamePaused());
    EXPECT_TRUE(board.Timer().Enabled());
    board.Fake.Advance(2000);
    board.Timer().Fire();

    EXPECT_EQ((std::vector<int64_t>{5000, 7000}), board.Ticks);
    EXPECT_EQ(Ms(started) + 10000, Ms(board.Player.TimeStarted()));
}

// The clock stands still only while the game is paused: the part of a
// second played before each pause counts, however often the player pauses.
TEST(PlayerClock, ManyShortPausesKeepTheClockOnTheTimePlayed) {
    struct Case {
        const char* Name;
        bool CountDown;
        std::vector<int64_t> Ticks; // one on each whole second of the 7.8 s played
        int64_t LeftAfterPauses;
        int64_t LeftAtTheEnd;
    };
    const std::vector<Case> cases = {
        {"elapsed time", false, {1000, 2000, 3000, 4000, 5000, 6000, 7000}, 30000, 30000},
        {"count-down from 30 s",
         true,
         {30000, 29000, 28000, 27000, 26000, 25000, 24000},
         23000,
         22050},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Board board;
        board.Place(2, 2, wdRight, "HOUSE");
        board.Player.SetTimed(true);
        board.Player.SetCountDown(c.CountDown);
        board.Player.SetTimeLeft(Seconds(30));
        board.Fake.Clock = EncodeDate(2024, 5, 1) + EncodeTime(9, 0, 0, 0);
        board.Start();

        for (int i = 0; i < 12; ++i) {
            board.PlayFor(650);
            board.Player.PauseGame();
            board.Fake.Advance(100);
            board.Player.ContinueGame();
        }
        EXPECT_EQ(c.Ticks, board.Ticks);
        EXPECT_EQ(c.LeftAfterPauses, Ms(board.Player.TimeLeft()));

        board.PlayFor(150);
        board.Drag({2, 2}, {6, 2});
        ASSERT_EQ(wgsCompleted, board.Player.GameState());
        EXPECT_EQ(7950, Ms(board.Player.TimeTaken()));
        EXPECT_EQ(c.LeftAtTheEnd, Ms(board.Player.TimeLeft()));
        EXPECT_EQ("Time taken :7 seconds", board.Player.GetTimeTakenText().toStdString());
    }
}

TEST(PlayerClock, ContinuingRunsTheClockOnlyForATimedGameInProgress) {
    Board board;
    board.Place(2, 2, wdRight, "HOUSE");
    board.Start();
    board.Player.PauseGame();
    board.Player.ContinueGame();
    EXPECT_FALSE(board.Timer().Enabled()) << "an untimed game";

    board.Player.SetTimed(true);
    board.Start();
    board.Drag({2, 2}, {6, 2});
    ASSERT_EQ(wgsCompleted, board.Player.GameState());
    board.Player.PauseGame();
    board.Player.ContinueGame();
    EXPECT_FALSE(board.Timer().Enabled()) << "a completed game";
}

TEST(PlayerClock, RestartingWhilePausedRunsTheClockOfTheNewGame) {
    // The play window shows a restarted game as running: its clock must run,
    // although the pause flag stays set.
    Board board;
    board.Place(2, 2, wdRight, "HOUSE");
    board.Player.SetTimed(true);
    board.Player.SetCountDown(true);
    board.Player.SetTimeLeft(Seconds(2));
    board.Start();
    board.Tick();
    board.Player.PauseGame();
    board.Fake.Advance(5000);

    board.Player.RestartGame();
    EXPECT_EQ(Ms(board.Fake.Clock), Ms(board.Player.TimeStarted()));
    EXPECT_TRUE(board.Player.GamePaused());
    EXPECT_TRUE(board.Timer().Enabled());
    board.ClearLogs();
    board.Tick();
    board.Tick();

    EXPECT_EQ((std::vector<int64_t>{2000, 1000, 0}), board.Ticks);
    EXPECT_EQ(std::vector<TWordGameStateType>{wgsTimeUp}, board.States);
}

TEST(PlayerClock, ContinuingAGameRestartedWhilePausedKeepsTheTimeSinceTheRestart) {
    Board board;
    board.Place(2, 2, wdRight, "HOUSE");
    board.Player.SetTimed(true);
    board.Fake.Clock = EncodeDate(2024, 5, 1) + EncodeTime(9, 0, 0, 0);
    board.Start();
    board.Player.PauseGame();
    board.Fake.Advance(5000);
    board.Player.RestartGame();
    const int64_t restarted = Ms(board.Fake.Clock);
    board.Fake.Advance(8000);
    board.Timer().Fire();

    board.Player.ContinueGame();
    board.Fake.Advance(2000);
    board.Timer().Fire();

    EXPECT_EQ(restarted, Ms(board.Player.TimeStarted()));
    EXPECT_EQ((std::vector<int64_t>{8000, 10000}), board.Ticks);
}

TEST(PlayerClock, CountDownFromThreeSecondsTimesUpOnTheThirdTick) {
    Board board;
    board.Place(2, 2, wdRight, "HOUSE");
    board.Player.SetTimed(true);
    board.Player.SetCountDown(true);
    board.Player.SetTimeLeft(EncodeTime(0, 0, 3, 0));
    board.Start();
    const TColor colour = board.Player.GetCellColour(3, 5);
    const TColor textColour = board.Player.GetCellTextColour(3, 5);
    board.Press({3, 5}); // held through the end of the game

    board.Tick();
    board.Tick();
    EXPECT_TRUE(board.States.empty());
    board.Tick();

    EXPECT_EQ((std::vector<int64_t>{3000, 2000, 1000, 0}), board.Ticks);
    EXPECT_EQ(std::vector<TWordGameStateType>{wgsTimeUp}, board.States);
    EXPECT_EQ(std::vector<QString>{""}, board.NotFound) << "the held drag is dropped outside";
    EXPECT_FALSE(board.Player.IsDragging());
    EXPECT_FALSE(board.Timer().Enabled());
    EXPECT_EQ(colour, board.Player.GetCellColour(3, 5));
    EXPECT_EQ(textColour, board.Player.GetCellTextColour(3, 5));

    QTest::mouseRelease(&board.Player, Qt::LeftButton, {}, board.Centre({3, 5}));
    EXPECT_EQ(1u, board.NotFound.size()) << "the drop was already taken";
    EXPECT_EQ(colour, board.Player.GetCellColour(3, 5));
    board.Drag({2, 2}, {6, 2});
    EXPECT_TRUE(board.Found.empty()) << "no selection after the time is up";
}

TEST(PlayerClock, FindingTheLastWordWithOneSecondLeftCompletesTheGame) {
    Board board;
    board.Place(2, 2, wdRight, "HOUSE");
    board.Player.SetTimed(true);
    board.Player.SetCountDown(true);
    board.Player.SetTimeLeft(EncodeTime(0, 0, 2, 0));
    board.Start();
    const TColor colour = board.Player.GetCellColour(2, 2);
    const TColor textColour = board.Player.GetCellTextColour(2, 2);
    board.Tick();
    // The last second runs out just as the word is dropped, before its tick.
    board.Fake.Advance(1000);
    // The drop is taken before the find is reported and the game ends.
    std::vector<bool> draggingSeen;
    board.Player.OnWordFound = [&](TObject*, const QString&) {
        draggingSeen.push_back(board.Player.IsDragging());
    };
    board.Player.OnGameStateChange = [&](TObject*, TWordGameStateType State) {
        board.States.push_back(State);
        draggingSeen.push_back(board.Player.IsDragging());
    };

    board.Drag({2, 2}, {6, 2});

    EXPECT_EQ((std::vector<bool>{false, false}), draggingSeen);
    EXPECT_EQ(std::vector<TWordGameStateType>{wgsCompleted}, board.States);
    EXPECT_EQ((std::vector<int64_t>{2000, 1000, 0}), board.Ticks);
    EXPECT_TRUE(board.NotFound.empty());
    EXPECT_EQ(colour, board.Player.GetCellColour(2, 2));
    EXPECT_EQ(textColour, board.Player.GetCellTextColour(2, 2));
    EXPECT_EQ(2000, Ms(board.Player.TimeTaken()));
    EXPECT_FALSE(board.Player.IsGameUnderway());
}

TEST(PlayerClock, WithoutATimerHandlerTheCountDownStandsStill) {
    Board board;
    board.Place(2, 2, wdRight, "HOUSE");
    board.Player.OnTimer = nullptr;
    board.Player.SetTimed(true);
    board.Player.SetCountDown(true);
    board.Player.SetTimeLeft(Seconds(1));
    board.Start();
    board.Tick();
    EXPECT_EQ(1000, Ms(board.Player.TimeLeft()));
    EXPECT_TRUE(board.States.empty());
}

TEST(PlayerClock, StartingTakesTheTimeOfDayOfTheCountDown) {
    Board board;
    board.Player.SetTimeLeft(1 + EncodeTime(0, 2, 30, 0)); // one day and 150 s
    board.Player.SetTimed(true);
    board.Start();
    EXPECT_EQ(150000, Ms(board.Player.TimeLeft()));

    board.Player.SetTimed(false);
    board.Player.SetTimeLeft(Seconds(9));
    board.Start();
    EXPECT_EQ(9000, Ms(board.Player.TimeLeft())) << "an untimed start keeps the clock";
    EXPECT_FALSE(board.Timer().Enabled());
}

TEST(PlayerMarkers, AFoundWordIsCircledAndLinedInTheNewWordColour) {
    Board board(15, 30);
    board.Place(2, 3, wdRight, "HOUSE");
    board.Place(9, 9, wdBottom, "PATH");
    board.Start();
    board.Player.GamePreferences()->ColourPreferences()->SetNewWordForeground(NewWordGreen);
    const QPoint start = board.Centre({2, 3});
    const QPoint end = board.Centre({6, 3});
    const int radius = std::abs(board.Player.Font().Size());
    ASSERT_GT(radius, 8);
    const QRgb green = Board::Rgb(NewWordGreen);
    const auto lineMiddle = [&] { return board.Pixel((start.x() + 8 + end.x()) / 2, start.y()); };
    ASSERT_NE(green, lineMiddle());

    board.Drag({2, 3}, {6, 3});
    QApplication::processEvents();

    EXPECT_EQ(green, lineMiddle());
    EXPECT_EQ(green, board.Pixel(end.x() - 1, end.y()));
    EXPECT_NE(green, board.Pixel(start.x() + 4, start.y())) << "the line starts 8 pixels out";
    EXPECT_TRUE(board.ShowsNear(start.x(), start.y() - radius, NewWordGreen)) << "circle top";
    EXPECT_TRUE(board.ShowsNear(start.x() - radius, start.y(), NewWordGreen)) << "circle left";
    EXPECT_TRUE(board.ShowsNear(start.x(), start.y() + radius, NewWordGreen)) << "circle bottom";
    EXPECT_FALSE(board.ShowsNear(start.x(), start.y() + radius + 4, NewWordGreen));

    board.Player.SetHideFoundWords(true);
    QApplication::processEvents();
    EXPECT_NE(green, lineMiddle());
    EXPECT_FALSE(board.ShowsNear(start.x(), start.y() - radius, NewWordGreen));

    board.Player.SetHideFoundWords(false);
    QApplication::processEvents();
    EXPECT_EQ(green, lineMiddle()) << "markers come back with a repaint";
}

TEST(PlayerMarkers, AFindWhileHiddenDrawsNoMarkerButGivingUpDoes) {
    Board board;
    board.Place(2, 3, wdRight, "HOUSE");
    board.Place(2, 8, wdRight, "GARDEN");
    board.Start();
    board.Player.SetHideFoundWords(true);
    QApplication::processEvents();
    const QRgb green =
        Board::Rgb(board.Player.GamePreferences()->ColourPreferences()->GetNewWordForeground());
    const auto middle = [&](int Row, int LastColumn) {
        return board.Pixel((board.Centre({2, Row}).x() + 8 + board.Centre({LastColumn, Row}).x()) /
                               2,
                           board.Centre({2, Row}).y());
    };

    board.Drag({2, 3}, {6, 3});
    QApplication::processEvents();
    EXPECT_NE(green, middle(3, 6));

    board.Player.GiveUp(true);
    QApplication::processEvents();
    EXPECT_EQ(green, middle(8, 7));
}

TEST(PlayerMarkers, LineWidthFollowsTheCellWidthWithHalvesToEven) {
    struct Case {
        int Side;
        int CellWidth;
        int LineWidth;
    };
    const std::vector<Case> cases = {{150, 30, 2}, {250, 50, 2}, {350, 70, 4},
                                     {50, 10, 0},  {145, 29, 1}, {155, 31, 2}};
    Board board(5, 20);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Side);
        board.Player.SetWidth(c.Side);
        board.Player.SetHeight(c.Side);
        board.Player.RecalculateLayout();
        EXPECT_EQ(c.CellWidth, board.Player.CellWidth());
        EXPECT_EQ(c.LineWidth, board.Player.LineWidth());
    }

    board.Player.SetAutoLineWidth(false);
    board.Player.SetWidth(250);
    board.Player.SetHeight(250);
    board.Player.RecalculateLayout();
    EXPECT_EQ(2, board.Player.LineWidth()) << "width stays without AutoLineWidth";
}

TEST(PlayerMarkers, OnResizeFollowsTheControlsOwnHandling) {
    Board board;
    int resizes = 0;
    board.Player.OnResize = [&](TObject* Sender) {
        EXPECT_EQ(&board.Player, Sender);
        ++resizes;
    };
    board.Player.SetWidth(200);
    EXPECT_EQ(1, resizes);
}

TEST(Player, PuzzleFolderUnderDocumentsOrHome) {
    FakeServices fake;
    TGlyphtrovePlayer player;
    EXPECT_EQ(2, player.LineWidth());
    EXPECT_TRUE(player.AutoLineWidth());
    const QString documents = player.GetPuzzleFolder();
    EXPECT_EQ(fake.DocumentsFolder() + "/My Puzzles", documents);
    EXPECT_TRUE(QFileInfo(documents).isDir());

    fake.Documents = "";
    const QString home = player.GetPuzzleFolder();
    EXPECT_EQ(fake.HomeFolder() + "/My Puzzles", home);
    EXPECT_TRUE(QFileInfo(home).isDir());
}

TEST(Player, NewGameStopsTheClockAndForgetsTheWordsFoundBefore) {
    Board board(15, 30);
    board.Place(2, 2, wdRight, "HOUSE");
    board.Place(2, 4, wdRight, "MOUSE");
    board.Player.SetTimed(true);
    board.Start();
    board.Player.GamePreferences()->ColourPreferences()->SetNewWordForeground(NewWordGreen);
    ASSERT_TRUE(board.Timer().Enabled());
    board.Drag({2, 2}, {6, 2});
    QApplication::processEvents();
    const QPoint lineMiddle = (board.Centre({2, 2}) + board.Centre({6, 2})) / 2;
    ASSERT_EQ(Board::Rgb(NewWordGreen), board.Pixel(lineMiddle.x(), lineMiddle.y()));

    board.Player.NewGame("<no game loaded>", "");
    QApplication::processEvents();

    EXPECT_FALSE(board.Timer().Enabled());
    EXPECT_EQ(0, board.Player.WordCount());
    // No game holds no words to find, so the play window counts none found.
    EXPECT_EQ(0, board.Player.FoundWords());
    EXPECT_EQ(0, board.Player.FoundList().Count());
    EXPECT_NE(Board::Rgb(NewWordGreen), board.Pixel(lineMiddle.x(), lineMiddle.y()))
        << "no marker of the old game";
}

TEST(Player, TimeTakenTextOnlyForATimedGame) {
    Board board;
    board.Place(2, 2, wdRight, "HOUSE");
    board.Start();
    board.Fake.Advance(65000);
    board.Drag({2, 2}, {6, 2});
    EXPECT_EQ("", board.Player.GetTimeTakenText());
}

namespace {

// Saves a 15 x 15 puzzle of three words with the engine; returns its path.
QString SaveAnimals(const QString& Folder, bool UseTimer, TDateTime CountDown) {
    TCustomGlyphtrove designer;
    designer.SetWidth(300);
    designer.SetHeight(300);
    designer.SetGridSize(15, 15);
    designer.PlaceWord(1, 1, wdRight, "TIGER", false);
    designer.PlaceWord(3, 3, wdBottom, "HORSE", false);
    designer.PlaceWord(5, 12, wdTopRight, "CAMEL", false);
    designer.GamePreferences()->SetUseTimer(UseTimer);
    designer.GamePreferences()->SetCountDownTimer(CountDown);
    const QString path = Folder + "/animals.gtg";
    designer.SaveToFile(path);
    return path;
}

} // namespace

TEST(PlayerGame, ALoadedPuzzleIsPlayedToTheEndByDrags) {
    Board board;
    const QString path = SaveAnimals(board.Fake.Folder(), true, 0);
    board.Fake.Clock = EncodeDate(2024, 5, 1) + EncodeTime(9, 0, 0, 0);
    int started = 0;
    board.Player.OnGameStarted = [&](TObject* Sender) {
        EXPECT_EQ(&board.Player, Sender);
        ++started;
    };

    EXPECT_GT(board.Player.LoadFromFile(path), 30);
    EXPECT_EQ(1, started);
    EXPECT_EQ(std::vector<TWordGameStateType>{wgsInProgress}, board.States);
    EXPECT_TRUE(board.Player.Timed());
    EXPECT_FALSE(board.Player.CountDown());
    EXPECT_EQ(3, board.Player.GetWordCount());
    EXPECT_EQ(3, board.Player.FoundWords());
    EXPECT_TRUE(board.Timer().Enabled());
    board.ClearLogs();

    board.Fake.Advance(20000);
    board.Drag({1, 1}, {{2, 1}, {3, 1}, {4, 1}, {5, 1}});
    EXPECT_TRUE(board.Player.IsGameUnderway());
    board.Fake.Advance(30000);
    board.Drag({3, 3}, {3, 7});
    board.Fake.Advance(15000);
    board.Drag({5, 12}, {9, 8});

    EXPECT_EQ((std::vector<QString>{"TIGER", "HORSE", "CAMEL"}), board.Found);
    EXPECT_TRUE(board.NotFound.empty());
    EXPECT_EQ(std::vector<TWordGameStateType>{wgsCompleted}, board.States);
    EXPECT_EQ(0, board.Player.FoundWords());
    EXPECT_FALSE(board.Player.IsGameUnderway());
    EXPECT_FALSE(board.Timer().Enabled());
    EXPECT_EQ(65000, Ms(board.Player.TimeTaken()));
    EXPECT_EQ("Time taken :1 minute, 5 seconds", board.Player.GetTimeTakenText());
    EXPECT_EQ(std::vector<int64_t>{65000}, board.Ticks) << "the completing tick";
}

TEST(PlayerGame, LoadingTakesTheTimerSettingsOfTheFile) {
    Board board;
    const QString path = SaveAnimals(board.Fake.Folder(), true, EncodeTime(0, 5, 0, 0));
    board.Player.LoadFromFile(path);
    EXPECT_TRUE(board.Player.Timed());
    EXPECT_TRUE(board.Player.CountDown());
    EXPECT_EQ(300000, Ms(board.Player.TimeLeft()));
    board.Tick();
    EXPECT_EQ(std::vector<int64_t>{300000}, board.Ticks);
    EXPECT_EQ(299000, Ms(board.Player.TimeLeft()));
}

TEST(PlayerGame, AFailedLoadStartsNoGame) {
    Board board;
    board.Place(2, 2, wdRight, "HOUSE");
    board.Start();
    const QString path = board.Fake.Folder() + "/broken.gtg";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a game");
    file.close();
    int started = 0;
    board.Player.OnGameStarted = [&](TObject*) { ++started; };
    EXPECT_THROW(board.Player.LoadFromFile(path), Exception);
    EXPECT_EQ(0, started);
}

TEST(PlayerGame, ScreenshotOfAPlayedPuzzle) {
    Board board(15, 32);
    board.Place(1, 1, wdRight, "GLYPH");
    board.Place(13, 2, wdBottom, "TROVE");
    board.Place(2, 12, wdTopRight, "PUZZLE");
    board.Place(10, 14, wdLeft, "LETTER");
    board.Place(12, 13, wdTopLeft, "MARKER");
    board.Start();
    board.Drag({1, 1}, {5, 1});
    board.Drag({13, 2}, {13, 6});
    board.Drag({2, 12}, {7, 7});
    QApplication::processEvents();
    ASSERT_EQ(2, board.Player.FoundWords());

    const QImage shot = TakeScreenshot(board.Player, "player-three-found");
    const TColor marker =
        board.Player.GamePreferences()->ColourPreferences()->GetNewWordForeground();
    const QPoint middle = (board.Centre({13, 2}) + board.Centre({13, 6})) / 2;
    EXPECT_EQ(Board::Rgb(marker), shot.pixel(middle));
}
