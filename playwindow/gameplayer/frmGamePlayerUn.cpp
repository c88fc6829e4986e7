#include "playwindow/gameplayer/frmGamePlayerUn.h"

#include "engine/genlib/DrawTextUn.h"
#include "engine/genlib/GenLibUn.h"
#include "engine/genlib/IntegerListUn.h"
#include "engine/properties/ColourPresetPropertiesUn.h"
#include "platform/FormKit.h"
#include "platform/Guard.h"
#include "platform/Rounding.h"
#include "playwindow/about/frmAboutUn.h"
#include "playwindow/controls/StaticListBoxUn.h"
#include "playwindow/controls/TitleBlockUn.h"
#include "playwindow/gameplayer/PlayHelpTextsUn.h"
#include "playwindow/gameplayer/PlayPicturesUn.h"
#include "playwindow/options/frmPlayOptionsUn.h"
#include "playwindow/printpreview/frmHTMLPrintPreviewUn.h"

#include <QAction>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString NoGameTitle = QStringLiteral("<no game loaded>");
constexpr int HelpContentsContext = 2;
constexpr int PlayerHelpContext = 19;
constexpr int GridMargin = 8;
constexpr int EmptyBoardSide = 15;
constexpr int RightPanelWidth = 180;
constexpr int TimerBoxPadding = 2;

// The time of day of a clock value as "hh:nn:ss" (none below zero).
QString ClockText(TDateTime Time) {
    const int64_t seconds = std::max<int64_t>(DateTimeToMSecs(Time), 0) / 1000 % 86400;
    return QString::asprintf("%02d:%02d:%02d", int(seconds / 3600), int(seconds / 60 % 60),
                             int(seconds % 60));
}

QFont ArialFont(int points) {
    return FormFont(QStringLiteral("Arial"), points);
}

void SunkenLabelFrame(QLabel* label) {
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

} // namespace

TfrmGamePlayer::TfrmGamePlayer(QWidget* parent)
    : QMainWindow(parent), FHelpIds(std::make_unique<TIntegerList>()) {
    AddPlayPictures(FImages);
    CreateControls();
    CreateActions();
    CreateMenus();
    CreateToolBar();
    FormCreate();
}

TfrmGamePlayer::~TfrmGamePlayer() {
    // The control goes first, so none of its events reaches a window whose
    // members are going.
    delete FPlayer;
    FPlayer = nullptr;
}

TPlayerOptions& TfrmGamePlayer::Options() const {
    return FOptionsDialog->Options();
}

// --- The form

void TfrmGamePlayer::CreateControls() {
    setWindowTitle(QStringLiteral("Glyphtrove Puzzle Player"));
    setFont(ArialFont(8));
    resize(583, 514);

    QVBoxLayout* column = nullptr;
    QWidget* client = NewColumn(this, column);
    column->addWidget(CreateToolbarPanel());

    tbPuzzleTitle = new TTitleBlock(client);
    tbPuzzleTitle->setFixedHeight(32);
    tbPuzzleTitle->SetCaption(QStringLiteral("Puzzle Title"));
    tbPuzzleTitle->SetAlignment(taCenter);
    tbPuzzleTitle->SetFont(TitleFont(12, true));
    tbPuzzleTitle->SetBorderWidth(3);
    tbPuzzleTitle->SetBorderColour(clBtnShadow);
    tbPuzzleTitle->SetColour(clHighlight);
    tbPuzzleTitle->SetImages(&FImages);
    tbPuzzleTitle->SetImageIndex(ppPuzzleTitle);
    tbPuzzleTitle->SetLayout(ilLeft);
    column->addWidget(tbPuzzleTitle);

    Splitter2 = new QSplitter(Qt::Horizontal, client);
    Splitter2->setHandleWidth(3);
    Splitter2->setOpaqueResize(false);
    Splitter2->setChildrenCollapsible(false);
    CreateGamePanel();
    Splitter2->addWidget(pnlGame);
    Splitter2->addWidget(CreateRightPanel());
    Splitter2->setStretchFactor(0, 1);
    Splitter2->setStretchFactor(1, 0);
    connect(Splitter2, &QSplitter::splitterMoved, this, [this] { Guarded([&] { ResizeGrid(); }); });
    column->addWidget(Splitter2, 1);
    setCentralWidget(client);

    CreateStatusBar();
}

