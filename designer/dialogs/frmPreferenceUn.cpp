#include "designer/dialogs/frmPreferenceUn.h"

#include "designer/controls/ColourEditUn.h"
#include "designer/dialogs/PrefsPicturesUn.h"
#include "designer/dialogs/frmSchemeNameDlgUn.h"
#include "engine/genlib/GenLibUn.h"
#include "engine/properties/WordGamePropertiesUn.h"
#include "engine/puzzle/GlyphtroveUn.h"
#include "platform/Convert.h"
#include "platform/Exception.h"
#include "platform/Guard.h"
#include "platform/RadioGroup.h"
#include "platform/Services.h"
#include "playwindow/controls/ColourListBoxUn.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimeEdit>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

const QString DefaultScheme = "Default";
const QString MissingDefaultLine = "DEFAULT MISSING";
constexpr int DefaultHints = 5;
constexpr int MaxHints = 999;
// Typing stops at three digits; a count the program shows may be longer.
constexpr int HintsLength = 3;

// The page help texts, by page index.
const char* const PropertiesPageHint =
    "This is the Properties page. It contains the main inforamtion about the puzzle being "
    "edited. The main property is the Title. This is the caption for display and the main item "
    "that identifies the puzzle. \r\nDo not forget to type in your name as the author!";
const char* const ColoursPageHint =
    "This is the Colour Scheme Editor. It allows you to change various colours to the puzzle. "
    "You can choose a preset scheme or create your own.";
const char* const OptionsPageHint = "This is the Options page. It contains various features that "
                                    "you may finduseful when editing or playing the puzzle.";

// The role list's entries and the colour-set role each edits.
struct TRoleEntry {
    const char* Caption;
    TWordGameColourRole Role;
};
constexpr std::array<TRoleEntry, TColourPreference::Count> RoleEntries = {{
    {"Normal Word", crNormalWord},
    {"Dummy Word", crDummyWord},
    {"Highlighted Word", crHighlighted},
    {"New Word", crNewWord},
    {"Overlapped Letter", crOverlappedLetter},
    {"Random Letter", crRandomLetter},
    {"Duplicated Word", crDuplicateWord},
    {"Blank Cell", crBlankSpace},
}};
constexpr int RandomLetterRole = 5;
constexpr int BlankCellRole = 7;

// The preview's sample words, placed and painted in this order.
struct TSampleWord {
    const char* Word;
    int Column, Row;
    TWordDirectionType Direction;
    TWordGameColourRole PaintedIn;
};
constexpr std::array<TSampleWord, 8> SampleWords = {{
    {"NORMAL", 4, 1, wdBottom, crNormalWord},
    {"NEWWORD", 0, 2, wdRight, crNewWord},
    {"OVERMLAP", 0, 4, wdRight, crNewWord},
    {"M", 4, 4, wdRight, crOverlappedLetter},
    {"HIGHLIGHT", 0, 6, wdRight, crHighlighted},
    {"DUMMY", 9, 0, wdBottom, crDummyWord},
    {"DUPLICATED", 0, 8, wdRight, crNormalWord},
    {"DUPLICATED", 0, 9, wdRight, crDuplicateWord},
}};

struct TPaletteEntry {
    const char* Hint;
    bool WhiteCaption;
};
constexpr std::array<TPaletteEntry, StandardColourCount> PaletteEntries = {{
    {"black", true},
    {"maroon", true},
    {"green", true},
    {"olive", true},
    {"navy", true},
    {"purple", true},
    {"teal", false},
    {"gray", false},
    {"silver", false},
    {"red", true},
    {"lime", false},
    {"yellow", false},
    {"blue", true},
    {"fuchsia", false},
    {"aqua", false},
    {"white", false},
}};

bool IsPaletteIndex(int Index) {
    return Index >= 0 && Index < StandardColourCount;
}

// The first palette index of exactly this colour, -1 for none.
int PaletteIndexOf(TColor Colour) {
    const auto found = std::find(StandardColourTable.begin(), StandardColourTable.end(), Colour);
    return found == StandardColourTable.end() ? -1 : int(found - StandardColourTable.begin());
}

// The entry of a role list index.
int RoleEntryOf(TWordGameColourRole Role) {
    for (int i = 0; i < TColourPreference::Count; ++i)
        if (RoleEntries[size_t(i)].Role == Role)
            return i;
    return -1;
}

