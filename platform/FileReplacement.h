#pragma once

#include <QString>
#include <functional>

class QSaveFile;

// A new file for a name, written beside it under a name of its own and put
// in its place only once it is complete and on the disk: a write that fails
// or is cut short never touches the file at the name. Destroyed before
// Commit, it removes what it wrote.
class TFileReplacement {
public:
    // Raises EFCreateError "Cannot create file %s" (FileName) when no file
    // can be made in the target's folder or FileName's links loop.
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

    // Flushes the file to the disk (EWriteError when that fails), runs
    // BeforeSwap while the old file still stands at the name, then gives the
    // new file the name (EFCreateError "Cannot create file %s" when it
    // cannot take it).
    void Commit(const std::function<void()>& BeforeSwap);

private:
    QString FFileName;
    QString FTargetName;
    QString FTemporaryName;
    int FHandle = -1;
    bool FCommitted = false;
};

// Opens File, write-only, on a new file for its name with the permission
// bits and group of the file it replaces. Unbuffered, so that a short write
// fails at once: a buffered QSaveFile can lose the error of its final flush
// and commit a truncated file. False when it cannot be opened.
bool OpenSaveFile(QSaveFile& File);
