#include "engine/properties/WordGamePropertiesUn.h"

#include "platform/Convert.h"
#include "platform/Exception.h"

#include "support/FakeServices.h"
#include "support/TestFiles.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

// A function, not a constant: the calendar is not ready during static
// initialisation.
TDateTime TestNow() {
    return EncodeDate(2024, 5, 6) + EncodeTime(7, 8, 9, 0);
}
const QString kNowStamp = "06052024 070809";

class WordGameProperties : public ::testing::Test {
protected:
    WordGameProperties() { fake.Clock = TestNow(); }
    FakeServices fake;
};

} // namespace

TEST_F(WordGameProperties, NewObjectHoldsTheResetValues) {
    const TWordGameProperties p("Custom Word Game");
    const struct {
        const char* name;
        const char* text;
    } items[] = {{"Default Title", "Custom Word Game"},
                 {"Game Title", "Custom Word Game"},
                 {"Game Description", ""},
                 {"Game Author", ""},
                 {"Game Version", "1.1.0"},
                 {"Game Modified", "06052024 070809"},
                 {"Game Created", "06052024 070809"},
                 {"Include Colour Scheme", "F"},
                 {"Unused Space", "0"},
                 {"Auto Finish", "T"},
                 {"Remove Used Words", "T"},
                 {"Can Give In", "T"},
                 {"Use Timer", "F"},
                 {"Count Down Timer", "30121899 000000"},
                 {"Hints", "5"}};
    ASSERT_EQ(15, p.Count());
    for (int i = 0; i < 15; ++i) {
        EXPECT_EQ(items[i].name, p.GetItem(i)->Name().toStdString());
        EXPECT_EQ(items[i].text, p.GetItem(i)->Value().toStdString()) << items[i].name;
    }
    EXPECT_TRUE(p.GetAutoFinish());
    EXPECT_TRUE(p.GetRemoveUsedWords());
    EXPECT_TRUE(p.GetCanGiveIn());
    EXPECT_FALSE(p.GetUseTimer());
    EXPECT_EQ(5, p.GetHints());
    EXPECT_EQ(0, p.GetUnusedSpace());
    EXPECT_EQ(0.0, p.GetCountDownTimer());
    EXPECT_EQ(clBlue, p.ColourPreferences()->GetNormalWordForeground());
}

TEST_F(WordGameProperties, ResetRestoresDefaultsButKeepsCanGiveInAndDefaultTitle) {
    TWordGameProperties p("Custom Word Game");
    p.SetDefaultTitle("Glyphtrove Game");
    p.SetGameTitle("Mine");
    p.SetGameAuthor("Me");
    p.SetCanGiveIn(false);
    p.SetHints(9);
    p.SetUnusedSpace(3);
    p.SetUseTimer(true);
    p.SetCountDownTimer(EncodeTime(0, 5, 0, 0));
    p.ColourPreferences()->SetSchemeName("Scheme");
    p.ColourPreferences()->SetNormalWordForeground(clLime);
    fake.Advance(60000);
    int changes = 0;
    p.OnChange = [&](TObject* sender) {
        EXPECT_EQ(&p, sender);
        ++changes;
    };
    p.Reset();
    EXPECT_EQ("Glyphtrove Game", p.GetGameTitle());
    EXPECT_EQ("Glyphtrove Game", p.GetDefaultTitle());
    EXPECT_EQ("", p.GetGameAuthor());
    EXPECT_FALSE(p.GetCanGiveIn());
    EXPECT_EQ(5, p.GetHints());
    EXPECT_EQ(0, p.GetUnusedSpace());
    EXPECT_EQ("0", p.GetItem(p.IndexOfName("Unused Space"))->Value());
    EXPECT_FALSE(p.GetUseTimer());
    EXPECT_EQ(0.0, p.GetCountDownTimer());
    EXPECT_EQ("06052024 070909", p.GetGameModified());
    EXPECT_EQ(p.GetGameModified(), p.GetGameCreated());
    EXPECT_EQ(clBlue, p.ColourPreferences()->GetNormalWordForeground());
    EXPECT_EQ("Scheme", p.ColourPreferences()->SchemeName());
    // Title, description, author, version, created and three Booleans.
    EXPECT_EQ(8, changes);
}

