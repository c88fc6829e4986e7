// The files a user names: every writer that replaces one keeps it as the
// user set it up (its mode, its group, the symbolic links leading to it),
// and every reader refuses what is no regular file at once.

#include "engine/puzzle/GlyphtroveUn.h"
#include "platform/FileHandle.h"
#include "platform/IniFile.h"
#include "support/FakeServices.h"
#include "support/OddFiles.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct TWriter {
    const char* Name;
    const char* Extension;
    std::function<void(TGlyphtroveEditor&, const QString&)> Write;
};

const TWriter kWriters[] = {
    {"game file", "gtg", [](TGlyphtroveEditor& P, const QString& F) { P.SaveToFile(F); }},
    {"text export", "gtx", [](TGlyphtroveEditor& P, const QString& F) { P.ExportToTextFile(F); }},
    {"HTML page", "html",
     [](TGlyphtroveEditor& P, const QString& F) {
         QString used;
         P.ExportHTML(F, used);
     }},
    {"word list", "txt",
     [](TGlyphtroveEditor& P, const QString& F) { P.WishList()->SaveToTextFile(F); }},
    {"settings file", "dat",
     [](TGlyphtroveEditor&, const QString& F) {
         TIniFile ini(F, TIniFile::omEmpty);
         ini.WriteString("OPTIONS", "Timer", "1");
         ini.UpdateFile();
     }},
};

struct stat StatOf(const QString& Name) {
    struct stat info {};
    EXPECT_EQ(stat(QFile::encodeName(Name).constData(), &info), 0) << Name.toStdString();
    return info;
}

mode_t ModeOf(const QString& Name) {
    return StatOf(Name).st_mode & 07777;
}

// A group the test may give a file other than its own: any group for root,
// else one the user belongs to besides the main one (the main one when
// there is none, so the group part then checks nothing).
gid_t OtherGroup() {
    if (geteuid() == 0)
        return getegid() + 4242;
    gid_t groups[64];
    const int count = getgroups(64, groups);
    for (int i = 0; i < count; ++i)
        if (groups[i] != getegid())
            return groups[i];
    return getegid();
}

std::string Listing(const QString& Folder) {
    return QDir(Folder)
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                   QDir::Name)
        .join(",")
        .toStdString();
}

// Root may create files in any folder; without these capabilities it is
// refused as any user is. False when they could not be dropped.
bool DropFolderOverrides() {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (syscall(SYS_capget, &header, data) != 0)
        return false;
    for (const int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
        data[0].effective &= ~(1u << capability);
    return syscall(SYS_capset, &header, data) == 0;
}

// What Run raised, run in a child process that may not create files in
// Folder, whoever runs the test: "" when nothing was raised.
std::string InFolderRefusingNewFiles(const QString& Folder, const std::function<void()>& Run) {
    int report[2];
    if (pipe(report) != 0)
        return "no pipe";
    const pid_t child = fork();
    if (child == 0) {
        close(report[0]);
        std::string message = "the folder still takes new files";
        if (DropFolderOverrides() && FileCreate(Folder + "/probe") < 0)
            message = MessageOf(Run);
        if (write(report[1], message.data(), message.size()) < 0) {
        }
        _exit(0);
    }
    close(report[1]);
    std::string message;
    char block[256];
    for (ssize_t got; (got = read(report[0], block, sizeof block)) > 0;)
        message.append(block, size_t(got));
    close(report[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return message;
}

class UserFiles : public ::testing::Test {
protected:
    UserFiles() {
        Puzzle.resize(200, 200);
        Puzzle.SetGridSize(6, 6);
        Puzzle.GamePreferences()->SetAutoFinish(false);
        Puzzle.PlaceWord(0, 0, wdRight, "CAT", false);
        Puzzle.WishList()->Add("OWL");
    }
    // A folder of its own for each writer, so that a listing shows what it
    // left there.
    QString Folder(const TWriter& Writer) const {
        const QString folder = Fake.Folder() + "/" + Writer.Extension;
        QDir().mkpath(folder);
        return folder;
    }
    FakeServices Fake;
    TGlyphtroveEditor Puzzle;
};

} // namespace

// A name where nothing stood gets the mode every new file of the user's
// gets: 0666 less the umask.
TEST_F(UserFiles, ReplacingWritersKeepTheModeAndGroupOfTheFileTheyReplace) {
    enum TBefore { bFile, bPipe, bNothing };
    const struct {
        const char* What;
        TBefore Before;
        mode_t Mode;
        gid_t Group;
    } cases[] = {
        {"private", bFile, 0600, getegid()},
        {"group-writable", bFile, 0664, getegid()},
        {"another group's", bFile, 0640, OtherGroup()},
        {"a named pipe", bPipe, 0600, getegid()},
        {"new", bNothing, 0640, getegid()},
    };
    const struct UmaskScope {
        mode_t Old = umask(027);
        ~UmaskScope() { umask(Old); }
    } umaskScope;
    const HangGuard guard;
    for (const TWriter& writer : kWriters)
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(writer.Name) + ", " + c.What);
            const QString name = Folder(writer) + "/" + c.What + "." + writer.Extension;
            if (c.Before == bPipe) {
                ASSERT_TRUE(MakeNamedPipe(name));
            } else if (c.Before == bFile) {
                WriteBytes(name, "old");
            }
            if (c.Before != bNothing) {
                ASSERT_EQ(chown(QFile::encodeName(name).constData(), uid_t(-1), c.Group), 0);
                ASSERT_EQ(chmod(QFile::encodeName(name).constData(), c.Mode), 0);
            }

            writer.Write(Puzzle, name);
            EXPECT_TRUE(QFileInfo(name).isFile());
            EXPECT_NE(ReadBytes(name), "old");
            EXPECT_EQ(ModeOf(name), c.Mode);
            EXPECT_EQ(StatOf(name).st_gid, c.Group);
        }
}

