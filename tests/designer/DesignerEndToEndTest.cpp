// The real designer on its own X server (Xvfb), driven with xdotool as a
// user would drive it: the start window, the game manager, a new game, and
// the questions on the way out.

#include "designer/dialogs/frmNewGameUn.h"
#include "designer/dialogs/frmPreferenceUn.h"
#include "designer/editor/frmGameEditorUn.h"
#include "engine/puzzle/GlyphtroveUn.h"
#include "support/EndToEnd.h"
#include "support/FakeServices.h"
#include "support/Screenshot.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The screen is 1024 x 768 and has no window manager: windows sit exactly
// where the program puts them, without frames.
const QPoint StartWindowPlace((1024 - 488) / 2, (768 - 108) / 2 - 100);
const QPoint GameManagerPlace((1024 - 280) / 2, (768 - 143) / 2 + 100);

// The middle of a start-window button, by its left edge.
QPoint StartButton(const QPoint& Origin, int Left) {
    return Origin + QPoint(Left + 44, 8 + 36);
}

class DesignerEndToEnd : public EndToEndTest {
protected:
    // Exit on the start window, brought above the editor; the question it
    // brings. A click that comes while the last question is still closing
    // is lost, as it is for a user, so it is made again.
    QString ExitAndWaitForQuestion(ProgramRun& Run, const QString& StartWindow) {
        QString question;
        WaitUntil([&] {
            Run.XDoTool({"windowraise", StartWindow});
            Run.Click(StartButton(Run.WindowOrigin(StartWindow), 392));
            return WaitUntil(
                [&] {
                    question = Run.VisibleWindows("Confirm").value(0);
                    return !question.isEmpty();
                },
                2000);
        });
        return question;
    }

    // Editor on the start window; the game manager it shows, or "".
    static QString ShowGameManager(ProgramRun& Run) {
        if (Run.WaitForWindow("Glyphtrove Designer").isEmpty())
            return QString();
        Run.Click(StartButton(StartWindowPlace, 8));
        return Run.WaitForWindow("Game Manager");
    }

    // A new game's editor, through the start window and the game manager.
    QString OpenNewGame(ProgramRun& Run) {
        if (ShowGameManager(Run).isEmpty())
            return QString();
        Run.Click(GameManagerPlace + QPoint(192 + 40, 80 + 12));
        const QString newGame = Run.WaitForWindow("New Game");
        if (newGame.isEmpty())
            return QString();
        Run.Type(newGame, "Return");
        return Run.WaitForWindow("Glyphtrove Game Editor");
    }

    // Finish fills the grid with filler letters; one of them made a dummy
    // letter through the grid's menu is a change.
    static void ChangeTheGame(ProgramRun& Run, const QString& Editor) {
        Run.XDoTool({"windowfocus", "--sync", Editor});
        Run.XDoTool({"key", "--clearmodifiers", "alt+g"});
        Run.XDoTool({"key", "--clearmodifiers", "f"});
        const QPoint inGrid = Run.WaitForSettledRect(Editor).topLeft() + QPoint(150, 250);
        Run.Click(inGrid, 3);
        Run.XDoTool({"key", "--clearmodifiers", "m"});
    }
};

// Where a control of the preferences dialog sits in it, from a dialog of
// this process built the same way.
struct TPreferencesPlaces {
    QPoint ColoursTab, Presets, RenameTool;
};

TPreferencesPlaces PreferencesPlaces() {
    TfrmPreferences probe(nullptr);
    probe.pgcPreferences->setCurrentIndex(1);
    probe.show();
    QApplication::processEvents();
    const QTabBar* tabs = probe.pgcPreferences->findChild<QTabBar*>();
    const QWidget* tool = probe.tbrSchemes->widgetForAction(probe.actColourRename);
    return {tabs->mapTo(&probe, tabs->tabRect(1).center()),
            probe.cbxPresets->mapTo(&probe, probe.cbxPresets->rect().center()),
            tool->mapTo(&probe, tool->rect().center())};
}

} // namespace

