// Imports a game export file ("gtx") into a puzzle, then checks that the
// export of what was imported survives a second import: the same properties
// and grid, and no word that was not there before. (A word whose letters lie
// in the grid in lower case is listed upper-cased, so a second import may
// not find it again.)
#include "engine/puzzle/GlyphtroveUn.h"
#include "platform/Exception.h"
#include "platform/Services.h"

#include <QApplication>
#include <QFile>
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
    QByteArray Head; // the property lines and the grid
    QList<QByteArray> Words;
};

TExported ImportAndExport(const QString& From, const QString& To) {
    TCustomGlyphtrove puzzle;
    puzzle.resize(600, 600);
    puzzle.ImportFromTextFile(From);
    puzzle.ExportToTextFile(To);
    const QByteArray bytes = ReadFile(To);
    const int headEnd = bytes.indexOf("\r\n\r\n", 0);
    TExported exported;
    exported.Head = bytes.left(headEnd);
    exported.Words = bytes.mid(headEnd + 4).split('\n');
    return exported;
}

bool Survives(const TExported& First, const TExported& Second) {
    if (First.Head != Second.Head)
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
