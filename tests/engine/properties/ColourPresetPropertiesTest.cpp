#include "engine/properties/ColourPresetPropertiesUn.h"

#include "platform/Exception.h"
#include "platform/Format.h"

#include "support/FakeServices.h"
#include "support/FileSizeLimit.h"
#include "support/OddFiles.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

using TPresets = TGlyphtroveGameColourPresetProperties;

// The keys in file order with the role and side each one sets.
const struct {
    const char* key;
    TWordGameColourRole role;
    bool foreground;
} kKeys[16] = {{"WordText", crNormalWord, true},
               {"WordBG", crNormalWord, false},
               {"NewText", crNewWord, true},
               {"NewBG", crNewWord, false},
               {"HighlightedText", crHighlighted, true},
               {"HighlightedBG", crHighlighted, false},
               {"OverlapText", crOverlappedLetter, true},
               {"OverlapBG", crOverlappedLetter, false},
               {"RandomText", crRandomLetter, true},
               {"RandomBG", crRandomLetter, false},
               {"DummyText", crDummyWord, true},
               {"DummyBG", crDummyWord, false},
               {"DuplicateText", crDuplicateWord, true},
               {"DuplicateBG", crDuplicateWord, false},
               {"BlankText", crBlankSpace, true},
               {"BlankBG", crBlankSpace, false}};

using TFileValues = std::array<int, 16>; // in file key order

const struct {
    const char* name;
    TFileValues values;
} kBuiltIns[6] = {
    {"Default", {0, 15, 2, 15, 9, 15, 15, 9, 8, 15, 7, 15, 15, 13, 7, 7}},
    {"Nighttime", {12, 0, 2, 0, 9, 0, 0, 9, 8, 0, 7, 0, 13, 0, 7, 7}},
    {"Plain Gray", {0, 8, 2, 8, 9, 8, 15, 9, 0, 8, 7, 8, 15, 13, 7, 7}},
    {"Blue Skies", {4, 14, 12, 14, 14, 12, 14, 6, 6, 14, 8, 14, 14, 4, 0, 14}},
    {"Fiery Red", {11, 9, 12, 9, 1, 11, 12, 1, 0, 9, 8, 9, 9, 1, 0, 9}},
    {"Leafy Green", {15, 2, 1, 2, 2, 10, 9, 10, 11, 2, 11, 2, 3, 11, 7, 2}},
};
const TFileValues& kReadDefaults = kBuiltIns[0].values;

TFileValues FileValues(const TWordGameColourPreferences& scheme) {
    TFileValues values;
    for (size_t i = 0; i < 16; ++i)
        values[i] = int(kKeys[i].foreground ? scheme.Foreground(kKeys[i].role)
                                            : scheme.Background(kKeys[i].role));
    return values;
}

QStringList Names(const TPresets& presets) {
    QStringList names;
    return presets.GetNames(names);
}

const QStringList kBuiltInNames = {"Default",    "Nighttime", "Plain Gray",
                                   "Blue Skies", "Fiery Red", "Leafy Green"};

class ColourPresets : public ::testing::Test {
protected:
    QString FileName() { return fake.ProgramFolder() + "/Colour Schemes.dat"; }
    void WriteFile(const QByteArray& bytes) {
        QFile file(FileName());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    QByteArray ReadFile() {
        QFile file(FileName());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    FakeServices fake;
};

const TSchemeIndexes kCustom = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0};

} // namespace

TEST_F(ColourPresets, WithoutAFileTheBuiltInsLoadAndNothingIsWritten) {
    {
        const TPresets presets;
        EXPECT_EQ(fake.ProgramFolder() + "/", presets.Folder());
        EXPECT_FALSE(presets.Modified());
        ASSERT_EQ(kBuiltInNames, Names(presets));
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(kBuiltIns[i].values, FileValues(*presets.GetScheme(i))) << kBuiltIns[i].name;
    }
    EXPECT_FALSE(QFile::exists(FileName()));
}

TEST_F(ColourPresets, AddSchemeTakesIndexesInItsOwnOrderAndReplacesByName) {
    TPresets presets;
    TWordGameColourPreferences* added = presets.AddScheme("Nighttime", kCustom);
    EXPECT_TRUE(presets.Modified());
    EXPECT_EQ(6, presets.Count());
    EXPECT_EQ(added, presets.GetScheme(5));
    EXPECT_EQ(QStringList(
                  {"Default", "Plain Gray", "Blue Skies", "Fiery Red", "Leafy Green", "Nighttime"}),
              Names(presets));
    EXPECT_EQ(1u, added->GetNormalWordForeground());
    EXPECT_EQ(4u, added->GetHighlightedBackground());
    EXPECT_EQ(5u, added->GetNewWordForeground());
    EXPECT_EQ(8u, added->GetOverlappedLetterBackground());
    EXPECT_EQ(9u, added->GetRandomLetterForeground());
    EXPECT_EQ(0u, added->GetBlankSpaceBackground());
}