TEST_F(DesignerEndToEnd, NewGameThenQuitThroughTheSaveQuestions) {
    ProgramRun run(Screen, Fake.Folder(), GLYPHTROVE_DESIGNER_BINARY, {});
    const QString startWindow = run.WaitForWindow("Glyphtrove Designer");
    ASSERT_FALSE(startWindow.isEmpty()) << "the start window did not show";
    EXPECT_EQ(run.WaitForSettledRect(startWindow).topLeft(), StartWindowPlace);
    EXPECT_TRUE(run.VisibleWindows("Game Manager").isEmpty());

    const QString editor = OpenNewGame(run);
    ASSERT_FALSE(editor.isEmpty()) << "no editor for the new game";
    EXPECT_EQ(run.WaitForSettledRect(run.WaitForWindow("Game Manager")).topLeft(),
              GameManagerPlace);
    ChangeTheGame(run, editor);

    // Cancel at the save question keeps the program, its editors hidden.
    QString question = ExitAndWaitForQuestion(run, startWindow);
    ASSERT_FALSE(question.isEmpty()) << "no save question for the changed game";
    run.Type(question, "Escape");
    ASSERT_TRUE(run.WaitForWindowGone("Confirm"));
    EXPECT_TRUE(run.WaitForWindowGone("Glyphtrove Game Editor"));
    EXPECT_FALSE(run.Program().waitForFinished(0)) << "Cancel ended the program";
    EXPECT_FALSE(run.WaitForWindow("Glyphtrove Designer").isEmpty());

    // No: the program ends, asking once more, Yes or No, as the game goes.
    question = ExitAndWaitForQuestion(run, startWindow);
    ASSERT_FALSE(question.isEmpty()) << "no save question the second time";
    run.Type(question, "n");
    const QString last = run.WaitForAnotherWindow("Confirm", question);
    ASSERT_FALSE(last.isEmpty()) << "not asked again as the program ends";
    run.Type(last, "n");
    ASSERT_TRUE(run.Ended()) << "the program did not end";
    EXPECT_EQ(run.Program().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(run.Program().exitCode(), 0);

    // The play window's options beside the program, and both windows'
    // places, kept for the next run.
    EXPECT_TRUE(QFileInfo::exists(run.ProgramFolder() + "/Options.dat"));
    QSettings key(run.ConfigFolder() + "/Fernhallow Software/GlyphtroveEditor.conf",
                  QSettings::IniFormat);
    EXPECT_EQ(key.value("MainX").toInt(), StartWindowPlace.x());
    EXPECT_EQ(key.value("MainY").toInt(), StartWindowPlace.y());
    EXPECT_EQ(key.value("GameMgrX").toInt(), GameManagerPlace.x());
    EXPECT_EQ(key.value("GameMgrY").toInt(), GameManagerPlace.y());
}

TEST_F(DesignerEndToEnd, YesToClosingThenEscapeInSaveAsKeepsTheGame) {
    ProgramRun run(Screen, Fake.Folder(), GLYPHTROVE_DESIGNER_BINARY, {});
    const QString startWindow = run.WaitForWindow("Glyphtrove Designer");
    ASSERT_FALSE(startWindow.isEmpty()) << "the start window did not show";
    const QString editor = OpenNewGame(run);
    ASSERT_FALSE(editor.isEmpty()) << "no editor for the new game";
    ChangeTheGame(run, editor);

    // Close Editor, Yes; the title is the default one, so Preferences come
    // first (Escape), then Save As (Escape).
    run.Type(editor, "ctrl+e");
    const QString question = run.WaitForWindow("Confirm");
    ASSERT_FALSE(question.isEmpty()) << "Close asked nothing";
    run.Type(question, "y");
    const QString preferences = run.WaitForWindow("Game Preferences");
    ASSERT_FALSE(preferences.isEmpty()) << "Save did not open the preferences";
    run.Type(preferences, "Escape");
    const QString saveAs = run.WaitForWindow("Save Game File");
    ASSERT_FALSE(saveAs.isEmpty()) << "Save did not ask for a name";
    run.Type(saveAs, "Escape");
    ASSERT_TRUE(run.WaitForWindowGone("Save Game File"));

    EXPECT_FALSE(run.VisibleWindows("Glyphtrove Game Editor").isEmpty())
        << "the unsaved game was closed";
    // Still in progress and still changed: Exit asks about it.
    const QString atExit = ExitAndWaitForQuestion(run, startWindow);
    ASSERT_FALSE(atExit.isEmpty()) << "the game was gone at Exit";
    run.Type(atExit, "n");
    const QString last = run.WaitForAnotherWindow("Confirm", atExit);
    ASSERT_FALSE(last.isEmpty()) << "not asked again as the program ends";
    run.Type(last, "n");
    EXPECT_TRUE(run.Ended()) << "the program did not end";
}

TEST_F(DesignerEndToEnd, SaveAsAsksAboutTheFileOfTheChosenFilter) {
    // An export of that name is in the puzzle folder, where a new game's
    // Save As opens.
    const QString folder = Fake.Folder() + "/Documents/My Puzzles";
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString words = folder + "/words.gtx";
    WriteBytes(words, "old export");

    ProgramRun run(Screen, Fake.Folder(), GLYPHTROVE_DESIGNER_BINARY, {});
    const QString startWindow = run.WaitForWindow("Glyphtrove Designer");
    ASSERT_FALSE(startWindow.isEmpty()) << "the start window did not show";
    const QString editor = OpenNewGame(run);
    ASSERT_FALSE(editor.isEmpty()) << "no editor for the new game";

    // Save As, the name without extension, then the export filter (the
    // field after the name) and Save.
    const auto saveAsWords = [&] {
        run.Type(editor, "alt+f");
        run.XDoTool({"key", "--clearmodifiers", "a"});
        const QString dialog = run.WaitForWindow("Save Game File");
        if (dialog.isEmpty())
            return dialog;
        run.XDoTool({"windowfocus", "--sync", dialog});
        run.XDoTool({"type", "--delay", "20", "words"});
        for (const char* key : {"Tab", "Down", "shift+Tab", "Return"})
            run.XDoTool({"key", "--clearmodifiers", key});
        return dialog;
    };
    QString dialog = saveAsWords();
    ASSERT_FALSE(dialog.isEmpty()) << "Save As showed no dialog";
    // The dialog's own question, about words.gtx; No keeps the dialog.
    QString replace = run.WaitForAnotherWindow("Save Game File", dialog);
    ASSERT_FALSE(replace.isEmpty()) << "replaced without a question";
    EXPECT_TRUE(run.VisibleWindows("Confirm").isEmpty());
    run.Type(replace, "n");
    ASSERT_TRUE(WaitUntil([&] {
        return run.VisibleWindows("Save Game File") == QStringList({dialog});
    })) << "No did not go back to the dialog";
    run.Type(dialog, "Escape");
    ASSERT_TRUE(run.WaitForWindowGone("Save Game File"));
    EXPECT_EQ(ReadBytes(words), "old export");

    // Yes replaces it with the export, and nothing else is written.
    dialog = saveAsWords();
    replace = run.WaitForAnotherWindow("Save Game File", dialog);
    ASSERT_FALSE(replace.isEmpty()) << "replaced without a question";
    run.Type(replace, "y");
    ASSERT_TRUE(run.WaitForWindowGone("Save Game File"));
    EXPECT_TRUE(WaitUntil([&] { return ReadBytes(words) != "old export"; }));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList({"words.gtx"}));

    // Nothing was changed: Exit ends the program without a question (a
    // click made while the question still closes is lost, so made again).
    EXPECT_TRUE(WaitUntil([&] {
        run.XDoTool({"windowraise", startWindow});
        run.Click(StartButton(run.WindowOrigin(startWindow), 392));
        return run.Program().waitForFinished(2000);
    })) << "the program did not end";
}

