// A hand-written text export imported into a puzzle must survive the game
// file: saved and loaded again it gives back its title, words and letters.
#include "engine/puzzle/GlyphtroveUn.h"
#include "support/FakeServices.h"
#include "support/TestFiles.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

std::string S(const QStringList& Lines) {
    return Lines.join(" | ").toStdString();
}

class TextImportGameFileTest : public ::testing::Test {
protected:
    TextImportGameFileTest() {
        for (TGlyphtroveEditor* puzzle : {&Puzzle, &Loader}) {
            puzzle->resize(400, 400);
            puzzle->SetGridSize(10, 10);
        }
        Puzzle.GamePreferences()->SetAutoFinish(false);
    }

    QString Path(const QString& Name) const { return Fake.Folder() + "/" + Name; }

    // Writes the grid rows and word lines under a title line, as UTF-8.
    QString WriteTextFile(const QStringList& Rows, const QStringList& Words) const {
        const QStringList lines =
            QStringList{"Pets", "", "", "", "", "1.1.0"} + Rows + QStringList{""} + Words;
        WriteBytes(Path("in.gtx"), (lines.join("\r\n") + "\r\n").toUtf8());
        return Path("in.gtx");
    }

    void Import(const QStringList& Rows, const QStringList& Words) {
        Puzzle.ImportFromTextFile(WriteTextFile(Rows, Words));
    }

    // The letters of each row, "." for a cell without one, and each cell's state.
    static QStringList Rows(const TCustomGlyphtrove& P) {
        QStringList rows;
        for (int y = 0; y < P.RowCount(); ++y) {
            QString letters, states;
            for (int x = 0; x < P.ColCount(); ++x) {
                const QString text = P.GetCellText(x, y);
                letters += text.isEmpty() ? QString(".") : text;
                states += QString::number(P.GetCellState(x, y));
            }
            rows << letters + " " + states;
        }
        return rows;
    }

    static QStringList Words(const TCustomGlyphtrove& P) {
        QStringList words;
        P.GetWordList(words);
        return words;
    }

    static QStringList State(const TCustomGlyphtrove& P) {
        return QStringList{P.GetGameTitle(), P.Modified() ? "modified" : "saved"} + Rows(P) +
               Words(P);
    }

    FakeServices Fake;
    TGlyphtroveEditor Puzzle;
    TGlyphtroveEditor Loader;
};

