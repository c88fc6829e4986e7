// Reads an INI file as the colour-scheme and options readers do: every
// section in file order, every key as text and as an integer.
#include "platform/Exception.h"
#include "platform/IniFile.h"

#include <cstddef>
#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const int handle = memfd_create("inifile", MFD_CLOEXEC);
    if (handle < 0 || write(handle, data, size) != ssize_t(size)) {
        if (handle >= 0)
            close(handle);
        return 0;
    }
    try {
        const TIniFile ini(QString("/proc/self/fd/%1").arg(handle));
        for (const QString& section : ini.ReadSections())
            for (const QString& key : ini.ReadSection(section)) {
                ini.ReadString(section, key, QString());
                ini.ReadInteger(section, key, 0);
            }
    } catch (const Exception&) {
    }
    close(handle);
    return 0;
}
