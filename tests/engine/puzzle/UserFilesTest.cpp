// The files a user names: every writer that replaces one keeps it as the
// user set it up (its mode, its group, the symbolic links leading to it),
// and every reader refuses what is no regular file at once.

#include "engine/puzzle/GlyphtroveUn.h"
#include "platform/IniFile.h"
#include "support/FakeServices.h"
#include "support/OddFiles.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
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
        {"read-only", bFile, 0444, getegid()},
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
            // A non-root user cannot write a read-only file through Qt's own
            // replacing writer.
            if (c.Mode == 0444 && geteuid() != 0)
                continue;
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
