#pragma once

#include "platform/DateTime.h"
#include "platform/Exception.h"
#include "platform/Stream.h"

#include <QString>
#include <cstdint>

// Every value in a type stream is a one-byte tag followed by its payload,
// little-endian, with no padding:
//   code 1 'S' string   int32 n = bytes + 1, then the bytes and a zero byte
//   code 2 'I' integer  int32
//   code 3 'F' float    double
//   code 4 'D' date     double (TDateTime)
//   code 5 'B' byte     uint8 (booleans as 0 and 1)
// Code 0 on reading: a tag that is none of these, or no tag at all.

// Wrong mode, wrong tag, bad access type, missing file.
class ETypeStream : public Exception {
public:
    using Exception::Exception;
};

// Stream modes.
constexpr uint8_t tsmRead = 1;
constexpr uint8_t tsmWrite = 2;
constexpr uint8_t tsmReadWrite = 3;

// Type codes.
constexpr uint8_t tdtString = 1;
constexpr uint8_t tdtInteger = 2;
constexpr uint8_t tdtFloat = 3;
constexpr uint8_t tdtDateTime = 4;
constexpr uint8_t tdtByte = 5;

// A byte stream with an access mode and typed reads and writes. A payload cut
// short raises EReadError, a payload or tag not taken in full EWriteError.
class TTypeStream : public TStream {
public:
    explicit TTypeStream(uint8_t Mode) : FMode(Mode) {}

    uint8_t Mode() const { return FMode; }
    // Does nothing: a plain type stream has no size of its own to set.
    void SetSize(int64_t NewSize) override;

    virtual int GetPosition();
    virtual void SetPosition(int Pos);
    [[noreturn]] virtual void WriteModeError();
    [[noreturn]] virtual void ReadModeError();
    virtual void WriteDataType(uint8_t Code);
    // Reads a tag; raises "Invalid datatype expected (%d)" with the code read
    // when it is not Expected. The tag stays consumed.
    virtual void CheckDataType(uint8_t Expected);
    virtual bool CanRead() const;
    virtual bool CanWrite() const;
    virtual void WriteString(const QString& Value);
    virtual void WriteInteger(int32_t Value);
    virtual void WriteFloat(double Value);
    virtual void WriteBoolean(uint8_t Value);
    virtual void WriteDateTime(TDateTime Value);
    virtual QString ReadString();
    virtual int32_t ReadInteger();
    virtual double ReadFloat();
    virtual uint8_t ReadBoolean();
    virtual TDateTime ReadDateTime();
    // The code of the next tag; 0 for an unknown tag or at the end.
    virtual uint8_t ReadDataType();

    bool EndOfStream();

protected:
    uint8_t FMode;

private:
    template <typename T> void WriteValue(uint8_t Code, T Value);
    template <typename T> T ReadValue(uint8_t Code);
    void CheckWrite();
    void CheckRead();
};

// A type stream over bytes in memory, which it grows as it writes.
class TBufferTypeStream : public TTypeStream {
public:
    explicit TBufferTypeStream(uint8_t Mode, QByteArray Bytes = {})
        : TTypeStream(Mode), FBytes(std::move(Bytes)) {}

    const QByteArray& Bytes() const { return FBytes; }
    int Read(void* Buffer, int Count) override;
    int Write(const void* Buffer, int Count) override;
    int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;

private:
    QByteArray FBytes;
    int64_t FPosition = 0;
};

// A type stream on an open file handle that it does not own. A read-only
// stream takes the file in large blocks (a game file whole) at its first read
// or seek, and then moves through them without calling the system; the
// handle's own offset stays where it was.
class THandleTypeStream : public TTypeStream {
public:
    THandleTypeStream(int Handle, uint8_t Mode) : TTypeStream(Mode), FHandle(Handle) {}

    int Handle() const { return FHandle; }
    int Read(void* Buffer, int Count) override;
    int Write(const void* Buffer, int Count) override;
    int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
    // Sets the end of the file at NewSize; raises EOSError on failure.
    void SetSize(int64_t NewSize) override;

protected:
    int FHandle;

private:
    // Whether reads and seeks go through the block; decided at the first.
    bool Buffering();
    // Makes the block hold the byte at FPosition; false past the end.
    bool FillBlock();

    bool FStarted = false;
    bool FBuffering = false;
    int64_t FHandleOffset = 0;
    int64_t FPosition = 0;
    int64_t FFileSize = 0;
    QByteArray FBlock;
    int64_t FBlockStart = 0;
};

// A type stream that opens a named file itself (creating it for modes 2
// and 3) and closes it when destroyed. Opening never truncates: bytes past
// the last one written stay in the file. Others may read the file, not write
// it, while the stream is open.
class TFileTypeStream : public THandleTypeStream {
public:
    TFileTypeStream(const QString& FileName, uint8_t Mode);
    ~TFileTypeStream() override;

    const QString& FileName() const { return FFileName; }

private:
    QString FFileName;
};
