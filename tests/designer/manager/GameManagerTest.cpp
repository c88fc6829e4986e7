#include "designer/controls/ColourEditUn.h"
#include "designer/dialogs/frmNewGameUn.h"
#include "designer/dialogs/frmPreferenceUn.h"
#include "designer/editor/frmGameEditorUn.h"
#include "designer/manager/GameManagerUn.h"
#include "designer/manager/frmGameManagerUn.h"
#include "engine/properties/WordGamePropertiesUn.h"
#include "engine/puzzle/GlyphtroveUn.h"
#include "platform/ListBox.h"
#include "playwindow/controls/TitleBlockUn.h"
#include "support/FakeServices.h"
#include "support/Screenshot.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

class GameManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        Window.show();
        QApplication::processEvents();
    }
    void TearDown() override {
        // Released editors go with the pending deferred deletes.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    TGameManager& Manager() { return *Window.GameManager(); }
    QStringList Lines() const { return Window.lbxGames->Items().Lines(); }
    QStringList EditorTitles() {
        QStringList titles;
        for (int i = 0; i < Manager().EditorCount(); ++i)
            titles << Manager().GetEditor(i)->GetGameTitle();
        return titles;
    }
    // Open, given a file that is no game, shows one error and leaves no
    // editor behind that the list does not show.
    void ExpectUnreadableFileLeavesNoEditor(const std::function<void()>& Open) {
        const int editors = Manager().EditorCount();
        const QString bad = Fake.Folder() + "/bad.gtg";
        WriteBytes(bad, "not a game");
        Fake.ChooseFile(bad);
        Fake.Answer(mrOk);
        Open();
        ASSERT_EQ(Fake.Messages.size(), 1u);
        EXPECT_EQ(Fake.Messages[0].type, mtError);
        EXPECT_EQ(Manager().EditorCount(), editors);
        EXPECT_EQ(EditorTitles(), Lines());
    }
    // New... and the dialog's Create at the size it offers.
    void ClickNew() {
        Fake.OnModal([](QDialog& dialog) {
            QTest::mouseClick(static_cast<TfrmNewGame&>(dialog).btnOK, Qt::LeftButton);
            return mrNone;
        });
        QTest::mouseClick(Window.btnNewGame, Qt::LeftButton);
    }
    // A shortcut typed in the manager window, which has the focus again.
    void Key(Qt::Key key) {
        QApplication::setActiveWindow(&Window);
        QTest::keyClick(&Window, key, Qt::ControlModifier);
    }
    void SelectLine(int line) {
        const QRect rect = Window.lbxGames->visualItemRect(Window.lbxGames->item(line));
        QTest::mouseClick(Window.lbxGames->viewport(), Qt::LeftButton, Qt::NoModifier,
                          rect.center());
    }
    void DoubleClickLine(int line) {
        // Press and release, then the second press as a double click.
        const QRect rect = Window.lbxGames->visualItemRect(Window.lbxGames->item(line));
        QTest::mouseClick(Window.lbxGames->viewport(), Qt::LeftButton, Qt::NoModifier,
                          rect.center());
        QTest::mouseDClick(Window.lbxGames->viewport(), Qt::LeftButton, Qt::NoModifier,
                           rect.center());
    }
    // A game with changes, titled so that saving asks only for a file name.
    static void Modify(TfrmGameEditor& editor, const QString& title) {
        editor.Game()->GamePreferences()->SetGameTitle(title);
        editor.Game()->SetModified();
    }
    QStringList Questions() const {
        QStringList texts;
        for (const FakeServices::Message& message : Fake.Messages)
            texts << message.text + (message.buttons & mbCancel ? " [Cancel]" : "");
        return texts;
    }

    FakeServices Fake;
    TfrmGameManager Window;
};

} // namespace

