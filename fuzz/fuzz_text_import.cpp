// Imports a game export file ("gtx") into a puzzle, then checks that the
// export of what was imported survives a second import: the same properties
// and grid, no word that was not there before, and no word listed twice in
// either export. (A word whose letters lie in the grid in lower case is
// listed upper-cased, so a second import may not find it again.)
#include "engine/puzzle/GlyphtroveUn.h"
#include "platform/Exception.h"
#include "platform/Services.h"

#include <QApplication>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// Answers every message box at once: a fuzz run has nobody to click.
class SilentServices : public Services {
public:
    int MessageDlg(const QString&, TMsgDlgType, TMsgDlgButtons) override { return mrOk; }
};

QTemporaryDir* Folder = nullptr;

bool WriteFile(const QString& Name, const uint8_t* Data, size_t Size) {
    QFile file(Name);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(reinterpret_cast<const char*>(Data), qint64(Size)) == qint64(Size);
}

QByteArray ReadFile(const QString& Name) {
    QFile file(Name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct TExported {
    QList<QByteArray> Head; // the property lines and the grid
    QList<QByteArray> Words;
};

constexpr int PropertyLines = 6;

// Property lines may be empty, so the grid ends at the first empty line
// after them.
TExported SplitExport(const QByteArray& Bytes) {
    const QList<QByteArray> lines = Bytes.split('\n');
    int gridEnd = PropertyLines;
    while (gridEnd < lines.size() && lines[gridEnd] != "\r")
        ++gridEnd;
    TExported exported;
    exported.Head = lines.mid(0, gridEnd);
    exported.Words = lines.mid(gridEnd + 1);
    return exported;
}

TExported ImportAndExport(const QString& From, const QString& To) {
    TCustomGlyphtrove puzzle;
    puzzle.resize(600, 600);
    puzzle.ImportFromTextFile(From);
    puzzle.ExportToTextFile(To);
    return SplitExport(ReadFile(To));
}

bool ListsEachWordOnce(const TExported& Exported) {
    const QSet<QByteArray> distinct(Exported.Words.begin(), Exported.Words.end());
    return distinct.size() == Exported.Words.size();
}

bool Survives(const TExported& First, const TExported& Second) {
    if (First.Head != Second.Head || !ListsEachWordOnce(First) || !ListsEachWordOnce(Second))
        return false;
    for (const QByteArray& word : Second.Words)
        if (!First.Words.contains(word))
            return false;
    return true;
}

} // namespace

// The font and windowing libraries keep one-time allocations until exit.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\nleak:libfreetype\nleak:libglib\n";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    static SilentServices silent;
    SetServices(&silent);
    Folder = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString input = Folder->filePath("input.gtx");
    if (!WriteFile(input, data, size))
        return 0;
    try {
        const TExported first = ImportAndExport(input, Folder->filePath("first.gtx"));
        const TExported second =
            ImportAndExport(Folder->filePath("first.gtx"), Folder->filePath("second.gtx"));
        if (!Survives(first, second))
            std::abort();
    } catch (const Exception&) {
    }
    return 0;
}