QTime TimeOfDay(TDateTime Moment) {
    const int64_t msecs = ((DateTimeToMSecs(Moment) % MSecsPerDay) + MSecsPerDay) % MSecsPerDay;
    return QTime::fromMSecsSinceStartOfDay(int(msecs));
}

// A check box over the top edge of a frame, as its heading.
QCheckBox* FrameHeading(QGroupBox& Frame, const QString& Caption, int Width) {
    auto* heading = new QCheckBox(Caption, &Frame);
    heading->setGeometry(8, 0, Width, 17);
    heading->setAutoFillBackground(true);
    return heading;
}

QLabel* SunkenText(QWidget* Parent, const QRect& Bounds) {
    auto* text = new QLabel(Parent);
    text->setGeometry(Bounds);
    text->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    text->setAlignment(Qt::AlignCenter);
    return text;
}

QLabel* FieldLabel(QWidget* Parent, const QString& Caption, int Left, int Top) {
    auto* label = new QLabel(Caption, Parent);
    label->setGeometry(Left, Top, 80, 14);
    return label;
}

} // namespace

TWordGameColourRole ColourSetRole(int Role) {
    return RoleEntries.at(size_t(Role)).Role;
}

TColourPreference::TColourPreference() {
    for (int r = 0; r < Count; ++r)
        FItems[size_t(r)].Role = uint8_t(r);
}

TfrmPreferences::TfrmPreferences(QWidget* owner)
    : TDialogForm(owner, "Game Preferences", 463, 314) {
    RegisterPrefsPictures();
    pgcPreferences = new QTabWidget(this);
    pgcPreferences->setGeometry(4, 4, 361, 286);
    CreatePropertiesPage();
    CreateColoursPage();
    CreateOptionsPage();
    btnOK = OkButton(QRect(378, 27, 75, 25));
    btnCancel = CancelButton(QRect(378, 59, 75, 25));
    StatusBar1 = StatusBar();
    FormCreate();
    connect(pgcPreferences, &QTabWidget::currentChanged, this,
            [this](int page) { Guarded([this, page] { pgcPreferencesChange(page); }); });
}

TfrmPreferences::~TfrmPreferences() = default;

void TfrmPreferences::CreatePropertiesPage() {
    tsProperties = new QWidget;
    pgcPreferences->addTab(tsProperties, "&Properties");
    grpPropertyDetails = new QGroupBox("Details", tsProperties);
    grpPropertyDetails->setGeometry(4, 2, 345, 256);
    const auto edit = [this](const QString& caption, int top, QLabel*& label) {
        label = FieldLabel(grpPropertyDetails, caption, 10, top);
        auto* field = new TColourEdit(grpPropertyDetails);
        field->setGeometry(10, top + 16, 325, 21);
        field->SetActiveColour(clInfoBk);
        field->SetInactiveColour(clWindow);
        label->setBuddy(field);
        return field;
    };
    coledTitle = edit("&Title", 18, lblTitle);
    coledDescription = edit("&Description", 60, lblDescription);
    coledAuthor = edit("&Author", 102, lblAuthor);
    const auto stamp = [this](const QString& caption, int left, int top, int width,
                              QLabel*& label) {
        label = FieldLabel(grpPropertyDetails, caption, left, top);
        return SunkenText(grpPropertyDetails, QRect(left, top + 16, width, 21));
    };
    txtCreated = stamp("Created", 10, 150, 215, lblCreated);
    txtVersion = stamp("Version", 235, 150, 100, lblVersion);
    txtModified = stamp("Modified", 10, 194, 215, lblModified);
}

void TfrmPreferences::CreateColoursPage() {
    tsColours = new QWidget;
    pgcPreferences->addTab(tsColours, "&Colours");
    grpColourDetails = new QGroupBox("Details", tsColours);
    grpColourDetails->setGeometry(4, 2, 345, 256);
    cbxPresets = new QComboBox(grpColourDetails);
    cbxPresets->setGeometry(8, 16, 121, 21);
    CreateSchemeTools();

    collbxColourType = new TColourListBox(grpColourDetails);
    collbxColourType->setGeometry(8, 42, 121, 106);
    collbxColourType->SetItemHeight(13);
    collbxColourType->SetActiveColour(clInfoBk);
    collbxColourType->SetInactiveColour(clWindow);
    for (const TRoleEntry& entry : RoleEntries)
        collbxColourType->Items().Add(entry.Caption);
    collbxColourType->OnClick = [this](TObject*) { collbxColourTypeClick(); };
    CreatePalette();

    connect(cbxPresets, &QComboBox::activated, this,
            [this] { Guarded([this] { cbxPresetsChange(); }); });
}

