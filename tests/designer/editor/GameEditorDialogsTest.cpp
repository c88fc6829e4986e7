#include "EditorTestSupport.h"

#include "designer/controls/ColourEditUn.h"
#include "designer/controls/ColourMemoUn.h"
#include "designer/dialogs/frmFindWordUn.h"
#include "designer/dialogs/frmNewGameUn.h"
#include "designer/dialogs/frmPreferenceUn.h"
#include "designer/dialogs/frmStatisticsUn.h"
#include "designer/dialogs/frmWishListUn.h"
#include "designer/dialogs/frmWordEditorUn.h"
#include "designer/editor/frmGameEditorUn.h"
#include "engine/properties/ColourPresetPropertiesUn.h"
#include "engine/puzzle/GlyphtroveUn.h"
#include "platform/ListBox.h"
#include "playwindow/controls/TitleBlockUn.h"
#include "support/FakeServices.h"
#include "support/Screenshot.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// The editor with the designer's own dialogs, driven as the user drives them.
class EditorWithDialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Editor.SetDefaultGameTitle("Glyphtrove Game 1");
        Editor.NewGame(10, 10, false);
        QApplication::processEvents();
    }
    QPoint CellCentre(int column, int row) const {
        const TRect rect = Editor.Game()->CellRect(column, row);
        return QPoint((rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2);
    }
    // Clicks the cell and types the word into the word editor, then OK.
    void TypeWord(int column, int row, const QString& word) {
        Fake.OnModal([this, word](QDialog& dialog) {
            auto& editor = dynamic_cast<TfrmWordEditor&>(dialog);
            QTest::keyClicks(editor.cbxWord, word.toLower());
            EXPECT_EQ(Editor.PreviewWord(), word);
            QTest::mouseClick(editor.btnOK, Qt::LeftButton);
            return int(mrNone);
        });
        QTest::mouseClick(Editor.Game(), Qt::LeftButton, Qt::NoModifier, CellCentre(column, row));
    }

    // The preferences window the editor keeps.
    TfrmPreferences& PreferencesWindow() {
        auto* window = Editor.findChild<TfrmPreferences*>();
        EXPECT_NE(window, nullptr);
        return *window;
    }
    // Runs Preferences, doing in the dialog what the script does before OK.
    void EditPreferences(const std::function<void(TfrmPreferences&)>& script) {
        Editor.SetGameManager(&Manager);
        Fake.OnModal([script](QDialog& dialog) {
            auto& preferences = dynamic_cast<TfrmPreferences&>(dialog);
            script(preferences);
            QTest::mouseClick(preferences.btnOK, Qt::LeftButton);
            return int(mrNone);
        });
        Editor.actPreferences->trigger();
    }
    static void ChooseScheme(TfrmPreferences& preferences, const QString& name) {
        QTabBar* tabs = preferences.pgcPreferences->findChild<QTabBar*>();
        QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(1).center());
        preferences.cbxPresets->setFocus();
        while (preferences.cbxPresets->currentText() != name &&
               preferences.cbxPresets->currentIndex() < preferences.cbxPresets->count() - 1)
            QTest::keyClick(preferences.cbxPresets, Qt::Key_Down);
        ASSERT_EQ(preferences.cbxPresets->currentText(), name);
    }
    // The eight roles' colours, foreground then background.
    static std::vector<TColor> ColoursOf(const TWordGameColourPreferences& colours) {
        std::vector<TColor> list;
        for (int role = 0; role < WordGameColourRoleCount; ++role) {
            list.push_back(colours.Foreground(TWordGameColourRole(role)));
            list.push_back(colours.Background(TWordGameColourRole(role)));
        }
        return list;
    }
    const TWordGameColourPreferences& GameColours() {
        return *Editor.Game()->GamePreferences()->ColourPreferences();
    }
    // The preset of that name, as the preferences window holds it.
    const TWordGameColourPreferences& Preset(const QString& name) {
        TGlyphtroveGameColourPresetProperties& store = PreferencesWindow().PresetStore();
        return *store.GetScheme(store.IndexOfScheme(name));
    }
    // The colours a game takes from the preset of that name.
    std::vector<TColor> SchemeColours(const QString& name) {
        TWordGameColourPreferences colours;
        colours.AssignFromPreset(Preset(name));
        return ColoursOf(colours);
    }

    FakeServices Fake;
    FakeGameManager Manager;
    TfrmGameEditor Editor;
};

} // namespace

TEST_F(EditorWithDialogsTest, WordsTypedInTheWordEditorArePlacedAndListed) {
    TypeWord(1, 1, "OWL");
    TypeWord(1, 3, "HERON");
    EXPECT_EQ(Editor.lbxWords->Items().Lines(), QStringList({"OWL", "HERON"}));
    EXPECT_EQ(Editor.Game()->GetCellText(5, 3), "N");
    EXPECT_EQ(Editor.StatusText(7), "Word added");
}

