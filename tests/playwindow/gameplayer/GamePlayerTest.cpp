#include "playwindow/gameplayer/frmGamePlayerUn.h"

#include "engine/genlib/GenLibUn.h"
#include "platform/Colors.h"
#include "platform/RadioGroup.h"
#include "playwindow/about/frmAboutUn.h"
#include "playwindow/controls/ColourListBoxUn.h"
#include "playwindow/controls/StaticListBoxUn.h"
#include "playwindow/controls/TitleBlockUn.h"
#include "playwindow/gameplayer/PlayHelpTextsUn.h"
#include "playwindow/gameplayer/frmEndGameMsgUn.h"
#include "playwindow/gameplayer/frmWordHintUn.h"
#include "playwindow/options/frmPlayOptionsUn.h"
#include "support/FakeServices.h"
#include "support/Screenshot.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

std::string S(const QString& Text) {
    return Text.toStdString();
}

struct Placed {
    const char* Word;
    int X;
    int Y;
    TWordDirectionType Direction;
};

// Eight animals on a 10 x 10 board, one per row from the left.
const std::vector<Placed> Animals = {
    {"CAT", 0, 0, wdRight},   {"DOG", 0, 1, wdRight}, {"HORSE", 0, 2, wdRight},
    {"MOUSE", 0, 3, wdRight}, {"EEL", 0, 4, wdRight}, {"OWL", 0, 5, wdRight},
    {"BEE", 0, 6, wdRight},   {"YAK", 0, 7, wdRight},
};

// The last cell of a placed word.
QPoint LastCell(const Placed& Word) {
    const TDirectionOffset step = GetDirectionOffset(Word.Direction);
    const int steps = int(qstrlen(Word.Word)) - 1;
    return QPoint(Word.X + steps * step.ColumnStep, Word.Y + steps * step.RowStep);
}

// The play window on fake services, with game files written by the engine.
class PlayWindowTest : public ::testing::Test {
protected:
    PlayWindowTest() {
        Window = std::make_unique<TfrmGamePlayer>();
        // The tests look at the window in its normal size.
        Window->Options().SetMaximiseWindow(false);
    }

    ~PlayWindowTest() override { Window.reset(); }

    using Setup = std::function<void(TWordGameProperties&)>;

    QString MakeGame(const QString& Name, const std::vector<Placed>& Words,
                     const Setup& Configure = {}, int Side = 10, int Rows = 0) {
        TGlyphtroveEditor puzzle;
        puzzle.SetCheckWords(false); // a word may be listed twice
        puzzle.SetGridSize(Side, Rows > 0 ? Rows : Side);
        TWordGameProperties& properties = *puzzle.GamePreferences();
        properties.SetGameTitle("Animals");
        properties.SetGameDescription("Hidden pets");
        properties.SetGameAuthor("Ann");
        properties.SetUseTimer(false);
        properties.SetCountDownTimer(0);
        if (Configure)
            Configure(properties);
        for (const Placed& word : Words)
            EXPECT_GE(puzzle.PlaceWord(word.X, word.Y, word.Direction, word.Word, false), 0);
        const QString path = QDir(Fake.Folder()).filePath(Name);
        puzzle.SaveToFile(path);
        return path;
    }

    void Play(const QString& Path) {
        ASSERT_TRUE(Window->PlayGame(Path));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Window.get()));
        QApplication::processEvents();
    }

    TGlyphtrovePlayer& Player() { return *Window->Player(); }

    QPoint Centre(QPoint Cell) {
        const TRect rect = Player().CellRect(Cell.x(), Cell.y());
        return QPoint(rect.Left + rect.Width() / 2, rect.Top + rect.Height() / 2);
    }

    // Presses on the first letter, moves along and releases on the last.
    void Drag(QPoint From, QPoint To) {
        QTest::mousePress(&Player(), Qt::LeftButton, {}, Centre(From));
        QTest::mouseMove(&Player(), Centre(To));
        QTest::mouseRelease(&Player(), Qt::LeftButton, {}, Centre(To));
    }
    void Find(const Placed& Word) { Drag(QPoint(Word.X, Word.Y), LastCell(Word)); }

    // The latest timer of the given interval among those the fakes made
    // (earlier ones may have gone with their windows).
    FakeTimer& TimerOf(int Interval) {
        for (auto timer = Fake.Timers.rbegin(); timer != Fake.Timers.rend(); ++timer)
            if ((*timer)->Interval() == Interval)
                return **timer;
        ADD_FAILURE() << "no timer of " << Interval << " ms";
        return *Fake.Timers.front();
    }
    FakeTimer& GameClock() { return TimerOf(1000); }
    FakeTimer& HelpDelay() { return TimerOf(3000); }
    FakeTimer& FlashTimer() { return TimerOf(500); }

    int ItemIndex(const QString& Word) const {
        for (int i = 0; i < Window->lbxWords->count(); ++i)
            if (Window->lbxWords->item(i)->text() == Word)
                return i;
        return -1;
    }
    bool Marked(const QString& Word) const {
        return Window->lbxWords->GetSelected(ItemIndex(Word));
    }
    QString Panel(int Index) const { return Window->StatusPanel(Index)->text(); }
    QString Help() const { return Window->memHelp->toPlainText(); }

    // Answers the next end-of-game message, keeping what it said.
    void ExpectEndOfGame() {
        Fake.OnModal([this](QDialog& dialog) {
            auto& message = dynamic_cast<TfrmEndOfGameMessage&>(dialog);
            EndMainText = message.memMainMsg->toPlainText();
            EndSubText = message.lblSubMsg->text();
            return int(mrOk);
        });
    }

    // Picks Word in the next hint dialog and presses OK (or Cancel), keeping
    // the words it offered and its count.
    void PickHint(const QString& Word, bool Ok = true) {
        Fake.OnModal([this, Word, Ok](QDialog& dialog) {
            auto& hint = dynamic_cast<TfrmWordHint&>(dialog);
            HintWords = hint.lbxWordList->Items().Lines();
            HintsLeftText = hint.pnlHintsLeft->text();
            TColourListBox& list = *hint.lbxWordList;
            const int index = list.Items().IndexOf(Word);
            EXPECT_GE(index, 0) << S(Word);
            QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier,
                              list.visualItemRect(list.item(index)).center());
            QTest::mouseClick(Ok ? hint.btnOK : hint.btnCancel, Qt::LeftButton);
            return int(mrNone);
        });
    }

    // In the next options dialog: picks the timer switch and presses OK.
    void ChooseTimerOption(TTimerOption Option) {
        Fake.OnModal([Option](QDialog& dialog) {
            auto& options = dynamic_cast<TfrmPlayerOptions&>(dialog);
            QTest::mouseClick(options.rgpTimer->Button(Option), Qt::LeftButton, {},
                              QPoint(6, options.rgpTimer->Button(Option)->height() / 2));
            QTest::mouseClick(options.btnOK, Qt::LeftButton);
            return int(mrNone);
        });
    }

    FakeServices Fake;
    std::unique_ptr<TfrmGamePlayer> Window;
    QStringList HintWords;
    QString HintsLeftText;
    QString EndMainText;
    QString EndSubText;
};