QWidget* TfrmGamePlayer::CreateToolbarPanel() {
    pnlToolbar = new QWidget(this);
    pnlToolbar->setFixedHeight(25);
    auto* row = new QHBoxLayout(pnlToolbar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    tbMain = new QToolBar(pnlToolbar);
    tbMain->setFixedWidth(360);
    tbMain->setIconSize(QSize(16, 16));
    tbMain->setToolButtonStyle(Qt::ToolButtonIconOnly);
    tbMain->setMovable(false);
    tbMain->setFloatable(false);
    row->addWidget(tbMain);
    row->addStretch(1);

    pnlTimer = new QWidget(pnlToolbar);
    pnlTimer->setFixedWidth(120);
    pnlTimer->setMinimumWidth(116);
    pnlTimer->setMouseTracking(true);
    auto* timerRow = new QHBoxLayout(pnlTimer);
    timerRow->setContentsMargins(0, 2, 2, 2);
    timerRow->setSpacing(2);
    lblTime = new QLabel(QStringLiteral("Elapsed time"), pnlTimer);
    lblTime->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The caption gives way, never the clock: the two together would ask
    // for more than the panel has and push the clock's box past its edge.
    lblTime->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    txtTimer = new QLabel(QStringLiteral("00:00:00"), pnlTimer);
    SunkenLabelFrame(txtTimer);
    txtTimer->setAlignment(Qt::AlignCenter);
    txtTimer->setFixedWidth(txtTimer->fontMetrics().horizontalAdvance(txtTimer->text()) +
                            2 * txtTimer->frameWidth() + 2 * TimerBoxPadding);
    for (QLabel* label : {lblTime, txtTimer}) {
        label->setMouseTracking(true);
        label->installEventFilter(this);
    }
    timerRow->addWidget(lblTime, 1);
    timerRow->addWidget(txtTimer);
    pnlTimer->installEventFilter(this);
    pnlTimer->hide();
    row->addWidget(pnlTimer);
    return pnlToolbar;
}

QWidget* TfrmGamePlayer::CreateRightPanel() {
    QVBoxLayout* column = nullptr;
    pnlRight = NewColumn(this, column);

    Splitter1 = new QSplitter(Qt::Vertical, pnlRight);
    Splitter1->setHandleWidth(3);
    Splitter1->setChildrenCollapsible(false);
    column->addWidget(Splitter1);

    QVBoxLayout* words = nullptr;
    pnlWords = NewColumn(Splitter1, words);
    tbWordList = new TTitleBlock(pnlWords);
    tbWordList->setFixedHeight(28);
    tbWordList->SetCaption(QStringLiteral("Word List"));
    tbWordList->SetFont(TitleFont(10, true));
    tbWordList->SetImages(&FImages);
    tbWordList->SetImageIndex(ppWordList);
    tbWordList->SetLayout(ilRight);
    words->addWidget(tbWordList);
    lbxWords = new TStaticListBox(pnlWords);
    lbxWords->setMinimumWidth(100);
    lbxWords->SetColor(clBtnFace);
    lbxWords->SetFont(TitleFont(9, true));
    lbxWords->SetMultiSelect(true);
    lbxWords->SetExtendedSelect(false);
    lbxWords->SetSorted(true);
    lbxWords->SetStyle(lbOwnerDrawVariable);
    lbxWords->OnDrawItem = [this](TCustomListBox*, int index, const TRect& rect, TOwnerDrawState) {
        lbxWordsDrawItem(index, rect);
    };
    lbxWords->OnMeasureItem = [this](TCustomListBox*, int index, int& height) {
        lbxWordsMeasureItem(index, height);
    };
    lbxWords->setMouseTracking(true);
    lbxWords->viewport()->setMouseTracking(true);
    lbxWords->viewport()->installEventFilter(this);
    words->addWidget(lbxWords, 1);
    Splitter1->addWidget(pnlWords);

    QVBoxLayout* help = nullptr;
    pnlHelp = NewColumn(Splitter1, help);
    tbHelp = new TTitleBlock(pnlHelp);
    tbHelp->SetCaption(QStringLiteral("Interactive Help"));
    tbHelp->SetFont(TitleFont(8, false));
    tbHelp->SetImages(&FImages);
    tbHelp->SetImageIndex(ppInteractiveHelp);
    tbHelp->SetLayout(ilRight);
    tbHelp->installEventFilter(this);
    help->addWidget(tbHelp);
    memHelp = new QPlainTextEdit(pnlHelp);
    memHelp->setReadOnly(true);
    memHelp->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette memoColours = memHelp->palette();
    memoColours.setColor(QPalette::Base, ToQColor(clBtnFace));
    memHelp->setPalette(memoColours);
    help->addWidget(memHelp, 1);
    Splitter1->addWidget(pnlHelp);
    Splitter1->setStretchFactor(0, 1);
    Splitter1->setStretchFactor(1, 0);
    Splitter1->setSizes({514 - 167, 167});
    return pnlRight;
}

void TfrmGamePlayer::CreateGamePanel() {
    pnlGame = new QFrame(this);
    pnlGame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlGame->setMinimumSize(244, 244);
    auto* fill = new QVBoxLayout(pnlGame);
    fill->setContentsMargins(0, 0, 0, 0);
    pnlPause = new QLabel(QStringLiteral("Game Paused"), pnlGame);
    pnlPause->setAlignment(Qt::AlignCenter);
    pnlPause->setFont(ArialFont(14));
    pnlPause->setAutoFillBackground(true);
    pnlPause->hide();
    fill->addWidget(pnlPause);
}

void TfrmGamePlayer::CreateStatusBar() {
    sbrInfo = NewPanelStatusBar(this);
    struct PanelLayout {
        int Width;
        Qt::Alignment Alignment;
        bool Bevel;
        const char* Text;
    };
    static const PanelLayout panels[6] = {
        {30, Qt::AlignRight, false, "Total"},
        {50, Qt::AlignLeft, true, ""},
        {40, Qt::AlignRight, false, "Found"},
        {50, Qt::AlignLeft, true, ""},
        {100, Qt::AlignHCenter, true, "100% Completed"},
        {50, Qt::AlignLeft, true, ""},
    };
    for (size_t i = 0; i < FStatusPanels.size(); ++i) {
        auto* panel = new QLabel(QString::fromLatin1(panels[i].Text), sbrInfo);
        panel->setFixedWidth(panels[i].Width);
        panel->setAlignment(panels[i].Alignment | Qt::AlignVCenter);
        if (panels[i].Bevel)
            SunkenLabelFrame(panel);
        sbrInfo->addWidget(panel);
        FStatusPanels[i] = panel;
    }
}

QAction* TfrmGamePlayer::NewAction(const QString& caption, const QString& hint, int imageIndex,
                                   void (TfrmGamePlayer::*handler)()) {
    return NewFormAction(this, FImages, caption, hint, imageIndex,
                         [this, handler] { (this->*handler)(); });
}

void TfrmGamePlayer::CreateActions() {
    using Self = TfrmGamePlayer;
    actOpen = NewAction("&Open...", "open a Glyphtrove game file", ppOpen, &Self::actOpenExecute);
    actOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    actClose = NewAction("Give Up && &Close", "close the game", ppClose, &Self::actCloseExecute);
    actClose->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    actShowHint = NewAction("&Show Hint...", "show hint where a word is located", ppShowHint,
                            &Self::actShowHintExecute);
    actRestartPuzzle = NewAction("&Restart Puzzle", "restart the puzzle", ppRestartPuzzle,
                                 &Self::actRestartPuzzleExecute);
    actShowOptions =
        NewAction("&Options...", "show options", ppShowOptions, &Self::actShowOptionsExecute);
    actHideFoundWords = NewAction("&Hide Found Words", "hide found words in the grid",
                                  ppHideFoundWords, &Self::actHideFoundWordsExecute);
    actHideFoundWords->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    actShowFoundWords = NewAction("&Show Found Words", "show found words in the grid",
                                  ppShowFoundWords, &Self::actShowFoundWordsExecute);
    actShowFoundWords->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    actShowFoundWords->setVisible(false);
    actPrint = NewAction("&Print...", "print the puzzle", ppPrint, &Self::actPrintExecute);
    actPrint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    actUseTimer = NewAction("Use &Timer", "time the game", ppUseTimer, &Self::actUseTimerExecute);
    actUseTimer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    actUseTimer->setCheckable(true);
    actAbout = NewAction("&About...", "show information about this application", ppAbout,
                         &Self::actAboutExecute);
    actGiveUp = NewAction("&Give Up", "give up the puzzle and show all the words", ppGiveUp,
                          &Self::actGiveUpExecute);
    actPause =
        NewAction("&Pause Game", "pause the game and the timer", ppPause, &Self::actPauseExecute);
    actContinue = NewAction("&Continue Game", "continue the game with the timer", ppContinue,
                            &Self::actContinueExecute);
    actFullscreen =
        NewAction("Full Screen", "use full screen", ppFullscreen, &Self::actFullscreenExecute);
    actFullscreen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    actNormalScreen = NewAction("Normal Window", "return from full screen", ppNormalScreen,
                                &Self::actNormalScreenExecute);
    actNormalScreen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    actHelpContents = NewAction("Show Contents...", "show the help contents", ppHelpContents,
                                &Self::actHelpContentsExecute);
    actShowHelp = NewAction("Show Interactive Help", "display the interactive help system",
                            ppShowHelp, &Self::actShowHelpExecute);
    actShowHelp->setVisible(false);
    actHideHelp = NewAction("Hide Interactive Help", "hide the interactive help system", ppHideHelp,
                            &Self::actHideHelpExecute);
    actHelpPlayer = NewAction("Player Help...", "show help on how to use the player", ppHelpPlayer,
                              &Self::actHelpPlayerExecute);
}

void TfrmGamePlayer::CreateMenus() {
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->addActions({actOpen, actPrint, actClose});
    mnuGame = menuBar()->addMenu(QStringLiteral("&Game"));
    mnuGame->addActions({actGiveUp, actRestartPuzzle});
    mnuGame->addSeparator();
    mnuGame->addActions({actPause, actContinue});
    mnuGame->addSeparator();
    mnuGame->addActions(
        {actUseTimer, actHideFoundWords, actShowFoundWords, actFullscreen, actNormalScreen});
    mnuGame->addSeparator();
    mnuGame->addAction(actShowHint);
    mnuGame->addSeparator();
    mnuGame->addAction(actShowOptions);
    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->addActions({actHelpContents, actHelpPlayer});
    mnuHelp->addSeparator();
    mnuHelp->addActions({actShowHelp, actHideHelp});
    mnuHelp->addSeparator();
    mnuHelp->addAction(actAbout);
}

void TfrmGamePlayer::CreateToolBar() {
    tbMain->addActions({actOpen, actPrint, actClose});
    tbMain->addSeparator();
    tbMain->addActions({actRestartPuzzle, actGiveUp});
    tbMain->addSeparator();
    tbMain->addActions(
        {actUseTimer, actShowHint, actHideFoundWords, actShowFoundWords, actPause, actContinue});
    tlbUseTimer = qobject_cast<QToolButton*>(tbMain->widgetForAction(actUseTimer));
    tbMain->addSeparator();
    tbMain->addAction(actShowOptions);
    tbnTimer = tbMain->addSeparator();
    tbnTimer->setVisible(false);
    tbMain->addActions({actFullscreen, actNormalScreen});
}

void TfrmGamePlayer::FormCreate() {
    FPlayer = new TGlyphtrovePlayer(pnlGame);
    FPlayer->setGeometry(GridMargin, GridMargin, pnlGame->width() - 2 * GridMargin,
                         pnlGame->height() - 2 * GridMargin);
    FPlayer->SetBorderStyle(bsNone);
    FPlayer->SetDrawCellIn3D(false);
    FPlayer->SetGridLineWidth(0);
    FPlayer->SetGridSize(EmptyBoardSide, EmptyBoardSide);
    BindPlayerEvents();

    FOptionsDialog = std::make_unique<TfrmPlayerOptions>(this);
    FColourPresets = std::make_unique<TGlyphtroveGameColourPresetProperties>();
    FOptionsDialog->SetColourSchemes(FColourPresets.get());

    FGameLoaded = false;
    FFlashTimer = services().CreateTimer();
    FFlashTimer->SetEnabled(false);
    FFlashTimer->SetInterval(500);
    FFlashTimer->OnTimer = [this] { Guarded([&] { FlashTimerTick(); }); };
    tmrHelpDelay = services().CreateTimer();
    tmrHelpDelay->SetEnabled(false);
    tmrHelpDelay->SetInterval(3000);
    tmrHelpDelay->OnTimer = [this] { Guarded([&] { tmrHelpDelayTimer(); }); };
    FHelpShown = -1;
    SetHelp(hiWelcome, HelpText(hiWelcome));
    EnableGameActions(false);
}

void TfrmGamePlayer::BindPlayerEvents() {
    FPlayer->OnWordAdded = [this](TObject*, const QString& word) { PlayerWordAdded(word); };
    FPlayer->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) {
        PlayerMouseDown();
    };
    FPlayer->OnMouseMove = [this](TObject*, TShiftState, int, int) { PlayerMouseMove(); };
    FPlayer->OnWordFound = [this](TObject*, const QString& word) { PlayerWordFound(word); };
    FPlayer->OnWordNotFound = [this](TObject*, const QString& text) { PlayerWordNotFound(text); };
    FPlayer->OnTimer = [this](TObject*, TDateTime time) { PlayerTimer(time); };
    FPlayer->OnGameStarted = [this](TObject*) { PlayerGameStarted(); };
    FPlayer->OnGameStateChange = [this](TObject*, TWordGameStateType state) {
        PlayerGameStateChange(state);
    };
    FPlayer->OnResize = [this](TObject*) { FitSidePanel(); };
}

