#include "bench/BenchPuzzle.h"
#include "engine/puzzle/GlyphtroveUn.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

// A 30 x 30 puzzle of the forty words, each placed where FitWord puts it.
std::unique_ptr<TCustomGlyphtrove> BuildPuzzle() {
    auto puzzle = std::make_unique<TCustomGlyphtrove>();
    PlacePuzzleWords(*puzzle, LargePuzzleSide, LargePuzzleWords);
    return puzzle;
}

void FitOneWord(benchmark::State& State, const QString& Word, bool Fillers) {
    SeededServices seeded;
    const std::unique_ptr<TCustomGlyphtrove> puzzle = BuildPuzzle();
    if (Fillers)
        puzzle->FillRandomLetters();
    for (auto _ : State) {
        int x = 0, y = 0;
        TWordDirectionType direction = wdRight;
        benchmark::DoNotOptimize(puzzle->FitWord(AllWordDirections, Word, x, y, direction));
        benchmark::DoNotOptimize(x);
    }
}

// What the side-by-side script sets against the peer generator: a new
// puzzle, every word placed, the rest filled with random letters.
void BuildFilledPuzzle(benchmark::State& State, int Side, int WordCount) {
    SeededServices seeded;
    for (auto _ : State) {
        TCustomGlyphtrove puzzle;
        PlacePuzzleWords(puzzle, Side, WordCount);
        puzzle.FillRandomLetters();
        benchmark::ClobberMemory();
    }
}

// The same build on a control whose image is already painted, as in a
// window on screen: each laid letter is drawn as it is laid.
void BuildFilledPuzzleOnPaintedControl(benchmark::State& State) {
    SeededServices seeded;
    for (auto _ : State) {
        TCustomGlyphtrove puzzle;
        SizePuzzle(puzzle, LargePuzzleSide);
        State.PauseTiming();
        puzzle.grab();
        State.ResumeTiming();
        PlaceFirstWords(puzzle, LargePuzzleWords);
        puzzle.FillRandomLetters();
        benchmark::ClobberMemory();
    }
}

void BM_BuildPuzzleOfFortyWords(benchmark::State& State) {
    SeededServices seeded;
    for (auto _ : State)
        benchmark::DoNotOptimize(BuildPuzzle());
}

} // namespace

BENCHMARK(BM_BuildPuzzleOfFortyWords)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BuildFilledPuzzle, Large, LargePuzzleSide, LargePuzzleWords)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BuildFilledPuzzle, Small, SmallPuzzleSide, SmallPuzzleWords)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BuildFilledPuzzleOnPaintedControl)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FitOneWord, FourLetters, QString("MOLE"), false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FitOneWord, TwelveLetters, QString("GRASSHOPPERS"), false)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FitOneWord, TwelveLettersWithFillers, QString("GRASSHOPPERS"), true)
    ->Unit(benchmark::kMicrosecond);