TEST_F(PlayWindowTest, DragsFindWordsUntilTheGameIsCompleted) {
    Play(MakeGame("animals.gtg", Animals));
    EXPECT_EQ(S(Window->tbPuzzleTitle->Caption()), "Animals, Hidden pets by Ann");
    ASSERT_EQ(Window->lbxWords->count(), 8);
    EXPECT_EQ(S(Window->lbxWords->item(0)->text()), "BEE"); // sorted
    EXPECT_EQ(S(Panel(1)), "8");
    EXPECT_EQ(S(Panel(3)), "0");
    EXPECT_EQ(S(Panel(4)), "no words");
    EXPECT_TRUE(Window->actGiveUp->isEnabled());
    EXPECT_FALSE(Window->pnlTimer->isVisible());

    Find(Animals[0]);
    EXPECT_TRUE(Marked("CAT"));
    EXPECT_FALSE(Marked("DOG"));
    EXPECT_EQ(S(Panel(3)), "1");
    EXPECT_EQ(S(Panel(4)), "12% Completed"); // 12.5 to even
    EXPECT_EQ(Window->HelpShown(), hiWordFound);
    EXPECT_EQ(S(Help()), "The word \"CAT\" has been found and marked successfully.");

    Find(Animals[1]);
    Find(Animals[2]);
    EXPECT_EQ(S(Panel(4)), "38% Completed"); // 37.5 to even

    // A drag from the last letter to the first reads the word backwards.
    Drag(LastCell(Animals[3]), QPoint(Animals[3].X, Animals[3].Y));
    // The start cell is drawn back with its one-pixel outline, however wide
    // the markers drawn meanwhile.
    ASSERT_GE(Player().LineWidth(), 2);
    const TRect start = Player().CellRect(LastCell(Animals[3]).x(), LastCell(Animals[3]).y());
    EXPECT_EQ(Player().Image().pixel(start.Left + 1, start.Top + start.Height() / 2),
              ToQColor(Player().GetCellColour(0, 3)).rgb());
    EXPECT_EQ(Window->HelpShown(), hiWordNotFound);
    EXPECT_EQ(S(Help()),
              "The word \"ESUOM\" cannot be found in the word list. Check and try again.");
    EXPECT_EQ(S(Panel(3)), "3");

    for (size_t i = 3; i + 1 < Animals.size(); ++i)
        Find(Animals[i]);
    EXPECT_EQ(S(Panel(4)), "88% Completed");
    ExpectEndOfGame();
    Find(Animals.back());
    EXPECT_EQ(S(EndMainText), "Completed \"Animals\" - Congratulations");
    EXPECT_EQ(S(EndSubText), "");
    EXPECT_EQ(S(Panel(4)), "100% Completed");
    for (QAction* action :
         {Window->actShowHint, Window->actHideFoundWords, Window->actUseTimer, Window->actGiveUp})
        EXPECT_FALSE(action->isEnabled()) << S(action->text());
    EXPECT_TRUE(Window->actRestartPuzzle->isEnabled());
    EXPECT_TRUE(Window->actOpen->isEnabled());
}

TEST_F(PlayWindowTest, ACountDownRunsOutOfTime) {
    Play(MakeGame("timed.gtg", Animals, [](TWordGameProperties& p) {
        p.SetUseTimer(true);
        p.SetCountDownTimer(EncodeTime(0, 0, 3, 0));
    }));
    EXPECT_TRUE(Window->TimerInUse());
    EXPECT_TRUE(Window->actUseTimer->isChecked());
    EXPECT_TRUE(Window->pnlTimer->isVisible());
    EXPECT_TRUE(Window->tbnTimer->isVisible());
    EXPECT_EQ(S(Window->lblTime->text()), "Time left");
    EXPECT_TRUE(Window->actPause->isVisible());
    EXPECT_FALSE(Window->actContinue->isVisible());

    FakeTimer& clock = GameClock();
    const auto tick = [&] {
        Fake.Advance(1000);
        clock.Fire();
    };
    tick();
    EXPECT_EQ(S(Window->txtTimer->text()), "00:00:03");
    tick();
    EXPECT_EQ(S(Window->txtTimer->text()), "00:00:02");
    ExpectEndOfGame();
    tick();
    EXPECT_EQ(S(Window->txtTimer->text()), "00:00:00");
    EXPECT_EQ(S(EndMainText), "Out Of Time");
    EXPECT_EQ(S(EndSubText), "");
    EXPECT_FALSE(Window->actPause->isEnabled());
    EXPECT_FALSE(GameClock().Enabled());
}

// The clock shows a new or restarted game's own start at once, not what the
// last game's clock said.
TEST_F(PlayWindowTest, ANewOrRestartedGameShowsItsStartTimeAtOnce) {
    const QString countDown = MakeGame("countdown.gtg", Animals, [](TWordGameProperties& p) {
        p.SetUseTimer(true);
        p.SetCountDownTimer(EncodeTime(0, 0, 3, 0));
    });
    const QString elapsed =
        MakeGame("elapsed.gtg", Animals, [](TWordGameProperties& p) { p.SetUseTimer(true); });
    Play(countDown);
    EXPECT_EQ(S(Window->txtTimer->text()), "00:00:03");
    ExpectEndOfGame();
    for (int second = 0; second < 3; ++second) {
        Fake.Advance(1000);
        GameClock().Fire();
    }
    ASSERT_EQ(S(EndMainText), "Out Of Time");
    ASSERT_EQ(S(Window->txtTimer->text()), "00:00:00");

    Fake.Answer(mrYes);
    Window->actRestartPuzzle->trigger();
    EXPECT_EQ(S(Window->txtTimer->text()), "00:00:03") << "restarted";

    Play(elapsed);
    EXPECT_EQ(S(Window->txtTimer->text()), "00:00:00") << "another game opened";
    Fake.Advance(2000);
    GameClock().Fire();
    ASSERT_EQ(S(Window->txtTimer->text()), "00:00:02");
    Play(countDown);
    EXPECT_EQ(S(Window->txtTimer->text()), "00:00:03") << "a count-down opened";
}

TEST_F(PlayWindowTest, ACompletedTimedGameTellsTheTimeAndTheHintsUsed) {
    Play(MakeGame("two.gtg", {Animals[0], Animals[1]}, [](TWordGameProperties& p) {
        p.SetUseTimer(true);
        p.SetHints(3);
    }));
    EXPECT_EQ(S(Window->lblTime->text()), "Elapsed time");
    Fake.Advance(65 * 1000);
    GameClock().Fire();
    EXPECT_EQ(S(Window->txtTimer->text()), "00:01:05");
    Find(Animals[0]);
    ExpectEndOfGame();
    Find(Animals[1]);
    EXPECT_EQ(S(EndMainText), "Completed \"Animals\" - Congratulations");
    EXPECT_EQ(S(EndSubText), "Time taken :1 minute, 5 seconds");
}

TEST_F(PlayWindowTest, AWordListedTwiceMarksOneItemPerFind) {
    Play(MakeGame("twice.gtg", {{"CAT", 0, 0, wdRight}, {"DOG", 0, 4, wdRight}},
                  [](TWordGameProperties& p) { p.SetUnusedSpace(usLeftBlank); }));
    // Game files refuse a word listed twice; the puzzle itself can hold one.
    Player().SetCheckWords(false);
    Player().PlaceWord(0, 2, wdRight, "CAT", false);
    Player().RestartGame();
    ASSERT_EQ(Window->lbxWords->count(), 3);
    Drag(QPoint(0, 2), QPoint(2, 2));
    EXPECT_TRUE(Window->lbxWords->GetSelected(0));
    EXPECT_FALSE(Window->lbxWords->GetSelected(1));
    EXPECT_EQ(S(Panel(4)), "33% Completed");
    Drag(QPoint(0, 0), QPoint(2, 0));
    EXPECT_TRUE(Window->lbxWords->GetSelected(0));
    EXPECT_TRUE(Window->lbxWords->GetSelected(1));
    EXPECT_EQ(S(Panel(4)), "67% Completed");
}

