// Reads a typed value stream held in memory, choosing each value's type from
// the input, so that every count and size the reader trusts comes from it.
#include "engine/typestream/TypeStreamUn.h"

#include <cstddef>
#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const int handle = memfd_create("typestream", MFD_CLOEXEC);
    if (handle < 0 || write(handle, data, size) != ssize_t(size) || lseek(handle, 0, SEEK_SET)) {
        if (handle >= 0)
            close(handle);
        return 0;
    }
    THandleTypeStream stream(handle, tsmRead);
    try {
        for (int i = 0; i < 64 && !stream.EndOfStream(); ++i) {
            switch (data[i % size] % 5) {
            case 0:
                stream.ReadString();
                break;
            case 1:
                stream.ReadInteger();
                break;
            case 2:
                stream.ReadFloat();
                break;
            case 3:
                stream.ReadDateTime();
                break;
            default:
                stream.ReadBoolean();
            }
        }
    } catch (const Exception&) {
    }
    close(handle);
    return 0;
}