void TfrmPreferences::CreateSchemeTools() {
    tbrSchemes = new QToolBar(grpColourDetails);
    tbrSchemes->setGeometry(136, 15, 200, 24);
    tbrSchemes->setIconSize(QSize(16, 16));
    tbrSchemes->setMovable(false);
    const auto tool = [this](const QString& hint, const QString& picture,
                             std::function<void()> handler) {
        QAction* action = Action(QString(), hint, QKeySequence(), std::move(handler));
        action->setIcon(DialogPicture(picture));
        tbrSchemes->addAction(action);
        return action;
    };
    actColourStore = tool("store colour scheme", "store", [this] { actColourStoreExecute(); });
    tbrSchemes->addSeparator();
    actColourDelete =
        tool("remove colour scheme from list", "delete", [this] { actColourDeleteExecute(); });
    tbrSchemes->addSeparator();
    actColourRename = tool("rename colour scheme", "rename", [this] { actColourRenameExecute(); });
    tbrSchemes->addSeparator();
    actColoursRevert =
        tool("reload colour schemes", "revert", [this] { actColoursRevertExecute(); });
    tbrSchemes->addSeparator();
    actColoursDefaults = tool("clear colour schemes and use defaults", "defaults",
                              [this] { actColoursDefaultsExecute(); });
}

void TfrmPreferences::CreatePalette() {
    constexpr int step = 24, size = 21, margin = 3;
    pnlPalette = new QFrame(grpColourDetails);
    pnlPalette->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlPalette->setGeometry(8, 151, 4 * step + 2 * margin - (step - size),
                            4 * step + 2 * margin - (step - size));
    QLabel** named[] = {&pnlBlack, &pnlMaroon,  &pnlGreen,  &pnlOlive, &pnlNavy, &pnlpurple,
                        &pnlTeal,  &pnlGray,    &pnlSilver, &pnlRed,   &pnlLime, &pnlYellow,
                        &pnlBlue,  &pnlFuchsia, &pnlAqua,   &pnlWhite};
    QFont captionFont = font();
    captionFont.setBold(true);
    for (int index = 0; index < StandardColourCount; ++index) {
        auto* panel = new QLabel(pnlPalette);
        panel->setGeometry(margin + (index % 4) * step, margin + (index / 4) * step, size, size);
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        panel->setAlignment(Qt::AlignCenter);
        panel->setAutoFillBackground(true);
        panel->setFont(captionFont);
        const TPaletteEntry& entry = PaletteEntries[size_t(index)];
        QPalette colours = panel->palette();
        colours.setColor(QPalette::Window, ToQColor(StandardColourTable[size_t(index)]));
        colours.setColor(QPalette::WindowText, entry.WhiteCaption ? Qt::white : Qt::black);
        panel->setPalette(colours);
        panel->setToolTip(entry.Hint);
        panel->installEventFilter(this);
        *named[index] = panel;
        FPanels[size_t(index)] = panel;
    }
}

void TfrmPreferences::CreateOptionsPage() {
    tsOptions = new QWidget;
    pgcPreferences->addTab(tsOptions, "&Options");
    sbxOptions = new QScrollArea(tsOptions);
    sbxOptions->setGeometry(0, 0, 355, 260);
    sbxOptions->setFrameStyle(QFrame::NoFrame);
    auto* content = new QWidget;
    content->setFixedSize(353, 260);
    grpOptionDetails = new QGroupBox("Details", content);
    grpOptionDetails->setGeometry(4, 2, 341, 256);
    const auto check = [this](const QString& caption, int top) {
        auto* box = new QCheckBox(caption, grpOptionDetails);
        box->setGeometry(10, top, 320, 17);
        return box;
    };
    cbxAutoFinsh = check("&Automatically finish the puzzle on exit", 18);
    cbxIncludeColourScheme = check("&Include the colour scheme into the puzzle file", 36);
    cbxRemoveUsedWords = check("&Remove used words from wish list", 54);
    cbxGiveIn = check("Player can '&Give In' (shown words)", 72);
    CreateTimerFrame();
    CreateHintsFrame();
    rgpUnusedSpaces =
        new TRadioGroup("&Unused spaces",
                        {"Random letters (A-Z)", "Random letters (from the word list)",
                         "Use partial words", "Left blank"},
                        grpOptionDetails);
    rgpUnusedSpaces->setGeometry(10, 152, 321, 100);
    // Four items stacked closely, so that each keeps its whole height.
    rgpUnusedSpaces->layout()->setContentsMargins(8, 1, 8, 1);
    rgpUnusedSpaces->layout()->setSpacing(0);
    sbxOptions->setWidget(content);
}

