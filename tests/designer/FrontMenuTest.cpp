#include "designer/editor/frmGameEditorUn.h"
#include "designer/frmFrontMenuUn.h"
#include "designer/manager/GameManagerUn.h"
#include "designer/manager/frmGameManagerUn.h"
#include "engine/properties/WordGamePropertiesUn.h"
#include "platform/Canvas.h"
#include "playwindow/about/frmAboutUn.h"
#include "playwindow/gameplayer/frmGamePlayerUn.h"
#include "support/FakeServices.h"
#include "support/Screenshot.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The designer's windows made as the program makes them, with the saved
// window places kept in the test's own folder.
class FrontMenuTest : public ::testing::Test {
protected:
    FrontMenuTest() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           Fake.Folder() + "/settings");
    }
    void Create() {
        Menu = std::make_unique<TfrmFrontMenu>();
        AboutBox = std::make_unique<TfrmAboutDesigner>();
        PlayWindow = std::make_unique<TfrmGamePlayer>();
        Menu->SetAboutBox(AboutBox.get());
        Menu->SetPlayWindow(PlayWindow.get());
    }
    void TearDown() override {
        PlayWindow.reset();
        AboutBox.reset();
        Menu.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static QSettings Key() { return QSettings("Fernhallow Software", "GlyphtroveEditor"); }
    static void Save(const QStringList& names, const QVariantList& values) {
        QSettings key("Fernhallow Software", "GlyphtroveEditor");
        for (int i = 0; i < names.size(); ++i)
            key.setValue(names[i], values[i]);
    }
    static QSize Screen() { return QGuiApplication::primaryScreen()->geometry().size(); }
    // Where a window goes without a saved place.
    static QPoint Centred(const QWidget& window, int offsetY) {
        return QPoint((Screen().width() - window.width()) / 2,
                      (Screen().height() - window.height()) / 2 + offsetY);
    }
    TfrmGameManager& Manager() { return *Menu->GameManagerWindow(); }

    FakeServices Fake;
    std::unique_ptr<TfrmFrontMenu> Menu;
    std::unique_ptr<TfrmAboutDesigner> AboutBox;
    std::unique_ptr<TfrmGamePlayer> PlayWindow;
};

} // namespace

TEST_F(FrontMenuTest, FormAsLaidOut) {
    Create();
    EXPECT_EQ(Menu->windowTitle(), "Glyphtrove Designer");
    EXPECT_EQ(Menu->size(), QSize(488, 108));
    EXPECT_EQ(Menu->font().family(), "Arial");
    struct Button {
        QToolButton* button;
        int left;
        QString caption, hint, shortcut;
    };
    const std::vector<Button> buttons = {
        {Menu->btnEditor, 8, "&Editor", "start the game manager", "Ctrl+E"},
        {Menu->btnPlay, 104, "&Play", "test your puzzles with the build-in player", "Ctrl+P"},
        {Menu->btnHowToPlay, 200, "&Help", "find instructions on how to use this application",
         "Ctrl+H"},
        {Menu->btnAbout, 296, "&About", "about this application", ""},
        {Menu->btnExit, 392, "&Exit", "exit application", ""}};
    for (const Button& b : buttons) {
        SCOPED_TRACE(b.caption.toStdString());
        EXPECT_EQ(b.button->geometry(), QRect(b.left, 8, 89, 73));
        EXPECT_EQ(b.button->text(), b.caption);
        EXPECT_EQ(b.button->defaultAction()->statusTip(), b.hint);
        EXPECT_EQ(b.button->defaultAction()->shortcut(), QKeySequence(b.shortcut));
        EXPECT_EQ(b.button->font(), FormFont("Arial", 12));
        EXPECT_FALSE(b.button->icon().isNull());
    }
    EXPECT_EQ(Menu->sbInfo->height(), 19);
    EXPECT_FALSE(Manager().isVisible());
}

