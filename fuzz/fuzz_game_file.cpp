// Loads the input as a game file into a fresh puzzle. Any input either loads
// or fails with the one message "File "%s" is not a valid game file"; any
// other outcome (a crash, another message, an exception of another kind) is
// a finding.
#include "engine/puzzle/GlyphtroveUn.h"
#include "platform/Services.h"

#include <QApplication>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

namespace {

// The error boxes that the placement of a stored word shows are answered at
// once instead of waiting for a user.
class QuietServices : public Services {
public:
    int MessageDlg(const QString&, TMsgDlgType, TMsgDlgButtons) override { return mrOk; }
};

// The input as a file with a name, held in memory.
class MemoryFile {
public:
    MemoryFile(const uint8_t* Data, size_t Size) : FHandle(memfd_create("game", MFD_CLOEXEC)) {
        if (FHandle >= 0 && write(FHandle, Data, Size) == ssize_t(Size))
            FName = QString("/proc/self/fd/%1").arg(FHandle);
    }
    ~MemoryFile() {
        if (FHandle >= 0)
            close(FHandle);
    }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;
    const QString& Name() const { return FName; }

private:
    int FHandle;
    QString FName;
};

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
        if (e.Message() != expected) {
            std::fprintf(stderr, "unexpected message: %s\n", qPrintable(e.Message()));
            std::abort();
        }
    }
    return 0;
}
