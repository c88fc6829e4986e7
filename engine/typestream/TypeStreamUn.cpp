#include "engine/typestream/TypeStreamUn.h"

#include "platform/FileHandle.h"
#include "platform/TextBytes.h"

#include <QtEndian>
#include <algorithm>
#include <climits>
#include <cstring>

namespace {

const char Tags[] = "SIFDB";
constexpr uint8_t TagCount = 5;

template <typename T> void StoreLittleEndian(T Value, uint8_t* Bytes) {
    if constexpr (std::is_floating_point_v<T>) {
        uint64_t bits;
        std::memcpy(&bits, &Value, sizeof bits);
        qToLittleEndian(bits, Bytes);
    } else {
        qToLittleEndian(Value, Bytes);
    }
}

template <typename T> T LoadLittleEndian(const uint8_t* Bytes) {
    if constexpr (std::is_floating_point_v<T>) {
        const uint64_t bits = qFromLittleEndian<uint64_t>(Bytes);
        T value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    } else {
        return qFromLittleEndian<T>(Bytes);
    }
}

TFileAccess AccessOf(uint8_t Mode) {
    switch (Mode) {
    case tsmRead:
        return faRead;
    case tsmWrite:
        return faWrite;
    case tsmReadWrite:
        return faReadWrite;
    }
    throw ETypeStream("Invalid file stream access type");
}

// Creates a missing file for writing; a read-only stream needs it present.
void EnsureFileExists(const QString& FileName, uint8_t Mode) {
    if (FileExists(FileName))
        return;
    if (Mode == tsmRead)
        throw ETypeStream(Format("File \"%s\" does not exist", FileName));
    const int handle = FileCreate(FileName);
    if (handle < 0)
        throw EFCreateError(Format("Cannot create file %s", FileName));
    FileClose(handle);
}

// Where a seek lands, as the system computes it: -1 before the start (the
// position then stays), anywhere after the end.
int64_t SeekTarget(TSeekOrigin Origin, int64_t Offset, int64_t Position, int64_t Size) {
    const int64_t base = Origin == soBeginning ? 0 : Origin == soCurrent ? Position : Size;
    return base + Offset < 0 ? -1 : base + Offset;
}

// A game file is read whole; a larger file in blocks of this size.
constexpr int64_t ReadBlockSize = 16 * 1024 * 1024;

} // namespace

// --- TTypeStream ---

void TTypeStream::SetSize(int64_t NewSize) {
    Q_UNUSED(NewSize);
}

int TTypeStream::GetPosition() {
    return int(Position());
}

void TTypeStream::SetPosition(int Pos) {
    TStream::SetPosition(Pos);
}

void TTypeStream::WriteModeError() {
    throw ETypeStream("Type Stream is not in write mode");
}

void TTypeStream::ReadModeError() {
    throw ETypeStream("Type Stream is not in read mode");
}

bool TTypeStream::CanRead() const {
    return FMode == tsmRead || FMode == tsmReadWrite;
}

bool TTypeStream::CanWrite() const {
    return FMode == tsmWrite || FMode == tsmReadWrite;
}

void TTypeStream::CheckWrite() {
    if (!CanWrite())
        WriteModeError();
}

void TTypeStream::CheckRead() {
    if (!CanRead())
        ReadModeError();
}

void TTypeStream::WriteDataType(uint8_t Code) {
    CheckWrite();
    // Only the five codes have a tag; anything else is refused unwritten.
    if (Code < 1 || Code > TagCount)
        throw EWriteError();
    WriteBuffer(&Tags[Code - 1], 1);
}

uint8_t TTypeStream::ReadDataType() {
    CheckRead();
    char tag = 0;
    if (Read(&tag, 1) != 1)
        return 0;
    const char* found = tag != 0 ? std::strchr(Tags, tag) : nullptr;
    return found ? uint8_t(found - Tags + 1) : 0;
}

void TTypeStream::CheckDataType(uint8_t Expected) {
    const uint8_t code = ReadDataType();
    if (code != Expected)
        throw ETypeStream(Format("Invalid datatype expected (%d)", code));
}

template <typename T> void TTypeStream::WriteValue(uint8_t Code, T Value) {
    CheckWrite();
    WriteDataType(Code);
    uint8_t bytes[sizeof(T)];
    StoreLittleEndian(Value, bytes);
    WriteBuffer(bytes, sizeof bytes);
}

template <typename T> T TTypeStream::ReadValue(uint8_t Code) {
    CheckRead();
    CheckDataType(Code);
    uint8_t bytes[sizeof(T)];
    ReadBuffer(bytes, sizeof bytes);
    return LoadLittleEndian<T>(bytes);
}

void TTypeStream::WriteString(const QString& Value) {
    CheckWrite();
    const QByteArray bytes = TextToBytes(Value);
    if (bytes.size() >= INT_MAX)
        throw EWriteError();
    // constData() ends with the zero byte that the count includes.
    const int32_t count = int32_t(bytes.size() + 1);
    WriteValue(tdtString, count);
    WriteBuffer(bytes.constData(), count);
}

