#pragma once

#include "engine/properties/WordGameColourPreferencesUn.h"

#include <QStringList>
#include <array>
#include <memory>
#include <vector>

// The sixteen palette indexes of a scheme in AddScheme's order: Normal Word,
// Highlighted, New Word, Overlapped Letter, Random Letter, Dummy Word,
// Duplicate Word, Blank Space, each foreground then background.
using TSchemeIndexes = std::array<int, 16>;
constexpr TWordGameColourRoleOrder AddSchemeRoleOrder = {
    crNormalWord,   crHighlighted, crNewWord,       crOverlappedLetter,
    crRandomLetter, crDummyWord,   crDuplicateWord, crBlankSpace};

// The named colour schemes of "Colour Schemes.dat": six built-ins and any
// the user stores. Each scheme holds palette indexes, not colours. The list
// reads the file when created and writes it when destroyed after a change.
class TGlyphtroveGameColourPresetProperties : public TObject {
public:
    TGlyphtroveGameColourPresetProperties();
    ~TGlyphtroveGameColourPresetProperties() override;

    int Count() const { return int(FSchemes.size()); }
    void Clear();

    // Appends a new scheme; one of the same name is removed first. Returns
    // the new scheme. Names are stored as SanitiseSchemeName gives them, so
    // a name it refuses raises and changes nothing.
    TWordGameColourPreferences* AddScheme(const QString& Name, const TSchemeIndexes& Indexes);
    // The three below raise EListError for an index outside the list.
    void DeleteScheme(int Index);
    void RenameScheme(int Index, const QString& Name);
    TWordGameColourPreferences* GetScheme(int Index) const;
    QString GetSchemeName(int Index) const;
    // The first scheme whose name equals Name exactly, or -1.
    int IndexOfScheme(const QString& Name) const;
    QStringList& GetNames(QStringList& List) const;

    // Raises when the file cannot be read or is not a presets file; the list
    // may then be empty or partly filled.
    void LoadFromFile();
    // Replaces the file at once: a failed write raises and keeps the old file.
    void SaveToFile();
    void LoadDefaults();

    // The settings folder, with a trailing separator.
    const QString& Folder() const { return FFolder; }
    QString FileName() const;
    bool Modified() const { return FModified; }

    // Raises, with a message for the user, when Name as it would be stored
    // would share its section of the file with the file's title or with a
    // scheme other than the one at Index: the file tells names apart without
    // regard to case. Index is the scheme being renamed; -1 checks a name to
    // be added, where the scheme of exactly that name is replaced.
    void CheckNewSchemeName(const QString& Name, int Index = -1) const;

    // A scheme name must survive as an INI section name: line breaks and
    // other control characters, brackets and "=" become blanks and blanks at
    // the ends go. Raises when nothing is left.
    static QString SanitiseSchemeName(const QString& Name);

private:
    void Append(std::unique_ptr<TWordGameColourPreferences> Scheme);
    void CheckIndex(int Index) const;

    QString FFolder;
    bool FModified = false;
    std::vector<std::unique_ptr<TWordGameColourPreferences>> FSchemes;
};
