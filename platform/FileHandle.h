#pragma once

#include "platform/Exception.h"
#include "platform/Stream.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

// Files by operating-system handle. A handle below zero means no file.

enum TFileAccess : uint8_t { faRead, faWrite, faReadWrite };

// Creates the file empty when it is missing (an existing file keeps its
// contents) and returns a write-only handle, or -1.
int FileCreate(const QString& FileName);
// Opens an existing regular file (or a symbolic link to one), never
// truncating it and never waiting: a named pipe, socket or device is
// refused at once as a file that cannot be read (errno EACCES), a folder
// with EISDIR. Takes no lock. Returns the handle, or -1.
int FileOpenRegular(const QString& FileName, TFileAccess Access);
// FileOpenRegular, and others may read the file but not write it while the
// handle is open: a reader holds a shared lock, a writer an exclusive one,
// so an open that would break this fails. Returns the handle, or -1.
int FileOpen(const QString& FileName, TFileAccess Access);
void FileClose(int Handle);

// The bytes moved (a short count at the end of the file or on a full disk),
// or -1 on failure.
int FileRead(int Handle, void* Buffer, int Count);
int FileWrite(int Handle, const void* Buffer, int Count);
// The new position, or -1.
int64_t FileSeek(int Handle, int64_t Offset, TSeekOrigin Origin);
// Sets the end of the file at Size; false on failure (errno tells why).
bool FileTruncate(int Handle, int64_t Size);

// True for anything at the name but a folder.
bool FileExists(const QString& FileName);
bool DeleteFile(const QString& FileName);
// Renames within the file system; an existing NewName is replaced.
bool MoveFile(const QString& OldName, const QString& NewName);
// Gives the file a second name; false when NewName exists or the file
// system keeps one name a file.
bool LinkFile(const QString& OldName, const QString& NewName);
// Creates the folder and every missing parent; true when it exists after.
bool ForceDirectories(const QString& Dir);

// The name that a write through FileName replaces: the end of its chain of
// symbolic links (the name a dangling link points to, too), or FileName
// when it is no link. Empty for a chain that loops.
QString FileLinkTarget(const QString& FileName);
// True when a file (not a folder) stands at the name, links followed, and
// its permission bits let nobody write it, or not this user. Editors refuse
// to write over such a file, root's too, though the system would let root.
bool IsReadOnlyFile(const QString& FileName);
// Gives the new file behind Handle the permission bits and, where the
// system allows, the group of the file that FileName names (links
// followed). Nothing changes when no file is there.
void TakeFileAttributes(int Handle, const QString& FileName);

// The whole content of a regular file. Raises EFOpenError ("Cannot open
// file "%s". <reason>") when it cannot be opened (FileOpenRegular) or read,
// or holds more than MaxSize bytes.
QByteArray ReadFileBytes(const QString& FileName, qint64 MaxSize);

// The operating-system error: "System Error.  Code: %d.\r\n%s".
class EOSError : public Exception {
public:
    explicit EOSError(int errorCode);
    int ErrorCode() const { return FErrorCode; }

private:
    int FErrorCode;
};
// Raises EOSError for the current errno.
[[noreturn]] void RaiseLastOSError();
