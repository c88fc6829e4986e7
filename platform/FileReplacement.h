#pragma once

#include <QString>
#include <functional>

// A new file for a name, written beside it under a name of its own and put
// in its place only once it is complete and on the disk: a write that fails
// or is cut short never touches the file at the name. Destroyed before
// Commit, it removes what it wrote.
class TFileReplacement {
public:
    // Raises EFCreateError "Cannot create file %s" (FileName) when no file
    // can be made in FileName's folder.
    explicit TFileReplacement(const QString& FileName);
    ~TFileReplacement();
    TFileReplacement(const TFileReplacement&) = delete;
    TFileReplacement& operator=(const TFileReplacement&) = delete;

    // A write-only handle on the new, empty file.
    int Handle() const { return FHandle; }

    // Flushes the file to the disk (EWriteError when that fails), runs
    // BeforeSwap while the old file still stands at the name, then gives the
    // new file the name (EFCreateError "Cannot create file %s" when it
    // cannot take it).
    void Commit(const std::function<void()>& BeforeSwap);

private:
    QString FFileName;
    QString FTemporaryName;
    int FHandle = -1;
    bool FCommitted = false;
};