// --- Playing

bool TfrmGamePlayer::PlayGame(const QString& fileName) {
    Options().Load();
    ApplyLayoutOptions();
    FLastGamePath = FPlayer->GetPuzzleFolder() + '/';
    if (!fileName.isEmpty()) {
        // A file that cannot be played is reported here, once, and the
        // window stays as it was.
        bool opened = false;
        Guarded([&] {
            OpenGame(fileName);
            opened = true;
        });
        if (!opened)
            return FGameLoaded;
    } else if (!FGameLoaded)
        actOpen->trigger();
    SetScreenModeFromOptions();
    if (FGameLoaded)
        ShowInFront();
    else
        ShowCallerForm();
    return FGameLoaded;
}

// A window shown already may lie behind the one that asked for the game.
void TfrmGamePlayer::ShowInFront() {
    show();
    raise();
    activateWindow();
}

void TfrmGamePlayer::actOpenExecute() {
    TFileDialogOptions dialog;
    dialog.DefaultExt = QStringLiteral("gtg");
    dialog.Filter = Format("Game File (*.%s)|*.%s|All Files (*.*)|*.*", "gtg", "gtg");
    dialog.FilterIndex = 1;
    const int split = FLastGamePath.lastIndexOf('/') + 1;
    dialog.InitialDir = FLastGamePath.left(split);
    dialog.FileName = FLastGamePath.mid(split);
    if (services().OpenFileDialog(this, dialog))
        OpenGame(dialog.FileName);
}

