#include "platform/FileHandle.h"
#include "support/FakeServices.h"
#include "support/OddFiles.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <gtest/gtest.h>

TEST(FileHandle, OpeningNeverTruncates) {
    FakeServices fake;
    const QString path = fake.Folder() + "/data.bin";
    WriteBytes(path, "abcdef");

    const int created = FileCreate(path);
    ASSERT_GE(created, 0);
    FileClose(created);
    EXPECT_EQ(QByteArray("abcdef"), ReadBytes(path));

    const int handle = FileOpen(path, faWrite);
    ASSERT_GE(handle, 0);
    EXPECT_EQ(2, FileWrite(handle, "XY", 2));
    EXPECT_EQ(6, FileSeek(handle, 0, soEnd));
    EXPECT_EQ(3, FileSeek(handle, -3, soCurrent));
    EXPECT_TRUE(FileTruncate(handle, 4));
    EXPECT_FALSE(FileTruncate(handle, -1));
    FileClose(handle);
    EXPECT_EQ(QByteArray("XYcd"), ReadBytes(path));
}

TEST(FileHandle, ReadStopsAtTheEndAndFailsOnAWriteOnlyHandle) {
    FakeServices fake;
    const QString path = fake.Folder() + "/data.bin";
    WriteBytes(path, "abc");
    char buffer[8] = {};

    const int reader = FileOpen(path, faRead);
    ASSERT_GE(reader, 0);
    EXPECT_EQ(3, FileRead(reader, buffer, 8));
    EXPECT_EQ(0, FileRead(reader, buffer, 8));
    EXPECT_EQ(-1, FileWrite(reader, "x", 1));
    FileClose(reader);

    const int writer = FileOpen(path, faWrite);
    ASSERT_GE(writer, 0);
    EXPECT_EQ(-1, FileRead(writer, buffer, 1));
    FileClose(writer);
}

TEST(FileHandle, OthersMayReadButNotWrite) {
    FakeServices fake;
    const QString path = fake.Folder() + "/shared.bin";
    WriteBytes(path, "x");
    struct Case {
        TFileAccess first, second;
        bool secondOpens;
    } cases[] = {
        {faRead, faRead, true},
        {faRead, faWrite, false},
        {faRead, faReadWrite, false},
        {faWrite, faRead, false},
        {faWrite, faWrite, false},
        {faReadWrite, faRead, false},
        {faReadWrite, faReadWrite, false},
    };
    for (const Case& c : cases) {
        const int first = FileOpen(path, c.first);
        ASSERT_GE(first, 0);
        const int second = FileOpen(path, c.second);
        EXPECT_EQ(c.secondOpens, second >= 0) << c.first << " then " << c.second;
        if (second >= 0)
            FileClose(second);
        FileClose(first);
        // Closing releases the file for everyone.
        const int again = FileOpen(path, c.second);
        EXPECT_GE(again, 0);
        FileClose(again);
    }
}

TEST(FileHandle, MissingFilesAndFoldersDoNotOpen) {
    FakeServices fake;
    EXPECT_EQ(-1, FileOpen(fake.Folder() + "/missing.bin", faRead));
    EXPECT_EQ(-1, FileOpen(fake.Folder(), faRead));
    EXPECT_EQ(-1, FileCreate(fake.Folder() + "/no/such/folder/x.bin"));
    EXPECT_EQ(-1, FileCreate(fake.Folder()));
}

