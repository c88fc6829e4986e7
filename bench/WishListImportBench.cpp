#include "designer/dialogs/frmWishListUn.h"
#include "engine/wishlist/WordWishListUn.h"
#include "platform/Services.h"

#include <QDialog>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <functional>
#include <random>

namespace {

// The file dialog chooses the list; the modal dialog runs the import the
// benchmark measures and closes with Cancel.
class ImportServices : public Services {
public:
    bool OpenFileDialog(QWidget*, TFileDialogOptions& Options) override {
        Options.FileName = FileName;
        return true;
    }
    int ExecModal(QDialog&) override {
        WhileOpen();
        return mrCancel;
    }
    QString FileName;
    std::function<void()> WhileOpen;
};

// Distinct words of 5 to 10 letters, one a line, in random order or sorted.
QString WriteWordList(const QTemporaryDir& Folder, int Count, bool Sorted) {
    std::mt19937 random(19);
    std::uniform_int_distribution<int> letter('a', 'z');
    std::uniform_int_distribution<int> length(5, 10);
    QStringList words;
    for (int i = 0; i < Count; ++i) {
        QString word;
        for (int n = length(random); n > 0; --n)
            word += QChar(letter(random));
        words << word + QString::number(i);
    }
    if (Sorted)
        words.sort();
    else
        std::shuffle(words.begin(), words.end(), random);
    const QString name = Folder.filePath(Sorted ? "sorted.txt" : "shuffled.txt");
    QFile file(name);
    file.open(QIODevice::WriteOnly);
    file.write((words.join("\r\n") + "\r\n").toLatin1());
    return name;
}

// Import of a word list into an open wish-list dialog, its memo included.
void BM_WishListImport(benchmark::State& State) {
    QTemporaryDir folder;
    ImportServices services;
    services.FileName = WriteWordList(folder, int(State.range(0)), State.range(1) != 0);
    Services* previous = SetServices(&services);
    QWidget owner;
    TfrmWordWishList dialog(&owner);
    TWordWishList wishes;
    wishes.OnWordAdded = [&dialog](TObject*, int, const QString& word) {
        dialog.AddWordLine(word);
    };
    services.WhileOpen = [&] {
        State.ResumeTiming();
        dialog.actImport->trigger();
        State.PauseTiming();
    };
    for (auto _ : State) {
        State.PauseTiming();
        wishes.Clear();
        dialog.Execute(&wishes);
        State.ResumeTiming();
    }
    SetServices(previous);
}

} // namespace

// Lines, and 1 for a sorted list.
BENCHMARK(BM_WishListImport)->Args({100000, 0})->Args({100000, 1})->Unit(benchmark::kMillisecond);
