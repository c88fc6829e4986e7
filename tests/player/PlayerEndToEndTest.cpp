// The real Player program on its own X server (Xvfb), driven with xdotool as
// a user would drive it. The program tells the test where its windows and
// cells are and what it found through the state file it keeps when
// GLYPHTROVE_STATE_FILE is set.

#include "engine/puzzle/GlyphtroveUn.h"
#include "support/EndToEnd.h"
#include "support/FakeServices.h"
#include "support/OddFiles.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

QStringList Strings(const QJsonValue& Value) {
    QStringList list;
    for (const QJsonValue& item : Value.toArray())
        list << item.toString();
    return list;
}

// The screen point at the middle of a cell: the window's place on the screen
// (from the X server) plus the grid's place in the window and the cell's in
// the grid, whose cells are evenly spaced between the first and the last.
QPoint CellCentre(const QPoint& WindowOrigin, const QJsonObject& Grid, int Column, int Row) {
    const QJsonArray first = Grid["firstCell"].toArray();
    const QJsonArray last = Grid["lastCell"].toArray();
    const int columns = Grid["columns"].toInt(), rows = Grid["rows"].toInt();
    const double columnStep =
        columns > 1 ? (last[0].toDouble() - first[0].toDouble()) / (columns - 1) : 0;
    const double rowStep = rows > 1 ? (last[1].toDouble() - first[1].toDouble()) / (rows - 1) : 0;
    const double x =
        first[0].toDouble() + columnStep * Column + (first[2].toDouble() - first[0].toDouble()) / 2;
    const double y =
        first[1].toDouble() + rowStep * Row + (first[3].toDouble() - first[1].toDouble()) / 2;
    return WindowOrigin + QPoint(Grid["x"].toInt(), Grid["y"].toInt()) + QPoint(int(x), int(y));
}

// The Exit button of the start window, from the window's place on the screen.
QPoint ExitButton(const QPoint& StartWindowOrigin) {
    return StartWindowOrigin + QPoint(8 + 272 + 40, 8 + 240 + 32);
}

// Garden Birds in the test's folder and the play options beside the
// program, there before it starts: the window opens at its form size or
// full screen, and every game has the clock. The game's path, or "".
QString PrepareTimedGame(const QString& Folder, bool Maximise) {
    const QString game = Folder + "/Garden Birds.gtg";
    const QString program = Folder + "/program";
    if (!QFile::copy(QString(GLYPHTROVE_EXAMPLES) + "/Garden Birds.gtg", game) ||
        !QDir().mkpath(program))
        return QString();
    WriteBytes(program + "/Options.dat",
               QByteArray("[OPTIONS]\r\nAutoSave=0\r\nUseDefaultScheme=1\r\nMaximiseWindow=") +
                   (Maximise ? "1" : "0") +
                   "\r\nShowStatusbar=1\r\nShowTitle=1\r\nShowToolbar=1\r\nShowWordList=1"
                   "\r\nTimer=1\r\n");
    return game;
}

// The play window once it shows the puzzle painted, settled in its place
// and laid out, and More, when given, holds.
TSettledWindow SettledPlayWindow(const ProgramRun& Run, const QString& PlayWindow,
                                 const std::function<bool(const QJsonObject&)>& More = nullptr) {
    return Run.WaitForSettledWindow(PlayWindow, "playWindow", [&](const QJsonObject& s) {
        return s["playWindow"]["visible"].toBool() && s["gridPaintedAt"].toDouble() > 0 &&
               (!More || More(s));
    });
}

// A control's place in the play window, from the state report.
QRect Place(const QJsonObject& State, const char* Control) {
    const QJsonObject place = State["playControls"][QString::fromLatin1(Control)].toObject();
    return QRect(place["x"].toInt(), place["y"].toInt(), place["width"].toInt(),
                 place["height"].toInt());
}

// The last cell lies inside the game panel's one-pixel sunken frame, with
// the cell's border line.
void ExpectWholeGrid(const QJsonObject& State) {
    const QJsonObject grid = State["grid"].toObject();
    const QJsonArray last = grid["lastCell"].toArray();
    const QRect panel = Place(State, "gamePanel");
    EXPECT_LE(grid["x"].toInt() + last[2].toInt() + 1, panel.right())
        << "the last column passes the game panel's edge at " << panel.right();
    EXPECT_LE(grid["y"].toInt() + last[3].toInt() + 1, panel.bottom());
}

