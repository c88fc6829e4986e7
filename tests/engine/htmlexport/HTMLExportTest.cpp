#include "engine/htmlexport/HTMLExportUn.h"

#include "engine/puzzle/GlyphtroveUn.h"
#include "platform/TextFile.h"
#include "support/FakeServices.h"

#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

const char* const AppTitle = "Glyphtrove Designer v.1.00b";

// The lines of the page's head and style sheet, as every page starts.
QStringList HeadLines() {
    return {
        "<HTML>",
        "<HEAD>",
        "<META NAME=\"GENERATOR\" Content=\"Fernhallow Tessellex 1.10\">",
        "<TITLE>Fernhallow Software Glyphtrove Designer v.1.00b</TITLE>",
        "<STYLE>",
        "BODY",
        "{",
        "    FONT-FAMILY: Arial;",
        "}",
        ".header",
        "{",
        "    FONT-SIZE: x-large;",
        "    FONT-FAMILY: Arial;",
        "    TEXT-ALIGN: center",
        "}",
        ".title",
        "{",
        "    FONT-SIZE: large;",
        "    FONT-FAMILY: Arial;",
        "    TEXT-ALIGN: center",
        "}",
        ".description",
        "{",
        "    FONT-SIZE: medium;",
        "    FONT-FAMILY: Arial;",
        "    TEXT-ALIGN: center",
        "}",
        ".grid",
        "{",
        "    BORDER-RIGHT: thin solid;",
        "    PADDING-RIGHT: 1pt;",
        "    BORDER-TOP: thin solid;",
        "    PADDING-LEFT: 1pt;",
        "    PADDING-BOTTOM: 1pt;",
        "    MARGIN: 1pt;",
        "    BORDER-LEFT: thin solid;",
        "    WIDTH: 8pt;",
        "    LINE-HEIGHT: 180%;",
        "    PADDING-TOP: 1pt;",
        "    BORDER-BOTTOM: thin solid;",
        "    LETTER-SPACING: normal;",
        "    HEIGHT: 8pt;",
        "    TEXT-ALIGN: center",
        "}",
        ".words",
        "{",
        "    BORDER-RIGHT: 0pt;",
        "    BORDER-TOP: 0pt;",
        "    FONT-SIZE: x-small;",
        "    BORDER-LEFT: 0pt;",
        "    BORDER-BOTTOM: 0pt;",
        "    FONT-FAMILY: Arial;",
        "    TEXT-ALIGN: left",
        "}",
        ".gridtext",
        "{",
        "    BORDER-RIGHT: medium none;",
        "    BORDER-TOP: medium none;",
        "    FONT-SIZE: x-small;",
        "    BORDER-LEFT: medium none;",
        "    BORDER-BOTTOM: medium none;",
        "    FONT-FAMILY: \"Courier New\";",
        "    TEXT-ALIGN: center",
        "}",
        "</STYLE>",
        "</HEAD>",
        "<BODY>",
        "<P class=header>Glyphtrove Designer v.1.00b</P>",
    };
}

const char* const GridTableLine =
    "<TABLE style=\"WIDTH: 80%\" borderColor=black cellSpacing=1 borderColorDark=gray "
    "cellPadding=1 width=\"80%\" align=center borderColorLight=silver border=1>";
const char* const WordTableLine =
    "<P><TABLE cellSpacing=1 cellPadding=1 width=\"90%\" align=center border=0>";

class HTMLExportTest : public ::testing::Test {
protected:
    HTMLExportTest() {
        Puzzle.resize(400, 400);
        PageFile = Fake.Folder() + "/page.html";
    }

    // One word per row, rightwards from column 0.
    void MakePuzzle(int Columns, const QStringList& Words) {
        Puzzle.SetGridSize(Columns, int(Words.size()));
        for (int row = 0; row < Words.size(); ++row)
            Puzzle.PlaceWord(0, row, wdRight, Words[row], false);
    }

