#include "engine/genlib/GenLibUn.h"
#include "support/FakeServices.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>
#include <gtest/gtest.h>

TEST(GenLibMessages, ConfirmAsksYesNoAndTakesOnlyYes) {
    FakeServices fake;
    fake.Answer(mrYes);
    fake.Answer(mrNo);
    fake.Answer(mrCancel);
    EXPECT_TRUE(ConfirmMessage("Delete it?"));
    EXPECT_FALSE(ConfirmMessage("Delete it?"));
    EXPECT_FALSE(ConfirmMessage("Delete it?"));
    ASSERT_EQ(3u, fake.Messages.size());
    EXPECT_EQ(mtConfirmation, fake.Messages[0].type);
    EXPECT_EQ(mbYes | mbNo, fake.Messages[0].buttons);
}

TEST(GenLibMessages, ConfirmCancelTellsNoFromCancel) {
    struct Case {
        int answer;
        bool result;
        bool cancelled;
    } cases[] = {
        {mrYes, true, false}, {mrNo, false, false}, {mrCancel, false, true}, {mrNone, false, true}};
    for (const Case& c : cases) {
        FakeServices fake;
        fake.Answer(c.answer);
        bool cancelled = !c.cancelled;
        EXPECT_EQ(c.result, ConfirmCancelMessage("Save changes?", cancelled)) << c.answer;
        EXPECT_EQ(c.cancelled, cancelled) << c.answer;
        EXPECT_EQ(mbYes | mbNo | mbCancel, fake.Messages.at(0).buttons);
    }
}

TEST(GenLibMessages, FormattingVariantsFormatOnce) {
    FakeServices fake;
    fake.Answer(mrYes);
    fake.Answer(mrOk);
    EXPECT_TRUE(ConfirmMessageFmt("Delete the word \"%s\"?", QString("CAT%d")));
    ErrorMessageFmt("File \"%s\" is not a valid game file", QString("a.gtg"));
    ASSERT_EQ(2u, fake.Messages.size());
    EXPECT_EQ("Delete the word \"CAT%d\"?", fake.Messages[0].text.toStdString());
    EXPECT_EQ("File \"a.gtg\" is not a valid game file", fake.Messages[1].text.toStdString());
    EXPECT_EQ(mtError, fake.Messages[1].type);
    EXPECT_EQ(mbOK, fake.Messages[1].buttons);
}

TEST(GenLibShell, ResultCodesAndTheirTexts) {
    struct Case {
        int code;
        const char* text;
    } cases[] = {
        {42, ""},
        {33, ""},
        {0, "The operating system is out of memory or resources"},
        {2, "The specified file was not found"},
        {3, "The specified path was not found"},
        {11, "The .EXE file is invalid (non-Win32 .EXE or error in .EXE image)"},
        {30, "The DDE transaction could not be completed because other DDE transactions were "
             "being processed"},
        {31, "There is no application associated with the given filename extension"},
        {32, "The specified dynamic-link library was not found"},
        {1, "unknown error"},
        {-5, "unknown error"},
    };
    for (const Case& c : cases) {
        FakeServices fake;
        fake.ShellResult = c.code;
        QString errorText = "stale";
        EXPECT_EQ(c.code, ShellOpenFile("/puzzles/a.html", "", errorText));
        EXPECT_EQ(c.text, errorText.toStdString()) << c.code;
        EXPECT_EQ(std::vector<QString>{"/puzzles/a.html"}, fake.ShellOpened);
    }
}

TEST(GenLibShell, RealShellReportsAMissingDocument) {
    FakeServices fake;
    const QString missing = fake.Folder() + "/missing.html";
    SetServices(nullptr); // the real shell, for a file that cannot open anything
    QString errorText;
    const int code = ShellOpenFile(missing, "", errorText);
    SetServices(&fake);
    EXPECT_EQ(2, code);
    EXPECT_EQ("The specified file was not found", errorText.toStdString());
}