// The schemes file merges sections whose names differ in case only: a
// rename to another scheme's name in other letters is refused, and the
// schemes written at the end are the built-ins, each with its colours.
TEST_F(DesignerEndToEnd, RenamingASchemeToAnotherSchemesNameIsRefused) {
    const TPreferencesPlaces places = PreferencesPlaces();
    ProgramRun run(Screen, Fake.Folder(), GLYPHTROVE_DESIGNER_BINARY, {});
    const QString editor = OpenNewGame(run);
    ASSERT_FALSE(editor.isEmpty()) << "no editor for a new game";

    run.XDoTool({"windowfocus", "--sync", editor});
    run.XDoTool({"key", "--clearmodifiers", "alt+g"});
    run.XDoTool({"key", "--clearmodifiers", "p"});
    const QString preferences = run.WaitForWindow("Game Preferences");
    ASSERT_FALSE(preferences.isEmpty()) << "Preferences did not open";
    const QPoint origin = run.WaitForSettledRect(preferences).topLeft();
    run.Click(origin + places.ColoursTab);
    run.Click(origin + places.Presets);
    run.XDoTool({"key", "--clearmodifiers", "n", "Return"});

    run.Click(origin + places.RenameTool);
    const QString name = run.WaitForWindow("Puzzle Colour Scheme");
    ASSERT_FALSE(name.isEmpty()) << "Rename did not ask for the name";
    run.Type(name, "ctrl+a");
    run.XDoTool({"type", "--delay", "20", "default"});
    run.Type(name, "Return");
    const QString refusal = run.WaitForWindow("Error");
    ASSERT_FALSE(refusal.isEmpty()) << "the name was not refused";
    KeepScreen(Screen, "designer-scheme-name-refused");
    run.Type(refusal, "Return");
    ASSERT_TRUE(run.WaitForWindowGone("Error"));

    // A rename to a free name is kept, so the schemes are written at the end.
    run.Click(origin + places.RenameTool);
    const QString again = run.WaitForWindow("Puzzle Colour Scheme");
    ASSERT_FALSE(again.isEmpty());
    run.Type(again, "ctrl+a");
    run.XDoTool({"type", "--delay", "20", "Midnight"});
    run.Type(again, "Return");
    ASSERT_TRUE(run.WaitForWindowGone("Puzzle Colour Scheme"));
    run.Type(preferences, "Escape");
    ASSERT_TRUE(run.WaitForWindowGone("Game Preferences"));

    const QString startWindow = run.WaitForWindow("Glyphtrove Designer");
    run.XDoTool({"windowraise", startWindow});
    run.Click(StartButton(run.WindowOrigin(startWindow), 392));
    ASSERT_TRUE(run.Ended()) << "the program did not end";

    const QByteArray schemes = ReadBytes(run.ProgramFolder() + "/Colour Schemes.dat");
    EXPECT_TRUE(schemes.contains("\n[Default]\nWordText=0\nWordBG=15\n")) << schemes.data();
    EXPECT_TRUE(schemes.contains("\n[Midnight]\nWordText=12\nWordBG=0\n")) << schemes.data();
    EXPECT_FALSE(schemes.contains("Nighttime"));
    EXPECT_FALSE(schemes.contains("[default]"));
}

