#include "engine/genlib/GenLibUn.h"
#include "engine/puzzle/GameFileBuilder.h"
#include "engine/puzzle/GlyphtroveUn.h"
#include "engine/typestream/TypeStreamUn.h"
#include "platform/FileHandle.h"
#include "support/FakeServices.h"
#include "support/FileSizeLimit.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSet>
#include <climits>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string S(const QString& Text) {
    return Text.toStdString();
}
std::string S(const QStringList& Lines) {
    return Lines.join(",").toStdString();
}

// Everything a cell shows and holds.
struct CellView {
    QString Text;
    uint32_t State;
    int UseCount;
    TColor TextColour;
    TColor Colour;
    bool operator==(const CellView& O) const {
        return Text == O.Text && State == O.State && UseCount == O.UseCount &&
               TextColour == O.TextColour && Colour == O.Colour;
    }
};

std::vector<CellView> Cells(const TCustomGlyphtrove& P, bool WithColours = true) {
    std::vector<CellView> cells;
    for (int x = 0; x < P.ColCount(); ++x)
        for (int y = 0; y < P.RowCount(); ++y)
            cells.push_back({P.GetCellText(x, y), P.GetCellState(x, y), P.GetCellUseCount(x, y),
                             WithColours ? P.GetCellTextColour(x, y) : 0,
                             WithColours ? P.GetCellColour(x, y) : 0});
    return cells;
}

std::vector<TColor> Colours(const TCustomGlyphtrove& P) {
    const TWordGameColourPreferences* c = P.GamePreferences()->ColourPreferences();
    std::vector<TColor> colours;
    for (int r = 0; r < WordGameColourRoleCount; ++r) {
        colours.push_back(c->Foreground(TWordGameColourRole(r)));
        colours.push_back(c->Background(TWordGameColourRole(r)));
    }
    return colours;
}

// Everything a failed load must leave as it was, as text so that a
// difference shows where it is.
QStringList PuzzleState(const TCustomGlyphtrove& P) {
    QStringList state = {P.FileName(),
                         P.Version(),
                         QString::number(P.ColCount()),
                         QString::number(P.RowCount()),
                         P.Modified() ? "modified" : "saved",
                         P.RandomLettersUsed() ? "filled" : "unfilled"};
    for (const CellView& cell : Cells(P))
        state << QString("cell %1 %2 %3 %4 %5")
                     .arg(cell.Text)
                     .arg(cell.State)
                     .arg(cell.UseCount)
                     .arg(cell.TextColour)
                     .arg(cell.Colour);
    state << QString::fromLatin1(P.SolutionBoard()->GridData().toHex());
    for (int i = 0; i < P.WordCount(); ++i) {
        const TWordRec word = P.GetWordRec(i);
        state << QString("word %1 %2 %3 %4")
                     .arg(word.Word)
                     .arg(word.X)
                     .arg(word.Y)
                     .arg(word.Direction);
    }
    state << P.WishList()->Lines();
    const TWordGameProperties* properties = P.GamePreferences();
    for (int i = 0; i < properties->Count(); ++i)
        state << properties->GetItem(i)->Name() + "=" + properties->GetItem(i)->Value();
    for (const TColor colour : Colours(P))
        state << QString::number(colour);
    return state;
}

class PuzzleTest : public ::testing::Test {
protected:
    PuzzleTest() {
        Puzzle.resize(400, 400);
        Puzzle.SetGridSize(10, 10);
        Puzzle.GamePreferences()->SetAutoFinish(false);
        Loader.resize(400, 400);
        Loader.SetGridSize(10, 10);
    }

    QString Path(const QString& Name) const { return Fake.Folder() + "/" + Name; }

    QString NotValid(const QString& FileName) const {
        return QString("File \"%1\" is not a valid game file").arg(FileName);
    }

    // Writes the bytes as a file and loads it into Loader: "" when the load
    // succeeds, else the message.
    QString Load(const QByteArray& Bytes) {
        const QString path = Path("probe.gtg");
        WriteBytes(path, Bytes);
        return QString::fromStdString(MessageOf([&] { Loader.LoadFromFile(path); }));
    }

    // A load that must fail with the one message.
    void ExpectInvalid(const QByteArray& Bytes, const std::string& Case) {
        EXPECT_EQ(S(Load(Bytes)), S(NotValid(Path("probe.gtg")))) << Case;
    }

    FakeServices Fake;
    TGlyphtroveEditor Puzzle;
    TGlyphtroveEditor Loader;
};

// --- Construction and the editor's wish list

TEST_F(PuzzleTest, NewPuzzleIsAGlyphtroveGame) {
    EXPECT_EQ(S(Puzzle.DefaultGameTitle()), "Glyphtrove Game");
    EXPECT_EQ(S(Puzzle.GamePreferences()->GetGameTitle()), "Glyphtrove Game");
    EXPECT_EQ(S(Puzzle.HeaderID()), "GLYPHTROVEGAME");
    EXPECT_FALSE(Puzzle.RandomLettersUsed());
    EXPECT_EQ(Puzzle.WishList()->WordList(), nullptr);
    EXPECT_TRUE(Puzzle.FileName().isEmpty());
}

TEST_F(PuzzleTest, EditorRemovesAPlacedWordFromTheWishListWhenAsked) {
    for (const bool removeUsed : {true, false}) {
        TGlyphtroveEditor editor;
        editor.resize(400, 400);
        editor.SetGridSize(10, 10);
        editor.GamePreferences()->SetRemoveUsedWords(removeUsed);
        editor.WishList()->Add("ZEBRA");
        editor.WishList()->Add("HORSE");
        QStringList removed;
        editor.WishList()->OnWordRemoved = [&](TObject*, int idx, const QString& w) {
            removed << QString("%1 %2").arg(idx).arg(w);
        };
        EXPECT_EQ(editor.PlaceWord(0, 0, wdRight, "zebra", false), 0);
        EXPECT_EQ(S(editor.WishList()->Lines()), removeUsed ? "HORSE" : "HORSE,ZEBRA");
        EXPECT_EQ(S(removed), removeUsed ? "1 zebra" : "");
    }
}

// --- Filler letters

class FillerTest : public PuzzleTest {
protected:
    FillerTest() {
        Puzzle.PlaceWord(0, 0, wdRight, "CAT", false);
        Puzzle.PlaceWord(0, 2, wdRight, "DOG", false);
        Puzzle.PlaceWord(5, 3, wdBottom, "HORSE", false);
    }
    bool IsWordCell(int X, int Y) const { return Puzzle.GetCellState(X, Y) == wgcsWord; }
    TCellColours Role(TWordGameColourRole R) const {
        const TWordGameColourPreferences* c = Puzzle.GamePreferences()->ColourPreferences();
        return {c->Foreground(R), c->Background(R)};
    }
};

