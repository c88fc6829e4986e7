#include "platform/Application.h"

namespace {
QString gHelpFile;
}

QString ApplicationHelpFile() {
    return gHelpFile;
}

void SetApplicationHelpFile(const QString& FileName) {
    gHelpFile = FileName;
}
