#include "EditorTestSupport.h"

#include "playwindow/controls/TitleBlockUn.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

class EditorFilesTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        Editor->SetGameManager(&Manager);
        Fake.OnHandleMessage = [this] {
            if (!Fake.Timers.empty() && Fake.Timers.back()->Enabled())
                Fake.Timers.back()->Fire();
        };
    }
    QString Path(const QString& name) const { return Fake.Folder() + "/" + name; }
    // A titled game with two words, saved as a game file.
    QString SaveSample(const QString& name) {
        Game->GamePreferences()->SetGameTitle("Sample");
        AddWord("CAT", 0, 0, wdRight);
        AddWord("DOG", 0, 2, wdBottom);
        Fake.ChooseFile(Path(name), 1);
        Editor->actSaveGame->trigger();
        return Path(name);
    }
    // Runs Load Game through the open dialog with the file and filter.
    void Load(TfrmGameEditor& editor, const QString& path, int filter) {
        Fake.ChooseFile(path, filter);
        editor.actLoadGame->trigger();
    }
};

} // namespace

TEST_F(EditorFilesTest, SaveOnANewGameAsksForTheTitleThenForAName) {
    Preferences->Scripts.push_back([this](TWordGameProperties&) {
        EXPECT_EQ(Editor->HelpPanelText(), Help(65255));
        return false;
    });
    Fake.ChooseFile(Path("first.txt"), 1);
    Editor->actSaveGame->trigger();
    EXPECT_EQ(Preferences->Runs, 1);
    ASSERT_EQ(Fake.FileDialogs.size(), 1u);
    const TFileDialogOptions& dialog = Fake.FileDialogs[0];
    EXPECT_TRUE(Fake.FileDialogWasSave[0]);
    EXPECT_EQ(dialog.Title, "Save Game File");
    EXPECT_EQ(dialog.Filter, "Game File (*.gtg)|*.gtg|Game Export File (*.gtx)|*.gtx|HTML File "
                             "(*.htm)|*.htm");
    EXPECT_EQ(dialog.DefaultExt, "gtg");
    EXPECT_EQ(dialog.FilterIndex, 1);
    EXPECT_EQ(Editor->FileName(), Path("first.gtg"));
    EXPECT_TRUE(QFile::exists(Path("first.gtg")));
    EXPECT_EQ(Editor->StatusText(7), "Game file saved");
    EXPECT_FALSE(Game->Modified());
}

TEST_F(EditorFilesTest, SaveWritesAModifiedLoadedGameInPlaceAndAsksForAnUnmodifiedOne) {
    const QString file = SaveSample("sample.gtg");
    ASSERT_EQ(Editor->FileName(), file);
    // Unmodified: Save Game As, opened in the file's folder with its name.
    Fake.CancelFileDialog();
    Editor->actSaveGame->trigger();
    ASSERT_EQ(Fake.FileDialogs.size(), 2u);
    EXPECT_EQ(Fake.FileDialogs[1].InitialDir, Fake.Folder());
    EXPECT_EQ(Fake.FileDialogs[1].FileName, "sample.gtg");
    // Modified: written without a dialog, the old file kept as a backup.
    AddWord("EMU", 5, 5, wdRight);
    Editor->actSaveGame->trigger();
    EXPECT_EQ(Fake.FileDialogs.size(), 2u);
    EXPECT_TRUE(QFile::exists(Path("sample.bak")));
    EXPECT_EQ(Editor->StatusText(0), "");
    EXPECT_EQ(Editor->StatusText(7), "Game file saved");
}

TEST_F(EditorFilesTest, ExportsTakeTheFiltersExtensionAndKeepTheGameFile) {
    const QString file = SaveSample("sample.gtg");
    AddWord("EMU", 5, 5, wdRight);
    Fake.ChooseFile(Path("words.txt"), 2);
    Editor->actSaveGameAs->trigger();
    EXPECT_TRUE(QFile::exists(Path("words.gtx")));
    EXPECT_FALSE(QFile::exists(Path("words.txt")));
    EXPECT_EQ(Editor->FileName(), file);
    EXPECT_EQ(Editor->StatusText(7), "");
    EXPECT_EQ(Editor->HelpPanelText(), "");
    EXPECT_EQ(Editor->StatusText(0), "Modified");
    Fake.ChooseFile(Path("page.gtg"), 3);
    Editor->actSaveGameAs->trigger();
    EXPECT_TRUE(QFile::exists(Path("page.htm")));
    EXPECT_EQ(Editor->FileName(), file);
    EXPECT_TRUE(Game->Modified());
}

