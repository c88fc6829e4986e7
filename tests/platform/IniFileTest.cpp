#include "platform/IniFile.h"
#include "platform/Exception.h"

#include "support/FakeServices.h"
#include "support/FileSizeLimit.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

TEST(IniFile, SectionsAndKeysInFileOrderWithNamesIgnoringCase) {
    FakeServices fake;
    const QString name = fake.Folder() + "/order.ini";
    WriteBytes(name, "stray=1\r\n[Zeta]\r\nb=2\r\na=1\r\n[alpha]\r\nKey = spaced value \r\n"
                     "[Middle]\r\n");
    const TIniFile ini(name);
    EXPECT_EQ(QStringList({"Zeta", "alpha", "Middle"}), ini.ReadSections());
    EXPECT_EQ(QStringList({"b", "a"}), ini.ReadSection("zeta"));
    EXPECT_EQ("spaced value", ini.ReadString("ALPHA", "key", "none"));
    EXPECT_EQ("none", ini.ReadString("alpha", "missing", "none"));
    EXPECT_TRUE(ini.SectionExists("MIDDLE"));
    EXPECT_FALSE(ini.ValueExists("Zeta", "c"));
}

TEST(IniFile, ReadIntegerFallsBackToDefault) {
    FakeServices fake;
    const QString name = fake.Folder() + "/numbers.ini";
    WriteBytes(name, "[N]\nplain=42\nnegative=-7\nhex=$1F\nchex=0x10\nempty=\nword=abc\n"
                     "mixed=12a\nhuge=99999999999\nlowest=-2147483648\n");
    const TIniFile ini(name);
    const struct {
        const char* key;
        int expected;
    } cases[] = {{"plain", 42},   {"negative", -7},
                 {"hex", 31},     {"chex", 16},
                 {"empty", -1},   {"word", -1},
                 {"mixed", -1},   {"huge", -1},
                 {"missing", -1}, {"lowest", int(0x80000000u)}};
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, ini.ReadInteger("N", c.key, -1)) << c.key;
}

// The whole file is one text: Windows-1252 when that code page holds all of
// it and its bytes do not read back as other UTF-8, else UTF-8 throughout.
TEST(IniFile, WritesWindows1252WhereItHoldsTheFileElseUtf8) {
    FakeServices fake;
    const QString name = fake.Folder() + "/text.ini";
    const struct {
        QString section, value;
        QByteArray bytes;
    } cases[] = {
        {"Caf\u00e9", "\u20ac 5 \u0152", "[Caf\xE9]\nk=\x80 5 \x8C\n"},
        {"Caf\u00e9", "\u014ctsu", "[Caf\xC3\xA9]\nk=\xC5\x8Ctsu\n"},
        {"Caf\u00c3\u00a9", "x", "[Caf\xC3\x83\xC2\xA9]\nk=x\n"},
        {"Plain", "ascii", "[Plain]\nk=ascii\n"},
    };
    for (const auto& c : cases) {
        {
            TIniFile ini(name, TIniFile::omEmpty);
            ini.WriteString(c.section, "k", c.value);
            ini.UpdateFile();
        }
        EXPECT_EQ(ReadBytes(name), c.bytes) << c.section.toStdString();
        const TIniFile back(name);
        EXPECT_EQ(back.ReadSections(), QStringList({c.section}));
        EXPECT_EQ(back.ReadString(c.section, "k", QString()), c.value);
    }
}

TEST(IniFile, ReadsUtf8AndOtherBytesAsWindows1252) {
    FakeServices fake;
    const QString name = fake.Folder() + "/text.ini";
    WriteBytes(name, "[Caf\xE9]\nsign=\x80 5\n");
    EXPECT_EQ(QStringList({QString::fromUtf8("Caf\u00e9")}), TIniFile(name).ReadSections());
    EXPECT_EQ(QString::fromUtf8("\u20ac 5"),
              TIniFile(name).ReadString(QString::fromUtf8("Caf\u00e9"), "sign", QString()));
    WriteBytes(name, "\xEF\xBB\xBF[First]\nk=\xC3\xA9\n");
    EXPECT_EQ(QStringList({"First"}), TIniFile(name).ReadSections());
    EXPECT_EQ(QString::fromUtf8("\u00e9"), TIniFile(name).ReadString("First", "k", QString()));
}

