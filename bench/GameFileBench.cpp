#include "bench/BenchPuzzle.h"
#include "engine/puzzle/GlyphtroveUn.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// The game file and the HTML page of the filled 30 x 30 puzzle.
class PuzzleFiles {
public:
    PuzzleFiles() {
        PlacePuzzleWords(Puzzle, LargePuzzleSide, LargePuzzleWords);
        Puzzle.FillRandomLetters();
        Puzzle.WishList()->Add("MOLE");
        Puzzle.WishList()->Add("GRASSHOPPER");
        Puzzle.SaveToFile(GameFile());
    }
    QString GameFile() const { return Folder.filePath("puzzle.gtg"); }
    QString PageFile() const { return Folder.filePath("puzzle.html"); }

    SeededServices Seeded;
    QTemporaryDir Folder;
    TCustomGlyphtrove Puzzle;
};

// A valid game file at the limits: 255 x 255 cells, every row holding 85
// words of three letters side by side (21,675 words), all distinct.
class HostileFile {
public:
    HostileFile() {
        Puzzle.resize(600, 600);
        Puzzle.SetGridSize(GameFileMaxSide, GameFileMaxSide);
        const QString alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
        const int base = int(alphabet.size());
        int number = 0;
        for (int row = 0; row < GameFileMaxSide; ++row)
            for (int column = 0; column + 3 <= GameFileMaxSide; column += 3, ++number) {
                const QString word = QString(alphabet[number / (base * base)]) +
                                     alphabet[number / base % base] + alphabet[number % base];
                Puzzle.PlaceWord(column, row, wdRight, word, false);
            }
        Puzzle.SaveToFile(GameFile());
    }
    QString GameFile() const { return Folder.filePath("hostile.gtg"); }

    SeededServices Seeded;
    QTemporaryDir Folder;
    TCustomGlyphtrove Puzzle;
};

void BM_SaveToFile(benchmark::State& State) {
    PuzzleFiles files;
    for (auto _ : State)
        files.Puzzle.SaveToFile(files.GameFile());
}

void BM_LoadFromFile(benchmark::State& State) {
    PuzzleFiles files;
    TCustomGlyphtrove loaded;
    loaded.resize(600, 600);
    for (auto _ : State)
        benchmark::DoNotOptimize(loaded.LoadFromFile(files.GameFile()));
    if (loaded.WordCount() != files.Puzzle.WordCount())
        State.SkipWithError("the loaded puzzle lost words");
}

void BM_LoadHostileFile(benchmark::State& State) {
    HostileFile file;
    TCustomGlyphtrove loaded;
    loaded.resize(600, 600);
    for (auto _ : State)
        benchmark::DoNotOptimize(loaded.LoadFromFile(file.GameFile()));
    if (loaded.WordCount() != file.Puzzle.WordCount())
        State.SkipWithError("the loaded puzzle lost words");
    State.counters["words"] = loaded.WordCount();
}

void BM_ExportHTML(benchmark::State& State) {
    PuzzleFiles files;
    QString page;
    for (auto _ : State)
        files.Puzzle.ExportHTML(files.PageFile(), page);
}

// The whole control painted into its image and onto the screen.
void BM_Repaint(benchmark::State& State) {
    PuzzleFiles files;
    files.Puzzle.show();
    QCoreApplication::processEvents();
    for (auto _ : State)
        files.Puzzle.Repaint();
    if (!files.Puzzle.isVisible())
        State.SkipWithError("the puzzle is not on the screen");
}

} // namespace

BENCHMARK(BM_SaveToFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFromFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadHostileFile)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ExportHTML)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Repaint)->Unit(benchmark::kMillisecond);