TEST_F(ColourPresets, RenameDeleteAndLookUp) {
    TPresets presets;
    presets.RenameScheme(3, "Default");
    EXPECT_EQ("Default", presets.GetSchemeName(3));
    EXPECT_EQ(0, presets.IndexOfScheme("Default"));
    EXPECT_EQ(-1, presets.IndexOfScheme("default"));
    presets.DeleteScheme(0);
    EXPECT_EQ(2, presets.IndexOfScheme("Default"));
    EXPECT_THROW(presets.DeleteScheme(5), EListError);
    EXPECT_THROW(presets.GetScheme(-1), EListError);
    EXPECT_THROW(presets.RenameScheme(5, "x"), EListError);
}

TEST_F(ColourPresets, SavedFileReadsBackWithTheSameSchemes) {
    {
        TPresets presets;
        presets.AddScheme("Mine", kCustom);
        presets.DeleteScheme(1);
    }
    const QByteArray bytes = ReadFile();
    EXPECT_TRUE(bytes.startsWith("[General]\nTitle=Colour Scheme Presets File\n"));
    EXPECT_TRUE(bytes.contains("[Mine]\nWordText=1\nWordBG=2\nNewText=5\nNewBG=6\n"
                               "HighlightedText=3\nHighlightedBG=4\nOverlapText=7\n"));
    const TPresets again;
    EXPECT_FALSE(again.Modified());
    EXPECT_EQ(
        QStringList({"Default", "Plain Gray", "Blue Skies", "Fiery Red", "Leafy Green", "Mine"}),
        Names(again));
    EXPECT_EQ(kBuiltIns[4].values, FileValues(*again.GetScheme(3)));
    EXPECT_EQ(TFileValues({1, 2, 5, 6, 3, 4, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0}),
              FileValues(*again.GetScheme(5)));
}

TEST_F(ColourPresets, ReadingTakesSectionsInFileOrderAfterTheFirst) {
    WriteFile("[First]\nWordText=3\n\n[Zulu]\nBlankBG=1\nWordText=12\nNewBG=oops\n"
              "HighlightedText=99\n\n[General]\nTitle=Colour Scheme Presets File\n\n"
              "[alpha]\n");
    const TPresets presets;
    ASSERT_EQ(QStringList({"Zulu", "General", "alpha"}), Names(presets));
    TFileValues zulu = kReadDefaults;
    zulu[15] = 1;
    zulu[0] = 12;
    zulu[4] = 99; // kept as it is: no range test
    EXPECT_EQ(zulu, FileValues(*presets.GetScheme(0)));
    EXPECT_EQ(kReadDefaults, FileValues(*presets.GetScheme(1)));
    EXPECT_EQ(kReadDefaults, FileValues(*presets.GetScheme(2)));
}

TEST_F(ColourPresets, FilesWithoutSchemesGiveTheBuiltIns) {
    for (const QByteArray& bytes : {QByteArray(), QByteArray("[General]\nTitle=Colour Scheme "
                                                             "Presets File\n")}) {
        WriteFile(bytes);
        const TPresets presets;
        EXPECT_EQ(kBuiltInNames, Names(presets));
        EXPECT_FALSE(presets.Modified());
    }
}

TEST_F(ColourPresets, AFileWithAnotherTitleIsReportedAndLeftAlone) {
    const QByteArray bytes = "[General]\nTitle=colour scheme presets file\n[Mine]\nWordText=1\n";
    WriteFile(bytes);
    fake.Answer(mrOk);
    {
        const TPresets presets;
        ASSERT_EQ(1u, fake.Messages.size());
        EXPECT_EQ("Colour scheme file is not valid", fake.Messages[0].text);
        EXPECT_EQ(mtError, fake.Messages[0].type);
        EXPECT_EQ(kBuiltInNames, Names(presets));
    }
    EXPECT_EQ(bytes, ReadFile());
}

// A named pipe would hold the read up until another program writes to it:
// it is refused at once as a file that cannot be read.
TEST_F(ColourPresets, ANamedPipeIsReportedAtOnceAndTheBuiltInsLoad) {
    ASSERT_TRUE(MakeNamedPipe(FileName()));
    fake.Answer(mrOk);
    const HangGuard guard;
    const TPresets presets;
    ASSERT_EQ(1u, fake.Messages.size());
    EXPECT_EQ("Cannot open file \"" + FileName() + "\". Permission denied", fake.Messages[0].text);
    EXPECT_EQ(mtError, fake.Messages[0].type);
    EXPECT_EQ(kBuiltInNames, Names(presets));
}

TEST_F(ColourPresets, LoadFromFileLetsItsErrorThrough) {
    TPresets presets;
    WriteFile("[General]\nTitle=Something Else\n");
    EXPECT_THROW(presets.LoadFromFile(), Exception);
    EXPECT_EQ(0, presets.Count());
}