// A pipe holds an open up until another program writes to it, and a device
// can be endless: only regular files open, at once, and the rest are
// refused as files that cannot be read. A link to a regular file opens.
TEST(FileHandle, OnlyRegularFilesOpenAndNoneWaits) {
    FakeServices fake;
    const QString pipe = fake.Folder() + "/pipe.gtg", pipeLink = fake.Folder() + "/to-pipe.gtg";
    const QString socketName = fake.Folder() + "/socket.gtg";
    const QString regular = fake.Folder() + "/game.gtg",
                  regularLink = fake.Folder() + "/to-game.gtg";
    ASSERT_TRUE(MakeNamedPipe(pipe));
    ASSERT_TRUE(QFile::link(pipe, pipeLink));
    const int socketHandle = MakeSocketFile(socketName);
    ASSERT_GE(socketHandle, 0);
    WriteBytes(regular, "abc");
    ASSERT_TRUE(QFile::link(regular, regularLink));
    const struct {
        QString Name;
        int Error;
    } refused[] = {
        {pipe, EACCES},        {pipeLink, EACCES},      {socketName, EACCES},
        {"/dev/null", EACCES}, {fake.Folder(), EISDIR},
    };
    const HangGuard guard;
    for (const auto& c : refused)
        for (const TFileAccess access : {faRead, faWrite, faReadWrite}) {
            SCOPED_TRACE(c.Name.toStdString() + " access " + std::to_string(access));
            errno = 0;
            const int handle = FileOpen(c.Name, access);
            EXPECT_EQ(handle, -1);
            EXPECT_EQ(errno, c.Error);
            if (handle >= 0)
                FileClose(handle);
        }
    const int handle = FileOpen(regularLink, faRead);
    ASSERT_GE(handle, 0);
    char buffer[4];
    EXPECT_EQ(FileRead(handle, buffer, 4), 3);
    FileClose(handle);
    close(socketHandle);
}

TEST(FileHandle, LinkTargetIsTheNameAtTheEndOfTheChain) {
    FakeServices fake;
    const QString folder = fake.Folder(), game = folder + "/real/game.gtg";
    ASSERT_TRUE(QDir().mkpath(folder + "/real") && QDir().mkpath(folder + "/other"));
    WriteBytes(game, "game");
    const struct {
        QString Link, Target;
    } links[] = {
        {"direct", "real/game.gtg"},  {"chain", "direct"},  {"other/far", "../chain"},
        {"dangling", "real/new.gtg"}, {"loop-a", "loop-b"}, {"loop-b", "loop-a"},
    };
    for (const auto& l : links)
        ASSERT_EQ(symlink(QFile::encodeName(l.Target).constData(),
                          QFile::encodeName(folder + "/" + l.Link).constData()),
                  0);
    const struct {
        QString Name, Target;
    } cases[] = {
        {game, game},
        {folder + "/direct", game},
        {folder + "/other/far", game},
        {folder + "/dangling", folder + "/real/new.gtg"},
        {folder + "/missing.gtg", folder + "/missing.gtg"},
        {folder + "/loop-a", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FileLinkTarget(c.Name).toStdString(), c.Target.toStdString());
}

TEST(FileHandle, ExistsDeleteMoveAndCreateFolders) {
    FakeServices fake;
    const QString a = fake.Folder() + "/a.gtg";
    const QString b = fake.Folder() + "/a.bak";
    WriteBytes(a, "new");
    WriteBytes(b, "old");

    EXPECT_TRUE(FileExists(a));
    EXPECT_FALSE(FileExists(fake.Folder()));
    EXPECT_FALSE(FileExists(fake.Folder() + "/missing"));

    EXPECT_TRUE(MoveFile(a, b)); // replaces the old backup
    EXPECT_FALSE(FileExists(a));
    EXPECT_EQ(QByteArray("new"), ReadBytes(b));
    EXPECT_FALSE(MoveFile(a, b));

    EXPECT_TRUE(DeleteFile(b));
    EXPECT_FALSE(FileExists(b));
    EXPECT_FALSE(DeleteFile(b));
    EXPECT_FALSE(DeleteFile(fake.Folder()));

    const QString nested = fake.Folder() + "/My Puzzles/x/y";
    EXPECT_TRUE(ForceDirectories(nested));
    EXPECT_TRUE(QDir(nested).exists());
    EXPECT_TRUE(ForceDirectories(nested));
    EXPECT_FALSE(ForceDirectories(""));
    WriteBytes(fake.Folder() + "/file", "x");
    EXPECT_FALSE(ForceDirectories(fake.Folder() + "/file/sub"));
}

TEST(FileHandle, OSErrorCarriesCodeAndText) {
    try {
        errno = ENOENT;
        RaiseLastOSError();
    } catch (const EOSError& e) {
        EXPECT_EQ(ENOENT, e.ErrorCode());
        EXPECT_TRUE(e.Message().startsWith(QString("System Error.  Code: %1.\r\n").arg(ENOENT)));
        EXPECT_GT(e.Message().size(), QString("System Error.  Code: 2.\r\n").size());
    }
}
