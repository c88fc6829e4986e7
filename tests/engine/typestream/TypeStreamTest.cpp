#include "engine/typestream/TypeStreamUn.h"
#include "platform/FileHandle.h"
#include "support/FakeServices.h"
#include "support/TestFiles.h"

#include <QFile>
#include <algorithm>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

QByteArray Hex(const char* hex) {
    return QByteArray::fromHex(hex);
}

// A type stream over bytes in memory. It remembers the largest read asked of
// it and takes no more than Capacity bytes, like a disk that fills up.
class TMemoryTypeStream : public TTypeStream {
public:
    explicit TMemoryTypeStream(uint8_t mode, QByteArray data = {})
        : TTypeStream(mode), Data(std::move(data)) {}

    QByteArray Data;
    int64_t Capacity = INT64_MAX;
    int LargestRead = 0;

    int Read(void* Buffer, int Count) override {
        LargestRead = std::max(LargestRead, Count);
        const int n = int(std::clamp<int64_t>(Data.size() - FPos, 0, Count));
        std::memcpy(Buffer, Data.constData() + FPos, size_t(n));
        FPos += n;
        return n;
    }
    int Write(const void* Buffer, int Count) override {
        const int n = int(std::clamp<int64_t>(Capacity - FPos, 0, Count));
        if (FPos + n > Data.size())
            Data.resize(FPos + n);
        std::memcpy(Data.data() + FPos, Buffer, size_t(n));
        FPos += n;
        return n;
    }
    int64_t Seek(int64_t Offset, TSeekOrigin Origin) override {
        const int64_t base = Origin == soBeginning ? 0 : Origin == soCurrent ? FPos : Data.size();
        if (base + Offset < 0)
            return -1;
        return FPos = base + Offset;
    }

private:
    int64_t FPos = 0;
};

// One value of each kind, with how it is written and how it is checked.
struct Value {
    std::function<void(TTypeStream&)> write;
    std::function<void(TTypeStream&)> readAndCheck;
};

std::vector<Value> MixedValues() {
    const TDateTime moment = EncodeDate(2024, 2, 29) + EncodeTime(13, 5, 0, 0);
    return {
        {[](TTypeStream& s) { s.WriteString("HELLO"); },
         [](TTypeStream& s) { EXPECT_EQ(QString("HELLO"), s.ReadString()); }},
        {[](TTypeStream& s) { s.WriteInteger(-5); },
         [](TTypeStream& s) { EXPECT_EQ(-5, s.ReadInteger()); }},
        {[](TTypeStream& s) { s.WriteFloat(2.5); },
         [](TTypeStream& s) { EXPECT_EQ(2.5, s.ReadFloat()); }},
        {[=](TTypeStream& s) { s.WriteDateTime(moment); },
         [=](TTypeStream& s) { EXPECT_EQ(moment, s.ReadDateTime()); }},
        {[](TTypeStream& s) { s.WriteBoolean(true); },
         [](TTypeStream& s) { EXPECT_EQ(1, s.ReadBoolean()); }},
        {[](TTypeStream& s) { s.WriteString(""); },
         [](TTypeStream& s) { EXPECT_EQ(QString(""), s.ReadString()); }},
    };
}

} // namespace

TEST(TypeStream, WorkedExampleByteForByte) {
    FakeServices fake;
    const QString path = fake.Folder() + "/example.gtg";
    {
        TFileTypeStream stream(path, tsmWrite); // creates the missing file
        stream.WriteString("AB");
        stream.WriteString("");
        stream.WriteInteger(11);
        stream.WriteBoolean(true);
    }
    EXPECT_EQ(Hex("5303000000414200"
                  "530100000000"
                  "490b000000"
                  "4201"),
              ReadBytes(path));

    TFileTypeStream stream(path, tsmRead);
    EXPECT_EQ(QString("AB"), stream.ReadString());
    EXPECT_EQ(QString(""), stream.ReadString());
    EXPECT_EQ(11, stream.ReadInteger());
    EXPECT_FALSE(stream.EndOfStream());
    EXPECT_EQ(1, stream.ReadBoolean());
    EXPECT_TRUE(stream.EndOfStream());
}

TEST(TypeStream, NumbersAreLittleEndianAndRoundTrip) {
    TMemoryTypeStream stream(tsmReadWrite);
    stream.WriteFloat(1.0);
    stream.WriteDateTime(-1.5);
    stream.WriteInteger(INT_MIN);
    stream.WriteBoolean(255);
    stream.WriteString(QString::fromUtf8("Gr\xC3\xBC\xC3\x9F"
                                         "e"));
    EXPECT_EQ(Hex("46000000000000f03f"
                  "44000000000000f8bf"
                  "4900000080"
                  "42ff"
                  "53060000004772fcdf6500"),
              stream.Data);

    stream.SetPosition(0);
    EXPECT_EQ(1.0, stream.ReadFloat());
    EXPECT_EQ(-1.5, stream.ReadDateTime());
    EXPECT_EQ(INT_MIN, stream.ReadInteger());
    EXPECT_EQ(255, stream.ReadBoolean());
    EXPECT_EQ(QString::fromUtf8("Gr\xC3\xBC\xC3\x9F"
                                "e"),
              stream.ReadString());
    EXPECT_TRUE(stream.EndOfStream());
}