TEST_F(ColourPresets, AFailedSaveKeepsTheOldFile) {
    {
        TPresets presets;
        presets.AddScheme("Mine", kCustom);
    }
    const QByteArray old = ReadFile();
    ASSERT_FALSE(old.isEmpty());
    {
        const FileSizeLimit limit(64);
        TPresets presets;
        presets.AddScheme("Another", kCustom);
        EXPECT_THROW(presets.SaveToFile(), EFCreateError);
        // Destroying the changed list tries again and reports the failure.
        fake.Answer(mrOk);
    }
    ASSERT_EQ(1u, fake.Messages.size());
    EXPECT_EQ(mtError, fake.Messages[0].type);
    EXPECT_EQ(old, ReadFile());
    EXPECT_EQ(QStringList({"Colour Schemes.dat"}),
              QDir(fake.ProgramFolder()).entryList(QDir::Files));
}

TEST_F(ColourPresets, SchemeNamesAreKeptSafeForTheFile) {
    {
        TPresets presets;
        presets.AddScheme(" Line\r\nBreak ", kCustom);
        presets.AddScheme("[Brackets]=x", kCustom);
        presets.RenameScheme(0, "Tab\there");
        EXPECT_THROW(presets.AddScheme(" [] ", kCustom), Exception);
        EXPECT_THROW(presets.RenameScheme(1, "\n"), Exception);
        EXPECT_EQ("Nighttime", presets.GetSchemeName(1));
        EXPECT_EQ(8, presets.Count());
        EXPECT_EQ("Tab here", presets.GetSchemeName(0));
        EXPECT_EQ("Line  Break", presets.GetSchemeName(6));
        EXPECT_EQ("Brackets  x", presets.GetSchemeName(7));
        EXPECT_EQ(6, presets.IndexOfScheme("Line  Break"));
    }
    const TPresets again;
    EXPECT_EQ(QStringList({"Tab here", "Nighttime", "Plain Gray", "Blue Skies", "Fiery Red",
                           "Leafy Green", "Line  Break", "Brackets  x"}),
              Names(again));
    EXPECT_EQ(TFileValues({1, 2, 5, 6, 3, 4, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0}),
              FileValues(*again.GetScheme(7)));
}

TEST_F(ColourPresets, NamesSetOnASchemeDirectlyCannotBreakTheFile) {
    {
        TPresets presets;
        presets.GetScheme(0)->SetSchemeName("Bad]\nName");
        presets.GetScheme(1)->SetSchemeName("\r\n");
        presets.DeleteScheme(5);
    }
    const TPresets again;
    EXPECT_EQ(QStringList({"Bad  Name", "Plain Gray", "Blue Skies", "Fiery Red"}), Names(again));
}

TEST_F(ColourPresets, ASchemeNameIsWrittenInWindows1252WhereThatHoldsIt) {
    const struct {
        QString name;
        QByteArray section;
    } cases[] = {{"Caf\u00e9", "\n[Caf\xE9]\nWordText=1\n"},
                 {"\u014ctsu", "\n[\xC5\x8Ctsu]\nWordText=1\n"}};
    for (const auto& c : cases) {
        {
            TPresets presets;
            presets.LoadDefaults();
            presets.AddScheme(c.name, kCustom);
        }
        const QByteArray bytes = ReadFile();
        EXPECT_TRUE(bytes.contains(c.section)) << bytes.toStdString();
        const TPresets again;
        EXPECT_EQ(again.GetSchemeName(6), c.name);
        EXPECT_EQ(FileValues(*again.GetScheme(6))[0], 1);
    }
}

// Store and Rename ask before a name goes in: one the file would merge with
// another scheme's section or with its title is refused.
TEST_F(ColourPresets, CheckNewSchemeNameRefusesNamesTheFileWouldMerge) {
    const auto taken = [](const char* name) {
        return Format("There is already a colour scheme named \"%s\". Please choose another "
                      "name.",
                      QString(name))
            .toStdString();
    };
    const auto reserved = [](const char* name) {
        return Format("The name \"%s\" is used by the colour scheme file itself. Please choose "
                      "another name.",
                      QString(name))
            .toStdString();
    };
    TPresets presets;
    presets.AddScheme("Caf\u00e9", kCustom);
    const struct {
        QString name;
        int index; // the scheme renamed, -1 for one added
        std::string message;
    } cases[] = {
        {"Nighttime", -1, ""}, // replaces that scheme
        {"nighttime", -1, taken("Nighttime")},
        {"Nighttime", 2, taken("Nighttime")},
        {"NIGHTTIME", 1, ""}, // its own name
        {"[Plain GRAY]", 0, taken("Plain Gray")},
        {"general", -1, reserved("general")},
        {" General\n", 3, reserved("General")},
        {"Generals", -1, ""},
        {"Caf\u00c9", -1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MessageOf([&] { presets.CheckNewSchemeName(c.name, c.index); }), c.message)
            << c.name.toStdString();
    EXPECT_FALSE(MessageOf([&] { presets.CheckNewSchemeName("\n"); }).empty());
}

TEST_F(ColourPresets, ASchemeNamedGeneralSharesTheTitleSection) {
    {
        TPresets presets;
        presets.AddScheme("General", kCustom);
    }
    const TPresets again;
    EXPECT_EQ(kBuiltInNames, Names(again));
}
