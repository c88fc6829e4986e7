#include "playwindow/options/frmPlayOptionsUn.h"

#include "engine/genlib/GenLibUn.h"
#include "platform/Canvas.h"
#include "platform/Controls.h"
#include "platform/Exception.h"
#include "platform/Guard.h"
#include "platform/IniFile.h"
#include "platform/RadioGroup.h"
#include "platform/Services.h"
#include "playwindow/controls/ColourListBoxUn.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

const QString kSection = QStringLiteral("OPTIONS");
const QString kDefaultScheme = QStringLiteral("Default");

bool ReadBool(const TIniFile& ini, const QString& key, bool current) {
    return ini.ReadInteger(kSection, key, current ? 1 : 0) != 0;
}

void WriteBool(TIniFile& ini, const QString& key, bool value) {
    ini.WriteString(kSection, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace

TTimerOption TimerChoice(TTimerOption Stored) {
    return Stored <= toAlwaysOff ? Stored : toDefault;
}

TPlayerOptions::TPlayerOptions() : FOptionsFileName(SettingsFolder() + "Options.dat") {}

void TPlayerOptions::SetColourSchemeIndex(int Value) {
    Value = std::max(0, Value);
    if (FColourSchemes && Value >= FColourSchemes->Count())
        throw EListError(Value);
    FColourSchemeIndex = Value;
    FColourScheme = FColourSchemes ? FColourSchemes->GetScheme(Value) : nullptr;
}

QString TPlayerOptions::ColourSchemeTitle() const {
    return FColourScheme ? FColourScheme->SchemeName() : kDefaultScheme;
}

void TPlayerOptions::SelectSchemeByName(const QString& Name) {
    SetColourSchemeIndex(FColourSchemes ? FColourSchemes->IndexOfScheme(Name) : -1);
    if (OnSchemeNameChanged)
        OnSchemeNameChanged(this, Name);
}

void TPlayerOptions::ReadFrom(const TIniFile& Ini) {
    FAutoSave = ReadBool(Ini, "AutoSave", FAutoSave);
    FUseDefaultScheme = ReadBool(Ini, "UseDefaultScheme", FUseDefaultScheme);
    const QString scheme = FUseDefaultScheme
                               ? kDefaultScheme
                               : Ini.ReadString(kSection, "ColourScheme", kDefaultScheme);
    FMaximiseWindow = ReadBool(Ini, "MaximiseWindow", FMaximiseWindow);
    FShowStatusbar = ReadBool(Ini, "ShowStatusbar", FShowStatusbar);
    FShowTitle = ReadBool(Ini, "ShowTitle", FShowTitle);
    FShowToolbar = ReadBool(Ini, "ShowToolbar", FShowToolbar);
    FShowWordList = ReadBool(Ini, "ShowWordList", FShowWordList);
    FTimer = TTimerOption(Ini.ReadInteger(kSection, "Timer", FTimer));
    // An empty preset list has no preset 0 to fall back on.
    if (!FColourSchemes || FColourSchemes->Count() > 0)
        SelectSchemeByName(scheme);
}

void TPlayerOptions::Load() {
    if (!QFileInfo::exists(FOptionsFileName))
        return;
    try {
        ReadFrom(TIniFile(FOptionsFileName));
    } catch (const Exception&) {
        // A settings file that cannot be read counts as holding nothing.
    }
    FOptionsLoaded = true;
}

void TPlayerOptions::Save() {
    TIniFile ini(FOptionsFileName, TIniFile::omEmpty);
    WriteBool(ini, "AutoSave", FAutoSave);
    WriteBool(ini, "UseDefaultScheme", FUseDefaultScheme);
    ini.WriteString(kSection, "ColourScheme", ColourSchemeTitle());
    WriteBool(ini, "MaximiseWindow", FMaximiseWindow);
    WriteBool(ini, "ShowStatusbar", FShowStatusbar);
    WriteBool(ini, "ShowTitle", FShowTitle);
    WriteBool(ini, "ShowToolbar", FShowToolbar);
    WriteBool(ini, "ShowWordList", FShowWordList);
    ini.WriteInteger(kSection, "Timer", FTimer);
    ini.UpdateFile();
}

TfrmPlayerOptions::TfrmPlayerOptions(QWidget* parent) : QDialog(parent) {
    CreateControls();
    FormCreate();
}

TfrmPlayerOptions::~TfrmPlayerOptions() = default;

void TfrmPlayerOptions::FormCreate() {
    FOptions = std::make_unique<TPlayerOptions>();
}

namespace {

void Hint(QWidget* control, const QString& hint) {
    control->setToolTip(hint);
    control->setStatusTip(hint);
}

QCheckBox* CheckBox(QWidget* parent, const QString& caption, const QString& hint, int x, int y) {
    auto* box = new QCheckBox(caption, parent);
    box->setGeometry(x, y, 150, 17);
    Hint(box, hint);
    return box;
}

} // namespace

void TfrmPlayerOptions::CreateControls() {
    setWindowTitle("Player Options");
    setFont(TFont().Handle());
    setFixedSize(367, 271);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

    GroupBox1 = new QGroupBox("&Options", this);
    GroupBox1->setGeometry(8, 8, 169, 121);
    cbxMaxWindow =
        CheckBox(GroupBox1, "&Maximise Window", "use the full screen while playing", 10, 20);
    cbxShowToolbar =
        CheckBox(GroupBox1, "Show T&oolbar", "include the toolbar in the player window", 10, 39);
    cbxShowTitle =
        CheckBox(GroupBox1, "Show T&itle", "show the puzzle title in the player window", 10, 58);
    cbxShowStatusBar =
        CheckBox(GroupBox1, "Show Status &Bar",
                 "display the status bar at the bottom of the player window", 10, 77);
    cbxShowWordList = CheckBox(GroupBox1, "Show &Word List",
                               "show the word list on the right of the player window", 10, 96);

    rgpTimer =
        new TRadioGroup("&Timer", {"&Puzzle File Default", "Always O&n", "Always O&ff"}, this);
    rgpTimer->setGeometry(8, 136, 169, 89);
    rgpTimer->SetItemIndex(0);
    Hint(rgpTimer, "select timer switch");

    GroupBox2 = new QGroupBox("&Colour Scheme", this);
    GroupBox2->setGeometry(184, 8, 175, 217);
    rbUseDefault = new QRadioButton("&Use Default scheme", GroupBox2);
    rbUseDefault->setGeometry(10, 20, 155, 17);
    rbUseDefault->setChecked(true);
    Hint(rbUseDefault, "use the colour scheme retrieved from the puzzle");
    rbSelected = new QRadioButton("Use &Selected", GroupBox2);
    rbSelected->setGeometry(10, 40, 155, 17);
    Hint(rbSelected, "use the selected scheme below");
    lbxColourScheme = new TColourListBox(GroupBox2);
    lbxColourScheme->setGeometry(10, 62, 155, 145);
    lbxColourScheme->SetActiveColour(clWindow);
    lbxColourScheme->SetInactiveColour(clInactiveCaptionText);
    Hint(lbxColourScheme, "select colour scheme");

    cbxDefault = CheckBox(this, "&Default", "save settings on exit", 8, 242);
    cbxDefault->setFixedWidth(100);
    cbxDefault->setChecked(true);
    btnOK = new QPushButton("OK", this);
    btnOK->setGeometry(196, 238, 75, 25);
    btnOK->setDefault(true);
    btnCancel = new QPushButton("Cancel", this);
    btnCancel->setGeometry(284, 238, 75, 25);

    connect(btnOK, &QPushButton::clicked, this, [this] { done(mrOk); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { done(mrCancel); });
    connect(rbUseDefault, &QRadioButton::clicked, this,
            [this] { Guarded([this] { rbUseDefaultClick(); }); });
    connect(rbSelected, &QRadioButton::clicked, this,
            [this] { Guarded([this] { rbSelectedClick(); }); });
}

void TfrmPlayerOptions::SetColourSchemes(TGlyphtroveGameColourPresetProperties* Presets) {
    FOptions->SetColourSchemes(Presets);
    lbxColourScheme->Items().Clear();
    if (!Presets)
        return;
    QStringList names;
    lbxColourScheme->Items().SetLines(Presets->GetNames(names));
}

bool TfrmPlayerOptions::Execute() {
    if (!FOptions->OptionsLoaded())
        FOptions->Load();
    OptionsToControls();
    if (services().ExecModal(*this) != mrOk)
        return false;
    ControlsToOptions();
    return true;
}

void TfrmPlayerOptions::OptionsToControls() {
    rgpTimer->SetItemIndex(TimerChoice(FOptions->Timer()));
    lbxColourScheme->setEnabled(true);
    lbxColourScheme->SetItemIndex(std::max(0, FOptions->ColourSchemeIndex()));
    cbxMaxWindow->setChecked(FOptions->MaximiseWindow());
    cbxShowToolbar->setChecked(FOptions->ShowToolbar());
    cbxShowTitle->setChecked(FOptions->ShowTitle());
    cbxShowStatusBar->setChecked(FOptions->ShowStatusbar());
    cbxShowWordList->setChecked(FOptions->ShowWordList());
    cbxDefault->setChecked(FOptions->AutoSave());
}

void TfrmPlayerOptions::ControlsToOptions() {
    // The choice left as shown keeps the stored value as it is.
    const auto timer = TTimerOption(rgpTimer->ItemIndex());
    if (timer != TimerChoice(FOptions->Timer()))
        FOptions->SetTimer(timer);
    if (lbxColourScheme->ItemIndex() < 0)
        lbxColourScheme->SetItemIndex(0);
    FOptions->SetColourSchemeIndex(lbxColourScheme->ItemIndex());
    FOptions->SetMaximiseWindow(cbxMaxWindow->isChecked());
    FOptions->SetShowToolbar(cbxShowToolbar->isChecked());
    FOptions->SetShowTitle(cbxShowTitle->isChecked());
    FOptions->SetShowStatusbar(cbxShowStatusBar->isChecked());
    FOptions->SetShowWordList(cbxShowWordList->isChecked());
    FOptions->SetAutoSave(cbxDefault->isChecked());
    FOptions->SetUseDefaultScheme(rbUseDefault->isChecked());
}

void TfrmPlayerOptions::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    Guarded([this] {
        services().PlaceWindow(*this, poOwnerFormCenter);
        FormShow();
    });
}

void TfrmPlayerOptions::FormShow() {
    SelectFirst(*this);
    if (FOptions->UseDefaultScheme()) {
        rbUseDefault->setChecked(true);
        lbxColourScheme->setEnabled(false);
        return;
    }
    rbSelectedClick();
    lbxColourScheme->SetItemIndex(
        std::max(0, lbxColourScheme->Items().IndexOf(FOptions->ColourSchemeTitle())));
}

void TfrmPlayerOptions::rbUseDefaultClick() {
    rbUseDefault->setChecked(true);
    lbxColourScheme->setEnabled(false);
}

void TfrmPlayerOptions::rbSelectedClick() {
    rbSelected->setChecked(true);
    lbxColourScheme->setEnabled(true);
    lbxColourScheme->setFocus(Qt::OtherFocusReason);
}

void TfrmPlayerOptions::SaveIfAutoSave() {
    if (!FOptions->AutoSave())
        return;
    try {
        FOptions->Save();
    } catch (const Exception& error) {
        ErrorMessage(error.Message());
    }
}