TEST_F(GameManagerTest, FormAsLaidOut) {
    EXPECT_EQ(Window.windowTitle(), "Game Manager");
    EXPECT_EQ(Window.size(), QSize(280, 143));
    EXPECT_EQ(Window.font().family(), "Arial");
    EXPECT_EQ(Window.grpGames->title(), "Games In &Progress");
    EXPECT_EQ(Window.lbxGames->toolTip(), "games currently in progress");
    const std::vector<std::pair<QPushButton*, QString>> buttons = {
        {Window.btnShowHideGame, "&Show"},
        {Window.btnCloseGame, "&Close"},
        {Window.btnNewGame, "&New..."},
        {Window.btnLoadGame, "&Load..."}};
    for (const auto& [button, caption] : buttons)
        EXPECT_EQ(button->text(), caption);
    EXPECT_EQ(Window.btnNewGame->toolTip(), "create a new game");
    EXPECT_EQ(Window.actHideGame->shortcut(), QKeySequence("Ctrl+H"));
    // Nothing selected: Show/Hide and Close are off.
    EXPECT_FALSE(Window.btnShowHideGame->isEnabled());
    EXPECT_FALSE(Window.btnCloseGame->isEnabled());
    EXPECT_TRUE(Window.btnNewGame->isEnabled());
}

TEST_F(GameManagerTest, NewGamesAreNumberedPastEveryTitleInUse) {
    int offered = 0;
    Fake.OnModal([&](QDialog& dialog) {
        offered = static_cast<TfrmNewGame&>(dialog).lblSize->text() == "15 x 15";
        return int(mrOk);
    });
    QTest::mouseClick(Window.btnNewGame, Qt::LeftButton);
    EXPECT_TRUE(offered) << "the dialog offers 15 x 15";
    ClickNew();
    EXPECT_EQ(Lines(), QStringList({"Glyphtrove Game 1", "Glyphtrove Game 2"}));
    EXPECT_EQ(EditorTitles(), Lines());
    EXPECT_TRUE(Manager().GetEditor(1)->isVisible());
    EXPECT_EQ(Manager().GetEditor(1)->Game()->ColCount(), 15);

    // Close the first: the count is 1, so 2 is tried first, taken, then 3.
    SelectLine(0);
    QTest::mouseClick(Window.btnCloseGame, Qt::LeftButton);
    ClickNew();
    EXPECT_EQ(Lines(), QStringList({"Glyphtrove Game 2", "Glyphtrove Game 3"}));

    // Uniqueness is case-sensitive: a lower-case twin blocks nothing.
    Manager().GetEditor(0)->Game()->GamePreferences()->SetGameTitle("glyphtrove game 3");
    Manager().GetEditor(1)->Game()->GamePreferences()->SetGameTitle("Other");
    ClickNew();
    EXPECT_EQ(Manager().GetEditor(2)->GetGameTitle(), "Glyphtrove Game 3");
    EXPECT_EQ(Manager().FindEditorByTitle("Other"), Manager().GetEditor(1));
    EXPECT_EQ(Manager().FindEditorByTitle("other"), nullptr);
}

TEST_F(GameManagerTest, NewGameCancelledOrAskingToLoad) {
    Fake.OnModal([](QDialog&) { return int(mrCancel); });
    QTest::mouseClick(Window.btnNewGame, Qt::LeftButton);
    EXPECT_TRUE(Lines().isEmpty());
    EXPECT_EQ(Manager().EditorCount(), 0);

    // Load... in the dialog: the file's title is listed.
    const QString file = Fake.Folder() + "/Garden Birds.gtg";
    ASSERT_TRUE(QFile::copy(QString(GLYPHTROVE_EXAMPLES) + "/Garden Birds.gtg", file));
    const auto clickLoad = [](QDialog& dialog) {
        QTest::mouseClick(static_cast<TfrmNewGame&>(dialog).btnLoad, Qt::LeftButton);
        return mrNone;
    };
    Fake.OnModal(clickLoad);
    Fake.ChooseFile(file);
    QTest::mouseClick(Window.btnNewGame, Qt::LeftButton);
    ASSERT_EQ(Manager().EditorCount(), 1);
    EXPECT_EQ(Lines(), QStringList({Manager().GetEditor(0)->GetGameTitle()}));
    EXPECT_NE(Lines()[0], "Glyphtrove Game 1");
    EXPECT_TRUE(Manager().GetEditor(0)->isVisible());

    // A file that cannot be read: the error, and no editor left unlisted.
    Fake.OnModal(clickLoad);
    ExpectUnreadableFileLeavesNoEditor(
        [&] { QTest::mouseClick(Window.btnNewGame, Qt::LeftButton); });
}

