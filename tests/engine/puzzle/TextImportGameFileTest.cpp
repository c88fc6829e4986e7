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
        {"letters of the code page beyond ASCII keep their case",
         {QString::fromUtf8("caf\u00e9"), QString::fromUtf8("\u20ac\u0160\u00d3\u017d"),
          QString::fromUtf8("\u0153uf_")},
         {QString::fromUtf8("caf\u00e9"), QString::fromUtf8("\u0153uf"),
          QString::fromUtf8("\u20ac\u0160\u00d3\u017d")},
         {QString::fromUtf8("CAF\u00e9 4444"), QString::fromUtf8("\u20ac\u0160\u00d3\u017d 4444"),
          QString::fromUtf8("\u0153UF. 4440")},
         {QString::fromUtf8("CAF\u00e9"), QString::fromUtf8("\u0153UF"),
          QString::fromUtf8("\u20ac\u0160\u00d3\u017d")}},
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
