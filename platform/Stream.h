#pragma once

#include "platform/Object.h"

#include <cstdint>

// Where a seek offset counts from.
enum TSeekOrigin : uint8_t { soBeginning, soCurrent, soEnd };

// The class library's abstract byte stream. Read and Write report how many
// bytes they moved and raise nothing; ReadBuffer and WriteBuffer insist on the
// whole count. Position and Size are worked out through Seek.
class TStream : public TObject {
public:
    TStream() = default;
    TStream(const TStream&) = delete;
    TStream& operator=(const TStream&) = delete;

    virtual int Read(void* Buffer, int Count) = 0;
    virtual int Write(const void* Buffer, int Count) = 0;
    // Returns the new position, or -1 when the stream cannot move there.
    virtual int64_t Seek(int64_t Offset, TSeekOrigin Origin) = 0;
    virtual void SetSize(int64_t NewSize) = 0;

    int64_t Position() { return Seek(0, soCurrent); }
    void SetPosition(int64_t Pos) { Seek(Pos, soBeginning); }
    int64_t Size();

    // Raise EReadError / EWriteError when fewer than Count bytes move.
    void ReadBuffer(void* Buffer, int Count);
    void WriteBuffer(const void* Buffer, int Count);
};
