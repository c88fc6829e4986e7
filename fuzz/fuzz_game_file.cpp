// Loads the input as a game file into a fresh puzzle. Any input either loads
// or fails with the one message "File "%s" is not a valid game file"; a game
// that loads also saves, and what it saves reads back. Any other outcome (a
// crash, another message, an exception of another kind) is a finding.
#include "engine/puzzle/GlyphtroveUn.h"
#include "engine/typestream/TypeStreamUn.h"
#include "fuzz/MemoryFile.h"
#include "platform/Services.h"

#include <QApplication>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// The error boxes that the placement of a stored word shows are answered at
// once instead of waiting for a user.
class QuietServices : public Services {
public:
    int MessageDlg(const QString&, TMsgDlgType, TMsgDlgButtons) override { return mrOk; }
};

[[noreturn]] void Finding(const char* What, const QString& Message) {
    std::fprintf(stderr, "%s: %s\n", What, qPrintable(Message));
    std::abort();
}

// Saves the puzzle into memory and reads that into another puzzle; the
// placement's error boxes may show, nothing may raise.
void ExpectSavesAndReadsBack(TCustomGlyphtrove& Puzzle) {
    const MemoryFile saved(nullptr, 0);
    if (saved.Name().isEmpty())
        return;
    try {
        THandleTypeStream stream(saved.Handle(), tsmReadWrite);
        Puzzle.SaveToStream(&stream);
        stream.SetPosition(0);
        TGlyphtroveEditor copy;
        copy.resize(400, 400);
        copy.LoadFromStream(saved.Name(), &stream);
    } catch (const Exception& e) {
        Finding("a loaded game does not save and read back", e.Message());
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    static QuietServices quiet;
    SetServices(&quiet);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    MemoryFile file(Data, Size);
    if (file.Name().isEmpty())
        return 0;
    TGlyphtroveEditor puzzle;
    puzzle.resize(400, 400);
    const QString expected = QString("File \"%1\" is not a valid game file").arg(file.Name());
    try {
        puzzle.LoadFromFile(file.Name());
    } catch (const Exception& e) {
        if (e.Message() != expected)
            Finding("unexpected message", e.Message());
        return 0;
    }
    ExpectSavesAndReadsBack(puzzle);
    return 0;
}
