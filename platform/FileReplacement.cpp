#include "platform/FileReplacement.h"

#include "platform/Exception.h"
#include "platform/FileHandle.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

const char ReadOnlyReason[] = "The file is read-only";

// Names are drawn until one is free; a user's file is never opened.
constexpr int NameAttempts = 100;

// Hidden, and short whatever the file is called, so that a long name still
// leaves room for it.
QString TemporaryNameBeside(const QString& FileName) {
    static const char Letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString name = QStringLiteral(".glyphtrove-");
    for (int i = 0; i < 8; ++i)
        name += QLatin1Char(Letters[QRandomGenerator::system()->bounded(int(sizeof Letters) - 1)]);
    return QFileInfo(FileName).path() + '/' + name;
}

} // namespace

TFileReplacement::TFileReplacement(const QString& FileName)
    : FFileName(FileName), FTargetName(FileLinkTarget(FileName)) {
    if (FTargetName.isEmpty())
        throw EFCreateError(Format("Cannot create file %s", FileName));
    if (IsReadOnlyFile(FTargetName))
        throw EFCreateError(Format("Cannot create file \"%s\". %s",
                                   QDir::toNativeSeparators(FileName), ReadOnlyReason));
    CreateBesideTarget();
    if (FHandle < 0 && (errno == EACCES || errno == EPERM))
        OpenTargetInPlace();
    if (FHandle < 0)
        throw EFCreateError(Format("Cannot create file %s", FileName));
    if (!FInPlace)
        TakeFileAttributes(FHandle, FTargetName);
}

TFileReplacement::~TFileReplacement() {
    if (FHandle >= 0)
        close(FHandle);
    if (!FCommitted && !FInPlace)
        DeleteFile(FTemporaryName);
}

void TFileReplacement::CreateBesideTarget() {
    for (int attempt = 0; attempt < NameAttempts && FHandle < 0; ++attempt) {
        // Beside the target, so that the rename stays within its file system.
        FTemporaryName = TemporaryNameBeside(FTargetName);
        // The mode a new file of the user's gets: 0666 less the umask.
        FHandle = open(QFile::encodeName(FTemporaryName).constData(),
                       O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (FHandle < 0 && errno != EEXIST)
            return;
    }
}

void TFileReplacement::OpenTargetInPlace() {
    // Locked as any writer of a game file, so that a reader never sees it
    // half written.
    FHandle = FileOpen(FTargetName, faWrite);
    FInPlace = FHandle >= 0;
}

void TFileReplacement::Reserve(int64_t Size) {
    if (!FInPlace || Size <= 0)
        return;
    // Mode 0 allocates without changing a byte; a file system that cannot
    // reserve ahead is written as it is.
    if (fallocate(FHandle, 0, 0, off_t(Size)) != 0 && errno != EOPNOTSUPP && errno != ENOSYS)
        throw EWriteError();
}

void TFileReplacement::Commit(const std::function<void()>& BeforeSwap) {
    if (FInPlace) {
        CommitInPlace();
        return;
    }
    // The bytes reach the disk before the name moves, so that a crash leaves
    // the old file or the whole new one at the name, never an empty one.
    const bool flushed = fsync(FHandle) == 0;
    const bool closed = close(FHandle) == 0;
    FHandle = -1;
    if (!flushed || !closed)
        throw EWriteError();
    BeforeSwap();
    if (!MoveFile(FTemporaryName, FTargetName))
        throw EFCreateError(Format("Cannot create file %s", FFileName));
    FCommitted = true;
}

void TFileReplacement::CommitInPlace() {
    // An older content that was longer must not trail the new one.
    const off_t written = lseek(FHandle, 0, SEEK_CUR);
    const bool cut = written >= 0 && ftruncate(FHandle, written) == 0;
    const bool flushed = cut && fsync(FHandle) == 0;
    const bool closed = close(FHandle) == 0;
    FHandle = -1;
    if (!flushed || !closed)
        throw EWriteError();
    FCommitted = true;
}

bool OpenSaveFile(QSaveFile& File) {
    // Refused whoever runs the program, as a game file is.
    if (IsReadOnlyFile(File.fileName())) {
        errno = EACCES;
        return false;
    }
    if (!File.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    // QSaveFile follows links and copies the mode only as far as the
    // user's own access: root's new file of a 0444 one was 0644, and the
    // group was lost.
    TakeFileAttributes(File.handle(), File.fileName());
    return true;
}

QString SaveFileErrorString(const QSaveFile& File) {
    if (!File.isOpen() && IsReadOnlyFile(File.fileName()))
        return ReadOnlyReason;
    return File.errorString();
}