void TfrmPreferences::CreateTimerFrame() {
    grpTimer = new QGroupBox(grpOptionDetails);
    grpTimer->setGeometry(10, 92, 150, 58);
    cbxUseTimer = FrameHeading(*grpTimer, "Use Timer", 76);
    cbxCountDown = new QCheckBox("CountDown", grpTimer);
    cbxCountDown->setGeometry(10, 17, 90, 17);
    dtpTime = new QTimeEdit(grpTimer);
    dtpTime->setGeometry(10, 35, 90, 21);
    dtpTime->setDisplayFormat("HH:mm:ss");
    connect(cbxUseTimer, &QCheckBox::toggled, this, [this] { ApplyTimerRule(); });
    connect(cbxCountDown, &QCheckBox::toggled, this, [this] { ApplyTimerRule(); });
}

void TfrmPreferences::CreateHintsFrame() {
    grpHints = new QGroupBox(grpOptionDetails);
    grpHints->setGeometry(170, 92, 161, 58);
    chkUseHints = FrameHeading(*grpHints, "Use Hints", 76);
    lblHintsAllowed = FieldLabel(grpHints, "Hints allowed", 10, 18);
    btnHintDown = SpeedButton(grpHints, QRect(10, 35, 21, 21));
    btnHintDown->setIcon(DialogPicture("arrow-left"));
    edHintsAllowed = new TColourEdit(grpHints);
    edHintsAllowed->setGeometry(34, 35, 41, 21);
    // Its Paste would pass by the box's key rule.
    edHintsAllowed->setContextMenuPolicy(Qt::NoContextMenu);
    edHintsAllowed->setAlignment(Qt::AlignRight);
    edHintsAllowed->SetActiveColour(clInfoBk);
    edHintsAllowed->SetInactiveColour(clWindow);
    edHintsAllowed->setAcceptDrops(false);
    edHintsAllowed->installEventFilter(this);
    btnHintUp = SpeedButton(grpHints, QRect(78, 35, 21, 21));
    btnHintUp->setIcon(DialogPicture("arrow-right"));
    connect(btnHintDown, &QToolButton::clicked, this,
            [this] { Guarded([this] { btnHintDownClick(); }); });
    connect(btnHintUp, &QToolButton::clicked, this,
            [this] { Guarded([this] { btnHintUpClick(); }); });
}

void TfrmPreferences::FormCreate() {
    pgcPreferences->setCurrentIndex(0);
    FPreview = new TGlyphtroveEditor(grpColourDetails);
    FPreview->setGeometry(136, 42, 193, 193);
    FPreview->SetBorderStyle(bsNone);
    FPreview->SetGridSize(10, 10);
    FPreview->SetCheckWords(false);
    FPresets = std::make_unique<TGlyphtroveGameColourPresetProperties>();
    FillSchemeCombo();
    SetOptionControls(true, true, DefaultHints, usRandomLetters, 0, false, true, true, true);
    BuildPreview();
    LoadColourTypes();
    FPreview->FillRandomLetters();
}

void TfrmPreferences::showEvent(QShowEvent* event) {
    TDialogForm::showEvent(event);
    if (!event->spontaneous())
        Guarded([this] { FormShow(); });
}

void TfrmPreferences::FormShow() {
    RefreshPreview();
}

TWordGameProperties* TfrmPreferences::GetGameProperties() const {
    return FPreview->GamePreferences();
}

bool TfrmPreferences::Execute() {
    LoadTextFields();
    UpdateSchemeCombo();
    if (collbxColourType->ItemIndex() < 0)
        collbxColourType->SetItemIndex(0);
    ShowRoleMarks(collbxColourType->ItemIndex());
    if (services().ExecModal(*this) != mrOk)
        return false;
    StoreValues();
    return true;
}

