#include "engine/properties/CustomColourPreferenceUn.h"

#include "platform/Exception.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

TCustomGamePreferences MakeList() {
    TCustomGamePreferences list;
    list.AddItem("Game Title", "one");
    list.AddItem("Flag", "F");
    list.AddItem("Game Title", "two");
    return list;
}

} // namespace

TEST(CustomGamePreferences, NamesMatchExactlyAndTheFirstWins) {
    TCustomGamePreferences list = MakeList();
    EXPECT_FALSE(list.Modified());
    EXPECT_EQ(0, list.IndexOfName("Game Title"));
    EXPECT_EQ(-1, list.IndexOfName("game title"));
    EXPECT_EQ("Preference item \"game title\" not found",
              MessageOf([&] { list.SetValue("game title", "x"); }));
    EXPECT_FALSE(list.Modified());
    list.SetValue("Game Title", "changed");
    EXPECT_EQ("changed", list.GetItem(0)->Value());
    EXPECT_EQ("two", list.GetItem(2)->Value());
    EXPECT_TRUE(list.Modified());
}

TEST(CustomGamePreferences, TypedWritesStoreTheirTextsAndSetModified) {
    const struct {
        const char* expected;
        std::function<void(TCustomGamePreferences&)> write;
    } cases[] = {
        {"T", [](TCustomGamePreferences& l) { l.SetBoolean("Flag", true); }},
        {"F", [](TCustomGamePreferences& l) { l.SetBoolean("Flag", false); }},
        {"01012000 000000",
         [](TCustomGamePreferences& l) { l.SetDateTime("Flag", EncodeDate(2000, 1, 1)); }},
        {"05032001 140709",
         [](TCustomGamePreferences& l) {
             l.SetDateTimeAt(1, EncodeDate(2001, 3, 5) + EncodeTime(14, 7, 9, 0));
         }},
        {"F", [](TCustomGamePreferences& l) { l.SetValueAt(1, "F"); }},
    };
    for (const auto& c : cases) {
        TCustomGamePreferences list = MakeList();
        c.write(list);
        EXPECT_EQ(c.expected, list.GetItem(1)->Value().toStdString());
        EXPECT_TRUE(list.Modified()) << c.expected;
    }
}

TEST(CustomGamePreferences, IndexesOutsideTheListRaiseAndChangeNothing) {
    TCustomGamePreferences list = MakeList();
    for (const int index : {-1, 3}) {
        EXPECT_THROW(list.GetItem(index), EListError);
        EXPECT_THROW(list.SetValueAt(index, "x"), EListError);
        EXPECT_THROW(list.SetDateTimeAt(index, 0), EListError);
    }
    EXPECT_THROW(list.SetDateTime("Missing", 0), Exception);
    EXPECT_FALSE(list.Modified());
}

TEST(CustomPreferenceItems, AssignCopiesFromItsOwnKindOnly) {
    TCustomGamePreference game("Name", "Value");
    TCustomGamePreference gameSource("Other", "Text");
    game.Assign(&gameSource);
    EXPECT_EQ("Other", game.Name());
    EXPECT_EQ("Text", game.Value());

    TCustomColourPreference colour("Role", clRed, clBlue);
    TCustomColourPreference colourSource("Source", clGreen, clWhite);
    colour.Assign(&colourSource);
    EXPECT_EQ("Source", colour.Name());
    EXPECT_EQ(clGreen, colour.ForegroundColour());
    EXPECT_EQ(clWhite, colour.BackgroundColour());

    EXPECT_EQ("Source is not a TCustomGamePreference object",
              MessageOf([&] { game.Assign(&colour); }));
    EXPECT_EQ("Source is not a TCustomGamePreference object",
              MessageOf([&] { game.Assign(nullptr); }));
    EXPECT_EQ("Source is not a TCustomColourPreference object",
              MessageOf([&] { colour.Assign(&game); }));
    EXPECT_EQ("Source is not a TCustomColourPreference object",
              MessageOf([&] { colour.Assign(nullptr); }));
    EXPECT_EQ("Other", game.Name());
    EXPECT_EQ(clGreen, colour.ForegroundColour());
}

TEST(CustomColourPreferences, AddColourAppendsInOrder) {
    TCustomColourPreferences list;
    EXPECT_EQ(0, list.AddColour("A", clRed, clBlue));
    EXPECT_EQ(1, list.AddColour("B", clLime, clAqua));
    EXPECT_EQ("B", list.GetItem(1)->Name());
    EXPECT_EQ(clAqua, list.GetItem(1)->BackgroundColour());
    EXPECT_THROW(list.GetItem(2), EListError);
}