QString TTypeStream::ReadString() {
    const int32_t count = ReadValue<int32_t>(tdtString);
    // Check the count against what is left before allocating for it.
    if (count < 0 || count > Size() - Position())
        throw EReadError();
    QByteArray bytes(count, Qt::Uninitialized);
    ReadBuffer(bytes.data(), count);
    bytes.chop(1); // the terminating byte, whatever it holds
    return BytesToText(bytes);
}

void TTypeStream::WriteInteger(int32_t Value) {
    WriteValue(tdtInteger, Value);
}
void TTypeStream::WriteFloat(double Value) {
    WriteValue(tdtFloat, Value);
}
void TTypeStream::WriteBoolean(uint8_t Value) {
    WriteValue(tdtByte, Value);
}
void TTypeStream::WriteDateTime(TDateTime Value) {
    WriteValue(tdtDateTime, Value);
}

int32_t TTypeStream::ReadInteger() {
    return ReadValue<int32_t>(tdtInteger);
}
double TTypeStream::ReadFloat() {
    return ReadValue<double>(tdtFloat);
}
uint8_t TTypeStream::ReadBoolean() {
    return ReadValue<uint8_t>(tdtByte);
}
TDateTime TTypeStream::ReadDateTime() {
    return ReadValue<TDateTime>(tdtDateTime);
}

bool TTypeStream::EndOfStream() {
    return Position() >= Size();
}

// --- TBufferTypeStream ---

int TBufferTypeStream::Read(void* Buffer, int Count) {
    const int done = int(std::clamp<int64_t>(FBytes.size() - FPosition, 0, Count));
    std::memcpy(Buffer, FBytes.constData() + FPosition, size_t(done));
    FPosition += done;
    return done;
}

int TBufferTypeStream::Write(const void* Buffer, int Count) {
    if (Count <= 0)
        return 0;
    if (FPosition + Count > FBytes.size())
        FBytes.resize(FPosition + Count);
    std::memcpy(FBytes.data() + FPosition, Buffer, size_t(Count));
    FPosition += Count;
    return Count;
}

int64_t TBufferTypeStream::Seek(int64_t Offset, TSeekOrigin Origin) {
    const int64_t target = SeekTarget(Origin, Offset, FPosition, FBytes.size());
    if (target >= 0)
        FPosition = target;
    return target;
}

// --- THandleTypeStream ---

int THandleTypeStream::Read(void* Buffer, int Count) {
    if (!Buffering()) {
        const int done = FileRead(FHandle, Buffer, Count);
        return done < 0 ? 0 : done;
    }
    int done = 0;
    while (done < Count && FillBlock()) {
        const int64_t offset = FPosition - FBlockStart;
        const int step = int(std::min<int64_t>(Count - done, FBlock.size() - offset));
        std::memcpy(static_cast<char*>(Buffer) + done, FBlock.constData() + offset, size_t(step));
        done += step;
        FPosition += step;
    }
    return done;
}

bool THandleTypeStream::Buffering() {
    if (FMode != tsmRead)
        return false;
    if (!FStarted) {
        FStarted = true;
        FHandleOffset = FileSeek(FHandle, 0, soCurrent);
        FFileSize = FileSeek(FHandle, 0, soEnd);
        FileSeek(FHandle, FHandleOffset, soBeginning);
        FPosition = FHandleOffset;
        // A handle that cannot seek is read as it comes.
        FBuffering = FHandleOffset >= 0 && FFileSize >= 0;
    }
    return FBuffering;
}

bool THandleTypeStream::FillBlock() {
    if (FPosition >= FBlockStart && FPosition < FBlockStart + FBlock.size())
        return true;
    const int64_t wanted = std::min<int64_t>(FFileSize - FPosition, ReadBlockSize);
    if (wanted <= 0)
        return false;
    FBlock.resize(wanted);
    const bool moved = FileSeek(FHandle, FPosition, soBeginning) == FPosition;
    const int done = moved ? FileRead(FHandle, FBlock.data(), int(wanted)) : -1;
    FileSeek(FHandle, FHandleOffset, soBeginning);
    FBlock.resize(std::max(done, 0));
    FBlockStart = FPosition;
    return !FBlock.isEmpty();
}

int THandleTypeStream::Write(const void* Buffer, int Count) {
    const int done = FileWrite(FHandle, Buffer, Count);
    return done < 0 ? 0 : done;
}

int64_t THandleTypeStream::Seek(int64_t Offset, TSeekOrigin Origin) {
    if (!Buffering())
        return FileSeek(FHandle, Offset, Origin);
    const int64_t target = SeekTarget(Origin, Offset, FPosition, FFileSize);
    if (target >= 0)
        FPosition = target;
    return target;
}

void THandleTypeStream::SetSize(int64_t NewSize) {
    if (!FileTruncate(FHandle, Seek(NewSize, soBeginning)))
        RaiseLastOSError();
}

// --- TFileTypeStream ---

TFileTypeStream::TFileTypeStream(const QString& FileName, uint8_t Mode)
    : THandleTypeStream(-1, Mode), FFileName(FileName) {
    const TFileAccess access = AccessOf(Mode);
    EnsureFileExists(FileName, Mode);
    FHandle = FileOpen(FileName, access);
    if (FHandle < 0)
        throw EFOpenError(Format("Cannot open file %s", FileName));
}

TFileTypeStream::~TFileTypeStream() {
    if (FHandle >= 0)
        FileClose(FHandle);
}