// --- The preview and the roles

void TfrmPreferences::BuildPreview() {
    FPreview->ClearGrid();
    const TWordGameColourPreferences& colours = *GetGameProperties()->ColourPreferences();
    FPreview->FillAllCells(QString(), colours.Background(crRandomLetter),
                           colours.Foreground(crRandomLetter), -1, wgcsBlank, false, true);
    for (size_t i = 0; i < SampleWords.size(); ++i) {
        const TSampleWord& sample = SampleWords[i];
        FSampleWords[i] =
            FPreview->PlaceWord(sample.Column, sample.Row, sample.Direction, sample.Word, false);
    }
}

TGlyphtroveEditor* TfrmPreferences::FillPreviewUnusedCells() {
    FPreview->FillRandomLetters();
    return FPreview;
}

TGlyphtroveEditor* TfrmPreferences::ClearPreviewUnusedCells() {
    FPreview->ClearRandomLetters();
    return FPreview;
}

void TfrmPreferences::LoadColourTypes() {
    const TWordGameColourPreferences& colours = *GetGameProperties()->ColourPreferences();
    for (int r = 0; r < TColourPreference::Count; ++r) {
        TColourType& entry = FColourPreference.Items(r);
        entry.Role = uint8_t(r);
        entry.ForegroundIndex = PaletteIndexOf(colours.Foreground(ColourSetRole(r)));
        entry.BackgroundIndex = PaletteIndexOf(colours.Background(ColourSetRole(r)));
    }
    RefreshPreview();
}

// A side whose index is not in the palette keeps its colour.
void TfrmPreferences::ApplyColourType(const TColourType& Entry) {
    TWordGameColourPreferences& colours = *GetGameProperties()->ColourPreferences();
    const TWordGameColourRole role = ColourSetRole(Entry.Role);
    if (IsPaletteIndex(Entry.ForegroundIndex))
        colours.SetForeground(role, StandardColourTable[size_t(Entry.ForegroundIndex)]);
    if (IsPaletteIndex(Entry.BackgroundIndex))
        colours.SetBackground(role, StandardColourTable[size_t(Entry.BackgroundIndex)]);
}

void TfrmPreferences::RefreshPreview() {
    const TWordGameColourPreferences& colours = *GetGameProperties()->ColourPreferences();
    FPreview->RecolourAllCells();
    for (size_t i = 0; i < SampleWords.size(); ++i) {
        if (FSampleWords[i] < 0)
            continue;
        const TWordGameColourRole role = SampleWords[i].PaintedIn;
        FPreview->PaintWordColours(FSampleWords[i], colours.Foreground(role),
                                   colours.Background(role));
    }
}

void TfrmPreferences::ShowRoleMarks(int Role) {
    if (Role < 0 || Role >= TColourPreference::Count)
        return;
    const TColourType& entry = FColourPreference.Items(Role);
    ShowPanelMarks(entry.ForegroundIndex, entry.BackgroundIndex);
}

void TfrmPreferences::ShowPanelMarks(int Foreground, int Background) {
    for (const int marked : {FMarkedForeground, FMarkedBackground})
        if (IsPaletteIndex(marked))
            Panel(marked)->clear();
    FMarkedForeground = Foreground;
    FMarkedBackground = Background;
    if (IsPaletteIndex(Foreground))
        Panel(Foreground)->setText("FG");
    if (IsPaletteIndex(Background))
        Panel(Background)->setText("BG");
}

void TfrmPreferences::SelectColour(int Index, TMouseButton Button, TShiftState Shift) {
    const int role = collbxColourType->ItemIndex();
    if (role < 0 || Button == mbMiddle)
        return;
    const bool ctrl = Shift & ssCtrl;
    const bool foreground = (Button == mbLeft) != ctrl;
    TColourType& entry = FColourPreference.Items(role);
    (foreground ? entry.ForegroundIndex : entry.BackgroundIndex) = Index;
    ApplyColourType(entry);
    ShowPanelMarks(entry.ForegroundIndex, entry.BackgroundIndex);
    RefreshPreview();
    UpdateSchemeCombo();
}

void TfrmPreferences::collbxColourTypeClick() {
    const int role = collbxColourType->ItemIndex();
    if (role == RandomLetterRole)
        FPreview->FillRandomLetters();
    else if (role == BlankCellRole)
        FPreview->ClearRandomLetters();
    ShowRoleMarks(role);
}

