#include "platform/TextFile.h"
#include "support/FakeServices.h"
#include "support/FileSizeLimit.h"
#include "support/TestFiles.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QStringList ReadAllLines(const QString& fileName) {
    TTextFileReader reader(fileName);
    QStringList lines;
    while (!reader.Eof())
        lines << reader.ReadLn();
    return lines;
}

} // namespace

// Each line in the code page where it fits, else in UTF-8 (see TextBytes).
TEST(TextFile, WritesLinesEndedByCrLf) {
    FakeServices fake;
    const QString name = fake.Folder() + "/out.txt";
    WriteBytes(name, "an older and much longer content\r\n");
    TTextFileWriter writer(name);
    writer.WriteLn("ABC");
    writer.WriteLn("");
    writer.WriteLn(QString::fromUtf8("\xC3\xA9t\xC3\xA9"));
    writer.WriteLn(QString::fromUtf8("\xCE\xA9"));
    writer.Close();
    EXPECT_EQ(QByteArray("ABC\r\n\r\n\xE9t\xE9\r\n\xCE\xA9\r\n"), ReadBytes(name));
}

TEST(TextFile, WriterWithoutCloseKeepsTheEarlierFile) {
    FakeServices fake;
    const QString name = fake.Folder() + "/out.txt";
    WriteBytes(name, "KEEP\r\n");
    {
        TTextFileWriter writer(name);
        writer.WriteLn("HALF");
    }
    EXPECT_EQ(QByteArray("KEEP\r\n"), ReadBytes(name));
}

TEST(TextFile, ReadsCrLfAndLfLinesEachDecodedOnItsOwn) {
    FakeServices fake;
    const QString name = fake.Folder() + "/in.txt";
    WriteBytes(name, "\xEF\xBB\xBF"
                     "one\r\ntwo\n\r\n\ncaf\xE9\r\nna\xC3\xAFve\rx\n\xC0\xAF\nlast");
    EXPECT_EQ((QStringList{"one", "two", "", "", QString::fromUtf8("caf\xC3\xA9"),
                           QString::fromUtf8("na\xC3\xAFve\rx"),
                           QString::fromUtf8("\xC3\x80\xC2\xAF"), "last"}),
              ReadAllLines(name));
}

TEST(TextFile, EmptyFileHasNoLinesAndReadingPastTheEndGivesEmpty) {
    FakeServices fake;
    const QString name = fake.Folder() + "/empty.txt";
    WriteBytes(name, "");
    TTextFileReader reader(name);
    EXPECT_TRUE(reader.Eof());
    EXPECT_EQ("", reader.ReadLn().toStdString());
}

TEST(TextFile, FailuresRaiseInOutError) {
    FakeServices fake;
    try {
        TTextFileReader reader(fake.Folder() + "/missing.txt");
        FAIL() << "opened a missing file";
    } catch (const EInOutError& e) {
        EXPECT_EQ(2, e.ErrorCode());
        EXPECT_EQ("File not found", e.Message().toStdString());
    }
    EXPECT_THROW(TTextFileWriter(fake.Folder() + "/no/such/folder/out.txt"), EInOutError);
    EXPECT_THROW(ReadAllLines(fake.Folder()), EInOutError); // a folder
}

TEST(TextFile, AFullDiskIsReportedAndKeepsTheEarlierFile) {
    FakeServices fake;
    const QString name = fake.Folder() + "/full.txt";
    WriteBytes(name, "OLD\r\n");
    try {
        const FileSizeLimit limit(64);
        TTextFileWriter writer(name);
        for (int i = 0; i < 100; ++i)
            writer.WriteLn(QString("LINE%1").arg(i));
        writer.Close();
        ADD_FAILURE() << "the short write went unnoticed";
    } catch (const EInOutError& e) {
        EXPECT_EQ(101, e.ErrorCode());
        EXPECT_EQ("Disk full", e.Message().toStdString());
    }
    EXPECT_EQ(QByteArray("OLD\r\n"), ReadBytes(name));
}

// The reader drops a byte-order mark at the start of the file, so a first line
// whose bytes begin with one (in either encoding) must still read back whole.
TEST(TextFile, AFirstLineThatBeginsWithAByteOrderMarkReadsBackWhole) {
    FakeServices fake;
    const QString name = fake.Folder() + "/bom.txt";
    const QStringList lines = {QString::fromUtf8("\xC3\xAF\xC2\xBB\xC2\xBFSho\xC3\xBF"),
                               QString::fromUtf8("\xC3\xAF\xC2\xBB\xC2\xBF")};
    for (const QString& first : {lines[0], QString(QChar(0xFEFF)) + "Title", QString("Plain")}) {
        {
            TTextFileWriter writer(name);
            writer.WriteLn(first);
            writer.WriteLn(lines[1]);
            writer.Close();
        }
        EXPECT_EQ((QStringList{first, lines[1]}), ReadAllLines(name)) << first.toStdString();
    }
    EXPECT_TRUE(ReadBytes(name).startsWith("Plain"));
}
