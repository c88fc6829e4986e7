#include "platform/TextBytes.h"

#include <gtest/gtest.h>

TEST(TextBytes, WritesUtf8AndReadsOlderWindowsBytes) {
    const QString german = QString::fromUtf8("Gr\xC3\xBC\xC3\x9F"
                                             "e");
    EXPECT_EQ(QByteArray("Gr\xC3\xBC\xC3\x9F"
                         "e"),
              TextToBytes(german));
    EXPECT_EQ(german, BytesToText(TextToBytes(german)));

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
