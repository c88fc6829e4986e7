#include "bench/BenchPuzzle.h"
#include "engine/puzzle/GlyphtroveUn.h"
#include "platform/Services.h"

#include <QStringList>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <stdexcept>

namespace {

// Random numbers from a fixed seed, so every run builds the same puzzle.
class SeededServices : public Services {
public:
    SeededServices() : FPrevious(SetServices(this)) { SetRandSeed(20240601); }
    ~SeededServices() override { SetServices(FPrevious); }
    void Randomize() override {}

private:
    Services* FPrevious;
};

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

void BM_BuildPuzzleOfFortyWords(benchmark::State& State) {
    SeededServices seeded;
    for (auto _ : State)
        benchmark::DoNotOptimize(BuildPuzzle());
}

// The game file and the HTML page of the filled 30 x 30 puzzle.
class PuzzleFiles {
public:
    PuzzleFiles() : Puzzle(BuildPuzzle()) {
        Puzzle->FillRandomLetters();
        Puzzle->WishList()->Add("MOLE");
        Puzzle->WishList()->Add("GRASSHOPPER");
        Puzzle->SaveToFile(GameFile());
    }
    QString GameFile() const { return Folder.filePath("puzzle.gtg"); }
    QString PageFile() const { return Folder.filePath("puzzle.html"); }

    SeededServices Seeded;
    QTemporaryDir Folder;
    std::unique_ptr<TCustomGlyphtrove> Puzzle;
};

void BM_SaveToFile(benchmark::State& State) {
    PuzzleFiles files;
    for (auto _ : State)
        files.Puzzle->SaveToFile(files.GameFile());
}

void BM_LoadFromFile(benchmark::State& State) {
    PuzzleFiles files;
    TCustomGlyphtrove loaded;
    loaded.resize(600, 600);
    for (auto _ : State)
        benchmark::DoNotOptimize(loaded.LoadFromFile(files.GameFile()));
    if (loaded.WordCount() != files.Puzzle->WordCount())
        State.SkipWithError("the loaded puzzle lost words");
}

void BM_ExportHTML(benchmark::State& State) {
    PuzzleFiles files;
    QString page;
    for (auto _ : State)
        files.Puzzle->ExportHTML(files.PageFile(), page);
}

} // namespace

BENCHMARK(BM_SaveToFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadFromFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportHTML)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BuildPuzzleOfFortyWords)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FitOneWord, FourLetters, QString("MOLE"), false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FitOneWord, TwelveLetters, QString("GRASSHOPPERS"), false)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FitOneWord, TwelveLettersWithFillers, QString("GRASSHOPPERS"), true)
    ->Unit(benchmark::kMicrosecond);