// A file whose permission bits let nobody write it is left as it is by
// every writer, whoever runs the program, also through a link; nothing new
// is left beside it.
TEST_F(UserFiles, ReplacingWritersRefuseAReadOnlyFile) {
    for (const TWriter& writer : kWriters)
        for (const mode_t mode : {0444, 0400, 0555}) {
            const QString folder = Folder(writer), ext = writer.Extension;
            const QString name = folder + "/read-only." + ext;
            for (const QString& written : {name, folder + "/link." + ext}) {
                SCOPED_TRACE(std::string(writer.Name) + " " + written.toStdString() + " " +
                             std::to_string(mode));
                WriteBytes(name, "old");
                ASSERT_EQ(chmod(QFile::encodeName(name).constData(), mode), 0);
                if (written != name) {
                    ASSERT_TRUE(QFile::link("read-only." + ext, written));
                }
                const std::string message = MessageOf([&] { writer.Write(Puzzle, written); });
                const bool namesTheFile = ext == "gtg" || ext == "dat";
                EXPECT_EQ(message, namesTheFile ? "Cannot create file \"" + written.toStdString() +
                                                      "\". The file is read-only"
                                                : "File access denied");
                EXPECT_EQ(ReadBytes(name), "old");
                EXPECT_EQ(ModeOf(name), mode);
                EXPECT_EQ(Listing(folder),
                          (written == name ? "" : "link." + ext.toStdString() + ",") +
                              "read-only." + ext.toStdString());
                QFile::remove(written);
                QFile::remove(name);
            }
        }
}

// In a shared folder where the user may write the game but not make files,
// the game is written in place, whole and cut to its length, without a
// backup; a new name or a read-only game there is still refused.
TEST_F(UserFiles, ASaveInAFolderThatRefusesNewFilesWritesTheGameInPlace) {
    const QString folder = Fake.Folder() + "/shared";
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString game = folder + "/birds.gtg", readOnly = folder + "/fixed.gtg";
    const QByteArray longer(20000, 'x');
    WriteBytes(game, longer);
    WriteBytes(readOnly, "old");
    ASSERT_EQ(chmod(QFile::encodeName(game).constData(), 0640), 0);
    ASSERT_EQ(chmod(QFile::encodeName(readOnly).constData(), 0444), 0);
    ASSERT_EQ(chmod(QFile::encodeName(folder).constData(), 0555), 0);
    const struct {
        QString Name;
        std::string Message;
    } cases[] = {
        {game, ""},
        {folder + "/new.gtg", "Cannot create file " + (folder + "/new.gtg").toStdString()},
        {readOnly, "Cannot create file \"" + readOnly.toStdString() + "\". The file is read-only"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name.toStdString());
        EXPECT_EQ(InFolderRefusingNewFiles(folder, [&] { Puzzle.SaveToFile(c.Name); }), c.Message);
    }
    ASSERT_EQ(chmod(QFile::encodeName(folder).constData(), 0755), 0);
    EXPECT_EQ(Listing(folder), "birds.gtg,fixed.gtg");
    EXPECT_EQ(ModeOf(game), 0640u);
    EXPECT_EQ(ReadBytes(readOnly), "old");
    TGlyphtroveEditor loaded;
    loaded.resize(200, 200);
    EXPECT_EQ(MessageOf([&] { loaded.LoadFromFile(game); }), "");
    EXPECT_EQ(loaded.WordCount(), 1);
    EXPECT_LT(QFileInfo(game).size(), longer.size());
}