// --- Colour schemes

void TfrmPreferences::FillSchemeCombo() {
    cbxPresets->clear();
    QStringList names;
    FPresets->GetNames(names);
    names.removeAll(DefaultScheme);
    std::stable_sort(names.begin(), names.end(),
                     [](const QString& a, const QString& b) { return AnsiCompareText(a, b) < 0; });
    const bool hasDefault = FPresets->IndexOfScheme(DefaultScheme) >= 0;
    names.prepend(hasDefault ? DefaultScheme : MissingDefaultLine);
    cbxPresets->addItems(names);
    if (!hasDefault)
        ErrorMessage("Default colour scheme is missing");
}

int TfrmPreferences::FindMatchingScheme() const {
    for (int i = 0; i < FPresets->Count(); ++i) {
        const TWordGameColourPreferences& scheme = *FPresets->GetScheme(i);
        bool same = true;
        for (int r = 0; r < TColourPreference::Count && same; ++r) {
            const TColourType& entry = FColourPreference.Items(r);
            same = int(scheme.Foreground(ColourSetRole(r))) == entry.ForegroundIndex &&
                   int(scheme.Background(ColourSetRole(r))) == entry.BackgroundIndex;
        }
        if (same)
            return i;
    }
    return -1;
}

void TfrmPreferences::UpdateSchemeCombo() {
    const int match = FindMatchingScheme();
    int line = -1;
    if (match >= 0)
        line = cbxPresets->findText(FPresets->GetSchemeName(match), Qt::MatchFixedString);
    cbxPresets->setCurrentIndex(line);
    const bool chosen = cbxPresets->currentIndex() > 0;
    actColourDelete->setEnabled(chosen);
    actColourRename->setEnabled(chosen);
    actColoursRevert->setEnabled(FPresets->Modified());
    actColourStore->setEnabled(true);
}

void TfrmPreferences::cbxPresetsChange() {
    ApplyScheme(cbxPresets->currentText());
}

void TfrmPreferences::ApplyScheme(const QString& Name) {
    const int i = FPresets->IndexOfScheme(Name);
    if (i < 0)
        throw Exception::CreateFmt("Scheme \"%s\" not found", Name);
    const TWordGameColourPreferences& scheme = *FPresets->GetScheme(i);
    for (int r = 0; r < TColourPreference::Count; ++r) {
        TColourType& entry = FColourPreference.Items(r);
        entry.ForegroundIndex = int(scheme.Foreground(ColourSetRole(r)));
        entry.BackgroundIndex = int(scheme.Background(ColourSetRole(r)));
        ApplyColourType(entry);
    }
    RefreshPreview();
    FPreview->update();
    UpdateSchemeCombo();
}

int TfrmPreferences::SelectDefaultScheme() {
    const int i = FPresets->IndexOfScheme(DefaultScheme);
    const QString name = i >= 0 ? DefaultScheme : FPresets->GetSchemeName(0);
    cbxPresets->setCurrentIndex(cbxPresets->findText(name, Qt::MatchFixedString));
    ApplyScheme(name);
    return i;
}

// A side outside the palette is stored as the "Default" scheme's index,
// which is what such a side reads as anyway.
void TfrmPreferences::StoreScheme(const QString& Name) {
    TSchemeIndexes indexes{};
    for (size_t i = 0; i < AddSchemeRoleOrder.size(); ++i) {
        const TWordGameColourRole role = AddSchemeRoleOrder[i];
        const TColourType& entry = FColourPreference.Items(RoleEntryOf(role));
        const TPresetIndexPair& fallback = DefaultPresetIndexes[size_t(role)];
        indexes[2 * i] =
            IsPaletteIndex(entry.ForegroundIndex) ? entry.ForegroundIndex : fallback.Foreground;
        indexes[2 * i + 1] =
            IsPaletteIndex(entry.BackgroundIndex) ? entry.BackgroundIndex : fallback.Background;
    }
    FPresets->AddScheme(Name, indexes);
}

void TfrmPreferences::actColourStoreExecute() {
    TfrmColourSchemeName dialog(this);
    QStringList names;
    dialog.SetSchemeNames(FPresets->GetNames(names));
    QString name = cbxPresets->currentText();
    if (!dialog.Execute(name))
        return;
    FPresets->CheckNewSchemeName(name);
    StoreScheme(name);
    FillSchemeCombo();
    UpdateSchemeCombo();
}

