// The game export file ("gtx"): six property lines, the grid one row per
// line, an empty line, then the listed words. Positions are not stored; the
// import finds each word in the grid again.
#include "engine/wordgame/CustomWordGameUn.h"

#include "platform/TextFile.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <vector>

namespace {

const QString BlankCellChar = QStringLiteral("_");
const QString HiddenCellChar = QStringLiteral(" ");
// A grid side beyond this is no puzzle; refusing it keeps a hostile file
// from making the board allocate without bound.
constexpr int TextGridMaxSide = 255;
constexpr int MinWordLength = 3;

enum TTextProperty { tpTitle, tpDescription, tpAuthor, tpCreated, tpModified, tpVersion };
constexpr int TextPropertyCount = 6;

// What a file holds, read in full before the game is touched.
struct TTextGame {
    std::array<QString, TextPropertyCount> Properties;
    std::vector<QStringList> Rows; // one character per cell
    QStringList Words;
    int Width = 0;
};

// A property line must stay one line, or every later line would shift.
QString SingleLine(QString Text) {
    Text.replace("\r\n", " ");
    Text.replace('\r', ' ');
    Text.replace('\n', ' ');
    return Text;
}

// The characters of a grid line, one per cell; a character outside the
// Basic Multilingual Plane is one cell, not two halves.
QStringList CellCharacters(const QString& Line) {
    QStringList cells;
    for (int i = 0; i < Line.size(); ++i) {
        const bool pair =
            Line[i].isHighSurrogate() && i + 1 < Line.size() && Line[i + 1].isLowSurrogate();
        cells << Line.mid(i, pair ? 2 : 1);
        i += pair ? 1 : 0;
    }
    return cells;
}

// "#" would match any cell when the word is looked up and then be listed as
// a letter, so such a line is no word.
bool IsImportableWord(const QString& Line, int MaxLength) {
    return Line.length() >= MinWordLength && Line.length() <= MaxLength && !Line.contains('#');
}

void ReadProperties(TTextFileReader& Reader, TTextGame& Game) {
    for (QString& property : Game.Properties)
        property = Reader.ReadLn();
}

void ReadRows(TTextFileReader& Reader, const QString& FileName, TTextGame& Game) {
    while (!Reader.Eof()) {
        const QString line = Reader.ReadLn();
        if (line.isEmpty())
            break;
        const QStringList cells = CellCharacters(line);
        if (Game.Rows.size() >= size_t(TextGridMaxSide) || cells.size() > TextGridMaxSide)
            throw Exception(Format("File \"%s\" holds a grid larger than %d x %d cells", FileName,
                                   TextGridMaxSide, TextGridMaxSide));
        Game.Rows.push_back(cells);
        Game.Width = std::max(Game.Width, int(cells.size()));
    }
}

void ReadWords(TTextFileReader& Reader, TTextGame& Game) {
    while (!Reader.Eof()) {
        const QString line = Reader.ReadLn();
        if (IsImportableWord(line, Game.Width))
            Game.Words << line;
    }
}

TTextGame ReadTextGame(const QString& FileName) {
    TTextFileReader reader(FileName);
    TTextGame game;
    ReadProperties(reader, game);
    ReadRows(reader, FileName, game);
    ReadWords(reader, game);
    return game;
}

// Exactly one character per cell, so that every row keeps the grid's width.
QString TextCellChar(const TCustomWordGame& Game, int Column, int Row) {
    const TGameCellRecord cell = Game.GetCell(Column, Row);
    if (cell.State == wgcsBlank)
        return BlankCellChar;
    if (!cell.Visible)
        return HiddenCellChar;
    return cell.Text.isEmpty() ? BlankCellChar : CellCharacters(cell.Text).first();
}

void ImportTextCell(TCustomWordGame& Game, int Column, int Row, const QString& Char) {
    if (!Game.BoardGame()->IsValidCell(Column, Row))
        return; // the control refused the size
    TGameCellRecord cell = Game.GetCell(Column, Row);
    cell.UseCount = 0;
    cell.ImageIndex = -1;
    cell.Shaded = false;
    cell.Visible = Char != HiddenCellChar;
    cell.State = Char == BlankCellChar ? wgcsBlank : wgcsDummy;
    cell.Text = Char == BlankCellChar || Char == HiddenCellChar ? QString() : Char;
    Game.WriteCell(Column, Row, cell);
}

// A word already listed, or one whose placement raises, is left out and the
// import goes on with the next. The list holds words upper-cased, so "owl"
// is listed once "OWL" is.
void ImportTextWord(TCustomWordGame& Game, const QString& Word) {
    if (!IsImportableWord(Word, Game.ColCount()) || Game.IndexOfWord(UpperCaseWord(Word)) >= 0)
        return;
    try {
        Game.PlaceWordFromGrid(Word);
    } catch (const Exception&) {
    }
}

} // namespace

void TCustomWordGame::ExportToTextFile(const QString& FileName) {
    TTextFileWriter writer(FileName);
    const TWordGameProperties& properties = *FGamePreferences;
    for (const QString& text :
         {properties.GetGameTitle(), properties.GetGameDescription(), properties.GetGameAuthor(),
          properties.GetGameCreated(), properties.GetGameModified(), properties.GetGameVersion()})
        writer.WriteLn(SingleLine(text));
    for (int row = 0; row < RowCount(); ++row) {
        QString line;
        line.reserve(ColCount());
        for (int column = 0; column < ColCount(); ++column)
            line += TextCellChar(*this, column, row);
        writer.WriteLn(line);
    }
    writer.WriteLn(QString());
    QStringList words;
    GetWordList(words);
    for (const QString& word : words)
        writer.WriteLn(word);
    writer.Close();
}

void TCustomWordGame::ImportFromTextFile(const QString& FileName) {
    const TTextGame text = ReadTextGame(FileName);
    SetGridSize(text.Width, int(text.Rows.size()));
    NewGame(text.Properties[tpTitle], text.Properties[tpDescription]);
    FGamePreferences->SetGameAuthor(text.Properties[tpAuthor]);
    FGamePreferences->SetGameCreated(text.Properties[tpCreated]);
    FGamePreferences->SetGameModified(text.Properties[tpModified]);
    FGamePreferences->SetGameVersion(text.Properties[tpVersion]);
    for (size_t row = 0; row < text.Rows.size(); ++row)
        for (int column = 0; column < text.Rows[row].size(); ++column)
            ImportTextCell(*this, column, int(row), text.Rows[row][column]);
    for (const QString& word : text.Words)
        ImportTextWord(*this, word);
    RecolourAllCells();
    FModified = true;
}
