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
#include <QImage>
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

// A game of the given counts in Folder, one word placed; its path.
QString MakeGame(const QString& Folder, const QString& Name, int Cols, int Rows) {
    TGlyphtroveEditor puzzle;
    puzzle.SetGridSize(Cols, Rows);
    puzzle.PlaceWord(0, 0, wdRight, "OWL", false);
    const QString path = Folder + "/" + Name;
    puzzle.SaveToFile(path);
    return path;
}

// The play options beside the program, there before it starts: the window
// opens at its form size, without the clock. True when they are written.
bool PrepareNormalWindow(const QString& Folder) {
    if (!QDir().mkpath(Folder + "/program"))
        return false;
    WriteBytes(Folder + "/program/Options.dat",
               "[OPTIONS]\r\nAutoSave=0\r\nMaximiseWindow=0\r\nShowStatusbar=1\r\n"
               "ShowTitle=1\r\nShowToolbar=1\r\nShowWordList=1\r\nTimer=0\r\n");
    return true;
}

// A control's place in the play window, from the state report.
QRect Place(const QJsonObject& State, const char* Control) {
    const QJsonObject place = State["playControls"][QString::fromLatin1(Control)].toObject();
    return QRect(place["x"].toInt(), place["y"].toInt(), place["width"].toInt(),
                 place["height"].toInt());
}

// What a screenshot shows of the grid's edges, "" when the whole grid is
// there: the last column's right and the last row's bottom closing lines in
// the grid's black, and the game panel's right frame beside the grid as it
// is above it (the grid does not cover it).
std::string GridEdgeFault(const QImage& Shot, const QJsonObject& State) {
    const QJsonObject grid = State["grid"].toObject();
    const QJsonArray first = grid["firstCell"].toArray();
    const QJsonArray last = grid["lastCell"].toArray();
    const QPoint window(State["playWindow"]["x"].toInt(), State["playWindow"]["y"].toInt());
    const QPoint origin = window + QPoint(grid["x"].toInt(), grid["y"].toInt());
    const int right = last[2].toInt() - 1, bottom = last[3].toInt() - 1;
    const int rows[] = {(first[1].toInt() + first[3].toInt()) / 2,
                        (last[1].toInt() + last[3].toInt()) / 2};
    const int columns[] = {(first[0].toInt() + first[2].toInt()) / 2,
                           (last[0].toInt() + last[2].toInt()) / 2};
    std::string fault;
    const auto expectBlack = [&](QPoint at, const char* which) {
        const QPoint point = origin + at;
        if (Shot.pixel(point) != qRgb(0, 0, 0))
            fault += std::string(which) + " closing line missing at " + std::to_string(at.x()) +
                     "," + std::to_string(at.y()) + " of the grid; ";
    };
    for (const int y : rows)
        expectBlack(QPoint(right, y), "right");
    for (const int x : columns)
        expectBlack(QPoint(x, bottom), "bottom");
    const QRect panel = Place(State, "gamePanel").translated(window);
    const QRgb frameAbove = Shot.pixel(panel.right(), panel.top() + 2);
    for (const int y : rows)
        if (Shot.pixel(panel.right(), origin.y() + y) != frameAbove)
            fault += "the grid covers the panel's right frame; ";
    return fault;
}

class PlayerEndToEnd : public EndToEndTest {
protected:
    // Waits until a screenshot shows the whole grid of the play window;
    // else the fault it saw last.
    void ExpectWholeGrid(ProgramRun& Run, const std::string& When) {
        const QString file = Fake.Folder() + "/grid-check.png";
        std::string fault = "no screenshot";
        const bool whole = WaitUntil([&] {
            const QJsonObject state = Run.State();
            if (!X11Client(Screen).Shot(file))
                return false;
            fault = GridEdgeFault(QImage(file), state);
            return fault.empty();
        });
        EXPECT_TRUE(whole) << When << ": " << fault;
    }

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
    ExpectWholeGrid(run, "at the form size");
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
    const QString square = MakeGame(Fake.Folder(), "square.gtg", 10, 10);
    const QString wide = MakeGame(Fake.Folder(), "wide.gtg", 12, 10);
    ASSERT_TRUE(PrepareNormalWindow(Fake.Folder()));
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
    ExpectWholeGrid(run, "the wider game");
    KeepScreen(Screen, "player-e2e-wider-game");
}

