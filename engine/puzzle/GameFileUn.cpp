#include "engine/puzzle/GameFileUn.h"

#include "engine/properties/WordGameColourPreferencesUn.h"
#include "engine/typestream/TypeStreamUn.h"
#include "platform/Exception.h"
#include "platform/Format.h"
#include "platform/TextBytes.h"

#include <algorithm>

const char* const GlyphtroveHeaderID = "GLYPHTROVEGAME";

namespace {

// Each cell of the file is two integers of a tag and four bytes.
constexpr int64_t CellFileBytes = 10;
// The shortest text: a tag, a length and the zero byte.
constexpr int64_t MinTextFileBytes = 6;
// The shortest word record: a text and three integers.
constexpr int64_t MinWordFileBytes = MinTextFileBytes + 3 * 5;
// The calendar's range, years 1 to 9999, in days since 30 December 1899. A
// value after the last millisecond would round into year 10000, whose stamp
// no longer reads back.
constexpr double FirstDateTime = -693593.0;
constexpr double LastDateTime = 2958466.0 - 1.0 / MSecsPerDay;

Exception CorruptFile(const QString& FileName) {
    return Exception(Format("File \"%s\" is invalid or corrupt", FileName));
}

bool IsValidSide(int Value) {
    return Value >= 1 && Value <= GameFileMaxSide;
}

bool IsValidDuration(TDateTime Value) {
    return Value >= FirstDateTime && Value <= LastDateTime; // false for NaN
}

int64_t RemainingBytes(TTypeStream* Stream) {
    return Stream->Size() - Stream->Position();
}

bool ReadFlag(TTypeStream* Stream) {
    return Stream->ReadBoolean() != 0;
}

// A count of records of at least RecordBytes each; a negative one is refused.
int ReadCount(const QString& FileName, TTypeStream* Stream, int64_t RecordBytes, size_t& Reserve) {
    const int count = Stream->ReadInteger();
    if (count < 0)
        throw CorruptFile(FileName);
    // A damaged count must not reserve more than the file could hold.
    Reserve = size_t(std::min<int64_t>(count, RemainingBytes(Stream) / RecordBytes));
    return count;
}

// A code whose low byte is 0 holds no letter; the byte reads as a letter of
// the Windows code page, as older copies wrote it.
QString CellLetter(int Code) {
    const uint8_t byte = uint8_t(Code & 0xFF);
    return byte == 0 ? QString() : QString(CodePageChar(byte));
}

void ReadHeader(const QString& FileName, TTypeStream* Stream, TGameFile& File) {
    if (Stream->ReadString() != GlyphtroveHeaderID)
        throw CorruptFile(FileName);
    File.Major = Stream->ReadInteger();
    if (File.Major < 1 || File.Major > GameFileMajorVersion)
        throw Exception(
            Format("File version for \"%s\" is newer than application. Please update application",
                   FileName));
    File.Minor = Stream->ReadInteger();
}

void ReadProperties(TTypeStream* Stream, TGameFile& File) {
    File.Title = Stream->ReadString();
    File.Description = Stream->ReadString();
    File.Author = Stream->ReadString();
    File.Created = Stream->ReadString();
    File.Modified = Stream->ReadString();
    Stream->ReadString(); // reserved
}

// The sides are checked, and the file must hold all the cells, before any
// room is taken for them.
void ReadGridSize(const QString& FileName, TTypeStream* Stream, TGameFile& File) {
    File.Columns = Stream->ReadInteger();
    File.Rows = Stream->ReadInteger();
    if (!IsValidSide(File.Columns) || !IsValidSide(File.Rows) ||
        RemainingBytes(Stream) < int64_t(File.Columns) * File.Rows * CellFileBytes)
        throw CorruptFile(FileName);
}

void ReadPlaySettings(const QString& FileName, TTypeStream* Stream, TGameFile& File) {
    File.RandomLettersUsed = ReadFlag(Stream);
    File.IncludeColourScheme = ReadFlag(Stream);
    File.AutoFinish = ReadFlag(Stream);
    File.UnusedSpace = Stream->ReadInteger();
    File.UseTimer = ReadFlag(Stream);
    File.CountDown = Stream->ReadDateTime();
    if (!IsValidDuration(File.CountDown))
        throw CorruptFile(FileName);
    File.Hints = Stream->ReadInteger();
    File.CanGiveIn = ReadFlag(Stream);
}

void ReadColours(TTypeStream* Stream, TGameFile& File) {
    for (size_t i = 0; i < 2 * GameFileRoleOrder.size(); ++i)
        File.Colours.push_back(TColor(Stream->ReadInteger()));
}

void ReadCells(TTypeStream* Stream, TGameFile& File) {
    File.Cells.resize(size_t(File.Columns) * size_t(File.Rows));
    for (TGameFileCell& cell : File.Cells) {
        cell.Letter = CellLetter(Stream->ReadInteger());
        cell.State = uint32_t(Stream->ReadInteger());
    }
}

void ReadWords(const QString& FileName, TTypeStream* Stream, TGameFile& File) {
    size_t reserve = 0;
    const int count = ReadCount(FileName, Stream, MinWordFileBytes, reserve);
    File.Words.reserve(reserve);
    for (int i = 0; i < count; ++i) {
        TGameFileWord word;
        word.Word = Stream->ReadString();
        word.X = Stream->ReadInteger();
        word.Y = Stream->ReadInteger();
        word.Direction = Stream->ReadInteger();
        // No word starts outside the grid; refusing it here also keeps the
        // placement's cell arithmetic within the grid's range.
        if (word.X < 0 || word.X >= File.Columns || word.Y < 0 || word.Y >= File.Rows)
            throw CorruptFile(FileName);
        File.Words.push_back(word);
    }
}

void ReadWishList(const QString& FileName, TTypeStream* Stream, TGameFile& File) {
    File.HasWishList = !Stream->EndOfStream();
    if (!File.HasWishList)
        return;
    size_t reserve = 0;
    const int count = ReadCount(FileName, Stream, MinTextFileBytes, reserve);
    File.Wishes.reserve(qsizetype(reserve));
    for (int i = 0; i < count; ++i)
        File.Wishes.append(Stream->ReadString());
}

} // namespace

TGameFile ReadGameFile(const QString& FileName, TTypeStream* Stream) {
    TGameFile file;
    ReadHeader(FileName, Stream, file);
    ReadProperties(Stream, file);
    ReadGridSize(FileName, Stream, file);
    ReadPlaySettings(FileName, Stream, file);
    if (file.IncludeColourScheme)
        ReadColours(Stream, file);
    ReadCells(Stream, file);
    ReadWords(FileName, Stream, file);
    ReadWishList(FileName, Stream, file);
    return file;
}