TEST_F(GameManagerTest, LoadListsTheGameOnlyWhenAFileWasRead) {
    ClickNew();
    // Cancelled in the open dialog: no trace.
    Fake.CancelFileDialog();
    QTest::mouseClick(Window.btnLoadGame, Qt::LeftButton);
    EXPECT_EQ(Lines(), QStringList({"Glyphtrove Game 1"}));
    EXPECT_EQ(Manager().EditorCount(), 1);

    // A file that cannot be read: the error, and no editor left behind.
    ExpectUnreadableFileLeavesNoEditor(
        [&] { QTest::mouseClick(Window.btnLoadGame, Qt::LeftButton); });

    const QString file = Fake.Folder() + "/Garden Birds.gtg";
    ASSERT_TRUE(QFile::copy(QString(GLYPHTROVE_EXAMPLES) + "/Garden Birds.gtg", file));
    Fake.ChooseFile(file);
    Key(Qt::Key_O);
    ASSERT_EQ(Manager().EditorCount(), 2);
    EXPECT_EQ(EditorTitles(), Lines());
    EXPECT_TRUE(Manager().GetEditor(1)->isVisible());
}

TEST_F(GameManagerTest, CloseAsksTheSaveQuestionOfAModifiedGame) {
    struct Case {
        int answer;
        bool closed;
        bool saved;
    };
    // Yes with the Save As dialog cancelled saves nothing: the game stays.
    for (const Case& c : {Case{mrCancel, false, false}, Case{mrNo, true, false},
                          Case{mrYes, false, false}, Case{mrYes, true, true}}) {
        SCOPED_TRACE(c.answer);
        ClickNew();
        const int last = Manager().EditorCount() - 1;
        Modify(*Manager().GetEditor(last), "Birds");
        const QString file = Fake.Folder() + QString("/%1.gtg").arg(c.answer);
        Fake.Answer(c.answer);
        if (c.saved)
            Fake.ChooseFile(file);
        else if (c.answer == mrYes)
            Fake.CancelFileDialog();
        SelectLine(last);
        QTest::mouseClick(Window.btnCloseGame, Qt::LeftButton);
        ASSERT_FALSE(Fake.Messages.empty());
        EXPECT_EQ(Fake.Messages.back().text, "Game \"Birds\" not saved. Save Now?");
        EXPECT_EQ(Fake.Messages.back().buttons, mbYes | mbNo | mbCancel);
        EXPECT_EQ(Manager().EditorCount(), c.closed ? last : last + 1);
        EXPECT_EQ(Lines().size(), Manager().EditorCount());
        EXPECT_EQ(QFile::exists(file), c.saved);
    }
    // The games kept are asked once more as the window goes.
    Fake.Answer(mrNo);
    Fake.Answer(mrNo);
}

TEST_F(GameManagerTest, CloseEditorInAGameWindowClosesThatGame) {
    ClickNew();
    ClickNew();
    ClickNew();
    SelectLine(0);
    Key(Qt::Key_E);
    ASSERT_EQ(Lines(), QStringList({"Glyphtrove Game 2", "Glyphtrove Game 3"}));
    TfrmGameEditor* third = Manager().GetEditor(1);
    third->actCloseEditor->trigger();
    EXPECT_EQ(Lines(), QStringList({"Glyphtrove Game 2"}));
    EXPECT_EQ(EditorTitles(), Lines());
    // Released once the event has been handled.
    QPointer<TfrmGameEditor> released(third);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(released.isNull());
}

TEST_F(GameManagerTest, ACancelledLoadTakesNoOtherGamesLine) {
    ClickNew();
    ClickNew();
    // The title the load's own editor gets, in other letters.
    TfrmGameEditor* second = Manager().GetEditor(1);
    second->Game()->GamePreferences()->SetGameTitle("glyphtrove game 3");
    second->ApplyGameProperties("Glyphtrove Game 2");
    ASSERT_EQ(Lines(), QStringList({"Glyphtrove Game 1", "glyphtrove game 3"}));
    Fake.CancelFileDialog();
    QTest::mouseClick(Window.btnLoadGame, Qt::LeftButton);
    EXPECT_EQ(Lines(), QStringList({"Glyphtrove Game 1", "glyphtrove game 3"}));
    EXPECT_EQ(EditorTitles(), Lines());
    // Hide on the second line hides the second game.
    SelectLine(1);
    QTest::mouseClick(Window.btnShowHideGame, Qt::LeftButton);
    EXPECT_FALSE(second->isVisible());
    EXPECT_TRUE(Manager().GetEditor(0)->isVisible());
}

