// Imports the input as a game export file ("gtx") into a puzzle, saves that
// as a game file and loads it into a fresh puzzle: the two must hold the same
// title, grid, letters, states and words. An import may only be refused with
// the grid limit's message or for a letter a game file cannot store; any
// other message, any message box, or a difference after the load is a
// finding.
#include "engine/puzzle/GlyphtroveUn.h"
#include "engine/wordgame/TextGameUn.h"
#include "fuzz/MemoryFile.h"
#include "platform/Services.h"

#include <QApplication>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Finding(const char* What, const QString& Detail = QString()) {
    std::fprintf(stderr, "%s %s\n", What, qPrintable(Detail));
    std::abort();
}

// Neither the import nor the load of what it saved has a reason to ask or
// to report anything.
class FindingServices : public Services {
public:
    int MessageDlg(const QString& Message, TMsgDlgType, TMsgDlgButtons) override {
        Finding("a message box:", Message);
    }
};

bool IsExpectedRefusal(const QString& Message, const QString& FileName) {
    const QString tooLarge = QString("File \"%1\" holds a grid larger than %2 x %2 cells")
                                 .arg(FileName)
                                 .arg(TextGridMaxSide);
    return Message == tooLarge || (Message.startsWith("Line ") &&
                                   Message.contains(QString(" of \"%1\" holds \"").arg(FileName)) &&
                                   Message.endsWith("a letter that a game file cannot store"));
}

// The title, the size, every cell's letter and state, and the words.
QStringList Content(const TCustomGlyphtrove& Puzzle) {
    QStringList content = {Puzzle.GamePreferences()->GetGameTitle(),
                           QString("%1 x %2").arg(Puzzle.ColCount()).arg(Puzzle.RowCount())};
    for (int y = 0; y < Puzzle.RowCount(); ++y)
        for (int x = 0; x < Puzzle.ColCount(); ++x)
            content << Puzzle.GetCellText(x, y) + "/" + QString::number(Puzzle.GetCellState(x, y));
    QStringList words;
    Puzzle.GetWordList(words);
    return content + words;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    static FindingServices findings;
    SetServices(&findings);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const MemoryFile file(Data, Size);
    if (file.Name().isEmpty())
        return 0;
    // Unsized, the puzzles draw nothing: what is checked is what they hold.
    TGlyphtroveEditor imported;
    imported.resize(0, 0);
    try {
        imported.ImportFromTextFile(file.Name());
    } catch (const Exception& e) {
        if (!IsExpectedRefusal(e.Message(), file.Name()))
            Finding("unexpected message:", e.Message());
        return 0;
    }
    const QString gameFile = ScratchFolder().filePath("game.gtg");
    TGlyphtroveEditor loaded;
    loaded.resize(0, 0);
    try {
        imported.SaveToFile(gameFile);
        loaded.LoadFromFile(gameFile);
    } catch (const Exception& e) {
        Finding("an imported game does not save and load:", e.Message());
    }
    const QStringList before = Content(imported), after = Content(loaded);
    if (before != after) {
        qsizetype i = 0;
        while (i < before.size() && i < after.size() && before[i] == after[i])
            ++i;
        Finding("the loaded game differs from the imported one:",
                before.value(i) + " <> " + after.value(i));
    }
    return 0;
}