class PlayerEndToEnd : public EndToEndTest {
protected:
    // Exit, the quit question answered Yes: the program ends by itself and
    // saves the play options (automatic saving is on at first) beside itself.
    void QuitThroughTheQuestion(ProgramRun& Run) {
        const QString startWindow = Run.WaitForWindow("Glyphtrove Player - by Fernhallow Software");
        ASSERT_FALSE(startWindow.isEmpty()) << "the start window did not show";
        const QRect start = Run.WaitForSettledWindow(startWindow, "startWindow", nullptr).Place;
        ASSERT_FALSE(start.isEmpty()) << "the start window did not settle";
        Run.Click(ExitButton(start.topLeft()));
        ASSERT_TRUE(Run.WaitForState([](const QJsonObject& s) {
            return Strings(s["messageBoxes"])
                .contains("Confirm: Do you wish to quit the Glyphtrove Player now?");
        })) << "no quit question";
        const QString question = Run.WaitForWindow("Confirm");
        ASSERT_FALSE(question.isEmpty()) << "the quit question is not on the screen";
        Run.Type(question, "y");
        ASSERT_TRUE(Run.Ended()) << "the program did not end after Yes";
        EXPECT_EQ(QProcess::NormalExit, Run.Program().exitStatus());
        EXPECT_EQ(0, Run.Program().exitCode());
        EXPECT_TRUE(QFileInfo::exists(Run.ProgramFolder() + "/Options.dat"));
    }
};

} // namespace

TEST_F(PlayerEndToEnd, DragAcrossAWordFindsItThenTheQuestionEndsTheProgram) {
    const QString game = Fake.Folder() + "/Garden Birds.gtg";
    ASSERT_TRUE(QFile::copy(QString(GLYPHTROVE_EXAMPLES) + "/Garden Birds.gtg", game));
    TGlyphtroveEditor records;
    records.LoadFromFile(game);
    ASSERT_GT(records.WordCount(), 0);
    const TWordRec word = records.GetWordRec(0);
    const TDirectionOffset step = GetDirectionOffset(word.Direction);
    const int length = int(word.Word.size());

    ProgramRun run(Screen, Fake.Folder(), GLYPHTROVE_PLAYER_BINARY, {game});
    const QString playWindow = run.WaitForWindow("Glyphtrove Puzzle Player");
    ASSERT_FALSE(playWindow.isEmpty()) << "the play window did not show";
    const TSettledWindow shown = SettledPlayWindow(
        run, playWindow, [](const QJsonObject& s) { return s["grid"]["visible"].toBool(); });
    ASSERT_TRUE(shown.Settled()) << "the puzzle was not painted";
    const QJsonObject grid = shown.State["grid"].toObject();
    EXPECT_EQ(15, grid["columns"].toInt());
    EXPECT_TRUE(Strings(grid["found"]).isEmpty());

    const QPoint origin = shown.Place.topLeft();
    run.Drag(CellCentre(origin, grid, word.X, word.Y),
             CellCentre(origin, grid, word.X + step.ColumnStep * (length - 1),
                        word.Y + step.RowStep * (length - 1)));
    ASSERT_TRUE(run.WaitForState([&](const QJsonObject& s) {
        return Strings(s["grid"]["found"]) == QStringList{word.Word};
    })) << "the word "
        << word.Word.toStdString() << " was not found";

    // Give Up & Close: with a word found it asks first.
    run.Type(playWindow, "ctrl+e");
    const QString giveUp = run.WaitForWindow("Confirm");
    ASSERT_FALSE(giveUp.isEmpty()) << "no give-up question";
    run.Type(giveUp, "y");
    QuitThroughTheQuestion(run);
}