TEST(TypeStream, StoredStringsAsRead) {
    struct Case {
        const char* hex;
        QString text;
    } cases[] = {
        {"530100000000", ""},
        {"53010000007a", ""},       // count 1: empty whatever the byte holds
        {"5300000000", ""},         // count 0
        {"5303000000414258", "AB"}, // the last byte is dropped unchecked
        {"530400000047fc7200", QString::fromUtf8("G\xC3\xBCr")}, // older Windows bytes
    };
    for (const Case& c : cases) {
        TMemoryTypeStream stream(tsmRead, Hex(c.hex));
        EXPECT_EQ(c.text, stream.ReadString()) << c.hex;
        EXPECT_TRUE(stream.EndOfStream()) << c.hex;
    }
}

TEST(TypeStream, ModeDecidesWhatMayBeReadAndWritten) {
    const std::vector<std::function<void(TTypeStream&)>> writers = {
        [](TTypeStream& s) { s.WriteString("A"); },
        [](TTypeStream& s) { s.WriteInteger(1); },
        [](TTypeStream& s) { s.WriteFloat(0); },
        [](TTypeStream& s) { s.WriteDateTime(0); },
        [](TTypeStream& s) { s.WriteBoolean(1); },
        [](TTypeStream& s) { s.WriteDataType(tdtInteger); },
    };
    // Each reader with the bytes of a value it accepts.
    const std::vector<std::pair<const char*, std::function<void(TTypeStream&)>>> readers = {
        {"53020000004100", [](TTypeStream& s) { s.ReadString(); }},
        {"4901000000", [](TTypeStream& s) { s.ReadInteger(); }},
        {"460000000000000000", [](TTypeStream& s) { s.ReadFloat(); }},
        {"440000000000000000", [](TTypeStream& s) { s.ReadDateTime(); }},
        {"4201", [](TTypeStream& s) { s.ReadBoolean(); }},
        {"42", [](TTypeStream& s) { s.ReadDataType(); }},
        {"53", [](TTypeStream& s) { s.CheckDataType(tdtString); }},
    };
    for (uint8_t mode = 0; mode <= 4; ++mode) {
        const bool canRead = mode == 1 || mode == 3;
        const bool canWrite = mode == 2 || mode == 3;
        TMemoryTypeStream writing(mode);
        EXPECT_EQ(canRead, writing.CanRead()) << int(mode);
        EXPECT_EQ(canWrite, writing.CanWrite()) << int(mode);
        for (const auto& write : writers) {
            const int64_t before = writing.Position();
            const std::string message = MessageOf([&] { write(writing); });
            EXPECT_EQ(canWrite ? "" : "Type Stream is not in write mode", message) << int(mode);
            if (!canWrite) {
                EXPECT_EQ(before, writing.Position());
            }
        }
        EXPECT_EQ(canWrite, !writing.Data.isEmpty());

        for (const auto& reader : readers) {
            const auto& hex = reader.first;
            TMemoryTypeStream reading(mode, Hex(hex));
            const std::string message = MessageOf([&] { reader.second(reading); });
            EXPECT_EQ(canRead ? "" : "Type Stream is not in read mode", message)
                << hex << int(mode);
            EXPECT_EQ(canRead ? Hex(hex).size() : 0, reading.Position()) << hex << int(mode);
        }
    }
}

TEST(TypeStream, WrongTagShowsTheCodeRead) {
    struct Case {
        const char* hex;
        std::function<void(TTypeStream&)> read;
        std::string message;
        int positionAfter;
    } cases[] = {
        {"490b000000", [](TTypeStream& s) { s.ReadString(); }, "Invalid datatype expected (2)", 1},
        {"530100000000", [](TTypeStream& s) { s.ReadInteger(); }, "Invalid datatype expected (1)",
         1},
        {"4201", [](TTypeStream& s) { s.ReadFloat(); }, "Invalid datatype expected (5)", 1},
        {"460000000000000000", [](TTypeStream& s) { s.ReadDateTime(); },
         "Invalid datatype expected (3)", 1},
        {"730100000000", [](TTypeStream& s) { s.ReadString(); }, "Invalid datatype expected (0)",
         1}, // lower-case tag
        {"0001", [](TTypeStream& s) { s.ReadBoolean(); }, "Invalid datatype expected (0)", 1},
        {"", [](TTypeStream& s) { s.ReadInteger(); }, "Invalid datatype expected (0)", 0},
    };
    for (const Case& c : cases) {
        TMemoryTypeStream stream(tsmRead, Hex(c.hex));
        EXPECT_EQ(c.message, MessageOf([&] { c.read(stream); })) << c.hex;
        EXPECT_EQ(c.positionAfter, stream.GetPosition()) << c.hex;
    }
    TMemoryTypeStream stream(tsmRead, Hex("534946444273"));
    for (int code : {1, 2, 3, 4, 5, 0, 0})
        EXPECT_EQ(code, stream.ReadDataType());
}

