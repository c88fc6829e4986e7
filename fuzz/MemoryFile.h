#pragma once

#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <cstddef>
#include <sys/mman.h>
#include <unistd.h>

// A fuzz input as a file with a name, held in memory: no disk is touched.
class MemoryFile {
public:
    MemoryFile(const void* Data, size_t Size) : FHandle(memfd_create("input", MFD_CLOEXEC)) {
        if (FHandle >= 0 && write(FHandle, Data, Size) == ssize_t(Size))
            FName = QString("/proc/self/fd/%1").arg(FHandle);
    }
    ~MemoryFile() {
        if (FHandle >= 0)
            close(FHandle);
    }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;
    int Handle() const { return FHandle; }
    // Empty when the file could not be made.
    const QString& Name() const { return FName; }

private:
    int FHandle;
    QString FName;
};

// A folder for the files a target writes, in shared memory where there is
// one: the writers sync their files to the disk, which costs next to nothing
// there.
inline QTemporaryDir& ScratchFolder() {
    const QString shared = "/dev/shm";
    static QTemporaryDir folder((QDir(shared).exists() ? shared : QDir::tempPath()) +
                                "/glyphtrove-fuzz-XXXXXX");
    return folder;
}
