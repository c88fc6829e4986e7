#include "platform/TextFile.h"

#include "platform/FileHandle.h"
#include "platform/FileReplacement.h"
#include "platform/TextBytes.h"

#include <cerrno>
#include <cstdlib>
#include <memory>

namespace {

const char Utf8Bom[] = "\xEF\xBB\xBF";

struct TIoFault {
    int errorNumber;
    int code;
    const char* message;
};

const TIoFault kIoFaults[] = {
    {ENOENT, 2, "File not found"},
    {ENOTDIR, 3, "Invalid filename"},
    {ENAMETOOLONG, 3, "Invalid filename"},
    {EMFILE, 4, "Too many open files"},
    {ENFILE, 4, "Too many open files"},
    {EACCES, 5, "File access denied"},
    {EPERM, 5, "File access denied"},
    {EROFS, 5, "File access denied"},
    {EISDIR, 5, "File access denied"},
    {ENOSPC, 101, "Disk full"},
    {EDQUOT, 101, "Disk full"},
    {EFBIG, 101, "Disk full"},
};

const TIoFault* FindFault(int errorNumber) {
    for (const TIoFault& fault : kIoFaults)
        if (fault.errorNumber == errorNumber)
            return &fault;
    return nullptr;
}

int IoErrorCode(int errorNumber) {
    const TIoFault* fault = FindFault(errorNumber);
    return fault ? fault->code : errorNumber;
}

QString IoErrorMessage(int errorNumber) {
    const TIoFault* fault = FindFault(errorNumber);
    return fault ? QString(fault->message) : Format("I/O error %d", errorNumber);
}

// The error number of the failure just seen, never 0.
int LastErrorNumber() {
    return errno != 0 ? errno : EIO;
}

} // namespace

EInOutError::EInOutError(int errorNumber)
    : Exception(IoErrorMessage(errorNumber)), FErrorCode(IoErrorCode(errorNumber)) {}

TTextFileReader::TTextFileReader(const QString& FileName) {
    errno = 0;
    const int handle = FileOpenRegular(FileName, faRead);
    if (handle < 0)
        throw EInOutError(LastErrorNumber());
    FFile = fdopen(handle, "rb");
    if (!FFile) {
        const int errorNumber = LastErrorNumber();
        FileClose(handle);
        throw EInOutError(errorNumber);
    }
}

TTextFileReader::~TTextFileReader() {
    std::fclose(FFile);
}

bool TTextFileReader::Eof() {
    errno = 0;
    const int c = std::fgetc(FFile);
    if (c == EOF && std::ferror(FFile))
        throw EInOutError(LastErrorNumber());
    if (c == EOF)
        return true;
    std::ungetc(c, FFile);
    return false;
}

QString TTextFileReader::ReadLn() {
    char* buffer = nullptr;
    size_t capacity = 0;
    errno = 0;
    const ssize_t length = getline(&buffer, &capacity, FFile);
    std::unique_ptr<char, decltype(&std::free)> owned(buffer, &std::free);
    if (length < 0) {
        if (std::ferror(FFile))
            throw EInOutError(LastErrorNumber());
        return QString(); // at the end, as the run-time library's ReadLn
    }
    QByteArray line(buffer, qsizetype(length));
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    if (FFirstLine && line.startsWith(Utf8Bom))
        line.remove(0, 3);
    FFirstLine = false;
    return BytesToText(line);
}

namespace {
constexpr qsizetype PendingLimit = 64 * 1024;
}

TTextFileWriter::TTextFileWriter(const QString& FileName) : FFile(FileName) {
    // In a folder where no temporary file can be made, write in place.
    FFile.setDirectWriteFallback(true);
    errno = 0;
    if (!OpenSaveFile(FFile))
        Fail();
}

void TTextFileWriter::WriteLn(const QString& Line) {
    QByteArray bytes = TextToBytes(Line) + "\r\n";
    // The reader takes a leading byte-order mark off the first line, so a
    // first line whose own bytes begin with one gets a mark to lose.
    if (FFirstLine && bytes.startsWith(Utf8Bom))
        bytes.prepend(Utf8Bom);
    FFirstLine = false;
    FPending += bytes;
    // Lines go out in blocks: one write a line made long files slow.
    if (FPending.size() >= PendingLimit)
        WritePending();
}

void TTextFileWriter::Close() {
    WritePending();
    errno = 0;
    if (!FFile.commit())
        Fail();
}

void TTextFileWriter::WritePending() {
    errno = 0;
    if (FFile.write(FPending) != FPending.size())
        Fail();
    FPending.clear();
}

void TTextFileWriter::Fail() {
    const int errorNumber = LastErrorNumber();
    FFile.cancelWriting();
    throw EInOutError(errorNumber);
}
