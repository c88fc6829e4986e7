#pragma once

#include "engine/properties/ColourPresetPropertiesUn.h"
#include "platform/Object.h"

#include <QDialog>
#include <cstdint>
#include <functional>
#include <memory>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class TColourListBox;
class TIniFile;
class TRadioGroup;

// How the game clock is switched; a value read from the file beyond these
// is kept as it is.
enum TTimerOption : uint8_t { toDefault, toAlwaysOn, toAlwaysOff };

// The choice a stored switch stands for in the dialog and in the play
// window: a value beyond the three leaves it to the puzzle, as toDefault.
TTimerOption TimerChoice(TTimerOption Stored);

using TColourSchemeNameChanged = std::function<void(TObject* Sender, const QString& newscheme)>;

// The play window's personal settings, kept in "Options.dat" in the
// settings folder.
class TPlayerOptions : public TPersistent {
public:
    TPlayerOptions();

    bool AutoSave() const { return FAutoSave; }
    void SetAutoSave(bool Value) { FAutoSave = Value; }
    // The preset ColourSchemeIndex chooses; none until one is chosen.
    TWordGameColourPreferences* ColourScheme() const { return FColourScheme; }
    bool MaximiseWindow() const { return FMaximiseWindow; }
    void SetMaximiseWindow(bool Value) { FMaximiseWindow = Value; }
    bool ShowStatusbar() const { return FShowStatusbar; }
    void SetShowStatusbar(bool Value) { FShowStatusbar = Value; }
    bool ShowTitle() const { return FShowTitle; }
    void SetShowTitle(bool Value) { FShowTitle = Value; }
    bool ShowToolbar() const { return FShowToolbar; }
    void SetShowToolbar(bool Value) { FShowToolbar = Value; }
    bool ShowWordList() const { return FShowWordList; }
    void SetShowWordList(bool Value) { FShowWordList = Value; }
    TTimerOption Timer() const { return FTimer; }
    void SetTimer(TTimerOption Value) { FTimer = Value; }
    bool OptionsLoaded() const { return FOptionsLoaded; }
    bool UseDefaultScheme() const { return FUseDefaultScheme; }
    void SetUseDefaultScheme(bool Value) { FUseDefaultScheme = Value; }
    TGlyphtroveGameColourPresetProperties* ColourSchemes() const { return FColourSchemes; }
    void SetColourSchemes(TGlyphtroveGameColourPresetProperties* Value) { FColourSchemes = Value; }
    int ColourSchemeIndex() const { return FColourSchemeIndex; }
    // Below 0 counts as 0; an index at or beyond the preset count raises
    // EListError. Without a preset list there is nothing to choose.
    void SetColourSchemeIndex(int Value);
    // The chosen preset's name, or "Default" while none is chosen.
    QString ColourSchemeTitle() const;
    QString OptionsFileName() const { return FOptionsFileName; }

    TColourSchemeNameChanged OnSchemeNameChanged;

    // Overlays what the file holds. A missing file changes nothing and
    // leaves OptionsLoaded false; a file that cannot be read or parsed
    // counts as holding nothing.
    void Load();
    // Replaces the file in one step; raises EFCreateError when it cannot,
    // keeping the old file.
    void Save();
    // Chooses the first preset named exactly Name (preset 0 when none is),
    // then fires OnSchemeNameChanged.
    void SelectSchemeByName(const QString& Name);

private:
    void ReadFrom(const TIniFile& Ini);

    bool FAutoSave = true;
    TWordGameColourPreferences* FColourScheme = nullptr;
    bool FMaximiseWindow = true;
    QString FOptionsFileName;
    bool FShowStatusbar = true;
    bool FShowTitle = true;
    bool FShowToolbar = true;
    bool FShowWordList = true;
    TTimerOption FTimer = toDefault;
    bool FOptionsLoaded = false;
    bool FUseDefaultScheme = true;
    TGlyphtroveGameColourPresetProperties* FColourSchemes = nullptr;
    int FColourSchemeIndex = 0;
};

// The "Player Options" dialog over a TPlayerOptions it owns.
class TfrmPlayerOptions : public QDialog {
public:
    explicit TfrmPlayerOptions(QWidget* parent = nullptr);
    ~TfrmPlayerOptions() override;

    TPlayerOptions& Options() { return *FOptions; }

    // The presets to choose from; list index = preset index.
    void SetColourSchemes(TGlyphtroveGameColourPresetProperties* Presets);
    // Loads the options when nothing is loaded yet, shows them and runs the
    // dialog; true (the options updated) exactly for OK.
    bool Execute();
    void OptionsToControls();
    void ControlsToOptions();
    // Saves when AutoSave is set. A failed save is shown in one error box
    // and goes no further.
    void SaveIfAutoSave();

    QGroupBox* GroupBox1;
    TRadioGroup* rgpTimer;
    QGroupBox* GroupBox2;
    QRadioButton* rbUseDefault;
    QRadioButton* rbSelected;
    TColourListBox* lbxColourScheme;
    QCheckBox* cbxMaxWindow;
    QCheckBox* cbxShowToolbar;
    QCheckBox* cbxShowTitle;
    QCheckBox* cbxShowStatusBar;
    QCheckBox* cbxShowWordList;
    QPushButton* btnOK;
    QPushButton* btnCancel;
    QCheckBox* cbxDefault;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void rbUseDefaultClick();
    void rbSelectedClick();
    void CreateControls();

    std::unique_ptr<TPlayerOptions> FOptions;
};