void TfrmGamePlayer::OpenGame(const QString& fileName) {
    FLastGamePath = fileName;
    lbxWords->Items().Clear();
    try {
        FPlayer->LoadFromFile(fileName);
    } catch (...) {
        // Nothing of a half-read game stays: the error box shows over the
        // empty board.
        ShowNoGame();
        throw;
    }
    ApplyColourScheme();
    UpdateTitle();
    UpdateStatusBar();
    ResetHints();
    ApplyTimerOption(true);
    FGameLoaded = true;
}

// The empty board, list, title and status of no game, its actions disabled.
// A later Play asks for a file rather than showing the empty board.
void TfrmGamePlayer::ShowNoGame() {
    FGameLoaded = false;
    EndFlash();
    FPlayer->GamePreferences()->Reset();
    FPlayer->SetGridSize(EmptyBoardSide, EmptyBoardSide);
    FPlayer->NewGame(NoGameTitle, QString());
    lbxWords->Items().Clear();
    FHintsLeft = 0;
    UpdateTitle();
    UpdateStatusBar();
    LeavePause();
    EnableGameActions(false);
}

void TfrmGamePlayer::UpdateStatusBar() {
    const int total = FPlayer->GetWordCount();
    const int found = total - FPlayer->FoundWords();
    StatusPanel(1)->setText(QString::number(total));
    StatusPanel(3)->setText(QString::number(found));
    StatusPanel(4)->setText(found <= 0
                                ? QStringLiteral("no words")
                                : Format("%d%% Completed", RoundHalfEven(100 * found, total)));
}