TEST_F(FillerTest, EachModeFillsTheEmptyCellsOnceAndClearingEmptiesThem) {
    struct Case {
        TUnusedSpaceMode Mode;
        QString Letters; // allowed filler letters; empty: cells stay blank
    };
    const Case cases[] = {{usRandomLetters, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
                          {usWordLetters, "CATDOGHRSE"},
                          {usPartialWords, "CATDOGHRSE"},
                          {usLeftBlank, ""}};
    const std::vector<CellView> before = Cells(Puzzle);
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.Mode));
        Puzzle.GamePreferences()->SetUnusedSpace(c.Mode);
        Puzzle.SetRandomLettersUsed(true);
        EXPECT_TRUE(Puzzle.RandomLettersUsed());
        QSet<QString> used;
        for (int x = 0; x < 10; ++x)
            for (int y = 0; y < 10; ++y) {
                if (IsWordCell(x, y))
                    continue;
                const QString letter = Puzzle.GetCellText(x, y);
                if (c.Letters.isEmpty()) {
                    ASSERT_TRUE(letter.isEmpty());
                    ASSERT_EQ(Puzzle.GetCellState(x, y), wgcsBlank);
                    continue;
                }
                ASSERT_EQ(letter.size(), 1) << x << "," << y;
                ASSERT_TRUE(c.Letters.contains(letter)) << S(letter);
                ASSERT_EQ(Puzzle.GetCellState(x, y), wgcsFiller);
                ASSERT_EQ(Puzzle.GetCellTextColour(x, y), Role(crRandomLetter).Foreground);
                ASSERT_EQ(Puzzle.GetCellColour(x, y), Role(crRandomLetter).Background);
                used.insert(letter);
            }
        if (!c.Letters.isEmpty()) {
            EXPECT_GT(used.size(), 3);
        }

        const std::vector<CellView> filled = Cells(Puzzle);
        Puzzle.FillRandomLetters();
        EXPECT_TRUE(Cells(Puzzle) == filled) << "a second fill changed cells";

        Puzzle.SetRandomLettersUsed(false);
        EXPECT_FALSE(Puzzle.RandomLettersUsed());
        for (int x = 0; x < 10; ++x)
            for (int y = 0; y < 10; ++y)
                if (!IsWordCell(x, y)) {
                    ASSERT_TRUE(Puzzle.GetCellText(x, y).isEmpty());
                    ASSERT_EQ(Puzzle.GetCellState(x, y), wgcsBlank);
                    ASSERT_EQ(Puzzle.GetCellColour(x, y), Role(crBlankSpace).Background);
                }
        EXPECT_TRUE(Cells(Puzzle) == before) << "clearing left something behind";
    }
}

TEST_F(PuzzleTest, WordModesFillNothingWithoutWords) {
    for (const TUnusedSpaceMode mode : {usWordLetters, usPartialWords}) {
        Puzzle.GamePreferences()->SetUnusedSpace(mode);
        Puzzle.FillRandomLetters();
        EXPECT_TRUE(Puzzle.RandomLettersUsed());
        for (int x = 0; x < 10; ++x)
            for (int y = 0; y < 10; ++y)
                ASSERT_TRUE(Puzzle.GetCellText(x, y).isEmpty());
    }
}

TEST_F(PuzzleTest, PartialWordsLayAPieceOfAWordIntoARunOfBlankCells) {
    Puzzle.SetGridSize(12, 1);
    Puzzle.PlaceWord(0, 0, wdRight, "ELEPHANT", false);
    Puzzle.GamePreferences()->SetUnusedSpace(usPartialWords);
    Puzzle.FillRandomLetters();
    QString tail;
    for (int x = 8; x < 12; ++x) {
        tail += Puzzle.GetCellText(x, 0);
        EXPECT_EQ(Puzzle.GetCellState(x, 0), wgcsFiller);
    }
    EXPECT_EQ(tail.size(), 4);
    EXPECT_TRUE(QString("ELEPHANT").contains(tail)) << S(tail);
}

// A run of one cell takes no fragment; the letters of the words fill it.
TEST_F(PuzzleTest, PartialWordsFillAWalledInCellFromTheWordsLetters) {
    Puzzle.SetGridSize(3, 3);
    Puzzle.PlaceWord(0, 0, wdRight, "CAT", false);
    Puzzle.PlaceWord(0, 2, wdRight, "DOG", false);
    Puzzle.PlaceWord(0, 0, wdBottom, "COD", false);
    Puzzle.PlaceWord(2, 0, wdBottom, "TAG", false);
    Puzzle.GamePreferences()->SetUnusedSpace(usPartialWords);
    Puzzle.FillRandomLetters();
    const QString letter = Puzzle.GetCellText(1, 1);
    ASSERT_EQ(letter.size(), 1);
    EXPECT_TRUE(QString("CATDOG").contains(letter)) << S(letter);
    EXPECT_EQ(Puzzle.GetCellState(1, 1), wgcsFiller);
}

TEST_F(PuzzleTest, FillingLeavesCellsWithTextAloneWhateverTheirState) {
    TGameCellRecord odd = Puzzle.GetCell(4, 4);
    odd.Text = "Q";
    odd.State = wgcsBlank;
    Puzzle.WriteCell(4, 4, odd);
    Puzzle.GamePreferences()->SetUnusedSpace(usRandomLetters);
    Puzzle.FillRandomLetters();
    EXPECT_EQ(S(Puzzle.GetCellText(4, 4)), "Q");
    EXPECT_EQ(Puzzle.GetCellState(4, 4), wgcsBlank);
}

// --- Colour schemes

TEST_F(PuzzleTest, ApplyColourSchemeMapsAPresetThroughThePaletteAndCopiesOwnColours) {
    TWordGameColourPreferences scheme;
    scheme.SetSchemeName("Mine");
    scheme.SetNormalWordForeground(9);
    scheme.SetNormalWordBackground(14);
    Puzzle.ApplyColourScheme(scheme, true);
    const TWordGameColourPreferences* own = Puzzle.GamePreferences()->ColourPreferences();
    EXPECT_EQ(own->GetNormalWordForeground(), clRed);
    EXPECT_EQ(own->GetNormalWordBackground(), clAqua);
    EXPECT_EQ(S(own->SchemeName()), "Mine");
    Puzzle.ApplyColourScheme(scheme, false);
    EXPECT_EQ(own->GetNormalWordForeground(), TColor(9));
    EXPECT_EQ(own->GetNormalWordBackground(), TColor(14));
}

TEST_F(PuzzleTest, ExportHTMLWritesToThePathOrToANewPageInThePrivateTemporaryFolder) {
    Puzzle.PlaceWord(0, 0, wdRight, "CAT", false);
    QString result;
    Puzzle.ExportHTML("", result);
    EXPECT_TRUE(result.startsWith(GetTempDirectory() + "tmp-")) << S(result);
    EXPECT_TRUE(result.endsWith(".html")) << S(result);
    EXPECT_EQ(Fake.ProcessMessagesCalls, 1);
    const QByteArray page = ReadBytes(result);
    EXPECT_TRUE(page.contains("<TD class=gridtext><P align=center>C</P></TD>"));
    EXPECT_TRUE(page.contains("<P class=header>" + ApplicationTitle().toUtf8() + "</P>"));

    Puzzle.ExportHTML(Path("page.htm"), result);
    EXPECT_EQ(S(result), S(Path("page.htm")));
    EXPECT_TRUE(QFile::exists(result));

    // A saved game's page is named after it, yet replaces neither the
    // user's page beside the game file nor one of that name that another
    // program wrote in the temporary folder, nor the page before it.
    const QString games = Path("games");
    ASSERT_TRUE(QDir().mkpath(games));
    WriteBytes(games + "/animals.html", "the user's own page");
    WriteBytes(GetTempDirectory() + "animals.html", "another program's page");
    Puzzle.SaveToFile(games + "/animals.gtg");
    QString first, second;
    Puzzle.ExportHTML("", first);
    Puzzle.ExportHTML("", second);
    for (const QString& written : {first, second}) {
        EXPECT_TRUE(written.startsWith(GetTempDirectory() + "animals-")) << S(written);
        EXPECT_TRUE(written.endsWith(".html")) << S(written);
        EXPECT_TRUE(ReadBytes(written).contains("<P align=center>C</P>")) << S(written);
    }
    EXPECT_NE(S(first), S(second));
    EXPECT_EQ(ReadBytes(games + "/animals.html"), "the user's own page");
    EXPECT_EQ(QDir(games).entryList(QDir::Files), QStringList({"animals.gtg", "animals.html"}));
    EXPECT_EQ(ReadBytes(GetTempDirectory() + "animals.html"), "another program's page");
}

