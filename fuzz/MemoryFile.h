#pragma once

#include <QString>
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