    QByteArray Export() {
        TGlyphtroveHTMLExport exporter;
        exporter.SetTitle(AppTitle);
        exporter.SetFileName(PageFile);
        exporter.SetGame(&Puzzle);
        exporter.Execute();
        EXPECT_FALSE(exporter.Busy());
        QFile file(PageFile);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    // The page's lines; every line must end with CR LF.
    QStringList ExportLines() {
        const QByteArray bytes = Export();
        EXPECT_TRUE(bytes.endsWith("\r\n"));
        QStringList lines = QString::fromLatin1(bytes).split("\r\n");
        lines.removeLast();
        return lines;
    }

    // The lines between the word table's opening and closing lines.
    QStringList WordTableRows() {
        const QStringList lines = ExportLines();
        const int from = int(lines.indexOf(WordTableLine)) + 1;
        const int to = int(lines.lastIndexOf("</TABLE></P>"));
        return lines.mid(from, to - from);
    }

    FakeServices Fake;
    TCustomGlyphtrove Puzzle;
    QString PageFile;
};

TEST_F(HTMLExportTest, PageOfASmallPuzzleLineForLine) {
    const QStringList words{"EMU", "YAK", "BAT", "OWL", "ANT", "PIG", "COW", "ELK", "APE"};
    MakePuzzle(3, words);
    Puzzle.GamePreferences()->SetGameTitle("Pets");

    QStringList expected = HeadLines();
    expected << "<P class=title>Pets"
             << "<P>" << GridTableLine;
    for (const QString& word : words) {
        expected << "<TR class=grid>";
        for (const QChar letter : word)
            expected << QString("<TD class=gridtext><P align=center>%1</P></TD>").arg(letter);
        expected << "</TR>";
    }
    expected << "</TABLE></P>" << WordTableLine;
    expected << "<TR>"
             << "<TD class=words align=left>ANT</TD>"
             << "<TD class=words align=left>APE</TD>"
             << "<TD class=words align=left>BAT</TD>"
             << "<TD class=words align=left>COW</TD>"
             << "</TR>"
             << "<TR>"
             << "<TD class=words align=left>ELK</TD>"
             << "<TD class=words align=left>EMU</TD>"
             << "<TD class=words align=left>OWL</TD>"
             << "<TD class=words align=left>PIG</TD>"
             << "</TR>"
             << "<TR>"
             << "<TD class=words align=left>YAK</TD>"
             << "</TABLE></P>";

    const QStringList lines = ExportLines();
    ASSERT_EQ(lines.size(), expected.size() + 3);
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(lines[i].toStdString(), expected[i].toStdString()) << "line " << i + 1;
    // The credit line: one paragraph in font size 1, then the end of the page.
    EXPECT_TRUE(lines[expected.size()].startsWith("<P><FONT size=1>"));
    EXPECT_TRUE(lines[expected.size()].endsWith("</FONT></P>"));
    EXPECT_EQ(lines.mid(expected.size() + 1), QStringList({"</BODY>", "</HTML>"}));

    QStringList order;
    Puzzle.GetWordList(order);
    EXPECT_EQ(order, words) << "the puzzle's own word order stays";
}

TEST_F(HTMLExportTest, AuthorDescriptionAndTextsOutsideAscii) {
    MakePuzzle(3, {"GNU"});
    Puzzle.WriteCell(2, 0, [&] {
        TGameCellRecord cell = Puzzle.GetCell(2, 0);
        cell.Text = QString::fromUtf8("\xc3\x89"); // É
        return cell;
    }());
    TWordGameProperties& properties = *Puzzle.GamePreferences();
    properties.SetGameTitle("Cats & <Dogs>");
    properties.SetGameAuthor(QString::fromUtf8("Ren\xc3\xa9"));
    properties.SetGameDescription(QString::fromUtf8("Pets \xe2\x82\xac 100%s"));

    const QByteArray bytes = Export();
    for (const char c : bytes)
        ASSERT_GE(uint8_t(c), 0x0a) << "only ASCII and line ends";
    for (const char c : bytes)
        ASSERT_LT(uint8_t(c), 0x80);
    const QStringList lines = QString::fromLatin1(bytes).split("\r\n");
    const int at = int(lines.indexOf("<P class=header>Glyphtrove Designer v.1.00b</P>")) + 1;
    EXPECT_EQ(lines[at], "<P class=title>Cats & <Dogs> by Ren&#233;</P>");
    EXPECT_EQ(lines[at + 1], "<P class=description>Pets &#8364; 100%s</P>");
    EXPECT_EQ(lines[at + 2], "<P>");
    EXPECT_TRUE(lines.contains("<TD class=gridtext><P align=center>&#201;</P></TD>"));
}

TEST_F(HTMLExportTest, WordTableRowsByFours) {
    const struct {
        QStringList Words;
        QStringList Rows;
    } cases[] = {
        {{}, {}},
        {{"AAA", "BBB", "CCC", "DDD"},
         {"<TR>", "<TD class=words align=left>AAA</TD>", "<TD class=words align=left>BBB</TD>",
          "<TD class=words align=left>CCC</TD>", "<TD class=words align=left>DDD</TD>", "</TR>"}},
        {{"EEE", "AAA", "BBB", "CCC", "DDD"},
         {"<TR>", "<TD class=words align=left>AAA</TD>", "<TD class=words align=left>BBB</TD>",
          "<TD class=words align=left>CCC</TD>", "<TD class=words align=left>DDD</TD>", "</TR>",
          "<TR>", "<TD class=words align=left>EEE</TD>"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Words.join(",").toStdString());
        MakePuzzle(3, c.Words);
        EXPECT_EQ(WordTableRows(), c.Rows);
    }
}

// An export whose grid step starts the export again, as a re-entrant call
// during a running export would.
class TReentrantExport : public TGlyphtroveHTMLExport {
protected:
    void WriteGrid() override { Execute(); }
};

TEST_F(HTMLExportTest, RefusalsLeaveNothingBusy) {
    MakePuzzle(3, {"OWL"});
    TReentrantExport reentrant;
    reentrant.SetFileName(PageFile);
    reentrant.SetGame(&Puzzle);
    try {
        reentrant.Execute();
        ADD_FAILURE() << "no busy refusal";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), "Currently busy, please wait until completed");
    }
    EXPECT_FALSE(reentrant.Busy());

    TGlyphtroveHTMLExport noGame;
    noGame.SetFileName(Fake.Folder() + "/none.html");
    try {
        noGame.Execute();
        ADD_FAILURE() << "no refusal without a game";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), "Word game not assigned");
    }
    EXPECT_FALSE(QFile::exists(Fake.Folder() + "/none.html"));

    TGlyphtroveHTMLExport noFolder;
    noFolder.SetFileName(Fake.Folder() + "/missing/page.html");
    noFolder.SetGame(&Puzzle);
    EXPECT_THROW(noFolder.Execute(), EInOutError);
    EXPECT_FALSE(noFolder.Busy());
}

TEST_F(HTMLExportTest, SetFileNameDeletesTheFileOfTheOldName) {
    MakePuzzle(3, {"OWL"});
    Export();
    ASSERT_TRUE(QFile::exists(PageFile));
    TGlyphtroveHTMLExport exporter;
    exporter.SetFileName(PageFile);
    exporter.SetFileName(Fake.Folder() + "/other.html");
    EXPECT_FALSE(QFile::exists(PageFile));
}

} // namespace
