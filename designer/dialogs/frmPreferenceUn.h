#pragma once

#include "designer/dialogs/DialogFormUn.h"
#include "engine/properties/ColourPresetPropertiesUn.h"
#include "platform/Controls.h"
#include "platform/DateTime.h"

#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QScrollArea;
class QStatusBar;
class QTabWidget;
class QTimeEdit;
class QToolBar;
class TColourEdit;
class TColourListBox;
class TGlyphtroveEditor;
class TRadioGroup;
class TWordGameProperties;

// One colour role being edited: the palette indexes of its two colours, -1
// for a colour that is not in the palette.
class TColourType : public TObject {
public:
    uint8_t Role = 0;
    int ForegroundIndex = -1;
    int BackgroundIndex = -1;
};

// The eight roles, in the order of the role list.
class TColourPreference : public TObject {
public:
    static constexpr int Count = 8;
    TColourPreference();
    TColourType& Items(int Role) { return FItems.at(size_t(Role)); }
    const TColourType& Items(int Role) const { return FItems.at(size_t(Role)); }

private:
    std::array<TColourType, Count> FItems;
};

using TPreferenceHintEvent = std::function<void(TObject* Sender, const QString& Text)>;

// "Game Preferences": one puzzle's texts, colour scheme and play options.
// The dialog edits properties of its own, those of a small preview puzzle:
// colour changes show on the preview at once, texts and options are stored
// by OK. Its colour-scheme store writes "Colour Schemes.dat" when the dialog
// is freed, if the schemes were changed. Created once by the editor window.
class TfrmPreferences : public TDialogForm, public TObject {
    Q_OBJECT
public:
    explicit TfrmPreferences(QWidget* owner);
    ~TfrmPreferences() override;

    // The edited properties; the editor copies the game's into them before
    // Execute and back after OK.
    TWordGameProperties* GetGameProperties() const;
    // True for OK, with the texts and options stored.
    bool Execute();
    void LoadOptions(const TWordGameProperties& Properties);
    void LoadColours(const TWordGameColourPreferences& Colours);
    // Applies "Default" (or the store's first scheme); the store index of
    // "Default", -1 when there is none.
    int SelectDefaultScheme();
    TGlyphtroveEditor* FillPreviewUnusedCells();
    TGlyphtroveEditor* ClearPreviewUnusedCells();

    const TColourPreference& ColourPreference() const { return FColourPreference; }
    TGlyphtroveGameColourPresetProperties& PresetStore() { return *FPresets; }
    TGlyphtroveEditor* Preview() const { return FPreview; }
    // The palette indexes that carry "FG" and "BG".
    int MarkedForeground() const { return FMarkedForeground; }
    int MarkedBackground() const { return FMarkedBackground; }

    TPreferenceHintEvent OnPreferenceHint;

    QTabWidget* pgcPreferences;
    QWidget* tsProperties;
    QWidget* tsColours;
    QWidget* tsOptions;
    QPushButton* btnOK;
    QPushButton* btnCancel;
    QStatusBar* StatusBar1;

    QGroupBox* grpPropertyDetails;
    QLabel* lblTitle;
    QLabel* lblDescription;
    QLabel* lblAuthor;
    QLabel* lblCreated;
    QLabel* lblModified;
    QLabel* lblVersion;
    TColourEdit* coledTitle;
    TColourEdit* coledDescription;
    TColourEdit* coledAuthor;
    QLabel* txtCreated;
    QLabel* txtModified;
    QLabel* txtVersion;

    QGroupBox* grpColourDetails;
    QComboBox* cbxPresets;
    QToolBar* tbrSchemes;
    TColourListBox* collbxColourType;
    QFrame* pnlPalette;
    QLabel* pnlBlack;
    QLabel* pnlMaroon;
    QLabel* pnlGreen;
    QLabel* pnlOlive;
    QLabel* pnlNavy;
    QLabel* pnlpurple;
    QLabel* pnlTeal;
    QLabel* pnlGray;
    QLabel* pnlSilver;
    QLabel* pnlRed;
    QLabel* pnlLime;
    QLabel* pnlYellow;
    QLabel* pnlBlue;
    QLabel* pnlFuchsia;
    QLabel* pnlAqua;
    QLabel* pnlWhite;
    QAction* actColourStore;
    QAction* actColourDelete;
    QAction* actColourRename;
    QAction* actColoursRevert;
    QAction* actColoursDefaults;

    QScrollArea* sbxOptions;
    QGroupBox* grpOptionDetails;
    QCheckBox* cbxAutoFinsh;
    QCheckBox* cbxIncludeColourScheme;
    QCheckBox* cbxRemoveUsedWords;
    QCheckBox* cbxGiveIn;
    QGroupBox* grpTimer;
    QCheckBox* cbxUseTimer;
    QCheckBox* cbxCountDown;
    QTimeEdit* dtpTime;
    QGroupBox* grpHints;
    QCheckBox* chkUseHints;
    QLabel* lblHintsAllowed;
    QToolButton* btnHintDown;
    TColourEdit* edHintsAllowed;
    QToolButton* btnHintUp;
    TRadioGroup* rgpUnusedSpaces;

    // The palette panel of each index.
    QLabel* Panel(int Index) const { return FPanels.at(size_t(Index)); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreatePropertiesPage();
    void CreateColoursPage();
    void CreatePalette();
    void CreateSchemeTools();
    void CreateOptionsPage();
    void CreateTimerFrame();
    void CreateHintsFrame();
    void FormCreate();
    void FormShow();

    void BuildPreview();
    void LoadColourTypes();
    void ApplyColourType(const TColourType& Entry);
    void RefreshPreview();
    void ShowRoleMarks(int Role);
    void ShowPanelMarks(int Foreground, int Background);
    void FillSchemeCombo();
    int FindMatchingScheme() const;
    void UpdateSchemeCombo();
    void ApplyScheme(const QString& Name);
    void StoreScheme(const QString& Name);
    void ReloadSchemes();
    void LoadTextFields();
    static QString FormatStamp(const QString& Stamp);
    void SetOptionControls(bool AutoFinish, bool IncludeColourScheme, int Hints,
                           uint8_t UnusedSpace, TDateTime CountDownTime, bool CountDown,
                           bool UseTimer, bool GiveIn, bool RemoveUsedWords);
    void ApplyTimerRule();
    int HintsValue() const;
    void StepHints(int Step);
    void StoreValues();

    void SelectColour(int Index, TMouseButton Button, TShiftState Shift);
    void collbxColourTypeClick();
    void cbxPresetsChange();
    void actColourStoreExecute();
    void actColourDeleteExecute();
    void actColourRenameExecute();
    void actColoursRevertExecute();
    void actColoursDefaultsExecute();
    void edHintsAllowedKeyPress(QChar& Key);
    void btnHintDownClick();
    void btnHintUpClick();
    void pgcPreferencesChange(int Page);

    TGlyphtroveEditor* FPreview = nullptr;
    TColourPreference FColourPreference;
    std::unique_ptr<TGlyphtroveGameColourPresetProperties> FPresets;
    std::array<int, TColourPreference::Count> FSampleWords{};
    std::array<QLabel*, StandardColourCount> FPanels{};
    int FMarkedForeground = 0;
    int FMarkedBackground = 0;
};

// The edited colour-set role of each entry of the role list.
TWordGameColourRole ColourSetRole(int Role);