// Typing into the wish list with X11's own keys: Delete and Backspace edit
// the words, a middle click pastes the selection as Paste does (filtered),
// and the search box refuses it.
TEST_F(DesignerEndToEnd, WishListTakesKeysAndMiddleClickPastesAsX11DeliversThem) {
    X11Client x11(Screen);
    ASSERT_TRUE(x11.Own("hello, world")) << "the selection tool did not start";
    ProgramRun run(Screen, Fake.Folder(), GLYPHTROVE_DESIGNER_BINARY, {});
    ASSERT_FALSE(run.WaitForWindow("Glyphtrove Designer").isEmpty());
    const QString editor = OpenNewGame(run);
    ASSERT_FALSE(editor.isEmpty());
    run.Type(editor, "ctrl+w");
    const QString wishList = run.WaitForWindow("Word Wish List Editor");
    ASSERT_FALSE(wishList.isEmpty()) << "Ctrl+W did not open the wish list";
    const QPoint origin = run.WaitForSettledRect(wishList).topLeft();
    // The memo and the search box, in the frame at (8, 4).
    const QPoint memo = origin + QPoint(8 + 10, 4 + 44);
    const QPoint search = origin + QPoint(8 + 10 + 70, 4 + 19 + 10);

    // "egrxeet", back three, Backspace takes the x and Delete an e.
    run.XDoTool({"windowfocus", "--sync", wishList});
    run.XDoTool({"key", "--clearmodifiers", "e", "g", "r", "x", "e", "e", "t", "Left", "Left",
                 "Left", "BackSpace", "Delete", "ctrl+End", "Return"});
    // Below the lines: the paste goes to the end.
    run.Click(memo + QPoint(60, 120), 2);
    run.XDoTool({"key", "--clearmodifiers", "ctrl+Home", "ctrl+shift+End", "ctrl+c"});
    QString copied;
    EXPECT_TRUE(WaitUntil([&] {
        copied = x11.Clipboard();
        return copied == "EGRET\nHELLOWORLD";
    })) << copied.toStdString();
    KeepScreen(Screen, "end-to-end-wish-list");

    // The search box: a click commits the memo; the middle click pastes
    // nothing, so "e" finds both words.
    ASSERT_TRUE(x11.Own("hello, world")) << "the selection is the tool's again";
    run.Click(search);
    run.Click(search, 2);
    run.XDoTool({"key", "--clearmodifiers", "e"});
    const QPoint firstLine = memo + QPoint(30, 8);
    run.Click(firstLine);
    run.XDoTool({"key", "--clearmodifiers", "ctrl+c"});
    EXPECT_TRUE(WaitUntil([&] {
        copied = x11.Clipboard();
        return copied == "EGRET";
    })) << copied.toStdString();
}

// Play on the start window, above the play window shown before, brings the
// play window to the front with the keyboard.
TEST_F(DesignerEndToEnd, PlayBringsTheShownPlayWindowToTheFront) {
    const QString game = Fake.Folder() + "/Garden Birds.gtg";
    ASSERT_TRUE(QFile::copy(QString(GLYPHTROVE_EXAMPLES) + "/Garden Birds.gtg", game));
    ProgramRun run(Screen, Fake.Folder(), GLYPHTROVE_DESIGNER_BINARY, {});
    const QString startWindow = run.WaitForWindow("Glyphtrove Designer");
    ASSERT_FALSE(startWindow.isEmpty()) << "the start window did not show";
    run.Click(StartButton(StartWindowPlace, 104));
    const QString open = run.WaitForWindow("Open");
    ASSERT_FALSE(open.isEmpty()) << "Play did not ask for a game";
    run.XDoTool({"windowfocus", "--sync", open});
    run.XDoTool({"type", "--delay", "20", game});
    run.XDoTool({"key", "Return"});
    const QString playWindow = run.WaitForWindow("Glyphtrove Puzzle Player");
    ASSERT_FALSE(playWindow.isEmpty()) << "the play window did not show";

    // The windows' ids from the top of the stack down: X lists them bottom up.
    const auto topWindow = [&] {
        const QStringList windows = run.VisibleWindows("Glyphtrove (Designer|Puzzle)");
        return windows.isEmpty() ? QString() : windows.last();
    };
    // The start window overlaps the play window; the user brings it up.
    run.XDoTool({"windowraise", startWindow});
    run.XDoTool({"windowfocus", "--sync", startWindow});
    ASSERT_TRUE(WaitUntil([&] { return topWindow() == startWindow; }))
        << "the start window did not come up";
    run.Click(StartButton(StartWindowPlace, 104));
    EXPECT_TRUE(WaitUntil([&] { return topWindow() == playWindow; }))
        << "the play window stayed behind";
    EXPECT_TRUE(WaitUntil([&] { return run.XDoTool({"getwindowfocus"}) == playWindow; }))
        << "the play window did not get the keyboard";
}