TEST_F(GameManagerTest, AfterALineIsDeletedNoOtherGameIsSelected) {
    ClickNew();
    ClickNew();
    ClickNew();
    const auto expectNothingSelected = [this] {
        EXPECT_EQ(Window.lbxGames->ItemIndex(), -1);
        EXPECT_TRUE(Window.lbxGames->selectedItems().isEmpty());
        EXPECT_FALSE(Window.btnCloseGame->isEnabled());
        EXPECT_FALSE(Window.btnShowHideGame->isEnabled());
    };
    // Close, then Close again: the second Close closes nothing.
    SelectLine(0);
    QTest::mouseClick(Window.btnCloseGame, Qt::LeftButton);
    ASSERT_EQ(Lines(), QStringList({"Glyphtrove Game 2", "Glyphtrove Game 3"}));
    expectNothingSelected();
    QTest::mouseClick(Window.btnCloseGame, Qt::LeftButton);
    Key(Qt::Key_E);
    EXPECT_EQ(Lines(), QStringList({"Glyphtrove Game 2", "Glyphtrove Game 3"}));
    EXPECT_EQ(EditorTitles(), Lines());
    // The selected game closed from its own window: likewise.
    SelectLine(1);
    Manager().GetEditor(1)->actCloseEditor->trigger();
    ASSERT_EQ(Lines(), QStringList({"Glyphtrove Game 2"}));
    expectNothingSelected();
    // Another game closed from its window: the selection stays on its own game.
    ClickNew();
    SelectLine(0);
    Manager().GetEditor(1)->actCloseEditor->trigger();
    ASSERT_EQ(Lines(), QStringList({"Glyphtrove Game 2"}));
    EXPECT_EQ(Window.lbxGames->ItemIndex(), 0);
    EXPECT_TRUE(Window.btnCloseGame->isEnabled());
}

TEST_F(GameManagerTest, DoubleClickHidesAVisibleGameAndShowsAHiddenOne) {
    ClickNew();
    TfrmGameEditor* editor = Manager().GetEditor(0);
    ASSERT_TRUE(editor->isVisible());
    DoubleClickLine(0);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(Window.btnShowHideGame->text(), "&Show");
    EXPECT_EQ(Window.btnShowHideGame->toolTip(), "show selected game");
    DoubleClickLine(0);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(Window.btnShowHideGame->text(), "&Hide");
    // The editor's own Hide reaches the button.
    editor->actHideEditor->trigger();
    EXPECT_EQ(Window.btnShowHideGame->text(), "&Show");
    QTest::mouseClick(Window.btnShowHideGame, Qt::LeftButton);
    EXPECT_TRUE(editor->isVisible());
}

TEST_F(GameManagerTest, TitleChangesFollowTheLineIgnoringCase) {
    ClickNew();
    ClickNew();
    TfrmGameEditor* second = Manager().GetEditor(1);
    second->Game()->GamePreferences()->SetGameTitle("Sea Birds");
    second->OnTitleChanged(second, "GLYPHTROVE GAME 2", second->Game()->GamePreferences());
    EXPECT_EQ(Lines(), QStringList({"Glyphtrove Game 1", "Sea Birds"}));
    second->OnTitleChanged(second, "No such line", second->Game()->GamePreferences());
    EXPECT_EQ(Lines(), QStringList({"Glyphtrove Game 1", "Sea Birds"}));
}

TEST_F(GameManagerTest, EachLineFollowsItsOwnGameWhenTitlesMatch) {
    // The same file loaded twice: two games of one title.
    const QString file = Fake.Folder() + "/Garden Birds.gtg";
    ASSERT_TRUE(QFile::copy(QString(GLYPHTROVE_EXAMPLES) + "/Garden Birds.gtg", file));
    for (int i = 0; i < 2; ++i) {
        Fake.ChooseFile(file);
        Key(Qt::Key_O);
    }
    ASSERT_EQ(Manager().EditorCount(), 2);
    const auto retitle = [this](TfrmGameEditor& editor, const QString& title) {
        Fake.OnModal([title](QDialog& dialog) {
            auto& preferences = dynamic_cast<TfrmPreferences&>(dialog);
            preferences.coledTitle->setFocus();
            preferences.coledTitle->selectAll();
            QTest::keyClicks(preferences.coledTitle, title);
            return int(mrOk);
        });
        editor.actPreferences->trigger();
    };
    retitle(*Manager().GetEditor(1), "Pets");
    EXPECT_EQ(Lines(), EditorTitles());
    // Titles that differ in letter case only: a closed game takes its own line.
    retitle(*Manager().GetEditor(0), "PETS");
    ASSERT_EQ(Lines(), QStringList({"PETS", "Pets"}));
    Fake.Answer(mrNo);
    Manager().GetEditor(1)->actCloseEditor->trigger();
    EXPECT_EQ(Lines(), QStringList({"PETS"}));
    EXPECT_EQ(EditorTitles(), Lines());
    // The changed game left is asked once more as the window goes.
    Fake.Answer(mrNo);
}

