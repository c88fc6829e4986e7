#include "engine/htmlexport/HTMLExportUn.h"

#include "engine/wordgame/CustomWordGameUn.h"
#include "platform/Exception.h"
#include "platform/TextFile.h"

#include <QFile>
#include <QStringList>
#include <algorithm>
#include <initializer_list>

namespace {

struct TStyleRule {
    const char* Selector;
    std::initializer_list<const char*> Properties;
};

const TStyleRule StyleSheet[] = {
    {"BODY", {"FONT-FAMILY: Arial;"}},
    {".header", {"FONT-SIZE: x-large;", "FONT-FAMILY: Arial;", "TEXT-ALIGN: center"}},
    {".title", {"FONT-SIZE: large;", "FONT-FAMILY: Arial;", "TEXT-ALIGN: center"}},
    {".description", {"FONT-SIZE: medium;", "FONT-FAMILY: Arial;", "TEXT-ALIGN: center"}},
    {".grid",
     {"BORDER-RIGHT: thin solid;", "PADDING-RIGHT: 1pt;", "BORDER-TOP: thin solid;",
      "PADDING-LEFT: 1pt;", "PADDING-BOTTOM: 1pt;", "MARGIN: 1pt;", "BORDER-LEFT: thin solid;",
      "WIDTH: 8pt;", "LINE-HEIGHT: 180%;", "PADDING-TOP: 1pt;", "BORDER-BOTTOM: thin solid;",
      "LETTER-SPACING: normal;", "HEIGHT: 8pt;", "TEXT-ALIGN: center"}},
    {".words",
     {"BORDER-RIGHT: 0pt;", "BORDER-TOP: 0pt;", "FONT-SIZE: x-small;", "BORDER-LEFT: 0pt;",
      "BORDER-BOTTOM: 0pt;", "FONT-FAMILY: Arial;", "TEXT-ALIGN: left"}},
    {".gridtext",
     {"BORDER-RIGHT: medium none;", "BORDER-TOP: medium none;", "FONT-SIZE: x-small;",
      "BORDER-LEFT: medium none;", "BORDER-BOTTOM: medium none;", "FONT-FAMILY: \"Courier New\";",
      "TEXT-ALIGN: center"}},
};

constexpr int WordColumns = 4;

QStringList SortedWords(TCustomWordGame& Game) {
    QStringList words;
    Game.GetWordList(words);
    std::stable_sort(words.begin(), words.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return words;
}

} // namespace

QString ToHTMLCharacterReferences(const QString& Text) {
    QString result;
    result.reserve(Text.size());
    for (const char32_t code : Text.toUcs4()) {
        if (code < 0x80)
            result += QChar(char16_t(code));
        else
            result += QString("&#%1;").arg(uint32_t(code));
    }
    return result;
}

TWordGameHTMLExport::TWordGameHTMLExport() = default;
TWordGameHTMLExport::~TWordGameHTMLExport() = default;

void TWordGameHTMLExport::SetFileName(const QString& Name) {
    if (!FFileName.isEmpty() && QFile::exists(FFileName))
        QFile::remove(FFileName);
    FFileName = Name;
}

void TWordGameHTMLExport::Execute() {
    if (FBusy)
        throw Exception("Currently busy, please wait until completed");
    if (!FGame)
        throw Exception("Word game not assigned");
    struct BusyGuard {
        TWordGameHTMLExport& Export;
        ~BusyGuard() {
            Export.FFile.reset();
            Export.FBusy = false;
        }
    };
    FFile = std::make_unique<TTextFileWriter>(FFileName);
    FBusy = true;
    BusyGuard guard{*this};
    WriteHeader();
    WriteGrid();
    WriteFooter();
    FFile->Close();
}

void TWordGameHTMLExport::WriteLine(const QString& Text) {
    FFile->WriteLn(ToHTMLCharacterReferences(Text));
}

void TWordGameHTMLExport::WriteStyleSheet() {
    WriteLine("<STYLE>");
    for (const TStyleRule& rule : StyleSheet) {
        WriteLine(rule.Selector);
        WriteLine("{");
        for (const char* property : rule.Properties)
            WriteLine(QString("    ") + property);
        WriteLine("}");
    }
    WriteLine("</STYLE>");
}

void TWordGameHTMLExport::WriteHeader() {
    WriteLine("<HTML>");
    WriteLine("<HEAD>");
    WriteLine("<META NAME=\"GENERATOR\" Content=\"Fernhallow Tessellex 1.10\">");
    WriteFormattedLine("<TITLE>Fernhallow Software %s</TITLE>", FTitle);
    WriteStyleSheet();
    WriteLine("</HEAD>");
    WriteLine("<BODY>");
    WriteFormattedLine("<P class=header>%s</P>", FTitle);
    WriteTitleBlock();
    WriteLine("<P>");
}

void TWordGameHTMLExport::WriteTitleBlock() {
    TWordGameProperties& properties = *FGame->GamePreferences();
    QString line = Format("<P class=title>%s", properties.GetGameTitle());
    if (!properties.GetGameAuthor().isEmpty())
        line += Format(" by %s</P>", properties.GetGameAuthor());
    WriteLine(line);
    if (!properties.GetGameDescription().isEmpty())
        WriteFormattedLine("<P class=description>%s</P>", properties.GetGameDescription());
}

void TGlyphtroveHTMLExport::WriteGrid() {
    TCustomWordGame& game = *Game();
    WriteLine("<TABLE style=\"WIDTH: 80%\" borderColor=black cellSpacing=1 borderColorDark=gray "
              "cellPadding=1 width=\"80%\" align=center borderColorLight=silver border=1>");
    for (int row = 0; row < game.RowCount(); ++row) {
        WriteLine("<TR class=grid>");
        for (int col = 0; col < game.ColCount(); ++col)
            WriteFormattedLine("<TD class=gridtext><P align=center>%s</P></TD>",
                               game.GetCellText(col, row));
        WriteLine("</TR>");
    }
    WriteLine("</TABLE></P>");
}

void TGlyphtroveHTMLExport::WriteWordTable() {
    WriteLine("<P><TABLE cellSpacing=1 cellPadding=1 width=\"90%\" align=center border=0>");
    const QStringList words = SortedWords(*Game());
    for (int i = 0; i < words.size(); ++i) {
        if (i % WordColumns == 0)
            WriteLine("<TR>");
        WriteFormattedLine("<TD class=words align=left>%s</TD>", words[i]);
        if (i % WordColumns == WordColumns - 1)
            WriteLine("</TR>");
    }
    WriteLine("</TABLE></P>");
}

void TGlyphtroveHTMLExport::WriteFooter() {
    WriteWordTable();
    WriteLine("<P><FONT size=1>Made with <A href=\"https://www.fernhallow.example/glyphtrove/\">"
              "Glyphtrove</A> from Fernhallow Software</FONT></P>");
    WriteLine("</BODY>");
    WriteLine("</HTML>");
}
