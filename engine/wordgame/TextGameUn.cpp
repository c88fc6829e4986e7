#include "engine/wordgame/TextGameUn.h"

#include "platform/Exception.h"
#include "platform/Format.h"
#include "platform/TextFile.h"

#include <algorithm>

namespace {

constexpr int MinWordCells = 3;

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
        // Blanks around a hand-written line are no part of its word.
        const QString word = Reader.ReadLn().trimmed();
        if (IsImportableWord(word, Game.Width))
            Game.Words << word;
    }
}

// The lines of the file, without their endings.
QStringList TextGameLines(const TTextGame& Game) {
    QStringList lines(Game.Properties.begin(), Game.Properties.end());
    for (const QStringList& row : Game.Rows)
        lines << row.join(QString());
    lines << QString();
    lines << Game.Words;
    return lines;
}

} // namespace

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

bool IsImportableWord(const QString& Line, int MaxCells) {
    if (Line.contains('#'))
        return false;
    const int cells = int(CellCharacters(Line).size());
    return cells >= MinWordCells && cells <= MaxCells;
}

TTextGame ReadTextGame(const QString& FileName) {
    TTextFileReader reader(FileName);
    TTextGame game;
    ReadProperties(reader, game);
    ReadRows(reader, FileName, game);
    ReadWords(reader, game);
    return game;
}

void WriteTextGame(const TTextGame& Game, const QString& FileName) {
    TTextFileWriter writer(FileName);
    for (const QString& line : TextGameLines(Game))
        writer.WriteLn(line);
    writer.Close();
}