TEST_F(GameManagerTest, ProgramEndAsksAgainInTheYesNoForm) {
    ClickNew();
    ClickNew();
    ClickNew();
    Modify(*Manager().GetEditor(0), "First");
    Modify(*Manager().GetEditor(2), "Third");
    Manager().HideAll();
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(Manager().GetEditor(i)->isVisible());

    // Cancel at the first modified game stops the walk.
    Fake.Answer(mrCancel);
    EXPECT_FALSE(Window.CanCloseAll());
    // No, then No: the games stay modified.
    Fake.Answer(mrNo);
    Fake.Answer(mrNo);
    EXPECT_TRUE(Window.CanCloseAll());

    Fake.Answer(mrNo);
    Fake.Answer(mrYes);
    const QString file = Fake.Folder() + "/third.gtg";
    Fake.ChooseFile(file);
    Window.GameManager()->CloseAll();
    EXPECT_EQ(Questions(), QStringList({"Game \"First\" not saved. Save Now? [Cancel]",
                                        "Game \"First\" not saved. Save Now? [Cancel]",
                                        "Game \"Third\" not saved. Save Now? [Cancel]",
                                        "Game \"First\" not saved. Save Now?",
                                        "Game \"Third\" not saved. Save Now?"}));
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_EQ(Manager().EditorCount(), 0);
}

TEST_F(GameManagerTest, HelpAvailableReachesNewEditors) {
    Manager().SetHelpAvailable(true);
    ClickNew();
    EXPECT_TRUE(Manager().GetEditor(0)->actHowToUse->isEnabled());
    Manager().SetHelpAvailable(false);
    ClickNew();
    EXPECT_FALSE(Manager().GetEditor(1)->actHowToUse->isEnabled());
}

TEST_F(GameManagerTest, Screenshot) {
    ClickNew();
    ClickNew();
    Manager().GetEditor(1)->Game()->GamePreferences()->SetGameTitle("Garden Birds of the Hedgerow");
    Window.lbxGames->item(1)->setText("Garden Birds of the Hedgerow");
    Manager().HideAll();
    SelectLine(1);
    TakeScreenshot(Window, "GameManager");
    EXPECT_EQ(Window.btnShowHideGame->text(), "&Show");
}

// An import brings the title of the game it holds: the game's line shows it
// as its title block does, and the game keeps its file name.
TEST_F(GameManagerTest, AnImportedGamesTitleReachesItsLine) {
    ClickNew();
    const QString file = Fake.Folder() + "/Garden Birds.gtg";
    ASSERT_TRUE(QFile::copy(QString(GLYPHTROVE_EXAMPLES) + "/Garden Birds.gtg", file));
    Fake.ChooseFile(file);
    Key(Qt::Key_O);
    ASSERT_EQ(Manager().EditorCount(), 2);
    TfrmGameEditor* loaded = Manager().GetEditor(1);

    const QString exported = Fake.Folder() + "/other.gtx";
    TGlyphtroveEditor other;
    other.SetGridSize(5, 5);
    other.GamePreferences()->SetGameTitle("NotInGrid");
    other.PlaceWord(0, 0, wdRight, "OWL", false);
    other.ExportToTextFile(exported);
    Fake.ChooseFile(exported, 2);
    loaded->actLoadGame->trigger();

    EXPECT_EQ(Lines(), QStringList({"Glyphtrove Game 1", "NotInGrid"}));
    EXPECT_EQ(loaded->tbPuzzleTitle->Caption(), "NotInGrid");
    EXPECT_EQ(loaded->FileName(), file);
    // The imported game is a change, asked about as the window goes.
    Fake.Answer(mrNo);
}