TEST_F(EditorFilesTest, LoadingAGameFileFillsTheListAndTellsTheManager) {
    const QString file = SaveSample("sample.gtg");
    FakePreferences* preferences = Preferences;
    TfrmGameEditor second;
    second.SetDefaultGameTitle("Glyphtrove Game 2");
    second.NewGame(5, 5, false);
    QString oldTitle;
    second.OnTitleChanged = [&](TObject*, const QString& old, TWordGameProperties*) {
        oldTitle = old;
    };
    Load(second, file, 1);
    const TFileDialogOptions& dialog = Fake.FileDialogs.back();
    EXPECT_FALSE(Fake.FileDialogWasSave.back());
    EXPECT_EQ(dialog.Filter,
              "Game File (*.gtg)|*.gtg|Game Export File (*.gtx)|*.gtx|All Files (*.*)|*.*");
    EXPECT_EQ(second.lbxWords->Items().Lines(), QStringList({"CAT", "DOG"}));
    EXPECT_EQ(second.FileName(), file);
    EXPECT_EQ(second.StatusText(5), "10 x 10");
    EXPECT_EQ(second.StatusText(2), "2");
    EXPECT_EQ(second.StatusText(7), "New game file loaded");
    EXPECT_EQ(second.tbPuzzleTitle->Caption(), "Sample");
    EXPECT_EQ(oldTitle, "Glyphtrove Game 2");
    EXPECT_EQ(Preferences->ColoursLoaded, 1);
    EXPECT_EQ(Preferences->OptionsLoaded, 1);
    Preferences = preferences;
}

// The shown window's panel keeps its size; the file's board is fitted to it.
TEST_F(EditorFilesTest, ALoadedGameOfOtherCountsShowsItsWholeGrid) {
    for (const int side : {15, 5}) {
        SCOPED_TRACE(side);
        TGlyphtroveEditor puzzle;
        puzzle.SetGridSize(side, side);
        puzzle.PlaceWord(0, 0, wdRight, "OWL", false);
        const QString file = Path(QString("game%1.gtg").arg(side));
        puzzle.SaveToFile(file);
        Load(*Editor, file, 1);
        ASSERT_EQ(Game->ColCount(), side);
        const TRect last = Game->CellRect(side - 1, side - 1);
        EXPECT_LE(last.Right, Game->width());
        EXPECT_LE(last.Bottom, Game->height());
    }
}

TEST_F(EditorFilesTest, ImportingATextExportKeepsFileNameSizeAndReport) {
    SaveSample("sample.gtg");
    Fake.ChooseFile(Path("sample.gtx"), 2);
    Editor->actSaveGameAs->trigger();
    Editor->NewGame(6, 6, false);
    Editor->SetLastAction(17);
    Load(*Editor, Path("sample.gtx"), 2);
    EXPECT_EQ(Lines(), QStringList({"CAT", "DOG"}));
    ExpectListInStep();
    EXPECT_EQ(Game->ColCount(), 10);
    EXPECT_EQ(Editor->StatusText(5), "6 x 6");
    EXPECT_EQ(Editor->StatusText(2), "2");
    EXPECT_TRUE(Editor->actShowAllWords->isEnabled());
    EXPECT_EQ(Editor->StatusText(7), "Words no longer highlighted");
    EXPECT_EQ(Editor->FileName(), Path("sample.gtg"));
}

TEST_F(EditorFilesTest, AllFilesChoosesByTheExactExtension) {
    SaveSample("sample.gtg");
    Fake.ChooseFile(Path("sample.gtx"), 2);
    Editor->actSaveGameAs->trigger();
    QFile::copy(Path("sample.gtx"), Path("upper.GTX"));
    Editor->NewGame(10, 10, false);
    Load(*Editor, Path("sample.gtx"), 3);
    EXPECT_EQ(Lines(), QStringList({"CAT", "DOG"}));
    EXPECT_EQ(Editor->FileName(), Path("sample.gtg"));
    // In capitals it is read as a game file, which it is not: the error
    // shows and the window stays in step with the puzzle.
    Fake.Answer(mrNo); // the import left the game modified
    Fake.Answer(mrOk);
    Load(*Editor, Path("upper.GTX"), 3);
    ASSERT_EQ(Fake.Messages.size(), 2u);
    EXPECT_EQ(Fake.Messages[1].text, "File \"" + Path("upper.GTX") + "\" is not a valid game file");
    EXPECT_EQ(Lines(), QStringList({"CAT", "DOG"}));
    ExpectListInStep();
    EXPECT_EQ(Editor->FileName(), Path("sample.gtg"));
}

