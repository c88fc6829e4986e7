#include "playwindow/gameplayer/frmGamePlayerUn.h"

#include "playwindow/controls/StaticListBoxUn.h"
#include "playwindow/controls/TitleBlockUn.h"
#include "playwindow/gameplayer/PlayHelpTextsUn.h"
#include "playwindow/gameplayer/frmEndGameMsgUn.h"
#include "playwindow/options/frmPlayOptionsUn.h"
#include "support/FakeServices.h"
#include "support/Screenshot.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>
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
                     const Setup& Configure = {}, int Side = 10) {
        TGlyphtroveEditor puzzle;
        puzzle.SetCheckWords(false); // a word may be listed twice
        puzzle.SetGridSize(Side, Side);
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

    // The timer of the given interval among those the fakes made.
    FakeTimer& TimerOf(int Interval) {
        FakeTimer* found = nullptr;
        for (FakeTimer* timer : Fake.Timers)
            if (timer->Interval() == Interval)
                found = timer;
        EXPECT_NE(found, nullptr) << Interval;
        return *found;
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

    FakeServices Fake;
    std::unique_ptr<TfrmGamePlayer> Window;
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

    GameClock().Fire();
    EXPECT_EQ(S(Window->txtTimer->text()), "00:00:03");
    GameClock().Fire();
    EXPECT_EQ(S(Window->txtTimer->text()), "00:00:02");
    ExpectEndOfGame();
    GameClock().Fire();
    EXPECT_EQ(S(Window->txtTimer->text()), "00:00:00");
    EXPECT_EQ(S(EndMainText), "Out Of Time");
    EXPECT_EQ(S(EndSubText), "");
    EXPECT_FALSE(Window->actPause->isEnabled());
    EXPECT_FALSE(GameClock().Enabled());
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
        if (loadedBefore)
            Play(MakeGame("animals.gtg", Animals,
                          [](TWordGameProperties& p) { p.SetUseTimer(true); }));
        Fake.Answer(mrOk);
        EXPECT_EQ(Window->PlayGame(bad), loadedBefore);
        ASSERT_FALSE(Fake.Messages.empty());
        EXPECT_EQ(S(Fake.Messages.back().text), S("File \"" + bad + "\" is not a valid game file"));
        EXPECT_EQ(Window->GameLoaded(), loadedBefore);
        EXPECT_EQ(Window->lbxWords->count(), 0);
        EXPECT_EQ(S(Window->tbPuzzleTitle->Caption()), "<no game loaded>");
        EXPECT_EQ(S(Panel(1)), "0");
        EXPECT_EQ(S(Panel(4)), "no words");
        EXPECT_EQ(Player().GetWordCount(), 0);
        EXPECT_EQ(Player().ColCount(), 15);
        EXPECT_EQ(S(Player().GetCellText(0, 0)), "");
        EXPECT_FALSE(GameClock().Enabled());
        for (QAction* action : {Window->actShowHint, Window->actHideFoundWords, Window->actUseTimer,
                                Window->actPause, Window->actGiveUp})
            EXPECT_FALSE(action->isEnabled()) << S(action->text());
    }
    EXPECT_EQ(Fake.Messages.size(), 2u);
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

TEST_F(PlayWindowTest, ScreenModesSwapTheirActions) {
    Play(MakeGame("animals.gtg", Animals));
    EXPECT_TRUE(Window->actFullscreen->isVisible());
    EXPECT_FALSE(Window->actNormalScreen->isVisible());
    QTest::keyClick(Window.get(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(Window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(Window->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(Window->HelpShown(), hiFullScreen);
    EXPECT_FALSE(Window->actFullscreen->isVisible());
    QTest::keyClick(Window.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_FALSE(Window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(Window->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(Window->HelpShown(), hiNormalWindow);
    EXPECT_TRUE(Window->actFullscreen->isVisible());
}

TEST_F(PlayWindowTest, TheSidePanelTakesTheRoomTheSquareGridLeaves) {
    Play(MakeGame("animals.gtg", Animals));
    for (const QSize size : {QSize(583, 514), QSize(800, 500), QSize(700, 700), QSize(900, 600)}) {
        Window->resize(size);
        QApplication::processEvents();
        const int side = Player().ClientWidth();
        EXPECT_EQ(side, Player().ClientHeight());
        EXPECT_EQ(Window->pnlRight->width(), Window->centralWidget()->width() - side - 16)
            << size.width() << "x" << size.height();
    }
}

// A picture of the window with a dialog drawn over its middle.
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