TEST_F(PlayWindowTest, AFailedOpenLeavesTheEmptyGame) {
    const QString bad = QDir(Fake.Folder()).filePath("bad.gtg");
    WriteBytes(bad, "not a game");
    for (const bool loadedBefore : {false, true}) {
        if (loadedBefore) {
            Play(MakeGame("animals.gtg", Animals,
                          [](TWordGameProperties& p) { p.SetUseTimer(true); }));
            Find(Animals[0]);
        }
        Fake.Answer(mrOk);
        // The empty board is no game: the window and Play agree on that.
        EXPECT_FALSE(Window->PlayGame(bad));
        ASSERT_FALSE(Fake.Messages.empty());
        EXPECT_EQ(S(Fake.Messages.back().text), S("File \"" + bad + "\" is not a valid game file"));
        EXPECT_FALSE(Window->GameLoaded());
        EXPECT_EQ(Window->lbxWords->count(), 0);
        EXPECT_EQ(S(Window->tbPuzzleTitle->Caption()), "<no game loaded>");
        EXPECT_EQ(S(Panel(1)), "0");
        EXPECT_EQ(S(Panel(3)), "0") << "the words found in the game before are forgotten";
        EXPECT_EQ(S(Panel(4)), "no words");
        EXPECT_EQ(Player().GetWordCount(), 0);
        EXPECT_EQ(Player().FoundList().Count(), 0);
        EXPECT_EQ(Player().ColCount(), 15);
        EXPECT_EQ(S(Player().GetCellText(0, 0)), "");
        EXPECT_FALSE(GameClock().Enabled());
        for (QAction* action : {Window->actShowHint, Window->actHideFoundWords, Window->actUseTimer,
                                Window->actPause, Window->actGiveUp})
            EXPECT_FALSE(action->isEnabled()) << S(action->text());
        // So the next Play asks for a file instead of showing the empty board.
        const size_t dialogs = Fake.FileDialogs.size();
        Fake.CancelFileDialog();
        EXPECT_FALSE(Window->PlayGame(QString()));
        EXPECT_EQ(Fake.FileDialogs.size(), dialogs + 1);
    }
    EXPECT_EQ(Fake.Messages.size(), 2u);
}

// A failed open during a pause shows the empty game itself, not a pause
// whose Continue is disabled.
TEST_F(PlayWindowTest, AFailedOpenWhilePausedLeavesThePause) {
    Play(MakeGame("timed.gtg", Animals, [](TWordGameProperties& p) { p.SetUseTimer(true); }));
    Window->actPause->trigger();
    ASSERT_TRUE(Window->Paused());
    const QString bad = QDir(Fake.Folder()).filePath("bad.gtg");
    WriteBytes(bad, "not a game");
    Fake.Answer(mrOk);
    EXPECT_FALSE(Window->PlayGame(bad));
    EXPECT_FALSE(Window->Paused());
    EXPECT_FALSE(Window->pnlPause->isVisible());
    EXPECT_TRUE(Player().isVisible());
    EXPECT_FALSE(Window->actContinue->isVisible());
    EXPECT_EQ(S(Window->lblTime->text()), "Elapsed time");
}

// Use Timer asks before restarting a game with a word found, in both
// directions; No changes nothing, Yes restarts with the timer flipped.
TEST_F(PlayWindowTest, UseTimerAsksOnlyOnceAWordIsFound) {
    struct Case {
        bool TimedBefore;
        bool WordFound;
        int Answer; // mrNone: no question
        bool TimedAfter;
    };
    const Case cases[] = {
        {false, true, mrNo, false}, {false, true, mrYes, true},   {true, true, mrNo, true},
        {true, true, mrYes, false}, {false, false, mrNone, true}, {true, false, mrNone, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.TimedBefore << c.WordFound << c.Answer);
        Play(MakeGame("timer.gtg", Animals,
                      [&](TWordGameProperties& p) { p.SetUseTimer(c.TimedBefore); }));
        ASSERT_EQ(Window->TimerInUse(), c.TimedBefore);
        if (c.WordFound)
            Find(Animals[0]);
        const size_t asked = Fake.Messages.size();
        if (c.Answer != mrNone)
            Fake.Answer(c.Answer);
        Window->actUseTimer->trigger();
        if (c.Answer == mrNone)
            EXPECT_EQ(Fake.Messages.size(), asked);
        else {
            ASSERT_EQ(Fake.Messages.size(), asked + 1);
            EXPECT_EQ(S(Fake.Messages.back().text),
                      S(c.TimedBefore ? sTimerOffQuestion : sTimerOnQuestion));
        }
        EXPECT_EQ(Window->TimerInUse(), c.TimedAfter);
        EXPECT_EQ(Window->actUseTimer->isChecked(), c.TimedAfter);
        EXPECT_EQ(Window->tlbUseTimer->isChecked(), c.TimedAfter);
        EXPECT_EQ(Window->pnlTimer->isVisible(), c.TimedAfter);
        EXPECT_EQ(Player().Timed(), c.TimedAfter);
        const bool restarted = c.TimedAfter != c.TimedBefore;
        EXPECT_EQ(Marked("CAT"), c.WordFound && !restarted);
        if (restarted)
            EXPECT_EQ(Window->HelpShown(), c.TimedAfter ? hiTimerOn : hiTimerOff);
        else
            EXPECT_EQ(Window->HelpShown(), c.TimedBefore ? hiTimerOffQuestion : hiTimerOnQuestion);
    }
}

TEST_F(PlayWindowTest, PauseHidesTheGridAndLeavesOnlyContinue) {
    Play(MakeGame("timed.gtg", Animals, [](TWordGameProperties& p) { p.SetUseTimer(true); }));
    Window->actPause->trigger();
    EXPECT_TRUE(Window->Paused());
    EXPECT_FALSE(Player().isVisible());
    EXPECT_TRUE(Window->pnlPause->isVisible());
    EXPECT_TRUE(Player().GamePaused());
    EXPECT_FALSE(GameClock().Enabled());
    EXPECT_EQ(S(Window->lblTime->text()), "Paused at");
    EXPECT_EQ(Window->HelpShown(), hiPaused);
    for (QAction* action :
         {Window->actShowHint, Window->actHideFoundWords, Window->actShowFoundWords,
          Window->actUseTimer, Window->actPause, Window->actGiveUp})
        EXPECT_FALSE(action->isEnabled()) << S(action->text());
    EXPECT_TRUE(Window->actContinue->isEnabled());
    EXPECT_TRUE(Window->actContinue->isVisible());
    EXPECT_FALSE(Window->actPause->isVisible());
    for (QAction* action : {Window->actOpen, Window->actRestartPuzzle, Window->actShowOptions,
                            Window->actPrint, Window->actClose})
        EXPECT_TRUE(action->isEnabled()) << S(action->text());

    Window->actContinue->trigger();
    EXPECT_FALSE(Window->Paused());
    EXPECT_TRUE(Player().isVisible());
    EXPECT_FALSE(Window->pnlPause->isVisible());
    EXPECT_TRUE(GameClock().Enabled());
    EXPECT_TRUE(Window->actPause->isVisible());
    EXPECT_FALSE(Window->actContinue->isVisible());
    EXPECT_EQ(Window->HelpShown(), hiContinued);

    // A restart during a pause starts the game unpaused.
    Window->actPause->trigger();
    Fake.Answer(mrYes);
    Window->actRestartPuzzle->trigger();
    EXPECT_FALSE(Window->Paused());
    EXPECT_TRUE(Player().isVisible());
    EXPECT_TRUE(Window->actPause->isVisible());
    EXPECT_FALSE(Window->actContinue->isVisible());
}

