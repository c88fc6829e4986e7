// Makes the sample puzzles in examples/ with the puzzle engine, the way the
// designer would: themed words fitted in all eight directions, filler
// letters in the rest. The random generator and the clock are fixed, so the
// same engine makes the same bytes.
//
//   glyphtrove_make_examples <folder>

#include "engine/puzzle/GlyphtroveUn.h"
#include "platform/DateTime.h"
#include "platform/Exception.h"
#include "platform/Services.h"

#include <QApplication>
#include <QDir>
#include <QStringList>
#include <cstdio>

namespace {

// Services whose random generator keeps its seed and whose clock stands still.
class FixedServices : public Services {
public:
    FixedServices() { SetRandSeed(20260101); }
    void Randomize() override {}
    TDateTime Now() override { return EncodeDate(2026, 1, 1) + EncodeTime(12, 0, 0, 0); }
};

struct ExampleGame {
    const char* FileName;
    int Side;
    const char* Title;
    const char* Description;
    QStringList Words;
};

const char* const Author = "Fernhallow Software";

// Word k is fitted in direction k mod 8 when it fits there, so the sample
// shows every direction; else wherever it fits.
void FitWords(TGlyphtroveEditor& Puzzle, const QStringList& Words) {
    for (int k = 0; k < Words.size(); ++k) {
        int x = 0, y = 0;
        TWordDirectionType direction = wdRight;
        const bool fitted =
            Puzzle.FitWord(uint8_t(1u << (k % WordDirectionCount)), Words[k], x, y, direction) ||
            Puzzle.FitWord(AllWordDirections, Words[k], x, y, direction);
        if (!fitted)
            throw Exception(Format("No room for \"%s\"", Words[k]));
        Puzzle.PlaceWord(x, y, direction, Words[k], false);
    }
}

void MakeGame(const ExampleGame& Game, const QString& Folder) {
    TGlyphtroveEditor puzzle;
    puzzle.resize(600, 600);
    puzzle.SetGridSize(Game.Side, Game.Side);
    TWordGameProperties* properties = puzzle.GamePreferences();
    properties->SetGameTitle(Game.Title);
    properties->SetGameDescription(Game.Description);
    properties->SetGameAuthor(Author);
    properties->SetUnusedSpace(usRandomLetters);
    properties->SetCanGiveIn(true);
    FitWords(puzzle, Game.Words);
    puzzle.SetRandomLettersUsed(true);
    puzzle.SaveToFile(QDir(Folder).filePath(Game.FileName));
}

const ExampleGame Games[] = {
    {"Garden Birds.gtg",
     15,
     "Garden Birds",
     "twelve birds to find in the hedge",
     {"BLACKBIRD", "STARLING", "SPARROW", "NUTHATCH", "GOLDFINCH", "WOODPECKER", "MAGPIE", "THRUSH",
      "ROBIN", "WREN", "DUNNOCK", "BLUETIT"}},
    {"Woodland 30x30.gtg",
     30,
     "Woodland",
     "trees, plants and creatures of the wood",
     {"OAK",      "ASH",        "BEECH",       "BIRCH",       "HAZEL",      "HOLLY",
      "HAWTHORN", "ROWAN",      "ALDER",       "WILLOW",      "SYCAMORE",   "HORNBEAM",
      "BLUEBELL", "BRACKEN",    "BRAMBLE",     "FOXGLOVE",    "PRIMROSE",   "WOODSORREL",
      "BADGER",   "FOX",        "SQUIRREL",    "HEDGEHOG",    "DORMOUSE",   "WOODMOUSE",
      "TAWNYOWL", "WOODPIGEON", "TREECREEPER", "NIGHTINGALE", "STAGBEETLE", "TOADSTOOL",
      "MUSHROOM", "ACORN",      "CONKER",      "LICHEN",      "MOSS",       "FERN"}},
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    FixedServices fixed;
    SetServices(&fixed);
    try {
        for (const ExampleGame& game : Games)
            MakeGame(game, QString::fromLocal8Bit(argv[1]));
    } catch (const Exception& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.Message()));
        return 1;
    }
    SetServices(nullptr);
    return 0;
}