void TfrmPreferences::actColourDeleteExecute() {
    const QString text = cbxPresets->currentText();
    if (!ConfirmMessageFmt("Remove \"%s\" from the colour scheme?", text))
        return;
    const int i = FPresets->IndexOfScheme(text);
    if (i <= 0)
        return;
    FPresets->DeleteScheme(i);
    cbxPresets->removeItem(cbxPresets->findText(text, Qt::MatchFixedString));
    UpdateSchemeCombo();
}

void TfrmPreferences::actColourRenameExecute() {
    const QString old = cbxPresets->currentText();
    TfrmColourSchemeName dialog(this);
    QString name = old;
    if (!dialog.Execute(name))
        return;
    const int i = FPresets->IndexOfScheme(old);
    if (i <= 0)
        return;
    FPresets->CheckNewSchemeName(name, i);
    FPresets->RenameScheme(i, name);
    FillSchemeCombo();
    UpdateSchemeCombo();
}

void TfrmPreferences::actColoursRevertExecute() {
    if (!FPresets->Modified() ||
        !ConfirmMessage("Reload all colour schemes? You will lose any recent changes!"))
        return;
    ReloadSchemes();
    FillSchemeCombo();
    UpdateSchemeCombo();
}

// Without a schemes file (none saved yet) the store would be left empty, and
// saved so; it takes the built-in schemes instead, as it does when created.
void TfrmPreferences::ReloadSchemes() {
    const bool saved = QFileInfo::exists(FPresets->FileName());
    if (saved)
        FPresets->LoadFromFile();
    if (!saved || FPresets->Count() == 0)
        FPresets->LoadDefaults();
}

void TfrmPreferences::actColoursDefaultsExecute() {
    if (!ConfirmMessage("Clear all schemes and use default schemes?"))
        return;
    FPresets->LoadDefaults();
    FillSchemeCombo();
    UpdateSchemeCombo();
}

void TfrmPreferences::LoadColours(const TWordGameColourPreferences& Colours) {
    GetGameProperties()->ColourPreferences()->Assign(Colours);
    LoadColourTypes();
    RefreshPreview();
    UpdateSchemeCombo();
}

// --- Properties page

void TfrmPreferences::LoadTextFields() {
    const TWordGameProperties& properties = *GetGameProperties();
    const QString created = FormatStamp(properties.GetGameCreated());
    const QString modified = FormatStamp(properties.GetGameModified());
    coledTitle->setText(properties.GetGameTitle());
    coledDescription->setText(properties.GetGameDescription());
    coledAuthor->setText(properties.GetGameAuthor());
    txtVersion->setText(properties.GetGameVersion());
    txtCreated->setText(created);
    txtModified->setText(modified);
}

// The long date and the short time of the user's locale. A text that is not
// a stamp (a game file may hold any text) is shown as it is.
QString TfrmPreferences::FormatStamp(const QString& Stamp) {
    TDateTime moment = 0;
    try {
        moment = TWordGameProperties::StrToStamp(Stamp);
    } catch (const EConvertError&) {
        return Stamp;
    }
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, msec = 0;
    DecodeDate(moment, year, month, day);
    DecodeTime(moment, hour, minute, second, msec);
    const QLocale locale;
    return locale.toString(QDate(year, month, day), QLocale::LongFormat) + " " +
           locale.toString(QTime(hour, minute, second), QLocale::ShortFormat);
}

// --- Options page

void TfrmPreferences::SetOptionControls(bool AutoFinish, bool IncludeColourScheme, int Hints,
                                        uint8_t UnusedSpace, TDateTime CountDownTime,
                                        bool CountDown, bool UseTimer, bool GiveIn,
                                        bool RemoveUsedWords) {
    cbxAutoFinsh->setChecked(AutoFinish);
    cbxIncludeColourScheme->setChecked(IncludeColourScheme);
    cbxRemoveUsedWords->setChecked(RemoveUsedWords);
    cbxGiveIn->setChecked(GiveIn);
    cbxUseTimer->setChecked(UseTimer);
    cbxCountDown->setChecked(CountDown);
    dtpTime->setTime(TimeOfDay(CountDownTime));
    rgpUnusedSpaces->SetItemIndex(UnusedSpace);
    chkUseHints->setChecked(Hints > 0);
    edHintsAllowed->setText(QString::number(Hints));
    ApplyTimerRule();
}

