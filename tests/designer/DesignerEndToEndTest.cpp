// The real designer on its own X server (Xvfb), driven with xdotool as a
// user would drive it: the start window, the game manager, a new game, and
// the questions on the way out.

#include "support/EndToEnd.h"
#include "support/FakeServices.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

// The screen is 1024 x 768 and has no window manager: windows sit exactly
// where the program puts them, without frames.
const QPoint StartWindowPlace((1024 - 488) / 2, (768 - 108) / 2 - 100);
const QPoint GameManagerPlace((1024 - 280) / 2, (768 - 143) / 2 + 100);

// The middle of a start-window button, by its left edge.
QPoint StartButton(const QPoint& Origin, int Left) {
    return Origin + QPoint(Left + 44, 8 + 36);
}

class DesignerEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(QStandardPaths::findExecutable("xdotool").isEmpty())
            << "xdotool is not installed";
        ASSERT_TRUE(Screen.Running()) << "Xvfb did not start";
    }

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
                    question = Run.XDoTool({"search", "--onlyvisible", "--name", "^Confirm"})
                                   .section('\n', 0, 0);
                    return !question.isEmpty();
                },
                2000);
        });
        return question;
    }

    // Editor on the start window, New... on the game manager, Create at the
    // size offered: the editor of the new game, or "".
    QString OpenEditorOnANewGame(ProgramRun& Run) {
        Run.Click(StartButton(StartWindowPlace, 8));
        const QString manager = Run.WaitForWindow("Game Manager");
        EXPECT_FALSE(manager.isEmpty()) << "Editor did not show the game manager";
        if (manager.isEmpty())
            return QString();
        EXPECT_EQ(Run.WindowOrigin(manager), GameManagerPlace);
        Run.Click(GameManagerPlace + QPoint(192 + 40, 80 + 12));
        const QString newGame = Run.WaitForWindow("New Game");
        EXPECT_FALSE(newGame.isEmpty()) << "New... did not ask for the size";
        if (newGame.isEmpty())
            return QString();
        Run.Type(newGame, "Return");
        const QString editor = Run.WaitForWindow("Glyphtrove Game Editor");
        EXPECT_FALSE(editor.isEmpty()) << "no editor for the new game";
        return editor;
    }

    FakeServices Fake;
    VirtualScreen Screen;
};

// The test's own client of its X server: it holds a text as the PRIMARY
// selection, reads the CLIPBOARD, takes screenshots.
class X11Client {
public:
    explicit X11Client(const QString& Display) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", Display);
        environment.insert("QT_QPA_PLATFORM", "xcb");
        FTool.setProcessEnvironment(environment);
    }
    ~X11Client() { Disown(); }
    // True once Text is the selection that a middle click pastes.
    bool Own(const QString& Text) {
        Disown();
        FTool.start(GLYPHTROVE_X11CLIENT_BINARY, {"own", Text});
        return WaitUntil([this] {
                   FTool.waitForReadyRead(50);
                   return FTool.canReadLine() || FTool.state() == QProcess::NotRunning;
               }) &&
               FTool.readLine().trimmed() == "owned";
    }
    QString Clipboard() { return Run({"clipboard"}); }
    // Where $GLYPHTROVE_SCREENSHOTS names a folder, the screen as Name.png.
    void Screenshot(const QString& Name) {
        const QString folder = qEnvironmentVariable("GLYPHTROVE_SCREENSHOTS");
        if (!folder.isEmpty())
            Run({"shot", folder + "/" + Name + ".png"});
    }

private:
    void Disown() {
        if (FTool.state() != QProcess::NotRunning) {
            FTool.kill();
            FTool.waitForFinished(5000);
        }
    }
    QString Run(const QStringList& Arguments) {
        QProcess tool;
        tool.setProcessEnvironment(FTool.processEnvironment());
        tool.start(GLYPHTROVE_X11CLIENT_BINARY, Arguments);
        tool.waitForFinished(WaitLimitMs);
        return QString::fromUtf8(tool.readAllStandardOutput());
    }

    // The one that holds the selection.
    QProcess FTool;
};

} // namespace