// Under a window manager, square and other games show their whole grid at
// the form size: when opened, after Options and OK, after full screen and
// back, and after a resize.
TEST_F(PlayerEndToEnd, TheWholeGridShowsAfterOptionsFullScreenAndAResize) {
    const WindowManager manager(Screen, Fake.Folder());
    ASSERT_TRUE(manager.Running()) << "openbox did not start";
    ASSERT_TRUE(PrepareNormalWindow(Fake.Folder()));
    struct Board {
        int Cols;
        int Rows;
    };
    for (const Board board : {Board{6, 6}, Board{12, 12}, Board{12, 10}, Board{10, 15}}) {
        const std::string name = std::to_string(board.Cols) + "x" + std::to_string(board.Rows);
        SCOPED_TRACE(name);
        const QString game =
            MakeGame(Fake.Folder(), QString::fromStdString(name + ".gtg"), board.Cols, board.Rows);
        ProgramRun run(Screen, Fake.Folder(), GLYPHTROVE_PLAYER_BINARY, {game});
        const QString playWindow = run.WaitForWindow("Glyphtrove Puzzle Player");
        ASSERT_FALSE(playWindow.isEmpty()) << "the play window did not show";
        ASSERT_TRUE(run.WaitForState([&](const QJsonObject& s) {
            return s["playWindow"]["visible"].toBool() && s["gridPaintedAt"].toDouble() > 0 &&
                   s["grid"]["columns"].toInt() == board.Cols;
        })) << "the puzzle was not painted";
        ExpectWholeGrid(run, "opened");
        KeepScreen(Screen, QString::fromStdString("player-e2e-whole-grid-" + name));

        run.Type(playWindow, "alt+g");
        run.XDoTool({"key", "--clearmodifiers", "o"});
        const QString options = run.WaitForWindow("Player Options");
        ASSERT_FALSE(options.isEmpty()) << "no Options dialog";
        run.Type(options, "Return");
        ASSERT_TRUE(run.WaitForWindowGone("Player Options"));
        ExpectWholeGrid(run, "after Options");

        run.Type(playWindow, "ctrl+f");
        ASSERT_TRUE(run.WaitForState([](const QJsonObject& s) {
            return s["playWindow"]["width"].toInt() == 1024;
        })) << "Ctrl+F did not give the full screen";
        run.Type(playWindow, "ctrl+n");
        ASSERT_TRUE(run.WaitForState([](const QJsonObject& s) {
            return s["playWindow"]["width"].toInt() == 583;
        })) << "Ctrl+N did not give the form size back";
        ExpectWholeGrid(run, "after full screen");

        run.XDoTool({"windowsize", "--sync", playWindow, "640", "560"});
        ASSERT_TRUE(run.WaitForState([](const QJsonObject& s) {
            return s["playWindow"]["width"].toInt() == 640 &&
                   s["playWindow"]["height"].toInt() == 560;
        })) << "the window did not take its new size";
        ExpectWholeGrid(run, "resized");
        KeepScreen(Screen, QString::fromStdString("player-e2e-whole-grid-resized-" + name));
    }
}

// Full screen and back, three times with the keys, under a window manager:
// the window's frame ends where it was, at its size, and the grid and the
// side panel get their places back.
TEST_F(PlayerEndToEnd, FullScreenAndBackLeavesTheWindowWhereItWas) {
    const WindowManager manager(Screen, Fake.Folder());
    ASSERT_TRUE(manager.Running()) << "openbox did not start";
    const QString game = PrepareTimedGame(Fake.Folder(), false);
    ASSERT_FALSE(game.isEmpty());
    ProgramRun run(Screen, Fake.Folder(), GLYPHTROVE_PLAYER_BINARY, {game});
    const QString playWindow = run.WaitForWindow("Glyphtrove Puzzle Player");
    ASSERT_FALSE(playWindow.isEmpty()) << "the play window did not show";
    const X11Client client(Screen);
    const QRect screen(0, 0, 1024, 768);
    // Framed: the frame is larger than the window's inner area.
    QRect before;
    ASSERT_TRUE(WaitUntil([&] {
        const QJsonObject s = run.State();
        before = client.Frame(playWindow);
        return s["gridPaintedAt"].toDouble() > 0 && s["playWindow"]["width"].toInt() == 583 &&
               before.width() > 583 && before.height() > 514;
    })) << "the play window was not framed";
    const QJsonObject layout = run.State();
    KeepScreen(Screen, "player-e2e-round-trip-before");
    for (int trip = 1; trip <= 3; ++trip) {
        SCOPED_TRACE(trip);
        run.Type(playWindow, "ctrl+f");
        ASSERT_TRUE(WaitUntil([&] { return client.Frame(playWindow) == screen; }))
            << "Ctrl+F did not cover the screen";
        run.Type(playWindow, "ctrl+n");
        QRect after;
        const bool back = WaitUntil([&] {
            after = client.Frame(playWindow);
            return after == before;
        });
        ASSERT_TRUE(back) << "the frame is at " << after.x() << "," << after.y() << " "
                          << after.width() << "x" << after.height() << ", it was at " << before.x()
                          << "," << before.y() << " " << before.width() << "x" << before.height();
        ASSERT_TRUE(run.WaitForState([&](const QJsonObject& s) {
            return s["playWindow"] == layout["playWindow"];
        })) << "the program did not take its place back";
        const QJsonObject state = run.State();
        EXPECT_EQ(Place(state, "gamePanel"), Place(layout, "gamePanel"));
        EXPECT_EQ(state["grid"]["lastCell"], layout["grid"]["lastCell"]);
    }
    KeepScreen(Screen, "player-e2e-round-trip-after");
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
