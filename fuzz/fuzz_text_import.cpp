// Reads a game export file ("gtx") into its plain value, checks the shape
// the import relies on, and checks that the value, written out, reads back
// the same. Another message than the grid limit's, a value of another shape,
// or a difference after the round trip is a finding.
#include "engine/wordgame/TextGameUn.h"
#include "fuzz/MemoryFile.h"
#include "platform/Exception.h"

#include <QString>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Finding(const char* What, const QString& Detail = QString()) {
    std::fprintf(stderr, "%s %s\n", What, qPrintable(Detail));
    std::abort();
}

void CheckShape(const TTextGame& Game) {
    if (Game.Rows.size() > size_t(TextGridMaxSide))
        Finding("more rows than a grid holds");
    int width = 0;
    for (const QStringList& row : Game.Rows) {
        if (row.isEmpty() || row.size() > TextGridMaxSide)
            Finding("a row of a size no grid has");
        for (const QString& cell : row)
            if (CellCharacters(cell).size() != 1)
                Finding("a cell that is not one character:", cell);
        width = std::max(width, int(row.size()));
    }
    if (width != Game.Width)
        Finding("a width that is not the longest row's");
    for (const QString& word : Game.Words)
        if (!IsImportableWord(word, Game.Width))
            Finding("a word the grid cannot hold:", word);
}

bool Same(const TTextGame& A, const TTextGame& B) {
    return A.Properties == B.Properties && A.Rows == B.Rows && A.Words == B.Words &&
           A.Width == B.Width;
}

TTextGame ReadBack(const TTextGame& Game) {
    const QString copy = ScratchFolder().filePath("copy.gtx");
    WriteTextGame(Game, copy);
    return ReadTextGame(copy);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const MemoryFile file(Data, Size);
    if (file.Name().isEmpty())
        return 0;
    const QString& input = file.Name();
    const QString tooLarge = QString("File \"%1\" holds a grid larger than %2 x %2 cells")
                                 .arg(input)
                                 .arg(TextGridMaxSide);
    try {
        const TTextGame game = ReadTextGame(input);
        CheckShape(game);
        if (!Same(game, ReadBack(game)))
            Finding("a game that does not read back as written; title:", game.Properties[tpTitle]);
    } catch (const Exception& e) {
        if (e.Message() != tooLarge)
            Finding("unexpected message:", e.Message());
    }
    return 0;
}
