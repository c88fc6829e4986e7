#include "platform/TextCodec.h"

#include <QStringDecoder>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five bytes that
// it leaves undefined map to the control characters of the same value, as
// Windows itself maps them.
const char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

bool IsValidUtf8(const QByteArray& Bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(Bytes);
    return !decoder.hasError();
}

QString DecodeWindows1252(const QByteArray& Bytes) {
    QString text;
    text.reserve(Bytes.size());
    for (const char c : Bytes) {
        const auto byte = uint8_t(c);
        text += QChar(byte >= 0x80 && byte <= 0x9F ? kCp1252High[byte - 0x80] : char16_t(byte));
    }
    return text;
}

QString DecodeText(const QByteArray& Bytes) {
    return IsValidUtf8(Bytes) ? QString::fromUtf8(Bytes) : DecodeWindows1252(Bytes);
}

QByteArray EncodeText(const QString& Text) {
    return Text.toUtf8();
}