// Without a temporary folder the page of an unsaved game goes nowhere, not
// into the working folder: the error says why.
TEST_F(PuzzleTest, ExportHTMLWithoutATemporaryFolderRaisesAndWritesNothing) {
    Puzzle.PlaceWord(0, 0, wdRight, "CAT", false);
    const QString work = Path("work");
    ASSERT_TRUE(QDir().mkpath(work));
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(work));
    Fake.TempFolderMissing = true;
    QString result;
    try {
        Puzzle.ExportHTML("", result);
        ADD_FAILURE() << "no error raised";
    } catch (const Exception& error) {
        EXPECT_TRUE(error.Message().startsWith("Cannot find a valid TEMP directory ("))
            << S(error.Message());
    }
    QDir::setCurrent(previous);
    EXPECT_TRUE(QDir(work).isEmpty()) << S(QDir(work).entryList().join(", "));
    EXPECT_TRUE(Fake.Messages.empty());
}

// --- The game file

TEST_F(PuzzleTest, FileStartsWithTheHeaderAndVersion) {
    const QString path = Path("start.gtg");
    Puzzle.SaveToFile(path);
    const QByteArray expected("S\x0F\0\0\0GLYPHTROVEGAME\0I\x0B\0\0\0I\0\0\0\0", 30);
    EXPECT_EQ(ReadBytes(path).left(30).toHex(' ').toStdString(), expected.toHex(' ').toStdString());
}

TEST_F(PuzzleTest, FileHoldsEveryValueInOrder) {
    Puzzle.SetGridSize(3, 3);
    TWordGameProperties* p = Puzzle.GamePreferences();
    p->SetGameTitle("Animals");
    p->SetGameDescription("Hidden pets");
    p->SetGameAuthor("Ann");
    p->SetGameCreated("01022003 040506");
    p->SetAutoFinish(false);
    p->SetUnusedSpace(usLeftBlank);
    p->SetUseTimer(true);
    p->SetCountDownTimer(EncodeTime(0, 5, 0, 0));
    p->SetHints(7);
    p->SetCanGiveIn(false);
    Puzzle.PlaceWord(0, 0, wdRight, "CAT", false);
    Puzzle.WishList()->Add("zebra");
    Fake.Clock = EncodeDate(2004, 3, 2) + EncodeTime(5, 6, 7, 0);
    const QString path = Path("cat.gtg");
    Puzzle.SaveToFile(path);
    const QByteArray expected = GameFileContent::Cat().Build().Bytes;
    EXPECT_EQ(ReadBytes(path).toHex(' ').toStdString(), expected.toHex(' ').toStdString());
}

TEST_F(PuzzleTest, SaveThenLoadGivesBackThePuzzle) {
    for (const bool includeColours : {true, false}) {
        SCOPED_TRACE(includeColours);
        TGlyphtroveEditor source;
        source.resize(400, 400);
        source.SetGridSize(8, 6);
        TWordGameProperties* p = source.GamePreferences();
        p->SetGameTitle("Animals");
        p->SetGameDescription("Pets & more");
        p->SetGameAuthor("Ann");
        p->SetGameCreated("01022003 040506");
        p->SetIncludeColourScheme(includeColours);
        p->SetAutoFinish(false);
        p->SetUnusedSpace(usWordLetters);
        p->SetUseTimer(true);
        p->SetCountDownTimer(EncodeTime(0, 5, 30, 0));
        p->SetHints(9);
        p->SetCanGiveIn(false);
        TWordGameColourPreferences* c = p->ColourPreferences();
        for (int r = 0; r < WordGameColourRoleCount; ++r) {
            c->SetForeground(TWordGameColourRole(r), 0x010203 * (r + 1));
            c->SetBackground(TWordGameColourRole(r), 0x102030 + r);
        }
        source.PlaceWord(0, 0, wdRight, "CAT", false);
        source.PlaceWord(0, 0, wdBottom, "COW", false);
        source.PlaceWord(7, 5, wdTopLeft, "HEN", false);
        source.PlaceWord(2, 5, wdRight, "XYZ", true);
        source.SetRandomLettersUsed(true);
        source.WishList()->Add("zebra");
        source.WishList()->Add("horse");
        Fake.Clock = EncodeDate(2024, 5, 6) + EncodeTime(7, 8, 9, 0);
        const QString path = Path("round.gtg");
        source.SaveToFile(path);
        EXPECT_FALSE(source.Modified());
        EXPECT_EQ(S(source.FileName()), S(path));

        TGlyphtroveEditor loaded;
        loaded.resize(400, 400);
        EXPECT_EQ(loaded.LoadFromFile(path), ReadBytes(path).size());
        EXPECT_EQ(loaded.ColCount(), 8);
        EXPECT_EQ(loaded.RowCount(), 6);
        // Cell colours follow the states and the colour set, which the file
        // carries only with "Include Colour Scheme".
        EXPECT_TRUE(Cells(loaded, includeColours) == Cells(source, includeColours));
        ASSERT_EQ(loaded.WordCount(), 3);
        for (int i = 0; i < 3; ++i) {
            const TWordRec a = source.GetWordRec(i), b = loaded.GetWordRec(i);
            EXPECT_EQ(S(a.Word), S(b.Word));
            EXPECT_EQ(a.X, b.X);
            EXPECT_EQ(a.Y, b.Y);
            EXPECT_EQ(a.Direction, b.Direction);
        }
        const TWordGameProperties* q = loaded.GamePreferences();
        EXPECT_EQ(S(q->GetGameTitle()), "Animals");
        EXPECT_EQ(S(q->GetGameDescription()), "Pets & more");
        EXPECT_EQ(S(q->GetGameAuthor()), "Ann");
        EXPECT_EQ(S(q->GetGameCreated()), "01022003 040506");
        EXPECT_EQ(S(q->GetGameModified()), "06052024 070809");
        EXPECT_EQ(q->GetIncludeColourScheme(), includeColours);
        EXPECT_FALSE(q->GetAutoFinish());
        EXPECT_EQ(q->GetUnusedSpace(), usWordLetters);
        EXPECT_TRUE(q->GetUseTimer());
        EXPECT_EQ(q->GetCountDownTimer(), EncodeTime(0, 5, 30, 0));
        EXPECT_EQ(q->GetHints(), 9);
        EXPECT_FALSE(q->GetCanGiveIn());
        const TGlyphtroveEditor fresh;
        EXPECT_EQ(Colours(loaded), Colours(includeColours ? source : fresh));
        EXPECT_EQ(S(loaded.WishList()->Lines()), "HORSE,ZEBRA");
        EXPECT_TRUE(loaded.RandomLettersUsed());
        EXPECT_FALSE(loaded.Modified());
        EXPECT_EQ(S(loaded.FileName()), S(path));
        EXPECT_EQ(S(loaded.Version()), "1.1.0");
    }
}

