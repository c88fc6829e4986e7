#pragma once

#include <QString>
#include <cstdint>
#include <functional>

class QSaveFile;

// A new file for a name, written beside it under a name of its own and put
// in its place only once it is complete and on the disk: a write that fails
// or is cut short never touches the file at the name. Destroyed before
// Commit, it removes what it wrote.
//
// In a folder that refuses new files (a shared one) an existing file the
// user may write is written in place instead, as other programs do there:
// there is then no other name to keep the old content under.
class TFileReplacement {
public:
    // Raises EFCreateError "Cannot create file "%s". The file is read-only"
    // for a file that IsReadOnlyFile, and "Cannot create file %s"
    // (FileName) when no file can be made in the target's folder nor the
    // target written in place, or FileName's links loop.
    explicit TFileReplacement(const QString& FileName);
    ~TFileReplacement();
    TFileReplacement(const TFileReplacement&) = delete;
    TFileReplacement& operator=(const TFileReplacement&) = delete;

    // A write-only handle on the new, empty file. It has the permission
    // bits and group of the file it replaces (TakeFileAttributes).
    int Handle() const { return FHandle; }
    // The name the new file takes: FileName, or the file its symbolic links
    // lead to, so that a save through a link leaves the link in place.
    const QString& TargetName() const { return FTargetName; }

    // Makes room on the disk for Size bytes before any is written, so that
    // a full disk stops a save in place before it touches the old content
    // (EWriteError). Nothing to do for a new file.
    void Reserve(int64_t Size);

    // Flushes the file to the disk (EWriteError when that fails), runs
    // BeforeSwap while the old file still stands at the name, then gives the
    // new file the name (EFCreateError "Cannot create file %s" when it
    // cannot take it). In place, the file is cut to what was written and
    // flushed; BeforeSwap does not run, as no old file is left to keep.
    void Commit(const std::function<void()>& BeforeSwap);

private:
    void CreateBesideTarget();
    void OpenTargetInPlace();
    void CommitInPlace();

    QString FFileName;
    QString FTargetName;
    QString FTemporaryName;
    int FHandle = -1;
    bool FInPlace = false;
    bool FCommitted = false;
};

// Opens File, write-only, on a new file for its name with the permission
// bits and group of the file it replaces. Unbuffered, so that a short write
// fails at once: a buffered QSaveFile can lose the error of its final flush
// and commit a truncated file. False when it cannot be opened, with errno
// EACCES for a file that IsReadOnlyFile.
bool OpenSaveFile(QSaveFile& File);
// Why opening, writing or committing File failed.
QString SaveFileErrorString(const QSaveFile& File);
