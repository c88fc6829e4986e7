#pragma once

#include "engine/properties/CustomColourPreferenceUn.h"

#include <array>
#include <cstdint>

// The colour roles, numbered in the order the colour set creates them.
enum TWordGameColourRole : uint8_t {
    crRandomLetter,
    crHighlighted,
    crNormalWord,
    crNewWord,
    crOverlappedLetter,
    crDummyWord,
    crDuplicateWord,
    crBlankSpace
};
constexpr int WordGameColourRoleCount = 8;
using TWordGameColourRoleOrder = std::array<TWordGameColourRole, WordGameColourRoleCount>;

// The orders in which the files hold the roles, each foreground first.
constexpr TWordGameColourRoleOrder GameFileRoleOrder = {
    crNormalWord,    crHighlighted,      crRandomLetter, crDummyWord,
    crDuplicateWord, crOverlappedLetter, crNewWord,      crBlankSpace};
constexpr TWordGameColourRoleOrder PresetsFileRoleOrder = {
    crNormalWord,   crNewWord,   crHighlighted,   crOverlappedLetter,
    crRandomLetter, crDummyWord, crDuplicateWord, crBlankSpace};

// The sixteen-colour palette that colour-scheme presets index.
constexpr int StandardColourCount = 16;
extern const std::array<TColor, StandardColourCount> StandardColourTable;

// The palette indexes of the "Default" scheme, per role: what a presets file
// key reads as when missing, and what a preset index outside the palette
// stands for.
struct TPresetIndexPair {
    int Foreground;
    int Background;
};
extern const std::array<TPresetIndexPair, WordGameColourRoleCount> DefaultPresetIndexes;

// A puzzle's colour set: eight roles of foreground and background colours,
// plus the name of the scheme last assigned. As a preset entry the sixteen
// values are palette indexes instead of colours.
class TWordGameColourPreferences : public TCustomColourPreferences {
public:
    TWordGameColourPreferences();

    // Recreates the eight roles with their default colours; keeps SchemeName.
    void SetDefaults();

    const QString& SchemeName() const { return FSchemeName; }
    void SetSchemeName(const QString& Value) { FSchemeName = Value; }

    TColor Foreground(TWordGameColourRole Role) const;
    TColor Background(TWordGameColourRole Role) const;
    void SetForeground(TWordGameColourRole Role, TColor Value);
    void SetBackground(TWordGameColourRole Role, TColor Value);

#define GLYPHTROVE_COLOUR_ROLE(RoleName, Role)                                                     \
    TColor Get##RoleName##Foreground() const {                                                     \
        return Foreground(Role);                                                                   \
    }                                                                                              \
    TColor Get##RoleName##Background() const {                                                     \
        return Background(Role);                                                                   \
    }                                                                                              \
    void Set##RoleName##Foreground(TColor Value) {                                                 \
        SetForeground(Role, Value);                                                                \
    }                                                                                              \
    void Set##RoleName##Background(TColor Value) {                                                 \
        SetBackground(Role, Value);                                                                \
    }
    GLYPHTROVE_COLOUR_ROLE(RandomLetter, crRandomLetter)
    GLYPHTROVE_COLOUR_ROLE(Highlighted, crHighlighted)
    GLYPHTROVE_COLOUR_ROLE(NormalWord, crNormalWord)
    GLYPHTROVE_COLOUR_ROLE(NewWord, crNewWord)
    GLYPHTROVE_COLOUR_ROLE(OverlappedLetter, crOverlappedLetter)
    GLYPHTROVE_COLOUR_ROLE(DummyWord, crDummyWord)
    GLYPHTROVE_COLOUR_ROLE(DuplicateWord, crDuplicateWord)
    GLYPHTROVE_COLOUR_ROLE(BlankSpace, crBlankSpace)
#undef GLYPHTROVE_COLOUR_ROLE

    // Copies SchemeName and the sixteen values.
    void Assign(const TWordGameColourPreferences& Source);
    // Assign, then turns every palette index into its colour. An index outside
    // the palette takes the colour of the "Default" scheme for that value.
    void AssignFromPreset(const TWordGameColourPreferences& Preset);

private:
    TCustomColourPreference* RoleItem(TWordGameColourRole Role) const;

    std::array<int, WordGameColourRoleCount> FRoleIndex{};
    QString FSchemeName;
};

// The colour at a palette index, or Fallback when the index is outside it.
TColor StandardColour(int64_t Index, TColor Fallback);