TEST_F(PuzzleTest, WishListPartIsOptionalAndAddsToTheEntriesHeld) {
    for (const bool hasPart : {true, false}) {
        GameFileContent content = GameFileContent::Cat();
        content.HasWishList = hasPart;
        Loader.WishList()->Clear();
        Loader.WishList()->Add("HORSE");
        EXPECT_EQ(S(Load(content.Build().Bytes)), "");
        EXPECT_EQ(S(Loader.WishList()->Lines()), hasPart ? "HORSE,ZEBRA" : "HORSE");
        EXPECT_EQ(Loader.WordCount(), 1);
    }
}

TEST_F(PuzzleTest, VersionTextFollowsTheFileAndNewerMajorsAreRefused) {
    struct Case {
        int Major, Minor;
        const char* Version; // nullptr: refused
    };
    const Case cases[] = {{11, 0, "1.1.0"}, {11, 3, "1.1.3"}, {10, 0, "1.0.0"}, {1, 0, "0.1.0"},
                          {0, 0, nullptr},  {12, 0, nullptr}, {-1, 0, nullptr}};
    for (const Case& c : cases) {
        GameFileContent content = GameFileContent::Cat();
        content.Major = c.Major;
        content.Minor = c.Minor;
        if (c.Version) {
            EXPECT_EQ(S(Load(content.Build().Bytes)), "");
            EXPECT_EQ(S(Loader.Version()), c.Version);
        } else {
            ExpectInvalid(content.Build().Bytes, std::to_string(c.Major));
        }
    }
}

TEST_F(PuzzleTest, StreamReaderNamesHeaderAndVersionFaults) {
    struct Case {
        QByteArray Header;
        int Major;
        const char* Message;
    };
    const Case cases[] = {
        {"GLYPHTROVEGAMF", 11, "File \"x\" is invalid or corrupt"},
        {"glyphtrovegame", 11, "File \"x\" is invalid or corrupt"},
        {"GLYPHTROVEGAME", 12,
         "File version for \"x\" is newer than application. Please update application"}};
    for (const Case& c : cases) {
        GameFileContent content = GameFileContent::Cat();
        content.Header = c.Header;
        content.Major = c.Major;
        WriteBytes(Path("probe.gtg"), content.Build().Bytes);
        TFileTypeStream stream(Path("probe.gtg"), tsmRead);
        EXPECT_EQ(MessageOf([&] { Loader.LoadFromStream("x", &stream); }), c.Message);
    }
}

TEST_F(PuzzleTest, CellCodesGiveTheLetterOfTheirLowByte) {
    struct Case {
        int Code;
        const char* Letter;
    };
    const Case cases[] = {{65, "A"}, {0, ""}, {256, ""}, {0x141, "A"}, {-256, ""}};
    for (const Case& c : cases) {
        GameFileContent content = GameFileContent::Cat();
        content.Cells[4] = {c.Code, wgcsFiller}; // the middle cell
        ASSERT_EQ(S(Load(content.Build().Bytes)), "") << c.Code;
        EXPECT_EQ(S(Loader.GetCellText(1, 1)), c.Letter) << c.Code;
        EXPECT_EQ(Loader.GetCellState(1, 1), wgcsFiller);
        const TWordGameColourPreferences* colours = Loader.GamePreferences()->ColourPreferences();
        EXPECT_EQ(Loader.GetCellColour(1, 1), colours->GetRandomLetterBackground());
    }
}

// Older copies wrote a cell's letter as its byte in the Windows code page; a
// game loaded and saved again keeps every such letter.
TEST_F(PuzzleTest, CellLettersOfTheCodePageAreSavedAsTheyWereRead) {
    const struct {
        int Code;
        const char16_t* Letter;
    } cases[] = {
        {'A', u"A"}, {0x8A, u"\u0160"}, {0x80, u"\u20AC"}, {0x9C, u"\u0153"}, {0xC4, u"\u00C4"}};
    Fake.Clock = EncodeDate(2004, 3, 2) + EncodeTime(5, 6, 7, 0); // the stored "Game Modified"
    for (const auto& c : cases) {
        GameFileContent content = GameFileContent::Cat();
        content.Cells[4] = {c.Code, wgcsFiller};
        const QByteArray file = content.Build().Bytes;
        ASSERT_EQ(S(Load(file)), "") << c.Code;
        EXPECT_EQ(Loader.GetCellText(1, 1), QString::fromUtf16(c.Letter)) << c.Code;
        Loader.SaveToFile(Path("again.gtg"));
        EXPECT_EQ(ReadBytes(Path("again.gtg")).toHex(' ').toStdString(),
                  file.toHex(' ').toStdString())
            << c.Code;
    }
}

TEST_F(PuzzleTest, LoadedFillerLettersAreClearedLikeAnyOther) {
    GameFileContent content = GameFileContent::Cat();
    content.RandomLettersUsed = true;
    for (int i : {1, 2, 4, 5, 7, 8})
        content.Cells[i] = {'Q', wgcsFiller};
    ASSERT_EQ(S(Load(content.Build().Bytes)), "");
    EXPECT_TRUE(Loader.RandomLettersUsed());
    EXPECT_EQ(S(Loader.GetCellText(2, 2)), "Q"); // filling again keeps them
    Loader.SetRandomLettersUsed(false);
    EXPECT_TRUE(Loader.GetCellText(2, 2).isEmpty());
    EXPECT_EQ(S(Loader.GetCellText(2, 0)), "T");
}

// Whatever lies under its first letter: an empty cell, or a letter of a word
// placed before it that differs from the word's other letters.
TEST_F(PuzzleTest, UnknownDirectionLeavesTheWordOutAndReadingGoesOn) {
    for (const bool onAWord : {false, true})
        for (const int direction : {8, 259, -1, INT_MAX}) {
            const std::string name = std::to_string(direction) + (onAWord ? " on CAT" : "");
            GameFileContent content = GameFileContent::Cat();
            if (onAWord)
                content.Words.push_back({"COW", 0, 0, direction});
            else
                content.Words = {{"CAT", 0, 0, direction}};
            Loader.SetLastDirection(wdBottom);
            Fake.Messages.clear();
            Fake.Answer(mrOk);
            EXPECT_EQ(S(Load(content.Build().Bytes)), "") << name;
            EXPECT_EQ(Loader.WordCount(), onAWord ? 1 : 0) << name;
            ASSERT_EQ(Fake.Messages.size(), 1u) << name;
            EXPECT_EQ(S(Fake.Messages[0].text), "No direction found");
            EXPECT_EQ(Loader.LastDirection(), onAWord ? wdRight : wdBottom) << name;
            EXPECT_EQ(S(Loader.WishList()->Lines()), "ZEBRA");
        }
}