TEST_F(EditorFilesTest, LoadGameAsksToSaveChangesFirst) {
    AddWord("CAT", 0, 0, wdRight);
    Fake.Answer(mrCancel);
    EXPECT_FALSE(Editor->LoadGame());
    EXPECT_EQ(Fake.Messages.back().text, "Game \"Glyphtrove Game 1\" not saved. Save Now?");
    EXPECT_EQ(Fake.Messages.back().buttons, mbYes | mbNo | mbCancel);
    EXPECT_TRUE(Fake.FileDialogs.empty());
    Fake.Answer(mrNo);
    Fake.CancelFileDialog();
    EXPECT_FALSE(Editor->LoadGame());
    EXPECT_EQ(Editor->HelpPanelText(), Help(65275));
    EXPECT_EQ(Lines(), QStringList({"CAT"}));
}

TEST_F(EditorFilesTest, TheCloseBoxAsksYesNoCancel) {
    int hidden = 0;
    Editor->OnHidden = [&](TObject*) { ++hidden; };
    EXPECT_TRUE(Editor->close()); // unmodified: no question
    EXPECT_EQ(hidden, 1);
    Editor->show();
    AddWord("CAT", 0, 0, wdRight);
    Fake.Answer(mrCancel);
    EXPECT_FALSE(Editor->close());
    EXPECT_TRUE(Editor->isVisible());
    Fake.Answer(mrNo);
    EXPECT_TRUE(Editor->close());
    EXPECT_EQ(hidden, 2);
    EXPECT_TRUE(Game->Modified());
    // Yes saves through Save As; a cancelled Save As keeps it open.
    Editor->show();
    Fake.Answer(mrYes);
    Preferences->Scripts.push_back([](TWordGameProperties&) { return false; });
    Fake.CancelFileDialog();
    EXPECT_FALSE(Editor->close());
    EXPECT_TRUE(Editor->isVisible());
    Fake.Answer(mrYes);
    Preferences->Scripts.push_back([](TWordGameProperties&) { return false; });
    Fake.ChooseFile(Path("closing.gtg"), 1);
    EXPECT_TRUE(Editor->close());
    EXPECT_TRUE(QFile::exists(Path("closing.gtg")));
    EXPECT_EQ(hidden, 3);
}

TEST_F(EditorFilesTest, AYesWhoseSaveDidNotHappenAnswersAsCancel) {
    // What the user does after Yes; each leaves the game modified.
    struct Case {
        const char* what;
        std::function<void()> script;
        QString error;
    };
    const Case cases[] = {
        {"Save As cancelled", [this] { Fake.CancelFileDialog(); }, ""},
        {"a folder that is not there",
         [this] {
             Fake.ChooseFile(Path("gone/birds.gtg"), 1);
             Fake.Answer(mrOk);
         },
         "Cannot create file " + Path("gone/birds.gtg")},
        {"only exported", [this] { Fake.ChooseFile(Path("birds.htm"), 3); }, ""},
    };
    Game->GamePreferences()->SetGameTitle("Birds");
    AddWord("CAT", 0, 0, wdRight);
    // The three ways a question comes: the close box, Load and the
    // manager's Close (QuerySave).
    const std::function<bool()> closings[] = {
        [this] { return Editor->close(); },
        [this] { return Editor->LoadGame(); },
        [this] { return Editor->QuerySave(false); },
    };
    for (const Case& c : cases) {
        for (const auto& closing : closings) {
            SCOPED_TRACE(c.what);
            const size_t dialogs = Fake.FileDialogs.size();
            Fake.Answer(mrYes);
            c.script();
            EXPECT_FALSE(closing());
            EXPECT_TRUE(Editor->isVisible());
            EXPECT_TRUE(Game->Modified());
            EXPECT_EQ(Fake.FileDialogs.size(), dialogs + 1) << "no open dialog after it";
            EXPECT_EQ(Lines(), QStringList({"CAT"}));
            if (!c.error.isEmpty()) {
                EXPECT_EQ(Fake.Messages.back().text, c.error);
            }
        }
    }
    EXPECT_EQ(Editor->FileName(), "");
}