TEST_F(TextImportGameFileTest, ImportedGameSavesAndLoadsWithEveryWordAndLetter) {
    const QStringList upperGrid = {"CATXX", "DOGGO", "OWLZZ"};
    const QStringList upperRows = {"CATXX 44422", "DOGGO 44422", "OWLZZ 44422"};
    const struct {
        const char* Name;
        QStringList Grid, WordLines, Rows, Words;
    } cases[] = {
        {"lower-case grid and words",
         {"catxx", "doggo", "owlzz"},
         {"cat", "dog", "owl"},
         upperRows,
         {"CAT", "DOG", "OWL"}},
        {"words in mixed case over an upper-case grid",
         upperGrid,
         {"cat", "Dog", "oWl"},
         upperRows,
         {"CAT", "DOG", "OWL"}},
        {"blanks around a word line; a word not in the grid is dropped",
         upperGrid,
         {"CAT ", "OWL\t", " DOG", "COW "},
         upperRows,
         {"CAT", "OWL", "DOG"}},
        {"letters of the code page beyond ASCII are upper-cased too",
         {QString::fromUtf8("caf\u00e9"), QString::fromUtf8("\u20ac\u0160\u00d3\u017d"),
          QString::fromUtf8("\u0153uf_")},
         {QString::fromUtf8("caf\u00e9"), QString::fromUtf8("\u0153uf"),
          QString::fromUtf8("\u20ac\u0160\u00d3\u017d")},
         {QString::fromUtf8("CAF\u00c9 4444"), QString::fromUtf8("\u20ac\u0160\u00d3\u017d 4444"),
          QString::fromUtf8("\u0152UF. 4440")},
         {QString::fromUtf8("CAF\u00c9"), QString::fromUtf8("\u0152UF"),
          QString::fromUtf8("\u20ac\u0160\u00d3\u017d")}},
        {"accented capitals with their words in lower and mixed case",
         {QString::fromUtf8("CAF\u00c9X"), QString::fromUtf8("\u00dcBERX"),
          QString::fromUtf8("NI\u00d1OX")},
         {QString::fromUtf8("caf\u00e9"), QString::fromUtf8("\u00fcber"),
          QString::fromUtf8("Ni\u00f1o")},
         {QString::fromUtf8("CAF\u00c9X 44442"), QString::fromUtf8("\u00dcBERX 44442"),
          QString::fromUtf8("NI\u00d1OX 44442")},
         {QString::fromUtf8("CAF\u00c9"), QString::fromUtf8("\u00dcBER"),
          QString::fromUtf8("NI\u00d1O")}},
        {"accented small letters with their words in capitals",
         {QString::fromUtf8("caf\u00e9s"), QString::fromUtf8("\u00fcberx"),
          QString::fromUtf8("sm\u00f8rx")},
         {QString::fromUtf8("CAF\u00c9"), QString::fromUtf8("\u00dcBER"),
          QString::fromUtf8("SM\u00d8R")},
         {QString::fromUtf8("CAF\u00c9S 44442"), QString::fromUtf8("\u00dcBERX 44442"),
          QString::fromUtf8("SM\u00d8RX 44442")},
         {QString::fromUtf8("CAF\u00c9"), QString::fromUtf8("\u00dcBER"),
          QString::fromUtf8("SM\u00d8R")}},
        {"accented small letters with their words in small letters",
         {QString::fromUtf8("se\u00f1or"), QString::fromUtf8("sm\u00f8rx"),
          QString::fromUtf8("\u00e5senx")},
         {QString::fromUtf8("se\u00f1or"), QString::fromUtf8("sm\u00f8r"),
          QString::fromUtf8("\u00e5sen")},
         {QString::fromUtf8("SE\u00d1OR 44444"), QString::fromUtf8("SM\u00d8RX 44442"),
          QString::fromUtf8("\u00c5SENX 44442")},
         {QString::fromUtf8("SE\u00d1OR"), QString::fromUtf8("SM\u00d8R"),
          QString::fromUtf8("\u00c5SEN")}},
        // A capital that a game file cannot store as one letter (SS, Greek
        // Mu) leaves the letter as it is; one it can (Y with diaeresis) is taken.
        {"letters without a storable capital stay as they are",
         {QString::fromUtf8("stra\u00dfe"), QString::fromUtf8("\u00b5meter"),
          QString::fromUtf8("\u00ffesxxx")},
         {QString::fromUtf8("Stra\u00dfe"), QString::fromUtf8("\u00b5meter"),
          QString::fromUtf8("\u00ffes")},
         {QString::fromUtf8("STRA\u00dfE 444444"), QString::fromUtf8("\u00b5METER 444444"),
          QString::fromUtf8("\u0178ESXXX 444222")},
         {QString::fromUtf8("STRA\u00dfE"), QString::fromUtf8("\u00b5METER"),
          QString::fromUtf8("\u0178ES")}},
        // "#" stands for any cell: a cell showing one stays a letter of no word.
        {"a cell showing the any-cell mark",
         {"T#GER", "CATXX"},
         {"T#GER", "cat"},
         {"T#GER 22222", "CATXX 44422"},
         {"CAT"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Import(c.Grid, c.WordLines);
        EXPECT_EQ(S(Rows(Puzzle)), S(c.Rows));
        EXPECT_EQ(S(Words(Puzzle)), S(c.Words));

        Puzzle.SaveToFile(Path("pets.gtg"));
        Loader.LoadFromFile(Path("pets.gtg"));
        EXPECT_EQ(Loader.GetGameTitle().toStdString(), "Pets");
        EXPECT_EQ(S(Rows(Loader)), S(c.Rows));
        EXPECT_EQ(S(Words(Loader)), S(c.Words));

        Puzzle.ExportToTextFile(Path("pets.gtx"));
        Loader.ImportFromTextFile(Path("pets.gtx"));
        EXPECT_EQ(S(Rows(Loader)), S(c.Rows));
        EXPECT_EQ(S(Words(Loader)), S(c.Words));
    }
}

TEST_F(TextImportGameFileTest, LetterAGameFileCannotStoreRefusesTheImport) {
    Import({"CATXX", "DOGGO"}, {"CAT", "DOG"});
    const QStringList before = State(Puzzle);
    const struct {
        QStringList Grid;
        int Line;
        QString Letter;
        const char* Code;
    } cases[] = {
        {{QString::fromUtf8("\u0141\u00d3D\u0179")}, 7, QString::fromUtf8("\u0141"), "0141"},
        {{"CAT", QString::fromUtf8("\u03b1\u03b2\u03b3")}, 8, QString::fromUtf8("\u03b1"), "03B1"},
        {{"CAT", "DOG", QString::fromUtf8("A\U0001F600B")},
         9,
         QString::fromUtf8("\U0001F600"),
         "1F600"},
        // A control character that its byte would bring back as an ellipsis.
        {{QString::fromUtf8("CA\u0085T")}, 7, QString::fromUtf8("\u0085"), "0085"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Code);
        const QString file = WriteTextFile(c.Grid, {"CAT"});
        EXPECT_EQ(MessageOf([&] { Puzzle.ImportFromTextFile(file); }),
                  QString("Line %1 of \"%2\" holds \"%3\" (U+%4), a letter that a game file "
                          "cannot store")
                      .arg(c.Line)
                      .arg(file, c.Letter, c.Code)
                      .toStdString());
        EXPECT_EQ(S(State(Puzzle)), S(before));
    }
}

} // namespace
