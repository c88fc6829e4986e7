#include "platform/Image.h"
#include "player/frmPlayerMenuUn.h"
#include "playwindow/about/frmAboutUn.h"
#include "playwindow/gameplayer/frmGamePlayerUn.h"
#include "support/FakeServices.h"
#include "support/Screenshot.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

const char* const QuitQuestion = "Do you wish to quit the Glyphtrove Player now?";

QString Example() {
    return QString(GLYPHTROVE_EXAMPLES) + "/Garden Birds.gtg";
}

// The player's three windows made as the program makes them, with the
// command line given.
class PlayerMenuTest : public ::testing::Test {
protected:
    void Create(const QStringList& Arguments) {
        Menu = std::make_unique<TfrmPlayerMenu>(Arguments);
        PlayWindow = std::make_unique<TfrmGamePlayer>();
        AboutBox = std::make_unique<TfrmAboutDesigner>();
        Menu->SetPlayWindow(PlayWindow.get());
        Menu->SetAboutBox(AboutBox.get());
    }

    // Shows the start window and runs the step its first show queued.
    void ShowMenu() {
        Menu->show();
        QApplication::processEvents();
    }

    void PutHelpFileBesideProgram() {
        WriteBytes(QDir(Fake.ProgramFolder()).filePath("Glyphtrove.hlp"), "<html></html>");
    }

    // Ends the test with the windows closed and gone, as the program ends.
    void TearDown() override {
        if (Menu && Menu->isVisible()) {
            Fake.Answer(mrYes);
            Menu->close();
        }
        AboutBox.reset();
        PlayWindow.reset();
        Menu.reset();
    }

    FakeServices Fake;
    std::unique_ptr<TfrmPlayerMenu> Menu;
    std::unique_ptr<TfrmGamePlayer> PlayWindow;
    std::unique_ptr<TfrmAboutDesigner> AboutBox;
};

} // namespace

TEST_F(PlayerMenuTest, FormIsLaidOutAsDesigned) {
    Create({"Player"});
    EXPECT_EQ("Glyphtrove Player - by Fernhallow Software", Menu->windowTitle().toStdString());
    EXPECT_EQ(QSize(376, 328), Menu->size());
    EXPECT_EQ(Menu->minimumSize(), Menu->maximumSize());
    EXPECT_EQ(QRect(8, 8, 361, 313), Menu->pnlBack->geometry());
    EXPECT_EQ(QRect(8, 8, 345, 25), Menu->pnlTitle->geometry());
    EXPECT_EQ("Glyphtrove Player v.1.00", Menu->pnlTitle->text().toStdString());
    EXPECT_EQ(QColor(0, 0, 128), Menu->pnlTitle->palette().color(QPalette::WindowText));
    EXPECT_EQ(QRect(80, 32, 201, 121), Menu->Image1->geometry());
    EXPECT_EQ(Qt::PointingHandCursor, Menu->Image1->cursor().shape());
    EXPECT_FALSE(Menu->Image1->pixmap().isNull());

    struct Button {
        QToolButton* button;
        QAction* action;
        int left;
        const char* caption;
        const char* hint;
    } buttons[] = {
        {Menu->btnPlayer, Menu->actPlayer, 8, "&Player", "start the player"},
        {Menu->btnHowToUse, Menu->actHowToUse, 96, "How to use", "find how to use the player"},
        {Menu->btnInfo, Menu->actInfo, 184, "Infomation",
         "find more information about the author and its products"},
        {Menu->btnExit, Menu->actExit, 272, "Exit", "exit this application"},
    };
    ASSERT_EQ(4, Menu->ImageList.Count());
    for (int i = 0; i < 4; ++i) {
        const Button& b = buttons[i];
        SCOPED_TRACE(b.caption);
        EXPECT_EQ(QRect(b.left, 240, 81, 65), b.button->geometry());
        EXPECT_EQ(b.action, b.button->defaultAction());
        EXPECT_EQ(b.caption, b.action->text().toStdString());
        EXPECT_EQ(b.hint, b.action->toolTip().toStdString());
        EXPECT_EQ(b.hint, b.action->statusTip().toStdString());
        EXPECT_EQ(Qt::ToolButtonTextUnderIcon, b.button->toolButtonStyle());
        EXPECT_TRUE(b.button->autoRaise());
        EXPECT_EQ(QSize(32, 32), Menu->ImageList.Picture(i).size());
        EXPECT_FALSE(b.action->icon().isNull());
    }
}

