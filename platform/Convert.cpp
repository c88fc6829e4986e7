#include "platform/Convert.h"

#include <limits>

namespace {

int DigitValue(QChar c) {
    if (c >= '0' && c <= '9')
        return c.unicode() - '0';
    if (c >= 'a' && c <= 'f')
        return c.unicode() - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c.unicode() - 'A' + 10;
    return 99;
}

// Digits only, no sign; the magnitude may reach 2^31 so that the lowest
// negative number fits once the sign is applied.
bool ParseMagnitude(const QString& digits, int base, int64_t& magnitude) {
    if (digits.isEmpty())
        return false;
    magnitude = 0;
    for (const QChar c : digits) {
        const int digit = DigitValue(c);
        if (digit >= base)
            return false;
        magnitude = magnitude * base + digit;
        if (magnitude > int64_t(std::numeric_limits<int>::max()) + 1)
            return false;
    }
    return true;
}

} // namespace

bool TryStrToInt(const QString& Text, int& Value) {
    // Blanks may lead but not trail, as in the runtime's reader.
    qsizetype start = 0;
    while (start < Text.size() && Text[start] == ' ')
        ++start;
    QString rest = Text.mid(start);
    bool negative = false;
    if (rest.startsWith('-') || rest.startsWith('+')) {
        negative = rest.startsWith('-');
        rest.remove(0, 1);
    }
    int base = 10;
    if (rest.startsWith('$')) {
        base = 16;
        rest.remove(0, 1);
    } else if (rest.startsWith("0x", Qt::CaseInsensitive)) {
        base = 16;
        rest.remove(0, 2);
    }
    int64_t magnitude;
    if (!ParseMagnitude(rest, base, magnitude))
        return false;
    const int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > std::numeric_limits<int>::max())
        return false;
    Value = int(signedValue);
    return true;
}

int StrToIntDef(const QString& Text, int Default) {
    int value;
    return TryStrToInt(Text, value) ? value : Default;
}

int StrToInt(const QString& Text) {
    int value;
    if (!TryStrToInt(Text, value))
        throw EConvertError(Format("'%s' is not a valid integer value", Text));
    return value;
}
