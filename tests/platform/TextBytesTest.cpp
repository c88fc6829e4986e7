#include "platform/TextBytes.h"

#include <QSet>
#include <gtest/gtest.h>

// The code page wherever it holds the text and cannot be mistaken for UTF-8;
// UTF-8 for the whole text otherwise. Every text reads back as itself.
TEST(TextBytes, WritesTheCodePageWhereItReadsBackElseUtf8) {
    const struct {
        QString text;
        QByteArray bytes;
    } cases[] = {
        {"ABC", "ABC"},
        {"", ""},
        {QString::fromUtf8("Caf\xC3\xA9"), "Caf\xE9"},
        {QString::fromUtf8("\xE2\x82\xAC\xE2\x80\x9Cx\xE2\x80\x9D"), "\x80\x93x\x94"},
        {QString(QChar(0x81)), "\x81"}, // an unassigned byte stands for itself
        // In the code page, but its two bytes spell "\xC3\xA9" in UTF-8.
        {QString::fromUtf8("\xC3\x83\xC2\xA9"), "\xC3\x83\xC2\xA9"},
        {QString::fromUtf8("\xCE\xA9mega"), "\xCE\xA9mega"},                 // not in the code page
        {QString::fromUtf8("Caf\xC3\xA9 \xCE\xA9"), "Caf\xC3\xA9 \xCE\xA9"}, // one text, one code
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.bytes.toHex().toStdString(), TextToBytes(c.text).toHex().toStdString())
            << c.text.toStdString();
        EXPECT_EQ(c.text, BytesToText(TextToBytes(c.text))) << c.text.toStdString();
    }
}

TEST(TextBytes, ReadsUtf8AndElseOlderWindowsBytes) {
    const QString german = QString::fromUtf8("Gr\xC3\xBC\xC3\x9F"
                                             "e");
    struct Case {
        QByteArray bytes;
        QString text;
    } cases[] = {
        {"ABC", "ABC"},
        {"", ""},
        {"Gr\xFC\xDF"
         "e",
         german}, // not UTF-8: Windows-1252
        {"\x80\x93x\x94", QString::fromUtf8("\xE2\x82\xAC\xE2\x80\x9Cx\xE2\x80\x9D")},
        {"\x81\x9D", QString(QChar(0x81)) + QChar(0x9D)},    // unassigned bytes keep their value
        {"caf\xE9", QString::fromUtf8("caf\xC3\xA9")},       // ends like a cut UTF-8 sequence
        {"\xC0\xAF", QString::fromUtf8("\xC3\x80\xC2\xAF")}, // overlong form
        {"\xEF\xBB\xBF"
         "A",
         QString(QChar(0xFEFF)) + "A"}, // a byte-order mark stays
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.text, BytesToText(c.bytes)) << c.bytes.toHex().constData();
}

// A character has a byte exactly when that byte reads back as it: every byte
// reads as a character whose byte it is, and no other character has one.
TEST(TextBytes, EachByteAndTheOneCharacterItReadsAs) {
    QSet<char16_t> readAs;
    for (int byte = 0; byte <= 0xFF; ++byte) {
        const QChar letter = CodePageChar(uint8_t(byte));
        EXPECT_EQ(CodePageByte(letter), byte) << byte;
        EXPECT_EQ(QString(letter), BytesToText(QByteArray(1, char(byte)))) << byte;
        readAs.insert(letter.unicode());
    }
    int withByte = 0;
    for (int code = 0; code <= 0xFFFF; ++code)
        withByte += CodePageByte(QChar(char16_t(code))) >= 0 ? 1 : 0;
    EXPECT_EQ(withByte, readAs.size());
    for (const char16_t lost : {0x0085, 0x0141, 0x03B1, 0xD83D})
        EXPECT_EQ(CodePageByte(QChar(lost)), -1) << lost;
}
