#pragma once

#include <QString>

// The help file of the running program, set once it is known to exist;
// help at a context opens this file. Empty until then.
QString ApplicationHelpFile();
void SetApplicationHelpFile(const QString& FileName);
