#pragma once

#include "platform/Exception.h"

#include <QSaveFile>
#include <QString>
#include <cstdio>

// The run-time library's input/output error. ErrorCode follows the
// run-time library's numbering where it has one (2 file not found,
// 3 invalid file name, 4 too many open files, 5 access denied, 101 disk
// full); otherwise it is the system's error number.
class EInOutError : public Exception {
public:
    explicit EInOutError(int errorNumber);
    int ErrorCode() const { return FErrorCode; }

private:
    int FErrorCode;
};

// Reads a text file line by line. A line ends with CR LF or with LF alone;
// the last line may lack its ending. Each line is decoded on its own (see
// TextBytes.h); a byte-order mark at the start of the file is dropped.
class TTextFileReader {
public:
    // Raises EInOutError when the file cannot be opened.
    explicit TTextFileReader(const QString& FileName);
    ~TTextFileReader();
    TTextFileReader(const TTextFileReader&) = delete;
    TTextFileReader& operator=(const TTextFileReader&) = delete;

    // Raises EInOutError on a read error.
    bool Eof();
    // The next line without its ending; the empty text at the end of the
    // file. Raises EInOutError on a read error.
    QString ReadLn();

private:
    std::FILE* FFile = nullptr;
    bool FFirstLine = true;
};

// Writes a text file of lines, each ended by CR LF and encoded on its own
// (see TextBytes.h). The file is
// created or replaced when Close succeeds; a writer destroyed without Close
// (after an error) leaves any earlier file of that name untouched.
class TTextFileWriter {
public:
    // Raises EInOutError when the file cannot be created.
    explicit TTextFileWriter(const QString& FileName);
    // Lines are written in blocks: raises EInOutError when a block could
    // not be written in full.
    void WriteLn(const QString& Line);
    // Raises EInOutError when the text could not be written in full.
    void Close();

private:
    void WritePending();
    [[noreturn]] void Fail();
    QSaveFile FFile;
    QByteArray FPending;
    bool FFirstLine = true;
};