TEST_F(WordGameProperties, NotifyingSettersAreTheOnesThatRaiseOnChange) {
    TWordGameProperties p("T");
    int changes = 0;
    p.OnChange = [&](TObject*) { ++changes; };
    const struct {
        const char* name;
        bool notifies;
        std::function<void()> set;
    } cases[] = {
        {"DefaultTitle", false, [&] { p.SetDefaultTitle("x"); }},
        {"GameTitle", true, [&] { p.SetGameTitle("x"); }},
        {"GameDescription", true, [&] { p.SetGameDescription("x"); }},
        {"GameAuthor", true, [&] { p.SetGameAuthor("x"); }},
        {"GameVersion", true, [&] { p.SetGameVersion("x"); }},
        {"GameCreated", true, [&] { p.SetGameCreated("x"); }},
        {"GameModified", true, [&] { p.SetGameModified("x"); }},
        {"IncludeColourScheme", true, [&] { p.SetIncludeColourScheme(true); }},
        {"AutoFinish", true, [&] { p.SetAutoFinish(false); }},
        {"RemoveUsedWords", true, [&] { p.SetRemoveUsedWords(false); }},
        {"CanGiveIn", false, [&] { p.SetCanGiveIn(false); }},
        {"UseTimer", false, [&] { p.SetUseTimer(true); }},
        {"UnusedSpace", false, [&] { p.SetUnusedSpace(2); }},
        {"Hints", false, [&] { p.SetHints(3); }},
        {"CountDownTimer", false, [&] { p.SetCountDownTimer(0.5); }},
    };
    for (const auto& c : cases) {
        changes = 0;
        p.SetModified(false);
        c.set();
        EXPECT_EQ(c.notifies ? 1 : 0, changes) << c.name;
        EXPECT_TRUE(p.Modified()) << c.name;
    }
}

TEST_F(WordGameProperties, StampsTakeThePresentMomentForAnAngleBracketText) {
    TWordGameProperties p("T");
    fake.Advance(3600000);
    p.SetGameCreated("<not specified>");
    EXPECT_EQ("06052024 080809", p.GetGameCreated());
    p.SetGameCreated("");
    EXPECT_EQ("", p.GetGameCreated());
    p.SetGameModified("<now>");
    EXPECT_EQ("06052024 080809", p.GetGameModified());
    p.SetGameModified("not <now>");
    EXPECT_EQ("not <now>", p.GetGameModified());
}

TEST_F(WordGameProperties, TouchAndStampModified) {
    TWordGameProperties p("T");
    int changes = 0;
    p.OnChange = [&](TObject*) { ++changes; };
    fake.Advance(1000);
    p.StampModified();
    EXPECT_EQ("06052024 070810", p.GetGameModified());
    EXPECT_EQ(kNowStamp, p.GetGameCreated());
    EXPECT_EQ(1, changes);
    fake.Advance(1000);
    p.Touch();
    EXPECT_EQ("06052024 070811", p.GetGameModified());
    EXPECT_EQ("06052024 070811", p.GetGameCreated());
    EXPECT_EQ(4, changes);
}

TEST_F(WordGameProperties, TypedReadsOfStoredTexts) {
    TWordGameProperties p("T");
    p.SetHints(12);
    EXPECT_EQ(12, p.GetHints());
    p.SetValue("Hints", " 8");
    EXPECT_EQ(8, p.GetHints());
    for (const char* text : {"abc", "", "5x", "12 "}) {
        p.SetValue("Hints", text);
        EXPECT_EQ(5, p.GetHints()) << text;
    }
    for (const char* text : {"t", "True", "", "TT"}) {
        p.SetValue("Can Give In", text);
        EXPECT_FALSE(p.GetCanGiveIn()) << text;
    }
    p.SetValue("Can Give In", "T");
    EXPECT_TRUE(p.GetCanGiveIn());
    // The filler mode is the byte, not the text.
    p.SetUnusedSpace(2);
    p.SetValue("Unused Space", "3");
    EXPECT_EQ(2, p.GetUnusedSpace());
}