void TfrmPreferences::LoadOptions(const TWordGameProperties& Properties) {
    const TDateTime duration = Properties.GetCountDownTimer();
    SetOptionControls(Properties.GetAutoFinish(), Properties.GetIncludeColourScheme(),
                      Properties.GetHints(), Properties.GetUnusedSpace(), duration,
                      DateTimeToMSecs(duration) != 0, Properties.GetUseTimer(),
                      Properties.GetCanGiveIn(), Properties.GetRemoveUsedWords());
}

void TfrmPreferences::ApplyTimerRule() {
    cbxCountDown->setEnabled(cbxUseTimer->isChecked());
    dtpTime->setEnabled(cbxUseTimer->isChecked() && cbxCountDown->isChecked());
}

// The box holds no fewer than 0 hints, though a game file may give a
// negative count.
int TfrmPreferences::HintsValue() const {
    int value = 0;
    return TryStrToInt(edHintsAllowed->text(), value) ? std::max(value, 0) : DefaultHints;
}

// Up stops at the most that can be typed; down only at 0. Taken in a wider
// type: a game file may give the largest int.
void TfrmPreferences::StepHints(int Step) {
    int value = 0;
    if (TryStrToInt(edHintsAllowed->text(), value)) {
        const int64_t most = Step > 0 ? MaxHints : std::numeric_limits<int>::max();
        value = int(std::clamp<int64_t>(int64_t(value) + Step, 0, most));
    } else {
        value = DefaultHints;
    }
    edHintsAllowed->setText(QString::number(value));
}

void TfrmPreferences::btnHintDownClick() {
    StepHints(-1);
}

void TfrmPreferences::btnHintUpClick() {
    StepHints(1);
}

void TfrmPreferences::edHintsAllowedKeyPress(QChar& Key) {
    if (Key == QChar(8))
        return;
    // A typed digit replaces the selection.
    const qsizetype kept = edHintsAllowed->text().size() - edHintsAllowed->selectedText().size();
    if (!(Key >= '0' && Key <= '9') || kept >= HintsLength)
        Key = QChar(0);
}

void TfrmPreferences::StoreValues() {
    TWordGameProperties& properties = *GetGameProperties();
    properties.SetGameTitle(coledTitle->text());
    properties.SetGameDescription(coledDescription->text());
    properties.SetGameAuthor(coledAuthor->text());
    properties.SetAutoFinish(cbxAutoFinsh->isChecked());
    properties.SetIncludeColourScheme(cbxIncludeColourScheme->isChecked());
    properties.SetRemoveUsedWords(cbxRemoveUsedWords->isChecked());
    properties.SetUnusedSpace(uint8_t(rgpUnusedSpaces->ItemIndex()));
    properties.SetUseTimer(cbxUseTimer->isChecked());
    properties.SetCountDownTimer(
        cbxCountDown->isChecked() ? MSecsToDateTime(dtpTime->time().msecsSinceStartOfDay()) : 0);
    properties.SetHints(chkUseHints->isChecked() ? HintsValue() : 0);
    properties.SetCanGiveIn(cbxGiveIn->isChecked());
}

// --- Events

bool TfrmPreferences::eventFilter(QObject* watched, QEvent* event) {
    bool consumed = false;
    Guarded([&] {
        if (watched == edHintsAllowed) {
            consumed =
                ApplyKeyRule(*watched, *event, [this](QChar& Key) { edHintsAllowedKeyPress(Key); });
            return;
        }
        const auto panel = std::find(FPanels.begin(), FPanels.end(), watched);
        if (panel == FPanels.end() || event->type() != QEvent::MouseButtonPress)
            return;
        const auto& press = static_cast<const QMouseEvent&>(*event);
        if (HasMouseButton(press.button()))
            SelectColour(int(panel - FPanels.begin()), MouseButtonOf(press.button()),
                         ShiftStateOf(press));
    });
    return consumed || TDialogForm::eventFilter(watched, event);
}

void TfrmPreferences::pgcPreferencesChange(int Page) {
    static const char* const hints[] = {PropertiesPageHint, ColoursPageHint, OptionsPageHint};
    if (OnPreferenceHint && Page >= 0 && Page < 3)
        OnPreferenceHint(this, hints[Page]);
}