TEST_F(PuzzleTest, GridSidesOutsideOneTo255AreRefusedBeforeAnythingIsSized) {
    struct Case {
        int Columns, Rows;
        bool Cells; // the file holds every cell
        bool Valid;
    };
    const Case cases[] = {
        {1, 1, true, true},      {255, 2, true, true},       {2, 255, true, true},
        {0, 3, true, false},     {-1, 3, true, false},       {256, 3, true, false},
        {3, 256, true, false},   {INT_MAX, 3, false, false}, {100000, 100000, false, false},
        {255, 255, false, false}};
    for (const Case& c : cases) {
        const std::string name = std::to_string(c.Columns) + "x" + std::to_string(c.Rows);
        GameFileContent content = GameFileContent::Cat();
        content.Columns = c.Columns;
        content.Rows = c.Rows;
        content.Words.clear();
        content.Cells.clear();
        if (c.Cells)
            content.Cells.resize(size_t(std::max(c.Columns, 0)) * std::max(c.Rows, 0), {0, 0});
        Loader.SetGridSize(10, 10);
        if (c.Valid) {
            EXPECT_EQ(S(Load(content.Build().Bytes)), "") << name;
            EXPECT_EQ(Loader.ColCount(), c.Columns);
            EXPECT_EQ(Loader.RowCount(), c.Rows);
        } else {
            ExpectInvalid(content.Build().Bytes, name);
            EXPECT_EQ(Loader.ColCount(), 10) << name;
            EXPECT_EQ(Loader.RowCount(), 10) << name;
        }
    }
}

TEST_F(PuzzleTest, FileCutAtAnyByteIsRefusedUnlessItEndsAfterTheWords) {
    GameFileContent content = GameFileContent::Cat();
    content.IncludeColours = true;
    content.Colours = std::vector<int32_t>(16, 0x00C0FFEE);
    const TypedBytes file = content.Build();
    const int endOfWords = file.Marks.at("wishlist");
    for (int n = 0; n < file.Bytes.size(); ++n) {
        if (n == endOfWords)
            EXPECT_EQ(S(Load(file.Bytes.left(n))), "");
        else
            ExpectInvalid(file.Bytes.left(n), "cut at " + std::to_string(n));
    }
}

TEST_F(PuzzleTest, AnyWrongTagIsRefused) {
    GameFileContent content = GameFileContent::Cat();
    content.IncludeColours = true;
    content.Colours = std::vector<int32_t>(16, 0);
    const TypedBytes file = content.Build();
    for (const int offset : file.TagOffsets)
        for (const char tag : QByteArray("SIFDBs\0", 7)) {
            if (file.Bytes[offset] == tag)
                continue;
            QByteArray bytes = file.Bytes;
            bytes[offset] = tag;
            ExpectInvalid(bytes,
                          "tag " + std::to_string(int(tag)) + " at " + std::to_string(offset));
        }
}

// The reader stops after the wish list's entries; whatever follows is left
// alone, as in files that an older save left a tail on.
TEST_F(PuzzleTest, DamagedCountsAreRefused) {
    struct Case {
        const char* Mark;
        int Skip; // bytes from the mark to the count: the tag, or a string's tag
        bool ZeroLoads;
    };
    const Case cases[] = {{"header", 1, false},   {"title", 1, false},     {"columns", 1, false},
                          {"rows", 1, false},     {"wordcount", 1, false}, {"word0", 1, false},
                          {"wishcount", 1, true}, {"wish0", 1, true}};
    const TypedBytes file = GameFileContent::Cat().Build();
    for (const Case& c : cases)
        for (const int32_t value : {-1, 0, INT_MAX}) {
            QByteArray bytes = file.Bytes;
            const int at = file.Marks.at(c.Mark) + c.Skip;
            std::memcpy(bytes.data() + at, &value, sizeof value);
            const std::string name = std::string(c.Mark) + " " + std::to_string(value);
            if (value == 0 && c.ZeroLoads)
                EXPECT_EQ(S(Load(bytes)), "") << name;
            else
                ExpectInvalid(bytes, name);
        }
}

TEST_F(PuzzleTest, BadContentIsRefused) {
    using Damage = std::function<void(GameFileContent&)>;
    std::vector<std::pair<std::string, Damage>> cases = {
        {"same word twice", [](GameFileContent& c) { c.Words.push_back(c.Words[0]); }},
        {"word longer than the grid", [](GameFileContent& c) { c.Words[0].Text = "CATS"; }},
        {"word running out", [](GameFileContent& c) { c.Words[0].X = 1; }},
        {"word starting left of the grid", [](GameFileContent& c) { c.Words[0].X = -1; }},
        {"word starting far away", [](GameFileContent& c) { c.Words[0].Y = INT_MAX; }},
    };
    // The last value rounds to midnight ending year 9999.
    for (const double value : {std::nan(""), HUGE_VAL, -HUGE_VAL, 1e300, -1e7, 2958465.9999999995})
        cases.emplace_back("count-down " + std::to_string(value),
                           [value](GameFileContent& c) { c.CountDown = value; });
    for (const auto& [name, damage] : cases) {
        GameFileContent content = GameFileContent::Cat();
        damage(content);
        ExpectInvalid(content.Build().Bytes, name);
    }
}

// Without the placement checks nothing a word breaks refuses the file.
TEST_F(PuzzleTest, WithoutWordChecksARepeatedWordLoadsOnce) {
    GameFileContent content = GameFileContent::Cat();
    content.Words.push_back(content.Words[0]);
    Loader.SetCheckWords(false);
    EXPECT_EQ(S(Load(content.Build().Bytes)), "");
    EXPECT_EQ(Loader.WordCount(), 1);
}

// Only what the reader meets is replaced: a file that cannot be opened keeps
// its own message. Neither failure takes the name.
TEST_F(PuzzleTest, AFailedLoadKeepsTheFileNameAndAMissingFileSaysSo) {
    const QString good = Path("good.gtg");
    WriteBytes(good, GameFileContent::Cat().Build().Bytes);
    Loader.LoadFromFile(good);
    const QString missing = Path("missing.gtg");
    try {
        Loader.LoadFromFile(missing);
        ADD_FAILURE() << "a missing file loaded";
    } catch (const ETypeStream& e) {
        EXPECT_EQ(S(e.Message()), S(QString("File \"%1\" does not exist").arg(missing)));
    }
    ExpectInvalid("S", "one byte");
    EXPECT_EQ(S(Loader.FileName()), S(good));
}