TEST_F(WordGameProperties, CountDownTimerReadsDurationsFromStamps) {
    TWordGameProperties p("T");
    const struct {
        const char* text;
        int64_t msecs;
    } cases[] = {{"0", 0},
                 {"", 0},
                 {"30121899 000000", 0},
                 {"30121899 001000", 10 * 60000},
                 {"31121899 120000", 36 * 3600000},
                 {"30121899 235959", MSecsPerDay - 1000}};
    for (const auto& c : cases) {
        p.SetValue("Count Down Timer", c.text);
        EXPECT_EQ(c.msecs, DateTimeToMSecs(p.GetCountDownTimer())) << c.text;
    }
    for (const char* text : {"xx", "32121899 000000", "30121899 240000", "3012"}) {
        p.SetValue("Count Down Timer", text);
        EXPECT_EQ(std::string("Value \"") + text + "\" is not a valid date/time value",
                  MessageOf([&] { p.GetCountDownTimer(); }));
    }
    p.SetCountDownTimer(EncodeTime(0, 5, 0, 0));
    EXPECT_EQ("30121899 000500", p.GetItem(p.IndexOfName("Count Down Timer"))->Value());
    EXPECT_EQ(5 * 60000, DateTimeToMSecs(p.GetCountDownTimer()));
}

TEST(WordGamePropertiesStatics, StrToStampParsesByPosition) {
    const struct {
        const char* text;
        TDateTime expected;
    } cases[] = {
        {"05032001 140709", EncodeDate(2001, 3, 5) + EncodeTime(14, 7, 9, 0)},
        {"05032001x140709", EncodeDate(2001, 3, 5) + EncodeTime(14, 7, 9, 0)},
        {"01012000 000000", EncodeDate(2000, 1, 1)},
        {"29121899 120000", -1.5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DateTimeToMSecs(c.expected),
                  DateTimeToMSecs(TWordGameProperties::StrToStamp(c.text)))
            << c.text;
    EXPECT_THROW(TWordGameProperties::StrToStamp("ab032001 140709"), EConvertError);
    EXPECT_THROW(TWordGameProperties::StrToStamp("05032001"), EConvertError);
    EXPECT_THROW(TWordGameProperties::StrToStamp("05132001 140709"), EConvertError);
    EXPECT_THROW(TWordGameProperties::StrToStamp("05032001 146009"), EConvertError);
    EXPECT_THROW(TWordGameProperties::StrToStamp("30022001 140709"), EConvertError);
}

TEST(WordGamePropertiesStatics, FormatVersionDividesMajorByTen) {
    EXPECT_EQ("1.1.0", TWordGameProperties::FormatVersion(11, 0));
    EXPECT_EQ("1.0.3", TWordGameProperties::FormatVersion(10, 3));
    EXPECT_EQ("2.5.17", TWordGameProperties::FormatVersion(25, 17));
    // The mark stays "." under a locale that writes a comma.
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString version = TWordGameProperties::FormatVersion(11, 0);
    QLocale::setDefault(previous);
    EXPECT_EQ("1.1.0", version);
}

TEST_F(WordGameProperties, AssignCopiesAllButTheDefaultTitle) {
    TWordGameProperties source("Source Default");
    source.SetGameTitle("Title");
    source.SetGameDescription("Description");
    source.SetGameAuthor("Author");
    source.SetGameVersion("2.0.1");
    source.SetGameModified("01022003 040506");
    source.SetGameCreated("07082009 101112");
    source.SetIncludeColourScheme(true);
    source.SetAutoFinish(false);
    source.SetRemoveUsedWords(false);
    source.SetUnusedSpace(3);
    source.SetUseTimer(true);
    source.SetCountDownTimer(EncodeTime(0, 10, 0, 0));
    source.SetHints(7);
    source.SetCanGiveIn(false);
    source.ColourPreferences()->SetSchemeName("Copied");
    source.ColourPreferences()->SetDummyWordBackground(0x010203);

    TWordGameProperties target("Target Default");
    int changes = 0;
    target.OnChange = [&](TObject*) { ++changes; };
    target.Assign(source);
    EXPECT_EQ("Target Default", target.GetDefaultTitle());
    for (int i = 1; i < source.Count(); ++i)
        EXPECT_EQ(source.GetItem(i)->Value(), target.GetItem(i)->Value())
            << source.GetItem(i)->Name().toStdString();
    EXPECT_EQ(3, target.GetUnusedSpace());
    EXPECT_EQ("Copied", target.ColourPreferences()->SchemeName());
    EXPECT_EQ(0x010203u, target.ColourPreferences()->GetDummyWordBackground());
    // Nine notifying setters and the closing Changed.
    EXPECT_EQ(10, changes);
}
