#pragma once

#include "platform/Exception.h"

#include <QString>

// The runtime's conversion error.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// Text to a 32-bit integer as the runtime reads it: blanks around it, an
// optional sign, decimal digits, or hexadecimal after "$" or "0x".
bool TryStrToInt(const QString& Text, int& Value);
int StrToIntDef(const QString& Text, int Default);
// Raises EConvertError "'%s' is not a valid integer value".
int StrToInt(const QString& Text);