// The bad file is reported once; moving the start window afterwards (a
// repaint) reports nothing more, and its Exit button still works.
TEST_F(PlayerEndToEnd, CorruptFileGivesOneErrorBox) {
    const QString bad = Fake.Folder() + "/bad.gtg";
    WriteBytes(bad, "GLYPHTROVEGAME, but no more");
    ProgramRun run(Screen, Fake.Folder(), GLYPHTROVE_PLAYER_BINARY, {bad});
    const QString errorBox = run.WaitForWindow("Error");
    ASSERT_FALSE(errorBox.isEmpty()) << "no error box";
    run.Type(errorBox, "Return");
    ASSERT_TRUE(run.WaitForState([](const QJsonObject& s) {
        return s["startWindow"]["visible"].toBool();
    })) << "the start window did not show";
    const QJsonObject start = run.State()["startWindow"].toObject();
    const QString startWindow = run.WaitForWindow("Glyphtrove Player - by Fernhallow Software");
    ASSERT_FALSE(startWindow.isEmpty());
    run.XDoTool({"windowmove", "--sync", startWindow, QString::number(start["x"].toInt() + 30),
                 QString::number(start["y"].toInt() + 20)});
    ASSERT_TRUE(run.WaitForState([&](const QJsonObject& s) {
        return s["startWindow"]["x"].toInt() != start["x"].toInt();
    })) << "the start window did not move";
    QuitThroughTheQuestion(run);
    const QStringList boxes = Strings(run.State()["messageBoxes"]);
    ASSERT_EQ(2, boxes.size()) << boxes.join(" | ").toStdString();
    EXPECT_EQ(QString("Error: File \"%1\" is not a valid game file").arg(bad), boxes[0]);
    EXPECT_FALSE(run.State()["playWindow"].toObject()["visible"].toBool());
}

// Named pipes for the game and for both settings files beside the program:
// opening one would wait until another program writes to it, and no window
// would ever show. Each is refused at once as a file that cannot be read;
// the options are written at the end as a file in the pipe's place.
TEST_F(PlayerEndToEnd, NamedPipesAreRefusedAtOnceAndTheProgramGoesOn) {
    const QString pipe = Fake.Folder() + "/pipe.gtg", program = Fake.Folder() + "/program";
    ASSERT_TRUE(QDir().mkpath(program));
    for (const QString& name : {pipe, program + "/Options.dat", program + "/Colour Schemes.dat"})
        ASSERT_TRUE(MakeNamedPipe(name)) << name.toStdString();
    ProgramRun run(Screen, Fake.Folder(), GLYPHTROVE_PLAYER_BINARY, {pipe});
    // The colour schemes' box comes while the windows are made, before the
    // state report starts: its text is the one the presets' own test sees.
    const QString schemesBox = run.WaitForWindow("Error");
    ASSERT_FALSE(schemesBox.isEmpty()) << "no box for the colour schemes' file";
    KeepScreen(Screen, "player-named-pipe-schemes-refused");
    run.Type(schemesBox, "Return");
    const QString gameBox = run.WaitForAnotherWindow("Error", schemesBox);
    ASSERT_FALSE(gameBox.isEmpty()) << "no box for the game file";
    ASSERT_TRUE(run.WaitForState(
        [](const QJsonObject& s) { return !Strings(s["messageBoxes"]).isEmpty(); }));
    EXPECT_EQ(Strings(run.State()["messageBoxes"])[0], "Error: Cannot open file " + pipe);
    KeepScreen(Screen, "player-named-pipe-game-refused");
    run.Type(gameBox, "Return");
    QuitThroughTheQuestion(run);
    EXPECT_EQ(Strings(run.State()["messageBoxes"]).size(), 2);
    EXPECT_TRUE(QFileInfo(program + "/Options.dat").isFile());
}