namespace {

// The designer with its game manager shown, and the editors it opens.
class GameManagerEndToEnd : public DesignerEndToEnd {
protected:
    void StartManager(ProgramRun& Run) {
        StartWindow = Run.WaitForWindow("Glyphtrove Designer");
        ASSERT_FALSE(StartWindow.isEmpty()) << "the start window did not show";
        Manager = ShowGameManager(Run);
        ASSERT_FALSE(Manager.isEmpty()) << "Editor did not show the game manager";
    }
    // Presses a manager button, by its top, with the manager above the editors.
    void PressManagerButton(ProgramRun& Run, int Top) {
        Run.XDoTool({"windowraise", Manager});
        Run.Click(GameManagerPlace + QPoint(192 + 40, Top + 12));
    }
    void ClickManagerLine(ProgramRun& Run, int Line) {
        Run.XDoTool({"windowraise", Manager});
        // The list lies 8 + 8 px in, 26 px down, 16 px a line.
        Run.Click(GameManagerPlace + QPoint(16 + 40, 26 + 2 + 8 + 16 * Line));
    }
    static QStringList Editors(const ProgramRun& Run) {
        return Run.VisibleWindows("Glyphtrove Game Editor");
    }
    // New..., then Create at the size offered; true once one editor more shows.
    bool NewGame(ProgramRun& Run) {
        const qsizetype before = Editors(Run).size();
        PressManagerButton(Run, 80);
        const QString newGame = Run.WaitForWindow("New Game");
        if (newGame.isEmpty())
            return false;
        Run.Type(newGame, "Return");
        return WaitUntil([&] { return Editors(Run).size() == before + 1; });
    }
    // Exit on the start window; an unchanged game asks nothing.
    void ExitWithoutQuestions(ProgramRun& Run) {
        Run.XDoTool({"windowraise", StartWindow});
        Run.Click(StartButton(Run.WindowOrigin(StartWindow), 392));
        EXPECT_TRUE(Run.Ended()) << "the program did not end";
        EXPECT_TRUE(Run.XDoTool({"search", "--name", "^Confirm"}).isEmpty());
    }
    QString StartWindow;
    QString Manager;
};

} // namespace

TEST_F(GameManagerEndToEnd, TheSecondCloseLeavesTheOtherGameOpen) {
    ProgramRun run(Screen, Fake.Folder(), GLYPHTROVE_DESIGNER_BINARY, {});
    StartManager(run);
    ASSERT_TRUE(NewGame(run)) << "no editor for the first game";
    ASSERT_TRUE(NewGame(run)) << "no editor for the second game";
    ASSERT_EQ(Editors(run).size(), 2);

    ClickManagerLine(run, 0);
    PressManagerButton(run, 48);
    ASSERT_TRUE(WaitUntil([&] { return Editors(run).size() == 1; })) << "Close closed nothing";
    // Close again: no game is selected, so none closes.
    PressManagerButton(run, 48);
    run.Type(Manager, "ctrl+e");
    // The program handles what the user does in order: once New... has shown
    // its dialog, both Closes have been handled.
    PressManagerButton(run, 80);
    const QString newGame = run.WaitForWindow("New Game");
    ASSERT_FALSE(newGame.isEmpty()) << "New... showed no dialog";
    run.Type(newGame, "Escape");
    ASSERT_TRUE(run.WaitForWindowGone("New Game"));
    EXPECT_EQ(Editors(run).size(), 1) << "the second Close closed the other game";
    KeepScreen(Screen, "e2e-game-manager-after-two-closes");
    ExitWithoutQuestions(run);
}