TEST_F(EditorWithDialogsTest, FindWordHighlightsTheWordsLeftInTheDialog) {
    TypeWord(1, 1, "OWL");
    TypeWord(1, 3, "HERON");
    TypeWord(1, 5, "EMU");
    Fake.OnModal([](QDialog& dialog) {
        auto& find = dynamic_cast<TfrmFindWord&>(dialog);
        QTest::keyClicks(find.coledWord, "o");
        QTest::mouseClick(find.btnOK, Qt::LeftButton);
        return int(mrNone);
    });
    Editor.actFindWord->trigger();
    EXPECT_EQ(Editor.StatusText(7), "2 words found in the game");
    EXPECT_EQ(Editor.lbxWords->selectedItems().size(), 2);
    EXPECT_TRUE(Editor.Game()->CellHasState(2, 1, wgcsHighlighted));
    EXPECT_FALSE(Editor.Game()->CellHasState(2, 5, wgcsHighlighted));
}

TEST_F(EditorWithDialogsTest, StatisticsAndGridSizeRunTheirDialogs) {
    TypeWord(1, 1, "OWL");
    Fake.OnModal([](QDialog& dialog) {
        EXPECT_NE(dynamic_cast<TfrmStatistics*>(&dialog), nullptr);
        return int(mrOk);
    });
    Editor.actShowStats->trigger();
    EXPECT_EQ(Editor.StatusText(7), "Statistics shown");
    Fake.Answer(mrYes);
    Fake.OnModal([](QDialog& dialog) {
        auto& size = dynamic_cast<TfrmNewGame&>(dialog);
        QTest::mouseClick(size.btnOK, Qt::LeftButton);
        return int(mrNone);
    });
    Editor.actGridSize->trigger();
    EXPECT_EQ(Editor.StatusText(7), "Game size changed");
    EXPECT_TRUE(Editor.lbxWords->Items().Lines().isEmpty());
}

TEST_F(EditorWithDialogsTest, TheDefaultSchemeColoursEveryNewEditor) {
    WriteBytes(Fake.ProgramFolder() + "/Colour Schemes.dat",
               "[General]\r\nTitle=Colour Scheme Presets File\r\n[Sunny]\r\n"
               "[Default]\r\nWordText=12\r\nWordBG=11\r\n");
    TfrmGameEditor editor;
    const TWordGameColourPreferences& colours =
        *editor.Game()->GamePreferences()->ColourPreferences();
    EXPECT_EQ(colours.Foreground(crNormalWord), StandardColourTable[12]);
    EXPECT_EQ(colours.Background(crNormalWord), StandardColourTable[11]);
    EXPECT_EQ(ColoursOf(GameColours()), SchemeColours("Default"))
        << "the editor made before the file keeps the built-in scheme";
}

TEST_F(EditorWithDialogsTest, PreferencesTitleTypedInTheDialogBecomesTheEditorsTitle) {
    QString oldTitle;
    Editor.OnTitleChanged = [&](TObject*, const QString& old, TWordGameProperties*) {
        oldTitle = old;
    };
    EditPreferences([](TfrmPreferences& preferences) {
        preferences.coledTitle->setFocus();
        preferences.coledTitle->selectAll();
        QTest::keyClicks(preferences.coledTitle, "Owl Walk");
    });
    EXPECT_EQ(Editor.GetGameTitle(), "Owl Walk");
    EXPECT_EQ(Editor.tbPuzzleTitle->Caption(), "Owl Walk");
    EXPECT_EQ(oldTitle, "Glyphtrove Game 1");
    EXPECT_EQ(Editor.StatusText(7), "Preferences edited");
}

TEST_F(EditorWithDialogsTest, LoadingAGameHandsItsColoursAndOptionsToThePreferences) {
    TypeWord(1, 1, "OWL");
    TWordGameProperties& properties = *Editor.Game()->GamePreferences();
    properties.SetIncludeColourScheme(true);
    properties.ColourPreferences()->AssignFromPreset(Preset("Blue Skies"));
    properties.SetHints(7);
    const QString file = Fake.Folder() + "/skies.gtg";
    Editor.Game()->SaveToFile(file);

    TfrmGameEditor loaded;
    loaded.SetDefaultGameTitle("Glyphtrove Game 2");
    loaded.NewGame(5, 5, false);
    Fake.ChooseFile(file, 1);
    loaded.actLoadGame->trigger();
    auto& preferences = *loaded.findChild<TfrmPreferences*>();
    EXPECT_EQ(preferences.cbxPresets->currentText(), "Blue Skies");
    EXPECT_EQ(preferences.edHintsAllowed->text(), "7");
    EXPECT_TRUE(preferences.cbxIncludeColourScheme->isChecked());
}

