#include "engine/wordgame/CustomWordGameUn.h"
#include "tests/engine/wordgame/WordGameFixture.h"

#include "platform/TextFile.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

class TextFileTest : public ::testing::Test {
protected:
    TextFileTest() {
        Game.resize(400, 400);
        Other.resize(400, 400);
        Fake.Clock = EncodeDate(2024, 6, 1) + EncodeTime(9, 30, 0, 0);
    }

    QString Path(const QString& Name) const { return Fake.Folder() + "/" + Name; }

    void WriteFile(const QString& Name, const QByteArray& Bytes) const {
        QFile file(Path(Name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Bytes);
    }

    static QByteArray ReadFile(const QString& FileName) {
        QFile file(FileName);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << FileName;
        return file.readAll();
    }

    QByteArray ExportBytes(TCustomWordGame& From, const QString& Name) {
        From.ExportToTextFile(Path(Name));
        return ReadFile(Path(Name));
    }

    // Imports lines given without their CR LF endings.
    void Import(const QStringList& Lines) {
        WriteFile("in.gtx", (Lines.join("\r\n") + "\r\n").toUtf8());
        Game.ImportFromTextFile(Path("in.gtx"));
    }

    static QString Row(const TCustomWordGame& From, int Y) {
        QString text;
        for (int x = 0; x < From.ColCount(); ++x) {
            const QString cell = From.GetCellText(x, Y);
            text += cell.isEmpty() ? QString(".") : cell;
        }
        return text;
    }

    static QStringList Words(const TCustomWordGame& From) {
        QStringList list;
        From.GetWordList(list);
        return list;
    }

    FakeServices Fake;
    TTestWordGame Game;
    TTestWordGame Other;
};

TEST_F(TextFileTest, ExportOfPetsByteForByte) {
    Game.SetGridSize(3, 2);
    Game.PlaceWord(0, 0, wdRight, "CAT", false);
    TWordGameProperties& properties = *Game.GamePreferences();
    properties.SetGameTitle("Pets");
    properties.SetGameCreated("05032001 140709");
    properties.SetGameModified("06032001 080000");
    EXPECT_EQ(ExportBytes(Game, "pets.gtx"), QByteArray("Pets\r\n"
                                                        "\r\n"
                                                        "\r\n"
                                                        "05032001 140709\r\n"
                                                        "06032001 080000\r\n"
                                                        "1.1.0\r\n"
                                                        "CAT\r\n"
                                                        "___\r\n"
                                                        "\r\n"
                                                        "CAT\r\n"));
}

// A line whose characters all lie in the Windows code page is written in it,
// as the original writes it; any other line in UTF-8. Both read back.
TEST_F(TextFileTest, ExportWritesEachLineInTheCodePageWhereItFits) {
    Game.SetGridSize(3, 2);
    Game.PlaceWord(0, 0, wdRight, "CAT", false);
    TWordGameProperties& properties = *Game.GamePreferences();
    properties.SetGameTitle(QString::fromUtf8("Caf\xC3\xA9"));
    properties.SetGameDescription(QString::fromUtf8("\xCE\xA9 and \xC3\xA9"));
    properties.SetGameCreated("05032001 140709");
    properties.SetGameModified("06032001 080000");
    EXPECT_EQ(ExportBytes(Game, "cafe.gtx").left(19).toHex(' ').toStdString(),
              QByteArray("Caf\xE9\r\n\xCE\xA9 and \xC3\xA9\r\n\r\n").toHex(' ').toStdString());

    Other.ImportFromTextFile(Path("cafe.gtx"));
    EXPECT_EQ(Other.GamePreferences()->GetGameTitle(), properties.GetGameTitle());
    EXPECT_EQ(Other.GamePreferences()->GetGameDescription(), properties.GetGameDescription());
}

// Letters, crossings, a dummy, a filler, a hidden and a blank cell, and
// two cells whose text is not one letter.
void MakeRichPuzzle(TTestWordGame& Game) {
    Game.SetGridSize(6, 5);
    Game.PlaceWord(0, 0, wdRight, "HORSE", false);
    Game.PlaceWord(0, 0, wdBottom, "HEN", false);
    Game.PlaceWord(4, 0, wdBottomLeft, "EMU", false);
    Game.PlaceWord(5, 4, wdTop, "YAK", false);
    const auto put = [&](int x, int y, const QString& text, uint32_t state, bool visible) {
        TGameCellRecord cell = Game.GetCell(x, y);
        cell.Text = text;
        cell.State = state;
        cell.Visible = visible;
        Game.WriteCell(x, y, cell);
    };
    put(1, 4, "Q", wgcsDummy, true);
    put(2, 4, "Z", wgcsFiller, true);
    put(3, 4, "", wgcsDummy, false);
    put(4, 4, "", wgcsHighlighted, true); // a matched empty cell: no letter
    put(0, 4, "XY", wgcsDummy, true);     // more than one character
    TWordGameProperties& properties = *Game.GamePreferences();
    properties.SetGameTitle("Farm");
    properties.SetGameDescription("Animals\r\nof the farm");
    properties.SetGameAuthor("Ann");
    properties.SetGameCreated("01012020 101010");
    properties.SetGameModified("02022020 202020");
    properties.SetGameVersion("1.0.3");
}

TEST_F(TextFileTest, ExportImportExportKeepsTheLines) {
    MakeRichPuzzle(Other);
    const QByteArray first = ExportBytes(Other, "first.gtx");
    EXPECT_EQ(first, QByteArray("Farm\r\n"
                                "Animals of the farm\r\n"
                                "Ann\r\n"
                                "01012020 101010\r\n"
                                "02022020 202020\r\n"
                                "1.0.3\r\n"
                                "HORSE_\r\n"
                                "E__M__\r\n"
                                "N_U__K\r\n"
                                "_____A\r\n"
                                "XQZ _Y\r\n"
                                "\r\n"
                                "HORSE\r\n"
                                "HEN\r\n"
                                "EMU\r\n"
                                "YAK\r\n"));

    Game.ImportFromTextFile(Path("first.gtx"));
    EXPECT_EQ(ExportBytes(Game, "second.gtx"), first);
    EXPECT_EQ(Words(Game), Words(Other));
    EXPECT_TRUE(Game.Modified());
    EXPECT_EQ(Game.GetCellState(2, 4), uint32_t(wgcsDummy)) << "a filler comes back as a dummy";
    EXPECT_FALSE(Game.GetCellVisible(3, 4));
    EXPECT_EQ(Game.GetCellState(4, 4), uint32_t(wgcsBlank));
    for (int i = 0; i < Game.WordCount(); ++i) {
        const TWordRec was = Other.GetWordRec(i), now = Game.GetWordRec(i);
        EXPECT_EQ(std::make_tuple(now.X, now.Y, now.Direction),
                  std::make_tuple(was.X, was.Y, was.Direction))
            << now.Word.toStdString();
    }
}

// The six property lines every import below starts with.
QStringList Head() {
    return {"Title", "Desc", "Author", "", "", "1.1.0"};
}

TEST_F(TextFileTest, ImportRebuildsGridAndWords) {
    const struct {
        const char* Name;
        QStringList Body;
        QStringList Rows;
        QStringList Words;
    } cases[] = {
        {"a word listed twice or holding # is dropped and the import goes on",
         {"CAT", "OWL", "W__", "", "C#T", "CAT", "CAT", "OWL", "COW"},
         {"CAT", "OWL", "W.."},
         {"CAT", "OWL", "COW"}},
        {"short and overlong words are dropped even when they lie in the grid",
         {"CAB", "ATE", "TEA", "SEA", "", "AT", "CATS", "CAB"},
         {"CAB", "ATE", "TEA", "SEA"},
         {"CAB"}},
        {"a file ending after the grid rows has no words", {"CAT", "DOG"}, {"CAT", "DOG"}, {}},
        {"a shorter row leaves blank cells at its end",
         {"ABCD", "AB", "", "ABCD"},
         {"ABCD", "AB.."},
         {"ABCD"}},
        {"a blank gives a hidden cell, an underscore a blank one",
         {"AB CD", "_____"},
         {"AB.CD", "....."},
         {}},
        {"a letter of the code page beyond ASCII is one cell, upper-cased",
         {"A\u20acB", "_\u00e9_"},
         {"A\u20acB", ".\u00c9."},
         {}},
        {"letters are upper-cased and a word is listed once in any letter case",
         {"owl", "COW", "", "owl", "owl", "OWL", "COW"},
         {"OWL", "COW"},
         {"OWL", "COW"}},
        {"lines that are no words are dropped",
         {"OWL", "", "", "OW", "owl", "OWL"},
         {"OWL"},
         {"OWL"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Import(Head() + c.Body);
        ASSERT_EQ(Game.RowCount(), c.Rows.size());
        for (int y = 0; y < Game.RowCount(); ++y)
            EXPECT_EQ(Row(Game, y), c.Rows[y]) << "row " << y;
        EXPECT_EQ(Words(Game), c.Words);
        EXPECT_TRUE(Game.Modified());
    }
}

TEST_F(TextFileTest, ImportedCellsAndProperties) {
    Import({"Title", "Desc", "Author", "<not specified>", "", "2.0.1", "AB CD", "E___"});
    EXPECT_EQ(Game.ColCount(), 5);
    const struct {
        int X, Y;
        uint32_t State;
        bool Visible;
        const char* Text;
    } cells[] = {{0, 0, wgcsDummy, true, "A"},
                 {2, 0, wgcsDummy, false, ""},
                 {4, 0, wgcsDummy, true, "D"},
                 {1, 1, wgcsBlank, true, ""},
                 {4, 1, wgcsBlank, true, ""}};
    for (const auto& c : cells) {
        SCOPED_TRACE(testing::Message() << c.X << "," << c.Y);
        EXPECT_EQ(Game.GetCellState(c.X, c.Y), c.State);
        EXPECT_EQ(Game.GetCellVisible(c.X, c.Y), c.Visible);
        EXPECT_EQ(Game.GetCellText(c.X, c.Y), c.Text);
        EXPECT_EQ(Game.GetCellUseCount(c.X, c.Y), 0);
    }
    const TWordGameProperties& properties = *Game.GamePreferences();
    EXPECT_EQ(properties.GetGameTitle(), "Title");
    EXPECT_EQ(properties.GetGameDescription(), "Desc");
    EXPECT_EQ(properties.GetGameAuthor(), "Author");
    EXPECT_EQ(properties.GetGameCreated(), DateTimeToStamp(Fake.Clock));
    EXPECT_EQ(properties.GetGameModified(), "");
    EXPECT_EQ(properties.GetGameVersion(), "2.0.1");
    EXPECT_EQ(ExportBytes(Game, "again.gtx").split('\n').mid(6, 2),
              QList<QByteArray>({"AB CD\r", "E____\r"}));
}

TEST_F(TextFileTest, WordLyingTwiceIsPlacedAtTheLastOccurrence) {
    Import(Head() + QStringList{"CAT", "___", "CAT", "", "CAT"});
    ASSERT_EQ(Game.WordCount(), 1);
    const TWordRec rec = Game.GetWordRec(0);
    EXPECT_EQ(std::make_tuple(rec.X, rec.Y, rec.Direction), std::make_tuple(0, 2, wdRight));
    EXPECT_EQ(Game.GetCellState(0, 2), uint32_t(wgcsWord));
    EXPECT_EQ(Game.GetCellState(0, 0) & wgcsWord, 0u);
}

TEST_F(TextFileTest, FileWithoutGridLinesEmptiesThePuzzle) {
    MakeRichPuzzle(Game);
    Import({"Only a title"});
    EXPECT_EQ(Game.WordCount(), 0);
    for (int y = 0; y < Game.RowCount(); ++y)
        for (int x = 0; x < Game.ColCount(); ++x)
            EXPECT_EQ(Game.GetCellState(x, y), uint32_t(wgcsBlank));
    EXPECT_EQ(Game.GamePreferences()->GetGameTitle(), "Only a title");
    EXPECT_EQ(Game.GamePreferences()->GetGameVersion(), "");
}

TEST_F(TextFileTest, RefusedImportLeavesThePuzzleUnchanged) {
    MakeRichPuzzle(Game);
    const QByteArray before = ExportBytes(Game, "before.gtx");
    const struct {
        const char* Name;
        QByteArray Bytes;
    } files[] = {
        {"a row wider than any grid", "T\r\n\r\n\r\n\r\n\r\n\r\n" + QByteArray(256, 'A') + "\r\n"},
        {"more rows than any grid",
         "T\r\n\r\n\r\n\r\n\r\n\r\n" + QByteArray("AB\r\n").repeated(256)},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.Name);
        WriteFile("big.gtx", f.Bytes);
        EXPECT_THROW(Game.ImportFromTextFile(Path("big.gtx")), Exception);
        EXPECT_EQ(ExportBytes(Game, "after.gtx"), before);
    }
    EXPECT_THROW(Game.ImportFromTextFile(Path("missing.gtx")), EInOutError);
    EXPECT_EQ(ExportBytes(Game, "after.gtx"), before);
    EXPECT_THROW(Game.ExportToTextFile(Path("no/such/folder.gtx")), EInOutError);
}

} // namespace