TEST_F(PlayerMenuTest, Screenshot) {
    PutHelpFileBesideProgram();
    Create({"Player"});
    ShowMenu();
    ASSERT_FALSE(Fake.Placements.empty());
    EXPECT_EQ(Menu.get(), Fake.Placements.back().first);
    EXPECT_EQ(poDesktopCenter, Fake.Placements.back().second);
    TakeScreenshot(*Menu, "PlayerMenu");
}

TEST_F(PlayerMenuTest, OnlyTheFirstArgumentIsTheStartupFile) {
    const struct {
        QStringList arguments;
        const char* startupFile;
    } cases[] = {
        {{"Player"}, ""},
        {{"Player", "/puzzles/a.gtg"}, "/puzzles/a.gtg"},
        {{"Player", "/puzzles/a.gtg", "/puzzles/b.gtg"}, "/puzzles/a.gtg"},
    };
    for (const auto& c : cases) {
        TfrmPlayerMenu menu(c.arguments);
        EXPECT_EQ(c.startupFile, menu.StartupFileName().toStdString());
    }
}

TEST_F(PlayerMenuTest, FirstShowOpensTheCommandLineGameAndHidesTheStartWindow) {
    const QString game = Fake.Folder() + "/birds.gtg";
    ASSERT_TRUE(QFile::copy(Example(), game));
    Create({"Player", game, Fake.Folder() + "/second.gtg"});
    Menu->show();
    // The open waits for the window to have shown.
    EXPECT_FALSE(PlayWindow->isVisible());
    QApplication::processEvents();
    EXPECT_TRUE(Menu->StartupFileName().isEmpty());
    EXPECT_TRUE(PlayWindow->isVisible());
    EXPECT_FALSE(Menu->isVisible());
    EXPECT_EQ(Menu.get(), PlayWindow->CallerForm());
    PlayWindow->hide();
    EXPECT_TRUE(Menu->isVisible());
}

TEST_F(PlayerMenuTest, PlayAsksForAGameAndACancelKeepsTheStartWindow) {
    Create({"Player"});
    ShowMenu();
    Fake.CancelFileDialog();
    QTest::mouseClick(Menu->btnPlayer, Qt::LeftButton);
    EXPECT_EQ(1u, Fake.FileDialogs.size());
    EXPECT_TRUE(Menu->isVisible());
    EXPECT_FALSE(PlayWindow->isVisible());

    Fake.ChooseFile(Example());
    QTest::mouseClick(Menu->btnPlayer, Qt::LeftButton);
    EXPECT_TRUE(PlayWindow->isVisible());
    EXPECT_FALSE(Menu->isVisible());
}

// Once the bad file has been reported the name is gone: showing the window
// again, as uncovering or restoring it does, reports nothing more, and the
// window still answers its buttons.
TEST_F(PlayerMenuTest, BadCommandLineFileGivesOneErrorAndTheWindowStaysUsable) {
    const QString bad = Fake.Folder() + "/bad.gtg";
    WriteBytes(bad, "this is no game");
    Create({"Player", bad});
    Fake.Answer(mrOk);
    ShowMenu();
    ASSERT_EQ(1u, Fake.Messages.size());
    EXPECT_EQ(mtError, Fake.Messages[0].type);
    EXPECT_EQ(QString("File \"%1\" is not a valid game file").arg(bad).toStdString(),
              Fake.Messages[0].text.toStdString());
    EXPECT_TRUE(Menu->isVisible());
    EXPECT_FALSE(PlayWindow->isVisible());

    Menu->hide();
    ShowMenu();
    Menu->update();
    QApplication::processEvents();
    EXPECT_EQ(1u, Fake.Messages.size());

    Fake.Answer(mrNo);
    QTest::mouseClick(Menu->btnExit, Qt::LeftButton);
    EXPECT_EQ(QuitQuestion, Fake.Messages.back().text.toStdString());
    EXPECT_TRUE(Menu->isVisible());
}

