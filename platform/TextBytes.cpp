#include "platform/TextBytes.h"

#include <QStringDecoder>
#include <algorithm>
#include <iterator>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; its five unassigned
// bytes there map to the same code point, as Windows maps them.
const char16_t Cp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString FromCp1252(const QByteArray& Bytes) {
    QString text(Bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < Bytes.size(); ++i)
        text[i] = CodePageChar(uint8_t(Bytes[i]));
    return text;
}

// The Windows-1252 bytes of Text; false when a character is not in the code page.
bool ToCp1252(const QString& Text, QByteArray& Bytes) {
    Bytes.resize(Text.size());
    for (qsizetype i = 0; i < Text.size(); ++i) {
        const int byte = CodePageByte(Text[i]);
        if (byte < 0)
            return false;
        Bytes[i] = char(byte);
    }
    return true;
}

} // namespace

int CodePageByte(QChar Letter) {
    const char16_t c = Letter.unicode();
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    const char16_t* high = std::find(std::begin(Cp1252High), std::end(Cp1252High), c);
    return high == std::end(Cp1252High) ? -1 : int(0x80 + (high - std::begin(Cp1252High)));
}

QChar CodePageChar(uint8_t Byte) {
    return QChar(Byte >= 0x80 && Byte < 0xA0 ? Cp1252High[Byte - 0x80] : char16_t(Byte));
}

QByteArray TextToBytes(const QString& Text) {
    // Windows-1252 as the original wrote it, unless its bytes would read back
    // as other text (they happen to be valid UTF-8) or cannot hold the text.
    QByteArray bytes;
    if (ToCp1252(Text, bytes) && BytesToText(bytes) == Text)
        return bytes;
    return Text.toUtf8();
}

QString BytesToText(const QByteArray& Bytes) {
    // Keep a leading byte-order mark: it is part of the text, not a header.
    // Stateless: a sequence cut short at the end is an error, not held back.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::ConvertInitialBom | QStringDecoder::Flag::Stateless);
    QString text = utf8(Bytes);
    return utf8.hasError() ? FromCp1252(Bytes) : text;
}