TEST_F(GameManagerEndToEnd, GridShortcutsDoNothingUntilARightClickChoosesACell) {
    ProgramRun run(Screen, Fake.Folder(), GLYPHTROVE_DESIGNER_BINARY, {});
    StartManager(run);
    ASSERT_TRUE(NewGame(run)) << "no editor for the game";
    const QString editor = Editors(run).value(0);
    // Erase Selection and Make Dummy by their keys, in a fresh editor and
    // after a right click whose menu closed without a choice: no change, so
    // the program ends without asking to save.
    run.Type(editor, "ctrl+Delete");
    run.Type(editor, "shift+Delete");
    const QPoint inGrid = run.WaitForSettledRect(editor).topLeft() + QPoint(150, 250);
    run.Click(inGrid, 3);
    run.Type(editor, "Escape");
    run.Type(editor, "ctrl+Delete");
    run.Type(editor, "shift+Delete");
    KeepScreen(Screen, "e2e-editor-after-grid-shortcuts");
    ExitWithoutQuestions(run);
}

namespace {

// A text export as a user writes it by hand, under a title line.
QByteArray HandWrittenExport(const QStringList& Rows, const QStringList& Words) {
    const QStringList lines =
        QStringList{"Pets", "", "", "", "", "1.1.0"} + Rows + QStringList{""} + Words;
    return (lines.join("\r\n") + "\r\n").toUtf8();
}

} // namespace

// Load... with the export filter imports a hand-written export in lower
// case; saved as a game file, it loads with its words. A file holding a
// letter that a game file cannot store is refused with an error box, and no
// editor is left for it.
TEST_F(GameManagerEndToEnd, AHandWrittenExportImportsAndSavesWithItsWords) {
    const QString folder = Fake.Folder() + "/Documents/My Puzzles";
    ASSERT_TRUE(QDir().mkpath(folder));
    WriteBytes(folder + "/pets.gtx",
               HandWrittenExport({"catxx", "doggo", "owlzz"}, {"cat", "Dog ", "owl"}));
    WriteBytes(folder + "/polish.gtx",
               HandWrittenExport({QString::fromUtf8("\u0141\u00d3D\u0179")}, {"LOD"}));

    ProgramRun run(Screen, Fake.Folder(), GLYPHTROVE_DESIGNER_BINARY, {});
    StartManager(run);
    // Load..., the file's name, then the export filter (the field after
    // the name) and Open.
    const auto importText = [&](const QString& Name) {
        PressManagerButton(run, 112);
        const QString open = run.WaitForWindow("Open");
        if (open.isEmpty())
            return false;
        run.XDoTool({"windowfocus", "--sync", open});
        run.XDoTool({"type", "--delay", "20", folder + "/" + Name});
        for (const char* key : {"Tab", "Down", "shift+Tab", "Return"})
            run.XDoTool({"key", "--clearmodifiers", key});
        return run.WaitForWindowGone("Open");
    };

    ASSERT_TRUE(importText("pets.gtx")) << "the Open dialog did not take the export";
    ASSERT_TRUE(WaitUntil([&] { return Editors(run).size() == 1; })) << "no editor for it";
    const QString editor = Editors(run).value(0);
    KeepScreen(Screen, "designer-imported-export");
    run.Type(editor, "alt+f");
    run.XDoTool({"key", "--clearmodifiers", "a"});
    const QString save = run.WaitForWindow("Save Game File");
    ASSERT_FALSE(save.isEmpty()) << "Save As showed no dialog";
    run.XDoTool({"windowfocus", "--sync", save});
    run.XDoTool({"type", "--delay", "20", "pets"});
    run.XDoTool({"key", "--clearmodifiers", "Return"});
    const QString saved = folder + "/pets.gtg";
    ASSERT_TRUE(WaitUntil([&] { return QFileInfo(saved).size() > 0; })) << "nothing was saved";

    TGlyphtroveEditor loaded;
    loaded.resize(400, 400);
    EXPECT_EQ(MessageOf([&] { loaded.LoadFromFile(saved); }), "");
    QStringList words;
    loaded.GetWordList(words);
    EXPECT_EQ(words.join(",").toStdString(), "CAT,DOG,OWL");
    EXPECT_EQ(loaded.GetCellText(4, 1).toStdString(), "O");

    ASSERT_TRUE(importText("polish.gtx")) << "the Open dialog did not take the export";
    const QString error = run.WaitForWindow("Error");
    ASSERT_FALSE(error.isEmpty()) << "the refused import showed no error";
    KeepScreen(Screen, "designer-refused-export");
    EXPECT_EQ(Editors(run), QStringList({editor})) << "an editor stayed for the refused file";
    run.Type(error, "Return");
    EXPECT_TRUE(run.WaitForWindowGone("Error"));
}