// A file damaged anywhere changes nothing: not the grid, the words, the wish
// list, the properties, the colours, the name or the modified mark, and no
// event reports a word.
TEST_F(PuzzleTest, AFailedLoadLeavesTheLoadedPuzzleExactlyAsItWas) {
    Puzzle.SetGridSize(6, 5);
    Puzzle.GamePreferences()->SetGameTitle("Farm");
    Puzzle.GamePreferences()->SetIncludeColourScheme(true);
    Puzzle.GamePreferences()->ColourPreferences()->SetForeground(crNormalWord, 0x123456);
    Puzzle.PlaceWord(0, 0, wdRight, "HORSE", false);
    Puzzle.PlaceWord(5, 4, wdTop, "GOAT", false);
    Puzzle.SetRandomLettersUsed(true);
    Puzzle.WishList()->Add("sheep");
    const QString loadedPath = Path("farm.gtg");
    Puzzle.SaveToFile(loadedPath);

    TGlyphtroveEditor other;
    other.resize(300, 300);
    other.SetGridSize(4, 3);
    other.GamePreferences()->SetGameTitle("Pets");
    other.PlaceWord(0, 0, wdRight, "CAT", false);
    other.PlaceWord(0, 0, wdBottom, "COW", false);
    other.WishList()->Add("zebra");
    const QString otherPath = Path("pets.gtg");
    other.SaveToFile(otherPath);
    const QByteArray bytes = ReadBytes(otherPath);
    // The wish list ends the file: its count and one entry of five letters.
    const int endOfWords = bytes.size() - 5 - 11;

    Loader.LoadFromFile(loadedPath);
    Loader.WishList()->Add("llama");
    Loader.SetModified();
    int events = 0;
    Loader.OnWordAdded = [&](TObject*, const QString&) { ++events; };
    const QStringList before = PuzzleState(Loader);

    std::vector<std::pair<std::string, QByteArray>> cases;
    for (int n = 0; n < bytes.size(); ++n)
        if (n != endOfWords)
            cases.emplace_back("cut at " + std::to_string(n), bytes.left(n));
    const auto damaged = [&](const std::string& Name, int Offset, char Byte) {
        QByteArray copy = bytes;
        copy[Offset] = Byte;
        cases.emplace_back(Name, copy);
    };
    damaged("header letter", 7, 'X');
    damaged("newer major", 21, 12);
    damaged("tag of the first cell", bytes.indexOf(QByteArray("I\x43\0\0\0I\x04", 7)), 'S');
    // COW moved one column right crosses the A of CAT.
    damaged("second word overlapping the first", bytes.indexOf("COW") + 5, 1);
    // The count's value lies past its tag and the first word's tag and length.
    damaged("word count beyond the words", bytes.indexOf("CAT") - 9, 3);
    damaged("title length beyond the file", 34, 0x7F);
    for (const auto& [name, file] : cases) {
        ExpectInvalid(file, name);
        ASSERT_EQ(before, PuzzleState(Loader)) << name;
    }
    EXPECT_EQ(events, 0);
    EXPECT_EQ(S(Load(bytes.left(endOfWords))), "") << "a file that ends after its words";
    EXPECT_EQ(Loader.WordCount(), 2);
}

// The counts of a file do not depend on the control's pixel size.
TEST_F(PuzzleTest, AControlWithoutASizeLoadsAFile) {
    TGlyphtroveEditor unsized;
    unsized.resize(0, 0);
    const QString path = Path("cat.gtg");
    WriteBytes(path, GameFileContent::Cat().Build().Bytes);
    EXPECT_EQ(MessageOf([&] { unsized.LoadFromFile(path); }), "");
    EXPECT_EQ(unsized.ColCount(), 3);
    EXPECT_EQ(unsized.RowCount(), 3);
    EXPECT_EQ(unsized.SolutionBoard()->ColCount(), 3);
    EXPECT_EQ(S(unsized.GetCellText(2, 0)), "T");
    EXPECT_EQ(unsized.WordCount(), 1);
}

// A game written as the original writes it: one byte a character in the
// Windows code page, in the texts, the word and the cell codes alike.
TEST_F(PuzzleTest, AGameInTheWindowsCodePageLoadsAndSavesBackByteForByte) {
    GameFileContent content;
    content.Title = "Caf\xE9 au lait";
    content.Description = "Cr\xE8me br\xFBl\xE9"
                          "e";
    content.Author = "Zo\xEB";
    content.Columns = 4;
    content.Rows = 2;
    content.IncludeColours = true;
    content.Colours = {0x000000, 0xFFFFFF, 0x0000FF, 0x00FFFF, 0x808080, 0xC0C0C0,
                       0x008000, 0xFFFFFF, 0x000080, 0xFFFFFF, 0x800080, 0xFFFFFF,
                       0xFF0000, 0xFFFFFF, 0x000000, 0xF0F0F0};
    content.Cells = {{'C', 4}, {0, 0}, {'A', 4}, {0, 0}, {'F', 4}, {0, 0}, {0xC9, 4}, {0, 0}};
    content.Words = {{"CAF\xC9", 0, 0, 3}};
    content.Wishes = {"OLIVE"};
    const QByteArray fixture = content.Build().Bytes;
    const QString path = Path("cafe.gtg");
    WriteBytes(path, fixture);

    Loader.LoadFromFile(path);
    EXPECT_EQ(S(Loader.GamePreferences()->GetGameTitle()), "Caf\xC3\xA9 au lait");
    EXPECT_EQ(S(Loader.GetWordText(0)), "CAF\xC3\x89");
    // The stamp of the save is the one the fixture holds.
    Fake.Clock = EncodeDate(2004, 3, 2) + EncodeTime(5, 6, 7, 0);
    const QString saved = Path("saved.gtg");
    Loader.SaveToFile(saved);
    EXPECT_EQ(ReadBytes(saved).toHex(' ').toStdString(), fixture.toHex(' ').toStdString());
}

TEST_F(PuzzleTest, CountDownsOfTheWholeCalendarLoadAndReadBack) {
    const TDateTime lastMoment = EncodeDate(9999, 12, 31) + EncodeTime(23, 59, 59, 999);
    const struct {
        TDateTime Stored;
        TDateTime Read; // the stamp keeps whole seconds
    } cases[] = {{0, 0},
                 {EncodeTime(0, 5, 0, 0), EncodeTime(0, 5, 0, 0)},
                 {EncodeDate(1, 1, 1), EncodeDate(1, 1, 1)},
                 {lastMoment, EncodeDate(9999, 12, 31) + EncodeTime(23, 59, 59, 0)}};
    for (const auto& c : cases) {
        GameFileContent content = GameFileContent::Cat();
        content.CountDown = c.Stored;
        ASSERT_EQ(S(Load(content.Build().Bytes)), "") << c.Stored;
        EXPECT_EQ(DateTimeToMSecs(Loader.GamePreferences()->GetCountDownTimer()),
                  DateTimeToMSecs(c.Read))
            << c.Stored;
    }
}

TEST_F(PuzzleTest, UnusedSpaceOutsideTheThreeFillingModesReadsAsLeftBlank) {
    const struct {
        int Stored;
        uint8_t Read;
    } cases[] = {{0, usRandomLetters}, {1, usWordLetters}, {2, usPartialWords}, {3, usLeftBlank},
                 {4, usLeftBlank},     {-1, usLeftBlank},  {256, usLeftBlank},  {258, usLeftBlank}};
    for (const auto& c : cases) {
        GameFileContent content = GameFileContent::Cat();
        content.UnusedSpace = c.Stored;
        Loader.GamePreferences()->SetUnusedSpace(usRandomLetters);
        ASSERT_EQ(S(Load(content.Build().Bytes)), "") << c.Stored;
        EXPECT_EQ(Loader.GamePreferences()->GetUnusedSpace(), c.Read) << c.Stored;
    }
}

TEST_F(PuzzleTest, EmptyStampsReadAsTheTimeOfLoading) {
    GameFileContent content = GameFileContent::Cat();
    content.Created = "";
    content.Modified = "";
    Fake.Clock = EncodeDate(2025, 7, 8) + EncodeTime(9, 10, 11, 0);
    ASSERT_EQ(S(Load(content.Build().Bytes)), "");
    EXPECT_EQ(S(Loader.GamePreferences()->GetGameCreated()), "08072025 091011");
    EXPECT_EQ(S(Loader.GamePreferences()->GetGameModified()), "08072025 091011");
}