TEST_F(PlayWindowTest, HelpQueuedByTheMouseShowsEveryThreeSeconds) {
    Play(MakeGame("timed.gtg", Animals, [](TWordGameProperties& p) { p.SetUseTimer(true); }));
    Window->actHideFoundWords->trigger(); // something other than the grid's text shows
    ASSERT_EQ(Window->HelpShown(), hiHideFoundWords);

    const int passes = Fake.ProcessMessagesCalls;
    QTest::mouseMove(&Player(), Centre(QPoint(4, 4)));
    QTest::mouseMove(&Player(), Centre(QPoint(5, 5)));
    QTest::mouseMove(Window->lbxWords->viewport(), QPoint(10, 10));
    QTest::mouseMove(Window->txtTimer, QPoint(5, 5));
    EXPECT_EQ(Window->HelpShown(), hiHideFoundWords);
    ASSERT_TRUE(HelpDelay().Enabled());
    HelpDelay().Fire();
    EXPECT_EQ(Window->HelpShown(), hiGridMove);
    EXPECT_TRUE(HelpDelay().Enabled());
    // Over the grid again while its text shows: nothing more is queued.
    QTest::mouseMove(&Player(), Centre(QPoint(6, 6)));
    HelpDelay().Fire();
    EXPECT_EQ(Window->HelpShown(), hiWordList);
    EXPECT_TRUE(S(Help()).find("There are still many words to be found.") != std::string::npos);
    HelpDelay().Fire();
    EXPECT_EQ(Window->HelpShown(), hiTimerElapsed);
    EXPECT_FALSE(HelpDelay().Enabled());

    // Any action drops what the mouse queued.
    QTest::mouseMove(Window->lbxWords->viewport(), QPoint(12, 30));
    ASSERT_TRUE(HelpDelay().Enabled());
    Window->actShowFoundWords->trigger();
    EXPECT_EQ(Window->HelpShown(), hiShowFoundWords);
    EXPECT_FALSE(HelpDelay().Enabled());
    HelpDelay().SetEnabled(true);
    HelpDelay().Fire();
    EXPECT_EQ(Window->HelpShown(), hiShowFoundWords);
    // Showing help repaints the memo only; no event-loop pass runs inside.
    EXPECT_EQ(Fake.ProcessMessagesCalls, passes);
}

TEST_F(PlayWindowTest, GiveUpRevealsEveryWordAndGiveUpAndCloseUnloads) {
    Play(MakeGame("animals.gtg", Animals));
    Find(Animals[0]);
    Fake.Answer(mrNo);
    Window->actGiveUp->trigger();
    EXPECT_FALSE(Player().GivenUp());
    Fake.Answer(mrYes);
    Window->actGiveUp->trigger();
    EXPECT_EQ(S(Fake.Messages.back().text), "Give up the game now?");
    EXPECT_TRUE(Player().GivenUp());
    for (const Placed& word : Animals)
        EXPECT_TRUE(Marked(word.Word)) << word.Word;
    EXPECT_EQ(Window->HelpShown(), hiGivenUp);
    EXPECT_FALSE(Window->actGiveUp->isEnabled());

    // A given-up game with a word found is still underway.
    Fake.Answer(mrYes);
    Window->actClose->trigger();
    EXPECT_EQ(Window->HelpShown(), hiCloseQuestion);
    EXPECT_FALSE(Window->isVisible());
    EXPECT_FALSE(Window->GameLoaded());
    EXPECT_EQ(S(Player().GameTitle()), "<no game loaded>");
    EXPECT_EQ(Window->lbxWords->count(), 0);

    // A later Play without a file asks for one.
    Fake.CancelFileDialog();
    EXPECT_FALSE(Window->PlayGame(QString()));
    ASSERT_EQ(Fake.FileDialogs.size(), 1u);
    EXPECT_EQ(S(Fake.FileDialogs[0].Filter), "Game File (*.gtg)|*.gtg|All Files (*.*)|*.*");
    EXPECT_EQ(S(Fake.FileDialogs[0].DefaultExt), "gtg");
    EXPECT_FALSE(Window->isVisible());
}