void TfrmGamePlayer::UpdateTitle() {
    const TWordGameProperties& properties = *FPlayer->GamePreferences();
    QString text = properties.GetGameTitle();
    if (!properties.GetGameDescription().isEmpty())
        text = Format("%s, %s", text, properties.GetGameDescription());
    if (!properties.GetGameAuthor().isEmpty())
        text = Format("%s by %s", text, properties.GetGameAuthor());
    tbPuzzleTitle->SetCaption(text);
    const TWordGameColourPreferences& colours = *properties.ColourPreferences();
    for (TTitleBlock* block : {tbPuzzleTitle, tbWordList, tbHelp}) {
        block->SetColour(colours.GetNewWordBackground());
        TFont font = block->Font();
        font.SetColor(colours.GetNewWordForeground());
        block->SetFont(font);
    }
}

void TfrmGamePlayer::ApplyColourScheme() {
    if (!Options().UseDefaultScheme() && Options().ColourScheme())
        FPlayer->ApplyColourScheme(*Options().ColourScheme(), true);
    const TWordGameColourPreferences& colours = *FPlayer->GamePreferences()->ColourPreferences();
    lbxWords->SetColor(colours.GetHighlightedBackground());
    TFont font = lbxWords->Font();
    font.SetColor(colours.GetHighlightedForeground());
    lbxWords->SetFont(font);
    lbxWords->viewport()->update();
}

void TfrmGamePlayer::ApplyLayoutOptions() {
    sbrInfo->setVisible(Options().ShowStatusbar());
    pnlToolbar->setVisible(Options().ShowToolbar());
    tbPuzzleTitle->setVisible(Options().ShowTitle());
    tbWordList->setVisible(Options().ShowWordList());
}

void TfrmGamePlayer::EnableGameActions(bool on) {
    actShowHint->setEnabled(on && FHintsLeft > 0);
    actHideFoundWords->setEnabled(on);
    actShowFoundWords->setEnabled(on);
    actUseTimer->setEnabled(on);
    actPause->setEnabled(on && FTimerInUse);
    actContinue->setEnabled(on && FTimerInUse);
    actGiveUp->setEnabled(on && FPlayer->GamePreferences()->GetCanGiveIn());
}

void TfrmGamePlayer::ShowTimerState() {
    if (FPaused)
        lblTime->setText(QStringLiteral("Paused at"));
    else if (FPlayer->CountDown())
        lblTime->setText(QStringLiteral("Time left"));
    else
        lblTime->setText(QStringLiteral("Elapsed time"));
    tbnTimer->setVisible(FTimerInUse);
    pnlTimer->setVisible(FTimerInUse);
    actPause->setVisible(FTimerInUse && !FPaused);
    actContinue->setVisible(FTimerInUse && FPaused);
}

// --- The timer setting

void TfrmGamePlayer::ApplyTimerOption(bool force) {
    const bool previous = FTimerWanted;
    switch (Options().Timer()) {
    case toAlwaysOn:
        FTimerWanted = true;
        break;
    case toAlwaysOff:
        FTimerWanted = false;
        break;
    default:
        FTimerWanted = FPlayer->GamePreferences()->GetUseTimer();
        break;
    }
    if ((force || FTimerWanted != previous) && ConfirmTimerRestart(FTimerWanted)) {
        FTimerInUse = FTimerWanted;
        ApplyTimer();
    }
    actUseTimer->setChecked(FTimerInUse);
    ShowTimerState();
}

