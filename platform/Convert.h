#pragma once

#include "platform/Exception.h"

#include <QString>

// The runtime's conversion error.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// Text to a 32-bit integer as the runtime reads it: leading blanks, an
// optional sign, decimal digits, or hexadecimal after "$" or "0x". Anything
// after the digits, a trailing blank too, makes the text no number.
bool TryStrToInt(const QString& Text, int& Value);
int StrToIntDef(const QString& Text, int Default);
// Raises EConvertError "'%s' is not a valid integer value".
int StrToInt(const QString& Text);