// Load... makes an editor that stays hidden until a game is chosen: its Open
// dialog opens over the game manager, where the user clicked.
TEST_F(DesignerEndToEnd, TheLoadDialogOpensOverTheGameManager) {
    ProgramRun run(Screen, Fake.Folder(), GLYPHTROVE_DESIGNER_BINARY, {});
    const QString manager = ShowGameManager(run);
    ASSERT_FALSE(manager.isEmpty()) << "Editor did not show the game manager";
    run.Click(GameManagerPlace + QPoint(192 + 40, 112 + 12));
    const QString open = run.WaitForWindow("Open");
    ASSERT_FALSE(open.isEmpty()) << "Load... did not show the Open dialog";
    const QRect dialog = run.WaitForSettledRect(open);
    const QRect over = run.WaitForSettledRect(manager);
    ASSERT_FALSE(dialog.isEmpty() || over.isEmpty()) << "the windows did not settle";
    KeepScreen(Screen, "designer-load-dialog");
    EXPECT_LE((dialog.center() - over.center()).manhattanLength(), 4)
        << "the Open dialog is at " << dialog.x() << "," << dialog.y();
    run.Type(open, "Escape");
    ASSERT_TRUE(run.WaitForWindowGone("Open"));
    EXPECT_TRUE(run.VisibleWindows("Glyphtrove Game Editor").isEmpty())
        << "a cancelled load shows no editor";
}

// Print in the editor of a game loaded from a folder that holds a page of
// the user's named after it replaces nothing and leaves no page behind.
TEST_F(GameManagerEndToEnd, PrintLeavesTheUsersPageBesideTheGameAlone) {
    const PrintBesideUsersPage print(Fake.Folder());
    ProgramRun run(Screen, Fake.Folder(), GLYPHTROVE_DESIGNER_BINARY, {});
    StartManager(run);
    PressManagerButton(run, 112);
    const QString open = run.WaitForWindow("Open");
    ASSERT_FALSE(open.isEmpty()) << "Load... did not show the Open dialog";
    run.XDoTool({"windowfocus", "--sync", open});
    run.XDoTool({"type", "--delay", "20", print.Game()});
    run.XDoTool({"key", "Return"});
    ASSERT_TRUE(run.WaitForWindowGone("Open"));
    const QString editor = run.WaitForWindow("Glyphtrove Game Editor");
    ASSERT_FALSE(editor.isEmpty()) << "the loaded game's editor did not show";
    print.PrintAndCheck(run, editor, "designer-print-preview");
    ASSERT_FALSE(HasFatalFailure());
    ExitWithoutQuestions(run);
}