bool TfrmGamePlayer::ConfirmTimerRestart(bool turningOn) {
    if (!FPlayer->IsGameUnderway())
        return true;
    if (turningOn) {
        ShowHelpNow(hiTimerOnQuestion);
        return ConfirmMessage(sTimerOnQuestion);
    }
    ShowHelpNow(hiTimerOffQuestion);
    return ConfirmMessage(sTimerOffQuestion);
}

void TfrmGamePlayer::ApplyTimer() {
    tlbUseTimer->setChecked(FTimerInUse);
    FPlayer->SetTimed(FTimerInUse);
    FPlayer->RestartGame();
}

void TfrmGamePlayer::actUseTimerExecute() {
    // The button toggles its check itself; the game decides it.
    actUseTimer->setChecked(FTimerInUse);
    if (!ConfirmTimerRestart(!FTimerInUse))
        return;
    FTimerInUse = !FTimerInUse;
    actUseTimer->setChecked(FTimerInUse);
    ShowHelpNow(FTimerInUse ? hiTimerOn : hiTimerOff);
    ApplyTimer();
}

// --- Game actions

void TfrmGamePlayer::actRestartPuzzleExecute() {
    ShowHelpNow(hiRestartPuzzle);
    if (!ConfirmMessage(QStringLiteral("Restart the puzzle?")))
        return;
    FPlayer->RestartGame();
    ResetHints();
    ApplyTimerOption(false);
}

void TfrmGamePlayer::actShowOptionsExecute() {
    ShowHelpNow(hiOptions);
    if (!FOptionsDialog->Execute())
        return;
    ApplyColourScheme();
    UpdateTitle();
    SetScreenModeFromOptions();
    ApplyLayoutOptions();
    ApplyTimerOption(false);
}

void TfrmGamePlayer::actGiveUpExecute() {
    bool consent = true;
    if (FPlayer->IsGameUnderway()) {
        ShowHelpNow(hiGiveUpQuestion);
        consent = ConfirmMessage(QStringLiteral("Give up the game now?"));
    }
    if (!consent)
        return;
    FPlayer->GiveUp(true);
    EnableGameActions(false);
    ShowHelpNow(hiGivenUp);
}

void TfrmGamePlayer::actCloseExecute() {
    bool consent = true;
    if (FPlayer->IsGameUnderway()) {
        ShowHelpNow(hiCloseQuestion);
        consent = ConfirmMessage(QStringLiteral("Give up the game now?"));
    }
    if (!consent)
        return;
    ClearHelpQueue();
    FPlayer->GiveUp(false);
    ShowNoGame();
    close();
}

void TfrmGamePlayer::actHideFoundWordsExecute() {
    FPlayer->SetHideFoundWords(true);
    actHideFoundWords->setVisible(false);
    actShowFoundWords->setVisible(true);
    ShowHelpNow(hiHideFoundWords);
}

void TfrmGamePlayer::actShowFoundWordsExecute() {
    FPlayer->SetHideFoundWords(false);
    actShowFoundWords->setVisible(false);
    actHideFoundWords->setVisible(true);
    ShowHelpNow(hiShowFoundWords);
}

void TfrmGamePlayer::actPauseExecute() {
    actPause->setVisible(false);
    actContinue->setVisible(true);
    FPlayer->hide();
    pnlPause->show();
    EnableGameActions(false);
    actContinue->setEnabled(true);
    FPlayer->PauseGame();
    FPaused = true;
    ShowTimerState();
    ShowHelpNow(hiPaused);
}

void TfrmGamePlayer::actContinueExecute() {
    actPause->setVisible(true);
    actContinue->setVisible(false);
    pnlPause->hide();
    EnableGameActions(true);
    FPlayer->show();
    FPlayer->ContinueGame();
    FPaused = false;
    ShowTimerState();
    ShowHelpNow(hiContinued);
}

void TfrmGamePlayer::actFullscreenExecute() {
    SetScreenMode(smFull);
}

void TfrmGamePlayer::actNormalScreenExecute() {
    SetScreenMode(smNormal);
}

void TfrmGamePlayer::SetScreenModeFromOptions() {
    SetScreenMode(Options().MaximiseWindow() ? smFull : smNormal);
}

void TfrmGamePlayer::SetScreenMode(TScreenMode mode) {
    if (mode == smNormal) {
        if (windowFlags() & Qt::FramelessWindowHint) {
            setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
            SetFrameless(false);
            RestoreNormalPlace();
        }
        actFullscreen->setVisible(true);
        actNormalScreen->setVisible(false);
        FitSidePanel();
        ShowHelpNow(hiNormalWindow);
        return;
    }
    if (!(windowFlags() & Qt::FramelessWindowHint))
        RememberNormalPlace();
    SetFrameless(true);
    setWindowState(windowState() | Qt::WindowMaximized);
    actFullscreen->setVisible(false);
    actNormalScreen->setVisible(true);
    ShowHelpNow(hiFullScreen);
}