TEST(GenLibTime, ElapsedTimeTextOfDurations) {
    FakeServices fake;
    struct Case {
        TDateTime duration;
        const char* text;
    } cases[] = {
        {EncodeTime(1, 0, 0, 0), "1 hour"},
        {2 + EncodeTime(0, 3, 0, 0), "2 days, 3 minutes"},
        {1 + EncodeTime(2, 0, 5, 0), "1 day, 2 hours, 5 seconds"},
        {EncodeTime(0, 1, 1, 0), "1 minute, 1 second"},
        {EncodeTime(23, 59, 59, 999), "23 hours, 59 minutes, 59 seconds"},
        {EncodeTime(0, 0, 0, 999), ""},
        {0, ""},
        {-EncodeTime(0, 0, 5, 0), ""},
        {-3.5, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.text, ElapsedTimeText(false, c.duration).toStdString()) << c.duration;
}

TEST(GenLibTime, ElapsedTimeTextSinceNow) {
    FakeServices fake;
    fake.Clock = EncodeDate(2024, 3, 1) + EncodeTime(12, 0, 0, 0);
    const TDateTime moment = fake.Clock;
    fake.Advance(5000);
    EXPECT_EQ("5 seconds", ElapsedTimeText(true, moment).toStdString());
    fake.Advance(2 * MSecsPerDay + 3600000 - 5000);
    EXPECT_EQ("2 days, 1 hour", ElapsedTimeText(true, moment).toStdString());
    // A moment still to come gives no text.
    EXPECT_EQ("", ElapsedTimeText(true, fake.Clock + 1).toStdString());
}

TEST(GenLibTime, DifferenceCutsEachMomentToItsSecond) {
    const TDateTime a = EncodeDate(2024, 1, 1) + EncodeTime(10, 0, 0, 900);
    const TDateTime b = EncodeDate(2024, 1, 3) + EncodeTime(11, 2, 3, 100);
    int days, hours, minutes, seconds;
    DateTimeDifference(a, b, days, hours, minutes, seconds);
    EXPECT_EQ((std::vector<int>{2, 1, 2, 3}), (std::vector<int>{days, hours, minutes, seconds}));
    EXPECT_EQ(int64_t(1) * 86400 + 1, DateTimeToSeconds(1 + EncodeTime(0, 0, 1, 999)));
}

TEST(GenLibTime, DamagedMomentsStayDefined) {
    FakeServices fake;
    EXPECT_EQ("", ElapsedTimeText(false, std::nan("")).toStdString());
    EXPECT_FALSE(ElapsedTimeText(false, 1e300).isEmpty());
    EXPECT_EQ("", ElapsedTimeText(false, -1e300).toStdString());
}

class NoTempFolder : public FakeServices {
public:
    QString TempFolder() override { return QString(); }
};

TEST(GenLibFolders, TempDirectoryIsThePrivateFolderWithDelimiter) {
    FakeServices fake;
    const QString folder = GetTempDirectory();
    EXPECT_EQ(fake.TempFolder() + "/", folder);
    EXPECT_NE(QDir::tempPath() + "/", folder);
}

TEST(GenLibFolders, MissingTempDirectoryShowsErrorAndGivesEmpty) {
    NoTempFolder fake;
    fake.Answer(mrOk);
    EXPECT_EQ("", GetTempDirectory().toStdString());
    ASSERT_EQ(1u, fake.Messages.size());
    EXPECT_TRUE(fake.Messages[0].text.startsWith("Cannot find a valid TEMP directory ("));
    EXPECT_EQ(mtError, fake.Messages[0].type);
}

// Each call makes a file no one else has: the name keeps its extension and
// gains a part of its own before it.
TEST(GenLibFolders, CreateTempFileMakesANewEmptyFileEachTime) {
    FakeServices fake;
    const struct {
        const char* Name;
        const char* Stem;
        const char* Extension;
    } cases[] = {
        {"animals.html", "animals-", ".html"},
        {"notes.old.txt", "notes.old-", ".txt"},
        {"plain", "plain-", ""},
    };
    for (const auto& c : cases) {
        WriteBytes(fake.TempFolder() + "/" + c.Name, "kept");
        const QString first = CreateTempFile(c.Name);
        const QString second = CreateTempFile(c.Name);
        EXPECT_NE(first, second) << c.Name;
        for (const QString& made : {first, second}) {
            const QString name = QFileInfo(made).fileName();
            EXPECT_EQ(QFileInfo(made).absolutePath(),
                      QFileInfo(fake.TempFolder()).absoluteFilePath());
            EXPECT_TRUE(name.startsWith(c.Stem)) << name.toStdString();
            EXPECT_TRUE(name.endsWith(c.Extension)) << name.toStdString();
            EXPECT_EQ(name.size(), int(strlen(c.Stem) + 6 + strlen(c.Extension)))
                << name.toStdString();
            EXPECT_TRUE(QFileInfo::exists(made)) << made.toStdString();
            EXPECT_EQ(QFileInfo(made).size(), 0) << made.toStdString();
        }
        EXPECT_EQ(ReadBytes(fake.TempFolder() + "/" + c.Name), "kept") << c.Name;
    }
}

TEST(GenLibFolders, SpecialFolderKinds) {
    FakeServices fake;
    QString path = "stale";
    GetSpecialFolder(CSIDL_PERSONAL, path);
    EXPECT_EQ(fake.DocumentsFolder(), path);
    GetSpecialFolder(CSIDL_PERSONAL | 0x80, path); // only the low seven bits count
    EXPECT_EQ(fake.DocumentsFolder(), path);
    // Kinds past the 30 entries, and folders without a file-system path.
    for (const int kind : {30, 31, 100, 127, 0x01, 0x03}) {
        path = "stale";
        GetSpecialFolder(kind, path);
        EXPECT_EQ("", path.toStdString()) << kind;
    }
    fake.Documents = "";
    path = "stale";
    GetSpecialFolder(CSIDL_PERSONAL, path);
    EXPECT_EQ("", path.toStdString());
}

TEST(GenLibFiles, ChangeFileExtension) {
    struct Case {
        const char* name;
        const char* extension;
        const char* result;
    } cases[] = {
        {"/home/ann/Puzzles/animals.gtg", "bak", "/home/ann/Puzzles/animals.bak"},
        {"C:\\Puzzles\\animals.gtg", "bak", "C:\\Puzzles\\animals.bak"},
        {"animals", "gtg", "animals.gtg"},
        {"notes.old.txt", "html", "notes.old.html"},
        {"animals.", "gtx", "animals.gtx"},
        {"/home/ann/my.puzzles/animals", "bak", "/home/ann/my.puzzles/animals.bak"},
        {"/home/ann/my.puzzles/animals.gtg", "htm", "/home/ann/my.puzzles/animals.htm"},
        {"", "gtg", ".gtg"},
    };
    for (const Case& c : cases) {
        QString result;
        ChangeFileExtension(c.name, c.extension, result);
        EXPECT_EQ(c.result, result.toStdString()) << c.name;
    }
}

TEST(GenLibProcess, WaitingGivesTheExitCode) {
    EXPECT_EQ(3, RunProcess(R"(sh -c "exit 3")", true));
    EXPECT_EQ(0, RunProcess("true", true));
    EXPECT_EQ(1, RunProcess("  false  ", true));
}

// Each script exits with 0 only when the command line was split as Windows
// splits it; no shell reads the line itself, so $, ', ; and > reach sh as text.
TEST(GenLibProcess, CommandLineIsSplitAsWindowsSplitsIt) {
    struct Case {
        const char* commandLine;
        int exitCode;
    } cases[] = {
        {R"(sh -c "exit $#" zero "two words" three)", 2},
        {R"(sh -c "exit $#" zero a"b c"d)", 1},
        {R"(sh -c "test \"$1\" = 'a\"b'" zero a\"b)", 0},
        {R"(sh -c "test \"$1\" = 'a\\\\\"b'" zero a\\\\\"b)", 0},
        {R"(sh -c "test \"$1\" = 'x\\y'" zero x\\y)", 0},
        {R"(sh -c "test \"$1\" = 'a \"q\" b'" zero "a ""q"" b")", 0},
        {R"(sh -c "test \"$1\" = ''" zero "")", 0},
        {R"(sh -c "exit $#" zero 'a b' ; > out)", 5},
        {R"("/bin/sh" -c "exit 7")", 7},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.exitCode, RunProcess(c.commandLine, true)) << c.commandLine;
}

TEST(GenLibProcess, StepFailuresRaiseTheirMessages) {
    FakeServices fake;
    const QString document = fake.Folder() + "/notes.txt";
    WriteBytes(document, "not a program");
    const QString cases[] = {fake.Folder() + "/missing-program", document, "", "   ",
                             "https://www.fernhallow.example/"};
    for (const QString& commandLine : cases) {
        for (bool wait : {true, false})
            EXPECT_EQ("Error during CreateProcess",
                      MessageOf([&] { RunProcess(commandLine, wait); }))
                << commandLine.toStdString() << " wait " << wait;
    }
    EXPECT_EQ("Error in GetExitCodeProcess",
              MessageOf([] { RunProcess(R"(sh -c "kill -9 $$")", true); }));
    EXPECT_EQ("", MessageOf([] { CheckProcessStep(true, "Error in WaitForSingleObject"); }));
    EXPECT_EQ("Error in WaitForSingleObject",
              MessageOf([] { CheckProcessStep(false, "Error in WaitForSingleObject"); }));
}

TEST(GenLibProcess, WithoutWaitStartsAndReturnsAtOnce) {
    FakeServices fake;
    const QString marker = fake.Folder() + "/started";
    EXPECT_EQ(0, RunProcess(Format(R"(sh -c "echo ran > \"$1\"" zero "%s")", marker), false));
    QElapsedTimer clock;
    clock.start();
    while (!QFileInfo::exists(marker) && clock.elapsed() < 10000)
        QThread::msleep(10);
    EXPECT_TRUE(QFileInfo::exists(marker));
}