// At its form size the window shows the whole grid, its last column and
// row inside the game panel; a tool bar button under the mouse shows its
// hint as a tool tip and leaves the status bar's panels where they are.
TEST_F(PlayerEndToEnd, TheFormSizeWindowShowsTheWholeGridAndKeepsItsPanelsOnHover) {
    const QString game = PrepareTimedGame(Fake.Folder(), false);
    ASSERT_FALSE(game.isEmpty());
    ProgramRun run(Screen, Fake.Folder(), GLYPHTROVE_PLAYER_BINARY, {game});
    const QString playWindow = run.WaitForWindow("Glyphtrove Puzzle Player");
    ASSERT_FALSE(playWindow.isEmpty()) << "the play window did not show";
    const TSettledWindow shown = SettledPlayWindow(run, playWindow, [](const QJsonObject& s) {
        return s["playControls"]["timerBox"]["visible"].toBool();
    });
    ASSERT_TRUE(shown.Settled()) << "the puzzle was not painted";
    const QJsonObject& state = shown.State;
    EXPECT_EQ(state["playWindow"]["width"].toInt(), 583);
    EXPECT_EQ(state["playWindow"]["height"].toInt(), 514);
    ExpectWholeGrid(state);
    KeepScreen(Screen, "player-e2e-form-size");

    const QPoint button = shown.Place.topLeft() + Place(state, "restartButton").center();
    run.XDoTool({"mousemove", "--sync", QString::number(button.x()), QString::number(button.y())});
    // The tool tip shows, or the hint went to the status bar instead.
    ASSERT_TRUE(run.WaitForState([](const QJsonObject& s) {
        return s["toolTip"].toString() == "restart the puzzle" ||
               !s["playControls"]["statusMessage"].toString().isEmpty();
    })) << "the hint showed nowhere";
    const QJsonObject hovered = run.State();
    EXPECT_EQ(hovered["playControls"]["statusMessage"].toString().toStdString(), "");
    for (const QJsonValue& visible : hovered["playControls"]["statusPanels"].toArray())
        EXPECT_TRUE(visible.toBool()) << "a status panel gave way to the hint";
    KeepScreen(Screen, "player-e2e-hover");
}

// A square game fits the side panel to its grid; a wider game opened next
// through the Open dialog, in the window at its form size, still shows its
// last column inside the game panel.
TEST_F(PlayerEndToEnd, AWiderGameOpenedNextShowsItsWholeGrid) {
    const auto makeGame = [&](const QString& Name, int Cols, int Rows) {
        TGlyphtroveEditor puzzle;
        puzzle.SetGridSize(Cols, Rows);
        puzzle.PlaceWord(0, 0, wdRight, "OWL", false);
        const QString path = Fake.Folder() + "/" + Name;
        puzzle.SaveToFile(path);
        return path;
    };
    const QString square = makeGame("square.gtg", 10, 10);
    const QString wide = makeGame("wide.gtg", 12, 10);
    ASSERT_TRUE(QDir().mkpath(Fake.Folder() + "/program"));
    WriteBytes(Fake.Folder() + "/program/Options.dat",
               "[OPTIONS]\r\nAutoSave=0\r\nMaximiseWindow=0\r\nShowStatusbar=1\r\n"
               "ShowTitle=1\r\nShowToolbar=1\r\nShowWordList=1\r\nTimer=0\r\n");
    ProgramRun run(Screen, Fake.Folder(), GLYPHTROVE_PLAYER_BINARY, {square});
    const QString playWindow = run.WaitForWindow("Glyphtrove Puzzle Player");
    ASSERT_FALSE(playWindow.isEmpty()) << "the play window did not show";
    ASSERT_TRUE(SettledPlayWindow(run, playWindow).Settled()) << "the puzzle was not painted";

    run.Type(playWindow, "ctrl+o");
    const QString open = run.WaitForWindow("Open");
    ASSERT_FALSE(open.isEmpty()) << "Ctrl+O did not show the Open dialog";
    run.XDoTool({"windowfocus", "--sync", open});
    run.XDoTool({"type", "--delay", "20", wide});
    run.XDoTool({"key", "Return"});
    ASSERT_TRUE(run.WaitForWindowGone("Open"));
    const TSettledWindow wider = SettledPlayWindow(
        run, playWindow, [](const QJsonObject& s) { return s["grid"]["columns"].toInt() == 12; });
    ASSERT_TRUE(wider.Settled()) << "the wider game did not open";
    const QJsonObject& state = wider.State;
    EXPECT_EQ(state["playWindow"]["width"].toInt(), 583);
    ExpectWholeGrid(state);
    KeepScreen(Screen, "player-e2e-wider-game");
}