TEST_F(EditorFilesTest, TheForcedQuestionComesAgainUntilSavedOrNo) {
    Game->GamePreferences()->SetGameTitle("Birds");
    AddWord("CAT", 0, 0, wdRight);
    Fake.Answer(mrYes);
    Fake.CancelFileDialog();
    Fake.Answer(mrYes);
    Fake.ChooseFile(Path("gone/birds.gtg"), 1);
    Fake.Answer(mrOk); // the error of the failed save
    Fake.Answer(mrNo);
    EXPECT_FALSE(Editor->QuerySave(true));
    EXPECT_TRUE(Game->Modified());

    Fake.Answer(mrYes);
    Fake.ChooseFile(Path("birds.gtx"), 2); // an export saves no game
    Fake.Answer(mrYes);
    Fake.ChooseFile(Path("birds.gtg"), 1);
    EXPECT_FALSE(Editor->QuerySave(true));
    EXPECT_FALSE(Game->Modified());
    EXPECT_TRUE(QFile::exists(Path("birds.gtg")));

    QStringList asked;
    for (const FakeServices::Message& message : Fake.Messages)
        asked << (message.buttons == (mbYes | mbNo) ? "question" : message.text);
    EXPECT_EQ(asked,
              QStringList({"question", "question", "Cannot create file " + Path("gone/birds.gtg"),
                           "question", "question", "question"}));
}

TEST_F(EditorFilesTest, AFailedSaveAsKeepsTheFileName) {
    const QString file = SaveSample("sample.gtg");
    AddWord("EMU", 5, 5, wdRight);
    Fake.ChooseFile(Path("gone/other.gtg"), 1);
    Fake.Answer(mrOk);
    Editor->actSaveGameAs->trigger();
    ASSERT_EQ(Fake.Messages.size(), 1u);
    EXPECT_EQ(Fake.Messages[0].text, "Cannot create file " + Path("gone/other.gtg"));
    EXPECT_EQ(Editor->FileName(), file);
    // Save goes to the game's own file again, without a dialog.
    Editor->actSaveGame->trigger();
    EXPECT_EQ(Fake.FileDialogs.size(), 2u);
    EXPECT_FALSE(Game->Modified());
    EXPECT_TRUE(QFile::exists(Path("sample.bak")));
}

TEST_F(EditorFilesTest, ANewGamesDialogsOpenInThePuzzleFolder) {
    Fake.CancelFileDialog();
    Editor->LoadGame();
    Preferences->Scripts.push_back([](TWordGameProperties&) { return false; });
    Fake.CancelFileDialog();
    Editor->actSaveGameAs->trigger();
    ASSERT_EQ(Fake.FileDialogs.size(), 2u);
    for (const TFileDialogOptions& dialog : Fake.FileDialogs) {
        EXPECT_EQ(dialog.InitialDir, Fake.DocumentsFolder() + "/My Puzzles");
        EXPECT_EQ(dialog.FileName, "");
    }
    EXPECT_TRUE(QFileInfo(Fake.DocumentsFolder() + "/My Puzzles").isDir());
}

