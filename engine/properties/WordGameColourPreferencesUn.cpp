#include "engine/properties/WordGameColourPreferencesUn.h"

namespace {

struct TRoleDefault {
    const char* Name;
    TColor Foreground;
    TColor Background;
};

// In creation order.
constexpr std::array<TRoleDefault, WordGameColourRoleCount> kRoleDefaults = {{
    {"Random Letter", clBlack, clWhite},
    {"Highlighted", clWhite, clRed},
    {"Normal Word", clBlue, clWhite},
    {"New Word", clGreen, clWhite},
    {"Overlapped Letter", clGreen, clRed},
    {"Dummy Word", clGray, clWhite},
    {"Duplicate Word", clWhite, clFuchsia},
    {"Blank Space", clGray, clGray},
}};

} // namespace

const std::array<TColor, StandardColourCount> StandardColourTable = {
    clBlack,  clMaroon, clGreen, clOlive,  clNavy, clPurple,  clTeal, clGray,
    clSilver, clRed,    clLime,  clYellow, clBlue, clFuchsia, clAqua, clWhite};

// In creation order; the "Default" scheme of the presets file.
const std::array<TPresetIndexPair, WordGameColourRoleCount> DefaultPresetIndexes = {{
    {8, 15},  // Random Letter: silver on white
    {9, 15},  // Highlighted: red on white
    {0, 15},  // Normal Word: black on white
    {2, 15},  // New Word: green on white
    {15, 9},  // Overlapped Letter: white on red
    {7, 15},  // Dummy Word: gray on white
    {15, 13}, // Duplicate Word: white on fuchsia
    {7, 7},   // Blank Space: gray on gray
}};

TColor StandardColour(int64_t Index, TColor Fallback) {
    return Index >= 0 && Index < StandardColourCount ? StandardColourTable[size_t(Index)]
                                                     : Fallback;
}

TWordGameColourPreferences::TWordGameColourPreferences() {
    SetDefaults();
}

void TWordGameColourPreferences::SetDefaults() {
    Clear();
    for (size_t role = 0; role < kRoleDefaults.size(); ++role) {
        const TRoleDefault& entry = kRoleDefaults[role];
        FRoleIndex[role] = AddColour(entry.Name, entry.Foreground, entry.Background);
    }
}

TCustomColourPreference* TWordGameColourPreferences::RoleItem(TWordGameColourRole Role) const {
    return GetItem(FRoleIndex[Role]);
}

TColor TWordGameColourPreferences::Foreground(TWordGameColourRole Role) const {
    return RoleItem(Role)->ForegroundColour();
}

TColor TWordGameColourPreferences::Background(TWordGameColourRole Role) const {
    return RoleItem(Role)->BackgroundColour();
}

void TWordGameColourPreferences::SetForeground(TWordGameColourRole Role, TColor Value) {
    RoleItem(Role)->SetForegroundColour(Value);
}

void TWordGameColourPreferences::SetBackground(TWordGameColourRole Role, TColor Value) {
    RoleItem(Role)->SetBackgroundColour(Value);
}

void TWordGameColourPreferences::Assign(const TWordGameColourPreferences& Source) {
    FSchemeName = Source.FSchemeName;
    for (int role = 0; role < WordGameColourRoleCount; ++role) {
        const auto r = TWordGameColourRole(role);
        SetForeground(r, Source.Foreground(r));
        SetBackground(r, Source.Background(r));
    }
}

void TWordGameColourPreferences::AssignFromPreset(const TWordGameColourPreferences& Preset) {
    Assign(Preset);
    for (int role = 0; role < WordGameColourRoleCount; ++role) {
        const auto r = TWordGameColourRole(role);
        const TPresetIndexPair& fallback = DefaultPresetIndexes[size_t(role)];
        SetForeground(r, StandardColour(Foreground(r), StandardColourTable[fallback.Foreground]));
        SetBackground(r, StandardColour(Background(r), StandardColourTable[fallback.Background]));
    }
}
