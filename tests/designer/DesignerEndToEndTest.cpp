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

    FakeServices Fake;
    VirtualScreen Screen;
};

} // namespace

TEST_F(DesignerEndToEnd, NewGameThenQuitThroughTheSaveQuestions) {
    ProgramRun run(Screen, Fake.Folder(), GLYPHTROVE_DESIGNER_BINARY, {});
    const QString startWindow = run.WaitForWindow("Glyphtrove Designer");
    ASSERT_FALSE(startWindow.isEmpty()) << "the start window did not show";
    EXPECT_EQ(run.WindowOrigin(startWindow), StartWindowPlace);
    EXPECT_TRUE(run.XDoTool({"search", "--onlyvisible", "--name", "^Game Manager"}).isEmpty());

    run.Click(StartButton(StartWindowPlace, 8));
    const QString manager = run.WaitForWindow("Game Manager");
    ASSERT_FALSE(manager.isEmpty()) << "Editor did not show the game manager";
    EXPECT_EQ(run.WindowOrigin(manager), GameManagerPlace);

    // New..., then Create at the size offered.
    run.Click(GameManagerPlace + QPoint(192 + 40, 80 + 12));
    const QString newGame = run.WaitForWindow("New Game");
    ASSERT_FALSE(newGame.isEmpty()) << "New... did not ask for the size";
    run.Type(newGame, "Return");
    const QString editor = run.WaitForWindow("Glyphtrove Game Editor");
    ASSERT_FALSE(editor.isEmpty()) << "no editor for the new game";

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

// Load... makes an editor that stays hidden until a game is chosen: its Open
// dialog opens over the game manager, where the user clicked.
TEST_F(DesignerEndToEnd, TheLoadDialogOpensOverTheGameManager) {
    ProgramRun run(Screen, Fake.Folder(), GLYPHTROVE_DESIGNER_BINARY, {});
    const QString startWindow = run.WaitForWindow("Glyphtrove Designer");
    ASSERT_FALSE(startWindow.isEmpty()) << "the start window did not show";
    run.Click(StartButton(StartWindowPlace, 8));
    const QString manager = run.WaitForWindow("Game Manager");
    ASSERT_FALSE(manager.isEmpty()) << "Editor did not show the game manager";
    run.Click(GameManagerPlace + QPoint(192 + 40, 112 + 12));
    const QString open = run.WaitForWindow("Open");
    ASSERT_FALSE(open.isEmpty()) << "Load... did not show the Open dialog";
    const QRect dialog = run.WindowRect(open);
    const QRect over = run.WindowRect(manager);
    ScreenImage(Screen, "designer-load-dialog");
    EXPECT_LE((dialog.center() - over.center()).manhattanLength(), 4)
        << "the Open dialog is at " << dialog.x() << "," << dialog.y();
    run.Type(open, "Escape");
    ASSERT_TRUE(run.WaitForWindowGone("Open"));
    EXPECT_TRUE(
        run.XDoTool({"search", "--onlyvisible", "--name", "^Glyphtrove Game Editor"}).isEmpty())
        << "a cancelled load shows no editor";
}