TEST_F(DesignerEndToEnd, NewGameThenQuitThroughTheSaveQuestions) {
    ProgramRun run(Screen, Fake.Folder(), GLYPHTROVE_DESIGNER_BINARY, {});
    const QString startWindow = run.WaitForWindow("Glyphtrove Designer");
    ASSERT_FALSE(startWindow.isEmpty()) << "the start window did not show";
    EXPECT_EQ(run.WindowOrigin(startWindow), StartWindowPlace);
    EXPECT_TRUE(run.XDoTool({"search", "--onlyvisible", "--name", "^Game Manager"}).isEmpty());

    const QString editor = OpenEditorOnANewGame(run);
    ASSERT_FALSE(editor.isEmpty());

    // Finish fills the grid with filler letters; one of them made a dummy
    // letter through the grid's menu is a change.
    run.XDoTool({"windowfocus", "--sync", editor});
    run.XDoTool({"key", "--clearmodifiers", "alt+g"});
    run.XDoTool({"key", "--clearmodifiers", "f"});
    const QPoint inGrid = run.WindowOrigin(editor) + QPoint(150, 250);
    run.XDoTool({"mousemove", "--sync", QString::number(inGrid.x()), QString::number(inGrid.y()),
                 "click", "3"});
    run.XDoTool({"key", "--clearmodifiers", "m"});

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
    QString last;
    ASSERT_TRUE(WaitUntil([&] {
        last = run.XDoTool({"search", "--onlyvisible", "--name", "^Confirm"}).section('\n', 0, 0);
        return !last.isEmpty() && last != question;
    })) << "not asked again as the program ends";
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

// Typing into the wish list with X11's own keys: Delete and Backspace edit
// the words, a middle click pastes the selection as Paste does (filtered),
// and the search box refuses it.
TEST_F(DesignerEndToEnd, WishListTakesKeysAndMiddleClickPastesAsX11DeliversThem) {
    X11Client x11(Screen.Display());
    ASSERT_TRUE(x11.Own("hello, world")) << "the selection tool did not start";
    ProgramRun run(Screen, Fake.Folder(), GLYPHTROVE_DESIGNER_BINARY, {});
    ASSERT_FALSE(run.WaitForWindow("Glyphtrove Designer").isEmpty());
    const QString editor = OpenEditorOnANewGame(run);
    ASSERT_FALSE(editor.isEmpty());
    run.Type(editor, "ctrl+w");
    const QString wishList = run.WaitForWindow("Word Wish List Editor");
    ASSERT_FALSE(wishList.isEmpty()) << "Ctrl+W did not open the wish list";
    const QPoint origin = run.WindowOrigin(wishList);
    // The memo and the search box, in the frame at (8, 4).
    const QPoint memo = origin + QPoint(8 + 10, 4 + 44);
    const QPoint search = origin + QPoint(8 + 10 + 70, 4 + 19 + 10);
    const auto middleClick = [&](QPoint at) {
        run.XDoTool({"mousemove", "--sync", QString::number(at.x()), QString::number(at.y()),
                     "click", "2"});
    };

    // "egrxeet", back three, Backspace takes the x and Delete an e.
    run.XDoTool({"windowfocus", "--sync", wishList});
    run.XDoTool({"key", "--clearmodifiers", "e", "g", "r", "x", "e", "e", "t", "Left", "Left",
                 "Left", "BackSpace", "Delete", "ctrl+End", "Return"});
    // Below the lines: the paste goes to the end.
    middleClick(memo + QPoint(60, 120));
    run.XDoTool({"key", "--clearmodifiers", "ctrl+Home", "ctrl+shift+End", "ctrl+c"});
    QString copied;
    EXPECT_TRUE(WaitUntil([&] {
        copied = x11.Clipboard();
        return copied == "EGRET\nHELLOWORLD";
    })) << copied.toStdString();
    x11.Screenshot("end-to-end-wish-list");

    // The search box: a click commits the memo; the middle click pastes
    // nothing, so "e" finds both words.
    ASSERT_TRUE(x11.Own("hello, world")) << "the selection is the tool's again";
    run.Click(search);
    middleClick(search);
    run.XDoTool({"key", "--clearmodifiers", "e"});
    const QPoint firstLine = memo + QPoint(30, 8);
    run.Click(firstLine);
    run.XDoTool({"key", "--clearmodifiers", "ctrl+c"});
    EXPECT_TRUE(WaitUntil([&] {
        copied = x11.Clipboard();
        return copied == "EGRET";
    })) << copied.toStdString();
}