TEST_F(FrontMenuTest, FirstRunCentresBothWindowsThenSavesTheirPlaces) {
    Create();
    EXPECT_EQ(Menu->pos(), Centred(*Menu, -100));
    EXPECT_EQ(Manager().pos(), Centred(Manager(), 100));
    Menu->move(20, 30);
    Manager().move(40, 50);
    Menu.reset();
    QSettings key = Key();
    EXPECT_EQ(key.allKeys().size(), 4);
    const std::vector<std::pair<QString, int>> saved = {
        {"MainX", 20}, {"MainY", 30}, {"GameMgrX", 40}, {"GameMgrY", 50}};
    for (const auto& [name, value] : saved)
        EXPECT_EQ(key.value(name).toInt(), value) << name.toStdString();
}

TEST_F(FrontMenuTest, SavedPlacesAreReadUpToTheFirstMissingOrBadValue) {
    const QStringList names = {"MainX", "MainY", "GameMgrX", "GameMgrY"};
    const int lastX = Screen().width() - 488;
    struct Case {
        const char* name;
        QVariantList values;
        QPoint menu;    // (-1, -1): centred
        QPoint manager; // likewise
    };
    const std::vector<Case> cases = {
        {"start window only", {10, 20}, {10, 20}, {-1, -1}},
        {"all four", {10, 20, 30, 40}, {10, 20}, {30, 40}},
        {"a bad first value", {"left", 20, 30, 40}, {-1, -1}, {-1, -1}},
        {"a bad third value", {10, 20, "x", 40}, {10, 20}, {-1, -1}},
        {"zero is on the screen", {0, 0}, {0, 0}, {-1, -1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(Key().fileName());
        Save(names.mid(0, c.values.size()), c.values);
        Create();
        EXPECT_EQ(Menu->pos(), c.menu.x() < 0 ? Centred(*Menu, -100) : c.menu);
        EXPECT_EQ(Manager().pos(), c.manager.x() < 0 ? Centred(Manager(), 100) : c.manager);
        TearDown();
    }
    // The right limit is exclusive: the window keeps its own left there,
    // and takes the saved top once shown.
    QFile::remove(Key().fileName());
    Save({"MainX", "MainY"}, {lastX, 20});
    Create();
    Menu->show();
    QApplication::processEvents();
    EXPECT_EQ(Menu->pos().y(), 20);
    EXPECT_NE(Menu->pos().x(), lastX);
    Save({"MainX", "MainY"}, {lastX - 1, 20});
    TearDown();
    QFile::remove(Key().fileName());
    Save({"MainX", "MainY"}, {lastX - 1, 20});
    Create();
    EXPECT_EQ(Menu->pos(), QPoint(lastX - 1, 20));
}

TEST_F(FrontMenuTest, ASavedPlaceOffTheScreenIsLeftToTheWindowManager) {
    const QSize screen = Screen();
    Save({"MainX", "MainY", "GameMgrX", "GameMgrY"},
         {screen.width() + 50, screen.height(), 30, screen.height() - 143});
    Create();
    // Neither coordinate fits: the program asks for no place, and the
    // window manager places the window.
    EXPECT_FALSE(Menu->testAttribute(Qt::WA_Moved));
    // One fits: it is applied once the window is shown, the other is the
    // window manager's.
    Manager().show();
    QApplication::processEvents();
    EXPECT_EQ(Manager().x(), 30);
    EXPECT_NE(Manager().y(), screen.height() - 143);
}

TEST_F(FrontMenuTest, ButtonsOpenTheirWindows) {
    WriteBytes(QDir(Fake.ProgramFolder()).filePath("Glyphtrove.hlp"), "<html></html>");
    Create();
    Menu->show();
    QApplication::processEvents();
    EXPECT_TRUE(Menu->HelpAvailable());
    EXPECT_TRUE(Menu->GameManagerWindow()->GameManager()->HelpAvailable());

    QApplication::setActiveWindow(Menu.get());
    QTest::keyClick(Menu.get(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_TRUE(Manager().isVisible());

    // Play with no game played yet asks for one.
    Fake.CancelFileDialog();
    QApplication::setActiveWindow(Menu.get());
    QTest::keyClick(Menu.get(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(Fake.FileDialogs.size(), 1u);
    EXPECT_FALSE(PlayWindow->isVisible());

    QTest::mouseClick(Menu->btnHowToPlay, Qt::LeftButton);
    ASSERT_EQ(Fake.HelpShown.size(), 1u);
    EXPECT_EQ(Fake.HelpShown[0],
              std::make_pair(QDir(Fake.ProgramFolder()).filePath("Glyphtrove.hlp"), 2));

    QDialog* shown = nullptr;
    Fake.OnModal([&](QDialog& dialog) {
        shown = &dialog;
        return int(mrOk);
    });
    QTest::mouseClick(Menu->btnAbout, Qt::LeftButton);
    EXPECT_EQ(shown, AboutBox.get());
}

TEST_F(FrontMenuTest, NoHelpFileNoHelpButton) {
    Create();
    EXPECT_FALSE(Menu->HelpAvailable());
    EXPECT_FALSE(Menu->btnHowToPlay->isEnabled());
    EXPECT_FALSE(Menu->GameManagerWindow()->GameManager()->HelpAvailable());
    EXPECT_TRUE(Menu->HelpFile().isEmpty());
}

TEST_F(FrontMenuTest, TheStatusBarShowsTheHintUnderTheMouse) {
    Create();
    Menu->show();
    QApplication::processEvents();
    QTest::mouseMove(Menu->btnPlay);
    EXPECT_EQ(Menu->sbInfo->currentMessage(), "test your puzzles with the build-in player");
    QTest::mouseMove(Menu->btnExit);
    EXPECT_EQ(Menu->sbInfo->currentMessage(), "exit application");
    // The hints of the other windows show there too.
    Manager().show();
    QApplication::processEvents();
    QTest::mouseMove(Manager().btnNewGame);
    EXPECT_EQ(Menu->sbInfo->currentMessage(), "create a new game");
}

TEST_F(FrontMenuTest, ExitHidesTheEditorsAndAsksAboutEachModifiedGame) {
    Create();
    Menu->show();
    TfrmGameManager& manager = Manager();
    manager.NewGame(10, 10, false);
    TfrmGameEditor* editor = manager.GameManager()->GetEditor(0);
    editor->Game()->GamePreferences()->SetGameTitle("Birds");
    editor->Game()->SetModified();
    QSignalSpy closed(Menu.get(), &TfrmFrontMenu::Closed);

    Fake.Answer(mrCancel);
    QTest::mouseClick(Menu->btnExit, Qt::LeftButton);
    EXPECT_EQ(closed.count(), 0);
    EXPECT_TRUE(Menu->isVisible());
    EXPECT_FALSE(editor->isVisible());
    ASSERT_EQ(Fake.Messages.size(), 1u);
    EXPECT_EQ(Fake.Messages[0].text, "Game \"Birds\" not saved. Save Now?");
    EXPECT_EQ(Fake.Messages[0].buttons, mbYes | mbNo | mbCancel);

    Fake.Answer(mrNo);
    QTest::mouseClick(Menu->btnExit, Qt::LeftButton);
    EXPECT_EQ(closed.count(), 1);
    // As the program ends, the game still modified is asked once more.
    Fake.Answer(mrNo);
    Menu.reset();
    ASSERT_EQ(Fake.Messages.size(), 3u);
    EXPECT_EQ(Fake.Messages[2].buttons, mbYes | mbNo);
}

TEST_F(FrontMenuTest, Screenshot) {
    Create();
    Menu->show();
    Menu->ShowHint("start the game manager");
    TakeScreenshot(*Menu, "FrontMenu");
    Manager().NewGame(15, 15, false);
    Manager().GameManager()->HideAll();
    TakeScreenshot(Manager(), "GameManagerFromTheStartWindow");
}
