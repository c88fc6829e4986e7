#include "engine/properties/ColourPresetPropertiesUn.h"

#include "engine/genlib/GenLibUn.h"
#include "platform/Exception.h"
#include "platform/Format.h"
#include "platform/IniFile.h"

#include <QFileInfo>

namespace {

const QString kFileName = "Colour Schemes.dat";
const QString kGeneralSection = "General";
const QString kTitleKey = "Title";
const QString kTitle = "Colour Scheme Presets File";

struct TPresetKeys {
    const char* Foreground;
    const char* Background;
};

// The keys of each role, in creation order.
constexpr std::array<TPresetKeys, WordGameColourRoleCount> kRoleKeys = {{
    {"RandomText", "RandomBG"},
    {"HighlightedText", "HighlightedBG"},
    {"WordText", "WordBG"},
    {"NewText", "NewBG"},
    {"OverlapText", "OverlapBG"},
    {"DummyText", "DummyBG"},
    {"DuplicateText", "DuplicateBG"},
    {"BlankText", "BlankBG"},
}};

struct TBuiltInScheme {
    const char* Name;
    TSchemeIndexes Indexes; // in AddScheme's order
};

constexpr std::array<TBuiltInScheme, 6> kBuiltInSchemes = {{
    {"Default", {0, 15, 9, 15, 2, 15, 15, 9, 8, 15, 7, 15, 15, 13, 7, 7}},
    {"Nighttime", {12, 0, 9, 0, 2, 0, 0, 9, 8, 0, 7, 0, 13, 0, 7, 7}},
    {"Plain Gray", {0, 8, 9, 8, 2, 8, 15, 9, 0, 8, 7, 8, 15, 13, 7, 7}},
    {"Blue Skies", {4, 14, 14, 12, 12, 14, 14, 6, 6, 14, 8, 14, 14, 4, 0, 14}},
    {"Fiery Red", {11, 9, 1, 11, 12, 9, 12, 1, 0, 9, 8, 9, 9, 1, 0, 9}},
    {"Leafy Green", {15, 2, 2, 10, 1, 2, 9, 10, 11, 2, 11, 2, 3, 11, 7, 2}},
}};

bool IsUnsafeInSectionName(QChar c) {
    return c.category() == QChar::Other_Control || c == '[' || c == ']' || c == '=' ||
           c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// Empty when nothing of the name survives.
QString SafeSectionName(const QString& name) {
    QString safe = name;
    for (QChar& c : safe)
        if (IsUnsafeInSectionName(c))
            c = ' ';
    return safe.trimmed();
}

void ReadScheme(const TIniFile& ini, const QString& section, TWordGameColourPreferences& scheme) {
    for (int role = 0; role < WordGameColourRoleCount; ++role) {
        const auto r = TWordGameColourRole(role);
        const TPresetKeys& keys = kRoleKeys[size_t(role)];
        const TPresetIndexPair& defaults = DefaultPresetIndexes[size_t(role)];
        scheme.SetForeground(
            r, TColor(ini.ReadInteger(section, keys.Foreground, defaults.Foreground)));
        scheme.SetBackground(
            r, TColor(ini.ReadInteger(section, keys.Background, defaults.Background)));
    }
}

// A name set on the scheme object itself bypasses the list's checks; one
// that cannot be a section at all could never be read back and is left out.
void WriteScheme(TIniFile& ini, const TWordGameColourPreferences& scheme) {
    const QString section = SafeSectionName(scheme.SchemeName());
    if (section.isEmpty())
        return;
    for (const TWordGameColourRole role : PresetsFileRoleOrder) {
        const TPresetKeys& keys = kRoleKeys[role];
        ini.WriteInteger(section, keys.Foreground, int(scheme.Foreground(role)));
        ini.WriteInteger(section, keys.Background, int(scheme.Background(role)));
    }
}

} // namespace

TGlyphtroveGameColourPresetProperties::TGlyphtroveGameColourPresetProperties()
    : FFolder(SettingsFolder()) {
    try {
        if (QFileInfo::exists(FileName()))
            LoadFromFile();
        if (FSchemes.empty())
            LoadDefaults();
    } catch (const std::exception& error) {
        LoadDefaults();
        ErrorMessage(QString::fromUtf8(error.what()));
    }
    FModified = false;
}

TGlyphtroveGameColourPresetProperties::~TGlyphtroveGameColourPresetProperties() {
    if (!FModified)
        return;
    try {
        SaveToFile();
    } catch (const std::exception& error) {
        // The old file is still in place; the changes of this list are lost.
        ErrorMessage(QString::fromUtf8(error.what()));
    }
}

QString TGlyphtroveGameColourPresetProperties::FileName() const {
    return FFolder + kFileName;
}

void TGlyphtroveGameColourPresetProperties::Clear() {
    FSchemes.clear();
    FModified = true;
}

void TGlyphtroveGameColourPresetProperties::Append(
    std::unique_ptr<TWordGameColourPreferences> Scheme) {
    FSchemes.push_back(std::move(Scheme));
    FModified = true;
}

void TGlyphtroveGameColourPresetProperties::CheckIndex(int Index) const {
    if (Index < 0 || Index >= Count())
        throw EListError(Index);
}

TWordGameColourPreferences*
TGlyphtroveGameColourPresetProperties::AddScheme(const QString& Name,
                                                 const TSchemeIndexes& Indexes) {
    auto scheme = std::make_unique<TWordGameColourPreferences>();
    scheme->SetSchemeName(SanitiseSchemeName(Name));
    for (size_t i = 0; i < AddSchemeRoleOrder.size(); ++i) {
        scheme->SetForeground(AddSchemeRoleOrder[i], TColor(Indexes[2 * i]));
        scheme->SetBackground(AddSchemeRoleOrder[i], TColor(Indexes[2 * i + 1]));
    }
    const int existing = IndexOfScheme(scheme->SchemeName());
    if (existing >= 0)
        DeleteScheme(existing);
    TWordGameColourPreferences* added = scheme.get();
    Append(std::move(scheme));
    return added;
}

void TGlyphtroveGameColourPresetProperties::DeleteScheme(int Index) {
    CheckIndex(Index);
    FSchemes.erase(FSchemes.begin() + Index);
    FModified = true;
}

void TGlyphtroveGameColourPresetProperties::RenameScheme(int Index, const QString& Name) {
    GetScheme(Index)->SetSchemeName(SanitiseSchemeName(Name));
    FModified = true;
}

TWordGameColourPreferences* TGlyphtroveGameColourPresetProperties::GetScheme(int Index) const {
    CheckIndex(Index);
    return FSchemes[size_t(Index)].get();
}

QString TGlyphtroveGameColourPresetProperties::GetSchemeName(int Index) const {
    return GetScheme(Index)->SchemeName();
}

int TGlyphtroveGameColourPresetProperties::IndexOfScheme(const QString& Name) const {
    for (int i = 0; i < Count(); ++i)
        if (FSchemes[size_t(i)]->SchemeName() == Name)
            return i;
    return -1;
}

QStringList& TGlyphtroveGameColourPresetProperties::GetNames(QStringList& List) const {
    List.clear();
    for (const auto& scheme : FSchemes)
        List.append(scheme->SchemeName());
    return List;
}

void TGlyphtroveGameColourPresetProperties::LoadFromFile() {
    Clear();
    const TIniFile ini(FileName());
    if (ini.ReadString(kGeneralSection, kTitleKey, kTitle) != kTitle)
        throw Exception("Colour scheme file is not valid");
    const QStringList sections = ini.ReadSections();
    // The first section holds the title, whatever its name.
    for (int i = 1; i < sections.size(); ++i) {
        auto scheme = std::make_unique<TWordGameColourPreferences>();
        scheme->SetSchemeName(sections[i]);
        ReadScheme(ini, sections[i], *scheme);
        Append(std::move(scheme));
    }
}

void TGlyphtroveGameColourPresetProperties::SaveToFile() {
    TIniFile ini(FileName(), TIniFile::omEmpty);
    ini.WriteString(kGeneralSection, kTitleKey, kTitle);
    for (const auto& scheme : FSchemes)
        WriteScheme(ini, *scheme);
    ini.UpdateFile();
}

void TGlyphtroveGameColourPresetProperties::LoadDefaults() {
    Clear();
    for (const TBuiltInScheme& scheme : kBuiltInSchemes)
        AddScheme(scheme.Name, scheme.Indexes);
}

void TGlyphtroveGameColourPresetProperties::CheckNewSchemeName(const QString& Name,
                                                               int Index) const {
    const QString name = SanitiseSchemeName(Name);
    if (SameIniName(name, kGeneralSection))
        throw Exception(Format("The name \"%s\" is used by the colour scheme file itself. "
                               "Please choose another name.",
                               name));
    const int kept = Index >= 0 ? Index : IndexOfScheme(name);
    for (int i = 0; i < Count(); ++i)
        if (i != kept && SameIniName(GetSchemeName(i), name))
            throw Exception(Format("There is already a colour scheme named \"%s\". Please "
                                   "choose another name.",
                                   GetSchemeName(i)));
}

QString TGlyphtroveGameColourPresetProperties::SanitiseSchemeName(const QString& Name) {
    const QString safe = SafeSectionName(Name);
    if (safe.isEmpty())
        throw Exception(Format("\"%s\" is not a valid colour scheme name", Name));
    return safe;
}
