#pragma once
// The puzzle the benchmarks build, shared with the test that fixes where its
// words go. bench/peer.sh reads the word list from this file: keep one word
// in double quotes per entry between the two marker lines.

#include "engine/puzzle/GlyphtroveUn.h"
#include "platform/Services.h"

#include <QStringList>
#include <stdexcept>

// Forty words of 4 to 12 letters; the first twenty make the small puzzle.
// words:begin
inline const QStringList PuzzleWords = {
    "LION",      "TIGER",       "ZEBRA",     "GIRAFFE",    "ELEPHANT",  "RHINOCEROS",  "HIPPO",
    "CHEETAH",   "LEOPARD",     "JAGUAR",    "PANTHER",    "GAZELLE",   "ANTELOPE",    "BUFFALO",
    "CROCODILE", "ALLIGATOR",   "PLATYPUS",  "KANGAROO",   "WALLABY",   "KOALA",       "WOMBAT",
    "PENGUIN",   "OSTRICH",     "FLAMINGO",  "PELICAN",    "ALBATROSS", "HUMMINGBIRD", "WOODPECKER",
    "SPARROW",   "NIGHTINGALE", "CHAMELEON", "SALAMANDER", "TORTOISE",  "OCTOPUS",     "JELLYFISH",
    "STARFISH",  "SEAHORSE",    "BARRACUDA", "PORCUPINE",  "ARMADILLO",
};
// words:end

// The large puzzle: 30 x 30 cells, all forty words.
constexpr int LargePuzzleSide = 30;
constexpr int LargePuzzleWords = 40;
// The small puzzle: 15 x 15 cells, the first twenty words.
constexpr int SmallPuzzleSide = 15;
constexpr int SmallPuzzleWords = 20;

// Sizes the puzzle Side x Side, its cells 20 pixels square.
inline void SizePuzzle(TCustomGlyphtrove& Puzzle, int Side) {
    Puzzle.resize(20 * Side, 20 * Side);
    Puzzle.SetGridSize(Side, Side);
}

// Places the first WordCount words, each where FitWord puts it in any of
// the eight directions.
inline void PlaceFirstWords(TCustomGlyphtrove& Puzzle, int WordCount) {
    for (const QString& word : PuzzleWords.mid(0, WordCount)) {
        int x = 0, y = 0;
        TWordDirectionType direction = wdRight;
        if (!Puzzle.FitWord(AllWordDirections, word, x, y, direction))
            throw std::runtime_error("no place for a puzzle word");
        Puzzle.PlaceWord(x, y, direction, word, false);
    }
    if (Puzzle.WordCount() != WordCount)
        throw std::runtime_error("a puzzle word was not listed");
}

inline void PlacePuzzleWords(TCustomGlyphtrove& Puzzle, int Side, int WordCount) {
    SizePuzzle(Puzzle, Side);
    PlaceFirstWords(Puzzle, WordCount);
}

// Random numbers from a fixed seed, so every run builds the same puzzles.
class SeededServices : public Services {
public:
    SeededServices() : FPrevious(SetServices(this)) { SetRandSeed(20240601); }
    ~SeededServices() override { SetServices(FPrevious); }
    SeededServices(const SeededServices&) = delete;
    SeededServices& operator=(const SeededServices&) = delete;
    void Randomize() override {}

private:
    Services* FPrevious;
};
