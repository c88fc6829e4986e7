// The game export file ("gtx"): six property lines, the grid one row per
// line, an empty line, then the listed words. Positions are not stored; the
// import finds each word in the grid again.
#include "engine/wordgame/CustomWordGameUn.h"

#include "engine/wordgame/TextGameUn.h"
#include "platform/Exception.h"
#include "platform/Format.h"
#include "platform/TextBytes.h"

#include <QStringList>

namespace {

const QString BlankCellChar = QStringLiteral("_");
const QString HiddenCellChar = QStringLiteral(" ");

// A property line must stay one line, or every later line would shift.
QString SingleLine(QString Text) {
    Text.replace("\r\n", " ");
    Text.replace('\r', ' ');
    Text.replace('\n', ' ');
    return Text;
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

// A game file keeps a cell's letter as one byte of the code page: a letter
// that no byte reads back as would come back from it as another.
bool IsStorableLetter(const QString& Char) {
    return Char.size() == 1 && CodePageByte(Char.at(0)) > 0;
}

// A hand-written file's letters take the case the program's own cells and
// words have, in every language: a letter whose capital is one letter that
// a game file can store becomes it. Others (ß, µ) stay as they are.
QString UpperCaseStorableLetters(const QString& Text) {
    QString upper = Text;
    for (QChar& letter : upper) {
        const QChar capital = letter.toUpper();
        if (CodePageByte(capital) > 0)
            letter = capital;
    }
    return upper;
}

QString CodePoint(const QString& Char) {
    return QString::number(Char.toUcs4().value(0), 16).toUpper().rightJustified(4, '0');
}

// Checked before the import changes anything, so a refused file leaves the
// puzzle as it was.
void CheckStorableLetters(const TTextGame& Text, const QString& FileName) {
    for (size_t row = 0; row < Text.Rows.size(); ++row)
        for (const QString& cell : Text.Rows[row])
            if (!IsStorableLetter(cell))
                throw Exception(Format("Line %d of \"%s\" holds \"%s\" (U+%s), a letter that a "
                                       "game file cannot store",
                                       TextPropertyCount + 1 + int(row), FileName, cell,
                                       CodePoint(cell)));
}

// Cells take letters as the program's own cells hold them: upper case.
void ImportTextCell(TCustomWordGame& Game, int Column, int Row, const QString& Char) {
    if (!Game.BoardGame()->IsValidCell(Column, Row))
        return; // the control refused the size
    TGameCellRecord cell = Game.GetCell(Column, Row);
    cell.UseCount = 0;
    cell.ImageIndex = -1;
    cell.Shaded = false;
    cell.Visible = Char != HiddenCellChar;
    cell.State = Char == BlankCellChar ? wgcsBlank : wgcsDummy;
    cell.Text = Char == BlankCellChar || Char == HiddenCellChar ? QString()
                                                                : UpperCaseStorableLetters(Char);
    Game.WriteCell(Column, Row, cell);
}

// A word already listed, or one whose placement raises, is left out and the
// import goes on with the next. A word is looked up upper-cased as the
// cells are.
void ImportTextWord(TCustomWordGame& Game, const QString& Line) {
    const QString word = UpperCaseStorableLetters(Line);
    if (!IsImportableWord(word, Game.ColCount()) || Game.IndexOfWord(word) >= 0)
        return;
    try {
        Game.PlaceWordFromGrid(word);
    } catch (const Exception&) {
    }
}

} // namespace

void TCustomWordGame::ExportToTextFile(const QString& FileName) {
    TTextGame text;
    const TWordGameProperties& properties = *FGamePreferences;
    text.Properties = {properties.GetGameTitle(),    properties.GetGameDescription(),
                       properties.GetGameAuthor(),   properties.GetGameCreated(),
                       properties.GetGameModified(), properties.GetGameVersion()};
    for (QString& property : text.Properties)
        property = SingleLine(property);
    for (int row = 0; row < RowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < ColCount(); ++column)
            cells << TextCellChar(*this, column, row);
        text.Rows.push_back(cells);
    }
    GetWordList(text.Words);
    WriteTextGame(text, FileName);
}

void TCustomWordGame::ImportFromTextFile(const QString& FileName) {
    const TTextGame text = ReadTextGame(FileName);
    CheckStorableLetters(text, FileName);
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