TEST_F(PlayWindowTest, OpenStartsInTheFolderOfTheLastGame) {
    const QString first = MakeGame("first.gtg", Animals);
    const QString second = MakeGame("second.gtg", {Animals[0]});
    Play(first);
    Fake.ChooseFile(second);
    QTest::keyClick(Window.get(), Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(Fake.FileDialogs.size(), 1u);
    EXPECT_EQ(S(Fake.FileDialogs[0].InitialDir), S(QFileInfo(first).absolutePath() + "/"));
    EXPECT_EQ(S(Fake.FileDialogs[0].FileName), "first.gtg");
    EXPECT_EQ(Window->lbxWords->count(), 1);
}

TEST_F(PlayWindowTest, ClosingTheWindowPausesATimedGameAndShowsTheCaller) {
    QWidget caller;
    Window->SetCallerForm(&caller);
    caller.show();
    Play(MakeGame("timed.gtg", Animals, [](TWordGameProperties& p) { p.SetUseTimer(true); }));
    EXPECT_FALSE(caller.isVisible());
    Window->close();
    EXPECT_TRUE(caller.isVisible());
    EXPECT_TRUE(Window->Paused());
    EXPECT_TRUE(Player().GamePaused());
}

// A new frame is no hiding: a timed game runs on and the caller window
// stays hidden.
TEST_F(PlayWindowTest, ScreenModesSwapTheirActionsAndKeepTheGameRunning) {
    QWidget caller;
    Window->SetCallerForm(&caller);
    caller.show();
    Play(MakeGame("timed.gtg", Animals, [](TWordGameProperties& p) { p.SetUseTimer(true); }));
    const auto expectRunning = [&] {
        EXPECT_TRUE(Window->isVisible());
        EXPECT_FALSE(Window->Paused());
        EXPECT_TRUE(GameClock().Enabled());
        EXPECT_FALSE(caller.isVisible());
    };
    EXPECT_TRUE(Window->actFullscreen->isVisible());
    EXPECT_FALSE(Window->actNormalScreen->isVisible());
    QTest::keyClick(Window.get(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(Window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(Window->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(Window->HelpShown(), hiFullScreen);
    EXPECT_FALSE(Window->actFullscreen->isVisible());
    expectRunning();
    QTest::keyClick(Window.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_FALSE(Window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(Window->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(Window->HelpShown(), hiNormalWindow);
    EXPECT_TRUE(Window->actFullscreen->isVisible());
    expectRunning();
    Window->SetCallerForm(nullptr);
}

// A window that opened full screen has never had a normal size of its own:
// Normal Window gives it the form's size, not the size of the screen.
TEST_F(PlayWindowTest, NormalWindowAfterStartingFullScreenTakesTheFormSize) {
    Window->Options().SetMaximiseWindow(true);
    Play(MakeGame("animals.gtg", Animals));
    ASSERT_TRUE(Window->windowFlags() & Qt::FramelessWindowHint);
    const QSize formSize = Window->size();
    QTest::keyClick(Window.get(), Qt::Key_N, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(Window->size(), QSize(583, 514)) << formSize.width() << "x" << formSize.height();
}

// The window's inner area goes back where it was: a frame's place given
// back to the frameless window would move it by the frame's size.
TEST_F(PlayWindowTest, NormalWindowGoesBackToWhereTheWindowWasBeforeFullScreen) {
    Play(MakeGame("animals.gtg", Animals));
    Window->move(120, 90);
    Window->resize(640, 480);
    QApplication::processEvents();
    const QRect normal = Window->geometry();
    for (int trip = 1; trip <= 2; ++trip) {
        QTest::keyClick(Window.get(), Qt::Key_F, Qt::ControlModifier);
        QApplication::processEvents();
        ASSERT_NE(Window->size(), QSize(640, 480));
        QTest::keyClick(Window.get(), Qt::Key_N, Qt::ControlModifier);
        QApplication::processEvents();
        EXPECT_EQ(Window->geometry(), normal) << "trip " << trip;
    }
}

// The split changed with the full screen; the normal window gets back its
// own split, not a small grid beside a wide word list.
TEST_F(PlayWindowTest, NormalWindowGivesTheGridBackItsRoom) {
    Play(MakeGame("animals.gtg", Animals));
    const int side = Player().ClientWidth();
    const int right = Window->pnlRight->width();
    QTest::keyClick(Window.get(), Qt::Key_F, Qt::ControlModifier);
    QApplication::processEvents();
    ASSERT_NE(Player().ClientWidth(), side);
    QTest::keyClick(Window.get(), Qt::Key_N, Qt::ControlModifier);
    QApplication::processEvents();
    // Within half a cell: the fit settles on whole cells.
    const int slack = side / 10 / 2;
    EXPECT_GE(Player().ClientWidth(), side - slack);
    EXPECT_LE(Window->pnlRight->width(), right + slack);
}

TEST_F(PlayWindowTest, TheSidePanelTakesTheRoomTheSquareGridLeaves) {
    Play(MakeGame("animals.gtg", Animals));
    for (const QSize size : {QSize(583, 514), QSize(800, 500), QSize(700, 700), QSize(900, 600)}) {
        Window->resize(size);
        QApplication::processEvents();
        const int side = Player().ClientWidth();
        EXPECT_EQ(side, Player().ClientHeight());
        // The grid's cells, their closing line and the margins; the splitter's
        // handle and the right panel take the rest.
        EXPECT_EQ(Window->pnlGame->width(), side + 1 + 16) << size.width() << "x" << size.height();
        EXPECT_EQ(Window->pnlRight->width(),
                  Window->centralWidget()->width() - 3 - Window->pnlGame->width());
    }
}

// A game of another size opened in the shown window gets its grid fitted
// too: the last column and row lie inside the game panel, and the side
// panel takes the room left.
TEST_F(PlayWindowTest, AGameOfAnotherSizeShowsItsWholeGrid) {
    for (const int side : {10, 15, 30, 12, 10}) {
        SCOPED_TRACE(side);
        Play(MakeGame("game.gtg", {{"OWL", 0, 0, wdRight}}, {}, side));
        ASSERT_EQ(Player().ColCount(), side);
        const TRect last = Player().CellRect(side - 1, side - 1);
        EXPECT_LE(Player().x() + last.Right + 1, Window->pnlGame->contentsRect().right())
            << "panel " << Window->pnlGame->width();
        EXPECT_LE(Player().y() + last.Bottom + 1, Window->pnlGame->contentsRect().bottom());
        EXPECT_EQ(Window->pnlRight->width(),
                  Window->centralWidget()->width() - 3 - (Player().ClientWidth() + 1 + 16));
    }
}

// The side panel took the room a tall or square grid left; a wider game
// opened next in the shown window (Play again, or Open) gets the room back
// and its last column stays inside the game panel, at any window size.
TEST_F(PlayWindowTest, AWiderGameOpenedIntoTheShownWindowShowsItsWholeGrid) {
    struct Board {
        int Cols;
        int Rows;
    };
    const std::vector<Board> boards = {{10, 10}, {12, 10}, {5, 5},   {30, 5}, {10, 20},
                                       {20, 10}, {30, 30}, {20, 19}, {5, 30}, {12, 11}};
    const auto expectWholeGrid = [&] {
        const TRect last = Player().CellRect(Player().ColCount() - 1, Player().RowCount() - 1);
        EXPECT_LE(Player().x() + last.Right + 1, Window->pnlGame->contentsRect().right())
            << "panel " << Window->pnlGame->width();
        EXPECT_LE(Player().y() + last.Bottom + 1, Window->pnlGame->contentsRect().bottom());
    };
    const QString bad = QDir(Fake.Folder()).filePath("bad.gtg");
    WriteBytes(bad, "not a game");
    for (const QSize size : {QSize(583, 514), QSize(800, 514), QSize(640, 700)}) {
        Window->resize(size);
        for (std::size_t i = 0; i < boards.size(); ++i) {
            const Board board = boards[i];
            SCOPED_TRACE(testing::Message() << board.Cols << "x" << board.Rows << " in "
                                            << size.width() << "x" << size.height());
            const QString game = MakeGame(QString("game%1.gtg").arg(i), {{"OWL", 0, 0, wdRight}},
                                          {}, board.Cols, board.Rows);
            if (i % 2 == 0)
                Play(game);
            else {
                Fake.ChooseFile(game);
                Window->actOpen->trigger();
                QApplication::processEvents();
            }
            ASSERT_EQ(Player().ColCount(), board.Cols);
            expectWholeGrid();
        }
        // The empty board after a failed open, in the panel the wide game left.
        SCOPED_TRACE("the empty board");
        Play(MakeGame("wide.gtg", {{"OWL", 0, 0, wdRight}}, {}, 30, 5));
        Fake.Answer(mrOk);
        EXPECT_FALSE(Window->PlayGame(bad));
        QApplication::processEvents();
        ASSERT_EQ(Player().ColCount(), 15);
        expectWholeGrid();
    }
}

// The whole grid shows in its panel, its last column's right and its last
// row's bottom closing lines drawn on the screen, after every open, after
// Options (bars hidden and shown again), after a full-screen round trip and
// after resizes; and it never covers the panel's margin or frame.
TEST_F(PlayWindowTest, TheWholeGridShowsInItsPanelAfterEveryChange) {
    struct Board {
        int Cols;
        int Rows;
    };
    const std::vector<Board> boards = {{6, 6}, {12, 12}, {12, 10}, {10, 15}, {30, 5}, {5, 30}};
    const auto toggleStatusBar = [this] {
        Fake.OnModal([](QDialog& dialog) {
            auto& options = dynamic_cast<TfrmPlayerOptions&>(dialog);
            QCheckBox* box = options.cbxShowStatusBar;
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
            QTest::mouseClick(options.btnOK, Qt::LeftButton);
            return int(mrNone);
        });
        Window->actShowOptions->trigger();
        QApplication::processEvents();
    };
    const auto expectWholeGrid = [&](const char* when) {
        SCOPED_TRACE(when);
        TGlyphtrovePlayer& grid = Player();
        const QRect place = grid.geometry();
        EXPECT_TRUE(Window->pnlGame->contentsRect().contains(place))
            << place.right() << "," << place.bottom() << " in a panel of "
            << Window->pnlGame->width() << "x" << Window->pnlGame->height();
        const TRect first = grid.CellRect(0, 0);
        const TRect last = grid.CellRect(grid.ColCount() - 1, grid.RowCount() - 1);
        const QImage shown = Window->grab().toImage();
        const QPoint origin = grid.mapTo(Window.get(), QPoint(0, 0));
        const QColor line = ToQColor(grid.LineColour());
        const auto expectLine = [&](int x, int y, const char* which) {
            EXPECT_EQ(shown.pixelColor(origin + QPoint(x, y)), line)
                << which << " closing line at " << x << "," << y << " of a grid " << grid.width()
                << "x" << grid.height();
        };
        for (const int y : {(first.Top + first.Bottom) / 2, (last.Top + last.Bottom) / 2})
            expectLine(last.Right - 1, y, "right");
        for (const int x : {(first.Left + first.Right) / 2, (last.Left + last.Right) / 2})
            expectLine(x, last.Bottom - 1, "bottom");
    };
    for (const QSize size : {QSize(583, 514), QSize(700, 600), QSize(800, 460)}) {
        Window->resize(size);
        for (const Board board : boards) {
            SCOPED_TRACE(testing::Message() << board.Cols << "x" << board.Rows << " in "
                                            << size.width() << "x" << size.height());
            Play(MakeGame("game.gtg", {{"OWL", 0, 0, wdRight}}, {}, board.Cols, board.Rows));
            ASSERT_EQ(Player().ColCount(), board.Cols);
            expectWholeGrid("opened");
            toggleStatusBar();
            ASSERT_FALSE(Window->sbrInfo->isVisible());
            expectWholeGrid("the status bar hidden");
            toggleStatusBar();
            ASSERT_TRUE(Window->sbrInfo->isVisible());
            expectWholeGrid("the status bar shown again");
            QTest::keyClick(Window.get(), Qt::Key_F, Qt::ControlModifier);
            QApplication::processEvents();
            expectWholeGrid("full screen");
            QTest::keyClick(Window.get(), Qt::Key_N, Qt::ControlModifier);
            QApplication::processEvents();
            expectWholeGrid("back from full screen");
            for (const int step : {-37, 1, 1, 1, 36}) {
                Window->resize(Window->size() + QSize(step, step));
                QApplication::processEvents();
                expectWholeGrid("resized");
            }
        }
    }
}

TEST_F(PlayWindowTest, AHintFlashesTheFirstLetterOfTheChosenWord) {
    Play(MakeGame("animals.gtg", Animals, [](TWordGameProperties& p) { p.SetHints(2); }));
    Find(Animals[0]);
    const QPoint horse(Animals[2].X, Animals[2].Y);
    const TColor colour = Player().GetCellColour(horse.x(), horse.y());
    const TColor textColour = Player().GetCellTextColour(horse.x(), horse.y());

    PickHint("HORSE");
    Window->actShowHint->trigger();
    EXPECT_EQ(HintWords, QStringList({"BEE", "DOG", "EEL", "HORSE", "MOUSE", "OWL", "YAK"}));
    EXPECT_EQ(S(HintsLeftText), "2 Hints Left");
    EXPECT_TRUE(Window->Flashing());
    EXPECT_EQ(Window->HintsLeft(), 1);
    EXPECT_EQ(Window->HelpShown(), hiHintFlashing);
    EXPECT_TRUE(Window->actShowHint->isEnabled());

    // Show Hint waits for the flash to end.
    Window->actShowHint->trigger();
    EXPECT_EQ(Window->HintsLeft(), 1);

    for (int exchange = 1; exchange <= 4; ++exchange) {
        FlashTimer().Fire();
        const bool swapped = exchange % 2 == 1;
        EXPECT_EQ(Player().GetCellColour(horse.x(), horse.y()), swapped ? textColour : colour);
        EXPECT_EQ(Player().GetCellTextColour(horse.x(), horse.y()), swapped ? colour : textColour);
    }
    EXPECT_FALSE(Window->Flashing());
    EXPECT_FALSE(FlashTimer().Enabled());

    // A cancelled dialog uses no hint.
    PickHint("DOG", false);
    Window->actShowHint->trigger();
    EXPECT_EQ(Window->HintsLeft(), 1);

    PickHint("DOG");
    Window->actShowHint->trigger();
    EXPECT_EQ(S(HintsLeftText), "1 Hints Left");
    EXPECT_EQ(Window->HintsLeft(), 0);
    EXPECT_FALSE(Window->actShowHint->isEnabled());

    // A restart ends the flash and gives the hints back.
    ASSERT_TRUE(Window->Flashing());
    Fake.Answer(mrYes);
    Window->actRestartPuzzle->trigger();
    EXPECT_FALSE(Window->Flashing());
    EXPECT_FALSE(FlashTimer().Enabled());
    EXPECT_EQ(Window->HintsLeft(), 2);
    EXPECT_TRUE(Window->actShowHint->isEnabled());

    // So does opening a game.
    PickHint("DOG");
    Window->actShowHint->trigger();
    ASSERT_TRUE(Window->Flashing());
    Play(MakeGame("small.gtg", {{"OWL", 0, 0, wdRight}}, {}, 5));
    EXPECT_FALSE(Window->Flashing());
    EXPECT_FALSE(FlashTimer().Enabled());
    EXPECT_EQ(Window->HintsLeft(), 5);
}

// The count-down runs out while the hint dialog is open: the word chosen in
// it afterwards gives no hint.
TEST_F(PlayWindowTest, NoHintOnceTheGameHasEnded) {
    Play(MakeGame("countdown.gtg", Animals, [](TWordGameProperties& p) {
        p.SetUseTimer(true);
        p.SetCountDownTimer(EncodeTime(0, 0, 1, 0));
        p.SetHints(3);
    }));
    const QPoint dog(Animals[1].X, Animals[1].Y);
    const TColor colour = Player().GetCellColour(dog.x(), dog.y());
    FakeTimer& clock = GameClock();
    Fake.OnModal([&](QDialog& dialog) {
        Fake.Advance(1000);
        clock.Fire(); // "Out Of Time", answered below
        EXPECT_EQ(Player().GameState(), wgsTimeUp);
        auto& hint = dynamic_cast<TfrmWordHint&>(dialog);
        TColourListBox& list = *hint.lbxWordList;
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier,
                          list.visualItemRect(list.item(list.Items().IndexOf("DOG"))).center());
        QTest::mouseClick(hint.btnOK, Qt::LeftButton);
        return int(mrNone);
    });
    ExpectEndOfGame();
    Window->actShowHint->trigger();

    EXPECT_EQ(S(EndMainText), "Out Of Time");
    EXPECT_EQ(Window->HintsLeft(), 3);
    EXPECT_FALSE(Window->Flashing());
    EXPECT_FALSE(FlashTimer().Enabled());
    EXPECT_EQ(Player().GetCellColour(dog.x(), dog.y()), colour);
    EXPECT_NE(Window->HelpShown(), hiHintFlashing);
}

// The timer's restarts end a flash as Restart Puzzle does: the flashed cell
// keeps the colours the new game gave it.
TEST_F(PlayWindowTest, ATimerRestartEndsTheFlash) {
    const std::pair<const char*, std::function<void()>> restarts[] = {
        {"Use Timer", [this] { Window->actUseTimer->trigger(); }},
        {"the options' timer switch",
         [this] {
             ChooseTimerOption(toAlwaysOn);
             Window->actShowOptions->trigger();
         }},
    };
    for (const auto& [name, restart] : restarts) {
        SCOPED_TRACE(name);
        Window->Options().SetTimer(toDefault);
        Play(MakeGame("animals.gtg", Animals));
        const QPoint horse(Animals[2].X, Animals[2].Y);
        const TColor colour = Player().GetCellColour(horse.x(), horse.y());
        const TColor textColour = Player().GetCellTextColour(horse.x(), horse.y());
        PickHint("HORSE");
        Window->actShowHint->trigger();
        FlashTimer().Fire();
        ASSERT_EQ(Player().GetCellColour(horse.x(), horse.y()), textColour) << "not inverted";

        restart();
        ASSERT_TRUE(Window->TimerInUse());
        EXPECT_FALSE(Window->Flashing());
        for (int exchange = 2; exchange <= 4; ++exchange)
            FlashTimer().Fire();
        EXPECT_EQ(Player().GetCellColour(horse.x(), horse.y()), colour);
        EXPECT_EQ(Player().GetCellTextColour(horse.x(), horse.y()), textColour);
    }
}

// The end-of-game text tells the hints used, with an "s" for more than one.
TEST_F(PlayWindowTest, TheEndOfGameTellsTheHintsUsed) {
    const std::vector<Placed> words = {Animals[0], Animals[1], Animals[2]};
    struct Case {
        int Hints;
        const char* Text;
    };
    for (const Case& c : {Case{0, "Completed \"Animals\" - Congratulations"},
                          Case{1, "Completed \"Animals\" - Congratulations. You used 1 hint"},
                          Case{2, "Completed \"Animals\" - Congratulations. You used 2 hints"}}) {
        Play(MakeGame("hints.gtg", words));
        for (int i = 0; i < c.Hints; ++i) {
            PickHint(words[size_t(i)].Word);
            Window->actShowHint->trigger();
            for (int exchange = 0; exchange < 4; ++exchange)
                FlashTimer().Fire();
        }
        Find(words[0]);
        Find(words[1]);
        ExpectEndOfGame();
        Find(words[2]);
        EXPECT_EQ(S(EndMainText), c.Text);
    }
}

TEST_F(PlayWindowTest, APuzzleWithoutHintsStartsWithShowHintDisabled) {
    Play(MakeGame("nohints.gtg", Animals, [](TWordGameProperties& p) { p.SetHints(0); }));
    EXPECT_FALSE(Window->actShowHint->isEnabled());
    EXPECT_EQ(Window->HintsLeft(), 0);
}

// The timer switch of the options asks, for the direction of the change,
// once a word is found; No leaves the check, the panel and the clock.
TEST_F(PlayWindowTest, TheOptionsTimerSwitchAsksInTheDirectionOfTheChange) {
    struct Case {
        bool TimedFile;
        TTimerOption Option;
        bool WordFound;
        int Answer; // mrNone: no question
        bool TimedAfter;
    };
    const Case cases[] = {
        {false, toAlwaysOn, true, mrNo, false},   {false, toAlwaysOn, true, mrYes, true},
        {true, toAlwaysOff, true, mrNo, true},    {true, toAlwaysOff, true, mrYes, false},
        {false, toAlwaysOn, false, mrNone, true}, {true, toDefault, true, mrNone, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.TimedFile << int(c.Option) << c.WordFound << c.Answer);
        Window->Options().SetTimer(toDefault);
        Play(MakeGame("timer.gtg", Animals,
                      [&](TWordGameProperties& p) { p.SetUseTimer(c.TimedFile); }));
        if (c.WordFound)
            Find(Animals[0]);
        const size_t asked = Fake.Messages.size();
        ChooseTimerOption(c.Option);
        if (c.Answer != mrNone)
            Fake.Answer(c.Answer);
        Window->actShowOptions->trigger();
        EXPECT_EQ(Window->Options().Timer(), c.Option);
        if (c.Answer == mrNone)
            EXPECT_EQ(Fake.Messages.size(), asked);
        else {
            ASSERT_EQ(Fake.Messages.size(), asked + 1);
            EXPECT_EQ(S(Fake.Messages.back().text),
                      S(c.TimedFile ? sTimerOffQuestion : sTimerOnQuestion));
        }
        EXPECT_EQ(Window->TimerInUse(), c.TimedAfter);
        EXPECT_EQ(Window->actUseTimer->isChecked(), c.TimedAfter);
        EXPECT_EQ(Window->pnlTimer->isVisible(), c.TimedAfter);
        EXPECT_EQ(Player().Timed(), c.TimedAfter);
        EXPECT_EQ(GameClock().Enabled(), c.TimedAfter);
        EXPECT_EQ(Marked("CAT"), c.WordFound && c.TimedAfter == c.TimedFile);
    }
}

// "Timer=7" in the options file means what the dialog shows for it: the
// puzzle decides. OK in the dialog without a change changes nothing.
TEST_F(PlayWindowTest, ATimerOptionBeyondTheChoicesLeavesTheClockToThePuzzle) {
    for (const bool timedFile : {true, false}) {
        SCOPED_TRACE(timedFile ? "timed puzzle" : "untimed puzzle");
        WriteBytes(Window->Options().OptionsFileName(), "[OPTIONS]\nMaximiseWindow=0\nTimer=7\n");
        Play(MakeGame("timer.gtg", Animals,
                      [&](TWordGameProperties& p) { p.SetUseTimer(timedFile); }));
        ASSERT_EQ(Window->Options().Timer(), 7);
        EXPECT_EQ(Window->TimerInUse(), timedFile);
        Find(Animals[0]);
        const size_t asked = Fake.Messages.size();
        Fake.OnModal([](QDialog& dialog) {
            auto& options = dynamic_cast<TfrmPlayerOptions&>(dialog);
            EXPECT_EQ(options.rgpTimer->ItemIndex(), int(toDefault));
            QTest::mouseClick(options.btnOK, Qt::LeftButton);
            return int(mrNone);
        });
        Window->actShowOptions->trigger();

        EXPECT_EQ(Window->Options().Timer(), 7);
        EXPECT_EQ(Fake.Messages.size(), asked) << "no question";
        EXPECT_EQ(Window->TimerInUse(), timedFile);
        EXPECT_EQ(Player().Timed(), timedFile);
        EXPECT_TRUE(Marked("CAT")) << "the game goes on";
    }
}

TEST_F(PlayWindowTest, PrintingPreviewsAPageOfItsOwnAndLeavesTheUsersFilesAlone) {
    const QString folder = QDir(Fake.Folder()).filePath("puzzles");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString game = MakeGame("animals.gtg", Animals);
    const QString moved = QDir(folder).filePath("animals.gtg");
    ASSERT_TRUE(QFile::copy(game, moved));
    const QString usersPage = QDir(folder).filePath("animals.html");
    WriteBytes(usersPage, "the user's own page");
    Play(moved);
    // Each wait of the preview lets its step timer tick; the preview and its
    // engine go when printing ends, so what it was asked is kept here.
    std::vector<QString> navigated;
    int previews = 0;
    QByteArray shown;
    Fake.OnHandleMessage = [&] {
        navigated = Fake.PrintEngines.back()->Navigated;
        previews = Fake.PrintEngines.back()->Previews;
        if (navigated.size() == 1)
            shown = ReadBytes(navigated[0]);
        TimerOf(2000).Fire();
    };
    const auto expectPrinted = [&](const char* Case) {
        ASSERT_EQ(navigated.size(), 1u) << Case;
        EXPECT_TRUE(navigated[0].startsWith(GetTempDirectory())) << Case << S(navigated[0]);
        EXPECT_TRUE(QFileInfo(navigated[0]).fileName().startsWith("animals-"))
            << Case << S(navigated[0]);
        EXPECT_TRUE(shown.contains("<TD class=gridtext>")) << Case;
        EXPECT_EQ(previews, 1) << Case;
        // Read, previewed, then gone: pages do not pile up.
        EXPECT_FALSE(QFile::exists(navigated[0])) << Case << S(navigated[0]);
    };

    Window->actPrint->trigger();
    expectPrinted("beside the user's page");
    EXPECT_EQ(Window->HelpShown(), hiPrint);
    EXPECT_EQ(ReadBytes(usersPage), "the user's own page");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList({"animals.gtg", "animals.html"}));

    // A game whose folder has gone prints all the same.
    ASSERT_TRUE(QDir(folder).removeRecursively());
    shown.clear();
    Window->actPrint->trigger();
    expectPrinted("without the game's folder");

    // Without that folder either: the error box says so, and no page goes
    // to the working folder in its stead.
    const QString work = QDir(Fake.Folder()).filePath("work");
    ASSERT_TRUE(QDir().mkpath(work));
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(work));
    Fake.TempFolderMissing = true;
    navigated.clear();
    Fake.Answer(mrOk);
    Window->actPrint->trigger();
    QDir::setCurrent(previous);
    ASSERT_FALSE(Fake.Messages.empty());
    EXPECT_EQ(Fake.Messages.back().type, mtError);
    EXPECT_TRUE(Fake.Messages.back().text.startsWith("Cannot find a valid TEMP directory ("))
        << S(Fake.Messages.back().text);
    EXPECT_TRUE(navigated.empty());
    EXPECT_TRUE(QDir(work).isEmpty()) << S(QDir(work).entryList().join(", "));
}

TEST_F(PlayWindowTest, OptionsAreSavedOnlyWhenTheProgramAsks) {
    const QString file = Window->Options().OptionsFileName();
    Window->Options().SetShowTitle(false);
    Window->SaveOptions();
    EXPECT_TRUE(QFile::exists(file));

    // A file that cannot be replaced gives one error box.
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(QDir().mkpath(file));
    Fake.Answer(mrOk);
    Window->SaveOptions();
    ASSERT_EQ(Fake.Messages.size(), 1u);
    EXPECT_EQ(Fake.Messages.back().type, mtError);

    // The window's destruction saves nothing and shows nothing.
    Window.reset();
    EXPECT_EQ(Fake.Messages.size(), 1u);
}

TEST_F(PlayWindowTest, HelpActionsOpenTheHelpFileAtTheirContexts) {
    Play(MakeGame("animals.gtg", Animals));
    Window->actHelpContents->trigger();
    Window->actHelpPlayer->trigger();
    ASSERT_EQ(Fake.HelpShown.size(), 2u);
    EXPECT_TRUE(Fake.HelpShown[0].first.endsWith("/Glyphtrove.hlp"));
    EXPECT_EQ(Fake.HelpShown[0].second, 2);
    EXPECT_EQ(Fake.HelpShown[1].second, 19);
    Window->SetHelpAvailable(false);
    EXPECT_FALSE(Window->actHelpContents->isEnabled());
    EXPECT_FALSE(Window->actHelpPlayer->isEnabled());

    bool aboutShown = false;
    Fake.OnModal([&](QDialog& dialog) {
        aboutShown = dynamic_cast<TfrmAboutDesigner*>(&dialog) != nullptr;
        return int(mrOk);
    });
    Window->actAbout->trigger();
    EXPECT_TRUE(aboutShown);

    // A double click on the help heading hides the panel; the menu brings it back.
    QTest::mouseDClick(Window->tbHelp, Qt::LeftButton);
    EXPECT_FALSE(Window->pnlHelp->isVisible());
    EXPECT_TRUE(Window->actShowHelp->isVisible());
    EXPECT_FALSE(Window->actHideHelp->isVisible());
    Window->actShowHelp->trigger();
    EXPECT_TRUE(Window->pnlHelp->isVisible());
    EXPECT_TRUE(Window->actHideHelp->isVisible());
}

TEST_F(PlayWindowTest, ShortcutsReachTheGameActions) {
    Play(MakeGame("animals.gtg", Animals));
    Find(Animals[0]);
    QTest::keyClick(Window.get(), Qt::Key_H, Qt::ControlModifier);
    EXPECT_TRUE(Player().HideFoundWords());
    EXPECT_FALSE(Window->actHideFoundWords->isVisible());
    EXPECT_TRUE(Window->actShowFoundWords->isVisible());
    EXPECT_EQ(Window->HelpShown(), hiHideFoundWords);
    QTest::keyClick(Window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(Player().HideFoundWords());
    EXPECT_EQ(Window->HelpShown(), hiShowFoundWords);
    Fake.Answer(mrNo);
    QTest::keyClick(Window.get(), Qt::Key_T, Qt::ControlModifier);
    ASSERT_EQ(Fake.Messages.size(), 1u);
    EXPECT_FALSE(Window->TimerInUse());
}

// The options hide parts of the window and put a preset's colours on the
// puzzle, which the list and the title blocks then take.
TEST_F(PlayWindowTest, OptionsShapeTheWindowAndColourThePuzzle) {
    TPlayerOptions& options = Window->Options();
    options.SetShowWordList(false);
    options.SetShowStatusbar(false);
    options.SetShowToolbar(false);
    options.SetShowTitle(false);
    options.SetUseDefaultScheme(false);
    options.SetColourSchemeIndex(1);
    Play(MakeGame("animals.gtg", Animals));
    EXPECT_FALSE(Window->tbWordList->isVisible());
    EXPECT_TRUE(Window->lbxWords->isVisible()); // only the heading goes
    EXPECT_FALSE(Window->sbrInfo->isVisible());
    EXPECT_FALSE(Window->pnlToolbar->isVisible());
    EXPECT_FALSE(Window->tbPuzzleTitle->isVisible());

    TWordGameColourPreferences expected;
    expected.AssignFromPreset(*options.ColourScheme());
    const TWordGameColourPreferences& colours = *Player().GamePreferences()->ColourPreferences();
    EXPECT_EQ(colours.GetHighlightedBackground(), expected.GetHighlightedBackground());
    EXPECT_EQ(Window->lbxWords->Color(), expected.GetHighlightedBackground());
    EXPECT_EQ(Window->lbxWords->Font().Color(), expected.GetHighlightedForeground());
    for (TTitleBlock* block : {Window->tbPuzzleTitle, Window->tbWordList, Window->tbHelp}) {
        EXPECT_EQ(block->Colour(), expected.GetNewWordBackground());
        EXPECT_EQ(block->Font().Color(), expected.GetNewWordForeground());
    }
}

// A picture of the window with a dialog drawn over its middle.
// Hovering a tool bar button or a menu item, as the mouse does: the status
// bar keeps its six panels and shows no hint in their place.
TEST_F(PlayWindowTest, HintsLeaveTheStatusPanelsInPlace) {
    Play(MakeGame("animals.gtg", Animals));
    const auto expectPanels = [&](const char* where) {
        EXPECT_TRUE(Window->sbrInfo->currentMessage().isEmpty())
            << where << ": " << S(Window->sbrInfo->currentMessage());
        for (int i = 0; i < 6; ++i)
            EXPECT_TRUE(Window->StatusPanel(i)->isVisible()) << where << ": panel " << i;
    };
    QWidget* button = Window->tbMain->widgetForAction(Window->actRestartPuzzle);
    QTest::mouseMove(button, button->rect().center());
    EXPECT_TRUE(button->underMouse());
    expectPanels("tool bar button");

    QMenu* menu = Window->mnuGame;
    menu->popup(Window->mapToGlobal(QPoint(40, 40)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    const QPoint item = menu->actionGeometry(Window->actRestartPuzzle).center();
    QTest::mouseMove(menu, item - QPoint(0, 2));
    QTest::mouseMove(menu, item);
    EXPECT_EQ(menu->activeAction(), Window->actRestartPuzzle);
    expectPanels("menu item");
    menu->hide();
}

// The clock's box stays whole inside its panel, wide enough to centre its
// digits, in either screen mode and with each caption.
TEST_F(PlayWindowTest, TheTimerBoxKeepsItsSizeInBothScreenModes) {
    Play(MakeGame("timed.gtg", Animals, [](TWordGameProperties& p) { p.SetUseTimer(true); }));
    const int digits = Window->txtTimer->fontMetrics().horizontalAdvance("00:00:00");
    for (QAction* mode :
         {Window->actNormalScreen, Window->actFullscreen, Window->actNormalScreen}) {
        mode->trigger();
        QApplication::processEvents();
        for (QAction* caption : {Window->actPause, Window->actContinue}) {
            caption->trigger();
            SCOPED_TRACE(S(mode->text() + ", " + Window->lblTime->text()));
            ASSERT_TRUE(Window->txtTimer->isVisible());
            const QRect box = Window->txtTimer->geometry();
            EXPECT_TRUE(Window->pnlTimer->rect().contains(box))
                << box.x() << "+" << box.width() << " in " << Window->pnlTimer->width();
            const QRect onWindow(Window->txtTimer->mapTo(Window.get(), QPoint(0, 0)), box.size());
            EXPECT_TRUE(Window->rect().contains(onWindow));
            EXPECT_GT(Window->txtTimer->contentsRect().width(), digits + 2);
            EXPECT_TRUE(Window->txtTimer->alignment() & Qt::AlignHCenter);
        }
    }
}

QImage WithDialogOver(QWidget& Window, QWidget& Dialog) {
    QImage image = Window.grab().toImage();
    const QImage over = Dialog.grab().toImage();
    QPainter painter(&image);
    painter.drawImage((image.width() - over.width()) / 2, (image.height() - over.height()) / 2,
                      over);
    return image;
}

TEST_F(PlayWindowTest, ScreenshotsInPlayPausedGivenUpAndAtTheEnd) {
    Play(MakeGame("animals.gtg", Animals, [](TWordGameProperties& p) { p.SetUseTimer(true); }));
    Find(Animals[0]);
    Find(Animals[2]);
    Drag(QPoint(0, 9), QPoint(9, 0));
    Fake.Advance(83 * 1000);
    GameClock().Fire();
    TakeScreenshot(*Window, "play-window-in-play");

    Window->actPause->trigger();
    TakeScreenshot(*Window, "play-window-paused");
    Window->actContinue->trigger();

    Fake.Answer(mrYes);
    Window->actGiveUp->trigger();
    TakeScreenshot(*Window, "play-window-given-up");

    Fake.Answer(mrYes);
    Window->actRestartPuzzle->trigger();
    for (size_t i = 0; i + 1 < Animals.size(); ++i)
        Find(Animals[i]);
    Fake.Advance(95 * 1000);
    Fake.OnModal([this](QDialog& dialog) {
        KeepScreenshot(WithDialogOver(*Window, dialog), "play-window-end-of-game");
        return int(mrOk);
    });
    Find(Animals.back());
}

} // namespace
