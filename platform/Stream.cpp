#include "platform/Stream.h"

#include "platform/Exception.h"

int64_t TStream::Size() {
    const int64_t pos = Seek(0, soCurrent);
    const int64_t size = Seek(0, soEnd);
    Seek(pos, soBeginning);
    return size;
}

void TStream::ReadBuffer(void* Buffer, int Count) {
    if (Count != 0 && Read(Buffer, Count) != Count)
        throw EReadError();
}

void TStream::WriteBuffer(const void* Buffer, int Count) {
    if (Count != 0 && Write(Buffer, Count) != Count)
        throw EWriteError();
}
