#include "platform/FileHandle.h"
#include "support/FakeServices.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
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
