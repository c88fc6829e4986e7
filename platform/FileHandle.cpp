#include "platform/FileHandle.h"

#include "platform/Format.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray NativeName(const QString& FileName) {
    return QFile::encodeName(FileName);
}

int OpenFlags(TFileAccess Access) {
    switch (Access) {
    case faRead:
        return O_RDONLY;
    case faWrite:
        return O_WRONLY;
    case faReadWrite:
        return O_RDWR;
    }
    return O_RDONLY;
}

// 0 for a regular file; else why it is refused.
int NotRegularError(mode_t Mode) {
    if (S_ISREG(Mode))
        return 0;
    return S_ISDIR(Mode) ? EISDIR : EACCES;
}

// Closes Handle without disturbing the errno that explains the failure.
int FailAndClose(int Handle) {
    const int saved = errno;
    close(Handle);
    errno = saved;
    return -1;
}

// Runs one read or write step until Count bytes moved, the file ends or the
// call fails; a failure after some bytes reports those bytes.
template <typename Step> int Transfer(int Count, Step step) {
    int done = 0;
    while (done < Count) {
        const ssize_t moved = step(done, size_t(Count - done));
        if (moved < 0 && errno == EINTR)
            continue;
        if (moved < 0)
            return done > 0 ? done : -1;
        if (moved == 0)
            break;
        done += int(moved);
    }
    return done;
}

} // namespace

int FileCreate(const QString& FileName) {
    return open(NativeName(FileName).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
}

int FileOpenRegular(const QString& FileName, TFileAccess Access) {
    const QByteArray name = NativeName(FileName);
    // Looked at before it is opened: opening a pipe waits for a writer, and
    // opening a device can act on it.
    struct stat info;
    if (stat(name.constData(), &info) != 0)
        return -1;
    if (const int error = NotRegularError(info.st_mode)) {
        errno = error;
        return -1;
    }
    // A pipe put at the name since then does not hold the open up either,
    // and the second look refuses it; on a regular file the flag changes
    // nothing.
    const int handle = open(name.constData(), OpenFlags(Access) | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0)
        return -1;
    if (fstat(handle, &info) != 0)
        return FailAndClose(handle);
    if (const int error = NotRegularError(info.st_mode)) {
        errno = error;
        return FailAndClose(handle);
    }
    return handle;
}

int FileOpen(const QString& FileName, TFileAccess Access) {
    const int handle = FileOpenRegular(FileName, Access);
    if (handle < 0)
        return -1;
    const int lock = Access == faRead ? LOCK_SH : LOCK_EX;
    if (flock(handle, lock | LOCK_NB) != 0)
        return FailAndClose(handle);
    return handle;
}

void FileClose(int Handle) {
    close(Handle);
}

int FileRead(int Handle, void* Buffer, int Count) {
    if (Count < 0)
        return -1;
    char* bytes = static_cast<char*>(Buffer);
    return Transfer(Count, [&](int done, size_t left) { return read(Handle, bytes + done, left); });
}

int FileWrite(int Handle, const void* Buffer, int Count) {
    if (Count < 0)
        return -1;
    const char* bytes = static_cast<const char*>(Buffer);
    return Transfer(Count,
                    [&](int done, size_t left) { return write(Handle, bytes + done, left); });
}

int64_t FileSeek(int Handle, int64_t Offset, TSeekOrigin Origin) {
    static const int whence[] = {SEEK_SET, SEEK_CUR, SEEK_END};
    if (Origin > soEnd) {
        errno = EINVAL;
        return -1;
    }
    return lseek(Handle, off_t(Offset), whence[Origin]);
}

bool FileTruncate(int Handle, int64_t Size) {
    if (Size < 0) {
        errno = EINVAL;
        return false;
    }
    return ftruncate(Handle, off_t(Size)) == 0;
}

bool FileExists(const QString& FileName) {
    struct stat info;
    return stat(NativeName(FileName).constData(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool DeleteFile(const QString& FileName) {
    return unlink(NativeName(FileName).constData()) == 0;
}

bool MoveFile(const QString& OldName, const QString& NewName) {
    return rename(NativeName(OldName).constData(), NativeName(NewName).constData()) == 0;
}

bool LinkFile(const QString& OldName, const QString& NewName) {
    return link(NativeName(OldName).constData(), NativeName(NewName).constData()) == 0;
}

bool ForceDirectories(const QString& Dir) {
    return !Dir.isEmpty() && QDir().mkpath(Dir);
}

QString FileLinkTarget(const QString& FileName) {
    // The system's own limit on the links it follows in one name.
    constexpr int MaxLinks = 40;
    QString name = FileName;
    for (int followed = 0; followed <= MaxLinks; ++followed) {
        const QFileInfo info(name);
        if (!info.isSymLink())
            return name;
        name = info.symLinkTarget();
    }
    return QString();
}

bool IsReadOnlyFile(const QString& FileName) {
    const QByteArray name = NativeName(FileName);
    struct stat info;
    if (stat(name.constData(), &info) != 0 || S_ISDIR(info.st_mode))
        return false;
    return (info.st_mode & 0222) == 0 ||
           faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) != 0;
}

void TakeFileAttributes(int Handle, const QString& FileName) {
    const int saved = errno;
    struct stat info;
    if (stat(NativeName(FileName).constData(), &info) == 0) {
        // The group first: changing it can clear a set-group-ID bit that the
        // mode then restores. Where the system refuses (a group the user is
        // not in, a file system without owners or modes) the new file keeps
        // its own, and the write goes on.
        if (fchown(Handle, uid_t(-1), info.st_gid) != 0) {
        }
        fchmod(Handle, info.st_mode & 07777);
    }
    errno = saved;
}

QByteArray ReadFileBytes(const QString& FileName, qint64 MaxSize) {
    const auto fail = [&](const QString& reason) {
        return EFOpenError(
            Format("Cannot open file \"%s\". %s", QDir::toNativeSeparators(FileName), reason));
    };
    const int handle = FileOpenRegular(FileName, faRead);
    if (handle < 0)
        throw fail(QString::fromLocal8Bit(strerror(errno)));
    QFile file;
    if (!file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        FileClose(handle);
        throw fail(file.errorString());
    }
    // Read up to one byte past the limit, a block at a time: some files
    // (/proc) report no size, and a buffer of the limit's size up front
    // would cost far more than most files hold.
    char block[16 * 1024];
    QByteArray bytes;
    while (bytes.size() <= MaxSize) {
        const qint64 read =
            file.read(block, std::min(qint64(sizeof block), MaxSize + 1 - bytes.size()));
        if (read < 0)
            throw fail(file.errorString());
        if (read == 0)
            break;
        bytes.append(block, read);
    }
    if (bytes.size() > MaxSize)
        throw fail("The file is too large");
    return bytes;
}

EOSError::EOSError(int errorCode)
    : Exception(Format("System Error.  Code: %d.\r\n%s", errorCode,
                       QString::fromLocal8Bit(strerror(errorCode)))),
      FErrorCode(errorCode) {}

void RaiseLastOSError() {
    throw EOSError(errno);
}