// A window not shown yet has no place of its own: it keeps the one it gets.
void TfrmGamePlayer::RememberNormalPlace() {
    FNormalSize = size();
    FNormalPos = isVisible() ? std::optional<QPoint>(pos()) : std::nullopt;
    FNormalRightWidth = pnlRight->width();
}

// The re-created frame would otherwise start where the full screen was, and
// the side panel would keep the width it took there, squeezing the grid.
void TfrmGamePlayer::RestoreNormalPlace() {
    resize(FNormalSize);
    if (FNormalPos)
        move(*FNormalPos);
    if (FShownBefore && FNormalRightWidth > 0) {
        SetRightPanelWidth(FNormalRightWidth);
        ResizeGrid();
    }
}

// A new frame re-creates the window, which hides it for a moment: that is
// no closing, so the game runs on and the caller window stays hidden.
void TfrmGamePlayer::SetFrameless(bool frameless) {
    const bool shown = isVisible();
    FChangingFrame = true;
    setWindowFlag(Qt::FramelessWindowHint, frameless);
    if (shown)
        show();
    FChangingFrame = false;
}

void TfrmGamePlayer::actPrintExecute() {
    ShowHelpNow(hiPrint);
    TfrmHTMLPrintPreview preview(this);
    QString pagePath;
    FPlayer->ExportHTML(PrintPagePath(), pagePath);
    preview.LoadFile(pagePath);
    preview.Execute();
}

// Empty for the page beside the game file; a page in the private temporary
// folder when the game's folder takes no new file.
QString TfrmGamePlayer::PrintPagePath() const {
    const QString gameFile = FPlayer->FileName();
    if (gameFile.isEmpty() || QFileInfo(QFileInfo(gameFile).absolutePath()).isWritable())
        return QString();
    return TempFilePath(QFileInfo(gameFile).completeBaseName() + ".html");
}

void TfrmGamePlayer::actAboutExecute() {
    TfrmAboutDesigner about(this);
    about.ShowAbout();
}

void TfrmGamePlayer::SetHelpAvailable(bool available) {
    FHelpAvailable = available;
    actHelpContents->setEnabled(available);
    actHelpPlayer->setEnabled(available);
}

void TfrmGamePlayer::actHelpContentsExecute() {
    ShowHelpFile(HelpContentsContext);
}

void TfrmGamePlayer::actHelpPlayerExecute() {
    ShowHelpFile(PlayerHelpContext);
}

// The help document beside the program, at a context.
void TfrmGamePlayer::ShowHelpFile(int context) {
    services().ShowHelp(HelpFileBesideProgram(), context);
}

void TfrmGamePlayer::actShowHelpExecute() {
    pnlHelp->show();
    actShowHelp->setVisible(false);
    actHideHelp->setVisible(true);
}

void TfrmGamePlayer::actHideHelpExecute() {
    pnlHelp->hide();
    actHideHelp->setVisible(false);
    actShowHelp->setVisible(true);
}

void TfrmGamePlayer::SaveOptions() {
    Guarded([&] { FOptionsDialog->SaveIfAutoSave(); });
}

// --- Layout

void TfrmGamePlayer::ResizeGrid() {
    if (!FPlayer)
        return;
    FPlayer->setGeometry(GridMargin, GridMargin, pnlGame->width() - 2 * GridMargin,
                         pnlGame->height() - 2 * GridMargin);
    FPlayer->RecalculateLayout();
    FitSidePanel();
}

// The right panel takes all the room the square grid and its margins leave.
// Moving the splitter resizes the game panel only, never the grid, so this
// cannot feed back into itself.
void TfrmGamePlayer::FitSidePanel() {
    if (FFittingSidePanel)
        return;
    const int h = FPlayer->ClientHeight();
    if (h <= 0)
        return;
    const int w = FPlayer->ClientWidth();
    const int extent = w < h ? h + 2 * FPlayer->y() : w + 2 * FPlayer->x();
    const int right = centralWidget()->width() - extent;
    FFittingSidePanel = true;
    SetRightPanelWidth(right);
    FFittingSidePanel = false;
}

void TfrmGamePlayer::SetRightPanelWidth(int width) {
    Splitter2->setSizes({Splitter2->width() - Splitter2->handleWidth() - width, width});
}

void TfrmGamePlayer::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Guarded([&] { ResizeGrid(); });
}

void TfrmGamePlayer::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        Guarded([this] { FormShow(); });
}

void TfrmGamePlayer::FormShow() {
    // The right panel starts at its form width; the panels have their sizes
    // by now and the grid takes its own.
    if (!FShownBefore) {
        services().PlaceWindow(*this, poDesktopCenter);
        SetRightPanelWidth(RightPanelWidth);
    }
    FShownBefore = true;
    ResizeGrid();
    HideCallerForm();
}