// The sixteen colours follow the play settings as foreground and background of
// each role in the file's own order; a game loaded and saved again is the same
// file, byte for byte.
TEST_F(PuzzleTest, ColoursAreStoredInTheFileOrderOfTheRoles) {
    const TWordGameColourRole fileOrder[] = {crNormalWord, crHighlighted,   crRandomLetter,
                                             crDummyWord,  crDuplicateWord, crOverlappedLetter,
                                             crNewWord,    crBlankSpace};
    GameFileContent content = GameFileContent::Cat();
    content.IncludeColours = true;
    for (int i = 0; i < 16; ++i)
        content.Colours.push_back(0x00100000 + i);
    const QByteArray file = content.Build().Bytes;
    ASSERT_EQ(S(Load(file)), "");
    const TWordGameColourPreferences* colours = Loader.GamePreferences()->ColourPreferences();
    for (int r = 0; r < 8; ++r) {
        EXPECT_EQ(colours->Foreground(fileOrder[r]), TColor(content.Colours[2 * r])) << r;
        EXPECT_EQ(colours->Background(fileOrder[r]), TColor(content.Colours[2 * r + 1])) << r;
    }
    EXPECT_EQ(Loader.GetCellColour(0, 0), TColor(content.Colours[1]));  // a word letter
    EXPECT_EQ(Loader.GetCellColour(1, 1), TColor(content.Colours[15])); // a blank cell

    Fake.Clock = EncodeDate(2004, 3, 2) + EncodeTime(5, 6, 7, 0); // the stored "Game Modified"
    Loader.SaveToFile(Path("again.gtg"));
    EXPECT_EQ(ReadBytes(Path("again.gtg")).toHex(' ').toStdString(), file.toHex(' ').toStdString());
}

// --- Saving and the backup

TEST_F(PuzzleTest, SavingOverAGameKeepsItsPreviousBytesAsTheBackup) {
    const QString path = Path("animals.gtg"), backup = Path("animals.bak");
    Puzzle.SaveToFile(path);
    EXPECT_FALSE(QFile::exists(backup));
    const QByteArray first = ReadBytes(path);
    Puzzle.PlaceWord(0, 0, wdRight, "CAT", false);
    Puzzle.SaveToFile(path);
    const QByteArray second = ReadBytes(path);
    EXPECT_EQ(ReadBytes(backup), first);
    Puzzle.PlaceWord(0, 1, wdRight, "DOG", false);
    Puzzle.SaveToFile(path);
    EXPECT_EQ(ReadBytes(backup), second);
    EXPECT_NE(ReadBytes(path), second);
}

TEST_F(PuzzleTest, SaveOverALongerFileEndsWhereTheWritingEnded) {
    const QString path = Path("animals.gtg");
    WriteBytes(path, QByteArray(100000, 'x'));
    // A folder in the backup's place makes the backup fail.
    ASSERT_TRUE(QDir().mkpath(Path("animals.bak")));
    WriteBytes(Path("animals.bak/keep"), "keep");
    Puzzle.PlaceWord(0, 0, wdRight, "CAT", false);
    Puzzle.SaveToFile(path);
    Puzzle.SaveToFile(Path("fresh.gtg"));
    EXPECT_EQ(ReadBytes(path).size(), ReadBytes(Path("fresh.gtg")).size());
    EXPECT_EQ(Loader.LoadFromFile(path), ReadBytes(path).size());
    EXPECT_EQ(Loader.WordCount(), 1);
}

// Deleting "its backup" would delete the game itself: a save that then
// fails at its first byte would leave nothing of it.
TEST_F(PuzzleTest, AGameSavedAsBakIsNotItsOwnBackup) {
    const QString path = Path("game.bak");
    Puzzle.PlaceWord(0, 0, wdRight, "CAT", false);
    Puzzle.SaveToFile(path);
    const QByteArray saved = ReadBytes(path);
    {
        FileSizeLimit limit(0);
        EXPECT_THROW(Puzzle.SaveToFile(path), Exception);
    }
    EXPECT_EQ(ReadBytes(path), saved);
    Puzzle.SaveToFile(path);
    EXPECT_EQ(S(QDir(Fake.Folder()).entryList(QDir::Files)), "game.bak");
    Loader.LoadFromFile(path);
    EXPECT_EQ(Loader.WordCount(), 1);
}

TEST_F(PuzzleTest, AFailedSaveKeepsTheFileNameAndTheModifiedMark) {
    const QString path = Path("animals.gtg");
    Puzzle.SaveToFile(path);
    const QByteArray saved = ReadBytes(path);
    Puzzle.PlaceWord(0, 0, wdRight, "CAT", false);
    {
        FileSizeLimit limit(64);
        EXPECT_THROW(Puzzle.SaveToFile(Path("other.gtg")), Exception);
    }
    EXPECT_EQ(S(Puzzle.FileName()), S(path));
    EXPECT_TRUE(Puzzle.Modified());
    {
        FileSizeLimit limit(64);
        EXPECT_THROW(Puzzle.SaveToFile(path), Exception);
    }
    EXPECT_EQ(ReadBytes(path), saved);
    EXPECT_FALSE(QFile::exists(Path("animals.bak")));
}

// --- A save that fails part way

// Games in a folder of their own, so that a listing shows every file a save
// leaves behind, hidden ones included.
class FailedSaveTest : public PuzzleTest {
protected:
    FailedSaveTest() { QDir().mkpath(Game("")); }

    QString Game(const QString& Name) const { return Path("games/") + Name; }
    QString Listing() const {
        return QDir(Game(""))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDir::Name)
            .join(",");
    }
    // The size of the file a save would write now.
    int SizeOfNextSave() {
        TBufferTypeStream buffer(tsmWrite);
        Puzzle.SaveToStream(&buffer);
        return int(buffer.Bytes().size());
    }
    // Saves the game twice, a word more the second time: the file and its
    // backup then hold two different good games.
    std::pair<QByteArray, QByteArray> SaveTwoGames(const QString& FileName) {
        Puzzle.ClearGrid();
        Puzzle.PlaceWord(0, 0, wdRight, "CAT", false);
        Puzzle.SaveToFile(FileName);
        const QByteArray older = ReadBytes(FileName);
        Puzzle.PlaceWord(0, 1, wdRight, "DOG", false);
        Puzzle.SaveToFile(FileName);
        return {older, ReadBytes(FileName)};
    }
    std::string Save(const QString& FileName) {
        return MessageOf([&] { Puzzle.SaveToFile(FileName); });
    }
};