TEST(TypeStream, TruncatedAtEveryByteFailsAtTheCut) {
    FakeServices fake;
    const QString path = fake.Folder() + "/mixed.gtg";
    const std::vector<Value> values = MixedValues();
    std::vector<int64_t> ends;
    {
        TFileTypeStream stream(path, tsmWrite);
        for (const Value& v : values) {
            v.write(stream);
            ends.push_back(stream.Position());
        }
    }
    const QByteArray whole = ReadBytes(path);
    ASSERT_EQ(ends.back(), whole.size());

    for (int cut = 0; cut < whole.size(); ++cut) {
        WriteBytes(path, whole.left(cut));
        TFileTypeStream stream(path, tsmRead);
        size_t index = 0;
        int64_t start = 0;
        try {
            for (; index < values.size(); ++index) {
                start = stream.Position();
                values[index].readAndCheck(stream);
            }
            ADD_FAILURE() << "cut at " << cut << " read every value";
        } catch (const ETypeStream& e) {
            // Cut just before a tag: the end of the stream reads as code 0.
            EXPECT_EQ(start, cut);
            EXPECT_EQ(QString("Invalid datatype expected (0)"), e.Message());
        } catch (const EReadError& e) {
            EXPECT_LT(start, cut) << "cut at " << cut;
            EXPECT_EQ(QString("Stream read error"), e.Message());
        }
        const size_t complete = std::upper_bound(ends.begin(), ends.end(), cut) - ends.begin();
        EXPECT_EQ(complete, index) << "cut at " << cut;
    }
}

TEST(TypeStream, StringCountOutsideTheDataFailsBeforeAllocating) {
    const int32_t counts[] = {-1, INT_MIN, INT_MAX, 4, 1 << 30};
    for (int32_t count : counts) {
        QByteArray data = Hex("53");
        data.append(reinterpret_cast<const char*>(&count), 4); // this host is little-endian
        data.append("AB\0", 3);
        TMemoryTypeStream stream(tsmRead, data);
        EXPECT_THROW(stream.ReadString(), EReadError) << count;
        EXPECT_LE(stream.LargestRead, 4) << count; // no read of the count's size was asked
    }
    TMemoryTypeStream exact(tsmRead, Hex("5303000000414200"));
    EXPECT_EQ(QString("AB"), exact.ReadString());
}

TEST(TypeStream, WritesNotTakenInFullRaise) {
    for (const Value& v : MixedValues()) {
        TMemoryTypeStream unlimited(tsmWrite);
        v.write(unlimited);
        for (int64_t capacity = 0; capacity < unlimited.Data.size(); ++capacity) {
            TMemoryTypeStream stream(tsmWrite);
            stream.Capacity = capacity;
            try {
                v.write(stream);
                ADD_FAILURE() << "a write cut at " << capacity << " raised nothing";
            } catch (const EWriteError& e) {
                EXPECT_EQ(QString("Stream write error"), e.Message()) << capacity;
            }
        }
    }
}

TEST(TypeStream, FullDiskRaisesWriteError) {
    const int handle = open("/dev/full", O_WRONLY | O_CLOEXEC);
    if (handle < 0)
        GTEST_SKIP() << "no /dev/full";
    THandleTypeStream stream(handle, tsmWrite);
    for (const Value& v : MixedValues())
        EXPECT_THROW(v.write(stream), EWriteError);
    close(handle);
}