TEST_F(EditorFilesTest, SaveAsAsksBeforeReplacingTheFileItWrites) {
    // The dialog asked about the chosen name; the name written differs.
    struct Case {
        const char* chosen;
        int filter;
        const char* written;
        bool askedHere;
    };
    const Case cases[] = {
        {"words.txt", 2, "words.gtx", true}, {"words.gtx", 2, "words.gtx", false},
        {"page.gtg", 3, "page.htm", true},   {"game.txt", 1, "game.gtg", true},
        {"game.gtg", 1, "game.gtg", false},
    };
    Game->GamePreferences()->SetGameTitle("Sample");
    AddWord("CAT", 0, 0, wdRight);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        Fake.Messages.clear();
        Fake.FileDialogs.clear();
        const QString written = Path(c.written);
        WriteBytes(written, "old");
        // No: the dialog comes again on the name asked about; then Cancel.
        Fake.ChooseFile(Path(c.chosen), c.filter);
        if (c.askedHere) {
            Fake.Answer(mrNo);
            Fake.CancelFileDialog();
        }
        Editor->actSaveGameAs->trigger();
        if (!c.askedHere) {
            EXPECT_TRUE(Fake.Messages.empty());
            EXPECT_NE(ReadBytes(written), "old");
            continue;
        }
        EXPECT_EQ(ReadBytes(written), "old");
        ASSERT_EQ(Fake.Messages.size(), 1u);
        EXPECT_EQ(Fake.Messages[0].text,
                  QString(c.written) + " already exists.\r\nDo you want to replace it?");
        EXPECT_EQ(Fake.Messages[0].buttons, mbYes | mbNo);
        ASSERT_EQ(Fake.FileDialogs.size(), 2u);
        EXPECT_EQ(Fake.FileDialogs[1].FileName, written);
        EXPECT_EQ(Fake.FileDialogs[1].FilterIndex, c.filter);
        // Yes replaces it.
        Fake.ChooseFile(Path(c.chosen), c.filter);
        Fake.Answer(mrYes);
        Editor->actSaveGameAs->trigger();
        EXPECT_NE(ReadBytes(written), "old");
    }
}

TEST_F(EditorFilesTest, TheForcedQuestionSavesOnYesAndAlwaysAnswersFalse) {
    EXPECT_TRUE(Editor->QuerySave(true));
    SaveSample("sample.gtg");
    AddWord("EMU", 5, 5, wdRight);
    Fake.Answer(mrYes);
    EXPECT_FALSE(Editor->QuerySave(true));
    EXPECT_EQ(Fake.Messages.back().buttons, mbYes | mbNo);
    EXPECT_FALSE(Game->Modified());
}

TEST_F(EditorFilesTest, PrintPreviewsAPageOfItsOwnAndLeavesTheUsersFilesAlone) {
    ASSERT_TRUE(QDir().mkpath(Path("games")));
    const QString usersPage = Path("games/sample.html");
    WriteBytes(usersPage, "the user's own page");
    SaveSample("games/sample.gtg");
    Editor->SetLastAction(17);
    // The engine goes with the preview window, so what it was asked is
    // read while the window waits.
    std::vector<QString> navigated;
    int previews = 0;
    QByteArray shown;
    Fake.OnHandleMessage = [&] {
        if (Fake.Timers.back()->Enabled())
            Fake.Timers.back()->Fire();
        if (Fake.PrintEngines.size() == 1 && Fake.Timers.back()->Enabled()) {
            navigated = Fake.PrintEngines[0]->Navigated;
            previews = Fake.PrintEngines[0]->Previews;
            if (navigated.size() == 1)
                shown = ReadBytes(navigated[0]);
        }
    };
    Editor->actPrint->trigger();
    ASSERT_EQ(Fake.PrintEngines.size(), 1u);
    ASSERT_EQ(navigated.size(), 1u);
    EXPECT_EQ(QFileInfo(navigated[0]).absolutePath(),
              QFileInfo(Fake.TempFolder()).absoluteFilePath());
    EXPECT_TRUE(QFileInfo(navigated[0]).fileName().startsWith("sample-"))
        << navigated[0].toStdString();
    EXPECT_TRUE(shown.contains("<TD class=words align=left>CAT</TD>"));
    EXPECT_EQ(previews, 1);
    EXPECT_FALSE(QFile::exists(navigated[0])) << navigated[0].toStdString();
    EXPECT_EQ(ReadBytes(usersPage), "the user's own page");
    EXPECT_EQ(QDir(Path("games")).entryList(QDir::Files),
              QStringList({"sample.gtg", "sample.html"}));
    EXPECT_EQ(Editor->StatusText(7), "Words no longer highlighted");
    EXPECT_EQ(Editor->HelpPanelText(), Help(65276));
}

TEST_F(EditorFilesTest, ANewGameCanStartWithTheLoadDialog) {
    const QString file = SaveSample("sample.gtg");
    TfrmGameEditor second;
    Fake.ChooseFile(file, 1);
    second.NewGame(15, 15, true);
    EXPECT_TRUE(second.isVisible());
    EXPECT_EQ(second.lbxWords->Items().Lines(), QStringList({"CAT", "DOG"}));
    EXPECT_EQ(second.StatusText(5), "10 x 10");
}