// The user's natural retry after "Stream write error" is a second save while
// the disk is still full: neither may cost the last good game or its backup.
TEST_F(FailedSaveTest, SavesCutShortKeepTheLastGoodGameAndItsBackup) {
    const QString path = Game("animals.gtg"), backup = Game("animals.bak");
    for (const bool backupRefused : {false, true}) {
        SCOPED_TRACE(backupRefused ? "a folder holds the backup's name" : "a plain backup");
        QDir(Game("")).removeRecursively();
        QDir().mkpath(Game(""));
        const auto [older, good] = SaveTwoGames(path);
        if (backupRefused) {
            QFile::remove(backup);
            ASSERT_TRUE(QDir().mkpath(backup));
            WriteBytes(backup + "/keep", "keep");
        }
        // The folder in the backup's place stays as the user left it.
        const auto ExpectBackup = [&](const QByteArray& Bytes) {
            if (backupRefused)
                EXPECT_EQ(ReadBytes(backup + "/keep"), "keep");
            else
                EXPECT_EQ(ReadBytes(backup), Bytes);
        };
        Puzzle.PlaceWord(0, 2, wdRight, "EMU", false);
        const int full = SizeOfNextSave();
        ASSERT_GT(full, good.size());
        for (const int limit : {0, 1, 30, int(good.size()) / 2, int(good.size()), full - 1}) {
            SCOPED_TRACE(limit);
            {
                const FileSizeLimit fileSize{rlim_t(limit)};
                EXPECT_EQ(Save(path), "Stream write error");
                EXPECT_EQ(Save(path), "Stream write error");
            }
            EXPECT_EQ(ReadBytes(path), good);
            ExpectBackup(older);
            EXPECT_EQ(S(Listing()), "animals.bak,animals.gtg");
            EXPECT_TRUE(Puzzle.Modified());
            EXPECT_EQ(S(Puzzle.FileName()), S(path));
        }
        Puzzle.SaveToFile(path);
        EXPECT_FALSE(Puzzle.Modified());
        ExpectBackup(good);
        EXPECT_EQ(S(Listing()), "animals.bak,animals.gtg");
        Loader.LoadFromFile(path);
        EXPECT_EQ(Loader.WordCount(), 3);
    }
}

// Where nothing stood at the name, a failed save leaves nothing there, and
// nothing of its own beside it.
TEST_F(FailedSaveTest, AFailedFirstSaveLeavesTheFolderAsItWas) {
    ASSERT_TRUE(QDir().mkpath(Game("folder.gtg")));
    const struct {
        QString Name;
        rlim_t Limit;
        std::string Message;
    } cases[] = {
        {"new.gtg", 0, "Stream write error"},
        {"new.gtg", 40, "Stream write error"},
        {"missing/new.gtg", RLIM_INFINITY, S("Cannot create file " + Game("missing/new.gtg"))},
        {"folder.gtg", RLIM_INFINITY, S("Cannot create file " + Game("folder.gtg"))},
    };
    Puzzle.PlaceWord(0, 0, wdRight, "CAT", false);
    for (const auto& c : cases) {
        SCOPED_TRACE(S(c.Name) + " " + std::to_string(c.Limit));
        {
            const FileSizeLimit fileSize{c.Limit};
            EXPECT_EQ(Save(Game(c.Name)), c.Message);
        }
        EXPECT_EQ(S(Listing()), "folder.gtg");
        EXPECT_TRUE(QDir(Game("folder.gtg")).isEmpty());
        EXPECT_TRUE(Puzzle.Modified());
        EXPECT_TRUE(Puzzle.FileName().isEmpty());
    }
}

// A save killed while it writes (here by the file-size signal) cannot clean
// up after itself; the game and its backup must still be whole.
TEST_F(FailedSaveTest, ASaveKilledWhileWritingKeepsTheGameAndItsBackup) {
    const QString path = Game("animals.gtg"), backup = Game("animals.bak");
    const auto [older, good] = SaveTwoGames(path);
    Puzzle.PlaceWord(0, 2, wdRight, "EMU", false);
    for (int attempt = 0; attempt < 2; ++attempt) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_DFL);
            const rlimit limit{rlim_t(good.size() / 2), rlim_t(good.size() / 2)};
            setrlimit(RLIMIT_FSIZE, &limit);
            try {
                Puzzle.SaveToFile(path);
            } catch (...) {
            }
            _exit(0);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << status;
    }
    EXPECT_EQ(ReadBytes(path), good);
    EXPECT_EQ(ReadBytes(backup), older);
    Puzzle.SaveToFile(path);
    EXPECT_EQ(ReadBytes(backup), good);
}

// A reader holding the game open (the player loading it) does not stop a
// save: the old file only changes its name.
TEST_F(FailedSaveTest, ASaveOverAGameOpenElsewhereReplacesIt) {
    const QString path = Game("animals.gtg"), backup = Game("animals.bak");
    Puzzle.PlaceWord(0, 0, wdRight, "CAT", false);
    Puzzle.SaveToFile(path);
    const QByteArray first = ReadBytes(path);
    const int reader = FileOpen(path, faRead);
    ASSERT_GE(reader, 0);
    Puzzle.PlaceWord(0, 1, wdRight, "DOG", false);
    EXPECT_EQ(Save(path), "");
    FileClose(reader);
    EXPECT_EQ(ReadBytes(backup), first);
    Loader.LoadFromFile(path);
    EXPECT_EQ(Loader.WordCount(), 2);
    EXPECT_EQ(S(Listing()), "animals.bak,animals.gtg");
}

// A game the user made read-only is not saved over, whoever runs the
// program: the file, its backup and the game stay as they were, and the
// game can still be saved under another name.
TEST_F(FailedSaveTest, AReadOnlyGameIsNotSavedOver) {
    const QString path = Game("animals.gtg"), backup = Game("animals.bak");
    const auto [older, good] = SaveTwoGames(path);
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    Puzzle.PlaceWord(0, 2, wdRight, "EMU", false);
    Puzzle.HighlightWord(0);
    const QString modifiedStamp = Puzzle.GamePreferences()->GetGameModified();
    EXPECT_EQ(Save(path), S("Cannot create file \"" + path + "\". The file is read-only"));
    EXPECT_EQ(ReadBytes(path), good);
    EXPECT_EQ(ReadBytes(backup), older);
    EXPECT_EQ(S(Listing()), "animals.bak,animals.gtg");
    EXPECT_TRUE(Puzzle.Modified());
    EXPECT_EQ(Puzzle.GetCellState(0, 0), wgcsWord | wgcsHighlighted);
    EXPECT_EQ(S(Puzzle.GamePreferences()->GetGameModified()), S(modifiedStamp));

    EXPECT_EQ(Save(Game("copy.gtg")), "");
    Loader.LoadFromFile(Game("copy.gtg"));
    EXPECT_EQ(Loader.WordCount(), 3);
}

// A new game file is readable as any file the user makes, not private to
// the user as a temporary file would be; one the user made private stays so.
TEST_F(FailedSaveTest, ASavedGameGetsTheUsualMode) {
    struct Umask {
        mode_t Old = umask(022);
        ~Umask() { umask(Old); }
    } const usual;
    const QString path = Game("animals.gtg");
    Puzzle.SaveToFile(path);
    struct stat info {};
    ASSERT_EQ(stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0644u);
    ASSERT_EQ(chmod(QFile::encodeName(path).constData(), 0600), 0);
    Puzzle.SaveToFile(path);
    ASSERT_EQ(stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
}

TEST_F(PuzzleTest, SavingHidesHighlightsAndFinishesWhenAsked) {
    Puzzle.PlaceWord(0, 0, wdRight, "CAT", false);
    Puzzle.HighlightWord(0);
    int hidden = 0;
    Puzzle.OnHideAllWords = [&](TObject*) { ++hidden; };
    Puzzle.GamePreferences()->SetAutoFinish(true);
    Puzzle.SaveToFile(Path("done.gtg"));
    EXPECT_EQ(hidden, 1);
    EXPECT_EQ(Puzzle.GetCellState(0, 0), wgcsWord);
    EXPECT_TRUE(Puzzle.RandomLettersUsed());
    EXPECT_FALSE(Puzzle.GetCellText(9, 9).isEmpty());
}

} // namespace