TEST(TypeStream, FileOpenFailures) {
    FakeServices fake;
    const QString missing = fake.Folder() + "/missing.gtg";
    const QString noFolder = fake.Folder() + "/no/such/folder/x.gtg";
    struct Case {
        QString fileName;
        uint8_t mode;
        QString message;
    } cases[] = {
        {missing, 0, "Invalid file stream access type"},
        {missing, 4, "Invalid file stream access type"},
        {missing, tsmRead, "File \"" + missing + "\" does not exist"},
        {noFolder, tsmWrite, "Cannot create file " + noFolder},
        {noFolder, tsmReadWrite, "Cannot create file " + noFolder},
        {fake.Folder(), tsmWrite, "Cannot create file " + fake.Folder()},
        {fake.Folder(), tsmRead, "File \"" + fake.Folder() + "\" does not exist"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.message.toStdString(), MessageOf([&] { TFileTypeStream(c.fileName, c.mode); }));
        EXPECT_FALSE(FileExists(c.fileName));
    }
    EXPECT_THROW(TFileTypeStream(missing, 0), ETypeStream);
    EXPECT_THROW(TFileTypeStream(noFolder, tsmWrite), EFCreateError);
}

TEST(TypeStream, MissingFileIsCreatedForWriting) {
    FakeServices fake;
    for (uint8_t mode : {tsmWrite, tsmReadWrite}) {
        const QString path = fake.Folder() + QString("/new%1.gtg").arg(mode);
        TFileTypeStream stream(path, mode);
        EXPECT_TRUE(FileExists(path));
        EXPECT_EQ(0, stream.Size());
        EXPECT_EQ(path, stream.FileName());
        EXPECT_GE(stream.Handle(), 0);
    }
}

TEST(TypeStream, OpenFileDeniesOtherWriters) {
    FakeServices fake;
    const QString path = fake.Folder() + "/game.gtg";
    {
        TFileTypeStream writer(path, tsmWrite);
        EXPECT_EQ(("Cannot open file " + path).toStdString(),
                  MessageOf([&] { TFileTypeStream(path, tsmRead); }));
        EXPECT_THROW(TFileTypeStream(path, tsmWrite), EFOpenError);
    }
    TFileTypeStream reader(path, tsmRead);
    EXPECT_NO_THROW(TFileTypeStream(path, tsmRead));
    EXPECT_THROW(TFileTypeStream(path, tsmReadWrite), EFOpenError);
}

TEST(TypeStream, WritingFewerBytesKeepsTheOldTail) {
    FakeServices fake;
    const QString path = fake.Folder() + "/game.gtg";
    {
        TFileTypeStream stream(path, tsmWrite);
        stream.WriteInteger(1);
        stream.WriteInteger(2);
        stream.WriteInteger(3);
    }
    {
        TFileTypeStream stream(path, tsmWrite);
        stream.WriteInteger(7);
    }
    TFileTypeStream stream(path, tsmReadWrite);
    EXPECT_EQ(15, stream.Size());
    EXPECT_EQ(7, stream.ReadInteger());
    EXPECT_EQ(2, stream.ReadInteger());
    stream.SetSize(stream.GetPosition()); // an explicit SetSize drops the tail
    EXPECT_EQ(10, stream.Size());
    EXPECT_TRUE(stream.EndOfStream());
    EXPECT_EQ(Hex("49070000004902000000"), ReadBytes(path));
}

TEST(TypeStream, SetSizeFailureRaisesTheSystemError) {
    FakeServices fake;
    const QString path = fake.Folder() + "/game.gtg";
    WriteBytes(path, "abc");
    TFileTypeStream reader(path, tsmRead);
    EXPECT_THROW(reader.SetSize(1), EOSError);
    EXPECT_EQ(3, reader.Size());
    TMemoryTypeStream memory(tsmReadWrite, "abc");
    memory.SetSize(1); // a plain type stream has no size to set
    EXPECT_EQ(3, memory.Size());
}

// A read-only stream takes the file into memory; it must still seek as the
// file would and leave the handle's own offset alone.
TEST(TypeStream, ReadingStreamSeeksAsTheFileDoes) {
    FakeServices fake;
    const QString path = fake.Folder() + "/game.gtg";
    {
        TFileTypeStream writer(path, tsmWrite);
        writer.WriteInteger(7);
        writer.WriteString("OWL");
    }
    const int handle = open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(handle, 0);
    lseek(handle, 5, SEEK_SET);
    {
        THandleTypeStream stream(handle, tsmRead);
        EXPECT_EQ(5, stream.Position()) << "it starts where the handle stands";
        EXPECT_EQ(QString("OWL"), stream.ReadString());
        EXPECT_TRUE(stream.EndOfStream());
        EXPECT_EQ(-1, stream.Seek(-1, soBeginning));
        EXPECT_EQ(14, stream.Position()) << "a refused seek moves nothing";
        EXPECT_EQ(14, stream.Size());
        stream.SetPosition(0);
        EXPECT_EQ(7, stream.ReadInteger());
        EXPECT_EQ(20, stream.Seek(6, soEnd));
        EXPECT_EQ(0, stream.ReadDataType()) << "nothing to read past the end";
    }
    EXPECT_EQ(5, lseek(handle, 0, SEEK_CUR));
    close(handle);
}