// Names are one in the file when they differ in the case of A-Z only.
TEST(IniFile, SameIniNameTellsNamesApartAsTheFileDoes) {
    FakeServices fake;
    const struct {
        QString a, b;
        bool same;
    } cases[] = {{"Default", "dEFAULT", true},
                 {"General", "general", true},
                 {"Plain Gray", "Plain  Gray", false},
                 {"Caf\u00e9", "CAF\u00e9", true},
                 {"Caf\u00e9", "CAF\u00c9", false},
                 {"@x", "`x", false},
                 {"[x", "{x", false},
                 {"Mine", "Mine", true}};
    for (const auto& c : cases) {
        EXPECT_EQ(SameIniName(c.a, c.b), c.same) << c.a.toStdString() << "/" << c.b.toStdString();
        TIniFile ini(fake.Folder() + "/names.ini", TIniFile::omEmpty);
        ini.WriteString(c.a, "k", "1");
        ini.WriteString(c.b, "k", "2");
        EXPECT_EQ(ini.ReadSections().size(), c.same ? 1 : 2) << c.a.toStdString();
    }
}

TEST(IniFile, WriteRoundTripKeepsOrderAndReplacesValues) {
    FakeServices fake;
    const QString name = fake.Folder() + "/round.ini";
    {
        TIniFile ini(name, TIniFile::omEmpty);
        ini.WriteString("B", "one", "1");
        ini.WriteInteger("A", "two", -2);
        ini.WriteString("b", "ONE", "uno");
        ini.WriteString("C", "gone", "x");
        ini.EraseSection("C");
        ini.WriteString("A", "dropped", "x");
        ini.DeleteKey("A", "dropped");
        ini.UpdateFile();
    }
    EXPECT_EQ(QByteArray("[B]\none=uno\n\n\n[A]\ntwo=-2\n"), ReadBytes(name));
}

TEST(IniFile, RefusesWhatTheFormatCannotHold) {
    FakeServices fake;
    TIniFile ini(fake.Folder() + "/bad.ini", TIniFile::omEmpty);
    const struct {
        QString section, key, value;
    } cases[] = {{"A]B", "k", "v"}, {"A\nB", "k", "v"},   {"", "k", "v"},    {" A", "k", "v"},
                 {"A", "k=x", "v"}, {"A", "[k", "v"},     {"A", ";k", "v"},  {"A", "", "v"},
                 {"A", "k\r", "v"}, {"A", "k", "v\r\nw"}, {"A", "k", "v\nw"}};
    for (const auto& c : cases)
        EXPECT_THROW(ini.WriteString(c.section, c.key, c.value), Exception)
            << c.section.toStdString() << "/" << c.key.toStdString();
    EXPECT_TRUE(ini.ReadSections().isEmpty());
    EXPECT_NO_THROW(ini.WriteString("A=B [x", "k y", "v=w [z]"));
}

TEST(IniFile, MissingFileReadsEmptyAndUnreadableFileRaises) {
    FakeServices fake;
    EXPECT_TRUE(TIniFile(fake.Folder() + "/none.ini").ReadSections().isEmpty());
    QDir(fake.Folder()).mkdir("folder.ini");
    EXPECT_THROW(TIniFile(fake.Folder() + "/folder.ini"), EFOpenError);
    WriteBytes(fake.Folder() + "/huge.ini", QByteArray(16 * 1024 * 1024 + 1, 'a'));
    EXPECT_THROW(TIniFile(fake.Folder() + "/huge.ini"), EFOpenError);
}

TEST(IniFile, FailedSaveKeepsTheOldFile) {
    FakeServices fake;
    const QString name = fake.Folder() + "/keep.ini";
    WriteBytes(name, "[Old]\nk=v\n");
    TIniFile ini(name, TIniFile::omEmpty);
    for (int i = 0; i < 100; ++i)
        ini.WriteInteger("New", QString("key%1").arg(i), i);
    {
        const FileSizeLimit limit(64);
        EXPECT_THROW(ini.UpdateFile(), EFCreateError);
    }
    EXPECT_EQ(QByteArray("[Old]\nk=v\n"), ReadBytes(name));
    EXPECT_EQ(QStringList({"keep.ini"}), QDir(fake.Folder()).entryList(QDir::Files));
}

TEST(IniFile, SettingsFolderIsTheProgramFolderWhenWritable) {
    FakeServices fake;
    EXPECT_EQ(fake.ProgramFolder() + "/", SettingsFolder());
}

TEST(IniFile, SettingsFolderFallsBackToTheConfigurationHome) {
    struct NoProgramFolder : FakeServices {
        QString ProgramFolder() override { return Folder() + "/missing"; }
    } fake;
    const QByteArray oldHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", (fake.Folder() + "/config").toUtf8());
    const QString folder = SettingsFolder();
    if (oldHome.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", oldHome);
    EXPECT_EQ(fake.Folder() + "/config/Glyphtrove/", folder);
    EXPECT_TRUE(QDir(folder).exists());
}