namespace {

// The pixels of a screenshot along a line from From, one Step at a time.
std::vector<QRgb> PixelsAlong(const QImage& Shot, QPoint From, QPoint Step, int Count) {
    std::vector<QRgb> pixels;
    for (int i = 0; i < Count; ++i)
        pixels.push_back(Shot.pixel(From + i * Step));
    return pixels;
}

// Where runs of the grid's black start along a line of pixels.
std::vector<int> BlackRuns(const std::vector<QRgb>& Pixels) {
    std::vector<int> runs;
    for (int i = 0; i < int(Pixels.size()); ++i)
        if (Pixels[i] == qRgb(0, 0, 0) && (i == 0 || Pixels[i - 1] != qRgb(0, 0, 0)))
            runs.push_back(i);
    return runs;
}

// What a screenshot shows of a new game's grid in the editor's game panel
// (Panel, on the screen), "" when it is whole. A line across a row of cells
// meets the lines between the cells, which lie side by side, and the lines
// that open the first and close the last: a line more than the cells. A
// cut-off grid ends in the last cell's bevel, a line short. Lines across the
// first and the last row and down the first and the last column are read.
std::string GridEdgeFault(const QImage& Shot, const QRect& Panel, int Cols, int Rows) {
    // The grid lies 8 pixels in; 6 more is inside the first cells.
    const int inside = 8 + 6;
    const auto across = [&](int y) {
        return BlackRuns(PixelsAlong(Shot, QPoint(Panel.left(), y), QPoint(1, 0), Panel.width()));
    };
    const auto down = [&](int x) {
        return BlackRuns(PixelsAlong(Shot, QPoint(x, Panel.top()), QPoint(0, 1), Panel.height()));
    };
    const std::vector<int> firstRow = across(Panel.top() + inside);
    const std::vector<int> firstColumn = down(Panel.left() + inside);
    if (firstRow.size() < 2 || firstColumn.size() < 2)
        return "no grid in the panel";
    // Inside the last cells: 6 pixels before the last line each way.
    const std::vector<int> lastRow = across(Panel.top() + firstColumn.back() - 6);
    const std::vector<int> lastColumn = down(Panel.left() + firstRow.back() - 6);
    std::string fault;
    const auto check = [&](const std::vector<int>& runs, int cells, const std::string& which) {
        if (int(runs.size()) != cells + 1)
            fault += which + " meets " + std::to_string(runs.size()) + " lines" +
                     (runs.empty() ? "" : ", the last at " + std::to_string(runs.back())) +
                     " in the panel; ";
    };
    check(firstRow, Cols, "the first row");
    check(lastRow, Cols, "the last row");
    check(firstColumn, Rows, "the first column");
    check(lastColumn, Rows, "the last column");
    return fault;
}

// Where the game panel lies in the editor window at its form size, from an
// editor of this process built the same way.
QRect GamePanelInEditor() {
    TfrmGameEditor probe;
    probe.show();
    QApplication::processEvents();
    return QRect(probe.pnlGame->mapTo(&probe, QPoint(0, 0)), probe.pnlGame->size());
}

// Where the size shows in the New Game dialog.
QRect SizeInNewGameDialog() {
    TfrmNewGame probe(nullptr);
    return QRect(probe.lblSize->mapTo(&probe, QPoint(0, 0)), probe.lblSize->size());
}

class NewGameGridEndToEnd : public GameManagerEndToEnd {
protected:
    // The screen's pixels in Area once it has finished drawing.
    QImage SettledArea(const QRect& Area) {
        const X11Client client(Screen);
        const QString file = Fake.Folder() + "/area.png";
        QImage last, now;
        WaitUntil([&] {
            if (!client.Shot(file))
                return false;
            now = QImage(file).copy(Area);
            const bool alike = !last.isNull() && now == last;
            last = now;
            return alike;
        });
        return now;
    }
    // Presses Key in the dialog once it has the keyboard, and waits until
    // the size it shows has changed: the dialog took the key. Each key of
    // these changes the size by one, or to a preset other than the size.
    bool PressSizeKey(ProgramRun& Run, const QString& Dialog, const QString& Key) {
        if (!WaitUntil([&] { return Run.XDoTool({"getwindowfocus"}) == Dialog; }))
            return false;
        const QRect size =
            SizeInNewGameDialog().translated(Run.WaitForSettledRect(Dialog).topLeft());
        const QImage before = SettledArea(size);
        Run.XDoTool({"key", "--clearmodifiers", Key});
        return WaitUntil([&] { return SettledArea(size) != before; });
    }
    // New..., the size by the dialog's keys, then Create; the new editor,
    // or "".
    QString NewGameOfSize(ProgramRun& Run, const QStringList& Keys) {
        const QStringList before = Editors(Run);
        PressManagerButton(Run, 80);
        const QString dialog = Run.WaitForWindow("New Game");
        if (dialog.isEmpty())
            return QString();
        Run.XDoTool({"windowfocus", "--sync", dialog});
        for (const QString& key : Keys)
            if (!PressSizeKey(Run, dialog, key))
                return QString();
        Run.Type(dialog, "Return");
        QString editor;
        WaitUntil([&] {
            for (const QString& id : Editors(Run))
                if (!before.contains(id))
                    editor = id;
            return !editor.isEmpty();
        });
        return editor;
    }
    // Waits until a screenshot shows the editor's whole grid; else the
    // fault it saw last. The last screenshot is kept as Shot.
    void ExpectWholeGrid(ProgramRun& Run, const QString& Editor, int Cols, int Rows,
                         const QString& Shot) {
        const QRect place = Run.WaitForSettledRect(Editor);
        ASSERT_EQ(place.size(), QSize(594, 509)) << "the editor is not at its form size";
        const QRect panel = GamePanelInEditor().translated(place.topLeft());
        const QString file = Fake.Folder() + "/grid-check.png";
        const X11Client client(Screen);
        std::string fault = "no screenshot";
        QImage shot;
        const bool whole = WaitUntil([&] {
            if (!client.Shot(file))
                return false;
            shot = QImage(file);
            fault = GridEdgeFault(shot, panel, Cols, Rows);
            return fault.empty();
        });
        KeepScreenshot(shot, Shot);
        EXPECT_TRUE(whole) << Cols << " x " << Rows << ": " << fault;
    }
};

} // namespace

// New games through the New Game dialog, each in an editor of its own at
// the form size, show their whole grids on the screen: the last column's
// right and the last row's bottom closing lines are drawn in the panel.
TEST_F(NewGameGridEndToEnd, NewGamesShowTheirWholeGridsAtTheFormSize) {
    ProgramRun run(Screen, Fake.Folder(), GLYPHTROVE_DESIGNER_BINARY, {});
    StartManager(run);
    struct Game {
        int Side;
        QStringList Keys;
    };
    // 15 x 15 is offered; F2 is 5 x 5, F3 10 x 10, the arrows one more.
    const std::vector<Game> games = {
        {15, {}}, {12, {"F3", "ctrl+r", "ctrl+r", "ctrl+u", "ctrl+u"}}, {5, {"F2"}}};
    for (const Game& game : games) {
        SCOPED_TRACE(game.Side);
        const QString editor = NewGameOfSize(run, game.Keys);
        ASSERT_FALSE(editor.isEmpty()) << "no editor for the new game";
        ExpectWholeGrid(run, editor, game.Side, game.Side,
                        QString("e2e-editor-new-game-%1x%1").arg(game.Side));
    }
    ExitWithoutQuestions(run);
}