// Save asks for a title first when the game has the default one; a game
// file whose creation text is no date must not stop it.
TEST_F(EditorWithDialogsTest, SaveOfAGameWhoseCreationTextIsNoDateShowsItAndSaves) {
    TypeWord(1, 1, "OWL");
    Editor.Game()->GamePreferences()->SetGameCreated("Christmas 2024");
    const QString file = Fake.Folder() + "/odd.gtg";
    Editor.Game()->SaveToFile(file);
    Fake.ChooseFile(file, 1);
    Editor.actLoadGame->trigger();
    ASSERT_EQ(Editor.GetGameTitle(), "Glyphtrove Game 1");
    const QByteArray before = ReadBytes(file);

    Editor.SetGameManager(&Manager);
    Fake.OnModal([](QDialog& dialog) {
        auto& preferences = dynamic_cast<TfrmPreferences&>(dialog);
        EXPECT_EQ(preferences.txtCreated->text(), "Christmas 2024");
        preferences.coledAuthor->setFocus();
        QTest::keyClicks(preferences.coledAuthor, "Ann");
        QTest::mouseClick(preferences.btnOK, Qt::LeftButton);
        return int(mrNone);
    });
    Editor.actSaveGame->trigger();
    EXPECT_TRUE(Fake.Messages.empty());
    EXPECT_EQ(Editor.StatusText(7), "Game file saved");
    EXPECT_FALSE(Editor.Game()->Modified());
    EXPECT_EQ(ReadBytes(Fake.Folder() + "/odd.bak"), before);
    EXPECT_TRUE(ReadBytes(file).contains("Ann"));
}

TEST_F(EditorWithDialogsTest, ScreenshotOfTheEditorAfterPreferencesChangedItsColours) {
    TypeWord(1, 1, "OWL");
    TypeWord(1, 3, "HERON");
    TypeWord(6, 0, "EMU");
    EditPreferences([](TfrmPreferences& preferences) { ChooseScheme(preferences, "Blue Skies"); });
    EXPECT_EQ(ColoursOf(GameColours()), SchemeColours("Blue Skies"));
    EXPECT_EQ(Editor.lbxWords->Color(), GameColours().Background(crHighlighted));
    EXPECT_EQ(Editor.pnlGame->palette().color(QPalette::Window),
              ToQColor(GameColours().Background(crNormalWord)));
    EXPECT_EQ(Editor.Game()->GetCellColour(0, 0), GameColours().Background(crNormalWord))
        << "an empty cell";
    // The preferences dialog shows the game's scheme the next time it opens.
    EditPreferences([](TfrmPreferences& preferences) {
        EXPECT_EQ(preferences.cbxPresets->currentText(), "Blue Skies");
    });
    const QRect line = Editor.lbxWords->visualItemRect(Editor.lbxWords->item(1));
    QTest::mouseClick(Editor.lbxWords->viewport(), Qt::LeftButton, Qt::NoModifier, line.center());
    TakeScreenshot(Editor, "editor-preferences-colours");
}

TEST_F(EditorWithDialogsTest, AWordAddedInTheWishListIsFittedByTheEditor) {
    TypeWord(1, 1, "OWL");
    Fake.OnModal([](QDialog& dialog) {
        auto& wishes = dynamic_cast<TfrmWordWishList&>(dialog);
        TColourMemo* memo = wishes.memAllWordList;
        memo->setFocus();
        QTest::keyClicks(memo, "HERON");
        // Drag over the line to choose the word.
        QTextCursor cursor(memo->document()->firstBlock());
        const QPoint start = memo->cursorRect(cursor).center();
        cursor.movePosition(QTextCursor::EndOfBlock);
        const QPoint end = memo->cursorRect(cursor).center();
        QTest::mousePress(memo->viewport(), Qt::LeftButton, Qt::NoModifier, start);
        QTest::mouseMove(memo->viewport(), end);
        QTest::mouseRelease(memo->viewport(), Qt::LeftButton, Qt::NoModifier, end);
        QTest::mouseClick(wishes.btnFitWord, Qt::LeftButton);
        return int(mrNone);
    });
    Editor.actWishList->trigger();
    TGlyphtroveEditor& game = *Editor.Game();
    EXPECT_EQ(game.WishList()->Lines(), QStringList({"HERON"}));
    EXPECT_EQ(Editor.StatusText(7), "Word fit successful");
    auto& wordEditor = *Editor.findChild<TfrmWordEditor*>();
    const int column = wordEditor.coledColumn->text().toInt();
    const int row = wordEditor.coledRow->text().toInt();
    EXPECT_TRUE(game.CellHasState(column, row, wgcsHighlighted));

    // Words placed later are refused by the wish list too.
    TypeWord(1, 5, "EMU");
    EXPECT_EQ(game.WishList()->Add("EMU"), -1);
    EXPECT_GE(game.WishList()->Add("YAK"), 0);
}