// Full screen under a window manager: the clock's box keeps its size and
// stays inside its panel and the screen, and so again back in the window.
TEST_F(PlayerEndToEnd, TheTimerBoxStaysWholeInFullScreen) {
    const WindowManager manager(Screen, Fake.Folder());
    ASSERT_TRUE(manager.Running()) << "openbox did not start";

    const QString game = PrepareTimedGame(Fake.Folder(), true);
    ASSERT_FALSE(game.isEmpty());
    ProgramRun run(Screen, Fake.Folder(), GLYPHTROVE_PLAYER_BINARY, {game});
    const QString playWindow = run.WaitForWindow("Glyphtrove Puzzle Player");
    ASSERT_FALSE(playWindow.isEmpty()) << "the play window did not show";
    const auto expectWholeBox = [&](const QJsonObject& state, const char* mode) {
        const QRect box = Place(state, "timerBox");
        const QRect panel = Place(state, "timerPanel");
        const int windowWidth = state["playWindow"]["width"].toInt();
        EXPECT_TRUE(panel.contains(box)) << mode << ": box " << box.left() << "-" << box.right()
                                         << ", panel " << panel.left() << "-" << panel.right();
        EXPECT_LE(box.right(), windowWidth - 1) << mode;
        EXPECT_GE(box.width(), 46) << mode;
    };
    const TSettledWindow full = SettledPlayWindow(run, playWindow, [](const QJsonObject& s) {
        return s["playWindow"]["width"].toInt() == 1024 &&
               s["playControls"]["timerBox"]["visible"].toBool();
    });
    ASSERT_TRUE(full.Settled()) << "the window did not go full screen";
    expectWholeBox(full.State, "full screen");
    KeepScreen(Screen, "player-e2e-full-screen");

    run.Type(playWindow, "ctrl+n");
    const TSettledWindow normal = SettledPlayWindow(run, playWindow, [](const QJsonObject& s) {
        return s["playWindow"]["width"].toInt() == 583;
    });
    ASSERT_TRUE(normal.Settled()) << "Normal Window did not give the form size back";
    expectWholeBox(normal.State, "normal window");
}

namespace {

// How far a dialog's middle lies from the middle of the window it should
// open over; frames and the title bar a window manager adds stay well below
// 40 pixels.
int OffCentre(const QRect& Dialog, const QRect& Over) {
    return (Dialog.center() - Over.center()).manhattanLength();
}

// The Player button of the start window, from the window's place on the screen.
QPoint PlayerButton(const QPoint& StartWindowOrigin) {
    return StartWindowOrigin + QPoint(8 + 8 + 40, 8 + 240 + 32);
}

} // namespace

// Play with no game yet: the Open dialog belongs to the play window, which
// is not shown; it opens over the start window the user clicked.
TEST_F(PlayerEndToEnd, TheOpenDialogOpensOverTheStartWindow) {
    ProgramRun run(Screen, Fake.Folder(), GLYPHTROVE_PLAYER_BINARY, {});
    const QString startWindow = run.WaitForWindow("Glyphtrove Player - by Fernhallow Software");
    ASSERT_FALSE(startWindow.isEmpty()) << "the start window did not show";
    const QRect start = run.WaitForSettledRect(startWindow);
    ASSERT_FALSE(start.isEmpty()) << "the start window did not settle";
    run.Click(PlayerButton(start.topLeft()));
    const QString open = run.WaitForWindow("Open");
    ASSERT_FALSE(open.isEmpty()) << "Play did not show the Open dialog";
    const QRect dialog = run.WaitForSettledRect(open);
    ASSERT_FALSE(dialog.isEmpty()) << "the Open dialog did not settle";
    KeepScreen(Screen, "player-open-dialog");
    EXPECT_LE(OffCentre(dialog, start), 40)
        << "the Open dialog is at " << dialog.x() << "," << dialog.y();
    run.Type(open, "Escape");
    ASSERT_TRUE(run.WaitForWindowGone("Open"));
    QuitThroughTheQuestion(run);
}