// A save through a link replaces the file the chain of links leads to,
// beside it; the links stay links, and the game's backup lies beside the
// game. A dangling link gets the file it names.
TEST_F(UserFiles, ReplacingWritersWriteThroughSymbolicLinks) {
    for (const TWriter& writer : kWriters) {
        SCOPED_TRACE(writer.Name);
        const QString folder = Folder(writer), ext = writer.Extension;
        const QString target = folder + "/real/game." + ext;
        ASSERT_TRUE(QDir().mkpath(folder + "/real"));
        WriteBytes(target, "old");
        ASSERT_TRUE(QFile::link("real/game." + ext, folder + "/direct." + ext));
        ASSERT_TRUE(QFile::link("direct." + ext, folder + "/chain." + ext));
        ASSERT_TRUE(QFile::link("real/named." + ext, folder + "/dangling." + ext));

        writer.Write(Puzzle, folder + "/chain." + ext);
        writer.Write(Puzzle, folder + "/dangling." + ext);

        for (const char* link : {"chain", "direct", "dangling"})
            EXPECT_TRUE(QFileInfo(folder + "/" + link + "." + ext).isSymLink()) << link;
        EXPECT_EQ(QFileInfo(folder + "/chain." + ext).symLinkTarget(), folder + "/direct." + ext);
        const QByteArray written = ReadBytes(target);
        EXPECT_NE(written, "old");
        EXPECT_EQ(ReadBytes(folder + "/real/named." + ext), written);
        EXPECT_EQ(Listing(folder), "chain." + ext.toStdString() + ",dangling." + ext.toStdString() +
                                       ",direct." + ext.toStdString() + ",real");
        const bool game = QString(ext) == "gtg";
        EXPECT_EQ(
            Listing(folder + "/real"),
            (game ? "game.bak,game.gtg,named.gtg" : "game." + ext + ",named." + ext).toStdString());
        if (game) {
            EXPECT_EQ(ReadBytes(folder + "/real/game.bak"), "old");
        }
    }
}

TEST_F(UserFiles, ALinkThatLoopsIsNotReplaced) {
    const QString folder = Fake.Folder() + "/loop";
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(QFile::link("b.gtg", folder + "/a.gtg"));
    ASSERT_TRUE(QFile::link("a.gtg", folder + "/b.gtg"));
    EXPECT_EQ(MessageOf([&] { Puzzle.SaveToFile(folder + "/a.gtg"); }),
              "Cannot create file " + (folder + "/a.gtg").toStdString());
    EXPECT_TRUE(QFileInfo(folder + "/a.gtg").isSymLink());
    EXPECT_EQ(Listing(folder), "a.gtg,b.gtg");
}

// Opening a pipe would wait until another program writes to it: each reader
// refuses one at once, as a file it cannot read, through a link too.
TEST_F(UserFiles, ReadersRefuseANamedPipeAtOnce) {
    const QString pipe = Fake.Folder() + "/pipe", link = Fake.Folder() + "/link";
    ASSERT_TRUE(MakeNamedPipe(pipe));
    ASSERT_TRUE(QFile::link(pipe, link));
    const struct {
        const char* What;
        std::function<void(const QString&)> Read;
        std::function<std::string(const QString&)> Message;
    } readers[] = {
        {"game file", [&](const QString& F) { Puzzle.LoadFromFile(F); },
         [](const QString& F) { return "Cannot open file " + F.toStdString(); }},
        {"text import", [&](const QString& F) { Puzzle.ImportFromTextFile(F); },
         [](const QString&) { return std::string("File access denied"); }},
        {"word list", [&](const QString& F) { Puzzle.WishList()->LoadFromTextFile(F); },
         [](const QString&) { return std::string("File access denied"); }},
        {"settings file", [](const QString& F) { TIniFile ini(F); },
         [](const QString& F) {
             return "Cannot open file \"" + F.toStdString() + "\". Permission denied";
         }},
    };
    const HangGuard guard;
    for (const auto& r : readers)
        for (const QString& name : {pipe, link}) {
            SCOPED_TRACE(std::string(r.What) + " " + name.toStdString());
            EXPECT_EQ(MessageOf([&] { r.Read(name); }), r.Message(name));
        }
    ASSERT_EQ(Puzzle.WordCount(), 1);
    EXPECT_EQ(Puzzle.GetWordRec(0).Word.toStdString(), "CAT");
    EXPECT_EQ(Puzzle.WishList()->Lines().join(",").toStdString(), "OWL");
}