void TfrmGamePlayer::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    if (!event->spontaneous() && !FChangingFrame)
        Guarded([this] { FormHide(); });
}

void TfrmGamePlayer::FormHide() {
    actPause->trigger();
    ShowCallerForm();
}

void TfrmGamePlayer::ShowCallerForm() {
    if (FCallerForm)
        FCallerForm->show();
}

void TfrmGamePlayer::HideCallerForm() {
    if (FCallerForm)
        FCallerForm->hide();
}

bool TfrmGamePlayer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        if (watched == lbxWords->viewport())
            Guarded([&] { lbxWordsMouseMove(); });
        else if (watched == pnlTimer || watched == lblTime || watched == txtTimer)
            Guarded([&] { pnlTimerMouseMove(); });
    } else if (event->type() == QEvent::MouseButtonDblClick && watched == tbHelp) {
        actHideHelp->trigger();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// --- Puzzle control events

void TfrmGamePlayer::PlayerWordAdded(const QString& word) {
    lbxWords->Items().Add(word);
}

void TfrmGamePlayer::PlayerMouseDown() {
    ShowHelpNow(hiGridPress);
}

void TfrmGamePlayer::PlayerMouseMove() {
    if (FHelpShown != hiGridMove)
        QueueHelp(hiGridMove);
}

void TfrmGamePlayer::PlayerWordFound(const QString& word) {
    const int index = WordItemIndex(word);
    if (index < 0) {
        ShowHelpNowFmt(hiWordNotFound, word);
        return;
    }
    lbxWords->SetSelected(index, true);
    lbxWords->viewport()->update();
    UpdateStatusBar();
    ShowHelpNowFmt(hiWordFound, word);
}

void TfrmGamePlayer::PlayerWordNotFound(const QString& text) {
    ShowHelpNowFmt(hiWordNotFound, text);
}

void TfrmGamePlayer::PlayerTimer(TDateTime time) {
    txtTimer->setText(ClockText(time));
}

// Every start repaints the cells afresh: a flash going on would invert the
// new colours of its cell and leave them so.
void TfrmGamePlayer::PlayerGameStarted() {
    EndFlash();
    UnmarkAllWords();
    UpdateStatusBar();
    LeavePause();
    EnableGameActions(true);
}

// The grid shows again and the clock tells the time, not the pause.
void TfrmGamePlayer::LeavePause() {
    FPaused = false;
    pnlPause->hide();
    FPlayer->show();
    ShowTimerState();
}

void TfrmGamePlayer::PlayerGameStateChange(TWordGameStateType state) {
    if (state == wgsInProgress)
        return;
    EnableGameActions(false);
    ShowEndOfGame(state);
}

int TfrmGamePlayer::WordItemIndex(const QString& word) const {
    int first = -1;
    for (int i = 0; i < lbxWords->Items().Count(); ++i) {
        if (lbxWords->Items()[i].compare(word, Qt::CaseInsensitive) != 0)
            continue;
        if (!IsItemMarked(i))
            return i;
        if (first < 0)
            first = i;
    }
    return first;
}

bool TfrmGamePlayer::IsItemMarked(int index) const {
    return lbxWords->GetSelected(index);
}

void TfrmGamePlayer::UnmarkAllWords() {
    for (int i = 0; i < lbxWords->Items().Count(); ++i)
        lbxWords->SetSelected(i, false);
    lbxWords->viewport()->update();
}

// A found word in the Dummy Word colour, small and struck out; any other in
// the Highlighted colour, larger and bold.
TFont TfrmGamePlayer::WordItemFont(int index) const {
    const TWordGameColourPreferences& colours = *FPlayer->GamePreferences()->ColourPreferences();
    TFont font;
    font.SetName(QStringLiteral("Arial"));
    if (IsItemMarked(index)) {
        font.SetSize(8);
        font.SetStrikeOut(true);
        font.SetColor(colours.GetDummyWordForeground());
    } else {
        font.SetSize(10);
        font.SetBold(true);
        font.SetColor(colours.GetHighlightedForeground());
    }
    return font;
}

void TfrmGamePlayer::lbxWordsDrawItem(int index, const TRect& rect) {
    TCanvas& canvas = lbxWords->Canvas();
    canvas.Brush().SetColor(
        FPlayer->GamePreferences()->ColourPreferences()->GetHighlightedBackground());
    canvas.Font() = WordItemFont(index);
    DrawTextInRect(canvas, rect, lbxWords->Items()[index], 1, 0);
}

void TfrmGamePlayer::lbxWordsMeasureItem(int index, int& height) {
    TCanvas& canvas = lbxWords->Canvas();
    canvas.Font() = WordItemFont(index);
    height = canvas.TextHeight(lbxWords->Items()[index]) + 2;
}