// Under a window manager full screen covers the screen, and the Options
// dialog opens in its middle; back in a normal window, over that window.
// Without a runtime folder the window manager often maximises the play
// window before the window has taken its place at its first show, so the
// place Qt keeps for it is one it is not at: there the dialog went astray.
// That is a race, so the program starts full screen three times.
TEST_F(PlayerEndToEnd, TheOptionsDialogOpensOverThePlayWindowInBothScreenModes) {
    const WindowManager manager(Screen, Fake.Folder());
    ASSERT_TRUE(manager.Running()) << "openbox did not start";
    const QString game = Fake.Folder() + "/Garden Birds.gtg";
    ASSERT_TRUE(QFile::copy(QString(GLYPHTROVE_EXAMPLES) + "/Garden Birds.gtg", game));
    const QRect screen(0, 0, 1024, 768);
    // The play window's place once the window manager has put it there and
    // the program has its size, which the dialog is placed from.
    const auto settledPlace = [&](ProgramRun& run, const QString& playWindow, bool fullScreen) {
        return SettledPlayWindow(run, playWindow,
                                 [&](const QJsonObject& s) {
                                     return (s["playWindow"]["width"].toInt() == screen.width()) ==
                                            fullScreen;
                                 })
            .Place;
    };
    // Options from the Game menu, its middle against the play window's.
    const auto optionsOver = [](ProgramRun& run, const QString& playWindow, const QRect& over,
                                const QString& mode) {
        run.Type(playWindow, "alt+g");
        run.XDoTool({"key", "--clearmodifiers", "o"});
        const QString options = run.WaitForWindow("Player Options");
        ASSERT_FALSE(options.isEmpty()) << "no Options dialog in " << mode.toStdString();
        const QRect dialog = run.WaitForSettledRect(options);
        ASSERT_FALSE(dialog.isEmpty()) << "the dialog kept moving in " << mode.toStdString();
        KeepScreen(run.Screen(), "player-options-" + mode);
        EXPECT_LE(OffCentre(dialog, over), 40)
            << mode.toStdString() << ": the dialog is at " << dialog.x() << "," << dialog.y()
            << ", the play window at " << over.x() << "," << over.y();
        run.Type(options, "Escape");
        ASSERT_TRUE(run.WaitForWindowGone("Player Options"));
    };
    for (int start = 1; start <= 3; ++start) {
        ProgramRun run(Screen, Fake.Folder(), GLYPHTROVE_PLAYER_BINARY, {game},
                       {"XDG_RUNTIME_DIR"});
        const QString playWindow = run.WaitForWindow("Glyphtrove Puzzle Player");
        ASSERT_FALSE(playWindow.isEmpty()) << "the play window did not show";
        ASSERT_EQ(settledPlace(run, playWindow, true), screen)
            << "the play window is not full screen";
        optionsOver(run, playWindow, screen, "full-screen");
        if (start < 3)
            continue;
        // The window leaves full screen through a new frame: on its way the
        // X server has it, unmapped, where it was before it was maximised.
        run.Type(playWindow, "ctrl+n");
        const QRect normal = settledPlace(run, playWindow, false);
        ASSERT_FALSE(normal.isEmpty()) << "Normal Window kept the full screen";
        optionsOver(run, playWindow, normal, "normal-window");
    }
}

// Print, with a page of the user's named after the game beside the game
// file, replaces nothing and leaves no page behind.
TEST_F(PlayerEndToEnd, PrintLeavesTheUsersPageBesideTheGameAlone) {
    const PrintBesideUsersPage print(Fake.Folder());
    ProgramRun run(Screen, Fake.Folder(), GLYPHTROVE_PLAYER_BINARY, {print.Game()});
    const QString playWindow = run.WaitForWindow("Glyphtrove Puzzle Player");
    ASSERT_FALSE(playWindow.isEmpty()) << "the play window did not show";
    ASSERT_TRUE(run.WaitForState([](const QJsonObject& s) {
        return s["playWindow"]["visible"].toBool() && s["gridPaintedAt"].toDouble() > 0;
    })) << "the puzzle was not painted";
    print.PrintAndCheck(run, playWindow, "player-print-preview");
    ASSERT_FALSE(HasFatalFailure());
    // Give Up & Close with no word found closes at once; the program still
    // ends through its question.
    run.Type(playWindow, "ctrl+e");
    QuitThroughTheQuestion(run);
}