TEST_F(PlayerMenuTest, HelpFileBesideTheProgramEnablesHowToUseAndThePlayWindowsHelp) {
    Create({"Player"});
    ShowMenu();
    EXPECT_FALSE(Menu->actHowToUse->isEnabled());
    EXPECT_FALSE(Menu->btnHowToUse->isEnabled());
    EXPECT_FALSE(PlayWindow->actHelpContents->isEnabled());
    EXPECT_FALSE(PlayWindow->actHelpPlayer->isEnabled());

    PutHelpFileBesideProgram();
    Menu->hide();
    ShowMenu();
    const QString helpFile = QDir(Fake.ProgramFolder()).filePath("Glyphtrove.hlp");
    EXPECT_TRUE(Menu->actHowToUse->isEnabled());
    EXPECT_TRUE(PlayWindow->actHelpContents->isEnabled());
    EXPECT_TRUE(PlayWindow->actHelpPlayer->isEnabled());
    EXPECT_EQ(helpFile, Menu->HelpFile());
    QTest::mouseClick(Menu->btnHowToUse, Qt::LeftButton);
    ASSERT_EQ(1u, Fake.HelpShown.size());
    EXPECT_EQ(helpFile, Fake.HelpShown[0].first);
    EXPECT_EQ(19, Fake.HelpShown[0].second);
}

TEST_F(PlayerMenuTest, ClosingAsksTheQuitQuestionEveryTime) {
    Create({"Player"});
    ShowMenu();
    QSignalSpy closed(Menu.get(), &TfrmPlayerMenu::Closed);
    Fake.Answer(mrNo);
    Menu->close();
    EXPECT_TRUE(Menu->isVisible());
    EXPECT_EQ(0, closed.count());

    Fake.Answer(mrNo);
    QTest::mouseClick(Menu->btnExit, Qt::LeftButton);
    EXPECT_TRUE(Menu->isVisible());

    Fake.Answer(mrYes);
    QTest::mouseClick(Menu->btnExit, Qt::LeftButton);
    EXPECT_FALSE(Menu->isVisible());
    EXPECT_EQ(1, closed.count());
    ASSERT_EQ(3u, Fake.Messages.size());
    for (const auto& message : Fake.Messages) {
        EXPECT_EQ(QuitQuestion, message.text.toStdString());
        EXPECT_EQ(mtConfirmation, message.type);
        EXPECT_EQ(mbYes | mbNo, message.buttons);
    }
}

TEST_F(PlayerMenuTest, InformationShowsTheAboutBox) {
    Create({"Player"});
    ShowMenu();
    QDialog* shown = nullptr;
    Fake.OnModal([&](QDialog& dialog) {
        shown = &dialog;
        return int(mrOk);
    });
    QTest::mouseClick(Menu->btnInfo, Qt::LeftButton);
    EXPECT_EQ(AboutBox.get(), shown);
}

TEST_F(PlayerMenuTest, LogoOpensTheHomePageAndReportsAFailure) {
    Create({"Player"});
    ShowMenu();
    QTest::mouseClick(Menu->Image1, Qt::LeftButton);
    EXPECT_EQ(std::vector<QString>{"https://www.fernhallow.example/glyphtrove/"}, Fake.ShellOpened);
    EXPECT_TRUE(Fake.Messages.empty());

    Fake.ShellResult = 31;
    Fake.Answer(mrOk);
    QTest::mouseClick(Menu->Image1, Qt::LeftButton);
    ASSERT_EQ(1u, Fake.Messages.size());
    EXPECT_EQ("There is no application associated with the given filename extension",
              Fake.Messages[0].text.toStdString());
}
