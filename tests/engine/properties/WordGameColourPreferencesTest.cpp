#include "engine/properties/WordGameColourPreferencesUn.h"

#include <gtest/gtest.h>

namespace {

struct RoleColours {
    TWordGameColourRole role;
    const char* name;
    TColor foreground;
    TColor background;
};

void ExpectColours(const TWordGameColourPreferences& set, const std::vector<RoleColours>& table) {
    for (const RoleColours& r : table) {
        EXPECT_EQ(r.foreground, set.Foreground(r.role)) << r.name;
        EXPECT_EQ(r.background, set.Background(r.role)) << r.name;
    }
}

const std::vector<RoleColours> kDefaults = {
    {crRandomLetter, "Random Letter", 0x000000, 0xFFFFFF},
    {crHighlighted, "Highlighted", 0xFFFFFF, 0x0000FF},
    {crNormalWord, "Normal Word", 0xFF0000, 0xFFFFFF},
    {crNewWord, "New Word", 0x008000, 0xFFFFFF},
    {crOverlappedLetter, "Overlapped Letter", 0x008000, 0x0000FF},
    {crDummyWord, "Dummy Word", 0x808080, 0xFFFFFF},
    {crDuplicateWord, "Duplicate Word", 0xFFFFFF, 0xFF00FF},
    {crBlankSpace, "Blank Space", 0x808080, 0x808080},
};

// The built-in "Default" scheme as palette indexes.
TWordGameColourPreferences DefaultPreset() {
    TWordGameColourPreferences preset;
    preset.SetSchemeName("Default");
    const int indexes[8][2] = {{8, 15}, {9, 15}, {0, 15},  {2, 15},
                               {15, 9}, {7, 15}, {15, 13}, {7, 7}};
    for (int role = 0; role < 8; ++role) {
        preset.SetForeground(TWordGameColourRole(role), TColor(indexes[role][0]));
        preset.SetBackground(TWordGameColourRole(role), TColor(indexes[role][1]));
    }
    return preset;
}

} // namespace

TEST(WordGameColourPreferences, NewSetHoldsTheDefaultRolesInCreationOrder) {
    const TWordGameColourPreferences set;
    EXPECT_TRUE(set.SchemeName().isEmpty());
    ASSERT_EQ(8, set.Count());
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(kDefaults[size_t(i)].name, set.GetItem(i)->Name().toStdString());
    ExpectColours(set, kDefaults);
    EXPECT_EQ(0xFF0000u, set.GetNormalWordForeground());
    EXPECT_EQ(0x808080u, set.GetBlankSpaceBackground());
}

TEST(WordGameColourPreferences, StandardColourTableIsTheSixteenColourPalette) {
    const TColor expected[16] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                 0x808000, 0x808080, 0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF,
                                 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(expected[i], StandardColourTable[size_t(i)]) << i;
}

TEST(WordGameColourPreferences, NamedAccessorsReachTheirOwnRole) {
    TWordGameColourPreferences set;
    set.SetOverlappedLetterForeground(1);
    set.SetDuplicateWordBackground(2);
    EXPECT_EQ(1u, set.Foreground(crOverlappedLetter));
    EXPECT_EQ(2u, set.Background(crDuplicateWord));
    EXPECT_EQ(1u, set.GetOverlappedLetterForeground());
    EXPECT_EQ(0x008000u, set.GetNewWordForeground());
}

TEST(WordGameColourPreferences, AssignFromTheDefaultPresetMapsIndexesToColours) {
    const TWordGameColourPreferences preset = DefaultPreset();
    TWordGameColourPreferences set;
    set.AssignFromPreset(preset);
    EXPECT_EQ("Default", set.SchemeName());
    ExpectColours(set, {{crNormalWord, "Normal Word", clBlack, clWhite},
                        {crHighlighted, "Highlighted", clRed, clWhite},
                        {crNewWord, "New Word", clGreen, clWhite},
                        {crOverlappedLetter, "Overlapped Letter", clWhite, clRed},
                        {crRandomLetter, "Random Letter", clSilver, clWhite},
                        {crDummyWord, "Dummy Word", clGray, clWhite},
                        {crDuplicateWord, "Duplicate Word", clWhite, clFuchsia},
                        {crBlankSpace, "Blank Space", clGray, clGray}});
    EXPECT_EQ(8u, preset.GetRandomLetterForeground());
}

TEST(WordGameColourPreferences, PresetValueOutsideThePaletteTakesTheDefaultSchemeColour) {
    TWordGameColourPreferences preset = DefaultPreset();
    preset.SetNormalWordForeground(16);
    preset.SetNormalWordBackground(0xFFFFFFFF);
    preset.SetRandomLetterForeground(0x7FFFFFFF);
    preset.SetDuplicateWordBackground(15);
    TWordGameColourPreferences set;
    set.AssignFromPreset(preset);
    EXPECT_EQ(clBlack, set.GetNormalWordForeground());
    EXPECT_EQ(clWhite, set.GetNormalWordBackground());
    EXPECT_EQ(clSilver, set.GetRandomLetterForeground());
    EXPECT_EQ(clWhite, set.GetDuplicateWordBackground());
}

TEST(WordGameColourPreferences, AssignCopiesAndSetDefaultsKeepsTheSchemeName) {
    TWordGameColourPreferences source;
    source.SetSchemeName("Mine");
    source.SetHighlightedForeground(0x123456);
    source.SetBlankSpaceBackground(0x654321);
    TWordGameColourPreferences set;
    set.Assign(source);
    EXPECT_EQ("Mine", set.SchemeName());
    EXPECT_EQ(0x123456u, set.GetHighlightedForeground());
    EXPECT_EQ(0x654321u, set.GetBlankSpaceBackground());
    set.SetDefaults();
    EXPECT_EQ("Mine", set.SchemeName());
    EXPECT_EQ(8, set.Count());
    ExpectColours(set, kDefaults);
}
